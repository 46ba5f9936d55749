#pragma once

#include "data/AdoError.h"
#include "data/Engine.h"

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// The scripts under sql/ of the source tree.
inline QString sqlFile(const char* name) {
    return QStringLiteral(OXTA_SOURCE_DIR "/sql/") + QString::fromLatin1(name);
}

// Splits a script at its GO lines and runs every batch that holds more than blanks and
// comments; a failing batch is reported as a test failure naming it, and the run goes on.
inline void runScript(ado::Engine& engine, const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    static const QRegularExpression go(QStringLiteral("^\\s*GO\\s*$"),
                                       QRegularExpression::CaseInsensitiveOption);
    QString batch;
    int number = 0;
    auto flush = [&] {
        bool hasCode = false;
        for (const QString& l : batch.split(u'\n')) {
            const QString t = l.trimmed();
            if (!t.isEmpty() && !t.startsWith(QLatin1String("--")))
                hasCode = true;
        }
        ++number;
        if (hasCode) {
            try {
                engine.execute(batch);
            } catch (const ado::Error& e) {
                ADD_FAILURE() << path.toStdString() << " batch " << number << ": " << e.what()
                              << "\n"
                              << batch.left(400).toStdString();
            }
        }
        batch.clear();
    };
    for (const QString& line : lines) {
        if (go.match(line).hasMatch())
            flush();
        else
            batch += line + u'\n';
    }
    flush();
}
