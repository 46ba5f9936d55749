#include "planning/ConsultasPlaneacion.h"

#include "ado/SqlLiteral.h"

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

// A key pasted bare or between quotes: checked to be a whole number (ado::Error otherwise).
QString N(const QString& clave) {
    return SqlWholeNumber(clave);
}
// A cost-centre code between the quotes of a template.
QString T(const QString& texto) {
    return SqlInsideQuotes(texto);
}

}  // namespace

QString TablaDe(Tabla tabla) {
    return tabla == Tabla::Porcentaje ? QStringLiteral("staff_porcentaje")
                                      : QStringLiteral("staff_mes");
}

const QStringList& ColumnasDe(Tabla tabla) {
    return tabla == Tabla::Porcentaje ? kPorcentajes : kMeses;
}

QString SqlStaffing(const QString& empresa) {
    return QStringLiteral("Select idstaffing, nombre from staffing where empresa=") + N(empresa);
}

QString SqlCentros(const QString& empresa) {
    return QStringLiteral("Select centro, nomdepto from centros where empresa=") + N(empresa);
}

QString SqlGrupos(const QString& empresa) {
    return QStringLiteral("Select idgrupo, nombre from staff_grupo where empresa=") + N(empresa);
}

QString SqlPuestos(Tabla tabla, const Eleccion& e) {
    return QStringLiteral(" Select s.ocupacion, t.actividad, ") + ColumnasConsulta(tabla) +
           QStringLiteral("from staffing ss, ") + TablaDe(tabla) +
           QStringLiteral(" s, tabulador t where ss.empresa=") + N(e.empresa) +
           QStringLiteral(
               " and s.empresa=ss.empresa and t.empresa=s.empresa and "
               "ss.idStaffing=s.idStaffing  and s.idStaffing='") +
           N(e.staffing) + QStringLiteral("' and s.ocupacion=t.ocupacion and s.centro='") +
           T(e.centro) + QStringLiteral("' and s.idgrupo='") + N(e.grupo) + QStringLiteral("'");
}

QString SqlActividad(const QString& empresa, const QString& puesto) {
    return QStringLiteral(" select ACTIVIDAD from TABULADOR  where empresa= ") + N(empresa) +
           QStringLiteral(" and ocupacion=") + N(puesto);
}

QString SqlExistePuesto(Tabla tabla, const Eleccion& e, const QString& puesto) {
    return QStringLiteral(" Select ocupacion from ") + TablaDe(tabla) +
           QStringLiteral(" where idStaffing='") + N(e.staffing) +
           QStringLiteral("' and centro='") + T(e.centro) + QStringLiteral("' and idgrupo='") +
           N(e.grupo) + QStringLiteral("' and empresa='") + N(e.empresa) +
           QStringLiteral("' and ocupacion=") + N(puesto);
}

QString SqlInsertaPuesto(Tabla tabla, const Eleccion& e, const QString& puesto,
                         const QStringList& cifras) {
    QStringList valores;
    for (const QString& cifra : cifras)
        valores << N(cifra);
    return QStringLiteral("Insert into ") + TablaDe(tabla) + QStringLiteral(" values (") +
           N(e.empresa) + QStringLiteral(",'") + N(e.staffing) + QStringLiteral("','") +
           N(e.grupo) + QStringLiteral("','") + T(e.centro) + QStringLiteral("','") + N(puesto) +
           QStringLiteral("',") + valores.join(QLatin1Char(',')) + QStringLiteral(")");
}

QString SqlActualizaPuesto(Tabla tabla, const Eleccion& e, const QString& puesto,
                           const QStringList& cifras) {
    const QStringList& columnas = ColumnasDe(tabla);
    QStringList asignaciones;
    for (qsizetype i = 0; i < columnas.size(); ++i) {
        // The first figure carries a blank inside its quotes; the server reads it as a number.
        const QString valor = (i == 0 ? QStringLiteral(" ") : QString()) + N(cifras.value(i));
        asignaciones << columnas.at(i) + QStringLiteral("='") + valor + QLatin1Char('\'');
    }
    return QStringLiteral(" Update ") + TablaDe(tabla) + QStringLiteral(" set   ") +
           asignaciones.join(QStringLiteral(", ")) + QStringLiteral(" where idstaffing='") +
           N(e.staffing) + QStringLiteral("' and idgrupo='") + N(e.grupo) +
           QStringLiteral("' and centro='") + T(e.centro) + QStringLiteral("' and ocupacion='") +
           N(puesto) + QStringLiteral("' and empresa=") + N(e.empresa);
}

QString SqlEliminaPuesto(Tabla tabla, const Eleccion& e, const QString& puesto) {
    return QStringLiteral(" delete from ") + TablaBorrado(tabla) +
           QStringLiteral("  where idstaffing=") + N(e.staffing) +
           QStringLiteral(" and centro= '") + T(e.centro) + QStringLiteral("' and ocupacion= ") +
           N(puesto) + QStringLiteral(" and empresa= ") + N(e.empresa) +
           QStringLiteral(" and idgrupo=") + N(e.grupo);
}

QString SqlCambiaPuesto(Tabla tabla, const Eleccion& a, const Eleccion& de, const QString& puesto) {
    return QStringLiteral(" Update ") + TablaDe(tabla) + QStringLiteral(" set  idstaffing=") +
           N(a.staffing) + QStringLiteral(", idgrupo=") + N(a.grupo) +
           QStringLiteral(", centro='") + T(a.centro) + QStringLiteral("' where empresa=") +
           N(de.empresa) + QStringLiteral(" and idstaffing= ") + N(de.staffing) +
           QStringLiteral(" and idgrupo=") + N(de.grupo) + QStringLiteral(" and centro='") +
           T(de.centro) + QStringLiteral("' and ocupacion=") + N(puesto);
}

QString SqlFilasAfectadas() {
    return QStringLiteral(" select @@ROWCOUNT");
}

}  // namespace planeacion
