// The rules of a new password in the order the change-password form applies them: the first
// rule broken gives its message, a policy without a row refuses nothing.
#include "ado/SqlLiteral.h"
#include "security/CLSUSUARIO.h"
#include "security/ReglasPassword.h"
#include "tests/support/BaseDePrueba.h"

namespace {

class ReglasPasswordTest : public prueba::BaseUsuariosTest {
  protected:
    void SetUp() override {
        prueba::BaseUsuariosTest::SetUp();
        usuario.SetUsuario("ana");
        // Two earlier passwords, the newer one current.
        int dias = -2;
        for (const char* clave : {"viejo11", "actual22"})
            prueba::Ejecuta({QStringLiteral("insert into hpwd values ('ana', ") +
                             prueba::Fecha(dias++) + QStringLiteral(", ") +
                             SqlLiteral(clsUsuario::EncriptaPWD(clave)) + u')'});
    }
    clsUsuario usuario;
};

}  // namespace

TEST_F(ReglasPasswordTest, TheFirstRuleBrokenGivesItsMessage) {
    const struct {
        QString nuevo;
        const char* conPolitica;  // length 6, rotation 1, one digit
        const char* sinPolitica;  // no policy row
    } casos[] = {
        {"nuevo123", "", ""},
        {"Жуков123", "La contraseña contiene caracteres no permitidos.",
         "La contraseña contiene caracteres no permitidos."},
        {QString(51, 'a') + "1", "La contraseña no puede tener más de 50 caracteres.",
         "La contraseña no puede tener más de 50 caracteres."},
        {"ab1", "La longitud del password no es correcta.", ""},
        {"actual22", "Ese password fue utilizado recientemente.",
         "Ese password fue utilizado recientemente."},  // the current one counts always
        {"viejo11", "Ese password fue utilizado recientemente.", ""},
        {"sindigitos", "El password no trae la cantidad de numeros requeridos.", ""},
        {"abc", "La longitud del password no es correcta.", ""},  // length before digits
    };
    for (const bool politica : {true, false}) {
        if (politica)
            Politica(30, 6, 1, 1, 5);
        else
            prueba::Ejecuta({"delete from ctrl_usuarios"});
        for (const auto& c : casos) {
            SCOPED_TRACE(c.nuevo.left(20).toStdString() + (politica ? " (policy)" : ""));
            EXPECT_EQ(seguridad::RevisaPasswordNuevo(usuario, c.nuevo),
                      QString::fromUtf8(politica ? c.conPolitica : c.sinPolitica));
            EXPECT_EQ(usuario.GetPwd(), c.nuevo);
        }
    }
}
