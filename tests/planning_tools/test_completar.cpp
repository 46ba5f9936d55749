// "Completar" on rows worked out by hand.
#include "planning/herramientas/Completar.h"

#include <gtest/gtest.h>

using namespace planeacion;

namespace {

// A row of `n` boxes with the given (index, figure) typed.
CifrasTecleadas FilaTecleada(int n, std::initializer_list<std::pair<int, int>> tecleadas) {
    CifrasTecleadas f(n);
    for (auto [i, v] : tecleadas)
        f[i] = v;
    return f;
}

TEST(CompletarTest, PorcentajeSobreCasosHechosAMano) {
    struct Caso {
        const char* nombre;
        CifrasTecleadas tecleadas;
        std::vector<int> esperado;
    };
    const std::vector<Caso> casos = {
        // (38 + 8k) / 19 rounded up, k = 0 ... 19.
        {"5 % = 2 y 100 % = 10",
         FilaTecleada(20, {{0, 2}, {19, 10}}),
         {2, 3, 3, 4, 4, 5, 5, 5, 6, 6, 7, 7, 8, 8, 8, 9, 9, 10, 10, 10}},
        {"solo 50 %", FilaTecleada(20, {{9, 7}}), std::vector<int>(20, 7)},
        // Up by exactly one a level to 60 %, then down by 6/7 a level rounded up, 6 above 95 %.
        {"20 %, 60 % y 95 %",
         FilaTecleada(20, {{3, 4}, {11, 12}, {18, 6}}),
         {4, 4, 4, 4, 5, 6, 7, 8, 9, 10, 11, 12, 12, 11, 10, 9, 8, 7, 6, 6}},
        {"nada tecleado", FilaTecleada(20, {}), std::vector<int>(20, 0)},
        {"dos niveles contiguos no se tocan",
         FilaTecleada(20, {{4, 9}, {5, 1}}),
         {9, 9, 9, 9, 9, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {"cifras grandes sin desbordar",
         FilaTecleada(20, {{0, 99999}, {19, 0}}),
         {99999, 94736, 89473, 84210, 78947, 73684, 68421, 63158, 57895, 52632,
          47368, 42105, 36842, 31579, 26316, 21053, 15790, 10527, 5264,  0}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(CompletaPorcentaje(c.tecleadas), c.esperado) << c.nombre;
}

TEST(CompletarTest, MesCopiaCadaMesEnLosVaciosQueLeSiguen) {
    EXPECT_EQ(CompletaMes(FilaTecleada(12, {{2, 5}, {6, 8}})),
              (std::vector<int>{0, 0, 5, 5, 5, 5, 8, 8, 8, 8, 8, 8}));
    EXPECT_EQ(CompletaMes(FilaTecleada(12, {{0, 3}, {11, 1}})),
              (std::vector<int>{3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1}));
    EXPECT_EQ(CompletaMes(FilaTecleada(12, {})), std::vector<int>(12, 0));
}

TEST(CompletarTest, LasCajasVaciasOEnCeroNoCuentanComoTecleadas) {
    const CifrasTecleadas t = LeeTecleadas({"", " 0", "3", " 12 ", "x", "-2", "00"});
    EXPECT_EQ(t, (CifrasTecleadas{std::nullopt, std::nullopt, 3, 12, std::nullopt, std::nullopt,
                                  std::nullopt}));
    EXPECT_EQ(ComoTextos(CompletaMes(t)), (QStringList{"0", "0", "3", "12", "12", "12", "12"}));
}

}  // namespace
