#pragma once

// A fresh copy of the demo database for each test, the plan's workbook as the test edits it,
// and the planning tables as text to compare whole.

#include "planning/herramientas/PlanLibro.h"
#include "tests/planning_tools/LibroPrueba.h"
#include "tests/support/BaseDePrueba.h"

#include <QStringList>

namespace plantools {

inline const QString kEmpresa = QStringLiteral("       1");

class PlanDemoTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        prueba::CopiaBase(prueba::kBase, TestData::Demo);
        cnx = m_conexion.Conexion();
        ASSERT_NE(cnx, nullptr);
    }

    // Every row of both entry tables (all plans), one text a row.
    QStringList Tablas() {
        QStringList filas;
        for (const char* t : {"staff_porcentaje", "staff_mes"}) {
            const ado::ResultSet r = cnx->engine("test").query(
                QStringLiteral("select * from %1 order by empresa, idStaffing, "
                               "idgrupo, centro, ocupacion")
                    .arg(t));
            for (const auto& fila : r.rows) {
                QStringList celdas{t};
                for (const ado::Value& v : fila)
                    celdas << v.trimmed();
                filas << celdas.join(u'|');
            }
        }
        return filas;
    }

    // The workbook's sheets, edited through `edita`, written back by the test.
    template <class F>
    static void EditaLibro(const QString& ruta, F edita) {
        std::vector<planeacion::HojaLeida> hojas = planeacion::LeeLibro(ruta);
        std::vector<std::vector<QStringList>> filas(hojas.size());
        for (std::size_t h = 0; h < hojas.size(); ++h) {
            for (const planeacion::FilaLeida& f : hojas[h].filas)
                filas[h].push_back(f.celdas);
        }
        edita(filas);
        LibroPrueba libro(ruta, false);
        for (std::size_t h = 0; h < hojas.size(); ++h)
            libro.Hoja(planeacion::NombreHoja(hojas[h].tabla), filas[h], /*numeros=*/true);
        libro.Cierra();
    }

    clsConexion m_conexion;
    ado::Connection* cnx = nullptr;
};

}  // namespace plantools
