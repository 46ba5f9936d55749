// The main window: caption, function areas by permission, the company search and the update
// script that runs when it opens.
#include "app/BusEmpresa.h"
#include "app/frmInicio.h"
#include "data/AdoError.h"
#include "tests/app/test_empresa_base.h"
#include "ui/ErrorReport.h"
#include "ui/TestSeam.h"

#include <QFile>

using staffing::Cuenta;
using staffing::EscribeScript;

namespace {

// Registration of the system as the company chooser leaves it, plus an option of another
// system that carries letter A.
void Registro() {
    prueba::Ejecuta({"insert into sistema values ('ST', 'STAFFING')"});
    const char* opciones[][2] = {{"A1", "A"}, {"A2", "A"}, {"A3", "A"}, {"B1", "B"},
                                 {"B2", "B"}, {"B3", "B"}, {"C1", "C"}, {"C2", "C"},
                                 {"C3", "C"}, {"C4", "C"}, {"D1", "D"}};
    for (const auto& o : opciones)
        prueba::Ejecuta({QStringLiteral("insert into opciones values ('%1', 'ST', '%2', 'x')")
                             .arg(o[0], o[1])});
    prueba::Ejecuta({"insert into opciones values ('X1', 'NO', 'A', 'otro sistema')"});
}

class InicioTest : public staffing::StaffingTest {
  protected:
    void SetUp() override {
        StaffingTest::SetUp();
        Registro();
        Empresa(3, "Hotel del Sol", "Sol");
        Empresa(7, "Hospital Central");
        Usuario("Administrador");
        m_perfil = Perfil("Administrador", "'{}'");
    }

    TInicio* Abre(const QString& empresa = QStringLiteral("       3")) {
        auto* const f =
            TForm::New<TInicio>(nullptr, [&](TInicio& inicio) { inicio.Empresa = empresa; });
        f->Show();
        return f;
    }

    struct Estado {
        bool a, b, c, d;
        bool operator==(const Estado&) const = default;
    };
    static Estado Habilitados(const TInicio* f) {
        return {f->btnA->lEnabled(), f->btnB->lEnabled(), f->btnC->lEnabled(), f->btnD->lEnabled()};
    }
    static Estado Altos(const TInicio* f) {
        return {f->imgA->lVisible(), f->imgB->lVisible(), f->imgC->lVisible(), f->imgD->lVisible()};
    }

    int m_perfil = 0;
};

}  // namespace

TEST_F(InicioTest, CaptionCarriesTheCompanyNameAsStored) {
    TInicio* const f = Abre();
    // nombre_empresa is char(30): its trailing blanks stay.
    EXPECT_EQ(f->NombreEmpresa, QStringLiteral("Hotel del Sol").leftJustified(30, ' '));
    EXPECT_EQ(f->cText(), "STAFFING -- " + f->NombreEmpresa);
    EXPECT_EQ(f->nTop(), 3);
    EXPECT_EQ(f->nLeft(), 168);
    EXPECT_EQ(f->oStatusBar1->Panel(1)->cText(),
              QString::fromUtf8(" Ultima Actualización:04/07/2011"));
}

TEST_F(InicioTest, UnknownCompanyLeavesTheNameEmpty) {
    EXPECT_EQ(Abre("      99")->cText(), "STAFFING -- ");
    // A key that is not a number never reaches the statement.
    ui::ScriptedMessages msgs;
    EXPECT_EQ(Abre("3 or 1=1")->NombreEmpresa, QString());
    EXPECT_TRUE(errores.empty());
}

TEST_F(InicioTest, AreasFollowThePermissionsOfEachFunction) {
    // No grant at all: every area refused and marked.
    TInicio* f = Abre();
    EXPECT_EQ(Habilitados(f), (Estado{false, false, false, false}));
    EXPECT_EQ(Altos(f), (Estado{true, true, true, true}));
    f->Close();

    // A single option of a function enables its area; a grant of another system's option
    // under the same letter, or with a letter that does not match, counts for nothing.
    Concede(m_perfil, "D", "D1");
    Concede(m_perfil, "A", "X1");
    Concede(m_perfil, "B", "C4");
    f = Abre();
    EXPECT_EQ(Habilitados(f), (Estado{false, false, false, true}));
    EXPECT_EQ(Altos(f), (Estado{true, true, true, false}));
    f->Close();

    for (const char* o : {"A1", "A2", "A3", "B1", "B2", "B3", "C1", "C2", "C3", "C4"})
        Concede(m_perfil, QString(QChar(o[0])), QString::fromLatin1(o));
    f = Abre();
    EXPECT_EQ(Habilitados(f), (Estado{true, true, true, true}));
    EXPECT_EQ(Altos(f), (Estado{false, false, false, false}));
}

TEST_F(InicioTest, ProfileOfAnotherSystemGrantsNothing) {
    const int otro = Perfil("Administrador", "'{}'", "NO");
    Concede(otro, "A", "A1");
    TInicio* const f = Abre();
    EXPECT_FALSE(f->btnA->lEnabled());
}

TEST_F(InicioTest, CompanySearchSwitchesTheCompanyAndTheCaption) {
    TInicio* const f = Abre();
    ui::ModalRunnerScope modal([](TForm& form) {
        auto& busqueda = dynamic_cast<TBusEmpresa&>(form);
        busqueda.arrayEmpresas->SetFilter(2, QStringLiteral("Hospital"));
        busqueda.btnAceptarClick(busqueda.btnAceptar);
    });
    f->btnEmpresa->Click();
    EXPECT_EQ(modal.captions(), QStringList{"Empresas"});
    EXPECT_EQ(f->Empresa, QStringLiteral("        7"));
    EXPECT_EQ(LeeIni("VARIABLES", "Empresa"), QStringLiteral("7"));
    EXPECT_EQ(f->NombreEmpresa.trimmed(), QStringLiteral("Hospital Central"));
    EXPECT_EQ(f->cText(), "STAFFING -- " + f->NombreEmpresa);
}

TEST_F(InicioTest, CompanySearchOnAnEmptyListKeepsTheCompany) {
    EscribeIni("VARIABLES", "Empresa", "3");
    TInicio* const f = Abre();
    const QString caption = f->cText();
    prueba::Ejecuta({"delete from empresas"});
    ui::ModalRunnerScope modal([](TForm& form) {
        auto& busqueda = dynamic_cast<TBusEmpresa&>(form);
        busqueda.btnAceptarClick(busqueda.btnAceptar);
    });
    f->btnEmpresa->Click();
    EXPECT_EQ(modal.count(), 1);
    EXPECT_EQ(f->Empresa, QStringLiteral("       3"));
    EXPECT_EQ(LeeIni("VARIABLES", "Empresa"), QStringLiteral("3"));
    EXPECT_EQ(f->cText(), caption);
}

TEST_F(InicioTest, UpdateScriptRunsBeforeThePermissionsAtEveryOpening) {
    // The script grants option D1, so the reports area is enabled at this very opening.
    EscribeScript(QStringLiteral("create table bitacora (n int)\r\n"
                                 "  go  \r\n"
                                 "insert into bitacora values (1)\n"
                                 "insert into perfil_funcion values ('D', 'D1', %1)\n"
                                 "GO\n"
                                 "insert into bitacora values (99)\n")
                      .arg(m_perfil)
                      .toUtf8());
    TInicio* const f = Abre();
    EXPECT_TRUE(f->btnD->lEnabled());
    EXPECT_EQ(prueba::Columna("select n from bitacora"), QStringList{"1"});
    EXPECT_FALSE(QFile::exists("ActualizaStaff.dbf"));
    EXPECT_TRUE(QFile::exists("ActualizaStaff.sql"));
    f->Close();

    // The script stays and runs again; its statements must be safe to repeat.
    EscribeScript("insert into bitacora values (2)\nGO\n");
    Abre();
    EXPECT_EQ(Cuenta("select count(*) from bitacora"), 2);
}

TEST_F(InicioTest, FailingBatchStopsTheScriptAndReachesTheErrorWindow) {
    QFile viejo("ActualizaStaff.dbf");
    ASSERT_TRUE(viejo.open(QIODevice::WriteOnly));
    viejo.close();
    EscribeScript(
        "create table bitacora (n int)\nGO\n"
        "insert into tabla_que_no_existe values (1)\nGO\n"
        "insert into bitacora values (3)\nGO\n");
    Abre();
    ASSERT_EQ(errores.size(), 1u);
    EXPECT_TRUE(errores[0].contains("tabla_que_no_existe")) << errores[0].toStdString();
    errores.clear();
    EXPECT_EQ(Cuenta("select count(*) from bitacora"), 0);
    EXPECT_FALSE(QFile::exists("ActualizaStaff.dbf"));
}

TEST_F(InicioTest, ScriptInWindows1252IsRead) {
    EscribeScript(
        "create table bitacora (n varchar(20))\nGO\n"
        "insert into bitacora values ('Se\xF1or')\nGO\n");
    Abre();
    EXPECT_EQ(prueba::Columna("select n from bitacora"), QStringList{QString::fromUtf8("Señor")});
}
