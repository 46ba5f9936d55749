#include "reports/engine/ReportDefinition.h"

#include "reports/engine/ReportError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace report {

namespace {

class Reader {
  public:
    explicit Reader(QString path) : m_path(std::move(path)) {}

    [[noreturn]] void fail(const QString& what) const {
        throw ReportError(QStringLiteral("Definición de reporte inválida \"%1\": %2")
                              .arg(QDir::toNativeSeparators(m_path), what));
    }

    QString text(const QJsonObject& o, const char* key, const QString& def = {}) const {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull())
            return def;
        if (!v.isString())
            fail(QStringLiteral("\"%1\" debe ser un texto").arg(QLatin1String(key)));
        return v.toString();
    }

    // A text that may also be written as an array of lines (long SQL reads better so).
    QString lines(const QJsonObject& o, const char* key) const {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isArray()) {
            QStringList parts;
            for (const QJsonValue& line : v.toArray())
                parts << line.toString();
            return parts.join(QLatin1Char('\n'));
        }
        return text(o, key);
    }

    QJsonArray array(const QJsonObject& o, const char* key) const {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull())
            return {};
        if (!v.isArray())
            fail(QStringLiteral("\"%1\" debe ser una lista").arg(QLatin1String(key)));
        return v.toArray();
    }

    ParameterDef parameter(const QJsonObject& o) const {
        ParameterDef p;
        p.name = text(o, "name");
        if (p.name.isEmpty())
            fail(QStringLiteral("un parámetro sin nombre"));
        const QString type = text(o, "type", QStringLiteral("text"));
        if (type == u"number")
            p.type = ParameterType::Number;
        else if (type == u"text")
            p.type = ParameterType::Text;
        else
            fail(QStringLiteral("tipo \"%1\" del parámetro %2").arg(type, p.name));
        const QJsonValue d = o.value(QLatin1String("default"));
        if (d.isDouble() && p.type == ParameterType::Number)
            p.defaultValue = ado::Value(static_cast<std::int64_t>(d.toInteger()));
        else if (d.isString() && p.type == ParameterType::Text)
            p.defaultValue = ado::Value(d.toString());
        else if (!d.isUndefined())
            fail(QStringLiteral("valor por omisión del parámetro %1").arg(p.name));
        return p;
    }

    ColumnDef column(const QJsonObject& o) const {
        ColumnDef c;
        c.header = text(o, "header");
        c.field = text(o, "field");
        if (c.field.isEmpty())
            fail(QStringLiteral("la columna \"%1\" no nombra su campo").arg(c.header));
        c.width = o.value(QLatin1String("width")).toDouble(10);
        if (c.width <= 0)
            fail(QStringLiteral("ancho de la columna %1").arg(c.field));
        const QString align = text(o, "align", QStringLiteral("left"));
        if (align == u"left")
            c.align = Align::Left;
        else if (align == u"center")
            c.align = Align::Center;
        else if (align == u"right")
            c.align = Align::Right;
        else
            fail(QStringLiteral("alineación \"%1\" de la columna %2").arg(align, c.field));
        c.format = text(o, "format");
        c.total = o.value(QLatin1String("total")).toBool(false);
        return c;
    }

    SectionDef section(const QJsonObject& o) const {
        SectionDef s;
        s.name = text(o, "name");
        s.title = text(o, "title");
        const QJsonObject data = o.value(QLatin1String("data")).toObject();
        s.sql = lines(data, "sql");
        if (s.sql.trimmed().isEmpty())
            fail(QStringLiteral("falta la consulta (\"data\": { \"sql\": ... })"));
        s.orderBy = text(data, "orderBy");
        for (const QJsonValue& g : array(o, "groups")) {
            const QJsonObject go = g.toObject();
            GroupDef group{text(go, "field"), text(go, "header"), text(go, "footer")};
            if (group.field.isEmpty())
                fail(QStringLiteral("un grupo sin campo"));
            s.groups.push_back(group);
        }
        for (const QJsonValue& c : array(o, "columns"))
            s.columns.push_back(column(c.toObject()));
        if (s.columns.empty())
            fail(QStringLiteral("no hay columnas"));
        s.grandTotal = o.value(QLatin1String("grandTotal")).toBool(true);
        s.noDataText = text(o, "noData", s.noDataText);
        if (o.contains(QLatin1String("chart"))) {
            const QJsonObject co = o.value(QLatin1String("chart")).toObject();
            ChartDef chart;
            chart.title = text(co, "title");
            chart.category = text(co, "category");
            for (const QJsonValue& v : array(co, "series")) {
                const QJsonObject so = v.toObject();
                chart.series.push_back({text(so, "field"), text(so, "label")});
            }
            if (chart.category.isEmpty() || chart.series.empty())
                fail(QStringLiteral("la gráfica necesita \"category\" y \"series\""));
            s.chart = chart;
        }
        return s;
    }

  private:
    QString m_path;
};

}  // namespace

const ParameterDef* ReportDefinition::parameter(const QString& name) const {
    for (const ParameterDef& p : parameters)
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

const SectionDef* ReportDefinition::subreport(const QString& name) const {
    for (const SectionDef& s : subreports)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

ReportDefinition ParseDefinition(const QByteArray& json, const QString& path) {
    const Reader r(path);
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        r.fail(QStringLiteral("%1 (posición %2)").arg(error.errorString()).arg(error.offset));
    if (!doc.isObject())
        r.fail(QStringLiteral("no es un objeto JSON"));
    const QJsonObject o = doc.object();

    ReportDefinition def;
    def.path = path;
    def.title = r.text(o, "title");
    const QString orientation = r.text(o, "orientation", QStringLiteral("portrait"));
    if (orientation != u"portrait" && orientation != u"landscape")
        r.fail(QStringLiteral("orientación \"%1\"").arg(orientation));
    def.landscape = orientation == u"landscape";
    const QString paper = r.text(o, "paper", QStringLiteral("letter"));
    if (paper == u"letter")
        def.paper = QPageSize::Letter;
    else if (paper == u"legal")
        def.paper = QPageSize::Legal;
    else if (paper == u"a4")
        def.paper = QPageSize::A4;
    else
        r.fail(QStringLiteral("papel \"%1\"").arg(paper));
    for (const QJsonValue& p : r.array(o, "parameters")) {
        ParameterDef param = r.parameter(p.toObject());
        if (def.parameter(param.name))
            r.fail(QStringLiteral("el parámetro %1 está repetido").arg(param.name));
        def.parameters.push_back(param);
    }
    const QJsonObject heading = o.value(QLatin1String("heading")).toObject();
    def.headingSql = r.lines(heading, "sql");
    for (const QJsonValue& line : r.array(heading, "lines"))
        def.headingLines << line.toString();
    def.main = r.section(o);
    for (const QJsonValue& s : r.array(o, "subreports")) {
        SectionDef sub = r.section(s.toObject());
        if (sub.name.isEmpty())
            r.fail(QStringLiteral("un subreporte sin nombre"));
        def.subreports.push_back(sub);
    }
    return def;
}

QString FindDefinition(const QString& path) {
    const QString relative = QDir::fromNativeSeparators(path);
    if (QDir::isAbsolutePath(relative) || QFileInfo::exists(relative))
        return path;
    const QString exeDir = QCoreApplication::applicationDirPath();
    for (const QString& base : {exeDir + QStringLiteral("/../share/oxta-staffing"), exeDir}) {
        const QString candidate = QDir::cleanPath(base + QLatin1Char('/') + relative);
        if (!exeDir.isEmpty() && QFileInfo::exists(candidate))
            return candidate;
    }
    return path;
}

ReportDefinition LoadDefinition(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        throw ReportError(QStringLiteral("No se encontró el reporte \"%1\"")
                              .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        throw ReportError(QStringLiteral("No se pudo leer el reporte \"%1\": %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return ParseDefinition(file.readAll(), path);
}

}  // namespace report
