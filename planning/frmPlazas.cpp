#include "planning/frmPlazas.h"

#include "planning/herramientas/Completar.h"
#include "planning/herramientas/OperacionesPlan.h"

#include "ado/Connection.h"
#include "catalogs/BusTabulador.h"
#include "data/clsConexion.h"
#include "planning/frmCambio.h"
#include "planning/frmImportacion.h"
#include "security/CLSUSUARIO.h"
#include "ui/Msg.h"

#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

// Client area and the blocks of the form, top to bottom.
constexpr int kAncho = 1010;
constexpr int kMargen = 8;
// The edit block is laid out for two rows of figure boxes; with one row the grid below takes
// the height left over.
constexpr int kTopPuesto = 98;
constexpr int kAltoPuesto = 206;
constexpr int kAltoFilaCifras = 44;
constexpr int kAltoRejilla = 300;
constexpr int kTopPie = kTopPuesto + kAltoPuesto + 4 + 50 + kAltoRejilla + 8;
constexpr int kAlto = kTopPie + 46;

// Panel: figure boxes in rows of at most twelve.
constexpr int kAnchoPanel = 860;
constexpr int kTopCifras = 44;
constexpr int kAnchoCaja = 44;
constexpr int kMaxPorFila = 12;

// Grid columns.
constexpr int kAnchoSelector = 14;
constexpr int kAnchoClave = 56;

const QString kSistema = QStringLiteral("ST");
const QString kFuncion = QStringLiteral("C");
const QString kEligeFila = QStringLiteral("Seleccione en la lista el puesto que desea eliminar.");
const QString kEligePlan = QStringLiteral("Seleccione el staffing.");
constexpr int kAnchoHerramienta = 150;

// Blanks and percent signs so that each sign stands centred over one of `centros` (pixels from
// the left edge of the text, in the label's font).
QString FilaPorcentajes(const QFontMetrics& fm, const QList<int>& centros) {
    const int signo = fm.horizontalAdvance(QLatin1Char('%'));
    QString fila;
    for (const int centro : centros) {
        // Blanks until the sign, placed after them, is as near the centre as blanks allow.
        const int meta = centro - signo / 2;
        while (fm.horizontalAdvance(fila + QLatin1Char(' ')) <= meta)
            fila += QLatin1Char(' ');
        if (meta - fm.horizontalAdvance(fila) >
            fm.horizontalAdvance(fila + QLatin1Char(' ')) - meta)
            fila += QLatin1Char(' ');
        fila += QLatin1Char('%');
    }
    return fila + QStringLiteral("\r\n");
}

TBtnBmp* Boton(QWidget* parent, const QRect& r, const QString& texto, const QString& imagen) {
    auto* b = TBtnBmp::New(parent);
    b->SetBounds(r.x(), r.y(), r.width(), r.height());
    b->cText(texto);
    b->oBitmaps(imagen);
    b->SetHandCursor();
    b->Create();
    return b;
}

TLabel* Rotulo(QWidget* parent, const QRect& r, const QString& texto) {
    auto* l = TLabel::New(parent);
    l->SetBounds(r.x(), r.y(), r.width(), r.height());
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->cText(texto);
    l->Create();
    return l;
}

}  // namespace

TPlazas::TPlazas(TForm* parent, const FamiliaCifras& familia)
    : TForm(parent), m_familia(familia), m_edicion(static_cast<int>(familia.cajas.size())) {
    PideArchivo = [this](const QString& caption, const QString& sugerido, const QString& filtro,
                         bool guardar) {
        QFileDialog dialogo(this, caption, sugerido, filtro);
        dialogo.setAcceptMode(guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialogo.setFileMode(guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        return dialogo.exec() == QDialog::Accepted ? dialogo.selectedFiles().value(0) : QString();
    };
}

void TPlazas::CreateForm() {
    TForm::CreateForm();
    cText(QStringLiteral(
        "Staffing .- ¿Cuantos puestos por Centro de Costos se necesitan en función de la "
        "ocupación hotelera, hospitalaria, etc?"));
    nBorderStyle = 1;
    lModal = true;
    nFormType = 2;
    lParentIcon = true;  // the program's icon
    SetClientSize(kAncho, kAlto);

    const int filas = nCifras() <= kMaxPorFila ? 1 : 2;
    m_ahorro = (2 - filas) * kAltoFilaCifras;
    const int paso = SelectoresPlaneacion::kAnchoMarco + 8;
    CreaSelectores(this, this, Estilo::Planeacion, {kMargen, 6}, {kMargen + paso, 6},
                   {kMargen + 2 * paso, 6});
    creaPanel();
    creaRejilla();
    creaPie();
    OnInitialize = Bind(this, &TPlazas::FormInitialize);
}

void TPlazas::creaPanel() {
    Puesto = TGroupBox::New(this);
    Puesto->SetBounds(kMargen, kTopPuesto, kAncho - 2 * kMargen, kAltoPuesto - m_ahorro);
    Puesto->cText(QStringLiteral(
        "4.- Agregar el puesto y el numero de plazas que se necesitan segun el porcentaje de "
        "ocupación"));
    Puesto->Create();
    QWidget* const enPuesto = Puesto->widget();

    btnNuevo =
        Boton(enPuesto, {10, 24, 104, 34}, QStringLiteral("Agregar"), QStringLiteral("nuevo"));
    btnNuevo->OnClick = Bind(this, &TPlazas::btnNuevoClick);
    oLabel1236 = Rotulo(enPuesto, {124, 24, kAncho - 2 * kMargen - 134, 34},
                        QStringLiteral("-- Para AGREGAR un puesto al centro de costos presionar "
                                       "el boton Agregar Puesto e indicar el puesto y sus "
                                       "plazas, despues presionar el boton Guardar\r\n"));

    grpDatos = TGroupBox::New(enPuesto);
    grpDatos->SetBounds(10, 62, kAnchoPanel, kAltoPuesto - m_ahorro - 70);
    grpDatos->Create();
    grpDatos->lEnabled(false);
    QWidget* const panel = grpDatos->widget();

    oLabel1238 = Rotulo(panel, {10, 15, 44, 18}, QStringLiteral("Puesto"));
    txtidPuesto = TEdit::New(panel);
    txtidPuesto->widget()->setObjectName(QStringLiteral("txtidPuesto"));
    txtidPuesto->SetBounds(58, 12, 80, 22);
    txtidPuesto->lNumeric(true);
    txtidPuesto->nMaxLength(10);
    txtidPuesto->OnExit = Bind(this, &TPlazas::txtidPuestoExit);
    txtidPuesto->Create();
    btnBusPuesto = Boton(panel, {142, 10, 28, 26}, QString(), QStringLiteral("buscar2"));
    btnBusPuesto->cToolTip(QStringLiteral("Buscar el puesto en el tabulador"));
    btnBusPuesto->OnClick = Bind(this, &TPlazas::btnBusPuestoClick);
    txtNombrePuesto = TEdit::New(panel);
    txtNombrePuesto->SetBounds(176, 12, 360, 22);
    txtNombrePuesto->lEnabled(false);
    txtNombrePuesto->Create();

    using Salida = void (TPlazas::*)(TControl*, TControl*);
    static constexpr std::array<Salida, kMaxCifras> kSalidas = {
        &TPlazas::txt5Exit,  &TPlazas::txt10Exit, &TPlazas::txt15Exit, &TPlazas::txt20Exit,
        &TPlazas::txt25Exit, &TPlazas::txt30Exit, &TPlazas::txt35Exit, &TPlazas::txt40Exit,
        &TPlazas::txt45Exit, &TPlazas::txt50Exit, &TPlazas::txt55Exit, &TPlazas::txt60Exit,
        &TPlazas::txt65Exit, &TPlazas::txt70Exit, &TPlazas::txt75Exit, &TPlazas::txt80Exit,
        &TPlazas::txt85Exit, &TPlazas::txt90Exit, &TPlazas::txt95Exit, &TPlazas::txt100Exit};
    const int n = nCifras();
    const int porFila = n <= kMaxPorFila ? n : (n + 1) / 2;
    const int paso = (kAnchoPanel - 20) / porFila;
    for (int i = 0; i < n; ++i) {
        const int x = 10 + (i % porFila) * paso;
        const int y = kTopCifras + (i / porFila) * 44;
        auto* rotulo = TLabel::New(panel);
        rotulo->widget()->setObjectName(m_familia.rotulos.at(i));
        rotulo->SetBounds(x, y, kAnchoCaja, 16);
        rotulo->cText(m_familia.textos.at(i));
        rotulo->Create();
        auto* caja = TEdit::New(panel);
        caja->widget()->setObjectName(m_familia.cajas.at(i));
        caja->SetBounds(x, y + 16, kAnchoCaja, 22);
        // Up to five digits typed (0 to 99,999 places); no length limit, so a wider figure
        // stored by another program shows whole (and is refused until corrected).
        caja->lNumeric(true);
        static const QRegularExpression kPlazas(
            QStringLiteral(" *[0-9]{0,%1}").arg(planeacion::kDigitosPlazas));
        caja->setValidator(new QRegularExpressionValidator(kPlazas, caja));
        caja->nAlignment(2);
        caja->lAutoSelect(true);
        caja->Value(QStringLiteral("0"));
        const Salida salida = kSalidas.at(static_cast<std::size_t>(i));
        caja->OnExit = [this, salida](TControl* s, TControl* next) { (this->*salida)(s, next); };
        caja->Create();
        cifras.at(static_cast<std::size_t>(i)) = caja;
    }

    btnGuardar = Boton(enPuesto, {kAnchoPanel + 20, kAltoPuesto - m_ahorro - 60, 104, 34},
                       QStringLiteral("Guardar"), QStringLiteral("angulo2"));
    btnGuardar->OnClick = Bind(this, &TPlazas::btnGuardarClick);
    btnCompletar = Boton(enPuesto, {kAnchoPanel + 20, kAltoPuesto - m_ahorro - 100, 104, 34},
                         QStringLiteral("Completar"), QStringLiteral("editar"));
    btnCompletar->OnClick = Bind(this, &TPlazas::btnCompletarClick);

    txtId = TEdit::New(enPuesto);
    txtId->SetBounds(kAnchoPanel + 20, 62, 60, 22);
    txtId->Create();
    txtId->lVisible(false);
}

void TPlazas::creaRejilla() {
    const int topAyuda = kTopPuesto + kAltoPuesto - m_ahorro + 4;
    const int topRejilla = topAyuda + 50;
    const int altoRejilla = kAltoRejilla + m_ahorro;
    oLabel1235 =
        Rotulo(this, {kMargen, topAyuda, kAncho - 2 * kMargen - 2 * kAnchoHerramienta - 12, 32},
               QStringLiteral("-- Para MODIFICAR los porcentajes de un puesto, \r\n"
                              "seleccionarlo de la lista de abajo para cargar sus "
                              "valores, modificarlos y despues presionar el boton "
                              "Guardar.\r\n"));
    // The planner's tools, right of the help line, over the grid.
    btnExportar =
        Boton(this, {kAncho - kMargen - 2 * kAnchoHerramienta - 6, topAyuda, kAnchoHerramienta, 30},
              QStringLiteral("Exportar a Excel"), QStringLiteral("graficas22"));
    btnExportar->OnClick = Bind(this, &TPlazas::btnExportarClick);
    btnImportar =
        Boton(this, {kAncho - kMargen - kAnchoHerramienta, topAyuda, kAnchoHerramienta, 30},
              QStringLiteral("Importar de Excel"), QStringLiteral("refresh"));
    btnImportar->OnClick = Bind(this, &TPlazas::btnImportarClick);

    oGroupBox3 = TGroupBox::New(this);
    oGroupBox3->SetBounds(kMargen, topRejilla, kAncho - 2 * kMargen, altoRejilla);
    oGroupBox3->Create();

    arrayStaffing = TArrayBrowse::New(oGroupBox3->widget());
    arrayStaffing->SetBounds(6, 8, kAncho - 2 * kMargen - 12, altoRejilla - 14);
    TBrwRecSel::New(arrayStaffing)->nWidth(kAnchoSelector);
    const auto columna = [this](const QString& titulo, int ancho, int alineacion) {
        auto* c = TArrayBrwColumn::New(arrayStaffing);
        c->cHeader(titulo);
        c->nWidth(ancho);
        c->nAlignment(alineacion);
    };
    columna(QStringLiteral("Clave"), kAnchoClave, 66);
    columna(QStringLiteral("Puesto"), m_familia.anchoPuesto, 0);
    for (const QString& encabezado : m_familia.encabezados)
        columna(encabezado, m_familia.anchoCifra, 66);
    arrayStaffing->nRowDividerStyle = 4;
    arrayStaffing->nMarqueeStyle = 4;
    arrayStaffing->lFilterBar(true);
    arrayStaffing->lAutoOrder(true);
    arrayStaffing->OnChange = Bind(this, &TPlazas::arrayStaffingChange);
    arrayStaffing->OnDblClick = Bind(this, &TPlazas::arrayStaffingDblClick);
    arrayStaffing->OnClick = Bind(this, &TPlazas::arrayStaffingClick);
    arrayStaffing->OnRowsShown = [this](TControl*) { muestraTotales(); };
    arrayStaffing->Create();
    muestraTotales();

    if (!m_familia.filaPorcentajes)
        return;
    // The signs stand over the figure columns: the grid's frame, the record selector, the
    // code and the name come first.
    const int inicio = kMargen + 6 + arrayStaffing->frameWidth() + kAnchoSelector + kAnchoClave +
                       m_familia.anchoPuesto;
    QList<int> centros;
    for (int i = 0; i < nCifras(); ++i)
        centros << i * m_familia.anchoCifra + m_familia.anchoCifra / 2;
    oLabel1240 = TLabel::New(this);
    oLabel1240->SetBounds(inicio, topRejilla - 16, nCifras() * m_familia.anchoCifra, 16);
    oLabel1240->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    oLabel1240->Create();
    oLabel1240->cText(FilaPorcentajes(oLabel1240->fontMetrics(), centros));
}

void TPlazas::creaPie() {
    btnEliminar = Boton(this, {kMargen, kTopPie, 104, 34}, QStringLiteral("Eliminar"),
                        QStringLiteral("eliminar"));
    btnEliminar->OnClick = Bind(this, &TPlazas::btnEliminarClick);
    oLabel1251 = Rotulo(this, {kMargen + 114, kTopPie, 760, 16},
                        QStringLiteral("-- Para ELIMINAR un puesto y sus plazas del centro de "
                                       "costos, seleccionarlo de la lista y presionar el botón."));
    oLabel1237 = Rotulo(this, {kMargen + 114, kTopPie + 18, 760, 16},
                        QStringLiteral("-- Para cambiar el GRUPO, STAFFING O CENTRO DE COSTOS, "
                                       "dar doble clic sobre el puesto.\r\n"));
    btnSalir = Boton(this, {kAncho - kMargen - 104, kTopPie, 104, 34}, QStringLiteral("Salir"),
                     QStringLiteral("puertasalida"));
    btnSalir->OnClick = Bind(this, &TPlazas::btnSalirClick);
}

void TPlazas::FormInitialize(TForm*) {
    nTop(7);
    nLeft(168);
    Permisos();
    CargaStaffing();
    CargaDepartamento();
    CargaGrupos();
    m_edicion.Vacia();
    muestraEdicion();
}

void TPlazas::Permisos() {
    btnNuevo->lEnabled(objUsuario->TienePermiso(kSistema, kFuncion, QStringLiteral("C1")));
    btnGuardar->lEnabled(objUsuario->TienePermiso(kSistema, kFuncion, QStringLiteral("C2")));
    btnEliminar->lEnabled(objUsuario->TienePermiso(kSistema, kFuncion, QStringLiteral("C3")));
    // An import writes entries as "Guardar" does.
    btnImportar->lEnabled(btnGuardar->lEnabled());
}

planeacion::Planeacion TPlazas::nucleo() const {
    return planeacion::Planeacion(CNX->Conexion(), m_familia.tabla);
}

bool TPlazas::AceptaCambio() {
    if (!m_edicion.TieneCambios(txtidPuesto->Value(), textosCifras()))
        return true;
    const QString nombre = txtNombrePuesto->Value().trimmed();
    const QString pregunta = planeacion::mensajes::GuardarCambios(
        nombre.isEmpty() ? txtidPuesto->Value().trimmed() : nombre);
    return MsgMayLeaveUnsaved(pregunta, [this] {
        // Saved under the choice the entry was loaded or started under, whatever the lists
        // show by now.
        const planeacion::Resultado r =
            m_edicion.Guarda(nucleo(), m_edicion.eleccion(), txtidPuesto->Value(), textosCifras());
        if (!r)
            MsgInfo(r.mensaje);
        return static_cast<bool>(r);
    });
}

int TPlazas::filaDe(const QString& puesto) const {
    const TArrayBrowse::Rows& filas = arrayStaffing->aArrayData();
    for (int i = 0; i < filas.size(); ++i)
        if (filas.at(i).value(0) == puesto)
            return i + 1;
    return 0;
}

void TPlazas::SeleccionCambiada() {
    m_edicion.Vacia();
    muestraEdicion();
    if (SeleccionCompleta())
        CargaPuestos();
}

QStringList TPlazas::textosCifras() const {
    QStringList textos;
    for (int i = 0; i < nCifras(); ++i)
        textos << cifras.at(static_cast<std::size_t>(i))->Value();
    return textos;
}

void TPlazas::muestraEdicion(const QString& nombre) {
    using Estado = planeacion::EdicionPuesto::Estado;
    const Estado estado = m_edicion.estado();
    grpDatos->lEnabled(estado != Estado::Vacia);
    // The code of a loaded entry is its key: a new position starts with "Agregar".
    txtidPuesto->setReadOnly(estado == Estado::Cargada);
    btnBusPuesto->lEnabled(estado != Estado::Cargada);
    txtId->Value(m_edicion.clave());
    txtidPuesto->Value(m_edicion.puestoInicial());
    txtNombrePuesto->Value(nombre);
    const QStringList& valores = m_edicion.cifrasIniciales();
    for (int i = 0; i < nCifras(); ++i)
        cifras.at(static_cast<std::size_t>(i))->Value(valores.value(i, QStringLiteral("0")));
}

void TPlazas::CargaPuestos() {
    const planeacion::Eleccion eleccion = EleccionActual();
    const QList<planeacion::Entrada> entradas = nucleo().Entradas(eleccion);
    m_eleccionRejilla = eleccion;
    TArrayBrowse::Rows filas;
    bool sigue = false;  // the loaded entry is still one of the rows
    for (const planeacion::Entrada& x : entradas) {
        filas << (TArrayBrowse::Row{x.puesto, x.nombre} + x.cifras);
        sigue = sigue || x.puesto == m_edicion.clave();
    }
    if (m_edicion.estado() == planeacion::EdicionPuesto::Estado::Cargada && !sigue) {
        m_edicion.Vacia();
        muestraEdicion();
    }
    if (filas.isEmpty()) {
        MsgInfo(QStringLiteral("No se han registrado puestos"));
        arrayStaffing->SetArray({});
        return;
    }
    arrayStaffing->SetArray(filas);
    arrayStaffing->Refresh();
    m_filaMostrada = arrayStaffing->Bookmark();
}

void TPlazas::muestraTotales() {
    const TArrayBrowse::Rows& filas = arrayStaffing->aArrayData();
    QList<planeacion::Entrada> mostradas;
    for (const int fila : arrayStaffing->VisibleRows()) {
        const TArrayBrowse::Row& r = filas.at(fila - 1);
        mostradas.append({r.value(0), r.value(1), r.mid(2)});
    }
    QStringList pie{QString(), QStringLiteral("Total")};
    for (const qint64 total : planeacion::Totales(mostradas, nCifras()))
        pie << QString::number(total);
    arrayStaffing->SetFooter(pie);
}

void TPlazas::arrayStaffingChange(TControl*) {
    if (m_volviendo)
        return;
    const bool otra = arrayStaffing->nLen() > 0 && arrayStaffing->Bookmark() > 0 &&
                      !(m_edicion.estado() == planeacion::EdicionPuesto::Estado::Cargada &&
                        m_edicion.clave() == arrayStaffing->GetValue(1));
    if (otra) {
        const QString destino = arrayStaffing->GetValue(1);
        const bool habiaCambios = m_edicion.TieneCambios(txtidPuesto->Value(), textosCifras());
        if (!AceptaCambio()) {
            // The panel stays, and so does the row it was shown with.
            m_volviendo = true;
            arrayStaffing->GoTo(m_filaMostrada);
            m_volviendo = false;
            return;
        }
        if (habiaCambios && !m_edicion.TieneCambios(txtidPuesto->Value(), textosCifras())) {
            // Saved or discarded: a save is read back before the row asked for is shown.
            CargaPuestos();
            m_volviendo = true;
            arrayStaffing->GoTo(filaDe(destino));
            m_volviendo = false;
        }
    }
    m_filaMostrada = arrayStaffing->Bookmark();
    if (arrayStaffing->nLen() == 0 || arrayStaffing->Bookmark() == 0) {
        m_edicion.Vacia();
        muestraEdicion();
        return;
    }
    planeacion::Entrada x{arrayStaffing->GetValue(1), arrayStaffing->GetValue(2), {}};
    for (int i = 0; i < nCifras(); ++i)
        x.cifras << arrayStaffing->GetValue(3 + i);
    m_edicion.Carga(m_eleccionRejilla, x);
    muestraEdicion(x.nombre);
}

void TPlazas::arrayStaffingClick(TControl*) {
    const bool mostrada = m_edicion.estado() == planeacion::EdicionPuesto::Estado::Cargada &&
                          m_edicion.clave() == arrayStaffing->GetValue(1) &&
                          m_edicion.eleccion() == m_eleccionRejilla;
    if (!mostrada && arrayStaffing->Bookmark() > 0)
        arrayStaffingChange(arrayStaffing);
}

void TPlazas::btnNuevoClick(TControl*) {
    m_edicion.Nueva(EleccionActual());
    muestraEdicion();
    if (isVisible())
        txtidPuesto->SetFocus();
}

void TPlazas::txtidPuestoExit(TControl*, TControl*) {
    txtNombrePuesto->Value(QString());
    if (txtidPuesto->Value().trimmed().isEmpty())
        return;
    if (const auto nombre = nucleo().NombrePuesto(Empresa, txtidPuesto->Value())) {
        txtNombrePuesto->Value(*nombre);
    } else {
        MsgInfo(planeacion::mensajes::kNoExiste);
        if (!txtidPuesto->isReadOnly())
            txtidPuesto->Value(QString());
    }
    Permisos();
}

void TPlazas::CifraExit(TControl* sender, TControl*) {
    auto* caja = dynamic_cast<TEdit*>(sender);
    if (caja && caja->Value().trimmed().isEmpty())
        caja->Value(QStringLiteral("0"));
}

bool TPlazas::existePuesto() {
    return nucleo().Existe(EleccionActual(), txtidPuesto->Value());
}

void TPlazas::btnCompletarClick(TControl*) {
    const planeacion::CifrasTecleadas tecleadas = planeacion::LeeTecleadas(textosCifras());
    const std::vector<int> llenas = m_familia.tabla == planeacion::Tabla::Porcentaje
                                        ? planeacion::CompletaPorcentaje(tecleadas)
                                        : planeacion::CompletaMes(tecleadas);
    for (int i = 0; i < nCifras(); ++i)
        cifras.at(static_cast<std::size_t>(i))->Value(llenas.at(static_cast<std::size_t>(i)));
}

void TPlazas::btnGuardarClick(TControl*) {
    const bool nuevo = m_edicion.nueva();
    const int fila = arrayStaffing->Bookmark();
    const planeacion::Resultado r =
        m_edicion.Guarda(nucleo(), EleccionActual(), txtidPuesto->Value(), textosCifras());
    if (!r) {
        MsgInfo(r.mensaje);
        // A code that names no position of the tabulator is not kept.
        if (nuevo && r.mensaje == planeacion::mensajes::kNoExiste)
            txtidPuesto->Value(QString());
        return;
    }
    MsgInfo(r.mensaje);
    CargaPuestos();
    arrayStaffing->GoTo(fila);
    if (m_familia.nuevoTrasGuardar)
        btnNuevoClick();
}

void TPlazas::btnEliminarClick(TControl*) {
    // The row the planner sees selected, of the choice the grid was loaded under.
    if (arrayStaffing->Bookmark() == 0) {
        MsgInfo(kEligeFila);
        return;
    }
    const QString puesto = arrayStaffing->GetValue(1);
    if (!MsgNoYes(QStringLiteral("¿Seguro que desea eliminar el Puesto ") +
                  arrayStaffing->GetValue(2) + QStringLiteral("?")))
        return;
    const planeacion::Resultado r = m_edicion.Elimina(nucleo(), m_eleccionRejilla, puesto);
    if (r)
        muestraEdicion();  // empty: nothing left to save
    CargaPuestos();
    MsgInfo(r.mensaje);
}

void TPlazas::btnBusPuestoClick(TControl*) {
    if (txtidPuesto->isReadOnly())
        return;
    const auto busqueda = TForm::NewModal<TCatTabulador>(this, [this](TCatTabulador& f) {
        f.CNX = CNX;
        f.Empresa = Empresa;
        f.NombreEmpresa = NombreEmpresa;
        f.OnClose = [](TForm*) {};
    });
    busqueda->ShowModal();
    txtidPuesto->Value(busqueda->vCodigo);
    txtNombrePuesto->Value(busqueda->vNombre);
}

void TPlazas::btnSalirClick(TControl*) {
    if (!AceptaCambio())
        return;
    Close();
}

void TPlazas::arrayStaffingDblClick(TControl*, int, int, int) {
    const int fila = arrayStaffing->Bookmark();
    // An empty grid has no entry to move.
    if (arrayStaffing->nLen() == 0)
        return;
    if (!objUsuario->TienePermiso(kSistema, kFuncion, QStringLiteral("C4")))
        return;
    const auto cambio = TForm::NewModal<TCambio>(nullptr, [this](TCambio& f) {
        f.CNX = CNX;
        f.Empresa = Empresa;
        f.staffing = cmbStaffing->cText();
        f.grupo = cmbGrupo->cText();
        f.puesto = arrayStaffing->GetValue(1);
        f.cc = cmbCentroCostos->cText();
        f.NombreEmpresa = NombreEmpresa;
        f.tabla = m_familia.tabla;
        f.OnClose = [](TForm*) {};
    });
    cambio->ShowModal();
    CargaPuestos();
    arrayStaffing->GoTo(fila);
}

void TPlazas::btnExportarClick(TControl*) {
    const QString staffing = txtidStaffing->Value().trimmed();
    if (staffing.isEmpty()) {
        MsgInfo(kEligePlan);
        return;
    }
    const QString archivo =
        PideArchivo(QStringLiteral("Exportar a Excel"),
                    QDir::home().filePath(QStringLiteral("staffing_%1.xlsx").arg(staffing)),
                    QStringLiteral("Libro de Excel (*.xlsx);;CSV (*.csv)"), true);
    if (archivo.isEmpty())
        return;
    ado::Connection* const conexion = CNX->Conexion();
    if (!conexion)
        return;
    try {
        const int n =
            planeacion::ExportaPlan(*conexion, Empresa, staffing, archivo, m_familia.tabla);
        MsgInfo(QStringLiteral("Staffing exportado: %1 entradas en %2").arg(n).arg(archivo));
    } catch (const planeacion::ErrorPlan& e) {
        MsgInfo(e.mensaje);
    }
}

void TPlazas::btnImportarClick(TControl*) {
    // The grid and the panel are read again afterwards: typing not saved is not dropped
    // unasked.
    if (!btnImportar->lEnabled() || !AceptaCambio())
        return;
    const QString staffing = txtidStaffing->Value().trimmed();
    if (staffing.isEmpty()) {
        MsgInfo(kEligePlan);
        return;
    }
    const QString archivo =
        PideArchivo(QStringLiteral("Importar de Excel"), QDir::homePath(),
                    QStringLiteral("Libros de Excel y CSV (*.xlsx *.csv)"), false);
    if (archivo.isEmpty())
        return;
    ado::Connection* const conexion = CNX->Conexion();
    if (!conexion)
        return;
    planeacion::VistaPrevia vista;
    try {
        vista = planeacion::VistaDeArchivo(*conexion, Empresa, staffing, archivo);
    } catch (const planeacion::ErrorPlan& e) {
        MsgInfo(e.mensaje);
        return;
    }
    const auto dialogo = TForm::NewModal<TImportacion>(this, [&](TImportacion& f) {
        f.CNX = CNX;
        f.Empresa = Empresa;
        f.staffing = staffing;
        f.archivo = archivo;
        f.vista = std::move(vista);
        f.permiteEliminar = objUsuario->TienePermiso(kSistema, kFuncion, QStringLiteral("C3"));
    });
    dialogo->ShowModal();
    if (!dialogo->aplicado && !dialogo->caducada)
        return;
    m_edicion.Vacia();
    muestraEdicion();
    if (SeleccionCompleta())
        CargaPuestos();
}
