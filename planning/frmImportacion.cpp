#include "planning/frmImportacion.h"

#include "ado/AdoError.h"
#include "data/clsConexion.h"
#include "planning/herramientas/OperacionesPlan.h"
#include "ui/Msg.h"

namespace {

constexpr int kAnchoImportacion = 900;
constexpr int kAltoImportacion = 520;
constexpr int kMargenImportacion = 10;

}  // namespace

TImportacion::TImportacion(TForm* parent) : TForm(parent) {}

void TImportacion::CreateForm() {
    TForm::CreateForm();
    cText(QStringLiteral("Importar de Excel"));
    nBorderStyle = 1;
    nFormType = 2;
    lModal = true;
    lSysMenu = false;
    SetClientSize(kAnchoImportacion, kAltoImportacion);

    lblArchivo = TLabel::New(this);
    lblArchivo->SetBounds(kMargenImportacion, 8, kAnchoImportacion - 2 * kMargenImportacion, 18);
    lblArchivo->Create();
    lblResumen = TLabel::New(this);
    lblResumen->SetBounds(kMargenImportacion, 28, kAnchoImportacion - 2 * kMargenImportacion, 18);
    lblResumen->Create();

    arrayVista = TArrayBrowse::New(this);
    arrayVista->SetBounds(kMargenImportacion, 52, kAnchoImportacion - 2 * kMargenImportacion,
                          kAltoImportacion - 52 - 60);
    TBrwRecSel::New(arrayVista)->nWidth(14);
    const auto columna = [this](const QString& titulo, int ancho, int alineacion) {
        auto* c = TArrayBrwColumn::New(arrayVista);
        c->cHeader(titulo);
        c->nWidth(ancho);
        c->nAlignment(alineacion);
    };
    columna(QStringLiteral("Hoja"), 80, 0);
    columna(QStringLiteral("Línea"), 50, 2);
    columna(QStringLiteral("Acción"), 80, 0);
    columna(QStringLiteral("Entrada"), 240, 0);
    columna(QStringLiteral("Cifras o motivo"), 1200, 0);
    arrayVista->nRowDividerStyle = 4;
    arrayVista->nMarqueeStyle = 4;
    arrayVista->lFilterBar(true);
    arrayVista->lAutoOrder(true);
    arrayVista->Create();

    chkEliminar = TCheckBox::New(this);
    chkEliminar->SetBounds(kMargenImportacion, kAltoImportacion - 44, 360, 24);
    chkEliminar->cText(QStringLiteral("Eliminar los que no están en el archivo"));
    chkEliminar->OnChange = Bind(this, &TImportacion::chkEliminarChange);
    chkEliminar->Create();

    btnAplicar = TBtnBmp::Make(
        this, {kAnchoImportacion - kMargenImportacion - 2 * 124, kAltoImportacion - 50, 120, 40},
        QStringLiteral("Aplicar"), QStringLiteral("angulo2"),
        Bind(this, &TImportacion::btnAplicarClick));
    btnCancelar = TBtnBmp::Make(
        this, {kAnchoImportacion - kMargenImportacion - 120, kAltoImportacion - 50, 120, 40},
        QStringLiteral("Cancelar"), QStringLiteral("puertasalida"),
        Bind(this, &TImportacion::btnCancelarClick));
    OnInitialize = Bind(this, &TImportacion::FormInitialize);
}

void TImportacion::FormInitialize(TForm*) {
    lblArchivo->cText(
        QStringLiteral("Archivo: %1    Staffing: %2").arg(archivo, staffing.trimmed()));
    chkEliminar->lEnabled(permiteEliminar);
    muestraVista();
}

void TImportacion::muestraVista() {
    const bool eliminar = chkEliminar->lChecked();
    TArrayBrowse::Rows filas;
    for (const planeacion::FilaVista& f : planeacion::FilasVistaPrevia(vista, eliminar, true)) {
        filas << TArrayBrowse::Row{f.hoja, f.linea > 0 ? QString::number(f.linea) : QString(),
                                   f.accion, f.entrada, f.detalle};
    }
    arrayVista->SetArray(filas);
    lblResumen->cText(planeacion::ResumenEnPalabras(vista, eliminar));
}

void TImportacion::chkEliminarChange(TControl*) {
    muestraVista();
}

void TImportacion::btnAplicarClick(TControl*) {
    const std::optional<QString> pregunta = planeacion::PreguntaAntesDeAplicar(vista);
    if (pregunta && !MsgNoYes(*pregunta))
        return;
    ado::Connection* const conexion = CNX->Conexion();
    if (!conexion)
        return;
    try {
        planeacion::AplicaImportacion(*conexion, Empresa, staffing, vista, chkEliminar->lChecked(),
                                      pregunta.has_value());
    } catch (const planeacion::ErrorPlan& e) {
        MsgInfo(e.mensaje);
        if (e.vistaCaducada) {
            caducada = true;  // this preview cannot be applied any more
            Close();
        }
        return;
    }
    aplicado = true;
    MsgInfo(QStringLiteral("Datos guardados"));
    Close();
}

void TImportacion::btnCancelarClick(TControl*) {
    Close();
}
