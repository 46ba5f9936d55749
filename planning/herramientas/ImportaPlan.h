#pragma once

// What importing a file into a plan would do, computed before anything is written: the rows
// to add, the rows to change (old and new figures), the rows that change nothing, the rows
// refused with their reason, and the plan's entries that the file does not hold.

#include "planning/herramientas/PlanDatos.h"
#include "planning/herramientas/PlanLibro.h"

#include <QString>

#include <optional>
#include <vector>

namespace planeacion {

struct CambioEntrada {
    Tabla tabla = Tabla::Porcentaje;
    int linea = 0;
    ClaveEntrada clave;
    std::vector<int> antes;
    std::vector<int> despues;
};

struct FilaNueva {
    Tabla tabla = Tabla::Porcentaje;
    int linea = 0;
    EntradaClave entrada;
};

struct Rechazo {
    Tabla tabla = Tabla::Porcentaje;
    int linea = 0;
    QString motivo;
};

struct Ausente {
    Tabla tabla = Tabla::Porcentaje;
    ClaveEntrada clave;
    std::vector<int> cifras;  // as the preview read them
};

struct VistaPrevia {
    std::vector<FilaNueva> agregar;
    std::vector<CambioEntrada> cambiar;
    std::vector<FilaNueva> sinCambio;
    std::vector<Rechazo> rechazados;
    // Entries of the tables the file holds that no row of the file names (refused rows
    // included, so that a mistyped figure never deletes the entry it was meant for).
    std::vector<Ausente> ausentes;
};

// Applying finds that the rows the preview read have changed since (someone else saved
// meanwhile): nothing was written, and the preview must be made again.
extern const QString kVistaCaducada;

// The preview of the sheets read against the plan's current entries and the company's
// catalogues. A row is refused when its centre, group or position is not the company's, when
// a figure is not a whole number from 0 to 99,999 (an empty cell is 0, as an emptied box
// is), when two rows of a sheet name the same entry (all of them), or when a heading the
// sheet needs is missing (every row of that sheet). Blank rows are skipped.
VistaPrevia CalculaVistaPrevia(const std::vector<HojaLeida>& hojas, const EntradasPlan& actuales,
                               const Catalogos& catalogos);

// Whether applying may go ahead: always without refused rows, with them only when the
// planner chose to apply the valid rows.
inline bool PuedeAplicar(const VistaPrevia& v, bool soloValidas) {
    return v.rechazados.empty() || soloValidas;
}

// One row of the preview as the planner reads it: the sheet and line it comes from (0 for an
// absent entry, which has no line), what applying does with it ("agregar", "cambiar",
// "sin cambio", "rechazar", "eliminar"), the entry it names, and the figures (the new ones;
// old → new for a change) or the reason of a refusal.
struct FilaVista {
    QString hoja;
    int linea = 0;
    QString accion;
    QString entrada;
    QString detalle;
};

// The rows to add, change, (leave) and refuse, then the absent entries when they are to be
// deleted.
std::vector<FilaVista> FilasVistaPrevia(const VistaPrevia& v, bool conAusentes, bool conSinCambio);

// One line per added, changed and refused row (and absent entry when they are to be deleted),
// then "agregados=A cambiados=C sin_cambio=U rechazados=R".
QStringList LineasVistaPrevia(const VistaPrevia& v, bool conAusentes);
QString Resumen(const VistaPrevia& v);
// The same counts in words, with the entries to delete when they are.
QString ResumenEnPalabras(const VistaPrevia& v, bool conAusentes);
// The question to ask before applying a preview with refused rows (whether to apply only
// the valid ones; No writes nothing); nothing without refused rows.
std::optional<QString> PreguntaAntesDeAplicar(const VistaPrevia& v);
QString DescribeClave(const ClaveEntrada& clave);

}  // namespace planeacion
