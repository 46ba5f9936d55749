#pragma once

#include "catalogs/NucleoCatalogo.h"
#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QString>

#include <array>
#include <memory>
#include <vector>

class clsConexion;
class clsUsuario;

// What tells one catalogue from another within their common shape.
struct FormaCatalogo {
    struct Columna {
        const char* titulo;
        int ancho;
        int alineacion;
    };
    QString titulo;                   // window caption
    QString ayuda;                    // line over the list
    int anchoLista;                   // window width that shows the list alone
    int anchoCompleto;                // window width that shows the data panel as well
    std::vector<Columna> columnas;    // key, name, then the catalogue's own
    int largoNombre;                  // longest name the table column holds
    QString funcion;                  // permission letter and its three options
    std::array<QString, 3> opciones;  // Nuevo, Modificar, Eliminar
    QString pregunta;                 // confirmation before deleting
    QString eliminado;                // information after deleting
};

// The shape shared by the catalogues of groups and of staffing plans: the list of the
// company's rows on the left (key right-aligned in 9 characters, the other columns trimmed),
// the buttons Nuevo, Modificar, Eliminar and Salir under it, and the data panel to the right
// (Clave, Nombre, what the catalogue adds, Guardar), shown by widening the window.
//
// The opener sets CNX, Empresa, NombreEmpresa and objUsuario, shows the form modally and,
// for a look-up, reads vCodigo and vNombre afterwards: the row chosen by double-click, or
// "0" and the empty text after Salir. tipoMov ("Insertar" or "Modificar") says which
// statement Guardar issues and keeps its value after a save.
//
// The rules live in the catalogue core (NucleoCatalogo.h); this form reads its boxes, calls
// the core and shows what it answers. Modificar fixes the row it was pressed on: the key
// shown in the panel is the one Guardar renames, whatever row the list shows as current
// afterwards, and the typing stays. Modificar, Eliminar and a double-click do nothing while
// the list shows no row (empty, or every row hidden by the filter bar).
class TCatalogo : public TForm {
    Q_OBJECT
  public:
    std::shared_ptr<clsConexion> CNX;
    QString Empresa;
    QString NombreEmpresa;  // not used by the catalogues
    std::shared_ptr<clsUsuario> objUsuario;

    QString vCodigo;
    QString vNombre;
    QString tipoMov;

    TLabelBuddy* oLabelBuddy1 = nullptr;
    TBtnBmp* btnNuevo = nullptr;
    TBtnBmp* btnModificar = nullptr;
    TGroupBox* grpDatos = nullptr;
    TLabel* oLabel1 = nullptr;
    TLabel* lblAutomatico = nullptr;
    TLabel* oLabel2 = nullptr;
    TEdit* txtNombre = nullptr;
    TBtnBmp* btnGuardar = nullptr;
    TBtnBmp* btnSalir = nullptr;

    void Carga();
    void btnNuevoClick(TControl* sender);
    void btnModificarClick(TControl* sender);
    void btnGuardarClick(TControl* sender);
    void btnSalirClick(TControl* sender);

    // True while the list shows a row that Modificar, Eliminar or a double-click act on.
    bool HayFila() const;
    // True when the window is wide enough to show the data panel.
    bool PanelVisible() const;

  protected:
    TCatalogo(TForm* parent, FormaCatalogo forma);
    void CreateForm() override;

    // Shows or hides the data panel by the window's width.
    void MuestraPanel(bool visible);
    // Enables Nuevo, Modificar and Eliminar by the user's options of the catalogue's letter.
    void AplicaPermisos();
    void Elimina();
    void Elige();

    // The controls the catalogues name on their own.
    TArrayBrowse* lista() const { return m_lista; }
    TBtnBmp* botonEliminar() const { return m_eliminar; }
    TEdit* cajaClave() const { return m_clave; }

    // The name as typed, taken as one line (catalogos::UnaLinea).
    QString Nombre() const;

    // The catalogue's core, over this form's connection and company.
    virtual std::unique_ptr<catalogos::Catalogo> Nucleo() const = 0;
    // What the panel holds, as the core takes it.
    virtual catalogos::Datos DatosDelPanel() const { return {Nombre(), {}}; }
    // The catalogue's own part of the panel (below Nombre, from `top`), filled for a new
    // row, filled from the current row; and what the form hands back besides key and name,
    // from the row chosen (an empty row after Salir).
    virtual void CreaDatos(QWidget* /*panel*/, int /*top*/) {}
    virtual void LimpiaDatos() {}
    virtual void LlenaDatos() {}
    virtual void TomaEleccion(const TArrayBrowse::Row& /*fila*/) {}

  private:
    // Shows why nothing was done, when there is something to say; reloads the list when the
    // row turned out to be gone.
    void Informa(const catalogos::Resultado& r);

    const FormaCatalogo m_forma;
    catalogos::Edicion m_edicion;
    TArrayBrowse* m_lista = nullptr;
    TBtnBmp* m_eliminar = nullptr;
    TEdit* m_clave = nullptr;
};
