// Reading of the update script: line rules, separators, batches and text decoding.
#include "app/ScriptActualizacion.h"

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

TEST(ActualizaScript, SeparatorIsAnyLineBeginningWithGo) {
    for (const char* linea : {"GO", "go", "   gO   ", "GO 5", "GOTO fin", "\tgo"})
        EXPECT_TRUE(EsSeparador(QString::fromUtf8(linea))) << linea;
    for (const char* linea : {"", "G O", "select 'GO'", "-- GO", "ago"})
        EXPECT_FALSE(EsSeparador(QString::fromUtf8(linea))) << linea;
}

TEST(ActualizaScript, LongLinesAreCutAt2000Characters) {
    const QString larga = QString(1995, 'x') + "0123456789";
    EXPECT_EQ(LineaFija(larga), QString(1995, 'x') + "01234");
    EXPECT_EQ(Lotes({larga, "GO"}), QStringList{LineaFija(larga) + "\r\n"});
}

TEST(ActualizaScript, TextIsUtf8OrElseWindows1252) {
    EXPECT_EQ(Lineas("a\r\nb\n\nc\r\n"), (QStringList{"a", "b", "", "c"}));
    EXPECT_EQ(DecodificaTexto("'Año' \xE2\x82\xAC"), QString::fromUtf8("'Año' €"));
    EXPECT_EQ(DecodificaTexto("'Jos\xE9' \x80"), QString::fromUtf8("'José' €"));
    EXPECT_EQ(DecodificaTexto("\xEF\xBB\xBFGO\n"), QStringLiteral("GO\n"));
}
