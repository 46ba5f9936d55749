// The six report definitions of reportes/, each read from a database of known figures and
// written to PDF, CSV and XLSX; the figures are read back from all three.

#include "reports/engine/ReportWriters.h"
#include "tests/reports/ReportTestSupport.h"

#include <QFile>

using namespace prueba;

namespace {

struct Caso {
    const char* archivo;
    std::vector<std::pair<QString, ado::Value>> parametros;
    QStringList campos;       // fields the exports must carry
    int filas;                // detail rows
    const char* campoSumado;  // a column whose sum is known
    double suma;              //   and that sum
    QStringList textosPdf;    // texts the PDF must show (headings, totals)
};

void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.archivo;
}

const QStringList kComparativo = {"centro", "ocupacion", "idstaffing",     "idgrupo",
                                  "plazas", "real",      "sueldoOriginal", "sueldoReal"};

const std::vector<Caso> kCasos = {
    // Company 1 without filters: the cook and the bellboy of plan A, the receptionist of
    // plan B; neither the deleted plan's entry nor company 2's.
    {"rptPuestosStaffing.rpt",
     {{"empresa", 1}, {"cc", "TODOS"}, {"staffing", 0}, {"grupo", 0}},
     {"centro", "idstaffing", "idgrupo", "ocupacion", "v5", "v50", "v100"},
     3,
     "v100",
     22,
     {"Hotel Prueba, S.A.", "Puestos por staffing", "Staffing: Todos", "Staffing 1 - Plan A",
      "Centro de costos 100 - Cocina", "Cocinero", "Total del staffing Plan A",
      "Total del staffing Plan B", "Página 1 de 1"}},
    {"rptPorcentaje.rpt",
     {{"empresa", 1}, {"cc", "TODOS"}, {"staffing", 0}, {"grupo", 0}, {"porc", 50}},
     {"centro", "idstaffing", "idgrupo", "ocupacion", "plazas"},
     3,
     "plazas",
     15,
     {"Puestos al 50 % de ocupación", "Total Cocina", "13", "Total Recepción",
      "Total del staffing Plan A", "Total del staffing Plan B"}},
    // Filtered to one centre and one plan: a quoted key reaches SQL as a value.
    {"rptPorcentaje.rpt",
     {{"empresa", 1}, {"cc", "100"}, {"staffing", 1}, {"grupo", 1}, {"porc", 100}},
     {"centro", "plazas"},
     2,
     "plazas",
     20,
     {"Staffing: 1 - Plan A (nóminas S,Q)", "Centro de costos: 100 - Cocina",
      "Grupo: 1 - Operación", "Puestos al 100 % de ocupación", "Ocupación: 100 %"}},
    {"rptPuestosComparativo.rpt",
     {{"CVE", "K1"}, {"porc", 35}},
     kComparativo,
     2,
     "diferencia",
     0,
     {"Comparativo de ocupación actual al 35 %", "Staffing: 1 - Plan A", "Cocinero",
      "Recepcionista", "Total general", "Plazas planeadas contra empleados actuales"}},
    {"rptPuestosComparativoDin.rpt",
     {{"CVE", "K1"}, {"porc", 35}},
     kComparativo,
     2,
     "sueldoPlaneado",
     58002.50,
     {"$40,002.50", "$18,000.00", "$58,002.50", "$60,001.50", "-$1,999.00", "$8,000.50"}},
    {"rptComparativoMesConDiferencia.rpt",
     {{"CVE", "K1"}, {"mes", "Marzo"}},
     kComparativo + QStringList{"mes"},
     2,
     "diferenciaSueldo",
     -1999.00,
     {"Comparativo del mes de Marzo con diferencias", "Mes: Marzo", "-$1,999.00"}},
    {"rptComparativoMes.rpt",
     {{"CVE", "K1"}, {"mes", "Marzo"}},
     kComparativo + QStringList{"mes"},
     2,
     "real",
     7,
     {"Comparativo del mes de Marzo", "$60,001.50", "Total Recepción"}},
};

class DefinicionesTest : public ReportesTest, public ::testing::WithParamInterface<Caso> {};

double Suma(const std::vector<QStringList>& csv, const QString& campo) {
    const int c = static_cast<int>(csv.front().indexOf(campo));
    double suma = 0;
    for (std::size_t i = 1; i < csv.size(); ++i)
        suma += csv[i].value(c).toDouble();
    return suma;
}

}  // namespace

TEST_P(DefinicionesTest, WritesTheKnownFiguresToPdfCsvAndXlsx) {
    const Caso& caso = GetParam();
    report::Report r = Lee(QString::fromLatin1(caso.archivo), caso.parametros);

    r.writeCsv(file("r.csv"));
    QFile csvFile(file("r.csv"));
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    const auto csv = LeeCsv(csvFile.readAll());
    ASSERT_FALSE(csv.empty());
    for (const QString& campo : caso.campos)
        EXPECT_TRUE(csv.front().contains(campo)) << campo.toStdString();
    EXPECT_EQ(static_cast<int>(csv.size()) - 1, caso.filas);
    EXPECT_DOUBLE_EQ(Suma(csv, QString::fromLatin1(caso.campoSumado)), caso.suma);

    // The XLSX: the summed field under its printed heading (or its name) in the header row
    // below the company, the title and the filter lines; its detail cells add up.
    r.writeXlsx(file("r.xlsx"));
    const auto celdas = CeldasXlsx(file("r.xlsx"));
    const auto formulas = FormulasXlsx(file("r.xlsx"));
    QString encabezado = QString::fromLatin1(caso.campoSumado);
    for (const report::ColumnDef& c : r.definition().main.columns)
        if (c.field == encabezado)
            encabezado = c.header;
    const int filaEncabezado = 4 + static_cast<int>(r.definition().headingLines.size());
    QString letra;
    for (QChar c = u'A'; c <= u'Z' && letra.isEmpty(); c = QChar(c.unicode() + 1))
        for (const QString& l : {QString(c), QStringLiteral("A") + c})
            if (celdas.value(l + QString::number(filaEncabezado)) == encabezado)
                letra = l;
    ASSERT_FALSE(letra.isEmpty()) << encabezado.toStdString();
    double suma = 0;
    for (int fila = filaEncabezado + 1; fila <= filaEncabezado + 3 * caso.filas + 2; ++fila) {
        const QString celda = letra + QString::number(fila);
        if (!formulas.contains(celda))
            suma += celdas.value(celda).toDouble();
    }
    EXPECT_DOUBLE_EQ(suma, caso.suma);
    EXPECT_TRUE(ParteXlsx(file("r.xlsx"), QStringLiteral("xl/worksheets/sheet1.xml"))
                    .contains(QStringLiteral("ySplit=\"%1\"").arg(filaEncabezado)))
        << "header row frozen";

    r.writePdf(file("r.pdf"));
    EXPECT_TRUE(Salida(QStringLiteral("pdfinfo"), {file("r.pdf")})
                    .contains(r.definition().landscape ? QStringLiteral("792 x 612 pts (letter)")
                                                       : QStringLiteral("612 x 792 pts (letter)")));
    const QString texto = TextoPdf(file("r.pdf"));
    for (const QString& t : caso.textosPdf)
        EXPECT_TRUE(texto.contains(t)) << t.toStdString() << "\n" << texto.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Reportes, DefinicionesTest, ::testing::ValuesIn(kCasos));

TEST_F(ReportesTest, CsvKeepsTextsWholeAndNumbersPlain) {
    Ejecuta(
        {QStringLiteral("update tabulador set actividad = 'Chef \"ejecutivo\", turno\r\nnoche' "
                        "where ocupacion = 10")});
    const report::Report r =
        Lee(QStringLiteral("rptPuestosComparativoDin.rpt"), {{"CVE", "K1"}, {"porc", 35}});
    const QByteArray bytes = report::CsvText(r.data().main);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    const auto csv = LeeCsv(bytes);
    ASSERT_EQ(csv.size(), 3u);
    const auto col = [&](const char* f) { return csv.front().indexOf(QString::fromLatin1(f)); };
    EXPECT_EQ(csv[1][col("actividad")], QStringLiteral("Chef \"ejecutivo\", turno\r\nnoche"));
    EXPECT_EQ(csv[1][col("centro")], QStringLiteral("100"));
    EXPECT_EQ(csv[1][col("sueldoOriginal")], QStringLiteral("8000.50"));
    EXPECT_EQ(csv[2][col("diferenciaSueldo")], QStringLiteral("-18000.00"));
    EXPECT_EQ(csv[2][col("nomdepto")], QStringLiteral("Recepción"));
}

TEST_F(ReportesTest, ARunWithoutRowsShowsItsHeadingsAndSinDatos) {
    report::Report r =
        Lee(QStringLiteral("rptPuestosComparativo.rpt"), {{"CVE", "no existe"}, {"porc", 5}});
    r.writePdf(file("vacio.pdf"));
    const QString texto = TextoPdf(file("vacio.pdf"));
    EXPECT_TRUE(texto.contains(QStringLiteral("Comparativo de ocupación actual al 5 %")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Plazas")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Sin datos")));
    EXPECT_FALSE(texto.contains(QStringLiteral("{plan}")));
    EXPECT_EQ(PaginasPdf(file("vacio.pdf")), 1);
    r.writeCsv(file("vacio.csv"));
    QFile csv(file("vacio.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(LeeCsv(csv.readAll()).size(), 1u) << "the header row alone";
}

TEST_F(ReportesTest, ExcelGetsThePrintedReportWithTotalsThatRecompute) {
    report::Report r = Lee(QStringLiteral("rptPuestosComparativoDin.rpt"),
                           {{"CVE", "K1"}, {"porc", 35}, {"empresa", 1}, {"staffing", 1}});
    r.writeXlsx(file("din.xlsx"));
    const auto celdas = CeldasXlsx(file("din.xlsx"));
    const auto formulas = FormulasXlsx(file("din.xlsx"));
    const QString hoja = ParteXlsx(file("din.xlsx"), QStringLiteral("xl/worksheets/sheet1.xml"));

    // The printed heading, then the printed columns in order, then the further fields.
    EXPECT_EQ(celdas.value("A1"), QStringLiteral("Hotel Prueba, S.A."));
    EXPECT_EQ(celdas.value("A2"),
              QStringLiteral("Comparativo de ocupación actual al 35 % (sueldos)"));
    EXPECT_TRUE(
        celdas.value("A3").startsWith(QStringLiteral("Staffing: 1 - Plan A (nóminas S,Q)")));
    QStringList encabezados;
    for (const char* c : {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K"})
        encabezados << celdas.value(QString::fromLatin1(c) + "5");
    EXPECT_EQ(encabezados, (QStringList{"Puesto", "Nombre del puesto", "Grupo", "Plazas planeadas",
                                        "Empleados actuales", "Diferencia", "Sueldo garantizado",
                                        "Sueldo planeado (garantía × plazas)", "Sueldo actual",
                                        "Diferencia $", "centro"}));
    EXPECT_TRUE(hoja.contains(QStringLiteral("ySplit=\"5\""))) << "frozen under the headings";
    EXPECT_TRUE(hoja.contains(QStringLiteral("<autoFilter ref=\"A5:")));

    // Kitchen row, its subtotal, reception row, its subtotal, the grand total.
    EXPECT_EQ(celdas.value("B6"), QStringLiteral("Cocinero"));
    EXPECT_EQ(celdas.value("A7"), QStringLiteral("Total Cocina"));
    EXPECT_EQ(celdas.value("B8"), QStringLiteral("Recepcionista"));
    EXPECT_EQ(celdas.value("A9"), QStringLiteral("Total Recepción"));
    EXPECT_EQ(celdas.value("A10"), QStringLiteral("Total general"));
    const std::vector<std::pair<const char*, const char*>> esperadas = {
        {"D7", "SUBTOTAL(9,D6:D6)"},  {"D9", "SUBTOTAL(9,D8:D8)"}, {"D10", "SUBTOTAL(9,D6:D9)"},
        {"H10", "SUBTOTAL(9,H6:H9)"}, {"J9", "SUBTOTAL(9,J8:J8)"},
    };
    for (const auto& [celda, formula] : esperadas)
        EXPECT_EQ(formulas.value(celda), QString::fromLatin1(formula)) << celda;
    EXPECT_FALSE(formulas.contains("G10")) << "a column the report does not total";
    EXPECT_EQ(celdas.value("D10"), QStringLiteral("7")) << "the value shown before recomputing";
    EXPECT_EQ(celdas.value("H10").toDouble(), 58002.50);
    EXPECT_TRUE(ParteXlsx(file("din.xlsx"), QStringLiteral("xl/styles.xml"))
                    .contains(QStringLiteral("formatCode=\"$#,##0.00\"")));

    // The CSV for Excel: byte order mark, printed headings, the same figures plain.
    r.writeCsvExcel(file("din.csv"));
    QFile csv(file("din.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const auto filas = LeeCsv(bytes.mid(3));
    ASSERT_EQ(filas.size(), 3u);
    EXPECT_EQ(filas[0].mid(0, 11), encabezados);
    EXPECT_EQ(filas[1].value(7), QStringLiteral("40002.50"));
}
