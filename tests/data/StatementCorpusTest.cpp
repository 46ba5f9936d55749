// The statements of the account, catalogue, planning and report screens, taken from the
// functions that the screens call, run on the embedded engine over a small payroll, with the
// results SQL Server gives (the shell's are in tests/app/test_consultas.cpp). The queries
// that only look at what the statements left behind are the test's own.
#include "ProvisioningStatements.h"
#include "catalogs/ConsultasCatalogos.h"
#include "planning/ConsultasPlaneacion.h"
#include "reports/ConsultasReportes.h"
#include "security/ConsultasSeguridad.h"
#include "tests/support/EmbeddedDb.h"
#include "tests/support/PayrollRows.h"

#include <QDateTime>

using planeacion::Tabla;

namespace {

class StatementCorpusTest : public EmbeddedDbTest {
  protected:
    StatementCorpusTest() { datos = TestData::Schema; }
    void SetUp() override {
        EmbeddedDbTest::SetUp();
        exec(QString::fromUtf8(kPayrollRows));
        for (const QString& statement : ProvisioningStatements())
            exec(statement);
    }

    static QStringList texts(const ado::ResultSet& r, std::size_t column = 0) {
        QStringList out;
        for (const auto& row : r.rows)
            out << row[column].toText();
        return out;
    }
};

// The figures of an entry: `n` zeros, with `valores` at their positions.
QStringList cifras(int n, std::initializer_list<std::pair<int, const char*>> valores = {}) {
    QStringList out(n, QStringLiteral("0"));
    for (const auto& [i, v] : valores)
        out[i] = QString::fromLatin1(v);
    return out;
}

QStringList uno_a(int n) {
    QStringList out;
    for (int i = 1; i <= n; ++i)
        out << QString::number(i);
    return out;
}

}  // namespace

TEST_F(StatementCorpusTest, AccountStatementsKeepPasswordHistoryAndExpiry) {
    const QString dias = scalar(seguridad::DiasVigencia()).toText();
    ASSERT_EQ(dias, "30");
    exec(seguridad::AltaUsuario("ana", "Ana Perez", "jjm", dias));
    exec(seguridad::AgregaHistorial("ana", "jjm"));
    const QDateTime expiry = scalar(seguridad::Expiracion("ana")).toDateTime();
    EXPECT_EQ(QDate::currentDate().daysTo(expiry.date()), 30);
    EXPECT_FALSE(rows(seguridad::Acceso("ana", "jjm")).rows.empty());
    EXPECT_TRUE(rows(seguridad::Acceso("ana", "JJM")).rows.empty() == false)
        << "text compares ignore letter case, as SQL Server's default collation does";

    exec(seguridad::CambiaPassword("ana", "kkn", dias));
    exec(seguridad::AgregaHistorial("ana", "kkn"));
    exec(seguridad::ModificaUsuario("ana", "Ana P.", "kkn", "30"));
    EXPECT_EQ(texts(rows(seguridad::HistorialPasswords("ana"))), (QStringList{"jjm", "kkn"}));
    EXPECT_EQ(scalar(seguridad::PasswordGuardado("ana")), ado::Value("kkn"));
    EXPECT_EQ(scalar(seguridad::LongitudPassword()).toInt(), 6);
    EXPECT_EQ(scalar(seguridad::NumerosRequeridos()).toInt(), 1);
    EXPECT_EQ(scalar(seguridad::RotacionPassword()).toInt(), 2);
    EXPECT_EQ(scalar(seguridad::DiasAviso()).toInt(), 5);
    EXPECT_EQ(rows(seguridad::Usuario("ana")).rows.front().size(), 4u);
    EXPECT_EQ(rows(seguridad::Usuarios()).rows.size(), 1u);

    exec("insert into perfil_usuarios values (1,'ana')");
    exec(seguridad::BorraPerfilesDelUsuario("ana"));
    exec(seguridad::BorraUsuario("ana"));
    EXPECT_TRUE(rows(seguridad::ExisteUsuario("ana")).rows.empty());
    EXPECT_EQ(scalar("select count(*) from perfil_usuarios where usuario='ana'").toInt(), 0);
    EXPECT_EQ(scalar("select count(*) from hpwd").toInt(), 2);
}

TEST_F(StatementCorpusTest, CataloguesOfGroupsAndPlans) {
    exec(catalogos::InsertaGrupo("       5", "Meseros"));
    exec(catalogos::InsertaGrupo("       5", "Cocina"));
    auto groups = rows(catalogos::ListaGrupos("       5"));
    ASSERT_EQ(groups.rows.size(), 2u);
    EXPECT_EQ(groups.rows[1][0].rightAligned(9), "        2");  // numbered by the database
    exec(catalogos::ModificaGrupo("       5", "        2", "Bar"));
    exec(catalogos::EliminaGrupo("       5", "        1"));
    groups = rows(planeacion::SqlGrupos("       5"));
    ASSERT_EQ(groups.rows.size(), 1u);
    EXPECT_EQ(groups.rows[0][1], ado::Value("Bar"));

    exec(catalogos::InsertaStaffing("       5", "Temporada alta", "S,Q,M"));
    exec(catalogos::ModificaStaffing("1", "Alta", "S,Q"));
    const auto plans = rows(catalogos::ListaStaffing("        5"));
    ASSERT_EQ(plans.rows.size(), 1u);
    EXPECT_EQ(plans.rows[0][2], ado::Value("S,Q"));
    EXPECT_EQ(texts(rows(planeacion::SqlStaffing("       5")), 1), QStringList{"Alta"});
    exec(catalogos::EliminaStaffing("1"));
    EXPECT_TRUE(rows(planeacion::SqlStaffing("5")).rows.empty());
    // Identities are not reused after a delete.
    exec(catalogos::InsertaStaffing("       5", "Otro", ""));
    EXPECT_EQ(scalar("select idStaffing from staffing").toInt(), 2);

    const auto tab = rows(catalogos::ListaPuestos("        5"));
    EXPECT_EQ(texts(tab, 1), (QStringList{"Recepcionista", "Cocinero", "Botones"}));
    EXPECT_EQ(texts(rows(planeacion::SqlCentros("       5"))),
              (QStringList{"COC", "REC"}));  // varchar: no padding, key order
}

TEST_F(StatementCorpusTest, PositionsByPercentageAreAddedChangedMovedAndDeleted) {
    exec(catalogos::InsertaStaffing("       5", "Plan", "S,Q"));
    exec(catalogos::InsertaGrupo("       5", "Grupo"));
    const QString empresa = "       5";
    const planeacion::Eleccion rec{empresa, "1", "REC", "1"};
    const planeacion::Eleccion coc{empresa, "1", "COC", "1"};
    auto cargaPuestos = [&](const QString& plan, const QString& centro, const QString& grupo) {
        return rows(planeacion::SqlPuestos(Tabla::Porcentaje, {empresa, plan, centro, grupo}));
    };
    auto existe = [&](const QString& puesto) {
        return !rows(planeacion::SqlExistePuesto(Tabla::Porcentaje, rec, puesto)).rows.empty();
    };
    EXPECT_EQ(scalar(planeacion::SqlActividad(empresa, "101")), ado::Value("Recepcionista"));
    EXPECT_FALSE(existe("101"));
    exec(planeacion::SqlInsertaPuesto(Tabla::Porcentaje, rec, "101", uno_a(20)));
    EXPECT_TRUE(existe("101"));
    auto grid = cargaPuestos("1", "REC", "1");
    ASSERT_EQ(grid.rows.size(), 1u);
    ASSERT_EQ(grid.rows[0].size(), 22u);
    EXPECT_EQ(grid.rows[0][1], ado::Value("Recepcionista"));
    EXPECT_EQ(grid.rows[0][21], ado::Value(20));
    // The key held padded in char(15) still matches the trimmed text and the grid's text.
    EXPECT_EQ(cargaPuestos("1", "rec ", "1").rows.size(), 1u);

    // The first figure goes in as " 3", as the grid gives it.
    exec(planeacion::SqlActualizaPuesto(Tabla::Porcentaje, rec, "101",
                                        cifras(20, {{0, "3"}, {6, "7"}, {19, "9"}})));
    grid = cargaPuestos("1", "REC", "1");
    EXPECT_EQ(grid.rows[0][2], ado::Value(3));
    EXPECT_EQ(grid.rows[0][8], ado::Value(7));

    // Transfer to another centre, then a transfer that collides with an existing entry.
    exec(planeacion::SqlCambiaPuesto(Tabla::Porcentaje, coc, rec, "101"));
    EXPECT_TRUE(cargaPuestos("1", "REC", "1").rows.empty());
    EXPECT_EQ(cargaPuestos("1", "COC", "1").rows.size(), 1u);
    exec(planeacion::SqlInsertaPuesto(Tabla::Porcentaje, rec, "101", cifras(20)));
    EXPECT_EQ(error(planeacion::SqlCambiaPuesto(Tabla::Porcentaje, coc, rec, "101")),
              "Violation of PRIMARY KEY constraint 'PK_staff_porcentaje'. Cannot insert duplicate "
              "key in object 'dbo.staff_porcentaje'.");

    exec(planeacion::SqlEliminaPuesto(Tabla::Porcentaje, coc, "101"));
    EXPECT_TRUE(cargaPuestos("1", "COC", "1").rows.empty());
    EXPECT_EQ(scalar("select count(*) from staff_porcentaje").toInt(), 1);
}

TEST_F(StatementCorpusTest, PositionsByMonth) {
    const planeacion::Eleccion rec{"       5", "1", "REC", "1"};
    exec(catalogos::InsertaStaffing("       5", "Plan", "S"));
    exec(planeacion::SqlInsertaPuesto(Tabla::Mes, rec, "101", uno_a(12)));
    const QString carga = planeacion::SqlPuestos(Tabla::Mes, rec);
    ASSERT_EQ(rows(carga).rows.size(), 1u);
    EXPECT_FALSE(rows(planeacion::SqlExistePuesto(Tabla::Mes, rec, "101")).rows.empty());
    QStringList meses = uno_a(12);
    meses[0] = "4";
    exec(planeacion::SqlActualizaPuesto(Tabla::Mes, rec, "101", meses));
    EXPECT_EQ(rows(carga).rows[0][2], ado::Value(4));
    exec(planeacion::SqlEliminaPuesto(Tabla::Mes, rec, "101"));
    EXPECT_TRUE(rows(carga).rows.empty());
}

TEST_F(StatementCorpusTest, ComparativeReportFillsAndEmptiesTheWorkTable) {
    const QString empresa = "       5";
    exec(catalogos::InsertaStaffing(empresa, "Plan", "S,Q,M"));
    exec(planeacion::SqlInsertaPuesto(Tabla::Porcentaje, {empresa, "1", "REC", "1"}, "101",
                                      cifras(20, {{6, "4"}})));
    exec(planeacion::SqlInsertaPuesto(Tabla::Porcentaje, {empresa, "1", "COC", "1"}, "102",
                                      cifras(20, {{6, "2"}})));
    exec(planeacion::SqlInsertaPuesto(Tabla::Mes, {empresa, "1", "REC", "1"}, "101", uno_a(12)));

    const QString tipos = scalar(reportes::SqlTiposNomina(empresa, "1")).toText();
    ASSERT_EQ(tipos, "S,Q,M");
    const QStringList numeros = reportes::NumerosNomina(tipos);
    ASSERT_EQ(numeros, (QStringList{"1", "4", "5"}));
    const QString condicion = reportes::CondicionNomina(numeros);
    const QString clave = QString::number(123.45, 'f', 2).rightJustified(13);

    reportes::Solicitud plan;
    plan.empresa = empresa;
    plan.porStaffing = plan.porGrupo = true;
    plan.staffing = plan.grupo = "1";
    const auto source = rows(reportes::SqlFuente(plan, "v35", "staff_porcentaje"));
    ASSERT_EQ(source.rows.size(), 2u);
    reportes::Solicitud centro;
    centro.empresa = empresa;
    centro.porCC = true;
    centro.centro = "REC";
    EXPECT_EQ(rows(reportes::SqlFuente(centro, "Marzo", "staff_mes")).rows[0][2], ado::Value(3));

    for (const auto& row : source.rows) {
        const QString centro = row[0].toText();
        const QString ocupacion = row[1].rightAligned(10);
        const auto real =
            scalar(reportes::SqlObtenReal(empresa, condicion, centro, row[1].toText()));
        const auto sueldo =
            scalar(reportes::SqlSueldoReal(empresa, condicion, centro, row[1].toText()));
        const auto garantia = scalar(reportes::SqlSueldoOriginal(empresa, ocupacion));
        if (row[1].toInt() == 101) {
            EXPECT_EQ(real.toInt(), 2);  // employee 3 is deleted
            EXPECT_EQ(sueldo.toText(), "18100.25");
            EXPECT_EQ(garantia.rightAligned(9), "     8001");
        } else {
            EXPECT_EQ(real.toInt(), 0);  // employee 4 has left
            EXPECT_TRUE(sueldo.isNull());
            EXPECT_EQ(garantia.toInt(), 0);  // no guaranteed salary
        }
        const QString sueldoReal = sueldo.isNull() ? QString("0") : sueldo.trimmed();
        exec(reportes::SqlInsertaFila(
            clave, empresa,
            {centro.trimmed(), ocupacion, row[3].rightAligned(10), row[4].rightAligned(10),
             row[2].rightAligned(10), real.rightAligned(9), garantia.rightAligned(9), sueldoReal}));
    }
    const auto report = rows(
        "select centro, plazas, real, sueldoOriginal, sueldoReal from staff_reporte "
        "where clave='" +
        clave + "' order by centro");
    ASSERT_EQ(report.rows.size(), 2u);
    EXPECT_EQ(report.rows[1][0], ado::Value("REC"));
    EXPECT_EQ(report.rows[1][1], ado::Value(4));
    EXPECT_EQ(report.rows[1][3], ado::Value(ado::Decimal{800100, 2}));
    exec(reportes::SqlBorraTablaTemporal(clave));
    EXPECT_EQ(scalar("select count(*) from staff_reporte").toInt(), 0);
}
