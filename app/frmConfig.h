#pragma once

#include "ui/Controls.h"
#include "ui/TForm.h"

#include <memory>

class clsConexion;

// Connection settings: the server (for the embedded engine, the folder of its databases),
// the engine, the authentication and the company database, chosen among the server's
// databases that hold the payroll tables. Every setting goes to section CONFIG of config.ini;
// Aceptar starts a fresh sign-in.
class TAConfig : public TForm {
  public:
    explicit TAConfig(TForm* parent = nullptr);

    std::shared_ptr<clsConexion> CNX;

    TLabel* oLabel1 = nullptr;
    TEdit* txtServidor = nullptr;
    TLabel* oLabel2 = nullptr;
    TEdit* txtUsuario = nullptr;
    TLabel* oLabel3 = nullptr;
    TEdit* txtPassword = nullptr;
    TLabel* oLabel4 = nullptr;
    TComboBox* cmbMotor = nullptr;
    TCheckBox* chkAutentificacion = nullptr;
    TButton* btnbuscar = nullptr;
    TArrayBrowse* arrayEmpresas = nullptr;
    TBtnBmp* btnEmpresa = nullptr;
    TBtnBmp* btnSalir = nullptr;

    void FormInitialize(TForm* oSender);
    void Carga();
    void btnbuscarClick(TControl* oSender);
    void chkAutentificacionClick(TControl* oSender);
    void cmbMotorChange(TControl* oSender, int nuevo, int anterior);
    void btnEmpresaClick(TControl* oSender);
    void btnSalirClick(TControl* oSender);

    // The entries of the engine list and the MOTOR value each one stands for.
    static QString MotorDeIni();
    static constexpr int kMotorSqlServer = 1;
    static constexpr int kMotorSqlite = 2;

  protected:
    void CreateForm() override;

  private:
    TArrayBrowse::Rows leeBasesDeDatos();
    // Writes one key of [CONFIG] exactly; false when the value is too long or the file
    // cannot hold it.
    bool GuardaExacto(const QString& clave, const QString& valor);
};
