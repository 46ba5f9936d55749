// Every report on the demo database (sql/schema.sql, sql/demo.sql). With
// OXTA_SCREENSHOTS=<folder> the first page of each is saved there as a PNG, with the chart
// page of a comparative report and the viewer (the README's pictures, docs/reporte_*.png and
// docs/visor.png).

#include "reports/CrystalPreview.h"
#include "tests/reports/ReportTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>

using namespace prueba;

namespace {

class DemoReportesTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        CopiaBase(kBase, TestData::Demo);
        // A run of the work table for the hotel's first plan, as the reports form fills it:
        // places at 50 % (key DEMO-P) and in March (DEMO-M) beside the active employees of
        // the plan's payroll types and their salaries.
        for (const auto& [clave, campo, tabla] : {std::tuple{"DEMO-P", "v50", "staff_porcentaje"},
                                                  std::tuple{"DEMO-M", "marzo", "staff_mes"}}) {
            const QString activos = QStringLiteral(
                "from llaves ll, empleados e where ll.empresa = p.empresa and e.empresa = "
                "ll.empresa and e.codigo = ll.codigo and e.borrado <> 'S' and e.ultmov <> 'B' and "
                "ll.tiponom in (1, 4) and ll.centro = p.centro and ll.ocupacion = p.ocupacion");
            Ejecuta({QStringLiteral(
                         "insert into staff_reporte select '%1', p.empresa, rtrim(p.centro), "
                         "p.ocupacion, p.idStaffing, p.idgrupo, p.%2, (select count(*) %4), "
                         "isnull((select round(isnull(t.garantia, 0), 0) from tabulador t where "
                         "t.empresa = p.empresa and t.ocupacion = p.ocupacion), 0), "
                         "(select isnull(sum(isnull(e.sueldo, 0)), 0) %4) from %3 p where "
                         "p.empresa = 1 and p.idStaffing = 1")
                         .arg(QLatin1String(clave), QLatin1String(campo), QLatin1String(tabla),
                              activos)});
        }
    }
};

using Parametros = std::vector<std::pair<QString, ado::Value>>;

}  // namespace

TEST_F(DemoReportesTest, EveryReportRendersTheDemo) {
    const Parametros directos = {{"empresa", 1}, {"cc", "TODOS"}, {"staffing", 0}, {"grupo", 0}};
    Parametros alCincuenta = directos;
    alCincuenta.push_back({"porc", 50});
    const std::vector<std::tuple<const char*, Parametros, const char*>> reportes = {
        {"rptPuestosStaffing.rpt", directos, "reporte_puestos.png"},
        {"rptPorcentaje.rpt", alCincuenta, "reporte_porcentaje.png"},
        {"rptPuestosComparativo.rpt", {{"CVE", "DEMO-P"}, {"porc", 50}}, "reporte_comparativo.png"},
        {"rptPuestosComparativoDin.rpt",
         {{"CVE", "DEMO-P"}, {"porc", 50}},
         "reporte_comparativo_sueldos.png"},
        {"rptComparativoMesConDiferencia.rpt",
         {{"CVE", "DEMO-M"}, {"mes", "Marzo"}},
         "reporte_mes_diferencia.png"},
        {"rptComparativoMes.rpt", {{"CVE", "DEMO-M"}, {"mes", "Marzo"}}, "reporte_mes.png"},
    };
    const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS");
    for (const auto& [archivo, parametros, imagen] : reportes) {
        report::Report r(Definicion(QString::fromLatin1(archivo)));
        for (const auto& [nombre, valor] : parametros)
            r.setParameter(nombre, valor);
        r.read();
        EXPECT_FALSE(r.data().main.result.rows.empty()) << archivo;
        const QStringList textos = r.document().texts(0);
        EXPECT_TRUE(textos.contains(QStringLiteral("Hotel Real del Mar, S.A. de C.V."))) << archivo;
        const QImage pagina = r.pageImage(0, 110);
        EXPECT_FALSE(pagina.isNull());
        if (!carpeta.isEmpty()) {
            EXPECT_TRUE(pagina.save(QDir(carpeta).filePath(QString::fromLatin1(imagen)))) << imagen;
        }
    }
    if (carpeta.isEmpty())
        return;
    // The chart that ends a comparative report, and the viewer around a report.
    report::Report r(Definicion(QStringLiteral("rptPuestosComparativo.rpt")));
    r.setParameter(QStringLiteral("CVE"), QStringLiteral("DEMO-P"));
    r.setParameter(QStringLiteral("porc"), 50);
    r.read();
    EXPECT_TRUE(
        r.pageImage(r.pageCount() - 1, 110).save(QDir(carpeta).filePath("reporte_grafica.png")));

    auto* visor = TForm::New<TCrystalPreview>();
    visor->cReport = Definicion(QStringLiteral("rptPuestosComparativoDin.rpt"));
    visor->Crea();
    visor->Parametro(QStringLiteral("CVE"), QStringLiteral("DEMO-P"));
    visor->Parametro(QStringLiteral("porc"), 50);
    visor->Show(1);
    visor->resize(1100, 760);
    QCoreApplication::processEvents();
    EXPECT_TRUE(visor->grab().save(QDir(carpeta).filePath("visor.png")));
    visor->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
