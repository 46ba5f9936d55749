#pragma once

#include "ado/Decimal.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <variant>

namespace ado {

// One column value of a recordset row: nothing (SQL NULL), a whole number, a decimal,
// text or a date-time.
class Value {
  public:
    enum class Type { Null, Integer, Decimal, Text, DateTime };

    Value() = default;
    Value(std::int64_t v) : m_data(v) {}
    Value(int v) : m_data(std::int64_t{v}) {}
    Value(Decimal v) : m_data(v) {}
    Value(const QString& v) : m_data(v) {}
    Value(const char* v) : m_data(QString::fromUtf8(v)) {}
    Value(const QDateTime& v) : m_data(v) {}

    Type type() const { return static_cast<Type>(m_data.index()); }
    bool isNull() const { return type() == Type::Null; }
    bool isNumber() const { return type() == Type::Integer || type() == Type::Decimal; }

    // Conversions the forms need.
    std::int64_t toInt() const;  // numbers truncated, text parsed (blanks ignored), else 0
    double toDouble() const;
    // A decimal as it is (precision and scale kept), a whole number as decimal(19,0), else
    // zero.
    Decimal toDecimal() const;
    QString toText() const;  // as the value reads; NULL gives the empty text
    QString trimmed() const { return toText().trimmed(); }
    // A whole number right-aligned in `width` characters (leading blanks), as the forms
    // format keys: Value(7).rightAligned(9) == "        7".
    QString rightAligned(int width) const;
    QDateTime toDateTime() const;
    QDate toDate() const { return toDateTime().date(); }

    bool operator==(const Value&) const = default;

  private:
    std::variant<std::monostate, std::int64_t, Decimal, QString, QDateTime> m_data;
};

}  // namespace ado
