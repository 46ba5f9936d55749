// The shell's statements, taken from their one home (app/ConsultasApp), on a copy of the
// test database with a small payroll: what they find and what they leave behind.
#include "app/ConsultasApp.h"
#include "security/CLSUSUARIO.h"
#include "tests/support/BaseDePrueba.h"
#include "tests/support/PayrollRows.h"

#include <QDir>

using prueba::Columna;
using prueba::Ejecuta;
using prueba::Valor;

namespace {

class ConsultasTest : public prueba::BaseUsuariosTest {
  protected:
    void SetUp() override {
        BaseUsuariosTest::SetUp();
        Ejecuta({QString::fromUtf8(kPayrollRows),
                 "Insert into usuarios values ('Administrador','Admin','jjm', getdate() + 30)"});
    }
    // The first use of the chooser: the system and the administrator's profile, in order.
    static void Registra() {
        ASSERT_TRUE(Columna(consultas::SistemaRegistrado()).isEmpty());
        Ejecuta(consultas::RegistroDelSistema());
        const ado::Value id = Valor(consultas::PerfilAdministrador());
        ASSERT_FALSE(id.isNull());
        Ejecuta({consultas::AsignaPerfilAdministrador(id.rightAligned(7)),
                 consultas::PermisosDelPerfilAdministrador(id.rightAligned(7))});
    }
    static bool TienePermiso(const QString& usuario, const QString& funcion,
                             const QString& opcion) {
        clsUsuario u;
        u.SetUsuario(usuario);
        return u.TienePermiso("ST", funcion, opcion);
    }
};

}  // namespace

TEST_F(ConsultasTest, RegistrationGrantsEveryOptionToTheAdministrator) {
    Registra();
    EXPECT_EQ(Columna(consultas::SistemaRegistrado()), QStringList{"ST"});
    EXPECT_EQ(Valor("select count(*) from perfil_funcion").toInt(), 11);
    EXPECT_EQ(Valor("select count(*) from funciones").toInt(), 4);
    EXPECT_EQ(Columna(consultas::OpcionesDeFuncion("A")), (QStringList{"A1", "A2", "A3"}));
    EXPECT_EQ(Columna(consultas::OpcionesDeFuncion("C")).size(), 4);
    EXPECT_TRUE(TienePermiso("Administrador", "C", "C4"));
    EXPECT_TRUE(TienePermiso("ADMINISTRADOR", "D", "D1"));   // names ignore letter case
    EXPECT_FALSE(TienePermiso("Administrador", "D", "C4"));  // the grant's letter must match
    EXPECT_FALSE(TienePermiso("Otro", "A", "A1"));
}

TEST_F(ConsultasTest, ChooserListsTheCompaniesOfTheProfile) {
    Registra();
    EXPECT_EQ(Valor(consultas::PerfilEmpresas("Administrador")).trimmed(), "{}");
    EXPECT_TRUE(Columna(consultas::PerfilEmpresas("Otro")).isEmpty());
    const auto lista = [](const char* texto) { return InterpretaListaEmpresas(ado::Value(texto)); };
    EXPECT_EQ(Columna(consultas::EmpresasElegibles(lista("{}"))), (QStringList{"5", "7"}));
    EXPECT_EQ(Columna(consultas::EmpresasElegibles(lista("{ 3 ,7}"))), QStringList{"7"});
    EXPECT_TRUE(Columna(consultas::EmpresasElegibles(lista("{9}"))).isEmpty());
}

TEST_F(ConsultasTest, CompaniesShowTheirReferenceElseTheirName) {
    clsConexion cnx;
    ado::Recordset rs;
    rs.Open(consultas::CatalogoEmpresas(InterpretaListaEmpresas(ado::Value("{}"))), cnx.Conexion());
    QStringList vistos;
    for (; !rs.Eof(); rs.MoveNext())
        vistos << consultas::NombreVisible(rs.Fields(4).Value, rs.Fields(1).Value) + '|' +
                      rs.Fields(3).Value.trimmed();
    EXPECT_EQ(vistos, (QStringList{"Hotel Central|HCE010101AAA", "Norte|CNO020202BBB"}));
    // An empty reference is a reference: only NULL falls back to the name.
    EXPECT_EQ(consultas::NombreVisible(ado::Value(""), ado::Value("Hotel")), "");
    EXPECT_EQ(Valor(consultas::NombreDeEmpresa("       7")), ado::Value("Clinica Norte"));
    EXPECT_EQ(Columna(consultas::PruebaNomina()).size(), 2);
}

TEST_F(ConsultasTest, SettingsFormFindsThePayrollDatabasesOfTheServer) {
    prueba::ConfiguraMotor("master");
    // More databases than the embedded engine attaches at once: every one is still probed.
    for (int i = 0; i < 15; ++i)
        Ejecuta({QStringLiteral("CREATE DATABASE empresa%1").arg(i)});
    QStringList conNomina;
    const QStringList bases = Columna(consultas::BasesDelServidor());
    EXPECT_EQ(bases.size(), 17) << bases.join(',').toStdString();
    for (const QString& base : bases)
        if (!Columna(consultas::BaseTieneCapaLugar(base)).isEmpty())
            conNomina << base;
    EXPECT_EQ(conNomina, QStringList{prueba::kBase});
}
