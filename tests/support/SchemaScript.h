#pragma once

#include "ado/AdoError.h"
#include "ado/Engine.h"
#include "ado/SqlScript.h"

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// The scripts under sql/ of the source tree.
inline QString sqlFile(const char* name) {
    return QStringLiteral(OXTA_SOURCE_DIR "/sql/") + QString::fromLatin1(name);
}

// Runs a script batch by batch, as sqlcmd does; a failing batch is reported as a test failure
// that names it, and the run goes on.
inline void runScript(ado::Engine& engine, const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QStringList batches = sql::splitBatches(QString::fromUtf8(file.readAll()));
    for (qsizetype i = 0; i < batches.size(); ++i) {
        try {
            engine.execute(batches[i]);
        } catch (const ado::Error& e) {
            ADD_FAILURE() << path.toStdString() << " batch " << i + 1 << ": " << e.what() << "\n"
                          << batches[i].left(400).toStdString();
        }
    }
}
