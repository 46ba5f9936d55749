// The whole way in: program start, sign-in, company chooser on a fresh database, main window
// with its areas by permission, and the update script at each opening.
#include "app/OXTAStaffing.h"
#include "app/frmEmpresa.h"
#include "app/frmInicio.h"
#include "app/frmLogin.h"
#include "tests/app/test_endtoend_base.h"
#include "ui/TestSeam.h"

#include <QFile>

using namespace staffing;

namespace {

class EndToEndTest : public DemoTest {};

}  // namespace

TEST_F(EndToEndTest, AdministratorAndLimitedUserReachTheirAreas) {
    staffing::EscribeScript(
        "if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[bitacora]') "
        "and OBJECTPROPERTY(id, N'IsUserTable') = 1) create table bitacora (n int)\n"
        "GO\n"
        "insert into bitacora values (1)\n"
        "GO\n");
    ui::ScriptedMessages msgs;

    // Administrador: the first opening of the chooser provisions the database.
    Pantallas admin = Entra(kAdministrador, kClaveAdministrador);
    ASSERT_NE(admin.inicio, nullptr);
    EXPECT_EQ(msgs.count(), 0) << msgs.last().text.toStdString();
    for (const char* tabla : {"staff_porcentaje", "staff_reporte", "staffing", "staff_grupo"})
        EXPECT_GE(Cuenta(QStringLiteral("select count(*) from %1").arg(tabla)), 0);
    EXPECT_EQ(Cuenta("select count(*) from sistema where sistema='ST'"), 1);
    EXPECT_EQ(Cuenta("select count(*) from funciones where sistema='ST'"), 4);
    EXPECT_EQ(Cuenta("select count(*) from opciones where sistema='ST'"), 11);
    EXPECT_EQ(Cuenta("select count(*) from perfiles where descripcion='Administrador de "
                     "Staffing'"),
              1);
    const int concesiones = Cuenta("select count(*) from perfil_funcion");
    for (TBtnBmp* b :
         {admin.inicio->btnA, admin.inicio->btnB, admin.inicio->btnC, admin.inicio->btnD})
        EXPECT_TRUE(b->lEnabled());
    for (TImage* i :
         {admin.inicio->imgA, admin.inicio->imgB, admin.inicio->imgC, admin.inicio->imgD})
        EXPECT_FALSE(i->lVisible());
    EXPECT_EQ(admin.inicio->cText(), "STAFFING -- " + admin.inicio->NombreEmpresa);
    EXPECT_FALSE(admin.inicio->NombreEmpresa.trimmed().isEmpty());
    EXPECT_EQ(Cuenta("select count(*) from bitacora"), 1);
    admin.inicio->btnSalirClick(admin.inicio->btnSalir);
    prueba::CierraFormularios();

    // The limited user: a second opening sends no registration again; the areas it was not
    // granted carry the stop sign.
    Pantallas limitado = Entra(kLimitado, kClaveLimitado);
    ASSERT_NE(limitado.inicio, nullptr);
    EXPECT_EQ(Cuenta("select count(*) from opciones where sistema='ST'"), 11);
    EXPECT_EQ(Cuenta("select count(*) from perfil_funcion"), concesiones);
    TInicio* const f = limitado.inicio;
    const std::array<bool, 4> esperado = AreasLimitado();
    const std::array<TBtnBmp*, 4> botones{f->btnA, f->btnB, f->btnC, f->btnD};
    const std::array<TImage*, 4> altos{f->imgA, f->imgB, f->imgC, f->imgD};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(botones[i]->lEnabled(), esperado[i]) << i;
        EXPECT_EQ(altos[i]->lVisible(), !esperado[i]) << i;
    }
    EXPECT_EQ(Cuenta("select count(*) from bitacora"), 2);
    EXPECT_FALSE(QFile::exists("ActualizaStaff.dbf"));
}
