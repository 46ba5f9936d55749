// A session on a fresh copy of the demo database, from the main window: area D opens the
// reports form, and each of the six reports opens in the viewer with the figures of the
// hotel's first plan and exports to PDF, CSV and XLSX; no work-table rows remain. With
// OXTA_SCREENSHOTS=<folder> the README's picture of the form is saved there.
#include "app/frmEmpresa.h"
#include "app/frmInicio.h"
#include "reports/CrystalPreview.h"
#include "reports/frmReportes.h"
#include "tests/app/AppTestSupport.h"
#include "ui/Application.h"
#include "ui/ErrorReport.h"
#include "ui/TestSeam.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class DemoReportesFormTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        prueba::CopiaBase(prueba::kBase, TestData::Demo);
        ui::SetErrorWindowHook([this](const QString& log) { errores.push_back(log); });
        AppData().AddData(QStringLiteral("UsuarioGet"), QStringLiteral("Administrador"));
        EscribeIni("VARIABLES", "Usuario", "Administrador");
        QDir().mkpath("reportes");
        for (const QString& f : QDir(OXTA_SOURCE_DIR "/reportes").entryList({"*.rpt"}))
            QFile::copy(QStringLiteral(OXTA_SOURCE_DIR "/reportes/") + f, "reportes/" + f);
    }
    void TearDown() override {
        prueba::CierraFormularios();
        ui::SetErrorWindowHook({});
        for (const QString& log : errores)
            ADD_FAILURE() << log.toStdString();
        TempDirTest::TearDown();
    }
    std::vector<QString> errores;
};

TEST_F(DemoReportesFormTest, EveryReportOpensFromTheMainWindowAndExports) {
    ui::ScriptedMessages msgs;
    auto* empresa = TForm::New<TEmpresa>();
    empresa->Show();
    empresa->btnAceptar->Click();
    TInicio* const inicio = Application().FindForm<TInicio>();
    ASSERT_NE(inicio, nullptr);

    // The budget of plan 1 for the year the form offers (next year): three months forecast.
    const QString anio = QString::number(QDate::currentDate().year() + 1);
    prueba::Ejecuta({"insert into staff_pronostico values (1, 1, " + anio + ", 1, 17), (1, 1, " +
                     anio + ", 2, 62.5), (1, 1, " + anio + ", 7, 90)"});
    std::vector<TCrystalPreview*> visores;
    ui::ModalRunnerScope modal([&](TForm& form) {
        auto* f = dynamic_cast<TReportes*>(&form);
        ASSERT_NE(f, nullptr);
        ASSERT_TRUE(f->btnImprime->lEnabled());
        f->chkStaffing->Click();
        f->cmbStaffing->Select(1);
        f->cmbPorcentaje->Select(10);  // 50 %
        f->cmbMEs->Select(3);          // Marzo
        for (int i = 1; i <= f->lstReportes->count(); ++i) {
            f->lstReportes->Select(i);
            if (i == 3) {
                QCoreApplication::processEvents();
                const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS");
                if (!carpeta.isEmpty()) {
                    EXPECT_TRUE(f->grab().save(QDir(carpeta).filePath("reportes_form.png")));
                }
            }
            f->btnImprime->Click();
        }
        for (TForm* abierto : Application().OpenForms())
            if (auto* v = dynamic_cast<TCrystalPreview*>(abierto))
                visores.push_back(v);
        ASSERT_EQ(visores.size(), 7u);
        for (std::size_t i = 0; i < visores.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_GT(visores[i]->Reporte()->data().main.result.rows.size(), 3u);
            const QString base = QStringLiteral("r%1").arg(i);
            visores[i]->ExportaPdf(base + ".pdf");
            visores[i]->ExportaCsv(base + ".csv");
            visores[i]->ExportaExcel(base + ".xlsx");
            for (const char* ext : {".pdf", ".csv", ".xlsx"})
                EXPECT_GT(QFileInfo(base + ext).size(), 500) << ext;
        }
        f->btnSalir->Click();
    });
    inicio->btnD->Click();
    EXPECT_EQ(modal.count(), 1);
    EXPECT_TRUE(msgs.texts().isEmpty()) << msgs.texts().join('|').toStdString();
    EXPECT_EQ(prueba::Valor("select count(*) from staff_reporte").toInt(), 0);
}

}  // namespace
