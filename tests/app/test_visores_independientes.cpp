// Report viewers beside the modal forms, under Qt's own modality (no test runner): from the
// main window of the demo database the reports form opens modally; two reports printed from
// it open viewers that Qt does not block, so clicks reach them while the form waits, and they
// stay usable after it has closed. The main window stays blocked while the form is open.
// With OXTA_SCREENSHOTS=<folder> the picture of the two viewers beside the form is saved.
#include "app/frmEmpresa.h"
#include "app/frmInicio.h"
#include "reports/CrystalPreview.h"
#include "reports/ReportPageView.h"
#include "reports/frmReportes.h"
#include "tests/app/AppTestSupport.h"
#include "ui/Application.h"
#include "ui/ErrorReport.h"
#include "ui/TestSeam.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTest>
#include <QTimer>

// Qt's own answer to "may this window take input now?" (false while a modal window blocks
// it), exported by Qt Widgets for testing tools.
Q_WIDGETS_EXPORT bool qt_tryModalHelper(QWidget* widget, QWidget** rettop);

namespace {

bool RecibeEntrada(QWidget* w) {
    return qt_tryModalHelper(w, nullptr);
}

class VisoresIndependientesTest : public TempDirTest {
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

    static std::vector<TCrystalPreview*> Visores() {
        std::vector<TCrystalPreview*> v;
        for (TForm* f : Application().OpenForms())
            if (auto* visor = dynamic_cast<TCrystalPreview*>(f))
                v.push_back(visor);
        return v;
    }

    // Pages on and back by clicks, changes the zoom and exports by the buttons: each step
    // reaches the viewer only if no modal window blocks it.
    void Usa(TCrystalPreview* v, const QString& base) {
        ASSERT_TRUE(RecibeEntrada(v)) << base.toStdString();
        ASSERT_GT(v->nPaginas(), 1);
        QTest::mouseClick(v->btnUltima, Qt::LeftButton);
        EXPECT_EQ(v->nPagina(), v->nPaginas());
        QTest::mouseClick(v->btnPrimera, Qt::LeftButton);
        EXPECT_EQ(v->nPagina(), 1);
        QTest::mouseClick(v->btnSiguiente, Qt::LeftButton);
        EXPECT_EQ(v->nPagina(), 2);
        v->cmbZoom->Select(5);  // 100 %
        EXPECT_NEAR(v->oPagina->scale(), v->logicalDpiX() / 720.0, 1e-9);
        v->PideArchivo = [base](const QString&, const QString&, const QString&) { return base; };
        for (TButton* b : {v->btnPdf, v->btnExcel, v->btnCsv})
            QTest::mouseClick(b, Qt::LeftButton);
        for (const char* ext : {".pdf", ".xlsx", ".csv"})
            EXPECT_GT(QFileInfo(base + ext).size(), 200) << base.toStdString() << ext;
        for (const char* ext : {".pdf", ".xlsx", ".csv"})
            QFile::remove(base + ext);
    }

    std::vector<QString> errores;
};

TEST_F(VisoresIndependientesTest, ViewersStayUsableBesideTheModalFormAndAfterIt) {
    ui::ScriptedMessages msgs;
    auto* empresa = TForm::New<TEmpresa>();
    empresa->Show();
    empresa->btnAceptar->Click();
    TInicio* const inicio = Application().FindForm<TInicio>();
    ASSERT_NE(inicio, nullptr);

    bool corrio = false;
    QTimer::singleShot(0, [&] {
        corrio = true;
        auto* f = Application().FindForm<TReportes>();
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(QApplication::activeModalWidget(), f);
        EXPECT_EQ(f->windowModality(), Qt::WindowModal);
        EXPECT_FALSE(RecibeEntrada(inicio)) << "the main window waits for the modal form";
        EXPECT_TRUE(RecibeEntrada(f));
        f->chkStaffing->Click();
        f->cmbStaffing->Select(1);
        for (const char* r : {"Comparar Ocupacion Actual $", "Comparativo por Mes"}) {
            f->lstReportes->Select(reportes::ListaReportes().indexOf(QString::fromUtf8(r)) + 1);
            QTest::mouseClick(f->btnImprime, Qt::LeftButton);
        }
        const auto visores = Visores();
        ASSERT_EQ(visores.size(), 2u);
        for (std::size_t i = 0; i < visores.size(); ++i)
            Usa(visores[i], QStringLiteral("abierta%1").arg(i));
        EXPECT_FALSE(RecibeEntrada(inicio));

        const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS");
        if (!carpeta.isEmpty()) {
            // The three windows side by side, as a user arranges them.
            const QImage forma = f->grab().toImage();
            for (TCrystalPreview* v : visores) {
                v->resize(760, 560);
                v->cmbZoom->Select(2);  // page width
            }
            QCoreApplication::processEvents();
            const QImage a = visores[0]->grab().toImage();
            const QImage b = visores[1]->grab().toImage();
            QImage escritorio(forma.width() + a.width() + b.width() + 40,
                              std::max({forma.height(), a.height(), b.height()}) + 20,
                              QImage::Format_RGB32);
            escritorio.fill(QColor(0x3A, 0x4A, 0x5C));
            QPainter p(&escritorio);
            p.drawImage(10, 10, forma);
            p.drawImage(20 + forma.width(), 10, a);
            p.drawImage(30 + forma.width() + a.width(), 10, b);
            p.end();
            EXPECT_TRUE(escritorio.save(QDir(carpeta).filePath("visores_junto_al_formulario.png")));
        }
        QTest::mouseClick(f->btnSalir, Qt::LeftButton);
    });
    inicio->btnD->Click();  // returns when the reports form has closed
    ASSERT_TRUE(corrio);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Application().FindForm<TReportes>(), nullptr);

    // The form is gone; its viewers are not, and they still read, page and export.
    const auto visores = Visores();
    ASSERT_EQ(visores.size(), 2u);
    EXPECT_TRUE(RecibeEntrada(inicio));
    for (std::size_t i = 0; i < visores.size(); ++i)
        Usa(visores[i], QStringLiteral("cerrada%1").arg(i));
    EXPECT_TRUE(msgs.texts().isEmpty()) << msgs.texts().join('|').toStdString();
    EXPECT_EQ(prueba::Valor("select count(*) from staff_reporte").toInt(), 0);

    // The program ends with its last window: the main window first, then the viewers.
    inicio->Close();
    EXPECT_EQ(Application().OpenForms().size(), 2u);
    for (TCrystalPreview* v : visores)
        v->Close();
    EXPECT_TRUE(Application().OpenForms().empty());
}

}  // namespace
