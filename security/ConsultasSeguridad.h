#pragma once

#include <QString>

// The statements of the accounts and the password policy (usuarios, hpwd, ctrl_usuarios and
// the profile tables). clsUsuario calls these and writes no SQL of its own.
//
// User names, descriptions, scrambled passwords and the permission's system, function and
// option go in as literals (SqlLiteral), so a quote is data; the caller has checked that
// they hold no NUL. `dias` is the policy's days of validity as the database gave it: a whole
// number, pasted as plain digits (SqlWholeNumber, which throws ado::Error otherwise).
namespace seguridad {

// The password policy.
QString DiasVigencia();
QString LongitudPassword();
QString NumerosRequeridos();
QString RotacionPassword();
QString DiasAviso();

// Writing an account: a new one, a change of description and password, a change of
// password; each password is also kept in the history.
QString AltaUsuario(const QString& usuario, const QString& descripcion, const QString& cifrada,
                    const QString& dias);
QString ModificaUsuario(const QString& usuario, const QString& descripcion, const QString& cifrada,
                        const QString& dias);
QString CambiaPassword(const QString& usuario, const QString& cifrada, const QString& dias);
QString AgregaHistorial(const QString& usuario, const QString& cifrada);

// Deleting an account: its profiles first, then the account.
QString BorraPerfilesDelUsuario(const QString& usuario);
QString BorraUsuario(const QString& usuario);

// Reading accounts.
QString Usuario(const QString& usuario);  // every column of one account
QString Usuarios();                       // every column of every account
QString ExisteUsuario(const QString& usuario);
QString Acceso(const QString& usuario, const QString& cifrada);  // the sign-in
QString PasswordGuardado(const QString& usuario);
QString HistorialPasswords(const QString& usuario);  // oldest first
QString Expiracion(const QString& usuario);

// The rows that give the user option `opcion` of function `funcion` of system `sistema`.
QString Permiso(const QString& sistema, const QString& funcion, const QString& opcion,
                const QString& usuario);

}  // namespace seguridad
