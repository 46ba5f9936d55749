#pragma once

// The demo payroll database on the embedded engine, and the way in through the program's
// start: sign-in, company chooser, main window. Each stage may be looked at (screenshots)
// before the program moves on.

#include "app/OXTAStaffing.h"
#include "app/frmEmpresa.h"
#include "app/frmInicio.h"
#include "app/frmLogin.h"
#include "tests/app/test_empresa_base.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <array>
#include <functional>

namespace staffing {

inline const QString kAdministrador = QStringLiteral("Administrador");
inline const QString kClaveAdministrador = QStringLiteral("Admin2011");
inline const QString kLimitado = QStringLiteral("consulta");
inline const QString kClaveLimitado = QStringLiteral("Consulta1");

// Areas A..D that the limited user's profile grants.
inline std::array<bool, 4> AreasLimitado() {
    return {false, true, false, true};
}

// The payroll family's tables and a small demo: three companies, the password policy, the
// administrator (whose payroll profile sees every company) and a limited user with a profile
// of this system that grants groups and reports.
inline QStringList Demo() {
    QStringList s = prueba::TablasSeguridad();
    s << TablasEmpresasYRegistro();
    s << QStringLiteral("create table capa_lugar (lugar int null)");
    s << QStringLiteral("insert into ctrl_usuarios values (90, 6, '2', 1, 5)");
    s << QStringLiteral(
        "insert into empresas values (1, 'Hotel Sol del Pacifico SA de CV', 'Y5412345101', "
        "'HSP950101AB1', 'Hotel Sol del Pacífico')");
    s << QStringLiteral(
        "insert into empresas values (2, 'Hospital San Rafael SC', 'Y5498765102', "
        "'HSR880315CD2', NULL)");
    s << QStringLiteral(
        "insert into empresas values (3, 'Clinica del Norte SA', NULL, NULL, 'Clínica del "
        "Norte')");
    const QString expira =
        QLatin1Char('\'') + QDate::currentDate().addDays(60).toString(Qt::ISODate) + "'";
    for (const auto& [usuario, clave] :
         {std::pair{kAdministrador, kClaveAdministrador}, std::pair{kLimitado, kClaveLimitado}})
        s << QStringLiteral("insert into usuarios values (%1, 'demo', %2, %3)")
                 .arg(SqlLiteral(usuario), SqlLiteral(clsUsuario::EncriptaPWD(clave)), expira);
    s << QStringLiteral(
        "insert into perfiles values ('Nomina total', 'NO', '{}', '{}', 'N', "
        "'N')");
    s << QStringLiteral(
        "insert into perfil_usuarios select idperfil, 'Administrador' from "
        "perfiles where descripcion='Nomina total'");
    s << QStringLiteral(
        "insert into perfiles values ('Consulta de Staffing', 'ST', '{1,2}', "
        "'{}', 'N', 'N')");
    s << QStringLiteral(
        "insert into perfil_usuarios select idperfil, 'consulta' from perfiles "
        "where descripcion='Consulta de Staffing'");
    for (const char* opcion : {"B2", "D1"})
        s << QStringLiteral(
                 "insert into perfil_funcion select '%1', '%2', idperfil from "
                 "perfiles where descripcion='Consulta de Staffing'")
                 .arg(QChar::fromLatin1(opcion[0]))
                 .arg(QString::fromLatin1(opcion));
    return s;
}

struct Pantallas {
    TLogin* login = nullptr;
    TEmpresa* empresa = nullptr;
    TInicio* inicio = nullptr;
};

class DemoTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        prueba::CreaBase(prueba::kBase);
        prueba::Ejecuta(Demo());
    }
    void TearDown() override {
        prueba::CierraFormularios();
        TempDirTest::TearDown();
    }

    // Starts the program and signs in; the chooser takes its first company. `mira` sees each
    // form while it is on screen, before the program moves on.
    Pantallas Entra(const QString& usuario, const QString& clave,
                    const std::function<void(TForm&)>& mira = {}) {
        Pantallas p;
        p.login = Inicia({QStringLiteral("OXTAStaffing")});
        if (!p.login)
            return p;
        p.login->txtUsuario->Value(usuario);
        p.login->txtPassword->Value(clave);
        if (mira)
            mira(*p.login);
        p.login->btnEntrar->Click();
        p.empresa = Application().FindForm<TEmpresa>();
        if (!p.empresa)
            return p;
        if (mira)
            mira(*p.empresa);
        p.empresa->btnAceptar->Click();
        p.inicio = Application().FindForm<TInicio>();
        if (p.inicio && mira)
            mira(*p.inicio);
        return p;
    }
};

}  // namespace staffing
