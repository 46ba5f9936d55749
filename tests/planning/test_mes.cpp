// The month form: what it shares with the percentage form runs on the same code and is tested
// there; these cases cover what differs (twelve months, table staff_mes, the panel after a
// save, the grid headers) and that the two tables never touch each other's entries.
#include "planning/frmCambio.h"
#include "planning/frmMes.h"
#include "tests/planning/PlaneacionPrueba.h"
#include "ui/TestSeam.h"

using namespace plan;

namespace {

class MesTest : public PlaneacionTest {
  protected:
    // Entries as "plan group centre code enero septiembre diciembre".
    static QStringList Meses() {
        return Filas(
            "select idStaffing, idgrupo, centro, ocupacion, enero, septiembre, diciembre from "
            "staff_mes order by idStaffing, idgrupo, centro, ocupacion",
            7);
    }
    static QStringList Porcentajes() {
        return Filas(
            "select idStaffing, idgrupo, centro, ocupacion, v5 from staff_porcentaje order by "
            "idStaffing, idgrupo, centro, ocupacion",
            5);
    }
};

}  // namespace

TEST_F(MesTest, TwelveMonthsUnderTheirOwnHeadersAndLabels) {
    Entrada("staff_mes", 1, 1, kAdm, 101, Doce(1));
    ui::ScriptedMessages msgs;
    auto f = Abre<TMes>();
    QStringList encabezados;
    for (int i = 1; i <= f->arrayStaffing->ColumnCount(); ++i)
        encabezados << f->arrayStaffing->Column(i)->cHeader();
    EXPECT_EQ(encabezados, (QStringList{"Clave", "Puesto", "Ene.", "Feb.", "Mar.", "Abr.", "May.",
                                        "Jun.", "Jul.", "Ago.", "Sept.", "Oct", "Nov.", "Dic."}));
    EXPECT_EQ(f->findChild<TLabel*>("oLabel21")->cText(), "Sep.");
    EXPECT_EQ(f->findChild<TLabel*>("oLabel4")->cText(), "Oct.");
    EXPECT_EQ(f->oLabel1240, nullptr);
    EXPECT_EQ(f->nCifras(), 12);

    EligeTodo(*f, "1 -", "ADM01", "1 -");
    ASSERT_EQ(f->arrayStaffing->nLen(), 1);
    EXPECT_EQ(f->arrayStaffing->aArrayData().at(0).size(), 14);
    f->arrayStaffing->GoTo(1);
    EXPECT_EQ(f->txtEne->Value(), "1");
    EXPECT_EQ(f->txtSep->Value(), "9");
    EXPECT_EQ(f->txtDic->Value(), "12");
}

TEST_F(MesTest, AfterASaveThePanelHoldsTheRowAtTheRememberedNumberAndASecondSaveUpdatesIt) {
    Entrada("staff_mes", 1, 1, kAdm, 102, Doce(1));
    ui::ScriptedMessages msgs;
    auto f = Abre<TMes>();
    EligeTodo(*f, "1 -", "ADM01", "1 -");
    f->btnNuevo->Click();
    f->txtidPuesto->Value("103");
    f->txtidPuestoExit();
    f->txtSep->Value("");
    f->txt45Exit(f->txtSep);  // September's box keeps the exit method of its position
    EXPECT_EQ(f->txtSep->Value(), "0");
    f->txtEne->Value("7");
    f->btnGuardar->Click();
    EXPECT_EQ(Meses(), (QStringList{"1 1 ADM01 102 1 9 12", "1 1 ADM01 103 7 0 0"}));

    // The panel shows row 1 (the number selected before, here the first), loaded.
    EXPECT_EQ(f->txtId->Value(), "102");
    EXPECT_EQ(f->txtEne->Value(), "1");
    f->txtDic->Value("30");
    f->btnGuardar->Click();
    EXPECT_EQ(Meses(), (QStringList{"1 1 ADM01 102 1 9 30", "1 1 ADM01 103 7 0 0"}));
    EXPECT_EQ(msgs.texts(), (QStringList{"Datos guardados", "Datos guardados"}));
}

TEST_F(MesTest, MonthAndPercentageEntriesOfOnePositionStayIndependent) {
    Entrada("staff_mes", 1, 1, kAdm, 101, Doce(1));
    Entrada("staff_porcentaje", 1, 1, kAdm, 101, Veinte(50));
    Entrada("staff_mes", 1, 1, kAdm, 102, Doce(20));
    ui::ScriptedMessages msgs;
    auto f = Abre<TMes>();
    EligeTodo(*f, "1 -", "ADM01", "1 -");
    f->arrayStaffing->GoTo(1);
    f->txtEne->Value("5");
    f->btnGuardar->Click();
    EXPECT_EQ(Porcentajes(), QStringList{"1 1 ADM01 101 50"});

    // Moved from the month form, the month entry moves; the percentage entry stays.
    ui::ModalRunnerScope modal([](TForm& form) {
        auto& cambio = dynamic_cast<TCambio&>(form);
        Elige(cambio.cmbStaffing, "2 -");
        cambio.btnGuardar->Click();
    });
    f->arrayStaffing->DblClick(1);
    EXPECT_EQ(Meses(), (QStringList{"1 1 ADM01 102 20 28 31", "2 1 ADM01 101 5 9 12"}));
    EXPECT_EQ(Porcentajes(), QStringList{"1 1 ADM01 101 50"});
    EXPECT_EQ(f->arrayStaffing->nLen(), 1);

    // Deleting (the statement names the table in upper case) removes the month entry only.
    f->arrayStaffing->GoTo(1);
    msgs.answer(true);
    f->btnEliminar->Click();
    EXPECT_EQ(Meses(), QStringList{"2 1 ADM01 101 5 9 12"});
    EXPECT_EQ(msgs.texts().mid(msgs.count() - 2),
              (QStringList{"No se han registrado puestos", "Puesto Eliminado"}));
}
