#pragma once

// What importing a file into a plan would do, computed before anything is written: the rows
// to add, the rows to change (old and new figures), the rows that change nothing, the rows
// refused with their reason, and the plan's entries that the file does not hold.

#include "planning/herramientas/PlanDatos.h"
#include "planning/herramientas/PlanLibro.h"

#include <QString>

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

// One line per added, changed and refused row (and absent entry when they are to be deleted),
// then "agregados=A cambiados=C sin_cambio=U rechazados=R".
QStringList LineasVistaPrevia(const VistaPrevia& v, bool conAusentes);
QString Resumen(const VistaPrevia& v);
QString DescribeClave(const ClaveEntrada& clave);

}  // namespace planeacion
