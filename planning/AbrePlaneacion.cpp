#include "planning/AbrePlaneacion.h"

#include "catalogs/frmTipoStaff.h"
#include "planning/frmMes.h"
#include "planning/frmPuestos.h"

namespace {

template <class Planeacion>
void AbreDesde(const TSeleccionaTipo& tipo) {
    const auto forma = TForm::NewModal<Planeacion>(nullptr, [&tipo](Planeacion& f) {
        f.CNX = tipo.CNX;
        f.Empresa = tipo.Empresa;
        f.NombreEmpresa = tipo.NombreEmpresa;
        f.objUsuario = tipo.objUsuario;
    });
    forma->ShowModal();
}

}  // namespace

void ConectaPlaneacion(TSeleccionaTipo& tipo) {
    tipo.AbrePorcentaje = AbreDesde<TPuestos>;
    tipo.AbreMes = AbreDesde<TMes>;
}
