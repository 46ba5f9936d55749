#include "app/frmInicio.h"

#include "ado/Connection.h"
#include "ado/SqlLiteral.h"
#include "app/BusEmpresa.h"
#include "app/ConsultasApp.h"
#include "app/ScriptActualizacion.h"
#include "catalogs/BusGrupos.h"
#include "catalogs/BusStaffing.h"
#include "catalogs/frmTipoStaff.h"
#include "data/clsConexion.h"
#include "planning/AbrePlaneacion.h"
#include "planning/pronostico/formas/frmPronostico.h"
#include "reports/frmReportes.h"
#include "security/CLSUSUARIO.h"
#include "ui/Application.h"
#include "ui/Cp1252.h"
#include "ui/Resources.h"
#include "ui/TIni.h"

#include <QDir>
#include <QFile>
#include <QPalette>

#include <stdexcept>

namespace {

const QString kTitulo = QStringLiteral("STAFFING");
const QString kScript = QStringLiteral("ActualizaStaff.sql");
// The staging table file of earlier versions of the update run; it must never remain.
const QString kTablaTemporal = QStringLiteral("ActualizaStaff.dbf");

// Click areas, in the coordinates of the menu picture "staffing" (800 x 560): they lie
// exactly over the drawn tiles.
struct Area {
    int left, top, width, height;
};
constexpr Area kAreaA{300, 24, 200, 150};      // top centre: Staffing
constexpr Area kAreaB{568, 205, 200, 150};     // right: Grupos
constexpr Area kAreaC{300, 386, 200, 150};     // bottom centre: Asignación de puestos
constexpr Area kAreaD{32, 205, 200, 150};      // left: Reportes
constexpr Area kAreaEmpresa{16, 16, 176, 64};  // top left corner
constexpr Area kAreaSalir{608, 480, 176, 64};  // bottom right corner
constexpr int kAltoBarra = 22;
constexpr int kLadoAlto = 36;  // stop sign

const QString kEstiloArea = QStringLiteral(
    "QAbstractButton, QWidget { background: transparent; border: none; }"
    "QAbstractButton:hover { background: rgba(255, 255, 255, 56);"
    " border: 2px solid rgba(255, 255, 255, 190); border-radius: 16px; }"
    "QAbstractButton:pressed { background: rgba(0, 40, 90, 60); }"
    // The area that has the keyboard (Tab moves it, Enter or Space opens it).
    "QAbstractButton:focus { background: rgba(255, 255, 255, 40);"
    " border: 3px dashed rgba(255, 196, 0, 235); border-radius: 16px; }"
    "QAbstractButton:disabled { background: rgba(90, 90, 90, 110); border-radius: 16px; }");

}  // namespace

void TInicio::CreateForm() {
    TForm::CreateForm();
    cText(kTitulo);
    SetBackground(Qt::white);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    SetClientSize(kAncho, kAlto + kAltoBarra);
    const QPixmap fondo = ui::Picture(QStringLiteral("mnuplan3"));
    if (!fondo.isNull()) {
        QPalette paleta = palette();
        paleta.setBrush(QPalette::Window, QBrush(fondo));
        setPalette(paleta);
        setAutoFillBackground(true);
    }

    oStatusBar1 = TStatusBar::New(this);
    oStatusBar1->SetBounds(0, kAlto, kAncho, kAltoBarra);
    oStatusBar1->AddPanel()->cText(QStringLiteral(" Ultima Actualización:04/07/2011"));
    oStatusBar1->Create();

    oImage1 = TImage::New(this);
    oImage1->SetBounds(0, 0, kAncho, kAlto);
    oImage1->oPicture(QStringLiteral("staffing"));
    oImage1->Create();

    btnA =
        AreaMenu(kAreaA.left, kAreaA.top, kAreaA.width, kAreaA.height, QStringLiteral("Staffing"));
    btnA->OnClick = Bind(this, &TInicio::btnAClick);
    btnB = AreaMenu(kAreaB.left, kAreaB.top, kAreaB.width, kAreaB.height, QStringLiteral("Grupos"));
    btnB->OnClick = Bind(this, &TInicio::btnGruposClick);
    btnC = AreaMenu(kAreaC.left, kAreaC.top, kAreaC.width, kAreaC.height,
                    QStringLiteral("Asignación de puestos"));
    btnC->OnClick = Bind(this, &TInicio::btnBClick);
    btnD =
        AreaMenu(kAreaD.left, kAreaD.top, kAreaD.width, kAreaD.height, QStringLiteral("Reportes"));
    btnD->OnClick = Bind(this, &TInicio::btnCClick);
    btnEmpresa = AreaMenu(kAreaEmpresa.left, kAreaEmpresa.top, kAreaEmpresa.width,
                          kAreaEmpresa.height, QStringLiteral("Cambiar de empresa"));
    btnEmpresa->OnClick = Bind(this, &TInicio::btnEmpresaClick);
    btnSalir = AreaMenu(kAreaSalir.left, kAreaSalir.top, kAreaSalir.width, kAreaSalir.height,
                        QStringLiteral("Salir del sistema"));
    btnSalir->OnClick = Bind(this, &TInicio::btnSalirClick);

    imgA = SenalAlto(btnA);
    imgB = SenalAlto(btnB);
    imgC = SenalAlto(btnC);
    imgD = SenalAlto(btnD);

    OnInitialize = Bind(this, &TInicio::FormInitialize);
}

TBtnBmp* TInicio::AreaMenu(int left, int top, int width, int height, const QString& tip) {
    auto* boton = TBtnBmp::New(oImage1->widget());
    boton->SetBounds(left, top, width, height);
    boton->lFlat(true);
    boton->cText(QString());
    boton->cToolTip(tip);
    boton->SetHandCursor();
    boton->widget()->setStyleSheet(kEstiloArea);
    boton->Create();
    return boton;
}

TImage* TInicio::SenalAlto(const TBtnBmp* boton) {
    const QRect area = boton->widget()->geometry();
    auto* senal = TImage::New(oImage1->widget());
    senal->SetBounds(area.left() - kLadoAlto / 3, area.top() - kLadoAlto / 3, kLadoAlto, kLadoAlto);
    senal->oPicture(QStringLiteral("Stop"));
    senal->lTransparent(true);
    senal->widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
    senal->Create();
    senal->lVisible(false);
    return senal;
}

void TInicio::FormInitialize(TForm*) {
    CNX = std::make_shared<clsConexion>();
    objUsuario = std::make_shared<clsUsuario>();
    objUsuario->SetUsuario(AppData().UsuarioGet());
    objUsuario->CNX = CNX;
    Actualiza();
    Permisos();
    NombreEmpresa = obtenNombreEmpresa();
    cText(cText() + QStringLiteral(" -- ") + NombreEmpresa);
    nTop(3);
    nLeft(168);
}

void TInicio::Actualiza() {
    // Earlier versions staged the script in a table file; a leftover one goes.
    QFile::remove(QDir::current().filePath(kTablaTemporal));
    QFile script(QDir::current().filePath(kScript));
    if (!script.exists())
        return;
    if (!script.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("No se pudo leer %1: %2")
                                     .arg(kScript, script.errorString())
                                     .toStdString());
    const QStringList lotes =
        actualiza::Lotes(actualiza::Lineas(DecodeText(script.readAll()).text));
    script.close();

    ado::Recordset ejecutor;  // one executor for every batch
    for (const QString& lote : lotes) {
        if (ejecutor.isOpen())
            ejecutor.Close();
        ejecutor.ActiveConnection = CNX->Conexion();
        ejecutor.Open(lote);
    }
}

void TInicio::Permisos() {
    const struct {
        const char* letra;
        TBtnBmp* boton;
        TImage* senal;
    } funciones[] = {{"A", btnA, imgA}, {"B", btnB, imgB}, {"C", btnC, imgC}, {"D", btnD, imgD}};
    for (const auto& f : funciones) {
        const bool permitido = VerificaLetra(QString::fromLatin1(f.letra));
        f.senal->lVisible(!permitido);
        f.boton->lEnabled(permitido);
    }
}

bool TInicio::VerificaLetra(const QString& letra) {
    bool resultado = false;
    ado::Recordset rs;
    rs.Open(consultas::OpcionesDeFuncion(letra), CNX->Conexion());
    // Every option is asked, also after a match.
    while (!rs.Eof()) {
        if (objUsuario->TienePermiso(QStringLiteral("ST"), letra, rs.Fields(0).Value.toText()))
            resultado = true;
        rs.MoveNext();
    }
    rs.Close();
    return resultado;
}

QString TInicio::obtenNombreEmpresa() {
    // Anything but a whole number names no company (and never becomes statement text).
    if (!IsWholeNumber(Empresa))
        return {};
    ado::Recordset rs;
    rs.Open(consultas::NombreDeEmpresa(Empresa), CNX->Conexion());
    if (rs.Eof())
        return {};
    const QString nombre = rs.Fields(0).Value.toText();
    rs.Close();
    return nombre;
}

void TInicio::MuestraEmpresa() {
    NombreEmpresa = obtenNombreEmpresa();
    cText(kTitulo + QStringLiteral(" -- ") + NombreEmpresa);
}

template <class Forma, class Extra>
void TInicio::AbreFuncion(Extra extra) {
    const auto forma = TForm::NewModal<Forma>(nullptr, [&](Forma& f) {
        f.CNX = CNX;
        extra(f);
        f.Empresa = Empresa;
        f.NombreEmpresa = NombreEmpresa;
        f.objUsuario = objUsuario;
    });
    forma->ShowModal();
}

void TInicio::btnAClick(TControl*) {
    AbreFuncion<TCatStaffing>([](TCatStaffing&) {});
}

void TInicio::btnGruposClick(TControl*) {
    AbreFuncion<TCatGrupo>([](TCatGrupo& f) { f.muestra = QStringLiteral("Todo"); });
}

void TInicio::btnBClick(TControl*) {
    AbreFuncion<TSeleccionaTipo>([](TSeleccionaTipo& f) {
        ConectaPlaneacion(f);
        ConectaPronostico(f);
    });
}

void TInicio::btnCClick(TControl*) {
    AbreFuncion<TReportes>([](TReportes&) {});
}

void TInicio::btnEmpresaClick(TControl*) {
    const auto busqueda = TForm::NewModal<TBusEmpresa>(this, [this](TBusEmpresa& f) {
        f.CNX = CNX;
        f.objUsuario = objUsuario;
        f.EmpresaActual = Empresa;
    });
    busqueda->ShowModal();
    // With nothing chosen (an empty list) the window keeps its company; so it does with a
    // key that the user's profile does not allow, however it came back.
    if (busqueda->vEmpresa.isEmpty())
        return;
    ado::Connection* const conexion = CNX->Conexion();
    if (!conexion ||
        !EmpresasDelUsuario(*conexion, objUsuario->GetUsuario()).Permite(busqueda->vEmpresa))
        return;
    Empresa = busqueda->vEmpresa;
    EscribeIni(QStringLiteral("VARIABLES"), QStringLiteral("Empresa"), Empresa);
    // The caption and the name handed to the function forms follow the new company; the
    // permissions do not depend on the company and stay as computed.
    MuestraEmpresa();
}

void TInicio::btnSalirClick(TControl*) {
    Close();
}
