#include "planning/frmPuestos.h"

namespace {

const QStringList kRotulos = {
    QStringLiteral("oLabel17m"), QStringLiteral("oLabel5"),  QStringLiteral("oLabel7"),
    QStringLiteral("oLabel12"),  QStringLiteral("oLabel18"), QStringLiteral("oLabel1234"),
    QStringLiteral("oLabel8"),   QStringLiteral("oLabel13"), QStringLiteral("oLabel21"),
    QStringLiteral("oLabel4"),   QStringLiteral("oLabel19"), QStringLiteral("oLabel2"),
    QStringLiteral("oLabel9"),   QStringLiteral("oLabel14"), QStringLiteral("oLabel20"),
    QStringLiteral("oLabel3"),   QStringLiteral("oLabel10"), QStringLiteral("oLabel15"),
    QStringLiteral("oLabel11"),  QStringLiteral("oLabel16")};

FamiliaCifras Porcentajes() {
    FamiliaCifras f{planeacion::Tabla::Porcentaje, {}, kRotulos, {}, {}, 200, 34, true, true};
    for (int p = 5; p <= 100; p += 5) {
        f.cajas << QStringLiteral("txt%1").arg(p);
        f.textos << QStringLiteral("%1 %").arg(p);
        f.encabezados << QString::number(p);
    }
    return f;
}

}  // namespace

const FamiliaCifras& TPuestos::FamiliaPorcentaje() {
    static const FamiliaCifras familia = Porcentajes();
    return familia;
}

TPuestos::TPuestos(TForm* parent) : TPlazas(parent, FamiliaPorcentaje()) {}
