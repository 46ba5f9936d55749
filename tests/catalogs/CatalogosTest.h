#pragma once

// A company database on the embedded engine built from sql/schema.sql, in the test's own
// working directory, for the catalogue forms: the connection and user objects that the main
// window hands over, the company key as the company chooser formats it, and grants of
// options of system 'ST'. An unhandled error fails the test unless the test takes it out of
// `errores`.

#include "ado/SqlLiteral.h"
#include "data/clsConexion.h"
#include "security/CLSUSUARIO.h"
#include "tests/support/BaseDePrueba.h"
#include "ui/Application.h"
#include "ui/ErrorReport.h"
#include "ui/TForm.h"
#include "ui/TIni.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>

#include <initializer_list>
#include <memory>
#include <vector>

namespace catalogos_prueba {

using prueba::Columna;
using prueba::Ejecuta;

// Closes every form still open and frees the ones the toolkit has scheduled for deletion.
inline void CierraFormularios() {
    const std::vector<TForm*> abiertos = Application().OpenForms();
    for (TForm* f : abiertos)
        f->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline int Numero(const QString& sql) {
    return static_cast<int>(prueba::Valor(sql).toInt());
}

class CatalogoTest : public prueba::BaseUsuariosTest {
  protected:
    // The company key as the company chooser hands it on (right-aligned in 8 characters).
    const QString empresa = QStringLiteral("       1");

    // The rows the database starts with: the schema alone, or the demo company's too.
    virtual TestData Base() const { return TestData::Schema; }

    void SetUp() override {
        prueba::BaseUsuariosTest::SetUp();
        if (Base() != TestData::Schema)
            prueba::CopiaBase(prueba::kBase, Base());
        ui::SetErrorWindowHook([this](const QString& log) { errores.push_back(log); });
        EscribeIni(QStringLiteral("VARIABLES"), QStringLiteral("Empresa"), QStringLiteral("1"));
        cnx = std::make_shared<clsConexion>();
        usuario = std::make_shared<clsUsuario>();
        usuario->SetUsuario(QStringLiteral("planeador"));
        usuario->CNX = cnx;
        Ejecuta({QStringLiteral("insert into usuarios values ('planeador', 'x', 'x', NULL)"),
                 QStringLiteral("insert into perfiles values ('Planeación', 'ST', '{}', '{}', "
                                "'N', 'N')"),
                 QStringLiteral("insert into perfil_usuarios select max(idperfil), 'planeador' "
                                "from perfiles")});
    }
    void TearDown() override {
        CierraFormularios();
        ui::SetErrorWindowHook({});
        for (const QString& log : errores)
            ADD_FAILURE() << log.toStdString();
        prueba::BaseUsuariosTest::TearDown();
    }

    // Grants the user options of system 'ST' ("B1", "A3", ...; the letter is the first).
    static void Concede(std::initializer_list<const char*> opciones) {
        for (const char* o : opciones)
            Ejecuta({QStringLiteral("insert into perfil_funcion select '%1', '%2', max(idperfil) "
                                    "from perfiles")
                         .arg(QChar::fromLatin1(o[0]), QString::fromLatin1(o))});
    }

    // A catalogue form made as the main window makes it, with its members handed over.
    template <class F, class Extra>
    std::unique_ptr<F> Abre(Extra extra) {
        return TForm::NewModal<F>(nullptr, [&](F& f) {
            f.CNX = cnx;
            f.Empresa = empresa;
            f.NombreEmpresa = QStringLiteral("Hotel Real del Mar");
            f.objUsuario = usuario;
            extra(f);
        });
    }
    template <class F>
    std::unique_ptr<F> Abre() {
        return Abre<F>([](F&) {});
    }

    std::shared_ptr<clsConexion> cnx;
    std::shared_ptr<clsUsuario> usuario;
    std::vector<QString> errores;
};

}  // namespace catalogos_prueba
