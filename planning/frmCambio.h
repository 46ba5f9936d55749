#pragma once

#include "planning/Planeacion.h"
#include "planning/Selectores.h"
#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>

#include <memory>

class clsUsuario;

// Moves one position entry to another plan, group or cost centre, keeping its code and
// figures. The opener hands in the texts of its three lists (the entry's current choice),
// the position code, and which table its entries live in.
class TCambio : public TForm, public SelectoresPlaneacion {
    Q_OBJECT
  public:
    QString NombreEmpresa;
    std::shared_ptr<clsUsuario> objUsuario;  // not used
    QString staffing;                        // the opener's list texts, as shown ("5 - Ventas")
    QString grupo;
    QString cc;
    QString puesto;
    planeacion::Tabla tabla = planeacion::Tabla::Porcentaje;

    TBtnBmp* btnGuardar = nullptr;
    TBtnBmp* btnSalir = nullptr;

    void FormInitialize(TForm* sender);
    void btnGuardarClick(TControl* sender = nullptr);
    void btnSalirClick(TControl* sender = nullptr);

    // The old key in a list text: the text before the first hyphen, the blank before the
    // hyphen kept ("5 - Ventas" gives "5 ").
    static QString ClaveAnterior(const QString& texto);

    explicit TCambio(TForm* parent = nullptr) : TForm(parent) {}

  protected:
    void CreateForm() override;

  private:
    // The entry's keys as it stands: those of the preselected items when the lists hold the
    // opener's texts (so a centre code with a hyphen is whole), else cut from the texts.
    planeacion::Eleccion m_origen;
};
