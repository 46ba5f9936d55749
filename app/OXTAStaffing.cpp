#include "app/OXTAStaffing.h"

#include "app/frmLogin.h"
#include "ui/Application.h"
#include "ui/Resources.h"
#include "ui/StartupTrace.h"

#include <QApplication>
#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>

namespace {

// While the QApplication is being made, Qt's messages are held back: when the platform cannot
// be opened (a DISPLAY whose server is gone, an unknown QT_QPA_PLATFORM) Qt ends with a fatal
// message after several lines of advice; the program says instead in one line that the
// display cannot be opened and ends with status 1. When the platform opens, the held messages
// go on to the usual handler.
struct MensajeRetenido {
    QtMsgType tipo;
    QByteArray archivo, funcion, categoria;
    int linea;
    QString texto;
};
QList<MensajeRetenido> g_retenidos;
QtMessageHandler g_manejadorPrevio = nullptr;

QString PantallaPedida() {
    QStringList partes;
    for (const char* var : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(var))
            partes << QStringLiteral("%1=%2").arg(QLatin1String(var), qEnvironmentVariable(var));
    return partes.join(QLatin1Char(' '));
}

void RetieneMensaje(QtMsgType tipo, const QMessageLogContext& ctx, const QString& texto) {
    if (tipo == QtFatalMsg) {
        std::fprintf(stderr,
                     "OXTAStaffing: no se puede abrir la pantalla (%s); use  xvfb-run -a "
                     "OXTAStaffing\n",
                     PantallaPedida().toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    g_retenidos.append({tipo, ctx.file, ctx.function, ctx.category, ctx.line, texto});
}

void EntregaRetenidos() {
    qInstallMessageHandler(g_manejadorPrevio);
    for (const MensajeRetenido& m : std::as_const(g_retenidos)) {
        const QMessageLogContext ctx(m.archivo.constData(), m.linea, m.funcion.constData(),
                                     m.categoria.constData());
        qt_message_output(m.tipo, ctx, m.texto);
    }
    g_retenidos.clear();
}

}  // namespace

bool HayPantalla() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

TLogin* Inicia(const QStringList& argumentos) {
    TApplication& app = Application();
    app.cTitle = QStringLiteral("OXTAStaffing");
    app.oIcon = ui::BitmapIcon(QStringLiteral("_1229"));
    QApplication::setApplicationName(app.cTitle);
    QApplication::setWindowIcon(app.oIcon);

    AppData().AddData(QStringLiteral("UsuarioGet"),
                      argumentos.size() > 1 ? argumentos.at(1) : QString());

    auto* const login = TForm::New<TLogin>(nullptr);
    ui::startup::Mark("sign-in form built and initialised");
    login->Show();
    return login;
}

int OXTAStaffingMain(int argc, char** argv) {
    ui::startup::Begin();
    if (!HayPantalla()) {
        std::fputs(
            "OXTAStaffing: no hay pantalla disponible (DISPLAY vacío); use  xvfb-run -a "
            "OXTAStaffing\n",
            stderr);
        return 1;
    }
    g_manejadorPrevio = qInstallMessageHandler(RetieneMensaje);
    QApplication qapp(argc, argv);
    EntregaRetenidos();
    ui::startup::Mark("application object");
    ui::startup::WatchWindows();
    QStringList argumentos;
    for (int i = 0; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    Inicia(argumentos);
    return Application().Run();
}
