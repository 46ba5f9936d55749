#pragma once

// The statements of the planner's tools. Keys are pasted as whole numbers (SqlWholeNumber) and
// texts as literals (SqlLiteral / SqlInsideQuotes), so nothing read from a file or typed in a
// box becomes statement text. The writing batches open a transaction and commit it at their
// end, with XACT_ABORT on, so that a failing statement, a lost connection or a killed
// process leaves the plan as it was.

#include "planning/herramientas/ImportaPlan.h"
#include "planning/herramientas/PlanDatos.h"

#include <QString>

namespace planeacion {

// Name and payroll types of a plan of the company (no row: no such plan there).
QString SqlPlanDeEmpresa(const QString& empresa, const QString& staffing);
// Centre, group, position and the figures of every entry of a plan, in key order.
QString SqlEntradasPlan(Tabla tabla, const QString& empresa, const QString& staffing);
// The company's name (no row: no such company). The key and name of its centres, groups and
// positions are the selectors' and the tabulator look-up's statements (SqlCentros, SqlGrupos,
// catalogos::ListaPuestos).
QString SqlEmpresa(const QString& empresa);

// One batch: a new plan of the company with that name and payroll types, copies of every
// entry of both tables of `staffing` under it, and at the end one row with the new plan's key
// (assigned by the database).
QString LoteCopiaPlan(const QString& empresa, const QString& staffing, const QString& nombre,
                      const QString& tipos);

// One batch writing the added and changed rows of the preview into the plan, and deleting its
// absent entries when asked to. Refused rows are never written; a change writes only the
// figures it changes. Each write first checks that its row is still as the preview read it
// (an addition: no entry yet; a change: the old value of each figure it changes; a deletion:
// every figure); if any is not, the batch writes nothing and rolls back. Its one result row
// holds 0 when it committed, 1 when it rolled back.
QString LoteImportacion(const QString& empresa, const QString& staffing, const VistaPrevia& v,
                        bool eliminarAusentes);

}  // namespace planeacion
