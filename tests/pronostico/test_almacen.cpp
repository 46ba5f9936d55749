// staff_pronostico: its provisioning statement, and the forecast written and read back.

#include "tests/pronostico/PronosticoPrueba.h"
#include "tests/support/CadenasHostiles.h"

using namespace prueba;
using namespace pronostico;

class AlmacenTest : public PronosticoTest {
  protected:
    AlmacenTest() : PronosticoTest(TestData::Schema) {}
    qint64 Filas() { return scalar("select count(*) from staff_pronostico").toInt(); }
};

TEST_F(AlmacenTest, ProvisioningRunsAgainAndTheKeyHoldsOneFigurePerMonth) {
    exec(esquema::CreaTablaPronostico());  // a second opening of the chooser
    exec("insert into staff_pronostico values (1, 1, 2027, 1, 62.5)");
    EXPECT_FALSE(error("insert into staff_pronostico values (1, 1, 2027, 1, 70)").isEmpty());
    EXPECT_TRUE(error("insert into staff_pronostico values (1, 1, 2028, 1, 100.0)").isEmpty());
    EXPECT_FALSE(error("insert into staff_pronostico values (1000, 1, 2027, 1, 1)").isEmpty());
    exec(esquema::CreaTablaPronostico());
    EXPECT_EQ(Filas(), 2);
}

TEST_F(AlmacenTest, ForecastRoundTripsAndReplacesOnlyItsOwnYear) {
    AlmacenPronostico a(*db);
    Pronostica("1", 2027, {{1, "62,5"}, {2, "0"}, {12, "100"}});
    Pronostica("1", 2028, {{1, "10"}});
    Pronostica("2", 2027, {{1, "20"}});
    Meses m = a.Lee(kEmpresa, "1", 2027);
    EXPECT_EQ(m[0], 625);
    EXPECT_EQ(m[1], 0);  // 0 % is a forecast, stored as such
    EXPECT_FALSE(m[2]);  // a month without forecast has no row
    EXPECT_EQ(m[11], 1000);
    EXPECT_EQ(Filas(), 5);

    m[0].reset();
    m[5] = 555;
    a.Guarda(kEmpresa, "1", 2027, m);
    const Meses leido = a.Lee(kEmpresa, "1", 2027);
    EXPECT_EQ(leido, m);
    EXPECT_EQ(a.Lee(kEmpresa, "1", 2028)[0], 100);
    EXPECT_EQ(a.Lee(kEmpresa, "2", 2027)[0], 200);
}

TEST_F(AlmacenTest, HostileKeysAndFiguresAreRefusedBeforeAnyStatement) {
    AlmacenPronostico a(*db);
    Pronostica("1", 2027, {{1, "50"}});
    Meses m{};
    m[0] = 700;
    for (const Hostil& h : CadenasHostiles()) {
        SCOPED_TRACE(Muestra(h.texto));
        EXPECT_THROW(a.Guarda(h.texto, "1", 2027, m), ado::Error);
        EXPECT_THROW(a.Guarda(kEmpresa, h.texto, 2027, m), ado::Error);
        EXPECT_THROW(a.Lee(kEmpresa, h.texto, 2027), ado::Error);
    }
    Meses fuera{};
    fuera[3] = 1001;
    EXPECT_THROW(a.Guarda(kEmpresa, "1", 2027, fuera), ado::Error);
    fuera[3] = -5;
    EXPECT_THROW(a.Guarda(kEmpresa, "1", 2027, fuera), ado::Error);
    EXPECT_THROW(a.Guarda(kEmpresa, "1", 99999, m), ado::Error);
    EXPECT_EQ(a.Lee(kEmpresa, "1", 2027)[0], 500);  // untouched
    EXPECT_EQ(Filas(), 1);
}
