// The company chooser: which companies it lists, the provisioning of the planning tables and
// of the system's registration, and the choice that opens the main window.
#include "ado/Value.h"
#include "app/frmEmpresa.h"
#include "app/frmInicio.h"
#include "app/frmLogin.h"
#include "tests/app/test_empresa_base.h"
#include "ui/TestSeam.h"

using namespace staffing;

namespace {

class EmpresaTest : public StaffingTest {
  protected:
    void SetUp() override {
        StaffingTest::SetUp();
        Empresa(3, "Hotel del Sol", "'Sol'");
        Empresa(7, "Hospital Central");
        Empresa(12, "Clinica Norte", "''");
    }
    // Opens the chooser; the rows it lists.
    TArrayBrowse::Rows Lista() {
        m_f = TForm::New<TEmpresa>(nullptr);
        m_f->Show();
        return m_f->arrayEmpresa->aArrayData();
    }
    TEmpresa* m_f = nullptr;
};

}  // namespace

TEST_F(EmpresaTest, ProfileListDecidesWhichCompaniesAreListed) {
    ui::ScriptedMessages msgs;
    EntraComo("ana");  // provisioning gives "Administrador" a profile of its own
    // Without a profile: an empty list, no message, and Aceptar refuses.
    EXPECT_TRUE(Lista().isEmpty());
    m_f->btnAceptarClick(m_f->btnAceptar);
    EXPECT_EQ(msgs.texts(), QStringList{"El usuario tiene permisos para ver ninguna empresa. "
                                        "Avise a su administrador de sistemas OXTA."});
    const int perfil = Perfil("ana", "'{}'");
    // A short name wins over the name, even an empty one; names keep their blanks.
    EXPECT_EQ(Lista(),
              (TArrayBrowse::Rows{{"       3", "Sol"},
                                  {"       7", QString("Hospital Central").leftJustified(30)},
                                  {"      12", ""}}));
    EXPECT_EQ(m_f->nTop(), 150);
    Ejecuta(
        {QStringLiteral("update perfiles set empresas='{ 3, 12 }' where idperfil=%1").arg(perfil)});
    EXPECT_EQ(Lista().size(), 2);
    Ejecuta({QStringLiteral("update perfiles set empresas='{99}' where idperfil=%1").arg(perfil)});
    EXPECT_EQ(Lista(), (TArrayBrowse::Rows{{"0", "NO EXISTE"}}));
    msgs.clear();
    m_f->btnAceptarClick(m_f->btnAceptar);
    EXPECT_EQ(msgs.texts(), QStringList{"Debe crear una empresa."});
    EXPECT_FALSE(m_f->IsClosed());
    EXPECT_TRUE(LeeIni("VARIABLES", "Empresa").isEmpty());
}

TEST_F(EmpresaTest, NullOrMalformedListIsReportedAndNeverSentToTheServer) {
    using Tipo = ListaEmpresas::Tipo;
    EXPECT_EQ(InterpretaListaEmpresas(ado::Value(" { 3 ,7} ")).lista, " 3 ,7");
    for (const char* t : {"3,7", "{3,,7}", "{3,7,}", "{3.5}", "{3) or (1=1}", "{", "}"})
        EXPECT_EQ(InterpretaListaEmpresas(ado::Value(t)).tipo, Tipo::Invalida) << t;

    // Older payrolls allow NULL in perfiles.empresas, which the schema no longer does.
    Ejecuta({"drop table perfiles",
             "create table perfiles (idperfil int identity(1,1) not null, descripcion varchar(60) "
             "not null, sistema varchar(3) not null, empresas varchar(255) null, centros "
             "varchar(255) not null, bloqueado char(1) not null, solo_lectura char(1) not null)"});
    const int perfil = Perfil("Administrador", "NULL");
    for (const char* lista : {"NULL", "'{3) or (1=1}'"}) {
        Ejecuta({QStringLiteral("update perfiles set empresas=%1 where idperfil=%2")
                     .arg(lista)
                     .arg(perfil)});
        ui::ScriptedMessages msgs;
        EXPECT_TRUE(Lista().isEmpty()) << lista;
        ASSERT_EQ(msgs.count(), 1);
        EXPECT_TRUE(msgs.last().text.contains("lista de empresas"));
    }
}

TEST_F(EmpresaTest, UserNameWithAQuoteIsDataNotStatementText) {
    EntraComo("O'Hara");
    Perfil("O'Hara", "'{7}'");
    EXPECT_EQ(Lista().size(), 1);
}

TEST_F(EmpresaTest, FirstOpeningProvisionsTheDatabaseAndLaterOnesChangeNothing) {
    Perfil("Administrador", "'{}'");
    Lista();
    EXPECT_EQ(Cuenta("select (select count(*) from staff_porcentaje) + (select count(*) from "
                     "staffing) + (select count(*) from staff_grupo) + (select count(*) from "
                     "staff_reporte where sueldoOriginal + sueldoReal > 0) + (select count(*) from "
                     "staff_pronostico)"),
              0);
    EXPECT_EQ(prueba::Columna("select opcion from opciones where sistema='ST' order by opcion"),
              (QStringList{"A1", "A2", "A3", "B1", "B2", "B3", "C1", "C2", "C3", "C4", "D1"}));
    EXPECT_EQ(prueba::Columna("select usuario from perfil_usuarios pu, perfiles p where "
                              "pu.idperfil=p.idperfil and p.descripcion='Administrador de "
                              "Staffing'"),
              QStringList{"Administrador"});
    const QString cuentas =
        "select (select count(*) from sistema) * 10000 + (select count(*) "
        "from funciones) * 1000 + (select count(*) from perfil_funcion) * 10 "
        "+ (select count(*) from perfiles where sistema='ST')";
    EXPECT_EQ(Cuenta(cuentas), 1 * 10000 + 4 * 1000 + 11 * 10 + 2);
    Lista();
    EXPECT_EQ(Cuenta(cuentas), 1 * 10000 + 4 * 1000 + 11 * 10 + 2);
}

TEST_F(EmpresaTest, AcceptStoresTheKeyAndOpensTheMainWindowOnThatCompany) {
    Perfil("Administrador", "'{}'");
    Lista();
    m_f->arrayEmpresa->GoTo(2);
    m_f->btnAceptarClick(m_f->btnAceptar);
    EXPECT_TRUE(m_f->IsClosed());
    EXPECT_EQ(LeeIni("VARIABLES", "Empresa"), "7");
    TInicio* const inicio = Application().FindForm<TInicio>();
    ASSERT_NE(inicio, nullptr);
    EXPECT_EQ(inicio->Empresa, "       7");
    EXPECT_EQ(inicio->cText().trimmed(), "STAFFING -- Hospital Central");
}

TEST_F(EmpresaTest, WithNobodySignedInTheLoginComesBackAndNothingIsProvisioned) {
    AppData().AddData(QStringLiteral("UsuarioGet"), QString());
    Lista();
    EXPECT_TRUE(m_f->IsClosed());
    EXPECT_NE(Application().FindForm<TLogin>(), nullptr);
    EXPECT_EQ(Cuenta("select count(*) from sistema"), 0);
}
