// Opening the staffing-plan catalogue (controls, permission checks, the whole list read and
// shown) and reloading its list, on the embedded engine, for companies with 100, 1000 and
// 10000 plans.
#include "ado/Connection.h"
#include "catalogs/BusStaffing.h"
#include "data/EsquemaStaffing.h"
#include "data/clsConexion.h"
#include "security/CLSUSUARIO.h"
#include "ui/TIni.h"

#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

// A database per list size, with config.ini in a temporary working directory pointing at it.
struct Fixture {
    QTemporaryDir dir;
    std::shared_ptr<clsConexion> cnx;
    std::shared_ptr<clsUsuario> usuario;

    Fixture() {
        QDir::setCurrent(dir.path());
        EscribeIni("CONFIG", "MOTOR", "SQLITE");
        EscribeIni("CONFIG", "SERVER", dir.path());
        EscribeIni("CONFIG", "BD", "master");
        clsConexion master;
        master.Conexion();
        for (int n : {100, 1000, 10000})
            master.Ejecuta(QStringLiteral("CREATE DATABASE bench%1").arg(n));
        for (int n : {100, 1000, 10000}) {
            EscribeIni("CONFIG", "BD", QStringLiteral("bench%1").arg(n));
            clsConexion c;
            c.Conexion();
            c.Ejecuta(esquema::CreaTabla3());
            c.Ejecuta(
                "create table usuarios (usuario varchar(20) primary key, descripcion varchar(60), "
                "password varchar(50), expiracion datetime)");
            c.Ejecuta(
                "create table perfiles (idperfil int identity(1,1), descripcion "
                "varchar(60), sistema varchar(3), empresas varchar(255), centros "
                "varchar(255), bloqueado char(1), solo_lectura char(1))");
            c.Ejecuta("create table perfil_usuarios (idperfil int, usuario varchar(20))");
            c.Ejecuta(
                "create table perfil_funcion (funcion varchar(2), opcion varchar(4), "
                "idperfil int)");
            QStringList lote{"insert into usuarios values ('bench', 'x', 'x', NULL)",
                             "insert into perfiles values ('p', 'ST', '{}', '{}', 'N', 'N')",
                             "insert into perfil_usuarios values (1, 'bench')",
                             "insert into perfil_funcion values ('A', 'A1', 1)",
                             "insert into perfil_funcion values ('A', 'A2', 1)",
                             "insert into perfil_funcion values ('A', 'A3', 1)"};
            for (int i = 1; i <= n; ++i)
                lote << QStringLiteral("insert into staffing values (1, 'Plantilla %1', 'S,Q,M')")
                            .arg(i);
            c.Ejecuta(lote.join(QLatin1Char('\n')));
        }
    }

    void usa(int n) {
        EscribeIni("CONFIG", "BD", QStringLiteral("bench%1").arg(n));
        cnx = std::make_shared<clsConexion>();
        usuario = std::make_shared<clsUsuario>();
        usuario->SetUsuario("bench");
        usuario->CNX = cnx;
    }

    std::unique_ptr<TCatStaffing> abre() {
        return TForm::NewModal<TCatStaffing>(nullptr, [&](TCatStaffing& f) {
            f.CNX = cnx;
            f.Empresa = "       1";
            f.objUsuario = usuario;
        });
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void AbreCatalogo(benchmark::State& state) {
    Fixture& f = fixture();
    f.usa(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto forma = f.abre();
        benchmark::DoNotOptimize(forma->arrayPlantillas->nLen());
    }
}

void RecargaLista(benchmark::State& state) {
    Fixture& f = fixture();
    f.usa(static_cast<int>(state.range(0)));
    const auto forma = f.abre();
    for (auto _ : state)
        forma->Carga();
}

BENCHMARK(AbreCatalogo)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(RecargaLista)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
