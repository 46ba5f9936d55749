#pragma once

#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>
#include <QStringList>

// What an import or a generation would write, shown before anything is written: a line that
// sums it up, one grid row per change (or refusal), an optional check box (for instance
// "replace what exists") and "Aplicar" / "Cancelar". The opener fills the members before
// the form is created, shows it modally and reads lAplicado and lMarcado afterwards.
// "Aplicar" is disabled when the opener says nothing may be applied.
class TVistaPrevia : public TForm {
    Q_OBJECT
  public:
    QString cTitulo;
    QString cResumen;
    QStringList aEncabezados;
    QList<QStringList> aFilas;
    QString cCasilla;  // empty: no check box
    bool lAplicable = true;

    bool lAplicado = false;  // "Aplicar" was pressed
    bool lMarcado = false;   // the check box, as it was then

    TLabel* lblResumen = nullptr;
    TArrayBrowse* arrayCambios = nullptr;
    TCheckBox* chkCasilla = nullptr;
    TBtnBmp* btnAplicar = nullptr;
    TBtnBmp* btnCancelar = nullptr;

    void btnAplicarClick(TControl* sender = nullptr);
    void btnCancelarClick(TControl* sender = nullptr);

    explicit TVistaPrevia(TForm* parent = nullptr) : TForm(parent) {}

  protected:
    void CreateForm() override;
};
