// The transfer dialog on its own: preselection from the opener's texts, the refusals, the
// move and the refusal of a target that already holds the position.
#include "planning/frmCambio.h"
#include "tests/planning/PlaneacionPrueba.h"
#include "ui/TestSeam.h"

using namespace plan;

namespace {

class CambioTest : public PlaneacionTest {
  protected:
    std::unique_ptr<TCambio> Cambio(const QString& staffing, const QString& cc,
                                    const QString& grupo, const QString& puesto = "101") {
        return TForm::NewModal<TCambio>(nullptr, [&](TCambio& f) {
            f.CNX = std::make_shared<clsConexion>();
            f.Empresa = kEmpresa;
            f.staffing = staffing;
            f.cc = cc;
            f.grupo = grupo;
            f.puesto = puesto;
        });
    }
    static QStringList Porcentajes() {
        return Filas(
            "select idStaffing, idgrupo, centro, ocupacion, v5 from staff_porcentaje order by "
            "idStaffing, idgrupo, centro, ocupacion",
            5);
    }
};

}  // namespace

TEST_F(CambioTest, ListsArePreselectedFromTheOpenersTexts) {
    const struct {
        QString staffing, cc, grupo;
        QString claves;  // plan | centre | group after initialisation
    } casos[] = {
        {"1 - Base", "ADM01 - Administración", "2 - Administración", "1|ADM01|2"},
        {"2 - MANTENIMIENTO - turno b", "  ven - Ventas   ", " 1 - Operación ", "2|VEN|1"},
        {"9 - Ninguno", "CO'B - Cocina O'Brien", "", "|CO'B|"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.claves.toStdString());
        auto f = Cambio(c.staffing, c.cc, c.grupo);
        EXPECT_EQ(f->cText(), "Modificar");
        EXPECT_EQ(f->oGroupBox4->cText(), "1.- Staffing");
        EXPECT_EQ(
            f->txtidStaffing->Value() + "|" + f->txtidCC->Value() + "|" + f->txtidGRupo->Value(),
            c.claves);
    }
    auto f = Cambio("2 - Mantenimiento - Turno B", "VEN - Ventas   ", "1 - Operación");
    EXPECT_EQ(f->txtNombreStaffing->text(), " Mantenimiento - Turno B");
    EXPECT_EQ(f->txtNombreCC->text(), " Ventas   ");
}

TEST_F(CambioTest, GuardarMovesTheEntryOrRefusesWithoutChangingAnything) {
    Entrada("staff_porcentaje", 1, 1, kAdm, 101, Veinte(1));
    Entrada("staff_porcentaje", 1, 2, kAdm, 101, Veinte(2));
    ui::ScriptedMessages msgs;

    // No target plan: refused, nothing changes, the dialog stays open.
    auto f = Cambio("7 - Borrado", "ADM01 - Administración", "1 - Operación");
    f->btnGuardar->Click();
    EXPECT_FALSE(f->IsClosed());
    EXPECT_EQ(msgs.texts(),
              QStringList{"Debe indicar un staffing, centro de costos y grupo para el puesto."});

    // The same choice again moves nothing, says so, and leaves the dialog open.
    msgs.clear();
    f = Cambio("1 - Base", "ADM01 - Administración", "1 - Operación");
    f->btnGuardar->Click();
    EXPECT_FALSE(f->IsClosed());
    EXPECT_EQ(msgs.texts(), QStringList{planeacion::mensajes::kMismoDestino});
    EXPECT_EQ(Porcentajes(), (QStringList{"1 1 ADM01 101 1", "1 2 ADM01 101 2"}));

    // Salir changes nothing.
    f = Cambio("1 - Base", "ADM01 - Administración", "1 - Operación");
    Elige(f->cmbCentroCostos, "VEN");
    f->btnSalir->Click();
    EXPECT_EQ(Porcentajes(), (QStringList{"1 1 ADM01 101 1", "1 2 ADM01 101 2"}));

    // A target that already holds the position: refused in Spanish before any statement, no
    // success claimed, both entries stay, and another target can still be chosen.
    msgs.clear();
    f = Cambio("1 - Base", "ADM01 - Administración", "1 - Operación");
    Elige(f->cmbGrupo, "2 -");
    f->btnGuardar->Click();
    EXPECT_EQ(msgs.texts(), QStringList{"El puesto ya existe en el destino; no se movió."});
    EXPECT_FALSE(f->IsClosed());
    EXPECT_EQ(Porcentajes(), (QStringList{"1 1 ADM01 101 1", "1 2 ADM01 101 2"}));

    // Another centre: moved with its figures.
    f = Cambio("1 - Base", "ADM01 - Administración", "2 - Administración");
    Elige(f->cmbCentroCostos, "VEN");
    f->btnGuardar->Click();
    EXPECT_EQ(Porcentajes(), (QStringList{"1 1 ADM01 101 1", "1 2 VEN 101 2"}));
}
