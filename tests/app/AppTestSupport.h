#pragma once

// Shared helpers of the application shell's tests: the security database of the embedded
// engine (tests/support/BaseDePrueba.h), accounts, the hand-over to the company chooser
// observed, and the forms left open closed and freed after each test.

#include "app/Traspaso.h"
#include "ado/SqlLiteral.h"
#include "security/CLSUSUARIO.h"
#include "tests/support/BaseDePrueba.h"
#include "ui/Application.h"
#include "ui/TForm.h"

#include <QCoreApplication>
#include <QEvent>

#include <memory>
#include <vector>

namespace prueba {

// One hand-over to the company chooser as the code made it.
struct Traspaso {
    std::shared_ptr<clsConexion> cnx;
    std::shared_ptr<clsUsuario> usuario;
};

// Closes every form still open and frees the ones the toolkit has scheduled for deletion.
inline void CierraFormularios() {
    const std::vector<TForm*> abiertos = Application().OpenForms();
    for (TForm* f : abiertos)
        f->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// An account with its password scrambled as the program stores it; `expiracion` is SQL text.
inline void Cuenta(const QString& usuario, const QString& clave, const QString& expiracion) {
    Ejecuta({QStringLiteral("insert into usuarios values (") + SqlLiteral(usuario) +
             QStringLiteral(", 'prueba', ") + SqlLiteral(clsUsuario::EncriptaPWD(clave)) +
             QStringLiteral(", ") + expiracion + QLatin1Char(')')});
}

// The security and payroll database with one company, and the hand-over recorded.
class AppTest : public BaseUsuariosTest {
  protected:
    void SetUp() override {
        BaseUsuariosTest::SetUp();
        Ejecuta({QStringLiteral(
            "insert into empresas (empresa, nombre_empresa) values (1, 'Hotel del Sol')")});
        m_traspaso = std::make_unique<TraspasoScope>(
            [this](std::shared_ptr<clsConexion> cnx, std::shared_ptr<clsUsuario> u) {
                traspasos.push_back({std::move(cnx), std::move(u)});
            });
    }
    void TearDown() override {
        CierraFormularios();
        m_traspaso.reset();
        BaseUsuariosTest::TearDown();
    }

    std::vector<Traspaso> traspasos;

  private:
    std::unique_ptr<TraspasoScope> m_traspaso;
};

}  // namespace prueba
