#include "planning/EdicionPuesto.h"

namespace planeacion {

namespace mensajes {
const QString kNadaQueGuardar = QStringLiteral(
    "No hay un puesto en edición: presione Agregar o seleccione un puesto de la lista.");
const QString kOtraEleccion = QStringLiteral(
    "El puesto en edición pertenece a otro staffing, centro de costos o grupo; no se guardó.");
const QString kClaveCambiada = QStringLiteral(
    "La clave de un puesto registrado no se cambia; para otro puesto presione Agregar.");
const QString kCambiosSinGuardar = QStringLiteral(
    "El puesto en edición tiene cambios sin guardar, que se perderán. ¿Cambiar de selección?");

QString GuardarCambios(const QString& puesto) {
    if (puesto.trimmed().isEmpty())
        return QStringLiteral("¿Guardar el puesto nuevo?");
    return QStringLiteral("¿Guardar los cambios de %1?").arg(puesto.trimmed());
}
}  // namespace mensajes

namespace {

// A figure as it will be stored: an empty box is 0.
QString Cifra(const QString& texto) {
    const QString t = texto.trimmed();
    return t.isEmpty() ? QStringLiteral("0") : t;
}

}  // namespace

void EdicionPuesto::Vacia() {
    m_estado = Estado::Vacia;
    m_eleccion = {};
    m_clave.clear();
    m_puesto.clear();
    m_cifras.clear();
}

void EdicionPuesto::Nueva(const Eleccion& e) {
    m_estado = Estado::Nueva;
    m_eleccion = e;
    m_clave.clear();
    m_puesto.clear();
    m_cifras = QStringList(m_nCifras, QStringLiteral("0"));
}

void EdicionPuesto::Carga(const Eleccion& e, const Entrada& x) {
    m_estado = Estado::Cargada;
    m_eleccion = e;
    m_clave = x.puesto;
    m_puesto = x.puesto;
    m_cifras = x.cifras;
}

bool EdicionPuesto::TieneCambios(const QString& puesto, const QStringList& cifras) const {
    if (vacia())
        return false;
    if (puesto.trimmed() != m_puesto.trimmed() || cifras.size() != m_cifras.size())
        return true;
    for (qsizetype i = 0; i < cifras.size(); ++i)
        if (Cifra(cifras.at(i)) != Cifra(m_cifras.at(i)))
            return true;
    return false;
}

Resultado EdicionPuesto::Guarda(const Planeacion& p, const Eleccion& actual, const QString& puesto,
                                const QStringList& cifras) {
    if (vacia())
        return Resultado::Rechazo(mensajes::kNadaQueGuardar);
    if (!(m_eleccion == actual))
        return Resultado::Rechazo(mensajes::kOtraEleccion);
    QStringList guardar;
    for (const QString& c : cifras)
        guardar << Cifra(c);
    const QString codigo = puesto.trimmed();
    Resultado r;
    if (nueva()) {
        r = p.Agrega(m_eleccion, codigo, guardar);
    } else {
        if (codigo != m_clave.trimmed())
            return Resultado::Rechazo(mensajes::kClaveCambiada);
        r = p.Actualiza(m_eleccion, m_clave, guardar);
    }
    if (r)
        Carga(m_eleccion, {codigo, {}, guardar});
    return r;
}

Resultado EdicionPuesto::Elimina(const Planeacion& p, const Eleccion& rejilla,
                                 const QString& puesto) {
    const Resultado r = p.Elimina(rejilla, puesto.trimmed());
    if (r)
        Vacia();
    return r;
}

}  // namespace planeacion
