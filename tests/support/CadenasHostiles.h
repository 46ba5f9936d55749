#pragma once

// Text typed to break the sign-in, the password change, the settings and the company
// access: quotes and statement fragments, comment markers, brackets, LIKE wildcards, control
// characters, blanks at the ends, characters outside Windows-1252, very long text and a
// batch separator line. Each says whether the account table holds it exactly as a user name
// (at most 20 characters of Windows-1252, no control character, no blank at either end) and
// as a password (at most 50 characters of Windows-1252, scrambled without the byte 0).

#include <QString>

#include <string>
#include <vector>

namespace prueba {

struct Hostil {
    QString texto;
    bool nombre;    // a user name stored exactly
    bool password;  // a password that can be stored
};

// The text for a failure message: control characters spelled out, long text shortened.
inline std::string Muestra(const QString& texto) {
    QString s = texto.left(24);
    s.replace(QChar(u'\0'), QStringLiteral("\\0"));
    s.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    s.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return (s + (texto.size() > 24 ? QStringLiteral("...(%1)").arg(texto.size()) : QString()))
        .toStdString();
}

inline QString ConNul(const char* antes, const char* despues) {
    return QString::fromUtf8(antes) + QChar(u'\0') + QString::fromUtf8(despues);
}

inline std::vector<Hostil> CadenasHostiles() {
    const auto t = [](const char* s) { return QString::fromUtf8(s); };
    return {
        {t("'"), true, true},
        {t("''"), true, true},
        {t("\""), true, true},
        {t("O'Hara"), true, true},
        {t("x' or '1'='1"), true, true},
        {t("' or ''='"), true, true},
        {t("admin'--"), true, true},
        {t("a';drop table hpwd--"), true, true},
        {t("/* x */"), true, true},
        {t("-- x"), true, true},
        {t("[usuarios]"), true, true},
        {t("]"), true, true},
        {t("%"), true, true},
        {t("_"), true, true},
        {t("[a-z]%"), true, true},
        {t("'Administrador'"), true, true},
        {t("\"Administrador\""), true, true},
        {t("\\'"), true, true},
        {t("ñandú€"), true, true},
        {t("ö÷ø"), true, true},
        {t("NULL"), true, true},
        {ConNul("a", "b"), false, true},
        {ConNul("", ""), false, true},
        {t("Administrador\r\n"), false, true},
        {t("a\nb"), false, true},
        {t("x\r"), false, true},
        {t("a\tb"), false, true},
        {t("  x1  "), false, true},
        {t("  Administrador"), false, true},
        {t("Administrador "), false, true},
        {t("Жуков"), false, false},
        {t("😀"), false, false},
        {t("admin123Ж"), false, false},
        {t("admin123😀"), false, false},
        {t("x\r\nGO\r\ny"), false, true},
        {t("GO"), true, true},
        {QString(21, u'u'), false, true},
        {QString(50, u'p'), false, true},
        {QString(51, u'p'), false, false},
        {QString(5000, u'x'), false, false},
        {t("÷x"), true, false},  // ÷ first scrambles to the byte 0
    };
}

}  // namespace prueba
