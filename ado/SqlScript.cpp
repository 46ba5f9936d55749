#include "ado/SqlScript.h"

#include <QRegularExpression>

namespace sql {

bool isBatchSeparator(const QString& line) {
    return line.trimmed().toUpper().startsWith(QStringLiteral("GO"));
}

QStringList splitBatches(const QString& script, TrailingBatch trailing) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList batches;
    QString batch;
    auto flush = [&] {
        if (!batch.trimmed().isEmpty())
            batches << batch;
        batch.clear();
    };
    const QStringList lines = script.split(lineBreak);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        // The text after the last line break is a line only when it holds something.
        if (i == lines.size() - 1 && line.isEmpty())
            break;
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

}  // namespace sql
