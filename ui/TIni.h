#pragma once

#include <QString>
#include <QVariant>

// INI file with Windows private-profile semantics: section and key names ignore letter case,
// a missing file reads as all defaults and is created by the first write, values are
// written trimmed, other sections, keys, comments and their order survive a write, and
// malformed lines are tolerated. Every call reads or writes the file anew, as the Windows
// functions do. The application always uses ".\config.ini" (IniPath()).
//
// Values are read trimmed of blanks, with one pair of quotes around the whole value removed.
// The file is read as UTF-8, or as Windows-1252 when its bytes are not valid UTF-8, and is
// written back in the encoding it was read in (a new file is UTF-8); CRLF line ends stay.
class TIni {
  public:
    explicit TIni(QString path);
    static TIni New(const QString& path) { return TIni(path); }

    QString GetEntry(const QString& section, const QString& key, const QString& def = {}) const;
    // A text literal as default is a text default (and not, through the pointer, a logical).
    QString GetEntry(const QString& section, const QString& key, const char* def) const {
        return GetEntry(section, key, QString::fromUtf8(def));
    }
    // Numeric default: the stored text converted to a number (0 when it is not one); only
    // an absent key gives the default.
    double GetEntry(const QString& section, const QString& key, double def) const;
    int GetEntry(const QString& section, const QString& key, int def) const;
    // Logical default: true when the upper-cased stored text is contained in ".T." (so the
    // empty text, "T", "t", "." and ".T." read true); an absent key gives the default.
    bool GetEntry(const QString& section, const QString& key, bool def) const;

    // Writes the value as trimmed text (line breaks inside it become blanks). Returns false
    // when the file could not be written, as WritePrivateProfileString does. A value that
    // reading would unquote ('x', "x") is stored inside one more pair of quotes, so it reads
    // back as written.
    bool SetEntry(const QString& section, const QString& key, const QString& value);
    // Writes the value so that GetEntry gives it back exactly, blanks at its ends included
    // (such a value is stored between quotes). Returns false, writing nothing, for a value
    // that the file cannot hold: a line break, NUL, or a character that a Windows-1252 file
    // has no byte for.
    bool SetEntryExact(const QString& section, const QString& key, const QString& value);

    const QString& path() const { return m_path; }

  private:
    bool WriteRaw(const QString& section, const QString& key, const QString& stored);

    QString m_path;
};

// Path of the application's settings file: config.ini in the current directory.
QString IniPath();
// Shorthands for the application's settings file.
QString LeeIni(const QString& section, const QString& key);
void EscribeIni(const QString& section, const QString& key, const QString& value);
bool EscribeIniExacto(const QString& section, const QString& key, const QString& value);
