#pragma once

#include "ado/Decimal.h"
#include "ado/Value.h"

#include <QStringView>

#include <cstdint>
#include <optional>

// How both engines hand over what a number column gives back, so that the forms and reports
// read the same Value whichever engine answered: exact decimals at the column's scale,
// numeric(p,0) as whole numbers (company keys), floats with the fewest decimals that show
// them.
namespace ado {

// A decimal written as a driver or SQLite renders one ("1234.5", "-.25", "1E+3", "$12.50"):
// blanks around it, a sign, a currency sign, an exponent; brought to `scale` decimals,
// extra figures rounded half away from zero. nullopt for text that is no number or has more
// than 38 figures at that scale.
std::optional<Decimal> decodeDecimalText(QStringView text, int scale);

// The value of a numeric(p,s) column, from its text, from the double or from the whole
// number SQLite stored. Scale 0 gives a whole number when it fits 64 bits; text that is no
// number comes back as it is; a double beyond 38 figures comes back as its text.
Value decimalValue(QStringView text, DecimalType column);
Value decimalValue(double stored, DecimalType column);
Value decimalValue(std::int64_t stored, DecimalType column);

// A float (or a number of no declared type) as the fewest decimals, up to 9, that show it:
// 2.25 reads back as 2.25; beyond 38 figures as its shortest text.
Value floatValue(double stored);

}  // namespace ado
