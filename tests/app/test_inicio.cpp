// The main window: caption, function areas by permission, the company search and the update
// script that runs when it opens.
#include "app/BusEmpresa.h"
#include "app/frmInicio.h"
#include "catalogs/BusGrupos.h"
#include "catalogs/BusStaffing.h"
#include "catalogs/frmTipoStaff.h"
#include "tests/app/test_empresa_base.h"
#include "ui/TestSeam.h"

#include <QApplication>

using namespace staffing;

namespace {

class InicioTest : public StaffingTest {
  protected:
    void SetUp() override {
        StaffingTest::SetUp();
        for (const char* o : {"A1", "A2", "A3", "B1", "B2", "B3", "C1", "C2", "C3", "C4", "D1"})
            Ejecuta({QStringLiteral("insert into opciones values ('%1', 'ST', '%2', 'x')")
                         .arg(o)
                         .arg(QChar(o[0]))});
        Ejecuta({"insert into opciones values ('X1', 'NO', 'A', 'option of another system')"});
        Empresa(3, "Hotel del Sol", "'Sol'");
        Empresa(7, "Hospital Central");
        m_perfil = Perfil("Administrador", "'{}'");
    }
    TInicio* Abre(const QString& empresa = "       3") {
        auto* const f = TForm::New<TInicio>(nullptr, [&](TInicio& i) { i.Empresa = empresa; });
        f->Show();
        return f;
    }
    int m_perfil = 0;
};

}  // namespace

TEST_F(InicioTest, CaptionCarriesTheCompanyNameAsStored) {
    TInicio* const f = Abre();
    EXPECT_EQ(f->cText(), "STAFFING -- " + QString("Hotel del Sol").leftJustified(30));
    EXPECT_EQ(f->NombreEmpresa, QString("Hotel del Sol").leftJustified(30));
    EXPECT_EQ(f->oStatusBar1->Panel(1)->cText(), " Ultima Actualización:04/07/2011");
    EXPECT_EQ(Abre("      99")->cText(), "STAFFING -- ");
    EXPECT_EQ(Abre("3 or 1=1")->cText(), "STAFFING -- ");  // never statement text
}

TEST_F(InicioTest, AreasFollowThePermissionsOfEachFunction) {
    EXPECT_EQ(Areas(Abre()), "----");
    // One option enables its area; an option of another system under the letter, a grant
    // whose letter does not match its option, or a profile of another system, count for
    // nothing.
    Concede(m_perfil, "D", "D1");
    Concede(m_perfil, "A", "X1");
    Concede(m_perfil, "B", "C4");
    Concede(Perfil("Administrador", "'{}'", "NO"), "C", "C1");
    EXPECT_EQ(Areas(Abre()), "---1");
    Concede(m_perfil, "B", "B3");
    Concede(m_perfil, "C", "C4");
    Concede(m_perfil, "A", "A2");
    EXPECT_EQ(Areas(Abre()), "1111");
}

TEST_F(InicioTest, CompanySearchSwitchesTheCompanyOrKeepsItWhenNothingIsChosen) {
    TInicio* const f = Abre();
    ui::ModalRunnerScope modal([](TForm& form) {
        auto& busqueda = dynamic_cast<TBusEmpresa&>(form);
        busqueda.arrayEmpresas->SetFilter(2, "Hospital");
        busqueda.btnAceptarClick(busqueda.btnAceptar);
    });
    f->btnEmpresa->Click();
    EXPECT_EQ(modal.captions(), QStringList{"Empresas"});
    EXPECT_EQ(f->Empresa, "        7");
    EXPECT_EQ(LeeIni("VARIABLES", "Empresa"), "7");
    EXPECT_EQ(f->cText().trimmed(), "STAFFING -- Hospital Central");

    Ejecuta({"delete from empresas"});
    f->btnEmpresa->Click();
    EXPECT_EQ(modal.count(), 2);
    EXPECT_EQ(f->Empresa, "        7");
    EXPECT_EQ(LeeIni("VARIABLES", "Empresa"), "7");
}

TEST_F(InicioTest, CompanySearchOpensOnTheCompanyInUse) {
    Empresa(12, "Clinica Norte");
    for (const char* enUso : {"      12", "       7", "       3"}) {
        TInicio* const f = Abre(enUso);
        QString seleccionada;
        ui::ModalRunnerScope modal([&](TForm& form) {
            auto& busqueda = dynamic_cast<TBusEmpresa&>(form);
            seleccionada = busqueda.arrayEmpresas->GetValue(1);
            busqueda.btnAceptarClick(busqueda.btnAceptar);
        });
        f->btnEmpresa->Click();
        EXPECT_EQ(seleccionada.trimmed(), QString(enUso).trimmed());
        EXPECT_EQ(f->Empresa.trimmed(), QString(enUso).trimmed());
        f->Close();
    }
}

TEST_F(InicioTest, UpdateScriptRunsBeforeThePermissionsAtEveryOpening) {
    // The script grants option D1, so the reports area is enabled at this very opening.
    EscribeScript(QStringLiteral("create table bitacora (n int)\r\n  go  \r\n"
                                 "insert into bitacora values (1)\n"
                                 "insert into perfil_funcion values ('D', 'D1', %1)\nGO\n"
                                 "insert into bitacora values (99)\n")
                      .arg(m_perfil)
                      .toUtf8());
    EXPECT_EQ(Areas(Abre()), "---1");
    EXPECT_EQ(prueba::Columna("select n from bitacora"), QStringList{"1"});
    EscribeScript("insert into bitacora values (2)\nGO\n");
    Abre();
    EXPECT_EQ(Cuenta("select count(*) from bitacora"), 2);
    EXPECT_TRUE(QFile::exists("ActualizaStaff.sql"));
    EXPECT_FALSE(QFile::exists("ActualizaStaff.dbf"));
}

TEST_F(InicioTest, FailingBatchStopsTheScriptAndReachesTheErrorWindow) {
    QFile("ActualizaStaff.dbf").open(QIODevice::WriteOnly);  // left over by an old version
    EscribeScript(
        "create table bitacora (n int)\nGO\ninsert into no_existe values (1)\nGO\n"
        "insert into bitacora values (3)\nGO\n");
    Abre();
    ASSERT_EQ(errores.size(), 1u);
    EXPECT_TRUE(errores[0].contains("no_existe"));
    errores.clear();
    EXPECT_EQ(Cuenta("select count(*) from bitacora"), 0);
    EXPECT_FALSE(QFile::exists("ActualizaStaff.dbf"));
}

// Each function area opens its form modally with the window's connection, company, name and
// user; the groups catalogue as the full catalogue. Nothing is read back afterwards.
TEST_F(InicioTest, FunctionAreasOpenTheirFormsWithTheWindowsMembers) {
    Ejecuta({"insert into staff_grupo values (3, 'Recepción')"});
    Concede(m_perfil, "A", "A1");
    Concede(m_perfil, "B", "B1");
    Concede(m_perfil, "C", "C1");
    TInicio* const f = Abre();
    QStringList recibidos;
    ui::ModalRunnerScope modal([&](TForm& form) {
        auto revisa = [&](auto& abierta) {
            EXPECT_EQ(abierta.CNX, f->CNX);
            EXPECT_EQ(abierta.objUsuario, f->objUsuario);
            EXPECT_EQ(abierta.NombreEmpresa, f->NombreEmpresa);
            recibidos << abierta.Empresa;
        };
        if (auto* g = dynamic_cast<TCatGrupo*>(&form)) {
            revisa(*g);
            EXPECT_EQ(g->muestra, "Todo");
            EXPECT_TRUE(g->btnNuevo->lVisible());
            g->arraygrupo->DblClick(1);  // chooses and closes; the window reads nothing
        } else if (auto* s = dynamic_cast<TCatStaffing*>(&form)) {
            revisa(*s);
        } else if (auto* t = dynamic_cast<TSeleccionaTipo*>(&form)) {
            revisa(*t);
        }
    });
    f->btnA->Click();
    f->btnB->Click();
    f->btnC->Click();
    EXPECT_EQ(modal.captions(), (QStringList{"Staffing", "Grupos", "Tipo de Staffing"}));
    EXPECT_EQ(recibidos, QStringList(3, "       3"));
    EXPECT_EQ(f->Empresa, "       3");
}

// The area that has the keyboard is marked on the picture: the same area looks different with
// and without the focus, and Tab moves the mark.
TEST_F(InicioTest, TheFocusedAreaIsMarked) {
    Concede(m_perfil, "A", "A1");
    Concede(m_perfil, "B", "B1");
    TInicio* const f = Abre();
    f->activateWindow();
    QApplication::setActiveWindow(f);
    const auto imagen = [&](TBtnBmp* area) {
        return f->oImage1->widget()->grab(area->widget()->geometry()).toImage();
    };
    f->btnA->widget()->setFocus();
    QApplication::processEvents();
    const QImage bConFoco = [&] {
        f->btnB->widget()->setFocus();
        QApplication::processEvents();
        return imagen(f->btnB);
    }();
    const QImage aSinFoco = imagen(f->btnA);
    f->btnA->widget()->setFocus();
    QApplication::processEvents();
    EXPECT_NE(imagen(f->btnB), bConFoco);
    EXPECT_NE(imagen(f->btnA), aSinFoco);
}
