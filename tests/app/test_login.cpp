#include "app/frmConfig.h"
#include "app/frmLogin.h"
#include "security/frmCambioPwd.h"
#include "tests/app/AppTestSupport.h"
#include "ui/TestSeam.h"

#include <QLineEdit>

using prueba::AppTest;
using prueba::Columna;
using prueba::Cuenta;
using prueba::Ejecuta;
using prueba::Fecha;

namespace {

const QString kNoExiste =
    QStringLiteral("El usuario no existe o el usuario y la clave son incorrectos.");
const QString kYaExpiro = QStringLiteral(
    "Su password ya expiró. Debe cambiarlo para poder entrar al sistema. ¿Desea cambiarlo "
    "ahora?");

QString Ini(const char* seccion, const char* clave) {
    return LeeIni(QString::fromUtf8(seccion), QString::fromUtf8(clave));
}

// Policy: 30 days of validity, warning 5 days before expiry.
class LoginTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        Politica(30, 6, 2, 1, 5);
        AppData().AddData(QStringLiteral("UsuarioGet"), QStringLiteral("desde_linea"));
    }

    TLogin* Abre() {
        auto* const login = TForm::New<TLogin>(nullptr);
        login->Show();
        return login;
    }

    // Signs in `usuario` whose password expires `dias` days from today.
    TLogin* Entra(int dias, const QString& usuario = QStringLiteral("ana")) {
        Cuenta(usuario, QStringLiteral("Clave12"), Fecha(dias));
        TLogin* const login = Abre();
        login->txtUsuario->Value(usuario);
        login->txtPassword->Value(QStringLiteral("Clave12"));
        login->btnEntrarClick(login->btnEntrar);
        return login;
    }
};

}  // namespace

TEST_F(LoginTest, InitialisationTestsTheDatabaseAndPrefillsTheLastUser) {
    EscribeIni(QStringLiteral("VARIABLES"), QStringLiteral("NombreEmpresa"), QStringLiteral("X"));
    EscribeIni(QStringLiteral("VARIABLES"), QStringLiteral("Usuario"), QStringLiteral("luis"));
    ui::ScriptedMessages msgs;
    TLogin* const login = Abre();
    EXPECT_EQ(msgs.count(), 0);
    EXPECT_FALSE(login->IsClosed());
    EXPECT_EQ(login->lblEmpresa->cText(), QStringLiteral("nomina / ") + Ini("CONFIG", "SERVER"));
    EXPECT_EQ(login->txtUsuario->Value(), QStringLiteral("luis"));
    EXPECT_EQ(Ini("VARIABLES", "NombreEmpresa"), QString());
    EXPECT_NE(login->CNX, nullptr);
    EXPECT_NE(login->objUsuario, nullptr);
}

TEST_F(LoginTest, WithoutCompaniesTheLabelStaysAndTheLoginGoesOn) {
    Ejecuta({QStringLiteral("delete from empresas")});
    TLogin* const login = Abre();
    EXPECT_EQ(login->lblEmpresa->cText(), QStringLiteral("empresa"));
    EXPECT_FALSE(login->IsClosed());
}

TEST_F(LoginTest, BothBoxesMustBeFilledButBlanksCount) {
    ui::ScriptedMessages msgs;
    TLogin* const login = Abre();
    login->btnEntrarClick(nullptr);
    login->txtUsuario->Value(QStringLiteral("ana"));
    login->btnEntrarClick(nullptr);
    EXPECT_EQ(msgs.texts(), (QStringList{QStringLiteral("Debe indicar un usuario."),
                                         QStringLiteral("Debe indicar su clave.")}));

    msgs.clear();
    // As typed: assigning Value would drop the trailing blanks.
    auto* const caja = qobject_cast<QLineEdit*>(login->txtUsuario->widget());
    ASSERT_NE(caja, nullptr);
    caja->setText(QStringLiteral("   "));
    login->txtPassword->Value(QStringLiteral("x"));
    EXPECT_TRUE(login->ValidaDatos());
    login->btnEntrarClick(nullptr);
    EXPECT_EQ(msgs.texts(), QStringList{kNoExiste});
}

TEST_F(LoginTest, WrongPasswordAndInjectionAttemptLogNobodyIn) {
    Cuenta(QStringLiteral("ana"), QStringLiteral("Clave12"), Fecha(30));
    ui::ScriptedMessages msgs;
    TLogin* const login = Abre();
    login->txtUsuario->Value(QStringLiteral("ana"));
    login->txtPassword->Value(QStringLiteral("clave12"));
    login->btnEntrarClick(nullptr);
    login->txtUsuario->Value(QStringLiteral("x' or '1'='1"));
    login->txtPassword->Value(QStringLiteral("x' or '1'='1"));
    login->btnEntrarClick(nullptr);

    EXPECT_EQ(msgs.texts(), (QStringList{kNoExiste, kNoExiste}));
    EXPECT_FALSE(login->IsClosed());
    EXPECT_EQ(login->txtUsuario->Value(), QStringLiteral("x' or '1'='1"));
    EXPECT_TRUE(traspasos.empty());
    EXPECT_EQ(Ini("VARIABLES", "Usuario"), QString());
    EXPECT_EQ(AppData().UsuarioGet(), QStringLiteral("desde_linea"));
}

TEST_F(LoginTest, CorrectLoginRemembersTheUserAndHandsOverToTheCompanyChooser) {
    ui::ScriptedMessages msgs;
    TLogin* const login = Entra(6);
    EXPECT_EQ(msgs.count(), 0);
    EXPECT_EQ(AppData().UsuarioGet(), QStringLiteral("ana"));
    EXPECT_EQ(Ini("VARIABLES", "Usuario"), QStringLiteral("ana"));
    ASSERT_EQ(traspasos.size(), 1u);
    EXPECT_EQ(traspasos[0].cnx, login->CNX);
    EXPECT_EQ(traspasos[0].usuario, login->objUsuario);
    EXPECT_EQ(traspasos[0].usuario->GetUsuario(), QStringLiteral("ana"));
    EXPECT_TRUE(login->IsClosed());
}

TEST_F(LoginTest, ExpiredPasswordRefusedWhenTheUserWillNotChangeIt) {
    for (const int dias : {0, -1}) {
        ui::ScriptedMessages msgs;
        msgs.answer(false);
        TLogin* const login =
            Entra(dias, dias == 0 ? QStringLiteral("hoy") : QStringLiteral("ayer"));
        EXPECT_EQ(msgs.texts(), QStringList{kYaExpiro}) << dias;
        EXPECT_EQ(msgs.last().kind, ui::MsgKind::NoYes);
        EXPECT_FALSE(login->IsClosed());
        EXPECT_TRUE(traspasos.empty());
        EXPECT_EQ(Application().FindForm<TCambioPwd>(), nullptr);
    }
}

TEST_F(LoginTest, ExpiredPasswordOpensTheChangeFormOnYes) {
    ui::ScriptedMessages msgs;
    msgs.answer(true);
    TLogin* const login = Entra(0);
    EXPECT_TRUE(login->IsClosed());
    EXPECT_TRUE(traspasos.empty());
    TCambioPwd* const cambio = Application().FindForm<TCambioPwd>();
    ASSERT_NE(cambio, nullptr);
    EXPECT_EQ(cambio->CNX, login->CNX);
    EXPECT_EQ(cambio->lblUsuario->cText(), QStringLiteral("ana"));

    // Its hand-over is the same one as the login's.
    cambio->txtAnterior->Value(QStringLiteral("Clave12"));
    cambio->txtNuevo->Value(QStringLiteral("Nueva99"));
    cambio->txtConfirmar->Value(QStringLiteral("Nueva99"));
    cambio->btnCambiarClick(nullptr);
    ASSERT_EQ(traspasos.size(), 1u);
    EXPECT_EQ(traspasos[0].usuario->GetUsuario(), QStringLiteral("ana"));
}

TEST_F(LoginTest, WarningFromTheConfiguredDaysBeforeExpiry) {
    {
        ui::ScriptedMessages msgs;
        msgs.answer(false);
        Entra(5, QStringLiteral("justo"));
        EXPECT_EQ(
            msgs.texts(),
            QStringList{QStringLiteral("Su password expirará en 5 días. ¿Desea cambiarlo ahora?")});
        ASSERT_EQ(traspasos.size(), 1u);  // No: the sign-in goes on
    }
    {
        ui::ScriptedMessages msgs;
        TLogin* const login = Entra(6, QStringLiteral("holgado"));
        EXPECT_EQ(msgs.count(), 0);
        EXPECT_EQ(traspasos.size(), 2u);
        EXPECT_TRUE(login->IsClosed());
    }
    {
        ui::ScriptedMessages msgs;
        msgs.answer(true);
        TLogin* const login = Entra(1, QStringLiteral("pronto"));
        EXPECT_EQ(msgs.count(), 1);
        EXPECT_EQ(traspasos.size(), 2u);
        EXPECT_TRUE(login->IsClosed());
        EXPECT_NE(Application().FindForm<TCambioPwd>(), nullptr);
    }
}

TEST_F(LoginTest, NoWarningWhenNoWarningDaysAreConfigured) {
    Ejecuta({QStringLiteral("update ctrl_usuarios set dias_aviso = 0")});
    ui::ScriptedMessages msgs;
    Entra(1);
    EXPECT_EQ(msgs.count(), 0);
    EXPECT_EQ(traspasos.size(), 1u);
}

TEST_F(LoginTest, MasterMarkerRunsTheSettingsModallyAndThenGivesWay) {
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("BD"), QStringLiteral("master"));
    EscribeIni(QStringLiteral("VARIABLES"), QStringLiteral("Usuario"), QStringLiteral("ana"));
    std::shared_ptr<clsConexion> cnxDelConfig;
    ui::ModalRunnerScope modal([&](TForm& f) {
        auto& config = dynamic_cast<TAConfig&>(f);
        cnxDelConfig = config.CNX;
        ASSERT_EQ(config.arrayEmpresas->aArrayData().value(0).value(0), QStringLiteral("nomina"));
        config.arrayEmpresas->GoTo(1);
        config.btnEmpresaClick(nullptr);
    });
    ui::ScriptedMessages msgs;
    TLogin* const primero = TForm::New<TLogin>(nullptr);
    primero->Show();

    EXPECT_EQ(modal.count(), 1);
    EXPECT_TRUE(primero->IsClosed());
    EXPECT_EQ(Ini("CONFIG", "BD"), QStringLiteral("nomina"));
    TLogin* const segundo = Application().FindForm<TLogin>();
    ASSERT_NE(segundo, nullptr);
    EXPECT_NE(segundo, primero);
    EXPECT_EQ(segundo->txtUsuario->Value(), QStringLiteral("ana"));
    EXPECT_EQ(msgs.count(), 0) << msgs.texts().join(u'|').toStdString();
}

TEST_F(LoginTest, FailedTestQueryOpensTheSettingsAndMarksMaster) {
    prueba::CopiaBase(QStringLiteral("vacia"), TestData::Empty);  // reachable, without empresas
    ui::ModalRunnerScope modal;
    ui::ScriptedMessages msgs;
    TLogin* const login = Abre();
    EXPECT_TRUE(login->IsClosed());
    EXPECT_EQ(modal.count(), 0);
    EXPECT_EQ(Ini("CONFIG", "BD"), QStringLiteral("master"));
    EXPECT_NE(Application().FindForm<TAConfig>(), nullptr);
}

TEST_F(LoginTest, OnlyLowerCaseMasterIsTheMarker) {
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("BD"), QStringLiteral("MASTER"));
    ui::ModalRunnerScope modal;
    ui::ScriptedMessages msgs;
    TLogin* const login = Abre();
    EXPECT_EQ(modal.count(), 0);
    EXPECT_TRUE(login->IsClosed());
    EXPECT_EQ(Ini("CONFIG", "BD"), QStringLiteral("master"));
    EXPECT_NE(Application().FindForm<TAConfig>(), nullptr);
}

TEST_F(LoginTest, ConfigurarAndSalir) {
    ui::ScriptedMessages msgs;
    TLogin* const login = Abre();
    login->btnConfigurarClick(nullptr);
    EXPECT_TRUE(login->IsClosed());
    EXPECT_EQ(Ini("CONFIG", "BD"), QStringLiteral("master"));
    EXPECT_NE(Application().FindForm<TAConfig>(), nullptr);

    prueba::ConfiguraMotor(QStringLiteral("nomina"));
    TLogin* const otro = Abre();
    otro->btnSalirClick(nullptr);
    EXPECT_TRUE(otro->IsClosed());
    EXPECT_TRUE(traspasos.empty());
}
