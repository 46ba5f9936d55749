// The sign-in, the company chooser, the company search and the settings under hostile text:
// no error window, nobody signed in but the exact account, no company beyond the profile,
// and settings that read back as typed.
#include "app/BusEmpresa.h"
#include "app/frmConfig.h"
#include "app/frmEmpresa.h"
#include "app/frmInicio.h"
#include "app/frmLogin.h"
#include "tests/app/test_empresa_base.h"
#include "tests/support/CadenasHostiles.h"
#include "ui/TestSeam.h"

using prueba::Hostil;
using namespace staffing;

namespace {

const QString kUsuarioNoExiste =
    QStringLiteral("El usuario no existe o el usuario y la clave son incorrectos.");
const QString kNoPermitidos = QStringLiteral("La contraseña contiene caracteres no permitidos.");

// Companies 1, 2 and 3; Administrador may open all of them. Hand-overs to the company
// chooser are recorded.
class HostilesAppTest : public StaffingTest {
  protected:
    void SetUp() override {
        StaffingTest::SetUp();
        Ejecuta(
            {"update usuarios set password = " + SqlLiteral(clsUsuario::EncriptaPWD("admin123")) +
             ", expiracion = " + prueba::Fecha(30) + " where usuario = 'Administrador'"});
        Empresa(1, "Hotel del Sol");
        Empresa(2, "Hospital Central");
        Empresa(3, "Clinica Norte");
        Perfil("Administrador", "'{}'");
        m_traspaso = std::make_unique<TraspasoScope>(
            [this](std::shared_ptr<clsConexion>, std::shared_ptr<clsUsuario> u) {
                traspasos << (u ? u->GetUsuario() : QString());
            });
        AppData().UsuarioGet(QString());
    }
    void TearDown() override {
        m_traspaso.reset();
        StaffingTest::TearDown();
    }

    // Types name and password as a user would (no trimming by the program) and presses Entrar.
    void Entra(const QString& usuario, const QString& clave) {
        auto* const login = TForm::New<TLogin>(nullptr);
        login->Show();
        login->txtUsuario->setText(usuario);
        login->txtPassword->setText(clave);
        login->btnEntrar->Click();
        prueba::CierraFormularios();
    }

    static void Cuenta(const QString& usuario, const QString& clave) {
        Ejecuta({"insert into usuarios values (" + SqlLiteral(usuario) + ", 'x', " +
                 SqlLiteral(clsUsuario::EncriptaPWD(clave)) + ", " + prueba::Fecha(30) + ")"});
    }

    static TArrayBrowse::Rows Elegibles() {
        auto* const f = TForm::New<TEmpresa>(nullptr);
        f->Show();
        const TArrayBrowse::Rows filas = f->arrayEmpresa->aArrayData();
        prueba::CierraFormularios();
        return filas;
    }

    QStringList traspasos;

  private:
    std::unique_ptr<TraspasoScope> m_traspaso;
};

}  // namespace

TEST_F(HostilesAppTest, SignInTakesOnlyTheExactAccountAndRemembersItExactly) {
    for (const Hostil& h : prueba::CadenasHostiles()) {
        SCOPED_TRACE(prueba::Muestra(h.texto));
        traspasos.clear();
        if (h.nombre)
            Cuenta(h.texto, QStringLiteral("Clave12"));
        ui::ScriptedMessages msgs;
        Entra(h.texto, QStringLiteral("Clave12"));
        if (h.nombre) {
            EXPECT_EQ(msgs.count(), 0) << msgs.texts().join('|').toStdString();
            EXPECT_EQ(traspasos, QStringList{h.texto});
            EXPECT_EQ(AppData().UsuarioGet(), h.texto);
            // The next sign-in is pre-filled with exactly this name.
            auto* const login = TForm::New<TLogin>(nullptr);
            login->Show();
            EXPECT_EQ(login->txtUsuario->Value(), h.texto);
            prueba::CierraFormularios();
            Ejecuta({"delete from usuarios where usuario = " + SqlLiteral(h.texto)});
        } else {
            EXPECT_EQ(msgs.texts(), QStringList{kUsuarioNoExiste});
            EXPECT_TRUE(traspasos.isEmpty());
        }

        // The same text as Administrador's password, or after it.
        for (const QString& clave : {h.texto, QStringLiteral("admin123") + h.texto}) {
            msgs.clear();
            traspasos.clear();
            Entra(QStringLiteral("Administrador"), clave);
            EXPECT_TRUE(traspasos.isEmpty());
            ASSERT_EQ(msgs.count(), 1);
            EXPECT_TRUE(msgs.last().text == kUsuarioNoExiste || msgs.last().text == kNoPermitidos)
                << msgs.last().text.toStdString();
        }
    }
}

TEST_F(HostilesAppTest, ForeignCharactersInThePasswordAreNamedAsSuch) {
    ui::ScriptedMessages msgs;
    for (const char* clave : {"admin123Ж", "admin123😀", "Жуков"})
        Entra(QStringLiteral("Administrador"), QString::fromUtf8(clave));
    EXPECT_EQ(msgs.texts(), QStringList(3, kNoPermitidos));
    EXPECT_TRUE(traspasos.isEmpty());
}

TEST_F(HostilesAppTest, BoxesTakeWhatTheirColumnsAndKeysHold) {
    ui::ScriptedMessages msgs;  // whatever the settings' first load says
    auto* const login = TForm::New<TLogin>(nullptr);
    login->Show();
    const QString largo(5000, u'x');
    login->txtUsuario->setText(largo);
    login->txtPassword->setText(largo);
    EXPECT_EQ(login->txtUsuario->Value().size(), 20);
    EXPECT_EQ(login->txtPassword->Value().size(), 50);

    const auto config = TForm::NewModal<TAConfig>();
    for (auto [caja, largoMaximo] : {std::pair{config->txtServidor, 255},
                                     {config->txtUsuario, 128},
                                     {config->txtPassword, 128}}) {
        caja->setText(largo);
        EXPECT_EQ(caja->Value().size(), largoMaximo);
    }
}

TEST_F(HostilesAppTest, ChooserListsTheCompaniesOfExactlyTheUserWhoSignedIn) {
    for (const Hostil& h : prueba::CadenasHostiles()) {
        if (!h.nombre)
            continue;  // such a name cannot sign in (above)
        SCOPED_TRACE(prueba::Muestra(h.texto));
        Cuenta(h.texto, QStringLiteral("Clave12"));
        const int perfil = Perfil(h.texto, "'{2}'");
        Entra(h.texto, QStringLiteral("Clave12"));
        EXPECT_EQ(
            Elegibles(),
            (TArrayBrowse::Rows{{"       2", QString("Hospital Central").leftJustified(30)}}));
        Ejecuta({"delete from usuarios where usuario = " + SqlLiteral(h.texto),
                 QStringLiteral("delete from perfil_usuarios where idperfil = %1").arg(perfil)});
    }
    // Whatever config.ini says afterwards, the chooser follows the user who signed in.
    Entra(QStringLiteral("Administrador"), QStringLiteral("admin123"));
    EscribeIni("VARIABLES", "Usuario", "nadie");
    EXPECT_EQ(Elegibles().size(), 3);
}

TEST_F(HostilesAppTest, CompanySearchFollowsTheProfileAndNoOtherKeyIsTaken) {
    EntraComo("consulta");
    Perfil("consulta", "'{1}'");
    auto* const inicio = TForm::New<TInicio>(nullptr, [](TInicio& f) { f.Empresa = "       1"; });
    inicio->Show();

    TArrayBrowse::Rows listadas;
    ui::ModalRunnerScope busca([&](TForm& form) {
        auto& busqueda = dynamic_cast<TBusEmpresa&>(form);
        listadas = busqueda.arrayEmpresas->aArrayData();
        // Filter text is matched as plain text on the loaded rows.
        for (const Hostil& h : prueba::CadenasHostiles()) {
            busqueda.arrayEmpresas->SetFilter(2, h.texto);
            EXPECT_EQ(busqueda.arrayEmpresas->nVisibleRows(), 0) << prueba::Muestra(h.texto);
        }
        busqueda.arrayEmpresas->SetFilter(2, QString());
        busqueda.btnAceptarClick(busqueda.btnAceptar);
    });
    inicio->btnEmpresa->Click();
    ASSERT_EQ(listadas.size(), 1);
    EXPECT_EQ(listadas[0][0], "        1");

    // A key outside the profile, however it comes back, is not taken.
    ui::ModalRunnerScope fuerza([](TForm& form) {
        auto& busqueda = dynamic_cast<TBusEmpresa&>(form);
        busqueda.vEmpresa = "        2";
        busqueda.Close();
    });
    inicio->btnEmpresa->Click();
    EXPECT_EQ(inicio->Empresa.trimmed(), "1");
    EXPECT_NE(LeeIni("VARIABLES", "Empresa"), "2");
    EXPECT_FALSE(inicio->cText().contains("Hospital Central"));
}

TEST_F(HostilesAppTest, SettingsReadBackAsTypedOrAreRefused) {
    const QString carpeta = LeeIni("CONFIG", "SERVER");
    for (const Hostil& h : prueba::CadenasHostiles()) {
        SCOPED_TRACE(prueba::Muestra(h.texto));
        EscribeIni("CONFIG", "BD", "master");
        ui::ScriptedMessages msgs;
        const auto config = TForm::NewModal<TAConfig>();
        config->txtUsuario->setText(h.texto);
        config->txtPassword->setText(h.texto);
        const QString tecleado = config->txtPassword->Value();  // as far as the box takes it
        config->btnbuscarClick(config->btnbuscar);
        const bool cabe = !tecleado.contains('\r') && !tecleado.contains('\n') &&
                          !tecleado.contains(QChar(u'\0'));
        EXPECT_EQ(LeeIni("CONFIG", "ID"), cabe ? tecleado : QString());
        EXPECT_EQ(LeeIni("CONFIG", "PWD"), cabe ? tecleado : QString());
        EXPECT_EQ(msgs.count(), cabe ? 0 : 1) << msgs.texts().join('|').toStdString();
        // Opening the settings again shows and writes back the same values.
        if (cabe) {
            const auto otra = TForm::NewModal<TAConfig>();
            EXPECT_EQ(otra->txtPassword->Value(), tecleado);
            EXPECT_EQ(LeeIni("CONFIG", "PWD"), tecleado);
        }
        EscribeIni("CONFIG", "ID", "");
        EscribeIni("CONFIG", "PWD", "");
        EXPECT_EQ(LeeIni("CONFIG", "SERVER"), carpeta);
    }
}
