#include "ado/Value.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace ado {

namespace {

// 10^n for the scales a decimal has (0 to 38); beyond 18 only as a double.
double pow10(int n) {
    return std::pow(10.0, n);
}

// The whole part of a decimal (truncated, or rounded half away from zero), computed in 128
// bits so that no scale up to 38 overflows.
std::int64_t wholePart(const Decimal& d, bool rounded) {
    if (d.scale <= 0)
        return d.unscaled;
    __int128 p = 1;
    for (int i = 0; i < d.scale && i < 38; ++i)
        p *= 10;
    const __int128 u = d.unscaled;
    __int128 q = u / p;
    if (rounded) {
        const __int128 r = u % p;
        if ((r < 0 ? -r : r) * 2 >= p)
            q += u < 0 ? -1 : 1;
    }
    return static_cast<std::int64_t>(q);
}

// A double as a whole number, saturating instead of overflowing.
std::int64_t saturated(double d) {
    if (std::isnan(d))
        return 0;
    if (d >= 9223372036854775807.0)
        return std::numeric_limits<std::int64_t>::max();
    if (d <= -9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(d);
}

}  // namespace

double Decimal::toDouble() const {
    return static_cast<double>(unscaled) / pow10(scale);
}

QString Decimal::toString() const {
    const bool negative = unscaled < 0;
    // Work on the magnitude as unsigned so that the smallest int64 does not overflow.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(unscaled) : static_cast<std::uint64_t>(unscaled);
    QString digits = QString::number(magnitude);
    if (scale > 0) {
        if (digits.size() <= scale)
            digits = QString(scale - digits.size() + 1, u'0') + digits;
        digits.insert(digits.size() - scale, u'.');
    }
    return negative ? u'-' + digits : digits;
}

std::int64_t Value::toInt() const {
    switch (type()) {
        case Type::Integer:
            return std::get<std::int64_t>(m_data);
        case Type::Decimal: {
            return wholePart(std::get<Decimal>(m_data), false);
        }
        case Type::Text: {
            const QString t = std::get<QString>(m_data).trimmed();
            bool ok = false;
            const qlonglong n = t.toLongLong(&ok);
            if (ok)
                return n;
            const double d = t.toDouble(&ok);
            return ok ? saturated(d) : 0;
        }
        default:
            return 0;
    }
}

Decimal Value::toDecimal() const {
    if (const auto* d = std::get_if<Decimal>(&m_data))
        return *d;
    if (const auto* i = std::get_if<std::int64_t>(&m_data))
        return Decimal{*i, 0};
    return Decimal{};
}

double Value::toDouble() const {
    switch (type()) {
        case Type::Integer:
            return static_cast<double>(std::get<std::int64_t>(m_data));
        case Type::Decimal:
            return std::get<Decimal>(m_data).toDouble();
        case Type::Text: {
            bool ok = false;
            const double d = std::get<QString>(m_data).trimmed().toDouble(&ok);
            return ok ? d : 0.0;
        }
        default:
            return 0.0;
    }
}

QString Value::toText() const {
    switch (type()) {
        case Type::Integer:
            return QString::number(std::get<std::int64_t>(m_data));
        case Type::Decimal:
            return std::get<Decimal>(m_data).toString();
        case Type::Text:
            return std::get<QString>(m_data);
        case Type::DateTime:
            return std::get<QDateTime>(m_data).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
        default:
            return {};
    }
}

QString Value::rightAligned(int width) const {
    if (isNull())
        return QString(width, u' ');
    return QString::number(type() == Type::Decimal ? wholePart(std::get<Decimal>(m_data), true)
                                                   : toInt())
        .rightJustified(width, u' ');
}

QDateTime Value::toDateTime() const {
    switch (type()) {
        case Type::DateTime:
            return std::get<QDateTime>(m_data);
        case Type::Text: {
            const QString t = std::get<QString>(m_data).trimmed();
            for (const char* format : {"yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-dd HH:mm:ss",
                                       "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd"}) {
                const QDateTime dt = QDateTime::fromString(t, QString::fromLatin1(format));
                if (dt.isValid())
                    return dt;
            }
            return {};
        }
        default:
            return {};
    }
}

}  // namespace ado
