#include "app/OXTAStaffing.h"

#include "ado/AdoError.h"
#include "app/frmLogin.h"
#include "ui/Application.h"
#include "ui/ErrorReport.h"
#include "ui/Resources.h"

#include <QApplication>

#include <cstdio>

bool HayPantalla() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void RegistraErroresDeDatos() {
    // A database error that no handler catches is reported with its operation and the
    // engine's own description; registered once however often the program starts in-process.
    static const bool registrado = [] {
        ui::AddErrorDescriberFor<ado::Error>([](const ado::Error& e) {
            return ui::ErrorInfo{QStringLiteral("ADO"), {}, e.description(), e.operation(), {}};
        });
        return true;
    }();
    (void)registrado;
}

TLogin* Inicia(const QStringList& argumentos) {
    RegistraErroresDeDatos();
    TApplication& app = Application();
    app.cTitle = QStringLiteral("OXTAStaffing");
    app.oIcon = ui::BitmapIcon(QStringLiteral("_1229"));
    QApplication::setApplicationName(app.cTitle);
    QApplication::setWindowIcon(app.oIcon);

    AppData().AddData(QStringLiteral("UsuarioGet"),
                      argumentos.size() > 1 ? argumentos.at(1) : QString());

    auto* const login = TForm::New<TLogin>(nullptr);
    login->Show();
    return login;
}

int OXTAStaffingMain(int argc, char** argv) {
    if (!HayPantalla()) {
        std::fputs(
            "OXTAStaffing: no hay pantalla disponible (DISPLAY vacío); use  xvfb-run -a "
            "OXTAStaffing\n",
            stderr);
        return 1;
    }
    QApplication qapp(argc, argv);
    QStringList argumentos;
    for (int i = 0; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    Inicia(argumentos);
    return Application().Run();
}
