#pragma once

// The planner's tools over the database: reading a whole plan and the company's catalogues,
// exporting it, previewing and applying an import, copying a plan. The same functions serve
// the forms and oxta-plan. Keys are the company and plan keys as the program holds them
// (digits, leading blanks allowed).
//
// Failures the user can mend (an unknown company or plan, a name that cannot be stored, an
// unreadable file, refused rows) are thrown as ErrorPlan with a message in Spanish; database
// failures stay ado::Error.

#include "ado/Connection.h"
#include "planning/herramientas/ImportaPlan.h"
#include "planning/herramientas/PlanDatos.h"

#include <QString>

#include <optional>

namespace planeacion {

struct ErrorPlan {
    QString mensaje;
    bool vistaCaducada = false;  // kVistaCaducada: the preview is to be made again
};

struct DatosPlan {
    QString nombre;
    QString tipos;
};

// The company's plan, or ErrorPlan when the company or the plan is not there.
DatosPlan RevisaPlan(ado::Connection& cnx, const QString& empresa, const QString& staffing);
EntradasPlan LeeEntradas(ado::Connection& cnx, const QString& empresa, const QString& staffing);
Catalogos LeeCatalogos(ado::Connection& cnx, const QString& empresa);

// Writes the plan to a workbook, or to a CSV file (by the extension .csv) holding the entries
// of `tablaCsv`. Returns the number of entries written.
int ExportaPlan(ado::Connection& cnx, const QString& empresa, const QString& staffing,
                const QString& ruta, Tabla tablaCsv = Tabla::Porcentaje);

// Reads the file and compares it with the plan. Writes nothing.
VistaPrevia VistaDeArchivo(ado::Connection& cnx, const QString& empresa, const QString& staffing,
                           const QString& ruta);

// Writes the preview's added and changed rows (and deletes the absent entries when asked) in
// one transaction. With refused rows it writes only when `soloValidas`; otherwise ErrorPlan.
// When a row it writes no longer holds what the preview read (a changed or deleted entry
// with other figures, an added one that exists by now), nothing is written: ErrorPlan with
// kVistaCaducada.
void AplicaImportacion(ado::Connection& cnx, const QString& empresa, const QString& staffing,
                       const VistaPrevia& vista, bool eliminarAusentes, bool soloValidas);

// Why a name cannot be a plan's name (blank, longer than 150 characters, a control
// character, a character outside Windows-1252), or nothing.
std::optional<QString> ProblemaNombrePlan(const QString& nombre);
// Payroll-type letters given in any order and letter case, separated by commas, as the plans
// catalogue stores them (S,D,C,Q,M,E order, each once); nothing for an unknown letter.
std::optional<QString> NormalizaTipos(const QString& tipos);

// A new plan of the company with that name and payroll types holding copies of every entry
// of `staffing`, all in one transaction. Returns the new plan's key.
qint64 CopiaPlan(ado::Connection& cnx, const QString& empresa, const QString& staffing,
                 const QString& nombre, const QString& tipos);

}  // namespace planeacion
