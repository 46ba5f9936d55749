#pragma once

// A payroll database on the embedded engine for the company chooser, the main window and the
// company search: companies with every column those forms read, the security tables with the
// register of applications, users and profiles. Each test runs in its own working directory.

#include "data/Connection.h"
#include "data/SqlLiteral.h"
#include "tests/app/AppTestSupport.h"
#include "tests/security/BaseDePrueba.h"
#include "ui/Application.h"
#include "ui/ErrorReport.h"
#include "ui/TIni.h"

#include <QFile>
#include <QString>
#include <QStringList>

namespace staffing {

inline QStringList TablasEmpresasYRegistro() {
    return {
        QStringLiteral("create table empresas (empresa int not null primary key, nombre_empresa "
                       "char(30) null, registro_patronal varchar(20) null, rfc_empresa "
                       "varchar(20) null, referencia varchar(30) null)"),
        QStringLiteral("create table sistema (sistema varchar(2) not null, Nombre varchar(60) "
                       "null)"),
        QStringLiteral("create table funciones (sistema varchar(2) not null, funcion char(1) not "
                       "null, descripcion varchar(60) null)"),
        QStringLiteral("create table opciones (opcion char(2) not null, sistema varchar(2) not "
                       "null, funcion char(1) not null, descripcion varchar(60) null)"),
    };
}

inline int Cuenta(const QString& sql) {
    return static_cast<int>(prueba::Valor(sql).toInt());
}

inline void EscribeScript(const QByteArray& contenido) {
    QFile f(QStringLiteral("ActualizaStaff.sql"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenido);
}

class StaffingTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        prueba::CreaBase(prueba::kBase);
        prueba::Ejecuta(prueba::TablasSeguridad());
        prueba::Ejecuta(TablasEmpresasYRegistro());
        EntraComo(QStringLiteral("Administrador"));
        // An unhandled error fails the test instead of waiting in the error window.
        ui::SetErrorWindowHook([this](const QString& log) { errores.push_back(log); });
    }
    void TearDown() override {
        prueba::CierraFormularios();
        ui::SetErrorWindowHook({});
        for (const QString& log : errores)
            ADD_FAILURE() << log.toStdString();
        TempDirTest::TearDown();
    }

    // Unhandled errors reported so far; a test that expects one takes it out.
    std::vector<QString> errores;

    // The user who signed in, as the login leaves it behind.
    static void EntraComo(const QString& usuario) {
        AppData().AddData(QStringLiteral("UsuarioGet"), usuario);
        EscribeIni(QStringLiteral("VARIABLES"), QStringLiteral("Usuario"), usuario);
    }

    static void Empresa(int clave, const QString& nombre, const QString& referencia = {},
                        const QString& registro = QStringLiteral("NULL"),
                        const QString& rfc = QStringLiteral("NULL")) {
        prueba::Ejecuta(
            {QStringLiteral("insert into empresas values (%1, %2, %3, %4, %5)")
                 .arg(clave)
                 .arg(SqlLiteral(nombre), registro, rfc,
                      referencia.isNull() ? QStringLiteral("NULL") : SqlLiteral(referencia))});
    }

    static void Usuario(const QString& usuario) {
        prueba::Ejecuta({QStringLiteral("insert into usuarios values (%1, 'prueba', 'x', NULL)")
                             .arg(SqlLiteral(usuario))});
    }

    // A profile of system `sistema` for `usuario` with the company list `empresas` (SQL text:
    // a quoted list or NULL); gives the new profile's key.
    static int Perfil(const QString& usuario, const QString& empresas,
                      const QString& sistema = QStringLiteral("ST")) {
        const QString descripcion = QStringLiteral("perfil de ") + usuario + QLatin1Char(' ') +
                                    QString::number(Cuenta("select count(*) from perfiles"));
        prueba::Ejecuta({QStringLiteral("insert into perfiles values (%1, %2, %3, '{}', 'N', "
                                        "'N')")
                             .arg(SqlLiteral(descripcion), SqlLiteral(sistema), empresas)});
        const int id = Cuenta(QStringLiteral("select idperfil from perfiles where descripcion=") +
                              SqlLiteral(descripcion));
        prueba::Ejecuta({QStringLiteral("insert into perfil_usuarios values (%1, %2)")
                             .arg(id)
                             .arg(SqlLiteral(usuario))});
        return id;
    }

    static void Concede(int idperfil, const QString& funcion, const QString& opcion) {
        prueba::Ejecuta({QStringLiteral("insert into perfil_funcion values ('%1', '%2', %3)")
                             .arg(funcion, opcion)
                             .arg(idperfil)});
    }
};

}  // namespace staffing
