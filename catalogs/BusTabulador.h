#pragma once

#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>

#include <memory>

class clsConexion;

// Look-up of the positions of the company's tabulator, read-only. The opener sets CNX,
// shows the form modally and reads vCodigo and vNombre after it closes: the code (trimmed)
// and name of the position chosen by double-click or Enter, or "0" and the empty text after
// Salir.
// The company is always the one stored in config.ini (VARIABLES/Empresa), whatever the
// opener put in Empresa.
class TCatTabulador : public TForm {
    Q_OBJECT
  public:
    std::shared_ptr<clsConexion> CNX;
    QString Empresa;
    QString NombreEmpresa;  // not used by the look-up

    QString vCodigo;
    QString vNombre;

    TLabelBuddy* oLabelBuddy1 = nullptr;
    TArrayBrowse* arrayPlantillas = nullptr;
    TBtnBmp* btnSalir = nullptr;

    void FormInitialize(TForm* sender);
    void Carga();
    void arrayPlantillasDblClick(TControl* sender, int keyState, int column, int row);
    void btnSalirClick(TControl* sender);

    explicit TCatTabulador(TForm* parent = nullptr) : TForm(parent) {}

  protected:
    void CreateForm() override;
    // Enter in the list or its filter bar chooses the current row, as a double-click does
    // (on the focused Salir it presses Salir).
    void keyPressEvent(QKeyEvent* event) override;
};
