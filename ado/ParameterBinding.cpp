#include "ado/ParameterBinding.h"

#include "ado/AdoError.h"

#include <QRegularExpression>

namespace ado {

QString parameterKey(const QString& name) {
    const QString trimmed = name.trimmed();
    return (trimmed.startsWith(u'@') ? trimmed : u'@' + trimmed).toLower();
}

QString markerKey(int position) {
    return QStringLiteral("?%1").arg(position);
}

std::map<QString, Value> checkParameters(const Parameters& parameters, const QStringList& variables,
                                         const QString& operation) {
    // As the tokenizer reads a variable: "@", then letters, digits, _, # or $ ("@@" names
    // are the server's own).
    static const QRegularExpression valid(QStringLiteral("^@[\\w#$]+$"),
                                          QRegularExpression::UseUnicodePropertiesOption);
    std::map<QString, Value> byKey;
    QStringList keys;  // of the parameters, in order
    int markers = 0;
    for (const Parameter& p : parameters) {
        const QString key = p.name.isEmpty() ? markerKey(++markers) : parameterKey(p.name);
        keys << key;
        if (p.name.isEmpty()) {
            byKey.emplace(key, p.value);
            continue;
        }
        if (!valid.match(key).hasMatch() || key.startsWith(QStringLiteral("@@"))) {
            throw Error(operation,
                        QStringLiteral("'%1' is not a valid parameter name.").arg(p.name));
        }
        if (!byKey.emplace(key, p.value).second) {
            throw Error(operation,
                        QStringLiteral("The parameter '%1' is given more than once.").arg(p.name));
        }
    }
    QStringList named;
    for (const QString& variable : variables) {
        const QString key = variable.toLower();
        if (!byKey.count(key)) {
            raise(operation, ServerError::UndeclaredVariable, {variable});
        }
        named << key;
    }
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const QString& key = keys[qsizetype(i)];
        if (!named.contains(key)) {
            const QString& name = parameters[i].name;
            throw Error(operation, QStringLiteral("The statement does not use the parameter '%1'.")
                                       .arg(name.isEmpty() ? key : name));
        }
    }
    return byKey;
}

}  // namespace ado
