#pragma once

#include "ado/Value.h"

#include <QString>
#include <QStringList>

// The statements that the application shell's forms send, each written once: the forms call
// these functions and the tests reach the statements through them. Values enter as the forms
// hand them over (text values already quoted by SqlLiteral where they come from users).
namespace consultas {

// ---- Sign-in and connection settings ----

// The sign-in's test that the configured database is a payroll.
QString PruebaNomina();
// The server's databases, and the test whether database `base` holds the object capa_lugar.
QString BasesDelServidor();
QString BaseTieneCapaLugar(const QString& base);

// ---- Company chooser and company search ----

// The company lists of the profiles of `usuario` (a SQL literal).
QString ListasDeEmpresasDelUsuario(const QString& usuario);
// The companies of a profile: all of them when `lista` is empty, otherwise those whose key
// is in `lista` (the text between a profile's braces, already checked to be whole numbers).
QString EmpresasDeLaLista(const QString& lista);
// Every company with its registration and tax numbers, for the company search.
QString EmpresasConDatosFiscales();
// What a company is called on screen: its reference, or its name when it has none.
QString NombreVisible(const ado::Value& referencia, const ado::Value& nombre);

// ---- Registration of the system in the security tables (first use) ----

QString SistemaRegistrado();
// The system, its functions and options, and the administrator's profile, in order.
QStringList RegistroDelSistema();
QString PerfilAdministrador();
// `idperfil` as the chooser formats it (right-aligned to 7 characters).
QString AsignaPerfilAdministrador(const QString& idperfil);
QString PermisosDelPerfilAdministrador(const QString& idperfil);

// ---- Main window ----

// The options of function `letra` of the system.
QString OpcionesDeFuncion(const QString& letra);
// The name of company `empresa` (a whole number, pasted as it stands).
QString NombreDeEmpresa(const QString& empresa);

}  // namespace consultas
