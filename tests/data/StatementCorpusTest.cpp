// The application's statements, as its forms build them, run unchanged on the embedded
// engine over a small payroll database, with the results SQL Server gives.
#include "tests/support/EmbeddedDb.h"
#include "ProvisioningStatements.h"

#include <QDateTime>

namespace {

// A small payroll on the schema's tables: company 5 with two cost centres, three positions
// and four employees, company 7 with a reference; the password policy.
const char* const kPayroll = R"sql(
insert into empresas (empresa, nombre_empresa, referencia, registro_patronal, rfc_empresa)
    values (5, 'Hotel Central', NULL, 'Y1234', 'HCE010101AAA')
insert into empresas (empresa, nombre_empresa, referencia, registro_patronal, rfc_empresa)
    values (7, 'Clinica Norte', 'Norte', 'Y5678', 'CNO020202BBB')
insert into centros (empresa, centro, nomdepto) values (5, 'REC', 'Recepcion')
insert into centros (empresa, centro, nomdepto) values (5, 'COC', 'Cocina')
insert into tabulador (empresa, ocupacion, actividad, garantia) values (5, 101, 'Recepcionista', 8000.50)
insert into tabulador (empresa, ocupacion, actividad, garantia) values (5, 102, 'Cocinero', NULL)
insert into tabulador (empresa, ocupacion, actividad, garantia) values (5, 103, 'Botones', 5000)
insert into llaves (empresa, codigo, centro, ocupacion, tiponom) values (5, 1, 'REC', 101, 1)
insert into llaves (empresa, codigo, centro, ocupacion, tiponom) values (5, 2, 'REC', 101, 4)
insert into llaves (empresa, codigo, centro, ocupacion, tiponom) values (5, 3, 'REC', 101, 1)
insert into llaves (empresa, codigo, centro, ocupacion, tiponom) values (5, 4, 'COC', 102, 5)
insert into empleados (empresa, codigo, nombre, paterno, borrado, ultmov, sueldo)
    values (5, 1, 'Ana', 'Pech', 'N', 'A', 9000.25)
insert into empleados (empresa, codigo, nombre, paterno, borrado, ultmov, sueldo)
    values (5, 2, 'Luis', 'Can', 'N', 'A', 9100)
insert into empleados (empresa, codigo, nombre, paterno, borrado, ultmov, sueldo)
    values (5, 3, 'Rosa', 'Uc', 'S', 'A', 7000)
insert into empleados (empresa, codigo, nombre, paterno, borrado, ultmov, sueldo)
    values (5, 4, 'Juan', 'May', 'N', 'B', 6000)
insert into ctrl_usuarios values (30, 6, '2', 1, 5)
)sql";

class StatementCorpusTest : public EmbeddedDbTest {
  protected:
    StatementCorpusTest() { datos = TestData::Schema; }
    void SetUp() override {
        EmbeddedDbTest::SetUp();
        exec(QString::fromUtf8(kPayroll));
        for (const QString& statement : ProvisioningStatements())
            exec(statement);
    }

    // The registration of the application and the administrator profile.
    void registerApplication() {
        ASSERT_TRUE(rows(" select sistema from sistema where sistema='ST'").rows.empty());
        for (const char* s :
             {"INSERT INTO [sistema]([sistema], [Nombre]) VALUES('ST', 'STAFFING')",
              "insert into funciones values ('ST', 'A' , 'Crear Staffing')",
              "insert into funciones values ('ST', 'B' , 'Crear Grupo')",
              "insert into funciones values ('ST', 'C' , 'Asgnar Puestos')",
              "insert into funciones values ('ST', 'D' , 'Reportes')",
              "insert into opciones values ('A1','ST', 'A', 'Crear Staffing')",
              "insert into opciones values ('A2','ST', 'A', 'Modificar Staffing')",
              "insert into opciones values ('A3','ST', 'A', 'Borrar Staffing')",
              "insert into opciones values ('B1','ST', 'B', 'Crear Grupo')",
              "insert into opciones values ('B2','ST', 'B', 'Modificar Grupo')",
              "insert into opciones values ('B3','ST', 'B', 'Borrar Grupo')",
              "insert into opciones values ('C1','ST', 'C', 'Agregar puestos al Staffing')",
              "insert into opciones values ('C2','ST', 'C', 'Modificar puestos del Staffing')",
              "insert into opciones values ('C3','ST', 'C', 'Borrar puestos del Staffing')",
              "insert into opciones values ('C4','ST', 'C', 'Modificar Grupo/Staffing/C. Costos')",
              "insert into opciones values ('D1','ST', 'D', 'Generar Reportes')",
              "insert into perfiles values ('Administrador de Staffing','ST','{}','{}','N','N')"}) {
            exec(QString::fromUtf8(s));
        }
        const auto id =
            scalar(" select idperfil from perfiles  where descripcion='Administrador de Staffing'");
        ASSERT_FALSE(id.isNull());
        const QString key = id.rightAligned(7);
        exec("insert into perfil_usuarios values (" + key + ",'Administrador')");
        exec("insert into perfil_funcion  Select opciones.Funcion,opciones.Opcion," + key +
             " From Opciones  Where opciones.sistema = 'ST'");
    }

    bool tienePermiso(const QString& usuario, const QString& funcion, const QString& opcion) {
        return !rows(
                    "select u.usuario, p.sistema, pu.idPerfil, p.descripcion,pf.funcion, pf.opcion "
                    "from "
                    "usuarios u, perfil_usuarios pu, perfiles p, perfil_funcion pf  where "
                    "u.usuario=pu.usuario  and pf.idPerfil=pu.idPerfil  and pf.idPerfil=p.idPerfil "
                    " and "
                    "p.sistema='ST' and pf.opcion='" +
                    opcion + "' and pf.Funcion='" + funcion + "' and u.usuario='" + usuario + "'")
                    .rows.empty();
    }

    static QStringList texts(const ado::ResultSet& r, std::size_t column = 0) {
        QStringList out;
        for (const auto& row : r.rows)
            out << row[column].toText();
        return out;
    }
};

}  // namespace

TEST_F(StatementCorpusTest, RegistrationGrantsEveryOptionToTheAdministrator) {
    registerApplication();
    exec("Insert into usuarios values ('Administrador','Admin','jjm', getdate() + 30)");
    EXPECT_EQ(rows(" select sistema from sistema where sistema='ST'").rows.size(), 1u);
    EXPECT_EQ(scalar("select count(*) from perfil_funcion").toInt(), 11);
    EXPECT_EQ(scalar("select count(*) from funciones").toInt(), 4);
    EXPECT_EQ(texts(rows(" Select opcion from opciones where sistema='ST' and funcion='A'")),
              (QStringList{"A1", "A2", "A3"}));
    EXPECT_TRUE(tienePermiso("Administrador", "C", "C4"));
    EXPECT_TRUE(tienePermiso("ADMINISTRADOR", "D", "D1"));   // names ignore letter case
    EXPECT_FALSE(tienePermiso("Administrador", "D", "C4"));  // the grant's letter must match
    EXPECT_FALSE(tienePermiso("Otro", "A", "A1"));
}

TEST_F(StatementCorpusTest, CompanyChooserListsTheProfileCompanies) {
    registerApplication();
    exec("Insert into usuarios values ('Administrador','Admin','jjm', getdate() + 30)");
    const auto profile = scalar(
        " Select p.empresas  from usuarios u, perfiles p, perfil_usuarios pu   "
        "where pu.usuario=u.usuario  and pu.idperfil=p.idperfil  and "
        "u.usuario='Administrador'");
    EXPECT_EQ(profile.trimmed(), "{}");
    const auto all = rows("Select empresa, nombre_empresa, referencia from empresas ");
    ASSERT_EQ(all.rows.size(), 2u);
    EXPECT_EQ(all.rows[0][0].rightAligned(8), "       5");
    EXPECT_TRUE(all.rows[0][2].isNull());
    EXPECT_EQ(all.rows[1][2], ado::Value("Norte"));
    EXPECT_EQ(
        rows("Select empresa, nombre_empresa, referencia from empresas where empresa in (3,7) ")
            .rows.size(),
        1u);
    EXPECT_TRUE(
        rows("Select empresa, nombre_empresa, referencia from empresas where empresa in (9) ")
            .rows.empty());
}

TEST_F(StatementCorpusTest, AccountStatementsKeepPasswordHistoryAndExpiry) {
    const QString dias = scalar(" Select dias_Vigencia from ctrl_usuarios").toText();
    ASSERT_EQ(dias, "30");
    exec("Insert into usuarios values ('ana','Ana Perez','jjm', getdate() + " + dias + ")");
    exec(" Insert into hpwd values(  'ana', getdate(), 'jjm')");
    const QDateTime expiry =
        scalar(" Select expiracion from Usuarios  where usuario='ana'").toDateTime();
    EXPECT_EQ(QDate::currentDate().daysTo(expiry.date()), 30);
    EXPECT_FALSE(
        rows(" Select usuario from usuarios  where usuario='ana' and password='jjm'").rows.empty());
    EXPECT_TRUE(rows(" Select usuario from usuarios  where usuario='ana' and password='JJM'")
                    .rows.empty() == false)
        << "text compares ignore letter case, as SQL Server's default collation does";

    exec(" Update usuarios set  password='kkn', expiracion= getdate() + " + dias +
         " where usuario='ana'");
    exec(" Insert into hpwd values(  'ana', getdate(), 'kkn')");
    exec(
        " Update usuarios set  usuario='ana', descripcion='Ana P.', password='kkn', expiracion = "
        "getdate() + 30 where usuario='ana'");
    EXPECT_EQ(texts(rows(" Select password from hpwd  where usuario='ana' order by fch_modifico")),
              (QStringList{"jjm", "kkn"}));
    EXPECT_EQ(scalar(" Select password from Usuarios  where usuario='ana'"), ado::Value("kkn"));
    EXPECT_EQ(scalar(" Select longitud_password from ctrl_usuarios ").toInt(), 6);
    EXPECT_EQ(scalar(" Select requiere_numeros from ctrl_usuarios ").toInt(), 1);
    EXPECT_EQ(scalar(" Select rotacion_password from ctrl_usuarios ").toInt(), 2);
    EXPECT_EQ(scalar("Select dias_aviso from ctrl_usuarios").toInt(), 5);
    EXPECT_EQ(rows("Select * from usuarios where usuario='ana'").rows.front().size(), 4u);
    EXPECT_EQ(rows(" Select * from usuarios ").rows.size(), 1u);

    exec("insert into perfil_usuarios values (1,'ana')");
    exec("Delete from perfil_usuarios where usuario='ana'");
    exec("Delete from usuarios where usuario='ana'");
    EXPECT_TRUE(rows(" Select usuario from usuarios where usuario='ana'").rows.empty());
    EXPECT_EQ(scalar("select count(*) from hpwd").toInt(), 2);
}

TEST_F(StatementCorpusTest, CataloguesOfGroupsAndPlans) {
    exec("Insert into staff_grupo values('       5','Meseros')");
    exec("Insert into staff_grupo values('       5','Cocina')");
    auto groups = rows("select idgrupo, nombre from staff_grupo where empresa=       5");
    ASSERT_EQ(groups.rows.size(), 2u);
    EXPECT_EQ(groups.rows[1][0].rightAligned(9), "        2");  // numbered by the database
    exec(" Update staff_grupo set nombre='Bar' where idgrupo=        2 and empresa=       5");
    exec(" Delete from staff_grupo  where idgrupo=        1 and empresa=       5");
    groups = rows("Select idgrupo, nombre from staff_grupo where empresa=       5");
    ASSERT_EQ(groups.rows.size(), 1u);
    EXPECT_EQ(groups.rows[0][1], ado::Value("Bar"));

    exec("Insert into staffing values(       5,'Temporada alta','S,Q,M')");
    exec(" Update staffing set nombre='Alta', tiposNomina='S,Q' where idstaffing =1");
    const auto plans =
        rows(" select idstaffing, nombre, tiposnomina  from staffing where empresa=        5");
    ASSERT_EQ(plans.rows.size(), 1u);
    EXPECT_EQ(plans.rows[0][2], ado::Value("S,Q"));
    EXPECT_EQ(texts(rows("Select idstaffing, nombre from staffing where empresa=       5"), 1),
              QStringList{"Alta"});
    exec("Delete from staffing where idstaffing=1");
    EXPECT_TRUE(rows("Select idstaffing, nombre from staffing where empresa=5").rows.empty());
    // Identities are not reused after a delete.
    exec("Insert into staffing values(       5,'Otro','')");
    EXPECT_EQ(scalar("select idStaffing from staffing").toInt(), 2);

    const auto tab = rows("select ocupacion,actividad from tabulador where empresa=        5");
    EXPECT_EQ(texts(tab, 1), (QStringList{"Recepcionista", "Cocinero", "Botones"}));
    EXPECT_EQ(texts(rows("Select centro, nomdepto from centros where empresa=       5")),
              (QStringList{"COC", "REC"}));  // varchar: no padding, key order
}

TEST_F(StatementCorpusTest, PositionsByPercentageAreAddedChangedMovedAndDeleted) {
    exec("Insert into staffing values(       5,'Plan','S,Q')");
    exec("Insert into staff_grupo values('       5','Grupo')");
    const QString empresa = "       5";
    auto cargaPuestos = [&](const QString& plan, const QString& centro, const QString& grupo) {
        return rows(
            " Select s.ocupacion, t.actividad,  s.v5,  s.v10, s.v15, s.v20, s.v25, s.v30, s.v35,  "
            "s.v40, s.v45, s.v50, s.v55, s.v60, s.v65, s.v70,  s.v75, s.v80, s.v85, s.v90, "
            "s.v95, s.v100  from staffing ss, staff_porcentaje s, tabulador t where ss.empresa=" +
            empresa +
            " and s.empresa=ss.empresa and t.empresa=s.empresa and "
            "ss.idStaffing=s.idStaffing  and s.idStaffing='" +
            plan + "' and s.ocupacion=t.ocupacion and s.centro='" + centro + "' and s.idgrupo='" +
            grupo + "'");
    };
    auto existe = [&](const QString& puesto) {
        return !rows(
                    " Select ocupacion from staff_porcentaje where idStaffing='1' and centro='REC' "
                    "and "
                    "idgrupo='1' and empresa='" +
                    empresa + "' and ocupacion=" + puesto)
                    .rows.empty();
    };
    EXPECT_EQ(scalar(" select ACTIVIDAD from TABULADOR  where empresa= " + empresa +
                     " and ocupacion=101"),
              ado::Value("Recepcionista"));
    EXPECT_FALSE(existe("101"));
    exec("Insert into staff_porcentaje values (" + empresa +
         ",'1','1','REC','101',1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20)");
    EXPECT_TRUE(existe("101"));
    auto grid = cargaPuestos("1", "REC", "1");
    ASSERT_EQ(grid.rows.size(), 1u);
    ASSERT_EQ(grid.rows[0].size(), 22u);
    EXPECT_EQ(grid.rows[0][1], ado::Value("Recepcionista"));
    EXPECT_EQ(grid.rows[0][21], ado::Value(20));
    // The key held padded in char(15) still matches the trimmed text and the grid's text.
    EXPECT_EQ(cargaPuestos("1", "rec ", "1").rows.size(), 1u);

    exec(
        " Update staff_porcentaje set   v5=' 3', v10='0', v15='0', v20='0', v25='0', v30='0', "
        "v35='7', "
        "v40='0', v45='0', v50='0', v55='0', v60='0', v65='0', v70='0', v75='0', v80='0', v85='0', "
        "v90='0', v95='0', v100='9' where idstaffing='1' and idgrupo='1' and centro='REC' and "
        "ocupacion='101' and empresa=" +
        empresa);
    grid = cargaPuestos("1", "REC", "1");
    EXPECT_EQ(grid.rows[0][2], ado::Value(3));
    EXPECT_EQ(grid.rows[0][8], ado::Value(7));

    // Transfer to another centre, then a transfer that collides with an existing entry.
    exec(" Update staff_porcentaje set  idstaffing=1, idgrupo=1, centro='COC' where empresa=" +
         empresa + " and idstaffing= 1 and idgrupo=1 and centro='REC' and ocupacion=101");
    EXPECT_TRUE(cargaPuestos("1", "REC", "1").rows.empty());
    EXPECT_EQ(cargaPuestos("1", "COC", "1").rows.size(), 1u);
    exec("Insert into staff_porcentaje values (" + empresa +
         ",'1','1','REC','101',0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0)");
    EXPECT_EQ(
        error(" Update staff_porcentaje set  idstaffing=1, idgrupo=1, centro='COC' where empresa=" +
              empresa + " and idstaffing= 1 and idgrupo=1 and centro='REC' and ocupacion=101"),
        "Violation of PRIMARY KEY constraint 'PK_staff_porcentaje'. Cannot insert duplicate key "
        "in object 'dbo.staff_porcentaje'.");

    exec(
        " delete from staff_porcentaje  where idstaffing=1 and centro= 'COC' and ocupacion= 101 "
        "and "
        "empresa= " +
        empresa + " and idgrupo=1");
    EXPECT_TRUE(cargaPuestos("1", "COC", "1").rows.empty());
    EXPECT_EQ(scalar("select count(*) from staff_porcentaje").toInt(), 1);
}

TEST_F(StatementCorpusTest, PositionsByMonth) {
    exec("Insert into staffing values(       5,'Plan','S')");
    exec("Insert into staff_mes values (       5,'1','1','REC','101',1,2,3,4,5,6,7,8,9,10,11,12)");
    const QString carga =
        " Select s.ocupacion, t.actividad,  s.enero, s.febrero, s.marzo, s.abril, s.mayo, s.junio, "
        "s.julio,  s.agosto, s.septiembre, s.octubre, s.noviembre, s.diciembre from staffing ss, "
        "staff_mes s, tabulador t where ss.empresa=       5 and s.empresa=ss.empresa and "
        "t.empresa=s.empresa and ss.idStaffing=s.idStaffing  and s.idStaffing='1' and "
        "s.ocupacion=t.ocupacion and s.centro='REC' and s.idgrupo='1'";
    ASSERT_EQ(rows(carga).rows.size(), 1u);
    EXPECT_FALSE(rows(" Select ocupacion from staff_mes where idStaffing='1' and centro='REC' and "
                      "idgrupo='1' and empresa='       5' and ocupacion=101")
                     .rows.empty());
    exec(
        " Update staff_mes set   enero=' 4', febrero='2', marzo='3', abril='4', mayo='5', "
        "junio='6', "
        "julio='7', agosto='8', septiembre='9', octubre='10', noviembre='11', diciembre='12' where "
        "idstaffing='1' and idgrupo='1' and centro='REC' and ocupacion='101' and empresa=       5");
    EXPECT_EQ(rows(carga).rows[0][2], ado::Value(4));
    exec(
        " delete from staff_MES  where idstaffing=1 and centro= 'REC' and ocupacion= 101 and "
        "empresa= "
        "      5 and idgrupo=1");
    EXPECT_TRUE(rows(carga).rows.empty());
}

TEST_F(StatementCorpusTest, ComparativeReportFillsAndEmptiesTheWorkTable) {
    exec("Insert into staffing values(       5,'Plan','S,Q,M')");
    exec(
        "Insert into staff_porcentaje values (       "
        "5,'1','1','REC','101',0,0,0,0,0,0,4,0,0,0,0,0,0,0,0,0,0,0,0,0)");
    exec(
        "Insert into staff_porcentaje values (       "
        "5,'1','1','COC','102',0,0,0,0,0,0,2,0,0,0,0,0,0,0,0,0,0,0,0,0)");
    exec("Insert into staff_mes values (       5,'1','1','REC','101',1,2,3,4,5,6,7,8,9,10,11,12)");

    const QString tipos =
        scalar(" select tiposnomina from staffing where empresa=       5 and idstaffing=1")
            .toText();
    ASSERT_EQ(tipos, "S,Q,M");
    const QString condicion = " and ll.tiponom in (1,4,5)";
    const QString clave = QString::number(123.45, 'f', 2).rightJustified(13);

    const auto source = rows(
        " SELECT isnull(centro,''), isnull(ocupacion,0), v35, idstaffing, idgrupo FROM "
        "staff_porcentaje where empresa=        5 and idstaffing=1 and idGrupo=1");
    ASSERT_EQ(source.rows.size(), 2u);
    EXPECT_EQ(
        rows(" SELECT isnull(centro,''), isnull(ocupacion,0), Marzo, idstaffing, idgrupo FROM "
             "staff_mes where empresa=        5 and centro='REC'")
            .rows[0][2],
        ado::Value(3));

    for (const auto& row : source.rows) {
        const QString centro = row[0].toText();
        const QString ocupacion = row[1].rightAligned(10);
        const auto real = scalar(
            " SELECT isnull(count(OCUPACION),0) FROM LLAVES ll, empleados e where "
            "ll.empresa=       5 and ll.empresa=e.empresa and ll.codigo=e.codigo and "
            "e.borrado<>'S' and e.ultmov<>'B'" +
            condicion + " and ll.centro='" + centro + "' and ll.ocupacion=" + row[1].toText());
        const auto sueldo = scalar(
            " SELECT sum(isnull(e.sueldo,0)) FROM empleados e, llaves ll where "
            "ll.empresa=       5 and ll.empresa=e.empresa and ll.codigo=e.codigo and "
            "e.borrado<>'S' and e.ultmov<>'B'" +
            condicion + " and ll.centro='" + centro + "' and ll.ocupacion=" + row[1].toText());
        const auto garantia = scalar(
            " SELECT isnull(garantia,0) FROM tabulador where empresa=       5 and "
            "ocupacion=" +
            ocupacion);
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
        exec("insert into staff_reporte values ('" + clave + "','       5','" + centro.trimmed() +
             "','" + ocupacion + "','" + row[3].rightAligned(10) + "','" + row[4].rightAligned(10) +
             "','" + row[2].rightAligned(10) + "','" + real.rightAligned(9) + "'," +
             garantia.rightAligned(9) + "," + sueldoReal + ")");
    }
    const auto report = rows(
        "select centro, plazas, real, sueldoOriginal, sueldoReal from staff_reporte "
        "where clave='" +
        clave + "' order by centro");
    ASSERT_EQ(report.rows.size(), 2u);
    EXPECT_EQ(report.rows[1][0], ado::Value("REC"));
    EXPECT_EQ(report.rows[1][1], ado::Value(4));
    EXPECT_EQ(report.rows[1][3], ado::Value(ado::Decimal{800100, 2}));
    exec(" delete from staff_reporte where clave='" + clave + "'");
    EXPECT_EQ(scalar("select count(*) from staff_reporte").toInt(), 0);
}

TEST_F(StatementCorpusTest, SettingsFormListsPayrollDatabasesFromMaster) {
    auto master = open("master");
    master->Execute("CREATE DATABASE vacia");
    ado::Recordset list;
    list.Open(" select name from sysdatabases ", master.get());
    QStringList conPayroll;
    for (; !list.Eof(); list.MoveNext()) {
        const QString name = list.Fields(0).Value.toText();
        ado::Recordset probe;
        probe.Open(
            " select [name] from [" + name + "].[dbo].[sysobjects] where [name]='capa_lugar'",
            master.get());
        if (!probe.Eof())
            conPayroll << name;
        probe.Close();
    }
    EXPECT_EQ(conPayroll, QStringList{"nomina"});
}

TEST_F(StatementCorpusTest, SettingsFormListsEveryDatabaseOfABiggerServer) {
    auto master = open("master");
    for (int i = 0; i < 15; ++i)
        master->Execute(QString("CREATE DATABASE empresa%1").arg(i));
    int probed = 0;
    const auto names = master->engine("test").query(" select name from sysdatabases ");
    for (const auto& row : names.rows) {
        master->engine("test").query(" select [name] from [" + row[0].toText() +
                                     "].[dbo].[sysobjects] where [name]='capa_lugar'");
        ++probed;
    }
    EXPECT_EQ(probed, 17);
}

TEST_F(StatementCorpusTest, MainWindowAndCompanySearch) {
    EXPECT_EQ(rows("select nombre_empresa from empresas").rows.size(), 2u);
    EXPECT_EQ(scalar("Select nombre_empresa from empresas where empresa=       7"),
              ado::Value("Clinica Norte"));
    const auto r = rows(
        " select empresa,nombre_empresa,registro_patronal,rfc_empresa,referencia from empresas ");
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[0][3].trimmed(), "HCE010101AAA");
}
