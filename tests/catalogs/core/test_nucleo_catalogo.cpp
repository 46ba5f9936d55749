// The catalogue core without windows: the checks on a name, the edit's key, what a save or a
// delete came to, the planned entries a delete leaves unreachable, and the statements' keys.
#include "ado/AdoError.h"
#include "catalogs/ConsultasCatalogos.h"
#include "catalogs/NucleoCatalogo.h"
#include "tests/support/BaseDePrueba.h"
#include "tests/support/CadenasHostiles.h"
#include "ui/ScriptedMessages.h"

#include <functional>

using catalogos::Datos;
using catalogos::Edicion;

namespace {

class NucleoTest : public prueba::BaseUsuariosTest {
  protected:
    void SetUp() override {
        prueba::BaseUsuariosTest::SetUp();
        cnx = std::make_shared<clsConexion>();
        prueba::Ejecuta({"insert into staff_grupo values (1, 'Cocina')",
                         "insert into staff_grupo values (1, 'Recepción')",
                         "insert into staff_grupo values (2, 'Lavandería')",
                         "insert into staffing values (1, 'Plantilla base', 'S,Q')",
                         "insert into staffing values (2, 'De otra empresa', 'M')"});
    }
    static QStringList Grupos() {
        return prueba::Columna("select nombre from staff_grupo order by idgrupo");
    }

    const QString empresa = QStringLiteral("       1");
    std::shared_ptr<clsConexion> cnx;
};

}  // namespace

TEST_F(NucleoTest, NamesAreRefusedWhenEmptyTakenUnstorableOrTooLong) {
    catalogos::CatalogoGrupos grupos(cnx, empresa);
    catalogos::CatalogoStaffing planes(cnx, empresa);
    const struct {
        QString nombre;
        QString clave;      // the row being renamed
        const char* grupo;  // the refusal for a group; "" when the name may be saved
        const char* plan;
    } casos[] = {
        {"", "", "Escriba el nombre del grupo.", "Escriba el nombre del staffing."},
        {"   ", "", "Escriba el nombre del grupo.", "Escriba el nombre del staffing."},
        {" cOCINA ", "", "Ya existe un grupo llamado «Cocina» en esta empresa; no se guardó.", ""},
        {"Cocina", "        1", "", ""},  // its own name, renamed in place
        {"Cocina", "        2",
         "Ya existe un grupo llamado «Cocina» en esta empresa; no se guardó.", ""},
        {"Lavandería", "", "", ""},  // another company's group
        {"plantilla BASE", "", "",
         "Ya existe un staffing llamado «Plantilla base» en esta empresa; no se guardó."},
        {"De otra empresa", "", "", ""},
        {"Ωmega", "", "El nombre no puede guardarse: el carácter «Ω» no es válido.",
         "El nombre no puede guardarse: el carácter «Ω» no es válido."},
        {"x😀", "", "El nombre no puede guardarse: el carácter «😀» no es válido.",
         "El nombre no puede guardarse: el carácter «😀» no es válido."},
        {QString(50, 'g'), "", "", ""},
        {QString(51, 'g'), "", "El nombre no puede tener más de 50 caracteres.", ""},
        {QString(151, 'p'), "", "El nombre no puede tener más de 50 caracteres.",
         "El nombre no puede tener más de 150 caracteres."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(prueba::Muestra(c.nombre) + " / " + c.clave.toStdString());
        EXPECT_EQ(grupos.RevisaNombre(c.nombre, c.clave), QString::fromUtf8(c.grupo));
        EXPECT_EQ(planes.RevisaNombre(c.nombre, c.clave), QString::fromUtf8(c.plan));
    }
}

// Whatever the hostile text, the catalogue either refuses it with a message and writes
// nothing, or stores exactly the one line that UnaLinea makes of it.
TEST_F(NucleoTest, HostileNamesAreStoredAsTypedOrRefusedWithoutWriting) {
    catalogos::CatalogoGrupos grupos(cnx, empresa);
    for (const prueba::Hostil& h : prueba::CadenasHostiles()) {
        SCOPED_TRACE(prueba::Muestra(h.texto));
        prueba::Ejecuta({"delete from staff_grupo where idgrupo > 3"});
        const QString nombre = catalogos::UnaLinea(h.texto);
        const bool admitido = grupos.RevisaNombre(nombre).isEmpty();
        const catalogos::Resultado r = grupos.Inserta({nombre, {}});
        const QStringList guardados =
            prueba::Columna("select nombre from staff_grupo where idgrupo > 3");
        EXPECT_EQ(r.hecho, r.mensaje.isEmpty());
        EXPECT_EQ(guardados, r.hecho ? QStringList{nombre} : QStringList{});
        EXPECT_EQ(r.hecho, admitido);
    }
}

// Modifica fixes the key when it is pressed; a key that no longer names a row says so and
// asks for the list to be read again; an edit of no kind does nothing.
TEST_F(NucleoTest, SaveRenamesTheFixedKeyAndSaysWhenNothingWasWritten) {
    catalogos::CatalogoGrupos grupos(cnx, empresa);
    Edicion edicion;
    EXPECT_EQ(edicion.tipoMov(), "");
    catalogos::Resultado r = grupos.Guarda(edicion, {"Nada", {}});
    EXPECT_FALSE(r.hecho);
    EXPECT_EQ(r.mensaje, "");
    EXPECT_EQ(Grupos(), (QStringList{"Cocina", "Recepción", "Lavandería"}));

    edicion.Modifica("        2");
    EXPECT_EQ(edicion.tipoMov(), "Modificar");
    EXPECT_TRUE(grupos.Guarda(edicion, {"Recepción y Botones", {}}).hecho);
    EXPECT_EQ(Grupos(), (QStringList{"Cocina", "Recepción y Botones", "Lavandería"}));

    // Another company's row and a row deleted meanwhile are both out of reach.
    for (const char* clave : {"        3", "       99"}) {
        SCOPED_TRACE(clave);
        edicion.Modifica(clave);
        r = grupos.Guarda(edicion, {"Perdido", {}});
        EXPECT_FALSE(r.hecho);
        EXPECT_TRUE(r.recarga);
        EXPECT_EQ(r.mensaje, QStringLiteral("El grupo de clave %1 ya no existe; no se guardó nada.")
                                 .arg(QString(clave).trimmed()));
    }
    EXPECT_EQ(Grupos(), (QStringList{"Cocina", "Recepción y Botones", "Lavandería"}));

    edicion.Nuevo();
    EXPECT_EQ(edicion.clave(), "");
    EXPECT_TRUE(grupos.Guarda(edicion, {"Ama de Llaves", {}}).hecho);
    // The kind outlives the save: the same insert again is now a taken name.
    r = grupos.Guarda(edicion, {"Ama de Llaves", {}});
    EXPECT_EQ(r.mensaje,
              "Ya existe un grupo llamado «Ama de Llaves» en esta empresa; no se "
              "guardó.");
    EXPECT_EQ(Grupos().count("Ama de Llaves"), 1);
}

TEST_F(NucleoTest, DeleteCountsTheEntriesLeftBehindAndSaysWhenTheRowIsGone) {
    prueba::Ejecuta(
        {"insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, ocupacion) "
         "values (1, 1, 1, '1100', 101)",
         "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, ocupacion) "
         "values (1, 1, 2, '1100', 102)",
         "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, ocupacion) "
         "values (2, 1, 1, '1100', 101)",  // another company's entry under the same keys
         "insert into staff_mes (empresa, idStaffing, idgrupo, centro, ocupacion) "
         "values (1, 1, 1, '1200', 101)"});
    catalogos::CatalogoGrupos grupos(cnx, empresa);
    catalogos::CatalogoStaffing planes(cnx, empresa);
    EXPECT_EQ(grupos.EntradasPlaneadas("        1"), 2);
    EXPECT_EQ(grupos.EntradasPlaneadas("        2"), 1);
    EXPECT_EQ(planes.EntradasPlaneadas("        1"), 3);
    EXPECT_EQ(planes.EntradasPlaneadas("        2"), 0);
    EXPECT_EQ(grupos.AvisoEntradas(0), "");
    EXPECT_EQ(grupos.AvisoEntradas(1),
              "El grupo tiene 1 entrada planeada (por porcentaje y por mes). Si lo elimina, las "
              "formas de planeación ya no las mostrarán, aunque se conservan en la base de "
              "datos.");
    EXPECT_TRUE(planes.AvisoEntradas(3).startsWith("El staffing tiene 3 entradas planeadas "));

    EXPECT_TRUE(grupos.Elimina("        1").hecho);
    EXPECT_EQ(prueba::Columna("select count(*) from staff_porcentaje"), QStringList{"3"});
    const catalogos::Resultado r = grupos.Elimina("        1");
    EXPECT_FALSE(r.hecho);
    EXPECT_TRUE(r.recarga);
    EXPECT_EQ(r.mensaje, "El grupo de clave 1 ya no existe.");
    EXPECT_FALSE(grupos.Elimina("        3").hecho);  // another company's group stays
    EXPECT_EQ(Grupos(), (QStringList{"Recepción", "Lavandería"}));
}

// A plan without payroll types is asked for (a group never is), only once its name passes,
// and No sends nothing.
TEST_F(NucleoTest, APlanWithoutPayrollTypesIsAskedForFirst) {
    catalogos::CatalogoStaffing planes(cnx, empresa);
    catalogos::CatalogoGrupos grupos(cnx, empresa);
    const QString pregunta =
        "El plan no tiene tipos de nómina: los reportes comparativos no contarán empleados. "
        "¿Guardar así?";
    EXPECT_EQ(planes.PreguntaAntesDeGuardar({"Plan", ""}), pregunta);
    EXPECT_EQ(planes.PreguntaAntesDeGuardar({"Plan", "E"}), "");
    EXPECT_EQ(grupos.PreguntaAntesDeGuardar({"Grupo", ""}), "");

    ui::ScriptedMessages msgs;
    EXPECT_EQ(planes.Inserta({"", ""}).mensaje, "Escriba el nombre del staffing.");
    msgs.answer(false).answer(true);
    EXPECT_TRUE(planes.Inserta({"Sin tipos", ""}).cancelado);
    EXPECT_TRUE(planes.Inserta({"Sin tipos", ""}).hecho);
    EXPECT_TRUE(planes.Renombra("        1", {"Plantilla base", "M"}).hecho);
    EXPECT_EQ(msgs.texts(), QStringList(2, pregunta));
    EXPECT_EQ(prueba::Columna("select nombre + '|' + tiposNomina from staffing where empresa = 1 "
                              "order by idStaffing"),
              (QStringList{"Plantilla base|M", "Sin tipos|"}));
}

// A key or company that is not a whole number never becomes statement text.
TEST(ConsultasCatalogos, KeysThatAreNotWholeNumbersAreRefusedBeforeAnyStatement) {
    using Sentencia = std::function<QString(const QString&)>;
    const Sentencia sentencias[] = {
        [](const QString& k) { return catalogos::ListaGrupos(k); },
        [](const QString& k) { return catalogos::InsertaGrupo(k, "x"); },
        [](const QString& k) { return catalogos::ModificaGrupo("1", k, "x"); },
        [](const QString& k) { return catalogos::EliminaGrupo(k, "1"); },
        [](const QString& k) { return catalogos::ListaStaffing(k); },
        [](const QString& k) { return catalogos::InsertaStaffing(k, "x", "S"); },
        [](const QString& k) { return catalogos::ModificaStaffing(k, "x", "S"); },
        [](const QString& k) { return catalogos::EliminaStaffing(k); },
        [](const QString& k) {
            return catalogos::EntradasDelGrupo(catalogos::Planeacion::Mes, "1", k);
        },
        [](const QString& k) {
            return catalogos::EntradasDelStaffing(catalogos::Planeacion::Porcentaje, k, "1");
        },
        [](const QString& k) { return catalogos::ListaPuestos(k); },
    };
    for (const QString malo :
         {"", "1 or 1=1", "1;delete from staffing", "1.5", "uno", "99999999999999999999"}) {
        SCOPED_TRACE(malo.toStdString());
        for (const Sentencia& s : sentencias)
            EXPECT_THROW(s(malo), ado::Error);
    }
}
