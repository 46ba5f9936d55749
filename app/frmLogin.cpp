#include "app/frmLogin.h"

#include "ado/Connection.h"
#include "app/Traspaso.h"
#include "app/frmConfig.h"
#include "data/clsConexion.h"
#include "security/CLSUSUARIO.h"
#include "security/frmCambioPwd.h"
#include "ui/Application.h"
#include "ui/Msg.h"
#include "ui/TIni.h"

#include <QColor>

#include <stdexcept>

TLogin::TLogin(TForm* parent) : TForm(parent) {}

void TLogin::CreateForm() {
    TForm::CreateForm();
    cText(QStringLiteral("STAFFING"));
    SetBackground(Qt::white);
    nBorderStyle = 1;
    lSysMenu = false;
    SetClientSize(420, 372);

    oImage1 = TImage::New(this);
    oImage1->SetBounds(10, 8, 400, 120);
    oImage1->oPicture(QStringLiteral("plantillasfondo"));
    oImage1->Create();

    grpUsuarios = TGroupBox::New(this);
    grpUsuarios->SetBounds(10, 134, 400, 170);
    grpUsuarios->Create();
    QWidget* const grupo = grpUsuarios->widget();

    lblEmpresa = TLabel::New(grupo);
    lblEmpresa->SetBounds(12, 14, 376, 24);
    lblEmpresa->cText(QStringLiteral("empresa"));
    lblEmpresa->oFont(MakeFont(QStringLiteral("MS Sans Serif"), 12, true));
    lblEmpresa->nClrText(ColorFromWin(8388608));
    lblEmpresa->Create();

    oLabel1 = TLabel::New(grupo);
    oLabel1->SetBounds(12, 52, 100, 22);
    oLabel1->cText(QStringLiteral("Usuario"));
    oLabel1->oFont(MakeFont(QStringLiteral("MS Sans Serif"), 10));
    oLabel1->Create();

    txtUsuario = TEdit::New(grupo);
    txtUsuario->SetBounds(118, 50, 260, 26);
    txtUsuario->cToolTip(
        QStringLiteral("Escriba el usuario que le fue asignado para utilizar el sistema."));
    txtUsuario->lAutoSelect(true);
    txtUsuario->oFont(MakeFont(QStringLiteral("MS Sans Serif"), 10));
    txtUsuario->nMaxLength(clsUsuario::kLargoUsuario);
    txtUsuario->Create();

    oLabel2 = TLabel::New(grupo);
    oLabel2->SetBounds(12, 96, 100, 22);
    oLabel2->cText(QStringLiteral("Password"));
    oLabel2->oFont(MakeFont(QStringLiteral("MS Sans Serif"), 10));
    oLabel2->Create();

    txtPassword = TEdit::New(grupo);
    txtPassword->SetBounds(118, 94, 260, 26);
    txtPassword->cToolTip(QStringLiteral("Escriba el password."));
    txtPassword->lPassword(true);
    txtPassword->lAutoSelect(true);
    txtPassword->oFont(MakeFont(QStringLiteral("Tahoma"), 10));
    txtPassword->nMaxLength(clsUsuario::kLargoPassword);
    txtPassword->Create();

    btnEntrar = TBtnBmp::New(this);
    SetDefaultButton(btnEntrar);
    btnEntrar->SetBounds(10, 316, 128, 44);
    btnEntrar->cText(QStringLiteral("Entrar"));
    btnEntrar->cToolTip(QStringLiteral(
        "Escriba el usuario y el password  y presione Entrar para acceder al sistema."));
    btnEntrar->oBitmaps(QStringLiteral("angulo2"));
    btnEntrar->SetHandCursor();
    btnEntrar->OnClick = Bind(this, &TLogin::btnEntrarClick);
    btnEntrar->Create();

    btnConfigurar = TBtnBmp::New(this);
    btnConfigurar->SetBounds(146, 316, 128, 44);
    btnConfigurar->cText(QStringLiteral("Configurar"));
    btnConfigurar->oBitmaps(QStringLiteral("refresh"));
    btnConfigurar->SetHandCursor();
    btnConfigurar->OnClick = Bind(this, &TLogin::btnConfigurarClick);
    btnConfigurar->Create();

    btnSalir = TBtnBmp::New(this);
    btnSalir->SetBounds(282, 316, 128, 44);
    btnSalir->cText(QStringLiteral("Salir"));
    btnSalir->cToolTip(QStringLiteral("Salir del sistema."));
    btnSalir->oBitmaps(QStringLiteral("puertasalida"));
    btnSalir->SetHandCursor();
    btnSalir->OnClick = Bind(this, &TLogin::btnSalirClick);
    btnSalir->Create();

    Center();
    OnInitialize = Bind(this, &TLogin::FormInitialize);
}

void TLogin::FormInitialize(TForm*) {
    CNX = std::make_shared<clsConexion>();
    objUsuario = std::make_shared<clsUsuario>();
    EscribeIni(QStringLiteral("VARIABLES"), QStringLiteral("NombreEmpresa"), QString());

    if (LeeIni(QStringLiteral("CONFIG"), QStringLiteral("BD")) == QLatin1String("master")) {
        // No company database chosen yet: the settings come first, and this form gives way.
        const auto config = TForm::NewModal<TAConfig>(this, [this](TAConfig& f) { f.CNX = CNX; });
        config->ShowModal();
        Close();
        return;
    }

    bool falla = false;
    try {
        ado::Recordset rs;
        ado::Connection* const con = CNX->Conexion();
        if (!con)
            throw std::runtime_error("sin conexión");
        rs.Open(QStringLiteral("select nombre_empresa from empresas"), con);
        if (!rs.Eof()) {
            lblEmpresa->cText(LeeIni(QStringLiteral("CONFIG"), QStringLiteral("BD")) +
                              QStringLiteral(" / ") +
                              LeeIni(QStringLiteral("CONFIG"), QStringLiteral("SERVER")));
            rs.Close();
        }
    } catch (const std::exception&) {
        falla = true;
    }
    if (falla) {
        btnConfigurarClick(nullptr);
        return;
    }

    txtUsuario->Value(LeeIni(QStringLiteral("VARIABLES"), QStringLiteral("Usuario")));
}

bool TLogin::ValidaDatos() {
    if (txtUsuario->Value().isEmpty()) {
        MsgInfo(QStringLiteral("Debe indicar un usuario."));
        return false;
    }
    if (txtPassword->Value().isEmpty()) {
        MsgInfo(QStringLiteral("Debe indicar su clave."));
        return false;
    }
    return true;
}

void TLogin::ExisteUsuario() {
    objUsuario->SetUsuario(txtUsuario->Value());
    objUsuario->SetPwd(txtPassword->Value());
    // No stored password holds such a character: say so rather than "wrong password".
    if (!clsUsuario::CaracteresPermitidos(txtPassword->Value())) {
        MsgInfo(QStringLiteral("La contraseña contiene caracteres no permitidos."));
        return;
    }
    if (!objUsuario->Login()) {
        MsgInfo(QStringLiteral("El usuario no existe o el usuario y la clave son incorrectos."));
        return;
    }
    EscribeIni(QStringLiteral("VARIABLES"), QStringLiteral("Usuario"), objUsuario->GetUsuario());
    AppData().UsuarioGet(objUsuario->GetUsuario());

    const int d = objUsuario->Expira();
    if (d <= 0) {
        if (MsgNoYes(QStringLiteral("Su password ya expiró. Debe cambiarlo para poder entrar al "
                                    "sistema. ¿Desea cambiarlo ahora?")))
            abreCambioPwd();
        return;
    }
    if (d <= objUsuario->DiasAntes()) {
        if (MsgNoYes(QStringLiteral("Su password expirará en %1 días. ¿Desea cambiarlo ahora?")
                         .arg(d))) {
            abreCambioPwd();
            return;
        }
    }
    AbreSeleccionEmpresa(CNX, objUsuario);
    Close();
}

void TLogin::abreCambioPwd() {
    auto* const cambio = TForm::New<TCambioPwd>(nullptr, [this](TCambioPwd& f) {
        f.CNX = CNX;
        f.AbreSeleccionEmpresa = &::AbreSeleccionEmpresa;
    });
    cambio->Show();
    Close();
}

void TLogin::btnEntrarClick(TControl*) {
    if (!ValidaDatos())
        return;
    ExisteUsuario();
}

void TLogin::btnConfigurarClick(TControl*) {
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("BD"), QStringLiteral("master"));
    TForm::New<TAConfig>(nullptr)->Show();
    Close();
}

void TLogin::btnSalirClick(TControl*) {
    Close();
}
