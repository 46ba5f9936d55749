#include "ado/Decimal.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace ado {

namespace {

using U128 = unsigned __int128;

constexpr std::array<U128, 39> makePowers() {
    std::array<U128, 39> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}
constexpr std::array<U128, 39> kPow10 = makePowers();

// Intermediate results of up to 77 figures: a product of two 38-figure values, or one
// aligned to the other's scale.
struct U256 {
    U128 hi = 0;
    U128 lo = 0;

    bool operator==(const U256&) const = default;
    bool operator<(const U256& o) const { return hi != o.hi ? hi < o.hi : lo < o.lo; }
    bool fits128() const { return hi == 0; }
};

U256 add(U256 a, U256 b) {
    U256 r{a.hi + b.hi, a.lo + b.lo};
    if (r.lo < a.lo)
        ++r.hi;
    return r;
}

U256 sub(U256 a, U256 b) {  // a >= b
    U256 r{a.hi - b.hi, a.lo - b.lo};
    if (a.lo < b.lo)
        --r.hi;
    return r;
}

U256 mul(U128 a, U128 b) {
    const std::uint64_t a0 = static_cast<std::uint64_t>(a),
                        a1 = static_cast<std::uint64_t>(a >> 64);
    const std::uint64_t b0 = static_cast<std::uint64_t>(b),
                        b1 = static_cast<std::uint64_t>(b >> 64);
    const U128 p00 = U128(a0) * b0, p01 = U128(a0) * b1, p10 = U128(a1) * b0, p11 = U128(a1) * b1;
    const U128 mid =
        (p00 >> 64) + static_cast<std::uint64_t>(p01) + static_cast<std::uint64_t>(p10);
    U256 r;
    r.lo = (mid << 64) | static_cast<std::uint64_t>(p00);
    r.hi = p11 + (p01 >> 64) + (p10 >> 64) + (mid >> 64);
    return r;
}

// a * 10^n, nullopt when it leaves 256 bits.
std::optional<U256> scaleUp(U256 a, int n) {
    while (n > 0) {
        const int step = std::min(n, 38);
        const U128 f = kPow10[static_cast<std::size_t>(step)];
        const U256 lo = mul(a.lo, f);
        const U256 hi = mul(a.hi, f);
        if (hi.hi != 0)
            return std::nullopt;
        const U256 r = add(lo, U256{hi.lo, 0});
        if (r.hi < lo.hi)
            return std::nullopt;
        a = r;
        n -= step;
    }
    return a;
}

int bitLength(U256 a) {
    auto bits = [](U128 v) {
        int n = 0;
        while (v != 0) {
            v >>= 1;
            ++n;
        }
        return n;
    };
    return a.hi != 0 ? 128 + bits(a.hi) : bits(a.lo);
}

U256 shiftLeft(U256 a, int n) {
    if (n == 0)
        return a;
    if (n >= 128)
        return U256{a.lo << (n - 128), 0};
    return U256{(a.hi << n) | (a.lo >> (128 - n)), a.lo << n};
}

struct DivMod {
    U256 quotient;
    U256 remainder;
};

// Long division by shifts; b != 0. Native 128-bit division when both fit.
DivMod divide(U256 a, U256 b) {
    if (a.fits128() && b.fits128())
        return {U256{0, a.lo / b.lo}, U256{0, a.lo % b.lo}};
    if (a < b)
        return {U256{}, a};
    const int shift = bitLength(a) - bitLength(b);
    U256 d = shiftLeft(b, shift);
    U256 q;
    for (int i = shift; i >= 0; --i) {
        q = shiftLeft(q, 1);
        if (!(a < d)) {
            a = sub(a, d);
            q.lo |= 1;
        }
        d = U256{d.hi >> 1, (d.lo >> 1) | (d.hi << 127)};
    }
    return {q, a};
}

U128 magnitude(__int128 v) {
    return v < 0 ? U128(0) - U128(v) : U128(v);
}

// A magnitude at `from` decimals brought to `to` decimals: dropped figures rounded half
// away from zero (or cut), nullopt when it leaves 256 bits.
std::optional<U256> rescale(U256 m, int from, int to, bool cut = false) {
    if (to >= from)
        return scaleUp(m, to - from);
    const auto unit = scaleUp(U256{0, 1}, from - to);
    const DivMod qr = divide(m, *unit);
    U256 q = qr.quotient;
    if (!cut && !(shiftLeft(qr.remainder, 1) < *unit))
        q = add(q, U256{0, 1});
    return q;
}

[[noreturn]] void overflow() {
    throw DecimalError(DecimalError::Kind::Overflow);
}

// A signed result of `type` from its magnitude; Overflow when it has too many figures.
Decimal make(bool negative, std::optional<U256> m, DecimalType type) {
    if (!m || !m->fits128() || m->lo >= kPow10[static_cast<std::size_t>(type.precision)])
        overflow();
    const __int128 v = static_cast<__int128>(m->lo);
    return Decimal{negative ? -v : v, type.scale, type.precision};
}

// The figures of a number written in text, before the rounding to a scale.
struct Figures {
    bool negative = false;
    QString whole;     // without leading zeros
    QString fraction;  // as written
    int wholeWritten = 0;
};

// Reads [sign] figures [. figures] [e[sign]figures]; the exponent moves the point.
std::optional<Figures> readFigures(QStringView t, bool sign, bool exponent) {
    Figures f;
    qsizetype i = 0;
    if (sign && i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        f.negative = t[i++] == u'-';
    for (; i < t.size() && t[i].isDigit(); ++i) {
        if (!f.whole.isEmpty() || t[i] != u'0')
            f.whole += t[i];
        ++f.wholeWritten;
    }
    if (i < t.size() && t[i] == u'.') {
        for (++i; i < t.size() && t[i].isDigit(); ++i)
            f.fraction += t[i];
    }
    if (f.wholeWritten == 0 && f.fraction.isEmpty())
        return std::nullopt;
    if (exponent && i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        bool minus = false;
        if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
            minus = t[i++] == u'-';
        int e = 0;
        const qsizetype digits = i;
        for (; i < t.size() && t[i].isDigit(); ++i)
            e = std::min(e * 10 + t[i].digitValue(), 1000);
        if (i == digits)
            return std::nullopt;
        QString all = f.whole + f.fraction;
        qsizetype point = f.whole.size() + (minus ? -e : e);
        if (point < 0) {
            all = QString(-point, u'0') + all;
            point = 0;
        }
        if (point > all.size())
            all += QString(point - all.size(), u'0');
        f.whole = all.left(point);
        f.fraction = all.mid(point);
        while (f.whole.startsWith(u'0'))
            f.whole.remove(0, 1);
    }
    if (i != t.size())
        return std::nullopt;
    return f;
}

// The figures at `to`, rounded half away from zero.
Decimal fromFigures(const Figures& f, DecimalType to) {
    if (f.whole.size() > to.precision - to.scale)
        overflow();
    U128 m = 0;
    for (const QChar c : f.whole)
        m = m * 10 + U128(c.digitValue());
    for (int i = 0; i < to.scale; ++i)
        m = m * 10 + U128(i < f.fraction.size() ? f.fraction[i].digitValue() : 0);
    if (f.fraction.size() > to.scale && f.fraction[to.scale].digitValue() >= 5)
        ++m;
    return make(f.negative, U256{0, m}, to);
}

QString digitsText(U128 m) {
    if (m == 0)
        return QStringLiteral("0");
    char buffer[40];
    int n = 0;
    while (m != 0) {
        buffer[n++] = static_cast<char>('0' + static_cast<int>(m % 10));
        m /= 10;
    }
    std::reverse(buffer, buffer + n);
    return QString::fromLatin1(buffer, n);
}

struct Rule {
    DecimalOp op;
    DecimalType (*type)(DecimalType, DecimalType);
    bool wholePartFirst;  // * and /: the scale gives way down to 6 (see the header)
};

int wholeFigures(DecimalType t) {
    return t.precision - t.scale;
}

const Rule kRules[] = {
    {DecimalOp::Add,
     [](DecimalType a, DecimalType b) {
         const int s = std::max(a.scale, b.scale);
         return DecimalType{s + std::max(wholeFigures(a), wholeFigures(b)) + 1, s};
     },
     false},
    {DecimalOp::Subtract,
     [](DecimalType a, DecimalType b) {
         const int s = std::max(a.scale, b.scale);
         return DecimalType{s + std::max(wholeFigures(a), wholeFigures(b)) + 1, s};
     },
     false},
    {DecimalOp::Multiply,
     [](DecimalType a, DecimalType b) {
         return DecimalType{a.precision + b.precision + 1, a.scale + b.scale};
     },
     true},
    {DecimalOp::Divide,
     [](DecimalType a, DecimalType b) {
         const int s = std::max(6, a.scale + b.precision + 1);
         return DecimalType{wholeFigures(a) + b.scale + s, s};
     },
     true},
    {DecimalOp::Modulo,
     [](DecimalType a, DecimalType b) {
         const int s = std::max(a.scale, b.scale);
         return DecimalType{std::min(wholeFigures(a), wholeFigures(b)) + s, s};
     },
     false},
};

}  // namespace

DecimalError::DecimalError(Kind kind)
    : std::runtime_error(kind == Kind::Overflow       ? "decimal overflow"
                         : kind == Kind::DivideByZero ? "decimal division by zero"
                                                      : "decimal of more than 38 figures"),
      m_kind(kind) {}

DecimalType resultType(DecimalOp op, DecimalType a, DecimalType b) {
    const Rule& rule = *std::find_if(std::begin(kRules), std::end(kRules),
                                     [op](const Rule& r) { return r.op == op; });
    DecimalType t = rule.type(a, b);
    if (t.precision <= kMaxDecimalPrecision)
        return t;
    if (rule.wholePartFirst) {
        const int whole = wholeFigures(t);
        t.scale =
            whole <= 32 ? std::min(t.scale, kMaxDecimalPrecision - whole) : std::min(t.scale, 6);
    } else {
        t.scale = std::clamp(kMaxDecimalPrecision - std::max(wholeFigures(a), wholeFigures(b)), 0,
                             t.scale);
    }
    t.precision = kMaxDecimalPrecision;
    return t;
}

DecimalType sumType(DecimalType column) {
    return {kMaxDecimalPrecision, column.scale};
}

DecimalType avgType(DecimalType column) {
    return {kMaxDecimalPrecision, std::max(column.scale, 6)};
}

DecimalType integerDecimalType(int bytes) {
    switch (bytes) {
        case 0:
            return {1, 0};
        case 1:
            return {3, 0};
        case 2:
            return {5, 0};
        case 4:
            return {10, 0};
        default:
            return {19, 0};
    }
}

QString Decimal::toString() const {
    QString digits = digitsText(magnitude(unscaled));
    if (scale > 0) {
        if (digits.size() <= scale)
            digits = QString(scale - digits.size() + 1, u'0') + digits;
        digits.insert(digits.size() - scale, u'.');
    }
    return unscaled < 0 ? u'-' + digits : digits;
}

double Decimal::toDouble() const {
    const U128 m = magnitude(unscaled);
    // Below 2^53 and 10^22 both numbers are exact doubles, so one division rounds correctly.
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (m < (U128(1) << 53) && scale <= 22) {
        const double d = static_cast<double>(m) / kPowers[scale];
        return unscaled < 0 ? -d : d;
    }
    return toString().toDouble();
}

std::optional<std::int64_t> Decimal::toInt64() const {
    const __int128 whole =
        unscaled / static_cast<__int128>(kPow10[static_cast<std::size_t>(scale)]);
    if (whole > std::numeric_limits<std::int64_t>::max() ||
        whole < std::numeric_limits<std::int64_t>::min())
        return std::nullopt;
    return static_cast<std::int64_t>(whole);
}

std::int64_t Decimal::roundedToInt64() const {
    const U256 r = *rescale(U256{0, magnitude(unscaled)}, scale, 0);
    constexpr U128 kMax = U128(std::numeric_limits<std::int64_t>::max());
    if (!r.fits128() || r.lo > kMax)
        return unscaled < 0 ? std::numeric_limits<std::int64_t>::min()
                            : std::numeric_limits<std::int64_t>::max();
    const auto v = static_cast<std::int64_t>(r.lo);
    return unscaled < 0 ? -v : v;
}

Decimal Decimal::convertedTo(DecimalType to) const {
    return make(unscaled < 0, rescale(U256{0, magnitude(unscaled)}, scale, to.scale), to);
}

bool Decimal::fits(DecimalType to) const {
    const auto m = rescale(U256{0, magnitude(unscaled)}, scale, to.scale);
    return m && m->fits128() && m->lo < kPow10[static_cast<std::size_t>(to.precision)];
}

int Decimal::compare(const Decimal& other) const {
    if (isNegative() != other.isNegative())
        return isNegative() ? -1 : 1;
    const int s = std::max(scale, other.scale);
    const U256 a = *scaleUp(U256{0, magnitude(unscaled)}, s - scale);
    const U256 b = *scaleUp(U256{0, magnitude(other.unscaled)}, s - other.scale);
    const int order = a == b ? 0 : (a < b ? -1 : 1);
    return isNegative() ? -order : order;
}

std::optional<Decimal> Decimal::parseLiteral(QStringView text) {
    const auto f = readFigures(text, false, false);
    if (!f)
        return std::nullopt;
    const int s = static_cast<int>(f->fraction.size());
    const int p = std::max(1, static_cast<int>(f->whole.size()) + s);
    if (p > kMaxDecimalPrecision)
        throw DecimalError(DecimalError::Kind::TooManyDigits);
    return fromFigures(*f, DecimalType{p, s});
}

std::optional<Decimal> Decimal::parse(QStringView text, DecimalType to, bool exponent) {
    const auto f = readFigures(text.trimmed(), true, exponent);
    if (!f)
        return std::nullopt;
    return fromFigures(*f, to);
}

Decimal Decimal::fromInt64(std::int64_t n) {
    return Decimal{n, 0, 19};
}

Decimal Decimal::fromDouble(double d, DecimalType to) {
    if (!std::isfinite(d))
        overflow();
    // Away from a half the double itself rounds as its shortest text would.
    const double scaled = d * std::pow(10.0, to.scale);
    const double frac = std::fabs(scaled - std::trunc(scaled));
    if (std::fabs(scaled) < 1e13 && std::fabs(frac - 0.5) > 0.05)
        return make(d < 0, U256{0, U128(std::llround(std::fabs(scaled)))}, to);
    // A whole double past 2^53 is read with its exact figures (2^63 as 9223372036854775808),
    // as SQLite computed it; any other through its shortest text.
    const QString shortest = std::trunc(d) == d && std::fabs(d) >= 1e15
                                 ? QString::number(d, 'f', 0)
                                 : QString::number(d, 'g', QLocale::FloatingPointShortest);
    return fromFigures(*readFigures(shortest, true, true), to);
}

bool Decimal::fitsMoney() const {
    return unscaled >= std::numeric_limits<std::int64_t>::min() &&
           unscaled <= std::numeric_limits<std::int64_t>::max();
}

bool Decimal::fitsSmallMoney() const {
    return unscaled >= std::numeric_limits<std::int32_t>::min() &&
           unscaled <= std::numeric_limits<std::int32_t>::max();
}

Decimal apply(DecimalOp op, const Decimal& a, const Decimal& b) {
    const DecimalType to = resultType(op, a.type(), b.type());
    const U256 ma{0, magnitude(a.unscaled)};
    const U256 mb{0, magnitude(b.unscaled)};
    const int common = std::max(a.scale, b.scale);
    switch (op) {
        case DecimalOp::Add:
        case DecimalOp::Subtract: {
            const U256 x = *scaleUp(ma, common - a.scale);
            const U256 y = *scaleUp(mb, common - b.scale);
            const bool yNegative = b.isNegative() != (op == DecimalOp::Subtract);
            if (a.isNegative() == yNegative)
                return make(a.isNegative(), rescale(add(x, y), common, to.scale), to);
            const bool xLarger = !(x < y);
            return make(xLarger ? a.isNegative() : yNegative,
                        rescale(xLarger ? sub(x, y) : sub(y, x), common, to.scale), to);
        }
        case DecimalOp::Multiply:
            return make(a.isNegative() != b.isNegative(),
                        rescale(mul(ma.lo, mb.lo), a.scale + b.scale, to.scale), to);
        case DecimalOp::Divide: {
            if (b.isZero())
                throw DecimalError(DecimalError::Kind::DivideByZero);
            // q = a / b at to.scale: a * 10^(to.scale + b.scale) / (b * 10^a.scale).
            const int shift = to.scale + b.scale - a.scale;
            const auto x = scaleUp(ma, std::max(0, shift));
            const auto y = scaleUp(mb, std::max(0, -shift));
            if (!x || !y)
                overflow();
            return make(a.isNegative() != b.isNegative(), divide(*x, *y).quotient, to);
        }
        case DecimalOp::Modulo: {
            if (b.isZero())
                throw DecimalError(DecimalError::Kind::DivideByZero);
            const U256 x = *scaleUp(ma, common - a.scale);
            const U256 y = *scaleUp(mb, common - b.scale);
            return make(a.isNegative(), rescale(divide(x, y).remainder, common, to.scale), to);
        }
    }
    overflow();
}

}  // namespace ado
