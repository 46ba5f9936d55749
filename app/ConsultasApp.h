#pragma once

// Statements of the application shell, and the one rule for the companies a user may open,
// shared by the company chooser and the main window's company search.

#include <QString>
#include <QStringList>

namespace ado {
class Connection;
class Value;
}  // namespace ado

// What a profile's company list ("{}", "{3,7}") allows the user to see.
struct ListaEmpresas {
    enum class Tipo { SinPerfil, Todas, Lista, Invalida };
    Tipo tipo = Tipo::Invalida;
    QString lista;  // for Tipo::Lista: the text between the braces, unchanged

    // Does the list allow the company with this key (leading blanks allowed)?
    bool Permite(const QString& empresa) const;
};
// Only a list of whole numbers between braces (blanks allowed) is ever pasted into SQL; a
// NULL or any other text is Invalida.
ListaEmpresas InterpretaListaEmpresas(const ado::Value& empresas);

// The companies `usuario` may open: the company list of the first profile row that the
// server returns for him ("{}" meaning all). SinPerfil when he holds no profile, or when the
// name cannot name an account.
ListaEmpresas EmpresasDelUsuario(ado::Connection& con, const QString& usuario);

namespace consultas {

// The user's profiles' company lists.
QString PerfilEmpresas(const QString& usuario);
// Key, name and short name of the companies the list allows (the company chooser).
QString EmpresasElegibles(const ListaEmpresas& lista);
// Key, name, employer registration, tax number and short name of the companies the list
// allows (the company search).
QString CatalogoEmpresas(const ListaEmpresas& lista);
// What a company is called on screen: its reference, or its name when it has none.
QString NombreVisible(const ado::Value& referencia, const ado::Value& nombre);

// The sign-in's test that the configured database is a payroll.
QString PruebaNomina();
// The server's databases, and the test whether database `base` holds the object capa_lugar.
QString BasesDelServidor();
QString BaseTieneCapaLugar(const QString& base);

// The registration of the system in the security tables (first use of the chooser): whether
// it is there; the system, its functions and options and the administrator's profile, in
// order; then that profile's key and its user and permissions (`idperfil` a whole number,
// right-aligned to 7 characters as the chooser formats it; pasted as plain digits).
QString SistemaRegistrado();
QStringList RegistroDelSistema();
QString PerfilAdministrador();
QString AsignaPerfilAdministrador(const QString& idperfil);
QString PermisosDelPerfilAdministrador(const QString& idperfil);

// The main window: the options of function `letra` (inside quotes, doubled); the name of
// company `empresa` (a whole number, pasted as plain digits). A key that is not a whole
// number throws ado::Error before any statement is built (SqlWholeNumber).
QString OpcionesDeFuncion(const QString& letra);
QString NombreDeEmpresa(const QString& empresa);

}  // namespace consultas
