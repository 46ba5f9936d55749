#include "app/ScriptActualizacion.h"

#include "ado/SqlScript.h"

namespace actualiza {

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

QStringList Lotes(const QStringList& lineas) {
    QStringList fijas;
    fijas.reserve(lineas.size());
    for (const QString& linea : lineas)
        fijas << LineaFija(linea);
    // What follows the last separator is never sent.
    return sql::splitBatches(fijas, sql::TrailingBatch::Ignore);
}

}  // namespace actualiza
