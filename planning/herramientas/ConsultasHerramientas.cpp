#include "planning/herramientas/ConsultasHerramientas.h"

#include "ado/SqlLiteral.h"

namespace planeacion {

namespace {

QString Valores(const QString& empresa, const QString& staffing, const EntradaClave& e) {
    QString s = QLatin1Char('(') + empresa + QLatin1Char(',') + staffing + QLatin1Char(',') +
                QString::number(e.clave.grupo) + QLatin1Char(',') + SqlLiteral(e.clave.centro) +
                QLatin1Char(',') + QString::number(e.clave.puesto);
    for (int c : e.cifras)
        s += QLatin1Char(',') + QString::number(c);
    return s + QLatin1Char(')');
}

QString Donde(const QString& empresa, const QString& staffing, const ClaveEntrada& c) {
    return QStringLiteral(" where empresa=") + empresa + QStringLiteral(" and idStaffing=") +
           staffing + QStringLiteral(" and idgrupo=") + QString::number(c.grupo) +
           QStringLiteral(" and centro=") + SqlLiteral(c.centro) +
           QStringLiteral(" and ocupacion=") + QString::number(c.puesto);
}

QString Inicio() {
    return QStringLiteral("set xact_abort on\nbegin transaction\n");
}

}  // namespace

QString SqlPlanDeEmpresa(const QString& empresa, const QString& staffing) {
    return QStringLiteral("select nombre, tiposNomina from staffing where empresa=") +
           SqlWholeNumber(empresa) + QStringLiteral(" and idStaffing=") + SqlWholeNumber(staffing);
}

QString SqlEntradasPlan(Tabla tabla, const QString& empresa, const QString& staffing) {
    return QStringLiteral("select centro, idgrupo, ocupacion, ") +
           ColumnasDe(tabla).join(QStringLiteral(", ")) + QStringLiteral(" from ") +
           TablaDe(tabla) + QStringLiteral(" where empresa=") + SqlWholeNumber(empresa) +
           QStringLiteral(" and idStaffing=") + SqlWholeNumber(staffing) +
           QStringLiteral(" order by centro, idgrupo, ocupacion");
}

QString SqlEmpresa(const QString& empresa) {
    return QStringLiteral("select nombre_empresa from empresas where empresa=") +
           SqlWholeNumber(empresa);
}

QString LoteCopiaPlan(const QString& empresa, const QString& staffing, const QString& nombre,
                      const QString& tipos) {
    const QString e = SqlWholeNumber(empresa);
    const QString s = SqlWholeNumber(staffing);
    QString lote = Inicio() + QStringLiteral("insert into staffing values(") + e +
                   QLatin1Char(',') + SqlLiteral(nombre) + QLatin1Char(',') + SqlLiteral(tipos) +
                   QStringLiteral(")\ndeclare @nuevo bigint\nset @nuevo = SCOPE_IDENTITY()\n");
    for (Tabla t : {Tabla::Porcentaje, Tabla::Mes}) {
        lote += QStringLiteral("insert into ") + TablaDe(t) +
                QStringLiteral(" select empresa, @nuevo, idgrupo, centro, ocupacion, ") +
                ColumnasDe(t).join(QStringLiteral(", ")) + QStringLiteral(" from ") + TablaDe(t) +
                QStringLiteral(" where empresa=") + e + QStringLiteral(" and idStaffing=") + s +
                QLatin1Char('\n');
    }
    return lote + QStringLiteral("commit\nselect @nuevo");
}

QString LoteImportacion(const QString& empresa, const QString& staffing, const VistaPrevia& v,
                        bool eliminarAusentes) {
    const QString e = SqlWholeNumber(empresa);
    const QString s = SqlWholeNumber(staffing);
    QString lote = Inicio();
    // One row a statement: the embedded engine reads a long VALUES list far slower than as
    // many single-row inserts in the same batch.
    for (const FilaNueva& f : v.agregar) {
        lote += QStringLiteral("insert into ") + TablaDe(f.tabla) + QStringLiteral(" values ") +
                Valores(e, s, f.entrada) + QLatin1Char('\n');
    }
    for (const CambioEntrada& c : v.cambiar) {
        QStringList asignaciones;
        const QStringList& columnas = ColumnasDe(c.tabla);
        for (std::size_t i = 0; i < c.despues.size(); ++i)
            asignaciones << columnas.at(static_cast<qsizetype>(i)) + QLatin1Char('=') +
                                QString::number(c.despues[i]);
        lote += QStringLiteral("update ") + TablaDe(c.tabla) + QStringLiteral(" set ") +
                asignaciones.join(QStringLiteral(", ")) + Donde(e, s, c.clave) + QLatin1Char('\n');
    }
    if (eliminarAusentes) {
        for (const Ausente& a : v.ausentes)
            lote += QStringLiteral("delete from ") + TablaDe(a.tabla) + Donde(e, s, a.clave) +
                    QLatin1Char('\n');
    }
    return lote + QStringLiteral("commit");
}

}  // namespace planeacion
