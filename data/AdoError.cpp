#include "data/AdoError.h"

#include "ui/ErrorReport.h"

namespace ado {

Error::Error(QString operation, QString description)
    : std::runtime_error((operation + QStringLiteral(": ") + description).toStdString()),
      m_operation(std::move(operation)),
      m_description(std::move(description)) {}

namespace {

// A database error that no handler catches is reported with its operation and the engine's
// own description.
const bool g_reportedAsAdo = [] {
    ui::AddErrorDescriberFor<Error>([](const Error& e) {
        return ui::ErrorInfo{QStringLiteral("ADO"), {}, e.description(), e.operation(), {}};
    });
    return true;
}();

}  // namespace

}  // namespace ado
