// Resident memory of the program at its sign-in and at its main window. Starts as OXTAStaffing
// does, in the current directory (run/ after scripts/start.sh, whose config.ini names the demo
// database), signs in, takes the company chooser's first company, and reports the resident
// memory once each form has been painted:
//
//     cd run && xvfb-run -a ../build/bench/oxta_main_window_memory [user password]
//
// Message boxes on the way (a password about to expire) are answered No without waiting.
#include "app/OXTAStaffing.h"
#include "app/frmEmpresa.h"
#include "app/frmInicio.h"
#include "app/frmLogin.h"
#include "ui/Application.h"
#include "ui/StartupTrace.h"
#include "ui/TestSeam.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

// Lets the event loop run for a while, so that a form shown is painted and settled.
void Settle(int ms = 300) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void Report(const char* where) {
    std::printf("%-12s rss %.1f MB\n", where, ui::startup::ResidentKb() / 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (!HayPantalla()) {
        std::fputs("no display: run under xvfb-run -a\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    const QString usuario = argc > 2 ? QString::fromLocal8Bit(argv[1]) : "Administrador";
    const QString clave = argc > 2 ? QString::fromLocal8Bit(argv[2]) : "admin123";
    ui::ScriptedMessages mensajes;

    TLogin* const login = Inicia({QStringLiteral("OXTAStaffing")});
    Settle();
    Report("sign-in");
    login->txtUsuario->Value(usuario);
    login->txtPassword->Value(clave);
    login->btnEntrar->Click();
    Settle();
    auto* const empresa = Application().FindForm<TEmpresa>();
    if (!empresa) {
        std::fputs("the sign-in did not reach the company chooser\n", stderr);
        return 1;
    }
    Report("companies");
    empresa->btnAceptar->Click();
    Settle();
    auto* const inicio = Application().FindForm<TInicio>();
    if (!inicio) {
        std::fputs("the company chooser did not reach the main window\n", stderr);
        return 1;
    }
    Report("main window");
    inicio->Close();
    Application().Run();
    return 0;
}
