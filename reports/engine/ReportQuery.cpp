#include "reports/engine/ReportQuery.h"

#include "ado/AdoError.h"
#include "ado/SqlLiteral.h"
#include "reports/engine/ReportError.h"

#include <QDir>
#include <QRegularExpression>

#include <cmath>

namespace report {

namespace {

QString fileName(const ReportDefinition& def) {
    return QDir::toNativeSeparators(def.path);
}

bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
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
        // A NUL would end the statement early on the way to some drivers; no key holds one.
        if (stored.toText().contains(QChar(0))) {
            throw ReportError(
                QStringLiteral("El parámetro \"%1\" del reporte \"%2\" contiene un carácter nulo")
                    .arg(def->name, fileName(*m_def)));
        }
    }
    m_values.insert(def->name.toLower(), stored);
}

bool Parameters::isSet(const QString& name) const {
    return m_values.contains(name.toLower());
}

ado::Value Parameters::value(const QString& name) const {
    return m_values.value(name.toLower());
}

QString Parameters::sql(const QString& name) const {
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
    const ado::Value v = value(name);
    if (v.isNull())
        return QStringLiteral("NULL");
    if (def->type == ParameterType::Number)
        return v.toText();  // checked to be a number when it was set
    return SqlLiteral(v.toText());
}

QString BindParameters(const QString& sql, const Parameters& parameters) {
    QString out;
    out.reserve(sql.size() + 64);
    const qsizetype n = sql.size();
    qsizetype i = 0;
    auto copyUntil = [&](qsizetype end) {
        out += QStringView(sql).mid(i, end - i);
        i = end;
    };
    while (i < n) {
        const QChar c = sql.at(i);
        if (c == u'\'') {  // a literal, with '' inside
            qsizetype j = i + 1;
            while (j < n) {
                if (sql.at(j) == u'\'') {
                    if (j + 1 < n && sql.at(j + 1) == u'\'') {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            copyUntil(std::min(n, j + 1));
        } else if (c == u'[') {
            const qsizetype j = sql.indexOf(u']', i);
            copyUntil(j < 0 ? n : j + 1);
        } else if (c == u'-' && i + 1 < n && sql.at(i + 1) == u'-') {
            const qsizetype j = sql.indexOf(u'\n', i);
            copyUntil(j < 0 ? n : j);
        } else if (c == u'/' && i + 1 < n && sql.at(i + 1) == u'*') {
            const qsizetype j = sql.indexOf(QStringLiteral("*/"), i + 2);
            copyUntil(j < 0 ? n : j + 2);
        } else if (c == u'@' && i + 1 < n && isNameChar(sql.at(i + 1))) {
            qsizetype j = i + 1;
            while (j < n && isNameChar(sql.at(j)))
                ++j;
            out += parameters.sql(sql.mid(i + 1, j - i - 1));
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

int SectionData::column(const QString& field) const {
    for (int i = 0; i < result.columns.size(); ++i)
        if (result.columns.at(i).compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString SectionStatement(const SectionDef& section, const Parameters& parameters,
                         const QString& selection) {
    QString sql = BindParameters(section.sql, parameters);
    if (selection.trimmed().isEmpty() && section.orderBy.isEmpty())
        return sql;
    QString statement = QStringLiteral("select * from (\n") + sql + QStringLiteral("\n) as datos");
    if (!selection.trimmed().isEmpty())
        statement += QStringLiteral("\nwhere (") + selection + QStringLiteral(")");
    if (!section.orderBy.isEmpty())
        statement += QStringLiteral("\norder by ") + section.orderBy;
    return statement;
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
        const ado::ResultSet heading =
            engine.query(BindParameters(definition.headingSql, parameters));
        // No row (a comparative report of an empty run): its fields read as nothing.
        for (int i = 0; i < heading.columns.size(); ++i) {
            data.heading.insert(heading.columns.at(i).toLower(),
                                heading.rows.empty()
                                    ? ado::Value()
                                    : heading.rows.front().at(static_cast<std::size_t>(i)));
        }
    }
    data.main.result =
        engine.query(SectionStatement(definition.main, parameters, selections.value(QString())));
    for (const SectionDef& sub : definition.subreports) {
        data.subreports.push_back({engine.query(
            SectionStatement(sub, parameters, selections.value(sub.name.toLower())))});
    }
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
