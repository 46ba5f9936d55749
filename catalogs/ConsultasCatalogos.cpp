#include "catalogs/ConsultasCatalogos.h"

#include "ado/SqlLiteral.h"

#include <QRegularExpression>

#include <stdexcept>

namespace catalogos {

QString ClaveNumerica(const QString& clave) {
    static const QRegularExpression kEntero(QStringLiteral("^\\s*-?\\d+\\s*$"));
    if (!kEntero.match(clave).hasMatch())
        throw std::invalid_argument(
            QStringLiteral("La clave \"%1\" no es un número.").arg(clave).toStdString());
    return clave;
}

QString ListaGrupos(const QString& empresa) {
    return QStringLiteral("select idgrupo, nombre from staff_grupo where empresa=") +
           ClaveNumerica(empresa);
}

QString InsertaGrupo(const QString& empresa, const QString& nombre) {
    return QStringLiteral("Insert into staff_grupo values('") + ClaveNumerica(empresa) +
           QStringLiteral("',") + SqlLiteral(nombre) + QLatin1Char(')');
}

QString ModificaGrupo(const QString& empresa, const QString& clave, const QString& nombre) {
    return QStringLiteral(" Update staff_grupo set nombre=") + SqlLiteral(nombre) +
           QStringLiteral(" where idgrupo=") + ClaveNumerica(clave) +
           QStringLiteral(" and empresa=") + ClaveNumerica(empresa);
}

QString EliminaGrupo(const QString& empresa, const QString& clave) {
    return QStringLiteral(" Delete from staff_grupo  where idgrupo=") + ClaveNumerica(clave) +
           QStringLiteral(" and empresa=") + ClaveNumerica(empresa);
}

QString ListaStaffing(const QString& empresa) {
    return QStringLiteral(
               " select idstaffing, nombre, tiposnomina  from staffing where empresa= ") +
           ClaveNumerica(empresa);
}

QString InsertaStaffing(const QString& empresa, const QString& nombre, const QString& tipos) {
    return QStringLiteral("Insert into staffing values(") + ClaveNumerica(empresa) +
           QLatin1Char(',') + SqlLiteral(nombre) + QLatin1Char(',') + SqlLiteral(tipos) +
           QLatin1Char(')');
}

QString ModificaStaffing(const QString& clave, const QString& nombre, const QString& tipos) {
    return QStringLiteral(" Update staffing set nombre=") + SqlLiteral(nombre) +
           QStringLiteral(", tiposNomina=") + SqlLiteral(tipos) +
           QStringLiteral(" where idstaffing =") + ClaveNumerica(clave);
}

QString EliminaStaffing(const QString& clave) {
    return QStringLiteral("Delete from staffing where idstaffing=") + ClaveNumerica(clave);
}

QString ListaPuestos(const QString& empresa) {
    return QStringLiteral("select ocupacion,actividad from tabulador where empresa= ") +
           ClaveNumerica(empresa);
}

}  // namespace catalogos
