#pragma once

// From a month's occupancy forecast to the places a percentage entry plans for it.
//
// A percentage entry holds the places needed at each occupancy level from 5 % to 100 % in
// steps of 5 (twenty figures). A forecast is a percentage from 0 to 100 with one decimal,
// held here in tenths (62,5 % is 625). Two rules turn it into places:
//
//  - Superior (the default): the level at or above the forecast. 62 % uses the 65 % figure,
//    65 % the 65 % figure, 0,1 % the 5 % figure; 0 % uses none and plans no place. The
//    budget so never plans fewer people than the entry asks for at that occupancy.
//  - Interpolado: a straight line between the two neighbouring levels, rounded up (62 %
//    with 6 at 60 % and 8 at 65 % gives 6 + 2 x 2/5 = 6,8, so 7). Below 5 % the line runs
//    from no place at 0 % to the 5 % figure. At a level, both rules give its figure.

#include <QString>

#include <array>
#include <optional>

namespace pronostico {

inline constexpr int kNiveles = 20;           // 5 %, 10 % ... 100 %
inline constexpr int kDecimasPorNivel = 50;   // 5 % in tenths
inline constexpr int kDecimasMaximas = 1000;  // 100 %

using CifrasPorcentaje = std::array<int, kNiveles>;

enum class Regla { Superior, Interpolado };

// "nivel superior" / "interpolado", as the form offers them and the report prints them.
QString NombreRegla(Regla regla);
// The sentence that states the rule on the report and in oxta-report's output.
QString DescripcionRegla(Regla regla);
// A rule by its name, any letter case, blanks at the ends ignored; "superior" also names the
// first rule. Nothing for an unknown name.
std::optional<Regla> ReglaDeNombre(const QString& nombre);

// The places planned at `decimas` (0 .. 1000) under the rule. Outside that range: 0.
int Plazas(Regla regla, const CifrasPorcentaje& cifras, int decimas);

}  // namespace pronostico
