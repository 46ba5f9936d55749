#pragma once

#include <QString>

// The statements of the catalogues (groups, staffing plans, the tabulator look-up). Forms
// and the catalogue core call these and never write SQL of their own.
//
// `empresa` is the company key and `clave` a key as the grids show it (leading blanks
// allowed): both must be whole numbers and go in as plain digits (SqlWholeNumber, which
// throws ado::Error otherwise), so no text from config.ini or a grid can become statement
// text. Names are typed by the user and go in as literals (SqlLiteral).
namespace catalogos {

// Groups of positions (staff_grupo).
QString ListaGrupos(const QString& empresa);
QString InsertaGrupo(const QString& empresa, const QString& nombre);
QString ModificaGrupo(const QString& empresa, const QString& clave, const QString& nombre);
QString EliminaGrupo(const QString& empresa, const QString& clave);

// Staffing plans (staffing). `tipos` is the payroll-type text as TCatStaffing::armatipos builds it
// ("S,M").
QString ListaStaffing(const QString& empresa);
QString InsertaStaffing(const QString& empresa, const QString& nombre, const QString& tipos);
QString ModificaStaffing(const QString& clave, const QString& nombre, const QString& tipos);
QString EliminaStaffing(const QString& clave);

// How many planned entries of the company are filed under a group or a plan, in the table
// of one way of planning (staff_porcentaje, staff_mes).
enum class Planeacion { Porcentaje, Mes };
QString EntradasDelGrupo(Planeacion planeacion, const QString& empresa, const QString& clave);
QString EntradasDelStaffing(Planeacion planeacion, const QString& empresa, const QString& clave);

// Positions of the company's tabulator.
QString ListaPuestos(const QString& empresa);

}  // namespace catalogos
