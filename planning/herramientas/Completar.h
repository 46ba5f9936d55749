#pragma once

// "Completar": the figures a planner typed in some boxes of a row fill the boxes left empty.
// A box counts as typed when it holds a figure other than 0 (a box emptied by the user shows
// 0, and a new entry starts with every box at 0).

#include <QStringList>

#include <optional>
#include <vector>

namespace planeacion {

using CifrasTecleadas = std::vector<std::optional<int>>;

// Occupancy levels: between two typed levels a straight line, each level rounded up to a
// whole place; below the first typed level its figure, above the last one its figure. With
// nothing typed every level is 0.
std::vector<int> CompletaPorcentaje(const CifrasTecleadas& tecleadas);

// Months: each typed month is copied into the empty months after it, up to the next typed
// month; the months before the first typed one stay at 0.
std::vector<int> CompletaMes(const CifrasTecleadas& tecleadas);

// The boxes' texts as the rules above read them: blank, 0 or anything that is not a whole
// number counts as not typed.
CifrasTecleadas LeeTecleadas(const QStringList& textos);
QStringList ComoTextos(const std::vector<int>& cifras);

}  // namespace planeacion
