#pragma once

// The statements of the reports form and the work-table loader of the comparative reports.
//
// A comparative report compares, for each planned entry (a position in a cost centre, plan
// and group), the places planned at a percentage or in a month with the active employees that
// the payroll holds there now: how many (`real`), the sum of their salaries (`sueldoReal`) and
// the position's guaranteed salary (`sueldoOriginal`). The rows of one run live in
// staff_reporte under the run's key.
//
// Two loaders fill the work table with the same rows:
//  - CargaTablaTemporal, set-based: one look-up of the plan's payroll types and one
//    INSERT ... SELECT, whatever the number of entries;
//  - CargaFilaPorFila, row by row: for each entry, the payroll types, the count, the salary
//    sum and the guaranteed salary asked one by one, then one insert. Kept as the reference
//    that the set-based loader is checked against.

#include "ado/Engine.h"
#include "ado/Value.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace ado {
class Connection;
}

namespace reportes {

// The six reports, in the order of the form's list.
const QStringList& ListaReportes();
inline const QStringList kPorcentajes = {"5",  "10", "15", "20", "25", "30", "35",
                                         "40", "45", "50", "55", "60", "65", "70",
                                         "75", "80", "85", "90", "95", "100"};
inline const QStringList kMeses = {"Enero",      "Febrero", "Marzo",     "Abril",
                                   "Mayo",       "Junio",   "Julio",     "Agosto",
                                   "Septiembre", "Octubre", "Noviembre", "Diciembre"};

// What the user asked for: a report of the list, the filters whose boxes are checked (an
// unchecked filter is an empty text), and the percentage or the month.
struct Solicitud {
    QString reporte;  // list text
    QString empresa;  // company key as the program holds it (leading blanks)
    bool porStaffing = false;
    bool porCC = false;
    bool porGrupo = false;
    QString staffing;  // key of the chosen plan
    QString centro;    // code of the chosen cost centre, as stored
    QString grupo;     // key of the chosen group
    QString porcentaje = QStringLiteral("5");
    QString mes = QStringLiteral("Enero");
    // The staffing budget only: its year and the name of its rule, as typed or chosen.
    QString anio;
    QString regla;
};

// The filter checks, in order; the message of the first one broken, or an empty text.
QString ValidaCheck(const Solicitud& s);
// The reports that take a percentage, and those that take a month.
bool PorPorcentaje(const QString& reporte);
bool PorMes(const QString& reporte);
// True for the four reports that compute their data into the work table.
bool EsComparativo(const QString& reporte);
// The first message that stops the report `s` before anything is read or written: the
// comparative reports demand a plan, then every report the filter checks. Empty when it
// may run. An unknown report text gives a message too.
QString Valida(const Solicitud& s);

// Payroll type number of one plan letter: S 1, D 2, C 3, Q 4, M 5, E 6, else 0.
QString obtenTN(const QString& tipo);
// The numbers of a stored list of plan letters ("S,Q" -> {"1", "4"}), in the stored order.
QStringList NumerosNomina(const QString& tiposNomina);
// The condition on ll.tiponom for a list of numbers. An empty list matches nobody.
QString CondicionNomina(const QStringList& numeros);

// How every comparison counts today's payroll of a planned entry: the joins that bring, for
// the entries under alias `entradas` (columns empresa, centro, ocupacion), the assignments
// (llaves ll) of the plan's payroll types and their employees (empleados e) that are neither
// deleted (borrado 'S') nor gone (ultmov 'B'); an entry without any keeps its row. Counted
// with kCuentaEmpleados and summed with kSumaSueldos (a NULL salary as 0).
QString SqlEmpleadosActuales(const QString& entradas, const QStringList& numerosNomina);
inline const QString kCuentaEmpleados = QStringLiteral("count(e.codigo)");
inline const QString kSumaSueldos = QStringLiteral("sum(isnull(e.sueldo,0))");

// The statements.
QString SqlTiposNomina(const QString& empresa, const QString& staffing);
QString SqlFuente(const Solicitud& s, const QString& campo, const QString& tabla);
QString SqlObtenReal(const QString& empresa, const QString& condicion, const QString& centro,
                     const QString& ocupacion);
QString SqlSueldoReal(const QString& empresa, const QString& condicion, const QString& centro,
                      const QString& ocupacion);
QString SqlSueldoOriginal(const QString& empresa, const QString& ocupacion);
QString SqlInsertaFila(const QString& clave, const QString& empresa, const QStringList& valores);
// A statement whose values travel apart from its text, as parameters @name.
struct Sentencia {
    QString sql;
    ado::Parameters parametros;
};
Sentencia SqlCargaConjunto(const Solicitud& s, const QString& clave, const QString& campo,
                           const QString& tabla, const QStringList& numerosNomina);
QString SqlBorraTablaTemporal(const QString& clave);

// The source column and table of a comparative report: v<percentage> of staff_porcentaje,
// or the month of staff_mes.
struct Fuente {
    QString campo;
    QString tabla;
};
Fuente FuenteDe(const Solicitud& s);

// A key for one run that no concurrent or earlier run holds (a UUID, 36 characters).
QString NuevaClave();

// The work-table loader of one request on one connection. `AlEnviar`, when set, is called
// before every statement sent (the benchmark counts and delays them).
class CargaReporte {
  public:
    CargaReporte(ado::Connection& cn, Solicitud s) : m_cn(cn), m_s(std::move(s)) {}

    void CargaTablaTemporal(const QString& cve, const QString& campo, const QString& tabla);
    void CargaFilaPorFila(const QString& cve, const QString& campo, const QString& tabla);
    void BorraTablaTemporal(const QString& cve);

    QString TipoNomina();
    QString ObtenReal(const QString& centro, const QString& ocupacion);
    QString SueldoReal(const QString& centro, const QString& ocupacion);
    QString SueldoOriginal(const QString& ocupacion);

    std::function<void()> AlEnviar;

  private:
    QStringList numerosDelPlan();
    std::vector<std::vector<ado::Value>> consulta(const QString& sql);
    void ejecuta(const QString& sql);
    void ejecuta(const Sentencia& sentencia);

    ado::Connection& m_cn;
    Solicitud m_s;
};

// The rows of one run in the work table: deleted when the object goes, whether the report
// was read or something failed on the way.
class TablaTemporal {
  public:
    TablaTemporal(ado::Connection& cn, QString clave) : m_cn(cn), m_clave(std::move(clave)) {}
    ~TablaTemporal();
    TablaTemporal(const TablaTemporal&) = delete;
    TablaTemporal& operator=(const TablaTemporal&) = delete;
    const QString& clave() const { return m_clave; }

  private:
    ado::Connection& m_cn;
    QString m_clave;
};

// One report ready to be read: its definition file, its parameters in order and, for the
// comparative ones, the work-table rows that it reads.
struct Corrida {
    QString archivo;  // reportes/<file>, from the working directory
    std::vector<std::pair<QString, ado::Value>> parametros;
    std::unique_ptr<TablaTemporal> datos;
};

// The first filter of `s` that names nothing in the database (the company, then the plan,
// the cost centre and the group whose boxes are checked), as the message a caller without
// lists (oxta-report) shows: "No existe el staffing 99 de la empresa 1". Empty when all
// exist. The keys must be whole numbers (Valida and the caller check that first).
QString VerificaFiltros(ado::Connection& cn, const Solicitud& s);
QString SqlExisteEmpresa(const QString& empresa);
QString SqlExisteStaffing(const QString& empresa, const QString& staffing);
QString SqlExisteCentro(const QString& empresa, const QString& centro);
QString SqlExisteGrupo(const QString& empresa, const QString& grupo);

// Checks the request (Valida) and, when it may run, fills `corrida`, loading the work table
// for a comparative report. Returns the message of a broken rule (nothing loaded), or an empty
// text. Database errors are thrown; rows already written go with `corrida`.
QString PreparaCorrida(ado::Connection& cn, const Solicitud& s, Corrida& corrida);

}  // namespace reportes
