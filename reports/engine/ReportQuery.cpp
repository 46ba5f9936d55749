#include "reports/engine/ReportQuery.h"

#include "ado/AdoError.h"
#include "ado/SqlTokenizer.h"
#include "reports/engine/ReportError.h"

#include <QDir>
#include <QRegularExpression>

#include <cmath>

namespace report {

namespace {

QString fileName(const ReportDefinition& def) {
    return QDir::toNativeSeparators(def.path);
}

// A number parameter's value as a number, or nothing when it is not one.
std::optional<ado::Value> asNumber(const ado::Value& v) {
    if (v.isNumber())
        return v;
    if (v.type() != ado::Value::Type::Text)
        return std::nullopt;
    const QString text = v.trimmed();
    bool ok = false;
    const qlonglong whole = text.toLongLong(&ok);
    if (ok)
        return ado::Value(static_cast<std::int64_t>(whole));
    static const QRegularExpression decimal(QStringLiteral("^[-+]?[0-9]*\\.[0-9]+$"));
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    const int point = text.indexOf(u'.');
    const int scale = static_cast<int>(text.size()) - point - 1;
    QString digits = text;
    digits.remove(point, 1);
    const qlonglong unscaled = digits.toLongLong(&ok);
    if (!ok || scale > 18)
        return std::nullopt;
    return ado::Value(ado::Decimal{unscaled, scale});
}

}  // namespace

void Parameters::set(const QString& name, const ado::Value& value) {
    const ParameterDef* def = m_def->parameter(name);
    if (!def) {
        throw ReportError(QStringLiteral("El reporte \"%1\" no tiene el parámetro \"%2\"")
                              .arg(fileName(*m_def), name));
    }
    ado::Value stored = value;
    if (def->type == ParameterType::Number) {
        const auto number = asNumber(value);
        if (!number) {
            throw ReportError(
                QStringLiteral(
                    "El parámetro \"%1\" del reporte \"%2\" debe ser un número, no \"%3\"")
                    .arg(def->name, fileName(*m_def), value.toText()));
        }
        stored = *number;
    } else if (!value.isNull()) {
        stored = ado::Value(value.toText());
        // No key holds a NUL, and some drivers end a bound text there.
        if (stored.toText().contains(QChar(0))) {
            throw ReportError(
                QStringLiteral("El parámetro \"%1\" del reporte \"%2\" contiene un carácter nulo")
                    .arg(def->name, fileName(*m_def)));
        }
    }
    m_values.insert(def->name.toLower(), stored);
}

bool Parameters::isSet(const QString& name) const {
    if (m_values.contains(name.toLower()))
        return true;
    const ParameterDef* def = m_def->parameter(name);
    return def && def->defaultValue;
}

ado::Value Parameters::value(const QString& name) const {
    const auto it = m_values.find(name.toLower());
    if (it != m_values.end())
        return it.value();
    const ParameterDef* def = m_def->parameter(name);
    return def && def->defaultValue ? *def->defaultValue : ado::Value();
}

ado::Value Parameters::bound(const QString& name) const {
    const ParameterDef* def = m_def->parameter(name);
    if (!def) {
        throw ReportError(
            QStringLiteral(
                "La consulta del reporte \"%1\" usa @%2, que no es uno de sus parámetros")
                .arg(fileName(*m_def), name));
    }
    if (!isSet(name)) {
        throw ReportError(QStringLiteral("Falta el valor del parámetro \"%1\" del reporte \"%2\"")
                              .arg(def->name, fileName(*m_def)));
    }
    return value(name);  // a number parameter was checked to be a number when it was set
}

BoundStatement BindParameters(const QString& sql, const Parameters& parameters) {
    // The engines' own reading of the statement, so that every @name found here is one that
    // they bind, and none inside a literal, a quoted name or a comment.
    BoundStatement bound{sql, {}};
    QStringList named;
    for (const sql::Token& t : sql::tokenize(sql)) {
        if (t.kind != sql::Tok::Variable || !t.text.startsWith(u'@') ||
            t.text.startsWith(QStringLiteral("@@")))
            continue;  // not a parameter of the definition (a marker ? stays the engine's)
        const QString name = t.text.mid(1);
        if (named.contains(name, Qt::CaseInsensitive))
            continue;
        named << name;
        bound.parameters.push_back({t.text, parameters.bound(name)});
    }
    return bound;
}

int SectionData::column(const QString& field) const {
    for (int i = 0; i < result.columns.size(); ++i)
        if (result.columns.at(i).compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

BoundStatement SectionStatement(const SectionDef& section, const Parameters& parameters,
                                const QString& selection) {
    BoundStatement bound = BindParameters(section.sql, parameters);
    if (selection.trimmed().isEmpty() && section.orderBy.isEmpty())
        return bound;
    QString statement =
        QStringLiteral("select * from (\n") + bound.sql + QStringLiteral("\n) as datos");
    if (!selection.trimmed().isEmpty())
        statement += QStringLiteral("\nwhere (") + selection + QStringLiteral(")");
    if (!section.orderBy.isEmpty())
        statement += QStringLiteral("\norder by ") + section.orderBy;
    bound.sql = statement;
    return bound;
}

ReportData ReadReport(const ReportDefinition& definition, const Parameters& parameters,
                      const Selections& selections, ado::Connection& connection) {
    QStringList missing;
    for (const ParameterDef& p : definition.parameters)
        if (!parameters.isSet(p.name))
            missing << QLatin1Char('"') + p.name + QLatin1Char('"');
    if (missing.size() == 1) {
        throw ReportError(QStringLiteral("Falta el valor del parámetro %1 del reporte \"%2\"")
                              .arg(missing.front(), fileName(definition)));
    }
    if (!missing.isEmpty()) {
        throw ReportError(
            QStringLiteral("Faltan los valores de los parámetros %1 del reporte \"%2\"")
                .arg(missing.join(QStringLiteral(", ")), fileName(definition)));
    }
    ado::Engine& engine = connection.engine("Recordset.Open");
    ReportData data;
    if (!definition.headingSql.trimmed().isEmpty()) {
        const BoundStatement statement = BindParameters(definition.headingSql, parameters);
        const ado::ResultSet heading = engine.query(statement.sql, statement.parameters);
        // No row (a comparative report of an empty run): its fields read as nothing.
        for (int i = 0; i < heading.columns.size(); ++i) {
            data.heading.insert(heading.columns.at(i).toLower(),
                                heading.rows.empty()
                                    ? ado::Value()
                                    : heading.rows.front().at(static_cast<std::size_t>(i)));
        }
    }
    auto read = [&](const SectionDef& section, const QString& selection) {
        const BoundStatement statement = SectionStatement(section, parameters, selection);
        return engine.query(statement.sql, statement.parameters);
    };
    data.main.result = read(definition.main, selections.value(QString()));
    for (const SectionDef& sub : definition.subreports)
        data.subreports.push_back({read(sub, selections.value(sub.name.toLower()))});
    // A column that names no field of its data is a fault of the definition: say so rather
    // than print an empty column.
    auto checkColumns = [&](const SectionDef& section, const SectionData& rows) {
        for (const ColumnDef& c : section.columns) {
            if (rows.column(c.field) < 0) {
                throw ReportError(
                    QStringLiteral("La columna \"%1\" del reporte \"%2\" no está en sus datos")
                        .arg(c.field, fileName(definition)));
            }
        }
    };
    checkColumns(definition.main, data.main);
    for (std::size_t i = 0; i < definition.subreports.size(); ++i)
        checkColumns(definition.subreports[i], data.subreports[i]);
    return data;
}

QString FillTemplate(const QString& text, const Lookup& lookup) {
    static const QRegularExpression placeholder(QStringLiteral("\\{([A-Za-z_][A-Za-z0-9_]*)\\}"));
    QString out;
    qsizetype last = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out += QStringView(text).mid(last, m.capturedStart() - last);
        const std::optional<ado::Value> v = lookup(m.captured(1));
        out += v ? v->trimmed() : m.captured(0);
        last = m.capturedEnd();
    }
    out += QStringView(text).mid(last);
    return out;
}

}  // namespace report
