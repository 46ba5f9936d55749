#include "app/frmEmpresa.h"

#include "ado/Connection.h"
#include "app/ConsultasApp.h"
#include "app/frmInicio.h"
#include "app/frmLogin.h"
#include "data/EsquemaPronostico.h"
#include "data/EsquemaStaffing.h"
#include "data/clsConexion.h"
#include "security/CLSUSUARIO.h"
#include "ui/Application.h"
#include "ui/Msg.h"
#include "ui/TIni.h"

namespace {

const QString kSinEmpresas = QStringLiteral("El usuario tiene permisos para ver ninguna empresa.");

}  // namespace

void TEmpresa::CreateForm() {
    TForm::CreateForm();
    cText(QStringLiteral("Staffing - Empresas"));
    lParentIcon = false;
    SetIcon(Application().oIcon);
    SetClientSize(500, 330);

    arrayEmpresa = TArrayBrowse::New(this);
    arrayEmpresa->SetBounds(12, 12, 476, 258);
    TBrwRecSel::New(arrayEmpresa)->nWidth(18);
    auto* colEmpresa = TArrayBrwColumn::New(arrayEmpresa);
    colEmpresa->cHeader(QStringLiteral("Empresa"));
    colEmpresa->nWidth(114);
    colEmpresa->nAlignment(66);
    auto* colNombre = TArrayBrwColumn::New(arrayEmpresa);
    colNombre->cHeader(QStringLiteral("Nombre"));
    colNombre->nWidth(332);
    arrayEmpresa->nRowDividerStyle = 4;
    arrayEmpresa->nMarqueeStyle = 4;
    arrayEmpresa->OnClick = Bind(this, &TEmpresa::arrayEmpresaClick);
    arrayEmpresa->Create();

    btnAceptar = TBtnBmp::Make(this, {260, 280, 110, 38}, QStringLiteral("Aceptar"),
                               QStringLiteral("angulo2"), Bind(this, &TEmpresa::btnAceptarClick),
                               QStringLiteral("Entra al sistema con la empresa seleccionada."));
    SetDefaultButton(btnAceptar);

    btnSalir = TBtnBmp::Make(this, {378, 280, 110, 38}, QStringLiteral("Salir"),
                             QStringLiteral("puertasalida"), Bind(this, &TEmpresa::btnSalirClick),
                             QStringLiteral("Salir del sistema."));

    OnInitialize = Bind(this, &TEmpresa::FormInitialize);
}

void TEmpresa::FormInitialize(TForm*) {
    CNX = std::make_shared<clsConexion>();
    OBJUSUARIO = std::make_shared<clsUsuario>();
    if (AppData().UsuarioGet().isEmpty()) {
        auto* login = TForm::New<TLogin>(nullptr, [this](TLogin& f) {
            f.CNX = CNX;
            f.objUsuario = OBJUSUARIO;
        });
        login->Show();
        Close();
        return;
    }
    nTop(150);
    nLeft(250);
    // The company list opens the connection; Ejecuta never connects by itself, so the
    // provisioning statements come after it.
    CargaEmpresas();
    // Without a connection (its failure has been shown) there is nothing to provision.
    if (!CNX->oOdbc)
        return;
    CNX->Ejecuta(CreaTabla1());
    CNX->Ejecuta(CreaTabla2());
    CNX->Ejecuta(CreaTabla3());
    CNX->Ejecuta(CreaTabla4());
    CNX->Ejecuta(ActualizaTabla1());
    CNX->Ejecuta(ActualizaTabla2());
    CNX->Ejecuta(esquema::CreaTablaPronostico());
    if (!ExisteSistema())
        InsertaUsuario();
}

void TEmpresa::CargaEmpresas() {
    CNX = std::make_shared<clsConexion>();
    // The user who signed in, as the sign-in kept it (config.ini only pre-fills the sign-in).
    OBJUSUARIO->SetUsuario(AppData().UsuarioGet());

    ado::Connection* conexion = CNX->Conexion();
    if (!conexion) {
        MsgInfo(kSinEmpresas);
        arrayEmpresa->SetArray({});
        return;
    }
    TArrayBrowse::Rows filas;
    // Only the first profile decides.
    const ListaEmpresas lista = EmpresasDelUsuario(*conexion, OBJUSUARIO->GetUsuario());
    if (lista.tipo == ListaEmpresas::Tipo::Invalida) {
        MsgInfo(
            QStringLiteral("El perfil del usuario no tiene una lista de empresas "
                           "válida. Avise a su administrador de sistemas OXTA."));
    } else if (lista.tipo != ListaEmpresas::Tipo::SinPerfil) {
        ado::Recordset empresas;
        empresas.Open(consultas::EmpresasElegibles(lista), conexion);
        while (!empresas.Eof()) {
            filas.append(
                {empresas.Fields(0).Value.rightAligned(8),
                 consultas::NombreVisible(empresas.Fields(2).Value, empresas.Fields(1).Value)});
            empresas.MoveNext();
        }
        empresas.Close();
        if (filas.isEmpty())
            filas.append({QStringLiteral("0"), QStringLiteral("NO EXISTE")});
    }
    arrayEmpresa->SetArray(filas);
}

void TEmpresa::arrayEmpresaClick(TControl*) {}

void TEmpresa::btnAceptarClick(TControl*) {
    if (arrayEmpresa->GetValue(1).trimmed() == QLatin1String("0")) {
        MsgInfo(QStringLiteral("Debe crear una empresa."));
        return;
    }
    if (arrayEmpresa->nLen() == 0) {
        MsgInfo(kSinEmpresas + QStringLiteral(" Avise a su administrador de sistemas OXTA."));
        return;
    }
    const QString empresa = arrayEmpresa->GetValue(1);
    EscribeIni(QStringLiteral("VARIABLES"), QStringLiteral("Empresa"), empresa);
    // The main window needs its company while it initialises; it replaces the connection
    // and the user object with its own there.
    auto* inicio = TForm::New<TInicio>(nullptr, [&](TInicio& f) {
        f.CNX = CNX;
        f.objUsuario = OBJUSUARIO;
        f.Empresa = empresa;
    });
    inicio->Show();
    Close();
}

void TEmpresa::btnSalirClick(TControl*) {
    Close();
}

QString TEmpresa::CreaTabla1() const {
    return esquema::CreaTabla1();
}
QString TEmpresa::CreaTabla2() const {
    return esquema::CreaTabla2();
}
QString TEmpresa::CreaTabla3() const {
    return esquema::CreaTabla3();
}
QString TEmpresa::CreaTabla4() const {
    return esquema::CreaTabla4();
}
QString TEmpresa::ActualizaTabla1() const {
    return esquema::ActualizaTabla1();
}
QString TEmpresa::ActualizaTabla2() const {
    return esquema::ActualizaTabla2();
}

bool TEmpresa::ExisteSistema() {
    ado::Recordset rs;
    rs.Open(consultas::SistemaRegistrado(), CNX->Conexion());
    const bool existe = !rs.Eof();
    rs.Close();
    return existe;
}

void TEmpresa::InsertaUsuario() {
    for (const QString& sql : consultas::RegistroDelSistema())
        CNX->Ejecuta(sql);
    PerfilStaffing();
}

void TEmpresa::PerfilStaffing() {
    ado::Recordset rs;
    rs.Open(consultas::PerfilAdministrador(), CNX->Conexion());
    if (rs.Eof())
        return;
    const QString id = rs.Fields(0).Value.rightAligned(7);
    rs.Close();
    CNX->Ejecuta(consultas::AsignaPerfilAdministrador(id));
    CNX->Ejecuta(consultas::PermisosDelPerfilAdministrador(id));
}
