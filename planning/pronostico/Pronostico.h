#pragma once

// The occupancy forecast of one plan and year: one percentage per month, or none ("sin
// pronóstico"), kept in staff_pronostico. The rules of a forecast box and of an imported
// figure, and the preview of an import before it is applied.
//
//   pronostico::Lectura l = pronostico::LeePorcentaje(u"62,5");  // l.decimas == 625
//   pronostico::AlmacenPronostico(cn).Guarda(empresa, "1", 2027, meses);

#include "planning/herramientas/PlanLibro.h"
#include "planning/pronostico/Regla.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace ado {
class Connection;
}

namespace pronostico {

inline constexpr int kMeses = 12;
inline constexpr int kAnioMinimo = 1900;
inline constexpr int kAnioMaximo = 9999;

// The forecast of the twelve months, January first, in tenths of a percent; nothing where a
// month has no forecast.
using Meses = std::array<std::optional<int>, kMeses>;

// "Enero" ... "Diciembre".
const QStringList& NombresMeses();

// What a forecast box or an imported cell holds. Empty text is a month without forecast;
// otherwise a percentage from 0 to 100 with at most one decimal, written with a point or a
// comma ("62,5" and "62.5" are both 62,5 %), blanks and one percent sign at the end allowed.
struct Lectura {
    bool valida = false;
    std::optional<int> decimas;  // nothing: without forecast
    QString mensaje;             // why it was refused
};
Lectura LeePorcentaje(QStringView texto);
extern const QString kPorcentajeInvalido;

// A forecast as the boxes show it: "62,5", "65", empty without one.
QString TextoPorcentaje(std::optional<int> decimas);
// The same in the statements and files: "62.5", "65.0".
QString DecimalPorcentaje(int decimas);

// The year of a forecast: four digits, kAnioMinimo .. kAnioMaximo.
std::optional<int> LeeAnio(QStringView texto);

// The month of an imported row: 1 .. 12, or its name in any letter case. Nothing otherwise.
std::optional<int> LeeMes(QStringView texto);

// An import of the twelve figures: rows of two cells (mes, ocupación), as a CSV file or a
// workbook's sheet reads, each with its line for the refusals ("Fila 3: ..."; rows given as
// bare cells are lines 1, 2, ...). A first row whose first cell reads "mes" is the heading.
// Empty rows are skipped. The preview lists the months that would change and every refused row;
// nothing may be applied while a row is refused.
struct CambioImportado {
    int mes = 0;  // 0 .. 11
    std::optional<int> antes;
    int despues = 0;
};
struct VistaImportacion {
    std::vector<CambioImportado> cambios;  // months whose figure the import changes
    QStringList errores;                   // "Fila 3: ..." for every refused row
    Meses resultado{};                     // the forecast after the import
    bool Aplicable() const { return errores.isEmpty(); }
};
VistaImportacion PreparaImportacion(const std::vector<planeacion::FilaLeida>& filas,
                                    const Meses& actual);
VistaImportacion PreparaImportacion(const std::vector<QStringList>& filas, const Meses& actual);

// Reads and writes the forecasts on one connection. Keys as the program holds them (the
// company key with its leading blanks, the plan key in digits); a key that is not a whole
// number, a year out of range or a figure outside 0 .. 100 % is refused with ado::Error
// before any statement is sent.
class AlmacenPronostico {
  public:
    explicit AlmacenPronostico(ado::Connection& cn) : m_cn(cn) {}
    Meses Lee(const QString& empresa, const QString& staffing, int anio);
    // Replaces the year's forecast with `meses` in one transaction: months without forecast
    // lose their row.
    void Guarda(const QString& empresa, const QString& staffing, int anio, const Meses& meses);
    // The same only while the year's rows still hold `antes` (what an import's preview read
    // with Lee); false, with nothing written, when someone else saved them since.
    bool Reemplaza(const QString& empresa, const QString& staffing, int anio, const Meses& antes,
                   const Meses& despues);

  private:
    ado::Connection& m_cn;
};

}  // namespace pronostico
