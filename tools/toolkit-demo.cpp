// Draws a small demonstration form of the toolkit and saves it as a PNG picture:
//     QT_QPA_PLATFORM=offscreen toolkit-demo docs/toolkit-demo.png
#include "ui/Controls.h"
#include "ui/TForm.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

namespace {

class TDemo : public TForm {
  public:
    explicit TDemo(TForm* parent = nullptr) : TForm(parent) {}

    TImage* imgLogo = nullptr;
    TGroupBox* grpDatos = nullptr;
    TEdit* txtClave = nullptr;
    TEdit* txtNombre = nullptr;
    TEdit* txtPassword = nullptr;
    TComboBox* cmbPlan = nullptr;
    TCheckBox* chkActivo = nullptr;
    TRadio* optPorcentaje = nullptr;
    TRadio* optMes = nullptr;
    TArrayBrowse* arrayPuestos = nullptr;
    TStatusBar* oStatus = nullptr;

  protected:
    void CreateForm() override {
        TForm::CreateForm();
        cText("Puestos por plan");
        SetClientSize(640, 470);
        SetBackground(Qt::white);

        imgLogo = TImage::New(this);
        imgLogo->SetBounds(12, 10, 64, 64);
        imgLogo->oPicture("staffing");
        imgLogo->Create();

        auto* lblTitulo = TLabel::New(this);
        lblTitulo->SetBounds(86, 16, 400, 26);
        lblTitulo->cText("Asignación de puestos");
        lblTitulo->oFont(MakeFont("MS Sans Serif", 14, true));
        lblTitulo->nClrText(ColorFromWin(8388608));
        lblTitulo->Create();
        auto* lblEmpresa = TLabel::New(this);
        lblEmpresa->SetBounds(86, 46, 400, 18);
        lblEmpresa->cText("Empresa 1 - Hotel Plaza");
        lblEmpresa->Create();

        grpDatos = TGroupBox::New(this);
        grpDatos->SetBounds(12, 84, 616, 112);
        grpDatos->cText("Datos del puesto");
        grpDatos->Create();
        addField(8, 24, "Clave", txtClave, 90);
        txtClave->lNumeric(true);
        txtClave->nAlignment(2);
        txtClave->Value("1205");
        addField(112, 24, "Nombre", txtNombre, 220);
        txtNombre->Value("Recepcionista");
        addField(346, 24, "Clave de acceso", txtPassword, 130);
        txtPassword->cPasswordChar(QChar(0x00CF));
        txtPassword->lPassword(true);
        txtPassword->Value("secreto");

        auto* lblPlan = TLabel::New(grpDatos->widget());
        lblPlan->SetBounds(8, 72, 40, 22);
        lblPlan->cText("Plan");
        lblPlan->Create();
        cmbPlan = TComboBox::New(grpDatos->widget());
        cmbPlan->SetBounds(50, 72, 232, 24);
        cmbPlan->nStyle(1);
        cmbPlan->aItems({"        1 - Temporada alta", "        2 - Temporada baja"});
        cmbPlan->SelectString("1");
        cmbPlan->Create();
        chkActivo = TCheckBox::New(grpDatos->widget());
        chkActivo->SetBounds(300, 72, 80, 22);
        chkActivo->cText("Activo");
        chkActivo->lChecked(true);
        chkActivo->Create();
        optPorcentaje = TRadio::New(grpDatos->widget());
        optPorcentaje->SetBounds(390, 72, 110, 22);
        optPorcentaje->cText("Por porcentaje");
        optPorcentaje->lChecked(true);
        optPorcentaje->Create();
        optMes = TRadio::New(grpDatos->widget());
        optMes->SetBounds(504, 72, 90, 22);
        optMes->cText("Por mes");
        optMes->Create();

        arrayPuestos = TArrayBrowse::New(this);
        arrayPuestos->SetBounds(12, 206, 500, 224);
        TBrwRecSel::New(arrayPuestos)->nWidth(14);
        const struct {
            const char* header;
            int width;
            int alignment;
        } columns[] = {{"Clave", 80, 66},
                       {"Puesto", 250, 0},
                       {"Plazas\n100 %", 70, 66},
                       {"Plazas\n50 %", 70, 66}};
        for (const auto& c : columns) {
            TArrayBrwColumn* column = TArrayBrwColumn::New(arrayPuestos);
            column->cHeader(c.header);
            column->nWidth(c.width);
            column->nAlignment(c.alignment);
        }
        arrayPuestos->nHeaderHeight(36);
        arrayPuestos->nRowDividerStyle = 4;
        arrayPuestos->nMarqueeStyle = 4;
        arrayPuestos->lFilterBar(true);
        arrayPuestos->lAutoOrder(true);
        arrayPuestos->Create();
        arrayPuestos->SetArray({{"     1205", "Recepcionista", "6", "3"},
                                {"     1310", "Camarista", "24", "12"},
                                {"     1402", "Cocinero", "8", "4"},
                                {"     1403", "Ayudante de cocina", "10", "5"},
                                {"     1500", "Mesero", "16", "8"},
                                {"     1610", "Botones", "4", "2"},
                                {"     1720", "Ama de llaves", "2", "1"}});
        arrayPuestos->GoTo(2);

        const struct {
            const char* caption;
            const char* bitmap;
        } buttons[] = {{"Agregar", "agregar"},
                       {"Editar", "editar"},
                       {"Eliminar", "eliminar"},
                       {"Salir", "puertasalida"}};
        int top = 206;
        for (const auto& b : buttons) {
            TBtnBmp::Make(this, {524, top, 104, 50}, b.caption, b.bitmap, {});
            top += 58;
        }

        oStatus = TStatusBar::New(this);
        oStatus->AddPanel(200)->cText("Usuario: ADMIN");
        oStatus->AddPanel()->cText("Servidor: (local) / Staffing");
        oStatus->Create();
    }

  private:
    void addField(int left, int top, const char* caption, TEdit*& edit, int width) {
        edit = TEdit::New(grpDatos->widget());
        edit->SetBounds(left, top + 18, width, 24);
        edit->Create();
        auto* label = TLabelBuddy::New(edit);
        label->cText(caption);
        label->Create();
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "toolkit-demo.png";
    auto form = TForm::NewModal<TDemo>();
    form->show();
    QApplication::processEvents();
    const QPixmap shot = form->grab();
    if (!shot.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%s: %dx%d\n", qPrintable(out), shot.width(), shot.height());
    return 0;
}
