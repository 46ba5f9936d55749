#pragma once

// The forecast a form shows, without widgets: the plan and year its boxes were loaded from,
// the figures loaded (or last saved), and whether the boxes now show something else. A form
// keeps one, asks it before the plan or the year changes or the form closes, and saves what
// the boxes show under the plan and year they were loaded from.

#include "planning/pronostico/Pronostico.h"

#include <QString>

#include <array>
#include <optional>

namespace pronostico {

// The twelve boxes' texts, January first.
using TextosMeses = std::array<QString, kMeses>;

class EdicionPronostico {
  public:
    // The boxes hold the forecast `meses` of plan `staffing` (empty: none chosen) for `anio`
    // (nothing: no valid year).
    void Carga(const QString& staffing, std::optional<int> anio, const Meses& meses);

    const QString& staffing() const { return m_staffing; }
    std::optional<int> anio() const { return m_anio; }
    const Meses& cargados() const { return m_meses; }
    // A plan and a year: there is a forecast to save.
    bool Elegida() const { return !m_staffing.isEmpty() && m_anio.has_value(); }

    // Whether the boxes differ from the figures loaded: "62.5" and "62,5" are the loaded
    // 62,5 %, an empty box is a month without forecast, and a box that does not read as a
    // forecast is a change. Nothing is a change without a plan and a year.
    bool TieneCambios(const TextosMeses& textos) const;

  private:
    QString m_staffing;
    std::optional<int> m_anio;
    Meses m_meses{};
};

// The question before the boxes of plan `plan` (its name) and year `anio` are left.
QString PreguntaGuardarPronostico(const QString& plan, int anio);

}  // namespace pronostico
