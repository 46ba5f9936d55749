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

#include "ui/Cp1252.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

// ---- The file as lines ----

struct IniText {
    std::vector<QString> lines;  // without line ends
    TextEncoding encoding = TextEncoding::Utf8;
    // Nothing but ASCII (or no file yet): both encodings read it alike, so the file has not
    // chosen one. It takes Windows-1252, what the payroll family's other programs read, when
    // a value first brings a character beyond ASCII, and UTF-8 only for a character that
    // Windows-1252 cannot hold.
    bool undecided = true;
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

bool IsAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// The encoding an undecided file takes for this text.
TextEncoding ChosenEncoding(const QString& text) {
    if (IsAscii(text))
        return TextEncoding::Utf8;
    qsizetype unmappable = -1;
    cp1252::encode(text, &unmappable);
    return unmappable >= 0 ? TextEncoding::Utf8 : TextEncoding::Cp1252;
}

IniText Load(const QString& path) {
    IniText ini;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return ini;
    ini.exists = true;
    const DecodedText decoded = DecodeText(f.readAll());
    const QString& text = decoded.text;
    ini.encoding = decoded.encoding;
    ini.undecided = decoded.encoding == TextEncoding::Utf8 && IsAscii(text);

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
    const QByteArray bytes = EncodeText(text, ini.undecided ? ChosenEncoding(text) : ini.encoding);
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
    qsizetype unmappable = -1;
    const TextEncoding encoding = Load(m_path).encoding;
    if ((encoding == TextEncoding::Cp1252 || encoding == TextEncoding::Cp1252Bom) &&
        (cp1252::encode(value, &unmappable), unmappable >= 0))
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
