#include "EmbeddedDb.h"
#include "data/clsConexion.h"
#include "ui/TIni.h"
#include "ui/TestSeam.h"

using ado::Value;

namespace {

QString operationOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ado::Error& e) {
        return e.operation();
    }
    return {};
}

class RecordsetTest : public EmbeddedDbTest {
  protected:
    void SetUp() override {
        EmbeddedDbTest::SetUp();
        exec("create table n (i int, t varchar(5))");
        exec(
            "insert into n values (1, 'a') insert into n values (2, 'b') insert into n values (3, "
            "NULL)");
    }
};

}  // namespace

TEST_F(RecordsetTest, StandsOnTheFirstRowAndWalksForward) {
    ado::Recordset rs;
    rs.Open("select i, t from n order by i", db.get());
    ASSERT_FALSE(rs.Eof());
    rs.MoveFirst();  // straight after Open: still the first row
    EXPECT_EQ(rs.Fields(0).Value, Value(1));
    rs.MoveNext();
    EXPECT_EQ(rs.Fields(1).Value, Value("b"));
    rs.MoveNext();
    EXPECT_TRUE(rs.Fields(1).Value.isNull());
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(operationOf([&] { rs.MoveNext(); }), "Recordset.MoveNext");
    EXPECT_EQ(operationOf([&] { rs.Fields(0); }), "Recordset.Fields");
    rs.MoveFirst();
    EXPECT_EQ(rs.Fields(0).Value, Value(1));
    EXPECT_EQ(operationOf([&] { rs.Fields(2); }), "Recordset.Fields");
    rs.Close();
    EXPECT_TRUE(rs.Eof());
    rs.Open("select i from n where i > 5", db.get());  // may be opened again after Close
    EXPECT_TRUE(rs.Eof());
}

TEST_F(RecordsetTest, RunsBatchesWithoutRowsThroughItsActiveConnection) {
    ado::Recordset rs;
    rs.ActiveConnection = db.get();
    rs.Open("insert into n values (4, 'd')\r\nupdate n set t = 'x' where i = 1\r\n");
    EXPECT_TRUE(rs.Eof());
    rs.Close();
    rs.Open("select t from n where i = 1");
    EXPECT_EQ(rs.Fields(0).Value, Value("x"));
}

TEST_F(RecordsetTest, ErrorsCarryTheOperationAndTheEnginesDescription) {
    ado::Recordset rs;
    try {
        rs.Open("select * from nada", db.get());
        FAIL();
    } catch (const ado::Error& e) {
        EXPECT_EQ(e.operation(), "Recordset.Open");
        EXPECT_EQ(e.description(), "Invalid object name 'nada'.");
        EXPECT_STREQ(e.what(), "Recordset.Open: Invalid object name 'nada'.");
    }
    EXPECT_EQ(operationOf([&] { db->Execute("insert into nada values (1)"); }),
              "Connection.Execute");
    ado::Connection closed;
    EXPECT_EQ(operationOf([&] { closed.Execute("select 1"); }), "Connection.Execute");
    EXPECT_EQ(operationOf([&] { closed.Close(); }), "Connection.Close");
    EXPECT_EQ(operationOf([&] { rs.Open("select 1", &closed); }), "Recordset.Open");
    EXPECT_EQ(operationOf([&] { ado::Recordset().Open("select 1"); }), "Recordset.Open");
}

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
