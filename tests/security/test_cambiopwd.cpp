#include "ado/SqlLiteral.h"
#include "security/CLSUSUARIO.h"
#include "security/frmCambioPwd.h"
#include "tests/support/BaseDePrueba.h"
#include "tests/support/CadenasHostiles.h"
#include "ui/Application.h"
#include "ui/ErrorReport.h"
#include "ui/TIni.h"
#include "ui/TestSeam.h"

#include <memory>

using prueba::Columna;
using prueba::Ejecuta;
using prueba::Fecha;

namespace {

const QString kRequeridos = QStringLiteral("Los campos marcados con * son requeridos.");

// The signed-in user "ana" with password "Actual1"; policy: 30 days, 6 characters, depth 1,
// one digit.
class CambioPwdTest : public prueba::BaseUsuariosTest {
  protected:
    void SetUp() override {
        BaseUsuariosTest::SetUp();
        Politica(30, 6, 1, 1, 5);
        Ejecuta({QStringLiteral("insert into usuarios values ('ana', 'Ana', ") +
                     SqlLiteral(clsUsuario::EncriptaPWD(QStringLiteral("Actual1"))) +
                     QStringLiteral(", ") + Fecha(0) + QLatin1Char(')'),
                 QStringLiteral("insert into hpwd values ('ana', ") + Fecha(-60) +
                     QStringLiteral(", ") +
                     SqlLiteral(clsUsuario::EncriptaPWD(QStringLiteral("Anterior1"))) +
                     QLatin1Char(')'),
                 QStringLiteral("insert into hpwd values ('ana', ") + Fecha(-30) +
                     QStringLiteral(", ") +
                     SqlLiteral(clsUsuario::EncriptaPWD(QStringLiteral("Actual1"))) +
                     QLatin1Char(')')});
        AppData().AddData(QStringLiteral("UsuarioGet"), QStringLiteral("ana"));
        form = TForm::NewModal<TCambioPwd>();
        form->AbreSeleccionEmpresa = [this](std::shared_ptr<clsConexion>,
                                            std::shared_ptr<clsUsuario> u) {
            traspasos.push_back(u ? u->GetUsuario() : QString());
        };
    }

    void Escribe(const QString& anterior, const QString& nuevo, const QString& confirmar) {
        form->txtAnterior->Value(anterior);
        form->txtNuevo->Value(nuevo);
        form->txtConfirmar->Value(confirmar);
    }

    static QString PasswordGuardado() {
        return Columna(QStringLiteral("select password from usuarios where usuario='ana'"))
            .value(0);
    }

    std::unique_ptr<TCambioPwd> form;
    QStringList traspasos;
};

}  // namespace

TEST_F(CambioPwdTest, EmptyBoxesGiveOnlyTheRequiredMessage) {
    ui::ScriptedMessages msgs;
    form->btnCambiarClick(nullptr);
    EXPECT_EQ(msgs.texts(), QStringList{kRequeridos});
    Escribe(QStringLiteral("Actual1"), QStringLiteral("   "), QStringLiteral("Nueva22"));
    msgs.clear();
    form->btnCambiarClick(nullptr);
    EXPECT_EQ(msgs.texts(), QStringList{kRequeridos});
    EXPECT_TRUE(traspasos.isEmpty());
}

TEST_F(CambioPwdTest, WrongCurrentPasswordOnExitAndOnCambiar) {
    ui::ScriptedMessages msgs;
    Escribe(QStringLiteral("actual1"), QStringLiteral("Nueva22"), QStringLiteral("Nueva22"));
    form->txtAnteriorExit(form->txtAnterior, nullptr);
    form->btnCambiarClick(nullptr);
    EXPECT_EQ(msgs.texts(), (QStringList{QStringLiteral("El password actual no es el correcto."),
                                         QStringLiteral("El pasword actual no es correcto.")}));
    EXPECT_EQ(PasswordGuardado(), clsUsuario::EncriptaPWD(QStringLiteral("Actual1")));
}

TEST_F(CambioPwdTest, RuleMessagesInOrderThenTheFormatMessage) {
    ui::ScriptedMessages msgs;
    const auto intento = [&](const char* nuevo) {
        msgs.clear();
        Escribe(QStringLiteral("Actual1"), QString::fromUtf8(nuevo), QString::fromUtf8(nuevo));
        form->txtNuevoExit(form->txtNuevo, nullptr);
        form->btnCambiarClick(nullptr);
        return msgs.texts();
    };
    const QString formato = QStringLiteral("El formato del password no es correcto.");
    const QString longitud = QStringLiteral("La longitud del password no es correcta.");
    EXPECT_EQ(intento("Ab1"), (QStringList{longitud, longitud, formato}));
    const QString usado = QStringLiteral("Ese password fue utilizado recientemente.");
    EXPECT_EQ(intento("Actual1"), (QStringList{usado, usado, formato}));
    EXPECT_EQ(intento("Anterior1"), (QStringList{usado, usado, formato}));
    const QString numeros =
        QStringLiteral("El password no trae la cantidad de numeros requeridos.");
    EXPECT_EQ(intento("SinNumero"), (QStringList{numeros, numeros, formato}));
    EXPECT_TRUE(traspasos.isEmpty());
}

TEST_F(CambioPwdTest, ConfirmationComparesTrimmedTexts) {
    ui::ScriptedMessages msgs;
    Escribe(QStringLiteral("Actual1"), QStringLiteral("Nueva22"), QStringLiteral("Nueva23"));
    form->txtConfirmarExit(form->txtConfirmar, nullptr);
    form->btnCambiarClick(nullptr);
    EXPECT_EQ(msgs.texts(), (QStringList{QStringLiteral("El password de confirmación no coincide."),
                                         QStringLiteral("El password no coincide.")}));

    msgs.clear();
    Escribe(QStringLiteral("Actual1"), QStringLiteral("Nueva22"), QStringLiteral("  Nueva22"));
    form->txtConfirmarExit(form->txtConfirmar, nullptr);
    form->btnCambiarClick(nullptr);
    EXPECT_EQ(msgs.count(), 0);
    EXPECT_EQ(traspasos, QStringList{QStringLiteral("ana")});
}

TEST_F(CambioPwdTest, AcceptedPasswordIsStoredTrimmedWithHistoryAndHandsOver) {
    ui::ScriptedMessages msgs;
    // Six characters only with the blanks, which are not stored: the rules see the stored text.
    Escribe(QStringLiteral("Actual1"), QStringLiteral(" Nuev2"), QStringLiteral("Nuev2"));
    form->btnCambiarClick(nullptr);
    EXPECT_EQ(msgs.texts(),
              (QStringList{QStringLiteral("La longitud del password no es correcta."),
                           QStringLiteral("El formato del password no es correcto.")}));
    EXPECT_EQ(PasswordGuardado(), clsUsuario::EncriptaPWD(QStringLiteral("Actual1")));

    msgs.clear();
    Escribe(QStringLiteral("Actual1"), QStringLiteral(" Nueva2 "), QStringLiteral("Nueva2"));
    form->btnCambiarClick(nullptr);
    EXPECT_EQ(msgs.count(), 0) << msgs.texts().join(u'|').toStdString();
    EXPECT_EQ(PasswordGuardado(), clsUsuario::EncriptaPWD(QStringLiteral("Nueva2")));
    EXPECT_EQ(Columna(QStringLiteral("select password from hpwd where usuario='ana' order by "
                                     "fch_modifico"))
                  .last(),
              PasswordGuardado());
    EXPECT_EQ(form->lblUsuario->cText(), QStringLiteral("ana"));
    EXPECT_EQ(traspasos, QStringList{QStringLiteral("ana")});
    EXPECT_TRUE(form->IsClosed());
}

TEST_F(CambioPwdTest, WithoutValidityPeriodNothingIsWrittenAndTheFormStays) {
    Ejecuta({QStringLiteral("update ctrl_usuarios set dias_Vigencia = NULL")});
    ui::ScriptedMessages msgs;
    Escribe(QStringLiteral("Actual1"), QStringLiteral("Nueva22"), QStringLiteral("Nueva22"));
    form->btnCambiarClick(nullptr);
    EXPECT_EQ(msgs.count(), 1);
    EXPECT_TRUE(msgs.last().text.contains(QStringLiteral("no se puede guardar la contraseña")));
    EXPECT_EQ(PasswordGuardado(), clsUsuario::EncriptaPWD(QStringLiteral("Actual1")));
    EXPECT_TRUE(traspasos.isEmpty());
    EXPECT_FALSE(form->IsClosed());
}

TEST_F(CambioPwdTest, HostileNewPasswordsAreStoredExactlyTrimmedOrRefusedWithAMessage) {
    Ejecuta(
        {QStringLiteral("update ctrl_usuarios set longitud_password = 0, requiere_numeros "
                        "= 0, rotacion_password = '0'")});
    std::vector<QString> errores;
    ui::SetErrorWindowHook([&](const QString& log) { errores.push_back(log); });
    const QString actual = clsUsuario::EncriptaPWD(QStringLiteral("Actual1"));
    for (const prueba::Hostil& h : prueba::CadenasHostiles()) {
        SCOPED_TRACE(prueba::Muestra(h.texto));
        form = TForm::NewModal<TCambioPwd>();
        form->AbreSeleccionEmpresa = [this](std::shared_ptr<clsConexion>,
                                            std::shared_ptr<clsUsuario> u) {
            traspasos.push_back(u ? u->GetUsuario() : QString());
        };
        traspasos.clear();
        ui::ScriptedMessages msgs;
        form->txtAnterior->setText(QStringLiteral("Actual1"));
        form->txtNuevo->setText(h.texto);  // as typed; the box takes what the column holds
        form->txtConfirmar->setText(h.texto);
        const QString guardable = form->txtNuevo->Value().trimmed();
        EXPECT_LE(form->txtNuevo->Value().size(), clsUsuario::kLargoPassword);
        form->btnCambiarClick(nullptr);

        if (form->IsClosed()) {
            EXPECT_EQ(msgs.count(), 0) << msgs.texts().join(u'|').toStdString();
            EXPECT_EQ(traspasos, QStringList{QStringLiteral("ana")});
            EXPECT_EQ(PasswordGuardado(), clsUsuario::Cifra(guardable).value_or("?"));
            clsUsuario ana;
            ana.SetUsuario(QStringLiteral("ana"));
            ana.SetPwd(guardable);
            EXPECT_TRUE(ana.Login());
            Ejecuta({"update usuarios set password = " + SqlLiteral(actual) +
                     " where usuario = 'ana'"});
        } else {
            EXPECT_GE(msgs.count(), 1);
            EXPECT_TRUE(traspasos.isEmpty());
            EXPECT_EQ(PasswordGuardado(), actual);
        }
        // A password that cannot be stored whole is always refused, and says why.
        if (!h.password && h.texto.size() <= clsUsuario::kLargoPassword) {
            EXPECT_FALSE(form->IsClosed());
        }
        if (!clsUsuario::CaracteresPermitidos(h.texto)) {
            EXPECT_TRUE(
                msgs.contains(QStringLiteral("La contraseña contiene caracteres no "
                                             "permitidos.")));
        }
    }
    ui::SetErrorWindowHook({});
    EXPECT_TRUE(errores.empty()) << (errores.empty() ? "" : errores.front().toStdString());
}

TEST_F(CambioPwdTest, TheUserIsTheOneWhoSignedInNotTheOneConfigIniNames) {
    EscribeIni(QStringLiteral("VARIABLES"), QStringLiteral("Usuario"),
               QStringLiteral("'Administrador'"));
    form = TForm::NewModal<TCambioPwd>();
    EXPECT_EQ(form->lblUsuario->cText(), QStringLiteral("ana"));
    EXPECT_TRUE(form->objUsuario->ValidaPwdActual(QStringLiteral("Actual1")));
}
