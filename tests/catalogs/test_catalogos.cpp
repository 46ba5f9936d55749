// The catalogues of groups and staffing plans: the statements' effects read back from the
// database, the two window widths, the confirmation, the permissions and the look-up.
#include "catalogs/BusGrupos.h"
#include "catalogs/BusStaffing.h"
#include "catalogs/frmCopiaStaffing.h"
#include "tests/catalogs/CatalogosTest.h"
#include "tests/support/CadenasHostiles.h"
#include "ui/Cp1252.h"
#include "ui/TestSeam.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QSet>

using namespace catalogos_prueba;

namespace {

class GruposTest : public CatalogoTest {
  protected:
    std::unique_ptr<TCatGrupo> Grupos(const QString& muestra = "Todo") {
        return Abre<TCatGrupo>([&](TCatGrupo& f) { f.muestra = muestra; });
    }
    static QStringList Nombres(const TArrayBrowse* lista) {
        QStringList nombres;
        for (const auto& fila : lista->aArrayData())
            nombres << fila.value(1);
        return nombres;
    }
};

class StaffingTest : public GruposTest {
  protected:
    // The boxes ticked, as their letters in the fixed order.
    static QString Marcadas(const TCatStaffing& f) {
        QString s;
        const std::pair<TCheckBox*, char> casillas[] = {
            {f.chkSemanal, 'S'},   {f.chkDecenal, 'D'}, {f.chkCatorcenal, 'C'},
            {f.chkQuincenal, 'Q'}, {f.chkMensual, 'M'}, {f.chkEspecial, 'E'}};
        for (auto [c, letra] : casillas)
            if (c->lChecked())
                s += QLatin1Char(letra);
        return s;
    }
};

}  // namespace

TEST_F(GruposTest, CreatesRenamesAndDeletesKeepingQuotesAndTheListShape) {
    Concede({"B1", "B2", "B3"});
    Ejecuta({"insert into staff_grupo values (2, 'De otra empresa')"});
    ui::ScriptedMessages msgs;
    const auto f = Grupos();
    EXPECT_EQ(f->cText(), "Grupos");
    EXPECT_EQ(f->nWidth(), 446);
    EXPECT_FALSE(f->PanelVisible());
    EXPECT_EQ(f->nTop(), 205);
    EXPECT_EQ(f->nLeft(), 200);
    EXPECT_EQ(f->arraygrupo->nLen(), 0);

    f->btnNuevo->Click();
    EXPECT_EQ(f->nWidth(), 740);
    EXPECT_EQ(f->tipoMov, "Insertar");
    f->txtNombre->Value("Cocina d'Autor");
    f->btnGuardar->Click();
    EXPECT_EQ(f->nWidth(), 446);
    EXPECT_EQ(f->tipoMov, "Insertar");
    ASSERT_EQ(f->arraygrupo->nLen(), 1);
    const QString clave = f->arraygrupo->GetValue(1);
    EXPECT_EQ(clave.size(), 9);
    EXPECT_EQ(clave.trimmed(),
              prueba::Valor("select idgrupo from staff_grupo where empresa = 1").toText());
    EXPECT_EQ(Nombres(f->arraygrupo), QStringList{"Cocina d'Autor"});

    f->btnModificar->Click();
    EXPECT_EQ(f->nWidth(), 740);
    EXPECT_EQ(f->txtIdgrupo->Value(), clave);
    EXPECT_EQ(f->txtNombre->Value(), "Cocina d'Autor");
    f->txtNombre->Value("O'Hara'); delete from staff_grupo; --");
    f->btnGuardar->Click();
    EXPECT_EQ(Columna("select nombre from staff_grupo order by empresa"),
              (QStringList{"O'Hara'); delete from staff_grupo; --", "De otra empresa"}));

    msgs.answer(false);
    f->brnEliminar->Click();
    EXPECT_EQ(f->arraygrupo->nLen(), 1);
    msgs.answer(true);
    f->brnEliminar->Click();
    EXPECT_EQ(msgs.texts(), (QStringList{"Seguro que desea eliminar el grupo",
                                         "Seguro que desea eliminar el grupo", "Grupo Eliminado"}));
    EXPECT_EQ(msgs.count(ui::MsgKind::NoYes), 2);
    EXPECT_EQ(f->arraygrupo->nLen(), 0);
    EXPECT_EQ(Columna("select nombre from staff_grupo"), QStringList{"De otra empresa"});
    EXPECT_FALSE(msgs.unexpectedQuestion());
}

// tipoMov outlives a save, so a second Guardar repeats its kind of statement (a second insert
// of the same name is a taken name); Modificar fixes the row it was pressed on, and the
// typing and the key survive choosing another row.
TEST_F(GruposTest, SaveActsOnTheRowFixedByModificarAndRepeatsItsKind) {
    Concede({"B1", "B2"});
    ui::ScriptedMessages msgs;
    const auto f = Grupos();
    f->btnNuevo->Click();
    f->txtNombre->Value("Uno");
    f->btnGuardar->Click();
    f->btnGuardar->Click();  // a second one: the panel is hidden but tipoMov stays
    EXPECT_EQ(msgs.texts(),
              QStringList{"Ya existe un grupo llamado «Uno» en esta empresa; no se guardó."});
    f->txtNombre->Value("Dos");
    f->btnGuardar->Click();
    EXPECT_EQ(Columna("select nombre from staff_grupo order by idgrupo"),
              (QStringList{"Uno", "Dos"}));

    f->arraygrupo->GoTo(1);
    f->btnModificar->Click();
    f->txtNombre->Value("Renombrado");
    f->arraygrupo->GoTo(2);
    EXPECT_EQ(f->txtIdgrupo->Value(), "        1");
    EXPECT_EQ(f->txtNombre->Value(), "Renombrado");
    f->btnGuardar->Click();
    EXPECT_EQ(Columna("select nombre from staff_grupo order by idgrupo"),
              (QStringList{"Renombrado", "Dos"}));
    EXPECT_EQ(f->tipoMov, "Modificar");

    // Deleting the row being modified closes the panel; deleting another row keeps it.
    Concede({"B3"});
    const auto g = Grupos();
    g->arraygrupo->GoTo(1);
    g->btnModificar->Click();
    for (const int fila : {2, 1}) {
        g->arraygrupo->GoTo(fila);
        msgs.answer(true);
        g->brnEliminar->Click();
        EXPECT_EQ(g->PanelVisible(), fila == 2);
    }
}

// Enter presses Guardar while the panel shows; with the panel hidden it must not repeat the
// last save (tipoMov outlives it).
TEST_F(GruposTest, EnterSavesOnlyWhileThePanelShows) {
    Concede({"B1"});
    const auto f = Grupos();
    f->Show();
    const auto enter = [&](QWidget* w) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    f->btnNuevo->Click();
    f->txtNombre->Value("Lavandería");
    enter(f->txtNombre);
    EXPECT_FALSE(f->PanelVisible());
    enter(f->arraygrupo);
    enter(f.get());
    EXPECT_EQ(Columna("select nombre from staff_grupo"), QStringList{"Lavandería"});
}

// Nothing in sight to act on: an empty list, or a filter that hides every row.
TEST_F(GruposTest, ButtonsAndDoubleClickDoNothingWithoutARowInSight) {
    Concede({"B1", "B2", "B3"});
    for (const bool filtro : {false, true}) {
        SCOPED_TRACE(filtro ? "filtered out" : "empty");
        if (filtro)
            Ejecuta({"insert into staff_grupo values (1, 'Recepción')"});
        ui::ScriptedMessages msgs;
        const auto f = Grupos();
        if (filtro)
            f->arraygrupo->SetFilter(2, "no existe");
        f->btnModificar->Click();
        f->brnEliminar->Click();
        f->arraygrupoDblClick(f->arraygrupo, 0, 1, 1);
        EXPECT_EQ(msgs.count(), 0);
        EXPECT_FALSE(f->PanelVisible());
        EXPECT_FALSE(f->IsClosed());
        EXPECT_EQ(f->tipoMov, "");
        EXPECT_EQ(f->vCodigo, "");
    }
    // Modificar, then the filter hides the row: Guardar still renames the row it was
    // pressed on, whose key the panel shows.
    const auto f = Grupos();
    f->btnModificar->Click();
    f->arraygrupo->SetFilter(2, "no existe");
    f->txtNombre->Value("Otro");
    f->btnGuardar->Click();
    EXPECT_FALSE(f->PanelVisible());
    EXPECT_EQ(Columna("select nombre from staff_grupo"), QStringList{"Otro"});
}

TEST_F(GruposTest, WithoutPermissionsTheListStillBrowsesAndChooses) {
    Ejecuta({"insert into staff_grupo values (1, 'Ama de Llaves')",
             "insert into staff_grupo values (1, '  Mantenimiento  ')"});
    Concede({"B2", "A1", "C4"});  // another letter's options count for nothing
    for (const QString muestra : {"Todo", "Cat"}) {
        SCOPED_TRACE(muestra.toStdString());
        const auto f = Grupos(muestra);
        const bool busqueda = muestra == "Cat";
        EXPECT_EQ(f->nLeft(), busqueda ? 300 : 200);
        EXPECT_FALSE(f->btnNuevo->lEnabled());
        EXPECT_TRUE(f->btnModificar->lEnabled());
        EXPECT_FALSE(f->brnEliminar->lEnabled());
        for (TBtnBmp* b : {f->btnNuevo, f->btnModificar, f->brnEliminar})
            EXPECT_EQ(b->isVisibleTo(f.get()), !busqueda);
        f->arraygrupo->OrderBy(2);
        f->arraygrupo->SetFilter(2, "mante");
        EXPECT_EQ(f->arraygrupo->nVisibleRows(), 1);
        f->arraygrupo->DblClick(2);
        EXPECT_TRUE(f->IsClosed());
        EXPECT_EQ(f->vCodigo, "        2");
        EXPECT_EQ(f->vNombre, "Mantenimiento");
    }
    const auto f = Grupos();
    f->btnSalir->Click();
    EXPECT_TRUE(f->IsClosed());
    EXPECT_EQ(f->vCodigo, "0");
    EXPECT_EQ(f->vNombre, "");
}

// Deleting a plan leaves its planned positions in place; the plan's key is never given to a
// new plan, so those entries can never reappear under another plan.
TEST_F(StaffingTest, DeletedPlanKeepsItsEntriesAndItsKeyIsNotReused) {
    Concede({"A1", "A3"});
    Ejecuta({"insert into staffing values (1, 'Plantilla base', 'S')",
             "insert into staffing values (1, 'Temporada alta', 'S,Q')",
             "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, ocupacion) "
             "values (1, 2, 1, '1100', 101)"});
    ui::ScriptedMessages msgs;
    const auto f = Abre<TCatStaffing>();
    f->arrayPlantillas->GoTo(2);
    msgs.answer(true);
    f->btEliminar->Click();
    EXPECT_EQ(msgs.texts(),
              (QStringList{"El staffing tiene 1 entrada planeada (por porcentaje y por mes). Si "
                           "lo elimina, las formas de planeación ya no las mostrarán, aunque se "
                           "conservan en la base de datos.",
                           "Seguro que desea eliminar el staffing", "Staffing Eliminado"}));
    EXPECT_EQ(f->nWidth(), 442);
    EXPECT_EQ(Nombres(f->arrayPlantillas), QStringList{"Plantilla base"});
    EXPECT_EQ(Numero("select count(*) from staff_porcentaje where idStaffing = 2"), 1);

    f->btnNuevo->Click();
    f->txtNombre->Value("Plan 2027 - Hospital");
    f->chkMensual->Click();
    f->btnGuardar->Click();
    EXPECT_EQ(Columna("select idStaffing from staffing order by idStaffing"),
              (QStringList{"1", "3"}));
}

// The payroll-type text in the fixed order S, D, C, Q, M, E, and Modificar ticking exactly
// the boxes of the stored text.
TEST_F(StaffingTest, PayrollTypesAreStoredInTheFixedOrderAndTickedBackExactly) {
    Concede({"A1", "A2"});
    ui::ScriptedMessages msgs;
    msgs.answer(true);  // the plan without payroll types, saved all the same
    const auto f = Abre<TCatStaffing>();
    EXPECT_EQ(f->cText(), "Staffing");
    EXPECT_EQ(f->nWidth(), 442);
    EXPECT_EQ(f->nLeft(), 200);
    EXPECT_EQ(f->chkQuincenal->cText(), "4.- Quincenal");
    // Ticked in another order than stored; the last case ticks nothing.
    const struct {
        std::vector<TCheckBox*> marcar;
        const char* texto;
    } casos[] = {{{f->chkMensual, f->chkSemanal}, "S,M"},
                 {{f->chkEspecial, f->chkDecenal, f->chkQuincenal, f->chkCatorcenal, f->chkMensual,
                   f->chkSemanal},
                  "S,D,C,Q,M,E"},
                 {{f->chkMensual}, "M"},
                 {{}, ""}};
    int fila = 0;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        f->btnNuevo->Click();
        EXPECT_EQ(Marcadas(*f), "");
        f->txtNombre->Value(QStringLiteral("Plan %1").arg(++fila));
        for (TCheckBox* casilla : c.marcar)
            casilla->Click();
        EXPECT_EQ(f->armatipos(), c.texto);
        f->btnGuardar->Click();
        EXPECT_EQ(prueba::Valor(QStringLiteral("select tiposNomina from staffing where nombre "
                                               "= 'Plan %1'")
                                    .arg(fila))
                      .toText(),
                  c.texto);
        f->arrayPlantillas->GoTo(fila);
        EXPECT_EQ(f->arrayPlantillas->GetValue(3), c.texto);
        f->btnModificar->Click();
        EXPECT_EQ(f->nWidth(), 800);
        EXPECT_EQ(Marcadas(*f), QString(c.texto).remove(QLatin1Char(',')));
    }
    // Renaming keeps the row's key and writes both name and types.
    f->arrayPlantillas->GoTo(1);
    f->btnModificar->Click();
    f->chkDecenal->Click();
    f->txtNombre->Value("Cocina d'Autor");
    f->btnGuardar->Click();
    EXPECT_EQ(Columna("select nombre + '|' + tiposNomina from staffing where idStaffing = 1"),
              QStringList{"Cocina d'Autor|S,D,M"});
}

TEST_F(StaffingTest, DoubleClickHandsBackKeyNameAndTypesAndSalirClearsThem) {
    Ejecuta({"insert into staffing values (1, '  Plantilla base  ', 'S,Q')",
             "insert into staffing values (2, 'De otra empresa', 'M')"});
    const auto f = Abre<TCatStaffing>();
    for (TBtnBmp* b : {f->btnNuevo, f->btnModificar, f->btEliminar})
        EXPECT_FALSE(b->lEnabled());
    ASSERT_EQ(f->arrayPlantillas->nLen(), 1);
    f->arrayPlantillas->DblClick(1);
    EXPECT_TRUE(f->IsClosed());
    EXPECT_EQ(f->vCodigo, "        1");
    EXPECT_EQ(f->vNombre, "Plantilla base");
    EXPECT_EQ(f->vtipos, "S,Q");

    const auto g = Abre<TCatStaffing>();
    g->btnSalir->Click();
    EXPECT_EQ(g->vCodigo, "0");
    EXPECT_EQ(g->vNombre, "");
    EXPECT_EQ(g->vtipos, "");
}

// Whatever is typed stays data: quotes as typed, every character of Windows-1252 kept, control
// characters (which a one-line box does not show) stored as blanks, and no more than the
// column holds (50 characters for a group, 150 for a plan). A character that the column
// cannot hold is refused with a message, and the panel keeps what was typed.
TEST_F(StaffingTest, TypedNamesAreStoredAsOneLineOfTheirOwnText) {
    Concede({"A1", "B1"});
    const struct {
        QString tecleado;
        QString guardado;
    } casos[] = {
        {"Cocina d'Autor", "Cocina d'Autor"},
        {"x', 'S'); delete from staffing; --", "x', 'S'); delete from staffing; --"},
        {"''", "''"},
        {"Ñandú ½ € œ", "Ñandú ½ € œ"},
        {"Plan\r\nnuevo", "Plan  nuevo"},
        {QString("con") + QChar(0) + "nulo\t", "con nulo"},  // the last blank is trimmed
        {QString(5000, 'x'), QString(5000, 'x')},
    };
    const auto plan = Abre<TCatStaffing>();
    const auto grupo = Grupos();
    for (const auto& c : casos) {
        SCOPED_TRACE(c.guardado.left(40).toStdString());
        Ejecuta({"delete from staffing", "delete from staff_grupo"});
        for (TCatalogo* f : std::initializer_list<TCatalogo*>{plan.get(), grupo.get()}) {
            f->btnNuevo->Click();
            f->txtNombre->Value(c.tecleado);
            plan->chkSemanal->lChecked(true);  // a plan with a payroll type asks nothing
            f->btnGuardar->Click();
        }
        EXPECT_EQ(Nombres(plan->arrayPlantillas), QStringList{c.guardado.left(150)});
        EXPECT_EQ(Nombres(grupo->arraygrupo), QStringList{c.guardado.left(50)});
    }
    ui::ScriptedMessages msgs;
    for (TCatalogo* f : std::initializer_list<TCatalogo*>{plan.get(), grupo.get()}) {
        f->btnNuevo->Click();
        f->txtNombre->Value("Ωmega 😀");
        f->btnGuardar->Click();
        EXPECT_TRUE(f->PanelVisible());
        EXPECT_EQ(f->txtNombre->Value(), "Ωmega 😀");
    }
    EXPECT_EQ(msgs.texts(), QStringList(2,
                                        "El nombre no puede guardarse: el carácter «Ω» no es "
                                        "válido."));
    EXPECT_EQ(Numero("select count(*) from staffing") + Numero("select count(*) from staff_grupo"),
              2);
}

namespace {

// The catalogues over the demo company (hotel, company 1), as a planner finds them.
class CatalogosDemoTest : public StaffingTest {
  protected:
    TestData Base() const override { return TestData::Demo; }
    void SetUp() override {
        StaffingTest::SetUp();
        Concede({"A1", "A2", "A3", "B1", "B2", "B3"});
    }
    static QString NombreDe(const char* tabla, const char* columna, const QString& clave) {
        return prueba::Valor(QStringLiteral("select nombre from %1 where %2 = %3")
                                 .arg(tabla, columna, clave.trimmed()))
            .toText();
    }
};

}  // namespace

// Modificar on one row, then a click on another row before Guardar: the row Modificar was
// pressed on is renamed (with its payroll types), the other row is untouched, and the panel
// kept its key and the typing throughout.
TEST_F(CatalogosDemoTest, ModificarKeepsItsRowWhenAnotherRowIsClickedBeforeSaving) {
    ui::ScriptedMessages msgs;
    const auto plan = Abre<TCatStaffing>();
    ASSERT_GE(plan->arrayPlantillas->nLen(), 4);
    plan->arrayPlantillas->GoTo(4);
    const QString editado = plan->arrayPlantillas->GetValue(1);
    plan->btnModificar->Click();
    plan->txtNombre->Value("Eventos 2027");
    plan->chkEspecial->Click();
    plan->arrayPlantillas->GoTo(3);
    const QString otro = plan->arrayPlantillas->GetValue(1);
    const QString nombreOtro = NombreDe("staffing", "idStaffing", otro);
    const QString tiposOtro = plan->arrayPlantillas->GetValue(3);
    EXPECT_EQ(plan->txtIdStaffing->Value(), editado);
    EXPECT_EQ(plan->txtNombre->Value(), "Eventos 2027");
    plan->btnGuardar->Click();
    EXPECT_EQ(NombreDe("staffing", "idStaffing", editado), "Eventos 2027");
    EXPECT_EQ(
        prueba::Valor("select tiposNomina from staffing where idStaffing = " + editado.trimmed())
            .toText(),
        "S,M,E");
    EXPECT_EQ(NombreDe("staffing", "idStaffing", otro), nombreOtro);
    EXPECT_EQ(prueba::Valor("select tiposNomina from staffing where idStaffing = " + otro.trimmed())
                  .toText(),
              tiposOtro);

    const auto grupo = Abre<TCatGrupo>([](TCatGrupo& f) { f.muestra = "Todo"; });
    grupo->arraygrupo->GoTo(2);
    const QString grupoEditado = grupo->arraygrupo->GetValue(1);
    grupo->btnModificar->Click();
    grupo->txtNombre->Value("Alimentos, Bebidas y Eventos");
    grupo->arraygrupo->GoTo(1);
    const QString grupoOtro = grupo->arraygrupo->GetValue(1);
    grupo->btnGuardar->Click();
    EXPECT_EQ(NombreDe("staff_grupo", "idgrupo", grupoEditado), "Alimentos, Bebidas y Eventos");
    EXPECT_EQ(NombreDe("staff_grupo", "idgrupo", grupoOtro), "Operación");
    EXPECT_EQ(msgs.count(), 0);
}

// Empty names and a name the company already uses are refused and said so, the panel keeping
// the typing; a plan without payroll types is asked for first (No keeps the panel); deleting a
// group or plan that holds planned entries tells how many before the usual confirmation, and
// the entries stay.
TEST_F(CatalogosDemoTest, RefusesEmptyAndTakenNamesAsksForPlansWithoutTypesAndCountsEntries) {
    ui::ScriptedMessages msgs;
    const auto grupo = Abre<TCatGrupo>([](TCatGrupo& f) { f.muestra = "Todo"; });
    const int grupos = grupo->arraygrupo->nLen();
    const struct {
        const char* nombre;
        const char* mensaje;
    } rechazos[] = {
        {"", "Escriba el nombre del grupo."},
        {"   ", "Escriba el nombre del grupo."},
        {" cocina d'autor",
         "Ya existe un grupo llamado «Cocina d'Autor» en esta empresa; no se "
         "guardó."},
    };
    for (const auto& r : rechazos) {
        SCOPED_TRACE(r.nombre);
        msgs.clear();
        grupo->btnNuevo->Click();
        grupo->txtNombre->Value(r.nombre);
        grupo->btnGuardar->Click();
        EXPECT_EQ(msgs.texts(), QStringList{QString::fromUtf8(r.mensaje)});
        EXPECT_TRUE(grupo->PanelVisible());
        EXPECT_EQ(grupo->txtNombre->Value(), QString::fromUtf8(r.nombre).trimmed().isEmpty()
                                                 ? QString()
                                                 : QString::fromUtf8(r.nombre));
    }
    EXPECT_EQ(Numero("select count(*) from staff_grupo where empresa = 1"), grupos);

    const auto plan = Abre<TCatStaffing>();
    msgs.clear();
    msgs.answer(false);
    plan->btnNuevo->Click();
    plan->txtNombre->Value("Plan sin tipos");
    plan->btnGuardar->Click();
    EXPECT_TRUE(plan->PanelVisible());
    EXPECT_EQ(Numero("select count(*) from staffing where nombre = 'Plan sin tipos'"), 0);
    msgs.answer(true);
    plan->btnGuardar->Click();
    EXPECT_FALSE(plan->PanelVisible());
    EXPECT_EQ(Numero("select count(*) from staffing where nombre = 'Plan sin tipos'"), 1);
    EXPECT_EQ(msgs.texts(),
              QStringList(2,
                          "El plan no tiene tipos de nómina: los reportes comparativos no "
                          "contarán empleados. ¿Guardar así?"));

    // The first plan holds entries by percentage and by month.
    plan->arrayPlantillas->GoTo(1);
    const QString clave = plan->arrayPlantillas->GetValue(1).trimmed();
    const int entradas =
        Numero("select count(*) from staff_porcentaje where empresa = 1 and idStaffing = " +
               clave) +
        Numero("select count(*) from staff_mes where empresa = 1 and idStaffing = " + clave);
    ASSERT_GT(entradas, 1);
    msgs.clear();
    msgs.answer(true);
    plan->btEliminar->Click();
    EXPECT_EQ(msgs.texts().mid(1),
              (QStringList{"Seguro que desea eliminar el staffing", "Staffing Eliminado"}));
    EXPECT_EQ(Numero("select count(*) from staffing where idStaffing = " + clave), 0);
    EXPECT_EQ(Numero("select count(*) from staff_porcentaje where idStaffing = " + clave) +
                  Numero("select count(*) from staff_mes where idStaffing = " + clave),
              entradas);
    EXPECT_FALSE(msgs.unexpectedQuestion());
}

// "Copiar" on the first plan: the dialog proposes its name and types; every hostile name is
// either stored as the box holds it (one line) with copies of all the plan's entries, the new
// plan selected in the list, or refused with a message and nothing written. A copy without
// payroll types is asked first; without A1 the button is disabled. With
// OXTA_SCREENSHOTS=<folder> the catalogue and the dialog are saved there.
TEST_F(CatalogosDemoTest, CopiarMakesTheWholePlanUnderEveryNameTheCatalogueTakes) {
    ui::ScriptedMessages msgs;
    const auto plan = Abre<TCatStaffing>();
    plan->arrayPlantillas->GoTo(1);
    const QString origen = plan->arrayPlantillas->GetValue(1).trimmed();
    const auto entradas = [](const QString& clave) {
        return Numero("select count(*) from staff_porcentaje where idStaffing = " + clave) +
               1000 * Numero("select count(*) from staff_mes where idStaffing = " + clave);
    };
    ASSERT_GT(entradas(origen), 1000);
    QString propuesta;
    QSet<QString> guardados{plan->arrayPlantillas->GetValue(2).toLower()};
    for (const prueba::Hostil& h : prueba::CadenasHostiles()) {
        SCOPED_TRACE(prueba::Muestra(h.texto));
        msgs.clear();
        const int planes = Numero("select count(*) from staffing");
        QString enCaja;
        ui::ModalRunnerScope modal([&](TForm& f) {
            auto& copia = dynamic_cast<TCopiaStaffing&>(f);
            if (propuesta.isEmpty() && !qEnvironmentVariable("OXTA_SCREENSHOTS").isEmpty()) {
                const QDir carpeta(qEnvironmentVariable("OXTA_SCREENSHOTS"));
                plan->Show();
                QCoreApplication::processEvents();
                EXPECT_TRUE(plan->grab().save(carpeta.filePath("staffing_copiar.png")));
                EXPECT_TRUE(copia.grab().save(carpeta.filePath("copiar_staffing.png")));
            }
            propuesta = copia.txtNombre->Value() + '|' + copia.tipos.Tipos();
            copia.txtNombre->Value(h.texto);
            enCaja = catalogos::UnaLinea(copia.txtNombre->Value());
            copia.btnCopiarClick();
        });
        plan->arrayPlantillas->GoTo(1);
        plan->btnCopiar->Click();
        qsizetype fallo = -1;
        cp1252::encode(enCaja, &fallo);
        const bool rechazo = enCaja.trimmed().isEmpty() || fallo >= 0 ||
                             guardados.contains(enCaja.trimmed().toLower());
        EXPECT_EQ(Numero("select count(*) from staffing"), planes + (rechazo ? 0 : 1));
        EXPECT_EQ(msgs.count(), rechazo ? 1 : 0);
        if (rechazo)
            continue;
        guardados.insert(enCaja.trimmed().toLower());
        const QString nueva = plan->arrayPlantillas->GetValue(1).trimmed();
        EXPECT_NE(nueva, origen);
        EXPECT_EQ(NombreDe("staffing", "idStaffing", nueva), enCaja);
        EXPECT_EQ(entradas(nueva), entradas(origen));
    }
    EXPECT_EQ(propuesta, "Copia de Plantilla base 2026|S,Q");

    msgs.clear();
    msgs.answer(false);
    const int planes = Numero("select count(*) from staffing");
    ui::ModalRunnerScope sinTipos([&](TForm& f) {
        auto& copia = dynamic_cast<TCopiaStaffing&>(f);
        copia.txtNombre->Value("Plan 2027");
        copia.tipos.Marca({});
        copia.btnCopiarClick();
    });
    plan->btnCopiar->Click();
    EXPECT_EQ(msgs.count(ui::MsgKind::NoYes), 1);
    EXPECT_EQ(Numero("select count(*) from staffing"), planes);

    Ejecuta({"delete from perfil_funcion where opcion = 'A1'"});
    EXPECT_FALSE(Abre<TCatStaffing>()->btnCopiar->lEnabled());
}
