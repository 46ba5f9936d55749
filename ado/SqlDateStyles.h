#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// CONVERT's style codes for date-times, as a server with the us_english language (the default
// login's) writes and reads them.
namespace sql {

// The date-time written in `style` (0-14, 20-23, 100-114, 120, 121, 126, 127); `dateOnly` when the
// value is of type date. Throws ConversionError for a style SQL Server does not have, and for
// one that this engine does not write (ServerError::NotSupported).
QString formatDateTimeStyle(const QDateTime& dt, int style, bool dateOnly);

// The month's abbreviation in us_english ("Jan" for 1), as the styles write it.
QLatin1String monthAbbreviation(int month);

// Text read as a date-time in `style`: day/month/year for 3-5 and 103-105, month/day/year for
// 1, 10, 101 and 110, the usual forms otherwise. nullopt when it is no date-time; throws
// ConversionError for a style SQL Server does not have.
std::optional<QDateTime> parseDateTimeStyle(const QString& text, int style);

}  // namespace sql
