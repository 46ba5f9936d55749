#pragma once

#include "ado/Engine.h"

#include <QString>
#include <QStringList>

#include <map>

// What both engines check before a batch with parameters runs.
namespace ado {

// The key under which a statement's variable and a parameter meet: "@name" in lower case
// ("Codigo" and "@CODIGO" both give "@codigo").
QString parameterKey(const QString& name);

// The parameters by key, checked against the variables that the batch names (as written,
// once per mention). Throws Error(operation, ...) for a parameter name that is no variable
// name, a parameter given twice, a parameter the batch does not name, and, as SQL Server
// does, for a variable without a parameter ("Must declare the scalar variable \"@x\".").
// A parameter without a name is positional: the n-th of them goes to the n-th marker ? of
// the batch, whose key is "?n".
QString markerKey(int position);

std::map<QString, Value> checkParameters(const Parameters& parameters, const QStringList& variables,
                                         const QString& operation);

}  // namespace ado
