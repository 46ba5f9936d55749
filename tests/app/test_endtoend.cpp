// The whole way in on a fresh copy of the demo database (sql/schema.sql, sql/demo.sql):
// program start, sign-in, company chooser, main window with its areas by permission, and the
// update script at each opening. With OXTA_SCREENSHOTS=<folder> the test also saves the
// README's pictures of these screens there.
#include "app/OXTAStaffing.h"
#include "app/frmEmpresa.h"
#include "app/frmInicio.h"
#include "app/frmLogin.h"
#include "catalogs/BusGrupos.h"
#include "catalogs/BusStaffing.h"
#include "catalogs/BusTabulador.h"
#include "catalogs/frmTipoStaff.h"
#include "tests/app/test_empresa_base.h"
#include "ui/TestSeam.h"

#include <QCoreApplication>
#include <QDir>

#include <functional>

using namespace staffing;

namespace {

class DemoTest : public ConBaseTest {
  protected:
    DemoTest() { datos = TestData::Demo; }
    void SetUp() override {
        ConBaseTest::SetUp();
        // The database on the local server, as the program's start sets the demo up.
        ASSERT_TRUE(QDir().mkpath("xdg/oxta-staffing"));
        ASSERT_TRUE(
            QFile::link(QDir(prueba::kCarpetaBases).absolutePath(), "xdg/oxta-staffing/databases"));
        qputenv("XDG_DATA_HOME", QDir("xdg").absolutePath().toLocal8Bit());
        EscribeIni("CONFIG", "SERVER", "(local)");
    }

    // Starts the program, signs in and takes the chooser's first company; `mira` sees each
    // form on screen before the program moves on. Gives the main window, or nullptr.
    TInicio* Entra(
        const QString& usuario, const QString& clave,
        const std::function<void(TForm&)>& mira = [](TForm&) {}) {
        TLogin* const login = Inicia({QStringLiteral("OXTAStaffing")});
        login->txtUsuario->Value(usuario);
        login->txtPassword->Value(clave);
        mira(*login);
        login->btnEntrar->Click();
        auto* const empresa = Application().FindForm<TEmpresa>();
        if (!empresa)
            return nullptr;
        mira(*empresa);
        empresa->btnAceptar->Click();
        auto* const inicio = Application().FindForm<TInicio>();
        if (inicio)
            mira(*inicio);
        return inicio;
    }
};

}  // namespace

TEST_F(DemoTest, AdministratorAndLimitedUserReachTheirAreas) {
    EscribeScript(
        "if not exists (select * from dbo.sysobjects where id = "
        "object_id(N'[dbo].[bitacora]')) create table bitacora (n int)\nGO\n"
        "insert into bitacora values (1)\nGO\n");
    ui::ScriptedMessages msgs;
    const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS");
    const auto guarda = [&](QWidget& w, const QString& nombre) {
        QCoreApplication::processEvents();
        if (!carpeta.isEmpty()) {
            EXPECT_TRUE(w.grab().save(QDir(carpeta).filePath(nombre + ".png")));
        }
    };
    const QString registro =
        "select (select count(*) from sistema where sistema='ST') * 10000 + "
        "(select count(*) from funciones where sistema='ST') * 1000 + "
        "(select count(*) from opciones where sistema='ST')";

    TInicio* f = Entra("Administrador", "admin123", [&](TForm& form) {
        guarda(form, dynamic_cast<TLogin*>(&form)     ? "login"
                     : dynamic_cast<TEmpresa*>(&form) ? "empresa"
                                                      : "inicio");
    });
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Cuenta(registro), 1 * 10000 + 4 * 1000 + 11);
    const int concesiones = Cuenta("select count(*) from perfil_funcion");
    EXPECT_EQ(Areas(f), "1111");
    EXPECT_EQ(f->cText(), "STAFFING -- " + f->NombreEmpresa);
    EXPECT_FALSE(f->NombreEmpresa.trimmed().isEmpty());
    f->btnSalir->Click();
    prueba::CierraFormularios();

    // A second opening sends no registration again; the limited user may only print reports.
    f = Entra("consulta", "consulta1");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Cuenta(registro), 1 * 10000 + 4 * 1000 + 11);
    EXPECT_EQ(Cuenta("select count(*) from perfil_funcion"), concesiones);
    EXPECT_EQ(Areas(f), "---1");
    EXPECT_EQ(Cuenta("select count(*) from bitacora"), 2);
    EXPECT_EQ(msgs.count(), 0);
    guarda(*f, "inicio_consulta");
}

// From the demo's main window the administrator keeps the catalogues: a group and a plan
// created and renamed, the plan reopened with its two payroll types ticked and deleted after
// confirming, which leaves the list of plans as it was. The limited user's look-up shows the
// buttons disabled but still chooses.
TEST_F(DemoTest, AdministratorKeepsGroupsAndPlansFromTheMainWindow) {
    ui::ScriptedMessages msgs;
    const auto nombres = [](const TArrayBrowse* lista) {
        QStringList n;
        for (const auto& fila : lista->aArrayData())
            n << fila.value(1);
        return n;
    };
    TInicio* const f = Entra("Administrador", "admin123");
    ASSERT_NE(f, nullptr);
    const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS");
    const auto guarda = [&](QWidget& w, const QString& nombre) {
        QCoreApplication::processEvents();
        if (!carpeta.isEmpty()) {
            EXPECT_TRUE(w.grab().save(QDir(carpeta).filePath(nombre + ".png")));
        }
    };
    ui::ModalRunnerScope modal([&](TForm& form) {
        if (auto* g = dynamic_cast<TCatGrupo*>(&form)) {
            EXPECT_TRUE(nombres(g->arraygrupo).contains("Cocina d'Autor"));
            guarda(*g, "grupos");
            g->btnNuevo->Click();
            g->txtNombre->Value("Banquetes O'Neill");
            guarda(*g, "grupos_datos");
            g->btnGuardar->Click();
            g->arraygrupo->GoTo(g->arraygrupo->nLen());
            EXPECT_EQ(g->arraygrupo->GetValue(2), "Banquetes O'Neill");
            const QString clave = g->arraygrupo->GetValue(1);
            EXPECT_EQ(clave.size(), 9);
            EXPECT_EQ(clave, clave.trimmed().rightJustified(9));
            g->btnModificar->Click();
            g->txtNombre->Value("Banquetes y Eventos");
            g->btnGuardar->Click();
            EXPECT_EQ(nombres(g->arraygrupo).last(), "Banquetes y Eventos");
            g->btnSalir->Click();
        } else if (auto* s = dynamic_cast<TCatStaffing*>(&form)) {
            const QStringList antes = nombres(s->arrayPlantillas);
            guarda(*s, "staffing");
            s->btnNuevo->Click();
            s->txtNombre->Value("Piloto 2027 - Torre Norte");
            s->chkMensual->Click();
            s->chkSemanal->Click();
            s->btnGuardar->Click();
            s->arrayPlantillas->GoTo(s->arrayPlantillas->nLen());
            EXPECT_EQ(s->arrayPlantillas->GetValue(3), "S,M");
            s->btnModificar->Click();
            s->txtNombre->Value("Piloto 2027 - Torre Norte y Sur");
            s->btnGuardar->Click();
            s->arrayPlantillas->GoTo(s->arrayPlantillas->nLen());  // a save selects row 1
            s->btnModificar->Click();
            EXPECT_EQ(s->txtNombre->Value(), "Piloto 2027 - Torre Norte y Sur");
            for (TCheckBox* c : {s->chkSemanal, s->chkDecenal, s->chkCatorcenal, s->chkQuincenal,
                                 s->chkMensual, s->chkEspecial})
                EXPECT_EQ(c->lChecked(), c == s->chkSemanal || c == s->chkMensual);
            guarda(*s, "staffing_datos");
            msgs.answer(true);
            s->btEliminar->Click();
            EXPECT_EQ(nombres(s->arrayPlantillas), antes);
            s->btnSalir->Click();
        } else if (auto* t = dynamic_cast<TSeleccionaTipo*>(&form)) {
            guarda(*t, "tipo_staffing");
            t->btnSalir->Click();
        }
    });
    f->btnB->Click();
    f->btnA->Click();
    f->btnC->Click();
    EXPECT_EQ(modal.captions(), (QStringList{"Grupos", "Staffing", "Tipo de Staffing"}));
    EXPECT_EQ(msgs.texts(),
              (QStringList{"Seguro que desea eliminar el staffing", "Staffing Eliminado"}));

    // The tabulator look-up of the company in use, as the planning forms open it.
    const auto puestos = TForm::NewModal<TCatTabulador>(nullptr, [&](TCatTabulador& t) {
        t.CNX = f->CNX;
        t.Empresa = f->Empresa;
    });
    puestos->Show();
    EXPECT_GT(puestos->arrayPlantillas->nLen(), 10);
    guarda(*puestos, "puestos");
    puestos->btnSalir->Click();
    f->btnSalir->Click();
    prueba::CierraFormularios();

    // The limited user holds no option of the catalogues: nothing to create, rename or
    // delete, but the list still browses and chooses.
    TInicio* const c = Entra("consulta", "consulta1");
    ASSERT_NE(c, nullptr);
    const auto grupos = TForm::NewModal<TCatGrupo>(nullptr, [&](TCatGrupo& g) {
        g.CNX = c->CNX;
        g.muestra = "Cat";
        g.Empresa = c->Empresa;
        g.objUsuario = c->objUsuario;
    });
    for (TBtnBmp* b : {grupos->btnNuevo, grupos->btnModificar, grupos->brnEliminar})
        EXPECT_FALSE(b->lEnabled());
    grupos->arraygrupo->SetFilter(2, "llaves");
    grupos->arraygrupo->DblClick(nombres(grupos->arraygrupo).indexOf("Ama de Llaves") + 1);
    EXPECT_EQ(grupos->vNombre, "Ama de Llaves");
}
