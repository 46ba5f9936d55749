#pragma once

// The statements of the planning forms: the three selector lists, the position entries of a
// plan, cost centre and group (by occupancy percentage or by month), the tabulator name of a
// position, and the transfer of an entry.
//
// Keys reach these functions as the program holds them: the company key as formatted
// (leading blanks), plan and group keys, position codes and figures as digits. Each is checked
// here to be a whole number (SqlWholeNumber: anything else throws ado::Error before a statement
// exists); a cost-centre code comes from the payroll and may hold a quote, so it goes between
// the template's quotes through SqlInsideQuotes and stays data.

#include <QString>
#include <QStringList>

namespace planeacion {

// Which table a planning form keeps its position entries in, and how its statements name the
// figure columns.
enum class Tabla { Porcentaje, Mes };

QString TablaDe(Tabla tabla);                // "staff_porcentaje" / "staff_mes"
const QStringList& ColumnasDe(Tabla tabla);  // v5 ... v100 / enero ... diciembre

// Selector lists (first column the key, second the name).
QString SqlStaffing(const QString& empresa);
QString SqlCentros(const QString& empresa);
QString SqlGrupos(const QString& empresa);

// The choice whose entries a form shows and writes.
struct Eleccion {
    QString empresa;
    QString staffing;
    QString centro;
    QString grupo;

    // Plan, centre and group all chosen.
    bool Completa() const { return !staffing.isEmpty() && !centro.isEmpty() && !grupo.isEmpty(); }
    friend bool operator==(const Eleccion&, const Eleccion&) = default;
};

// Position code, name, then the figures, of every entry of the choice.
QString SqlPuestos(Tabla tabla, const Eleccion& e);
// The name of a position in the company's tabulator.
QString SqlActividad(const QString& empresa, const QString& puesto);
QString SqlExistePuesto(Tabla tabla, const Eleccion& e, const QString& puesto);
QString SqlInsertaPuesto(Tabla tabla, const Eleccion& e, const QString& puesto,
                         const QStringList& cifras);
QString SqlActualizaPuesto(Tabla tabla, const Eleccion& e, const QString& puesto,
                           const QStringList& cifras);
QString SqlEliminaPuesto(Tabla tabla, const Eleccion& e, const QString& puesto);
// Moves the entry `puesto` of choice `de` to choice `a` (same company).
QString SqlCambiaPuesto(Tabla tabla, const Eleccion& a, const Eleccion& de, const QString& puesto);
// Run in the same batch right after a change: how many rows it touched.
QString SqlFilasAfectadas();

}  // namespace planeacion
