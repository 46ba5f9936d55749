#include "ado/SqlLiteral.h"

#include "ado/AdoError.h"

bool CabeEnLiteral(QStringView text) {
    return !text.contains(QChar(u'\0'));
}

QString SqlLiteral(QStringView text) {
    if (!CabeEnLiteral(text))
        throw ado::Error(QStringLiteral("SqlLiteral"),
                         QStringLiteral("Un texto con el carácter NUL no puede ir en una "
                                        "sentencia."));
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('\'');
    for (const QChar c : text) {
        if (c == QLatin1Char('\''))
            out += QLatin1Char('\'');
        out += c;
    }
    out += QLatin1Char('\'');
    return out;
}
