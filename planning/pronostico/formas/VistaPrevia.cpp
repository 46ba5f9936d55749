#include "planning/pronostico/formas/VistaPrevia.h"

void TVistaPrevia::CreateForm() {
    TForm::CreateForm();
    cText(cTitulo);
    nBorderStyle = 1;
    lModal = true;
    nFormType = 2;
    constexpr int kAncho = 760;
    SetClientSize(kAncho, 470);

    lblResumen = TLabel::New(this);
    lblResumen->SetBounds(12, 10, kAncho - 24, 40);
    lblResumen->cText(cResumen);
    lblResumen->oFont(MakeFont(QStringLiteral("MS Sans Serif"), 9, true));
    lblResumen->nClrText(ColorFromWin(8388608));
    lblResumen->Create();

    arrayCambios = TArrayBrowse::New(this);
    arrayCambios->SetBounds(12, 54, kAncho - 24, 330);
    arrayCambios->nRowDividerStyle = 4;
    arrayCambios->nMarqueeStyle = 4;
    arrayCambios->Create();
    arrayCambios->SetArray(aFilas, aEncabezados);

    if (!cCasilla.isEmpty()) {
        chkCasilla = TCheckBox::New(this);
        chkCasilla->SetBounds(12, 392, kAncho - 24, 22);
        chkCasilla->cText(cCasilla);
        chkCasilla->Create();
    }

    btnAplicar =
        TBtnBmp::Make(this, {kAncho - 244, 422, 112, 38}, QStringLiteral("Aplicar"),
                      QStringLiteral("angulo2"), Bind(this, &TVistaPrevia::btnAplicarClick));
    btnAplicar->lEnabled(lAplicable);
    btnCancelar =
        TBtnBmp::Make(this, {kAncho - 124, 422, 112, 38}, QStringLiteral("Cancelar"),
                      QStringLiteral("puertasalida"), Bind(this, &TVistaPrevia::btnCancelarClick));
    Center();
}

void TVistaPrevia::btnAplicarClick(TControl*) {
    if (!lAplicable)
        return;
    lAplicado = true;
    lMarcado = chkCasilla && chkCasilla->lChecked();
    Close();
}

void TVistaPrevia::btnCancelarClick(TControl*) {
    Close();
}
