#include "ado/SqlLiteral.h"

#include "ado/AdoError.h"

namespace {

void refuseNul(QStringView text) {
    if (!CabeEnLiteral(text))
        throw ado::Error(QStringLiteral("SqlLiteral"),
                         QStringLiteral("Un texto con el carácter NUL no puede ir en una "
                                        "sentencia."));
}

}  // namespace

bool CabeEnLiteral(QStringView text) {
    return !text.contains(QChar(u'\0'));
}

QString SqlInsideQuotes(QStringView text) {
    refuseNul(text);
    QString out;
    out.reserve(text.size() + 2);
    for (const QChar c : text) {
        if (c == QLatin1Char('\''))
            out += QLatin1Char('\'');
        out += c;
    }
    return out;
}

QString SqlLiteral(QStringView text) {
    return QLatin1Char('\'') + SqlInsideQuotes(text) + QLatin1Char('\'');
}

bool IsWholeNumber(QStringView key) {
    bool ok = false;
    (void)key.trimmed().toLongLong(&ok);
    return ok;
}

QString SqlWholeNumber(QStringView key) {
    bool ok = false;
    const qlonglong n = key.trimmed().toLongLong(&ok);
    if (!ok)
        throw ado::Error(QStringLiteral("SqlWholeNumber"),
                         QStringLiteral("La clave \"%1\" no es un número.")
                             .arg(key.left(40).toString()));
    return QString::number(n);
}
