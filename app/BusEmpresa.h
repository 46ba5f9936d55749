#pragma once

#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>

#include <memory>

class clsConexion;

// Company search: lists every company of `empresas` (key, name, employer registration, tax
// number) and returns the key of the one chosen in vEmpresa, as the grid shows it (nine
// characters, right-aligned). vEmpresa stays empty when no company could be chosen.
class TBusEmpresa : public TForm {
    Q_OBJECT
  public:
    std::shared_ptr<clsConexion> CNX;  // set by the opener
    QString EmpresaActual;  // set by the opener: the company in use, selected when the list opens
    QString vEmpresa;

    TLabel* oLabel1 = nullptr;
    TArrayBrowse* arrayEmpresas = nullptr;
    TBtnBmp* btnAceptar = nullptr;

    void FormInitialize(TForm* sender);
    void CargaEmpresas();
    void btnAceptarClick(TControl* sender);
    void arrayEmpresasDblClick(TControl* sender, int keyState, int column, int row);

    explicit TBusEmpresa(TForm* parent = nullptr) : TForm(parent) {}

  protected:
    void CreateForm() override;
};
