#pragma once

// The state of the edit panel of a planning form, without widgets: which entry it holds,
// under which choice (plan, centre, group) it was loaded or started, whether it is new, and
// whether what the panel shows differs from that start. The forms keep one, show what it
// says, and hand it the panel's texts when the planner saves.
//
// Rules it keeps:
// - An entry belongs to the choice it was loaded or started under: a change of choice
//   empties the panel (Vacia) and Guarda refuses to write under another choice.
// - The code of a loaded entry is its key: Guarda writes that entry only; another code in
//   the panel is refused (a new position starts with Nueva).
// - An empty panel (at start, after a change of choice, after a deletion) saves nothing.
// - Saving reports success only when the connection counted a row written (Planeacion).

#include "planning/Planeacion.h"

namespace planeacion {

class EdicionPuesto {
  public:
    enum class Estado {
        Vacia,    // nothing to save: the panel is disabled
        Nueva,    // "Agregar": saving inserts
        Cargada,  // an entry of the grid: saving updates it
    };

    explicit EdicionPuesto(int nCifras) : m_nCifras(nCifras) {}

    Estado estado() const { return m_estado; }
    bool vacia() const { return m_estado == Estado::Vacia; }
    bool nueva() const { return m_estado == Estado::Nueva; }
    const Eleccion& eleccion() const { return m_eleccion; }
    // The code of the loaded entry; empty unless Cargada.
    const QString& clave() const { return m_clave; }
    // What the panel showed when it was loaded, started or last saved.
    const QString& puestoInicial() const { return m_puesto; }
    const QStringList& cifrasIniciales() const { return m_cifras; }

    void Vacia();
    // A new entry under `e`: no code, every figure 0.
    void Nueva(const Eleccion& e);
    // The entry `x` of the grid of choice `e`.
    void Carga(const Eleccion& e, const Entrada& x);

    // The panel shows something else than it started with (a figure box left empty counts
    // as the 0 it becomes).
    bool TieneCambios(const QString& puesto, const QStringList& cifras) const;

    // "Guardar" under the choice `actual` the lists now show. On success the panel holds the
    // saved entry, loaded (the form may then start a new one).
    Resultado Guarda(const Planeacion& p, const Eleccion& actual, const QString& puesto,
                     const QStringList& cifras);
    // "Eliminar" of the entry `puesto` of the grid loaded under `rejilla` (the row the planner
    // sees selected, whatever the panel holds). On success the panel is empty.
    Resultado Elimina(const Planeacion& p, const Eleccion& rejilla, const QString& puesto);

  private:
    int m_nCifras;
    Estado m_estado = Estado::Vacia;
    Eleccion m_eleccion;
    QString m_clave;
    QString m_puesto;
    QStringList m_cifras;
};

namespace mensajes {
extern const QString kNadaQueGuardar;     // empty panel
extern const QString kOtraEleccion;       // entry of another choice
extern const QString kClaveCambiada;      // loaded entry with another code in the box
extern const QString kCambiosSinGuardar;  // question before a change of choice
// The save / discard / cancel question before the panel's entry `puesto` (its name, else
// its code) is left; a new entry with neither is named as such.
QString GuardarCambios(const QString& puesto);
}  // namespace mensajes

}  // namespace planeacion
