#include "tests/support/EmbeddedDb.h"

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

