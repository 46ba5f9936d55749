// oxta-plan: the planner's tools without a display, on the same core as the forms.
//
//   oxta-plan [-c config.ini] [--empresa N] copiar --staffing N --nombre "Texto" [--tipos S,Q]
//   oxta-plan [...] exportar --staffing N -o plan.xlsx|plan.csv [--mes]
//   oxta-plan [...] importar --staffing N ARCHIVO [--aplicar] [--eliminar-ausentes]
//                                                  [--solo-validas]
//
// The connection is made from section CONFIG of the settings file, as the program makes it;
// the company is --empresa, or [VARIABLES] Empresa of that file. "copiar" prints the new
// plan's key (the payroll types of the source plan unless --tipos gives others). "importar"
// prints the preview (a line per row added, changed or refused, and per entry deleted with
// --eliminar-ausentes), then "agregados=A cambiados=C sin_cambio=U rechazados=R"; with
// --aplicar it then writes in one transaction, refusing (exit 1, nothing written) a file with
// refused rows unless --solo-validas. Errors go to stderr with exit status 1 (2 for wrong
// arguments).

#include "ado/AdoError.h"
#include "ado/Connection.h"
#include "planning/herramientas/OperacionesPlan.h"
#include "ui/TIni.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

QTextStream& out() {
    static QTextStream s(stdout);
    return s;
}

QTextStream& err() {
    static QTextStream s(stderr);
    return s;
}

int Falla(const QString& mensaje, int codigo = 1) {
    err() << "oxta-plan: " << mensaje << '\n';
    err().flush();
    return codigo;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("oxta-plan"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Copia un staffing, lo exporta a Excel o CSV y lo importa de vuelta."));
    parser.addHelpOption();
    const QCommandLineOption config(QStringList{"c"},
                                    QStringLiteral("Archivo de configuración (config.ini)."),
                                    QStringLiteral("archivo"), QStringLiteral("config.ini"));
    const QCommandLineOption empresa(QStringList{"empresa"}, QStringLiteral("Clave de la empresa."),
                                     QStringLiteral("N"));
    const QCommandLineOption staffing(QStringList{"staffing"},
                                      QStringLiteral("Clave del staffing."), QStringLiteral("N"));
    const QCommandLineOption nombre(QStringList{"nombre"}, QStringLiteral("Nombre de la copia."),
                                    QStringLiteral("texto"));
    const QCommandLineOption tipos(QStringList{"tipos"},
                                   QStringLiteral("Tipos de nómina de la copia (S,D,C,Q,M,E)."),
                                   QStringLiteral("letras"));
    const QCommandLineOption salida(QStringList{"o"}, QStringLiteral("Archivo .xlsx o .csv."),
                                    QStringLiteral("archivo"));
    const QCommandLineOption mes(
        QStringList{"mes"}, QStringLiteral("CSV de las entradas por mes (no por porcentaje)."));
    const QCommandLineOption aplicar(QStringList{"aplicar"},
                                     QStringLiteral("Escribe los cambios."));
    const QCommandLineOption eliminar(
        QStringList{"eliminar-ausentes"},
        QStringLiteral("Elimina las entradas que no están en el archivo."));
    const QCommandLineOption soloValidas(
        QStringList{"solo-validas"},
        QStringLiteral("Aplica las filas válidas aunque haya rechazadas."));
    parser.addOptions(
        {config, empresa, staffing, nombre, tipos, salida, mes, aplicar, eliminar, soloValidas});
    parser.addPositionalArgument(QStringLiteral("orden"),
                                 QStringLiteral("copiar, exportar o importar"));
    parser.addPositionalArgument(QStringLiteral("ARCHIVO"), QStringLiteral("(importar)"),
                                 "[ARCHIVO]");
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    const QString orden = args.value(0);
    if (orden != u"copiar" && orden != u"exportar" && orden != u"importar")
        return Falla(QStringLiteral("indique copiar, exportar o importar"), 2);
    if (!parser.isSet(staffing))
        return Falla(QStringLiteral("indique --staffing N"), 2);
    if (orden == u"copiar" && !parser.isSet(nombre))
        return Falla(QStringLiteral("indique --nombre \"Texto\""), 2);
    if (orden == u"exportar" && !parser.isSet(salida))
        return Falla(QStringLiteral("indique -o archivo.xlsx o archivo.csv"), 2);
    if (orden == u"importar" && args.size() != 2)
        return Falla(QStringLiteral("indique el archivo que se importa"), 2);

    const TIni ini(QFileInfo(parser.value(config)).absoluteFilePath());
    const QString clEmpresa = parser.isSet(empresa) ? parser.value(empresa)
                                                    : ini.GetEntry(QStringLiteral("VARIABLES"),
                                                                   QStringLiteral("Empresa"));
    if (clEmpresa.trimmed().isEmpty())
        return Falla(QStringLiteral("indique --empresa N"), 2);
    const QString clStaffing = parser.value(staffing);

    ado::Connection cnx;
    cnx.Settings = ado::settingsFromConfig(
        [&](const QString& key) { return ini.GetEntry(QStringLiteral("CONFIG"), key); });
    try {
        cnx.Open();
        if (orden == u"copiar") {
            const QString t = parser.isSet(tipos)
                                  ? parser.value(tipos)
                                  : planeacion::RevisaPlan(cnx, clEmpresa, clStaffing).tipos;
            out() << planeacion::CopiaPlan(cnx, clEmpresa, clStaffing, parser.value(nombre), t)
                  << '\n';
        } else if (orden == u"exportar") {
            const int n = planeacion::ExportaPlan(
                cnx, clEmpresa, clStaffing, parser.value(salida),
                parser.isSet(mes) ? planeacion::Tabla::Mes : planeacion::Tabla::Porcentaje);
            out() << "exportados=" << n << '\n';
        } else {
            const planeacion::VistaPrevia v =
                planeacion::VistaDeArchivo(cnx, clEmpresa, clStaffing, args.at(1));
            for (const QString& linea : planeacion::LineasVistaPrevia(v, parser.isSet(eliminar)))
                out() << linea << '\n';
            out().flush();
            if (parser.isSet(aplicar)) {
                planeacion::AplicaImportacion(cnx, clEmpresa, clStaffing, v, parser.isSet(eliminar),
                                              parser.isSet(soloValidas));
                out() << "aplicado\n";
            }
        }
    } catch (const planeacion::ErrorPlan& e) {
        return Falla(e.mensaje);
    } catch (const ado::Error& e) {
        return Falla(e.description());
    }
    out().flush();
    return 0;
}
