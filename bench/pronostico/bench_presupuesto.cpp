// The staffing budget of one plan and year on a generated embedded payroll: percentage
// entries x twelve forecast months against today's employees, and the preview of the month
// plan drawn from it. Figures for the README.
//
//   oxta_bench_presupuesto [--plazas 5000] [--empleados 100000] [--rondas 5]
//
// Last line: entries=N rows=R employees=E budget_s=X (best of the rounds) statements=S
//            month_plan_preview_s=Y report_run_s=Z import_s=I (a twelve-month forecast read
//            from a workbook, previewed and applied; best of the rounds)

#include "ado/Connection.h"
#include "bench/support/BenchDatabase.h"
#include "data/EsquemaPronostico.h"
#include "planning/pronostico/ArchivoPronostico.h"
#include "planning/pronostico/PlanMensual.h"
#include "planning/pronostico/ReportePresupuesto.h"
#include "tests/reports/NominaSintetica.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption plazas(QStringList{"plazas"}, "Percentage entries.", "N", "5000");
    const QCommandLineOption empleados(QStringList{"empleados"}, "Employees.", "N", "100000");
    const QCommandLineOption rondas(QStringList{"rondas"}, "Rounds timed.", "N", "5");
    parser.addOptions({plazas, empleados, rondas});
    parser.process(app);

    QTemporaryDir dir;
    const auto cn = bench::CreateDatabase(dir.path());
    bench::RunSchema(*cn);
    cn->Execute(esquema::CreaTablaPronostico());
    QElapsedTimer reloj;
    reloj.start();
    prueba::GeneraNomina([&cn](const QString& sql) { cn->Execute(sql); },
                         parser.value(plazas).toInt(), parser.value(empleados).toInt(), {1});
    std::fprintf(stderr, "payroll generated in %.1f s\n", reloj.elapsed() / 1000.0);

    const QString empresa = QStringLiteral("       1");
    pronostico::Meses meses{};
    const int porcentajes[] = {170, 620, 1000, 0, 455, 500, 800, 855, 550, 600, 400, 900};
    for (int m = 0; m < pronostico::kMeses; ++m)
        meses[static_cast<std::size_t>(m)] = porcentajes[m];
    pronostico::AlmacenPronostico(*cn).Guarda(empresa, QStringLiteral("1"), 2027, meses);
    pronostico::SolicitudPresupuesto s;
    s.empresa = empresa;
    s.staffing = QStringLiteral("1");
    s.anio = 2027;
    s.regla = pronostico::Regla::Interpolado;

    pronostico::LectorPlan lector(*cn);
    int sentencias = 0;
    lector.AlEnviar = [&sentencias] { ++sentencias; };
    double mejor = 1e9;
    pronostico::Presupuesto p;
    for (int r = 0; r < std::max(1, parser.value(rondas).toInt()); ++r) {
        sentencias = 0;
        reloj.restart();
        if (const QString error = pronostico::CalculaPresupuesto(lector, s, p); !error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        mejor = std::min(mejor, reloj.nsecsElapsed() / 1e9);
    }
    const int sentenciasPresupuesto = sentencias;

    reloj.restart();
    pronostico::VistaPlanMensual vista;
    pronostico::PreparaPlanMensual(lector, s, vista);
    const double vistaPlan = reloj.nsecsElapsed() / 1e9;

    // The seventh report's run: the budget computed and written to the work table, one row
    // per cost centre, position and month, and deleted again.
    reportes::Solicitud pedido;
    pedido.reporte = pronostico::kReportePresupuesto;
    pedido.empresa = empresa;
    pedido.porStaffing = true;
    pedido.staffing = QStringLiteral("1");
    pedido.anio = QStringLiteral("2027");
    reloj.restart();
    {
        reportes::Corrida corrida;
        if (const QString error = pronostico::PreparaReporte(*cn, pedido, corrida);
            !error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    const double corrida = reloj.nsecsElapsed() / 1e9;

    // A forecast workbook of twelve months imported over the stored one, as "Importar" does.
    const QString libro = dir.filePath(QStringLiteral("pronostico.xlsx"));
    lxw_workbook* wb = workbook_new(QFile::encodeName(libro).constData());
    lxw_worksheet* hoja = workbook_add_worksheet(wb, nullptr);
    worksheet_write_string(hoja, 0, 0, "mes", nullptr);
    worksheet_write_string(hoja, 0, 1, "ocupación", nullptr);
    for (lxw_row_t m = 1; m <= pronostico::kMeses; ++m) {
        worksheet_write_number(hoja, m, 0, m, nullptr);
        worksheet_write_number(hoja, m, 1, 30 + 5.5 * m, nullptr);
    }
    workbook_close(wb);
    pronostico::AlmacenPronostico almacen(*cn);
    double importa = 1e9;
    for (int r = 0; r < std::max(1, parser.value(rondas).toInt()); ++r) {
        almacen.Guarda(empresa, s.staffing, 2027, meses);
        reloj.restart();
        const pronostico::Meses antes = almacen.Lee(empresa, s.staffing, 2027);
        const pronostico::VistaImportacion v =
            pronostico::PreparaImportacion(pronostico::LeeArchivoPronostico(libro), antes);
        if (!v.Aplicable() || !almacen.Reemplaza(empresa, s.staffing, 2027, antes, v.resultado)) {
            std::fprintf(stderr, "the forecast import did not apply\n");
            return 1;
        }
        importa = std::min(importa, reloj.nsecsElapsed() / 1e9);
    }

    const auto entradas =
        cn->engine("bench").query(QStringLiteral("select count(*) from staff_porcentaje where "
                                                 "idstaffing=1"));
    std::printf(
        "entries=%lld rows=%zu employees=%d budget_s=%.3f statements=%d "
        "month_plan_preview_s=%.3f report_run_s=%.3f import_s=%.4f\n",
        static_cast<long long>(entradas.rows.at(0).at(0).toInt()), p.filas.size(), p.Total().real,
        mejor, sentenciasPresupuesto, vistaPlan, corrida, importa);
    return 0;
}
