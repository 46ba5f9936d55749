#pragma once

#include "ado/Value.h"
#include "reports/engine/Report.h"
#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QScrollArea;
class ReportPageView;

// The report viewer: opens a report definition, logs it on to the program's database, takes
// its parameters by name, reads the data and shows the pages, with page navigation, zoom,
// printing and export to PDF, Excel (XLSX) and CSV.
//
//     auto* v = TForm::New<TCrystalPreview>(this);
//     v->cReport = ".\\reportes\\rptPuestosComparativo.rpt";
//     v->Crea();                         // opens the definition, logs on
//     v->Parametro("CVE", clave);        // an unknown name is an error
//     v->Show(1);                        // has read all the data when it returns
//
// Several viewers may be open at once; each holds its own report.
class clsConexion;

class TCrystalPreview : public TForm {
    Q_OBJECT
  public:
    explicit TCrystalPreview(TForm* parent = nullptr);
    ~TCrystalPreview() override;

    QString cReport;
    // The connection the report reads through (the opener's CNX). When none is given, Crea
    // opens one of the viewer's own from config.ini.
    std::shared_ptr<clsConexion> CNX;

    // Opens the definition of cReport and logs on: through CNX, else to the database of
    // config.ini. Throws report::ReportError naming the file when it is missing or the
    // log-on fails.
    void Crea();
    // Sets a parameter of the report; throws when the report has none of that name.
    void Parametro(const QString& nombre, const ado::Value& parametro);
    // A row condition (T-SQL over the data's fields) for the report, or for the subreport
    // opened last by AbreSubreporte.
    void SelectString(const QString& consulta);
    // Makes a subreport of the definition the target of SelectString; throws for an unknown
    // name.
    void AbreSubreporte(const QString& nombre);
    // Reads the data, lays the pages out and shows the viewer: 1 normal, 2 minimised,
    // 3 maximised. Returns once everything has been read.
    void Show(int nShowMode = 1, bool lCenter = false);
    // Releases the report and its connection (also when the viewer is destroyed).
    void Free();

    report::Report* Reporte() const { return m_report.get(); }
    int nPagina() const;   // 1-based page on screen
    int nPaginas() const;  // page count (0 before Show)
    void IrAPagina(int pagina);

    // Exports without asking (the buttons ask for the file name first).
    void ExportaPdf(const QString& archivo);
    void ExportaExcel(const QString& archivo);
    void ExportaCsv(const QString& archivo);       // field names, plain numbers (for programs)
    void ExportaCsvExcel(const QString& archivo);  // printed headings, UTF-8 with BOM
    void Imprime(QPrinter& printer);

    // Asks for the name of a file to write (caption, suggested name, filter); an empty
    // answer cancels. A save dialog unless replaced (tests).
    std::function<QString(const QString&, const QString&, const QString&)> PideArchivo;

    TButton* btnPrimera = nullptr;
    TButton* btnAnterior = nullptr;
    TButton* btnSiguiente = nullptr;
    TButton* btnUltima = nullptr;
    TLabel* lblPagina = nullptr;
    TComboBox* cmbZoom = nullptr;
    TButton* btnImprimir = nullptr;
    TButton* btnPdf = nullptr;
    TButton* btnExcel = nullptr;
    TButton* btnCsv = nullptr;
    TButton* btnCsvExcel = nullptr;
    QScrollArea* oPreview = nullptr;
    ReportPageView* oPagina = nullptr;

  protected:
    void CreateForm() override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void btnPrimeraClick(TControl*);
    void btnAnteriorClick(TControl*);
    void btnSiguienteClick(TControl*);
    void btnUltimaClick(TControl*);
    void btnImprimirClick(TControl*);
    void btnPdfClick(TControl*);
    void btnExcelClick(TControl*);
    void btnCsvClick(TControl*);
    void btnCsvExcelClick(TControl*);
    void cmbZoomChange(TControl*, int, int);
    void exporta(const QString& caption, const QString& extension, const QString& filter,
                 void (TCrystalPreview::*write)(const QString&));
    report::Report& reporte(const char* operation) const;
    void ajustaZoom();
    void actualizaPagina();

    std::unique_ptr<report::Report> m_report;
};
