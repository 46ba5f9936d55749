#include "planning/Planeacion.h"

#include "ado/AdoError.h"
#include "ado/Connection.h"
#include "ado/SqlLiteral.h"

#include <QRegularExpression>

#include <algorithm>

namespace planeacion {

QList<qint64> Totales(const QList<Entrada>& mostradas, int nCifras) {
    QList<qint64> totales(std::max(nCifras, 0), 0);
    for (const Entrada& e : mostradas) {
        for (qsizetype i = 0; i < totales.size() && i < e.cifras.size(); ++i) {
            bool ok = false;
            const qint64 v = e.cifras.at(i).trimmed().toLongLong(&ok);
            if (ok && v > 0)
                totales[i] += v;
        }
    }
    return totales;
}

namespace mensajes {
const QString kGuardado = QStringLiteral("Datos guardados");
const QString kMovido = QStringLiteral("Datos Guardados");
const QString kEliminado = QStringLiteral("Puesto Eliminado");
const QString kFaltaEleccion =
    QStringLiteral("Debe indicar un staffing, centro de costos y grupo para el puesto.");
const QString kNoExiste = QStringLiteral("El puesto no existe");
const QString kYaAgregado =
    QStringLiteral("El puesto ya ha sido agregado para ese centro de costos.");
const QString kCifraFuera =
    QStringLiteral("Las plazas deben ser un número entero de 0 a 99,999; no se guardó. Revise: %1");
const QString kNoSeGuardo = QStringLiteral(
    "El puesto ya no está registrado en este staffing, centro de costos y grupo; no se "
    "guardó nada.");
const QString kNoSeElimino =
    QStringLiteral("El puesto ya no estaba registrado; no se eliminó nada.");
const QString kExisteEnDestino = QStringLiteral("El puesto ya existe en el destino; no se movió.");
const QString kMismoDestino = QStringLiteral(
    "El destino es el mismo staffing, centro de costos y grupo del puesto; no se movió.");
const QString kNoSeMovio =
    QStringLiteral("El puesto ya no está registrado en su origen; no se movió.");
}  // namespace mensajes

bool CifraValida(const QString& texto) {
    static const QRegularExpression kDigitos(
        QStringLiteral("^\\s*\\d{1,%1}\\s*$").arg(kDigitosPlazas));
    return kDigitos.match(texto).hasMatch();
}

Planeacion::Planeacion(ado::Connection* conexion, Tabla tabla)
    : m_conexion(conexion), m_tabla(tabla) {}

ado::Connection& Planeacion::conexion() const {
    if (!m_conexion)
        throw ado::Error(
            QStringLiteral("Connection.Execute"),
            QStringLiteral("There is no open connection to execute the statement on."));
    return *m_conexion;
}

long long Planeacion::cambia(const QString& sql) const {
    ado::Recordset rs;
    rs.Open(sql + QStringLiteral("\r\n") + SqlFilasAfectadas(), &conexion());
    return rs.Eof() ? 0 : rs.Fields(0).Value.toInt();
}

QList<Entrada> Planeacion::Entradas(const Eleccion& e) const {
    ado::Recordset rs;
    rs.Open(SqlPuestos(m_tabla, e), &conexion());
    QList<Entrada> entradas;
    for (; !rs.Eof(); rs.MoveNext()) {
        Entrada x{rs.Fields(0).Value.trimmed(), rs.Fields(1).Value.trimmed(), {}};
        for (int i = 0; i < nCifras(); ++i)
            x.cifras << rs.Fields(2 + i).Value.trimmed();
        entradas << std::move(x);
    }
    return entradas;
}

std::optional<QString> Planeacion::NombrePuesto(const QString& empresa,
                                                const QString& puesto) const {
    if (!IsWholeNumber(puesto))
        return std::nullopt;
    ado::Recordset rs;
    rs.Open(SqlActividad(empresa, puesto), &conexion());
    if (rs.Eof())
        return std::nullopt;
    return rs.Fields(0).Value.toText();
}

bool Planeacion::Existe(const Eleccion& e, const QString& puesto) const {
    ado::Recordset rs;
    rs.Open(SqlExistePuesto(m_tabla, e, puesto), &conexion());
    return !rs.Eof();
}

std::optional<QString> Planeacion::rechazoCifras(const QStringList& cifras) const {
    QStringList malas;
    for (const QString& c : cifras)
        if (!CifraValida(c))
            malas << (c.size() > 12 ? c.left(12) + QStringLiteral("…") : c);
    if (cifras.size() != nCifras())
        malas << QStringLiteral("%1 de %2 cifras").arg(cifras.size()).arg(nCifras());
    if (malas.isEmpty())
        return std::nullopt;
    return mensajes::kCifraFuera.arg(malas.join(QStringLiteral(", ")));
}

Resultado Planeacion::Agrega(const Eleccion& e, const QString& puesto,
                             const QStringList& cifras) const {
    if (!e.Completa())
        return Resultado::Rechazo(mensajes::kFaltaEleccion);
    if (!NombrePuesto(e.empresa, puesto))
        return Resultado::Rechazo(mensajes::kNoExiste);
    if (Existe(e, puesto))
        return Resultado::Rechazo(mensajes::kYaAgregado);
    if (const auto rechazo = rechazoCifras(cifras))
        return Resultado::Rechazo(*rechazo);
    if (cambia(SqlInsertaPuesto(m_tabla, e, puesto, cifras)) < 1)
        return Resultado::Rechazo(mensajes::kNoSeGuardo);
    return Resultado::Hecho(mensajes::kGuardado);
}

Resultado Planeacion::Actualiza(const Eleccion& e, const QString& puesto,
                                const QStringList& cifras) const {
    if (!e.Completa())
        return Resultado::Rechazo(mensajes::kFaltaEleccion);
    if (!IsWholeNumber(puesto))
        return Resultado::Rechazo(mensajes::kNoExiste);
    if (const auto rechazo = rechazoCifras(cifras))
        return Resultado::Rechazo(*rechazo);
    if (cambia(SqlActualizaPuesto(m_tabla, e, puesto, cifras)) < 1)
        return Resultado::Rechazo(mensajes::kNoSeGuardo);
    return Resultado::Hecho(mensajes::kGuardado);
}

Resultado Planeacion::Elimina(const Eleccion& e, const QString& puesto) const {
    if (!e.Completa())
        return Resultado::Rechazo(mensajes::kFaltaEleccion);
    if (!IsWholeNumber(puesto))
        return Resultado::Rechazo(mensajes::kNoExiste);
    if (cambia(SqlEliminaPuesto(m_tabla, e, puesto)) < 1)
        return Resultado::Rechazo(mensajes::kNoSeElimino);
    return Resultado::Hecho(mensajes::kEliminado);
}

Resultado Planeacion::Mueve(const Eleccion& de, const Eleccion& a, const QString& puesto) const {
    if (!de.Completa() || !a.Completa() || !IsWholeNumber(puesto))
        return Resultado::Rechazo(mensajes::kFaltaEleccion);
    // Keys compare as the statements read them: numbers by value, centre codes trimmed and
    // without regard to letter case (a char(15) column, compared as the server does).
    const auto misma = [](const Eleccion& x, const Eleccion& y) {
        return SqlWholeNumber(x.staffing) == SqlWholeNumber(y.staffing) &&
               SqlWholeNumber(x.grupo) == SqlWholeNumber(y.grupo) &&
               x.centro.trimmed().compare(y.centro.trimmed(), Qt::CaseInsensitive) == 0;
    };
    if (misma(de, a))
        return Resultado::Rechazo(mensajes::kMismoDestino);
    if (Existe(a, puesto))
        return Resultado::Rechazo(mensajes::kExisteEnDestino);
    if (cambia(SqlCambiaPuesto(m_tabla, a, de, puesto)) < 1)
        return Resultado::Rechazo(mensajes::kNoSeMovio);
    return Resultado::Hecho(mensajes::kMovido);
}

}  // namespace planeacion
