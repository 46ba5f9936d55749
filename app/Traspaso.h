#pragma once

#include <functional>
#include <memory>

class clsConexion;
class clsUsuario;

// The hand-over after a correct sign-in (from the login form or the change-password form):
// opens the company chooser modelessly with the connection and the user that signed in.
void AbreSeleccionEmpresa(std::shared_ptr<clsConexion> cnx, std::shared_ptr<clsUsuario> usuario);

// Replaces what AbreSeleccionEmpresa does (tests observe the hand-over through it); an empty
// function puts the company chooser back. Returns the replacement that was installed before.
using TraspasoSeleccionEmpresa =
    std::function<void(std::shared_ptr<clsConexion>, std::shared_ptr<clsUsuario>)>;
TraspasoSeleccionEmpresa SetTraspasoSeleccionEmpresa(TraspasoSeleccionEmpresa traspaso);

// Installs a replacement for the lifetime of the scope and puts the previous one back.
class TraspasoScope {
  public:
    explicit TraspasoScope(TraspasoSeleccionEmpresa traspaso)
        : m_previo(SetTraspasoSeleccionEmpresa(std::move(traspaso))) {}
    ~TraspasoScope() { SetTraspasoSeleccionEmpresa(std::move(m_previo)); }
    TraspasoScope(const TraspasoScope&) = delete;
    TraspasoScope& operator=(const TraspasoScope&) = delete;

  private:
    TraspasoSeleccionEmpresa m_previo;
};
