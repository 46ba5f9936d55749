#include "ado/SqlDecimals.h"

#include <cmath>
#include <limits>

namespace sql {

namespace {

using Base = SqlType::Base;
using ado::Decimal;
using ado::DecimalOp;
using ado::DecimalType;

constexpr struct {
    DecimalOp op;
    char16_t sign;
} kSigns[] = {{DecimalOp::Add, u'+'},
              {DecimalOp::Subtract, u'-'},
              {DecimalOp::Multiply, u'*'},
              {DecimalOp::Divide, u'/'},
              {DecimalOp::Modulo, u'%'}};

char16_t signOf(DecimalOp op) {
    for (const auto& s : kSigns) {
        if (s.op == op)
            return s.sign;
    }
    return u'?';
}

std::optional<DecimalOp> opOf(QChar c) {
    for (const auto& s : kSigns) {
        if (s.sign == c.unicode())
            return s.op;
    }
    return std::nullopt;
}

QString typeText(DecimalType t) {
    return QString::number(t.precision) + u',' + QString::number(t.scale);
}

// "p,s" at `at`, which it moves past; nullopt when no valid type stands there.
std::optional<DecimalType> readType(QStringView text, qsizetype& at) {
    int values[2] = {0, 0};
    for (int k = 0; k < 2; ++k) {
        if (k == 1 && (at >= text.size() || text[at++] != u','))
            return std::nullopt;
        const qsizetype start = at;
        while (at < text.size() && text[at].isDigit() && at - start < 2)
            values[k] = values[k] * 10 + (text[at++].unicode() - u'0');
        if (at == start)
            return std::nullopt;
    }
    const DecimalType t{values[0], values[1]};
    if (t.precision < 1 || t.precision > ado::kMaxDecimalPrecision || t.scale > t.precision)
        return std::nullopt;
    return t;
}

bool isMoney(const SqlType& t) {
    return t.base == Base::Numeric && t.money;
}

int integerBytes(Base b) {
    switch (b) {
        case Base::Bit:
            return 0;
        case Base::TinyInt:
            return 1;
        case Base::SmallInt:
            return 2;
        case Base::Int:
            return 4;
        default:
            return 8;
    }
}

// 10^n for n of 0 to 18.
std::int64_t power10(int n) {
    std::int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

}  // namespace

std::optional<DecimalType> decimalOperandType(const SqlType& t, int constantFigures) {
    if (t.base == Base::Numeric)
        return DecimalType{t.precision, t.scale};
    if (!t.isInteger())
        return std::nullopt;
    if (constantFigures > 0)
        return DecimalType{std::min(constantFigures, ado::kMaxDecimalPrecision), 0};
    return ado::integerDecimalType(integerBytes(t.base));
}

bool isDecimalArithmetic(DecimalOp, const SqlType& l, const SqlType& r) {
    return l.isNumber() && r.isNumber() && l.base != Base::Float && r.base != Base::Float &&
           (l.base == Base::Numeric || r.base == Base::Numeric);
}

bool isMoneyProduct(DecimalOp op, const SqlType& l, const SqlType& r) {
    if (op == DecimalOp::Add || op == DecimalOp::Subtract)
        return false;
    const auto moneyOrWhole = [](const SqlType& t) { return isMoney(t) || t.isInteger(); };
    return (isMoney(l) || isMoney(r)) && moneyOrWhole(l) && moneyOrWhole(r);
}

SqlType combinedType(const SqlType& a, const SqlType& b) {
    if (!a.known() || !b.known())
        return a.known() ? a : b;
    if (!a.isNumber() || !b.isNumber())
        return a;
    if (a.base == Base::Float || b.base == Base::Float)
        return SqlType{Base::Float};
    if (a.isInteger() && b.isInteger()) {
        return integerBytes(b.base) > integerBytes(a.base) || a.base == Base::Bit ? b : a;
    }
    // money stays money beside whole numbers and money
    if ((isMoney(a) || a.isInteger()) && (isMoney(b) || b.isInteger()))
        return isMoney(a) && (!isMoney(b) || a.precision >= b.precision) ? a : b;
    const DecimalType x = *decimalOperandType(a);
    const DecimalType y = *decimalOperandType(b);
    const int scale = std::max(x.scale, y.scale);
    const int whole = std::max(x.precision - x.scale, y.precision - y.scale);
    // Past 38 figures the scale gives way, so that the whole part keeps its figures.
    if (scale + whole > ado::kMaxDecimalPrecision)
        return decimalSqlType(
            {ado::kMaxDecimalPrecision, std::max(0, ado::kMaxDecimalPrecision - whole)});
    return decimalSqlType({scale + whole, scale});
}

SqlType decimalSqlType(DecimalType t) {
    return SqlType{Base::Numeric, 0, t.precision, t.scale};
}

DecimalType DecimalRun::resultType() const {
    DecimalType t = first;
    for (const Step& s : steps)
        t = ado::resultType(s.op, t, s.operand);
    return t;
}

QString DecimalRun::text() const {
    QString out = typeText(first);
    for (const Step& s : steps)
        out += QChar(signOf(s.op)) + typeText(s.operand);
    return out;
}

std::optional<DecimalRun> DecimalRun::parse(QStringView text) {
    qsizetype at = 0;
    DecimalRun run;
    const auto first = readType(text, at);
    if (!first)
        return std::nullopt;
    run.first = *first;
    while (at < text.size()) {
        const auto op = opOf(text[at++]);
        const auto operand = op ? readType(text, at) : std::nullopt;
        if (!operand)
            return std::nullopt;
        run.steps.push_back({*op, *operand});
    }
    return run;
}

Decimal decimalOfStored(std::int64_t stored, DecimalType t) {
    Decimal d = Decimal{stored, 0, ado::kMaxDecimalPrecision}.convertedTo(
        {ado::kMaxDecimalPrecision, t.scale});
    d.precision = t.precision;
    return d;
}

Decimal decimalOfStored(double stored, DecimalType t) {
    // Below 2^50 units of the scale the double nearest a decimal of that scale, multiplied
    // out, rounds back to the decimal's own figures.
    constexpr double kExactUnits = 1125899906842624.0;
    Decimal d;
    const double scaled = t.scale <= 18 ? stored * static_cast<double>(power10(t.scale)) : 0;
    if (t.scale <= 18 && std::fabs(scaled) < kExactUnits) {
        d = Decimal{std::llround(scaled), t.scale, t.precision};
    } else {
        d = Decimal::fromDouble(stored, {ado::kMaxDecimalPrecision, t.scale});
    }
    d.precision = t.precision;
    return d;
}

namespace {

constexpr unsigned char kNegative = 0x01;
constexpr unsigned char kZero = 0x02;
constexpr unsigned char kPositive = 0x03;
constexpr unsigned char kNegativeEnd = 0xFF;
constexpr int kPointBias = 128;

// The figures of |unscaled| without its trailing zeros, and the scale left to them.
std::pair<std::string, int> significantFigures(const Decimal& d) {
    __int128 m = d.unscaled < 0 ? -d.unscaled : d.unscaled;
    int scale = d.scale;
    while (m != 0 && m % 10 == 0) {
        m /= 10;
        --scale;
    }
    std::string figures;
    for (; m != 0; m /= 10)
        figures.insert(figures.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
    return {figures, scale};
}

}  // namespace

std::string wideBytes(const Decimal& d) {
    if (d.isZero())
        return std::string(1, static_cast<char>(kZero));
    const auto [figures, scale] = significantFigures(d);
    // The value is 0.f1f2… × 10^point.
    const int point = static_cast<int>(figures.size()) - scale;
    const bool negative = d.isNegative();
    std::string out;
    out.reserve(figures.size() + 3);
    out += static_cast<char>(negative ? kNegative : kPositive);
    const auto biased = static_cast<unsigned char>(point + kPointBias);
    out += static_cast<char>(negative ? 0xFF - biased : biased);
    for (const char f : figures)
        out += static_cast<char>(negative ? 0xFF - static_cast<unsigned char>(f) : f);
    if (negative)
        out += static_cast<char>(kNegativeEnd);
    return out;
}

std::optional<Decimal> decimalOfWideBytes(std::string_view bytes) {
    if (bytes.size() == 1 && static_cast<unsigned char>(bytes[0]) == kZero)
        return Decimal{0, 0, 1};
    if (bytes.size() < 3)
        return std::nullopt;
    const auto sign = static_cast<unsigned char>(bytes[0]);
    const bool negative = sign == kNegative;
    if (!negative && sign != kPositive)
        return std::nullopt;
    std::string_view figures = bytes.substr(2);
    if (negative) {
        if (static_cast<unsigned char>(figures.back()) != kNegativeEnd)
            return std::nullopt;
        figures.remove_suffix(1);
    }
    if (figures.empty() || figures.size() > static_cast<std::size_t>(ado::kMaxDecimalPrecision))
        return std::nullopt;
    auto biased = static_cast<unsigned char>(bytes[1]);
    if (negative)
        biased = static_cast<unsigned char>(0xFF - biased);
    const int point = biased - kPointBias;
    __int128 unscaled = 0;
    for (const char c : figures) {
        const int f = negative ? 0xFF - static_cast<unsigned char>(c) - '0' : c - '0';
        if (f < 0 || f > 9)
            return std::nullopt;
        unscaled = unscaled * 10 + f;
    }
    int scale = static_cast<int>(figures.size()) - point;
    int precision = static_cast<int>(figures.size());
    for (; scale < 0; ++scale, ++precision) {
        if (precision >= ado::kMaxDecimalPrecision)
            return std::nullopt;
        unscaled *= 10;
    }
    if (scale > ado::kMaxDecimalPrecision)
        return std::nullopt;
    return Decimal{negative ? -unscaled : unscaled, scale, std::max(precision, scale)};
}

Scalar scalarOfDecimal(const Decimal& d) {
    const StoredDecimal s = storedOfDecimal(d);
    switch (s.form) {
        case StoredDecimal::Form::Integer:
            return Scalar::ofInt(s.integer);
        case StoredDecimal::Form::Real:
            return Scalar::ofReal(s.real);
        case StoredDecimal::Form::Bytes:
            break;
    }
    return Scalar::ofDecimal(d);
}

Decimal roundedDecimal(const Decimal& d, int places, bool truncate) {
    const int drop = d.scale - places;
    if (drop <= 0)
        return d;
    if (drop > ado::kMaxDecimalPrecision)  // |d| < 10^38 is less than half a unit
        return Decimal{0, d.scale, d.precision};
    __int128 unit = 1;
    for (int i = 0; i < drop; ++i)
        unit *= 10;
    __int128 q = d.unscaled / unit;
    const __int128 rest = d.unscaled % unit;
    if (!truncate && (rest < 0 ? -rest : rest) >= unit - (rest < 0 ? -rest : rest))
        q += d.unscaled < 0 ? -1 : 1;
    // The result keeps the scale: q units of 10^-places, at most precision figures.
    __int128 limit = 1;
    for (int i = 0; i < d.precision; ++i)
        limit *= 10;
    const __int128 r = q * unit;
    if (r >= limit || r <= -limit || q >= limit || q <= -limit)
        throw ado::DecimalError(ado::DecimalError::Kind::Overflow);
    return Decimal{r, d.scale, d.precision};
}

Decimal wholeDecimal(const Decimal& d, bool up) {
    __int128 unit = 1;
    for (int i = 0; i < d.scale; ++i)
        unit *= 10;
    __int128 q = d.unscaled / unit;
    const __int128 rest = d.unscaled % unit;
    if (rest > 0 && up)
        ++q;
    if (rest < 0 && !up)
        --q;
    return Decimal{q, 0, d.precision};
}

bool holdsWideValues(const SqlType& t) {
    if (t.base != Base::Numeric)
        return false;
    return t.precision > 18 || (t.precision > 15 && t.scale > 0);
}

StoredDecimal storedOfDecimal(const Decimal& d) {
    // Most results: fewer than 15 figures in all, within 64 bits.
    constexpr std::int64_t kFifteenFigures = 1000000000000000;  // 10^15
    if (d.scale <= 18 && d.unscaled > -kFifteenFigures && d.unscaled < kFifteenFigures) {
        const auto u = static_cast<std::int64_t>(d.unscaled);
        const std::int64_t unit = power10(d.scale);
        if (u % unit == 0)
            return StoredDecimal{StoredDecimal::Form::Integer, u / unit, 0, {}};
        return StoredDecimal{
            StoredDecimal::Form::Real, 0, static_cast<double>(u) / static_cast<double>(unit), {}};
    }
    __int128 unit = 1;
    for (int i = 0; i < d.scale; ++i)
        unit *= 10;
    if (d.unscaled % unit == 0) {
        const __int128 whole = d.unscaled / unit;
        if (whole >= std::numeric_limits<std::int64_t>::min() &&
            whole <= std::numeric_limits<std::int64_t>::max())
            return StoredDecimal{
                StoredDecimal::Form::Integer, static_cast<std::int64_t>(whole), 0, {}};
    }
    constexpr std::size_t kDoubleFigures = 15;
    if (significantFigures(d).first.size() <= kDoubleFigures)
        return StoredDecimal{StoredDecimal::Form::Real, 0, d.toDouble(), {}};
    return StoredDecimal{StoredDecimal::Form::Bytes, 0, 0, wideBytes(d)};
}

}  // namespace sql
