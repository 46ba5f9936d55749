// The whole way in on a fresh copy of the demo database (sql/schema.sql, sql/demo.sql):
// program start, sign-in, company chooser, main window with its areas by permission, and the
// update script at each opening. With OXTA_SCREENSHOTS=<folder>, DemoTest.Screenshots writes
// the README's pictures of these screens there.
#include "app/OXTAStaffing.h"
#include "app/frmEmpresa.h"
#include "app/frmInicio.h"
#include "app/frmLogin.h"
#include "data/SqlScript.h"
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
    const QString registro =
        "select (select count(*) from sistema where sistema='ST') * 10000 + "
        "(select count(*) from funciones where sistema='ST') * 1000 + "
        "(select count(*) from opciones where sistema='ST')";

    TInicio* f = Entra("Administrador", "admin123");
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
}

TEST_F(DemoTest, Screenshots) {
    const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS");
    if (carpeta.isEmpty())
        GTEST_SKIP() << "OXTA_SCREENSHOTS not set";
    // The demo as the program's start leaves it: database "oxta_demo" on the local server.
    const QString datos = dir() + "/xdg";
    ASSERT_TRUE(QDir().mkpath(datos + "/oxta-staffing/databases"));
    ASSERT_TRUE(QFile::copy(QDir(prueba::kCarpetaBases).filePath(prueba::kBase + ".sqlite"),
                            datos + "/oxta-staffing/databases/oxta_demo.sqlite"));
    qputenv("XDG_DATA_HOME", datos.toLocal8Bit());
    EscribeIni("CONFIG", "SERVER", "(local)");
    EscribeIni("CONFIG", "BD", "oxta_demo");
    ui::ScriptedMessages msgs;
    const auto guarda = [&](QWidget& w, const char* nombre) {
        QCoreApplication::processEvents();
        EXPECT_TRUE(w.grab().save(QDir(carpeta).filePath(nombre))) << nombre;
    };
    EXPECT_NE(Entra("Administrador", "admin123",
                    [&](TForm& f) {
                        guarda(f, dynamic_cast<TLogin*>(&f)     ? "login.png"
                                  : dynamic_cast<TEmpresa*>(&f) ? "empresa.png"
                                                                : "inicio.png");
                    }),
              nullptr);
    prueba::CierraFormularios();
    TInicio* const limitado = Entra("consulta", "consulta1");
    ASSERT_NE(limitado, nullptr);
    guarda(*limitado, "inicio_consulta.png");
}
