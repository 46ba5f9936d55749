#include "ado/AdoError.h"
#include "app/OXTAStaffing.h"
#include "app/frmLogin.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/TempDir.h"
#include "ui/ErrorReport.h"
#include "ui/TestSeam.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <optional>

using prueba::AppTest;

namespace {

// Sets or removes an environment variable for the scope.
class Entorno {
  public:
    Entorno(const char* nombre, std::optional<QByteArray> valor) : m_nombre(nombre) {
        if (qEnvironmentVariableIsSet(nombre))
            m_previo = qgetenv(nombre);
        if (valor)
            qputenv(nombre, *valor);
        else
            qunsetenv(nombre);
    }
    ~Entorno() {
        if (m_previo)
            qputenv(m_nombre, *m_previo);
        else
            qunsetenv(m_nombre);
    }

  private:
    const char* m_nombre;
    std::optional<QByteArray> m_previo;
};

}  // namespace

TEST(Arranque, ADisplayIsAPlatformChoiceOrAnX11OrWaylandDisplay) {
    Entorno qpa("QT_QPA_PLATFORM", std::nullopt);
    Entorno x11("DISPLAY", std::nullopt);
    Entorno wayland("WAYLAND_DISPLAY", QByteArray());
    EXPECT_FALSE(HayPantalla());
    {
        Entorno d("DISPLAY", QByteArray(":99"));
        EXPECT_TRUE(HayPantalla());
    }
    {
        Entorno w("WAYLAND_DISPLAY", QByteArray("wayland-0"));
        EXPECT_TRUE(HayPantalla());
    }
    Entorno o("QT_QPA_PLATFORM", QByteArray("offscreen"));
    EXPECT_TRUE(HayPantalla());
}

TEST(Arranque, WithoutADisplayTheProgramSaysSoInOneLine) {
    const QString programa = QStringLiteral(OXTA_BINARY_DIR "/app/OXTAStaffing");
    if (!QFileInfo::exists(programa))
        GTEST_SKIP() << "the program is not built";
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(programa, {});
    ASSERT_TRUE(p.waitForFinished());
    EXPECT_EQ(p.exitCode(), 1);
    const QString error = QString::fromUtf8(p.readAllStandardError());
    EXPECT_TRUE(error.startsWith(QStringLiteral("OXTAStaffing: no hay pantalla disponible")))
        << error.toStdString();
    EXPECT_EQ(error.count(u'\n'), 1);
}

// A display that is named but cannot be opened: a dead X server, a platform Qt does not have.
// Qt itself would abort with several lines of advice; the program says it in one line.
TEST(Arranque, ADisplayThatCannotBeOpenedIsReportedInOneLine) {
    const QString programa = QStringLiteral(OXTA_BINARY_DIR "/app/OXTAStaffing");
    if (!QFileInfo::exists(programa))
        GTEST_SKIP() << "the program is not built";
    const struct {
        const char* variable;
        const char* valor;
    } casos[] = {{"DISPLAY", ":4097"}, {"QT_QPA_PLATFORM", "inexistente"}};
    for (const auto& caso : casos) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QLatin1String(v));
        env.insert(QLatin1String(caso.variable), QLatin1String(caso.valor));
        p.setProcessEnvironment(env);
        p.start(programa, {});
        ASSERT_TRUE(p.waitForFinished());
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << caso.variable;
        EXPECT_EQ(p.exitCode(), 1) << caso.variable;
        const QString error = QString::fromUtf8(p.readAllStandardError());
        EXPECT_TRUE(error.startsWith(QStringLiteral("OXTAStaffing: no se puede abrir la pantalla")))
            << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(caso.valor))) << error.toStdString();
        EXPECT_EQ(error.count(u'\n'), 1) << error.toStdString();
    }
}

// On a bare X server (no desktop: no session bus, no XDG_RUNTIME_DIR) the program starts
// quietly and does not spawn a bus of its own through dbus-launch, which libdbus would find on
// the PATH.
TEST_F(TempDirTest, OnABareXServerTheStartIsQuietAndLaunchesNoBus) {
    const QString programa = QStringLiteral(OXTA_BINARY_DIR "/app/OXTAStaffing");
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (!QFileInfo::exists(programa) || xvfbRun.isEmpty())
        GTEST_SKIP() << "needs the program and xvfb-run";
    QDir().mkdir(QStringLiteral("bin"));
    QFile lanzador(file(QStringLiteral("bin/dbus-launch")));
    ASSERT_TRUE(lanzador.open(QIODevice::WriteOnly));
    lanzador.write("#!/bin/sh\ntouch \"$(dirname \"$0\")/lanzado\"\nexit 1\n");
    lanzador.close();
    lanzador.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    // No database chosen yet: the connection settings open; the first form painted ends it.
    QFile ini(file(QStringLiteral("config.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[CONFIG]\nMOTOR=SQLITE\nSERVER=.\nBD=master\n");
    ini.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY",
                          "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"})
        env.remove(QLatin1String(v));
    env.insert(QStringLiteral("PATH"),
               file(QStringLiteral("bin")) + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    env.insert(QStringLiteral("OXTA_STARTUP_TRACE"), QStringLiteral("quit"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dir());
    p.start(xvfbRun, {QStringLiteral("-a"), programa});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString error = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(p.exitCode(), 0) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("shown \"Configuración de Empresas\"")))
        << error.toStdString();
    for (const QString& linea : error.split(u'\n', Qt::SkipEmptyParts))
        EXPECT_TRUE(linea.startsWith(QLatin1String("startup:"))) << linea.toStdString();
    EXPECT_FALSE(QFileInfo::exists(file(QStringLiteral("bin/lanzado"))));
}

class ArranqueTest : public AppTest {};

TEST_F(ArranqueTest, TheCommandLineUserIsReplacedByTheOneWhoSignsIn) {
    Politica(30, 6, 2, 1, 5);
    prueba::Cuenta(QStringLiteral("ana"), QStringLiteral("Clave12"), prueba::Fecha(20));
    TLogin* const login = Inicia({QStringLiteral("OXTAStaffing"), QStringLiteral("pedro")});
    EXPECT_EQ(Application().cTitle, QStringLiteral("OXTAStaffing"));
    EXPECT_FALSE(Application().oIcon.isNull());
    EXPECT_EQ(AppData().UsuarioGet(), QStringLiteral("pedro"));
    ASSERT_EQ(Application().FindForm<TLogin>(), login);

    login->txtUsuario->Value(QStringLiteral("ana"));
    login->txtPassword->Value(QStringLiteral("Clave12"));
    login->btnEntrarClick(nullptr);
    EXPECT_EQ(AppData().UsuarioGet(), QStringLiteral("ana"));
    EXPECT_EQ(traspasos.size(), 1u);
}

TEST_F(ArranqueTest, WithoutArgumentsThereIsNoUserYet) {
    AppData().AddData(QStringLiteral("UsuarioGet"), QStringLiteral("viejo"));
    Inicia({QStringLiteral("OXTAStaffing")});
    EXPECT_TRUE(AppData().Has(QStringLiteral("UsuarioGet")));
    EXPECT_EQ(AppData().UsuarioGet(), QString());
}

TEST_F(TempDirTest, StartUpTeachesTheErrorReportTheDatabaseErrors) {
    RegistraErroresDeDatos();
    QString log;
    ui::SetErrorWindowHook([&](const QString& text) { log = text; });
    ui::Guarded([] { throw ado::Error("Recordset.Open", "Invalid object name 'staff_mes'."); });
    ui::SetErrorWindowHook({});
    EXPECT_TRUE(log.contains("Subsystem: ADO\n")) << log.toStdString();
    EXPECT_TRUE(log.contains("Description: Invalid object name 'staff_mes'.\n"));
    EXPECT_TRUE(log.contains("Operation: Recordset.Open\n"));
}
