// The budget: figures of the demo's plan 1 worked by hand from its entries and the tabulator,
// today's payroll as the comparative reports count it, refusals, and a fixed number of
// statements whatever the size.

#include "planning/pronostico/ConsultasPronostico.h"
#include "reports/ConsultasReportes.h"
#include "tests/pronostico/PronosticoPrueba.h"
#include "tests/reports/NominaSintetica.h"

using namespace prueba;
using namespace pronostico;

namespace {
const FilaPresupuesto* Fila(const Presupuesto& p, const QString& centro, qint64 ocupacion) {
    for (const FilaPresupuesto& f : p.filas)
        if (f.centro == centro && f.ocupacion == ocupacion)
            return &f;
    return nullptr;
}
}  // namespace

class PresupuestoDemoTest : public PronosticoTest {
  protected:
    void SetUp() override {
        PronosticoTest::SetUp();
        // January 17 %, February 62 %, March 100 %, April 0 %, the rest without forecast.
        Pronostica("1", 2027, {{1, "17"}, {2, "62"}, {3, "100"}, {4, "0"}});
    }
    Presupuesto Calcula(Regla r = Regla::Superior) {
        LectorPlan lector(*db);
        Presupuesto p;
        EXPECT_EQ(CalculaPresupuesto(lector, Solicitud("1", 2027, r), p), "");
        return p;
    }
};

TEST_F(PresupuestoDemoTest, FiguresOfPlanOneMatchTheHandComputation) {
    const Presupuesto p = Calcula();
    EXPECT_EQ(p.nombrePlan, "Plantilla base 2026");
    const FilaPresupuesto* camarista = Fila(p, "1200", 122);  // 6 6 6 10 ... 15 15 ... 19 19
    const FilaPresupuesto* botones = Fila(p, "1100", 112);    // ... 7 at 65 % ...
    const FilaPresupuesto* gerente = Fila(p, "1000", 101);    // 3 at 100 %
    ASSERT_TRUE(camarista && botones && gerente);
    EXPECT_EQ(camarista->puesto, "Camarista");
    EXPECT_EQ(camarista->nombreCentro, "Ama de Llaves");
    // 17 % uses the 20 % level: 10 places x 8,600.00.
    EXPECT_EQ(camarista->plazas[0], 10);
    EXPECT_EQ(camarista->Costo(0), 8600000);
    // 62 % uses 65 %: 7 Botones x 8,200.00.
    EXPECT_EQ(botones->plazas[1], 7);
    EXPECT_EQ(botones->Costo(1), 5740000);
    // 100 %: 3 x 85,000.00; 0 % plans none.
    EXPECT_EQ(gerente->Costo(2), 25500000);
    EXPECT_EQ(gerente->plazas[3], 0);
    // The year: (10 + 15 + 19 + 0) x 8,600.00; averaged over the four forecast months.
    EXPECT_EQ(camarista->CostoAnual(), 37840000);
    EXPECT_DOUBLE_EQ(p.Promedio(*camarista), 11.0);
    // May has no forecast: nothing planned, nothing spent, and it says so.
    EXPECT_FALSE(p.ConPronostico(4));
    EXPECT_TRUE(p.ConPronostico(3));
    EXPECT_EQ(p.Total().plazas[4], 0);
    EXPECT_EQ(p.Total().costo[4], 0);

    // Interpolated, 17 % is 6 + 4 x 2/5 = 7,6: 8 Camaristas.
    EXPECT_EQ(Fila(Calcula(Regla::Interpolado), "1200", 122)->Costo(0), 6880000);
}

TEST_F(PresupuestoDemoTest, SubtotalsAddUpToTheTotalsAndTodayIsCountedAsTheReportsCount) {
    const Presupuesto p = Calcula();
    Totales suma;
    for (const auto& [centro, t] : p.SubtotalesPorCentro())
        for (int m = 0; m < kMeses; ++m) {
            suma.plazas[m] += t.plazas[m];
            suma.costo[m] += t.costo[m];
        }
    EXPECT_EQ(suma.plazas, p.Total().plazas);
    EXPECT_EQ(suma.costo, p.Total().costo);
    EXPECT_EQ(p.plantillaAl, QDate::currentDate());
    EXPECT_TRUE(TituloPlantilla(QDate(2026, 12, 8)) == "Plantilla actual al 08/12/2026");

    reportes::Solicitud s;
    s.empresa = kEmpresa;
    s.staffing = "1";
    reportes::CargaReporte reporte(*db, s);
    int conEmpleados = 0;
    for (const FilaPresupuesto& f : p.filas) {
        SCOPED_TRACE((f.centro + ' ' + QString::number(f.ocupacion)).toStdString());
        const QString ocupacion = QString::number(f.ocupacion);
        EXPECT_EQ(f.real, reporte.ObtenReal(f.centro, ocupacion).trimmed().toInt());
        EXPECT_EQ(f.sueldoReal, CentavosDe(ado::Value(reporte.SueldoReal(f.centro, ocupacion))));
        conEmpleados += f.real > 0 ? 1 : 0;
    }
    EXPECT_GT(conEmpleados, 3);
}

TEST_F(PresupuestoDemoTest, LongFormHasARowPerCentrePositionAndMonth) {
    const Presupuesto p = Calcula();
    const std::vector<FilaLarga> filas = FilasLargas(p);
    ASSERT_EQ(filas.size(), p.filas.size() * kMeses);
    const auto camarista = std::find_if(filas.begin(), filas.end(), [](const FilaLarga& f) {
        return f.centro == "1200" && f.ocupacion == 122;
    });
    ASSERT_NE(camarista, filas.end());
    EXPECT_EQ(camarista[0].porcentaje, "17.0");
    EXPECT_EQ(camarista[0].costo, "86000.00");
    EXPECT_EQ(camarista[4].mes, 5);
    EXPECT_EQ(camarista[4].porcentaje, "");  // sin pronóstico
    EXPECT_EQ(camarista[4].costo, "0.00");
    EXPECT_EQ(Importe(-5), "-0.05");
}

TEST_F(PresupuestoDemoTest, DeletedPlanAndMissingForecastAreRefused) {
    LectorPlan lector(*db);
    Presupuesto p;
    EXPECT_EQ(CalculaPresupuesto(lector, Solicitud("1", 2026), p), MensajeSinPronostico("1", 2026));
    EXPECT_EQ(CalculaPresupuesto(lector, Solicitud("77", 2027), p), MensajeSinPlan("77"));
    // Plan 3 belongs to company 2.
    EXPECT_EQ(CalculaPresupuesto(lector, Solicitud("3", 2027), p), MensajeSinPlan("3"));
    exec("delete from staffing where idstaffing=1");
    EXPECT_EQ(CalculaPresupuesto(lector, Solicitud("1", 2027), p), MensajeSinPlan("1"));
    // Its forecast stays, as its entries do.
    EXPECT_EQ(scalar("select count(*) from staff_pronostico where idstaffing=1").toInt(), 4);
}

class PresupuestoGeneradoTest : public PronosticoTest {
  protected:
    PresupuestoGeneradoTest() : PronosticoTest(TestData::Schema) {}
};

TEST_F(PresupuestoGeneradoTest, EveryPlanCountsTodayLikeTheReportsInFourStatements) {
    GeneraNomina([this](const QString& sql) { exec(sql); }, 300, 4000);
    for (int plan : {1, 2, 3, 4, 5}) {
        const QString staffing = QString::number(plan);
        SCOPED_TRACE(plan);
        Pronostica(staffing, 2027, {{1, "35"}, {7, "92,5"}});
        LectorPlan lector(*db);
        int sentencias = 0;
        lector.AlEnviar = [&sentencias] { ++sentencias; };
        Presupuesto p;
        ASSERT_EQ(CalculaPresupuesto(lector, Solicitud(staffing, 2027), p), "");
        EXPECT_EQ(sentencias, 4);
        ASSERT_FALSE(p.filas.empty());

        reportes::Solicitud s;
        s.empresa = kEmpresa;
        s.staffing = staffing;
        reportes::CargaReporte reporte(*db, s);
        int conEmpleados = 0;
        for (std::size_t i = 0; i < p.filas.size(); i += 7) {  // a sample of the rows
            const FilaPresupuesto& f = p.filas[i];
            conEmpleados += f.real > 0 ? 1 : 0;
            const QString ocupacion = QString::number(f.ocupacion);
            EXPECT_EQ(f.real, reporte.ObtenReal(f.centro, ocupacion).trimmed().toInt());
            EXPECT_EQ(f.sueldoReal,
                      CentavosDe(ado::Value(reporte.SueldoReal(f.centro, ocupacion))));
        }
        // A plan without payroll types covers nobody.
        EXPECT_EQ(conEmpleados > 0, plan != 3);
    }
}
