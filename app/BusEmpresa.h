#pragma once

#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>

#include <memory>

class clsConexion;
class clsUsuario;

// Company search: lists the companies of `empresas` that the user may open, exactly those
// the company chooser offers him (key, name, employer registration, tax number), and returns
// the key of the one chosen in vEmpresa, as the grid shows it (nine characters,
// right-aligned). vEmpresa stays empty when no company could be chosen.
class TBusEmpresa : public TForm {
    Q_OBJECT
  public:
    std::shared_ptr<clsConexion> CNX;  // set by the opener
    // The user whose companies are listed; set by the opener (the signed-in user,
    // UsuarioGet, when it is not).
    std::shared_ptr<clsUsuario> objUsuario;
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
