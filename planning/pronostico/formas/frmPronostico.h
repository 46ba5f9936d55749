#pragma once

// "Pronóstico de ocupación": the occupancy forecast of one plan and year, one box per month
// (empty: "sin pronóstico"), saved, imported from a file of two columns (mes, ocupación)
// after a preview, and turned into the plan's month entries ("Generar plan mensual") after a
// preview, under the rule chosen on the form. Opened from the plan type chooser with the
// permissions of function C: options C1 or C2 write, any other reads only.
//
// The form reads its boxes and calls the forecast's core (planning/pronostico): the box
// rules, the import's preview, the store and the month plan are the core's.

#include "planning/Selectores.h"
#include "planning/pronostico/EdicionPronostico.h"
#include "planning/pronostico/Pronostico.h"
#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

class clsUsuario;

class TPronostico : public TForm, public SelectoresPlaneacion {
    Q_OBJECT
  public:
    // Set by the opener before the form is shown (CNX and Empresa: SelectoresPlaneacion).
    QString NombreEmpresa;
    std::shared_ptr<clsUsuario> objUsuario;
    // The file "Importar" reads: asks the user by default; empty when none was chosen.
    std::function<QString()> EligeArchivo;

    TLabel* lblAnio = nullptr;
    TEdit* txtAnio = nullptr;
    TGroupBox* grpMeses = nullptr;
    std::array<TLabel*, pronostico::kMeses> lblMeses{};
    std::array<TEdit*, pronostico::kMeses> txtMeses{};
    TLabel* lblSinPronostico = nullptr;
    TGroupBox* grpRegla = nullptr;
    TRadio* optSuperior = nullptr;
    TRadio* optInterpolado = nullptr;
    TBtnBmp* btnGuardar = nullptr;
    TBtnBmp* btnImportar = nullptr;
    TBtnBmp* btnGenerar = nullptr;
    TBtnBmp* btnSalir = nullptr;

    void FormInitialize(TForm* sender);
    void Permisos();
    // Reads the plan's forecast for the year into the boxes (empty boxes without a plan or a
    // valid year).
    void CargaPronostico();
    // Leaving the year box with another year: the boxes' unsaved figures are saved,
    // discarded or kept (the box goes back to the year they belong to), then the year's
    // forecast is read. A year that is no year is refused and the box goes back.
    void txtAnioExit(TControl* sender = nullptr, TControl* next = nullptr);
    // Leaving a month box: a figure from 0 to 100 with one decimal (comma or point) is shown
    // as the core writes it; anything else is refused with a message and the box goes back
    // to the figure it held.
    void txtMesExit(TControl* sender, TControl* next = nullptr);
    void btnGuardarClick(TControl* sender = nullptr);
    void btnImportarClick(TControl* sender = nullptr);
    void btnGenerarClick(TControl* sender = nullptr);
    void btnSalirClick(TControl* sender = nullptr);

    // The twelve boxes as a forecast; nothing (and the message shown) when a box is refused.
    std::optional<pronostico::Meses> MesesDeCajas();
    pronostico::Regla ReglaElegida() const;
    bool lEscritura() const { return m_escritura; }
    const pronostico::EdicionPronostico& Edicion() const { return m_edicion; }

    explicit TPronostico(TForm* parent = nullptr) : TForm(parent) {}

  protected:
    void CreateForm() override;
    void SeleccionCambiada() override { CargaPronostico(); }
    // Before the plan or the year changes: nothing unsaved, or the planner saved or
    // discarded it (true); "Cancelar" or a failed save keeps it (false).
    bool AceptaCambio() override;
    // The window's close box asks as "Salir" does.
    bool CanClose() override { return AceptaCambio(); }

  private:
    // Plan and year chosen; the message shown otherwise.
    bool eleccionValida(int& anio);
    // The boxes show `meses`, the forecast of the plan and year of the edit.
    void muestra(const pronostico::Meses& meses);
    pronostico::TextosMeses textos() const;
    // Saves the boxes under the plan and year they were loaded from.
    bool guardaCajas();

    pronostico::EdicionPronostico m_edicion;
    std::array<QString, pronostico::kMeses> m_aceptados;  // the texts the boxes last held
    bool m_escritura = false;
};

class TSeleccionaTipo;
// Connects the plan type chooser's third branch: "Pronóstico" opens TPronostico modally with
// the chooser's connection, company and user.
void ConectaPronostico(TSeleccionaTipo& tipo);
