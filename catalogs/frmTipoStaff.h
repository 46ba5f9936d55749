#pragma once

#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>

#include <functional>
#include <memory>

class clsConexion;
class clsUsuario;

// The choice between the two ways of planning positions, by occupancy percentage or by
// month, and the occupancy forecast of a plan ("Pronóstico"). Aceptar opens the chosen planning
// form modally, handing on CNX, Empresa, NombreEmpresa and objUsuario unchanged, and closes the
// chooser when that form closes, so the user returns to the main window; Salir opens nothing.
//
// The planning forms open this folder's tabulator look-up, so the chooser does not know them:
// whoever opens it hands in how each branch opens its form (planning/AbrePlaneacion.h). A
// branch left empty opens nothing.
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
    TRadio* optPronostico = nullptr;
    TBtnBmp* btnAceptar = nullptr;
    TBtnBmp* btnSalir = nullptr;

    // Each opens its planning form modally with this chooser's members.
    using AbrePlaneacion = std::function<void(const TSeleccionaTipo&)>;
    AbrePlaneacion AbrePorcentaje;
    AbrePlaneacion AbreMes;
    AbrePlaneacion AbrePronostico;

    void btnAceptarClick(TControl* sender);
    void btnSalirClick(TControl* sender);

    explicit TSeleccionaTipo(TForm* parent = nullptr) : TForm(parent) {}

  protected:
    void CreateForm() override;
};
