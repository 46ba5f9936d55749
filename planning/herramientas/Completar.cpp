#include "planning/herramientas/Completar.h"

namespace planeacion {

std::vector<int> CompletaPorcentaje(const CifrasTecleadas& tecleadas) {
    const int n = static_cast<int>(tecleadas.size());
    std::vector<int> cifras(tecleadas.size(), 0);
    int anterior = -1;  // the last typed level seen
    for (int i = 0; i < n; ++i) {
        if (!tecleadas[i])
            continue;
        const long long b = *tecleadas[i];
        if (anterior < 0) {
            for (int k = 0; k <= i; ++k)
                cifras[k] = static_cast<int>(b);
        } else {
            // a*(i-k) + b*(k-a0) over (i-a0), rounded up; never negative since a, b >= 0.
            const long long a = *tecleadas[anterior];
            const long long paso = i - anterior;
            for (int k = anterior + 1; k <= i; ++k) {
                const long long suma = a * (i - k) + b * (k - anterior);
                cifras[k] = static_cast<int>((suma + paso - 1) / paso);
            }
        }
        anterior = i;
    }
    if (anterior >= 0) {
        for (int k = anterior + 1; k < n; ++k)
            cifras[k] = *tecleadas[anterior];
    }
    return cifras;
}

std::vector<int> CompletaMes(const CifrasTecleadas& tecleadas) {
    std::vector<int> cifras(tecleadas.size(), 0);
    int ultimo = 0;
    for (std::size_t i = 0; i < tecleadas.size(); ++i) {
        if (tecleadas[i])
            ultimo = *tecleadas[i];
        cifras[i] = ultimo;
    }
    return cifras;
}

CifrasTecleadas LeeTecleadas(const QStringList& textos) {
    CifrasTecleadas tecleadas;
    tecleadas.reserve(textos.size());
    for (const QString& t : textos) {
        bool ok = false;
        const int v = t.trimmed().toInt(&ok);
        tecleadas.push_back(ok && v > 0 ? std::optional<int>(v) : std::nullopt);
    }
    return tecleadas;
}

QStringList ComoTextos(const std::vector<int>& cifras) {
    QStringList textos;
    for (int c : cifras)
        textos << QString::number(c);
    return textos;
}

}  // namespace planeacion
