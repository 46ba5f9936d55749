#include "ado/Value.h"

#include <cmath>
#include <limits>

namespace ado {

namespace {

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

std::int64_t Value::toInt() const {
    switch (type()) {
        case Type::Integer:
            return std::get<std::int64_t>(m_data);
        case Type::Decimal: {
            // Truncated toward zero; saturated beyond 64 bits, as text is.
            const Decimal& d = std::get<Decimal>(m_data);
            return d.toInt64().value_or(d.isNegative() ? std::numeric_limits<std::int64_t>::min()
                                                       : std::numeric_limits<std::int64_t>::max());
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
        return Decimal::fromInt64(*i);
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
    if (type() == Type::Decimal) {
        // Rounded half away from zero to a whole number, all its figures shown.
        const Decimal& d = std::get<Decimal>(m_data);
        QString whole;
        try {
            whole = d.convertedTo({kMaxDecimalPrecision, 0}).toString();
        } catch (const DecimalError&) {  // 38 nines and a half: 10^38 has 39 figures
            whole = d.toString().section(u'.', 0, 0);
        }
        return whole.rightJustified(width, u' ');
    }
    return QString::number(toInt()).rightJustified(width, u' ');
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
