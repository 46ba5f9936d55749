#include "security/frmCambioPwd.h"

#include "security/CLSUSUARIO.h"
#include "security/ReglasPassword.h"
#include "ui/Application.h"
#include "ui/Msg.h"

#include <QColor>
#include <QLabel>

namespace {

const QChar kMascara(0x00CF);  // Ï

TEdit* cajaPassword(QWidget* padre, int top, const QString& ayuda) {
    TEdit* const caja = TEdit::New(padre);
    caja->SetBounds(150, top, 190, 24);
    caja->lPassword(true);
    caja->cPasswordChar(kMascara);
    caja->cToolTip(ayuda);
    caja->nMaxLength(clsUsuario::kLargoPassword);
    return caja;
}

TLabel* etiqueta(QWidget* padre, int left, int top, int width, const QString& texto) {
    TLabel* const l = TLabel::New(padre);
    l->SetBounds(left, top, width, 20);
    l->cText(texto);
    return l;
}

TLabel* requerido(QWidget* padre, int top) {
    TLabel* const l = etiqueta(padre, 346, top, 12, QStringLiteral("*"));
    l->nClrText(Qt::red);
    return l;
}

}  // namespace

TCambioPwd::TCambioPwd(TForm* parent) : TForm(parent) {}

void TCambioPwd::CreateForm() {
    TForm::CreateForm();
    cText(QStringLiteral("Cambiar Password"));
    nBorderStyle = 1;
    lSysMenu = false;
    SetClientSize(384, 250);

    oGroupBox1 = TGroupBox::New(this);
    oGroupBox1->SetBounds(10, 6, 364, 186);
    oGroupBox1->Create();
    QWidget* const grupo = oGroupBox1->widget();

    lblUsuario = etiqueta(grupo, 12, 14, 340, QStringLiteral("Usuario"));
    lblUsuario->SetBounds(12, 14, 340, 44);
    lblUsuario->oFont(MakeFont(QStringLiteral("MS Sans Serif"), 12, true));
    if (auto* const qlabel = qobject_cast<QLabel*>(lblUsuario->widget()))
        qlabel->setWordWrap(true);
    lblUsuario->Create();

    oLabel4 = etiqueta(grupo, 12, 72, 134, QStringLiteral("Password Actual"));
    oLabel4->Create();
    txtAnterior =
        cajaPassword(grupo, 70, QStringLiteral("Escribir el password actualmente utilizado."));
    txtAnterior->OnExit = Bind(this, &TCambioPwd::txtAnteriorExit);
    txtAnterior->Create();
    oLabel6 = requerido(grupo, 72);
    oLabel6->Create();

    oLabel2 = etiqueta(grupo, 12, 110, 134, QStringLiteral("Password Nuevo"));
    oLabel2->Create();
    txtNuevo = cajaPassword(grupo, 108, QStringLiteral("Escribir el password nuevo."));
    txtNuevo->OnExit = Bind(this, &TCambioPwd::txtNuevoExit);
    txtNuevo->Create();
    PasswordAnterior = requerido(grupo, 110);
    PasswordAnterior->Create();

    oLabel3 = etiqueta(grupo, 12, 148, 134, QStringLiteral("Confirmar Nuevo"));
    oLabel3->Create();
    txtConfirmar =
        cajaPassword(grupo, 146, QStringLiteral("Escribir la confirmacion del password nuevo."));
    txtConfirmar->OnExit = Bind(this, &TCambioPwd::txtConfirmarExit);
    txtConfirmar->Create();
    oLabel5 = requerido(grupo, 148);
    oLabel5->Create();

    btnCambiar = TButton::New(this);
    SetDefaultButton(btnCambiar);
    btnCambiar->SetBounds(164, 204, 100, 32);
    btnCambiar->cText(QStringLiteral("&Cambiar"));
    btnCambiar->cToolTip(QStringLiteral("Cambiar el password."));
    btnCambiar->OnClick = Bind(this, &TCambioPwd::btnCambiarClick);
    btnCambiar->Create();

    btnSalir = TButton::New(this);
    btnSalir->SetBounds(274, 204, 100, 32);
    btnSalir->cText(QStringLiteral("&Salir"));
    btnSalir->cToolTip(QStringLiteral("Cierra la pantalla sin cambiar el password."));
    btnSalir->OnClick = Bind(this, &TCambioPwd::btnSalirClick);
    btnSalir->Create();

    Center();
    OnInitialize = Bind(this, &TCambioPwd::FormInitialize);
}

void TCambioPwd::FormInitialize(TForm*) {
    objUsuario = std::make_shared<clsUsuario>();
    // The user who signed in, exactly as the sign-in kept it; config.ini only remembers the
    // name for the next sign-in and is no proof of who is here.
    lblUsuario->cText(AppData().UsuarioGet());
    objUsuario->SetUsuario(AppData().UsuarioGet());
}

bool TCambioPwd::ValidaRequeridos() {
    return !txtNuevo->Value().trimmed().isEmpty() && !txtAnterior->Value().trimmed().isEmpty() &&
           !txtConfirmar->Value().trimmed().isEmpty();
}

bool TCambioPwd::ConfirmaPassword() {
    return txtNuevo->Value().trimmed() == txtConfirmar->Value().trimmed();
}

bool TCambioPwd::ValidaPassworD() {
    // Every rule sees exactly the text that is stored: the box trimmed.
    const QString rechazo =
        seguridad::RevisaPasswordNuevo(*objUsuario, txtNuevo->Value().trimmed());
    if (rechazo.isEmpty())
        return true;
    MsgInfo(rechazo);
    return false;
}

void TCambioPwd::txtAnteriorExit(TControl*, TControl*) {
    const QString actual = txtAnterior->Value().trimmed();
    if (actual.isEmpty())
        return;
    if (!objUsuario->ValidaPwdActual(actual))
        MsgInfo(QStringLiteral("El password actual no es el correcto."));
}

void TCambioPwd::txtNuevoExit(TControl*, TControl*) {
    if (txtNuevo->Value().trimmed().isEmpty())
        return;
    ValidaPassworD();
}

void TCambioPwd::txtConfirmarExit(TControl*, TControl*) {
    if (txtConfirmar->Value().isEmpty())
        return;
    if (!ConfirmaPassword())
        MsgInfo(QStringLiteral("El password de confirmación no coincide."));
}

void TCambioPwd::btnCambiarClick(TControl*) {
    if (!ValidaRequeridos()) {
        MsgInfo(QStringLiteral("Los campos marcados con * son requeridos."));
        return;
    }
    if (!objUsuario->ValidaPwdActual(txtAnterior->Value().trimmed())) {
        MsgInfo(QStringLiteral("El pasword actual no es correcto."));
        return;
    }
    if (!ValidaPassworD()) {
        MsgInfo(QStringLiteral("El formato del password no es correcto."));
        return;
    }
    if (!ConfirmaPassword()) {
        MsgInfo(QStringLiteral("El password no coincide."));
        return;
    }
    objUsuario->SetPwd(txtNuevo->Value().trimmed());
    if (!objUsuario->CambiarPwd())
        return;  // the policy gave no validity: nothing was written
    if (AbreSeleccionEmpresa)
        AbreSeleccionEmpresa(CNX, objUsuario);
    Close();
}

void TCambioPwd::btnSalirClick(TControl*) {
    Close();
}
