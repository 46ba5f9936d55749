// Pictures of the way in for the README: run with OXTA_SCREENSHOTS=<folder> to write
// login.png, empresa.png and inicio.png there; skipped otherwise.
#include "tests/app/test_endtoend_base.h"
#include "ui/TestSeam.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>

using namespace staffing;

TEST_F(DemoTest, Screenshots) {
    const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS");
    if (carpeta.isEmpty())
        GTEST_SKIP() << "OXTA_SCREENSHOTS not set";
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
}
