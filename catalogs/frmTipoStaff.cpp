#include "catalogs/frmTipoStaff.h"

void TSeleccionaTipo::CreateForm() {
    TForm::CreateForm();
    cText(QStringLiteral("Tipo de Staffing"));
    nBorderStyle = 1;
    nFormType = 2;
    lModal = true;
    SetClientSize(320, 190);

    oGroupBox1 = TGroupBox::New(this);
    oGroupBox1->SetBounds(12, 8, 296, 118);
    oGroupBox1->Create();

    oLabel1 = TLabel::New(oGroupBox1->widget());
    oLabel1->SetBounds(16, 18, 264, 20);
    oLabel1->cText(QStringLiteral("Selecciona el tipo de Staffing"));
    oLabel1->oFont(MakeFont(QStringLiteral("MS Sans Serif"), 9, true));
    oLabel1->nClrText(ColorFromWin(8388608));
    oLabel1->Create();

    optPorcentaje = TRadio::New(oGroupBox1->widget());
    optPorcentaje->SetBounds(32, 50, 200, 22);
    optPorcentaje->cText(QStringLiteral("Porcentaje"));
    optPorcentaje->Create();
    optPorcentaje->lChecked(true);

    optMEs = TRadio::New(oGroupBox1->widget());
    optMEs->SetBounds(32, 80, 200, 22);
    optMEs->cText(QStringLiteral("Mes"));
    optMEs->Create();

    btnAceptar = TBtnBmp::New(this);
    SetDefaultButton(btnAceptar);
    btnAceptar->SetBounds(76, 138, 112, 40);
    btnAceptar->cText(QStringLiteral("Aceptar"));
    btnAceptar->oBitmaps(QStringLiteral("angulo2"));
    btnAceptar->SetHandCursor();
    btnAceptar->OnClick = Bind(this, &TSeleccionaTipo::btnAceptarClick);
    btnAceptar->Create();

    btnSalir = TBtnBmp::New(this);
    btnSalir->SetBounds(196, 138, 112, 40);
    btnSalir->cText(QStringLiteral("Salir"));
    btnSalir->oBitmaps(QStringLiteral("puertasalida"));
    btnSalir->SetHandCursor();
    btnSalir->OnClick = Bind(this, &TSeleccionaTipo::btnSalirClick);
    btnSalir->Create();

    Center();
}

void TSeleccionaTipo::btnAceptarClick(TControl*) {
    const AbrePlaneacion& abre = optMEs->lChecked() ? AbreMes : AbrePorcentaje;
    if (abre)
        abre(*this);
    Close();
}

void TSeleccionaTipo::btnSalirClick(TControl*) {
    Close();
}
