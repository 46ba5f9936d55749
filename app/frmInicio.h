#pragma once

#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>

#include <array>
#include <memory>

class clsConexion;
class clsUsuario;

// The main window: the picture menu of the four functions (staffing plans, groups,
// assignment of positions, reports), the company search and the exit. It runs the update
// script when it opens, enables each function area by the user's permissions (a stop sign
// marks a refused one) and shows the company's name in its caption.
class TInicio : public TForm {
    Q_OBJECT
  public:
    QString Empresa;  // set by the opener; replaced by a company search
    std::shared_ptr<clsConexion> CNX;
    std::shared_ptr<clsUsuario> objUsuario;
    QString NombreEmpresa;

    TStatusBar* oStatusBar1 = nullptr;
    TImage* oImage1 = nullptr;
    TBtnBmp* btnA = nullptr;
    TBtnBmp* btnB = nullptr;
    TBtnBmp* btnC = nullptr;
    TBtnBmp* btnD = nullptr;
    TBtnBmp* btnEmpresa = nullptr;
    TBtnBmp* btnSalir = nullptr;
    TImage* imgA = nullptr;
    TImage* imgB = nullptr;
    TImage* imgC = nullptr;
    TImage* imgD = nullptr;

    void FormInitialize(TForm* sender);
    void Actualiza();
    void Permisos();
    bool VerificaLetra(const QString& letra);
    QString obtenNombreEmpresa();

    void btnAClick(TControl* sender);
    void btnGruposClick(TControl* sender);
    void btnBClick(TControl* sender);
    void btnCClick(TControl* sender);
    void btnEmpresaClick(TControl* sender);
    void btnSalirClick(TControl* sender);

    // Places of the click areas on the menu picture (client coordinates of oImage1).
    static constexpr int kAncho = 800;
    static constexpr int kAlto = 560;

    explicit TInicio(TForm* parent = nullptr) : TForm(parent) {}

  protected:
    void CreateForm() override;

  private:
    TBtnBmp* AreaMenu(int left, int top, int width, int height, const QString& tip);
    TImage* SenalAlto(const TBtnBmp* boton);
    void MuestraEmpresa();
    // Opens a function form modally with this window's connection, company and user;
    // `extra` sets what the form needs besides.
    template <class Forma, class Extra>
    void AbreFuncion(Extra extra);
};
