// The report engine: parameters reach SQL only as values, the errors name the file and the
// parameter, numbers are formatted as the columns ask, and long reports break into pages
// that each carry their headings and "Página n de m".

#include "reports/engine/ReportError.h"
#include "reports/engine/ReportLayout.h"
#include "tests/reports/ReportTestSupport.h"
#include "tests/support/CadenasHostiles.h"

#include <QFile>

using namespace prueba;
using report::ReportError;

namespace {

// The text of the error that `f` throws ("" when it throws none).
template <class F>
QString Error(F&& f) {
    try {
        f();
    } catch (const ReportError& e) {
        return e.text();
    }
    return {};
}

report::ReportDefinition Minima(const QString& sql) {
    return report::ParseDefinition(
        QStringLiteral(R"({"title": "t", "parameters": [{"name": "n", "type": "number"},
            {"name": "t", "type": "text"}], "data": {"sql": "%1"},
            "columns": [{"header": "x", "field": "x"}]})")
            .arg(sql)
            .toUtf8(),
        QStringLiteral("prueba.rpt"));
}

}  // namespace

namespace {

// The parameters of a bound statement as "name=value" texts, values typed: n:12, t:'x'.
QStringList Ligados(const report::BoundStatement& s) {
    QStringList out;
    for (const ado::Parameter& p : s.parameters) {
        const ado::Value& v = p.value;
        out << p.name + u'=' +
                   (v.isNull()                           ? QStringLiteral("NULL")
                    : v.type() == ado::Value::Type::Text ? u'\'' + v.toText() + u'\''
                                                         : v.toText());
    }
    return out;
}

}  // namespace

TEST(ParametrosTest, ValuesTravelApartFromTheStatement) {
    const auto def = Minima(QStringLiteral("x"));
    report::Parameters p(def);
    p.set(QStringLiteral("N"), QStringLiteral("  12 "));  // names ignore letter case
    p.set(QStringLiteral("t"), QStringLiteral("O'Hara' or '1'='1"));
    const QString sql = QStringLiteral("a = @n and b = @t and c = @N");
    const report::BoundStatement s = report::BindParameters(sql, p);
    EXPECT_EQ(s.sql, sql);  // the text stays as written
    EXPECT_EQ(Ligados(s),
              (QStringList{QStringLiteral("@n=12"), QStringLiteral("@t='O'Hara' or '1'='1'")}));
    // Inside literals, bracketed names and comments an @ is just a character.
    const QString quoted = QStringLiteral("'@t' + 'it''s @n' [@n] -- @t\n/* @t */ @n");
    EXPECT_EQ(Ligados(report::BindParameters(quoted, p)), QStringList{QStringLiteral("@n=12")});
    p.set(QStringLiteral("n"), QStringLiteral("-3.25"));
    EXPECT_EQ(report::BindParameters(QStringLiteral("@n"), p).parameters.front().value,
              ado::Value(ado::Decimal{-325, 2}));
    p.set(QStringLiteral("n"), ado::Value(ado::Decimal{150, 1}));
    EXPECT_EQ(Ligados(report::BindParameters(QStringLiteral("@n"), p)),
              QStringList{QStringLiteral("@n=15.0")});
    p.set(QStringLiteral("t"), ado::Value());
    EXPECT_EQ(Ligados(report::BindParameters(QStringLiteral("@t"), p)),
              QStringList{QStringLiteral("@t=NULL")});
}

TEST(ParametrosTest, MistakesAreErrorsNamingFileAndParameter) {
    const auto def = Minima(QStringLiteral("x"));
    report::Parameters p(def);
    EXPECT_EQ(Error([&] { p.set(QStringLiteral("empresa"), 1); }),
              QStringLiteral("El reporte \"prueba.rpt\" no tiene el parámetro \"empresa\""));
    for (const char* malo : {"abc", "1; drop table x", "", "1e3", "0x10"}) {
        EXPECT_TRUE(Error([&] { p.set(QStringLiteral("n"), QString::fromLatin1(malo)); })
                        .startsWith(QStringLiteral("El parámetro \"n\" del reporte \"prueba.rpt\" "
                                                   "debe ser un número")))
            << malo;
    }
    EXPECT_EQ(
        Error([&] {
            p.set(QStringLiteral("t"), QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
        }),
        QStringLiteral("El parámetro \"t\" del reporte \"prueba.rpt\" contiene un carácter nulo"));
    EXPECT_EQ(Error([&] { report::BindParameters(QStringLiteral("@t"), p); }),
              QStringLiteral("Falta el valor del parámetro \"t\" del reporte \"prueba.rpt\""));
    EXPECT_TRUE(Error([&] {
                    report::BindParameters(QStringLiteral("@otro"), p);
                }).contains(QStringLiteral("@otro")));
}

TEST(DefinicionTest, BrokenFilesAreErrorsNamingTheFile) {
    EXPECT_TRUE(Error([] {
                    report::LoadDefinition(QStringLiteral("no/existe.rpt"));
                }).startsWith(QStringLiteral("No se encontró el reporte")));
    EXPECT_TRUE(Error([] {
                    report::LoadDefinition(QStringLiteral("no/existe.rpt"));
                }).contains(QStringLiteral("existe.rpt")));
    const QStringList malas = {
        QStringLiteral("{"),
        QStringLiteral(R"({"data": {"sql": "select 1 as x"}})"),  // no columns
        QStringLiteral(R"({"data": {}, "columns": [{"field": "x"}]})"),
        QStringLiteral(R"({"data": {"sql": "s"}, "columns": [{"field": "x", "align": "arriba"}]})"),
        QStringLiteral(R"({"parameters": [{"name": "a"}, {"name": "A"}], "data": {"sql": "s"},
                           "columns": [{"field": "x"}]})"),
    };
    for (const QString& mala : malas) {
        EXPECT_TRUE(Error([&] {
                        report::ParseDefinition(mala.toUtf8(), QStringLiteral("m.rpt"));
                    }).startsWith(QStringLiteral("Definición de reporte inválida \"m.rpt\"")))
            << mala.toStdString();
    }
}

TEST(FormatoTest, NumbersAsTheColumnAsks) {
    const struct {
        double valor;
        const char* formato;
        const char* texto;
    } casos[] = {
        {1234567.891, "#,##0.00", "1,234,567.89"},
        {-1999, "$#,##0.00", "-$1,999.00"},
        {0.004, "$#,##0.00", "$0.00"},
        {-0.004, "#,##0.00", "0.00"},
        {999, "#,##0", "999"},
        {1000, "#,##0", "1,000"},
        {12.5, "0", "13"},
        {12.5, "", "12.5"},
        {40, "", "40"},
        {-1234.5, "0.0", "-1234.5"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(report::FormatNumber(c.valor, QString::fromLatin1(c.formato)),
                  QString::fromLatin1(c.texto))
            << c.valor << " " << c.formato;
    }
}

TEST_F(ReportesTest, ATextParameterCannotWidenTheReport) {
    const report::Report r =
        Lee(QStringLiteral("rptPorcentaje.rpt"),
            {{"empresa", 1}, {"cc", "x' or '1'='1"}, {"staffing", 0}, {"grupo", 0}, {"porc", 50}});
    EXPECT_TRUE(r.data().main.result.rows.empty());
    // Awkward texts are values like any other: no error, no row.
    QStringList raros = {QString(5000, u'x'), QStringLiteral("日本語 € \u2603"),
                         QStringLiteral("a\r\nb"), QStringLiteral("x\\'; drop table centros; --")};
    for (const prueba::Hostil& h : prueba::CadenasHostiles()) {
        if (!h.texto.contains(QChar(0)))  // refused before any statement (see above)
            raros << h.texto;
    }
    for (const QString& raro : std::as_const(raros)) {
        const report::Report t =
            Lee(QStringLiteral("rptPorcentaje.rpt"),
                {{"empresa", 1}, {"cc", raro}, {"staffing", 0}, {"grupo", 0}, {"porc", 50}});
        EXPECT_TRUE(t.data().main.result.rows.empty());
    }
    EXPECT_EQ(prueba::Valor(QStringLiteral("select count(*) from centros")).toInt(), 2);
    const report::Report k = Lee(QStringLiteral("rptPuestosComparativo.rpt"),
                                 {{"CVE", "K1' or clave = 'K2"}, {"porc", 5}});
    EXPECT_TRUE(k.data().main.result.rows.empty());
}

TEST_F(ReportesTest, SelectionAndSubreportsNarrowTheirOwnRows) {
    QFile def(file("con_sub.rpt"));
    ASSERT_TRUE(def.open(QIODevice::WriteOnly));
    def.write(
        R"({"title": "Centros y puestos", "parameters": [{"name": "empresa", "type": "number"}],
        "data": {"sql": "select rtrim(centro) as centro, nomdepto from centros where empresa = @empresa",
                 "orderBy": "centro"},
        "columns": [{"header": "Centro", "field": "centro"}, {"header": "Nombre", "field": "nomdepto"}],
        "subreports": [{"name": "Puestos", "title": "Puestos del tabulador",
            "data": {"sql": "select ocupacion, actividad from tabulador where empresa = @empresa",
                     "orderBy": "ocupacion"},
            "columns": [{"header": "Puesto", "field": "ocupacion"},
                        {"header": "Nombre", "field": "actividad"}]}]})");
    def.close();
    report::Report r(file("con_sub.rpt"));
    r.setParameter(QStringLiteral("empresa"), 1);
    r.setSelection(QStringLiteral("centro = '200'"));
    r.openSubreport(QStringLiteral("puestos"));  // letter case ignored
    r.setSelection(QStringLiteral("ocupacion <> 20"));
    r.read();
    ASSERT_EQ(r.data().main.result.rows.size(), 1u);
    ASSERT_EQ(r.data().subreports.size(), 1u);
    EXPECT_EQ(r.data().subreports[0].result.rows.size(), 2u);
    const QStringList textos = r.document().texts(0);
    for (const char* t : {"Recepción", "Puestos del tabulador", "Cocinero", "Botones"})
        EXPECT_TRUE(textos.contains(QString::fromUtf8(t))) << t;
    EXPECT_FALSE(textos.contains(QStringLiteral("Cocina")));
    EXPECT_FALSE(textos.contains(QStringLiteral("Recepcionista")));
    EXPECT_EQ(Error([&] { r.openSubreport(QStringLiteral("detalle")); }),
              QStringLiteral("El reporte \"%1\" no tiene el subreporte \"detalle\"")
                  .arg(QDir::toNativeSeparators(file("con_sub.rpt"))));
}

TEST_F(ReportesTest, LongReportsBreakIntoNumberedPagesWithTheirHeadings) {
    // 2,000 positions in 40 cost centres.
    QStringList sql;
    for (int c = 0; c < 40; ++c)
        sql << QStringLiteral("insert into centros values (1, 'C%1', 'Centro %1')")
                   .arg(c, 2, 10, QChar(u'0'));
    Ejecuta(sql);
    sql.clear();
    for (int i = 0; i < 2000; ++i) {
        sql << QStringLiteral(
                   "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, "
                   "ocupacion, v50) values (1, 1, 1, 'C%1', %2, %3)")
                   .arg(i % 40, 2, 10, QChar(u'0'))
                   .arg(1000 + i)
                   .arg(i % 7);
    }
    Ejecuta({sql.join(QLatin1Char('\n'))});
    report::Report r =
        Lee(QStringLiteral("rptPorcentaje.rpt"),
            {{"empresa", 1}, {"cc", "TODOS"}, {"staffing", 1}, {"grupo", 0}, {"porc", 50}});
    const int paginas = r.pageCount();
    EXPECT_GT(paginas, 20);
    r.writePdf(file("largo.pdf"));
    EXPECT_EQ(PaginasPdf(file("largo.pdf")), paginas);

    const report::Document& doc = r.document();
    for (int p = 0; p < paginas; ++p) {
        const QStringList textos = doc.texts(p);
        EXPECT_TRUE(textos.contains(QStringLiteral("Página %1 de %2").arg(p + 1).arg(paginas)));
        EXPECT_TRUE(textos.contains(QStringLiteral("Hotel Prueba, S.A.")));
        EXPECT_TRUE(textos.contains(QStringLiteral("Nombre del puesto")))
            << "column headings, page " << p + 1;
        // No page ends with a group header whose rows start on the next one.
        const QStringList cuerpo = textos.mid(0, textos.size() - 2);
        EXPECT_FALSE(cuerpo.last().startsWith(QStringLiteral("Centro de costos "))) << p + 1;
        for (const report::Item& item : doc.pages[static_cast<std::size_t>(p)].items)
            EXPECT_LE(item.rect.bottom(), doc.pageSize.height()) << "page " << p + 1;
    }
    const QStringList ultima = doc.texts(paginas - 1);
    EXPECT_TRUE(ultima.contains(QStringLiteral("Total del staffing Plan A")));
    // 2000 rows of i % 7 plus the fixture's plan A at 50 % (10 + 3).
    int esperado = 13;
    for (int i = 0; i < 2000; ++i)
        esperado += i % 7;
    EXPECT_TRUE(ultima.contains(report::FormatNumber(esperado, QStringLiteral("#,##0"))));
}
