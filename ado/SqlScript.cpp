#include "ado/SqlScript.h"

#include <QRegularExpression>

namespace sql {

bool isBatchSeparator(const QString& line) {
    return line.trimmed().toUpper().startsWith(QStringLiteral("GO"));
}

QStringList splitBatches(const QStringList& lines, TrailingBatch trailing) {
    QStringList batches;
    QString batch;
    auto flush = [&] {
        if (!batch.trimmed().isEmpty())
            batches << batch;
        batch.clear();
    };
    for (const QString& line : lines) {
        if (isBatchSeparator(line)) {
            flush();
        } else {
            batch += line + QStringLiteral("\r\n");
        }
    }
    if (trailing == TrailingBatch::Run)
        flush();
    return batches;
}

QStringList splitBatches(const QString& script, TrailingBatch trailing) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = script.split(lineBreak);
    // The text after the last line break is a line only when it holds something.
    if (lines.last().isEmpty())
        lines.removeLast();
    return splitBatches(lines, trailing);
}

}  // namespace sql
