#include "ado/SqlLiteral.h"
#include "security/CLSUSUARIO.h"
#include "tests/support/BaseDePrueba.h"
#include "ui/Cp1252.h"
#include "ui/ScriptedMessages.h"

#include <QStringDecoder>

using prueba::BaseUsuariosTest;
using prueba::Columna;
using prueba::Ejecuta;
using prueba::Fecha;
using prueba::Valor;

namespace {

// An account with its password scrambled as the program stores it.
void Cuenta(const QString& usuario, const QString& clave, const QString& expiracion = Fecha(30)) {
    Ejecuta({QStringLiteral("insert into usuarios values (") + SqlLiteral(usuario) +
             QStringLiteral(", 'prueba', ") + SqlLiteral(clsUsuario::EncriptaPWD(clave)) +
             QStringLiteral(", ") + expiracion + QLatin1Char(')')});
}

// History rows, oldest first, one day apart.
void Historia(const QString& usuario, const QStringList& claves) {
    for (int i = 0; i < claves.size(); ++i)
        Ejecuta({QStringLiteral("insert into hpwd values (") + SqlLiteral(usuario) +
                 QStringLiteral(", ") + Fecha(i - static_cast<int>(claves.size())) +
                 QStringLiteral(", ") + SqlLiteral(clsUsuario::EncriptaPWD(claves[i])) +
                 QLatin1Char(')')});
}

clsUsuario Usuario(const QString& nombre, const QString& clave = {}) {
    clsUsuario u;
    u.SetUsuario(nombre);
    u.SetPwd(clave);
    return u;
}

QByteArray TodosLosBytes() {
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos += static_cast<char>(b);
    return todos;
}

}  // namespace

// ---- scrambling ----

TEST(Encriptacion, ShiftsNineEightTenAndWrapsPast255) {
    EXPECT_EQ(clsUsuario::EncriptaPWD(QStringLiteral("abc")), QStringLiteral("jjm"));
    EXPECT_EQ(clsUsuario::EncriptaPWD(QString()), QString());
    const QString alto = cp1252::decode(QByteArray("\xFA\xFA\xFA\xFA", 4));
    EXPECT_EQ(cp1252::encode(clsUsuario::EncriptaPWD(alto)), QByteArray("\x03\x02\x04\x03", 4));
}

TEST(Encriptacion, EveryByteValueComesBackAtEveryPosition) {
    for (int desplazamiento = 0; desplazamiento < 3; ++desplazamiento) {
        const QString texto = cp1252::decode(QByteArray(desplazamiento, 'x') + TodosLosBytes());
        const QString cifrado = clsUsuario::EncriptaPWD(texto);
        ASSERT_EQ(cifrado.size(), texto.size());
        EXPECT_EQ(clsUsuario::DesencriptaPWD(cifrado), texto);
    }
}

TEST(Encriptacion, CodePageTableAgreesWithQtWhereQtKnowsIt) {
    EXPECT_EQ(cp1252::encode(cp1252::decode(TodosLosBytes())), TodosLosBytes());
    EXPECT_EQ(cp1252::decode(QByteArray("\x80\x8A\x9F\xE9", 4)), QStringLiteral("€ŠŸé"));
    QStringDecoder qt("windows-1252");
    if (!qt.isValid())
        GTEST_SKIP() << "this Qt build has no windows-1252 codec";
    const QString deQt = qt.decode(TodosLosBytes());
    for (int b = 0; b < 256; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            continue;  // undefined
        EXPECT_EQ(cp1252::decodeByte(static_cast<unsigned char>(b)), deQt.at(b)) << b;
    }
}

TEST(Encriptacion, CharacterOutsideTheCodePageStopsWithTheIncompleteBox) {
    ui::ScriptedMessages msgs;
    EXPECT_EQ(clsUsuario::EncriptaPWD(QStringLiteral("ab\u0101cd")), QStringLiteral("jj"));
    ASSERT_EQ(msgs.count(ui::MsgKind::Stop), 1);
    EXPECT_EQ(msgs.last().caption, QStringLiteral("ENCRIPTACION INCOMPLETA"));
    EXPECT_TRUE(msgs.last().text.startsWith(QStringLiteral("EncriptaPWD\r\n")));
}

TEST(ReglasDePassword, EsNumeroAcceptsExactlyOneAsciiDigit) {
    EXPECT_TRUE(clsUsuario::esNumero(QStringLiteral("0")));
    EXPECT_TRUE(clsUsuario::esNumero(QStringLiteral("9")));
    for (const char* no : {"", "12", "a", "\u0663"})
        EXPECT_FALSE(clsUsuario::esNumero(QString::fromUtf8(no))) << no;
}

// ---- accounts ----

TEST_F(BaseUsuariosTest, LoginMatchesNameAndExactPasswordAndQuotesAreData) {
    Cuenta(QStringLiteral("ana"), QStringLiteral("Clave12"));
    EXPECT_TRUE(Usuario(QStringLiteral("ana"), QStringLiteral("Clave12")).Login());
    EXPECT_TRUE(Usuario(QStringLiteral("ANA"), QStringLiteral("Clave12")).Login());
    // Letter case counts, although the database compares text without it.
    EXPECT_FALSE(Usuario(QStringLiteral("ana"), QStringLiteral("clave12")).Login());
    EXPECT_FALSE(Usuario(QStringLiteral("ana"), QStringLiteral("Clave12 ")).Login());
    EXPECT_FALSE(Usuario(QStringLiteral("luis"), QStringLiteral("Clave12")).Login());
    clsUsuario intruso = Usuario(QStringLiteral("x' or '1'='1"), QStringLiteral("x' or '1'='1"));
    EXPECT_FALSE(intruso.Login());
    EXPECT_FALSE(intruso.Existe());

    Politica(30, 0, 0, 0, 5);
    clsUsuario ohara = Usuario(QStringLiteral("O'Hara"), QStringLiteral("Pa'ss1"));
    ohara.SetDescripcion(QStringLiteral("d'Artagnan"));
    ASSERT_TRUE(ohara.Insertar());
    EXPECT_TRUE(Usuario(QStringLiteral("O'Hara"), QStringLiteral("Pa'ss1")).Login());
    EXPECT_EQ(Columna(QStringLiteral("select descripcion from usuarios where usuario='O''Hara'")),
              QStringList{QStringLiteral("d'Artagnan")});
}

TEST_F(BaseUsuariosTest, PasswordWritesStoreScrambledValueWithHistoryAndExpiry) {
    Politica(45, 0, 0, 0, 5);
    clsUsuario u = Usuario(QStringLiteral("ana"), QStringLiteral("primera1"));
    ASSERT_TRUE(u.Insertar());
    u.SetPwd(QStringLiteral("segunda2"));
    ASSERT_TRUE(u.CambiarPwd());

    const QString guardada = clsUsuario::EncriptaPWD(QStringLiteral("segunda2"));
    EXPECT_EQ(Columna(QStringLiteral("select password from usuarios")), QStringList{guardada});
    const QStringList historia =
        Columna(QStringLiteral("select password from hpwd order by fch_modifico"));
    ASSERT_EQ(historia.size(), 2);
    EXPECT_EQ(historia.back(), guardada);
    const QDate hoyServidor = Valor(QStringLiteral("select getdate()")).toDate();
    EXPECT_EQ(Valor(QStringLiteral("select expiracion from usuarios")).toDate(),
              hoyServidor.addDays(45));
    EXPECT_EQ(u.Expira(), 45);
}

TEST_F(BaseUsuariosTest, WithoutPolicyRowPasswordWritesAreRefusedAndNothingChanges) {
    Cuenta(QStringLiteral("ana"), QStringLiteral("vieja1"));
    ui::ScriptedMessages msgs;
    clsUsuario u = Usuario(QStringLiteral("ana"), QStringLiteral("nueva2"));
    EXPECT_FALSE(u.CambiarPwd());
    clsUsuario otro = Usuario(QStringLiteral("luis"), QStringLiteral("clave3"));
    EXPECT_FALSE(otro.Insertar());

    EXPECT_EQ(
        msgs.texts(ui::MsgKind::Info),
        QStringList(
            2, QStringLiteral(
                   "No hay una política de contraseñas (ctrl_usuarios); no se puede guardar la "
                   "contraseña.")));
    EXPECT_TRUE(Usuario(QStringLiteral("ana"), QStringLiteral("vieja1")).Login());
    EXPECT_TRUE(Columna(QStringLiteral("select usuario from hpwd")).isEmpty());
    EXPECT_EQ(Columna(QStringLiteral("select usuario from usuarios")).size(), 1);
}

TEST_F(BaseUsuariosTest, PasswordWhoseScrambledFormHoldsByteZeroIsRefusedNotSent) {
    Politica(30, 0, 0, 0, 5);
    ui::ScriptedMessages msgs;
    // ö (246) in third place: 246 + 10 wraps to 0.
    clsUsuario u = Usuario(QStringLiteral("ana"), QStringLiteral("xxö1"));
    EXPECT_FALSE(u.Insertar());
    EXPECT_EQ(msgs.count(ui::MsgKind::Info), 1);
    EXPECT_FALSE(u.Login());
    EXPECT_TRUE(Columna(QStringLiteral("select usuario from usuarios")).isEmpty());
    u.SetPwd(QStringLiteral("öxx1"));  // first place: shifted to 255, no wrap to 0
    EXPECT_TRUE(u.Insertar());
    EXPECT_TRUE(Usuario(QStringLiteral("ana"), QStringLiteral("öxx1")).Login());
}

TEST_F(BaseUsuariosTest, BorrarRemovesProfilesAndAccountButKeepsHistory) {
    Cuenta(QStringLiteral("ana"), QStringLiteral("c1"));
    Historia(QStringLiteral("ana"), {QStringLiteral("c0"), QStringLiteral("c1")});
    Ejecuta({QStringLiteral("insert into perfil_usuarios values (1, 'ana')"),
             QStringLiteral("insert into perfil_usuarios values (2, 'ana')"),
             QStringLiteral("insert into perfil_usuarios values (1, 'luis')")});
    clsUsuario ana = Usuario(QStringLiteral("ana"));
    EXPECT_TRUE(ana.Borrar());
    EXPECT_FALSE(ana.Existe());
    EXPECT_EQ(Columna(QStringLiteral("select usuario from perfil_usuarios")),
              QStringList{QStringLiteral("luis")});
    EXPECT_EQ(Columna(QStringLiteral("select usuario from hpwd")).size(), 2);
}

// ---- password policy ----

TEST_F(BaseUsuariosTest, WithoutPolicyRowTheRulesGiveNoAnswer) {
    Cuenta(QStringLiteral("ana"), QStringLiteral("abc"));
    Historia(QStringLiteral("ana"), {QStringLiteral("abc")});
    clsUsuario u = Usuario(QStringLiteral("ana"), QStringLiteral("x"));
    EXPECT_EQ(u.ValidaLongPWD(), std::nullopt);
    EXPECT_EQ(u.ValidaNumPWD(), std::nullopt);
    EXPECT_FALSE(Rechaza(u.ValidaNumPWD()));
    EXPECT_EQ(u.Vigencia(), QString());
    EXPECT_EQ(u.DiasAntes(), 0);
    EXPECT_FALSE(u.ValidaRotacionPWD());
    u.SetPwd(QStringLiteral("abc"));
    EXPECT_TRUE(u.ValidaRotacionPWD());  // depth 0 still covers the current password
}

TEST_F(BaseUsuariosTest, LengthAndDigitRulesCountCharactersAndAsciiDigits) {
    Politica(30, 6, 0, 2, 5);
    clsUsuario u = Usuario(QStringLiteral("ana"), QStringLiteral("abcd1"));
    EXPECT_EQ(u.ValidaLongPWD(), false);
    u.SetPwd(QStringLiteral("abcd1 "));
    EXPECT_EQ(u.ValidaLongPWD(), true);
    u.SetPwd(QStringLiteral("abc1efg"));
    EXPECT_EQ(u.ValidaNumPWD(), false);
    u.SetPwd(QStringLiteral("1bc-. e9"));
    EXPECT_EQ(u.ValidaNumPWD(), true);
}

TEST_F(BaseUsuariosTest, ReuseRuleLooksAtTheNewestDepthPlusOneEntries) {
    Politica(30, 0, 1, 0, 5);
    Historia(QStringLiteral("ana"), {QStringLiteral("uno1"), QStringLiteral("dos2"),
                                     QStringLiteral("tres3"), QStringLiteral("cuatro4")});
    clsUsuario u = Usuario(QStringLiteral("ana"));
    const auto usada = [&u](const char* clave) {
        u.SetPwd(QString::fromUtf8(clave));
        return u.ValidaRotacionPWD();
    };
    EXPECT_TRUE(usada("cuatro4"));  // the current password
    EXPECT_TRUE(usada("tres3"));
    EXPECT_FALSE(usada("dos2"));
    EXPECT_FALSE(usada("uno1"));
    EXPECT_FALSE(Usuario(QStringLiteral("luis"), QStringLiteral("uno1")).ValidaRotacionPWD());
}

TEST_F(BaseUsuariosTest, CurrentPasswordMustMatchExactly) {
    Cuenta(QStringLiteral("ana"), QStringLiteral("Clave 1"));
    clsUsuario u = Usuario(QStringLiteral("ana"), QStringLiteral("otra"));
    EXPECT_TRUE(u.ValidaPwdActual(QStringLiteral("Clave 1")));
    EXPECT_FALSE(u.ValidaPwdActual(QStringLiteral("clave 1")));
    EXPECT_FALSE(u.ValidaPwdActual(QStringLiteral("Clave 1 ")));
    EXPECT_EQ(u.GetPwd(), QStringLiteral("otra"));
}

TEST_F(BaseUsuariosTest, ExpiryCountsWholeDaysWhateverTheTimeOfDay) {
    Cuenta(QStringLiteral("temprano"), QStringLiteral("c"), Fecha(0, QStringLiteral("00:00:01")));
    Cuenta(QStringLiteral("tarde"), QStringLiteral("c"), Fecha(0, QStringLiteral("23:59:59")));
    Cuenta(QStringLiteral("manana"), QStringLiteral("c"), Fecha(1, QStringLiteral("00:00:01")));
    Cuenta(QStringLiteral("ayer"), QStringLiteral("c"), Fecha(-1, QStringLiteral("23:59:59")));
    Cuenta(QStringLiteral("sinfecha"), QStringLiteral("c"), QStringLiteral("NULL"));
    const auto dias = [](const char* nombre) {
        return Usuario(QString::fromUtf8(nombre)).Expira();
    };
    EXPECT_EQ(dias("temprano"), 0);
    EXPECT_EQ(dias("tarde"), 0);
    EXPECT_EQ(dias("manana"), 1);
    EXPECT_EQ(dias("ayer"), -1);
    EXPECT_EQ(dias("sinfecha"), 0);  // no expiry: due now, so the user sets a password
}

// ---- permissions ----

TEST_F(BaseUsuariosTest, PermissionNeedsProfileOfTheSystemWithOptionAndLetter) {
    Cuenta(QStringLiteral("ana"), QStringLiteral("c"));
    Ejecuta({
        QStringLiteral("insert into perfiles values ('Staffing','ST','{}','{}','N','N')"),
        QStringLiteral("insert into perfiles values ('Nomina','NO','{}','{}','N','N')"),
        QStringLiteral("insert into perfiles values ('Staffing 2','ST','{}','{}','N','N')"),
        QStringLiteral("insert into perfil_usuarios values (1, 'ana')"),
        QStringLiteral("insert into perfil_usuarios values (2, 'ana')"),
        QStringLiteral("insert into perfil_usuarios values (3, 'ana')"),
        QStringLiteral("insert into perfil_funcion values ('A', 'A1', 1)"),
        QStringLiteral("insert into perfil_funcion values ('A', 'A1', 3)"),
        QStringLiteral("insert into perfil_funcion values ('B', 'C4', 1)"),
        QStringLiteral("insert into perfil_funcion values ('D', 'D1', 2)"),
    });
    clsUsuario ana = Usuario(QStringLiteral("ana"));
    const auto tiene = [&ana](const char* f, const char* o) {
        return ana.TienePermiso(QStringLiteral("ST"), QString::fromUtf8(f), QString::fromUtf8(o));
    };
    EXPECT_TRUE(tiene("A", "A1"));  // granted by two profiles
    EXPECT_FALSE(tiene("A", "A2"));
    EXPECT_FALSE(tiene("C", "C4"));  // the letter on the grant must match too
    EXPECT_FALSE(tiene("D", "D1"));  // granted by a profile of another system
    ana.SetUsuario(QStringLiteral("x' or '1'='1"));
    EXPECT_FALSE(tiene("A", "A1"));
}
