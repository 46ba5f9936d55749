#pragma once

// A payroll database on the embedded engine for the company chooser, the main window and the
// company search, in the test's own working directory. An unhandled error fails the test.

#include "ado/SqlLiteral.h"
#include "tests/app/AppTestSupport.h"
#include "ui/ErrorReport.h"
#include "ui/TIni.h"

#include <QFile>

namespace staffing {

using prueba::Ejecuta;

inline int Cuenta(const QString& sql) {
    return static_cast<int>(prueba::Valor(sql).toInt());
}

inline void EscribeScript(const QByteArray& contenido) {
    QFile f(QStringLiteral("ActualizaStaff.sql"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(contenido) == contenido.size());
}

// The main window's areas A..D: "1" enabled without stop sign, "-" disabled with it.
template <class Inicio>
QString Areas(const Inicio* f) {
    QString s;
    for (auto [b, i] :
         {std::pair{f->btnA, f->imgA}, {f->btnB, f->imgB}, {f->btnC, f->imgC}, {f->btnD, f->imgD}})
        s += b->lEnabled() == !i->lVisible() ? (b->lEnabled() ? "1" : "-") : "?";
    return s;
}

// A copy of the test database (`datos` says which) reached through config.ini. Unhandled
// errors are recorded instead of waiting in the error window; a test that expects one takes
// it out of `errores`, any other fails the test.
class ConBaseTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        prueba::CopiaBase(prueba::kBase, datos);
        ui::SetErrorWindowHook([this](const QString& log) { errores.push_back(log); });
    }
    void TearDown() override {
        prueba::CierraFormularios();
        ui::SetErrorWindowHook({});
        for (const QString& log : errores)
            ADD_FAILURE() << log.toStdString();
        TempDirTest::TearDown();
    }
    TestData datos = TestData::Schema;
    std::vector<QString> errores;
};

class StaffingTest : public ConBaseTest {
  protected:
    void SetUp() override {
        ConBaseTest::SetUp();
        EntraComo("Administrador");
    }

    // The signed-in user as the login leaves it behind, with an account.
    static void EntraComo(const QString& usuario) {
        AppData().AddData(QStringLiteral("UsuarioGet"), usuario);
        EscribeIni(QStringLiteral("VARIABLES"), QStringLiteral("Usuario"), usuario);
        Ejecuta({"insert into usuarios values (" + SqlLiteral(usuario) + ", 'x', 'x', NULL)"});
    }
    // `referencia`, `registro` and `rfc` are SQL text. The name is stored padded to 30
    // characters, as payrolls with a char column hold it, so that tests see it kept as stored.
    static void Empresa(int clave, const QString& nombre, const QString& referencia = "NULL",
                        const QString& registro = "NULL", const QString& rfc = "NULL") {
        Ejecuta({QStringLiteral("insert into empresas (empresa, nombre_empresa, registro_patronal, "
                                "rfc_empresa, referencia) values (%1, %2, %3, %4, %5)")
                     .arg(clave)
                     .arg(SqlLiteral(nombre.leftJustified(30)), registro, rfc, referencia)});
    }
    // A profile of `sistema` for `usuario` seeing `empresas` (SQL text); gives its key.
    static int Perfil(const QString& usuario, const QString& empresas,
                      const QString& sistema = "ST") {
        Ejecuta({QStringLiteral("insert into perfiles values ('p', '%1', %2, '{}', 'N', 'N')")
                     .arg(sistema, empresas)});
        const int id = Cuenta("select max(idperfil) from perfiles");
        Ejecuta({QStringLiteral("insert into perfil_usuarios values (%1, %2)")
                     .arg(id)
                     .arg(SqlLiteral(usuario))});
        return id;
    }
    static void Concede(int idperfil, const QString& funcion, const QString& opcion) {
        Ejecuta({QStringLiteral("insert into perfil_funcion values ('%1', '%2', %3)")
                     .arg(funcion, opcion)
                     .arg(idperfil)});
    }
};

}  // namespace staffing
