// oxta-report: writes one of the seven reports of the reports form to a PDF, CSV or XLSX file,
// without a display, with the same checks, statements and parameters as the form.
//
//   oxta-report [-c config.ini] [--empresa N] --reporte "<list text>" [--staffing N]
//               [--cc CODE] [--grupo N] [--porcentaje P] [--mes Mes] [--anio YYYY]
//               [--regla interpolado] [--csv-excel] -o FILE.pdf|.csv|.xlsx
//
// "Presupuesto por pronóstico" takes the plan, the year and the rule; a plan without a
// forecast for that year is refused like a plan that does not exist.
//
// Without --empresa the company is [VARIABLES] Empresa of the settings file, and the program
// says so on stderr; --staffing, --cc and --grupo stand for checking the box and choosing
// that item. A company, plan, centre or group that does not exist, or a broken rule, prints
// its message on stderr and exits 1 before anything is written, as does a database or
// report error; wrong arguments exit 2. Report definitions are read from reportes/ of the
// working directory, else from the installed share folder, else from beside the executable.

#include "ado/AdoError.h"
#include "ado/Connection.h"
#include "planning/pronostico/ReportePresupuesto.h"
#include "reports/ConsultasReportes.h"
#include "reports/engine/Report.h"
#include "reports/engine/ReportError.h"
#include "ui/TIni.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <unistd.h>

namespace {

QTextStream& err() {
    static QTextStream s(stderr);
    return s;
}

// Under cron there is no session: give Qt a private runtime folder, so that a weekly job's
// standard error holds only the report's own messages.
void CarpetaDeSesion() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString carpeta =
        QDir::tempPath() + QStringLiteral("/oxta-report-runtime-") + QString::number(getuid());
    QDir().mkpath(carpeta);
    QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", carpeta.toLocal8Bit());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CarpetaDeSesion();
    QApplication app(argc, argv);  // charts are drawn through a graphics scene
    QCoreApplication::setApplicationName(QStringLiteral("oxta-report"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes an OXTAStaffing report to a PDF, CSV or XLSX file, without a display.\n"
        "A company, plan, cost centre or group that does not exist, a broken rule of the\n"
        "reports form, or a database or report error: message on standard error, exit 1,\n"
        "nothing written. Wrong arguments: exit 2. Success: exit 0.\n"
        "Report definitions: reportes/ of the working directory, else\n"
        "<exe dir>/../share/oxta-staffing/reportes (/usr/share/oxta-staffing/reportes when\n"
        "installed), else reportes/ beside the executable."));
    parser.addHelpOption();
    const QCommandLineOption config(QStringList{"c"},
                                    QStringLiteral("Settings file (default: config.ini)."),
                                    QStringLiteral("file"), QStringLiteral("config.ini"));
    const QCommandLineOption empresa(
        QStringList{"empresa"},
        QStringLiteral("Company key (default: [VARIABLES] Empresa of the settings file, which "
                       "the program's \"Empresa\" button rewrites; named on stderr when used)."),
        QStringLiteral("N"));
    const QCommandLineOption reporte(
        QStringList{"reporte"},
        QStringLiteral("Report: ") + pronostico::ListaReportes().join(QStringLiteral(" | ")),
        QStringLiteral("text"));
    const QCommandLineOption staffing(QStringList{"staffing"}, QStringLiteral("Only this plan."),
                                      QStringLiteral("N"));
    const QCommandLineOption cc(QStringList{"cc"}, QStringLiteral("Only this cost centre."),
                                QStringLiteral("CODE"));
    const QCommandLineOption grupo(QStringList{"grupo"}, QStringLiteral("Only this group."),
                                   QStringLiteral("N"));
    const QCommandLineOption porcentaje(QStringList{"porcentaje"},
                                        QStringLiteral("Occupancy percentage (default 5)."),
                                        QStringLiteral("P"), QStringLiteral("5"));
    const QCommandLineOption mes(QStringList{"mes"}, QStringLiteral("Month (default Enero)."),
                                 QStringLiteral("Mes"), QStringLiteral("Enero"));
    const QCommandLineOption anio(
        QStringList{"anio"},
        QStringLiteral("Year of \"Presupuesto por pronóstico\" (four digits)."),
        QStringLiteral("YYYY"));
    const QCommandLineOption regla(
        QStringList{"regla"},
        QStringLiteral("Rule of \"Presupuesto por pronóstico\": \"nivel superior\" (default) "
                       "or \"interpolado\"."),
        QStringLiteral("regla"));
    const QCommandLineOption csvExcel(
        QStringList{"csv-excel"},
        QStringLiteral("With -o FILE.csv: a CSV for Excel (UTF-8 with byte order mark, comma, "
                       "the printed headings) instead of the machine CSV (field names, plain "
                       "numbers)."));
    const QCommandLineOption salida(
        QStringList{"o"},
        QStringLiteral("Output file: .pdf (the printed pages), .csv (the data) or .xlsx (the "
                       "printed columns with subtotals as formulas)."),
        QStringLiteral("file"));
    parser.addOptions({config, empresa, reporte, staffing, cc, grupo, porcentaje, mes, anio, regla,
                       csvExcel, salida});
    parser.process(app);

    const QString archivo = parser.value(salida);
    const QString extension = QFileInfo(archivo).suffix().toLower();
    if (!parser.isSet(reporte) || archivo.isEmpty() ||
        !QStringList{"pdf", "csv", "xlsx"}.contains(extension)) {
        err() << "oxta-report: give --reporte \"<list text>\" and -o FILE.pdf|.csv|.xlsx\n";
        return 2;
    }

    const TIni ini(QFileInfo(parser.value(config)).absoluteFilePath());
    reportes::Solicitud s;
    s.reporte = parser.value(reporte);
    s.empresa = parser.isSet(empresa)
                    ? parser.value(empresa)
                    : ini.GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("Empresa"));
    s.porStaffing = parser.isSet(staffing);
    s.staffing = parser.value(staffing);
    s.porCC = parser.isSet(cc);
    s.centro = parser.value(cc);
    s.porGrupo = parser.isSet(grupo);
    s.grupo = parser.value(grupo);
    s.porcentaje = parser.value(porcentaje);
    s.mes = parser.value(mes);
    s.anio = parser.value(anio);
    s.regla = parser.value(regla);
    for (const auto* numero : {&staffing, &grupo, &empresa}) {
        bool esNumero = false;
        parser.value(*numero).trimmed().toLongLong(&esNumero);
        if (parser.isSet(*numero) && !parser.value(*numero).trimmed().isEmpty() && !esNumero) {
            err() << "oxta-report: --" << numero->names().constFirst() << " takes a number\n";
            return 2;
        }
    }
    if (s.empresa.trimmed().isEmpty()) {
        err() << "oxta-report: no company: give --empresa or [VARIABLES] Empresa in " << ini.path()
              << '\n';
        return 2;
    }
    bool empresaNumero = false;
    s.empresa.trimmed().toLongLong(&empresaNumero);
    if (!empresaNumero) {
        err() << "oxta-report: the company must be a number, not \"" << s.empresa << "\"\n";
        return 2;
    }
    if (!parser.isSet(empresa)) {
        err() << "oxta-report: empresa " << s.empresa.trimmed() << " (from [VARIABLES] Empresa of "
              << ini.path() << ")\n";
    }

    ado::Connection connection;
    connection.Settings = ado::settingsFromConfig(
        [&](const QString& key) { return ini.GetEntry(QStringLiteral("CONFIG"), key); });
    try {
        connection.Open();
    } catch (const ado::Error& e) {
        err() << "CONEXION NO REALIZADA.: " << e.operation() << '\n' << e.description() << '\n';
        return 1;
    }

    try {
        // The form's rules first, then the filters: nothing is loaded or written for a filter
        // that names nothing.
        QString falta = pronostico::EsPresupuesto(s.reporte) ? pronostico::ValidaPresupuesto(s)
                                                             : reportes::Valida(s);
        if (falta.isEmpty())
            falta = reportes::VerificaFiltros(connection, s);
        if (!falta.isEmpty()) {
            err() << falta << '\n';
            return 1;
        }
        reportes::Corrida corrida;  // the run's rows go with it, also on an error
        const QString mensaje = pronostico::PreparaReporte(connection, s, corrida);
        if (!mensaje.isEmpty()) {
            err() << mensaje << '\n';
            return 1;
        }
        report::Report r(report::FindDefinition(corrida.archivo));
        for (const auto& [nombre, valor] : corrida.parametros)
            r.setParameter(nombre, valor);
        r.read(connection);
        corrida.datos.reset();  // read: the work table is no longer needed
        if (extension == QLatin1String("pdf"))
            r.writePdf(archivo);
        else if (extension == QLatin1String("csv") && parser.isSet(csvExcel))
            r.writeCsvExcel(archivo);
        else if (extension == QLatin1String("csv"))
            r.writeCsv(archivo);
        else
            r.writeXlsx(archivo);
    } catch (const ado::Error& e) {
        err() << e.description() << '\n';
        return 1;
    } catch (const report::ReportError& e) {
        err() << e.text() << '\n';
        return 1;
    }
    return 0;
}
