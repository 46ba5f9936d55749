#pragma once

#include <QString>

#include <stdexcept>

namespace ado {

// The one exception type of the data layer: the failing operation (for example
// "Connection.Open" or "Recordset.Open") and the engine's own description of the fault.
class Error : public std::runtime_error {
  public:
    Error(QString operation, QString description);

    const QString& operation() const { return m_operation; }
    const QString& description() const { return m_description; }

  private:
    QString m_operation;
    QString m_description;
};

}  // namespace ado
