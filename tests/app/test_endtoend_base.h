#pragma once

// A fresh copy of the demo database (sql/schema.sql, sql/demo.sql) on the embedded engine,
// and the way in through the program's start: sign-in, company chooser, main window. Each
// stage may be looked at (screenshots) before the program moves on.

#include "app/OXTAStaffing.h"
#include "app/frmEmpresa.h"
#include "app/frmInicio.h"
#include "app/frmLogin.h"
#include "data/SqlScript.h"
#include "tests/app/test_empresa_base.h"

#include <QDir>
#include <QFile>

#include <array>
#include <functional>

namespace staffing {

// The demo accounts of sql/demo.sql.
inline const QString kAdministrador = QStringLiteral("Administrador");
inline const QString kClaveAdministrador = QStringLiteral("admin123");
inline const QString kLimitado = QStringLiteral("consulta");
inline const QString kClaveLimitado = QStringLiteral("consulta1");

// Areas A..D that the limited user's profile grants: reports only.
inline std::array<bool, 4> AreasLimitado() {
    return {false, false, false, true};
}

// Runs one of the project's SQL scripts (batches split at GO lines) on the database that
// config.ini names.
inline void EjecutaScript(const QString& nombre) {
    QFile f(QStringLiteral(OXTA_SOURCE_DIR "/sql/") + nombre);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << nombre.toStdString();
    prueba::Ejecuta(sql::splitBatches(QString::fromUtf8(f.readAll())));
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
        EjecutaScript(QStringLiteral("schema.sql"));
        EjecutaScript(QStringLiteral("demo.sql"));
        ui::SetErrorWindowHook([this](const QString& log) { errores.push_back(log); });
    }
    void TearDown() override {
        prueba::CierraFormularios();
        ui::SetErrorWindowHook({});
        for (const QString& log : errores)
            ADD_FAILURE() << log.toStdString();
        TempDirTest::TearDown();
    }

    std::vector<QString> errores;

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
