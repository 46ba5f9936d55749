#include "catalogs/Catalogo.h"

#include "security/CLSUSUARIO.h"
#include "ui/Msg.h"

#include <utility>

namespace {

constexpr int kAlto = 420;
constexpr int kMargen = 10;
constexpr int kAltoLista = 318;
constexpr int kTopLista = 34;
constexpr int kTopBotones = kTopLista + kAltoLista + 14;
constexpr int kAltoBoton = 40;

TBtnBmp* Boton(QWidget* padre, const QRect& lugar, const QString& texto, const QString& imagen) {
    return TBtnBmp::Make(padre, lugar, texto, imagen, {});
}

}  // namespace

TCatalogo::TCatalogo(TForm* parent, FormaCatalogo forma)
    : TForm(parent), m_forma(std::move(forma)) {}

void TCatalogo::CreateForm() {
    TForm::CreateForm();
    cText(m_forma.titulo);
    nBorderStyle = 1;
    nFormType = 2;
    lModal = true;
    lSysMenu = false;
    SetClientSize(m_forma.anchoCompleto, kAlto);

    const int anchoLista = m_forma.anchoLista - 2 * kMargen;
    m_lista = TArrayBrowse::New(this);
    m_lista->SetBounds(kMargen, kTopLista, anchoLista, kAltoLista);
    TBrwRecSel::New(m_lista)->nWidth(18);
    for (const auto& c : m_forma.columnas) {
        auto* columna = TArrayBrwColumn::New(m_lista);
        columna->cHeader(QString::fromUtf8(c.titulo));
        columna->nWidth(c.ancho);
        columna->nAlignment(c.alineacion);
    }
    m_lista->nRowDividerStyle = 4;
    m_lista->nMarqueeStyle = 4;
    m_lista->nHeaderHeight(36);
    m_lista->lFilterBar(true);
    m_lista->lAutoOrder(true);
    m_lista->OnDblClick = [this](TControl*, int, int, int) { Elige(); };
    m_lista->Create();

    oLabelBuddy1 = TLabelBuddy::New(m_lista);
    oLabelBuddy1->cText(m_forma.ayuda);
    oLabelBuddy1->Create();

    // Nuevo, Modificar and Eliminar from the left, Salir at the right edge of the list.
    const int anchoBoton = (anchoLista - 3 * 6) / 4;
    auto lugar = [&](int i) {
        return QRect(kMargen + i * (anchoBoton + 6), kTopBotones, anchoBoton, kAltoBoton);
    };
    btnNuevo = Boton(this, lugar(0), QStringLiteral("Nuevo"), QStringLiteral("agregar"));
    btnNuevo->OnClick = Bind(this, &TCatalogo::btnNuevoClick);
    btnModificar = Boton(this, lugar(1), QStringLiteral("Modificar"), QStringLiteral("editar"));
    btnModificar->OnClick = Bind(this, &TCatalogo::btnModificarClick);
    m_eliminar = Boton(this, lugar(2), QStringLiteral("Eliminar"), QStringLiteral("eliminar"));
    m_eliminar->OnClick = [this](TControl*) { Elimina(); };
    btnSalir =
        Boton(this, QRect(kMargen + anchoLista - anchoBoton, kTopBotones, anchoBoton, kAltoBoton),
              QStringLiteral("Salir"), QStringLiteral("puertasalida"));
    btnSalir->OnClick = Bind(this, &TCatalogo::btnSalirClick);

    // The data panel, right of the list.
    const int anchoPanel = m_forma.anchoCompleto - m_forma.anchoLista - kMargen;
    grpDatos = TGroupBox::New(this);
    grpDatos->SetBounds(m_forma.anchoLista, kTopLista - 8, anchoPanel,
                        kTopBotones + kAltoBoton - kTopLista + 8);
    grpDatos->Create();
    QWidget* const panel = grpDatos->widget();

    oLabel1 = TLabel::New(panel);
    oLabel1->SetBounds(14, 28, 60, 20);
    oLabel1->cText(QStringLiteral("Clave"));
    oLabel1->Create();
    m_clave = TEdit::New(panel);
    m_clave->SetBounds(80, 24, 90, 24);
    m_clave->nAlignment(2);
    m_clave->lEnabled(false);
    m_clave->Create();
    lblAutomatico = TLabel::New(panel);
    lblAutomatico->SetBounds(180, 28, 90, 20);
    lblAutomatico->cText(QStringLiteral("Automatico"));
    lblAutomatico->nClrText(ColorFromWin(8388608));
    lblAutomatico->Create();

    oLabel2 = TLabel::New(panel);
    oLabel2->SetBounds(14, 64, 60, 20);
    oLabel2->cText(QStringLiteral("Nombre"));
    oLabel2->Create();
    txtNombre = TEdit::New(panel);
    txtNombre->SetBounds(80, 60, anchoPanel - 94, 24);
    txtNombre->nMaxLength(m_forma.largoNombre);
    txtNombre->Create();

    CreaDatos(panel, 100);

    const int altoPanel = grpDatos->widget()->height();
    btnGuardar =
        Boton(panel, QRect(anchoPanel - 14 - 120, altoPanel - kAltoBoton - 12, 120, kAltoBoton),
              QStringLiteral("Guardar"), QStringLiteral("angulo2"));
    btnGuardar->OnClick = Bind(this, &TCatalogo::btnGuardarClick);
    SetDefaultButton(btnGuardar);
}

void TCatalogo::MuestraPanel(bool visible) {
    nWidth(visible ? m_forma.anchoCompleto : m_forma.anchoLista);
    // Out of sight is also out of reach: no Tab into the panel, no Enter on Guardar.
    grpDatos->lVisible(visible);
}

bool TCatalogo::PanelVisible() const {
    return nWidth() >= m_forma.anchoCompleto;
}

void TCatalogo::AplicaPermisos() {
    TBtnBmp* const botones[] = {btnNuevo, btnModificar, m_eliminar};
    for (int i = 0; i < 3; ++i)
        botones[i]->lEnabled(
            objUsuario->TienePermiso(QStringLiteral("ST"), m_forma.funcion, m_forma.opciones[i]));
}

void TCatalogo::Carga() {
    m_lista->SetArray(Nucleo()->Lista());
}

bool TCatalogo::HayFila() const {
    return m_lista->Bookmark() > 0;
}

QString TCatalogo::Nombre() const {
    return catalogos::UnaLinea(txtNombre->Value());
}

void TCatalogo::btnNuevoClick(TControl*) {
    m_edicion.Nuevo();
    tipoMov = m_edicion.tipoMov();
    MuestraPanel(true);
    txtNombre->Value(QString());
    m_clave->Value(QString());
    LimpiaDatos();
    txtNombre->SetFocus();
}

void TCatalogo::btnModificarClick(TControl*) {
    if (!HayFila())
        return;
    m_edicion.Modifica(m_lista->GetValue(1));
    tipoMov = m_edicion.tipoMov();
    MuestraPanel(true);
    m_clave->Value(m_edicion.clave());
    txtNombre->Value(m_lista->GetValue(2));
    LlenaDatos();
    txtNombre->SetFocus();
}

void TCatalogo::Informa(const catalogos::Resultado& r) {
    if (!r.mensaje.isEmpty())
        MsgInfo(r.mensaje);
    if (r.recarga)
        Carga();
}

void TCatalogo::btnGuardarClick(TControl*) {
    const catalogos::Resultado r = Nucleo()->Guarda(m_edicion, DatosDelPanel());
    if (!r.hecho && (r.cancelado || !r.mensaje.isEmpty())) {
        Informa(r);  // refused or not confirmed: the panel stays as typed
        return;
    }
    MuestraPanel(false);
    Carga();
}

void TCatalogo::Elimina() {
    if (!HayFila())
        return;
    // The row the user sees selected, fixed before any box is shown.
    const QString clave = m_lista->GetValue(1);
    const auto nucleo = Nucleo();
    if (const QString aviso = nucleo->AvisoEntradas(nucleo->EntradasPlaneadas(clave));
        !aviso.isEmpty())
        MsgInfo(aviso);
    if (!MsgNoYes(m_forma.pregunta))
        return;
    const catalogos::Resultado r = nucleo->Elimina(clave);
    if (!r.hecho) {
        Informa(r);
        return;
    }
    MsgInfo(m_forma.eliminado);
    // The row being modified is gone: nothing is left for the panel to save.
    if (m_edicion.tipo() == catalogos::Edicion::Tipo::Modificar && m_edicion.clave() == clave)
        MuestraPanel(false);
    Carga();
}

void TCatalogo::Elige() {
    if (!HayFila())
        return;
    vCodigo = m_lista->GetValue(1);
    vNombre = m_lista->GetValue(2);
    TomaEleccion(m_lista->aArrayData().at(m_lista->Bookmark() - 1));
    Close();
}

void TCatalogo::btnSalirClick(TControl*) {
    vCodigo = QStringLiteral("0");
    vNombre.clear();
    TomaEleccion({});
    Close();
}
