#include "tests/support/EmbeddedDb.h"
#include "ProvisioningStatements.h"

namespace {

class ProvisioningTest : public EmbeddedDbTest {
  protected:
    void provision() {
        for (const QString& statement : ProvisioningStatements())
            exec(statement);
    }
    // Every object and every column with its position and declared type.
    QStringList catalogue() {
        QStringList out;
        const auto r = rows(
            "select o.name, c.name, c.colid from sysobjects o inner join syscolumns c "
            "on c.id = o.id order by o.name, c.colid");
        for (const auto& row : r.rows)
            out << row[0].toText() + '.' + row[1].toText() + ':' + row[2].toText();
        return out;
    }
    QStringList columnsOf(const QString& table) {
        QStringList out;
        const auto r = rows(
            "select c.name from dbo.syscolumns c inner join dbo.sysobjects t on c.id = t.id "
            "where t.name = '" +
            table + "' order by c.colid");
        for (const auto& row : r.rows)
            out << row[0].toText();
        return out;
    }
};

}  // namespace

TEST_F(ProvisioningTest, CreatesThePlanningTablesAndSecondRunChangesNothing) {
    provision();
    exec("insert into staffing values (5, 'Plan', 'S')");
    const QStringList first = catalogue();
    EXPECT_TRUE(first.contains("staff_reporte.sueldoReal:10"));
    EXPECT_TRUE(first.contains("staff_porcentaje.v100:25"));
    EXPECT_TRUE(first.contains("staffing.tiposNomina:4"));
    EXPECT_TRUE(first.contains("staff_grupo.nombre:3"));

    provision();  // as every later opening of the company chooser does
    EXPECT_EQ(catalogue(), first);
    EXPECT_EQ(scalar("select count(*) from staffing").toInt(), 1);
}

TEST_F(ProvisioningTest, AppendsTheSalaryColumnsInOrderToAnOlderWorkTable) {
    exec(esquema::CreaTabla2());
    exec("insert into staff_reporte values ('k', 5, 'REC', 101, 1, 1, 3, 2)");
    EXPECT_EQ(columnsOf("staff_reporte").size(), 8);

    provision();
    const QStringList cols = columnsOf("staff_reporte");
    ASSERT_EQ(cols.size(), 10);
    EXPECT_EQ(cols.mid(8), (QStringList{"sueldoOriginal", "sueldoReal"}));
    EXPECT_TRUE(scalar("select sueldoOriginal from staff_reporte").isNull());
    // The report loader inserts by position, salaries last.
    exec("insert into staff_reporte values ('k2', 5, 'REC', 101, 1, 1, 3, 2, 8000.5, 9100.25)");
    EXPECT_EQ(scalar("select sueldoReal from staff_reporte where clave = 'k2'"),
              ado::Value(ado::Decimal{910025, 2}));
}

TEST_F(ProvisioningTest, KeyOnlyPositionRowDefaultsEveryPercentageToZero) {
    provision();
    exec(
        "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, ocupacion) "
        "values (5, 1, 1, 'REC', 101)");
    const auto r = rows("select * from staff_porcentaje");
    ASSERT_EQ(r.rows.size(), 1u);
    ASSERT_EQ(r.rows[0].size(), 25u);
    for (std::size_t i = 5; i < 25; ++i)
        EXPECT_EQ(r.rows[0][i], ado::Value(0)) << i;
    EXPECT_EQ(r.rows[0][3], ado::Value("REC            "));  // char(15) comes back padded
}

TEST_F(ProvisioningTest, CompanyKeysAboveNineHundredNinetyNineAreRefused) {
    provision();
    EXPECT_EQ(error("Insert into staff_grupo values('    1000','Meseros')"),
              "Arithmetic overflow error converting varchar to data type numeric.");
    EXPECT_EQ(error("Insert into staff_grupo values('     999','Meseros')"), "");
}

TEST_F(ProvisioningTest, PlanTypesTextKeepsItsLength) {
    provision();
    exec("Insert into staffing values(       5,'Todos','S,D,C,Q,M,E')");
    exec("Insert into staffing values(       5,'Ninguno','')");
    EXPECT_EQ(scalar("select len(tiposNomina) from staffing where nombre='todos'").toInt(), 11);
    EXPECT_EQ(scalar("select tiposNomina from staffing where idStaffing = 2"), ado::Value(""));
}
