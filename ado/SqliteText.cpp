// Text: the collation, UPPER, LOWER, LEFT, RIGHT, SUBSTRING, STUFF, REVERSE, CHARINDEX,
// REPLACE, REPLICATE and STR.
#include "ado/SqliteFunctions.h"

#include "ado/SqliteFunctionSupport.h"

#include "ado/SqlDateParts.h"
#include "ado/SqlDateStyles.h"
#include "ado/SqlTypes.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QUuid>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include <sqlite3.h>

namespace ado {

using sql::Scalar;
using sql::SqlType;
using namespace support;

namespace {

// The longest text that a function returns for a type other than varchar(max).
constexpr qint64 kMaxTextLength = 8000;

}  // namespace

namespace helpers {

// ---- the collation: letter case and trailing blanks do not count ----
int compareSqlServer(void*, int lenA, const void* a, int lenB, const void* b) {
    const auto* pa = static_cast<const unsigned char*>(a);
    const auto* pb = static_cast<const unsigned char*>(b);
    while (lenA > 0 && pa[lenA - 1] == ' ')
        --lenA;
    while (lenB > 0 && pb[lenB - 1] == ' ')
        --lenB;
    int i = 0;
    for (; i < lenA && i < lenB; ++i) {
        unsigned char ca = pa[i];
        unsigned char cb = pb[i];
        if ((ca | cb) & 0x80) {
            // Beyond ASCII: compare the rest as Unicode text.
            const QString ra = QString::fromUtf8(reinterpret_cast<const char*>(pa + i), lenA - i);
            const QString rb = QString::fromUtf8(reinterpret_cast<const char*>(pb + i), lenB - i);
            return ra.compare(rb, Qt::CaseInsensitive);
        }
        if (ca >= 'A' && ca <= 'Z')
            ca = static_cast<unsigned char>(ca + 32);
        if (cb >= 'A' && cb <= 'Z')
            cb = static_cast<unsigned char>(cb + 32);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return lenA == lenB ? 0 : (lenA < lenB ? -1 : 1);
}

}  // namespace helpers

namespace {

void changeCase(sqlite3_context* ctx, int, sqlite3_value** argv, bool upper) {
    const QString s = textOf(argv[0]);
    resultText(ctx, upper ? s.toUpper() : s.toLower());
}

// LEFT and RIGHT: the first or last n characters, all of them when there are fewer.
void takeCharacters(sqlite3_context* ctx, int, sqlite3_value** argv, bool first) {
    const qint64 n = sqlite3_value_int64(argv[1]);
    if (n < 0) {
        resultError(ctx, ado::ServerError::InvalidLength, {calledName(ctx)});
        return;
    }
    const QString s = textOf(argv[0]);
    resultText(ctx, first ? s.left(n) : s.right(n));
}

}  // namespace

namespace native {

// STUFF(text, start, length, insert): NULL for a start outside the text or a negative length.
void stuff(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc - 1, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    QString text = textOf(argv[0]);
    const qint64 start = sqlite3_value_int64(argv[1]);
    const qint64 length = sqlite3_value_int64(argv[2]);
    if (start < 1 || start > text.size() || length < 0) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString insert = sqlite3_value_type(argv[3]) == SQLITE_NULL ? QString() : textOf(argv[3]);
    text.replace(start - 1, std::min<qint64>(length, text.size() - start + 1), insert);
    resultText(ctx, text);
}

void reverse(sqlite3_context* ctx, int, sqlite3_value** argv) {
    QString text = textOf(argv[0]);
    std::reverse(text.begin(), text.end());
    resultText(ctx, text);
}

void left(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    takeCharacters(ctx, argc, argv, true);
}

void right(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    takeCharacters(ctx, argc, argv, false);
}

void charIndex(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const qsizetype start = argc > 2 ? std::max<qsizetype>(1, sqlite3_value_int64(argv[2])) - 1 : 0;
    const qsizetype at = textOf(argv[1]).indexOf(textOf(argv[0]), start, Qt::CaseInsensitive);
    sqlite3_result_int64(ctx, at + 1);
}

// REPLICATE(text, n): as for every text that is not varchar(max), the result stops at 8,000
// characters (bytes of the single-byte code page).
void replicate(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_int64(argv[1]) < 0) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString unit = textOf(argv[0]);
    if (unit.isEmpty()) {
        resultText(ctx, unit);
        return;
    }
    const qint64 wanted = sqlite3_value_int64(argv[1]);
    const qint64 enough = (kMaxTextLength + unit.size() - 1) / unit.size();
    resultText(ctx, unit.repeated(std::min(wanted, enough)).left(kMaxTextLength));
}

// STR(number [, length [, decimals]]): right-aligned in `length` characters, with as many of
// the decimals (at most 16) as fit beside the whole part; asterisks when the whole part does
// not fit. A length outside 1..8000 or negative decimals give NULL.
void str(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const qint64 length = argc > 1 ? sqlite3_value_int64(argv[1]) : 10;
    const qint64 decimals = argc > 2 ? sqlite3_value_int64(argv[2]) : 0;
    if (length < 1 || length > kMaxTextLength || decimals < 0) {
        sqlite3_result_null(ctx);
        return;
    }
    const double number = numberArg(argv[0]);
    const QString stars(length, u'*');
    const QString whole = QString::number(number, 'f', 0);
    if (whole.size() > length) {
        resultText(ctx, stars);
        return;
    }
    const qint64 room = length - whole.size() - 1;  // beside the whole part and the point
    const auto shown =
        static_cast<int>(std::max<qint64>(0, std::min<qint64>({decimals, 16, room})));
    const QString s = QString::number(number, 'f', shown);
    resultText(ctx, s.size() > length ? stars : s.rightJustified(length, u' '));
}

void upper(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    changeCase(ctx, argc, argv, true);
}

void lower(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    changeCase(ctx, argc, argv, false);
}

// REPLACE(text, pattern, replacement): the pattern is found as the collation compares, letter
// case ignored; an empty pattern replaces nothing.
void replace(sqlite3_context* ctx, int, sqlite3_value** argv) {
    QString text = textOf(argv[0]);
    const QString pattern = textOf(argv[1]);
    if (!pattern.isEmpty())
        text.replace(pattern, textOf(argv[2]), Qt::CaseInsensitive);
    resultText(ctx, text);
}

// SUBSTRING(text, start, length): the characters from `start` to `start + length - 1` that lie
// within the text (a start below 1 takes fewer); a negative length is an error.
void substring(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const QString text = textOf(argv[0]);
    const sqlite3_int64 start = sqlite3_value_int64(argv[1]);
    const sqlite3_int64 length = sqlite3_value_int64(argv[2]);
    if (length < 0) {
        return resultError(ctx, ado::ServerError::InvalidLength, {QStringLiteral("substring")});
    }
    const sqlite3_int64 first = std::max<sqlite3_int64>(start, 1);
    const sqlite3_int64 end = start > std::numeric_limits<sqlite3_int64>::max() - length
                                  ? std::numeric_limits<sqlite3_int64>::max()
                                  : start + length;  // one past the last
    const sqlite3_int64 last = std::min<sqlite3_int64>(end, text.size() + 1);
    if (last <= first) {
        resultText(ctx, QString());
        return;
    }
    resultText(ctx, text.mid(first - 1, last - first));
}

// The characters of Windows-1252 (the default collation's code page) at 0x80-0x9F, where it
// differs from Latin-1; the five it leaves undefined keep their own code.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// CHAR(n): the character of code n in Windows-1252, NULL outside 0-255.
void character(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const double v = numberArg(argv[0]);
    if (!(v >= 0 && v < 256)) {
        sqlite3_result_null(ctx);
        return;
    }
    const int code = static_cast<int>(v);
    const char16_t c = code >= 0x80 && code < 0xA0 ? kCp1252High[code - 0x80] : char16_t(code);
    resultText(ctx, QString(QChar(c)));
}

// ASCII(text): the Windows-1252 code of its first character ('?' for one the code page lacks),
// NULL for empty text.
void ascii(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const QString t = textOf(argv[0]);
    if (t.isEmpty()) {
        sqlite3_result_null(ctx);
        return;
    }
    const char16_t c = t[0].unicode();
    int code = c < 0x100 && !(c >= 0x80 && c < 0xA0) ? int(c) : '?';
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == c)
            code = 0x80 + i;
    }
    sqlite3_result_int(ctx, code);
}

}  // namespace native

}  // namespace ado
