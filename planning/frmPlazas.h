#pragma once

// The shared body of the two planning forms: for one plan, cost centre and group (chosen in
// the selectors) a grid of position entries and an edit panel that adds an entry or changes
// its figures. The percentage form (TPuestos) and the month form (TMes) differ only in their
// family of figures (twenty occupancy levels or twelve months), the table the entries live
// in, and whether the panel is emptied after a save.
//
// The form is an adapter over the planning core: the entries and their writes are
// planeacion::Planeacion's, the state of the panel is planeacion::EdicionPuesto's (which
// entry, under which choice, new or loaded, changed or not). The form shows that state, reads
// the boxes into it and shows the core's answer.

#include "planning/EdicionPuesto.h"
#include "planning/Planeacion.h"
#include "planning/Selectores.h"
#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class clsUsuario;

// What sets one planning form apart from the other.
struct FamiliaCifras {
    planeacion::Tabla tabla;
    QStringList cajas;        // object names of the figure boxes, in table order
    QStringList rotulos;      // object names of their labels
    QStringList textos;       // label texts
    QStringList encabezados;  // grid headers of the figure columns
    int anchoPuesto;          // grid width of the position name column
    int anchoCifra;           // grid width of each figure column
    bool filaPorcentajes;     // a row of percent signs above the figure columns
    bool nuevoTrasGuardar;    // a save leaves the panel ready for a new entry
};

class TPlazas : public TForm, public SelectoresPlaneacion {
    Q_OBJECT
  public:
    static constexpr int kMaxCifras = 20;

    // Set by the opener before the form is shown (CNX and Empresa: SelectoresPlaneacion).
    QString NombreEmpresa;
    std::shared_ptr<clsUsuario> objUsuario;

    TGroupBox* Puesto = nullptr;
    TBtnBmp* btnNuevo = nullptr;
    TLabel* oLabel1236 = nullptr;
    TGroupBox* grpDatos = nullptr;
    TLabel* oLabel1238 = nullptr;
    TEdit* txtidPuesto = nullptr;
    TBtnBmp* btnBusPuesto = nullptr;
    TEdit* txtNombrePuesto = nullptr;
    std::array<TEdit*, kMaxCifras> cifras{};  // the figure boxes in use come first
    TBtnBmp* btnCompletar = nullptr;          // fills the empty boxes from the typed ones
    TBtnBmp* btnGuardar = nullptr;
    TEdit* txtId = nullptr;  // hidden: code of the entry loaded into the panel
    TLabel* oLabel1235 = nullptr;
    TGroupBox* oGroupBox3 = nullptr;
    TArrayBrowse* arrayStaffing = nullptr;
    TLabel* oLabel1240 = nullptr;  // percentage form only
    TBtnBmp* btnEliminar = nullptr;
    TLabel* oLabel1237 = nullptr;
    TLabel* oLabel1251 = nullptr;
    TBtnBmp* btnSalir = nullptr;
    TBtnBmp* btnExportar = nullptr;  // "Exportar a Excel": the chosen plan to a file
    TBtnBmp* btnImportar = nullptr;  // "Importar de Excel": a file into the plan, previewed

    // Asks for a file (caption, suggested file, filter, whether it is to be written); the
    // empty text when the user cancels. A file dialog unless a test puts its own answer.
    std::function<QString(const QString&, const QString&, const QString&, bool)> PideArchivo;

    const FamiliaCifras& Familia() const { return m_familia; }
    int nCifras() const { return static_cast<int>(m_familia.cajas.size()); }

    void FormInitialize(TForm* sender);
    void Permisos();
    void CargaPuestos();
    bool existePuesto();
    void btnNuevoClick(TControl* sender = nullptr);
    void btnGuardarClick(TControl* sender = nullptr);
    // "Completar": the boxes left at 0 take figures from the typed ones (percentage: a straight
    // line between typed levels rounded up, the first and last typed figures beyond them;
    // month: each typed month carried into the months after it). Nothing is saved.
    void btnCompletarClick(TControl* sender = nullptr);
    void btnEliminarClick(TControl* sender = nullptr);
    // The chosen plan, both tables, to a workbook (or this form's table to a CSV file).
    void btnExportarClick(TControl* sender = nullptr);
    // A workbook or CSV file into the chosen plan: read, previewed (TImportacion), written
    // only by the preview's "Aplicar"; the grid is read again afterwards.
    void btnImportarClick(TControl* sender = nullptr);
    void btnBusPuestoClick(TControl* sender = nullptr);
    void btnSalirClick(TControl* sender = nullptr);
    void txtidPuestoExit(TControl* sender = nullptr, TControl* next = nullptr);
    void arrayStaffingChange(TControl* sender = nullptr);
    void arrayStaffingDblClick(TControl* sender = nullptr, int keyState = 0, int column = 0,
                               int row = 0);
    // A click on the row the grid highlights loads it when the panel shows something else.
    void arrayStaffingClick(TControl* sender = nullptr);

    const planeacion::EdicionPuesto& Edicion() const { return m_edicion; }

    // Leaving a figure box: an empty box becomes 0. One rule under the name of each box's
    // position in the family (the month form's boxes use the first twelve).
    void CifraExit(TControl* sender, TControl* next = nullptr);
    void txt5Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt10Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt15Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt20Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt25Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt30Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt35Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt40Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt45Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt50Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt55Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt60Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt65Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt70Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt75Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt80Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt85Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt90Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt95Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }
    void txt100Exit(TControl* s, TControl* n = nullptr) { CifraExit(s, n); }

  protected:
    TPlazas(TForm* parent, const FamiliaCifras& familia);
    void CreateForm() override;
    // Before the panel's entry is left: nothing to lose, or the planner saved or discarded
    // it (true); "Cancelar" or a failed save keeps it (false).
    bool AceptaCambio() override;
    // The window's close box asks as "Salir" does.
    bool CanClose() override { return AceptaCambio(); }
    int filaDe(const QString& puesto) const;
    void SeleccionCambiada() override;

  private:
    void creaPanel();
    void creaRejilla();
    void creaPie();
    planeacion::Planeacion nucleo() const;
    QStringList textosCifras() const;
    // Shows the state of the edit in the panel.
    void muestraEdicion(const QString& nombre = {});
    // The totals row under the grid: the core's sums of the rows the filter bar shows.
    void muestraTotales();

    const FamiliaCifras& m_familia;
    planeacion::EdicionPuesto m_edicion;
    planeacion::Eleccion m_eleccionRejilla;  // the choice whose entries the grid holds
    int m_ahorro = 0;                        // height the edit block leaves to the grid
    int m_filaMostrada = 0;    // the grid's row selected when the panel was last accepted
    bool m_volviendo = false;  // the selection is being put back after "Cancelar"
};
