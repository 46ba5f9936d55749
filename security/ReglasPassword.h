#pragma once

#include <QString>

class clsUsuario;

// The rules of a new password, in the order the change-password form applies them, without
// the form: which characters, how long, the policy's length, the rotation and the digits.
namespace seguridad {

// The message of the first rule that `nuevo` breaks for this user (it becomes the user's
// password to check, as SetPwd), or the empty text when it passes them all. A policy row that
// gives no answer refuses nothing.
QString RevisaPasswordNuevo(clsUsuario& usuario, const QString& nuevo);

}  // namespace seguridad
