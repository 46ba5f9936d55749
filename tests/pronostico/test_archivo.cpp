// The forecast's import file read as the plan import reads its files: the first sheet of a
// workbook written here by the program's own workbook library, or the same rows as CSV, give
// the same preview.

#include "planning/herramientas/PlanLibro.h"
#include "planning/pronostico/ArchivoPronostico.h"
#include "planning/pronostico/Pronostico.h"
#include "tests/planning_tools/LibroPrueba.h"
#include "tests/support/TempDir.h"

#include <QFile>

using namespace pronostico;

namespace {

class ArchivoPronosticoTest : public TempDirTest {
  protected:
    // The rows as a workbook (numbers stored as numbers, a second sheet after the first) and
    // as a CSV file; the preview of each against an empty forecast.
    std::pair<VistaImportacion, VistaImportacion> Ambos(const std::vector<QStringList>& filas) {
        const QString libro = dir() + QStringLiteral("/pronostico.xlsx");
        const QString csv = dir() + QStringLiteral("/pronostico.csv");
        LibroPrueba l(libro, false);
        l.Hoja(QStringLiteral("Pronóstico 2027"), filas, true);
        l.Hoja(QStringLiteral("Porcentaje"), {{"mes", "ocupación"}, {"7", "10"}}, true);
        l.Cierra();
        QStringList lineas;
        for (const QStringList& f : filas)
            lineas << (f.isEmpty() ? QString() : QLatin1Char('"') + f.join("\";\"") + '"');
        QFile f(csv);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(lineas.join("\r\n").toUtf8());
        f.close();
        return {PreparaImportacion(LeeArchivoPronostico(libro), {}),
                PreparaImportacion(LeeArchivoPronostico(csv), {})};
    }
};

TEST_F(ArchivoPronosticoTest, WorkbookAndCsvGiveTheSamePreviewAndTheSameRefusals) {
    struct Caso {
        const char* nombre;
        std::vector<QStringList> filas;
        std::vector<std::pair<int, int>> meses;  // {month 1..12, tenths} of the result
        QStringList errores;                     // their beginnings
    } casos[] = {
        {"figures as a planner types them",
         {{"mes", "ocupación"}, {"1", "62,5"}, {"2", "62.3"}, {"Marzo", "100"}, {"4", "0"}},
         {{1, 625}, {2, 623}, {3, 1000}, {4, 0}},
         {}},
        {"each refusal, on the line it is on",
         {{"mes", "ocupación"},
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
        SCOPED_TRACE(c.nombre);
        const auto [libro, csv] = Ambos(c.filas);
        Meses esperado{};
        for (const auto& [mes, decimas] : c.meses)
            esperado[static_cast<std::size_t>(mes - 1)] = decimas;
        for (const VistaImportacion* v : {&libro, &csv}) {
            EXPECT_EQ(v->resultado, esperado);
            ASSERT_EQ(v->errores.size(), c.errores.size()) << v->errores.join('\n').toStdString();
            for (qsizetype i = 0; i < c.errores.size(); ++i)
                EXPECT_TRUE(v->errores[i].startsWith(c.errores[i])) << v->errores[i].toStdString();
        }
    }
}

TEST_F(ArchivoPronosticoTest, AFileThatIsNoWorkbookIsRefusedWithItsReason) {
    const QString falso = dir() + QStringLiteral("/pronostico.xlsx");
    QFile f(falso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("mes,ocupación\n1,50\n") > 0);
    f.close();
    for (const QString& ruta : {falso, dir() + QStringLiteral("/no_existe.xlsx")}) {
        try {
            LeeArchivoPronostico(ruta);
            ADD_FAILURE() << "read " << ruta.toStdString();
        } catch (const planeacion::ErrorArchivo& e) {
            EXPECT_TRUE(e.mensaje.startsWith("No se pudo leer el archivo"))
                << e.mensaje.toStdString();
        }
    }
}

}  // namespace
