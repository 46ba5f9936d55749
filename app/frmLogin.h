#pragma once

#include "ui/Controls.h"
#include "ui/TForm.h"

#include <memory>

class clsConexion;
class clsUsuario;

// The sign-in form: tests the configured database, checks user name and password, warns
// about a password that expires soon, forces the change of an expired one, and hands over to
// the company chooser, the change-password form or the connection settings.
class TLogin : public TForm {
  public:
    explicit TLogin(TForm* parent = nullptr);

    std::shared_ptr<clsConexion> CNX;
    std::shared_ptr<clsUsuario> objUsuario;

    TImage* oImage1 = nullptr;
    TGroupBox* grpUsuarios = nullptr;
    TLabel* lblEmpresa = nullptr;
    TLabel* oLabel1 = nullptr;
    TEdit* txtUsuario = nullptr;
    TLabel* oLabel2 = nullptr;
    TEdit* txtPassword = nullptr;
    TBtnBmp* btnEntrar = nullptr;
    TBtnBmp* btnConfigurar = nullptr;
    TBtnBmp* btnSalir = nullptr;

    void FormInitialize(TForm* oSender);
    bool ValidaDatos();
    void ExisteUsuario();
    void btnEntrarClick(TControl* oSender);
    void btnConfigurarClick(TControl* oSender);
    void btnSalirClick(TControl* oSender);

  protected:
    void CreateForm() override;

  private:
    void abreCambioPwd();
};
