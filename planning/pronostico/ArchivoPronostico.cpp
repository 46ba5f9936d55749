#include "planning/pronostico/ArchivoPronostico.h"

namespace pronostico {

std::vector<planeacion::FilaLeida> LeeArchivoPronostico(const QString& ruta) {
    return planeacion::LeePrimeraHoja(ruta);
}

}  // namespace pronostico
