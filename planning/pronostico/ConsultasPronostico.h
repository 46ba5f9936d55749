#pragma once

// The statements of the occupancy forecast, of the budget drawn from it and of the month plan
// it generates, and the readers of the values they return.
//
// Keys reach these functions as the program holds them (the company key with its leading
// blanks, plan keys in digits) and go into the text as the whole numbers they hold
// (SqlWholeNumber); a cost-centre code read from the database goes in as a literal. A key,
// year, month or figure that is not what its column takes is refused with ado::Error before
// any text is built.

#include "ado/Value.h"
#include "planning/pronostico/Pronostico.h"

#include <QString>

#include <array>
#include <vector>

namespace pronostico {

// A percentage read from staff_pronostico, in tenths; nothing for NULL.
std::optional<int> DecimasDe(const ado::Value& v);
// An amount of money in cents (a salary, a guaranteed salary); NULL is 0.
qint64 CentavosDe(const ado::Value& v);

// The forecast of one plan and year: mes, porcentaje.
QString SqlLeePronostico(const QString& empresa, const QString& staffing, int anio);
// One batch, one transaction: the year's rows deleted, the months that have a forecast
// inserted.
QString SqlGuardaPronostico(const QString& empresa, const QString& staffing, int anio,
                            const Meses& meses);

// One batch, one transaction: the year's forecast replaced by `despues` only while its rows
// still hold `antes` (what a preview read: the same months, the same figures); otherwise
// nothing is written and the transaction is rolled back. One result row: 0 when it
// committed, 1 when the rows had changed.
QString SqlReemplazaPronostico(const QString& empresa, const QString& staffing, int anio,
                               const Meses& antes, const Meses& despues);

// The plan: nombre, tiposnomina (no row: the plan does not exist, or was deleted).
QString SqlPlan(const QString& empresa, const QString& staffing);
// Every percentage entry of the plan, all groups: centro, idgrupo, ocupacion, the centre's
// name, the position's name and guaranteed salary, then v5 ... v100; by centre, position
// and group.
QString SqlEntradasPorcentaje(const QString& empresa, const QString& staffing);
// Today's payroll in every cost centre and position that the plan's percentage entries name:
// centro, ocupacion, the active employees and the sum of their salaries, counted as the
// comparative reports count them (reportes::SqlEmpleadosActuales, with the numbers of the
// plan's payroll types).
QString SqlPlantillaActual(const QString& empresa, const QString& staffing,
                           const QStringList& numerosNomina);

// One month entry of the plan: its key within the plan and its twelve figures.
struct EntradaMes {
    QString centro;  // trimmed
    qint64 grupo = 0;
    qint64 ocupacion = 0;
    std::array<int, kMeses> cifras{};
};
// Every month entry of the plan: centro, idgrupo, ocupacion, enero ... diciembre.
QString SqlEntradasMes(const QString& empresa, const QString& staffing);
// One batch, one transaction: `agregar` inserted, `reemplazar` updated by their five keys.
QString SqlAplicaPlanMensual(const QString& empresa, const QString& staffing,
                             const std::vector<EntradaMes>& agregar,
                             const std::vector<EntradaMes>& reemplazar);

}  // namespace pronostico
