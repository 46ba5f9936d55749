// Private-profile (INI) access written here rather than taken from a library, because none
// of the ones at hand keeps the Windows semantics that the family's config.ini relies on:
// - QSettings (IniFormat) rewrites the whole file on sync, drops comments and the order of
//   unknown keys, treats keys case-sensitively and escapes/quotes values its own way;
// - libinih only reads (no writing at all), and matches names case-sensitively unless
//   rebuilt with other flags;
// - glib's GKeyFile matches group and key names case-sensitively, refuses files with
//   malformed lines or invalid UTF-8 (the family's files are ANSI), and applies its own
//   escapes (\s, \n, lists with ';') to values.
// The format is small: a line-preserving reader and writer below does exactly what the
// Windows functions do for the cases this program meets.

#include "ui/TIni.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

// ---- Windows-1252 ----

// Code points of the bytes 0x80..0x9F; the five undefined bytes map to themselves, as
// Windows' own conversion does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromCp1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return out;
}

QByteArray ToCp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out += static_cast<char>(u);
            continue;
        }
        char byte = '?';  // not representable in the code page
        for (int i = 0; i < 32; ++i)
            if (kCp1252High[i] == u)
                byte = static_cast<char>(0x80 + i);
        out += byte;
    }
    return out;
}

// ---- The file as lines ----

enum class Encoding { Utf8, Utf8Bom, Cp1252 };

struct IniText {
    std::vector<QString> lines;  // without line ends
    Encoding encoding = Encoding::Utf8;
    QString eol = QStringLiteral("\n");
    bool finalEol = true;
    bool exists = false;
};

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString TrimBlanks(const QString& s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

IniText Load(const QString& path) {
    IniText ini;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return ini;
    ini.exists = true;
    QByteArray bytes = f.readAll();

    QString text;
    // Editors that add a byte-order mark to a file that already has one leave several: all
    // are read past, and a write puts back one.
    qsizetype marks = 0;
    while (bytes.sliced(marks).startsWith("\xEF\xBB\xBF"))
        marks += 3;
    if (marks > 0) {
        ini.encoding = Encoding::Utf8Bom;
        bytes.remove(0, marks);
        text = QString::fromUtf8(bytes);
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(bytes);
        if (utf8.hasError()) {
            ini.encoding = Encoding::Cp1252;
            text = FromCp1252(bytes);
        }
    }

    const qsizetype firstLf = text.indexOf(QLatin1Char('\n'));
    if (firstLf > 0 && text[firstLf - 1] == QLatin1Char('\r'))
        ini.eol = QStringLiteral("\r\n");
    ini.finalEol = text.isEmpty() || text.endsWith(QLatin1Char('\n'));

    const QStringList parts = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i == parts.size() - 1 && parts[i].isEmpty())
            break;  // after the final line end
        QString line = parts[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        ini.lines.push_back(line);
    }
    return ini;
}

bool Save(const QString& path, const IniText& ini) {
    QString text;
    for (std::size_t i = 0; i < ini.lines.size(); ++i) {
        text += ini.lines[i];
        if (i + 1 < ini.lines.size() || ini.finalEol)
            text += ini.eol;
    }
    QByteArray bytes;
    switch (ini.encoding) {
        case Encoding::Utf8:
            bytes = text.toUtf8();
            break;
        case Encoding::Utf8Bom:
            bytes = "\xEF\xBB\xBF" + text.toUtf8();
            break;
        case Encoding::Cp1252:
            bytes = ToCp1252(text);
            break;
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(bytes);
    return f.commit();
}

// What one line is. A section header is "[name]" (text after "]" ignored); a key line is
// "name=value"; blank lines, comments (";" or "#") and anything else are kept untouched.
struct LineInfo {
    enum Kind { Other, Section, Key } kind = Other;
    QString name;
    QString value;  // raw, trimmed
};

LineInfo Classify(const QString& line) {
    const QString t = TrimBlanks(line);
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#')))
        return {};
    if (t.startsWith(QLatin1Char('['))) {
        const qsizetype close = t.indexOf(QLatin1Char(']'));
        const QString name = close < 0 ? t.mid(1) : t.mid(1, close - 1);
        return {LineInfo::Section, TrimBlanks(name), {}};
    }
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return {};
    return {LineInfo::Key, TrimBlanks(t.left(eq)), TrimBlanks(t.mid(eq + 1))};
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the first section header with that name.
std::optional<std::size_t> FindSection(const IniText& ini, const QString& section) {
    for (std::size_t i = 0; i < ini.lines.size(); ++i) {
        const LineInfo info = Classify(ini.lines[i]);
        if (info.kind == LineInfo::Section && SameName(info.name, section))
            return i;
    }
    return std::nullopt;
}

// The raw value of the key inside the first section of that name, or nothing.
std::optional<QString> Lookup(const IniText& ini, const QString& section, const QString& key) {
    const auto start = FindSection(ini, section);
    if (!start)
        return std::nullopt;
    for (std::size_t i = *start + 1; i < ini.lines.size(); ++i) {
        const LineInfo info = Classify(ini.lines[i]);
        if (info.kind == LineInfo::Section)
            break;
        if (info.kind == LineInfo::Key && SameName(info.name, key))
            return info.value;
    }
    return std::nullopt;
}

bool Quoted(const QString& v) {
    return v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) &&
           v.back() == v.front();
}

// Windows drops one pair of matching quotes around the whole value.
QString Unquote(const QString& v) {
    return Quoted(v) ? v.mid(1, v.size() - 2) : v;
}

// The text to store so that reading gives `v` back: a value that reading would trim or
// unquote goes inside one more pair of quotes.
QString Protect(const QString& v) {
    const bool blankEnds = !v.isEmpty() && (IsBlank(v.front()) || IsBlank(v.back()));
    if (Quoted(v) || blankEnds)
        return QLatin1Char('"') + v + QLatin1Char('"');
    return v;
}

std::optional<QString> ReadValue(const QString& path, const QString& section, const QString& key) {
    const auto raw = Lookup(Load(path), section, key);
    if (!raw)
        return std::nullopt;
    return Unquote(*raw);
}

// The number at the start of the text, as the runtime's Val() reads it: leading blanks,
// an optional sign, digits with an optional decimal point; 0 when there is none.
double LeadingNumber(const QString& text) {
    const QString t = TrimBlanks(text);
    qsizetype n = 0;
    if (n < t.size() && (t[n] == QLatin1Char('-') || t[n] == QLatin1Char('+')))
        ++n;
    bool digits = false;
    bool point = false;
    for (; n < t.size(); ++n) {
        if (t[n].isDigit() && t[n].unicode() < 0x80) {
            digits = true;
        } else if (t[n] == QLatin1Char('.') && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    bool ok = false;
    const double v = t.left(n).toDouble(&ok);
    return ok ? v : 0.0;
}

}  // namespace

TIni::TIni(QString path) : m_path(std::move(path)) {}

QString TIni::GetEntry(const QString& section, const QString& key, const QString& def) const {
    return ReadValue(m_path, section, key).value_or(def);
}

double TIni::GetEntry(const QString& section, const QString& key, double def) const {
    const auto v = ReadValue(m_path, section, key);
    return v ? LeadingNumber(*v) : def;
}

int TIni::GetEntry(const QString& section, const QString& key, int def) const {
    const auto v = ReadValue(m_path, section, key);
    if (!v)
        return def;
    const double d = std::trunc(LeadingNumber(*v));
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    return static_cast<int>(d < lo ? lo : (d > hi ? hi : d));
}

bool TIni::GetEntry(const QString& section, const QString& key, bool def) const {
    const auto v = ReadValue(m_path, section, key);
    return v ? QStringLiteral(".T.").contains(v->toUpper()) : def;
}

bool TIni::SetEntry(const QString& section, const QString& key, const QString& value) {
    QString clean = value;
    clean.replace(QLatin1String("\r\n"), QLatin1String(" "));
    clean.replace(QLatin1Char('\r'), QLatin1Char(' '));
    clean.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return WriteRaw(section, key, Protect(TrimBlanks(clean)));
}

bool TIni::SetEntryExact(const QString& section, const QString& key, const QString& value) {
    for (const QChar c : value)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(u'\0'))
            return false;
    if (Load(m_path).encoding == Encoding::Cp1252 && FromCp1252(ToCp1252(value)) != value)
        return false;
    return WriteRaw(section, key, Protect(value));
}

bool TIni::WriteRaw(const QString& section, const QString& key, const QString& clean) {
    IniText ini = Load(m_path);
    const QString keyName = TrimBlanks(key);
    const auto start = FindSection(ini, section);
    if (!start) {
        if (!ini.lines.empty() && !TrimBlanks(ini.lines.back()).isEmpty())
            ini.lines.emplace_back();
        ini.lines.push_back(QLatin1Char('[') + TrimBlanks(section) + QLatin1Char(']'));
        ini.lines.push_back(keyName + QLatin1Char('=') + clean);
        ini.finalEol = true;
        return Save(m_path, ini);
    }

    std::size_t lastContent = *start;  // the key goes after the section's last non-blank line
    for (std::size_t i = *start + 1; i < ini.lines.size(); ++i) {
        const LineInfo info = Classify(ini.lines[i]);
        if (info.kind == LineInfo::Section)
            break;
        if (info.kind == LineInfo::Key && SameName(info.name, keyName)) {
            ini.lines[i] = info.name + QLatin1Char('=') + clean;  // the stored spelling stays
            return Save(m_path, ini);
        }
        if (!TrimBlanks(ini.lines[i]).isEmpty())
            lastContent = i;
    }
    ini.lines.insert(ini.lines.begin() + static_cast<std::ptrdiff_t>(lastContent) + 1,
                     keyName + QLatin1Char('=') + clean);
    if (lastContent + 2 == ini.lines.size())
        ini.finalEol = true;
    return Save(m_path, ini);
}

QString IniPath() {
    return QStringLiteral("config.ini");
}

QString LeeIni(const QString& section, const QString& key) {
    return TIni(IniPath()).GetEntry(section, key, QString());
}

void EscribeIni(const QString& section, const QString& key, const QString& value) {
    TIni(IniPath()).SetEntry(section, key, value);
}

bool EscribeIniExacto(const QString& section, const QString& key, const QString& value) {
    return TIni(IniPath()).SetEntryExact(section, key, value);
}
