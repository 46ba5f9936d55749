#pragma once

#include "ado/Decimal.h"
#include "ado/SqlTypes.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Decimal arithmetic as the translator writes it and the engine's helper runs it: which
// operands take part as decimals and at which type, and the text that tells the helper the
// types and operators of a run of them.
namespace sql {

// The decimal type an operand takes in decimal arithmetic: a numeric's own (money (19,4),
// smallmoney (10,4)); a whole constant that of its figures (`3` is decimal(1,0), as SQL Server
// types a constant of a query it does not parameterize); other whole numbers their type's (int
// (10,0), bigint (19,0) ...). nullopt for a float or what is no number.
// `constantFigures` is 0 unless the operand is a whole constant.
std::optional<ado::DecimalType> decimalOperandType(const SqlType& t, int constantFigures = 0);

// Whether `l op r` is decimal arithmetic: + - * / % of numbers, neither a float, one a decimal.
bool isDecimalArithmetic(ado::DecimalOp op, const SqlType& l, const SqlType& r);

// Multiplication, division or modulo of money by money or whole numbers, whose money result
// SQL Server rounds its own way: refused by name rather than answered as a decimal.
bool isMoneyProduct(ado::DecimalOp op, const SqlType& l, const SqlType& r);

// The type of a result that takes the values of both (the branches of CASE, the arguments of
// COALESCE, the members of UNION), by SQL Server's precedence: float over decimal over money
// over whole numbers (the wider one), and two decimals as one that holds either (precision
// max(s1,s2) + max(p1-s1, p2-s2), at most 38; scale max(s1,s2)). Anything else: `a` when
// known, else `b`.
SqlType combinedType(const SqlType& a, const SqlType& b);

// The SQL type of a decimal result.
SqlType decimalSqlType(ado::DecimalType t);

// A run of decimal operators applied left to right: the first operand's type, then each
// operator with its right operand's type. Written as text ("3,1/1,0*5,2") for the helper,
// which reads it back once per process.
struct DecimalRun {
    struct Step {
        ado::DecimalOp op;
        ado::DecimalType operand;
    };
    ado::DecimalType first;
    std::vector<Step> steps;

    // The result's type, by SQL Server's rules step by step.
    ado::DecimalType resultType() const;
    QString text() const;
    static std::optional<DecimalRun> parse(QStringView text);
};

// The exact value of a number that SQLite holds for a decimal of type `t`: a whole number, or
// a double exact to 15 significant figures, read at the type's scale. Throws DecimalError
// (Overflow) when it does not fit.
ado::Decimal decimalOfStored(std::int64_t stored, ado::DecimalType t);
ado::Decimal decimalOfStored(double stored, ado::DecimalType t);

// How a decimal goes to SQLite. Each value has exactly one stored form, so that SQLite's own
// `=`, GROUP BY, DISTINCT and keys hold between any two decimals whatever their scales: a
// whole number that fits 64 bits as an INTEGER; a value of at most 15 significant figures as
// the double nearest it (which reads back to those figures); any other as a BLOB of its
// figures (wideBytes). The ordering of SQLite's numbers and BLOBs is not the decimals' own, so
// the translator orders types that may hold BLOBs (holdsWideValues) by their keys.
struct StoredDecimal {
    enum class Form { Integer, Real, Bytes };
    Form form = Form::Integer;
    std::int64_t integer = 0;
    double real = 0;
    std::string bytes;
};
StoredDecimal storedOfDecimal(const ado::Decimal& d);
// The same as a Scalar: Int, Real, or Decimal for a value kept as a BLOB.
Scalar scalarOfDecimal(const ado::Decimal& d);

// ROUND of a decimal at `places` after the point (before it when negative), half away from
// zero or cut; the result keeps d's type and throws DecimalError (Overflow) when rounding up
// leaves its precision (ROUND(9.5, 0) of a decimal(2,1)).
ado::Decimal roundedDecimal(const ado::Decimal& d, int places, bool truncate);
// FLOOR (or CEILING, `up`) of a decimal(p,s): a decimal(p,0).
ado::Decimal wholeDecimal(const ado::Decimal& d, bool up);

// Whether a numeric(p,s) may hold a value that is stored as a BLOB: more than 15 figures, not
// whole, or whole beyond 64 bits (numeric(18,0) never does; money does).
bool holdsWideValues(const SqlType& t);

// A decimal written so that bytes compare as the values do, whatever their scales, and equal
// values are equal bytes: a sign byte, then the position of the point, then the figures without
// trailing zeros (each inverted for a negative value, which ends in 0xFF).
std::string wideBytes(const ado::Decimal& d);
// Reads those bytes back at the fewest decimals that hold the value; nullopt for bytes that
// are none.
std::optional<ado::Decimal> decimalOfWideBytes(std::string_view bytes);

}  // namespace sql
