// Reading of the update script: line rules and batches.
#include "app/ScriptActualizacion.h"
#include "ui/Cp1252.h"

#include <gtest/gtest.h>

using namespace actualiza;

TEST(ActualizaScript, BatchesBetweenSeparatorsInFileOrder) {
    const auto fija = [](const QString& s) { return s.leftJustified(kAnchoLinea, ' ') + "\r\n"; };
    const QStringList lotes = Lotes({"create table a (x int)", "insert into a values (1)", "GO",
                                     "GO", "   ", "  go  ", "select 2", "Go 5", "select 3"});
    // Blank batches send nothing; what follows the last separator is never sent.
    EXPECT_EQ(lotes, (QStringList{fija("create table a (x int)") + fija("insert into a values (1)"),
                                  fija("select 2")}));
    EXPECT_TRUE(Lotes({"select 1", "select 2"}).isEmpty());
}

TEST(ActualizaScript, LongLinesAreCutAt2000Characters) {
    const QString larga = QString(1995, 'x') + "0123456789";
    EXPECT_EQ(LineaFija(larga), QString(1995, 'x') + "01234");
    EXPECT_EQ(Lotes({larga, "GO"}), QStringList{LineaFija(larga) + "\r\n"});
}

TEST(ActualizaScript, LinesEndAtLfOrCrLf) {
    EXPECT_EQ(Lineas("a\r\nb\n\nc\r\n"), (QStringList{"a", "b", "", "c"}));
    // A separator after a Windows-1252 byte-order-less script still splits it.
    EXPECT_EQ(Lotes(Lineas(DecodeText("select 'Jos\xE9'\r\n\tgo\r\n").text)).size(), 1);
}
