#include "app/OXTAStaffing.h"

#include "ado/AdoError.h"
#include "app/frmLogin.h"
#include "ui/Application.h"
#include "ui/DisplayProbe.h"
#include "ui/ErrorReport.h"
#include "ui/MsgBoxes.h"
#include "ui/QtTranslations.h"
#include "ui/Resources.h"
#include "ui/StartupTrace.h"

#include <QAccessible>
#include <QApplication>
#include <QByteArray>
#include <QFileInfo>
#include <QList>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

void DiceQueNoSeAbreLaPantalla() {
    std::fprintf(stderr,
                 "OXTAStaffing: no se puede abrir la pantalla (%s); use  xvfb-run -a "
                 "OXTAStaffing\n",
                 PantallaPedida().toLocal8Bit().constData());
    std::fflush(stderr);
}

// An X server that several programs reach at the same moment turns some connections away
// (its queue of new connections is full), and Qt, which tries once, gives up. When the server
// is there, the program starts over a little later, a few times at most: Qt's platform cannot
// be set up a second time within one process, so it starts anew as the same program with the
// same arguments, counting its attempts in the environment.
constexpr const char* kIntentoPantalla = "OXTA_DISPLAY_ATTEMPT";
std::vector<char*> g_argumentos;  // argv as main received it, for starting over
bool g_sinBusPuesto = false;      // DBUS_SESSION_BUS_ADDRESS set by SinAutoarranqueDeBus

void ReintentaSiLaPantallaEstaOcupada() {
#ifdef Q_OS_UNIX
    const int intento = qEnvironmentVariableIntValue(kIntentoPantalla);
    if (intento >= 6 || g_argumentos.empty())
        return;
    const ui::X11Answer respuesta = ui::TryX11Display();
    if (respuesta != ui::X11Answer::Accepted && respuesta != ui::X11Answer::BusyForTheMoment)
        return;
    QThread::msleep(20UL << intento);  // 20, 40, ... 640 ms: about 1.3 s in all
    qputenv(kIntentoPantalla, QByteArray::number(intento + 1));
    if (g_sinBusPuesto)  // the new start decides again
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    ::execv("/proc/self/exe", g_argumentos.data());
    // Only when the program cannot be started again: give up as without retrying.
#endif
}

void RetieneMensaje(QtMsgType tipo, const QMessageLogContext& ctx, const QString& texto) {
    if (tipo == QtFatalMsg) {
        if (ui::startup::Enabled()) {  // tracing: what Qt said on the way
            for (const MensajeRetenido& m : std::as_const(g_retenidos))
                std::fprintf(stderr, "%s\n", qUtf8Printable(m.texto));
            std::fprintf(stderr, "%s\n", qUtf8Printable(texto));
        }
        ReintentaSiLaPantallaEstaOcupada();
        DiceQueNoSeAbreLaPantalla();
        std::_Exit(1);
    }
    g_retenidos.append({tipo, ctx.file, ctx.function, ctx.category, ctx.line, texto});
}

// Qt's notice that it made up a runtime folder (a bare X server has no XDG_RUNTIME_DIR) says
// nothing a user can act on.
bool EsRuido(const MensajeRetenido& m) {
    return m.texto.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

void EntregaRetenidos() {
    qInstallMessageHandler(g_manejadorPrevio);
    for (const MensajeRetenido& m : std::as_const(g_retenidos)) {
        if (EsRuido(m))
            continue;
        const QMessageLogContext ctx(m.archivo.constData(), m.linea, m.funcion.constData(),
                                     m.categoria.constData());
        qt_message_output(m.tipo, ctx, m.texto);
    }
    g_retenidos.clear();
}

// Without a session bus (a bare X server such as Xvfb, an ssh -X session) the accessibility
// bridge, asked for by the first label, would make the program wait while libdbus
// "autolaunches" one: it spawns dbus-launch, which starts a bus daemon that outlives the
// program. No screen reader can be reached without a session bus, so the program tells libdbus
// there is none while Qt sets up, and clears that again for whatever the program starts later.
void SinAutoarranqueDeBus() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus")))
        return;  // the usual per-user bus, which libdbus finds by itself
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    g_sinBusPuesto = true;
}

// Once the QApplication exists: the bridge looks for the bus now, then the setting goes.
void TerminaSinAutoarranqueDeBus() {
    if (!g_sinBusPuesto)
        return;
    QAccessible::isActive();
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    g_sinBusPuesto = false;
}

}  // namespace

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
    ui::InstallMessageBoxes();

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
    g_argumentos.assign(argv, argv + argc);
    g_argumentos.push_back(nullptr);
    g_manejadorPrevio = qInstallMessageHandler(RetieneMensaje);
    SinAutoarranqueDeBus();
    QApplication qapp(argc, argv);
    TerminaSinAutoarranqueDeBus();
    qunsetenv(kIntentoPantalla);
    EntregaRetenidos();
    ui::startup::Mark("application object");
    // The dialogs Qt draws (Guardar como, Imprimir) and its standard buttons speak Spanish as
    // the forms do; without Qt's catalogue they stay in English and the program goes on.
    ui::InstallQtTranslations();
    ui::startup::WatchWindows();
    QStringList argumentos;
    for (int i = 0; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    Inicia(argumentos);
    return Application().Run();
}
