// The company search dialog: what it lists and what it returns.
#include "app/BusEmpresa.h"
#include "tests/app/test_empresa_base.h"

using namespace staffing;

namespace {

class BusEmpresaTest : public StaffingTest {
  protected:
    std::unique_ptr<TBusEmpresa> Abre() {
        auto cnx = std::make_shared<clsConexion>();
        return TForm::NewModal<TBusEmpresa>(nullptr, [&](TBusEmpresa& f) { f.CNX = cnx; });
    }
};

}  // namespace

TEST_F(BusEmpresaTest, RowsShowTheCompaniesAndAChoiceReturnsTheKeyAsShown) {
    Perfil("Administrador", "'{}'");
    Empresa(7, "Hospital Central", "NULL", "'  Y123  '", "'HCE010101AAA '");
    Empresa(8, "Hotel del Sol", "'Sol'");
    Empresa(9, "Clinica Norte", "''");
    auto f = Abre();
    EXPECT_EQ(f->arrayEmpresas->aArrayData(),
              (TArrayBrowse::Rows{{"        7", QString("Hospital Central").leftJustified(30),
                                   "Y123", "HCE010101AAA"},
                                  {"        8", "Sol", "", ""},
                                  {"        9", "", "", ""}}));
    f->arrayEmpresas->GoTo(2);
    f->btnAceptarClick(f->btnAceptar);
    EXPECT_EQ(f->vEmpresa, "        8");
    EXPECT_TRUE(f->IsClosed());
    f = Abre();
    f->arrayEmpresas->DblClick(3);
    EXPECT_EQ(f->vEmpresa, "        9");
    EXPECT_TRUE(f->IsClosed());
}
