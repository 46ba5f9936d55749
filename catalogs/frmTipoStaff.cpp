#include "catalogs/frmTipoStaff.h"

void TSeleccionaTipo::CreateForm() {
    TForm::CreateForm();
    cText(QStringLiteral("Tipo de Staffing"));
    nBorderStyle = 1;
    nFormType = 2;
    lModal = true;
    SetClientSize(320, 220);

    oGroupBox1 = TGroupBox::New(this);
    oGroupBox1->SetBounds(12, 8, 296, 148);
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

    optPronostico = TRadio::New(oGroupBox1->widget());
    optPronostico->SetBounds(32, 110, 200, 22);
    optPronostico->cText(QStringLiteral("Pronóstico"));
    optPronostico->Create();

    btnAceptar =
        TBtnBmp::Make(this, {76, 168, 112, 40}, QStringLiteral("Aceptar"),
                      QStringLiteral("angulo2"), Bind(this, &TSeleccionaTipo::btnAceptarClick));
    SetDefaultButton(btnAceptar);

    btnSalir =
        TBtnBmp::Make(this, {196, 168, 112, 40}, QStringLiteral("Salir"),
                      QStringLiteral("puertasalida"), Bind(this, &TSeleccionaTipo::btnSalirClick));

    Center();
}

void TSeleccionaTipo::btnAceptarClick(TControl*) {
    const AbrePlaneacion& abre = optPronostico->lChecked() ? AbrePronostico
                                 : optMEs->lChecked()      ? AbreMes
                                                           : AbrePorcentaje;
    if (abre)
        abre(*this);
    Close();
}

void TSeleccionaTipo::btnSalirClick(TControl*) {
    Close();
}
