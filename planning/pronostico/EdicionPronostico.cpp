#include "planning/pronostico/EdicionPronostico.h"

namespace pronostico {

void EdicionPronostico::Carga(const QString& staffing, std::optional<int> anio,
                              const Meses& meses) {
    m_staffing = staffing;
    m_anio = anio;
    m_meses = meses;
}

bool EdicionPronostico::TieneCambios(const TextosMeses& textos) const {
    if (!Elegida())
        return false;
    for (std::size_t m = 0; m < textos.size(); ++m) {
        const Lectura l = LeePorcentaje(textos[m]);
        if (!l.valida || l.decimas != m_meses[m])
            return true;
    }
    return false;
}

QString PreguntaGuardarPronostico(const QString& plan, int anio) {
    return QStringLiteral("¿Guardar los cambios del pronóstico %1 de %2?")
        .arg(anio)
        .arg(plan.trimmed());
}

}  // namespace pronostico
