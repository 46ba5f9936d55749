// A planner's session on a fresh copy of the demo database, from the main window: area C, the
// chooser, then in each planning form a position added through the magnifier, its figures
// typed and saved, another row edited, one deleted and one moved to another centre by double
// click. With OXTA_SCREENSHOTS=<folder> the README's pictures of both forms and of the
// transfer dialog are saved there.
#include "app/frmEmpresa.h"
#include "app/frmInicio.h"
#include "catalogs/BusTabulador.h"
#include "catalogs/frmTipoStaff.h"
#include "planning/frmCambio.h"
#include "planning/frmPlazas.h"
#include "tests/planning/PlaneacionPrueba.h"
#include "ui/Application.h"
#include "ui/TestSeam.h"

#include <QCoreApplication>
#include <QDir>

using namespace plan;

namespace {

class DemoPlaneacionTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        prueba::CopiaBase(prueba::kBase, TestData::Demo);
        ui::SetErrorWindowHook([this](const QString& log) { errores.push_back(log); });
        AppData().AddData(QStringLiteral("UsuarioGet"), QStringLiteral("Administrador"));
        EscribeIni("VARIABLES", "Usuario", "Administrador");
    }
    void TearDown() override {
        prueba::CierraFormularios();
        ui::SetErrorWindowHook({});
        for (const QString& log : errores)
            ADD_FAILURE() << log.toStdString();
        TempDirTest::TearDown();
    }

    static void Foto(QWidget& w, const QString& nombre) {
        QCoreApplication::processEvents();
        const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS");
        if (!carpeta.isEmpty()) {
            EXPECT_TRUE(w.grab().save(QDir(carpeta).filePath(nombre + ".png")));
        }
    }
    static int Cuenta(const QString& sql) { return static_cast<int>(prueba::Valor(sql).toInt()); }

    std::vector<QString> errores;
};

// The row of the grid whose code is `codigo` (1-based), 0 when none.
int FilaDe(const TArrayBrowse* grid, const QString& codigo) {
    for (int i = 0; i < grid->nLen(); ++i)
        if (grid->aArrayData().at(i).at(0) == codigo)
            return i + 1;
    return 0;
}

}  // namespace

TEST_F(DemoPlaneacionTest, PlannerWorksByPercentageAndByMonthFromTheMainWindow) {
    ui::ScriptedMessages msgs;
    auto* empresa = TForm::New<TEmpresa>();
    empresa->Show();
    empresa->btnAceptar->Click();
    TInicio* const inicio = Application().FindForm<TInicio>();
    ASSERT_NE(inicio, nullptr);
    const QString porcentajes = "select count(*) from staff_porcentaje";
    const QString meses = "select count(*) from staff_mes";
    const int porcentajesAntes = Cuenta(porcentajes);

    for (const bool porMes : {false, true}) {
        SCOPED_TRACE(porMes ? "mes" : "porcentaje");
        const QString tabla = porMes ? "staff_mes" : "staff_porcentaje";
        const int entradasAntes = Cuenta("select count(*) from " + tabla);
        QString movido;
        QStringList cifrasMovidas;
        ui::ModalRunnerScope modal([&](TForm& form) {
            if (auto* tipo = dynamic_cast<TSeleccionaTipo*>(&form)) {
                if (porMes)
                    tipo->optMEs->Click();
                tipo->btnAceptar->Click();
            } else if (auto* busqueda = dynamic_cast<TCatTabulador*>(&form)) {
                const int fila = FilaDe(busqueda->arrayPlantillas, "139");
                ASSERT_GT(fila, 0);
                busqueda->arrayPlantillas->DblClick(fila);
            } else if (auto* cambio = dynamic_cast<TCambio*>(&form)) {
                EXPECT_EQ(cambio->txtidCC->Value(), "1320");
                Elige(cambio->cmbCentroCostos, "1330");
                Foto(*cambio, "planeacion_cambio");
                cambio->btnGuardar->Click();
            } else if (auto* f = dynamic_cast<TPlazas*>(&form)) {
                EligeTodo(*f, "1 - Plantilla base", "1320", "2 - Alimentos");
                const int filas = f->arrayStaffing->nLen();
                ASSERT_GT(filas, 3);

                f->btnNuevo->Click();
                f->btnBusPuesto->Click();
                EXPECT_EQ(f->txtNombrePuesto->Value().isEmpty(), false);
                for (int i = 0; i < f->nCifras(); ++i)
                    f->cifras.at(i)->Value(QString::number(1 + i / 4));
                f->btnGuardar->Click();
                EXPECT_EQ(f->arrayStaffing->nLen(), filas + 1);

                f->arrayStaffing->GoTo(1);
                f->cifras.at(0)->Value("9");
                f->btnGuardar->Click();
                EXPECT_EQ(f->arrayStaffing->aArrayData().at(0).at(2), "9");

                f->arrayStaffing->GoTo(2);
                msgs.answer(true);
                f->btnEliminar->Click();
                EXPECT_EQ(f->arrayStaffing->nLen(), filas);

                f->arrayStaffing->GoTo(FilaDe(f->arrayStaffing, "139"));
                Foto(*f, porMes ? "planeacion_mes" : "planeacion_porcentaje");
                f->arrayStaffing->GoTo(1);
                movido = f->arrayStaffing->GetValue(1);
                cifrasMovidas = f->arrayStaffing->aArrayData().at(0).mid(2);
                f->arrayStaffing->DblClick(1);
                EXPECT_EQ(FilaDe(f->arrayStaffing, movido), 0);

                Elige(f->cmbCentroCostos, "1330");
                const int fila = FilaDe(f->arrayStaffing, movido);
                ASSERT_GT(fila, 0);
                EXPECT_EQ(f->arrayStaffing->aArrayData().at(fila - 1).mid(2), cifrasMovidas);
                f->btnSalir->Click();
            }
        });
        inicio->btnC->Click();
        EXPECT_EQ(modal.count(), 4);  // chooser, planning form, look-up, transfer
        EXPECT_EQ(Cuenta("select count(*) from " + tabla), entradasAntes);  // one in, one out
        EXPECT_EQ(Cuenta("select count(*) from " + tabla +
                         " where ocupacion = 139 and centro "
                         "= '1320'"),
                  1);
    }
    EXPECT_EQ(Cuenta(porcentajes), porcentajesAntes);
    EXPECT_GT(Cuenta(meses), 0);
    EXPECT_FALSE(msgs.unexpectedQuestion());
    EXPECT_EQ(msgs.count(ui::MsgKind::Info), 2 * 4);  // three saves and one deletion per form
}
