// The state of an edit: an entry belongs to the choice it was loaded under, the code of a
// loaded entry is its key, an empty panel saves nothing, and unsaved changes are known.
#include "planning/EdicionPuesto.h"
#include "tests/planning_core/NucleoPrueba.h"

#include <functional>

using namespace nucleo;
using planeacion::EdicionPuesto;
using planeacion::Tabla;
namespace m = planeacion::mensajes;

namespace {

class EdicionTest : public NucleoTest {
  protected:
    void SetUp() override {
        NucleoTest::SetUp();
        Siembra();
    }
    // Entry 101 under plans 1 (figures 1) and 2 (figures 2), centre ADM01, group 1.
    void Siembra() {
        exec("delete from staff_mes");
        const auto p = Nucleo(Tabla::Mes);
        ASSERT_TRUE(p.Agrega(Eleccion("1", "ADM01", "1"), "101", Cifras(12, 1)));
        ASSERT_TRUE(p.Agrega(Eleccion("2", "ADM01", "1"), "101", Cifras(12, 2)));
    }
    static planeacion::Entrada Entrada101(int v) { return {"101", "Gerente", Cifras(12, v)}; }
};

TEST_F(EdicionTest, GuardarWritesOnlyTheEntryOfTheChoiceItWasLoadedUnder) {
    const auto plan1 = Eleccion("1", "ADM01", "1");
    const auto plan2 = Eleccion("2", "ADM01", "1");
    const QStringList sembradas{"1 1 ADM01 101 1 1", "2 1 ADM01 101 2 2"};
    const struct {
        const char* caso;
        std::function<void(EdicionPuesto&)> prepara;
        planeacion::Eleccion actual;  // what the lists show at "Guardar"
        const char* puesto;
        int cifra;
        QString mensaje;
        QStringList filas;
    } casos[] = {
        {"loaded under plan 2, the lists now on plan 1",
         [&](auto& e) { e.Carga(plan2, Entrada101(2)); }, plan1, "101", 8, m::kOtraEleccion,
         sembradas},
        {"the choice changed: the panel is empty",
         [&](auto& e) {
             e.Carga(plan2, Entrada101(2));
             e.Vacia();
         },
         plan1, "101", 8, m::kNadaQueGuardar, sembradas},
        {"loaded entry, its code replaced in the box",
         [&](auto& e) { e.Carga(plan1, Entrada101(1)); }, plan1, "102", 8, m::kClaveCambiada,
         sembradas},
        {"a new entry saved, then another code typed without Agregar",
         [&](auto& e) {
             e.Nueva(plan1);
             ASSERT_TRUE(e.Guarda(Nucleo(Tabla::Mes), plan1, "103", Cifras(12, 5)));
         },
         plan1,
         "102",
         6,
         m::kClaveCambiada,
         {"1 1 ADM01 101 1 1", "1 1 ADM01 103 5 5", "2 1 ADM01 101 2 2"}},
        {"after Eliminar",
         [&](auto& e) {
             e.Carga(plan1, Entrada101(1));
             ASSERT_TRUE(e.Elimina(Nucleo(Tabla::Mes), plan1, "101"));
         },
         plan1,
         "101",
         8,
         m::kNadaQueGuardar,
         {"2 1 ADM01 101 2 2"}},
        {"loaded entry deleted meanwhile by someone else",
         [&](auto& e) {
             e.Carga(plan1, Entrada101(1));
             ASSERT_TRUE(Nucleo(Tabla::Mes).Elimina(plan1, "101"));
         },
         plan1,
         "101",
         8,
         m::kNoSeGuardo,
         {"2 1 ADM01 101 2 2"}},
        {"loaded entry, own choice",
         [&](auto& e) { e.Carga(plan2, Entrada101(2)); },
         plan2,
         " 101",
         8,
         m::kGuardado,
         {"1 1 ADM01 101 1 1", "2 1 ADM01 101 8 8"}},
        {"new entry",
         [&](auto& e) { e.Nueva(plan2); },
         plan2,
         "102",
         4,
         m::kGuardado,
         {"1 1 ADM01 101 1 1", "2 1 ADM01 101 2 2", "2 1 ADM01 102 4 4"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        Siembra();
        EdicionPuesto edicion(12);
        c.prepara(edicion);
        const auto r = edicion.Guarda(Nucleo(Tabla::Mes), c.actual, c.puesto, Cifras(12, c.cifra));
        EXPECT_EQ(r.mensaje, c.mensaje);
        EXPECT_EQ(Filas(Tabla::Mes), c.filas);
        if (r) {
            // Saved: the panel holds that entry, loaded, with nothing left unsaved.
            EXPECT_EQ(edicion.estado(), EdicionPuesto::Estado::Cargada);
            EXPECT_EQ(edicion.clave(), QString(c.puesto).trimmed());
            EXPECT_FALSE(edicion.TieneCambios(c.puesto, Cifras(12, c.cifra)));
        }
    }
}

TEST_F(EdicionTest, UnsavedChangesAreWhatDiffersFromTheStart) {
    const auto plan1 = Eleccion("1", "ADM01", "1");
    QStringList vacia = Cifras(12, 1);
    vacia[4] = " ";
    const struct {
        const char* caso;
        std::function<void(EdicionPuesto&)> prepara;
        const char* puesto;
        QStringList cifras;
        bool cambios;
    } casos[] = {
        {"empty panel", [](auto& e) { e.Vacia(); }, "101", Cifras(12, 9), false},
        {"loaded, untouched", [&](auto& e) { e.Carga(plan1, Entrada101(1)); }, "101", Cifras(12, 1),
         false},
        {"loaded, a figure changed", [&](auto& e) { e.Carga(plan1, Entrada101(1)); }, "101",
         [] {
             QStringList c = Cifras(12, 1);
             c[11] = "2";
             return c;
         }(),
         true},
        {"new, untouched", [&](auto& e) { e.Nueva(plan1); }, "", Cifras(12, 0), false},
        {"new, figures emptied (they become 0)", [&](auto& e) { e.Nueva(plan1); }, "",
         QStringList(12, ""), false},
        {"new, a code typed", [&](auto& e) { e.Nueva(plan1); }, "103", Cifras(12, 0), true},
        {"loaded with a 0 figure, box emptied",
         [&](auto& e) {
             QStringList c = Cifras(12, 1);
             c[4] = "0";
             e.Carga(plan1, {"101", "Gerente", c});
         },
         "101", vacia, false},
    };
    for (const auto& c : casos) {
        EdicionPuesto edicion(12);
        c.prepara(edicion);
        EXPECT_EQ(edicion.TieneCambios(c.puesto, c.cifras), c.cambios) << c.caso;
    }
}

}  // namespace
