#pragma once

#include "catalogs/CasillasTipos.h"
#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>

#include <memory>

class clsConexion;

// "Copiar staffing": asks the name and payroll types of a new plan that takes copies of every
// entry of the plan chosen in the catalogue. "Copiar" checks them as a new plan of the
// catalogue and writes the copy in one transaction (planeacion::CopiaDesdeCatalogo); a
// refusal is shown and the dialog stays as typed. "Cancelar" leaves without writing.
class TCopiaStaffing : public TForm {
    Q_OBJECT
  public:
    // Set by the opener.
    std::shared_ptr<clsConexion> CNX;
    QString Empresa;
    QString staffing;  // key of the plan copied
    QString nombreOrigen;
    QString tiposOrigen;

    // The new plan's key once the copy is written; 0 otherwise.
    qint64 vClave = 0;

    TLabel* lblOrigen = nullptr;
    TEdit* txtNombre = nullptr;
    TBtnBmp* btnCopiar = nullptr;
    TBtnBmp* btnCancelar = nullptr;
    CasillasTipos tipos;

    void FormInitialize(TForm* sender);
    void btnCopiarClick(TControl* sender = nullptr);
    void btnCancelarClick(TControl* sender = nullptr);

    explicit TCopiaStaffing(TForm* parent = nullptr);

  protected:
    void CreateForm() override;
};
