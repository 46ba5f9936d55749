#include "app/frmConfig.h"

#include "ado/AdoError.h"
#include "ado/Connection.h"
#include "app/frmLogin.h"
#include "data/clsConexion.h"
#include "ui/Msg.h"
#include "ui/TIni.h"

namespace {

const QString kConfig = QStringLiteral("CONFIG");
const QString kTextoSqlServer = QStringLiteral("SQL Server");
const QString kTextoSqlite = QStringLiteral("SQLite (integrado)");
// Longest server name (a host name with an instance and port), login and password that the
// boxes take: SQL Server's own limits for logins and passwords.
constexpr int kLargoServidor = 255;
constexpr int kLargoLogin = 128;

// A database name as a bracketed identifier: a closing bracket inside it is doubled.
QString entreCorchetes(const QString& nombre) {
    QString escapado = nombre;
    escapado.replace(QLatin1Char(']'), QStringLiteral("]]"));
    return QLatin1Char('[') + escapado + QLatin1Char(']');
}

}  // namespace

TAConfig::TAConfig(TForm* parent) : TForm(parent) {}

QString TAConfig::MotorDeIni() {
    return LeeIni(kConfig, QStringLiteral("MOTOR")).trimmed().toUpper();
}

void TAConfig::CreateForm() {
    TForm::CreateForm();
    cText(QStringLiteral("Configuración de Empresas"));
    SetBackground(Qt::white);
    nBorderStyle = 1;
    SetClientSize(460, 468);

    oLabel1 = TLabel::New(this);
    oLabel1->SetBounds(12, 12, 200, 18);
    oLabel1->cText(QStringLiteral("Nombre del Servidor"));
    oLabel1->Create();

    txtServidor = TEdit::New(this);
    txtServidor->SetBounds(12, 32, 436, 24);
    txtServidor->Value(QStringLiteral("(local)"));
    txtServidor->lAutoSelect(true);
    txtServidor->nMaxLength(kLargoServidor);
    txtServidor->cToolTip(QStringLiteral(
        "Con el motor SQLite (integrado), la carpeta que guarda las bases de datos."));
    txtServidor->Create();

    oLabel2 = TLabel::New(this);
    oLabel2->SetBounds(12, 64, 200, 18);
    oLabel2->cText(QStringLiteral("Usuario"));
    oLabel2->Create();

    txtUsuario = TEdit::New(this);
    txtUsuario->SetBounds(12, 84, 212, 24);
    txtUsuario->lAutoSelect(true);
    txtUsuario->nMaxLength(kLargoLogin);
    txtUsuario->Create();

    oLabel3 = TLabel::New(this);
    oLabel3->SetBounds(236, 64, 200, 18);
    oLabel3->cText(QStringLiteral("Password"));
    oLabel3->Create();

    txtPassword = TEdit::New(this);
    txtPassword->SetBounds(236, 84, 212, 24);
    txtPassword->lPassword(true);
    txtPassword->lAutoSelect(true);
    txtPassword->nMaxLength(kLargoLogin);
    txtPassword->Create();

    oLabel4 = TLabel::New(this);
    oLabel4->SetBounds(12, 118, 60, 22);
    oLabel4->cText(QStringLiteral("Motor"));
    oLabel4->Create();

    cmbMotor = TComboBox::New(this);
    cmbMotor->SetBounds(76, 116, 180, 24);
    cmbMotor->nStyle(1);
    cmbMotor->aItems({kTextoSqlServer, kTextoSqlite});
    cmbMotor->cToolTip(
        QStringLiteral("Motor de base de datos: SQL Server, o el motor "
                       "integrado sobre archivos SQLite."));
    cmbMotor->OnChange = Bind(this, &TAConfig::cmbMotorChange);
    cmbMotor->Create();

    chkAutentificacion = TCheckBox::New(this);
    chkAutentificacion->SetBounds(12, 150, 260, 24);
    chkAutentificacion->cText(QStringLiteral("Autentificación de Windows"));
    chkAutentificacion->OnClick = Bind(this, &TAConfig::chkAutentificacionClick);
    chkAutentificacion->Create();

    btnbuscar = TButton::New(this);
    btnbuscar->SetBounds(348, 148, 100, 28);
    btnbuscar->cText(QStringLiteral("Cargar"));
    btnbuscar->OnClick = Bind(this, &TAConfig::btnbuscarClick);
    btnbuscar->Create();

    arrayEmpresas = TArrayBrowse::New(this);
    arrayEmpresas->SetBounds(12, 186, 436, 220);
    TBrwRecSel::New(arrayEmpresas)->nWidth(18);
    auto* const columna = TArrayBrwColumn::New(arrayEmpresas);
    columna->cHeader(QStringLiteral("Empresas"));
    columna->nWidth(400);
    arrayEmpresas->nMarqueeStyle = 4;
    arrayEmpresas->Create();

    btnEmpresa = TBtnBmp::New(this);
    btnEmpresa->SetBounds(228, 416, 106, 40);
    btnEmpresa->cText(QStringLiteral("Aceptar"));
    btnEmpresa->oBitmaps(QStringLiteral("correcto"));
    btnEmpresa->SetHandCursor();
    btnEmpresa->OnClick = Bind(this, &TAConfig::btnEmpresaClick);
    btnEmpresa->Create();

    btnSalir = TBtnBmp::New(this);
    btnSalir->SetBounds(342, 416, 106, 40);
    btnSalir->cText(QStringLiteral("Salir"));
    btnSalir->oBitmaps(QStringLiteral("puertasalida"));
    btnSalir->SetHandCursor();
    btnSalir->OnClick = Bind(this, &TAConfig::btnSalirClick);
    btnSalir->Create();

    OnInitialize = Bind(this, &TAConfig::FormInitialize);
}

void TAConfig::FormInitialize(TForm*) {
    nTop(250);
    nLeft(300);
    // Exactly as stored, trailing blanks included (Value() would drop them).
    txtServidor->setText(LeeIni(kConfig, QStringLiteral("SERVER")));
    txtUsuario->setText(LeeIni(kConfig, QStringLiteral("ID")));
    txtPassword->setText(LeeIni(kConfig, QStringLiteral("PWD")));
    chkAutentificacion->lChecked(LeeIni(kConfig, QStringLiteral("AUTOWIN")) ==
                                 QLatin1String(".T."));
    cmbMotor->SelectString(MotorDeIni() == QLatin1String("SQLITE") ? kTextoSqlite
                                                                   : kTextoSqlServer);
    Carga();
}

TArrayBrowse::Rows TAConfig::leeBasesDeDatos() {
    ado::Connection* const con = CNX->Conexion();
    if (!con)
        throw ado::Error(QStringLiteral("Recordset.Open"),
                         QStringLiteral("No hay conexión con el servidor."));
    TArrayBrowse::Rows filas;
    ado::Recordset bases;
    bases.Open(QStringLiteral(" select name from sysdatabases "), con);
    if (!bases.Eof()) {
        bases.MoveFirst();
        for (; !bases.Eof(); bases.MoveNext()) {
            const QString nombre = bases.Fields(0).Value.toText();
            ado::Recordset objetos;
            objetos.Open(QStringLiteral(" select [name] from ") + entreCorchetes(nombre) +
                             QStringLiteral(".[dbo].[sysobjects] where [name]='capa_lugar'"),
                         con);
            if (!objetos.Eof())
                filas.append({nombre});
            objetos.Close();
        }
    } else {
        filas.append({QString()});
    }
    filas.append({QString()});  // the list always ends with a blank row
    return filas;
}

void TAConfig::Carga() {
    // Each value is stored so that it reads back exactly as typed; a value that config.ini
    // cannot hold is not written, and no connection is tried with what is stored.
    const QString servidor = txtServidor->Value();
    const QString usuario = txtUsuario->Value();
    const QString password = txtPassword->Value();
    if (!GuardaExacto(QStringLiteral("SERVER"), servidor) ||
        !GuardaExacto(QStringLiteral("ID"), usuario) ||
        !GuardaExacto(QStringLiteral("PWD"), password)) {
        arrayEmpresas->SetArray({});
        MsgInfo(
            QStringLiteral("El servidor, el usuario o el password contiene caracteres que "
                           "no pueden guardarse en config.ini (saltos de línea, NUL o "
                           "caracteres ajenos a la página de códigos del archivo)."));
        return;
    }
    try {
        CNX = std::make_shared<clsConexion>();
        arrayEmpresas->SetArray(leeBasesDeDatos());
    } catch (const std::exception&) {
        arrayEmpresas->SetArray({});
        MsgInfo(
            QStringLiteral("No pudo realizarse la conexión con el servidor.\r"
                           "Revise que los datos Nombre de Servidor, Usuario y Password sean "
                           "correctos."));
    }
}

bool TAConfig::GuardaExacto(const QString& clave, const QString& valor) {
    return valor.size() <= (clave == QLatin1String("SERVER") ? kLargoServidor : kLargoLogin) &&
           EscribeIniExacto(kConfig, clave, valor);
}

void TAConfig::btnbuscarClick(TControl*) {
    if (txtServidor->Value().trimmed().isEmpty()) {
        MsgInfo(QStringLiteral("Debe indicar un servidor."));
        return;
    }
    Carga();
}

void TAConfig::chkAutentificacionClick(TControl*) {
    EscribeIni(kConfig, QStringLiteral("AUTOWIN"),
               chkAutentificacion->lChecked() ? QStringLiteral(".T.") : QStringLiteral(".F."));
}

void TAConfig::cmbMotorChange(TControl*, int nuevo, int) {
    EscribeIni(kConfig, QStringLiteral("MOTOR"),
               nuevo == kMotorSqlite ? QStringLiteral("SQLITE") : QString());
}

void TAConfig::btnEmpresaClick(TControl*) {
    if (arrayEmpresas->nLen() == 0) {
        // A failed load leaves nothing to choose: keep the stored database and stay here.
        MsgInfo(
            QStringLiteral("No hay ninguna base de datos para elegir. Revise los datos del "
                           "servidor y presione Cargar."));
        return;
    }
    EscribeIni(kConfig, QStringLiteral("BD"), arrayEmpresas->GetValue(1));
    TForm::New<TLogin>(nullptr)->Show();
    Close();
}

void TAConfig::btnSalirClick(TControl*) {
    Close();
}
