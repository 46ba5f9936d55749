#include "planning/frmCambio.h"

#include "data/clsConexion.h"
#include "ui/Msg.h"

void TCambio::CreateForm() {
    TForm::CreateForm();
    cText(QStringLiteral("Modificar"));
    nBorderStyle = 1;
    lModal = true;
    nFormType = 2;
    constexpr int kMargen = 8;
    constexpr int kPaso = SelectoresPlaneacion::kAltoMarco + 8;
    SetClientSize(SelectoresPlaneacion::kAnchoMarco + 2 * kMargen, 3 * kPaso + 50);
    CreaSelectores(this, this, Estilo::Cambio, {kMargen, kMargen}, {kMargen, kMargen + kPaso},
                   {kMargen, kMargen + 2 * kPaso});

    const int topBotones = kMargen + 3 * kPaso;
    btnGuardar = TBtnBmp::Make(
        this, {SelectoresPlaneacion::kAnchoMarco + kMargen - 212, topBotones, 104, 34},
        QStringLiteral("Guardar"), QStringLiteral("graficas22"),
        Bind(this, &TCambio::btnGuardarClick));

    btnSalir = TBtnBmp::Make(
        this, {SelectoresPlaneacion::kAnchoMarco + kMargen - 104, topBotones, 104, 34},
        QStringLiteral("Salir"), QStringLiteral("puertasalida"),
        Bind(this, &TCambio::btnSalirClick));

    Center();
    OnInitialize = Bind(this, &TCambio::FormInitialize);
}

void TCambio::FormInitialize(TForm*) {
    CargaStaffing();
    CargaDepartamento();
    CargaGrupos();
    Preselecciona(staffing, cc, grupo);
    const auto anterior = [](const TComboBox* lista, const QString& texto) {
        return lista->cText() == texto.trimmed() ? PartesElegidas(lista).clave
                                                 : ClaveAnterior(texto);
    };
    m_origen = {Empresa, anterior(cmbStaffing, staffing), anterior(cmbCentroCostos, cc),
                anterior(cmbGrupo, grupo)};
    cmbGrupoChange();
    cmbStaffingChange();
    cmbCentroCostosChange();
}

QString TCambio::ClaveAnterior(const QString& texto) {
    const qsizetype guion = texto.indexOf(QLatin1Char('-'));
    return guion < 0 ? QString() : texto.left(guion);
}

void TCambio::btnGuardarClick(TControl*) {
    // Without a target in each of the three lists (or without an entry) there is no move.
    if (cmbStaffing->cText().isEmpty() || cmbCentroCostos->cText().isEmpty() ||
        cmbGrupo->cText().isEmpty() || !SeleccionCompleta() || puesto.trimmed().isEmpty()) {
        MsgInfo(planeacion::mensajes::kFaltaEleccion);
        return;
    }
    const planeacion::Resultado r =
        planeacion::Planeacion(CNX->Conexion(), tabla).Mueve(m_origen, EleccionActual(), puesto);
    MsgInfo(r.mensaje);
    // Refused (the target holds the position, or is where the entry is): the planner may
    // choose another target or leave.
    if (r)
        Close();
}

void TCambio::btnSalirClick(TControl*) {
    Close();
}
