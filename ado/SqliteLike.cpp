// LIKE and PATINDEX: SQL Server's patterns as regular expressions, ordered by the collation.
#include "ado/SqliteFunctionSupport.h"
#include "ado/SqliteFunctions.h"

#include <QRegularExpression>

#include <sqlite3.h>

#include <unordered_map>

namespace ado {

using namespace support;

namespace {

// Where a character sorts in the collation, letter case aside: punctuation and symbols
// first, then the digits, then the letters, each accented letter right after its base letter
// (so that [0-a] takes the digits and a, and [a-c] takes á).
int collationKey(QChar c) {
    QChar base = c;
    int accent = 0;
    if (c.decompositionTag() == QChar::Canonical) {
        const QString parts = c.decomposition();
        base = parts.front();
        accent = 1 + (parts.size() > 1 ? parts[1].unicode() % 64 : 0);
    }
    base = base.toLower();
    if (base >= u'a' && base <= u'z')
        return 20000 + (base.unicode() - u'a') * 100 + accent;
    if (base >= u'0' && base <= u'9')
        return 10000 + (base.unicode() - u'0') * 100;
    return c.unicode() < 10000 ? c.unicode() : 30000 + c.unicode();
}

// A LIKE range [first-last] as a regular expression's class body: the characters of the
// Latin alphabets that sort between its ends in the collation; other characters by their
// code points.
QString rangeClass(QChar first, QChar last) {
    const int low = collationKey(first);
    const int high = collationKey(last);
    QString body;
    for (char16_t u = 0x20; u < 0x250; ++u) {
        const int key = collationKey(QChar(u));
        if (key >= low && key <= high)
            body += QRegularExpression::escape(QString(QChar(u)));
    }
    if (last.unicode() >= 0x250 && first <= last) {
        body += QRegularExpression::escape(QString(std::max(first, QChar(0x250)))) + u'-' +
                QRegularExpression::escape(QString(last));
    }
    return body;
}

// LIKE as SQL Server reads it: % and _, character sets [a-c] and [^a-c], letter case ignored
// (beyond ASCII too), trailing blanks of the value ignored, an optional escape character.
QRegularExpression likeRegex(const QString& pattern, QChar escape) {
    QString re = QStringLiteral("^");
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (!escape.isNull() && c == escape && i + 1 < pattern.size()) {
            re += QRegularExpression::escape(QString(pattern[++i]));
        } else if (c == u'%') {
            re += QStringLiteral(".*");
        } else if (c == u'_') {
            re += u'.';
        } else if (c == u'[') {
            const qsizetype close = pattern.indexOf(u']', i + 1);
            if (close < 0) {
                re += QStringLiteral("\\[");
                continue;
            }
            QString set = pattern.mid(i + 1, close - i - 1);
            const bool negated = set.startsWith(u'^');
            if (negated)
                set.remove(0, 1);
            QString body;
            for (qsizetype k = 0; k < set.size(); ++k) {
                if (k + 2 < set.size() && set[k + 1] == u'-') {
                    body += rangeClass(set[k], set[k + 2]);
                    k += 2;
                } else {
                    body += QRegularExpression::escape(QString(set[k]));
                }
            }
            if (body.isEmpty()) {
                re += negated ? QStringLiteral(".") : QStringLiteral("(?!)");
                i = close;
                continue;
            }
            re += (negated ? QStringLiteral("[^") : QStringLiteral("[")) + body + u']';
            i = close;
        } else {
            re += QRegularExpression::escape(QString(c));
        }
    }
    return QRegularExpression(
        re + QStringLiteral("$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
}

// The expression of a pattern, compiled once per thread and pattern. (Not kept with
// sqlite3_set_auxdata: SQLite keeps those in one list per statement and scans it on every call,
// so many LIKEs of constant patterns in one statement would cost the square of their number.)
// A program uses few patterns; the table is emptied should a flood of them fill it.
const QRegularExpression& compiledPattern(const QString& pattern, QChar escape) {
    thread_local std::unordered_map<QString, QRegularExpression> compiled;
    constexpr std::size_t kMostPatterns = 1024;
    QString key = escape.isNull() ? QString() : QString(escape);
    key += u'\x1f' + pattern;
    if (const auto it = compiled.find(key); it != compiled.end())
        return it->second;
    if (compiled.size() >= kMostPatterns)
        compiled.clear();
    QRegularExpression re = likeRegex(pattern, escape);
    re.optimize();
    return compiled.emplace(std::move(key), std::move(re)).first->second;
}

}  // namespace

namespace native {

// like(pattern, value [, escape]): SQLite calls it for "value LIKE pattern".
void like(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const QString escapeText = argc > 2 ? textOf(argv[2]) : QString();
    if (argc > 2 && escapeText.size() != 1) {
        return resultError(ctx, ado::ServerError::InvalidEscape, {escapeText});
    }
    const QChar escape = escapeText.isEmpty() ? QChar() : escapeText.front();
    const QRegularExpression& cached = compiledPattern(textOf(argv[0]), escape);
    // Trailing blanks of the value do not count, but a pattern may name them (as it does the
    // blanks that pad a char(n) column).
    const QString value = textOf(argv[1]);
    qsizetype end = value.size();
    while (end > 0 && value[end - 1] == u' ')
        --end;
    const bool matches = cached.match(QStringView(value).left(end)).hasMatch() ||
                         (end < value.size() && cached.match(value).hasMatch());
    sqlite3_result_int(ctx, matches ? 1 : 0);
}

// PATINDEX(pattern, text): where the first match of a LIKE pattern starts, 0 for none. A
// pattern without a leading % matches at the start only.
void patIndex(sqlite3_context* ctx, int, sqlite3_value** argv) {
    QString pattern = textOf(argv[0]);
    const QString text = textOf(argv[1]);
    qsizetype lead = 0;
    while (lead < pattern.size() && pattern[lead] == u'%')
        ++lead;
    const QRegularExpression& re = compiledPattern(pattern.mid(lead), QChar());
    const qsizetype last = lead > 0 ? text.size() : 0;
    for (qsizetype i = 0; i <= last; ++i) {
        if (re.match(QStringView(text).mid(i)).hasMatch()) {
            sqlite3_result_int64(ctx, i + 1);
            return;
        }
    }
    sqlite3_result_int64(ctx, 0);
}

}  // namespace native

}  // namespace ado
