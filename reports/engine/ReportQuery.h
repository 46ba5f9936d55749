#pragma once

#include "ado/Connection.h"
#include "ado/Value.h"
#include "reports/engine/ReportDefinition.h"

#include <QHash>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace report {

// The values given to a report's parameters, checked against its definition.
class Parameters {
  public:
    explicit Parameters(const ReportDefinition& definition) : m_def(&definition) {}

    // Throws ReportError naming the file and the parameter when the definition lacks it, or
    // when a number parameter receives a text that is not a number.
    void set(const QString& name, const ado::Value& value);
    bool isSet(const QString& name) const;        // given, or with a default
    ado::Value value(const QString& name) const;  // the default, or NULL, when not given

    // The parameter's value for a statement that names it: a number as a number, a text as
    // text. Throws when the definition lacks it or it was never given.
    ado::Value bound(const QString& name) const;

  private:
    const ReportDefinition* m_def;
    QHash<QString, ado::Value> m_values;  // keyed by the lower-cased name
};

// A statement as the definition writes it, with the values of the parameters that it names.
struct BoundStatement {
    QString sql;
    ado::Parameters parameters;
};

// Gives a statement its parameters: every @name outside quotes, brackets and comments is
// bound to the value of parameter `name`, which travels apart from the text, so a text value
// can never change the statement. Throws ReportError for an @name the definition does not
// declare or that was never given.
BoundStatement BindParameters(const QString& sql, const Parameters& parameters);

// One body's rows, with the column names of the data.
struct SectionData {
    ado::ResultSet result;
    int column(const QString& field) const;  // -1 when the data has no such field
};

// Everything a report shows, read at once.
struct ReportData {
    QHash<QString, ado::Value> heading;  // the heading row, keyed by lower-cased field name
    SectionData main;
    std::vector<SectionData> subreports;  // in the order of the definition
};

// Extra row conditions (T-SQL over the data's fields), by section: "" for the main report,
// else the subreport's name.
using Selections = QHash<QString, QString>;

// The statement that reads one body: its query, narrowed by the selection, in its order.
BoundStatement SectionStatement(const SectionDef& section, const Parameters& parameters,
                                const QString& selection);

// Runs the heading query and every body's statement on the connection.
ReportData ReadReport(const ReportDefinition& definition, const Parameters& parameters,
                      const Selections& selections, ado::Connection& connection);

// Fills the {name} placeholders of a text; `lookup` gives a name's value, or nothing for a
// name it does not know, which stays as written. Numbers appear as they read, texts trimmed,
// NULL as nothing.
using Lookup = std::function<std::optional<ado::Value>(const QString&)>;
QString FillTemplate(const QString& text, const Lookup& lookup);

}  // namespace report
