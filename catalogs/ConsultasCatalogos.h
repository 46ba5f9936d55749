#pragma once

#include <QString>

// The statements of the catalogues (groups, staffing plans, the tabulator look-up). Forms
// call these and never write SQL of their own.
//
// `empresa` is the company key and `clave` a key as the grids show it: both are pasted as
// they stand, leading blanks included, and must be whole numbers (a key that is not one
// throws std::invalid_argument, so no text from config.ini or a grid can become statement
// text). Names are typed by the user and go in as literals (SqlLiteral).
namespace catalogos {

// The key itself when it is a whole number (blanks around it allowed); throws otherwise.
QString ClaveNumerica(const QString& clave);

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

// Positions of the company's tabulator.
QString ListaPuestos(const QString& empresa);

}  // namespace catalogos
