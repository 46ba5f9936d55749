// The work-table loader of the comparative reports: the set-based loader gives, row for row
// and cent for cent, what the row-by-row rules give, on a generated payroll with every awkward
// case; the rules themselves on figures worked out by hand; the checks and the run key.

#include "ado/Connection.h"
#include "reports/ConsultasReportes.h"
#include "tests/reports/NominaSintetica.h"
#include "tests/support/BaseDePrueba.h"

#include <set>

using namespace prueba;
using reportes::CargaReporte;
using reportes::Solicitud;

namespace {

QStringList Filas(const QString& clave) {
    clsConexion cnx;
    ado::Recordset rs;
    rs.Open(QStringLiteral("select centro, ocupacion, idstaffing, idgrupo, plazas, [real], "
                           "sueldoOriginal, sueldoReal, empresa from staff_reporte where clave='") +
                clave + QStringLiteral("' order by centro, ocupacion, idstaffing, idgrupo"),
            cnx.Conexion());
    QStringList filas;
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList f;
        for (int i = 0; i < 9; ++i)
            f << rs.Fields(i).Value.toText();
        filas << f.join(QLatin1Char('|'));
    }
    return filas;
}

Solicitud Plan(const QString& plan) {
    Solicitud s;
    s.reporte = QStringLiteral("Comparar Ocupacion Actual");
    s.empresa = QStringLiteral("       1");
    s.porStaffing = true;
    s.staffing = plan;
    return s;
}

class CargaGeneradaTest : public BaseUsuariosTest {
  protected:
    void SetUp() override {
        BaseUsuariosTest::SetUp();
        ASSERT_NE(cnx.Conexion(), nullptr);
        GeneraNomina([this](const QString& sql) { cnx.Ejecuta(sql); }, 300, 4000);
    }
    clsConexion cnx;
};

TEST_F(CargaGeneradaTest, SetBasedGivesTheRowsOfTheRowByRowRules) {
    struct Caso {
        QString plan;
        QString campo;
        QString tabla;
        QString grupo;   // empty: not filtered
        QString centro;  // empty: not filtered
    };
    std::vector<Caso> casos;
    for (int plan : kPlanesSinteticos) {
        casos.push_back({QString::number(plan), "v35", "staff_porcentaje", {}, {}});
        casos.push_back({QString::number(plan), "Marzo", "staff_mes", {}, {}});
    }
    casos.push_back({"1", "v100", "staff_porcentaje", "2", {}});
    casos.push_back({"4", "diciembre", "staff_mes", {}, "O'B"});
    casos.push_back({"4", "v5", "staff_porcentaje", "1", "C001"});

    int clave = 0;
    for (const Caso& c : casos) {
        SCOPED_TRACE((c.plan + ' ' + c.campo + ' ' + c.grupo + ' ' + c.centro).toStdString());
        Solicitud s = Plan(c.plan);
        s.porGrupo = !c.grupo.isEmpty();
        s.grupo = c.grupo;
        s.porCC = !c.centro.isEmpty();
        s.centro = c.centro;
        CargaReporte carga(*cnx.Conexion(), s);
        int sentencias = 0;
        carga.AlEnviar = [&sentencias] { ++sentencias; };
        const QString porFila = QStringLiteral("F%1").arg(++clave);
        const QString conjunto = QStringLiteral("C%1").arg(clave);

        carga.CargaFilaPorFila(porFila, c.campo, c.tabla);
        const int sentenciasPorFila = sentencias;
        sentencias = 0;
        carga.CargaTablaTemporal(conjunto, c.campo, c.tabla);

        const QStringList esperadas = Filas(porFila);
        EXPECT_EQ(Filas(conjunto), esperadas);
        EXPECT_EQ(sentencias, 2);
        EXPECT_EQ(sentenciasPorFila, 1 + 6 * esperadas.size());
        if (c.grupo.isEmpty() && c.centro.isEmpty()) {
            EXPECT_GT(esperadas.size(), 20);
        }
    }
    // The generated payroll does reach every case: somebody counted, a salary summed, a
    // centre written with trailing blanks matched, and the plan without types counting nobody.
    const auto total = [](const QString& sql) { return Valor(sql).toDouble(); };
    EXPECT_GT(total("select sum([real]) from staff_reporte where clave = 'C1'"), 0);
    EXPECT_GT(total("select sum([real]) from staff_reporte where clave = 'C1' and centro = 'C001'"),
              0);
    EXPECT_EQ(total("select count(*) from staff_reporte where clave = 'C5' and [real] <> 0"), 0);
    EXPECT_GT(total("select count(*) from staff_reporte where clave = 'C1' and sueldoOriginal = 0"),
              0);
}

// Figures worked out by hand: centre "VEN" planned (padded to 15 in the planning table),
// stored as "VEN  " in llaves for two employees.
class CargaConocidaTest : public BaseUsuariosTest {
  protected:
    void SetUp() override {
        BaseUsuariosTest::SetUp();
        Ejecuta({
            "insert into empresas (empresa, nombre_empresa) values (1, 'Hotel')",
            "insert into staffing (empresa, nombre, tiposNomina) values (1, 'SQM', 'S,Q,M')",
            "insert into staffing (empresa, nombre, tiposNomina) values (1, 'Nada', '')",
            "insert into tabulador values (1, 10, 'Cocinero', 8000.50)",
            "insert into tabulador values (1, 20, 'Mesero', 5000.49)",
            "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, ocupacion, v35) "
            "values (1, 1, 1, 'VEN', 10, 4)",
            "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, ocupacion, v35) "
            "values (1, 1, 1, 'VEN', 20, 2)",
            "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, ocupacion, v35) "
            "values (1, 1, 1, 'VEN', 30, 1)",
            "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, ocupacion, v35) "
            "values (1, 2, 1, 'VEN', 10, 3)",
            // tiponom 1 and 5 count, 2 does not; deleted and discharged do not; NULL salary
            // counts as an employee with 0.
            "insert into empleados (empresa, codigo, nombre, paterno, sueldo) values "
            "(1, 1, 'a', 'a', 1000.25), (1, 2, 'b', 'b', NULL), (1, 3, 'c', 'c', 700), "
            "(1, 6, 'f', 'f', 300.10)",
            "insert into empleados (empresa, codigo, nombre, paterno, sueldo, borrado) values "
            "(1, 4, 'd', 'd', 900, 'S')",
            "insert into empleados (empresa, codigo, nombre, paterno, sueldo, ultmov) values "
            "(1, 5, 'e', 'e', 800, 'B')",
            "insert into llaves (empresa, codigo, centro, ocupacion, tiponom) values "
            "(1, 1, 'VEN  ', 10, 1), (1, 2, 'VEN', 10, 5), (1, 3, 'VEN', 10, 2), "
            "(1, 4, 'VEN', 10, 1), (1, 5, 'VEN', 10, 4), (1, 6, 'VEN  ', 20, 4)",
        });
    }
};

TEST_F(CargaConocidaTest, BothLoadersGiveTheFiguresOfTheRules) {
    clsConexion cnx;
    CargaReporte plan(*cnx.Conexion(), Plan("1"));
    EXPECT_EQ(plan.TipoNomina(), QStringLiteral(" and ll.tiponom in (1,4,5)"));
    plan.CargaFilaPorFila("F", "v35", "staff_porcentaje");
    plan.CargaTablaTemporal("C", "v35", "staff_porcentaje");
    const QStringList esperadas = {
        "VEN|10|1|1|4|2|8001.00|1000.25|1",
        "VEN|20|1|1|2|1|5000.00|300.10|1",
        "VEN|30|1|1|1|0|0.00|0.00|1",
    };
    EXPECT_EQ(Filas("F"), esperadas);
    EXPECT_EQ(Filas("C"), esperadas);

    // A plan without payroll types counts nobody (instead of an SQL error).
    CargaReporte nada(*cnx.Conexion(), Plan("2"));
    nada.CargaFilaPorFila("F2", "v35", "staff_porcentaje");
    nada.CargaTablaTemporal("C2", "v35", "staff_porcentaje");
    EXPECT_EQ(Filas("F2"), QStringList{"VEN|10|2|1|3|0|8001.00|0.00|1"});
    EXPECT_EQ(Filas("C2"), Filas("F2"));

    // A plan that is not in staffing counts all six types.
    CargaReporte ausente(*cnx.Conexion(), Plan("77"));
    EXPECT_EQ(ausente.TipoNomina(), QStringLiteral(" and ll.tiponom in (1,2,3,4,5,6)"));
    EXPECT_EQ(ausente.ObtenReal("VEN", "10").trimmed(), QStringLiteral("3"));
}

TEST(NominaTest, LettersBecomeNumbersInTheStoredOrder) {
    EXPECT_EQ(reportes::NumerosNomina("S,Q,M"), (QStringList{"1", "4", "5"}));
    EXPECT_EQ(reportes::NumerosNomina("E,D"), (QStringList{"6", "2"}));
    EXPECT_EQ(reportes::NumerosNomina("S,X"), (QStringList{"1", "0"}));
    EXPECT_TRUE(reportes::NumerosNomina("").isEmpty());
    EXPECT_EQ(reportes::CondicionNomina({}), QStringLiteral(" and 1=0"));
}

TEST(ValidaTest, MessagesComeInTheOrderOfTheChecks) {
    Solicitud s;
    s.empresa = "1";
    s.reporte = "Comparar Ocupacion Actual";
    EXPECT_EQ(reportes::Valida(s), QStringLiteral("Debe indicarse el Staffing"));
    s.porGrupo = s.porCC = true;
    EXPECT_EQ(reportes::Valida(s), QStringLiteral("Debe indicarse el Staffing"));
    s.porStaffing = true;
    s.staffing = "3";
    EXPECT_EQ(reportes::Valida(s), QStringLiteral("Debe indicarse el grupo"));
    s.grupo = " 2";
    EXPECT_EQ(reportes::Valida(s), QStringLiteral("Debe indicarse el Centro de costos"));
    s.centro = "O'B";
    EXPECT_EQ(reportes::Valida(s), QString());
    // The direct reports need no plan; a checked box without its value still stops them.
    Solicitud d;
    d.reporte = "Puestos";
    EXPECT_EQ(reportes::Valida(d), QString());
    d.porCC = true;
    EXPECT_EQ(reportes::Valida(d), QStringLiteral("Debe indicarse el Centro de costos"));
    d.reporte = "Puestos al 5 %";
    EXPECT_FALSE(reportes::Valida(d).isEmpty());
    s.reporte = "Comparativo por Mes";
    s.mes = "Marzo";
    EXPECT_EQ(reportes::FuenteDe(s).campo, QStringLiteral("Marzo"));
    EXPECT_EQ(reportes::FuenteDe(s).tabla, QStringLiteral("staff_mes"));
    s.mes = "Brumario";
    EXPECT_FALSE(reportes::Valida(s).isEmpty());
}

TEST(ClaveTest, RunKeysFitTheColumnAndDoNotRepeat) {
    std::set<QString> claves;
    for (int i = 0; i < 10000; ++i) {
        const QString c = reportes::NuevaClave();
        ASSERT_LE(c.size(), 50);
        ASSERT_TRUE(claves.insert(c).second);
    }
}

}  // namespace
