#pragma once

#include <QString>
#include <QVariant>

// INI file with Windows private-profile semantics: section and key names ignore letter case,
// a missing file reads as all defaults and is created by the first write, values are
// written trimmed, other sections, keys, comments and their order survive a write, and
// malformed lines are tolerated. Every call reads or writes the file anew, as the Windows
// functions do. The application always uses ".\config.ini" (IniPath()).
class TIni {
public:
    explicit TIni(QString path);
    static TIni New(const QString& path) { return TIni(path); }

    QString GetEntry(const QString& section, const QString& key,
                     const QString& def = {}) const;
    // Numeric default: the stored text converted to a number (0 when it is not one).
    double GetEntry(const QString& section, const QString& key, double def) const;
    int GetEntry(const QString& section, const QString& key, int def) const;
    // Logical default: true when the upper-cased stored text is contained in ".T.".
    bool GetEntry(const QString& section, const QString& key, bool def) const;

    void SetEntry(const QString& section, const QString& key, const QString& value);

    const QString& path() const { return m_path; }

private:
    QString m_path;
};

// Path of the application's settings file: config.ini in the current directory.
QString IniPath();
// Shorthands for the application's settings file.
QString LeeIni(const QString& section, const QString& key);
void EscribeIni(const QString& section, const QString& key, const QString& value);
