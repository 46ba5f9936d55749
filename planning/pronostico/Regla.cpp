#include "planning/pronostico/Regla.h"

namespace pronostico {

namespace {

// The smallest whole number not below n / d, for d > 0 and any sign of n.
int DivideHaciaArriba(int n, int d) {
    return n >= 0 ? (n + d - 1) / d : -(-n / d);
}

int Superior(const CifrasPorcentaje& cifras, int decimas) {
    if (decimas == 0)
        return 0;
    return cifras[static_cast<std::size_t>(DivideHaciaArriba(decimas, kDecimasPorNivel) - 1)];
}

int Interpolado(const CifrasPorcentaje& cifras, int decimas) {
    const int nivel = decimas / kDecimasPorNivel;  // the level at or below: 0 .. 20
    const int resto = decimas % kDecimasPorNivel;
    const int abajo = nivel == 0 ? 0 : cifras[static_cast<std::size_t>(nivel - 1)];
    if (resto == 0)
        return abajo;
    const int arriba = cifras[static_cast<std::size_t>(nivel)];
    return abajo + DivideHaciaArriba((arriba - abajo) * resto, kDecimasPorNivel);
}

}  // namespace

QString NombreRegla(Regla regla) {
    return regla == Regla::Interpolado ? QStringLiteral("interpolado")
                                       : QStringLiteral("nivel superior");
}

QString DescripcionRegla(Regla regla) {
    if (regla == Regla::Interpolado)
        return QStringLiteral(
            "Regla: interpolado (línea recta entre los dos niveles vecinos, redondeada hacia "
            "arriba; debajo de 5 % desde ninguna plaza en 0 %)");
    return QStringLiteral(
        "Regla: nivel superior (cada mes usa el nivel del plan igual o superior a su "
        "pronóstico; 0 % no planea plazas)");
}

std::optional<Regla> ReglaDeNombre(const QString& nombre) {
    const QString n = nombre.trimmed().toLower();
    if (n == u"interpolado")
        return Regla::Interpolado;
    if (n == u"nivel superior" || n == u"superior")
        return Regla::Superior;
    return std::nullopt;
}

int Plazas(Regla regla, const CifrasPorcentaje& cifras, int decimas) {
    if (decimas < 0 || decimas > kDecimasMaximas)
        return 0;
    return regla == Regla::Interpolado ? Interpolado(cifras, decimas) : Superior(cifras, decimas);
}

}  // namespace pronostico
