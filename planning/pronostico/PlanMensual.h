#pragma once

// "Generar plan mensual": the plan's month entries (staff_mes) written from the forecast and
// the percentage entries, one month entry for every percentage entry (same cost centre,
// group and position), its twelve figures the places the rule gives for each month.
//
// First a preview: the entries that would be added, those whose stored figures would change,
// and how many already hold the same figures. Applying writes, in one transaction, the new
// entries and, only when the user confirmed it, the changed ones; a failure leaves the month
// plan as it was. Every month of the year needs a forecast: a month plan has no place for
// "sin pronóstico".

#include "planning/pronostico/ConsultasPronostico.h"
#include "planning/pronostico/Presupuesto.h"

#include <QString>

#include <vector>

namespace pronostico {

struct CambioPlanMensual {
    EntradaMes nueva;
    std::array<int, kMeses> actuales{};  // the stored figures (only for a change)
};

struct VistaPlanMensual {
    std::vector<EntradaMes> agregar;
    std::vector<CambioPlanMensual> cambiar;
    int iguales = 0;
    bool Vacia() const { return agregar.empty() && cambiar.empty(); }
};

// "Faltan meses en el pronóstico de 2027: Marzo, Abril".
QString MensajeMesesFaltantes(int anio, const Meses& pronostico);

// Reads the plan, its forecast, its percentage entries and its month entries (four
// statements) and fills `vista`. Returns the message of a refusal (no such plan, a month
// without forecast), or an empty text.
QString PreparaPlanMensual(LectorPlan& lector, const SolicitudPresupuesto& s,
                           VistaPlanMensual& vista);

// Writes the preview in one statement batch and transaction: the new entries and, when
// `reemplazar`, the changed ones. Returns the number of entries written. Nothing is sent
// when there is nothing to write.
int AplicaPlanMensual(LectorPlan& lector, const SolicitudPresupuesto& s,
                      const VistaPlanMensual& vista, bool reemplazar);

}  // namespace pronostico
