#pragma once

#include "ado/SqlTranslator.h"

#include <QString>

#include <optional>
#include <vector>

// Loaders send many INSERT … VALUES statements that differ only in their values. Such a
// statement's shape is its text with every value taken out. The translator writes each value of
// an INSERT row that it binds as the same placeholder, whatever the value, so statements of one
// shape translate alike: the engine reads and translates the first one only and binds the values
// of the others into its translation.
namespace sql {

struct InsertShape {
    QString key;                         // never the text of a statement
    std::vector<BoundLiteral> literals;  // the values taken out, in the order written
};

// The shape of an INSERT whose values are plain literals of the kinds the translator binds: a
// whole number of 64 bits, a decimal of at most 15 figures, a text without NUL or NULL, each
// maybe negated. nullopt for anything else, which then takes the ordinary way.
// The translator decides what it binds; the engine only reuses a shape after checking that the
// first statement's translation bound exactly these literals.
std::optional<InsertShape> insertShape(const QString& text);

}  // namespace sql
