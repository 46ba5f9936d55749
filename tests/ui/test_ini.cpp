#include "ui/TIni.h"

#include "tests/support/CadenasHostiles.h"
#include "tests/support/TempDir.h"

#include <QFile>
#include <QFileInfo>

#include <type_traits>

namespace {

class IniTest : public TempDirTest {
  protected:
    void writeBytes(const QByteArray& bytes) {
        QFile f(file("config.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readBytes() const {
        QFile f(file("config.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    TIni ini() const { return TIni(file("config.ini")); }
};

}  // namespace

TEST_F(IniTest, MissingFileReadsDefaultsAndIsCreatedByTheFirstWrite) {
    EXPECT_EQ(ini().GetEntry("CONFIG", "SERVER"), "");
    EXPECT_EQ(ini().GetEntry("CONFIG", "SERVER", "local"), "local");
    EXPECT_EQ(ini().GetEntry("CONFIG", "N", 7), 7);
    EXPECT_DOUBLE_EQ(ini().GetEntry("CONFIG", "N", 2.5), 2.5);
    EXPECT_FALSE(ini().GetEntry("CONFIG", "AUTOWIN", false));
    EXPECT_FALSE(QFileInfo::exists(file("config.ini")));

    TIni w = ini();
    EXPECT_TRUE(w.SetEntry("CONFIG", "BD", "  master  "));
    EXPECT_EQ(readBytes(), "[CONFIG]\nBD=master\n");
    EXPECT_EQ(ini().GetEntry("config", "bd"), "master");
}

TEST_F(IniTest, TextLiteralDefaultIsATextNotALogical) {
    static_assert(std::is_same_v<decltype(ini().GetEntry("CONFIG", "BD", "")), QString>,
                  "a string literal default must pick the text overload");
    EXPECT_EQ(ini().GetEntry("CONFIG", "BD", "x"), "x");
}

TEST_F(IniTest, NamesIgnoreCaseAndAWriteUpdatesTheStoredKey) {
    writeBytes("[Config]\nServer = SRV1\n");
    TIni w = ini();
    EXPECT_EQ(w.GetEntry("CONFIG", "server"), "SRV1");
    w.SetEntry("config", "SERVER", "SRV2");
    EXPECT_EQ(readBytes(), "[Config]\nServer=SRV2\n");
}

TEST_F(IniTest, ValuesAreTrimmedAndUnquotedOnRead) {
    writeBytes(
        "[A]\n"
        "plain=\t  hola mundo  \t\n"
        "dq=\"  con blancos  \"\n"
        "sq='x'\n"
        "half=\"abierta\n"
        "mixed=\"a'\n"
        "one=\"\n"
        "empty=\n");
    const TIni r = ini();
    EXPECT_EQ(r.GetEntry("A", "plain"), "hola mundo");
    EXPECT_EQ(r.GetEntry("A", "dq"), "  con blancos  ");
    EXPECT_EQ(r.GetEntry("A", "sq"), "x");
    EXPECT_EQ(r.GetEntry("A", "half"), "\"abierta");
    EXPECT_EQ(r.GetEntry("A", "mixed"), "\"a'");
    EXPECT_EQ(r.GetEntry("A", "one"), "\"");
    EXPECT_EQ(r.GetEntry("A", "empty", "def"), "");  // present but empty is not absent
}

TEST_F(IniTest, NumericDefaultReadsTheLeadingNumber) {
    writeBytes("[N]\na=42\nb=12abc\nc=abc\nd= -3.75 \ne=\nf=1e3\ng=.5\n");
    const TIni r = ini();
    EXPECT_EQ(r.GetEntry("N", "a", 0), 42);
    EXPECT_EQ(r.GetEntry("N", "b", 0), 12);
    EXPECT_EQ(r.GetEntry("N", "c", 9), 0);
    EXPECT_DOUBLE_EQ(r.GetEntry("N", "d", 0.0), -3.75);
    EXPECT_EQ(r.GetEntry("N", "d", 0), -3);
    EXPECT_EQ(r.GetEntry("N", "e", 9), 0);
    EXPECT_DOUBLE_EQ(r.GetEntry("N", "f", 0.0), 1.0);
    EXPECT_DOUBLE_EQ(r.GetEntry("N", "g", 0.0), 0.5);
    EXPECT_EQ(r.GetEntry("N", "absent", 9), 9);
}

TEST_F(IniTest, LogicalDefaultIsTrueWhenTheUpperCasedTextIsInDotTDot) {
    writeBytes(
        "[L]\nt1=.T.\nt2=t\nt3=.\nt4=\nt5=.t\nt6=  .T.  \n"
        "f1=.F.\nf2=F\nf3=TRUE\nf4=.T.X\nf5=yes\n");
    const TIni r = ini();
    for (const char* key : {"t1", "t2", "t3", "t4", "t5", "t6"})
        EXPECT_TRUE(r.GetEntry("L", key, false)) << key;
    for (const char* key : {"f1", "f2", "f3", "f4", "f5"})
        EXPECT_FALSE(r.GetEntry("L", key, true)) << key;
    EXPECT_TRUE(r.GetEntry("L", "absent", true));
    EXPECT_FALSE(r.GetEntry("L", "absent", false));
}

TEST_F(IniTest, WritesKeepCommentsOrderAndOtherSections) {
    writeBytes(
        "; settings of the payroll family\n"
        "[CONFIG]\n"
        "SERVER=SRV\n"
        "# note kept\n"
        "garbage line without equals\n"
        "BD=nomina\n"
        "\n"
        "[VARIABLES]\n"
        "Usuario=ana\n"
        "[OTRO]\n"
        "x=1\n");
    TIni w = ini();
    w.SetEntry("CONFIG", "bd", "staff");
    w.SetEntry("CONFIG", "AUTOWIN", ".F.");
    w.SetEntry("VARIABLES", "Empresa", "12");
    w.SetEntry("NUEVA", "k", "v");
    EXPECT_EQ(readBytes(),
              "; settings of the payroll family\n"
              "[CONFIG]\n"
              "SERVER=SRV\n"
              "# note kept\n"
              "garbage line without equals\n"
              "BD=staff\n"
              "AUTOWIN=.F.\n"
              "\n"
              "[VARIABLES]\n"
              "Usuario=ana\n"
              "Empresa=12\n"
              "[OTRO]\n"
              "x=1\n"
              "\n"
              "[NUEVA]\n"
              "k=v\n");
}

TEST_F(IniTest, MalformedLinesAreToleratedAndTheFirstSectionOfANameWins) {
    writeBytes(
        "orphan=before any section\n"
        "[broken\n"
        "=no key\n"
        "[S]\n"
        "k=first\n"
        "k=second\n"
        "[s]\n"
        "k=other section\n"
        "only=in second\n");
    TIni w = ini();
    EXPECT_EQ(w.GetEntry("S", "k"), "first");
    EXPECT_EQ(w.GetEntry("S", "only", "none"), "none");
    EXPECT_EQ(w.GetEntry("broken", "x", "d"), "d");
    w.SetEntry("S", "k", "new");
    EXPECT_EQ(w.GetEntry("S", "k"), "new");
    EXPECT_TRUE(readBytes().contains("k=second\n[s]\nk=other section\n"));
}

TEST_F(IniTest, LineBreaksInAValueCannotAddKeys) {
    TIni w = ini();
    w.SetEntry("CONFIG", "PWD", "abc\r\n[CONFIG]\nBD=otra");
    EXPECT_EQ(w.GetEntry("CONFIG", "BD", "none"), "none");
    EXPECT_EQ(w.GetEntry("CONFIG", "PWD"), "abc [CONFIG] BD=otra");
}

TEST_F(IniTest, WrittenValuesKeepTheirQuotesAndExactValuesKeepEverything) {
    TIni w = ini();
    for (const prueba::Hostil& h : prueba::CadenasHostiles()) {
        const QString& v = h.texto;
        SCOPED_TRACE(prueba::Muestra(v));
        // The trimming writer loses only blanks at the ends and line breaks, never quotes.
        ASSERT_TRUE(w.SetEntry("CONFIG", "SERVER", v));
        QString esperado = v;
        esperado.replace("\r\n", " ").replace('\r', ' ').replace('\n', ' ');
        EXPECT_EQ(w.GetEntry("CONFIG", "SERVER"), esperado.trimmed());

        const bool cabe = !v.contains('\r') && !v.contains('\n') && !v.contains(QChar(u'\0'));
        w.SetEntry("CONFIG", "PWD", "antes");
        EXPECT_EQ(w.SetEntryExact("CONFIG", "PWD", v), cabe);
        EXPECT_EQ(w.GetEntry("CONFIG", "PWD"), cabe ? v : QString("antes"));
    }
    for (const char* v : {" x", "x ", "\t", "' a '", "\"\"", "\"'\"'"}) {
        ASSERT_TRUE(w.SetEntryExact("CONFIG", "PWD", v));
        EXPECT_EQ(w.GetEntry("CONFIG", "PWD"), v);
    }
    // Values that other programs quoted read as before.
    writeBytes("[CONFIG]\nPWD='Secreto1'\nID=\"  sa  \"\n");
    EXPECT_EQ(ini().GetEntry("CONFIG", "PWD"), "Secreto1");
    EXPECT_EQ(ini().GetEntry("CONFIG", "ID"), "  sa  ");
}

TEST_F(IniTest, ExactValuesAnAnsiFileCannotHoldAreRefused) {
    writeBytes(
        "[CONFIG]\r\nPWD=Compa\xF1\xED"
        "a\r\n");
    TIni w = ini();
    EXPECT_FALSE(w.SetEntryExact("CONFIG", "PWD", "Жуков"));
    EXPECT_FALSE(w.SetEntryExact("CONFIG", "PWD", "a😀"));
    EXPECT_EQ(w.GetEntry("CONFIG", "PWD"), "Compañía");
    EXPECT_TRUE(w.SetEntryExact("CONFIG", "PWD", " ñ€ "));
    EXPECT_EQ(w.GetEntry("CONFIG", "PWD"), " ñ€ ");
}

TEST_F(IniTest, CrLfLineEndsAndMissingFinalLineEndArePreserved) {
    writeBytes("[CONFIG]\r\nSERVER=a\r\n\r\n[VARIABLES]\r\nUsuario=b");
    TIni w = ini();
    w.SetEntry("CONFIG", "SERVER", "c");
    w.SetEntry("CONFIG", "BD", "d");
    EXPECT_EQ(readBytes(), "[CONFIG]\r\nSERVER=c\r\nBD=d\r\n\r\n[VARIABLES]\r\nUsuario=b");
    w.SetEntry("VARIABLES", "Empresa", "1");
    EXPECT_EQ(readBytes(),
              "[CONFIG]\r\nSERVER=c\r\nBD=d\r\n\r\n[VARIABLES]\r\nUsuario=b\r\nEmpresa=1\r\n");
}

TEST_F(IniTest, AnsiFilesAreReadAsWindows1252AndWrittenBackSo) {
    writeBytes(
        "[VARIABLES]\r\nNombreEmpresa=Compa\xF1\xED"
        "a \x80 \x93x\x94\r\n");
    TIni w = ini();
    EXPECT_EQ(w.GetEntry("VARIABLES", "NombreEmpresa"), "Compañía € “x”");
    w.SetEntry("VARIABLES", "Usuario", "Begoña");
    EXPECT_EQ(readBytes(),
              "[VARIABLES]\r\nNombreEmpresa=Compa\xF1\xED"
              "a \x80 \x93x\x94\r\nUsuario=Bego\xF1"
              "a\r\n");
}

// A file of ASCII text has not chosen an encoding: it becomes Windows-1252 (what the family's
// other programs read) with its first accented value, even when an earlier write removed the
// one value that had made it Windows-1252; UTF-8 only for what Windows-1252 cannot hold.
TEST_F(IniTest, AsciiFilesTakeWindows1252WithTheirFirstAccentedValue) {
    writeBytes(
        "[VARIABLES]\r\nNombreEmpresa=Compa\xF1\xED"
        "a\r\n");
    TIni w = ini();
    w.SetEntry("VARIABLES", "NombreEmpresa", "Hotel Centro");
    EXPECT_EQ(readBytes(), "[VARIABLES]\r\nNombreEmpresa=Hotel Centro\r\n");
    w.SetEntry("VARIABLES", "Usuario", "Begoña");
    EXPECT_EQ(readBytes(),
              "[VARIABLES]\r\nNombreEmpresa=Hotel Centro\r\nUsuario=Bego\xF1"
              "a\r\n");
    EXPECT_EQ(ini().GetEntry("VARIABLES", "Usuario"), "Begoña");

    QFile::remove(file("config.ini"));
    EXPECT_TRUE(w.SetEntry("VARIABLES", "NombreEmpresa", "Señorial € “Plaza”"));
    EXPECT_EQ(readBytes(), "[VARIABLES]\nNombreEmpresa=Se\xF1orial \x80 \x93Plaza\x94\n");

    QFile::remove(file("config.ini"));
    EXPECT_TRUE(w.SetEntryExact("VARIABLES", "Usuario", "Жуков"));
    EXPECT_EQ(readBytes(), "[VARIABLES]\nUsuario=Жуков\n");
    w.SetEntry("VARIABLES", "NombreEmpresa", "Begoña");  // decided now: stays UTF-8
    EXPECT_EQ(readBytes(), "[VARIABLES]\nUsuario=Жуков\nNombreEmpresa=Begoña\n");
}

TEST_F(IniTest, Utf8FilesStayUtf8WithTheirByteOrderMark) {
    writeBytes("\xEF\xBB\xBF[VARIABLES]\nNombreEmpresa=Compañía\n");
    TIni w = ini();
    EXPECT_EQ(w.GetEntry("variables", "nombreempresa"), "Compañía");
    w.SetEntry("VARIABLES", "Usuario", "Begoña");
    EXPECT_EQ(readBytes(), "\xEF\xBB\xBF[VARIABLES]\nNombreEmpresa=Compañía\nUsuario=Begoña\n");
}

TEST_F(IniTest, RepeatedByteOrderMarksAreReadPastAndWrittenBackAsOne) {
    writeBytes("\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF[VARIABLES]\r\nServidor=srv\r\n");
    TIni w = ini();
    EXPECT_EQ(w.GetEntry("VARIABLES", "Servidor"), "srv");
    w.SetEntry("VARIABLES", "Usuario", "ana");
    EXPECT_EQ(readBytes(), "\xEF\xBB\xBF[VARIABLES]\r\nServidor=srv\r\nUsuario=ana\r\n");
    EXPECT_EQ(ini().GetEntry("VARIABLES", "Usuario"), "ana");
}

TEST_F(IniTest, ApplicationShorthandsUseConfigIniInTheCurrentDirectory) {
    EscribeIni("VARIABLES", "Usuario", " admin ");
    EXPECT_EQ(LeeIni("variables", "USUARIO"), "admin");
    EXPECT_EQ(LeeIni("VARIABLES", "Empresa"), "");
    EXPECT_EQ(QFileInfo(IniPath()).absoluteFilePath(),
              QFileInfo(file("config.ini")).absoluteFilePath());
    EXPECT_EQ(readBytes(), "[VARIABLES]\nUsuario=admin\n");
}
