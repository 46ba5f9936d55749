#pragma once

// The staffing budget of one plan and year: from the month's occupancy forecast and the plan's
// percentage entries, the places of every cost centre and position in each month and their
// cost (guaranteed salary x places), beside the employees and salaries the payroll holds
// today. A month without forecast plans nothing and costs nothing; it stays "sin pronóstico".
//
// Entries of several groups on one cost centre and position add up (each entry applies the
// rule on its own, as the generated month plan does). Amounts are in cents.
//
// Whatever the size of the plan and the payroll, the budget is read with four statements:
// the plan, its forecast, its percentage entries (with the tabulator) and today's payroll of
// its cost centres and positions.

#include "planning/pronostico/Pronostico.h"
#include "planning/pronostico/Regla.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

namespace ado {
class Connection;
class Value;
}  // namespace ado

namespace pronostico {

struct SolicitudPresupuesto {
    QString empresa;   // as the program holds it (leading blanks)
    QString staffing;  // plan key, digits
    int anio = 0;
    Regla regla = Regla::Superior;
    // Narrowed to the entries of one cost centre (code, trimmed) or group (key); empty: all.
    QString centro;
    QString grupo;
};

// One percentage entry of the plan as the budget and the month plan read it.
struct EntradaPorcentaje {
    QString centro;  // trimmed
    QString nombreCentro;
    qint64 grupo = 0;
    qint64 ocupacion = 0;
    QString puesto;       // tabulator name
    qint64 garantia = 0;  // cents; 0 without a tabulator row or with NULL
    CifrasPorcentaje cifras{};
};
// One row of SqlEntradasPorcentaje.
EntradaPorcentaje EntradaDeFila(const std::vector<ado::Value>& fila);

// The places of one entry in each month under the rule; 0 in months without forecast.
std::array<int, kMeses> PlazasPorMes(const CifrasPorcentaje& cifras, const Meses& pronostico,
                                     Regla regla);

// Sums of places and money over some rows.
struct Totales {
    std::array<int, kMeses> plazas{};
    std::array<qint64, kMeses> costo{};
    int real = 0;
    qint64 sueldoReal = 0;
    qint64 CostoAnual() const;
};

// One cost centre and position of the budget.
struct FilaPresupuesto {
    QString centro;
    QString nombreCentro;
    qint64 ocupacion = 0;
    QString puesto;
    qint64 garantia = 0;
    std::array<int, kMeses> plazas{};
    int real = 0;           // active employees today
    qint64 sueldoReal = 0;  // the sum of their salaries

    qint64 Costo(int mes) const { return garantia * plazas[static_cast<std::size_t>(mes)]; }
    qint64 CostoAnual() const;
};

struct Presupuesto {
    SolicitudPresupuesto solicitud;
    QString nombrePlan;
    Meses pronostico{};
    QDate plantillaAl;                   // the day today's payroll was read
    std::vector<FilaPresupuesto> filas;  // by cost centre, then position

    bool ConPronostico(int mes) const {
        return pronostico[static_cast<std::size_t>(mes)].has_value();
    }
    int MesesConPronostico() const;
    // The places of a row averaged over the months that have a forecast.
    double Promedio(const FilaPresupuesto& fila) const;
    Totales Total() const;
    // One subtotal per cost centre, in the order of the rows.
    std::vector<std::pair<QString, Totales>> SubtotalesPorCentro() const;
};

// One row of the budget's long form (its CSV): one cost centre, position and month. `porcentaje`
// is the forecast as the files write it ("62.5"), empty without one; money as "1234.50".
struct FilaLarga {
    QString centro;
    qint64 ocupacion = 0;
    int mes = 0;  // 1 .. 12
    QString porcentaje;
    int plazas = 0;
    QString costo;
    int real = 0;
    QString sueldoReal;
};
// The field names of the long form, in the order of FilaLarga.
const QStringList& CamposLargos();
std::vector<FilaLarga> FilasLargas(const Presupuesto& p);
// Cents as a plain decimal number: 123450 -> "1234.50".
QString Importe(qint64 centavos);

// "Plantilla actual al 08/12/2026".
QString TituloPlantilla(const QDate& fecha);
// The caption of a month without forecast.
extern const QString kSinPronostico;

// Refusals, as the form and oxta-report show them.
QString MensajeSinPlan(const QString& staffing);
QString MensajeSinPronostico(const QString& staffing, int anio);

// Reads what a budget needs on one connection. `AlEnviar`, when set, is called before every
// statement sent (the tests and the benchmark count them).
class LectorPlan {
  public:
    explicit LectorPlan(ado::Connection& cn) : m_cn(cn) {}

    // The plan's name and payroll types; false when the company has no such plan.
    bool Plan(const QString& empresa, const QString& staffing, QString& nombre, QString& tipos);
    Meses Pronostico(const QString& empresa, const QString& staffing, int anio);
    std::vector<EntradaPorcentaje> Entradas(const QString& empresa, const QString& staffing);
    std::vector<std::vector<ado::Value>> Consulta(const QString& sql);
    void Ejecuta(const QString& sql);

    std::function<void()> AlEnviar;

  private:
    ado::Connection& m_cn;
};

// Computes the budget that `s` asks for into `p`. Returns the message of a refusal (the
// plan does not exist, no month of the year has a forecast), or an empty text. Database
// failures are thrown as ado::Error.
QString CalculaPresupuesto(LectorPlan& lector, const SolicitudPresupuesto& s, Presupuesto& p);

}  // namespace pronostico
