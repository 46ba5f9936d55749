#include "planning/Selectores.h"

#include "ado/Connection.h"
#include "data/clsConexion.h"
#include "planning/ConsultasPlaneacion.h"

namespace {

constexpr int kAnchoClaveNumerica = 9;

}  // namespace

QString ItemSelector(const ado::Value& clave, const ado::Value& nombre, bool claveNumerica) {
    const QString textoClave = claveNumerica ? clave.rightAligned(kAnchoClaveNumerica) : clave.trimmed();
    return textoClave + QStringLiteral(" - ") + nombre.toText();
}

PartesItem PartesDe(const QString& item) {
    const qsizetype guion = item.indexOf(QLatin1Char('-'));
    if (guion < 0)
        return {QString(), item};
    QString clave = item.left(guion);
    while (clave.endsWith(QLatin1Char(' ')))
        clave.chop(1);
    return {clave, item.mid(guion + 1)};
}

PartesItem PartesElegidas(const TComboBox* lista) {
    const QString texto = lista->cText();
    const QVariant clave = lista->currentIndex() < 0 ? QVariant() : lista->currentData();
    if (!clave.isValid())
        return PartesDe(texto);
    // The item reads "<key> - <name>": the name follows the key and the hyphen.
    const QString k = clave.toString();
    return {k, texto.mid(k.size() + 2)};
}

SelectoresPlaneacion::Selector SelectoresPlaneacion::creaSelector(QWidget* parent,
                                                                  const QString& titulo,
                                                                  QPoint esquina,
                                                                  const QString& nombreLista) {
    Selector s{};
    s.marco = TGroupBox::New(parent);
    s.marco->SetBounds(esquina.x(), esquina.y(), kAnchoMarco, kAltoMarco);
    s.marco->cText(titulo);
    s.marco->Create();
    QWidget* const dentro = s.marco->widget();

    s.lista = TComboBox::New(dentro);
    s.lista->widget()->setObjectName(nombreLista);
    s.lista->SetBounds(10, 22, kAnchoMarco - 20, 22);
    s.lista->nStyle(1);
    s.lista->Create();

    s.rotuloClave = TLabel::New(dentro);
    s.rotuloClave->SetBounds(10, 54, 34, 16);
    s.rotuloClave->cText(QStringLiteral("Clave"));
    s.rotuloClave->Create();

    s.clave = TEdit::New(dentro);
    s.clave->SetBounds(46, 51, 74, 22);
    s.clave->lEnabled(false);
    s.clave->Create();

    s.rotuloNombre = TLabel::New(dentro);
    s.rotuloNombre->SetBounds(128, 54, 46, 16);
    s.rotuloNombre->cText(QStringLiteral("Nombre"));
    s.rotuloNombre->Create();

    s.nombre = TEdit::New(dentro);
    s.nombre->SetBounds(176, 51, kAnchoMarco - 186, 22);
    s.nombre->lEnabled(false);
    s.nombre->Create();
    return s;
}

void SelectoresPlaneacion::creaMarcos(QWidget* parent, Estilo estilo, QPoint plan, QPoint centro,
                                      QPoint grupo) {
    QString titulos[3];
    switch (estilo) {
        case Estilo::Planeacion:
            titulos[0] = QStringLiteral("1.- Seleccione el Staffing\r\n");
            titulos[1] = QStringLiteral("2.- Seleccione el Centro de Costos");
            titulos[2] = QStringLiteral("3.- Seleccione el Grupo");
            break;
        case Estilo::Cambio:
            titulos[0] = QStringLiteral("1.- Staffing");
            titulos[1] = QStringLiteral("2.- Centro de Costos");
            titulos[2] = QStringLiteral("3.- Seleccione el Grupo");
            break;
        case Estilo::Reportes:
            titulos[0] = QStringLiteral("Staffing");
            titulos[1] = QStringLiteral("Centro de Costos");
            titulos[2] = QStringLiteral("Grupo");
            break;
    }
    const Selector s = creaSelector(parent, titulos[0], plan, QStringLiteral("cmbStaffing"));
    oGroupBox4 = s.marco;
    cmbStaffing = s.lista;
    txtidStaffing = s.clave;
    txtNombreStaffing = s.nombre;
    oLabel1244 = s.rotuloClave;
    oLabel1241 = s.rotuloNombre;
    const Selector c = creaSelector(parent, titulos[1], centro, QStringLiteral("cmbCentroCostos"));
    oGroupBox1 = c.marco;
    cmbCentroCostos = c.lista;
    txtidCC = c.clave;
    txtNombreCC = c.nombre;
    oLabel1247 = c.rotuloClave;
    oLabel1248 = c.rotuloNombre;
    const Selector g = creaSelector(parent, titulos[2], grupo, QStringLiteral("cmbGrupo"));
    oGroupBox5 = g.marco;
    cmbGrupo = g.lista;
    txtidGRupo = g.clave;
    txtNombreGrupo = g.nombre;
    oLabel1249 = g.rotuloClave;
    oLabel1250 = g.rotuloNombre;

    if (estilo != Estilo::Reportes)
        return;
    const auto casillaSobre = [parent](TGroupBox* marco, const QString& texto) {
        auto* chk = TCheckBox::New(parent);
        const QRect r = marco->widget()->geometry();
        chk->SetBounds(r.left(), r.top() - 22, r.width(), 20);
        chk->cText(texto);
        chk->Create();
        marco->lEnabled(false);
        return chk;
    };
    chkStaffing = casillaSobre(oGroupBox4, QStringLiteral("Por Staffing"));
    chkCC = casillaSobre(oGroupBox1, QStringLiteral("Por Centro de Costos"));
    chkGrupo = casillaSobre(oGroupBox5, QStringLiteral("Por Grupo"));
}

void SelectoresPlaneacion::carga(TComboBox* lista, const QString& sql, bool claveNumerica) {
    lista->aItems({});
    ado::Recordset rs;
    rs.Open(sql, CNX->Conexion());
    if (rs.Eof())
        return;
    rs.MoveFirst();
    QStringList items;
    QStringList claves;
    for (; !rs.Eof(); rs.MoveNext()) {
        const ado::Value clave = rs.Fields(0).Value;
        // A row without a key cannot be chosen meaningfully; one without a name is listed
        // with an empty name.
        if (clave.isNull() || clave.trimmed().isEmpty())
            continue;
        items << ItemSelector(clave, rs.Fields(1).Value, claveNumerica);
        claves << (claveNumerica ? clave.rightAligned(0) : clave.trimmed());
    }
    rs.Close();
    lista->aItems(items);
    for (int i = 0; i < claves.size(); ++i)
        lista->setItemData(i, claves.at(i));
}

void SelectoresPlaneacion::CargaStaffing() {
    carga(cmbStaffing, planeacion::SqlStaffing(Empresa), true);
}

void SelectoresPlaneacion::CargaDepartamento() {
    carga(cmbCentroCostos, planeacion::SqlCentros(Empresa), false);
}

void SelectoresPlaneacion::CargaGrupos() {
    carga(cmbGrupo, planeacion::SqlGrupos(Empresa), true);
}

void SelectoresPlaneacion::cambia(TComboBox* lista, TEdit* clave, TEdit* nombre, QString& valor,
                                  int& indice) {
    if (m_revirtiendo)
        return;
    if (!AceptaCambio()) {
        // Back to the item accepted before; the list announces it, and that is ignored here.
        m_revirtiendo = true;
        lista->setCurrentIndex(indice);
        m_revirtiendo = false;
        return;
    }
    indice = lista->currentIndex();
    const PartesItem partes = PartesElegidas(lista);
    valor = partes.clave;
    clave->Value(partes.clave);
    // The name box shows the name as it follows the hyphen, its leading blank included
    // (Value would keep it too, but drops trailing blanks: the text is set as it stands).
    nombre->setText(partes.nombre);
    SeleccionCambiada();
}

void SelectoresPlaneacion::cmbStaffingChange(TControl*, int, int) {
    cambia(cmbStaffing, txtidStaffing, txtNombreStaffing, m_staffing, m_iStaffing);
}

void SelectoresPlaneacion::cmbCentroCostosChange(TControl*, int, int) {
    cambia(cmbCentroCostos, txtidCC, txtNombreCC, m_centro, m_iCentro);
}

void SelectoresPlaneacion::cmbGrupoChange(TControl*, int, int) {
    cambia(cmbGrupo, txtidGRupo, txtNombreGrupo, m_grupo, m_iGrupo);
}

planeacion::Eleccion SelectoresPlaneacion::EleccionActual() const {
    return {Empresa, m_staffing, m_centro, m_grupo};
}

bool SelectoresPlaneacion::SeleccionCompleta() const {
    return EleccionActual().Completa();
}

void SelectoresPlaneacion::Preselecciona(const QString& staffing, const QString& cc,
                                         const QString& grupo) {
    // An empty text would match every item: it chooses nothing.
    const auto elige = [](TComboBox* lista, const QString& texto) {
        if (!texto.isEmpty())
            lista->SelectString(texto);
    };
    elige(cmbStaffing, staffing);
    elige(cmbCentroCostos, cc.trimmed());
    elige(cmbGrupo, grupo.trimmed());
}

void SelectoresPlaneacion::casilla(const TCheckBox* chk, TGroupBox* marco, TEdit* clave,
                                   TEdit* nombre, QString& valor) {
    const bool marcada = chk->lChecked();
    marco->lEnabled(marcada);
    clave->lEnabled(!marcada);
    nombre->lEnabled(!marcada);
    if (!marcada) {
        clave->Value(QString());
        nombre->Value(QString());
        valor.clear();
    }
}

void SelectoresPlaneacion::chkStaffingChange(TControl*) {
    casilla(chkStaffing, oGroupBox4, txtidStaffing, txtNombreStaffing, m_staffing);
}

void SelectoresPlaneacion::chkCCCChange(TControl*) {
    casilla(chkCC, oGroupBox1, txtidCC, txtNombreCC, m_centro);
}

void SelectoresPlaneacion::chkGrupoChange(TControl*) {
    casilla(chkGrupo, oGroupBox5, txtidGRupo, txtNombreGrupo, m_grupo);
}
