#pragma once

// The plan, cost-centre and group selectors that the planning forms, the transfer dialog and
// the reports form carry. A form inherits SelectoresPlaneacion beside TForm, builds the three
// selectors in its CreateForm with CreaSelectores, and so has the controls and methods under
// the names every one of these forms uses (cmbStaffing, txtidStaffing, CargaStaffing,
// cmbStaffingChange, ...).
//
// A selector is a drop-down list of "<key> - <name>" items and two disabled boxes that show
// the key and the name of the chosen item. The key is the text before the first hyphen of the
// item as shown, so a name may hold hyphens. A list filled by its loader also keeps each
// item's key beside its text, and a choice takes the key from there: a cost-centre code that
// holds a hyphen ("ADM-01") still gives its whole code, never a part that names another
// centre or none.

#include "planning/ConsultasPlaneacion.h"
#include "ui/Controls.h"

#include <QPoint>
#include <QString>

#include <memory>

class clsConexion;
namespace ado {
class Value;
}

// The item text of a list: the key (plan and group keys right-aligned in nine positions,
// wider ones in full; cost-centre codes trimmed), " - ", the name as stored.
QString ItemSelector(const ado::Value& clave, const ado::Value& nombre, bool claveNumerica);
// The key and the name of an item text, by the hyphen rule: the key is the text before the
// first hyphen without trailing blanks, the name what follows the hyphen (its leading blank
// kept). A text without a hyphen gives an empty key and is the name whole.
struct PartesItem {
    QString clave;
    QString nombre;
};
PartesItem PartesDe(const QString& item);
// The parts of the item chosen in `lista`: by the key kept beside it when its loader filled
// the list, else by the hyphen rule.
PartesItem PartesElegidas(const TComboBox* lista);

class SelectoresPlaneacion {
  public:
    virtual ~SelectoresPlaneacion() = default;

    // Set by the opener before the form is shown.
    std::shared_ptr<clsConexion> CNX;
    QString Empresa;

    // Plan.
    TGroupBox* oGroupBox4 = nullptr;
    TComboBox* cmbStaffing = nullptr;
    TEdit* txtidStaffing = nullptr;
    TEdit* txtNombreStaffing = nullptr;
    TLabel* oLabel1244 = nullptr;
    TLabel* oLabel1241 = nullptr;
    // Cost centre.
    TGroupBox* oGroupBox1 = nullptr;
    TComboBox* cmbCentroCostos = nullptr;
    TEdit* txtidCC = nullptr;
    TEdit* txtNombreCC = nullptr;
    TLabel* oLabel1247 = nullptr;
    TLabel* oLabel1248 = nullptr;
    // Group.
    TGroupBox* oGroupBox5 = nullptr;
    TComboBox* cmbGrupo = nullptr;
    TEdit* txtidGRupo = nullptr;
    TEdit* txtNombreGrupo = nullptr;
    TLabel* oLabel1249 = nullptr;
    TLabel* oLabel1250 = nullptr;
    // The reports form calls its three frames grpStaffing, grpCC and grpGrupo.
    TGroupBox*& grpStaffing = oGroupBox4;
    TGroupBox*& grpCC = oGroupBox1;
    TGroupBox*& grpGrupo = oGroupBox5;
    // Only with check boxes (reports form); nullptr otherwise.
    TCheckBox* chkStaffing = nullptr;
    TCheckBox* chkCC = nullptr;
    TCheckBox* chkGrupo = nullptr;

    // (Re)fill one list from the company's catalogue; nothing is selected afterwards.
    void CargaStaffing();
    void CargaDepartamento();
    void CargaGrupos();

    // The lists' change handlers (arguments unused): key and name boxes from the item chosen,
    // then the form's follow-up (SeleccionCambiada).
    void cmbStaffingChange(TControl* sender = nullptr, int nIndex = 0, int nOldIndex = 0);
    void cmbCentroCostosChange(TControl* sender = nullptr, int nIndex = 0, int nOldIndex = 0);
    void cmbGrupoChange(TControl* sender = nullptr, int nIndex = 0, int nOldIndex = 0);

    // Check boxes of the reports form: checked enables the frame and disables the key and
    // name boxes; unchecked disables the frame, and enables and empties the two boxes (the
    // list keeps its item; the key comes back only with a new choice in the list).
    void chkStaffingChange(TControl* sender = nullptr);
    void chkCCCChange(TControl* sender = nullptr);
    void chkGrupoChange(TControl* sender = nullptr);

    // The choice the lists show, as a value: the company and the three keys taken when an
    // item was chosen (the key boxes show the same keys; nothing reads them back).
    planeacion::Eleccion EleccionActual() const;
    // True when plan, centre and group are all chosen.
    bool SeleccionCompleta() const;

  protected:
    // How the three frames are captioned.
    enum class Estilo {
        Planeacion,  // the two planning forms: numbered steps
        Cambio,      // the transfer dialog
        Reportes,    // the reports form: plain captions, frames disabled, check boxes
    };
    static constexpr int kAnchoMarco = 326;
    static constexpr int kAltoMarco = 84;

    // Builds the three frames in `parent`, each kAnchoMarco x kAltoMarco, with their top-left
    // corners at the given points. For Estilo::Reportes, also the three check boxes, each just
    // above its frame (give the frames room for them: 24 pixels). `dueno` is the form that
    // receives the events.
    template <class Form>
    void CreaSelectores(Form* dueno, QWidget* parent, Estilo estilo, QPoint plan, QPoint centro,
                        QPoint grupo) {
        creaMarcos(parent, estilo, plan, centro, grupo);
        cmbStaffing->OnChange = Bind(dueno, &SelectoresPlaneacion::cmbStaffingChange);
        cmbCentroCostos->OnChange = Bind(dueno, &SelectoresPlaneacion::cmbCentroCostosChange);
        cmbGrupo->OnChange = Bind(dueno, &SelectoresPlaneacion::cmbGrupoChange);
        if (chkStaffing) {
            chkStaffing->OnChange = Bind(dueno, &SelectoresPlaneacion::chkStaffingChange);
            chkCC->OnChange = Bind(dueno, &SelectoresPlaneacion::chkCCCChange);
            chkGrupo->OnChange = Bind(dueno, &SelectoresPlaneacion::chkGrupoChange);
        }
    }

    // Selects, in each list, the first item that begins with the given text (letter case
    // ignored): the plan text as given, the other two trimmed. Raises no change event.
    void Preselecciona(const QString& staffing, const QString& cc, const QString& grupo);

    // Asked before a change of any of the three lists takes effect; on false the list goes
    // back to the item it showed and nothing else changes. Accepts by default.
    virtual bool AceptaCambio() { return true; }
    // What follows a change of any of the three lists; nothing by default.
    virtual void SeleccionCambiada() {}

  private:
    struct Selector {
        TGroupBox* marco;
        TComboBox* lista;
        TEdit* clave;
        TEdit* nombre;
        TLabel* rotuloClave;
        TLabel* rotuloNombre;
    };
    static Selector creaSelector(QWidget* parent, const QString& titulo, QPoint esquina,
                                 const QString& nombreLista);
    void creaMarcos(QWidget* parent, Estilo estilo, QPoint plan, QPoint centro, QPoint grupo);
    void carga(TComboBox* lista, const QString& sql, bool claveNumerica);
    void cambia(TComboBox* lista, TEdit* clave, TEdit* nombre, QString& valor, int& indice);
    static void casilla(const TCheckBox* chk, TGroupBox* marco, TEdit* clave, TEdit* nombre,
                        QString& valor);

    // The keys of the choice and the item each list showed when it was last accepted.
    QString m_staffing, m_centro, m_grupo;
    int m_iStaffing = -1, m_iCentro = -1, m_iGrupo = -1;
    bool m_revirtiendo = false;
};
