// Rendering a 2,000-row report: reading its data from the embedded engine, laying the pages
// out and writing the PDF (and, beside it, CSV and XLSX), for the report of places at one
// percentage and for a comparative report with its chart.
#include "ado/Connection.h"
#include "bench/support/BenchDatabase.h"
#include "reports/engine/Report.h"
#include "reports/engine/ReportLayout.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kRows = 2000;

// A database with the program's tables, 40 cost centres and 2,000 positions of one plan,
// and a run of the work table with the same 2,000 positions.
struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<ado::Connection> connection;

    Fixture() {
        connection = bench::CreateDatabase(dir.path());
        bench::RunSchema(*connection);
        QStringList sql = {
            "insert into empresas (empresa, nombre_empresa) values (1, 'Hotel')",
            "insert into staffing (empresa, nombre, tiposNomina) values (1, 'Plan', 'S')",
            "insert into staff_grupo (empresa, nombre) values (1, 'Grupo')"};
        for (int c = 0; c < 40; ++c)
            sql << QStringLiteral("insert into centros values (1, 'C%1', 'Centro de costos %1')")
                       .arg(c);
        for (int i = 0; i < kRows; ++i) {
            const QString centro = QStringLiteral("C%1").arg(i % 40);
            sql << QStringLiteral("insert into tabulador values (1, %1, 'Puesto número %1', %2)")
                       .arg(1000 + i)
                       .arg(8000 + i);
            sql << QStringLiteral(
                       "insert into staff_porcentaje (empresa, idStaffing, idgrupo, "
                       "centro, ocupacion, v50) values (1, 1, 1, '%1', %2, %3)")
                       .arg(centro)
                       .arg(1000 + i)
                       .arg(i % 9);
            sql << QStringLiteral(
                       "insert into staff_reporte values ('B', 1, '%1', %2, 1, 1, %3, "
                       "%4, %5, %6)")
                       .arg(centro)
                       .arg(1000 + i)
                       .arg(i % 9)
                       .arg(i % 7)
                       .arg(8000 + i)
                       .arg((i % 7) * 8100.25);
        }
        connection->Execute(sql.join(QLatin1Char('\n')));
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

report::Report porcentaje() {
    report::Report r(QStringLiteral(OXTA_SOURCE_DIR "/reportes/rptPorcentaje.rpt"));
    r.setParameter("empresa", 1);
    r.setParameter("cc", "TODOS");
    r.setParameter("staffing", 0);
    r.setParameter("grupo", 0);
    r.setParameter("porc", 50);
    return r;
}

report::Report comparativo() {
    report::Report r(QStringLiteral(OXTA_SOURCE_DIR "/reportes/rptPuestosComparativoDin.rpt"));
    r.setParameter("CVE", "B");
    r.setParameter("porc", 50);
    return r;
}

// From the definition file to the PDF on disk.
void renderPdf(benchmark::State& state, report::Report (*make)()) {
    Fixture& f = fixture();
    const QString pdf = f.dir.filePath("r.pdf");
    int pages = 0;
    for (auto _ : state) {
        report::Report r = make();
        r.read(*f.connection);
        r.writePdf(pdf);
        pages = r.pageCount();
        if (r.data().main.result.rows.size() != kRows)
            state.SkipWithError("wrong row count");
    }
    state.counters["pages"] = pages;
}

void BM_PdfPorcentaje2000(benchmark::State& state) {
    renderPdf(state, porcentaje);
}
void BM_PdfComparativoConGrafica2000(benchmark::State& state) {
    renderPdf(state, comparativo);
}

// The parts of one render, on data already read.
void BM_ReadOnly2000(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        report::Report r = comparativo();
        r.read(*f.connection);
        benchmark::DoNotOptimize(r.data().main.result.rows.size());
    }
}

void BM_LayoutOnly2000(benchmark::State& state) {
    Fixture& f = fixture();
    report::Report r = comparativo();
    r.read(*f.connection);
    for (auto _ : state) {
        const report::Document d =
            report::LayOut(r.definition(), r.parameters(), r.data(), QDateTime::currentDateTime());
        benchmark::DoNotOptimize(d.pages.size());
    }
}

void BM_CsvAndXlsx2000(benchmark::State& state) {
    Fixture& f = fixture();
    report::Report r = comparativo();
    r.read(*f.connection);
    for (auto _ : state) {
        r.writeCsv(f.dir.filePath("r.csv"));
        r.writeXlsx(f.dir.filePath("r.xlsx"));
    }
}

BENCHMARK(BM_PdfPorcentaje2000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PdfComparativoConGrafica2000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReadOnly2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutOnly2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvAndXlsx2000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);  // fonts, and the graphics scene of the charts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
