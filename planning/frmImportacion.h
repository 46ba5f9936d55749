#pragma once

#include "planning/herramientas/ImportaPlan.h"
#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>

#include <memory>

class clsConexion;

// "Importar de Excel": the preview of a file read against a plan, before anything is
// written: one row per entry to add, to change (old → new figures), unchanged, refused with
// its reason and, with "Eliminar los que no están en el archivo" ticked, per entry to delete.
// "Aplicar" writes the added and changed rows (and the deletions) in one transaction; with
// refused rows it first asks whether to apply only the valid ones, and No writes nothing.
// The preview and its rules are the core's (planning/herramientas/ImportaPlan.h).
class TImportacion : public TForm {
    Q_OBJECT
  public:
    // Set by the opener.
    std::shared_ptr<clsConexion> CNX;
    QString Empresa;
    QString staffing;
    QString archivo;  // shown in the caption line
    planeacion::VistaPrevia vista;
    bool permiteEliminar = false;  // the user may delete entries (option C3)

    // True once "Aplicar" has written.
    bool aplicado = false;
    // "Aplicar" found the plan changed since the preview: nothing written, dialog closed.
    bool caducada = false;

    TLabel* lblArchivo = nullptr;
    TLabel* lblResumen = nullptr;
    TArrayBrowse* arrayVista = nullptr;
    TCheckBox* chkEliminar = nullptr;
    TBtnBmp* btnAplicar = nullptr;
    TBtnBmp* btnCancelar = nullptr;

    void FormInitialize(TForm* sender);
    void chkEliminarChange(TControl* sender = nullptr);
    void btnAplicarClick(TControl* sender = nullptr);
    void btnCancelarClick(TControl* sender = nullptr);

    explicit TImportacion(TForm* parent = nullptr);

  protected:
    void CreateForm() override;

  private:
    void muestraVista();
};
