#include "security/ConsultasSeguridad.h"

#include "ado/SqlLiteral.h"

namespace seguridad {

namespace {

QString L(const QString& text) {
    return SqlLiteral(text);
}

}  // namespace

QString DiasVigencia() {
    return QStringLiteral(" Select dias_Vigencia from ctrl_usuarios");
}

QString LongitudPassword() {
    return QStringLiteral(" Select longitud_password from ctrl_usuarios ");
}

QString NumerosRequeridos() {
    return QStringLiteral(" Select requiere_numeros from ctrl_usuarios ");
}

QString RotacionPassword() {
    return QStringLiteral(" Select rotacion_password from ctrl_usuarios ");
}

QString DiasAviso() {
    return QStringLiteral("Select dias_aviso from ctrl_usuarios");
}

QString AltaUsuario(const QString& usuario, const QString& descripcion, const QString& cifrada,
                    const QString& dias) {
    return QStringLiteral("Insert into usuarios values (") + L(usuario) + u',' + L(descripcion) +
           u',' + L(cifrada) + QStringLiteral(", getdate() + ") + SqlWholeNumber(dias) + u')';
}

QString ModificaUsuario(const QString& usuario, const QString& descripcion, const QString& cifrada,
                        const QString& dias) {
    return QStringLiteral(" Update usuarios set  usuario=") + L(usuario) +
           QStringLiteral(", descripcion=") + L(descripcion) + QStringLiteral(", password=") +
           L(cifrada) + QStringLiteral(", expiracion = getdate() + ") + SqlWholeNumber(dias) +
           QStringLiteral(" where usuario=") + L(usuario);
}

QString CambiaPassword(const QString& usuario, const QString& cifrada, const QString& dias) {
    return QStringLiteral(" Update usuarios set  password=") + L(cifrada) +
           QStringLiteral(", expiracion= getdate() + ") + SqlWholeNumber(dias) +
           QStringLiteral(" where usuario=") + L(usuario);
}

QString AgregaHistorial(const QString& usuario, const QString& cifrada) {
    return QStringLiteral(" Insert into hpwd values(  ") + L(usuario) +
           QStringLiteral(", getdate(), ") + L(cifrada) + u')';
}

QString BorraPerfilesDelUsuario(const QString& usuario) {
    return QStringLiteral("Delete from perfil_usuarios where usuario=") + L(usuario);
}

QString BorraUsuario(const QString& usuario) {
    return QStringLiteral("Delete from usuarios where usuario=") + L(usuario);
}

QString Usuario(const QString& usuario) {
    return QStringLiteral("Select * from usuarios where usuario=") + L(usuario);
}

QString Usuarios() {
    return QStringLiteral(" Select * from usuarios ");
}

QString ExisteUsuario(const QString& usuario) {
    return QStringLiteral(" Select usuario from usuarios where usuario=") + L(usuario);
}

QString Acceso(const QString& usuario, const QString& cifrada) {
    return QStringLiteral(" Select usuario from usuarios  where usuario=") + L(usuario) +
           QStringLiteral(" and password=") + L(cifrada);
}

QString PasswordGuardado(const QString& usuario) {
    return QStringLiteral(" Select password from Usuarios  where usuario=") + L(usuario);
}

QString HistorialPasswords(const QString& usuario) {
    return QStringLiteral(" Select password from hpwd  where usuario=") + L(usuario) +
           QStringLiteral(" order by fch_modifico");
}

QString Expiracion(const QString& usuario) {
    return QStringLiteral(" Select expiracion from Usuarios  where usuario=") + L(usuario);
}

QString Permiso(const QString& sistema, const QString& funcion, const QString& opcion,
                const QString& usuario) {
    return QStringLiteral(
               "select u.usuario, p.sistema, pu.idPerfil, p.descripcion,pf.funcion, pf.opcion "
               "from usuarios u, perfil_usuarios pu, perfiles p, perfil_funcion pf  where "
               "u.usuario=pu.usuario  and pf.idPerfil=pu.idPerfil  and pf.idPerfil=p.idPerfil  "
               "and p.sistema=") +
           L(sistema) + QStringLiteral(" and pf.opcion=") + L(opcion) +
           QStringLiteral(" and pf.Funcion=") + L(funcion) + QStringLiteral(" and u.usuario=") +
           L(usuario);
}

}  // namespace seguridad
