// A whole plan of 10,000 entries (5,000 by percentage, 5,000 by month) on the embedded
// engine: exporting it to a workbook, and importing that workbook back with every figure
// changed (reading, preview and the one-transaction write).
#include "bench/support/BenchDatabase.h"
#include "planning/herramientas/OperacionesPlan.h"
#include "planning/herramientas/PlanLibro.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kCentros = 10;
constexpr int kPuestos = 500;  // per centre, in each table
const QString kEmpresa = QStringLiteral("1");

struct Base {
    QTemporaryDir dir;
    std::unique_ptr<ado::Connection> cnx;

    Base() {
        QDir().mkpath(dir.filePath(QStringLiteral("bases")));
        cnx = bench::CreateDatabase(dir.filePath(QStringLiteral("bases")));
        bench::RunSchema(*cnx);
        cnx->Execute(
            "insert into empresas (empresa, nombre_empresa) values (1, 'Hotel')\n"
            "insert into staffing (empresa, nombre, tiposNomina) values (1, 'Base', 'Q')\n"
            "insert into staff_grupo (empresa, nombre) values (1, 'Operación')");
        QString lote;
        for (int p = 1; p <= kPuestos; ++p)
            lote += QStringLiteral(
                        "insert into tabulador (empresa, ocupacion, actividad) values "
                        "(1, %1, 'Puesto %1')\n")
                        .arg(p);
        for (int c = 1; c <= kCentros; ++c) {
            lote += QStringLiteral("insert into centros values (1, 'C%1', 'Centro %1')\n").arg(c);
            for (int p = 1; p <= kPuestos; ++p) {
                lote += QStringLiteral(
                            "insert into staff_porcentaje values (1, 1, 1, 'C%1', %2, "
                            "1,1,1,2,2,2,3,3,3,4,4,4,5,5,5,6,6,6,7,%3)\n"
                            "insert into staff_mes values (1, 1, 1, 'C%1', %2, "
                            "1,2,3,4,5,6,7,8,9,10,11,%3)\n")
                            .arg(c)
                            .arg(p)
                            .arg(p % 97);
            }
            cnx->Execute(lote);
            lote.clear();
        }
    }
};

Base& LaBase() {
    static Base base;
    return base;
}

void BM_ExportaPlan(benchmark::State& state) {
    Base& b = LaBase();
    const QString ruta = b.dir.filePath(QStringLiteral("plan.xlsx"));
    for (auto _ : state)
        benchmark::DoNotOptimize(planeacion::ExportaPlan(*b.cnx, kEmpresa, "1", ruta));
}
BENCHMARK(BM_ExportaPlan)->Unit(benchmark::kMillisecond)->Iterations(3);

// Two workbooks of the same entries with different figures, imported in turn, so that every
// round changes all 10,000 entries.
void BM_ImportaPlan(benchmark::State& state) {
    Base& b = LaBase();
    planeacion::EntradasPlan entradas = planeacion::LeeEntradas(*b.cnx, kEmpresa, "1");
    const planeacion::Catalogos catalogos = planeacion::LeeCatalogos(*b.cnx, kEmpresa);
    const QString rutas[2] = {b.dir.filePath(QStringLiteral("a.xlsx")),
                              b.dir.filePath(QStringLiteral("b.xlsx"))};
    for (const QString& ruta : rutas) {
        for (planeacion::Tabla t : {planeacion::Tabla::Porcentaje, planeacion::Tabla::Mes}) {
            for (planeacion::EntradaClave& e : entradas.De(t)) {
                for (int& c : e.cifras)
                    ++c;
            }
        }
        planeacion::EscribeLibro(ruta, entradas, catalogos);
    }
    int i = 0;
    for (auto _ : state) {
        const QString& ruta = rutas[i++ % 2];
        const planeacion::VistaPrevia v = planeacion::VistaDeArchivo(*b.cnx, kEmpresa, "1", ruta);
        if (v.cambiar.size() != 2u * kCentros * kPuestos)
            state.SkipWithError("the workbook did not change every entry");
        planeacion::AplicaImportacion(*b.cnx, kEmpresa, "1", v, false, false);
    }
}
BENCHMARK(BM_ImportaPlan)->Unit(benchmark::kMillisecond)->Iterations(4);

// Reading the workbook and the preview alone (no write), for the split of the import's time.
void BM_VistaPrevia(benchmark::State& state) {
    Base& b = LaBase();
    const QString ruta = b.dir.filePath(QStringLiteral("plan.xlsx"));
    planeacion::ExportaPlan(*b.cnx, kEmpresa, "1", ruta);
    for (auto _ : state)
        benchmark::DoNotOptimize(planeacion::VistaDeArchivo(*b.cnx, kEmpresa, "1", ruta));
}
BENCHMARK(BM_VistaPrevia)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
