#include "planning/frmPlazas.h"

#include "planning/herramientas/Completar.h"

#include "ado/Connection.h"
#include "catalogs/BusTabulador.h"
#include "data/clsConexion.h"
#include "planning/frmCambio.h"
#include "security/CLSUSUARIO.h"
#include "ui/Msg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QStyle>

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
const QString kFaltaEleccion =
    QStringLiteral("Debe indicar un staffing, centro de costos y grupo para el puesto.");
const QString kNoExiste = QStringLiteral("El puesto no existe");

// Digits, perhaps with blanks around: a position code or a figure that may go into SQL.
bool SoloDigitos(const QString& texto) {
    static const QRegularExpression kDigitos(QStringLiteral("^\\s*\\d+\\s*$"));
    return kDigitos.match(texto).hasMatch();
}

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

TPlazas::TPlazas(TForm* parent, const FamiliaCifras& familia) : TForm(parent), m_familia(familia) {}

void TPlazas::CreateForm() {
    TForm::CreateForm();
    cText(QStringLiteral(
        "Staffing .- ¿Cuantos puestos por Centro de Costos se necesitan en función de la "
        "ocupación hotelera, hospitalaria, etc?"));
    nBorderStyle = 1;
    lModal = true;
    nFormType = 2;
    lParentIcon = false;
    SetIcon(QApplication::style()->standardIcon(QStyle::SP_TitleBarMenuButton));
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
        caja->lNumeric(true);
        caja->nMaxLength(10);  // an int column: no stored figure is ever cut short
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
    oLabel1235 = Rotulo(this, {kMargen, topAyuda, kAncho - 2 * kMargen, 32},
                        QStringLiteral("-- Para MODIFICAR los porcentajes de un puesto, \r\n"
                                       "seleccionarlo de la lista de abajo para cargar sus "
                                       "valores, modificarlos y despues presionar el boton "
                                       "Guardar.\r\n"));

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
    arrayStaffing->Create();

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
}

void TPlazas::Permisos() {
    btnNuevo->lEnabled(objUsuario->TienePermiso(kSistema, kFuncion, QStringLiteral("C1")));
    btnGuardar->lEnabled(objUsuario->TienePermiso(kSistema, kFuncion, QStringLiteral("C2")));
    btnEliminar->lEnabled(objUsuario->TienePermiso(kSistema, kFuncion, QStringLiteral("C3")));
}

void TPlazas::SeleccionCambiada() {
    if (SeleccionCompleta())
        CargaPuestos();
}

planeacion::Eleccion TPlazas::eleccion() const {
    return {Empresa, txtidStaffing->Value(), txtidCC->Value(), txtidGRupo->Value()};
}

QStringList TPlazas::textosCifras() const {
    // A box left empty without leaving it (Enter, a click elsewhere) counts as 0, as its exit
    // would have made it; a figure loaded from the table is a whole number and stays as read.
    static const QRegularExpression kEntero(QStringLiteral("^-?\\d+$"));
    QStringList textos;
    for (int i = 0; i < nCifras(); ++i) {
        const QString t = cifras.at(static_cast<std::size_t>(i))->Value().trimmed();
        textos << (kEntero.match(t).hasMatch() ? t : QStringLiteral("0"));
    }
    return textos;
}

void TPlazas::CargaPuestos() {
    ado::Recordset rs;
    rs.Open(planeacion::SqlPuestos(m_familia.tabla, eleccion()), CNX->Conexion());
    if (rs.Eof()) {
        MsgInfo(QStringLiteral("No se han registrado puestos"));
        arrayStaffing->SetArray({});
        return;
    }
    const int columnas = 2 + nCifras();
    TArrayBrowse::Rows filas;
    for (; !rs.Eof(); rs.MoveNext()) {
        TArrayBrowse::Row fila;
        fila.reserve(columnas);
        for (int i = 0; i < columnas; ++i)
            fila << rs.Fields(i).Value.trimmed();
        filas << std::move(fila);
    }
    rs.Close();
    arrayStaffing->SetArray(filas);
    arrayStaffing->Refresh();
}

void TPlazas::arrayStaffingChange(TControl*) {
    if (arrayStaffing->nLen() == 0) {
        grpDatos->lEnabled(false);
        return;
    }
    grpDatos->lEnabled(true);
    txtId->Value(arrayStaffing->GetValue(1));
    txtidPuesto->Value(arrayStaffing->GetValue(1));
    txtNombrePuesto->Value(arrayStaffing->GetValue(2));
    for (int i = 0; i < nCifras(); ++i)
        cifras.at(static_cast<std::size_t>(i))->Value(arrayStaffing->GetValue(3 + i));
}

void TPlazas::btnNuevoClick(TControl*) {
    grpDatos->lEnabled(true);
    txtId->Value(QString());
    txtidPuesto->Value(QString());
    txtNombrePuesto->Value(QString());
    for (int i = 0; i < nCifras(); ++i)
        cifras.at(static_cast<std::size_t>(i))->Value(QStringLiteral("0"));
    if (isVisible())
        txtidPuesto->SetFocus();
}

bool TPlazas::buscaPuesto(QString* nombre) {
    const QString codigo = txtidPuesto->Value();
    if (!SoloDigitos(codigo))
        return false;
    ado::Recordset rs;
    rs.Open(planeacion::SqlActividad(Empresa, codigo), CNX->Conexion());
    if (rs.Eof())
        return false;
    if (nombre)
        *nombre = rs.Fields(0).Value.toText();
    rs.Close();
    return true;
}

void TPlazas::txtidPuestoExit(TControl*, TControl*) {
    txtNombrePuesto->Value(QString());
    if (txtidPuesto->Value().trimmed().isEmpty())
        return;
    QString nombre;
    if (buscaPuesto(&nombre)) {
        txtNombrePuesto->Value(nombre);
    } else {
        MsgInfo(kNoExiste);
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
    ado::Recordset rs;
    rs.Open(planeacion::SqlExistePuesto(m_familia.tabla, eleccion(), txtidPuesto->Value()),
            CNX->Conexion());
    const bool existe = !rs.Eof();
    rs.Close();
    return existe;
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
    // Only a position of the tabulator is stored: the grid, which joins the tabulator, could
    // never show any other.
    if (!buscaPuesto(nullptr)) {
        MsgInfo(kNoExiste);
        txtidPuesto->Value(QString());
        return;
    }
    const bool nuevo = txtId->Value().isEmpty();
    if (nuevo && existePuesto()) {
        MsgInfo(QStringLiteral("El puesto ya ha sido agregado para ese centro de costos."));
        return;
    }
    if (cmbStaffing->cText().isEmpty() || cmbCentroCostos->cText().isEmpty() ||
        cmbGrupo->cText().isEmpty()) {
        MsgInfo(kFaltaEleccion);
        return;
    }
    const int fila = arrayStaffing->Bookmark();
    const QString puesto = txtidPuesto->Value();
    CNX->Ejecuta(
        nuevo
            ? planeacion::SqlInsertaPuesto(m_familia.tabla, eleccion(), puesto, textosCifras())
            : planeacion::SqlActualizaPuesto(m_familia.tabla, eleccion(), puesto, textosCifras()));
    MsgInfo(QStringLiteral("Datos guardados"));
    CargaPuestos();
    arrayStaffing->GoTo(fila);
    if (m_familia.nuevoTrasGuardar)
        btnNuevoClick();
}

void TPlazas::btnEliminarClick(TControl*) {
    if (!SeleccionCompleta()) {
        MsgInfo(kFaltaEleccion);
        return;
    }
    if (!SoloDigitos(txtidPuesto->Value())) {
        MsgInfo(kNoExiste);
        return;
    }
    if (!MsgNoYes(QStringLiteral("¿Seguro que desea eliminar el Puesto ") +
                  txtNombrePuesto->Value() + QStringLiteral("?")))
        return;
    CNX->Ejecuta(planeacion::SqlEliminaPuesto(m_familia.tabla, eleccion(), txtidPuesto->Value()));
    CargaPuestos();
    MsgInfo(QStringLiteral("Puesto Eliminado"));
}

void TPlazas::btnBusPuestoClick(TControl*) {
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
