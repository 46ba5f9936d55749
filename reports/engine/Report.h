#pragma once

#include "reports/engine/ReportDefinition.h"
#include "reports/engine/ReportLayout.h"
#include "reports/engine/ReportQuery.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <memory>
#include <optional>

class clsConexion;
namespace ado {
class Connection;
}

namespace report {

// A report without a window: open a definition, give its parameters, read its data, then
// lay it out and write it. The viewer is a window over one of these; the command-line export
// and the tests use it directly.
//
//     report::Report r(".\\reportes\\rptPorcentaje.rpt");   // throws when missing or malformed
//     r.setParameter("empresa", 1);                          // throws for a name it lacks
//     r.read();                                              // logs on as the program does
//     r.writePdf("puestos.pdf");
//
// Every failure is a ReportError (or the database layer's ado::Error) with a clear text.
class Report {
  public:
    explicit Report(const QString& path);
    ~Report();
    Report(Report&&) noexcept;
    Report& operator=(Report&&) noexcept;

    const ReportDefinition& definition() const { return *m_definition; }

    void setParameter(const QString& name, const ado::Value& value);
    const Parameters& parameters() const { return m_parameters; }

    // Narrows the rows of the body chosen last (the main report, or the subreport named in
    // openSubreport) by a T-SQL condition over its data's fields. The condition is the
    // caller's own text, never a user's.
    void setSelection(const QString& condition);
    // Chooses a subreport of the definition for the following setSelection. Throws for a
    // name the definition lacks.
    void openSubreport(const QString& name);

    // Connects to the database of config.ini's [CONFIG] through a connection object of its
    // own (embedded engine or SQL Server, SQL login or integrated security). Throws when the
    // connection fails. read() logs on by itself when this was not called.
    void logOn();
    // Reads through the caller's connection object instead (the form's CNX): no second
    // connection is opened. Throws when that object cannot connect.
    void logOn(std::shared_ptr<clsConexion> connection);
    // Reads the heading and every body's rows at once; afterwards the report no longer
    // needs the database.
    void read();
    void read(ado::Connection& connection);
    bool isRead() const { return m_data.has_value(); }
    const ReportData& data() const;

    // The pages, laid out on first use after read(). The print date is taken at read().
    const Document& document();
    int pageCount() { return static_cast<int>(document().pages.size()); }
    QImage pageImage(int page, double dpi);

    void writePdf(const QString& path);
    // CSV is the machine format: field names, plain numbers (see ReportWriters.h).
    void writeCsv(const QString& path) const;
    // CSV for Excel, and the XLSX workbook as printed, for people.
    void writeCsvExcel(const QString& path) const;
    void writeXlsx(const QString& path) const;

    // Drops the data and the connection.
    void release();

  private:
    std::unique_ptr<ReportDefinition> m_definition;  // stable address for m_parameters
    Parameters m_parameters;
    Selections m_selections;
    QString m_target;  // the body that setSelection narrows ("" = main)
    std::shared_ptr<clsConexion> m_connection;
    std::optional<ReportData> m_data;
    std::optional<Document> m_document;
    QDateTime m_readAt;
};

}  // namespace report
