// "Exportar a Excel" and "Importar de Excel" in the percentage form, as a planner uses them on
// the demo database: plan 1 copied as "Plan 2027", exported to CSV, five figures changed, a row
// added and one broken, imported; the preview names exactly those rows; "Aplicar" asks about
// the refused row (No writes nothing, Yes writes the valid rows) and the grid reloads;
// importing the same file again changes nothing. With OXTA_SCREENSHOTS=<folder> the preview
// is saved there.
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

TEST_F(ImportacionTest, ExportaEditaPrevisualizaAplicaYReimportaSinCambio) {
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
    EligeTodo(*f, plan + " -", "1000", "");
    Elige(f->cmbGrupo, prueba::Valor("select min(idgrupo) from staff_porcentaje where "
                                     "idStaffing = " +
                                     plan + " and centro = '1000'")
                               .toText() +
                           " -");
    const int enRejilla = f->arrayStaffing->nLen();
    ASSERT_GT(enRejilla, 0);
    f->btnExportar->Click();
    ASSERT_TRUE(msgs.last().text.startsWith("Staffing exportado: "))
        << msgs.last().text.toStdString();

    QFile csv(archivo);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    std::vector<planeacion::FilaLeida> filas =
        planeacion::FilasCsv(QString::fromUtf8(csv.readAll()));
    csv.close();
    ASSERT_GT(filas.size(), 7u);
    QStringList lineas;
    for (const auto& fila : filas) {  // the names left out: the import does not read them
        QStringList c = fila.celdas;
        c[1] = c[3] = c[5] = QString();
        lineas << c.join(',');
    }
    for (int i = 1; i <= 5; ++i) {  // five figures changed
        QStringList c = lineas[i].split(',');
        c[6 + i] = QString::number(c[6 + i].toInt() + 10);
        lineas[i] = c.join(',');
    }
    QStringList rota = lineas[6].split(',');
    rota[8] = "dos";
    lineas[6] = rota.join(',');
    const QStringList primera = filas.at(1).celdas;
    const QString libre = prueba::Valor(
                              "select min(ocupacion) from tabulador where empresa = 1 "
                              "and ocupacion not in (select ocupacion from "
                              "staff_porcentaje where idStaffing = " +
                              plan + " and centro = '1000' and idgrupo = " + primera[2] + ")")
                              .toText();
    lineas << QStringList{primera[0], "", primera[2], "", libre, ""}.join(',') + "," +
                  QStringList(20, "4").join(',');
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly | QIODevice::Truncate));
    csv.write(lineas.join("\r\n").toUtf8());
    csv.close();

    const QStringList antes = Filas("select * from staff_porcentaje order by 1, 2, 3, 4, 5", 25);
    const int sinCambio = static_cast<int>(filas.size()) - 1 - 6;
    int vistas = 0;
    ui::ModalRunnerScope modal([&](TForm& forma) {
        auto& d = dynamic_cast<TImportacion&>(forma);
        ++vistas;
        if (vistas == 2) {  // the same file again
            EXPECT_EQ(Acciones(d),
                      (QMap<QString, int>{{"sin cambio", sinCambio + 6}, {"rechazar", 1}}));
            return;
        }
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
    const QStringList despues = Filas("select * from staff_porcentaje order by 1, 2, 3, 4, 5", 25);
    int distintas = 0;
    for (const QString& fila : despues)
        distintas += antes.contains(fila) ? 0 : 1;
    EXPECT_EQ(distintas, 6);
    EXPECT_EQ(despues.size(), antes.size() + 1);
    EXPECT_EQ(f->arrayStaffing->nLen(), enRejilla + 1);  // the grid was read again

    f->btnImportar->Click();
    EXPECT_EQ(vistas, 2);
    EXPECT_EQ(Filas("select * from staff_porcentaje order by 1, 2, 3, 4, 5", 25), despues);
}

}  // namespace
