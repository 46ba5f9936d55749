#include "security/ReglasPassword.h"

#include "security/CLSUSUARIO.h"

namespace seguridad {

QString RevisaPasswordNuevo(clsUsuario& usuario, const QString& nuevo) {
    usuario.SetPwd(nuevo);
    if (!clsUsuario::CaracteresPermitidos(nuevo))
        return QStringLiteral("La contraseña contiene caracteres no permitidos.");
    if (nuevo.size() > clsUsuario::kLargoPassword)
        return QStringLiteral("La contraseña no puede tener más de %1 caracteres.")
            .arg(clsUsuario::kLargoPassword);
    if (Rechaza(usuario.ValidaLongPWD()))
        return QStringLiteral("La longitud del password no es correcta.");
    if (usuario.ValidaRotacionPWD())
        return QStringLiteral("Ese password fue utilizado recientemente.");
    if (Rechaza(usuario.ValidaNumPWD()))
        return QStringLiteral("El password no trae la cantidad de numeros requeridos.");
    return {};
}

}  // namespace seguridad
