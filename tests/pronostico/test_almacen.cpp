// staff_pronostico: its provisioning statement, and the forecast written and read back.

#include "tests/pronostico/PronosticoPrueba.h"
#include "tests/support/CadenasHostiles.h"

#include <functional>

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

// An import's preview reads the year on one connection; someone else saves on another before
// "Aplicar". The import writes only while the rows still hold what the preview read.
TEST_F(AlmacenTest, AnImportWritesNothingWhenTheYearChangedSinceItsPreview) {
    const auto otra = open(QStringLiteral("nomina"));
    AlmacenPronostico nuestra(*db), ajena(*otra);
    const std::pair<std::function<void(Meses&)>, bool> casos[] = {
        {[](Meses& m) { m[0] = 700; }, false},    // a figure changed
        {[](Meses& m) { m[5] = 100; }, false},    // a month added
        {[](Meses& m) { m[1].reset(); }, false},  // a month emptied
        {[](Meses& m) { m = {}; }, false},        // the year emptied
        {[](Meses&) {}, true},                    // the same figures saved again
    };
    for (const auto& [cambioAjeno, escribe] : casos) {
        Pronostica("1", 2027, {{1, "62,5"}, {2, "0"}, {12, "100"}});
        Pronostica("1", 2028, {{1, "10"}});
        const Meses leido = nuestra.Lee(kEmpresa, "1", 2027);  // the preview
        Meses importado = leido, ajeno = leido;
        importado[0] = 800;
        importado[3] = 333;
        cambioAjeno(ajeno);
        ajena.Guarda(kEmpresa, "1", 2027, ajeno);
        EXPECT_EQ(nuestra.Reemplaza(kEmpresa, "1", 2027, leido, importado), escribe);
        EXPECT_EQ(nuestra.Lee(kEmpresa, "1", 2027), escribe ? importado : ajeno);
        EXPECT_EQ(ajena.Lee(kEmpresa, "1", 2028)[0], 100);  // another year untouched
    }
    // A year without forecast at the preview: written once, refused when it has one by then.
    Meses uno{};
    uno[6] = 505;
    EXPECT_TRUE(nuestra.Reemplaza(kEmpresa, "1", 2030, {}, uno));
    EXPECT_FALSE(nuestra.Reemplaza(kEmpresa, "1", 2030, {}, uno));
}
