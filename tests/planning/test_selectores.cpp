// The selector component: items, the hyphen rule, empty catalogues, and the check-box rules
// that the reports form uses.
#include "ado/Value.h"
#include "planning/Selectores.h"
#include "tests/planning/PlaneacionPrueba.h"
#include "ui/TestSeam.h"

using namespace plan;

namespace {

// A form carrying the selectors as the reports form does.
class TConCasillas : public TForm, public SelectoresPlaneacion {
  public:
    explicit TConCasillas(TForm* parent = nullptr) : TForm(parent) {}

  protected:
    void CreateForm() override {
        TForm::CreateForm();
        CreaSelectores(this, this, Estilo::Reportes, {8, 30}, {8, 140}, {8, 250});
        OnInitialize = [this](TForm*) {
            CargaGrupos();
            CargaDepartamento();
            CargaStaffing();
        };
    }
};

using SelectoresTest = PlaneacionTest;

}  // namespace

TEST(ItemSelectorTest, KeysAndNamesOfItems) {
    EXPECT_EQ(ItemSelector(ado::Value(5), ado::Value("Ventas"), true), "        5 - Ventas");
    EXPECT_EQ(ItemSelector(ado::Value(std::int64_t{12345678901}), ado::Value("Ancho"), true),
              "12345678901 - Ancho");
    EXPECT_EQ(ItemSelector(ado::Value(7), ado::Value(), true), "        7 - ");
    EXPECT_EQ(ItemSelector(ado::Value(" ADM01 "), ado::Value("Admón "), false), "ADM01 - Admón ");

    const struct {
        QString item, clave, nombre;
    } partes[] = {
        {"7 - Mantenimiento - Turno B", "7", " Mantenimiento - Turno B"},
        {"ADM01 - Administración   ", "ADM01", " Administración   "},
        {"Sin guion", "", "Sin guion"},
        {"", "", ""},
        {"12345678901 - Ancho", "12345678901", " Ancho"},
    };
    for (const auto& p : partes) {
        EXPECT_EQ(PartesDe(p.item).clave, p.clave) << p.item.toStdString();
        EXPECT_EQ(PartesDe(p.item).nombre, p.nombre) << p.item.toStdString();
    }
}

TEST_F(SelectoresTest, ListsHoldTheCompanysCatalogueAndChoicesFillKeyAndName) {
    auto f = TForm::NewModal<TConCasillas>(nullptr, [](TConCasillas& f) {
        f.CNX = std::make_shared<clsConexion>();
        f.Empresa = kEmpresa;
    });
    EXPECT_EQ(f->cmbCentroCostos->aItems(),
              (QStringList{"ADM01 - Administración", "CO'B - Cocina O'Brien", "VEN - Ventas   "}));
    EXPECT_EQ(f->cmbGrupo->aItems(), (QStringList{"1 - Operación", "2 - Administración"}));
    EXPECT_EQ(f->cmbStaffing->cText(), "");
    Elige(f->cmbCentroCostos, "VEN");
    EXPECT_EQ(f->txtidCC->Value(), "VEN");
    EXPECT_EQ(f->txtNombreCC->text(), " Ventas   ");

    // Another company without cost centres: an empty list, no message.
    ui::ScriptedMessages msgs;
    Ejecuta({"delete from centros where empresa = 2"});
    auto otra = TForm::NewModal<TConCasillas>(nullptr, [](TConCasillas& f) {
        f.CNX = std::make_shared<clsConexion>();
        f.Empresa = QStringLiteral("       2");
    });
    EXPECT_TRUE(otra->cmbCentroCostos->aItems().isEmpty());
    EXPECT_EQ(otra->cmbStaffing->aItems(), QStringList{"3 - Otra"});
    EXPECT_EQ(msgs.count(), 0);
}

TEST_F(SelectoresTest, CheckBoxesOpenTheFramesAndUncheckingForgetsTheKey) {
    auto f = TForm::NewModal<TConCasillas>(nullptr, [](TConCasillas& f) {
        f.CNX = std::make_shared<clsConexion>();
        f.Empresa = kEmpresa;
    });
    EXPECT_EQ(f->chkGrupo->cText(), "Por Grupo");
    EXPECT_EQ(f->grpGrupo->cText(), "Grupo");
    EXPECT_FALSE(f->grpGrupo->lEnabled());
    EXPECT_FALSE(f->chkGrupo->lChecked());

    f->chkGrupo->Click();
    EXPECT_TRUE(f->grpGrupo->lEnabled());
    Elige(f->cmbGrupo, "2 -");
    EXPECT_EQ(f->txtidGRupo->Value(), "2");

    f->chkGrupo->Click();
    EXPECT_FALSE(f->grpGrupo->lEnabled());
    EXPECT_EQ(f->txtidGRupo->Value(), "");
    EXPECT_EQ(f->txtNombreGrupo->Value(), "");
    EXPECT_EQ(f->cmbGrupo->cText(), "2 - Administración") << "the list keeps its item";

    f->chkGrupo->Click();
    EXPECT_EQ(f->txtidGRupo->Value(), "") << "until a group is chosen again";
    Elige(f->cmbGrupo, "1 -");
    EXPECT_EQ(f->txtidGRupo->Value(), "1");
    EXPECT_FALSE(f->grpStaffing->lEnabled()) << "each box acts on its own frame";
}
