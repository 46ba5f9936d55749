#include "reports/frmReportes.h"

#include "data/clsConexion.h"
#include "planning/pronostico/ReportePresupuesto.h"
#include "reports/CrystalPreview.h"
#include "security/CLSUSUARIO.h"
#include "ui/Msg.h"

#include <QDate>

namespace {
constexpr int kMargen = 12;
constexpr int kAnchoLista = 260;
}  // namespace

void TReportes::CreateForm() {
    TForm::CreateForm();
    cText(QStringLiteral("Reportes"));
    SetBackground(Qt::white);
    nBorderStyle = 1;
    lModal = true;
    nFormType = 2;
    const int xMarcos = kMargen + kAnchoLista + 16;
    constexpr int kPaso = SelectoresPlaneacion::kAltoMarco + 32;
    SetClientSize(xMarcos + SelectoresPlaneacion::kAnchoMarco + kMargen, 3 * kPaso + 70);

    lstReportes = TListBox::New(this);
    lstReportes->SetBounds(kMargen, kMargen + 22, kAnchoLista, 160);
    lstReportes->aItems(pronostico::ListaReportes());
    lstReportes->OnChange = Bind(this, &TReportes::lstReportesChange);
    lstReportes->Create();

    // The percentage and the month share one place under the list.
    const int yValor = kMargen + 22 + 170;
    const auto rotulo = [this, yValor](const QString& texto) {
        auto* l = TLabel::New(this);
        l->SetBounds(kMargen, yValor, 100, 20);
        l->cText(texto);
        l->Create();
        l->lVisible(false);
        return l;
    };
    const auto lista = [this, yValor](const QStringList& items) {
        auto* c = TComboBox::New(this);
        c->nStyle(1);
        c->SetBounds(kMargen + 100, yValor - 2, 140, 24);
        c->aItems(items);
        c->Select(1);
        c->Create();
        c->lVisible(false);
        return c;
    };
    lblporc = rotulo(QStringLiteral("Porcentaje"));
    cmbPorcentaje = lista(reportes::kPorcentajes);
    lblmes = rotulo(QStringLiteral("Mes"));
    cmbMEs = lista(reportes::kMeses);
    // The budget's year and rule: the year where the percentage goes, the rule below it.
    lblanio = rotulo(QStringLiteral("Año"));
    txtAnio = TEdit::New(this);
    txtAnio->SetBounds(kMargen + 100, yValor - 2, 70, 24);
    txtAnio->nMaxLength(4);
    txtAnio->lNumeric(true);
    txtAnio->Value(QString::number(QDate::currentDate().year() + 1));
    txtAnio->Create();
    txtAnio->lVisible(false);
    lblregla = rotulo(QStringLiteral("Regla"));
    lblregla->SetBounds(kMargen, yValor + 30, 100, 20);
    cmbRegla = lista({pronostico::NombreRegla(pronostico::Regla::Superior),
                      pronostico::NombreRegla(pronostico::Regla::Interpolado)});
    cmbRegla->SetBounds(kMargen + 100, yValor + 28, 140, 24);

    CreaSelectores(this, this, Estilo::Reportes, {xMarcos, kMargen + 24},
                   {xMarcos, kMargen + 24 + kPaso}, {xMarcos, kMargen + 24 + 2 * kPaso});

    const int yBotones = kMargen + 3 * kPaso + 16;
    const auto boton = [this, yBotones](int x, const QString& texto, const QString& imagen) {
        auto* b = TBtnBmp::New(this);
        b->SetBounds(x, yBotones, 104, 34);
        b->cText(texto);
        b->oBitmaps(imagen);
        b->SetHandCursor();
        return b;
    };
    btnImprime = boton(kMargen, QStringLiteral("Imprimir"), QStringLiteral("graficas22"));
    btnImprime->OnClick = Bind(this, &TReportes::btnImprimeClick);
    btnImprime->Create();
    btnSalir = boton(kMargen + 116, QStringLiteral("Salir"), QStringLiteral("puertasalida"));
    btnSalir->OnClick = Bind(this, &TReportes::btnSalirClick);
    btnSalir->Create();

    lstReportes->Select(1);
    Center();
    OnInitialize = Bind(this, &TReportes::FormInitialize);
}

void TReportes::FormInitialize(TForm*) {
    btnImprime->lEnabled(
        objUsuario &&
        objUsuario->TienePermiso(QStringLiteral("ST"), QStringLiteral("D"), QStringLiteral("D1")));
    CargaGrupos();
    CargaDepartamento();
    CargaStaffing();
}

void TReportes::lstReportesChange(TControl*) {
    const QString r = lstReportes->cText();
    const bool porcentaje = reportes::PorPorcentaje(r);
    const bool mes = reportes::PorMes(r);
    lblporc->lVisible(porcentaje);
    cmbPorcentaje->lVisible(porcentaje);
    lblmes->lVisible(mes);
    cmbMEs->lVisible(mes);
    const bool presupuesto = pronostico::EsPresupuesto(r);
    for (TControl* c : std::initializer_list<TControl*>{lblanio, txtAnio, lblregla, cmbRegla})
        c->lVisible(presupuesto);
}

reportes::Solicitud TReportes::Solicitud() const {
    reportes::Solicitud s;
    s.reporte = lstReportes->cText().trimmed();
    s.empresa = Empresa;
    s.porStaffing = chkStaffing->lChecked();
    s.porCC = chkCC->lChecked();
    s.porGrupo = chkGrupo->lChecked();
    s.staffing = txtidStaffing->Value();
    s.centro = txtidCC->Value();
    s.grupo = txtidGRupo->Value();
    s.porcentaje = cmbPorcentaje->cText();
    s.mes = cmbMEs->cText();
    s.anio = txtAnio->Value();
    s.regla = cmbRegla->cText();
    return s;
}

bool TReportes::ValidaCheck() {
    const QString mensaje = reportes::ValidaCheck(Solicitud());
    if (!mensaje.isEmpty())
        MsgInfo(mensaje);
    return mensaje.isEmpty();
}

void TReportes::btnImprimeClick(TControl*) {
    btnImprime->lEnabled(false);
    // Enabled again however the report ends, an error on the way included.
    struct Reactiva {
        TBtnBmp* boton;
        ~Reactiva() { boton->lEnabled(true); }
    } reactiva{btnImprime};
    const QString r = lstReportes->cText().trimmed();
    if (pronostico::ListaReportes().contains(r))
        imprime(r);
}

void TReportes::reportePuestos() {
    imprime(QStringLiteral("Puestos"));
}
void TReportes::reportePorcentaje() {
    imprime(QStringLiteral("Puestos al X %"));
}
void TReportes::reporteOcupacion() {
    imprime(QStringLiteral("Comparar Ocupacion Actual"));
}
void TReportes::reporteOcupacionDin() {
    imprime(QStringLiteral("Comparar Ocupacion Actual $"));
}
void TReportes::reporteMes() {
    imprime(QStringLiteral("Comparativo por Mes"));
}
void TReportes::reporteMesconDiferencia() {
    imprime(QStringLiteral("Comparativo por Mes con Diferencia"));
}
void TReportes::reportePresupuesto() {
    imprime(pronostico::kReportePresupuesto);
}

// The report of the list: the same rules, statements and parameters as oxta-report.
void TReportes::imprime(const QString& reporte) {
    ado::Connection* cn = CNX->Conexion();
    if (!cn)
        return;  // the failure box has been shown
    reportes::Solicitud s = Solicitud();
    s.reporte = reporte;
    reportes::Corrida corrida;  // its rows go when it does, after the viewer has read them
    const QString mensaje = pronostico::PreparaReporte(*cn, s, corrida);
    if (!mensaje.isEmpty()) {
        MsgInfo(mensaje);
        return;
    }
    auto* visor = TForm::New<TCrystalPreview>(this);
    visor->cReport = corrida.archivo;
    visor->CNX = CNX;  // one connection: the report reads through the form's
    visor->Crea();
    for (const auto& [nombre, valor] : corrida.parametros)
        visor->Parametro(nombre, valor);
    visor->Show(1);
}

void TReportes::btnSalirClick(TControl*) {
    Close();
}
