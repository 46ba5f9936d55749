// "Generar plan mensual": the preview, the writing only of what the user confirmed, in one
// transaction, and a month plan that holds what the budget plans.

#include "planning/pronostico/PlanMensual.h"
#include "tests/pronostico/PronosticoPrueba.h"

using namespace prueba;
using namespace pronostico;

class PlanMensualTest : public PronosticoTest {
  protected:
    void SetUp() override {
        PronosticoTest::SetUp();
        Pronostica("1", 2027,
                   {{1, "17"},
                    {2, "62"},
                    {3, "100"},
                    {4, "0"},
                    {5, "45"},
                    {6, "50"},
                    {7, "80"},
                    {8, "85,5"},
                    {9, "55"},
                    {10, "60"},
                    {11, "40"},
                    {12, "90"}});
        // The demo's month entries of plan 1: Botones is taken out (it will be new), and
        // Camarista is given the figures the forecast yields (it stays as it is).
        exec("delete from staff_mes where idstaffing=1 and ocupacion=112");
        exec(
            "update staff_mes set enero=10, febrero=15, marzo=19, abril=0, mayo=13, junio=13, "
            "julio=17, agosto=18, septiembre=14, octubre=15, noviembre=12, diciembre=18 where "
            "idstaffing=1 and ocupacion=122");
    }
    QString Botones() {
        const auto r = rows(
                           "select enero, febrero, agosto from staff_mes where idstaffing=1 "
                           "and ocupacion=112")
                           .rows;
        return r.empty() ? QString()
                         : QStringLiteral("%1 %2 %3")
                               .arg(r[0][0].toInt())
                               .arg(r[0][1].toInt())
                               .arg(r[0][2].toInt());
    }
    qint64 Gerente() {
        return scalar("select enero from staff_mes where idstaffing=1 and ocupacion=101").toInt();
    }
    VistaPlanMensual Vista(LectorPlan& lector) {
        VistaPlanMensual v;
        EXPECT_EQ(PreparaPlanMensual(lector, Solicitud("1", 2027), v), "");
        return v;
    }
};

TEST_F(PlanMensualTest, PreviewThenNewEntriesOnlyUnlessReplacingIsConfirmed) {
    LectorPlan lector(*db);
    const int entradas = static_cast<int>(
        scalar("select count(*) from staff_porcentaje where idstaffing=1").toInt());
    VistaPlanMensual v = Vista(lector);
    ASSERT_EQ(v.agregar.size(), 1u);
    EXPECT_EQ(v.agregar[0].ocupacion, 112);
    EXPECT_EQ(v.iguales, 1);  // Camarista
    EXPECT_EQ(static_cast<int>(v.cambiar.size()), entradas - 2);
    const auto gerente = std::find_if(v.cambiar.begin(), v.cambiar.end(),
                                      [](const auto& c) { return c.nueva.ocupacion == 101; });
    ASSERT_NE(gerente, v.cambiar.end());
    EXPECT_EQ(gerente->actuales[0], 3);      // the demo's January
    EXPECT_EQ(gerente->nueva.cifras[0], 2);  // 17 % uses the 20 % level

    // Not confirmed: only Botones is written (17 % -> 5, 62 % -> 7, 85,5 % -> 9).
    EXPECT_EQ(AplicaPlanMensual(lector, Solicitud("1", 2027), v, false), 1);
    EXPECT_EQ(Botones(), "5 7 9");
    EXPECT_EQ(Gerente(), 3);

    v = Vista(lector);
    EXPECT_TRUE(v.agregar.empty());
    EXPECT_EQ(AplicaPlanMensual(lector, Solicitud("1", 2027), v, true), entradas - 2);
    EXPECT_EQ(Gerente(), 2);
    v = Vista(lector);
    EXPECT_TRUE(v.Vacia());
    EXPECT_EQ(v.iguales, entradas);
    int sentencias = 0;
    lector.AlEnviar = [&sentencias] { ++sentencias; };
    EXPECT_EQ(AplicaPlanMensual(lector, Solicitud("1", 2027), v, true), 0);
    EXPECT_EQ(sentencias, 0);  // nothing to write, nothing sent
}

TEST_F(PlanMensualTest, AFailureOnTheWayWritesNothing) {
    LectorPlan lector(*db);
    const VistaPlanMensual v = Vista(lector);
    // Someone else adds Botones between the preview and the writing.
    exec(
        "insert into staff_mes (empresa, idStaffing, idgrupo, centro, ocupacion) select "
        "empresa, idStaffing, idgrupo, centro, ocupacion from staff_porcentaje where "
        "idstaffing=1 and ocupacion=112");
    EXPECT_THROW(AplicaPlanMensual(lector, Solicitud("1", 2027), v, true), ado::Error);
    EXPECT_EQ(Gerente(), 3);  // the replacements went back with the failed insert
    EXPECT_EQ(Botones(), "0 0 0");
}

TEST_F(PlanMensualTest, TheMonthPlanHoldsWhatTheBudgetPlans) {
    LectorPlan lector(*db);
    AplicaPlanMensual(lector, Solicitud("1", 2027), Vista(lector), true);
    Presupuesto p;
    ASSERT_EQ(CalculaPresupuesto(lector, Solicitud("1", 2027), p), "");
    const auto meses = rows(
        "select sum(enero), sum(febrero), sum(marzo), sum(abril), sum(mayo), sum(junio), "
        "sum(julio), sum(agosto), sum(septiembre), sum(octubre), sum(noviembre), "
        "sum(diciembre) from staff_mes where idstaffing=1");
    for (int m = 0; m < kMeses; ++m)
        EXPECT_EQ(meses.rows.at(0).at(m).toInt(), p.Total().plazas[m]) << m;
}

TEST_F(PlanMensualTest, EveryMonthNeedsAForecastAndThePlanMustExist) {
    Pronostica("1", 2028, {{1, "17"}, {2, "62"}, {5, "10"}});
    LectorPlan lector(*db);
    VistaPlanMensual v;
    EXPECT_EQ(PreparaPlanMensual(lector, Solicitud("1", 2028), v),
              "Faltan meses en el pronóstico de 2028: Marzo, Abril, Junio, Julio, Agosto, "
              "Septiembre, Octubre, Noviembre, Diciembre");
    EXPECT_TRUE(v.Vacia());
    EXPECT_EQ(PreparaPlanMensual(lector, Solicitud("9", 2027), v), MensajeSinPlan("9"));
}
