#include "catalogs/BusTabulador.h"

#include "ado/Connection.h"
#include "catalogs/ConsultasCatalogos.h"
#include "data/clsConexion.h"
#include "ui/Msg.h"
#include "ui/TIni.h"

#include <QKeyEvent>

#include <exception>
#include <stdexcept>

void TCatTabulador::CreateForm() {
    TForm::CreateForm();
    cText(QStringLiteral("Puestos"));
    nBorderStyle = 1;
    nFormType = 2;
    lModal = true;
    lSysMenu = false;
    SetClientSize(520, 440);

    arrayPlantillas = TArrayBrowse::New(this);
    arrayPlantillas->SetBounds(12, 34, 496, 344);
    TBrwRecSel::New(arrayPlantillas)->nWidth(18);
    auto* clave = TArrayBrwColumn::New(arrayPlantillas);
    clave->cHeader(QStringLiteral("Clave"));
    clave->nWidth(80);
    clave->nAlignment(66);
    auto* puesto = TArrayBrwColumn::New(arrayPlantillas);
    puesto->cHeader(QStringLiteral("Puesto"));
    puesto->nWidth(370);
    arrayPlantillas->nRowDividerStyle = 4;
    arrayPlantillas->nMarqueeStyle = 4;
    arrayPlantillas->nHeaderHeight(36);
    arrayPlantillas->lFilterBar(true);
    arrayPlantillas->lAutoOrder(true);
    arrayPlantillas->OnDblClick = Bind(this, &TCatTabulador::arrayPlantillasDblClick);
    arrayPlantillas->Create();

    oLabelBuddy1 = TLabelBuddy::New(arrayPlantillas);
    oLabelBuddy1->cText(QStringLiteral("Dar doble clic sobre el puesto para seleccionarlo."));
    oLabelBuddy1->Create();

    btnSalir =
        TBtnBmp::Make(this, {396, 390, 112, 38}, QStringLiteral("Salir"),
                      QStringLiteral("puertasalida"), Bind(this, &TCatTabulador::btnSalirClick));

    OnInitialize = Bind(this, &TCatTabulador::FormInitialize);
}

void TCatTabulador::FormInitialize(TForm*) {
    Center();
    Empresa = LeeIni(QStringLiteral("VARIABLES"), QStringLiteral("Empresa"));
    Carga();
}

void TCatTabulador::Carga() {
    TArrayBrowse::Rows filas;
    try {
        if (!CNX)
            throw std::logic_error("TCatTabulador: no connection object");
        ado::Recordset rs;
        rs.Open(catalogos::ListaPuestos(Empresa), CNX->Conexion());
        for (; !rs.Eof(); rs.MoveNext())
            filas.append({rs.Fields(0).Value.trimmed(), rs.Fields(1).Value.trimmed()});
        rs.Close();
    } catch (const std::exception&) {
        // No company in config.ini, a key that is not a number, or a failed read.
        filas.clear();
        MsgInfo(QStringLiteral("Los puestos no pudieron cargarse."));
    }
    arrayPlantillas->SetArray(filas);
}

void TCatTabulador::arrayPlantillasDblClick(TControl*, int, int, int) {
    if (arrayPlantillas->Bookmark() < 1)
        return;  // nothing to choose
    vCodigo = arrayPlantillas->GetValue(1);
    vNombre = arrayPlantillas->GetValue(2);
    Close();
}

void TCatTabulador::keyPressEvent(QKeyEvent* event) {
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                       (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter) {
        arrayPlantillasDblClick(arrayPlantillas, 0, 0, arrayPlantillas->Bookmark());
        return;
    }
    TForm::keyPressEvent(event);
}

void TCatTabulador::btnSalirClick(TControl*) {
    vCodigo = QStringLiteral("0");
    vNombre.clear();
    Close();
}
