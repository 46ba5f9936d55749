#pragma once

// The planning core: the position entries of one plan, cost centre and group, read and
// written without any widget. The percentage and the month forms, the transfer dialog and
// the planner's tools call it; it links Qt Core and the database layer only.
//
//   planeacion::Planeacion p(cnx.Conexion(), planeacion::Tabla::Porcentaje);
//   const planeacion::Eleccion e{empresa, "2", "1300", "2"};
//   for (const planeacion::Entrada& x : p.Entradas(e)) ...
//   const planeacion::Resultado r = p.Agrega(e, "133", cifras);
//   if (!r) MsgInfo(r.mensaje);
//
// Every write reports whether a row was written: a success only when the connection counted
// one (its mensaje is the text the forms show: "Datos guardados", "Puesto Eliminado",
// "Datos Guardados"); otherwise a refusal whose mensaje says, in Spanish, why nothing was
// written. Foreseeable refusals (a choice not complete, a code outside the tabulator, an entry
// already there, a figure the column or the rule does not take, a transfer onto an entry) are
// found before any statement runs. Database failures are thrown as ado::Error.

#include "planning/ConsultasPlaneacion.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace ado {
class Connection;
}

namespace planeacion {

// Places a figure may hold: a whole number from 0 to kMaxPlazas.
inline constexpr int kMaxPlazas = 99999;
// Digits a figure box takes.
inline constexpr int kDigitosPlazas = 5;
bool CifraValida(const QString& texto);

// The messages the forms show, as the planner reads them.
namespace mensajes {
extern const QString kGuardado;       // "Datos guardados"
extern const QString kMovido;         // "Datos Guardados"
extern const QString kEliminado;      // "Puesto Eliminado"
extern const QString kFaltaEleccion;  // plan, centre or group not chosen
extern const QString kNoExiste;       // code not in the tabulator
extern const QString kYaAgregado;     // a new entry already stored
extern const QString kCifraFuera;     // figure out of 0 .. kMaxPlazas
extern const QString kNoSeGuardo;     // an update that found no entry
extern const QString kNoSeElimino;    // a delete that found no entry
extern const QString kExisteEnDestino;
extern const QString kMismoDestino;
extern const QString kNoSeMovio;  // a transfer that found no entry
}  // namespace mensajes

// The outcome of a write: done (mensaje is the success text) or refused (mensaje says why).
struct Resultado {
    bool hecho = false;
    QString mensaje;

    static Resultado Hecho(const QString& mensaje) { return {true, mensaje}; }
    static Resultado Rechazo(const QString& mensaje) { return {false, mensaje}; }
    explicit operator bool() const { return hecho; }
};

// One position entry as the grid shows it: code, tabulator name, figures in table order
// (each trimmed text).
struct Entrada {
    QString puesto;
    QString nombre;
    QStringList cifras;
};

// The sum of each of the first `nCifras` figure columns over the entries shown (the rows the
// grid's filter bar lets through): what the totals row under the grid reads. A figure that
// is not a whole number of places (0 or more) adds nothing.
QList<qint64> Totales(const QList<Entrada>& mostradas, int nCifras);

// The entries of one table (percentage or month) on one connection.
class Planeacion {
  public:
    // `conexion` may be null (connecting failed): every call then throws ado::Error.
    Planeacion(ado::Connection* conexion, Tabla tabla);

    Tabla tabla() const { return m_tabla; }
    int nCifras() const { return static_cast<int>(ColumnasDe(m_tabla).size()); }

    // Entries of a complete choice whose plan and position exist, in the server's order.
    QList<Entrada> Entradas(const Eleccion& e) const;
    // The name of a position in the company's tabulator; nothing when the code is not a
    // whole number or is not there.
    std::optional<QString> NombrePuesto(const QString& empresa, const QString& puesto) const;
    bool Existe(const Eleccion& e, const QString& puesto) const;

    // A new entry: the choice complete, the code in the tabulator and not yet in the choice,
    // nCifras() valid figures.
    Resultado Agrega(const Eleccion& e, const QString& puesto, const QStringList& cifras) const;
    // New figures for the entry `puesto` of the choice.
    Resultado Actualiza(const Eleccion& e, const QString& puesto, const QStringList& cifras) const;
    Resultado Elimina(const Eleccion& e, const QString& puesto) const;
    // Moves the entry `puesto` from `de` to `a` (same company), figures kept; refused when
    // `a` is `de` or already holds the position.
    Resultado Mueve(const Eleccion& de, const Eleccion& a, const QString& puesto) const;

  private:
    ado::Connection& conexion() const;
    // Runs a change and gives the rows it touched.
    long long cambia(const QString& sql) const;
    std::optional<QString> rechazoCifras(const QStringList& cifras) const;

    ado::Connection* m_conexion;
    Tabla m_tabla;
};

}  // namespace planeacion
