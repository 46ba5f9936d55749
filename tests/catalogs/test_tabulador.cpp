// The tabulator look-up and the plan type chooser: what the planning forms and the main
// window read back from them.
#include "catalogs/BusTabulador.h"
#include "catalogs/frmTipoStaff.h"
#include "tests/catalogs/CatalogosTest.h"
#include "ui/TestSeam.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

using namespace catalogos_prueba;

namespace {

class TabuladorTest : public CatalogoTest {
  protected:
    void SetUp() override {
        CatalogoTest::SetUp();
        Ejecuta({"insert into tabulador values (1, 101, 'Gerente General', 85000)",
                 "insert into tabulador values (2, 7, '  Enfermera General  ', 14000)",
                 "insert into tabulador values (2, 12345, 'Médico Residente', NULL)"});
    }
    // The look-up as a planning form opens it: connection and a company of its own.
    std::unique_ptr<TCatTabulador> Busca() {
        return TForm::NewModal<TCatTabulador>(nullptr, [&](TCatTabulador& f) {
            f.CNX = cnx;
            f.Empresa = empresa;
            f.NombreEmpresa = "Hotel Real del Mar";
        });
    }
};

}  // namespace

TEST_F(TabuladorTest, ListsTheCompanyOfConfigIniAndHandsBackTrimmedCodes) {
    EscribeIni("VARIABLES", "Empresa", "2");  // a company search switched to company 2
    ui::ScriptedMessages msgs;
    const auto f = Busca();
    EXPECT_EQ(f->cText(), "Puestos");
    EXPECT_EQ(f->Empresa, "2");
    const TArrayBrowse::Rows esperadas{{"7", "Enfermera General"}, {"12345", "Médico Residente"}};
    EXPECT_EQ(f->arrayPlantillas->aArrayData(), esperadas);
    EXPECT_EQ(msgs.count(), 0);

    f->arrayPlantillas->DblClick(2);
    EXPECT_TRUE(f->IsClosed());
    EXPECT_EQ(f->vCodigo, "12345");
    EXPECT_EQ(f->vNombre, "Médico Residente");
}

TEST_F(TabuladorTest, CompanyWithoutPositionsShowsAnEmptyGridSilently) {
    EscribeIni("VARIABLES", "Empresa", "3");
    ui::ScriptedMessages msgs;
    const auto f = Busca();
    EXPECT_EQ(f->arrayPlantillas->nLen(), 0);
    EXPECT_EQ(msgs.count(), 0);
}

// A company that cannot be read gives the message and an empty grid; a double-click then
// chooses nothing and Salir hands back "0" and the empty text.
TEST_F(TabuladorTest, UnreadableCompanyShowsTheMessageAndLeavesNothingToChoose) {
    const struct {
        const char* empresa;  // as config.ini holds it; nullptr: no key at all
        bool quitaTabla;
    } casos[] = {{nullptr, false}, {"", false}, {"1 or 1=1", false}, {"1", true}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.empresa ? c.empresa : "(no key)");
        QFile::remove(IniPath());
        prueba::ConfiguraMotor(prueba::kBase);
        if (c.empresa)
            EscribeIni("VARIABLES", "Empresa", c.empresa);
        if (c.quitaTabla)
            Ejecuta({"drop table tabulador"});
        ui::ScriptedMessages msgs;
        const auto f = Busca();
        EXPECT_EQ(msgs.texts(), QStringList{"Los puestos no pudieron cargarse."});
        EXPECT_EQ(f->arrayPlantillas->nLen(), 0);
        f->arrayPlantillasDblClick(f->arrayPlantillas, 0, 1, 1);
        EXPECT_FALSE(f->IsClosed());
        f->btnSalir->Click();
        EXPECT_TRUE(f->IsClosed());
        EXPECT_EQ(f->vCodigo, "0");
        EXPECT_EQ(f->vNombre, "");
    }
}

TEST_F(TabuladorTest, FilterHidingEveryRowLeavesNothingToChoose) {
    const auto f = Busca();
    ASSERT_EQ(f->arrayPlantillas->nLen(), 1);
    f->arrayPlantillas->SetFilter(2, "no existe");
    f->arrayPlantillasDblClick(f->arrayPlantillas, 0, 1, 1);
    EXPECT_FALSE(f->IsClosed());
    EXPECT_EQ(f->vCodigo, "");
}

// Enter chooses the current row from the list and from the filter bar, as a double-click
// does; on the focused Salir it leaves; with no row in sight it chooses nothing.
TEST_F(TabuladorTest, EnterChoosesTheCurrentRowOrPressesTheFocusedSalir) {
    EscribeIni("VARIABLES", "Empresa", "2");
    const auto enter = [](QWidget* w) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    const struct {
        const char* donde;
        const char* filtro;
        const char* codigo;  // nullptr: the look-up stays open
    } casos[] = {{"lista", "", "12345"},
                 {"filtro", "enfer", "7"},
                 {"filtro", "no existe", nullptr},
                 {"salir", "", "0"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.donde) + " " + c.filtro);
        const auto f = Busca();
        f->Show();
        f->arrayPlantillas->GoTo(2);
        if (*c.filtro)
            f->arrayPlantillas->SetFilter(2, c.filtro);
        QWidget* destino = f->arrayPlantillas;
        if (QString(c.donde) == "salir")
            destino = f->btnSalir;
        else if (QString(c.donde) == "filtro")
            destino = f->arrayPlantillas->horizontalHeader()->findChild<QLineEdit*>();
        ASSERT_NE(destino, nullptr);
        destino->setFocus();
        enter(destino);
        EXPECT_EQ(f->IsClosed(), c.codigo != nullptr);
        EXPECT_EQ(f->vCodigo, c.codigo ? c.codigo : "");
    }
}

// Aceptar runs the branch of the chosen option once and closes the chooser; Salir runs
// none, and a branch nobody connected opens nothing.
TEST_F(CatalogoTest, TypeChooserStartsOnPercentageAndRunsTheChosenBranch) {
    QStringList abiertas;
    const auto conecta = [&](TSeleccionaTipo& f) {
        f.AbrePorcentaje = [&](const TSeleccionaTipo& t) {
            EXPECT_EQ(t.Empresa, f.Empresa);
            abiertas << "Porcentaje";
        };
        f.AbreMes = [&](const TSeleccionaTipo&) { abiertas << "Mes"; };
    };
    for (const bool porMes : {false, true}) {
        const auto f = Abre<TSeleccionaTipo>();
        conecta(*f);
        EXPECT_EQ(f->cText(), "Tipo de Staffing");
        EXPECT_TRUE(f->optPorcentaje->lChecked());
        EXPECT_FALSE(f->optMEs->lChecked());
        if (porMes)
            f->optMEs->Click();
        EXPECT_NE(f->optPorcentaje->lChecked(), porMes);
        f->btnAceptar->Click();
        EXPECT_TRUE(f->IsClosed());
    }
    const auto salir = Abre<TSeleccionaTipo>();
    conecta(*salir);
    salir->btnSalir->Click();
    EXPECT_TRUE(salir->IsClosed());
    EXPECT_EQ(abiertas, (QStringList{"Porcentaje", "Mes"}));

    const auto sinConectar = Abre<TSeleccionaTipo>();
    sinConectar->btnAceptar->Click();
    EXPECT_TRUE(sinConectar->IsClosed());
}
