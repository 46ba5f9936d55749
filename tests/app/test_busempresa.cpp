// The company search dialog: what it lists and what it returns.
#include "app/BusEmpresa.h"
#include "tests/app/test_empresa_base.h"

namespace {

class BusEmpresaTest : public staffing::StaffingTest {
  protected:
    std::unique_ptr<TBusEmpresa> Abre() {
        auto cnx = std::make_shared<clsConexion>();
        return TForm::NewModal<TBusEmpresa>(nullptr, [&](TBusEmpresa& f) { f.CNX = cnx; });
    }
};

}  // namespace

TEST_F(BusEmpresaTest, RowsShowKeyNameRegistrationAndTaxNumber) {
    Empresa(7, "Hospital Central", {}, "'  Y123  '", "'HCE010101AAA '");
    Empresa(8, "Hotel del Sol", "Sol");
    Empresa(9, "Clinica Norte", "");
    const auto f = Abre();
    const TArrayBrowse::Rows filas = f->arrayEmpresas->aArrayData();
    ASSERT_EQ(filas.size(), 3);
    EXPECT_EQ(filas[0][0], QStringLiteral("        7"));
    EXPECT_EQ(filas[0][1], QStringLiteral("Hospital Central").leftJustified(30, ' '));
    EXPECT_EQ(filas[0][2], QStringLiteral("Y123"));
    EXPECT_EQ(filas[0][3], QStringLiteral("HCE010101AAA"));
    // A short name wins over the name, even an empty one; NULL numbers show empty.
    EXPECT_EQ(filas[1], (QStringList{"        8", "Sol", "", ""}));
    EXPECT_EQ(filas[2], (QStringList{"        9", "", "", ""}));
}

TEST_F(BusEmpresaTest, AcceptAndDoubleClickReturnTheKeyOfTheRow) {
    Empresa(3, "Hotel del Sol");
    Empresa(7, "Hospital Central");
    auto f = Abre();
    f->arrayEmpresas->GoTo(2);
    f->btnAceptarClick(f->btnAceptar);
    EXPECT_EQ(f->vEmpresa, f->arrayEmpresas->aArrayData()[1][0]);
    EXPECT_TRUE(f->IsClosed());

    f = Abre();
    f->arrayEmpresas->DblClick(1);
    EXPECT_EQ(f->vEmpresa, f->arrayEmpresas->aArrayData()[0][0]);
    EXPECT_EQ(f->vEmpresa.size(), 9);
    EXPECT_TRUE(f->IsClosed());
}

TEST_F(BusEmpresaTest, FilteredRowIsTheOneReturned) {
    Empresa(3, "Hotel del Sol");
    Empresa(7, "Hospital Central");
    const auto f = Abre();
    f->arrayEmpresas->SetFilter(2, QStringLiteral("Hospital"));
    f->btnAceptarClick(f->btnAceptar);
    EXPECT_EQ(f->vEmpresa, QStringLiteral("        7"));
}

TEST_F(BusEmpresaTest, EmptyListReturnsNothing) {
    const auto f = Abre();
    f->btnAceptarClick(f->btnAceptar);
    EXPECT_TRUE(f->vEmpresa.isEmpty());
    EXPECT_TRUE(f->IsClosed());
}
