#include "planning/herramientas/PlanDatos.h"

namespace planeacion {

namespace {

QStringList Niveles(bool columnas) {
    QStringList l;
    for (int p = 5; p <= 100; p += 5)
        l << (columnas ? QStringLiteral("v") : QString()) + QString::number(p);
    return l;
}

const QStringList kNiveles = Niveles(false);
const QStringList kColumnasNiveles = Niveles(true);
const QStringList kMeses = {
    QStringLiteral("Enero"),   QStringLiteral("Febrero"),   QStringLiteral("Marzo"),
    QStringLiteral("Abril"),   QStringLiteral("Mayo"),      QStringLiteral("Junio"),
    QStringLiteral("Julio"),   QStringLiteral("Agosto"),    QStringLiteral("Septiembre"),
    QStringLiteral("Octubre"), QStringLiteral("Noviembre"), QStringLiteral("Diciembre")};

QStringList Minusculas(const QStringList& l) {
    QStringList m;
    for (const QString& s : l)
        m << s.toLower();
    return m;
}
const QStringList kColumnasMeses = Minusculas(kMeses);

}  // namespace

int CifrasDe(Tabla tabla) {
    return tabla == Tabla::Porcentaje ? 20 : 12;
}

const QStringList& EncabezadosCifras(Tabla tabla) {
    return tabla == Tabla::Porcentaje ? kNiveles : kMeses;
}

const QStringList& ColumnasCifras(Tabla tabla) {
    return tabla == Tabla::Porcentaje ? kColumnasNiveles : kColumnasMeses;
}

QString NombreHoja(Tabla tabla) {
    return tabla == Tabla::Porcentaje ? QStringLiteral("Porcentaje") : QStringLiteral("Mes");
}

}  // namespace planeacion
