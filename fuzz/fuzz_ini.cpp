// The INI reader and writer on arbitrary files: read every key, write one key back, read
// again. The written key reads back, every other key keeps its value, and comment lines
// survive. The first input line chooses the key and value to write; the rest is the file.
#include "fuzz/FuzzTarget.h"
#include "ui/TIni.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {

std::unique_ptr<QTemporaryDir> g_dir;

using Entry = std::pair<QString, QString>;  // section, key

// The keys a reader may find: every "name=" line under its "[section]" header.
std::vector<Entry> candidateKeys(const QString& text) {
    std::vector<Entry> keys;
    QString section;
    bool inSection = false;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            section = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = true;
        } else if (inSection && line.contains(QLatin1Char('=')) && keys.size() < 64) {
            keys.emplace_back(section, line.left(line.indexOf(QLatin1Char('='))).trimmed());
        }
    }
    return keys;
}

// A value that must read back exactly as written: printable ASCII, no quotes, no blanks at
// either end.
bool plainValue(const QString& v) {
    for (const QChar c : v)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E || c == u'"' || c == u'\'')
            return false;
    return v == v.trimmed();
}

QStringList commentLines(const QByteArray& bytes) {
    QStringList out;
    for (const QByteArray& line : bytes.split('\n')) {
        const QByteArray t = line.trimmed();
        if (t.startsWith(';') && !t.contains('\r'))
            out << QString::fromLatin1(t);
    }
    return out;
}

bool validUtf8(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);  // decoding happens on conversion
    Q_UNUSED(text);
    return !utf8.hasError();
}

bool rereadAsUtf8(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = f.readAll();
    const bool accented =
        std::any_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
    return accented && validUtf8(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_dir = std::make_unique<QTemporaryDir>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype nl = input.indexOf('\n');
    const QByteArray head = nl < 0 ? input : input.left(nl);
    const QByteArray file = nl < 0 ? QByteArray() : input.mid(nl + 1);

    const QString path = QDir(g_dir->path()).filePath(QStringLiteral("config.ini"));
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(file);
    }
    static const char* const kSections[] = {"CONFIG", "VARIABLES", "config", "Otra"};
    static const char* const kKeys[] = {"SERVER", "BD", "Usuario", "MOTOR"};
    const int pick = head.isEmpty() ? 0 : static_cast<unsigned char>(head[0]);
    const QString section = QString::fromLatin1(kSections[pick % 4]);
    const QString key = QString::fromLatin1(kKeys[(pick / 4) % 4]);
    const QString value = QString::fromUtf8(head.mid(1));

    const QString text = QString::fromLatin1(file);
    const std::vector<Entry> keys = candidateKeys(text);
    const TIni ini(path);
    const QString absent = QStringLiteral("\x01 absent");
    std::vector<QString> before;
    for (const auto& [s, k] : keys)
        before.push_back(ini.GetEntry(s, k, absent));

    TIni writer(path);
    FUZZ_CHECK(writer.SetEntry(section, key, value));

    // A Windows-1252 file is told from UTF-8 only by bytes that UTF-8 does not allow. When the
    // write removed the last of them and the accented bytes left happen to form UTF-8 ("Ã±"),
    // the file reads as UTF-8 from then on: the bytes cannot say otherwise, so other keys are
    // not compared in that case.
    if (!validUtf8(file) && rereadAsUtf8(path))
        return 0;
    const TIni after(path);
    if (plainValue(value))
        FUZZ_CHECK(after.GetEntry(section, key, absent) == value);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto& [s, k] = keys[i];
        if (s.compare(section, Qt::CaseInsensitive) == 0 &&
            k.compare(key, Qt::CaseInsensitive) == 0)
            continue;
        FUZZ_CHECK(after.GetEntry(s, k, absent) == before[i]);
    }
    QFile written(path);
    FUZZ_CHECK(written.open(QIODevice::ReadOnly));
    const QStringList afterComments = commentLines(written.readAll());
    for (const QString& c : commentLines(file))
        FUZZ_CHECK(afterComments.contains(c));
    return 0;
}
