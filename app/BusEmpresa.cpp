#include "app/BusEmpresa.h"

#include "ado/Connection.h"
#include "app/ConsultasApp.h"
#include "data/clsConexion.h"
#include "security/CLSUSUARIO.h"
#include "ui/Application.h"

void TBusEmpresa::CreateForm() {
    TForm::CreateForm();
    cText(QStringLiteral("Empresas"));
    nBorderStyle = 1;
    nFormType = 2;
    lModal = true;
    lSysMenu = false;
    SetClientSize(720, 420);

    oLabel1 = TLabel::New(this);
    oLabel1->SetBounds(12, 10, 400, 24);
    oLabel1->cText(QStringLiteral("CATALOGO DE EMPRESAS"));
    oLabel1->oFont(MakeFont(QStringLiteral("MS Sans Serif"), 12, true));
    oLabel1->nClrText(ColorFromWin(8388608));
    oLabel1->Create();

    arrayEmpresas = TArrayBrowse::New(this);
    arrayEmpresas->SetBounds(12, 40, 696, 320);
    TBrwRecSel::New(arrayEmpresas)->nWidth(18);
    const struct {
        const char* header;
        int width;
        int alignment;
    } columnas[] = {{"Empresa", 80, 66}, {"Nombre", 330, 0}, {"Registro", 130, 0}, {"RFC", 130, 0}};
    for (const auto& c : columnas) {
        auto* col = TArrayBrwColumn::New(arrayEmpresas);
        col->cHeader(QString::fromUtf8(c.header));
        col->nWidth(c.width);
        col->nAlignment(c.alignment);
    }
    arrayEmpresas->nRowDividerStyle = 4;
    arrayEmpresas->nMarqueeStyle = 4;
    arrayEmpresas->nHeaderHeight(36);
    arrayEmpresas->lFilterBar(true);
    arrayEmpresas->OnDblClick = Bind(this, &TBusEmpresa::arrayEmpresasDblClick);
    arrayEmpresas->Create();

    btnAceptar = TBtnBmp::New(this);
    SetDefaultButton(btnAceptar);
    btnAceptar->SetBounds(596, 372, 112, 36);
    btnAceptar->cText(QStringLiteral("Aceptar"));
    btnAceptar->oBitmaps(QStringLiteral("angulo2"));
    btnAceptar->SetHandCursor();
    btnAceptar->OnClick = Bind(this, &TBusEmpresa::btnAceptarClick);
    btnAceptar->Create();

    OnInitialize = Bind(this, &TBusEmpresa::FormInitialize);
}

void TBusEmpresa::FormInitialize(TForm*) {
    Center();
    CargaEmpresas();
}

void TBusEmpresa::CargaEmpresas() {
    TArrayBrowse::Rows filas;
    ado::Connection* const conexion = CNX->Conexion();
    const QString usuario = objUsuario ? objUsuario->GetUsuario() : AppData().UsuarioGet();
    const ListaEmpresas lista = conexion ? EmpresasDelUsuario(*conexion, usuario) : ListaEmpresas{};
    // Without a profile, or with one whose list is unusable, there is nothing to offer.
    if (lista.tipo != ListaEmpresas::Tipo::Todas && lista.tipo != ListaEmpresas::Tipo::Lista) {
        arrayEmpresas->SetArray(filas);
        return;
    }
    ado::Recordset rs;
    rs.Open(consultas::CatalogoEmpresas(lista), conexion);
    while (!rs.Eof()) {
        const ado::Value referencia = rs.Fields(4).Value;
        // A NULL registration or tax number shows as empty text.
        filas.append({rs.Fields(0).Value.rightAligned(9),
                      referencia.isNull() ? rs.Fields(1).Value.toText() : referencia.toText(),
                      rs.Fields(2).Value.trimmed(), rs.Fields(3).Value.trimmed()});
        rs.MoveNext();
    }
    rs.Close();
    arrayEmpresas->SetArray(filas);
}

void TBusEmpresa::btnAceptarClick(TControl*) {
    // An empty list offers nothing to choose: vEmpresa stays empty and the opener keeps its
    // company.
    if (arrayEmpresas->nLen() > 0)
        vEmpresa = arrayEmpresas->GetValue(1);
    Close();
}

void TBusEmpresa::arrayEmpresasDblClick(TControl* sender, int, int, int) {
    btnAceptarClick(sender);
}
