// The user object under hostile names and passwords: every one is either data, stored and
// found exactly, or names no account and is refused; no statement breaks, nobody signs in
// with a password that was not stored whole.
#include "security/CLSUSUARIO.h"
#include "tests/support/BaseDePrueba.h"
#include "tests/support/CadenasHostiles.h"
#include "ui/ScriptedMessages.h"

#include <exception>

using prueba::Columna;
using prueba::Ejecuta;
using prueba::Hostil;

namespace {

class HostilesTest : public prueba::BaseUsuariosTest {
  protected:
    void SetUp() override {
        BaseUsuariosTest::SetUp();
        Politica(30, 0, 0, 0, 5);
        clsUsuario admin;
        admin.SetUsuario(QStringLiteral("Administrador"));
        admin.SetDescripcion(QStringLiteral("Administrador del sistema"));
        admin.SetPwd(QStringLiteral("admin123"));
        ASSERT_TRUE(admin.Insertar());
        m_admin = Estado();
    }

    static clsUsuario Usuario(const QString& nombre, const QString& clave) {
        clsUsuario u;
        u.SetUsuario(nombre);
        u.SetPwd(clave);
        u.SetDescripcion(QStringLiteral("prueba"));
        return u;
    }

    // Administrador's row and history, which no hostile text may touch.
    static QStringList Estado() {
        return Columna(QStringLiteral("select usuario + '|' + password from usuarios where "
                                      "usuario = 'Administrador'")) +
               Columna(QStringLiteral("select count(*) from hpwd where usuario = "
                                      "'Administrador'"));
    }

    QStringList m_admin;
};

}  // namespace

TEST_F(HostilesTest, NameMethodsTakeHostileNamesAsDataOrAsNoAccount) {
    for (const Hostil& h : prueba::CadenasHostiles()) {
        SCOPED_TRACE(prueba::Muestra(h.texto));
        ui::ScriptedMessages msgs;
        try {
            clsUsuario u = Usuario(h.texto, QStringLiteral("Clave12"));
            EXPECT_FALSE(u.Existe());
            EXPECT_FALSE(u.Login());
            EXPECT_EQ(u.obtenUsuarios(), nullptr);
            EXPECT_FALSE(u.TienePermiso("ST", "A", "A1"));
            EXPECT_FALSE(u.ValidaPwdActual(QStringLiteral("Clave12")));
            EXPECT_FALSE(u.ValidaRotacionPWD());
            EXPECT_EQ(m_admin, Estado());

            EXPECT_EQ(u.Insertar(), h.nombre);
            EXPECT_EQ(u.Existe(), h.nombre);
            EXPECT_EQ(u.Login(), h.nombre);
            EXPECT_EQ(u.obtenUsuarios() != nullptr, h.nombre);
            EXPECT_EQ(u.ValidaPwdActual(QStringLiteral("Clave12")), h.nombre);
            if (h.nombre) {
                EXPECT_EQ(msgs.count(), 0);
                EXPECT_EQ(Columna("select usuario from usuarios where usuario <> "
                                  "'Administrador'"),
                          QStringList{h.texto});
                EXPECT_EQ(u.Expira(), 30);
                EXPECT_TRUE(u.CambiarPwd());
            } else {
                EXPECT_EQ(msgs.count(), 1);
                EXPECT_TRUE(msgs.last().text.contains(QStringLiteral("nombre de usuario")));
                EXPECT_FALSE(u.CambiarPwd());
                EXPECT_FALSE(u.Modificar());
            }
            EXPECT_EQ(u.Borrar(), h.nombre);
            EXPECT_EQ(Columna("select count(*) from usuarios"), QStringList{"1"});
            Ejecuta({QStringLiteral("delete from hpwd where usuario <> 'Administrador'")});
            EXPECT_EQ(m_admin, Estado());
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
        }
    }
}

TEST_F(HostilesTest, PasswordsAreStoredWholeOrNeverUsed) {
    int n = 0;
    for (const Hostil& h : prueba::CadenasHostiles()) {
        SCOPED_TRACE(prueba::Muestra(h.texto));
        const QString nombre = QStringLiteral("u%1").arg(++n);
        ui::ScriptedMessages msgs;
        try {
            clsUsuario u = Usuario(nombre, QStringLiteral("Clave12"));
            ASSERT_TRUE(u.Insertar());
            const QString antes =
                Columna("select password from usuarios where usuario = '" + nombre + "'").value(0);
            // Administrador's password followed by text that cannot be scrambled, or any
            // hostile text, is never Administrador's password.
            clsUsuario admin = Usuario(QStringLiteral("Administrador"), h.texto);
            EXPECT_FALSE(admin.Login());
            EXPECT_FALSE(admin.ValidaPwdActual(h.texto));

            u.SetPwd(h.texto);
            EXPECT_FALSE(u.Login());
            EXPECT_FALSE(u.ValidaPwdActual(h.texto));
            EXPECT_FALSE(u.ValidaRotacionPWD());
            EXPECT_EQ(msgs.count(ui::MsgKind::Stop), 0) << msgs.texts().join('|').toStdString();

            EXPECT_EQ(u.CambiarPwd(), h.password);
            const QString despues =
                Columna("select password from usuarios where usuario = '" + nombre + "'").value(0);
            EXPECT_EQ(u.Login(), h.password);
            EXPECT_EQ(u.ValidaPwdActual(h.texto), h.password);
            EXPECT_EQ(u.ValidaRotacionPWD(), h.password);
            if (h.password) {
                EXPECT_EQ(despues, clsUsuario::Cifra(h.texto).value_or("?"));
                EXPECT_EQ(Columna("select password from hpwd where usuario = '" + nombre +
                                  "' order by fch_modifico")
                              .last(),
                          despues);
            } else {
                EXPECT_EQ(despues, antes);
                EXPECT_EQ(msgs.count(ui::MsgKind::Info), 1);
                u.SetPwd(QStringLiteral("Clave12"));
                EXPECT_TRUE(u.Login());
            }
            EXPECT_EQ(msgs.count(ui::MsgKind::Stop), 0);
            EXPECT_EQ(m_admin, Estado());
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
        }
    }
}

TEST_F(HostilesTest, PrefixOfAPasswordWithForeignCharactersIsNeverStoredNorSignsIn) {
    ui::ScriptedMessages msgs;
    clsUsuario admin = Usuario(QStringLiteral("Administrador"), QStringLiteral("Жуков"));
    EXPECT_FALSE(admin.CambiarPwd());
    EXPECT_EQ(msgs.texts(), QStringList{"La contraseña contiene caracteres no permitidos."});
    for (const char* intento : {"", "Ж", "ЖЖЖ", "😀"}) {
        admin.SetPwd(QString::fromUtf8(intento));
        EXPECT_FALSE(admin.Login()) << intento;
    }
    admin.SetPwd(QStringLiteral("admin123"));
    EXPECT_TRUE(admin.Login());
}

TEST_F(HostilesTest, ScramblingBoxNamesTheWholeOffendingCharacter) {
    struct Caso {
        const char* clave;
        const char* caracter;
        const char* codigo;
    };
    for (const Caso& c : {Caso{"ab😀c", "😀", "U+1F600"}, Caso{"Жуков", "Ж", "U+0416"},
                          Caso{"x\xE2\x80\x8B", "\xE2\x80\x8B", "U+200B"}}) {
        ui::ScriptedMessages msgs;
        clsUsuario::EncriptaPWD(QString::fromUtf8(c.clave));
        ASSERT_EQ(msgs.count(ui::MsgKind::Stop), 1) << c.clave;
        const QString texto = msgs.last().text;
        EXPECT_EQ(msgs.last().caption, "ENCRIPTACION INCOMPLETA");
        EXPECT_TRUE(texto.contains(QStringLiteral("«") + QString::fromUtf8(c.caracter) + "»"))
            << texto.toStdString();
        EXPECT_TRUE(texto.contains(QString::fromUtf8(c.codigo))) << texto.toStdString();
        EXPECT_EQ(texto.toUcs4().contains(0xFFFD), false);
        for (qsizetype i = 0; i < texto.size(); ++i)  // no half of a character
            if (texto[i].isHighSurrogate())
                EXPECT_TRUE(i + 1 < texto.size() && texto[++i].isLowSurrogate());
            else
                EXPECT_FALSE(texto[i].isLowSurrogate());
        EXPECT_FALSE(clsUsuario::Cifra(QString::fromUtf8(c.clave)).has_value());
    }
}
