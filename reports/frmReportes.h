#pragma once

#include "planning/Selectores.h"
#include "reports/ConsultasReportes.h"
#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>

#include <memory>

class clsUsuario;
class TCrystalPreview;

// The reports form: one of seven reports, optionally narrowed to a plan, a cost centre and a
// group (each behind its check box), at a percentage or in a month where the report needs
// one. "Imprimir" opens the report in a viewer whose parent is this form; the comparative
// reports first load their rows into the work table and delete them once the viewer has
// read them. The seventh, the staffing budget, asks for a plan, a year and a rule.
class TReportes : public TForm, public SelectoresPlaneacion {
    Q_OBJECT
  public:
    QString NombreEmpresa;  // not used
    std::shared_ptr<clsUsuario> objUsuario;

    TListBox* lstReportes = nullptr;
    TLabel* lblporc = nullptr;
    TComboBox* cmbPorcentaje = nullptr;
    TLabel* lblmes = nullptr;
    TComboBox* cmbMEs = nullptr;
    // The staffing budget's year and rule, shown for that report only.
    TLabel* lblanio = nullptr;
    TEdit* txtAnio = nullptr;
    TLabel* lblregla = nullptr;
    TComboBox* cmbRegla = nullptr;
    TBtnBmp* btnImprime = nullptr;
    TBtnBmp* btnSalir = nullptr;

    void FormInitialize(TForm* sender);
    void lstReportesChange(TControl* sender = nullptr);
    void btnImprimeClick(TControl* sender = nullptr);
    void btnSalirClick(TControl* sender = nullptr);

    // The filter checks; the first broken one is shown in an information box.
    bool ValidaCheck();
    void reportePuestos();
    void reportePorcentaje();
    void reporteOcupacion();
    void reporteOcupacionDin();
    void reporteMes();
    void reporteMesconDiferencia();
    void reportePresupuesto();
    void permisos() {}

    // What the form's controls ask for.
    reportes::Solicitud Solicitud() const;

    explicit TReportes(TForm* parent = nullptr) : TForm(parent) {}

  protected:
    void CreateForm() override;

  private:
    void imprime(const QString& reporte);
};
