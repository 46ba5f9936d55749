#include "planning/herramientas/PlanDatos.h"

namespace planeacion {

namespace {

// The figures' headings are the columns' names without the v / in capitals.
QStringList Niveles() {
    QStringList l;
    for (const QString& c : ColumnasDe(Tabla::Porcentaje))
        l << c.mid(1);
    return l;
}
QStringList Meses() {
    QStringList l;
    for (const QString& c : ColumnasDe(Tabla::Mes))
        l << c.left(1).toUpper() + c.mid(1);
    return l;
}

}  // namespace

int CifrasDe(Tabla tabla) {
    return static_cast<int>(ColumnasDe(tabla).size());
}

const QStringList& EncabezadosCifras(Tabla tabla) {
    static const QStringList niveles = Niveles();
    static const QStringList meses = Meses();
    return tabla == Tabla::Porcentaje ? niveles : meses;
}

QString NombreHoja(Tabla tabla) {
    return tabla == Tabla::Porcentaje ? QStringLiteral("Porcentaje") : QStringLiteral("Mes");
}

}  // namespace planeacion
