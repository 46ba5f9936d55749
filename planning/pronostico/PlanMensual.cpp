#include "planning/pronostico/PlanMensual.h"

#include <QStringList>

#include <map>
#include <tuple>

namespace pronostico {

QString MensajeMesesFaltantes(int anio, const Meses& pronostico) {
    QStringList faltan;
    for (int m = 0; m < kMeses; ++m)
        if (!pronostico[static_cast<std::size_t>(m)])
            faltan << NombresMeses()[m];
    if (faltan.isEmpty())
        return {};
    return QStringLiteral("Faltan meses en el pronóstico de %1: %2")
        .arg(anio)
        .arg(faltan.join(QStringLiteral(", ")));
}

QString PreparaPlanMensual(LectorPlan& lector, const SolicitudPresupuesto& s,
                           VistaPlanMensual& vista) {
    vista = VistaPlanMensual{};
    QString nombre;
    QString tipos;
    if (!lector.Plan(s.empresa, s.staffing, nombre, tipos))
        return MensajeSinPlan(s.staffing);
    const Meses pronostico = lector.Pronostico(s.empresa, s.staffing, s.anio);
    if (const QString faltan = MensajeMesesFaltantes(s.anio, pronostico); !faltan.isEmpty())
        return faltan;

    using Clave = std::tuple<QString, qint64, qint64>;  // centre (trimmed), group, position
    std::map<Clave, std::array<int, kMeses>> guardadas;
    for (const auto& f : lector.Consulta(SqlEntradasMes(s.empresa, s.staffing))) {
        std::array<int, kMeses> cifras{};
        for (int m = 0; m < kMeses; ++m)
            cifras[static_cast<std::size_t>(m)] = static_cast<int>(f.at(3 + m).toInt());
        guardadas[{f.at(0).toText().trimmed(), f.at(1).toInt(), f.at(2).toInt()}] = cifras;
    }

    for (const EntradaPorcentaje& e : lector.Entradas(s.empresa, s.staffing)) {
        EntradaMes nueva{e.centro, e.grupo, e.ocupacion,
                         PlazasPorMes(e.cifras, pronostico, s.regla)};
        const auto g = guardadas.find({e.centro, e.grupo, e.ocupacion});
        if (g == guardadas.end())
            vista.agregar.push_back(std::move(nueva));
        else if (g->second == nueva.cifras)
            ++vista.iguales;
        else
            vista.cambiar.push_back({std::move(nueva), g->second});
    }
    return {};
}

int AplicaPlanMensual(LectorPlan& lector, const SolicitudPresupuesto& s,
                      const VistaPlanMensual& vista, bool reemplazar) {
    std::vector<EntradaMes> reemplazos;
    if (reemplazar)
        for (const CambioPlanMensual& c : vista.cambiar)
            reemplazos.push_back(c.nueva);
    if (vista.agregar.empty() && reemplazos.empty())
        return 0;
    lector.Ejecuta(SqlAplicaPlanMensual(s.empresa, s.staffing, vista.agregar, reemplazos));
    return static_cast<int>(vista.agregar.size() + reemplazos.size());
}

}  // namespace pronostico
