// The forecast's import file read by the plan import's reader: the first sheet of a workbook
// written here with the program's workbook library, and the same rows as CSV, give the same
// preview, refusals and lines.

#include "planning/pronostico/ArchivoPronostico.h"
#include "planning/pronostico/Pronostico.h"
#include "tests/planning_tools/LibroPrueba.h"
#include "tests/support/TempDir.h"

using namespace pronostico;

using ArchivoPronosticoTest = TempDirTest;

TEST_F(ArchivoPronosticoTest, WorkbookAndCsvGiveTheSamePreviewAndTheSameRefusals) {
    struct Caso {
        std::vector<QStringList> filas;
        std::vector<std::pair<int, int>> meses;  // {month 1..12, tenths} of the result
        QStringList errores;                     // their beginnings
    } casos[] = {
        {{{"mes", "ocupación"}, {"1", "62,5"}, {"2", "62.3"}, {"Marzo", "100"}, {"4", "0"}},
         {{1, 625}, {2, 623}, {3, 1000}, {4, 0}},
         {}},
        {{{"mes", "ocupación"},
          {"1", "100,5"},
          {"2", "-1"},
          {"13", "5"},
          {},
          {"3", "40"},
          {"3", "45"},
          {"0", "5"}},
         {},
         {"Fila 2: la ocupación", "Fila 3: la ocupación", "Fila 4: el mes \"13\"",
          "Fila 7: Marzo ya estaba", "Fila 8: el mes \"0\""}},
    };
    for (const Caso& c : casos) {
        LibroPrueba libro("pronostico.xlsx", false);  // numbers stored as numbers
        libro.Hoja("Pronóstico 2027", c.filas, true);
        libro.Hoja("Porcentaje", {{"mes", "ocupación"}, {"7", "10"}}, true);  // not read
        libro.Cierra();
        QFile csv("pronostico.csv");
        ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
        for (const QStringList& f : c.filas)
            csv.write(
                (f.isEmpty() ? QString() : QLatin1Char('"') + f.join("\";\"") + '"').toUtf8() +
                "\r\n");
        csv.close();
        Meses esperado{};
        for (const auto& [mes, decimas] : c.meses)
            esperado[static_cast<std::size_t>(mes - 1)] = decimas;
        for (const char* ruta : {"pronostico.xlsx", "pronostico.csv"}) {
            SCOPED_TRACE(ruta);
            const VistaImportacion v = PreparaImportacion(LeeArchivoPronostico(ruta), {});
            EXPECT_EQ(v.resultado, esperado);
            ASSERT_EQ(v.errores.size(), c.errores.size()) << v.errores.join('\n').toStdString();
            for (qsizetype i = 0; i < c.errores.size(); ++i)
                EXPECT_TRUE(v.errores[i].startsWith(c.errores[i])) << v.errores[i].toStdString();
        }
    }
}

TEST_F(ArchivoPronosticoTest, ACellShownAsAPercentageIsReadAsTheSheetShowsIt) {
    lxw_workbook* wb = workbook_new("porcentaje.xlsx");
    lxw_worksheet* hoja = workbook_add_worksheet(wb, nullptr);
    lxw_format* propio = workbook_add_format(wb);
    format_set_num_format(propio, "0.0%");
    lxw_format* integrado = workbook_add_format(wb);
    format_set_num_format_index(integrado, 9);  // "0%"
    const std::pair<double, lxw_format*> celdas[] = {
        {0.625, propio}, {0.623, propio}, {1, integrado}, {0.4, integrado}, {45, nullptr}};
    for (lxw_row_t r = 0; r < std::size(celdas); ++r) {
        worksheet_write_number(hoja, r, 0, r + 1, nullptr);
        worksheet_write_number(hoja, r, 1, celdas[r].first, celdas[r].second);
    }
    ASSERT_EQ(workbook_close(wb), LXW_NO_ERROR);
    const Meses esperado = {625, 623, 1000, 400, 450};
    EXPECT_EQ(PreparaImportacion(LeeArchivoPronostico("porcentaje.xlsx"), {}).resultado, esperado);
}
