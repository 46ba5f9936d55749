#include "ado/AdoError.h"

namespace ado {

Error::Error(QString operation, QString description)
    : std::runtime_error((operation + QStringLiteral(": ") + description).toStdString()),
      m_operation(std::move(operation)),
      m_description(std::move(description)) {}

}  // namespace ado
