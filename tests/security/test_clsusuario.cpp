#include "security/CLSUSUARIO.h"
#include "security/Cp1252.h"
#include "tests/security/BaseDePrueba.h"
#include "ui/TestSeam.h"

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
    QStringList sql;
    for (int i = 0; i < claves.size(); ++i)
        sql << QStringLiteral("insert into hpwd values (") + SqlLiteral(usuario) +
                   QStringLiteral(", ") + Fecha(i - static_cast<int>(claves.size())) +
                   QStringLiteral(", ") + SqlLiteral(clsUsuario::EncriptaPWD(claves[i])) +
                   QLatin1Char(')');
    Ejecuta(sql);
}

clsUsuario Usuario(const QString& nombre, const QString& clave = {}) {
    clsUsuario u;
    u.SetUsuario(nombre);
    u.SetPwd(clave);
    return u;
}

}  // namespace

// ---- scrambling ----

TEST(Encriptacion, ShiftsNineEightTenAndWrapsPast255) {
    EXPECT_EQ(clsUsuario::EncriptaPWD(QStringLiteral("abc")), QStringLiteral("jjm"));
    EXPECT_EQ(clsUsuario::EncriptaPWD(QString()), QString());
    // 250 + 9, 250 + 8 and 250 + 10 wrap to 3, 2 and 4.
    const QString alto = cp1252::decode(QByteArray("\xFA\xFA\xFA\xFA", 4));
    EXPECT_EQ(cp1252::encode(clsUsuario::EncriptaPWD(alto)), QByteArray("\x03\x02\x04\x03", 4));
}

TEST(Encriptacion, EveryByteValueComesBackAtEveryPosition) {
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos += static_cast<char>(b);
    // Each byte at each of the three offsets of the walk.
    for (int desplazamiento = 0; desplazamiento < 3; ++desplazamiento) {
        const QString texto = cp1252::decode(QByteArray(desplazamiento, 'x') + todos);
        const QString cifrado = clsUsuario::EncriptaPWD(texto);
        ASSERT_EQ(cifrado.size(), texto.size());
        EXPECT_NE(cifrado, texto);
        EXPECT_EQ(clsUsuario::DesencriptaPWD(cifrado), texto);
    }
}

TEST(Encriptacion, CodePageTableAgreesWithQtWhereQtKnowsIt) {
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos += static_cast<char>(b);
    EXPECT_EQ(cp1252::encode(cp1252::decode(todos)), todos);
    EXPECT_EQ(cp1252::decode(QByteArray("\x80\x8A\x9F\xE9", 4)), QStringLiteral("€ŠŸé"));

    QStringDecoder qt("windows-1252");
    if (!qt.isValid())
        GTEST_SKIP() << "this Qt build has no windows-1252 codec";
    const QString deQt = qt.decode(todos);
    for (int b = 0; b < 256; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            continue;  // undefined
        EXPECT_EQ(cp1252::decodeByte(static_cast<unsigned char>(b)), deQt.at(b)) << b;
    }
}

TEST(Encriptacion, CharacterOutsideTheCodePageStopsWithTheIncompleteBox) {
    ui::ScriptedMessages msgs;
    const QString parcial = clsUsuario::EncriptaPWD(QStringLiteral("ab\u0101cd"));
    EXPECT_EQ(parcial, QStringLiteral("jj"));
    ASSERT_EQ(msgs.count(ui::MsgKind::Stop), 1);
    EXPECT_EQ(msgs.last().caption, QStringLiteral("ENCRIPTACION INCOMPLETA"));
    EXPECT_TRUE(msgs.last().text.startsWith(QStringLiteral("EncriptaPWD\r\n")));
}

TEST(ReglasDePassword, EsNumeroAcceptsExactlyOneAsciiDigit) {
    EXPECT_TRUE(clsUsuario::esNumero(QStringLiteral("0")));
    EXPECT_TRUE(clsUsuario::esNumero(QStringLiteral("9")));
    EXPECT_FALSE(clsUsuario::esNumero(QString()));
    EXPECT_FALSE(clsUsuario::esNumero(QStringLiteral("12")));
    EXPECT_FALSE(clsUsuario::esNumero(QStringLiteral("a")));
    EXPECT_FALSE(clsUsuario::esNumero(QStringLiteral("\u0663")));  // Arabic-Indic three
}

// ---- accounts ----

TEST_F(BaseUsuariosTest, LoginMatchesNameAndPasswordOnly) {
    Cuenta(QStringLiteral("ana"), QStringLiteral("Clave12"));
    EXPECT_TRUE(Usuario(QStringLiteral("ana"), QStringLiteral("Clave12")).Login());
    // Letter case counts, although the database compares text without it.
    EXPECT_FALSE(Usuario(QStringLiteral("ana"), QStringLiteral("clave12")).Login());
    EXPECT_TRUE(Usuario(QStringLiteral("ANA"), QStringLiteral("Clave12")).Login());
    EXPECT_FALSE(Usuario(QStringLiteral("ana"), QStringLiteral("Clave12 ")).Login());
    EXPECT_FALSE(Usuario(QStringLiteral("luis"), QStringLiteral("Clave12")).Login());
    EXPECT_FALSE(Usuario(QStringLiteral("   "), QStringLiteral("Clave12")).Login());
}

TEST_F(BaseUsuariosTest, QuotesInNamesAreDataNotStatementText) {
    Cuenta(QStringLiteral("ana"), QStringLiteral("Clave12"));
    clsUsuario intruso = Usuario(QStringLiteral("x' or '1'='1"), QStringLiteral("x' or '1'='1"));
    EXPECT_FALSE(intruso.Login());
    EXPECT_FALSE(intruso.Existe());
    EXPECT_EQ(intruso.obtenUsuarios(), nullptr);

    Politica(30, 0, 0, 0, 5);
    clsUsuario ohara = Usuario(QStringLiteral("O'Hara"), QStringLiteral("Pa'ss1"));
    ohara.SetDescripcion(QStringLiteral("d'Artagnan"));
    ASSERT_TRUE(ohara.Insertar());
    EXPECT_TRUE(ohara.Existe());
    EXPECT_TRUE(Usuario(QStringLiteral("O'Hara"), QStringLiteral("Pa'ss1")).Login());
    EXPECT_EQ(Columna(QStringLiteral("select descripcion from usuarios where usuario='O''Hara'")),
              QStringList{QStringLiteral("d'Artagnan")});
}

TEST_F(BaseUsuariosTest, PasswordWritesStoreScrambledValueWithHistoryAndExpiry) {
    Politica(45, 0, 0, 0, 5);
    clsUsuario u = Usuario(QStringLiteral("ana"), QStringLiteral("primera1"));
    u.SetDescripcion(QStringLiteral("Ana"));
    ASSERT_TRUE(u.Insertar());
    u.SetPwd(QStringLiteral("segunda2"));
    ASSERT_TRUE(u.CambiarPwd());

    const QString guardada = clsUsuario::EncriptaPWD(QStringLiteral("segunda2"));
    EXPECT_EQ(Columna(QStringLiteral("select password from usuarios where usuario='ana'")),
              QStringList{guardada});
    const QStringList historia =
        Columna(QStringLiteral("select password from hpwd where usuario='ana' order by "
                               "fch_modifico"));
    ASSERT_EQ(historia.size(), 2);
    EXPECT_EQ(historia.back(), guardada);
    EXPECT_FALSE(historia.contains(QStringLiteral("segunda2")));

    const QDate hoyServidor = Valor(QStringLiteral("select getdate()")).toDate();
    EXPECT_EQ(Valor(QStringLiteral("select expiracion from usuarios")).toDate(),
              hoyServidor.addDays(45));
    EXPECT_EQ(u.Expira(), 45);

    u.SetDescripcion(QStringLiteral("Ana María"));
    u.SetPwd(QStringLiteral("tercera3"));
    ASSERT_TRUE(u.Modificar());
    EXPECT_EQ(Columna(QStringLiteral("select descripcion from usuarios")),
              QStringList{QStringLiteral("Ana María")});
    EXPECT_EQ(Columna(QStringLiteral("select password from hpwd")).size(), 3);
}

TEST_F(BaseUsuariosTest, WithoutPolicyRowPasswordWritesAreRefusedAndNothingChanges) {
    Cuenta(QStringLiteral("ana"), QStringLiteral("vieja1"));
    ui::ScriptedMessages msgs;
    clsUsuario u = Usuario(QStringLiteral("ana"), QStringLiteral("nueva2"));
    EXPECT_EQ(u.Vigencia(), QString());
    EXPECT_FALSE(u.CambiarPwd());
    EXPECT_FALSE(u.Modificar());
    clsUsuario otro = Usuario(QStringLiteral("luis"), QStringLiteral("clave3"));
    EXPECT_FALSE(otro.Insertar());

    EXPECT_EQ(msgs.count(ui::MsgKind::Info), 3);
    EXPECT_EQ(msgs.last().text,
              QStringLiteral("No hay una política de contraseñas (ctrl_usuarios); no se puede "
                             "guardar la contraseña."));
    EXPECT_TRUE(Usuario(QStringLiteral("ana"), QStringLiteral("vieja1")).Login());
    EXPECT_TRUE(Columna(QStringLiteral("select usuario from hpwd")).isEmpty());
    EXPECT_EQ(Columna(QStringLiteral("select usuario from usuarios")).size(), 1);
}

TEST_F(BaseUsuariosTest, BorrarRemovesProfilesAndAccountButKeepsHistory) {
    Cuenta(QStringLiteral("ana"), QStringLiteral("c1"));
    Cuenta(QStringLiteral("luis"), QStringLiteral("c2"));
    Historia(QStringLiteral("ana"), {QStringLiteral("c0"), QStringLiteral("c1")});
    Ejecuta({QStringLiteral("insert into perfil_usuarios values (1, 'ana')"),
             QStringLiteral("insert into perfil_usuarios values (2, 'ana')"),
             QStringLiteral("insert into perfil_usuarios values (1, 'luis')")});

    clsUsuario ana = Usuario(QStringLiteral("ana"));
    ana.CNX = std::make_shared<clsConexion>();
    EXPECT_TRUE(ana.Borrar());
    EXPECT_FALSE(ana.Existe());
    EXPECT_EQ(Columna(QStringLiteral("select usuario from perfil_usuarios")),
              QStringList{QStringLiteral("luis")});
    EXPECT_EQ(Columna(QStringLiteral("select usuario from hpwd")).size(), 2);
    EXPECT_TRUE(Usuario(QStringLiteral("luis"), QStringLiteral("c2")).Login());
}

TEST_F(BaseUsuariosTest, AccountQueriesHandOverAnOpenResultOrNothing) {
    clsUsuario u = Usuario(QStringLiteral("ana"));
    EXPECT_EQ(u.obtenTodos(), nullptr);
    EXPECT_EQ(u.obtenUsuarios(), nullptr);
    Cuenta(QStringLiteral("ana"), QStringLiteral("c1"));
    Cuenta(QStringLiteral("luis"), QStringLiteral("c2"));

    const auto una = u.obtenUsuarios();
    ASSERT_NE(una, nullptr);
    EXPECT_EQ(una->Fields(0).Value.trimmed(), QStringLiteral("ana"));
    EXPECT_EQ(una->Fields(2).Value.toText(), clsUsuario::EncriptaPWD(QStringLiteral("c1")));

    const auto todas = u.obtenTodos();
    ASSERT_NE(todas, nullptr);
    int filas = 0;
    for (; !todas->Eof(); todas->MoveNext())
        ++filas;
    EXPECT_EQ(filas, 2);
}

// ---- password policy ----

TEST_F(BaseUsuariosTest, WithoutPolicyRowTheRulesGiveNoAnswer) {
    Cuenta(QStringLiteral("ana"), QStringLiteral("abc"));
    Historia(QStringLiteral("ana"), {QStringLiteral("abc")});
    clsUsuario u = Usuario(QStringLiteral("ana"), QStringLiteral("x"));
    EXPECT_EQ(u.ValidaLongPWD(), std::nullopt);
    EXPECT_EQ(u.ValidaNumPWD(), std::nullopt);
    EXPECT_FALSE(Rechaza(u.ValidaLongPWD()));
    // Depth 0 still covers the current password.
    EXPECT_FALSE(u.ValidaRotacionPWD());
    u.SetPwd(QStringLiteral("abc"));
    EXPECT_TRUE(u.ValidaRotacionPWD());
    u.CNX = std::make_shared<clsConexion>();
    EXPECT_EQ(u.DiasAntes(), 0);
}

TEST_F(BaseUsuariosTest, LengthAndDigitRulesCountCharactersAndAsciiDigits) {
    Politica(30, 6, 0, 2, 5);
    clsUsuario u = Usuario(QStringLiteral("ana"));
    u.SetPwd(QStringLiteral("abcd1"));
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
    Cuenta(QStringLiteral("ana"), QStringLiteral("cuatro4"));
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
    EXPECT_FALSE(usada("Cuatro4"));

    clsUsuario nuevo = Usuario(QStringLiteral("luis"), QStringLiteral("cuatro4"));
    EXPECT_FALSE(nuevo.ValidaRotacionPWD());  // no history, never refused
}

TEST_F(BaseUsuariosTest, CurrentPasswordMustMatchExactly) {
    Cuenta(QStringLiteral("ana"), QStringLiteral("Clave 1"));
    clsUsuario u = Usuario(QStringLiteral("ana"), QStringLiteral("otra"));
    EXPECT_TRUE(u.ValidaPwdActual(QStringLiteral("Clave 1")));
    EXPECT_FALSE(u.ValidaPwdActual(QStringLiteral("clave 1")));
    EXPECT_FALSE(u.ValidaPwdActual(QStringLiteral("Clave 1 ")));
    EXPECT_FALSE(u.ValidaPwdActual(QStringLiteral("Clave1")));
    EXPECT_EQ(u.GetPwd(), QStringLiteral("otra"));
    EXPECT_FALSE(Usuario(QStringLiteral("luis")).ValidaPwdActual(QStringLiteral("Clave 1")));
}

TEST_F(BaseUsuariosTest, ExpiryCountsWholeDaysWhateverTheTimeOfDay) {
    Cuenta(QStringLiteral("temprano"), QStringLiteral("c"), Fecha(0, QStringLiteral("00:00:01")));
    Cuenta(QStringLiteral("tarde"), QStringLiteral("c"), Fecha(0, QStringLiteral("23:59:59")));
    Cuenta(QStringLiteral("manana"), QStringLiteral("c"), Fecha(1, QStringLiteral("00:00:01")));
    Cuenta(QStringLiteral("ayer"), QStringLiteral("c"), Fecha(-1, QStringLiteral("23:59:59")));
    Cuenta(QStringLiteral("sinfecha"), QStringLiteral("c"), QStringLiteral("NULL"));
    const auto dias = [](const char* nombre) {
        clsUsuario u = Usuario(QString::fromUtf8(nombre));
        u.CNX = std::make_shared<clsConexion>();
        return u.Expira();
    };
    EXPECT_EQ(dias("temprano"), 0);
    EXPECT_EQ(dias("tarde"), 0);
    EXPECT_EQ(dias("manana"), 1);
    EXPECT_EQ(dias("ayer"), -1);
    EXPECT_EQ(dias("sinfecha"), 0);  // no expiry: treated as due, so a password is set
    EXPECT_EQ(dias("nadie"), 0);
}

TEST_F(BaseUsuariosTest, WarningDaysReadEmptyAsZero) {
    Ejecuta({QStringLiteral("insert into ctrl_usuarios values (30, 6, '2', 1, NULL)")});
    clsUsuario u = Usuario(QStringLiteral("ana"));
    EXPECT_EQ(u.DiasAntes(), 0);  // no connection set: the object opens its own
    Ejecuta({QStringLiteral("update ctrl_usuarios set dias_aviso = 7")});
    EXPECT_EQ(u.DiasAntes(), 7);
}

// ---- permissions ----

TEST_F(BaseUsuariosTest, PermissionNeedsProfileOfTheSystemWithOptionAndLetter) {
    Cuenta(QStringLiteral("ana"), QStringLiteral("c"));
    Cuenta(QStringLiteral("luis"), QStringLiteral("c"));
    Ejecuta({
        QStringLiteral("insert into perfiles values ('Staffing','ST','{}','{}','N','N')"),
        QStringLiteral("insert into perfiles values ('Nomina','NO','{}','{}','N','N')"),
        QStringLiteral("insert into perfiles values ('Staffing 2','ST','{}','{}','N','N')"),
        QStringLiteral("insert into perfil_usuarios values (1, 'ana')"),
        QStringLiteral("insert into perfil_usuarios values (3, 'ana')"),
        QStringLiteral("insert into perfil_usuarios values (2, 'luis')"),
        QStringLiteral("insert into perfil_funcion values ('A', 'A1', 1)"),
        QStringLiteral("insert into perfil_funcion values ('A', 'A1', 3)"),
        QStringLiteral("insert into perfil_funcion values ('B', 'C4', 1)"),
        QStringLiteral("insert into perfil_funcion values ('D', 'D1', 2)"),
    });
    clsUsuario ana = Usuario(QStringLiteral("ana"));
    ana.CNX = std::make_shared<clsConexion>();
    EXPECT_TRUE(ana.TienePermiso(QStringLiteral("ST"), QStringLiteral("A"), QStringLiteral("A1")));
    EXPECT_FALSE(ana.TienePermiso(QStringLiteral("ST"), QStringLiteral("A"), QStringLiteral("A2")));
    // The letter stored on the grant must match too.
    EXPECT_FALSE(ana.TienePermiso(QStringLiteral("ST"), QStringLiteral("C"), QStringLiteral("C4")));
    EXPECT_FALSE(ana.TienePermiso(QStringLiteral("NO"), QStringLiteral("A"), QStringLiteral("A1")));

    clsUsuario luis = Usuario(QStringLiteral("luis"));
    luis.CNX = std::make_shared<clsConexion>();
    EXPECT_FALSE(
        luis.TienePermiso(QStringLiteral("ST"), QStringLiteral("D"), QStringLiteral("D1")));
    clsUsuario intruso = Usuario(QStringLiteral("x' or '1'='1"));
    EXPECT_FALSE(
        intruso.TienePermiso(QStringLiteral("ST"), QStringLiteral("A"), QStringLiteral("A1")));
}
