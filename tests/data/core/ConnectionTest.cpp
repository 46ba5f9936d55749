#include "tests/support/EmbeddedDb.h"
#include "data/clsConexion.h"
#include "ui/TIni.h"
#include "ui/ScriptedMessages.h"

using ado::Value;

TEST(ConnectionStringTest, ReadsBothTemplates) {
    const auto sql =
        ado::parseConnectionString(clsConexion::PlantillaSql("srv\\inst", "nomina", "sa", "p;w"));
    EXPECT_EQ(sql.server, "srv\\inst");
    EXPECT_EQ(sql.database, "nomina");
    EXPECT_EQ(sql.user, "sa");
    EXPECT_EQ(sql.password, "p");  // the string splits at the semicolon, the settings do not
    EXPECT_FALSE(sql.trusted);
    const auto win = ado::parseConnectionString(clsConexion::PlantillaWindows("(local)", ""));
    EXPECT_TRUE(win.trusted);
    EXPECT_EQ(win.server, "(local)");
    EXPECT_EQ(win.database, "");
}

TEST(ClsConexionTest, TemplatesAreExact) {
    EXPECT_EQ(clsConexion::PlantillaSql("S", "B", "I", "P"),
              "provider=SQLOLEDB;OLE DB Services= -2;server=S;database=B;uid=I;pwd=P;");
    EXPECT_EQ(clsConexion::PlantillaWindows("S", "B"),
              "Provider=SQLOLEDB;OLE DB Services= -2;Server=S;database=B;Trusted_Connection=yes");
}

namespace {

class ClsConexionFixture : public EmbeddedDbTest {
  protected:
    void configure(const QString& bd, const QString& autowin) {
        EscribeIni("CONFIG", "MOTOR", "sqlite");
        EscribeIni("CONFIG", "SERVER", dir());
        EscribeIni("CONFIG", "BD", bd);
        EscribeIni("CONFIG", "ID", "sa");
        EscribeIni("CONFIG", "PWD", "a;b");
        EscribeIni("CONFIG", "AUTOWIN", autowin);
    }
    ui::ScriptedMessages msgs;
};

}  // namespace

TEST_F(ClsConexionFixture, AutoWinChoosesTheTemplate) {
    const struct {
        const char* autowin;
        bool sqlLogin;
    } cases[] = {{".F.", true}, {"  .f. ", true}, {".T.", false},
                 {"", false},   {"FALSE", false}, {"N", false}};
    for (const auto& c : cases) {
        configure("nomina", c.autowin);
        clsConexion cnx;
        ASSERT_NE(cnx.Conexion(), nullptr) << c.autowin;
        const QString expected = c.sqlLogin
                                     ? clsConexion::PlantillaSql(dir(), "nomina", "sa", "a;b")
                                     : clsConexion::PlantillaWindows(dir(), "nomina");
        EXPECT_EQ(cnx.oOdbc->ConnectionString, expected) << c.autowin;
        ASSERT_TRUE(cnx.oOdbc->Settings.has_value());
        EXPECT_EQ(cnx.oOdbc->Settings->trusted, !c.sqlLogin);
        if (c.sqlLogin) {
            EXPECT_EQ(cnx.oOdbc->Settings->password, "a;b");
        }
    }
    EXPECT_EQ(msgs.count(), 0);
}

TEST_F(ClsConexionFixture, FailedConnectShowsTheBoxEachTimeAndTriesAgain) {
    configure("noexiste", ".T.");
    clsConexion cnx;
    EXPECT_EQ(cnx.Conexion(), nullptr);
    EXPECT_EQ(cnx.Conexion(), nullptr);
    ASSERT_EQ(msgs.count(), 2);
    EXPECT_EQ(msgs.last().kind, ui::MsgKind::Info);
    EXPECT_EQ(msgs.last().caption, "CONEXION NO REALIZADA.");
    EXPECT_EQ(msgs.last().text,
              "Connection.Open\r\nCannot open database \"noexiste\" requested by the "
              "login. The login failed.");
    EXPECT_EQ(operationOf([&] { cnx.Ejecuta("select 1"); }), "Connection.Execute");

    EscribeIni("CONFIG", "BD", "nomina");  // the next call connects
    EXPECT_NE(cnx.Conexion(), nullptr);
    EXPECT_EQ(msgs.count(), 2);
}

TEST_F(ClsConexionFixture, EjecutaRunsOnlyOnAnObtainedConnection) {
    configure("nomina", ".T.");
    clsConexion cnx;
    EXPECT_EQ(operationOf([&] { cnx.Ejecuta("create table x (a int)"); }), "Connection.Execute");
    EXPECT_EQ(cnx.oOdbc, nullptr);  // Ejecuta did not connect
    ado::Connection* c = cnx.Conexion();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(cnx.Valida(), c);  // a connected object is kept
    cnx.Ejecuta("create table x (a int)");
    cnx.ActualizaDB("insert into x values (1)");
    EXPECT_EQ(scalar("select count(*) from x").toInt(), 1);

    EXPECT_TRUE(cnx.Desconectar());
    EXPECT_FALSE(cnx.Desconectar());
    EXPECT_EQ(msgs.last().kind, ui::MsgKind::Stop);
    EXPECT_EQ(msgs.last().caption, "CONEXION NO REALIZADA");
}

TEST_F(ClsConexionFixture, EmptySettingsReachTheDefaultServersCatalogue) {
    struct DataHome {
        explicit DataHome(const QString& d) { qputenv("XDG_DATA_HOME", d.toUtf8()); }
        ~DataHome() { qunsetenv("XDG_DATA_HOME"); }
    } home(dir());
    EscribeIni("CONFIG", "MOTOR", " SQLite ");
    clsConexion cnx;
    ASSERT_TRUE(cnx.Conectar());
    EXPECT_EQ(cnx.oOdbc->ConnectionString, clsConexion::PlantillaWindows("", ""));
    EXPECT_TRUE(QFileInfo::exists(dir() + "/oxta-staffing/databases/master.sqlite"));
    ado::Recordset rs;
    rs.Open(" select name from sysdatabases ", cnx.Conexion());
    EXPECT_EQ(rs.Fields(0).Value, Value("master"));
}

class OdbcConnexionBoxTest : public TempDirTest {};

TEST_F(OdbcConnexionBoxTest, RefusedConnectionShowsTheFailureBoxAndYieldsNothing) {
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("SERVER"), QStringLiteral("127.0.0.1,1"));
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("BD"), QStringLiteral("oxta"));
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("ID"), QStringLiteral("sa"));
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("PWD"), QStringLiteral("a;b"));
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("AUTOWIN"), QStringLiteral(".F."));
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("DRIVER"), QStringLiteral("FreeTDS"));

    ui::ScriptedMessages msgs;
    clsConexion cnx;
    EXPECT_EQ(cnx.Conexion(), nullptr);
    EXPECT_EQ(cnx.Conexion(), nullptr);  // tries again, and says so again
    ASSERT_EQ(msgs.count(), 2);
    EXPECT_EQ(msgs.last().kind, ui::MsgKind::Info);
    EXPECT_EQ(msgs.last().caption, QStringLiteral("CONEXION NO REALIZADA."));
    EXPECT_TRUE(msgs.last().text.startsWith(QStringLiteral("Connection.Open\r\n")))
        << msgs.last().text.toStdString();
    EXPECT_TRUE(msgs.last().text.contains(QStringLiteral("[08001]")))
        << msgs.last().text.toStdString();
    EXPECT_THROW(cnx.Ejecuta(QStringLiteral("select 1")), ado::Error);
}
