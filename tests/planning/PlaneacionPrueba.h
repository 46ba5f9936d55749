#pragma once

// A company with plans, groups, cost centres and a tabulator on the embedded engine, a user
// holding the planning options asked for, and helpers to open the planning forms and choose
// in their lists as a user would. An unhandled error is recorded; a test that expects one
// takes it out of `errores`, any other fails the test.

#include "ado/SqlLiteral.h"
#include "planning/Selectores.h"
#include "security/CLSUSUARIO.h"
#include "tests/app/AppTestSupport.h"
#include "ui/ErrorReport.h"
#include "ui/TForm.h"

#include <memory>
#include <vector>

namespace plan {

using prueba::Ejecuta;

// The company key as the company chooser formats it.
inline const QString kEmpresa = QStringLiteral("       1");

// Cost centres of company 1: a plain code, one holding a quote, one whose name is stored with
// trailing blanks.
inline const QString kAdm = QStringLiteral("ADM01");
inline const QString kComillas = QStringLiteral("CO'B");
inline const QString kVentas = QStringLiteral("VEN");

// The first `n` columns of every row of `sql`, trimmed, each row joined with blanks.
inline QStringList Filas(const QString& sql, int n) {
    clsConexion cnx;
    ado::Recordset rs;
    rs.Open(sql, cnx.Conexion());
    QStringList filas;
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList fila;
        for (int i = 0; i < n; ++i)
            fila << rs.Fields(i).Value.trimmed();
        filas << fila.join(' ');
    }
    return filas;
}

// Chooses, as a user, the first item of `lista` that begins with `texto`.
inline void Elige(TComboBox* lista, const QString& texto) {
    for (int i = 0; i < lista->count(); ++i) {
        if (lista->itemText(i).startsWith(texto)) {
            lista->Select(i + 1);
            return;
        }
    }
    ADD_FAILURE() << "no item " << texto.toStdString();
}
inline void EligeTodo(SelectoresPlaneacion& f, const QString& plan, const QString& centro,
                      const QString& grupo) {
    Elige(f.cmbStaffing, plan);
    Elige(f.cmbGrupo, grupo);
    Elige(f.cmbCentroCostos, centro);
}

class PlaneacionTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        prueba::CopiaBase(prueba::kBase);
        ui::SetErrorWindowHook([this](const QString& log) { errores.push_back(log); });
        Ejecuta({
            "insert into empresas (empresa, nombre_empresa) values (1, 'Hotel del Sol')",
            "insert into empresas (empresa, nombre_empresa) values (2, 'Clínica Norte')",
            // Plans 1 and 2, groups 1 and 2 of company 1; plan 3 and group 3 of company 2.
            "insert into staffing (empresa, nombre, tiposNomina) values (1, 'Base', 'S,Q')",
            "insert into staffing (empresa, nombre, tiposNomina) values "
            "(1, 'Mantenimiento - Turno B', 'Q')",
            "insert into staffing (empresa, nombre, tiposNomina) values (2, 'Otra', 'Q')",
            "insert into staff_grupo (empresa, nombre) values (1, 'Operación')",
            "insert into staff_grupo (empresa, nombre) values (1, 'Administración')",
            "insert into staff_grupo (empresa, nombre) values (2, 'Médico')",
            "insert into centros values (1, 'ADM01', 'Administración')",
            "insert into centros values (1, 'CO''B', 'Cocina O''Brien')",
            "insert into centros values (1, 'VEN', 'Ventas   ')",
            "insert into centros values (2, 'MED', 'Medicina')",
            "insert into tabulador (empresa, ocupacion, actividad) values (1, 101, 'Gerente')",
            "insert into tabulador (empresa, ocupacion, actividad) values (1, 102, 'Cajero')",
            "insert into tabulador (empresa, ocupacion, actividad) values (1, 103, 'Chef')",
            "insert into tabulador (empresa, ocupacion, actividad) values (2, 104, 'Médico')",
        });
    }
    void TearDown() override {
        prueba::CierraFormularios();
        ui::SetErrorWindowHook({});
        for (const QString& log : errores)
            ADD_FAILURE() << log.toStdString();
        TempDirTest::TearDown();
    }

    // The user "planner" holding the given options of function C.
    static std::shared_ptr<clsUsuario> Usuario(const QStringList& opciones) {
        Ejecuta({"insert into usuarios values ('planner', 'x', 'x', NULL)",
                 "insert into perfiles (descripcion, sistema, empresas, centros, bloqueado, "
                 "solo_lectura) values ('Planeación', 'ST', '{}', '{}', 'N', 'N')",
                 "insert into perfil_usuarios select idperfil, 'planner' from perfiles"});
        for (const QString& o : opciones)
            Ejecuta({"insert into perfil_funcion select 'C', '" + o + "', idperfil from perfiles"});
        auto u = std::make_shared<clsUsuario>();
        u->SetUsuario(QStringLiteral("planner"));
        u->CNX = std::make_shared<clsConexion>();
        return u;
    }

    // Opens a planning form as the plan type chooser does.
    template <class F>
    std::unique_ptr<F> Abre(const QStringList& opciones = {"C1", "C2", "C3", "C4"}) {
        auto usuario = Usuario(opciones);
        return TForm::NewModal<F>(nullptr, [&](F& f) {
            f.CNX = usuario->CNX;
            f.Empresa = kEmpresa;
            f.NombreEmpresa = QStringLiteral("Hotel del Sol");
            f.objUsuario = usuario;
        });
    }

    // Stores an entry directly; `cifras` are the figures in table order, SQL text.
    static void Entrada(const QString& tabla, int plan, int grupo, const QString& centro,
                        int puesto, const QString& cifras) {
        Ejecuta({QStringLiteral("insert into %1 values (1, %2, %3, %4, %5, %6)")
                     .arg(tabla)
                     .arg(plan)
                     .arg(grupo)
                     .arg(SqlLiteral(centro))
                     .arg(puesto)
                     .arg(cifras)});
    }
    static QString Veinte(int v) {
        QStringList l;
        for (int i = 0; i < 20; ++i)
            l << QString::number(v + i);
        return l.join(',');
    }
    static QString Doce(int v) {
        QStringList l;
        for (int i = 0; i < 12; ++i)
            l << QString::number(v + i);
        return l.join(',');
    }

    std::vector<QString> errores;
};

}  // namespace plan
