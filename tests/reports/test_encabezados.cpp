// What every page of every report says was chosen: the company, the report, the plan with its
// payroll types, the centre and the group (or "Todos"), also above "Sin datos"; and the
// entries of a deleted group, like those of a deleted plan, neither listed nor counted.
// Each report runs as the form and oxta-report run it (the same request, rules and
// parameters), from a request to its laid-out pages.

#include "ado/AdoError.h"
#include "reports/ConsultasReportes.h"
#include "tests/reports/ReportTestSupport.h"
#include "tests/support/CadenasHostiles.h"

using namespace prueba;

namespace {

struct Filtros {
    const char* nombre;
    bool porCC;
    bool porGrupo;
    const char* staffing;
    QStringList encabezado;  // on every page
    bool sinDatos;
};

const std::vector<Filtros> kFiltros = {
    {"plan, centro y grupo",
     true,
     true,
     "1",
     {"Hotel Prueba, S.A.", "Staffing: 1 - Plan A (nóminas S,Q)", "Centro de costos: 100 - Cocina",
      "Grupo: 1 - Operación"},
     false},
    {"solo el plan",
     false,
     false,
     "1",
     {"Hotel Prueba, S.A.", "Staffing: 1 - Plan A (nóminas S,Q)", "Centro de costos: Todos",
      "Grupo: Todos"},
     false},
    // Plan B has nothing in centre 100: no rows, the same heading.
    {"sin filas",
     true,
     true,
     "2",
     {"Hotel Prueba, S.A.", "Staffing: 2 - Plan B (nóminas M)", "Centro de costos: 100 - Cocina",
      "Grupo: 1 - Operación", "Sin datos"},
     true},
};

class EncabezadosTest : public ReportesTest {
  protected:
    void SetUp() override {
        ReportesTest::SetUp();
        // Enough entries of plan A in the kitchen for several pages of every report, and one
        // entry of a group that was deleted (77), which no report may show or count.
        QStringList sql;
        for (int i = 0; i < 90; ++i) {
            sql << QStringLiteral(
                       "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, "
                       "ocupacion, v5, v50) values (1, 1, 1, '100', %1, 1, 1)")
                       .arg(2000 + i)
                << QStringLiteral(
                       "insert into staff_mes (empresa, idStaffing, idgrupo, centro, ocupacion, "
                       "enero) values (1, 1, 1, '100', %1, 1)")
                       .arg(2000 + i);
        }
        sql << "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, ocupacion, "
               "v5, v50) values (1, 1, 77, '100', 4444, 500, 500)"
            << "insert into staff_mes (empresa, idStaffing, idgrupo, centro, ocupacion, enero) "
               "values (1, 1, 77, '100', 4444, 500)";
        Ejecuta({sql.join(QLatin1Char('\n'))});
    }
};

}  // namespace

TEST_F(EncabezadosTest, EveryPageNamesTheChoiceAndDeletedGroupsStayOut) {
    clsConexion cnx;
    ado::Connection* cn = cnx.Conexion();
    ASSERT_NE(cn, nullptr);
    for (const QString& nombre : reportes::ListaReportes()) {
        for (const Filtros& f : kFiltros) {
            SCOPED_TRACE(nombre.toStdString() + " / " + f.nombre);
            reportes::Solicitud s;
            s.reporte = nombre;
            s.empresa = QStringLiteral("       1");
            s.porStaffing = true;
            s.staffing = QString::fromLatin1(f.staffing);
            s.porCC = f.porCC;
            s.centro = f.porCC ? QStringLiteral("100") : QString();
            s.porGrupo = f.porGrupo;
            s.grupo = f.porGrupo ? QStringLiteral("1") : QString();
            reportes::Corrida corrida;
            ASSERT_EQ(reportes::PreparaCorrida(*cn, s, corrida), QString());
            report::Report r(QStringLiteral(OXTA_SOURCE_DIR "/") + corrida.archivo);
            for (const auto& [parametro, valor] : corrida.parametros)
                r.setParameter(parametro, valor);
            r.read(*cn);
            const int paginas = r.pageCount();
            if (!f.sinDatos)
                EXPECT_GT(paginas, 1);
            const QString titulo = r.document().title;
            for (int p = 0; p < paginas; ++p) {
                const QStringList textos = r.document().texts(p);
                const QString todo = textos.join(QLatin1Char('\n'));
                EXPECT_TRUE(textos.contains(titulo)) << "page " << p + 1;
                for (const QString& t : f.encabezado)
                    EXPECT_TRUE(todo.contains(t)) << t.toStdString() << ", page " << p + 1;
                EXPECT_FALSE(todo.contains(QStringLiteral("4444"))) << "page " << p + 1;
                EXPECT_FALSE(todo.contains(QStringLiteral("500"))) << "page " << p + 1;
            }
        }
    }
}

TEST_F(EncabezadosTest, PlacesAddUpPerPlanAndNeverAcrossPlans) {
    // "Puestos" with no plan chosen: plan A and plan B each with their subtotal, no figure
    // that adds both.
    report::Report r =
        Lee(QStringLiteral("rptPorcentaje.rpt"),
            {{"empresa", 1}, {"cc", "TODOS"}, {"staffing", 0}, {"grupo", 0}, {"porc", 5}});
    QStringList todo;
    for (int p = 0; p < r.pageCount(); ++p)
        todo << r.document().texts(p);
    const auto i = todo.indexOf(QStringLiteral("Total del staffing Plan A"));
    const auto j = todo.indexOf(QStringLiteral("Total del staffing Plan B"));
    ASSERT_GE(i, 0);
    ASSERT_GE(j, 0);
    EXPECT_EQ(todo.value(i + 1), QStringLiteral("91")) << "cook 1 + 90 entries";
    EXPECT_EQ(todo.value(j + 1), QStringLiteral("2"));
    EXPECT_FALSE(todo.contains(QStringLiteral("Total general")));
    EXPECT_FALSE(todo.contains(QStringLiteral("93")));
    EXPECT_TRUE(todo.join(QLatin1Char('\n')).contains(QStringLiteral("Staffing: Todos")));
}

TEST_F(EncabezadosTest, HostileFilterTextsNameNothingAndChangeNothing) {
    clsConexion cnx;
    ado::Connection* cn = cnx.Conexion();
    ASSERT_NE(cn, nullptr);
    for (const Hostil& h : CadenasHostiles()) {
        SCOPED_TRACE(Muestra(h.texto));
        reportes::Solicitud s;
        s.reporte = QStringLiteral("Puestos");
        s.empresa = QStringLiteral("1");
        s.porCC = true;
        s.centro = h.texto;
        try {
            EXPECT_EQ(
                reportes::VerificaFiltros(*cn, s),
                QStringLiteral("No existe el centro de costos %1 de la empresa 1").arg(h.texto));
        } catch (const ado::Error&) {
            EXPECT_TRUE(h.texto.contains(QChar(u'\0'))) << "only a NUL is refused";
        }
    }
    // Keys beyond the columns name nothing either.
    reportes::Solicitud s;
    s.empresa = QStringLiteral("1000");
    EXPECT_EQ(reportes::VerificaFiltros(*cn, s), QStringLiteral("No existe la empresa 1000"));
    s.empresa = QStringLiteral("1");
    s.porStaffing = true;
    s.staffing = QStringLiteral("9223372036854775807");
    EXPECT_EQ(reportes::VerificaFiltros(*cn, s),
              QStringLiteral("No existe el staffing 9223372036854775807 de la empresa 1"));
    EXPECT_EQ(Valor("select count(*) from staffing").toInt(), 3);
    EXPECT_EQ(Valor("select count(*) from centros").toInt(), 2);
}
