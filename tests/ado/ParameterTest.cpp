// Parameters on each engine beyond the common contract: the embedded engine's prepared
// statements kept per parameter types, and the markers that the ODBC engine writes in place
// of @names (checked through the SQLite3 ODBC driver).
#include "tests/support/CadenasHostiles.h"
#include "tests/support/EmbeddedDb.h"
#include "tests/support/SqliteOdbcDb.h"

#include <gtest/gtest.h>

using ado::Decimal;
using ado::Value;

// ---- Embedded engine -----------------------------------------------------------------

class EmbeddedParameterTest : public EmbeddedDbTest {
  protected:
    void SetUp() override {
        EmbeddedDbTest::SetUp();
        exec(
            "create table puestos (codigo int not null primary key, nombre ntext, "
            "centro char(15), sueldo numeric(12,2))");
        exec("insert into puestos values (1, 'Camarista', 'REC', 1200.50)");
        exec("insert into puestos values (2, 'Botones', 'ALB', 800)");
    }
    ado::ResultSet query(const QString& sql, const ado::Parameters& parameters) {
        return db->engine("test").query(sql, parameters);
    }
};

TEST_F(EmbeddedParameterTest, HostileTextStoredThroughParametersReadsBackExactly) {
    int codigo = 10;
    for (const prueba::Hostil& h : prueba::CadenasHostiles()) {
        db->Execute("insert into puestos (codigo, nombre) values (@codigo, @nombre)",
                    {{"@codigo", codigo}, {"@nombre", h.texto}});
        const auto r =
            query("select nombre from puestos where codigo = @codigo", {{"@codigo", codigo}});
        ASSERT_EQ(r.rows.size(), 1u) << prueba::Muestra(h.texto);
        EXPECT_EQ(r.rows[0][0], Value(h.texto)) << prueba::Muestra(h.texto);
        ++codigo;
    }
    EXPECT_EQ(scalar("select count(*) from puestos").toInt(),
              2 + static_cast<int>(prueba::CadenasHostiles().size()));
}

TEST_F(EmbeddedParameterTest, OneStatementRunsAgainWithValuesOfOtherTypes) {
    // The translation depends on the parameters' types (text meeting a number is converted
    // as SQL Server converts it, a number is not); the same text with another type must not
    // reuse the old translation.
    const QString sql = QStringLiteral("select codigo from puestos where codigo = @c");
    for (const Value& dos : {Value(2), Value(" 2 "), Value(Decimal{200, 2})}) {
        const auto r = query(sql, {{"@c", dos}});
        ASSERT_EQ(r.rows.size(), 1u) << dos.toText().toStdString();
        EXPECT_EQ(r.rows[0][0], Value(2));
    }
    EXPECT_TRUE(query(sql, {{"@c", Value()}}).rows.empty());
    try {
        query(sql, {{"@c", "rec"}});
        FAIL();
    } catch (const ado::Error& e) {
        EXPECT_EQ(e.nativeError(), 245) << e.description().toStdString();
    }
    EXPECT_EQ(query("select codigo from puestos where centro = @c", {{"@c", "rec  "}}).rows.size(),
              1u);

    const QString sum = QStringLiteral("select sueldo + @x from puestos where codigo = 1");
    EXPECT_EQ(query(sum, {{"@x", Decimal{25, 2}}}).rows[0][0].toText(), "1200.75");
    EXPECT_EQ(query(sum, {{"@x", 1}}).rows[0][0].toText(), "1201.50");
    // A decimal divides at its scale (decimal(38,2) / 3: six decimals); one of more figures
    // than a double holds keeps them all.
    EXPECT_EQ(query("select @x / 3", {{"@x", Decimal{100, 2}}}).rows[0][0].toText(), "0.333333");
    const __int128 twentyFigures = static_cast<__int128>(1234567890123456789) * 10 + 1;
    EXPECT_EQ(query(sum, {{"@x", Decimal{twentyFigures, 2}}}).rows[0][0].toText(),
              "123456789012346879.41");
}

TEST_F(EmbeddedParameterTest, ConditionsAndRepeatedNamesTakeTheSameValue) {
    const QString upsert = QStringLiteral(
        "if exists (select * from puestos where codigo = @codigo) "
        "update puestos set nombre = @nombre where codigo = @codigo "
        "else insert into puestos (codigo, nombre) values (@codigo, @nombre)");
    db->Execute(upsert, {{"@codigo", 1}, {"@nombre", "Ama de llaves"}});
    db->Execute(upsert, {{"@codigo", 3}, {"@nombre", "Jardinero"}});
    const auto r = query("select codigo, nombre from puestos where codigo in (@a, @b) order by 1",
                         {{"@a", 1}, {"@b", 3}});
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[0][1], Value("Ama de llaves"));
    EXPECT_EQ(r.rows[1][1], Value("Jardinero"));
}

TEST_F(EmbeddedParameterTest, AVariableWithoutParametersFailsAsSqlServerDoes) {
    try {
        db->Execute("delete from puestos where codigo = @codigo");
        FAIL();
    } catch (const ado::Error& e) {
        EXPECT_EQ(e.nativeError(), 137);
        EXPECT_EQ(e.description(), "Must declare the scalar variable \"@codigo\".");
    }
    EXPECT_EQ(scalar("select count(*) from puestos").toInt(), 2);
}

// ---- ODBC: markers in place of @names --------------------------------------------------

class OdbcParameterTest : public SqliteOdbcTest {
  protected:
    void SetUp() override {
        SqliteOdbcTest::SetUp();
        engine->execute(
            QStringLiteral("create table t (id int, v text, d numeric(12,2), "
                           "m timestamp)"));
    }
};

TEST_F(OdbcParameterTest, ValuesTravelApartFromTheText) {
    int id = 0;
    for (const prueba::Hostil& h : prueba::CadenasHostiles()) {
        if (h.texto.contains(QChar(u'\0')))
            continue;  // the SQLite3 driver ends bound text at a NUL; SQL Server keeps it
        engine->execute(QStringLiteral("insert into t (id, v) values (@id, @v)"),
                        {{"@id", ++id}, {"@v", h.texto}});
        const auto r =
            engine->query(QStringLiteral("select v from t where id = @id"), {{"@id", id}});
        ASSERT_EQ(r.rows.size(), 1u) << prueba::Muestra(h.texto);
        EXPECT_EQ(r.rows[0][0], Value(h.texto)) << prueba::Muestra(h.texto);
    }
}

TEST_F(OdbcParameterTest, NamesInLiteralsAndCommentsStayAndRepeatedNamesBindTwice) {
    const auto r = engine->query(
        QStringLiteral("select '@a', @a /* @b */ as [@a], @A + @a -- @b\n"), {{"@a", 21}});
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0][0], Value("@a"));
    EXPECT_EQ(r.rows[0][1], Value(21));
    EXPECT_EQ(r.columns[1], "@a");
    EXPECT_EQ(r.rows[0][2], Value(42));
}

TEST_F(OdbcParameterTest, NullsNumbersAndDatesKeepTheirTypes) {
    const QDateTime moment(QDate(2026, 3, 4), QTime(5, 6, 7, 120));
    engine->execute(QStringLiteral("insert into t values (@id, @v, @d, @m)"),
                    {{"@id", 1}, {"@v", Value()}, {"@d", Decimal{-123450, 2}}, {"@m", moment}});
    const auto r = engine->query(QStringLiteral("select id, v, d, m from t"), {});
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0][0], Value(1));
    EXPECT_TRUE(r.rows[0][1].isNull());
    EXPECT_EQ(r.rows[0][2].toText(), "-1234.5");
    EXPECT_EQ(r.rows[0][3].toDateTime(), moment);
}

TEST_F(OdbcParameterTest, MissingAndSurplusParametersAreRefusedBeforeTheDriver) {
    const QString insert = QStringLiteral("insert into t (id) values (@id)");
    EXPECT_THROW(engine->execute(insert, {{"@other", 1}}), ado::Error);
    EXPECT_THROW(engine->execute(insert, {{"@id", 1}, {"@other", 1}}), ado::Error);
    try {
        engine->execute(insert, {{"@ID", 1}, {"id", 2}});
        FAIL();
    } catch (const ado::Error& e) {
        EXPECT_EQ(e.operation(), "Connection.Execute");
        EXPECT_TRUE(e.description().contains("more than once")) << e.description().toStdString();
    }
    EXPECT_TRUE(engine->query(QStringLiteral("select * from t")).rows.empty());
}

// Variables declared in the batch and the caller's parameters share the statements' markers
// without taking each other's values, in conditions, loops and queries.
TEST_F(EmbeddedParameterTest, BatchVariablesAndParametersKeepTheirOwnValues) {
    const QString sql = QStringLiteral(
        "declare @n int = 0, @hasta int = @limite\n"
        "while @n < @hasta set @n = @n + @paso\n"
        "if @n >= @limite select @n, @limite, ?, @@rowcount");
    const auto r = query(sql, {{"@limite", 7}, {"@paso", 3}, {"", "x"}});
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0][0], Value(9));
    EXPECT_EQ(r.rows[0][1], Value(7));
    EXPECT_EQ(r.rows[0][2], Value("x"));
    EXPECT_EQ(r.rows[0][3], Value(1));
    // The same batch again with other values: nothing of the first run is left over.
    const auto again = query(sql, {{"@limite", 2}, {"@paso", 5}, {"", "y"}});
    ASSERT_EQ(again.rows.size(), 1u);
    EXPECT_EQ(again.rows[0][0], Value(5));
    EXPECT_EQ(again.rows[0][2], Value("y"));
}

// ---- Markers ? on both engines ----------------------------------------------------------

TEST_F(EmbeddedParameterTest, UnnamedValuesGoToTheMarkersInOrder) {
    const auto r =
        query("select codigo from puestos where centro = ? and codigo > ? or codigo = @c",
              {{"", "rec  "}, {"", 0}, {"@c", 2}});
    EXPECT_EQ(r.rows.size(), 2u);
    EXPECT_THROW(query("select codigo from puestos where codigo = ?", {}), ado::Error);
    EXPECT_THROW(query("select codigo from puestos where codigo = ?", {{"", 1}, {"", 2}}),
                 ado::Error);
}

TEST_F(OdbcParameterTest, UnnamedValuesGoToTheMarkersInOrder) {
    engine->execute(QStringLiteral("insert into t (id, v) values (?, ?)"), {{"", 7}, {"", "'?'"}});
    const auto r = engine->query(QStringLiteral("select v, '?' from t where id = ? and v = @v"),
                                 {{"", 7}, {"@v", "'?'"}});
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0][0], Value("'?'"));
    EXPECT_EQ(r.rows[0][1], Value("?"));
    EXPECT_THROW(engine->execute(QStringLiteral("delete from t where id = ?"), {}), ado::Error);
}
