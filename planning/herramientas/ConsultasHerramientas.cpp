#include "planning/herramientas/ConsultasHerramientas.h"

#include "ado/SqlLiteral.h"

#include <algorithm>

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

// The entry's key within the plan.
QString ClaveSql(const ClaveEntrada& c) {
    return QStringLiteral("idgrupo=") + QString::number(c.grupo) + QStringLiteral(" and centro=") +
           SqlLiteral(c.centro) + QStringLiteral(" and ocupacion=") + QString::number(c.puesto);
}

QString Donde(const QString& empresa, const QString& staffing, const ClaveEntrada& c) {
    return QStringLiteral(" where empresa=") + empresa + QStringLiteral(" and idStaffing=") +
           staffing + QStringLiteral(" and ") + ClaveSql(c);
}

QString Inicio() {
    return QStringLiteral("set xact_abort on\nbegin transaction\n");
}

// The condition that an entry still holds `cifras` in the columns of `tabla`.
QString ConCifras(Tabla tabla, const std::vector<int>& cifras) {
    QString s;
    const QStringList& columnas = ColumnasDe(tabla);
    const auto n = std::min(cifras.size(), static_cast<std::size_t>(columnas.size()));
    for (std::size_t i = 0; i < n; ++i)
        s += QStringLiteral(" and ") + columnas.at(static_cast<qsizetype>(i)) + QLatin1Char('=') +
             QString::number(cifras[i]);
    return s;
}

// After an update or a delete guarded by the figures the preview read: no row means the
// entry is no longer as it was read.
const QString kSiCambio = QStringLiteral("if @@rowcount = 0 set @caducada = 1\n");

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
    // Every write first checks that its row is as the preview read it: an addition, that
    // the entry is still absent; a change, that the figures it changes still hold their old
    // value (the figures it leaves alone are not written, so another user's change to them
    // stays); a deletion, that the entry still holds every figure read. Any other finding
    // rolls the whole batch back.
    QString lote = Inicio() + QStringLiteral("declare @caducada int\nset @caducada = 0\n");
    // One row a statement, each guarded by its own check.
    for (const FilaNueva& f : v.agregar) {
        lote += QStringLiteral("if exists (select * from ") + TablaDe(f.tabla) +
                Donde(e, s, f.entrada.clave) +
                QStringLiteral(") set @caducada = 1 else insert into ") + TablaDe(f.tabla) +
                QStringLiteral(" values ") + Valores(e, s, f.entrada) + QLatin1Char('\n');
    }
    for (const CambioEntrada& c : v.cambiar) {
        QStringList asignaciones;
        QString antes;
        const QStringList& columnas = ColumnasDe(c.tabla);
        const auto n =
            std::min({c.antes.size(), c.despues.size(), static_cast<std::size_t>(columnas.size())});
        for (std::size_t i = 0; i < n; ++i) {
            if (c.antes[i] == c.despues[i])
                continue;
            const QString& columna = columnas.at(static_cast<qsizetype>(i));
            asignaciones << columna + QLatin1Char('=') + QString::number(c.despues[i]);
            antes +=
                QStringLiteral(" and ") + columna + QLatin1Char('=') + QString::number(c.antes[i]);
        }
        if (asignaciones.isEmpty())
            continue;
        lote += QStringLiteral("update ") + TablaDe(c.tabla) + QStringLiteral(" set ") +
                asignaciones.join(QStringLiteral(", ")) + Donde(e, s, c.clave) + antes +
                QLatin1Char('\n') + kSiCambio;
    }
    if (eliminarAusentes) {
        for (const Ausente& a : v.ausentes)
            lote += QStringLiteral("delete from ") + TablaDe(a.tabla) + Donde(e, s, a.clave) +
                    ConCifras(a.tabla, a.cifras) + QLatin1Char('\n') + kSiCambio;
    }
    return lote + QStringLiteral(
                      "if @caducada = 0 commit transaction else rollback transaction\n"
                      "select @caducada");
}

}  // namespace planeacion
