// The position entries through the core, on both tables: each write claims success only when
// a row was written, foreseeable refusals come back in Spanish before any statement runs, and
// typed values never reach statement text.
#include "tests/planning_core/NucleoPrueba.h"
#include "tests/support/CadenasHostiles.h"

#include <functional>

using namespace nucleo;
using planeacion::Planeacion;
using planeacion::Resultado;
using planeacion::Tabla;
namespace m = planeacion::mensajes;

namespace {

class PlaneacionTest : public NucleoTest, public ::testing::WithParamInterface<Tabla> {
  protected:
    int n() const { return static_cast<int>(planeacion::ColumnasDe(GetParam()).size()); }
    // Entry 101 of plan 1, group 1, ADM01 (figures 1) and of plan 1, group 2, VEN (figures 2).
    void Siembra() {
        exec("delete from " + planeacion::TablaDe(GetParam()));
        const Planeacion p = Nucleo(GetParam());
        ASSERT_TRUE(p.Agrega(Eleccion("1", "ADM01", "1"), "101", Cifras(n(), 1)));
        ASSERT_TRUE(p.Agrega(Eleccion("1", "VEN", "2"), "101", Cifras(n(), 2)));
    }
};

const QString kSembradas[] = {"1 1 ADM01 101 1 1", "1 2 VEN 101 2 2"};

TEST_P(PlaneacionTest, WritesClaimSuccessOnlyForARowWritten) {
    const auto adm = Eleccion("1", "ADM01", "1");
    const int k = n();
    const struct {
        const char* caso;
        std::function<Resultado(const Planeacion&)> op;
        QString mensaje;  // "Datos guardados" etc. when done
        QStringList filas;
    } casos[] = {
        {"new entry",
         [&](auto& p) { return p.Agrega(adm, "102", Cifras(k, 99999)); },
         m::kGuardado,
         {"1 1 ADM01 101 1 1", "1 1 ADM01 102 99999 99999", kSembradas[1]}},
        {"no centre chosen",
         [&](auto& p) { return p.Agrega(Eleccion("1", "", "1"), "102", Cifras(k, 3)); },
         m::kFaltaEleccion,
         {kSembradas[0], kSembradas[1]}},
        {"figure beyond the column's rule",
         [&](auto& p) { return p.Agrega(adm, "102", Cifras(k, 100000)); },
         m::kCifraFuera.arg(QStringList(k, "100000").join(", ")),
         {kSembradas[0], kSembradas[1]}},
        {"figures missing",
         [&](auto& p) { return p.Agrega(adm, "102", Cifras(k - 1, 3)); },
         m::kCifraFuera.arg(QStringLiteral("%1 de %2 cifras").arg(k - 1).arg(k)),
         {kSembradas[0], kSembradas[1]}},
        {"update",
         [&](auto& p) { return p.Actualiza(adm, "101", Cifras(k, 7)); },
         m::kGuardado,
         {"1 1 ADM01 101 7 7", kSembradas[1]}},
        {"update of a code not stored (nothing written)",
         [&](auto& p) { return p.Actualiza(adm, "102", Cifras(k, 7)); },
         m::kNoSeGuardo,
         {kSembradas[0], kSembradas[1]}},
        {"update under a plan that lacks the entry",
         [&](auto& p) { return p.Actualiza(Eleccion("2", "ADM01", "1"), "101", Cifras(k, 7)); },
         m::kNoSeGuardo,
         {kSembradas[0], kSembradas[1]}},
        {"update with a negative figure",
         [&](auto& p) {
             QStringList c = Cifras(k, 7);
             c[1] = "-3";
             return p.Actualiza(adm, "101", c);
         },
         m::kCifraFuera.arg("-3"),
         {kSembradas[0], kSembradas[1]}},
        {"delete", [&](auto& p) { return p.Elimina(adm, "101"); }, m::kEliminado, {kSembradas[1]}},
        {"delete of a code not stored",
         [&](auto& p) { return p.Elimina(adm, "102"); },
         m::kNoSeElimino,
         {kSembradas[0], kSembradas[1]}},
        {"move to another plan",
         [&](auto& p) { return p.Mueve(adm, Eleccion("2", "ADM01", "1"), "101"); },
         m::kMovido,
         {kSembradas[1], "2 1 ADM01 101 1 1"}},
        {"move onto an entry of the same position",
         [&](auto& p) { return p.Mueve(adm, Eleccion("1", "VEN", "2"), "101"); },
         m::kExisteEnDestino,
         {kSembradas[0], kSembradas[1]}},
        {"move to where it is (centre as the list and the grid spell it)",
         [&](auto& p) {
             return p.Mueve(Eleccion("1 ", "ADM01", "1 "), Eleccion("1", "adm01 ", "1"), "101");
         },
         m::kMismoDestino,
         {kSembradas[0], kSembradas[1]}},
        {"move of an entry no longer there",
         [&](auto& p) { return p.Mueve(adm, Eleccion("2", "ADM01", "1"), "102"); },
         m::kNoSeMovio,
         {kSembradas[0], kSembradas[1]}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        Siembra();
        const Resultado r = c.op(Nucleo(GetParam()));
        EXPECT_EQ(r.mensaje, c.mensaje);
        EXPECT_EQ(r.hecho, c.mensaje == m::kGuardado || c.mensaje == m::kEliminado ||
                               c.mensaje == m::kMovido);
        EXPECT_EQ(Filas(GetParam()), c.filas);
    }
}

TEST_P(PlaneacionTest, TypedCodesAndFiguresNeverBecomeStatementText) {
    Siembra();
    const Planeacion p = Nucleo(GetParam());
    const auto adm = Eleccion("1", "ADM01", "1");
    for (const prueba::Hostil& h : prueba::CadenasHostiles()) {
        SCOPED_TRACE(prueba::Muestra(h.texto));
        QStringList cifras = Cifras(n(), 4);
        cifras[2] = h.texto;
        EXPECT_FALSE(p.Agrega(adm, h.texto, Cifras(n(), 4)));
        EXPECT_FALSE(p.Agrega(adm, "102", cifras));
        EXPECT_FALSE(p.Actualiza(adm, "101", cifras));
        EXPECT_FALSE(p.Elimina(adm, h.texto));
        EXPECT_FALSE(p.NombrePuesto(kEmpresa, h.texto));
    }
    // Numbers beyond any column: a code past int, a figure past the rule.
    EXPECT_EQ(p.Agrega(adm, "99999999999", Cifras(n(), 1)).mensaje, m::kNoExiste);
    EXPECT_FALSE(p.Actualiza(adm, "101", QStringList(n(), "2147483648")));
    EXPECT_EQ(Filas(GetParam()), (QStringList{kSembradas[0], kSembradas[1]}));

    // Keys come from the lists as digits; anything else stops before a statement exists.
    for (const auto& e : {Eleccion("1 or 1=1", "ADM01", "1"), Eleccion("1", "ADM01", "1;--"),
                          planeacion::Eleccion{"1'", "1", "ADM01", "1"}}) {
        EXPECT_EQ(operationOf([&] { (void)p.Actualiza(e, "101", Cifras(n(), 5)); }),
                  "SqlWholeNumber");
        EXPECT_EQ(operationOf([&] { (void)p.Entradas(e); }), "SqlWholeNumber");
    }
    EXPECT_EQ(Filas(GetParam()), (QStringList{kSembradas[0], kSembradas[1]}));
}

TEST_P(PlaneacionTest, CentreCodesHoldingQuotesStayData) {
    const Planeacion p = Nucleo(GetParam());
    for (const prueba::Hostil& h : prueba::CadenasHostiles()) {
        // The payroll's centre codes: varchar(15), Windows-1252, no control characters.
        if (!h.nombre || h.texto.size() > 15)
            continue;
        SCOPED_TRACE(prueba::Muestra(h.texto));
        exec("delete from " + planeacion::TablaDe(GetParam()));
        const planeacion::Eleccion e{kEmpresa, "1", h.texto, "1"};
        ASSERT_TRUE(p.Agrega(e, "103", Cifras(n(), 6)));
        ASSERT_EQ(p.Entradas(e).size(), 1);
        EXPECT_TRUE(p.Actualiza(e, "103", Cifras(n(), 8)));
        EXPECT_EQ(p.Entradas(e).at(0).cifras, Cifras(n(), 8));
        EXPECT_TRUE(p.Mueve(e, Eleccion("2", "VEN", "1"), "103"));
        EXPECT_EQ(Filas(GetParam()), QStringList{"2 1 VEN 103 8 8"});
    }
}

INSTANTIATE_TEST_SUITE_P(Tablas, PlaneacionTest, ::testing::Values(Tabla::Porcentaje, Tabla::Mes),
                         [](const auto& info) {
                             return info.param == Tabla::Porcentaje ? "Porcentaje" : "Mes";
                         });

TEST(CifraValida, PlacesAreWholeNumbersOfAtMostFiveDigits) {
    const struct {
        const char* texto;
        bool valida;
    } casos[] = {{"0", true},       {"99999", true}, {" 3", true}, {"007", true},
                 {"100000", false}, {"-1", false},   {"", false},  {"1.5", false},
                 {"1e3", false},    {"½", false},    {"٣", false}};
    for (const auto& c : casos)
        EXPECT_EQ(planeacion::CifraValida(QString::fromUtf8(c.texto)), c.valida) << c.texto;
}

}  // namespace

// The totals row: each column summed over the entries shown; texts that are not places (blank,
// negative, not a number) and figures beyond the columns asked for add nothing, and a short
// row adds to the columns it has. Sums go past the range of one figure.
TEST(Totales, SumaCadaColumnaDeLasEntradasMostradas) {
    using planeacion::Entrada;
    const QList<Entrada> entradas = {
        {"101", "Gerente", {"1", " 2 ", "3", "7"}},
        {"102", "Cajero", {"99999", "", "x", "8"}},
        {"103", "Chef", {"99999", "-4"}},
    };
    EXPECT_EQ(planeacion::Totales(entradas, 3), (QList<qint64>{199999, 2, 3}));
    EXPECT_EQ(planeacion::Totales({}, 2), (QList<qint64>{0, 0}));
}
