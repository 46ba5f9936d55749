// The import preview: each row of a file against the plan's entries and the company's
// catalogues.
#include "planning/herramientas/ImportaPlan.h"
#include "tests/support/CadenasHostiles.h"

#include <gtest/gtest.h>

using namespace planeacion;

namespace {

const Catalogos kCatalogos = {{{"1100", "Pisos"}, {"CO'B", "Cocina"}},
                              {{"1", "Operación"}, {"2", "Cocina"}},
                              {{"110", "Recamarista"}, {"111", "Botones"}}};

QStringList Fila(const QString& centro, const QString& grupo, const QString& puesto,
                 const QStringList& cifras) {
    return QStringList{centro, "nombre", grupo, "", puesto, ""} + cifras;
}
QStringList Doce(const QString& v) {
    return QStringList(12, v);
}
// Twelve figures of 2 with one other text at month `i`.
QStringList DoceCon(int i, const QString& v) {
    QStringList l = Doce("2");
    l[i] = v;
    return l;
}

HojaLeida Mes(const std::vector<QStringList>& filas, QStringList encabezados = {}) {
    HojaLeida h{Tabla::Mes,
                {{1, encabezados.isEmpty() ? EncabezadosHoja(Tabla::Mes) : encabezados}}};
    for (const QStringList& f : filas)
        h.filas.push_back({static_cast<int>(h.filas.size()) + 1, f});
    return h;
}

EntradasPlan Actuales() {
    EntradasPlan e;
    e.mes = {{{"1100", 1, 110}, std::vector<int>(12, 2)},
             {{"CO'B", 2, 111}, std::vector<int>(12, 4)},
             {{"1100", 1, 111}, std::vector<int>(12, 6)}};
    return e;
}

// "A/C/U/R" and the refusal reasons, for one file.
struct Resultado {
    std::size_t agregar, cambiar, sinCambio;
    std::vector<QString> motivos;
};

Resultado Calcula(const HojaLeida& hoja) {
    const VistaPrevia v = CalculaVistaPrevia({hoja}, Actuales(), kCatalogos);
    Resultado r{v.agregar.size(), v.cambiar.size(), v.sinCambio.size(), {}};
    for (const Rechazo& x : v.rechazados)
        r.motivos.push_back(QString::number(x.linea) + ": " + x.motivo);
    return r;
}

TEST(VistaPreviaTest, CadaFilaSeClasificaConSuMotivo) {
    struct Caso {
        const char* nombre;
        HojaLeida hoja;
        std::size_t agregar, cambiar, sinCambio;
        std::vector<QString> motivos;
    };
    const std::vector<Caso> casos = {
        {"sin cambio, cambio y nueva",
         Mes({Fila("1100", "1", "110", Doce("2")), Fila("CO'B", "2.0", " 111 ", Doce("5")),
              Fila("CO'B", "1", "110", Doce("0"))}),
         1,
         1,
         1,
         {}},
        {"celdas vacías valen 0 y filas en blanco se saltan",
         Mes({Fila("CO'B", "1", "110", {}), {"", " "}}),
         1,
         0,
         0,
         {}},
        {"claves desconocidas",
         Mes({Fila("9999", "1", "110", Doce("1")), Fila("1100", "3", "110", Doce("1")),
              Fila("1100", "1", "x", Doce("1")), Fila("1100 ", "1", "-110", Doce("1"))}),
         0,
         0,
         0,
         {"2: centro desconocido: '9999'", "3: grupo desconocido: '3'",
          "4: puesto desconocido: 'x'", "5: puesto desconocido: '-110'"}},
        {"cifras fuera de regla",
         Mes({Fila("1100", "1", "110", DoceCon(4, "2.5")),
              Fila("1100", "1", "111", DoceCon(0, "100000")),
              Fila("CO'B", "2", "111", DoceCon(11, "-1"))}),
         0,
         0,
         0,
         {"2: cifra no válida en Mayo: '2.5' (un número entero de 0 a 99,999)",
          "3: cifra no válida en Enero: '100000' (un número entero de 0 a 99,999)",
          "4: cifra no válida en Diciembre: '-1' (un número entero de 0 a 99,999)"}},
        {"la misma entrada dos veces",
         Mes({Fila("1100", "1", "110", Doce("1")), Fila("CO'B", "1", "110", Doce("1")),
              Fila("1100", "1.0", "110", Doce("3"))}),
         1,
         0,
         0,
         {"2: la misma entrada está en las líneas 2, 4",
          "4: la misma entrada está en las líneas 2, 4"}},
        {"columna faltante",
         Mes({Fila("1100", "1", "110", Doce("1"))}, EncabezadosHoja(Tabla::Mes).mid(0, 17)),
         0,
         0,
         0,
         {"2: falta la columna Diciembre"}},
        {"columnas en otro orden y otra letra",
         Mes({QStringList{"2", "110", "CO'B"} + Doce("7")},
             QStringList{"GRUPO", " Puesto ", "centro"} + EncabezadosHoja(Tabla::Mes).mid(6)),
         1,
         0,
         0,
         {}},
    };
    for (const Caso& c : casos) {
        const Resultado r = Calcula(c.hoja);
        EXPECT_EQ(r.agregar, c.agregar) << c.nombre;
        EXPECT_EQ(r.cambiar, c.cambiar) << c.nombre;
        EXPECT_EQ(r.sinCambio, c.sinCambio) << c.nombre;
        EXPECT_EQ(r.motivos, c.motivos) << c.nombre;
    }
}

TEST(VistaPreviaTest, UnTextoHostilEnCualquierCeldaSeRechazaSinCortarseNiPasar) {
    for (const prueba::Hostil& h : prueba::CadenasHostiles()) {
        for (int columna : {0, 2, 4, 6, 17}) {
            QStringList fila = Fila("1100", "1", "110", Doce("1"));
            fila[columna] = h.texto;
            const VistaPrevia v = CalculaVistaPrevia({Mes({fila})}, Actuales(), kCatalogos);
            ASSERT_EQ(v.rechazados.size(), 1u) << prueba::Muestra(h.texto) << " col " << columna;
            EXPECT_LE(v.rechazados[0].motivo.size(), 120);
            EXPECT_FALSE(v.rechazados[0].motivo.contains(QChar(u'\0')));
            EXPECT_FALSE(v.rechazados[0].motivo.contains(u'\n'));
        }
    }
}

TEST(VistaPreviaTest, AusentesYLineasDeLaVista) {
    const VistaPrevia v = CalculaVistaPrevia(
        {Mes({Fila("1100", "1", "110", DoceCon(0, "x")), Fila("CO'B", "2", "111", Doce("4"))})},
        Actuales(), kCatalogos);
    // The refused row still names its entry: only 1100/1/111 is absent.
    ASSERT_EQ(v.ausentes.size(), 1u);
    EXPECT_EQ(v.ausentes[0].clave, (ClaveEntrada{"1100", 1, 111}));
    EXPECT_FALSE(PuedeAplicar(v, false));
    EXPECT_TRUE(PuedeAplicar(v, true));
    EXPECT_EQ(LineasVistaPrevia(v, true),
              (QStringList{"rechazar Mes línea 2: cifra no válida en Enero: 'x' (un número entero "
                           "de 0 a 99,999)",
                           "eliminar Mes: centro 1100, grupo 1, puesto 111",
                           "agregados=0 cambiados=0 sin_cambio=1 rechazados=1"}));
    // A sheet that cannot be read names no entry, so nothing of its table is absent.
    const VistaPrevia sinColumna = CalculaVistaPrevia(
        {Mes({Fila("1100", "1", "110", Doce("1"))}, {"centro"})}, Actuales(), kCatalogos);
    EXPECT_TRUE(sinColumna.ausentes.empty());
    // Changes list only the figures that differ.
    EXPECT_EQ(
        LineasVistaPrevia(CalculaVistaPrevia({Mes({Fila("1100", "1", "110", DoceCon(1, "3"))})},
                                             Actuales(), kCatalogos),
                          false)
            .first(),
        "cambiar Mes línea 2: centro 1100, grupo 1, puesto 110: Febrero: 2 → 3");
}

}  // namespace
