// The whole way in on a fresh copy of the demo database (sql/schema.sql, sql/demo.sql):
// program start, sign-in, company chooser, main window with its areas by permission, and the
// update script at each opening. With OXTA_SCREENSHOTS=<folder> the test also saves the
// README's pictures of these screens there.
#include "app/OXTAStaffing.h"
#include "app/frmEmpresa.h"
#include "app/frmInicio.h"
#include "app/frmLogin.h"
#include "ado/SqlScript.h"
#include "tests/app/test_empresa_base.h"
#include "ui/TestSeam.h"

#include <QCoreApplication>
#include <QDir>

#include <functional>

using namespace staffing;

namespace {

class DemoTest : public ConBaseTest {
  protected:
    void SetUp() override {
        ConBaseTest::SetUp();
        for (const char* script : {"schema.sql", "demo.sql"}) {
            QFile f(QStringLiteral(OXTA_SOURCE_DIR "/sql/") + script);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << script;
            Ejecuta(sql::splitBatches(QString::fromUtf8(f.readAll())));
        }
        // The database on the local server, as the program's start sets the demo up.
        ASSERT_TRUE(QDir().mkpath("xdg/oxta-staffing"));
        ASSERT_TRUE(
            QFile::link(QDir(prueba::kCarpetaBases).absolutePath(), "xdg/oxta-staffing/databases"));
        qputenv("XDG_DATA_HOME", QDir("xdg").absolutePath().toLocal8Bit());
        EscribeIni("CONFIG", "SERVER", "(local)");
    }

    // Starts the program, signs in and takes the chooser's first company; `mira` sees each
    // form on screen before the program moves on. Gives the main window, or nullptr.
    TInicio* Entra(
        const QString& usuario, const QString& clave,
        const std::function<void(TForm&)>& mira = [](TForm&) {}) {
        TLogin* const login = Inicia({QStringLiteral("OXTAStaffing")});
        login->txtUsuario->Value(usuario);
        login->txtPassword->Value(clave);
        mira(*login);
        login->btnEntrar->Click();
        auto* const empresa = Application().FindForm<TEmpresa>();
        if (!empresa)
            return nullptr;
        mira(*empresa);
        empresa->btnAceptar->Click();
        auto* const inicio = Application().FindForm<TInicio>();
        if (inicio)
            mira(*inicio);
        return inicio;
    }
};

}  // namespace

TEST_F(DemoTest, AdministratorAndLimitedUserReachTheirAreas) {
    EscribeScript(
        "if not exists (select * from dbo.sysobjects where id = "
        "object_id(N'[dbo].[bitacora]')) create table bitacora (n int)\nGO\n"
        "insert into bitacora values (1)\nGO\n");
    ui::ScriptedMessages msgs;
    const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS");
    const auto guarda = [&](QWidget& w, const QString& nombre) {
        QCoreApplication::processEvents();
        if (!carpeta.isEmpty()) {
            EXPECT_TRUE(w.grab().save(QDir(carpeta).filePath(nombre + ".png")));
        }
    };
    const QString registro =
        "select (select count(*) from sistema where sistema='ST') * 10000 + "
        "(select count(*) from funciones where sistema='ST') * 1000 + "
        "(select count(*) from opciones where sistema='ST')";

    TInicio* f = Entra("Administrador", "admin123", [&](TForm& form) {
        guarda(form, dynamic_cast<TLogin*>(&form)     ? "login"
                     : dynamic_cast<TEmpresa*>(&form) ? "empresa"
                                                      : "inicio");
    });
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Cuenta(registro), 1 * 10000 + 4 * 1000 + 11);
    const int concesiones = Cuenta("select count(*) from perfil_funcion");
    EXPECT_EQ(Areas(f), "1111");
    EXPECT_EQ(f->cText(), "STAFFING -- " + f->NombreEmpresa);
    EXPECT_FALSE(f->NombreEmpresa.trimmed().isEmpty());
    f->btnSalir->Click();
    prueba::CierraFormularios();

    // A second opening sends no registration again; the limited user may only print reports.
    f = Entra("consulta", "consulta1");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Cuenta(registro), 1 * 10000 + 4 * 1000 + 11);
    EXPECT_EQ(Cuenta("select count(*) from perfil_funcion"), concesiones);
    EXPECT_EQ(Areas(f), "---1");
    EXPECT_EQ(Cuenta("select count(*) from bitacora"), 2);
    EXPECT_EQ(msgs.count(), 0);
    guarda(*f, "inicio_consulta");
}
