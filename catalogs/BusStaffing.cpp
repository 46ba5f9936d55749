#include "catalogs/BusStaffing.h"

#include "catalogs/frmCopiaStaffing.h"
#include "data/clsConexion.h"
#include "planning/herramientas/OperacionesPlan.h"
#include "security/CLSUSUARIO.h"
#include "ui/Msg.h"

#include <QDir>
#include <QFileDialog>

namespace {

FormaCatalogo FormaStaffing() {
    return {.titulo = QStringLiteral("Staffing"),
            .ayuda = QStringLiteral("Dar doble clic sobre el staffing para seleccionarlo."),
            .anchoLista = 442,
            .anchoCompleto = 800,
            .columnas = {{"Clave", 50, 66}, {"Staffing", 236, 0}, {"Tipos Nómina", 100, 0}},
            .largoNombre = 150,  // the width of staffing.nombre
            .funcion = QStringLiteral("A"),
            .opciones = {QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("A3")},
            .pregunta = QStringLiteral("Seguro que desea eliminar el staffing"),
            .eliminado = QStringLiteral("Staffing Eliminado")};
}

}  // namespace

TCatStaffing::TCatStaffing(TForm* parent) : TCatalogo(parent, FormaStaffing()) {
    PideArchivo = [this](const QString& caption, const QString& sugerido, const QString& filtro) {
        QFileDialog dialogo(this, caption, sugerido, filtro);
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        return dialogo.exec() == QDialog::Accepted ? dialogo.selectedFiles().value(0) : QString();
    };
}

void TCatStaffing::CreateForm() {
    TCatalogo::CreateForm();
    arrayPlantillas = lista();
    btEliminar = botonEliminar();
    txtIdStaffing = cajaClave();
    // A second row of buttons under the list for the planner's tools: the list gives up the
    // height of one row, the first row moves up.
    const QRect l = arrayPlantillas->geometry();
    constexpr int kFila = 46;
    arrayPlantillas->SetBounds(l.x(), l.y(), l.width(), l.height() - kFila);
    for (TBtnBmp* b : {btnNuevo, btnModificar, btEliminar, btnSalir}) {
        const QRect r = b->geometry();
        b->SetBounds(r.x(), r.y() - kFila, r.width(), r.height());
    }
    const QRect n = btnNuevo->geometry();
    const QRect m = btnModificar->geometry();
    btnCopiar = TBtnBmp::Make(this, QRect(n.x(), n.y() + kFila, n.width(), n.height()),
                              QStringLiteral("Copiar"), QStringLiteral("nuevo"),
                              Bind(this, &TCatStaffing::btnCopiarClick),
                              QStringLiteral("Crear un staffing nuevo con todos los puestos de "
                                             "este"));
    btnExportar = TBtnBmp::Make(
        this, QRect(m.x(), m.y() + kFila, btnSalir->geometry().right() - m.x() + 1, n.height()),
        QStringLiteral("Exportar a Excel"), QStringLiteral("graficas22"),
        Bind(this, &TCatStaffing::btnExportarClick));
    OnInitialize = Bind(this, &TCatStaffing::FormInitialize);
}

void TCatStaffing::CreaDatos(QWidget* panel, int top) {
    m_tipos.Crea(panel, 80, top + 8);
    chkSemanal = m_tipos.casilla(0);
    chkDecenal = m_tipos.casilla(1);
    chkCatorcenal = m_tipos.casilla(2);
    chkQuincenal = m_tipos.casilla(3);
    chkMensual = m_tipos.casilla(4);
    chkEspecial = m_tipos.casilla(5);
}

void TCatStaffing::FormInitialize(TForm*) {
    MuestraPanel(false);
    nTop(205);
    nLeft(200);
    Permisos();
    Carga();
}

void TCatStaffing::Permisos() {
    AplicaPermisos();
    btnCopiar->lEnabled(btnNuevo->lEnabled());  // a copy is a new plan: option A1
}

void TCatStaffing::arrayPlantillasDblClick(TControl*, int, int, int) {
    Elige();
}

void TCatStaffing::btEliminarClick(TControl*) {
    Elimina();
}

QString TCatStaffing::armatipos() const {
    return m_tipos.Tipos();
}

bool TCatStaffing::ValidaTipo(const QString& tipo) const {
    return !tipo.isEmpty() && catalogos::TieneTipo(arrayPlantillas->GetValue(3), tipo.at(0));
}

void TCatStaffing::LimpiaDatos() {
    m_tipos.Marca(QString());
}

void TCatStaffing::LlenaDatos() {
    m_tipos.Marca(arrayPlantillas->GetValue(3));
}

void TCatStaffing::btnCopiarClick(TControl*) {
    if (!HayFila() || !btnCopiar->lEnabled())
        return;
    const auto copia = TForm::NewModal<TCopiaStaffing>(this, [this](TCopiaStaffing& f) {
        f.CNX = CNX;
        f.Empresa = Empresa;
        f.staffing = arrayPlantillas->GetValue(1);
        f.nombreOrigen = arrayPlantillas->GetValue(2);
        f.tiposOrigen = arrayPlantillas->GetValue(3);
    });
    copia->ShowModal();
    if (copia->vClave <= 0)
        return;
    Carga();
    const auto& filas = arrayPlantillas->aArrayData();
    for (qsizetype i = 0; i < filas.size(); ++i) {
        if (filas.at(i).value(0).trimmed() == QString::number(copia->vClave)) {
            arrayPlantillas->GoTo(static_cast<int>(i) + 1);
            break;
        }
    }
}

void TCatStaffing::btnExportarClick(TControl*) {
    if (!HayFila())
        return;
    const QString clave = arrayPlantillas->GetValue(1);
    const QString archivo =
        PideArchivo(QStringLiteral("Exportar a Excel"),
                    QDir::home().filePath(QStringLiteral("staffing_%1.xlsx").arg(clave.trimmed())),
                    QStringLiteral("Libro de Excel (*.xlsx);;CSV (*.csv)"));
    if (archivo.isEmpty())
        return;
    ado::Connection* const c = CNX->Conexion();
    if (!c)
        return;
    try {
        const int n = planeacion::ExportaPlan(*c, Empresa, clave, archivo);
        MsgInfo(QStringLiteral("Staffing exportado: %1 entradas en %2").arg(n).arg(archivo));
    } catch (const planeacion::ErrorPlan& e) {
        MsgInfo(e.mensaje);
    }
}

void TCatStaffing::TomaEleccion(const TArrayBrowse::Row& fila) {
    vtipos = fila.value(2);
}

std::unique_ptr<catalogos::Catalogo> TCatStaffing::Nucleo() const {
    return std::make_unique<catalogos::CatalogoStaffing>(CNX, Empresa);
}

catalogos::Datos TCatStaffing::DatosDelPanel() const {
    return {Nombre(), armatipos()};
}
