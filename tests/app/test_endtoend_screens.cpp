// Pictures of the way in for the README: run with OXTA_SCREENSHOTS=<folder> to write
// login.png, empresa.png, inicio.png and inicio_consulta.png there; skipped otherwise.
#include "tests/app/test_endtoend_base.h"
#include "ui/TestSeam.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>

using namespace staffing;

TEST_F(DemoTest, Screenshots) {
    const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS");
    if (carpeta.isEmpty())
        GTEST_SKIP() << "OXTA_SCREENSHOTS not set";
    // The demo as the program's start leaves it: database "oxta_demo" on the local server.
    const QString datos = dir() + QStringLiteral("/xdg");
    ASSERT_TRUE(QDir().mkpath(datos + QStringLiteral("/oxta-staffing/databases")));
    ASSERT_TRUE(QFile::copy(QDir(prueba::kCarpetaBases).filePath(prueba::kBase + ".sqlite"),
                            datos + QStringLiteral("/oxta-staffing/databases/oxta_demo.sqlite")));
    qputenv("XDG_DATA_HOME", datos.toLocal8Bit());
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("SERVER"), QStringLiteral("(local)"));
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("BD"), QStringLiteral("oxta_demo"));
    ui::ScriptedMessages msgs;
    QStringList guardadas;
    const Pantallas p = Entra(kAdministrador, kClaveAdministrador, [&](TForm& f) {
        QCoreApplication::processEvents();
        const char* nombre = dynamic_cast<TLogin*>(&f)     ? "login.png"
                             : dynamic_cast<TEmpresa*>(&f) ? "empresa.png"
                                                           : "inicio.png";
        const QString ruta = QDir(carpeta).filePath(QString::fromLatin1(nombre));
        ASSERT_TRUE(f.grab().save(ruta)) << ruta.toStdString();
        guardadas << ruta;
    });
    EXPECT_NE(p.inicio, nullptr);
    EXPECT_EQ(guardadas.size(), 3);

    // The limited user's menu, with the stop signs on the areas it was not granted.
    prueba::CierraFormularios();
    const Pantallas limitado = Entra(kLimitado, kClaveLimitado);
    ASSERT_NE(limitado.inicio, nullptr);
    QCoreApplication::processEvents();
    EXPECT_TRUE(limitado.inicio->grab().save(QDir(carpeta).filePath("inicio_consulta.png")));
}
