#include "catalogs/BusGrupos.h"

namespace {

FormaCatalogo FormaGrupos() {
    return {.titulo = QStringLiteral("Grupos"),
            .ayuda = QStringLiteral("Dar doble clic sobre el grupo para seleccionarlo."),
            .anchoLista = 446,
            .anchoCompleto = 740,
            .columnas = {{"Clave", 60, 66}, {"Grupo", 330, 0}},
            .largoNombre = 50,
            .funcion = QStringLiteral("B"),
            .opciones = {QStringLiteral("B1"), QStringLiteral("B2"), QStringLiteral("B3")},
            .pregunta = QStringLiteral("Seguro que desea eliminar el grupo"),
            .eliminado = QStringLiteral("Grupo Eliminado")};
}

}  // namespace

TCatGrupo::TCatGrupo(TForm* parent) : TCatalogo(parent, FormaGrupos()) {}

void TCatGrupo::CreateForm() {
    TCatalogo::CreateForm();
    arraygrupo = lista();
    brnEliminar = botonEliminar();
    txtIdgrupo = cajaClave();
    OnInitialize = Bind(this, &TCatGrupo::FormInitialize);
}

void TCatGrupo::FormInitialize(TForm*) {
    const bool busqueda = muestra == QLatin1String("Cat");
    for (TBtnBmp* boton : {btnNuevo, btnModificar, brnEliminar})
        boton->lVisible(!busqueda);
    nTop(205);
    nLeft(busqueda ? 300 : 200);
    permisos();
    MuestraPanel(false);
    Carga();
}

void TCatGrupo::permisos() {
    AplicaPermisos();
}

void TCatGrupo::brnEliminarClick(TControl*) {
    Elimina();
}

void TCatGrupo::arraygrupoDblClick(TControl*, int, int, int) {
    Elige();
}

std::unique_ptr<catalogos::Catalogo> TCatGrupo::Nucleo() const {
    return std::make_unique<catalogos::CatalogoGrupos>(CNX, Empresa);
}
