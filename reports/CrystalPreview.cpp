#include "reports/CrystalPreview.h"

#include "reports/ReportPageView.h"
#include "reports/engine/ReportError.h"
#include "reports/engine/ReportPainter.h"
#include "ui/ErrorReport.h"
#include "ui/Msg.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QStringList kZoom = {QStringLiteral("Página completa"),
                           QStringLiteral("Ancho de página"),
                           QStringLiteral("50 %"),
                           QStringLiteral("75 %"),
                           QStringLiteral("100 %"),
                           QStringLiteral("125 %"),
                           QStringLiteral("150 %"),
                           QStringLiteral("200 %")};
constexpr int kZoomPage = 1;
constexpr int kZoomWidth = 2;

// A file name made of the report's title, without characters that file systems refuse.
QString nombreSugerido(const QString& title, const QString& extension) {
    QString name = title;
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral(" "));
    name = name.simplified();
    if (name.isEmpty())
        name = QStringLiteral("reporte");
    return name + QLatin1Char('.') + extension;
}

}  // namespace

namespace {
// An unhandled report error reaches the error window with its own text; registered once,
// by the first viewer.
void registerErrorDescription() {
    static const bool registered = [] {
        ui::AddErrorDescriberFor<report::ReportError>([](const report::ReportError& e) {
            return ui::ErrorInfo{
                QStringLiteral("Reportes"), {}, e.text(), QStringLiteral("Reporte"), {}};
        });
        return true;
    }();
    (void)registered;
}
}  // namespace

TCrystalPreview::TCrystalPreview(TForm* parent) : TForm(parent) {
    registerErrorDescription();
    cText(QStringLiteral("OXTA"));
    nBorderStyle = 2;  // resizable
    // Beside the forms: the reports form (or any function form) open modally does not block
    // it, and it outlives the form that opened it.
    lIndependent = true;
    PideArchivo = [this](const QString& caption, const QString& suggested, const QString& filter) {
        // Modal over this viewer only, so the other windows stay usable meanwhile.
        QFileDialog dialog(this, caption, suggested, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setWindowModality(Qt::WindowModal);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
}

TCrystalPreview::~TCrystalPreview() {
    Free();
}

void TCrystalPreview::CreateForm() {
    TForm::CreateForm();
    SetClientSize(1000, 720);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(4);
    auto button = [&](const QString& caption, const QString& tip, auto handler) {
        TButton* b = TButton::New(bar);
        b->cText(caption);
        b->cToolTip(tip);
        b->OnClick = Bind(this, handler);
        b->Create();
        row->addWidget(b);
        return b;
    };
    btnPrimera = button(QStringLiteral("|◀"), QStringLiteral("Primera página"),
                        &TCrystalPreview::btnPrimeraClick);
    btnAnterior = button(QStringLiteral("◀"), QStringLiteral("Página anterior"),
                         &TCrystalPreview::btnAnteriorClick);
    lblPagina = TLabel::New(bar);
    lblPagina->cText(QStringLiteral("Página 0 de 0"));
    lblPagina->nAlignment(1);
    lblPagina->setMinimumWidth(110);
    lblPagina->Create();
    row->addWidget(lblPagina);
    btnSiguiente = button(QStringLiteral("▶"), QStringLiteral("Página siguiente"),
                          &TCrystalPreview::btnSiguienteClick);
    btnUltima = button(QStringLiteral("▶|"), QStringLiteral("Última página"),
                       &TCrystalPreview::btnUltimaClick);
    row->addSpacing(12);
    cmbZoom = TComboBox::New(bar);
    cmbZoom->nStyle(1);
    cmbZoom->aItems(kZoom);
    cmbZoom->Select(kZoomWidth);
    cmbZoom->cToolTip(QStringLiteral("Zoom"));
    cmbZoom->OnChange = Bind(this, &TCrystalPreview::cmbZoomChange);
    cmbZoom->Create();
    row->addWidget(cmbZoom);
    row->addStretch(1);
    btnImprimir = button(QStringLiteral("Imprimir"), QStringLiteral("Imprimir el reporte"),
                         &TCrystalPreview::btnImprimirClick);
    btnPdf = button(QStringLiteral("PDF"), QStringLiteral("Guardar como PDF"),
                    &TCrystalPreview::btnPdfClick);
    btnExcel = button(QStringLiteral("Excel"), QStringLiteral("Exportar los datos a Excel (XLSX)"),
                      &TCrystalPreview::btnExcelClick);
    btnCsvExcel = button(QStringLiteral("CSV Excel"),
                         QStringLiteral("Exportar a CSV para Excel (encabezados del reporte)"),
                         &TCrystalPreview::btnCsvExcelClick);
    btnCsv = button(QStringLiteral("CSV"),
                    QStringLiteral("Exportar los datos a CSV (nombres de campo, para programas)"),
                    &TCrystalPreview::btnCsvClick);
    layout->addWidget(bar);

    oPreview = new QScrollArea(this);
    oPreview->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    oPreview->setBackgroundRole(QPalette::Dark);
    oPreview->setFrameShape(QFrame::NoFrame);
    oPagina = new ReportPageView;
    oPreview->setWidget(oPagina);  // owned by the scroll area
    layout->addWidget(oPreview, 1);
    actualizaPagina();
}

report::Report& TCrystalPreview::reporte(const char* operation) const {
    if (!m_report) {
        throw report::ReportError(
            QStringLiteral("El visor de reportes necesita Crea() antes de %1 (reporte \"%2\")")
                .arg(QLatin1String(operation), QDir::toNativeSeparators(cReport)));
    }
    return *m_report;
}

void TCrystalPreview::Crea() {
    auto opened = std::make_unique<report::Report>(report::FindDefinition(cReport));
    if (CNX)
        opened->logOn(CNX);
    else
        opened->logOn();
    m_report = std::move(opened);
}

void TCrystalPreview::Parametro(const QString& nombre, const ado::Value& parametro) {
    reporte("Parametro").setParameter(nombre, parametro);
}

void TCrystalPreview::SelectString(const QString& consulta) {
    reporte("SelectString").setSelection(consulta);
}

void TCrystalPreview::AbreSubreporte(const QString& nombre) {
    reporte("AbreSubreporte").openSubreport(nombre);
}

void TCrystalPreview::Show(int nShowMode, bool lCenter) {
    report::Report& r = reporte("Show");
    r.read();
    const report::Document& document = r.document();
    if (!document.title.isEmpty())
        setWindowTitle(cText() + QStringLiteral(" - ") + document.title);
    oPagina->setDocument(&document);
    actualizaPagina();
    if (lCenter)
        Center();
    TForm::Show();
    if (nShowMode == 2)
        showMinimized();
    else if (nShowMode == 3)
        showMaximized();
    ajustaZoom();
}

void TCrystalPreview::Free() {
    if (oPagina)
        oPagina->setDocument(nullptr);
    m_report.reset();
}

int TCrystalPreview::nPaginas() const {
    return m_report && m_report->isRead() ? m_report->pageCount() : 0;
}

int TCrystalPreview::nPagina() const {
    return nPaginas() ? oPagina->page() + 1 : 0;
}

void TCrystalPreview::IrAPagina(int pagina) {
    const int total = nPaginas();
    if (!total)
        return;
    oPagina->setPage(std::clamp(pagina, 1, total) - 1);
    oPreview->verticalScrollBar()->setValue(0);
    actualizaPagina();
}

void TCrystalPreview::actualizaPagina() {
    const int total = nPaginas();
    const int actual = nPagina();
    lblPagina->cText(QStringLiteral("Página %1 de %2").arg(actual).arg(total));
    btnPrimera->lEnabled(actual > 1);
    btnAnterior->lEnabled(actual > 1);
    btnSiguiente->lEnabled(actual < total);
    btnUltima->lEnabled(actual < total);
    for (TButton* b : {btnImprimir, btnPdf, btnExcel, btnCsvExcel, btnCsv})
        b->lEnabled(total > 0);
}

void TCrystalPreview::ajustaZoom() {
    if (!m_report || !m_report->isRead())
        return;
    const QSizeF page = m_report->document().pageSize;
    const QSize room =
        oPreview->viewport()->size() - QSize(2 * ReportPageView::kDesk, 2 * ReportPageView::kDesk);
    const double byWidth = std::max(1, room.width()) / page.width();
    const double byHeight = std::max(1, room.height()) / page.height();
    double scale = byWidth;
    const int choice = cmbZoom->nAt();
    if (choice == kZoomPage) {
        scale = std::min(byWidth, byHeight);
    } else if (choice > kZoomWidth) {
        const double percent = kZoom.at(choice - 1).section(u' ', 0, 0).toDouble();
        scale = percent / 100.0 * logicalDpiX() / report::kUnitsPerInch;
    } else if (page.height() * byWidth > room.height()) {
        // The page will scroll: leave room for the vertical scroll bar.
        const int bar = oPreview->verticalScrollBar()->sizeHint().width();
        scale = std::max(1, room.width() - bar) / page.width();
    }
    oPagina->setScale(scale);
}

void TCrystalPreview::resizeEvent(QResizeEvent* event) {
    TForm::resizeEvent(event);
    // The preview fills the window below the tool bar (the layout); the page follows the
    // zoom chosen.
    ajustaZoom();
}

void TCrystalPreview::cmbZoomChange(TControl*, int, int) {
    ajustaZoom();
}

void TCrystalPreview::btnPrimeraClick(TControl*) {
    IrAPagina(1);
}

void TCrystalPreview::btnAnteriorClick(TControl*) {
    IrAPagina(nPagina() - 1);
}

void TCrystalPreview::btnSiguienteClick(TControl*) {
    IrAPagina(nPagina() + 1);
}

void TCrystalPreview::btnUltimaClick(TControl*) {
    IrAPagina(nPaginas());
}

void TCrystalPreview::Imprime(QPrinter& printer) {
    report::Report& r = reporte("Imprime");
    const report::Document& document = r.document();
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(document.paper));
    printer.setPageOrientation(document.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(document.title);
    int first = 1;
    int last = nPaginas();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(1, printer.fromPage());
        last = std::min(last, printer.toPage());
    }
    QPainter painter;
    if (!painter.begin(&printer))
        throw report::ReportError(QStringLiteral("No se pudo iniciar la impresión"));
    report::ScaleToPageUnits(painter, printer.resolution());
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer.newPage();
        report::PaintPage(painter, document, page - 1);
    }
    painter.end();
}

void TCrystalPreview::btnImprimirClick(TControl*) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Imprimir"));
    dialog.setMinMax(1, nPaginas());
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() == QDialog::Accepted)
        Imprime(printer);
}

void TCrystalPreview::exporta(const QString& caption, const QString& extension,
                              const QString& filter,
                              void (TCrystalPreview::*write)(const QString&)) {
    const QString title = m_report && m_report->isRead() ? m_report->document().title : QString();
    QString file = PideArchivo(caption, nombreSugerido(title, extension), filter);
    if (file.isEmpty())
        return;
    if (!file.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive))
        file += QLatin1Char('.') + extension;
    try {
        (this->*write)(file);
    } catch (const report::ReportError& e) {
        MsgStop(e.text());
    }
}

void TCrystalPreview::btnPdfClick(TControl*) {
    exporta(QStringLiteral("Guardar como PDF"), QStringLiteral("pdf"),
            QStringLiteral("Documento PDF (*.pdf)"), &TCrystalPreview::ExportaPdf);
}

void TCrystalPreview::btnExcelClick(TControl*) {
    exporta(QStringLiteral("Exportar a Excel"), QStringLiteral("xlsx"),
            QStringLiteral("Libro de Excel (*.xlsx)"), &TCrystalPreview::ExportaExcel);
}

void TCrystalPreview::btnCsvClick(TControl*) {
    exporta(QStringLiteral("Exportar a CSV"), QStringLiteral("csv"),
            QStringLiteral("Valores separados por comas (*.csv)"), &TCrystalPreview::ExportaCsv);
}

void TCrystalPreview::btnCsvExcelClick(TControl*) {
    exporta(QStringLiteral("Exportar a CSV para Excel"), QStringLiteral("csv"),
            QStringLiteral("CSV para Excel (*.csv)"), &TCrystalPreview::ExportaCsvExcel);
}

void TCrystalPreview::ExportaCsvExcel(const QString& archivo) {
    reporte("ExportaCsvExcel").writeCsvExcel(archivo);
}

void TCrystalPreview::ExportaPdf(const QString& archivo) {
    reporte("ExportaPdf").writePdf(archivo);
}

void TCrystalPreview::ExportaExcel(const QString& archivo) {
    reporte("ExportaExcel").writeXlsx(archivo);
}

void TCrystalPreview::ExportaCsv(const QString& archivo) {
    reporte("ExportaCsv").writeCsv(archivo);
}
