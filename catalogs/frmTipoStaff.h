#pragma once

#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>

#include <memory>

class clsConexion;
class clsUsuario;

// The choice between the two ways of planning positions: by occupancy percentage or by
// month. Aceptar opens the chosen planning form modally, handing on CNX, Empresa,
// NombreEmpresa and objUsuario unchanged, and closes the chooser when that form closes, so
// the user returns to the main window; Salir opens nothing.
class TSeleccionaTipo : public TForm {
    Q_OBJECT
  public:
    std::shared_ptr<clsConexion> CNX;
    QString Empresa;
    QString NombreEmpresa;
    std::shared_ptr<clsUsuario> objUsuario;

    TGroupBox* oGroupBox1 = nullptr;
    TLabel* oLabel1 = nullptr;
    TRadio* optPorcentaje = nullptr;
    TRadio* optMEs = nullptr;
    TBtnBmp* btnAceptar = nullptr;
    TBtnBmp* btnSalir = nullptr;

    void btnAceptarClick(TControl* sender);
    void btnSalirClick(TControl* sender);

    explicit TSeleccionaTipo(TForm* parent = nullptr) : TForm(parent) {}

  protected:
    void CreateForm() override;

  private:
    void AbrePorcentaje();
    void AbreMes();

    // Opens a planning form modally with this form's connection, company and user.
    template <class Planeacion>
    void AbrePlaneacion() {
        const auto forma = TForm::NewModal<Planeacion>(nullptr, [this](Planeacion& f) {
            f.CNX = CNX;
            f.Empresa = Empresa;
            f.NombreEmpresa = NombreEmpresa;
            f.objUsuario = objUsuario;
        });
        forma->ShowModal();
    }
};
