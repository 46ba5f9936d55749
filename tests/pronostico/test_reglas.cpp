// The forecast's rules without a database: places by rule, the forecast box and the import
// preview. Figures worked by hand.

#include "planning/pronostico/EdicionPronostico.h"
#include "planning/pronostico/Pronostico.h"
#include "planning/pronostico/Regla.h"
#include "tests/support/CadenasHostiles.h"

#include <gtest/gtest.h>

using namespace pronostico;

namespace {
// The Camarista entry of the demo's plan 1 (5 % ... 100 %), and a falling one.
const CifrasPorcentaje kCamarista = {6,  6,  6,  10, 10, 11, 11, 12, 13, 13,
                                     14, 15, 15, 16, 16, 17, 18, 18, 19, 19};
const CifrasPorcentaje kBaja = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 4, 4, 4, 4, 4, 4, 4, 4, 4};
}  // namespace

TEST(ReglaPronostico, PlacesByRule) {
    struct Caso {
        int decimas;
        const CifrasPorcentaje* cifras;
        int superior;
        int interpolado;
    } casos[] = {
        {0, &kCamarista, 0, 0},       // 0 %: no place under either rule
        {1, &kCamarista, 6, 1},       // 0,1 %: the 5 % level / a tenth of the way to it
        {25, &kCamarista, 6, 3},      // 2,5 %: 6 x 1/2
        {50, &kCamarista, 6, 6},      // at a level both rules give its figure
        {170, &kCamarista, 10, 8},    // 17 %: 6 + 4 x 2/5 = 7,6 -> 8
        {200, &kCamarista, 10, 10},   //
        {620, &kCamarista, 15, 15},   // 62 % uses 65 %
        {625, &kCamarista, 15, 15},   //
        {660, &kCamarista, 16, 16},   // 66 %: 15 + 1 x 1/5 -> 16 (rounded up)
        {999, &kCamarista, 19, 19},   //
        {1000, &kCamarista, 19, 19},  // 100 %
        {560, &kBaja, 4, 8},          // 56 % on a falling entry: 9 - 5 x 1/5 = 8
        {590, &kBaja, 4, 5},          // 9 - 5 x 4/5 = 5
        {1001, &kCamarista, 0, 0},    // beyond 100 %: nothing
        {-1, &kCamarista, 0, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.decimas);
        EXPECT_EQ(Plazas(Regla::Superior, *c.cifras, c.decimas), c.superior);
        EXPECT_EQ(Plazas(Regla::Interpolado, *c.cifras, c.decimas), c.interpolado);
    }
    EXPECT_EQ(ReglaDeNombre(QStringLiteral(" Interpolado ")), Regla::Interpolado);
    EXPECT_EQ(ReglaDeNombre(QStringLiteral("superior")), Regla::Superior);
    EXPECT_EQ(ReglaDeNombre(NombreRegla(Regla::Superior)), Regla::Superior);
    EXPECT_FALSE(ReglaDeNombre(QStringLiteral("lineal")));
}

TEST(ReglaPronostico, ForecastBoxReadsWhatTheUserMeans) {
    struct Caso {
        QString texto;
        bool valida;
        std::optional<int> decimas;
    } casos[] = {
        {"62,5", true, 625},      {"62.5", true, 625},
        {" 62 ", true, 620},      {"0", true, 0},
        {"100", true, 1000},      {"100,0", true, 1000},
        {"62 %", true, 620},      {"007", true, 70},
        {"", true, std::nullopt}, {"   ", true, std::nullopt},  // a month without forecast
        {"100,1", false, {}},     {"101", false, {}},
        {"-1", false, {}},        {"62,55", false, {}},
        {"62,", false, {}},       {",5", false, {}},
        {"1e2", false, {}},       {"62,5,1", false, {}},
        {"６２", false, {}},  // full-width digits are not the digits of a box
        {"1000", false, {}},      {"%", false, {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto.toStdString());
        const Lectura l = LeePorcentaje(c.texto);
        EXPECT_EQ(l.valida, c.valida);
        EXPECT_EQ(l.decimas, c.decimas);
        EXPECT_EQ(l.mensaje.isEmpty(), c.valida);
    }
    for (const prueba::Hostil& h : prueba::CadenasHostiles()) {
        SCOPED_TRACE(prueba::Muestra(h.texto));
        EXPECT_FALSE(LeePorcentaje(h.texto).valida);
        EXPECT_FALSE(LeeMes(h.texto));
        EXPECT_FALSE(LeeAnio(h.texto));
    }
    EXPECT_EQ(TextoPorcentaje(625), "62,5");
    EXPECT_EQ(TextoPorcentaje(620), "62");
    EXPECT_EQ(TextoPorcentaje(std::nullopt), "");
    EXPECT_EQ(DecimalPorcentaje(5), "0.5");
    EXPECT_EQ(LeeAnio(u"2027"), 2027);
    EXPECT_FALSE(LeeAnio(u"99999"));
    EXPECT_FALSE(LeeAnio(u"1899"));
    EXPECT_EQ(LeeMes(u"12"), 12);
    EXPECT_EQ(LeeMes(u"marzo"), 3);
    EXPECT_FALSE(LeeMes(u"13"));
    EXPECT_FALSE(LeeMes(u"0"));
}

TEST(ReglaPronostico, ImportPreviewChangesOnlyTheMonthsItNamesAndRefusesBadRows) {
    Meses actual{};
    actual[0] = 500;  // January 50 % typed before
    actual[1] = 600;
    const VistaImportacion v = PreparaImportacion(
        {{"mes", "ocupación"}, {"1", "62,5"}, {"Febrero", "60"}, {}, {"3", "70"}}, actual);
    ASSERT_TRUE(v.Aplicable());
    ASSERT_EQ(v.cambios.size(), 2u);  // February already held 60 %
    EXPECT_EQ(v.cambios[0].mes, 0);
    EXPECT_EQ(v.cambios[0].antes, 500);
    EXPECT_EQ(v.cambios[0].despues, 625);
    EXPECT_FALSE(v.cambios[1].antes);
    EXPECT_EQ(v.resultado[2], 700);
    EXPECT_FALSE(v.resultado[3]);  // months the file does not name keep theirs

    const VistaImportacion mala = PreparaImportacion(
        {{"1", "101"}, {"13", "5"}, {"2", "50"}, {"febrero", "40"}, {"4", ""}, {"5", "-3"}},
        actual);
    EXPECT_FALSE(mala.Aplicable());
    EXPECT_EQ(mala.errores.size(), 5);
    EXPECT_TRUE(mala.errores[0].startsWith("Fila 1:"));
    EXPECT_TRUE(mala.errores[2].contains("Febrero ya estaba"));
    EXPECT_EQ(mala.resultado, actual);  // nothing applied while a row is refused
}

TEST(ReglaPronostico, TheBoxesHaveChangesOnlyWhenTheyShowAnotherForecastThanTheOneLoaded) {
    Meses cargados{};
    cargados[0] = 625;
    cargados[1] = 0;
    // {month, what its box shows, a change}; the other boxes as loaded: "62,5", "0", empty.
    const std::tuple<int, QString, bool> casos[] = {
        {0, "62,5", false}, {0, " 62.5 %", false}, {1, "0,0", false}, {2, "  ", false},
        {0, "62,4", true},  {1, "", true},     // 0 % emptied is no forecast, not the same
        {2, "0", true},     {3, "101", true},  // a refused text is not what was loaded
    };
    EdicionPronostico e;
    EXPECT_FALSE(e.TieneCambios({"50"}));  // nothing loaded: nothing to lose
    e.Carga(QString(), 2027, cargados);
    EXPECT_FALSE(e.TieneCambios({"50"}));  // no plan chosen
    e.Carga("1", 2027, cargados);
    for (const auto& [mes, texto, cambio] : casos) {
        TextosMeses t = {"62,5", "0"};
        t[static_cast<std::size_t>(mes)] = texto;
        EXPECT_EQ(e.TieneCambios(t), cambio) << texto.toStdString();
    }
}
