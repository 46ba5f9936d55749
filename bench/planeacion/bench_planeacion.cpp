// The percentage form with a grid of 10,000 position entries on the embedded engine: one
// reload of the grid (query and SetArray) and one keystroke in the filter bar's name box
// (filtering and repainting the shown form).
#include "ado/Connection.h"
#include "bench/support/BenchDatabase.h"
#include "data/clsConexion.h"
#include "planning/frmPuestos.h"
#include "security/CLSUSUARIO.h"
#include "ui/Msg.h"
#include "ui/TIni.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kEntradas = 10000;

// A working directory with config.ini naming database "bench" on the embedded engine: the
// schema, one company, plan, group and centre, a tabulator of kEntradas positions, and one
// percentage entry of each position for that choice.
struct Base {
    QTemporaryDir dir;

    Base() {
        QDir::setCurrent(dir.path());
        bench::ConfigureDatabaseWithSchema(QStringLiteral("bases"));
        clsConexion cnx;
        cnx.Conexion();
        cnx.Ejecuta(
            "insert into empresas (empresa, nombre_empresa) values (1, 'Hotel')\n"
            "insert into staffing (empresa, nombre, tiposNomina) values (1, 'Base', 'Q')\n"
            "insert into staff_grupo (empresa, nombre) values (1, 'Operación')\n"
            "insert into centros values (1, 'ADM01', 'Administración')");
        QString lote;
        for (int i = 1; i <= kEntradas; ++i) {
            lote += QStringLiteral(
                        "insert into tabulador (empresa, ocupacion, actividad) values (1, %1, "
                        "'Puesto %1')\n"
                        "insert into staff_porcentaje values (1, 1, 1, 'ADM01', %1, "
                        "1,1,1,2,2,2,3,3,3,4,4,4,5,5,5,6,6,6,7,%2)\n")
                        .arg(i)
                        .arg(i % 97);
            if (i % 1000 == 0) {
                cnx.Ejecuta(lote);
                lote.clear();
            }
        }
    }
};

// The form, shown, with the choice made (the grid loaded once).
struct Forma {
    Base base;
    ui::ConsoleMessages mensajes;
    std::unique_ptr<TPuestos> forma;

    Forma() {
        ui::SetMessageService(&mensajes);
        auto usuario = std::make_shared<clsUsuario>();
        usuario->SetUsuario("bench");
        usuario->CNX = std::make_shared<clsConexion>();
        forma = TForm::NewModal<TPuestos>(nullptr, [&](TPuestos& f) {
            f.CNX = usuario->CNX;
            f.Empresa = "       1";
            f.objUsuario = usuario;
        });
        forma->Show();
        forma->cmbStaffing->Select(1);
        forma->cmbGrupo->Select(1);
        forma->cmbCentroCostos->Select(1);
        QApplication::processEvents();
    }
};

Forma& forma() {
    static Forma f;
    return f;
}

void CargaDeLaRejilla(benchmark::State& state) {
    TPuestos& f = *forma().forma;
    for (auto _ : state)
        f.CargaPuestos();
    if (f.arrayStaffing->nLen() != kEntradas)
        state.SkipWithError("the grid does not hold every entry");
    state.counters["filas"] = f.arrayStaffing->nLen();
}
BENCHMARK(CargaDeLaRejilla)->Unit(benchmark::kMillisecond);

// Typing the next letter of a name into the filter box and back: each iteration is two
// keystrokes, each followed by the repaint of the form.
void TeclaEnElFiltro(benchmark::State& state) {
    TPuestos& f = *forma().forma;
    f.CargaPuestos();
    for (auto _ : state) {
        f.arrayStaffing->SetFilter(2, "Puesto 12");
        QApplication::processEvents();
        f.arrayStaffing->SetFilter(2, "Puesto 1");
        QApplication::processEvents();
    }
    state.counters["teclas"] = benchmark::Counter(2.0 * static_cast<double>(state.iterations()));
    state.counters["ms_por_tecla"] =
        benchmark::Counter(2.0 * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(TeclaEnElFiltro)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
