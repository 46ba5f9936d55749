#include "ado/DecimalDecoder.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace ado {

namespace {

constexpr DecimalType widest(int scale) {
    return {kMaxDecimalPrecision,
            scale < 0 ? 0 : (scale > kMaxDecimalPrecision ? kMaxDecimalPrecision : scale)};
}

// A decoded decimal as the forms read it: scale 0 as a whole number when it fits; the
// column's precision kept when the value is within it.
Value handOver(Decimal d, DecimalType column) {
    if (d.scale == 0) {
        if (const auto whole = d.toInt64())
            return Value(*whole);
    }
    if (column.precision >= 1 && column.precision <= kMaxDecimalPrecision &&
        d.fits({column.precision, d.scale}))
        d.precision = column.precision;
    return Value(d);
}

}  // namespace

std::optional<Decimal> decodeDecimalText(QStringView text, int scale) {
    QString t = text.trimmed().toString();
    // money as some drivers render it: "$12.50", "-$12.50".
    const qsizetype currency = t.indexOf(u'$');
    if (currency == 0 || (currency == 1 && (t[0] == u'-' || t[0] == u'+')))
        t.remove(currency, 1);
    try {
        return Decimal::parse(t, widest(scale), true);
    } catch (const DecimalError&) {
        return std::nullopt;
    }
}

Value decimalValue(QStringView text, DecimalType column) {
    if (const auto d = decodeDecimalText(text, column.scale))
        return handOver(*d, column);
    return Value(text.toString());
}

Value decimalValue(double stored, DecimalType column) {
    try {
        return handOver(Decimal::fromDouble(stored, widest(column.scale)), column);
    } catch (const DecimalError&) {
        return Value(QString::number(stored, 'g', QLocale::FloatingPointShortest));
    }
}

Value decimalValue(std::int64_t stored, DecimalType column) {
    if (column.scale <= 0)
        return Value(stored);
    return handOver(Decimal::fromInt64(stored).convertedTo(widest(column.scale)), column);
}

Value floatValue(double stored) {
    if (!std::isfinite(stored))
        return Value(QString::number(stored));
    QString s = QString::number(stored, 'f', 9);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    const qsizetype point = s.indexOf(u'.');
    const int scale = point < 0 ? 0 : static_cast<int>(s.size() - point - 1);
    const int whole = static_cast<int>((point < 0 ? s.size() : point) - (stored < 0 ? 1 : 0));
    if (whole > kMaxDecimalPrecision)
        return Value(QString::number(stored, 'g', QLocale::FloatingPointShortest));
    // Figures beyond 38 in all are given up from the decimals.
    try {
        if (const auto d = Decimal::parse(s, widest(std::min(scale, kMaxDecimalPrecision - whole))))
            return Value(*d);  // a decimal even when whole: a float column is no key
    } catch (const DecimalError&) {
    }
    return Value(QString::number(stored, 'g', QLocale::FloatingPointShortest));
}

}  // namespace ado
