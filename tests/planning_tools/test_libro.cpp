// The plan's workbook and CSV file: what is written reads back, a workbook saved by another
// program (inline strings, 3.0 for 3, sheets in other letter case and order) reads the same,
// and files that are not a plan are refused with a message.
#include "planning/herramientas/PlanLibro.h"
#include "tests/planning_tools/LibroPrueba.h"
#include "tests/support/CadenasHostiles.h"
#include "tests/support/TempDir.h"

#include <QFile>

using namespace planeacion;

namespace {

class LibroTest : public TempDirTest {};

Catalogos CatalogosCon(const QString& nombreCentro) {
    return {{{"1100", nombreCentro}, {"CO'B", "Cocina O'Brien"}},
            {{"1", "Operación"}},
            {{"110", "Recamarista"}, {"111", "Botones, \"turno\""}}};
}

EntradasPlan Entradas() {
    EntradasPlan e;
    e.porcentaje = {{{"1100", 1, 110}, std::vector<int>(20, 3)},
                    {{"CO'B", 1, 111},
                     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 99999}}};
    e.mes = {{{"1100", 1, 111}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}}};
    return e;
}

// The rows of a sheet as they should read: headings, then one row per entry.
std::vector<QStringList> Esperadas(Tabla t, const std::vector<EntradaClave>& entradas,
                                   const Catalogos& c) {
    std::vector<QStringList> filas{EncabezadosHoja(t)};
    const auto nombre = [](const std::vector<ElementoCatalogo>& l, const QString& k) {
        for (const ElementoCatalogo& e : l) {
            if (e.clave == k)
                return e.nombre;
        }
        return QString();
    };
    for (const EntradaClave& e : entradas) {
        QStringList f{e.clave.centro,
                      nombre(c.centros, e.clave.centro),
                      QString::number(e.clave.grupo),
                      nombre(c.grupos, QString::number(e.clave.grupo)),
                      QString::number(e.clave.puesto),
                      nombre(c.puestos, QString::number(e.clave.puesto))};
        for (int v : e.cifras)
            f << QString::number(v);
        filas.push_back(f);
    }
    return filas;
}

std::vector<QStringList> Celdas(const HojaLeida& h) {
    std::vector<QStringList> filas;
    for (const FilaLeida& f : h.filas)
        filas.push_back(f.celdas);
    return filas;
}

TEST_F(LibroTest, LoQueSeEscribeSeLeeIgualConNombresHostiles) {
    // Names reach the file only (never SQL): every hostile text must come back as written,
    // except where XML cannot hold the character at all (NUL, CR inside a cell).
    for (const prueba::Hostil& h : prueba::CadenasHostiles()) {
        if (h.texto.contains(QChar(u'\0')) || h.texto.contains(u'\r'))
            continue;
        const Catalogos c = CatalogosCon(h.texto);
        EscribeLibro("plan.xlsx", Entradas(), c);
        const std::vector<HojaLeida> hojas = LeeArchivo("plan.xlsx");
        ASSERT_EQ(hojas.size(), 2u);
        EXPECT_EQ(Celdas(hojas[0]), Esperadas(Tabla::Porcentaje, Entradas().porcentaje, c))
            << prueba::Muestra(h.texto);
        EXPECT_EQ(hojas[1].tabla, Tabla::Mes);
        EXPECT_EQ(Celdas(hojas[1]), Esperadas(Tabla::Mes, Entradas().mes, c));

        EscribeCsv("plan.csv", Tabla::Mes, Entradas().mes, c);
        const std::vector<HojaLeida> csv = LeeArchivo("plan.csv");
        ASSERT_EQ(csv.size(), 1u);
        EXPECT_EQ(csv[0].tabla, Tabla::Mes);
        EXPECT_EQ(Celdas(csv[0]), Esperadas(Tabla::Mes, Entradas().mes, c))
            << prueba::Muestra(h.texto);
    }
}

TEST_F(LibroTest, UnLibroGuardadoPorOtroProgramaSeLeeIgual) {
    // Sheets "MES" first and "porcentaje" second, inline strings, keys stored as numbers, a
    // gap before the last row, a sheet of notes in between.
    LibroPrueba libro("otro.xlsx", /*memoriaConstante=*/true);
    libro.Hoja("MES", {EncabezadosHoja(Tabla::Mes)});
    libro.Hoja("Notas", {{"nada que ver"}});
    QStringList fila{"1100", "", "1.0", "", "110.00", ""};
    for (int i = 0; i < 20; ++i)
        fila << QString::number(i) + ".0";
    libro.Hoja("porcentaje", {EncabezadosHoja(Tabla::Porcentaje), {}, fila}, /*numeros=*/true);
    libro.Cierra();
    const std::vector<HojaLeida> hojas = LeeArchivo("otro.xlsx");
    ASSERT_EQ(hojas.size(), 2u);
    EXPECT_EQ(hojas[0].tabla, Tabla::Porcentaje);
    ASSERT_EQ(hojas[0].filas.size(), 2u);  // the empty row is not stored at all
    EXPECT_EQ(hojas[0].filas[1].linea, 3);
    EXPECT_EQ(hojas[0].filas[1].celdas.mid(0, 7),
              (QStringList{"1100", "", "1", "", "110", "", "0"}));
    EXPECT_EQ(hojas[0].filas[1].celdas.last(), "19");
    EXPECT_EQ(hojas[1].tabla, Tabla::Mes);
}

TEST_F(LibroTest, LoQueNoEsUnPlanSeRechazaConMensaje) {
    const auto mensaje = [](const QString& ruta) {
        try {
            LeeArchivo(ruta);
        } catch (const ErrorArchivo& e) {
            return e.mensaje;
        }
        return QStringLiteral("(leído)");
    };
    QFile f("texto.xlsx");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("centro,grupo\r\n");
    f.close();
    LibroPrueba otro("otro.xlsx", false);
    otro.Hoja("Hoja1", {{"x"}});
    otro.Cierra();
    EXPECT_TRUE(mensaje("falta.xlsx").endsWith("no existe"));
    EXPECT_TRUE(mensaje("falta.csv").startsWith("No se pudo leer el archivo falta.csv"));
    EXPECT_TRUE(mensaje("texto.xlsx").endsWith("no es un libro de Excel (.xlsx)"));
    EXPECT_TRUE(
        mensaje("otro.xlsx").endsWith("el libro no tiene la hoja Porcentaje ni la hoja Mes"));
}

TEST(CsvTest, CamposSeparadoresYLineas) {
    struct Caso {
        const char* texto;
        std::vector<std::pair<int, QStringList>> filas;
    };
    const std::vector<Caso> casos = {
        {"a,b\r\n1,2\r\n", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"a;b\n1;\"x;y\"\n", {{1, {"a", "b"}}, {2, {"1", "x;y"}}}},
        {"a\tb\n1\t2", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"a,\"dos\nlíneas\",\"co\"\"mi\"\"llas\"\n\n\r\nz,,\n",
         {{1, {"a", "dos\nlíneas", "co\"mi\"llas"}}, {5, {"z", "", ""}}}},
        {"", {}},
        {"a,b,c;d\n", {{1, {"a", "b", "c;d"}}}},
    };
    for (const Caso& c : casos) {
        const std::vector<FilaLeida> filas = FilasCsv(QString::fromUtf8(c.texto));
        ASSERT_EQ(filas.size(), c.filas.size()) << c.texto;
        for (std::size_t i = 0; i < filas.size(); ++i) {
            EXPECT_EQ(filas[i].linea, c.filas[i].first) << c.texto;
            EXPECT_EQ(filas[i].celdas, c.filas[i].second) << c.texto;
        }
    }
}

}  // namespace
