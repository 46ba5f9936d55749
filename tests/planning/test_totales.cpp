// The totals row under the planning grid: the sums of the rows the filter bar shows, in both
// forms, kept after a save and a delete. With OXTA_SCREENSHOTS=<folder> the percentage form
// with its totals row is saved there.
#include "planning/frmMes.h"
#include "planning/frmPuestos.h"
#include "tests/planning/PlaneacionPrueba.h"
#include "ui/TestSeam.h"

#include <QCoreApplication>
#include <QDir>

using namespace plan;

namespace {

using TotalesTest = PlaneacionTest;

// The footer's figures (after the code and the "Total" caption), the first `n`.
QStringList Pie(const TPlazas& f, int n) {
    return f.arrayStaffing->Footer().mid(2, n);
}

TEST_F(TotalesTest, SumaLasFilasQueMuestraElFiltroYSigueAGuardarYEliminar) {
    ui::ScriptedMessages msgs;
    Entrada("staff_porcentaje", 1, 1, kAdm, 101, Veinte(1));     // 1, 2, ... 20
    Entrada("staff_porcentaje", 1, 1, kAdm, 102, Veinte(10));    // 10, 11, ... 29
    Entrada("staff_porcentaje", 1, 1, kVentas, 103, Veinte(5));  // another centre
    Entrada("staff_mes", 1, 1, kAdm, 101, Doce(3));
    Entrada("staff_mes", 1, 1, kAdm, 103, Doce(100));

    auto p = Abre<TPuestos>();
    EXPECT_EQ(p->arrayStaffing->Footer().value(1), "Total");
    EXPECT_EQ(Pie(*p, 2), (QStringList{"0", "0"}));  // nothing chosen yet
    EligeTodo(*p, "1 -", "ADM01", "1 -");
    EXPECT_EQ(p->arrayStaffing->Footer().size(), 22);
    EXPECT_EQ(Pie(*p, 3), (QStringList{"11", "13", "15"}));
    EXPECT_EQ(p->arrayStaffing->Footer().last(), "49");
    p->arrayStaffing->SetFilter(2, "caj");  // Cajero alone
    EXPECT_EQ(Pie(*p, 3), (QStringList{"10", "11", "12"}));
    p->arrayStaffing->SetFilter(2, "ninguno");
    EXPECT_EQ(Pie(*p, 1), QStringList{"0"});
    p->arrayStaffing->SetFilter(2, "");

    const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS");
    if (!carpeta.isEmpty()) {
        p->Show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(p->grab().save(QDir(carpeta).filePath("planeacion_totales.png")));
    }

    p->arrayStaffing->GoTo(1);
    p->cifras.at(0)->Value("101");
    p->btnGuardar->Click();
    EXPECT_EQ(Pie(*p, 1), QStringList{"111"});
    msgs.answer(true);
    p->arrayStaffing->GoTo(2);
    p->btnEliminar->Click();
    EXPECT_EQ(Pie(*p, 1), QStringList{"101"});

    Ejecuta({"delete from perfil_funcion", "delete from perfil_usuarios", "delete from perfiles",
             "delete from usuarios"});
    auto m = Abre<TMes>();
    EligeTodo(*m, "1 -", "ADM01", "1 -");
    EXPECT_EQ(m->arrayStaffing->Footer().size(), 14);
    EXPECT_EQ(Pie(*m, 2), (QStringList{"103", "105"}));
    EXPECT_FALSE(msgs.unexpectedQuestion());
}

}  // namespace
