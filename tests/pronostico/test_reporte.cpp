// The seventh report on the demo: a forecast for plan 1 (two months imported from a CSV file,
// the rest typed), the budget read by the report engine and checked against figures worked
// by hand from the plan's entries and the tabulator, its exports, the month plan generated
// from it and found through the planning core; the refusals of the form and of oxta-report.

#include "planning/Planeacion.h"
#include "planning/pronostico/ArchivoPronostico.h"
#include "planning/pronostico/PlanMensual.h"
#include "planning/pronostico/ReportePresupuesto.h"
#include "reports/engine/Report.h"
#include "tests/pronostico/PronosticoPrueba.h"
#include "tests/reports/ReportTestSupport.h"
#include "tests/support/CadenasHostiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>

using namespace prueba;
using namespace pronostico;

namespace {

class ReportePresupuestoTest : public PronosticoTest {
  protected:
    reportes::Solicitud Pide(const QString& staffing, const QString& anio,
                             const QString& regla = {}) const {
        reportes::Solicitud s;
        s.reporte = kReportePresupuesto;
        s.empresa = kEmpresa;
        s.porStaffing = true;
        s.staffing = staffing;
        s.anio = anio;
        s.regla = regla;
        return s;
    }
    // The report as the form shows it: prepared, read, its work-table rows gone.
    report::Report Lee(const reportes::Solicitud& s) {
        reportes::Corrida corrida;
        EXPECT_EQ(PreparaReporte(*db, s, corrida), "");
        report::Report r(prueba::Definicion("rptPresupuestoPronostico.rpt"));
        for (const auto& [nombre, valor] : corrida.parametros)
            r.setParameter(nombre, valor);
        r.read(*db);
        return r;
    }
    // The field of the row of `d` where the other fields hold the given values.
    static ado::Value Campo(const report::SectionData& d, const QString& campo,
                            const std::vector<std::pair<QString, QString>>& donde) {
        for (const auto& fila : d.result.rows) {
            bool es = true;
            for (const auto& [nombre, valor] : donde)
                es = es && fila[static_cast<std::size_t>(d.column(nombre))].trimmed() == valor;
            if (es)
                return fila[static_cast<std::size_t>(d.column(campo))];
        }
        ADD_FAILURE() << "no row for " << campo.toStdString();
        return {};
    }
    double Mano(const QString& sql) { return scalar(sql).toDouble(); }
};

}  // namespace

TEST_F(ReportePresupuestoTest, DemoWalkFromTheForecastToTheReportAndTheMonthPlan) {
    // January and February from a file (with its heading, a comma decimal, a month by name),
    // the other ten typed as the boxes read them.
    QFile csv("pronostico.csv");
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("mes,ocupación\r\n1,17\r\nfebrero,\"62,5\"\r\n");
    csv.close();
    Meses tecleados{};
    const char* textos[] = {"", "", "100", "0", "45", "50 %", "80", "85,5", "55", "60", "40", "90"};
    for (int m = 2; m < kMeses; ++m)
        tecleados[m] = LeePorcentaje(QString::fromUtf8(textos[m])).decimas;
    const VistaImportacion vista =
        PreparaImportacion(LeeArchivoPronostico("pronostico.csv"), tecleados);
    ASSERT_TRUE(vista.Aplicable()) << vista.errores.join('\n').toStdString();
    EXPECT_EQ(vista.cambios.size(), 2u);
    AlmacenPronostico(*db).Guarda(kEmpresa, "1", 2027, vista.resultado);

    report::Report r = Lee(Pide("1", "2027"));
    EXPECT_EQ(scalar("select count(*) from staff_reporte").toInt(), 0);
    const report::SectionData& d = r.data().main;
    // 62,5 % in February uses the 65 % level: Botones of centre 1100.
    const double botones = Mano(
        "select sum(v65) from staff_porcentaje where empresa=1 and idstaffing=1 and "
        "centro='1100' and ocupacion=112");
    const double garantia =
        Mano("select garantia from tabulador where empresa=1 and ocupacion=112");
    EXPECT_EQ(
        Campo(d, "plazas", {{"centro", "1100"}, {"ocupacion", "112"}, {"mes", "2"}}).toDouble(),
        botones);
    EXPECT_DOUBLE_EQ(
        Campo(d, "costo", {{"centro", "1100"}, {"ocupacion", "112"}, {"mes", "2"}}).toDouble(),
        botones * garantia);
    // The yearly average of a position: its places over the twelve forecast months.
    LectorPlan lector(*db);
    Presupuesto p;
    ASSERT_EQ(CalculaPresupuesto(lector, Solicitud("1", 2027), p), "");
    const auto fila = std::find_if(p.filas.begin(), p.filas.end(), [](const FilaPresupuesto& f) {
        return f.centro == "1100" && f.ocupacion == 112;
    });
    ASSERT_NE(fila, p.filas.end());
    EXPECT_EQ(Campo(d, "promedio", {{"centro", "1100"}, {"ocupacion", "112"}}).toText(),
              QString::number(p.Promedio(*fila), 'f', 1).replace('.', ','));
    // March at 100 %: the whole plan's cost of the month, from every entry and the tabulator.
    EXPECT_DOUBLE_EQ(Campo(r.data().subreports.at(0), "costo", {{"mes", "3"}}).toDouble(),
                     Mano("select sum(p.v100 * t.garantia) from staff_porcentaje p join tabulador "
                          "t on t.empresa=p.empresa and t.ocupacion=p.ocupacion where "
                          "p.empresa=1 and p.idstaffing=1"));

    // The printed pages say whose payroll it is and by which rule; the exports.
    const QString paginas = r.document().texts(0).join('\n');
    EXPECT_TRUE(paginas.contains(TituloPlantilla(QDate::currentDate()))) << paginas.toStdString();
    EXPECT_TRUE(paginas.contains(DescripcionRegla(Regla::Superior)));
    EXPECT_GE(r.document().charts.size(), 2u);
    if (const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS"); !carpeta.isEmpty()) {
        // The README's pictures: the first page and the page of the first chart.
        r.pageImage(0, 80).save(QDir(carpeta).filePath("pronostico_presupuesto.png"));
        for (int i = 0; i < r.pageCount(); ++i)
            for (const report::Item& item : r.document().pages[static_cast<std::size_t>(i)].items)
                if (item.kind == report::Item::Kind::Chart && item.chart == 0)
                    r.pageImage(i, 80).save(QDir(carpeta).filePath("pronostico_grafica.png"));
    }
    r.writeXlsx("presupuesto.xlsx");
    const auto formulas = FormulasXlsx("presupuesto.xlsx");
    EXPECT_TRUE(std::any_of(formulas.begin(), formulas.end(),
                            [](const QString& f) { return f.startsWith("SUBTOTAL(9,"); }));
    // The month plan from the same forecast, found through the planning core.
    VistaPlanMensual plan;
    ASSERT_EQ(PreparaPlanMensual(lector, p.solicitud, plan), "");
    AplicaPlanMensual(lector, p.solicitud, plan, true);
    const planeacion::Planeacion meses(db.get(), planeacion::Tabla::Mes);
    const QString grupo = scalar(
                              "select min(idgrupo) from staff_porcentaje where idstaffing=1 "
                              "and centro='1100' and ocupacion=112")
                              .toText();
    bool hallado = false;
    for (const planeacion::Entrada& e : meses.Entradas({kEmpresa, "1", "1100", grupo}))
        if (e.puesto.trimmed() == "112") {
            hallado = true;
            EXPECT_EQ(e.cifras.at(1).trimmed().toInt(), static_cast<int>(botones));
        }
    EXPECT_TRUE(hallado);
}

TEST_F(ReportePresupuestoTest, RefusalsWriteNothingAndAMonthWithoutForecastCostsNothing) {
    Pronostica("1", 2027, {{1, "17"}, {2, "62"}});
    const struct {
        reportes::Solicitud s;
        QString mensaje;
    } casos[] = {
        {Pide("", "2027"), "Debe indicarse el Staffing"},
        {Pide("1", ""), "Debe indicarse el año"},
        {Pide("1", "27"), "Debe indicarse el año"},
        {Pide("1", "2027", "al azar"), "La regla debe ser"},
        {Pide("1", "2026"), MensajeSinPronostico("1", 2026)},
        {Pide("77", "2027"), MensajeSinPlan("77")},
    };
    for (const auto& c : casos) {
        reportes::Corrida corrida;
        EXPECT_TRUE(PreparaReporte(*db, c.s, corrida).startsWith(c.mensaje))
            << c.mensaje.toStdString();
        EXPECT_FALSE(corrida.datos);
    }
    for (const Hostil& h : CadenasHostiles()) {
        reportes::Corrida corrida;
        EXPECT_FALSE(PreparaReporte(*db, Pide("1", h.texto, h.texto), corrida).isEmpty())
            << Muestra(h.texto);
    }
    // Hostile cells of an import file, as month and as figure: every row refused.
    QString texto;
    for (const Hostil& h : CadenasHostiles())
        texto += QStringLiteral("\"%1\",\"%1\"\r\n").arg(QString(h.texto).replace('"', "\"\""));
    QFile archivo("hostil.csv");
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly) && archivo.write(texto.toUtf8()) > 0);
    archivo.close();
    const auto leidas = LeeArchivoPronostico("hostil.csv");
    EXPECT_EQ(leidas.size(), CadenasHostiles().size());
    const VistaImportacion hostil = PreparaImportacion(leidas, {});
    EXPECT_EQ(hostil.errores.size(), static_cast<qsizetype>(leidas.size()));
    EXPECT_TRUE(hostil.cambios.empty());
    // A deleted plan: its forecast stays, its budget cannot be asked for.
    report::Report r = Lee(Pide("1", "2027", "Interpolado"));
    const report::SectionData& totales = r.data().subreports.at(0);
    EXPECT_EQ(Campo(totales, "pronostico", {{"mes", "5"}}).toText(), kSinPronostico);
    EXPECT_EQ(Campo(totales, "costo", {{"mes", "5"}}).toDouble(), 0);
    EXPECT_EQ(Campo(totales, "pronostico", {{"mes", "2"}}).toText(), "62,0 %");
    EXPECT_TRUE(Campo(r.data().main, "porcentaje", {{"mes", "5"}}).isNull());
    exec("delete from staffing where idstaffing=1");
    reportes::Corrida corrida;
    EXPECT_EQ(PreparaReporte(*db, Pide("1", "2027"), corrida), MensajeSinPlan("1"));
}

TEST_F(ReportePresupuestoTest, OxtaReportWritesTheBudgetOrExitsOneWithAClearMessage) {
    Pronostica("1", 2027, {{1, "17"}, {7, "92,5"}});
    EscribeIni("CONFIG", "MOTOR", "SQLITE");
    EscribeIni("CONFIG", "SERVER", dir());
    EscribeIni("CONFIG", "BD", "nomina");
    const struct {
        QStringList argumentos;
        int estado;
        const char* mensaje;
    } casos[] = {
        {{"--staffing", "1", "--anio", "2027", "--regla", "interpolado", "-o", "p.csv"}, 0, ""},
        {{"--staffing", "99", "--anio", "2027", "-o", "q.csv"}, 1, "No existe el staffing 99"},
        {{"--staffing", "1", "--anio", "2031", "-o", "q.pdf"},
         1,
         "no tiene pronóstico de ocupación para 2031"},
        {{"--staffing", "1", "-o", "q.xlsx"}, 1, "Debe indicarse el año"},
    };
    for (const auto& c : casos) {
        QProcess p;
        p.start(QStringLiteral(OXTA_BINARY_DIR "/tools/oxta-report"),
                QStringList{"--empresa", "1", "--reporte", kReportePresupuesto} + c.argumentos);
        ASSERT_TRUE(p.waitForFinished(60000));
        const QString error = QString::fromUtf8(p.readAllStandardError());
        EXPECT_EQ(p.exitCode(), c.estado) << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.mensaje))) << error.toStdString();
    }
    EXPECT_FALSE(QFile::exists("q.csv") || QFile::exists("q.pdf") || QFile::exists("q.xlsx"));
    QFile csv("p.csv");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const auto filas = LeeCsv(csv.readAll());
    ASSERT_GT(filas.size(), 12u);
    for (const QString& campo : CamposLargos())
        EXPECT_TRUE(filas[0].contains(campo)) << campo.toStdString();
    const auto porcentaje = filas[0].indexOf("porcentaje");
    EXPECT_EQ(filas[1][filas[0].indexOf("mes")], "1");
    EXPECT_EQ(filas[7][porcentaje], "92.5");
    EXPECT_EQ(filas[2][porcentaje], "");  // sin pronóstico
}
