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
#include "planning/frmMes.h"
#include "planning/frmPlazas.h"
#include "planning/frmPuestos.h"
#include "tests/planning/PlaneacionPrueba.h"
#include "ui/Application.h"
#include "ui/TestSeam.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>

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

namespace {

// A planning form opened as the chooser opens it, for the administrator of the demo, once the
// company chooser has given the administrator the planning profile.
template <class F>
std::unique_ptr<F> AbreDemo() {
    auto* empresa = TForm::New<TEmpresa>();
    empresa->Show();
    empresa->btnAceptar->Click();
    auto usuario = std::make_shared<clsUsuario>();
    usuario->SetUsuario(QStringLiteral("Administrador"));
    usuario->CNX = std::make_shared<clsConexion>();
    return TForm::NewModal<F>(nullptr, [&](F& f) {
        f.CNX = usuario->CNX;
        f.Empresa = kEmpresa;
        f.NombreEmpresa = QStringLiteral("Hotel");
        f.objUsuario = usuario;
    });
}

// A left click on the cell of row `fila` (1-based) as the planner makes it.
void Clic(TArrayBrowse* grid, int fila) {
    const QPoint at = grid->visualRect(grid->model()->index(fila - 1, 1)).center();
    for (const QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(t, at, grid->viewport()->mapToGlobal(at), Qt::LeftButton,
                      t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &e);
    }
}

}  // namespace

// The reproductions of misfiled edits, replayed on the demo through the real forms.
TEST_F(DemoPlaneacionTest, AnEditStaysWithItsChoiceAndNothingIsClaimedThatWasNotWritten) {
    namespace m = planeacion::mensajes;
    const QString v50 =
        "select v50 from staff_porcentaje where centro = '1300' and ocupacion "
        "= 133 and idgrupo = 2 and idStaffing = ";
    const int plan1 = Cuenta(v50 + "1"), plan2 = Cuenta(v50 + "2");
    ui::ScriptedMessages msgs;
    auto f = AbreDemo<TPuestos>();
    f->show();
    EligeTodo(*f, "2 - ", "1300", "2 - ");
    const int fila = FilaDe(f->arrayStaffing, "133");
    ASSERT_GT(fila, 0);
    Clic(f->arrayStaffing, fila);
    f->txt50->Value("8");
    Foto(*f, "planeacion_cargado");

    const QString pregunta = m::GuardarCambios(f->txtNombrePuesto->Value());
    // Another row, or another plan, while the panel holds typing: asked first; "Cancelar"
    // keeps the panel, the typing and the row or list it was shown with.
    const int otraFila = fila == 1 ? 2 : 1;
    for (const bool porFila : {true, false}) {
        msgs.clear();
        msgs.answerSave(ui::SaveChoice::Cancel);
        if (porFila)
            Clic(f->arrayStaffing, otraFila);
        else
            Elige(f->cmbStaffing, "1 - ");
        EXPECT_EQ(msgs.texts(), QStringList{pregunta}) << porFila;
        EXPECT_EQ(f->arrayStaffing->Bookmark(), fila) << porFila;
        EXPECT_TRUE(f->cmbStaffing->cText().startsWith("2 - ")) << porFila;
        EXPECT_EQ(f->txtidPuesto->Value(), "133") << porFila;
        EXPECT_EQ(f->txt50->Value(), "8") << porFila;
    }
    // "Descartar": plan 1's grid, an empty panel, and "Guardar" writes nothing anywhere.
    msgs.answerSave(ui::SaveChoice::Discard);
    Elige(f->cmbStaffing, "1 - ");
    EXPECT_FALSE(f->grpDatos->lEnabled());
    msgs.clear();
    f->btnGuardar->Click();
    EXPECT_EQ(msgs.texts(), QStringList{m::kNadaQueGuardar});
    EXPECT_EQ(Cuenta(v50 + "1"), plan1);
    EXPECT_EQ(Cuenta(v50 + "2"), plan2);

    // The first row, highlighted by the load, is loaded by a click and deleted by Eliminar.
    const QString primero = f->arrayStaffing->GetValue(1);
    Clic(f->arrayStaffing, 1);
    EXPECT_EQ(f->txtidPuesto->Value(), primero);
    msgs.clear();
    msgs.answer(true);
    f->btnEliminar->Click();
    EXPECT_EQ(msgs.texts().last(), m::kEliminado);
    EXPECT_EQ(Cuenta("select count(*) from staff_porcentaje where idStaffing = 1 and idgrupo = 2 "
                     "and centro = '1300' and ocupacion = " +
                     primero),
              0);
}

TEST_F(DemoPlaneacionTest, MonthFormSavesANewEntryAndNeverClaimsAnotherCodeTypedOverIt) {
    ui::ScriptedMessages msgs;
    auto f = AbreDemo<TMes>();
    EligeTodo(*f, "1 - ", "1300", "2 - ");
    const QString cuenta =
        "select count(*) from staff_mes where idStaffing = 1 and idgrupo = 2 and centro = '1300' "
        "and ocupacion = ";
    ASSERT_EQ(Cuenta(cuenta + "136"), 0);
    f->btnNuevo->Click();
    f->txtidPuesto->Value("135");
    f->txtidPuestoExit();
    f->txtEne->Value("4");
    msgs.clear();
    f->btnGuardar->Click();
    EXPECT_EQ(msgs.texts(), QStringList{"Datos guardados"});
    EXPECT_EQ(Cuenta(cuenta + "135"), 1);
    // The panel now holds a loaded entry: its code cannot be typed over, and a code set
    // anyway is refused with nothing stored.
    EXPECT_TRUE(f->txtidPuesto->isReadOnly());
    f->txtidPuesto->Value("136");
    f->txtEne->Value("9");
    msgs.clear();
    f->btnGuardar->Click();
    EXPECT_EQ(msgs.texts(), QStringList{planeacion::mensajes::kClaveCambiada});
    EXPECT_EQ(Cuenta(cuenta + "136"), 0);
}
