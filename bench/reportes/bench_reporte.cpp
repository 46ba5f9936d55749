// The comparative reports' work-table loader on a generated embedded payroll: the row-by-row
// reference against the set-based loader, on the same data, with an optional delay per
// statement that stands for the network round trip to a SQL Server.
//
//   oxta_bench_report [--plazas 5000] [--empleados 100000] [--rtt-ms X]
//
// Last line: rows=N row_by_row_s=X set_based_s=Y ratio=R statements_row_by_row=A
//            statements_set_based=B identical=yes|no

#include "ado/Connection.h"
#include "bench/support/BenchDatabase.h"
#include "data/clsConexion.h"
#include "reports/ConsultasReportes.h"
#include "tests/reports/NominaSintetica.h"
#include "ui/TIni.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

QStringList Filas(ado::Connection& cn, const QString& clave) {
    const auto filas =
        cn.engine("Recordset.Open")
            .query(QStringLiteral("select centro, ocupacion, idstaffing, idgrupo, plazas, [real], "
                                  "sueldoOriginal, sueldoReal, empresa from staff_reporte where "
                                  "clave='%1' order by centro, ocupacion, idstaffing, idgrupo")
                       .arg(clave))
            .rows;
    QStringList texto;
    for (const auto& f : filas) {
        QStringList t;
        for (const ado::Value& v : f)
            t << v.toText();
        texto << t.join(QLatin1Char('|'));
    }
    return texto;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption plazas(QStringList{"plazas"}, "Planned entries.", "N", "5000");
    const QCommandLineOption empleados(QStringList{"empleados"}, "Employees.", "N", "100000");
    const QCommandLineOption rtt(QStringList{"rtt-ms"}, "Delay added to every statement.", "ms",
                                 "0");
    parser.addOptions({plazas, empleados, rtt});
    parser.process(app);
    const int nPlazas = parser.value(plazas).toInt();
    const int nEmpleados = parser.value(empleados).toInt();
    const double rttMs = parser.value(rtt).toDouble();

    QTemporaryDir dir;
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("OXTA_BENCH_KEEP"));  // to look at it later
    QDir::setCurrent(dir.path());
    bench::ConfigureDatabaseWithSchema(QStringLiteral("bases"));
    clsConexion cnx;
    ado::Connection& cn = *cnx.Conexion();
    QElapsedTimer reloj;
    reloj.start();
    prueba::GeneraNomina([&cn](const QString& sql) { cn.Execute(sql); }, nPlazas, nEmpleados, {1});
    std::fprintf(stderr, "payroll generated in %.1f s\n", reloj.elapsed() / 1000.0);

    reportes::Solicitud s;
    s.reporte = QStringLiteral("Comparar Ocupacion Actual");
    s.empresa = QStringLiteral("       1");
    s.porStaffing = true;
    s.staffing = QStringLiteral("1");
    reportes::CargaReporte carga(cn, s);
    int sentencias = 0;
    const auto espera = static_cast<unsigned long>(rttMs * 1000);
    carga.AlEnviar = [&] {
        ++sentencias;
        if (espera > 0)
            QThread::usleep(espera);
    };

    reloj.restart();
    carga.CargaFilaPorFila(QStringLiteral("fila"), QStringLiteral("v50"),
                           QStringLiteral("staff_porcentaje"));
    const double porFila = reloj.nsecsElapsed() / 1e9;
    const int sentenciasPorFila = sentencias;

    sentencias = 0;
    reloj.restart();
    carga.CargaTablaTemporal(QStringLiteral("conjunto"), QStringLiteral("v50"),
                             QStringLiteral("staff_porcentaje"));
    const double conjunto = reloj.nsecsElapsed() / 1e9;
    const int sentenciasConjunto = sentencias;

    const QStringList a = Filas(cn, QStringLiteral("fila"));
    const QStringList b = Filas(cn, QStringLiteral("conjunto"));
    std::printf(
        "rows=%lld row_by_row_s=%.3f set_based_s=%.3f ratio=%.1f "
        "statements_row_by_row=%d statements_set_based=%d identical=%s\n",
        static_cast<long long>(a.size()), porFila, conjunto,
        conjunto > 0 ? porFila / conjunto : 0.0, sentenciasPorFila, sentenciasConjunto,
        a == b && !a.isEmpty() ? "yes" : "no");
    return a == b ? 0 : 1;
}
