#include "app/Traspaso.h"

#include "app/frmEmpresa.h"

#include "data/clsConexion.h"
#include "security/CLSUSUARIO.h"

namespace {

TraspasoSeleccionEmpresa& reemplazo() {
    static TraspasoSeleccionEmpresa traspaso;
    return traspaso;
}

// Opens the company chooser (TEmpresa): create it with the application as parent, hand it
// `cnx` as CNX and `usuario` as OBJUSUARIO, and show it modelessly. The chooser replaces both
// with objects of its own while it initialises.
void abreTEmpresa(std::shared_ptr<clsConexion> cnx, std::shared_ptr<clsUsuario> usuario) {
    auto* empresa = TForm::New<TEmpresa>(nullptr, [&](TEmpresa& f) {
        f.CNX = std::move(cnx);
        f.OBJUSUARIO = std::move(usuario);
    });
    empresa->Show();
}

}  // namespace

void AbreSeleccionEmpresa(std::shared_ptr<clsConexion> cnx, std::shared_ptr<clsUsuario> usuario) {
    if (reemplazo()) {
        reemplazo()(std::move(cnx), std::move(usuario));
        return;
    }
    abreTEmpresa(std::move(cnx), std::move(usuario));
}

TraspasoSeleccionEmpresa SetTraspasoSeleccionEmpresa(TraspasoSeleccionEmpresa traspaso) {
    TraspasoSeleccionEmpresa previo = std::move(reemplazo());
    reemplazo() = std::move(traspaso);
    return previo;
}
