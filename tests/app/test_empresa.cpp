// The company chooser: which companies it lists, the provisioning of the planning tables and
// of the system's registration, and the choice that opens the main window.
#include "app/frmEmpresa.h"
#include "app/frmInicio.h"
#include "app/frmLogin.h"
#include "tests/app/test_empresa_base.h"
#include "ui/ErrorReport.h"
#include "ui/TestSeam.h"

using staffing::Cuenta;

namespace {

const QString kAvise = QStringLiteral(
    "El usuario tiene permisos para ver ninguna empresa. Avise a su administrador de sistemas "
    "OXTA.");

class EmpresaTest : public staffing::StaffingTest {
  protected:
    TEmpresa* Abre() {
        auto* const f = TForm::New<TEmpresa>(nullptr);
        f->Show();
        return f;
    }
    static TArrayBrowse::Rows Filas(const TEmpresa* f) { return f->arrayEmpresa->aArrayData(); }
};

}  // namespace

TEST_F(EmpresaTest, EmptyBracesListEveryCompanyUnderItsShortName) {
    Usuario("Administrador");
    Perfil("Administrador", "'{}'");
    Empresa(3, "Hotel del Sol", "Sol");
    Empresa(7, "Hospital Central");
    Empresa(12, "Clinica Norte", "");
    ui::ScriptedMessages msgs;
    TEmpresa* const f = Abre();
    EXPECT_EQ(msgs.count(), 0);
    const TArrayBrowse::Rows filas = Filas(f);
    ASSERT_EQ(filas.size(), 3);
    EXPECT_EQ(filas[0], (QStringList{"       3", "Sol"}));
    // Without a short name the company's name is shown as stored, blanks included.
    EXPECT_EQ(filas[1][0], QStringLiteral("       7"));
    EXPECT_EQ(filas[1][1].trimmed(), QStringLiteral("Hospital Central"));
    EXPECT_EQ(filas[2], (QStringList{"      12", ""}));
    EXPECT_EQ(f->arrayEmpresa->Bookmark(), 1);
    EXPECT_EQ(f->nTop(), 150);
    EXPECT_EQ(f->nLeft(), 250);
}

TEST_F(EmpresaTest, ProfileListLimitsTheCompanies) {
    Usuario("ana");
    EntraComo("ana");
    Perfil("ana", "'{3, 7}'");
    for (int clave : {3, 5, 7})
        Empresa(clave, QStringLiteral("Empresa %1").arg(clave));
    TEmpresa* const f = Abre();
    QStringList claves;
    for (const auto& fila : Filas(f))
        claves << fila[0].trimmed();
    claves.sort();
    EXPECT_EQ(claves, (QStringList{"3", "7"}));
}

TEST_F(EmpresaTest, ListNamingNoCompanyOffersThePlaceholderWhichCannotBeChosen) {
    Usuario("Administrador");
    Perfil("Administrador", "'{99}'");
    Empresa(3, "Hotel del Sol");
    ui::ScriptedMessages msgs;
    TEmpresa* const f = Abre();
    EXPECT_EQ(Filas(f), (TArrayBrowse::Rows{{"0", "NO EXISTE"}}));
    f->btnAceptarClick(f->btnAceptar);
    EXPECT_EQ(msgs.texts(), QStringList{"Debe crear una empresa."});
    EXPECT_FALSE(f->IsClosed());
    EXPECT_EQ(Application().FindForm<TInicio>(), nullptr);
}

TEST_F(EmpresaTest, UserWithoutProfileGetsAnEmptyListAndTheAdministratorHint) {
    Usuario("Administrador");
    Empresa(3, "Hotel del Sol");
    ui::ScriptedMessages msgs;
    TEmpresa* const f = Abre();
    EXPECT_TRUE(Filas(f).isEmpty());
    EXPECT_EQ(msgs.count(), 0);
    f->btnAceptarClick(f->btnAceptar);
    EXPECT_EQ(msgs.texts(), QStringList{kAvise});
    EXPECT_FALSE(f->IsClosed());
    EXPECT_TRUE(LeeIni("VARIABLES", "Empresa").isEmpty());
}

TEST_F(EmpresaTest, NullOrMalformedCompanyListIsReportedNotSentToTheServer) {
    for (const char* lista : {"NULL", "'{3) or (1=1}'", "'3,7'"}) {
        SCOPED_TRACE(lista);
        prueba::Ejecuta({"delete from perfil_usuarios", "delete from perfiles",
                         "delete from usuarios", "delete from empresas"});
        Usuario("Administrador");
        Perfil("Administrador", QString::fromUtf8(lista));
        Empresa(3, "Hotel del Sol");
        ui::ScriptedMessages msgs;
        TEmpresa* const f = Abre();
        EXPECT_TRUE(errores.empty());
        ASSERT_EQ(msgs.count(), 1);
        EXPECT_TRUE(msgs.last().text.contains("lista de empresas"))
            << msgs.last().text.toStdString();
        EXPECT_TRUE(Filas(f).isEmpty());
        // The provisioning still ran.
        EXPECT_EQ(Cuenta("select count(*) from sistema where sistema='ST'"), 1);
        f->Close();
    }
}

TEST_F(EmpresaTest, UserNameWithAQuoteIsDataNotStatementText) {
    const QString usuario = QStringLiteral("O'Hara");
    Usuario(usuario);
    EntraComo(usuario);
    Perfil(usuario, "'{}'");
    Empresa(3, "Hotel del Sol");
    TEmpresa* const f = Abre();
    EXPECT_EQ(Filas(f).size(), 1);
}

TEST_F(EmpresaTest, FirstOpeningCreatesThePlanningTablesAndRegistersTheSystemOnce) {
    Usuario("Administrador");
    Perfil("Administrador", "'{}'");
    Empresa(3, "Hotel del Sol");
    TEmpresa* const f = Abre();
    f->Close();

    for (const char* tabla : {"staff_porcentaje", "staff_reporte", "staffing", "staff_grupo"})
        EXPECT_EQ(Cuenta(QStringLiteral("select count(*) from %1").arg(tabla)), 0) << tabla;
    // The salary columns stand at the end of staff_reporte, sueldoOriginal first.
    prueba::Ejecuta(
        {"insert into staff_reporte values ('k', 3, 'C1', 10, 1, 1, 2, 1, 100.5, "
         "90.25)"});
    EXPECT_EQ(prueba::Valor("select sueldoOriginal from staff_reporte").toText(), "100.50");
    EXPECT_EQ(prueba::Valor("select sueldoReal from staff_reporte").toText(), "90.25");
    // A position entry created with its key only has 0 in every percentage.
    prueba::Ejecuta(
        {"insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, "
         "ocupacion) values (3, 1, 1, 'C1', 10)"});
    EXPECT_EQ(Cuenta("select v5 + v50 + v100 from staff_porcentaje"), 0);

    EXPECT_EQ(prueba::Columna("select Nombre from sistema where sistema='ST'"),
              QStringList{"STAFFING"});
    EXPECT_EQ(prueba::Columna("select funcion from funciones where sistema='ST' order by funcion"),
              (QStringList{"A", "B", "C", "D"}));
    EXPECT_EQ(prueba::Columna("select opcion from opciones where sistema='ST' order by opcion"),
              (QStringList{"A1", "A2", "A3", "B1", "B2", "B3", "C1", "C2", "C3", "C4", "D1"}));
    const int id =
        Cuenta("select idperfil from perfiles where descripcion='Administrador de Staffing'");
    EXPECT_EQ(prueba::Columna(QStringLiteral("select usuario from perfil_usuarios where "
                                             "idperfil=%1")
                                  .arg(id)),
              QStringList{"Administrador"});
    EXPECT_EQ(Cuenta(QStringLiteral("select count(*) from perfil_funcion pf, opciones o where "
                                    "pf.idperfil=%1 and pf.opcion=o.opcion and "
                                    "pf.funcion=o.funcion and o.sistema='ST'")
                         .arg(id)),
              11);

    // A second opening sends none of the registration again and changes nothing.
    ui::ScriptedMessages msgs;
    Abre()->Close();
    EXPECT_EQ(msgs.count(), 0);
    EXPECT_EQ(Cuenta("select count(*) from sistema"), 1);
    EXPECT_EQ(Cuenta("select count(*) from funciones"), 4);
    EXPECT_EQ(Cuenta("select count(*) from opciones"), 11);
    EXPECT_EQ(Cuenta("select count(*) from perfiles where descripcion='Administrador de "
                     "Staffing'"),
              1);
    EXPECT_EQ(Cuenta("select count(*) from perfil_funcion"), 11);
    EXPECT_EQ(Cuenta("select count(*) from staff_reporte"), 1);
}

TEST_F(EmpresaTest, ExistingRegistrationIsLeftAlone) {
    Usuario("Administrador");
    Perfil("Administrador", "'{}'");
    prueba::Ejecuta({"insert into sistema values ('ST', 'STAFFING')"});
    Abre()->Close();
    EXPECT_EQ(Cuenta("select count(*) from opciones"), 0);
    EXPECT_EQ(Cuenta("select count(*) from perfil_funcion"), 0);
}

TEST_F(EmpresaTest, AcceptStoresTheKeyAndOpensTheMainWindowOnThatCompany) {
    Usuario("Administrador");
    Perfil("Administrador", "'{}'");
    Empresa(3, "Hotel del Sol", "Sol");
    Empresa(7, "Hospital Central");
    TEmpresa* const f = Abre();
    f->arrayEmpresa->GoTo(2);
    const QString clave = f->arrayEmpresa->GetValue(1);
    f->btnAceptarClick(f->btnAceptar);
    EXPECT_TRUE(f->IsClosed());
    EXPECT_EQ(LeeIni("VARIABLES", "Empresa"), clave.trimmed());
    TInicio* const inicio = Application().FindForm<TInicio>();
    ASSERT_NE(inicio, nullptr);
    EXPECT_EQ(inicio->Empresa, clave);
    EXPECT_EQ(inicio->Empresa.size(), 8);
    EXPECT_TRUE(inicio->cText().startsWith("STAFFING -- "));
    EXPECT_FALSE(inicio->NombreEmpresa.isEmpty());
}

TEST_F(EmpresaTest, WithNobodySignedInTheLoginComesBack) {
    AppData().AddData(QStringLiteral("UsuarioGet"), QString());
    TEmpresa* const f = Abre();
    EXPECT_TRUE(f->IsClosed());
    EXPECT_NE(Application().FindForm<TLogin>(), nullptr);
    // Nothing was provisioned.
    EXPECT_EQ(Cuenta("select count(*) from sistema"), 0);
}
