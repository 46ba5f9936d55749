#include "app/ScriptActualizacion.h"

#include "security/Cp1252.h"

#include <QStringDecoder>

namespace actualiza {

QString DecodificaTexto(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8.decode(bytes);
    if (utf8.hasError())
        return cp1252::decode(bytes);
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);
    return texto;
}

QStringList Lineas(const QString& texto) {
    QStringList lineas = texto.split(QLatin1Char('\n'));
    if (!lineas.isEmpty() && lineas.last().isEmpty())
        lineas.removeLast();
    for (QString& linea : lineas)
        if (linea.endsWith(QLatin1Char('\r')))
            linea.chop(1);
    return lineas;
}

QString LineaFija(const QString& linea) {
    return linea.left(kAnchoLinea).leftJustified(kAnchoLinea, QLatin1Char(' '));
}

bool EsSeparador(const QString& linea) {
    return linea.trimmed().toUpper().startsWith(QLatin1String("GO"));
}

QStringList Lotes(const QStringList& lineas) {
    QStringList lotes;
    QString lote;
    for (const QString& linea : lineas) {
        const QString fija = LineaFija(linea);
        if (EsSeparador(fija)) {
            if (!lote.trimmed().isEmpty())
                lotes.append(lote);
            lote.clear();
        } else {
            lote += fija + QLatin1String("\r\n");
        }
    }
    return lotes;  // what follows the last separator is never sent
}

}  // namespace actualiza
