#include "planning/herramientas/CopiaDesdeCatalogo.h"

#include "data/clsConexion.h"
#include "planning/herramientas/OperacionesPlan.h"
#include "ui/Msg.h"

namespace planeacion {

CopiaHecha CopiaDesdeCatalogo(const std::shared_ptr<clsConexion>& cnx, const QString& empresa,
                              const QString& staffing, const catalogos::Datos& datos) {
    using catalogos::Resultado;
    const catalogos::CatalogoStaffing catalogo(cnx, empresa);
    const catalogos::Datos nuevo{catalogos::UnaLinea(datos.nombre), datos.tipos};
    if (const QString rechazo = catalogo.RevisaNombre(nuevo.nombre); !rechazo.isEmpty())
        return {Resultado::Rechazo(rechazo)};
    if (const QString pregunta = catalogo.PreguntaAntesDeGuardar(nuevo);
        !pregunta.isEmpty() && !MsgNoYes(pregunta))
        return {Resultado::Cancelado()};
    ado::Connection* const conexion = cnx->Conexion();
    if (!conexion)
        return {Resultado::Rechazo(QStringLiteral("No hay conexión con la base de datos."))};
    try {
        return {Resultado::Hecho(),
                CopiaPlan(*conexion, empresa, staffing, nuevo.nombre, nuevo.tipos)};
    } catch (const ErrorPlan& e) {
        return {Resultado::Rechazo(e.mensaje)};
    }
}

}  // namespace planeacion
