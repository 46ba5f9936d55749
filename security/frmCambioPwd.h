#pragma once

#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>

#include <functional>
#include <memory>

class clsConexion;
class clsUsuario;

// Replaces the password of the user who has just signed in (the application's UsuarioGet),
// under the password policy, and then goes on to the company chooser.
class TCambioPwd : public TForm {
  public:
    explicit TCambioPwd(TForm* parent = nullptr);

    std::shared_ptr<clsConexion> CNX;  // handed on to the company chooser
    // Opens the company chooser once the password has been changed. The opener sets it (the
    // sign-in form hands over AbreSeleccionEmpresa); security does not depend on the
    // application shell.
    std::function<void(std::shared_ptr<clsConexion>, std::shared_ptr<clsUsuario>)>
        AbreSeleccionEmpresa;
    std::shared_ptr<clsUsuario> objUsuario;
    QString vUsuario;

    TGroupBox* oGroupBox1 = nullptr;
    TLabel* lblUsuario = nullptr;
    TLabel* oLabel4 = nullptr;
    TEdit* txtAnterior = nullptr;
    TLabel* oLabel6 = nullptr;
    TLabel* oLabel2 = nullptr;
    TEdit* txtNuevo = nullptr;
    TLabel* PasswordAnterior = nullptr;
    TLabel* oLabel3 = nullptr;
    TEdit* txtConfirmar = nullptr;
    TLabel* oLabel5 = nullptr;
    TButton* btnCambiar = nullptr;
    TButton* btnSalir = nullptr;

    void FormInitialize(TForm* oSender);
    void btnSalirClick(TControl* oSender);
    void btnCambiarClick(TControl* oSender);
    bool ValidaPassworD();
    bool ConfirmaPassword();
    bool ValidaRequeridos();
    void txtNuevoExit(TControl* oSender, TControl* siguiente);
    void txtConfirmarExit(TControl* oSender, TControl* siguiente);
    void txtAnteriorExit(TControl* oSender, TControl* siguiente);

  protected:
    void CreateForm() override;
};
