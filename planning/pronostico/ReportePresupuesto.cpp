#include "planning/pronostico/ReportePresupuesto.h"

#include "ado/Connection.h"
#include "ado/SqlLiteral.h"

namespace pronostico {

QStringList ListaReportes() {
    return reportes::ListaReportes() + QStringList{kReportePresupuesto};
}

bool EsPresupuesto(const QString& reporte) {
    return reporte.trimmed() == kReportePresupuesto;
}

QString ValidaPresupuesto(const reportes::Solicitud& s) {
    if (!s.porStaffing || s.staffing.trimmed().isEmpty())
        return QStringLiteral("Debe indicarse el Staffing");
    if (!LeeAnio(s.anio))
        return QStringLiteral("Debe indicarse el año (cuatro cifras, de %1 a %2)")
            .arg(kAnioMinimo)
            .arg(kAnioMaximo);
    if (!s.regla.trimmed().isEmpty() && !ReglaDeNombre(s.regla))
        return QStringLiteral("La regla debe ser \"%1\" o \"%2\"")
            .arg(NombreRegla(Regla::Superior), NombreRegla(Regla::Interpolado));
    return reportes::ValidaCheck(s);
}

SolicitudPresupuesto SolicitudDe(const reportes::Solicitud& s) {
    SolicitudPresupuesto p;
    p.empresa = s.empresa;
    p.staffing = s.staffing.trimmed();
    p.anio = LeeAnio(s.anio).value_or(0);
    p.regla = ReglaDeNombre(s.regla).value_or(Regla::Superior);
    if (s.porCC)
        p.centro = s.centro.trimmed();
    if (s.porGrupo)
        p.grupo = s.grupo.trimmed();
    return p;
}

QStringList SqlInsertaPresupuesto(const QString& clave, const Presupuesto& p) {
    const QString inicio = QStringLiteral(
        "insert into staff_reporte (clave, empresa, centro, ocupacion, idstaffing, idgrupo, "
        "plazas, [real], sueldoOriginal, sueldoReal) values ");
    const QString empresa = SqlWholeNumber(p.solicitud.empresa);
    const QString staffing = SqlWholeNumber(p.solicitud.staffing);
    // SQL Server takes at most 1,000 rows in one VALUES list.
    constexpr int kFilasPorInsert = 500;
    QStringList sentencias;
    QStringList filas;
    for (const FilaPresupuesto& f : p.filas)
        for (int m = 0; m < kMeses; ++m) {
            filas << QStringLiteral("(%1, %2, %3, %4, %5, %6, %7, %8, %9, %10)")
                         .arg(SqlLiteral(clave), empresa, SqlLiteral(f.centro),
                              QString::number(f.ocupacion), staffing, QString::number(m + 1),
                              QString::number(f.plazas[static_cast<std::size_t>(m)]),
                              QString::number(f.real))
                         .arg(Importe(f.garantia), Importe(f.sueldoReal));
            if (filas.size() == kFilasPorInsert) {
                sentencias << inicio + filas.join(QStringLiteral(", "));
                filas.clear();
            }
        }
    if (!filas.isEmpty())
        sentencias << inicio + filas.join(QStringLiteral(", "));
    return sentencias;
}

QString PreparaReporte(ado::Connection& cn, const reportes::Solicitud& s,
                       reportes::Corrida& corrida) {
    if (!EsPresupuesto(s.reporte))
        return reportes::PreparaCorrida(cn, s, corrida);
    if (const QString mensaje = ValidaPresupuesto(s); !mensaje.isEmpty())
        return mensaje;
    LectorPlan lector(cn);
    Presupuesto p;
    if (const QString mensaje = CalculaPresupuesto(lector, SolicitudDe(s), p); !mensaje.isEmpty())
        return mensaje;

    corrida.archivo = QStringLiteral("reportes/rptPresupuestoPronostico.rpt");
    corrida.datos = std::make_unique<reportes::TablaTemporal>(cn, reportes::NuevaClave());
    for (const QString& sql : SqlInsertaPresupuesto(corrida.datos->clave(), p))
        cn.Execute(sql);
    const auto numero = [](const QString& clave) {
        return ado::Value(static_cast<std::int64_t>(clave.trimmed().toLongLong()));
    };
    corrida.parametros = {
        {QStringLiteral("CVE"), ado::Value(corrida.datos->clave())},
        {QStringLiteral("anio"), ado::Value(p.solicitud.anio)},
        {QStringLiteral("regla"), ado::Value(DescripcionRegla(p.solicitud.regla))},
        {QStringLiteral("plantilla"), ado::Value(TituloPlantilla(p.plantillaAl))},
        {QStringLiteral("empresa"), numero(s.empresa)},
        {QStringLiteral("staffing"), numero(s.staffing)},
        {QStringLiteral("cc"), s.porCC ? ado::Value(s.centro) : ado::Value("TODOS")},
        {QStringLiteral("grupo"), numero(s.porGrupo ? s.grupo : QString())},
    };
    return {};
}

}  // namespace pronostico
