#pragma once

// The seventh report, "Presupuesto por pronóstico": the staffing budget of one plan and year
// read by the report engine like the comparative reports, from rows of the work table
// (staff_reporte) written for the run. One row per cost centre, position and month: the month
// (1 .. 12) in the column idgrupo, the places the rule plans in plazas, the guaranteed salary
// in sueldoOriginal, today's employees and salaries in real and sueldoReal. The definition
// joins the forecast (empty where a month has none) and prices the places.
//
// The reports form and oxta-report ask for any of the seven reports through PreparaReporte:
// the budget here, the six others as reportes::PreparaCorrida prepares them.

#include "planning/pronostico/Presupuesto.h"
#include "reports/ConsultasReportes.h"

#include <QString>
#include <QStringList>

namespace ado {
class Connection;
}

namespace pronostico {

inline const QString kReportePresupuesto = QStringLiteral("Presupuesto por pronóstico");

// The reports form's list: the six reports, then the budget.
QStringList ListaReportes();
bool EsPresupuesto(const QString& reporte);

// The budget's request as the reports form and oxta-report give it: a plan is required, a
// year of four digits, a rule by its name (empty: nivel superior); a checked centre or group
// narrows the budget to its entries. The first broken rule as its message, or an empty text.
QString ValidaPresupuesto(const reportes::Solicitud& s);
SolicitudPresupuesto SolicitudDe(const reportes::Solicitud& s);

// The budget's rows for the work table, under the run's key: batches of inserts.
QStringList SqlInsertaPresupuesto(const QString& clave, const Presupuesto& p);

// Checks the request and fills `corrida` (the budget computed and written under a new key)
// for the budget, or leaves the other reports to reportes::PreparaCorrida. Returns the
// message of a refusal (a broken rule, a plan that does not exist, a year without forecast),
// or an empty text.
QString PreparaReporte(ado::Connection& cn, const reportes::Solicitud& s,
                       reportes::Corrida& corrida);

}  // namespace pronostico
