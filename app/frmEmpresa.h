#pragma once

#include "app/ConsultasApp.h"
#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>

#include <memory>

class clsConexion;
class clsUsuario;

// The company chooser: lists the companies that the logged-in user's profile allows, makes
// sure the planning tables exist, registers the system in the security tables on first use,
// and opens the main window for the company chosen.
class TEmpresa : public TForm {
    Q_OBJECT
  public:
    std::shared_ptr<clsConexion> CNX;
    std::shared_ptr<clsUsuario> OBJUSUARIO;

    TArrayBrowse* arrayEmpresa = nullptr;
    TBtnBmp* btnAceptar = nullptr;
    TBtnBmp* btnSalir = nullptr;

    void FormInitialize(TForm* sender);
    void CargaEmpresas();
    void arrayEmpresaClick(TControl* sender);
    void btnAceptarClick(TControl* sender);
    void btnSalirClick(TControl* sender);

    QString CreaTabla1() const;
    QString CreaTabla2() const;
    QString CreaTabla3() const;
    QString CreaTabla4() const;
    QString ActualizaTabla1() const;
    QString ActualizaTabla2() const;
    bool ExisteSistema();
    void InsertaUsuario();
    void PerfilStaffing();

    explicit TEmpresa(TForm* parent = nullptr) : TForm(parent) {}

  protected:
    void CreateForm() override;
};
