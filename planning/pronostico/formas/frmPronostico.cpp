#include "planning/pronostico/formas/frmPronostico.h"

#include "catalogs/frmTipoStaff.h"
#include "data/clsConexion.h"
#include "planning/herramientas/ImportaPlan.h"
#include "planning/herramientas/PlanLibro.h"
#include "planning/pronostico/ArchivoPronostico.h"
#include "planning/pronostico/PlanMensual.h"
#include "planning/pronostico/formas/VistaPrevia.h"
#include "security/CLSUSUARIO.h"
#include "ui/Msg.h"

#include <QDate>
#include <QFileDialog>

namespace {

constexpr int kMargen = 12;
constexpr int kAncho = 760;
constexpr int kAnchoCaja = 48;
constexpr int kPasoCaja = 60;
const QString kSistema = QStringLiteral("ST");
const QString kFuncion = QStringLiteral("C");

QString Mostrado(const std::optional<int>& decimas) {
    return decimas ? pronostico::TextoPorcentaje(decimas) : pronostico::kSinPronostico;
}

}  // namespace

void TPronostico::CreateForm() {
    TForm::CreateForm();
    cText(QStringLiteral("Pronóstico de ocupación"));
    nBorderStyle = 1;
    lModal = true;
    nFormType = 2;
    SetClientSize(kAncho, 404);

    CreaSelectores(this, this, Estilo::Cambio, {kMargen, kMargen}, {kMargen, 500}, {kMargen, 600});
    oGroupBox1->lVisible(false);  // the forecast is the plan's, for every centre and group
    oGroupBox5->lVisible(false);

    const int xAnio = kMargen + kAnchoMarco + 24;
    lblAnio = TLabel::New(this);
    lblAnio->SetBounds(xAnio, kMargen + 30, 40, 20);
    lblAnio->cText(QStringLiteral("Año"));
    lblAnio->Create();
    txtAnio = TEdit::New(this);
    txtAnio->setObjectName(QStringLiteral("txtAnio"));
    txtAnio->SetBounds(xAnio + 44, kMargen + 28, 64, 24);
    txtAnio->nMaxLength(4);
    txtAnio->lNumeric(true);
    txtAnio->Value(QString::number(QDate::currentDate().year() + 1));
    txtAnio->OnExit = Bind(this, &TPronostico::txtAnioExit);
    txtAnio->Create();

    const int yMeses = kMargen + kAltoMarco + 12;
    grpMeses = TGroupBox::New(this);
    grpMeses->SetBounds(kMargen, yMeses, kAncho - 2 * kMargen, 110);
    grpMeses->cText(QStringLiteral("Ocupación pronosticada de cada mes (%)"));
    grpMeses->Create();
    for (int m = 0; m < pronostico::kMeses; ++m) {
        const int x = 14 + m * kPasoCaja;
        auto* l = TLabel::New(grpMeses->widget());
        l->SetBounds(x, 26, kAnchoCaja + 8, 20);
        l->cText(pronostico::NombresMeses()[m].left(3));
        l->Create();
        lblMeses[static_cast<std::size_t>(m)] = l;
        auto* t = TEdit::New(grpMeses->widget());
        t->setObjectName(QStringLiteral("txt") + pronostico::NombresMeses()[m]);
        t->SetBounds(x, 48, kAnchoCaja, 24);
        t->nMaxLength(8);
        t->nAlignment(2);
        t->OnExit = Bind(this, &TPronostico::txtMesExit);
        t->Create();
        txtMeses[static_cast<std::size_t>(m)] = t;
    }
    lblSinPronostico = TLabel::New(grpMeses->widget());
    lblSinPronostico->SetBounds(14, 80, kAncho - 60, 20);
    lblSinPronostico->cText(
        QStringLiteral("Una caja vacía es un mes sin pronóstico: no planea plazas ni cuesta nada. "
                       "\"62,5\" se lee 62,5 %."));
    lblSinPronostico->Create();

    const int yRegla = yMeses + 122;
    grpRegla = TGroupBox::New(this);
    grpRegla->SetBounds(kMargen, yRegla, kAncho - 2 * kMargen, 84);
    grpRegla->cText(QStringLiteral("Regla para pasar del pronóstico a las plazas"));
    grpRegla->Create();
    optSuperior = TRadio::New(grpRegla->widget());
    optSuperior->SetBounds(14, 24, kAncho - 60, 22);
    optSuperior->cText(
        QStringLiteral("Por nivel: el nivel del plan igual o superior al "
                       "pronóstico (62 % usa la columna de 65 %)"));
    optSuperior->Create();
    optSuperior->lChecked(true);
    optInterpolado = TRadio::New(grpRegla->widget());
    optInterpolado->SetBounds(14, 50, kAncho - 60, 22);
    optInterpolado->cText(
        QStringLiteral("Interpolado: línea recta entre los dos niveles "
                       "vecinos, redondeada hacia arriba"));
    optInterpolado->Create();

    const int yBotones = yRegla + 98;
    const auto boton = [this, yBotones](int x, int ancho, const QString& texto,
                                        const QString& imagen, ClickEvent clic) {
        return TBtnBmp::Make(this, {x, yBotones, ancho, 40}, texto, imagen, std::move(clic));
    };
    btnGuardar = boton(kMargen, 120, QStringLiteral("Guardar"), QStringLiteral("editar"),
                       Bind(this, &TPronostico::btnGuardarClick));
    btnImportar = boton(kMargen + 130, 120, QStringLiteral("Importar"), QStringLiteral("refresh"),
                        Bind(this, &TPronostico::btnImportarClick));
    btnGenerar = boton(kMargen + 260, 200, QStringLiteral("Generar plan mensual"),
                       QStringLiteral("angulo2"), Bind(this, &TPronostico::btnGenerarClick));
    btnSalir = boton(kAncho - kMargen - 120, 120, QStringLiteral("Salir"),
                     QStringLiteral("puertasalida"), Bind(this, &TPronostico::btnSalirClick));

    EligeArchivo = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Importar pronóstico"), {},
                                            QStringLiteral("Libros de Excel y CSV (*.xlsx *.csv)"));
    };
    Center();
    OnInitialize = Bind(this, &TPronostico::FormInitialize);
}

void TPronostico::FormInitialize(TForm*) {
    Permisos();
    CargaStaffing();
}

void TPronostico::Permisos() {
    const auto tiene = [this](const char* opcion) {
        return objUsuario &&
               objUsuario->TienePermiso(kSistema, kFuncion, QString::fromLatin1(opcion));
    };
    m_escritura = tiene("C1") || tiene("C2");
    for (TControl* b : std::initializer_list<TControl*>{btnGuardar, btnImportar, btnGenerar})
        b->lEnabled(m_escritura);
    for (TEdit* t : txtMeses)
        t->setReadOnly(!m_escritura);
}

bool TPronostico::eleccionValida(int& anio) {
    if (EleccionActual().staffing.isEmpty()) {
        MsgInfo(QStringLiteral("Debe indicarse el Staffing"));
        return false;
    }
    const std::optional<int> a = pronostico::LeeAnio(txtAnio->Value());
    if (!a) {
        MsgInfo(QStringLiteral("El año debe tener cuatro cifras, de %1 a %2")
                    .arg(pronostico::kAnioMinimo)
                    .arg(pronostico::kAnioMaximo));
        return false;
    }
    anio = *a;
    return true;
}

void TPronostico::muestra(const pronostico::Meses& meses) {
    for (std::size_t m = 0; m < txtMeses.size(); ++m) {
        m_aceptados[m] = pronostico::TextoPorcentaje(meses[m]);
        txtMeses[m]->Value(m_aceptados[m]);
    }
}

pronostico::TextosMeses TPronostico::textos() const {
    pronostico::TextosMeses t;
    for (std::size_t m = 0; m < txtMeses.size(); ++m)
        t[m] = txtMeses[m]->text();
    return t;
}

void TPronostico::CargaPronostico() {
    const QString staffing = EleccionActual().staffing;
    const std::optional<int> anio = pronostico::LeeAnio(txtAnio->Value());
    ado::Connection* cn = CNX ? CNX->Conexion() : nullptr;
    pronostico::Meses meses{};
    if (!staffing.isEmpty() && anio && cn)
        meses = pronostico::AlmacenPronostico(*cn).Lee(Empresa, staffing, *anio);
    m_edicion.Carga(staffing, anio, meses);
    muestra(meses);
}

bool TPronostico::guardaCajas() {
    const std::optional<pronostico::Meses> meses = MesesDeCajas();
    ado::Connection* cn = CNX ? CNX->Conexion() : nullptr;
    if (!meses || !cn || !m_edicion.Elegida())
        return false;
    pronostico::AlmacenPronostico(*cn).Guarda(Empresa, m_edicion.staffing(), *m_edicion.anio(),
                                              *meses);
    m_edicion.Carga(m_edicion.staffing(), m_edicion.anio(), *meses);
    muestra(*meses);
    return true;
}

bool TPronostico::AceptaCambio() {
    if (!m_escritura || !m_edicion.TieneCambios(textos()))
        return true;
    // The name box still shows the plan of the boxes while the list may show the next one.
    const QString plan = txtNombreStaffing->text();
    return MsgMayLeaveUnsaved(pronostico::PreguntaGuardarPronostico(plan, *m_edicion.anio()),
                              [this] { return guardaCajas(); });
}

void TPronostico::txtAnioExit(TControl*, TControl*) {
    const std::optional<int> anio = pronostico::LeeAnio(txtAnio->Value());
    const auto vuelve = [this] {
        if (m_edicion.anio())
            txtAnio->Value(QString::number(*m_edicion.anio()));
    };
    if (!anio && !txtAnio->Value().trimmed().isEmpty()) {
        MsgInfo(QStringLiteral("El año debe tener cuatro cifras, de %1 a %2")
                    .arg(pronostico::kAnioMinimo)
                    .arg(pronostico::kAnioMaximo));
        vuelve();
        return;
    }
    if (anio == m_edicion.anio() && EleccionActual().staffing == m_edicion.staffing())
        return;
    if (!AceptaCambio()) {
        vuelve();
        return;
    }
    CargaPronostico();
}

void TPronostico::txtMesExit(TControl* sender, TControl*) {
    for (std::size_t m = 0; m < txtMeses.size(); ++m) {
        if (txtMeses[m] != sender)
            continue;
        const pronostico::Lectura l = pronostico::LeePorcentaje(txtMeses[m]->text());
        if (!l.valida) {
            MsgInfo(l.mensaje);
        } else {
            m_aceptados[m] = pronostico::TextoPorcentaje(l.decimas);
        }
        txtMeses[m]->Value(m_aceptados[m]);
    }
}

std::optional<pronostico::Meses> TPronostico::MesesDeCajas() {
    pronostico::Meses meses{};
    for (std::size_t m = 0; m < txtMeses.size(); ++m) {
        const pronostico::Lectura l = pronostico::LeePorcentaje(txtMeses[m]->text());
        if (!l.valida) {
            MsgInfo(pronostico::NombresMeses()[static_cast<int>(m)] + QStringLiteral(": ") +
                    l.mensaje);
            return std::nullopt;
        }
        meses[m] = l.decimas;
    }
    return meses;
}

pronostico::Regla TPronostico::ReglaElegida() const {
    return optInterpolado->lChecked() ? pronostico::Regla::Interpolado
                                      : pronostico::Regla::Superior;
}

void TPronostico::btnGuardarClick(TControl*) {
    int anio = 0;
    if (!m_escritura || !eleccionValida(anio))
        return;
    if (guardaCajas())
        MsgInfo(QStringLiteral("Datos guardados"));
}

void TPronostico::btnImportarClick(TControl*) {
    int anio = 0;
    if (!m_escritura || !eleccionValida(anio) || !AceptaCambio())
        return;
    // The preview compares the file with the stored forecast, read now; the boxes show it.
    CargaPronostico();
    const pronostico::Meses actual = m_edicion.cargados();
    const QString ruta = EligeArchivo ? EligeArchivo() : QString();
    if (ruta.isEmpty())
        return;
    std::vector<planeacion::FilaLeida> filas;
    try {
        filas = pronostico::LeeArchivoPronostico(ruta);
    } catch (const planeacion::ErrorArchivo& e) {
        MsgInfo(e.mensaje);
        return;
    }
    const pronostico::VistaImportacion vista = pronostico::PreparaImportacion(filas, actual);
    const auto previa = TForm::NewModal<TVistaPrevia>(this, [&](TVistaPrevia& v) {
        v.cTitulo = QStringLiteral("Importar pronóstico");
        v.aEncabezados = {QStringLiteral("Mes"), QStringLiteral("Antes"),
                          QStringLiteral("Después")};
        for (const pronostico::CambioImportado& c : vista.cambios)
            v.aFilas.append({pronostico::NombresMeses()[c.mes], Mostrado(c.antes),
                             pronostico::TextoPorcentaje(c.despues)});
        for (const QString& e : vista.errores)
            v.aFilas.append({e, QString(), QString()});
        v.lAplicable = vista.Aplicable() && !vista.cambios.empty();
        v.cResumen =
            vista.Aplicable()
                ? QStringLiteral("%1 meses cambian; los demás quedan como están.")
                      .arg(vista.cambios.size())
                : QStringLiteral("%1 filas no valen: corrija el archivo; no se importa nada.")
                      .arg(vista.errores.size());
    });
    previa->ShowModal();
    ado::Connection* cn = CNX->Conexion();
    if (!previa->lAplicado || !cn)
        return;
    if (!pronostico::AlmacenPronostico(*cn).Reemplaza(Empresa, m_edicion.staffing(), anio, actual,
                                                      vista.resultado)) {
        MsgInfo(planeacion::kVistaCaducada);
        CargaPronostico();  // what is stored now
        return;
    }
    m_edicion.Carga(m_edicion.staffing(), anio, vista.resultado);
    muestra(vista.resultado);
    MsgInfo(QStringLiteral("Pronóstico importado: %1 meses").arg(vista.cambios.size()));
}

void TPronostico::btnGenerarClick(TControl*) {
    int anio = 0;
    if (!m_escritura || !eleccionValida(anio))
        return;
    const std::optional<pronostico::Meses> cajas = MesesDeCajas();
    ado::Connection* cn = CNX->Conexion();
    if (!cajas || !cn)
        return;
    // The month plan comes from the stored forecast: what the boxes show must be it.
    if (*cajas !=
        pronostico::AlmacenPronostico(*cn).Lee(Empresa, EleccionActual().staffing, anio)) {
        MsgInfo(QStringLiteral("Guarde el pronóstico antes de generar el plan mensual"));
        return;
    }
    pronostico::LectorPlan lector(*cn);
    pronostico::SolicitudPresupuesto s;
    s.empresa = Empresa;
    s.staffing = EleccionActual().staffing;
    s.anio = anio;
    s.regla = ReglaElegida();
    pronostico::VistaPlanMensual vista;
    if (const QString m = pronostico::PreparaPlanMensual(lector, s, vista); !m.isEmpty()) {
        MsgInfo(m);
        return;
    }
    if (vista.Vacia()) {
        MsgInfo(QStringLiteral("El plan mensual ya tiene estas cifras (%1 entradas)")
                    .arg(vista.iguales));
        return;
    }
    const auto cifras = [](const std::array<int, pronostico::kMeses>& c) {
        QStringList t;
        for (int x : c)
            t << QString::number(x);
        return t.join(QLatin1Char(' '));
    };
    const auto previa = TForm::NewModal<TVistaPrevia>(this, [&](TVistaPrevia& v) {
        v.cTitulo = QStringLiteral("Generar plan mensual");
        v.aEncabezados = {QStringLiteral("Cambio"), QStringLiteral("Centro"),
                          QStringLiteral("Grupo"), QStringLiteral("Puesto"),
                          QStringLiteral("Enero ... Diciembre")};
        for (const pronostico::EntradaMes& e : vista.agregar)
            v.aFilas.append({QStringLiteral("Nueva"), e.centro, QString::number(e.grupo),
                             QString::number(e.ocupacion), cifras(e.cifras)});
        for (const pronostico::CambioPlanMensual& c : vista.cambiar)
            v.aFilas.append({QStringLiteral("Cambia"), c.nueva.centro,
                             QString::number(c.nueva.grupo), QString::number(c.nueva.ocupacion),
                             cifras(c.actuales) + QStringLiteral(" → ") + cifras(c.nueva.cifras)});
        v.cResumen =
            QStringLiteral("%1 entradas nuevas, %2 que cambian, %3 sin cambio (regla: %4).")
                .arg(vista.agregar.size())
                .arg(vista.cambiar.size())
                .arg(vista.iguales)
                .arg(pronostico::NombreRegla(s.regla));
        if (!vista.cambiar.empty())
            v.cCasilla = QStringLiteral("Reemplazar las %1 entradas que ya existen y cambian")
                             .arg(vista.cambiar.size());
    });
    previa->ShowModal();
    if (!previa->lAplicado)
        return;
    const int escritas = pronostico::AplicaPlanMensual(lector, s, vista, previa->lMarcado);
    MsgInfo(QStringLiteral("Plan mensual generado: %1 entradas escritas").arg(escritas));
}

void TPronostico::btnSalirClick(TControl*) {
    if (AceptaCambio())
        Close();
}

void ConectaPronostico(TSeleccionaTipo& tipo) {
    tipo.AbrePronostico = [](const TSeleccionaTipo& t) {
        const auto forma = TForm::NewModal<TPronostico>(nullptr, [&t](TPronostico& f) {
            f.CNX = t.CNX;
            f.Empresa = t.Empresa;
            f.NombreEmpresa = t.NombreEmpresa;
            f.objUsuario = t.objUsuario;
        });
        forma->ShowModal();
    };
}
