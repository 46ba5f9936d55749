#pragma once

#include "ado/Connection.h"
#include "data/clsConexion.h"

#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

// A three-valued answer of the password policy: true, false, or no answer (std::nullopt) when
// the policy row is missing. Callers refuse only on an explicit false.
using RespuestaPolitica = std::optional<bool>;
inline bool Rechaza(RespuestaPolitica r) {
    return r.has_value() && !*r;
}

// One user account of the security tables (usuarios, hpwd, ctrl_usuarios, perfil_usuarios):
// the account operations, the password policy, the password scrambling and the permission
// check.
//
// Connections: operations that read on a connection of their own first replace CNX with a
// new clsConexion ("fresh"); the others work on the one CNX holds ("held"). A held operation
// finding CNX empty opens one of its own rather than failing.
//
// User names, descriptions and passwords enter SQL only as quoted literals (SqlLiteral), so a
// quote inside them is data, never statement text. A name that the account table cannot hold
// exactly (NombreValido) names no account: every operation answers as for a user without a
// row, and no statement is sent for it. A password that cannot be scrambled whole and stored
// (PasswordValido) never signs in, never matches and is never written.
class clsUsuario {
  public:
    // What the account columns hold: usuarios.usuario varchar(20), usuarios.descripcion
    // varchar(60), usuarios.password varchar(50) with one scrambled byte per character.
    static constexpr int kLargoUsuario = 20;
    static constexpr int kLargoDescripcion = 60;
    static constexpr int kLargoPassword = 50;

    // 1 to 20 characters of Windows-1252, no control character (NUL, line breaks, tabs), no
    // blank at either end.
    static bool NombreValido(const QString& usuario);
    // Every character in Windows-1252 and at most kLargoPassword of them.
    static bool PasswordValido(const QString& clave);
    // Every character in Windows-1252 (the length aside).
    static bool CaracteresPermitidos(const QString& clave);
    // The scrambled form of the whole text, or nothing when some character is outside
    // Windows-1252; shows no message.
    static std::optional<QString> Cifra(const QString& vClave);

    QString GetUsuario() const { return vUsuario; }
    void SetUsuario(const QString& v) { vUsuario = v; }
    QString GetPwd() const { return vPwd; }
    void SetPwd(const QString& v) { vPwd = v; }
    QString GetDescripcion() const { return vDescripcion; }
    void SetDescripcion(const QString& v) { vDescripcion = v; }
    QVariant GetPerfil() const { return vPerfil; }
    void SetPerfil(const QVariant& v) { vPerfil = v; }
    QVariant GetExpiracion() const { return vExpiracion; }
    void SetExpiracion(const QVariant& v) { vExpiracion = v; }

    // Account operations. The three password writes answer false, write nothing and tell the
    // user when the policy gives no validity period.
    bool Insertar();
    bool Modificar();
    bool CambiarPwd();
    void Historial();
    // Validity of a new password in days, as read from ctrl_usuarios; empty without a row.
    QString Vigencia();
    bool Borrar();
    // The open result standing on its first row, or nullptr when there is no row.
    std::unique_ptr<ado::Recordset> obtenUsuarios();
    std::unique_ptr<ado::Recordset> obtenTodos();
    bool Existe();
    bool Login();

    // Password policy.
    RespuestaPolitica ValidaLongPWD();
    RespuestaPolitica ValidaNumPWD();
    static bool esNumero(const QString& vCaracter);
    bool ValidaRotacionPWD();
    bool ValidaPwdActual(const QString& pass);
    // Days from today to the expiry date: 0 today, negative once passed. An account without
    // an expiry date counts as expiring today, so the user is asked to set a password (which
    // gives it one); an account without a row also gives 0.
    int Expira();
    int DiasAntes();

    // Scrambling of single Windows-1252 bytes, shifts +9, +8, +10 repeating. A character
    // outside the code page stops the walk with the "ENCRIPTACION INCOMPLETA" box and gives
    // what was scrambled so far: the program itself scrambles only through Cifra.
    static QString EncriptaPWD(const QString& vClave);
    static QString DesencriptaPWD(const QString& vClave);

    // Does the user hold option `opcion` of function `funcion` in system `sistema`?
    bool TienePermiso(const QString& sistema, const QString& funcion, const QString& opcion);

    std::shared_ptr<clsConexion> CNX;

  private:
    enum class Escritura { Alta, Modificacion, Cambio };
    bool escribePassword(Escritura tipo);
    clsConexion& conexionNueva();
    clsConexion& conexionRetenida();
    // The first column of the first row of `sql` on `cnx`; nothing without rows.
    static std::optional<ado::Value> primerValor(clsConexion& cnx, const QString& sql);
    static bool hayFilas(clsConexion& cnx, const QString& sql);
    static QString codifica(const QString& vClave, int sentido, const QString& titulo);
    // The scrambled password ready for a statement: whole, within the column, without the
    // byte 0. Nothing otherwise.
    std::optional<QString> cifradaGuardable() const;
    static std::optional<QString> cifradaGuardable(const QString& clave);

    QString vUsuario;
    QString vPwd;
    QString vDescripcion;
    QVariant vPerfil;
    QVariant vExpiracion;
};
