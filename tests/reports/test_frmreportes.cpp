// The reports form driven as a user would: the list and its percentage or month, the check
// boxes and their selectors, the messages in order, the viewer opened with its parameters,
// and the work table left without the run's rows after success and after a failure.

#include "reports/CrystalPreview.h"
#include "reports/frmReportes.h"
#include "security/CLSUSUARIO.h"
#include "tests/reports/ReportTestSupport.h"
#include "ui/Application.h"
#include "ui/ErrorReport.h"
#include "ui/TestSeam.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

using namespace prueba;

namespace {

void CierraFormularios() {
    const std::vector<TForm*> abiertos = Application().OpenForms();
    for (TForm* f : abiertos)
        f->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class FormReportesTest : public ReportesTest {
  protected:
    void SetUp() override {
        ReportesTest::SetUp();
        ui::SetErrorWindowHook([this](const QString& log) { errores.push_back(log); });
        QDir().mkpath("reportes");
        for (const QString& f : QDir(OXTA_SOURCE_DIR "/reportes").entryList({"*.rpt"}))
            QFile::copy(QStringLiteral(OXTA_SOURCE_DIR "/reportes/") + f, "reportes/" + f);
        Ejecuta({"insert into centros values (1, 'O''B', 'Bar O''Brien')",
                 "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, ocupacion, "
                 "v35) values (1, 1, 1, 'O''B', 20, 6)",
                 "insert into empleados (empresa, codigo, nombre, paterno, sueldo) values "
                 "(1, 1, 'a', 'a', 1000), (1, 2, 'b', 'b', 2000)",
                 "insert into llaves (empresa, codigo, centro, ocupacion, tiponom) values "
                 "(1, 1, 'O''B', 20, 1), (1, 2, '100', 10, 4)",
                 "insert into staff_mes (empresa, idStaffing, idgrupo, centro, ocupacion, marzo) "
                 "values (1, 1, 1, '100', 10, 7)"});
    }
    void TearDown() override {
        CierraFormularios();
        ui::SetErrorWindowHook({});
        for (const QString& log : errores)
            ADD_FAILURE() << log.toStdString();
        ReportesTest::TearDown();
    }

    std::unique_ptr<TReportes> Abre(bool d1 = true) {
        Ejecuta({"insert into usuarios values ('hr', 'x', 'x', NULL)",
                 "insert into perfiles (descripcion, sistema, empresas, centros, bloqueado, "
                 "solo_lectura) values ('RH', 'ST', '{}', '{}', 'N', 'N')",
                 "insert into perfil_usuarios select idperfil, 'hr' from perfiles"});
        if (d1)
            Ejecuta({"insert into perfil_funcion select 'D', 'D1', idperfil from perfiles"});
        auto usuario = std::make_shared<clsUsuario>();
        usuario->SetUsuario(QStringLiteral("hr"));
        usuario->CNX = std::make_shared<clsConexion>();
        auto f = TForm::NewModal<TReportes>(nullptr, [&](TReportes& r) {
            r.CNX = usuario->CNX;
            r.Empresa = QStringLiteral("       1");
            r.objUsuario = usuario;
        });
        f->Show();
        return f;
    }

    static void EligeReporte(TReportes& f, const QString& texto) {
        f.lstReportes->Select(reportes::ListaReportes().indexOf(texto) + 1);
    }
    static void Elige(TCheckBox* chk, TComboBox* lista, const QString& inicio) {
        chk->Click();
        for (int i = 0; i < lista->count(); ++i)
            if (lista->itemText(i).trimmed().startsWith(inicio)) {
                lista->Select(i + 1);
                return;
            }
        ADD_FAILURE() << "no item " << inicio.toStdString();
    }
    // The viewers open on screen (a form shown modelessly leaves its parent's children).
    static std::vector<TCrystalPreview*> Visores(TReportes&) {
        std::vector<TCrystalPreview*> visores;
        for (TForm* form : Application().OpenForms())
            if (auto* v = dynamic_cast<TCrystalPreview*>(form))
                visores.push_back(v);
        return visores;
    }
    static QString Parametro(TCrystalPreview* v, const char* nombre) {
        return v->Reporte()->parameters().value(nombre).toText();
    }
    static int FilasDeTrabajo() {
        return static_cast<int>(Valor("select count(*) from staff_reporte where clave not in "
                                      "('K1', 'K2')")
                                    .toInt());
    }

    std::vector<QString> errores;
};

TEST_F(FormReportesTest, OpensWithTheListsFilledAndPrintingByPermission) {
    auto f = Abre();
    EXPECT_EQ(f->cText(), QStringLiteral("Reportes"));
    EXPECT_EQ(f->lstReportes->cText(), QStringLiteral("Puestos"));
    EXPECT_TRUE(f->btnImprime->lEnabled());
    EXPECT_FALSE(f->grpStaffing->lEnabled());
    EXPECT_EQ(f->cmbStaffing->count(), 2);  // plans of company 1 only
    EXPECT_EQ(f->cmbCentroCostos->count(), 3);
    EXPECT_EQ(f->cmbGrupo->count(), 1);
    CierraFormularios();
    Ejecuta({"delete from perfil_funcion", "delete from perfil_usuarios", "delete from perfiles",
             "delete from usuarios"});
    EXPECT_FALSE(Abre(false)->btnImprime->lEnabled());
}

TEST_F(FormReportesTest, PercentageAndMonthShareTheirPlace) {
    auto f = Abre();
    const struct {
        const char* reporte;
        bool porcentaje;
        bool mes;
    } casos[] = {{"Puestos", false, false},
                 {"Puestos al X %", true, false},
                 {"Comparar Ocupacion Actual", true, false},
                 {"Comparar Ocupacion Actual $", true, false},
                 {"Comparativo por Mes con Diferencia", false, true},
                 {"Comparativo por Mes", false, true}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.reporte);
        EligeReporte(*f, c.reporte);
        EXPECT_EQ(f->lblporc->lVisible(), c.porcentaje);
        EXPECT_EQ(f->cmbPorcentaje->lVisible(), c.porcentaje);
        EXPECT_EQ(f->lblmes->lVisible(), c.mes);
        EXPECT_EQ(f->cmbMEs->lVisible(), c.mes);
    }
}

TEST_F(FormReportesTest, ChecksStopEveryReportBeforeAnythingIsWritten) {
    auto f = Abre();
    ui::ScriptedMessages msgs;
    EligeReporte(*f, "Comparar Ocupacion Actual");
    f->btnImprime->Click();
    f->chkGrupo->Click();
    f->chkCC->Click();
    EligeReporte(*f, "Puestos");
    f->btnImprime->Click();
    Elige(f->chkStaffing, f->cmbStaffing, "1");
    EligeReporte(*f, "Comparativo por Mes");
    f->btnImprime->Click();
    f->cmbGrupo->Select(1);
    f->chkGrupo->Click();  // cleared and checked again: the key is gone
    f->chkGrupo->Click();
    f->btnImprime->Click();
    f->chkStaffing->Click();  // clearing the plan empties its key
    f->btnImprime->Click();
    EXPECT_EQ(msgs.texts(), (QStringList{"Debe indicarse el Staffing", "Debe indicarse el grupo",
                                         "Debe indicarse el grupo", "Debe indicarse el grupo",
                                         "Debe indicarse el Staffing"}));
    EXPECT_TRUE(f->txtidStaffing->Value().isEmpty());
    EXPECT_TRUE(Visores(*f).empty());
    EXPECT_EQ(FilasDeTrabajo(), 0);
    EXPECT_TRUE(f->btnImprime->lEnabled());
}

TEST_F(FormReportesTest, DirectReportsPassTheirFilters) {
    auto f = Abre();
    ui::ScriptedMessages msgs;
    f->btnImprime->Click();
    EligeReporte(*f, "Puestos al X %");
    f->cmbPorcentaje->Select(7);  // 35
    Elige(f->chkCC, f->cmbCentroCostos, "O'B");
    Elige(f->chkStaffing, f->cmbStaffing, "1");
    f->btnImprime->Click();
    EXPECT_TRUE(msgs.texts().isEmpty());
    const auto visores = Visores(*f);
    ASSERT_EQ(visores.size(), 2u);
    EXPECT_EQ(Parametro(visores[0], "empresa"), QStringLiteral("1"));
    EXPECT_EQ(Parametro(visores[0], "cc"), QStringLiteral("TODOS"));
    EXPECT_EQ(Parametro(visores[0], "staffing"), QStringLiteral("0"));
    EXPECT_EQ(Parametro(visores[0], "grupo"), QStringLiteral("0"));
    EXPECT_EQ(Parametro(visores[1], "cc"), QStringLiteral("O'B"));
    EXPECT_EQ(Parametro(visores[1], "staffing"), QStringLiteral("1"));
    EXPECT_EQ(Parametro(visores[1], "porc"), QStringLiteral("35"));
    EXPECT_GT(visores[1]->Reporte()->data().main.result.rows.size(), 0u);
    EXPECT_TRUE(visores[1]->isVisible());
}

TEST_F(FormReportesTest, ComparativeReportsReadTheirRunAndLeaveNoRows) {
    auto f = Abre();
    ui::ScriptedMessages msgs;
    Elige(f->chkStaffing, f->cmbStaffing, "1");
    Elige(f->chkCC, f->cmbCentroCostos, "O'B");  // a code holding a quote
    EligeReporte(*f, "Comparar Ocupacion Actual $");
    f->cmbPorcentaje->Select(7);
    f->btnImprime->Click();
    f->chkCC->Click();
    EligeReporte(*f, "Comparativo por Mes con Diferencia");
    f->cmbMEs->Select(3);
    f->btnImprime->Click();
    EXPECT_TRUE(msgs.texts().isEmpty());
    const auto visores = Visores(*f);
    ASSERT_EQ(visores.size(), 2u);
    EXPECT_NE(Parametro(visores[0], "CVE"), Parametro(visores[1], "CVE"));
    EXPECT_EQ(Parametro(visores[0], "porc"), QStringLiteral("35"));
    EXPECT_EQ(Parametro(visores[1], "mes"), QStringLiteral("Marzo"));
    const auto& porcentaje = visores[0]->Reporte()->data().main;
    ASSERT_EQ(porcentaje.result.rows.size(), 1u);  // the one entry of centre O'B
    EXPECT_EQ(porcentaje.result.rows[0][porcentaje.column("plazas")].toInt(), 6);
    EXPECT_EQ(porcentaje.result.rows[0][porcentaje.column("real")].toInt(), 1);
    EXPECT_EQ(porcentaje.result.rows[0][porcentaje.column("sueldoReal")].toDouble(), 1000);
    const auto& mes = visores[1]->Reporte()->data().main;
    ASSERT_EQ(mes.result.rows.size(), 1u);
    EXPECT_EQ(FilasDeTrabajo(), 0);
    EXPECT_TRUE(f->btnImprime->lEnabled());
}

TEST_F(FormReportesTest, AFailureAfterLoadingShowsTheErrorAndLeavesNoRows) {
    auto f = Abre();
    QFile::remove("reportes/rptComparativoMes.rpt");
    Elige(f->chkStaffing, f->cmbStaffing, "1");
    EligeReporte(*f, "Comparativo por Mes");
    f->cmbMEs->Select(3);
    f->btnImprime->Click();
    ASSERT_EQ(errores.size(), 1u);
    EXPECT_TRUE(errores[0].contains("rptComparativoMes.rpt"));
    errores.clear();
    EXPECT_EQ(FilasDeTrabajo(), 0);
    EXPECT_TRUE(f->btnImprime->lEnabled());

    // A database error on the way (the month table is missing) ends the same way.
    Ejecuta({"drop table staff_mes"});
    f->btnImprime->Click();
    EXPECT_EQ(errores.size(), 1u);
    errores.clear();
    EXPECT_EQ(FilasDeTrabajo(), 0);
    EXPECT_TRUE(f->btnImprime->lEnabled());
}

}  // namespace

namespace {

// oxta-report runs the form's rules and statements without a window.
class OxtaReportTest : public ReportesTest {
  protected:
    struct Resultado {
        int estado;
        QString error;
    };
    static Resultado Corre(const QStringList& argumentos) {
        QProcess p;
        p.start(QStringLiteral(OXTA_BINARY_DIR "/tools/oxta-report"), argumentos);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
    }
};

TEST_F(OxtaReportTest, BrokenRulesGiveTheFormsMessages) {
    EscribeIni("VARIABLES", "Empresa", "1");
    const struct {
        QStringList argumentos;
        const char* mensaje;
    } casos[] = {
        {{"--reporte", "Comparar Ocupacion Actual", "-o", "a.pdf"}, "Debe indicarse el Staffing"},
        {{"--reporte", "Comparativo por Mes", "--staffing", "1", "--grupo", " ", "-o", "a.csv"},
         "Debe indicarse el grupo"},
        {{"--reporte", "Puestos", "--cc", "", "-o", "a.xlsx"},
         "Debe indicarse el Centro de costos"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.mensaje);
        const Resultado r = Corre(c.argumentos);
        EXPECT_EQ(r.estado, 1);
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.mensaje))) << r.error.toStdString();
    }
    EXPECT_FALSE(QFile::exists("a.pdf") || QFile::exists("a.csv") || QFile::exists("a.xlsx"));
}

TEST_F(OxtaReportTest, WritesTheComparisonAndLeavesNoRows) {
    EscribeIni("VARIABLES", "Empresa", "1");
    Ejecuta(
        {"insert into empleados (empresa, codigo, nombre, paterno, sueldo) values "
         "(1, 1, 'a', 'a', 1000.50), (1, 2, 'b', 'b', 2000)",
         "insert into llaves (empresa, codigo, centro, ocupacion, tiponom) values "
         "(1, 1, '100', 10, 1), (1, 2, '100', 10, 4)"});
    const Resultado r = Corre({"--reporte", "Comparar Ocupacion Actual $", "--staffing", "1",
                               "--porcentaje", "35", "-o", "c.csv"});
    ASSERT_EQ(r.estado, 0) << r.error.toStdString();
    QFile f("c.csv");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto filas = LeeCsv(f.readAll());
    ASSERT_GE(filas.size(), 2u);
    const QStringList& cabeza = filas[0];
    const auto celda = [&](std::size_t fila, const char* columna) {
        return filas[fila].value(cabeza.indexOf(columna));
    };
    // The cook at 35 %: 7 planned, 2 employees paid 3000.50, guaranteed 8001 (rounded).
    bool cocinero = false;
    for (std::size_t i = 1; i < filas.size(); ++i) {
        if (celda(i, "ocupacion") != "10")
            continue;
        cocinero = true;
        EXPECT_EQ(celda(i, "plazas"), "7");
        EXPECT_EQ(celda(i, "real"), "2");
        EXPECT_EQ(celda(i, "sueldoReal"), "3000.50");
        EXPECT_EQ(celda(i, "sueldoOriginal"), "8001.00");
    }
    EXPECT_TRUE(cocinero);
    EXPECT_EQ(Valor("select count(*) from staff_reporte where clave not in ('K1', 'K2')").toInt(),
              0);
}

}  // namespace

namespace {

TEST_F(OxtaReportTest, FiltersThatNameNothingStopItBeforeAnythingIsWritten) {
    EscribeIni("VARIABLES", "Empresa", "1");
    const struct {
        QStringList argumentos;
        const char* mensaje;
    } casos[] = {
        {{"--empresa", "7"}, "No existe la empresa 7"},
        {{"--empresa", "1", "--staffing", "99"}, "No existe el staffing 99 de la empresa 1"},
        {{"--empresa", "1", "--staffing", "3"}, "No existe el staffing 3 de la empresa 1"},
        {{"--empresa", "1", "--cc", "NOEXISTE"},
         "No existe el centro de costos NOEXISTE de la empresa 1"},
        {{"--empresa", "1", "--cc", "O'B\"; drop table staffing --"},
         "No existe el centro de costos O'B\"; drop table staffing -- de la empresa 1"},
        {{"--empresa", "1", "--grupo", "15"}, "No existe el grupo 15 de la empresa 1"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.mensaje);
        for (const char* reporte : {"Puestos", "Comparativo por Mes"}) {
            QStringList args = c.argumentos;
            if (!args.contains("--staffing"))
                args << "--staffing"
                     << "1";
            const Resultado r = Corre(args + QStringList{"--reporte", reporte, "-o", "f.xlsx"});
            EXPECT_EQ(r.estado, 1);
            EXPECT_EQ(r.error.trimmed(), QString::fromUtf8(c.mensaje));
            EXPECT_FALSE(QFile::exists("f.xlsx"));
        }
    }
    EXPECT_EQ(Valor("select count(*) from staffing").toInt(), 3);
    // Without --empresa it says which company it used; with it, nothing on stderr.
    Resultado r = Corre({"--reporte", "Puestos", "-o", "p.pdf"});
    EXPECT_EQ(r.estado, 0);
    EXPECT_TRUE(r.error.contains("empresa 1 (from [VARIABLES] Empresa")) << r.error.toStdString();
    r = Corre({"--empresa", "1", "--reporte", "Puestos", "--csv-excel", "-o", "p.csv"});
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.error, QString()) << r.error.toStdString();
    QFile csv("p.csv");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("\xEF\xBB\xBFPuesto,Nombre del puesto"));
}

// The README's weekly job, as written there, with a stand-in for mail that keeps what it was
// given: it passes --empresa, makes its output folder, and mails the comparison.
TEST_F(OxtaReportTest, TheReadmesWeeklyJobRuns) {
    QFile readme(QStringLiteral(OXTA_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(readme.readAll());
    const auto inicio = texto.indexOf("    #!/bin/sh\n    # /srv/oxta/comparativo-semanal.sh");
    ASSERT_GE(inicio, 0);
    const auto fin = texto.indexOf("\n\n", inicio);
    QString guion = texto.mid(inicio, fin - inicio);
    guion.replace(QRegularExpression("^    ", QRegularExpression::MultilineOption), "");
    guion.replace("cd /srv/oxta", "cd " + QDir::currentPath());
    EXPECT_TRUE(guion.contains("--empresa")) << guion.toStdString();
    QDir().mkpath("bin");
    QFile::link(QStringLiteral(OXTA_BINARY_DIR "/tools/oxta-report"), "bin/oxta-report");
    QFile mail("bin/mail");
    ASSERT_TRUE(mail.open(QIODevice::WriteOnly));
    mail.write("#!/bin/sh\necho \"$@\" > \"$OLDPWD_TEST/mail.args\"\n");
    mail.close();
    mail.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile job("semanal.sh");
    ASSERT_TRUE(job.open(QIODevice::WriteOnly));
    job.write(guion.toUtf8());
    job.close();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PATH", QDir::currentPath() + "/bin:" + env.value("PATH"));
    env.insert("OLDPWD_TEST", QDir::currentPath());
    p.setProcessEnvironment(env);
    p.start("sh", {"semanal.sh"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QFile args("mail.args");
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    const QString enviado = QString::fromUtf8(args.readAll());
    EXPECT_TRUE(enviado.contains("Comparativo semanal")) << enviado.toStdString();
    const auto m = QRegularExpression("-A (\\S+\\.pdf)").match(enviado);
    ASSERT_TRUE(m.hasMatch()) << enviado.toStdString();
    EXPECT_GT(PaginasPdf(m.captured(1)), 0);
}

}  // namespace
