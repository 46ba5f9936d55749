#include "catalogs/BusStaffing.h"

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

TCatStaffing::TCatStaffing(TForm* parent) : TCatalogo(parent, FormaStaffing()) {}

void TCatStaffing::CreateForm() {
    TCatalogo::CreateForm();
    arrayPlantillas = lista();
    btEliminar = botonEliminar();
    txtIdStaffing = cajaClave();
    OnInitialize = Bind(this, &TCatStaffing::FormInitialize);
}

void TCatStaffing::CreaDatos(QWidget* panel, int top) {
    auto casilla = [&](int i, const char* texto) {
        auto* c = TCheckBox::New(panel);
        // Two columns of three: 1-3 on the left, 4-6 on the right.
        c->SetBounds(80 + (i / 3) * 130, top + 8 + (i % 3) * 30, 124, 24);
        c->cText(QString::fromUtf8(texto));
        c->Create();
        return c;
    };
    chkSemanal = casilla(0, "1.- Semanal");
    chkDecenal = casilla(1, "2.- Decenal");
    chkCatorcenal = casilla(2, "3.- Catorcenal");
    chkQuincenal = casilla(3, "4.- Quincenal");
    chkMensual = casilla(4, "5.- Mensual");
    chkEspecial = casilla(5, "6.- Especial");
}

std::array<TCatStaffing::Tipo, 6> TCatStaffing::Tipos() const {
    return {{{chkSemanal, QLatin1Char('S')},
             {chkDecenal, QLatin1Char('D')},
             {chkCatorcenal, QLatin1Char('C')},
             {chkQuincenal, QLatin1Char('Q')},
             {chkMensual, QLatin1Char('M')},
             {chkEspecial, QLatin1Char('E')}}};
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
}

void TCatStaffing::arrayPlantillasDblClick(TControl*, int, int, int) {
    Elige();
}

void TCatStaffing::btEliminarClick(TControl*) {
    Elimina();
}

QString TCatStaffing::armatipos() const {
    std::array<bool, 6> marcados{};
    const auto tipos = Tipos();
    for (std::size_t i = 0; i < tipos.size(); ++i)
        marcados[i] = tipos[i].casilla->lChecked();
    return catalogos::ArmaTipos(marcados);
}

bool TCatStaffing::ValidaTipo(const QString& tipo) const {
    return !tipo.isEmpty() && catalogos::TieneTipo(arrayPlantillas->GetValue(3), tipo.at(0));
}

void TCatStaffing::LimpiaDatos() {
    for (const Tipo& t : Tipos())
        t.casilla->lChecked(false);
}

void TCatStaffing::LlenaDatos() {
    for (const Tipo& t : Tipos())
        t.casilla->lChecked(ValidaTipo(t.letra));
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
