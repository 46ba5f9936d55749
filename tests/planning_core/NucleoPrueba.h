#pragma once

// Company 1 on the embedded engine for the planning core: plans 1 and 2, groups 1 and 2,
// centres ADM01 and VEN, positions 101 to 103 in the tabulator, and the core on that
// connection for either table.

#include "planning/Planeacion.h"
#include "tests/support/EmbeddedDb.h"

#include <QStringList>

namespace nucleo {

inline const QString kEmpresa = QStringLiteral("       1");

inline planeacion::Eleccion Eleccion(const char* plan, const char* centro, const char* grupo) {
    return {kEmpresa, QString::fromUtf8(plan), QString::fromUtf8(centro), QString::fromUtf8(grupo)};
}

// `n` figures, all `v`.
inline QStringList Cifras(int n, int v) {
    return QStringList(n, QString::number(v));
}

class NucleoTest : public EmbeddedDbTest {
  protected:
    NucleoTest() { datos = TestData::Schema; }
    void SetUp() override {
        EmbeddedDbTest::SetUp();
        for (const char* sql : {
                 "insert into staffing (empresa, nombre, tiposNomina) values (1, 'Base', 'S')",
                 "insert into staffing (empresa, nombre, tiposNomina) values (1, 'Alta', 'Q')",
                 "insert into staff_grupo (empresa, nombre) values (1, 'Operación')",
                 "insert into staff_grupo (empresa, nombre) values (1, 'Cocina')",
                 "insert into centros values (1, 'ADM01', 'Administración')",
                 "insert into centros values (1, 'VEN', 'Ventas')",
                 "insert into tabulador (empresa, ocupacion, actividad) values (1, 101, 'Gerente')",
                 "insert into tabulador (empresa, ocupacion, actividad) values (1, 102, 'Cajero')",
                 "insert into tabulador (empresa, ocupacion, actividad) values (1, 103, 'Chef')",
             })
            exec(QString::fromUtf8(sql));
    }

    planeacion::Planeacion Nucleo(planeacion::Tabla tabla) const {
        return planeacion::Planeacion(db.get(), tabla);
    }

    // Every entry of the table as "plan group centre code first-figure last-figure".
    QStringList Filas(planeacion::Tabla tabla) {
        const QStringList& c = planeacion::ColumnasDe(tabla);
        const auto r = rows("select idStaffing, idgrupo, centro, ocupacion, " + c.first() + ", " +
                            c.last() + " from " + planeacion::TablaDe(tabla) +
                            " order by idStaffing, idgrupo, centro, ocupacion");
        QStringList filas;
        for (const auto& fila : r.rows) {
            QStringList t;
            for (const ado::Value& v : fila)
                t << v.trimmed();
            filas << t.join(' ');
        }
        return filas;
    }
};

}  // namespace nucleo
