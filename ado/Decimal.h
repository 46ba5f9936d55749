#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <stdexcept>

namespace ado {

// The type of an exact decimal: figures in all (1 to 38) and figures after the point.
// money is decimal(19,4) and smallmoney decimal(10,4) with their own ranges (see Decimal).
struct DecimalType {
    int precision = 18;
    int scale = 0;
    bool operator==(const DecimalType&) const = default;
};

inline constexpr int kMaxDecimalPrecision = 38;
inline constexpr DecimalType kMoneyType{19, 4};
inline constexpr DecimalType kSmallMoneyType{10, 4};

// The operators of decimal arithmetic.
enum class DecimalOp { Add, Subtract, Multiply, Divide, Modulo };

// The type SQL Server gives `a op b` when both are decimals (whole numbers take part as
// decimal(10,0) for int, (19,0) for bigint …, see integerDecimalType). SQL Server's rules,
// from its documentation of precision, scale and length:
//   +, -   p = max(s1,s2) + max(p1-s1, p2-s2) + 1       s = max(s1,s2)
//   *      p = p1 + p2 + 1                              s = s1 + s2
//   /      p = p1 - s1 + s2 + max(6, s1 + p2 + 1)       s = max(6, s1 + p2 + 1)
//   %      p = min(p1-s1, p2-s2) + max(s1,s2)           s = max(s1,s2)
// A precision above 38 becomes 38 and the scale gives way so that the whole part keeps its
// figures: for + and - the scale becomes 38 - max(p1-s1, p2-s2); for * and / it becomes
// min(s, 38 - (p - s)) while the whole part needs at most 32 figures, and min(s, 6) beyond.
DecimalType resultType(DecimalOp op, DecimalType a, DecimalType b);
// SUM of a decimal(p,s) is decimal(38,s); AVG is decimal(38, max(s,6)).
DecimalType sumType(DecimalType column);
DecimalType avgType(DecimalType column);
// Whole numbers as they take part in decimal arithmetic: bit (1,0), tinyint (3,0),
// smallint (5,0), int (10,0), bigint (19,0); `bytes` is 0 for bit, else 1, 2, 4 or 8.
DecimalType integerDecimalType(int bytes);

// Why a decimal operation has no result; the engine raises SQL Server's error for each.
class DecimalError : public std::runtime_error {
  public:
    enum class Kind {
        Overflow,       // 8115: the value does not fit the type
        DivideByZero,   // 8134
        TooManyDigits,  // 1007: a literal of more than 38 figures
    };
    explicit DecimalError(Kind kind);
    Kind kind() const { return m_kind; }

  private:
    Kind m_kind;
};

// An exact decimal of up to 38 figures: `unscaled` / 10^scale, of type
// decimal(precision, scale). A 128-bit integer holds 38 figures (10^38 < 2^127), so no
// library is needed and values stay as cheap as two machine words.
//
// Equality is of the value as written: the same figures at the same scale (1.50 and 1.5
// differ, as their texts do); compare() orders values across scales. The precision is the
// declared type's and takes no part in equality.
struct Decimal {
    __int128 unscaled = 0;
    int scale = 0;
    int precision = kMaxDecimalPrecision;

    DecimalType type() const { return {precision, scale}; }
    bool isZero() const { return unscaled == 0; }
    bool isNegative() const { return unscaled < 0; }

    // "1234.50" for {123450, 2}: no exponent, always `scale` figures after the point.
    QString toString() const;
    double toDouble() const;
    // The whole part, truncated toward zero as a conversion to int does; nullopt beyond 64
    // bits.
    std::optional<std::int64_t> toInt64() const;
    // The whole part rounded half away from zero, saturated at the ends of 64 bits.
    std::int64_t roundedToInt64() const;

    // The value at type `to`, rounded half away from zero where figures are dropped; throws
    // DecimalError(Overflow) when the whole part has more figures than `to` allows. This is
    // what storing in a numeric(p,s) column or CAST does.
    Decimal convertedTo(DecimalType to) const;
    bool fits(DecimalType to) const;

    // Numeric order: -1, 0 or 1.
    int compare(const Decimal& other) const;
    bool operator==(const Decimal& other) const {
        return unscaled == other.unscaled && scale == other.scale;
    }

    // A decimal constant as T-SQL reads one ("12.345", ".5", "007."): its own precision and
    // scale, leading zeros of the whole part not counted (12.345 is decimal(5,3), 0.5 is
    // decimal(1,1)). No sign, no blanks, no exponent (those are float constants). nullopt for
    // text that is no such constant; throws TooManyDigits beyond 38 figures.
    static std::optional<Decimal> parseLiteral(QStringView text);
    // Text converted to decimal(p,s) as CAST reads it: blanks around it, a sign, figures with
    // one point; extra decimals rounded. `exponent` also takes "1.5E+3", as drivers write
    // (CAST does not). nullopt when it is no number; throws Overflow when it does not fit.
    static std::optional<Decimal> parse(QStringView text, DecimalType to, bool exponent = false);
    // A whole number as decimal(19,0), or at `to`.
    static Decimal fromInt64(std::int64_t n);
    // A double at type `to`: the shortest decimal that reads back as the double, rounded at
    // the scale, so 1.005 rounds to 1.01 as it is written. Throws Overflow when it does not
    // fit, also for infinities and NaN.
    static Decimal fromDouble(double d, DecimalType to);

    // money's and smallmoney's ranges (-922,337,203,685,477.5808 to …477.5807 and
    // -214,748.3648 to 214,748.3647), for a value already at scale 4.
    bool fitsMoney() const;
    bool fitsSmallMoney() const;
};

// `a op b` at the type resultType gives, rounded half away from zero where the scale drops
// figures, except that a quotient is cut after its last figure as SQL Server cuts it
// (decimal(38,10) 1.67574 / 10000 gives 0.000167). % keeps the dividend's sign. Throws
// DecimalError: DivideByZero for / and % by zero, Overflow when the result does not fit.
Decimal apply(DecimalOp op, const Decimal& a, const Decimal& b);

}  // namespace ado
