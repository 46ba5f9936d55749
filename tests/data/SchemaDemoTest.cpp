#include "ado/AdoError.h"
#include "ado/Engine.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestDatabase.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

// The stored form of a password: character n (from 1) moved up by 9, 8, 10, 9, 8, 10, ...
QString scrambled(const QString& clear) {
    QString out;
    for (qsizetype i = 0; i < clear.size(); ++i) {
        const int offset = int((i + 1) % 3);
        out += QChar((clear[i].unicode() + 10 - offset) % 256);
    }
    return out;
}

const QStringList kTables = {
    QStringLiteral("empresas"),         QStringLiteral("centros"),
    QStringLiteral("tabulador"),        QStringLiteral("llaves"),
    QStringLiteral("empleados"),        QStringLiteral("capa_lugar"),
    QStringLiteral("usuarios"),         QStringLiteral("hpwd"),
    QStringLiteral("ctrl_usuarios"),    QStringLiteral("perfiles"),
    QStringLiteral("perfil_usuarios"),  QStringLiteral("perfil_funcion"),
    QStringLiteral("opciones"),         QStringLiteral("funciones"),
    QStringLiteral("sistema"),          QStringLiteral("staff_mes"),
    QStringLiteral("staff_porcentaje"), QStringLiteral("staff_reporte"),
    QStringLiteral("staffing"),         QStringLiteral("staff_grupo"),
};

class SchemaDemoTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        open(TestData::Schema);
    }

    // A fresh copy of the test database of that kind (the scripts ran once to build it).
    void open(TestData data) {
        engine.reset();
        ASSERT_TRUE(CopyTestDatabase(data, dir(), QStringLiteral("oxta_demo")));
        ado::ConnectionSettings s;
        s.motor = ado::ConnectionSettings::Motor::Sqlite;
        s.server = dir();
        s.database = QStringLiteral("oxta_demo");
        engine = ado::openEngine(s);
    }

    std::int64_t scalar(const QString& sql) {
        const ado::ResultSet r = engine->query(sql);
        if (r.rows.empty() || r.rows[0].empty()) {
            ADD_FAILURE() << "no row: " << sql.toStdString();
            return -1;
        }
        return r.rows[0][0].toInt();
    }
    QString text(const QString& sql) {
        const ado::ResultSet r = engine->query(sql);
        return r.rows.empty() ? QStringLiteral("<no row>") : r.rows[0][0].toText();
    }
    void loadDemo() { open(TestData::Demo); }
    // What the program sends the first time the company chooser opens on a database.
    void registerStaffing() {
        const char* statements[] = {
            "INSERT INTO [sistema]([sistema], [Nombre]) VALUES('ST', 'STAFFING')",
            "insert into funciones values ('ST', 'A' , 'Crear Staffing')",
            "insert into funciones values ('ST', 'D' , 'Reportes')",
            "insert into opciones values ('A1','ST', 'A', 'Crear Staffing')",
            "insert into opciones values ('C4','ST', 'C', 'Modificar Grupo/Staffing/C. Costos')",
            "insert into opciones values ('D1','ST', 'D', 'Generar Reportes')",
            "insert into perfiles values ('Administrador de Staffing','ST','{}','{}','N','N')",
        };
        for (const char* sql : statements)
            engine->execute(QString::fromUtf8(sql));
        const QString id = engine
                               ->query(QStringLiteral(" select idperfil from perfiles  where "
                                                      "descripcion='Administrador de Staffing'"))
                               .rows.at(0)
                               .at(0)
                               .rightAligned(7);
        engine->execute(QStringLiteral("insert into perfil_usuarios values (") + id +
                        QStringLiteral(",'Administrador')"));
        engine->execute(QStringLiteral("insert into perfil_funcion  Select "
                                       "opciones.Funcion,opciones.Opcion,") +
                        id + QStringLiteral(" From Opciones  Where opciones.sistema = 'ST'"));
    }
    bool tienePermiso(const QString& usuario, const QString& funcion, const QString& opcion) {
        return !engine
                    ->query(QStringLiteral(
                                "select u.usuario, p.sistema, pu.idPerfil, p.descripcion,"
                                "pf.funcion, pf.opcion from usuarios u, perfil_usuarios pu, "
                                "perfiles p, perfil_funcion pf  where u.usuario=pu.usuario  and "
                                "pf.idPerfil=pu.idPerfil  and pf.idPerfil=p.idPerfil  and "
                                "p.sistema='ST' and pf.opcion='%1' and pf.Funcion='%2' and "
                                "u.usuario='%3'")
                                .arg(opcion, funcion, usuario))
                    .rows.empty();
    }
    QString empresasDe(const QString& usuario) {
        return text(QStringLiteral(" Select p.empresas  from usuarios u, perfiles p, "
                                   "perfil_usuarios pu   where pu.usuario=u.usuario  and "
                                   "pu.idperfil=p.idperfil  and u.usuario='%1'")
                        .arg(usuario))
            .trimmed();
    }

    std::unique_ptr<ado::Engine> engine;
};

}  // namespace

TEST_F(SchemaDemoTest, SchemaCreatesEveryTableAndCanRunAgain) {
    RunScript(*engine, SqlFile("schema.sql"));  // on the tables it built before
    for (const QString& t : kTables)
        EXPECT_EQ(scalar(QStringLiteral("select count(*) from ") + t), 0) << t.toStdString();
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from sysindexes where name in "
                                    "('IX_hpwd_usuario', 'IX_llaves_codigo')")),
              2);
}

TEST_F(SchemaDemoTest, TablesTakeTheProgramsPositionalInserts) {
    registerStaffing();
    engine->execute(QStringLiteral("insert into ctrl_usuarios values (90, 6, '3', 1, 10)"));
    engine->execute(QStringLiteral(
        "Insert into usuarios values ('ana','Ana Pech','jlwrv;;;', getdate() + 90)"));
    engine->execute(QStringLiteral(" Insert into hpwd values(  'ana', getdate(), 'jlwrv;;;')"));
    engine->execute(QStringLiteral(
        "insert into staff_mes values (1, 1, 1, '1100', 111, 1,2,3,4,5,6,7,8,9,10,11,12)"));
    engine->execute(
        QStringLiteral("insert into staff_reporte values ('  123.45','       1',"
                       "'1100','       111','         1','         1','         3',"
                       "'         2',   11800,23600.5)"));

    EXPECT_EQ(scalar(QStringLiteral("select count(*) from perfil_funcion")), 3);
    EXPECT_EQ(text(QStringLiteral("select empresas from perfiles")), QStringLiteral("{}"));
    EXPECT_EQ(scalar(QStringLiteral("select marzo from staff_mes")), 3);
    EXPECT_EQ(scalar(QStringLiteral("select sueldoOriginal from staff_reporte")), 11800);
    const QDateTime expira = engine->query(QStringLiteral("select expiracion from usuarios"))
                                 .rows.at(0)
                                 .at(0)
                                 .toDateTime();
    EXPECT_EQ(QDate::currentDate().daysTo(expira.date()), 90);
}

TEST_F(SchemaDemoTest, DemoHoldsTwoCompaniesWithTheirPayroll) {
    loadDemo();
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from empresas")), 2);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from empresas where referencia is null")), 1);
    for (int e : {1, 2}) {
        const QString where = QStringLiteral(" where empresa = %1").arg(e);
        EXPECT_GE(scalar(QStringLiteral("select count(*) from centros") + where), 10) << e;
        EXPECT_GE(scalar(QStringLiteral("select count(*) from tabulador") + where), 30) << e;
        EXPECT_GE(scalar(QStringLiteral("select count(*) from tabulador") + where +
                         QStringLiteral(" and garantia > 0")),
                  30)
            << e;
        EXPECT_EQ(scalar(QStringLiteral("select count(distinct tiponom) from llaves") + where), 6)
            << e;
        EXPECT_GT(scalar(QStringLiteral("select count(*) from empleados") + where +
                         QStringLiteral(" and borrado = 'S'")),
                  0)
            << e;
        EXPECT_GT(scalar(QStringLiteral("select count(*) from empleados") + where +
                         QStringLiteral(" and ultmov = 'B'")),
                  0)
            << e;
    }
    EXPECT_GE(scalar(QStringLiteral("select count(*) from empleados")), 300);
    // Every employee has an assignment in a cost centre and position of the company.
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from empleados e, llaves ll, centros c, "
                                    "tabulador t where ll.empresa = e.empresa and ll.codigo = "
                                    "e.codigo and c.empresa = ll.empresa and c.centro = ll.centro "
                                    "and t.empresa = ll.empresa and t.ocupacion = ll.ocupacion")),
              scalar(QStringLiteral("select count(*) from empleados")));
}

TEST_F(SchemaDemoTest, DemoLeavesTheRegistrationToTheProgram) {
    loadDemo();
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from sistema where sistema = 'ST'")), 0);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from funciones where sistema = 'ST'")), 0);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from opciones where sistema = 'ST'")), 0);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from perfiles where descripcion = "
                                    "'Administrador de Staffing'")),
              0);
}

TEST_F(SchemaDemoTest, DemoUsersSignInWithTheirDocumentedPasswords) {
    loadDemo();
    EXPECT_EQ(scrambled(QStringLiteral("abc")), QStringLiteral("jjm"));
    const struct {
        const char* user;
        const char* password;
    } users[] = {{"Administrador", "admin123"}, {"consulta", "consulta1"}};
    for (const auto& u : users) {
        const QString user = QString::fromLatin1(u.user);
        const QString stored = scrambled(QString::fromLatin1(u.password));
        EXPECT_EQ(scalar(QStringLiteral(" Select count(*) from usuarios  where usuario='%1' and "
                                        "password='%2'")
                             .arg(user, QString(stored).replace(u'\'', QStringLiteral("''")))),
                  1)
            << u.user;
        EXPECT_EQ(text(QStringLiteral(" Select password from hpwd  where usuario='%1' order by "
                                      "fch_modifico")
                           .arg(user)),
                  stored)
            << u.user;
        const QDate expira = engine
                                 ->query(QStringLiteral("select expiracion from usuarios where "
                                                        "usuario='%1'")
                                             .arg(user))
                                 .rows.at(0)
                                 .at(0)
                                 .toDate();
        EXPECT_GT(QDate::currentDate().daysTo(expira), 300) << u.user;
    }
    const ado::ResultSet policy = engine->query(QStringLiteral(
        "select dias_Vigencia, longitud_password, rotacion_password, requiere_numeros, "
        "dias_aviso from ctrl_usuarios"));
    ASSERT_EQ(policy.rows.size(), 1u);
    EXPECT_EQ(policy.rows[0][1].toInt(), 6);
    EXPECT_EQ(policy.rows[0][2].trimmed(), QStringLiteral("3"));
}

TEST_F(SchemaDemoTest, ProfilesWorkOnceTheProgramHasRegisteredItself) {
    loadDemo();
    // Before the registration the administrator already sees every company.
    EXPECT_EQ(empresasDe(QStringLiteral("Administrador")), QStringLiteral("{}"));
    EXPECT_EQ(empresasDe(QStringLiteral("consulta")), QStringLiteral("{1}"));

    registerStaffing();
    EXPECT_TRUE(
        tienePermiso(QStringLiteral("Administrador"), QStringLiteral("A"), QStringLiteral("A1")));
    EXPECT_TRUE(
        tienePermiso(QStringLiteral("consulta"), QStringLiteral("D"), QStringLiteral("D1")));
    EXPECT_FALSE(
        tienePermiso(QStringLiteral("consulta"), QStringLiteral("A"), QStringLiteral("A1")));
    EXPECT_FALSE(
        tienePermiso(QStringLiteral("consulta"), QStringLiteral("C"), QStringLiteral("C4")));
    EXPECT_EQ(empresasDe(QStringLiteral("Administrador")), QStringLiteral("{}"));
}

TEST_F(SchemaDemoTest, DemoCanRunAgainWithoutDuplicates) {
    loadDemo();
    const std::int64_t employees = scalar(QStringLiteral("select count(*) from empleados"));
    const std::int64_t places = scalar(QStringLiteral("select count(*) from staff_porcentaje"));
    RunScript(*engine, SqlFile("demo.sql"));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from empleados")), employees);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from staff_porcentaje")), places);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from perfiles")), 2);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from usuarios")), 2);
}

TEST_F(SchemaDemoTest, SamplePlansDifferFromTheHeadcountSoReportsShowGaps) {
    loadDemo();
    // Four plans with places, and four more that only fill the catalogue.
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from staffing")), 8);
    EXPECT_EQ(scalar(QStringLiteral("select count(distinct idStaffing) from staff_porcentaje")), 4);
    EXPECT_GT(scalar(QStringLiteral("select count(*) from staff_mes")), 40);
    // Places planned at 100 % against the active employees of each row's centre and position.
    const ado::ResultSet rows = engine->query(QStringLiteral(
        "select p.v100, (select count(*) from llaves ll, empleados e where ll.empresa = "
        "p.empresa and ll.empresa = e.empresa and ll.codigo = e.codigo and e.borrado <> 'S' and "
        "e.ultmov <> 'B' and ll.centro = p.centro and ll.ocupacion = p.ocupacion) from "
        "staff_porcentaje p"));
    ASSERT_GT(rows.rows.size(), 60u);
    int shortages = 0, surpluses = 0, equal = 0;
    for (const auto& r : rows.rows) {
        const auto planned = r[0].toInt(), real = r[1].toInt();
        (planned > real ? shortages : planned < real ? surpluses : equal)++;
    }
    EXPECT_GT(shortages, 5);
    EXPECT_GT(surpluses, 5);
    EXPECT_GT(equal, 5);
}
