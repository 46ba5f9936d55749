// On the demo database: plan 1 copied as "Plan 2027", exported, five figures changed, a row
// added and one broken in the workbook, imported, applied, imported again.
#include "ado/AdoError.h"
#include "planning/herramientas/OperacionesPlan.h"
#include "tests/planning_tools/PlanDemo.h"
#include "tests/support/CadenasHostiles.h"

#include <algorithm>

using namespace planeacion;
using namespace plantools;

namespace {

using PlanTest = PlanDemoTest;

TEST_F(PlanTest, CopiaExportaEditaImportaYAplicaSoloLoCambiado) {
    const QStringList antes = Tablas();
    const qint64 nuevo = CopiaPlan(*cnx, kEmpresa, "1", "Plan 2027", "Q,s");
    const QString plan = QString::number(nuevo);
    EXPECT_EQ(
        prueba::Valor("select nombre + '|' + tiposNomina from staffing where idstaffing=" + plan)
            .toText(),
        "Plan 2027|S,Q");
    // The copy holds every entry of plan 1, and nothing else changed.
    const EntradasPlan origen = LeeEntradas(*cnx, kEmpresa, "1");
    const EntradasPlan copia = LeeEntradas(*cnx, kEmpresa, plan);
    ASSERT_GT(origen.porcentaje.size(), 10u);
    ASSERT_GT(origen.mes.size(), 10u);
    for (Tabla t : {Tabla::Porcentaje, Tabla::Mes}) {
        ASSERT_EQ(copia.De(t).size(), origen.De(t).size());
        for (std::size_t i = 0; i < origen.De(t).size(); ++i) {
            EXPECT_EQ(copia.De(t)[i].clave, origen.De(t)[i].clave);
            EXPECT_EQ(copia.De(t)[i].cifras, origen.De(t)[i].cifras);
        }
    }
    EXPECT_EQ(Tablas().size(), antes.size() + origen.porcentaje.size() + origen.mes.size());

    ASSERT_EQ(ExportaPlan(*cnx, kEmpresa, plan, "plan.xlsx"),
              static_cast<int>(origen.porcentaje.size() + origen.mes.size()));
    const EntradaClave& nueva =
        origen.mes.front();  // a position not yet under that centre and group
    EditaLibro("plan.xlsx", [&](std::vector<std::vector<QStringList>>& hojas) {
        auto& porcentaje = hojas[0];
        for (int i = 1; i <= 3; ++i)
            porcentaje[i][6 + i] = QString::number(porcentaje[i][6 + i].toInt() + 10);
        hojas[1][2][6] = "7";
        hojas[1][3][17] = "70";
        porcentaje[4][10] = "dos";  // broken
        porcentaje.push_back(
            QStringList{nueva.clave.centro, "", QString::number(nueva.clave.grupo), "", "999", ""} +
            QStringList(20, "1"));
    });
    // 999 is not a position of the company: make it one that is, absent under this key.
    QStringList puestos;
    for (const EntradaClave& e : origen.porcentaje)
        puestos << QString::number(e.clave.puesto);
    const QString libre =
        prueba::Valor(
            "select min(ocupacion) from tabulador where empresa=1 and ocupacion not in (" +
            puestos.join(',') + ")")
            .toText();
    EditaLibro("plan.xlsx", [&](auto& hojas) { hojas[0].back()[4] = libre; });

    const VistaPrevia v = VistaDeArchivo(*cnx, kEmpresa, plan, "plan.xlsx");
    ASSERT_EQ(v.cambiar.size(), 5u);
    ASSERT_EQ(v.agregar.size(), 1u);
    ASSERT_EQ(v.rechazados.size(), 1u);
    EXPECT_EQ(v.rechazados[0].linea, 5);
    EXPECT_EQ(v.agregar[0].entrada.clave.puesto, libre.toLongLong());
    EXPECT_TRUE(v.ausentes.empty());
    EXPECT_EQ(v.cambiar[3].antes.at(0) != 7, true);
    EXPECT_EQ(v.cambiar[3].despues.at(0), 7);

    // Refused rows: nothing is written unless the planner asks for the valid ones.
    const QStringList copiado = Tablas();
    EXPECT_THROW(AplicaImportacion(*cnx, kEmpresa, plan, v, false, false), ErrorPlan);
    EXPECT_EQ(Tablas(), copiado);
    AplicaImportacion(*cnx, kEmpresa, plan, v, false, true);
    const EntradasPlan despues = LeeEntradas(*cnx, kEmpresa, plan);
    EXPECT_EQ(despues.porcentaje.size(), origen.porcentaje.size() + 1);
    EXPECT_EQ(Tablas().size(), copiado.size() + 1);
    for (const CambioEntrada& c : v.cambiar) {
        for (const EntradaClave& e : despues.De(c.tabla)) {
            if (e.clave == c.clave)
                EXPECT_EQ(e.cifras, c.despues);
        }
    }
    // Exactly those rows differ from the copy.
    QStringList distintas;
    const QStringList ahora = Tablas();
    for (const QString& f : ahora) {
        if (!copiado.contains(f))
            distintas << f;
    }
    EXPECT_EQ(distintas.size(), 6) << distintas.join('\n').toStdString();

    const VistaPrevia otra = VistaDeArchivo(*cnx, kEmpresa, plan, "plan.xlsx");
    EXPECT_EQ(Resumen(otra), QString("agregados=0 cambiados=0 sin_cambio=%1 rechazados=1")
                                 .arg(origen.porcentaje.size() + origen.mes.size()));
}

TEST_F(PlanTest, EliminarAusentesBorraSoloLoQueElArchivoNoNombra) {
    ExportaPlan(*cnx, kEmpresa, "1", "mes.csv", Tabla::Mes);
    const EntradasPlan origen = LeeEntradas(*cnx, kEmpresa, "1");
    QFile f("mes.csv");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QStringList lineas = QString::fromUtf8(f.readAll()).split("\r\n", Qt::SkipEmptyParts);
    f.close();
    lineas.removeAt(2);
    lineas.removeAt(1);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(lineas.join("\n").toUtf8());
    f.close();
    const VistaPrevia v = VistaDeArchivo(*cnx, kEmpresa, "1", "mes.csv");
    ASSERT_EQ(v.ausentes.size(), 2u);
    AplicaImportacion(*cnx, kEmpresa, "1", v, true, false);
    const EntradasPlan despues = LeeEntradas(*cnx, kEmpresa, "1");
    EXPECT_EQ(despues.mes.size(), origen.mes.size() - 2);
    EXPECT_EQ(despues.porcentaje.size(), origen.porcentaje.size());  // not in the file: kept
}

TEST_F(PlanTest, UnLoteQueFallaNoDejaNadaEscrito) {
    // The month table is gone, so the batch fails after writing the percentage rows.
    const EntradasPlan origen = LeeEntradas(*cnx, kEmpresa, "1");
    VistaPrevia v;
    CambioEntrada c{Tabla::Porcentaje, 2, origen.porcentaje[0].clave, origen.porcentaje[0].cifras,
                    std::vector<int>(20, 77)};
    v.cambiar.push_back(c);
    c.tabla = Tabla::Mes;
    c.despues.resize(12);
    c.clave = origen.mes[0].clave;
    v.cambiar.push_back(c);
    prueba::Ejecuta({"drop table staff_mes"});
    const QString antes = prueba::Valor("select sum(v5) from staff_porcentaje").toText();
    EXPECT_THROW(AplicaImportacion(*cnx, kEmpresa, "1", v, false, false), ado::Error);
    EXPECT_EQ(prueba::Valor("select sum(v5) from staff_porcentaje").toText(), antes);
    const QString planes = prueba::Valor("select count(*) from staffing").toText();
    EXPECT_THROW(CopiaPlan(*cnx, kEmpresa, "1", "Copia", ""), ado::Error);
    EXPECT_EQ(prueba::Valor("select count(*) from staffing").toText(), planes);
}

TEST_F(PlanTest, ElNombreDeLaCopiaSeGuardaTalCualOSeRechaza) {
    for (const prueba::Hostil& h : prueba::CadenasHostiles()) {
        const QString planes = prueba::Valor("select count(*) from staffing").toText();
        const bool cabe = !ProblemaNombrePlan(h.texto).has_value();
        const bool esperado = !h.texto.trimmed().isEmpty() && h.texto.size() <= 150 &&
                              !h.texto.contains(QChar(u'\0')) && !h.texto.contains(u'\n') &&
                              !h.texto.contains(u'\r') && !h.texto.contains(u'\t') &&
                              !h.texto.contains(QString::fromUtf8("Ж")) &&
                              !h.texto.contains(QString::fromUtf8("😀"));
        EXPECT_EQ(cabe, esperado) << prueba::Muestra(h.texto);
        if (!cabe) {
            EXPECT_THROW(CopiaPlan(*cnx, kEmpresa, "1", h.texto, "S"), ErrorPlan);
            EXPECT_EQ(prueba::Valor("select count(*) from staffing").toText(), planes);
            continue;
        }
        const qint64 clave = CopiaPlan(*cnx, kEmpresa, "1", h.texto, "S");
        EXPECT_EQ(
            prueba::Valor("select nombre from staffing where idstaffing=" + QString::number(clave))
                .toText(),
            h.texto)
            << prueba::Muestra(h.texto);
    }
}

TEST_F(PlanTest, ClavesYTiposQueNoSonDeLaEmpresaSeRechazan) {
    struct Caso {
        QString empresa, staffing, tipos;
    };
    for (const Caso& c : std::vector<Caso>{{kEmpresa, "3", "S"},  // plan of company 2
                                           {"7", "1", "S"},
                                           {kEmpresa, "1 or 1=1", "S"},
                                           {"1;drop table staffing", "1", "S"},
                                           {kEmpresa, "1", "S,X"},
                                           {kEmpresa, "1", "SQ"}}) {
        EXPECT_THROW(CopiaPlan(*cnx, c.empresa, c.staffing, "x", c.tipos), ErrorPlan)
            << c.staffing.toStdString() << c.tipos.toStdString();
        if (c.tipos == "S")  // the keys are what is wrong
            EXPECT_THROW(ExportaPlan(*cnx, c.empresa, c.staffing, "x.xlsx"), ErrorPlan);
    }
    EXPECT_EQ(NormalizaTipos(" e,m ,Q,s,,S"), "S,Q,M,E");
    EXPECT_EQ(NormalizaTipos(""), "");
}

// The preview is made on one connection; someone else applies an import of their own on
// another before "Aplicar". Ours (figure 3 of entry 0 changed, an entry added, entry 1
// deleted) writes only while every row it writes is as its preview read it.
TEST_F(PlanTest, AplicarNoPisaLoQueOtroGuardoDesdeLaVistaPrevia) {
    clsConexion otraConexion;
    ado::Connection* const otra = otraConexion.Conexion();
    ASSERT_NE(otra, nullptr);
    // {the entry the other changes (-1: it adds ours first), the figure, ours writes}
    const std::tuple<int, int, bool> casos[] = {
        {0, 3, false}, {0, 4, true}, {1, 4, false}, {-1, 0, false}, {2, 4, true}};
    qint64 puesto = 900000;
    for (const auto& [entrada, figura, escribe] : casos) {
        SCOPED_TRACE(entrada * 10 + figura);
        const std::vector<EntradaClave> p = LeeEntradas(*cnx, kEmpresa, "1").porcentaje;
        VistaPrevia nuestra, ajena;
        std::vector<int> nuevas = p[0].cifras;
        nuevas[3] += 7;
        nuestra.cambiar.push_back({Tabla::Porcentaje, 2, p[0].clave, p[0].cifras, nuevas});
        const ClaveEntrada nueva{p[0].clave.centro, p[0].clave.grupo, ++puesto};
        nuestra.agregar.push_back({Tabla::Porcentaje, 3, {nueva, std::vector<int>(20, 3)}});
        nuestra.ausentes.push_back({Tabla::Porcentaje, p[1].clave, p[1].cifras});
        EntradaClave suya{nueva, std::vector<int>(20, 9)};
        if (entrada < 0) {
            ajena.agregar.push_back({Tabla::Porcentaje, 2, suya});
        } else {
            suya = p[static_cast<std::size_t>(entrada)];
            suya.cifras[static_cast<std::size_t>(figura)] += 1;
            ajena.cambiar.push_back({Tabla::Porcentaje, 2, suya.clave,
                                     p[static_cast<std::size_t>(entrada)].cifras, suya.cifras});
        }
        AplicaImportacion(*otra, kEmpresa, "1", ajena, false, false);
        const QStringList trasLaAjena = Tablas();
        try {
            AplicaImportacion(*cnx, kEmpresa, "1", nuestra, true, false);
            EXPECT_TRUE(escribe);
            const std::vector<EntradaClave> d = LeeEntradas(*cnx, kEmpresa, "1").porcentaje;
            EXPECT_EQ(d.size(), p.size());  // one added, one deleted
            EXPECT_EQ(d.front().cifras[3], nuevas[3]);
            EXPECT_TRUE(std::any_of(d.begin(), d.end(), [&](const EntradaClave& x) {
                return x.clave == suya.clave && x.cifras[figura] == suya.cifras[figura];
            }));  // the other's figure kept
        } catch (const ErrorPlan& e) {
            EXPECT_FALSE(escribe);
            EXPECT_TRUE(e.vistaCaducada && e.mensaje == kVistaCaducada);
            EXPECT_EQ(Tablas(), trasLaAjena);
        }
    }
}

}  // namespace
