// The report viewer: it opens a definition, logs on as the program does, takes parameters by
// name, has read all its data when Show returns, fills its window, and exports.

#include "reports/CrystalPreview.h"
#include "reports/ReportPageView.h"
#include "reports/engine/ReportError.h"
#include "tests/reports/ReportTestSupport.h"
#include "ui/TestSeam.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPrinter>
#include <QScrollArea>

using namespace prueba;

namespace {

class VisorTest : public ReportesTest {
  protected:
    void TearDown() override {
        for (TCrystalPreview* v : visores)
            v->Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ReportesTest::TearDown();
    }

    TCrystalPreview* Visor(const QString& archivo) {
        auto* v = TForm::New<TCrystalPreview>();
        visores.push_back(v);
        v->cReport = Definicion(archivo);
        return v;
    }

    std::vector<TCrystalPreview*> visores;
};

QString ErrorDe(const std::function<void()>& f) {
    try {
        f();
    } catch (const report::ReportError& e) {
        return e.text();
    }
    return {};
}

}  // namespace

TEST_F(VisorTest, HasReadItsDataWhenShowReturns) {
    TCrystalPreview* v = Visor(QStringLiteral("rptPuestosComparativo.rpt"));
    v->Crea();
    v->Parametro(QStringLiteral("CVE"), QStringLiteral("K1"));
    v->Parametro(QStringLiteral("porc"), 35);
    v->Show(1);
    // The reports form deletes the run's rows right after Show.
    Ejecuta({QStringLiteral("delete from staff_reporte where clave = 'K1'")});

    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(v->cText(), QStringLiteral("OXTA - Comparativo de ocupación actual al 35 %"));
    EXPECT_EQ(v->nPaginas(), 1);
    EXPECT_EQ(v->lblPagina->cText(), QStringLiteral("Página 1 de 1"));
    EXPECT_TRUE(v->Reporte()->document().texts(0).contains(QStringLiteral("Cocinero")));
    v->ExportaCsv(file("visor.csv"));
    QFile csv(file("visor.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(LeeCsv(csv.readAll()).size(), 3u);

    // The buttons ask for the file name, and add the extension when it is missing.
    QStringList pedidos;
    v->PideArchivo = [&](const QString& titulo, const QString& sugerido, const QString&) {
        pedidos << titulo << sugerido;
        return file("desde boton");
    };
    v->btnPdf->Click();
    v->btnExcel->Click();
    EXPECT_EQ(pedidos.value(1), QStringLiteral("Comparativo de ocupación actual al 35 %.pdf"));
    EXPECT_EQ(pedidos.value(2), QStringLiteral("Exportar a Excel"));
    EXPECT_EQ(PaginasPdf(file("desde boton.pdf")), 1);
    EXPECT_TRUE(QFile::exists(file("desde boton.xlsx")));
}

TEST_F(VisorTest, ThePreviewFillsTheWindowAndPagesTurn) {
    Ejecuta({QStringLiteral("insert into centros values (1, '300', 'Ama de llaves')")});
    QStringList filas;
    for (int i = 0; i < 150; ++i) {
        filas << QStringLiteral(
                     "insert into staff_reporte values ('L', 1, '%1', %2, 1, 1, 1, 1, "
                     "0, 0)")
                     .arg(i < 75 ? QStringLiteral("100") : QStringLiteral("300"))
                     .arg(1000 + i);
    }
    Ejecuta({filas.join(QLatin1Char('\n'))});
    TCrystalPreview* v = Visor(QStringLiteral("rptComparativoMes.rpt"));
    v->Crea();
    v->Parametro(QStringLiteral("CVE"), QStringLiteral("L"));
    v->Parametro(QStringLiteral("mes"), QStringLiteral("Enero"));
    v->Show(1);
    ASSERT_GT(v->nPaginas(), 2);

    for (const QSize size : {QSize(700, 500), QSize(1300, 900)}) {
        v->resize(size);
        QCoreApplication::processEvents();
        const QRect preview = v->oPreview->geometry();
        EXPECT_EQ(preview.bottom(), v->height() - 1);
        EXPECT_EQ(preview.width(), v->width());
        // Fitted to the width: the page spans the preview less its margins and scroll bar.
        EXPECT_LE(v->oPagina->width(), v->oPreview->viewport()->width());
        EXPECT_GT(v->oPagina->width(), v->oPreview->viewport()->width() - 40);
    }
    EXPECT_FALSE(v->btnAnterior->isEnabled());
    v->btnUltima->Click();
    EXPECT_EQ(v->nPagina(), v->nPaginas());
    EXPECT_FALSE(v->btnSiguiente->isEnabled());
    v->btnAnterior->Click();
    EXPECT_EQ(v->nPagina(), v->nPaginas() - 1);
    v->btnPrimera->Click();
    EXPECT_EQ(v->lblPagina->cText(), QStringLiteral("Página 1 de %1").arg(v->nPaginas()));
    v->cmbZoom->Select(5);  // 100 %
    EXPECT_NEAR(v->oPagina->scale(), v->logicalDpiX() / 720.0, 1e-9);

    // Printing paints the same pages (here on a printer that writes PDF).
    QPrinter impresora;
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(file("impreso.pdf"));
    v->Imprime(impresora);
    EXPECT_EQ(PaginasPdf(file("impreso.pdf")), v->nPaginas());
    EXPECT_TRUE(TextoPdf(file("impreso.pdf")).contains(QStringLiteral("Ama de llaves")));

    const QImage pagina = v->oPagina->grab().toImage();
    EXPECT_NE(pagina.pixelColor(pagina.width() / 2, 80), pagina.pixelColor(4, 4))
        << "a white page on the grey desk";
}

TEST_F(VisorTest, ViewersAreIndependent) {
    TCrystalPreview* a = Visor(QStringLiteral("rptPuestosComparativo.rpt"));
    TCrystalPreview* b = Visor(QStringLiteral("rptPuestosComparativo.rpt"));
    for (auto [v, clave] : {std::pair{a, "K1"}, std::pair{b, "K2"}}) {
        v->Crea();
        v->Parametro(QStringLiteral("CVE"), QString::fromLatin1(clave));
        v->Parametro(QStringLiteral("porc"), 5);
        v->Show(1);
    }
    EXPECT_EQ(a->Reporte()->data().main.result.rows.size(), 2u);
    EXPECT_EQ(b->Reporte()->data().main.result.rows.size(), 1u);
    b->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    visores.pop_back();
    EXPECT_TRUE(a->isVisible());
    EXPECT_EQ(a->nPaginas(), 1);
}

TEST_F(VisorTest, FailuresAreErrorsNamingTheFileOrParameter) {
    TCrystalPreview* v = Visor(QStringLiteral("rptNoExiste.rpt"));
    EXPECT_TRUE(ErrorDe([&] { v->Crea(); }).contains(QStringLiteral("rptNoExiste.rpt")));
    EXPECT_TRUE(ErrorDe([&] { v->Show(1); }).contains(QStringLiteral("Crea()")));
    EXPECT_FALSE(v->isVisible()) << "never a blank window";

    TCrystalPreview* w = Visor(QStringLiteral("rptPuestosStaffing.rpt"));
    w->Crea();
    EXPECT_EQ(
        ErrorDe([&] { w->Parametro(QStringLiteral("porc"), 5); }),
        QStringLiteral("El reporte \"%1\" no tiene el parámetro \"porc\"")
            .arg(QDir::toNativeSeparators(Definicion(QStringLiteral("rptPuestosStaffing.rpt")))));
    w->Parametro(QStringLiteral("empresa"), 1);
    EXPECT_EQ(
        ErrorDe([&] { w->Show(1); }),
        QStringLiteral("Faltan los valores de los parámetros \"cc\", \"staffing\", \"grupo\" "
                       "del reporte \"%1\"")
            .arg(QDir::toNativeSeparators(Definicion(QStringLiteral("rptPuestosStaffing.rpt")))));
    EXPECT_FALSE(w->isVisible());

    // A file that cannot be written: a stop box naming it, and the viewer stays.
    TCrystalPreview* y = Visor(QStringLiteral("rptPuestosComparativo.rpt"));
    y->Crea();
    y->Parametro(QStringLiteral("CVE"), QStringLiteral("K1"));
    y->Parametro(QStringLiteral("porc"), 5);
    y->Show(1);
    y->PideArchivo = [&](const QString&, const QString&, const QString&) {
        return file("no/existe/r");
    };
    {
        ui::ScriptedMessages msgs;
        y->btnCsv->Click();
        y->btnPdf->Click();
        ASSERT_EQ(msgs.count(ui::MsgKind::Stop), 2);
        EXPECT_TRUE(msgs.texts().at(0).startsWith(QStringLiteral("No se pudo escribir \"")));
        EXPECT_TRUE(msgs.texts().at(1).contains(QStringLiteral("r.pdf")));
    }
    EXPECT_TRUE(y->isVisible());

    // The log-on goes through the program's connection: its failure box, then the error.
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("BD"), QStringLiteral("no_existe"));
    ui::ScriptedMessages msgs;
    TCrystalPreview* x = Visor(QStringLiteral("rptPuestosStaffing.rpt"));
    EXPECT_EQ(
        ErrorDe([&] { x->Crea(); }),
        QStringLiteral("El reporte \"%1\" no pudo conectarse a la base de datos \"no_existe\"")
            .arg(QDir::toNativeSeparators(Definicion(QStringLiteral("rptPuestosStaffing.rpt")))));
    ASSERT_EQ(msgs.count(), 1);
    EXPECT_EQ(msgs.last().caption, QStringLiteral("CONEXION NO REALIZADA."));
}
