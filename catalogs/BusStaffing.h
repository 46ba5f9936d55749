#pragma once

#include "catalogs/Catalogo.h"

#include <array>

// The company's staffing plans (staffing): name and the payroll types the plan covers,
// kept as the letters S, D, C, Q, M, E in this order, comma-separated ("S,M").
class TCatStaffing : public TCatalogo {
    Q_OBJECT
  public:
    QString vtipos;  // payroll-type text of the plan chosen; empty after Salir

    TArrayBrowse* arrayPlantillas = nullptr;
    TBtnBmp* btEliminar = nullptr;
    TEdit* txtIdStaffing = nullptr;
    TCheckBox* chkSemanal = nullptr;
    TCheckBox* chkDecenal = nullptr;
    TCheckBox* chkCatorcenal = nullptr;
    TCheckBox* chkQuincenal = nullptr;
    TCheckBox* chkMensual = nullptr;
    TCheckBox* chkEspecial = nullptr;

    void FormInitialize(TForm* sender);
    void Permisos();
    void arrayPlantillasDblClick(TControl* sender, int keyState, int column, int row);
    void btEliminarClick(TControl* sender);
    // The payroll-type text of the ticked boxes.
    QString armatipos() const;
    // Does the current row's payroll-type text hold the letter?
    bool ValidaTipo(const QString& tipo) const;

    explicit TCatStaffing(TForm* parent = nullptr);

  protected:
    void CreateForm() override;
    std::unique_ptr<catalogos::Catalogo> Nucleo() const override;
    catalogos::Datos DatosDelPanel() const override;
    void CreaDatos(QWidget* panel, int top) override;
    void LimpiaDatos() override;
    void LlenaDatos() override;
    void TomaEleccion(const TArrayBrowse::Row& fila) override;

  private:
    struct Tipo {
        TCheckBox* casilla;
        QChar letra;
    };
    // The six boxes with their letters, in the fixed order S, D, C, Q, M, E.
    std::array<Tipo, 6> Tipos() const;
};
