#include "planning/ConsultasPlaneacion.h"

namespace planeacion {

namespace {

const QStringList kPorcentajes = {
    QStringLiteral("v5"),  QStringLiteral("v10"), QStringLiteral("v15"), QStringLiteral("v20"),
    QStringLiteral("v25"), QStringLiteral("v30"), QStringLiteral("v35"), QStringLiteral("v40"),
    QStringLiteral("v45"), QStringLiteral("v50"), QStringLiteral("v55"), QStringLiteral("v60"),
    QStringLiteral("v65"), QStringLiteral("v70"), QStringLiteral("v75"), QStringLiteral("v80"),
    QStringLiteral("v85"), QStringLiteral("v90"), QStringLiteral("v95"), QStringLiteral("v100")};

const QStringList kMeses = {
    QStringLiteral("enero"),   QStringLiteral("febrero"),   QStringLiteral("marzo"),
    QStringLiteral("abril"),   QStringLiteral("mayo"),      QStringLiteral("junio"),
    QStringLiteral("julio"),   QStringLiteral("agosto"),    QStringLiteral("septiembre"),
    QStringLiteral("octubre"), QStringLiteral("noviembre"), QStringLiteral("diciembre")};

// The figure columns as each form's grid query lists them.
QString ColumnasConsulta(Tabla tabla) {
    return tabla == Tabla::Porcentaje
               ? QStringLiteral(
                     " s.v5,  s.v10, s.v15, s.v20, s.v25, s.v30, s.v35,  s.v40, s.v45, s.v50, "
                     "s.v55, s.v60, s.v65, s.v70,  s.v75, s.v80, s.v85, s.v90, s.v95, s.v100  ")
               : QStringLiteral(
                     " s.enero, s.febrero, s.marzo, s.abril, s.mayo, s.junio, s.julio,  s.agosto, "
                     "s.septiembre, s.octubre, s.noviembre, s.diciembre ");
}

// The delete statement of the month form spells its table in upper case.
QString TablaBorrado(Tabla tabla) {
    return tabla == Tabla::Porcentaje ? TablaDe(tabla) : QStringLiteral("staff_MES");
}

}  // namespace

QString Entre(const QString& texto) {
    QString s = texto;
    return s.replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString TablaDe(Tabla tabla) {
    return tabla == Tabla::Porcentaje ? QStringLiteral("staff_porcentaje")
                                      : QStringLiteral("staff_mes");
}

const QStringList& ColumnasDe(Tabla tabla) {
    return tabla == Tabla::Porcentaje ? kPorcentajes : kMeses;
}

QString SqlStaffing(const QString& empresa) {
    return QStringLiteral("Select idstaffing, nombre from staffing where empresa=") + empresa;
}

QString SqlCentros(const QString& empresa) {
    return QStringLiteral("Select centro, nomdepto from centros where empresa=") + empresa;
}

QString SqlGrupos(const QString& empresa) {
    return QStringLiteral("Select idgrupo, nombre from staff_grupo where empresa=") + empresa;
}

QString SqlPuestos(Tabla tabla, const Eleccion& e) {
    return QStringLiteral(" Select s.ocupacion, t.actividad, ") + ColumnasConsulta(tabla) +
           QStringLiteral("from staffing ss, ") + TablaDe(tabla) +
           QStringLiteral(" s, tabulador t where ss.empresa=") + e.empresa +
           QStringLiteral(
               " and s.empresa=ss.empresa and t.empresa=s.empresa and "
               "ss.idStaffing=s.idStaffing  and s.idStaffing='") +
           Entre(e.staffing) + QStringLiteral("' and s.ocupacion=t.ocupacion and s.centro='") +
           Entre(e.centro) + QStringLiteral("' and s.idgrupo='") + Entre(e.grupo) +
           QStringLiteral("'");
}

QString SqlActividad(const QString& empresa, const QString& puesto) {
    return QStringLiteral(" select ACTIVIDAD from TABULADOR  where empresa= ") + empresa +
           QStringLiteral(" and ocupacion=") + puesto;
}

QString SqlExistePuesto(Tabla tabla, const Eleccion& e, const QString& puesto) {
    return QStringLiteral(" Select ocupacion from ") + TablaDe(tabla) +
           QStringLiteral(" where idStaffing='") + Entre(e.staffing) +
           QStringLiteral("' and centro='") + Entre(e.centro) + QStringLiteral("' and idgrupo='") +
           Entre(e.grupo) + QStringLiteral("' and empresa='") + Entre(e.empresa) +
           QStringLiteral("' and ocupacion=") + puesto;
}

QString SqlInsertaPuesto(Tabla tabla, const Eleccion& e, const QString& puesto,
                         const QStringList& cifras) {
    return QStringLiteral("Insert into ") + TablaDe(tabla) + QStringLiteral(" values (") +
           e.empresa + QStringLiteral(",'") + Entre(e.staffing) + QStringLiteral("','") +
           Entre(e.grupo) + QStringLiteral("','") + Entre(e.centro) + QStringLiteral("','") +
           Entre(puesto) + QStringLiteral("',") + cifras.join(QLatin1Char(',')) +
           QStringLiteral(")");
}

QString SqlActualizaPuesto(Tabla tabla, const Eleccion& e, const QString& puesto,
                           const QStringList& cifras) {
    const QStringList& columnas = ColumnasDe(tabla);
    QStringList asignaciones;
    for (qsizetype i = 0; i < columnas.size(); ++i) {
        // The first figure carries a blank inside its quotes; the server reads it as a number.
        const QString valor = (i == 0 ? QStringLiteral(" ") : QString()) + Entre(cifras.value(i));
        asignaciones << columnas.at(i) + QStringLiteral("='") + valor + QLatin1Char('\'');
    }
    return QStringLiteral(" Update ") + TablaDe(tabla) + QStringLiteral(" set   ") +
           asignaciones.join(QStringLiteral(", ")) + QStringLiteral(" where idstaffing='") +
           Entre(e.staffing) + QStringLiteral("' and idgrupo='") + Entre(e.grupo) +
           QStringLiteral("' and centro='") + Entre(e.centro) +
           QStringLiteral("' and ocupacion='") + Entre(puesto) + QStringLiteral("' and empresa=") +
           e.empresa;
}

QString SqlEliminaPuesto(Tabla tabla, const Eleccion& e, const QString& puesto) {
    return QStringLiteral(" delete from ") + TablaBorrado(tabla) +
           QStringLiteral("  where idstaffing=") + e.staffing + QStringLiteral(" and centro= '") +
           Entre(e.centro) + QStringLiteral("' and ocupacion= ") + puesto +
           QStringLiteral(" and empresa= ") + e.empresa + QStringLiteral(" and idgrupo=") + e.grupo;
}

QString SqlCambiaPuesto(Tabla tabla, const Eleccion& a, const Eleccion& de, const QString& puesto) {
    return QStringLiteral(" Update ") + TablaDe(tabla) + QStringLiteral(" set  idstaffing=") +
           a.staffing + QStringLiteral(", idgrupo=") + a.grupo + QStringLiteral(", centro='") +
           Entre(a.centro) + QStringLiteral("' where empresa=") + de.empresa +
           QStringLiteral(" and idstaffing= ") + de.staffing + QStringLiteral(" and idgrupo=") +
           de.grupo + QStringLiteral(" and centro='") + Entre(de.centro) +
           QStringLiteral("' and ocupacion=") + puesto;
}

}  // namespace planeacion
