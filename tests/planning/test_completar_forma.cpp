// "Completar" in both planning forms: the boxes show the filled row at once, and nothing
// reaches the database before "Guardar". With OXTA_SCREENSHOTS=<folder> the form is saved
// there after the fill.
#include "planning/frmMes.h"
#include "planning/frmPuestos.h"
#include "tests/planning/PlaneacionPrueba.h"
#include "ui/TestSeam.h"

#include <QCoreApplication>
#include <QDir>

using namespace plan;

namespace {

using CompletarFormaTest = PlaneacionTest;

template <class F>
QStringList Cajas(const F& f) {
    QStringList l;
    for (int i = 0; i < f.nCifras(); ++i)
        l << f.cifras.at(i)->Value();
    return l;
}

TEST_F(CompletarFormaTest, EnPorcentajeLlenaLasCajasYSoloGuardarEscribe) {
    ui::ScriptedMessages msgs;
    auto p = Abre<TPuestos>();
    EligeTodo(*p, "1 -", "ADM01", "1 -");
    p->btnNuevo->Click();
    p->txtidPuesto->Value("103");
    p->txtidPuestoExit();
    p->cifras.at(0)->Value("2");
    p->cifras.at(19)->Value("10");
    p->btnCompletar->Click();
    EXPECT_EQ(Cajas(*p), (QStringList{"2", "3", "3", "4", "4", "5", "5", "5",  "6",  "6",
                                      "7", "7", "8", "8", "8", "9", "9", "10", "10", "10"}));
    const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS");
    if (!carpeta.isEmpty()) {
        p->Show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(p->grab().save(QDir(carpeta).filePath("completar.png")));
    }
    EXPECT_EQ(Filas("select count(*) from staff_porcentaje", 1), QStringList{"0"});
    p->btnGuardar->Click();
    EXPECT_EQ(Filas("select v10, v95 from staff_porcentaje where ocupacion=103", 2),
              QStringList{"3 10"});
}

TEST_F(CompletarFormaTest, EnMesCadaMesPasaALosSiguientes) {
    ui::ScriptedMessages msgs;
    auto m = Abre<TMes>();
    EligeTodo(*m, "1 -", "ADM01", "1 -");
    m->btnNuevo->Click();
    m->cifras.at(2)->Value("5");
    m->cifras.at(6)->Value("8");
    m->btnCompletar->Click();
    EXPECT_EQ(Cajas(*m), (QStringList{"0", "0", "5", "5", "5", "5", "8", "8", "8", "8", "8", "8"}));
    EXPECT_EQ(Filas("select count(*) from staff_mes", 1), QStringList{"0"});
}

}  // namespace
