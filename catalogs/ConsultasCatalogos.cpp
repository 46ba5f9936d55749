#include "catalogs/ConsultasCatalogos.h"

#include "ado/SqlLiteral.h"

namespace catalogos {

namespace {

QString Entradas(Planeacion planeacion, const char* columna, const QString& empresa,
                 const QString& clave) {
    const QString tabla = planeacion == Planeacion::Porcentaje ? QStringLiteral("staff_porcentaje")
                                                               : QStringLiteral("staff_mes");
    return QStringLiteral("select count(*) from ") + tabla + QStringLiteral(" where empresa=") +
           SqlWholeNumber(empresa) + QStringLiteral(" and ") + QLatin1String(columna) +
           QLatin1Char('=') + SqlWholeNumber(clave);
}

}  // namespace

QString ListaGrupos(const QString& empresa) {
    return QStringLiteral("select idgrupo, nombre from staff_grupo where empresa=") +
           SqlWholeNumber(empresa);
}

QString InsertaGrupo(const QString& empresa, const QString& nombre) {
    return QStringLiteral("Insert into staff_grupo values('") + SqlWholeNumber(empresa) +
           QStringLiteral("',") + SqlLiteral(nombre) + QLatin1Char(')');
}

QString ModificaGrupo(const QString& empresa, const QString& clave, const QString& nombre) {
    return QStringLiteral(" Update staff_grupo set nombre=") + SqlLiteral(nombre) +
           QStringLiteral(" where idgrupo=") + SqlWholeNumber(clave) +
           QStringLiteral(" and empresa=") + SqlWholeNumber(empresa);
}

QString EliminaGrupo(const QString& empresa, const QString& clave) {
    return QStringLiteral(" Delete from staff_grupo  where idgrupo=") + SqlWholeNumber(clave) +
           QStringLiteral(" and empresa=") + SqlWholeNumber(empresa);
}

QString ListaStaffing(const QString& empresa) {
    return QStringLiteral(
               " select idstaffing, nombre, tiposnomina  from staffing where empresa= ") +
           SqlWholeNumber(empresa);
}

QString InsertaStaffing(const QString& empresa, const QString& nombre, const QString& tipos) {
    return QStringLiteral("Insert into staffing values(") + SqlWholeNumber(empresa) +
           QLatin1Char(',') + SqlLiteral(nombre) + QLatin1Char(',') + SqlLiteral(tipos) +
           QLatin1Char(')');
}

QString ModificaStaffing(const QString& clave, const QString& nombre, const QString& tipos) {
    return QStringLiteral(" Update staffing set nombre=") + SqlLiteral(nombre) +
           QStringLiteral(", tiposNomina=") + SqlLiteral(tipos) +
           QStringLiteral(" where idstaffing =") + SqlWholeNumber(clave);
}

QString EliminaStaffing(const QString& clave) {
    return QStringLiteral("Delete from staffing where idstaffing=") + SqlWholeNumber(clave);
}

QString EntradasDelGrupo(Planeacion planeacion, const QString& empresa, const QString& clave) {
    return Entradas(planeacion, "idgrupo", empresa, clave);
}

QString EntradasDelStaffing(Planeacion planeacion, const QString& empresa, const QString& clave) {
    return Entradas(planeacion, "idStaffing", empresa, clave);
}

QString ListaPuestos(const QString& empresa) {
    return QStringLiteral("select ocupacion,actividad from tabulador where empresa= ") +
           SqlWholeNumber(empresa);
}

}  // namespace catalogos
