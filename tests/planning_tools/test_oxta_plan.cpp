// oxta-plan run as a planner would, on the demo database: copy, export, preview, apply, the
// refusals and errors, and an import killed while it writes.
#include "planning/herramientas/OperacionesPlan.h"
#include "tests/planning_tools/PlanDemo.h"

#include <QProcess>
#include <QProcessEnvironment>

using namespace planeacion;
using namespace plantools;

namespace {

class OxtaPlanTest : public PlanDemoTest {
  protected:
    struct Salida {
        int codigo;
        QStringList lineas;
        QString error;
    };
    static Salida Corre(const QStringList& args) {
        QProcess p;
        p.start(OXTA_BINARY_DIR "/tools/oxta-plan",
                QStringList{"-c", "config.ini", "--empresa", "1"} + args);
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitCode(),
                QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
                QString::fromUtf8(p.readAllStandardError())};
    }
};

// The planner's walk on the command line, on plan 1 copied as "Plan 2027".
TEST_F(OxtaPlanTest, CopiaExportaYVuelveAImportar) {
    const Salida copia = Corre({"copiar", "--staffing", "1", "--nombre", "Plan 2027"});
    ASSERT_EQ(copia.codigo, 0) << copia.error.toStdString();
    ASSERT_EQ(copia.lineas.size(), 1);
    const QString plan = copia.lineas[0];
    EXPECT_EQ(prueba::Valor("select tiposNomina from staffing where nombre='Plan 2027' and "
                            "idstaffing=" +
                            plan)
                  .toText(),
              prueba::Valor("select tiposNomina from staffing where idstaffing=1").toText());
    // The walk: exported to a workbook; five figures changed, a row added and one broken with a
    // spreadsheet library; the preview names exactly those rows; applied with --solo-validas
    // the database holds exactly those changes; the same file again changes nothing.
    const Salida exportada = Corre({"exportar", "--staffing", plan, "-o", "plan.xlsx"});
    ASSERT_EQ(exportada.codigo, 0) << exportada.error.toStdString();
    const int total = exportada.lineas.value(0).section('=', 1).toInt();
    int agregada = 0;
    EditaLibro("plan.xlsx", [&](std::vector<std::vector<QStringList>>& hojas) {
        auto& porcentaje = hojas[0];
        for (int i = 1; i <= 5; ++i)
            porcentaje[i][6 + i] = QString::number(porcentaje[i][6 + i].toInt() + 10);
        hojas[1][1][8] = "dos";
        QStringList nueva = porcentaje[1];
        nueva[4] = prueba::Valor(
                       "select min(ocupacion) from tabulador where empresa = 1 and "
                       "ocupacion not in (select ocupacion from staff_porcentaje where "
                       "idStaffing = " +
                       plan + " and centro = '" + nueva[0] + "' and idgrupo = " + nueva[2] + ")")
                       .toText();
        porcentaje.push_back(nueva);
        agregada = static_cast<int>(porcentaje.size());
    });
    QStringList antes = Tablas();
    const Salida libro = Corre({"importar", "--staffing", plan, "plan.xlsx"});
    QStringList esperadas{QString("agregar Porcentaje línea %1").arg(agregada)};
    for (int linea = 2; linea <= 6; ++linea)
        esperadas << QString("cambiar Porcentaje línea %1").arg(linea);
    esperadas << "rechazar Mes línea 2: cifra no válida en Marzo: 'dos'";
    ASSERT_EQ(libro.lineas.size(), esperadas.size() + 1);
    for (qsizetype i = 0; i < esperadas.size(); ++i)
        EXPECT_TRUE(libro.lineas[i].startsWith(esperadas[i])) << libro.lineas[i].toStdString();
    EXPECT_EQ(libro.lineas.last(),
              QString("agregados=1 cambiados=5 sin_cambio=%1 rechazados=1").arg(total - 6));
    EXPECT_EQ(Tablas(), antes);

    EXPECT_EQ(Corre({"importar", "--staffing", plan, "plan.xlsx", "--aplicar", "--solo-validas"})
                  .lineas.last(),
              "aplicado");
    const QStringList despues = Tablas();
    QStringList nuevas;
    for (const QString& f : despues) {
        if (!antes.contains(f))
            nuevas << f;
    }
    EXPECT_EQ(nuevas.size(), 6) << nuevas.join('\n').toStdString();
    EXPECT_EQ(despues.size(), antes.size() + 1);
    EXPECT_EQ(Corre({"importar", "--staffing", plan, "plan.xlsx"}).lineas.last(),
              QString("agregados=0 cambiados=0 sin_cambio=%1 rechazados=1").arg(total));

    // A CSV of the month entries with a row naming no position of the company: refused, and
    // with it nothing is written, however applied.
    ASSERT_EQ(Corre({"exportar", "--staffing", plan, "-o", "plan.csv", "--mes"}).codigo, 0);
    const std::size_t meses = LeeEntradas(*cnx, kEmpresa, plan).mes.size();

    QFile f("plan.csv");
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("1000,,3,,999999,,1,2,3,4,5,6,7,8,9,10,11,12\r\n");
    f.close();
    antes = Tablas();
    const Salida vista = Corre({"importar", "--staffing", plan, "plan.csv"});
    EXPECT_EQ(vista.codigo, 0);
    EXPECT_EQ(vista.lineas.last(),
              QString("agregados=0 cambiados=0 sin_cambio=%1 rechazados=1").arg(meses));
    EXPECT_TRUE(vista.lineas.first().startsWith(
        QString("rechazar Mes línea %1: puesto desconocido: '999999'").arg(meses + 2)));
    const Salida negada =
        Corre({"importar", "--staffing", plan, "plan.csv", "--aplicar", "--eliminar-ausentes"});
    EXPECT_EQ(negada.codigo, 1);
    EXPECT_TRUE(negada.error.contains("filas rechazadas; no se escribió nada"));
    EXPECT_EQ(Tablas(), antes);
    EXPECT_EQ(Corre({"importar", "--staffing", plan, "plan.csv", "--aplicar", "--solo-validas"})
                  .lineas.last(),
              "aplicado");
    EXPECT_EQ(Tablas(), antes);
}

TEST_F(OxtaPlanTest, LosErroresVanAErrorEstandarConCodigoUno) {
    struct Caso {
        QStringList args;
        const char* mensaje;
    };
    const std::vector<Caso> casos = {
        {{"exportar", "--staffing", "3", "-o", "x.xlsx"},
         "El staffing 3 no existe en la empresa 1"},
        {{"--empresa", "9", "importar", "--staffing", "1", "x.csv"}, "La empresa 9 no existe"},
        {{"importar", "--staffing", "1", "no-esta.xlsx"}, "no-esta.xlsx: no existe"},
        {{"copiar", "--staffing", "1", "--nombre", "a\nb"}, "caracteres de control"},
        {{"copiar", "--staffing", "1", "--nombre", "x", "--tipos", "Z"}, "Tipos de nómina"},
        {{"exportar", "--staffing", "1", "-o", "no/hay/carpeta.xlsx"}, "No se pudo escribir"},
    };
    for (const Caso& c : casos) {
        const Salida s = Corre(c.args);
        EXPECT_EQ(s.codigo, 1) << c.mensaje;
        EXPECT_TRUE(s.lineas.isEmpty()) << c.mensaje;
        EXPECT_TRUE(s.error.contains(QString::fromUtf8(c.mensaje))) << s.error.toStdString();
    }
}

TEST_F(OxtaPlanTest, UnaImportacionMatadaAMitadNoDejaNadaEscrito) {
    // Every centre, group and position of the company in both tables: thousands of rows in
    // one batch, inserts first, then the updates of the entries plan 2 already holds.
    const Catalogos c = LeeCatalogos(*cnx, kEmpresa);
    EntradasPlan grande;
    for (const auto& centro : c.centros) {
        for (const auto& grupo : c.grupos) {
            for (const auto& puesto : c.puestos) {
                const ClaveEntrada k{centro.clave, grupo.clave.toLongLong(),
                                     puesto.clave.toLongLong()};
                grande.porcentaje.push_back({k, std::vector<int>(20, 9)});
                grande.mes.push_back({k, std::vector<int>(12, 9)});
            }
        }
    }
    ASSERT_FALSE(LeeEntradas(*cnx, kEmpresa, "2").porcentaje.empty());
    EscribeLibro("grande.xlsx", grande, c);
    const QStringList antes = Tablas();
    // The embedded engine names each statement on standard error as it first prepares it
    // (OXTA_SQL_TRACE), after the batch's BEGIN: the first insert says the batch is writing
    // inside its transaction, and as long as no update has been named the inserts are not
    // done, so the commit is still ahead. The kill lands there whatever the build's speed.
    QProcess p;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert("OXTA_SQL_TRACE", "1");
    p.setProcessEnvironment(entorno);
    const QStringList args{"-c",        "config.ini",         "--empresa", "1",
                           "importar",  "--staffing",         "2",         "grande.xlsx",
                           "--aplicar", "--eliminar-ausentes"};
    p.start(OXTA_BINARY_DIR "/tools/oxta-plan", args);
    ASSERT_TRUE(p.waitForStarted());
    QByteArray traza;
    const auto escribe = [&] { return traza.toLower().contains("insert into \"staff_"); };
    while (!escribe() && p.state() == QProcess::Running) {
        p.waitForReadyRead(20);
        traza += p.readAllStandardError();
    }
    ASSERT_EQ(p.state(), QProcess::Running) << "finished before it could be killed";
    p.kill();
    p.waitForFinished();
    traza += p.readAllStandardError();
    ASSERT_FALSE(traza.toLower().contains("update \"staff_")) << "killed after the inserts";
    EXPECT_FALSE(p.readAllStandardOutput().contains("aplicado"));
    EXPECT_EQ(Tablas(), antes);  // read through a new connection: the batch was rolled back
    // The same import left to finish writes it all.
    p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    p.start(OXTA_BINARY_DIR "/tools/oxta-plan", args);
    ASSERT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(LeeEntradas(*cnx, kEmpresa, "2").porcentaje.size(), grande.porcentaje.size());
}

}  // namespace
