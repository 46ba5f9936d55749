#include "reports/engine/Report.h"

#include "data/clsConexion.h"
#include "reports/engine/ReportError.h"
#include "reports/engine/ReportPainter.h"
#include "reports/engine/ReportWriters.h"
#include "ui/TIni.h"

#include <QDir>
#include <QFileInfo>

namespace report {

Report::Report(const QString& path)
    : m_definition(std::make_unique<ReportDefinition>(LoadDefinition(path))),
      m_parameters(*m_definition) {}

Report::~Report() = default;
Report::Report(Report&&) noexcept = default;
Report& Report::operator=(Report&&) noexcept = default;

void Report::setParameter(const QString& name, const ado::Value& value) {
    m_parameters.set(name, value);
    m_data.reset();
    m_document.reset();
}

void Report::setSelection(const QString& condition) {
    m_selections.insert(m_target, condition);
    m_data.reset();
    m_document.reset();
}

void Report::openSubreport(const QString& name) {
    const SectionDef* sub = m_definition->subreport(name);
    if (!sub) {
        throw ReportError(QStringLiteral("El reporte \"%1\" no tiene el subreporte \"%2\"")
                              .arg(QDir::toNativeSeparators(m_definition->path), name));
    }
    m_target = sub->name.toLower();
}

void Report::logOn() {
    logOn(std::make_shared<clsConexion>());
}

void Report::logOn(std::shared_ptr<clsConexion> connection) {
    if (!connection || !connection->Conexion()) {
        throw ReportError(
            QStringLiteral("El reporte \"%1\" no pudo conectarse a la base de datos \"%2\"")
                .arg(QDir::toNativeSeparators(m_definition->path),
                     LeeIni(QStringLiteral("CONFIG"), QStringLiteral("BD"))));
    }
    m_connection = std::move(connection);
}

void Report::read() {
    if (!m_connection)
        logOn();
    read(*m_connection->Conexion());
}

void Report::read(ado::Connection& connection) {
    m_document.reset();
    m_data = ReadReport(*m_definition, m_parameters, m_selections, connection);
    m_readAt = QDateTime::currentDateTime();
}

const ReportData& Report::data() const {
    if (!m_data) {
        throw ReportError(QStringLiteral("El reporte \"%1\" no ha leído sus datos")
                              .arg(QDir::toNativeSeparators(m_definition->path)));
    }
    return *m_data;
}

const Document& Report::document() {
    if (!m_document)
        m_document = LayOut(*m_definition, m_parameters, data(), m_readAt);
    return *m_document;
}

QImage Report::pageImage(int page, double dpi) {
    return RenderPage(document(), page, dpi);
}

void Report::writePdf(const QString& path) {
    WritePdf(document(), path);
}

void Report::writeCsv(const QString& path) const {
    WriteCsv(data().main, path);
}

void Report::writeCsvExcel(const QString& path) const {
    WriteCsvExcel(m_definition->main, data().main, path);
}

void Report::writeXlsx(const QString& path) const {
    WriteXlsx(*m_definition, m_parameters, data(), path);
}

void Report::release() {
    m_document.reset();
    m_data.reset();
    m_connection.reset();
}

}  // namespace report
