// "Pronóstico de ocupación" used as a planner uses it, from the main window through the plan
// type chooser on the demo: hostile text in the year and month boxes, months typed, two
// imported from a file after its preview, saved, and the month plan generated after its
// preview. With OXTA_SCREENSHOTS=<folder> the README's picture of the form is saved there.

#include "app/frmEmpresa.h"
#include "app/frmInicio.h"
#include "catalogs/frmTipoStaff.h"
#include "planning/pronostico/formas/VistaPrevia.h"
#include "planning/pronostico/formas/frmPronostico.h"
#include "tests/planning/PlaneacionPrueba.h"
#include "tests/planning_tools/LibroPrueba.h"
#include "tests/support/CadenasHostiles.h"
#include "ui/Application.h"
#include "ui/MsgBoxes.h"
#include "ui/TestSeam.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTimer>

using namespace plan;

namespace {

class FormaPronosticoTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        prueba::CopiaBase(prueba::kBase, TestData::Demo);
        ui::SetErrorWindowHook([this](const QString& log) { errores.push_back(log); });
        AppData().AddData(QStringLiteral("UsuarioGet"), QStringLiteral("Administrador"));
        EscribeIni("VARIABLES", "Usuario", "Administrador");
    }
    void TearDown() override {
        prueba::CierraFormularios();
        ui::SetErrorWindowHook({});
        for (const QString& log : errores)
            ADD_FAILURE() << log.toStdString();
        TempDirTest::TearDown();
    }
    static QString Valor(const QString& sql) { return prueba::Valor(sql).trimmed(); }
    std::vector<QString> errores;
};

// Types `texto` into the box and leaves it, as a user does.
void Teclea(TEdit* caja, const QString& texto, TPronostico& f) {
    caja->setText(texto);
    f.txtMesExit(caja);
}

}  // namespace

TEST_F(FormaPronosticoTest, PlannerTypesImportsSavesAndGeneratesTheMonthPlan) {
    for (const auto& [nombre, texto] :
         {std::pair{"dos.csv", "mes;ocupación\r\nEnero;17\r\n2;\"62,5\"\r\n"},
          std::pair{"malo.csv", "1;'; drop table staff_pronostico--\r\n13;50\r\n3;101\r\n"}}) {
        QFile f(nombre);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(texto) > 0);
    }

    ui::ScriptedMessages msgs;
    auto* empresa = TForm::New<TEmpresa>();
    empresa->Show();
    empresa->btnAceptar->Click();
    TInicio* const inicio = Application().FindForm<TInicio>();
    ASSERT_NE(inicio, nullptr);
    QStringList vistas;
    ui::ModalRunnerScope modal([&](TForm& form) {
        if (auto* tipo = dynamic_cast<TSeleccionaTipo*>(&form)) {
            tipo->optPronostico->Click();
            tipo->btnAceptar->Click();
        } else if (auto* v = dynamic_cast<TVistaPrevia*>(&form)) {
            vistas << v->cResumen;
            if (v->chkCasilla)
                v->chkCasilla->lChecked(true);
            v->btnAplicar->Click();
        } else if (auto* f = dynamic_cast<TPronostico*>(&form)) {
            ASSERT_TRUE(f->lEscritura());
            Elige(f->cmbStaffing, "1 - ");
            // Hostile years are refused at the box and read nothing.
            for (const prueba::Hostil& h : prueba::CadenasHostiles()) {
                f->txtAnio->setText(h.texto);
                f->txtAnioExit();
            }
            f->txtAnio->setText("2027");
            f->txtAnioExit();
            msgs.clear();
            // Hostile figures go back to what the box held; a comma is a decimal comma.
            const int antes = msgs.count();
            for (const char* malo : {"101", "-1", "abc", "62,55", "1e2", "'; delete--"})
                Teclea(f->txtMeses[3], QString::fromUtf8(malo), *f);
            for (const prueba::Hostil& h : prueba::CadenasHostiles())
                Teclea(f->txtMeses[3], h.texto, *f);
            EXPECT_GT(msgs.count(), antes + 5);
            EXPECT_EQ(f->txtMeses[3]->text(), "");
            const char* tecleados[] = {"",   "",     "100", "0",  "45", "50",
                                       "80", "85.5", "",    "60", "40", "90"};
            for (int m = 2; m < 12; ++m)
                Teclea(f->txtMeses[m], QString::fromUtf8(tecleados[m]), *f);
            EXPECT_EQ(f->txtMeses[7]->text(), "85,5");
            // A file with bad rows is shown and cannot be applied; the good one is applied.
            // The import compares the file with the stored forecast: the typing is saved
            // first.
            msgs.answerSave(ui::SaveChoice::Save);
            f->EligeArchivo = [] { return QStringLiteral("malo.csv"); };
            f->btnImportar->Click();
            f->EligeArchivo = [] { return QStringLiteral("dos.csv"); };
            f->btnImportar->Click();
            EXPECT_EQ(f->txtMeses[1]->text(), "62,5");
            Teclea(f->txtMeses[8], "55", *f);
            f->btnGenerar->Click();  // from the stored forecast, which lacks September
            EXPECT_TRUE(msgs.contains("Guarde el pronóstico antes de generar el plan mensual"));
            f->btnGuardar->Click();
            f->optInterpolado->Click();
            if (const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS");
                !carpeta.isEmpty())
                f->grab().save(QDir(carpeta).filePath("pronostico_forma.png"));
            f->btnGenerar->Click();
            f->btnSalir->Click();
        }
    });
    inicio->btnC->Click();
    EXPECT_EQ(modal.count(), 5);  // chooser, form, two imports' previews, the month plan's
    ASSERT_EQ(vistas.size(), 3);
    EXPECT_TRUE(vistas[0].startsWith("3 filas no valen")) << vistas[0].toStdString();
    EXPECT_TRUE(vistas[1].startsWith("2 meses cambian"));
    EXPECT_EQ(Valor("select count(*) from staff_pronostico where idstaffing=1 and anio=2027"),
              "12");
    EXPECT_EQ(
        Valor("select porcentaje from staff_pronostico where idstaffing=1 and mes=2").toDouble(),
        62.5);
    // Interpolated at 62,5 %: Botones of centre 1100 between its 60 % and 65 % levels.
    const QString botones =
        " from staff_porcentaje where idstaffing=1 and centro='1100' and "
        "ocupacion=112";
    const int v60 = Valor("select v60" + botones).toInt(),
              v65 = Valor("select v65" + botones).toInt();
    EXPECT_EQ(Valor("select febrero from staff_mes where idstaffing=1 and centro='1100' and "
                    "ocupacion=112")
                  .toInt(),
              v60 + (v65 - v60 + 1) / 2);
    EXPECT_TRUE(msgs.contains("Datos guardados"));
    EXPECT_FALSE(msgs.unexpectedQuestion());
}

TEST_F(FormaPronosticoTest, WithoutOptionC1OrC2TheFormOnlyReads) {
    auto usuario = std::make_shared<clsUsuario>();
    usuario->SetUsuario(QStringLiteral("Nadie"));
    usuario->CNX = std::make_shared<clsConexion>();
    const auto f = TForm::NewModal<TPronostico>(nullptr, [&](TPronostico& p) {
        p.CNX = usuario->CNX;
        p.Empresa = kEmpresa;
        p.objUsuario = usuario;
    });
    EXPECT_FALSE(f->lEscritura() || f->btnGuardar->lEnabled() || f->btnImportar->lEnabled() ||
                 f->btnGenerar->lEnabled());
    EXPECT_TRUE(f->txtMeses[0]->isReadOnly());
}

// Unsaved figures are not dropped unasked, and "Cancelar" puts the year or the plan back. A
// workbook is imported after its preview. With OXTA_SCREENSHOTS=<folder> the preview and the
// question (the real box, answered "Cancelar") are saved there.
TEST_F(FormaPronosticoTest, LeavingUnsavedFiguresAsksFirstAndCancelPutsTheChoiceBack) {
    LibroPrueba libro("pronostico.xlsx", false);
    libro.Hoja("Hoja1", {{"mes", "ocupación"}, {"Enero", "17"}, {"2", "62,5"}, {"3", "71.5"}},
               true);
    libro.Cierra();
    const QString carpeta = qEnvironmentVariable("OXTA_SCREENSHOTS");
    ui::ScriptedMessages msgs;
    auto* empresa = TForm::New<TEmpresa>();  // the company's tables and permissions
    empresa->Show();
    empresa->btnAceptar->Click();
    auto usuario = std::make_shared<clsUsuario>();
    usuario->SetUsuario(QStringLiteral("Administrador"));
    usuario->CNX = std::make_shared<clsConexion>();
    const auto f = TForm::NewModal<TPronostico>(nullptr, [&](TPronostico& p) {
        p.CNX = usuario->CNX;
        p.Empresa = kEmpresa;
        p.objUsuario = usuario;
    });
    ui::ModalRunnerScope modal([&](TForm& v) {
        if (!carpeta.isEmpty())
            v.grab().save(QDir(carpeta).filePath("pronostico_importar_xlsx.png"));
        dynamic_cast<TVistaPrevia&>(v).btnAplicar->Click();
    });
    const auto anio = [&](const char* a) {
        f->txtAnio->setText(a);
        f->txtAnioExit();
    };
    f->show();
    Elige(f->cmbStaffing, "1 - ");
    anio("2027");
    f->EligeArchivo = [] { return QStringLiteral("pronostico.xlsx"); };
    f->btnImportar->Click();
    ASSERT_EQ(f->txtMeses[2]->text(), "71,5");
    const QString enero =
        "select porcentaje from staff_pronostico where idstaffing=1 and "
        "anio=2027 and mes=1";
    const QString pregunta =
        pronostico::PreguntaGuardarPronostico(f->txtNombreStaffing->text(), 2027);
    if (!carpeta.isEmpty()) {
        Teclea(f->txtMeses[0], "30", *f);
        ui::MessageBoxes cajas;
        ui::SetMessageService(&cajas);
        QTimer::singleShot(300, [&] {
            QWidget* caja = QApplication::activeModalWidget();
            QPixmap foto = f->grab();
            QPainter(&foto).drawPixmap((foto.width() - caja->width()) / 2,
                                       (foto.height() - caja->height()) / 2, caja->grab());
            foto.save(QDir(carpeta).filePath("guardar_cambios.png"));
            for (auto* b : caja->findChildren<QAbstractButton*>())
                if (b->text() == "Cancelar")
                    b->click();
        });
        anio("2028");
        ui::SetMessageService(&msgs);
    }
    // January typed 30 (40 for the last), then another year (or plan), and the answer.
    struct Caso {
        bool porAnio;
        ui::SaveChoice respuesta;
        const char *anio, *plan, *eneroCaja;
        double eneroGuardado;
    } casos[] = {
        {true, ui::SaveChoice::Cancel, "2027", "1 - ", "30", 17},
        {false, ui::SaveChoice::Cancel, "2027", "1 - ", "30", 17},
        {true, ui::SaveChoice::Discard, "2028", "1 - ", "", 17},
        {true, ui::SaveChoice::Save, "2028", "1 - ", "", 30},
        {false, ui::SaveChoice::Save, "2027", "2 - ", "", 40},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(static_cast<int>(c.respuesta) * 10 + c.porAnio);
        if (f->txtAnio->text() != "2027" || !f->cmbStaffing->cText().startsWith("1 - ")) {
            Elige(f->cmbStaffing, "1 - ");  // nothing typed: no question
            anio("2027");
        }
        Teclea(f->txtMeses[0], c.eneroGuardado == 40 ? "40" : "30", *f);
        msgs.clear();
        msgs.answerSave(c.respuesta);
        c.porAnio ? anio("2028") : Elige(f->cmbStaffing, "2 - ");
        EXPECT_EQ(msgs.texts(), QStringList{pregunta});
        EXPECT_EQ(f->txtAnio->text(), c.anio);
        EXPECT_TRUE(f->cmbStaffing->cText().startsWith(c.plan));
        EXPECT_EQ(f->txtMeses[0]->text(), c.eneroCaja);
        EXPECT_EQ(Valor(enero).toDouble(), c.eneroGuardado);
    }
    // The close box asks as "Salir" does.
    Teclea(f->txtMeses[5], "50", *f);
    msgs.answerSave(ui::SaveChoice::Cancel).answerSave(ui::SaveChoice::Discard);
    QCloseEvent cierre;
    QCoreApplication::sendEvent(f.get(), &cierre);
    EXPECT_FALSE(cierre.isAccepted() || f->IsClosed());
    f->btnSalir->Click();
    EXPECT_TRUE(f->IsClosed());
    EXPECT_EQ(modal.count(), 1);
    EXPECT_FALSE(msgs.unexpectedQuestion() || msgs.pendingAnswers() > 0);
}
