// The percentage form driven as a planner drives it: choosing plan, centre and group, adding,
// editing, deleting and moving position entries, with the messages in their order and the
// effects read back from the database.
#include "catalogs/BusTabulador.h"
#include "planning/frmCambio.h"
#include "planning/frmPuestos.h"
#include "tests/planning/PlaneacionPrueba.h"
#include "ui/TestSeam.h"

using namespace plan;

namespace {

class PuestosTest : public PlaneacionTest {
  protected:
    // Entries as "plan group centre code v5 v35 v100".
    static QStringList Porcentajes() {
        return Filas(
            "select idStaffing, idgrupo, centro, ocupacion, v5, v35, v100 from staff_porcentaje "
            "order by idStaffing, idgrupo, centro, ocupacion",
            7);
    }
};

}  // namespace

TEST_F(PuestosTest, CompleteChoiceLoadsTheGridAndASelectedRowFillsThePanel) {
    Entrada("staff_porcentaje", 1, 1, kAdm, 101, Veinte(1));
    Entrada("staff_porcentaje", 1, 1, kAdm, 102, Veinte(30));
    Entrada("staff_porcentaje", 1, 2, kAdm, 103, Veinte(5));  // another group
    Entrada("staff_porcentaje", 1, 1, kAdm, 999, Veinte(5));  // not in the tabulator
    ui::ScriptedMessages msgs;
    auto f = Abre<TPuestos>();
    EXPECT_FALSE(f->grpDatos->lEnabled());
    EXPECT_EQ(f->cmbStaffing->aItems(), (QStringList{"1 - Base", "2 - Mantenimiento - Turno B"}));

    // Plan and group without a centre leave the grid as it was.
    Elige(f->cmbStaffing, "1 -");
    Elige(f->cmbGrupo, "1 -");
    EXPECT_EQ(f->arrayStaffing->nLen(), 0);
    Elige(f->cmbCentroCostos, "ADM01");
    ASSERT_EQ(f->arrayStaffing->nLen(), 2);
    EXPECT_EQ(f->arrayStaffing->aArrayData().at(0).mid(0, 4),
              (QStringList{"101", "Gerente", "1", "2"}));
    EXPECT_EQ(f->arrayStaffing->aArrayData().at(1).size(), 22);
    EXPECT_EQ(f->arrayStaffing->aArrayData().at(1).last(), "49");
    EXPECT_FALSE(f->grpDatos->lEnabled()) << "loading the grid selects nothing into the panel";

    f->arrayStaffing->GoTo(2);
    EXPECT_TRUE(f->grpDatos->lEnabled());
    EXPECT_EQ(f->txtId->Value(), "102");
    EXPECT_EQ(f->txtidPuesto->Value(), "102");
    EXPECT_EQ(f->txtNombrePuesto->Value(), "Cajero");
    EXPECT_EQ(f->txt5->Value(), "30");
    EXPECT_EQ(f->txt100->Value(), "49");

    f->btnNuevo->Click();
    EXPECT_EQ(f->txtId->Value(), "");
    EXPECT_EQ(f->txtidPuesto->Value(), "");
    EXPECT_EQ(f->txt60->Value(), "0");

    // A choice without entries says so and empties the grid.
    Elige(f->cmbCentroCostos, "VEN");
    EXPECT_EQ(f->arrayStaffing->nLen(), 0);
    EXPECT_EQ(msgs.texts(), QStringList{"No se han registrado puestos"});
}

TEST_F(PuestosTest, NewEntryIsStoredAsTypedAndThePanelIsReadyForTheNext) {
    Entrada("staff_porcentaje", 1, 1, kAdm, 101, Veinte(1));
    ui::ScriptedMessages msgs;
    auto f = Abre<TPuestos>();
    EligeTodo(*f, "1 -", "ADM01", "1 -");
    f->btnNuevo->Click();
    f->txtidPuesto->Value("103");
    f->txtidPuestoExit();
    EXPECT_EQ(f->txtNombrePuesto->Value(), "Chef");
    // Every box, left empty, shows 0 as the focus leaves it.
    for (TEdit* caja : f->cifras) {
        caja->Value("");
        caja->OnExit(caja, nullptr);
        EXPECT_EQ(caja->Value(), "0") << caja->objectName().toStdString();
    }
    for (int i = 0; i < 20; ++i)
        f->cifras.at(i)->Value(QString::number(20 - i));  // falling figures are fine
    f->txt35->Value("");
    f->txt35Exit(f->txt35);
    EXPECT_EQ(f->txt35->Value(), "0");
    f->btnGuardar->Click();

    EXPECT_EQ(msgs.texts(), QStringList{"Datos guardados"});
    EXPECT_EQ(Porcentajes(), (QStringList{"1 1 ADM01 101 1 7 20", "1 1 ADM01 103 20 0 1"}));
    EXPECT_EQ(f->arrayStaffing->nLen(), 2);
    EXPECT_EQ(f->txtId->Value(), "");
    EXPECT_EQ(f->txtidPuesto->Value(), "");
    EXPECT_EQ(f->txt5->Value(), "0");
}

TEST_F(PuestosTest, SavesThatWouldMisfileOrDuplicateAreRefused) {
    Entrada("staff_porcentaje", 1, 1, kAdm, 101, Veinte(1));
    const struct {
        const char* codigo;
        bool eligeCentro;
        const char* mensaje;
        const char* codigoDespues;
    } casos[] = {
        {"", true, "El puesto no existe", ""},
        {"0", true, "El puesto no existe", ""},  // what Salir of the look-up leaves
        {"555", true, "El puesto no existe", ""},
        {"101", true, "El puesto ya ha sido agregado para ese centro de costos.", "101"},
        {"102", false, "Debe indicar un staffing, centro de costos y grupo para el puesto.", "102"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.codigo);
        ui::ScriptedMessages msgs;
        auto f = Abre<TPuestos>();
        Elige(f->cmbStaffing, "1 -");
        Elige(f->cmbGrupo, "1 -");
        if (c.eligeCentro)
            Elige(f->cmbCentroCostos, "ADM01");
        msgs.clear();
        f->btnNuevo->Click();
        f->txtidPuesto->Value(c.codigo);
        f->btnGuardar->Click();
        EXPECT_EQ(msgs.texts(), QStringList{c.mensaje});
        EXPECT_EQ(f->txtidPuesto->Value(), c.codigoDespues);
        EXPECT_EQ(Porcentajes(), QStringList{"1 1 ADM01 101 1 7 20"});
        prueba::CierraFormularios();
        Ejecuta({"delete from perfil_funcion", "delete from perfil_usuarios",
                 "delete from perfiles", "delete from usuarios"});
    }
}

TEST_F(PuestosTest, EditingALoadedEntryUpdatesThatEntryAndItsCodeStaysItsKey) {
    Entrada("staff_porcentaje", 1, 1, kAdm, 101, Veinte(1));
    Entrada("staff_porcentaje", 1, 1, kAdm, 102, Veinte(30));
    ui::ScriptedMessages msgs;
    auto f = Abre<TPuestos>();
    EligeTodo(*f, "1 -", "ADM01", "1 -");
    f->arrayStaffing->GoTo(2);
    EXPECT_TRUE(f->txtidPuesto->isReadOnly());
    EXPECT_FALSE(f->btnBusPuesto->lEnabled());
    f->txt35->Value("4");
    f->btnGuardar->Click();
    EXPECT_EQ(Porcentajes(), (QStringList{"1 1 ADM01 101 1 7 20", "1 1 ADM01 102 30 4 49"}));
    EXPECT_EQ(f->arrayStaffing->Bookmark(), 2);

    // Another code in the box (the box refuses typing; set from code here) writes nothing.
    f->arrayStaffing->GoTo(2);
    f->txtidPuesto->Value("101");
    f->txt100->Value("0");
    f->btnGuardar->Click();
    EXPECT_EQ(Porcentajes(), (QStringList{"1 1 ADM01 101 1 7 20", "1 1 ADM01 102 30 4 49"}));
    EXPECT_EQ(msgs.texts(), (QStringList{"Datos guardados", planeacion::mensajes::kClaveCambiada}));
}

TEST_F(PuestosTest, DeletingAsksFirstAndReportsAfterReloading) {
    Entrada("staff_porcentaje", 1, 1, kAdm, 101, Veinte(1));
    Entrada("staff_porcentaje", 1, 2, kAdm, 101, Veinte(2));  // same position, other group
    ui::ScriptedMessages msgs;
    auto f = Abre<TPuestos>();
    EligeTodo(*f, "1 -", "ADM01", "1 -");
    f->arrayStaffing->GoTo(1);
    msgs.answer(false);
    f->btnEliminar->Click();
    EXPECT_EQ(Porcentajes().size(), 2);

    msgs.answer(true);
    f->btnEliminar->Click();
    EXPECT_EQ(msgs.texts(), (QStringList{"¿Seguro que desea eliminar el Puesto Gerente?",
                                         "¿Seguro que desea eliminar el Puesto Gerente?",
                                         "No se han registrado puestos", "Puesto Eliminado"}));
    EXPECT_EQ(Porcentajes(), QStringList{"1 2 ADM01 101 2 8 21"});
    EXPECT_EQ(f->txtId->Value(), "") << "the panel no longer holds the deleted entry";
    EXPECT_FALSE(f->grpDatos->lEnabled());
    EXPECT_FALSE(msgs.unexpectedQuestion());

    // "Guardar" then stores nothing and says so.
    msgs.clear();
    f->btnGuardar->Click();
    EXPECT_EQ(msgs.texts(), QStringList{planeacion::mensajes::kNadaQueGuardar});
    EXPECT_EQ(Porcentajes(), QStringList{"1 2 ADM01 101 2 8 21"});
}

TEST_F(PuestosTest, PermissionsGuardTheButtonsAndTheDoubleClick) {
    Entrada("staff_porcentaje", 1, 1, kAdm, 101, Veinte(1));
    ui::ScriptedMessages msgs;
    {
        auto f = Abre<TPuestos>({"C4"});
        EXPECT_FALSE(f->btnNuevo->lEnabled());
        EXPECT_FALSE(f->btnGuardar->lEnabled());
        EXPECT_FALSE(f->btnEliminar->lEnabled());
        EligeTodo(*f, "1 -", "ADM01", "1 -");
        ui::ModalRunnerScope modal;
        f->arrayStaffing->DblClick(1);
        EXPECT_EQ(modal.captions(), QStringList{"Modificar"});

        // A grant given meanwhile counts from the next exit of the code box.
        Ejecuta({"insert into perfil_funcion select 'C', 'C1', idperfil from perfiles"});
        f->txtidPuesto->Value("101");
        f->txtidPuestoExit();
        EXPECT_TRUE(f->btnNuevo->lEnabled());
    }
    Ejecuta({"delete from perfil_funcion", "delete from perfil_usuarios", "delete from perfiles",
             "delete from usuarios"});
    auto f = Abre<TPuestos>({"C1", "C2", "C3"});
    EXPECT_TRUE(f->btnGuardar->lEnabled());
    EligeTodo(*f, "1 -", "ADM01", "1 -");
    ui::ModalRunnerScope modal;
    f->arrayStaffing->DblClick(1);
    f->arrayStaffingDblClick();
    EXPECT_EQ(modal.count(), 0);
}

TEST_F(PuestosTest, DoubleClickMovesTheEntryAndCentresWithAQuoteOrAHyphenWorkThroughout) {
    Entrada("staff_porcentaje", 1, 1, kComillas, 101, Veinte(1));
    Ejecuta({"insert into centros values (1, 'ADM-01', 'Almacén - Norte')"});
    ui::ScriptedMessages msgs;
    auto f = Abre<TPuestos>();
    EligeTodo(*f, "1 -", "CO'B", "1 -");
    EXPECT_EQ(f->txtidCC->Value(), "CO'B");
    ASSERT_EQ(f->arrayStaffing->nLen(), 1);

    f->btnNuevo->Click();
    f->txtidPuesto->Value("102");
    f->btnGuardar->Click();
    EXPECT_EQ(Porcentajes(), (QStringList{"1 1 CO'B 101 1 7 20", "1 1 CO'B 102 0 0 0"}));

    {
        ui::ModalRunnerScope modal([](TForm& form) {
            auto& cambio = dynamic_cast<TCambio&>(form);
            EXPECT_EQ(cambio.txtidCC->Value(), "CO'B");
            EXPECT_EQ(cambio.puesto, "101");
            Elige(cambio.cmbCentroCostos, "ADM-01");
            EXPECT_EQ(cambio.txtidCC->Value(), "ADM-01");
            EXPECT_EQ(cambio.txtNombreCC->text(), " Almacén - Norte");
            Elige(cambio.cmbGrupo, "2 -");
            cambio.btnGuardar->Click();
        });
        f->arrayStaffing->DblClick(1);
        EXPECT_EQ(modal.count(), 1);
    }
    EXPECT_EQ(Porcentajes(), (QStringList{"1 1 CO'B 102 0 0 0", "1 2 ADM-01 101 1 7 20"}));
    EXPECT_EQ(f->arrayStaffing->nLen(), 1) << "the moved entry left the current choice";
    EXPECT_EQ(msgs.texts().mid(1), QStringList{"Datos Guardados"});

    // Found again under the hyphenated code, and moved back from there.
    Elige(f->cmbGrupo, "2 -");
    Elige(f->cmbCentroCostos, "ADM-01");
    ASSERT_EQ(f->arrayStaffing->nLen(), 1);
    EXPECT_EQ(f->arrayStaffing->aArrayData().at(0).at(3), "2");
    ui::ModalRunnerScope modal([](TForm& form) {
        auto& cambio = dynamic_cast<TCambio&>(form);
        Elige(cambio.cmbCentroCostos, "VEN");
        cambio.btnGuardar->Click();
    });
    f->arrayStaffing->DblClick(1);
    EXPECT_EQ(Porcentajes(), (QStringList{"1 1 CO'B 102 0 0 0", "1 2 VEN 101 1 7 20"}));

    // Nothing to move on an empty grid.
    f->arrayStaffingDblClick();
    EXPECT_EQ(modal.count(), 1);
}

TEST_F(PuestosTest, MagnifierFillsCodeAndNameAndItsSalirLeavesACodeThatCannotBeSaved) {
    EscribeIni("VARIABLES", "Empresa", "1");
    ui::ScriptedMessages msgs;
    auto f = Abre<TPuestos>();
    EligeTodo(*f, "1 -", "ADM01", "1 -");
    f->btnNuevo->Click();
    {
        ui::ModalRunnerScope modal([](TForm& form) {
            auto& busqueda = dynamic_cast<TCatTabulador&>(form);
            busqueda.arrayPlantillas->GoTo(3);
            busqueda.arrayPlantillas->DblClick(3);
        });
        f->btnBusPuesto->Click();
        EXPECT_EQ(modal.captions(), QStringList{"Puestos"});
    }
    EXPECT_EQ(f->txtidPuesto->Value(), "103");
    EXPECT_EQ(f->txtNombrePuesto->Value(), "Chef");
    {
        ui::ModalRunnerScope modal(
            [](TForm& form) { dynamic_cast<TCatTabulador&>(form).btnSalir->Click(); });
        f->btnBusPuesto->Click();
    }
    EXPECT_EQ(f->txtidPuesto->Value(), "0");
    EXPECT_EQ(f->txtNombrePuesto->Value(), "");
    f->btnGuardar->Click();
    EXPECT_EQ(msgs.texts(), (QStringList{"No se han registrado puestos", "El puesto no existe"}));
    EXPECT_TRUE(Porcentajes().isEmpty());
}

TEST_F(PuestosTest, BoxesThatReachSqlTakeDigitsOnlyAndStoredFiguresBeyondTheRuleAreNamed) {
    Entrada("staff_porcentaje", 1, 1, kAdm, 101,
            "1234567, -3, " + Veinte(1).section(',', 2));  // written by another program
    ui::ScriptedMessages msgs;
    auto f = Abre<TPuestos>();
    EligeTodo(*f, "1 -", "ADM01", "1 -");
    f->arrayStaffing->GoTo(1);
    EXPECT_EQ(f->txt5->Value(), "1234567") << "a stored figure shows whole";
    const auto tecleaHostiles = [](TEdit* caja, int cabe) {
        SCOPED_TRACE(caja->objectName().toStdString());
        const QString antes = caja->Value();
        for (const QString& hostil :
             {QStringLiteral("1' or '1'='1"), QStringLiteral("1\n2"), QStringLiteral("2\u00002"),
              QStringLiteral("€"), QStringLiteral("-1")}) {
            caja->setCursorPosition(caja->Value().size());
            caja->insert(hostil);
            EXPECT_EQ(caja->Value(), antes) << hostil.toStdString();
        }
        // 5,000 digits typed one by one: the box keeps what its column holds.
        caja->clear();
        for (int i = 0; i < 5000; ++i)
            caja->insert(QStringLiteral("7"));
        EXPECT_EQ(caja->Value().size(), cabe);
    };
    tecleaHostiles(f->txt50, 5);  // 0 to 99,999 places
    f->btnGuardar->Click();
    EXPECT_EQ(msgs.texts(), QStringList{planeacion::mensajes::kCifraFuera.arg("1234567, -3")});
    EXPECT_EQ(Filas("select v5, v10, v50 from staff_porcentaje", 3), QStringList{"1234567 -3 10"});

    f->txt5->Value("5");
    f->txt10->Value("0");
    f->btnGuardar->Click();
    EXPECT_EQ(Filas("select v5, v10, v50 from staff_porcentaje", 3), QStringList{"5 0 77777"});
    EXPECT_EQ(msgs.texts().last(), "Datos guardados");

    f->btnNuevo->Click();
    tecleaHostiles(f->txtidPuesto, 10);
}
