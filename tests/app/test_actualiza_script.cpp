// Reading of the update script: line rules, separators, batches and text decoding.
#include "app/ScriptActualizacion.h"

#include <gtest/gtest.h>

using namespace actualiza;

namespace {

QString Fija(const QString& s) {
    return s.leftJustified(kAnchoLinea, QLatin1Char(' '));
}

}  // namespace

TEST(ActualizaScript, BatchesAreSentInFileOrderWithFixedWidthLines) {
    const QStringList lotes = Lotes({"create table a (x int)", "insert into a values (1)", "GO",
                                     "create table b (y int)", "go"});
    ASSERT_EQ(lotes.size(), 2);
    EXPECT_EQ(lotes[0],
              Fija("create table a (x int)") + "\r\n" + Fija("insert into a values (1)") + "\r\n");
    EXPECT_EQ(lotes[1], Fija("create table b (y int)") + "\r\n");
}

TEST(ActualizaScript, StatementsAfterTheLastSeparatorAreNotSent) {
    EXPECT_EQ(Lotes({"select 1", "GO", "select 2"}).size(), 1);
    EXPECT_TRUE(Lotes({"select 1", "select 2"}).isEmpty());
}

TEST(ActualizaScript, EmptyAndBlankBatchesSendNothing) {
    EXPECT_TRUE(Lotes({"GO", "GO", "", "   ", "\t", "GO"}).isEmpty());
    const QStringList lotes = Lotes({"GO", "GO", "select 1", "GO"});
    ASSERT_EQ(lotes.size(), 1);
    EXPECT_TRUE(lotes[0].startsWith("select 1"));
}

TEST(ActualizaScript, SeparatorRecognisedByItsFirstTwoLettersInAnyCase) {
    for (const char* linea : {"GO", "go", "Go", "   gO   ", "GO 5", "GOTO fin", "\tgo"})
        EXPECT_TRUE(EsSeparador(QString::fromUtf8(linea))) << linea;
    for (const char* linea : {"", "G O", "select 'GO'", "-- GO", "G", "ago"})
        EXPECT_FALSE(EsSeparador(QString::fromUtf8(linea))) << linea;
}

TEST(ActualizaScript, LongLinesAreCutAt2000Characters) {
    const QString larga = QString(1990, QLatin1Char('x')) + QStringLiteral("0123456789ABCDEF");
    const QString fija = LineaFija(larga);
    EXPECT_EQ(fija.size(), kAnchoLinea);
    EXPECT_TRUE(fija.endsWith(QStringLiteral("0123456789")));
    // A separator hidden beyond the cut is still the line's own text, not a separator.
    const QStringList lotes = Lotes({larga, "GO"});
    ASSERT_EQ(lotes.size(), 1);
    EXPECT_EQ(lotes[0].size(), kAnchoLinea + 2);
}

TEST(ActualizaScript, LinesSplitOnLfAndCrLfWithoutATrailingEmptyLine) {
    EXPECT_EQ(Lineas("a\r\nb\nc\r\n"), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(Lineas("a\n\nb"), (QStringList{"a", "", "b"}));
    EXPECT_TRUE(Lineas("").isEmpty());
}

TEST(ActualizaScript, TextIsUtf8OrElseWindows1252) {
    EXPECT_EQ(DecodificaTexto(QByteArray("insert 'Año' \xE2\x82\xAC")),
              QString::fromUtf8("insert 'Año' €"));
    // Bytes that are not UTF-8: é and € of Windows-1252.
    EXPECT_EQ(DecodificaTexto(QByteArray("'Jos\xE9' \x80")), QString::fromUtf8("'José' €"));
    EXPECT_EQ(DecodificaTexto(QByteArray("\xEF\xBB\xBFGO\n")), QStringLiteral("GO\n"));
}
