// "Exportar a Excel" and "Importar de Excel" in the percentage form, as a planner uses them on
// the demo database: plan 1 copied as "Plan 2027", exported to CSV, five figures changed, a row
// added and one broken, imported; the preview names exactly those rows; "Aplicar" asks about
// the refused row (No writes nothing, Yes writes the valid rows) and the grid reloads (what
// the database then holds: the walk through oxta-plan). With OXTA_SCREENSHOTS=<folder> the
// preview is saved there.
#include "planning/frmImportacion.h"
#include "planning/frmPuestos.h"
#include "planning/herramientas/OperacionesPlan.h"
#include "tests/planning/PlaneacionPrueba.h"
#include "ui/TestSeam.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using namespace plan;

namespace {

class ImportacionTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        prueba::CopiaBase(prueba::kBase, TestData::Demo);
    }
    void TearDown() override {
        prueba::CierraFormularios();
        TempDirTest::TearDown();
    }
    // The actions of the preview's rows, counted ("cambiar=5 ...").
    static QMap<QString, int> Acciones(const TImportacion& f) {
        QMap<QString, int> n;
        for (const auto& fila : f.arrayVista->aArrayData())
            ++n[fila.at(2)];
        return n;
    }
};

TEST_F(ImportacionTest, ExportaEditaPrevisualizaYAplicaTrasPreguntar) {
    ui::ScriptedMessages msgs;
    auto usuario = std::make_shared<clsUsuario>();
    Ejecuta(
        {"insert into perfiles (descripcion, sistema, empresas, centros, bloqueado, "
         "solo_lectura) values ('Planeación', 'ST', '{}', '{}', 'N', 'N')",
         "insert into perfil_usuarios select idperfil, 'Administrador' from perfiles where "
         "descripcion = 'Planeación'",
         "insert into perfil_funcion select 'C', o, idperfil from perfiles, (select 'C1' o "
         "union select 'C2' union select 'C3') x where descripcion = 'Planeación'"});
    usuario->SetUsuario(QStringLiteral("Administrador"));
    usuario->CNX = std::make_shared<clsConexion>();
    const QString plan = QString::number(
        planeacion::CopiaPlan(*usuario->CNX->Conexion(), kEmpresa, "1", "Plan 2027", "S,Q"));
    auto f = TForm::NewModal<TPuestos>(nullptr, [&](TPuestos& p) {
        p.CNX = usuario->CNX;
        p.Empresa = kEmpresa;
        p.objUsuario = usuario;
    });
    const QString archivo = QDir::current().filePath("plan.csv");
    f->PideArchivo = [&](const QString&, const QString&, const QString&, bool) { return archivo; };
    const QString grupo = prueba::Valor(
                              "select min(idgrupo) from staff_porcentaje where "
                              "centro = '1000' and idStaffing = " +
                              plan)
                              .toText();
    EligeTodo(*f, plan + " -", "1000", grupo + " -");
    const int enRejilla = f->arrayStaffing->nLen();
    f->btnExportar->Click();
    ASSERT_TRUE(msgs.last().text.startsWith("Staffing exportado: "));

    QFile csv(archivo);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const auto filas = planeacion::FilasCsv(QString::fromUtf8(csv.readAll()));
    csv.close();
    ASSERT_GT(filas.size(), 7u);
    QStringList lineas;
    for (std::size_t i = 0; i < filas.size(); ++i) {
        QStringList c = filas[i].celdas;
        if (i >= 1 && i <= 5)  // five figures changed
            c[6 + i] = QString::number(c[6 + i].toInt() + 10);
        if (i == 6)
            c[8] = "dos";                // one row broken
        c[1] = c[3] = c[5] = QString();  // names are not read (and may hold commas)
        lineas << c.join(',');
    }
    QStringList nueva = lineas[1].split(',');
    nueva[4] = prueba::Valor(
                   "select min(ocupacion) from tabulador where empresa = 1 and "
                   "ocupacion not in (select ocupacion from staff_porcentaje where "
                   "centro = '1000' and idStaffing = " +
                   plan + " and idgrupo = " + nueva[2] + ")")
                   .toText();
    lineas << nueva.join(',');
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly | QIODevice::Truncate));
    csv.write(lineas.join("\r\n").toUtf8());
    csv.close();

    const QStringList antes = Filas("select * from staff_porcentaje order by 1, 2, 3, 4, 5", 25);
    const int sinCambio = static_cast<int>(filas.size()) - 1 - 6;
    int vistas = 0;
    ui::ModalRunnerScope modal([&](TForm& forma) {
        auto& d = dynamic_cast<TImportacion&>(forma);
        ++vistas;
        EXPECT_EQ(Acciones(d),
                  (QMap<QString, int>{
                      {"agregar", 1}, {"cambiar", 5}, {"sin cambio", sinCambio}, {"rechazar", 1}}));
        const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS");
        if (!carpeta.isEmpty()) {
            d.arrayVista->OrderBy(3);
            QCoreApplication::processEvents();
            EXPECT_TRUE(d.grab().save(QDir(carpeta).filePath("importar_vista_previa.png")));
        }
        msgs.answer(false);
        d.btnAplicarClick();
        EXPECT_FALSE(d.aplicado);
        EXPECT_EQ(Filas("select * from staff_porcentaje order by 1, 2, 3, 4, 5", 25), antes);
        msgs.answer(true);
        d.btnAplicarClick();
        EXPECT_TRUE(d.aplicado);
    });
    f->btnImportar->Click();
    EXPECT_EQ(vistas, 1);
    EXPECT_EQ(msgs.texts(ui::MsgKind::NoYes).size(), 2);
    EXPECT_TRUE(msgs.texts(ui::MsgKind::NoYes).front().contains("1 filas rechazadas"));
    EXPECT_EQ(msgs.last().text, "Datos guardados");
    EXPECT_EQ(Filas("select * from staff_porcentaje order by 1, 2, 3, 4, 5", 25).size(),
              antes.size() + 1);
    EXPECT_EQ(f->arrayStaffing->nLen(), enRejilla + 1);  // the grid was read again
}

}  // namespace
