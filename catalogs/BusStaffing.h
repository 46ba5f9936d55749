#pragma once

#include "catalogs/CasillasTipos.h"
#include "catalogs/Catalogo.h"

#include <functional>

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
    TBtnBmp* btnCopiar = nullptr;    // a new plan holding copies of the chosen plan's entries
    TBtnBmp* btnExportar = nullptr;  // the chosen plan to a workbook or CSV file

    // Asks where to write the export (caption, suggested file, filter); the empty text when
    // the user cancels. A save dialog unless a test puts its own answer.
    std::function<QString(const QString&, const QString&, const QString&)> PideArchivo;

    void FormInitialize(TForm* sender);
    void Permisos();
    void arrayPlantillasDblClick(TControl* sender, int keyState, int column, int row);
    void btEliminarClick(TControl* sender);
    // "Copiar" (option A1): the new plan's name and payroll types asked in a dialog, checked
    // as a new plan's; the copy is written in one transaction and shown selected.
    void btnCopiarClick(TControl* sender = nullptr);
    // "Exportar a Excel": the current row's plan, both tables, to the file asked for.
    void btnExportarClick(TControl* sender = nullptr);
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
    CasillasTipos m_tipos;
};
