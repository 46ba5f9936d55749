#pragma once

#include "ui/TCheckBox.h"

#include <QString>

#include <array>

class QWidget;

// The six payroll-type boxes of a plan ("1.- Semanal" ... "6.- Especial"), in two columns of
// three, as the plans catalogue and the copy dialog show them.
class CasillasTipos {
  public:
    // Builds the boxes in `panel`, the first column at `left`, from `top`.
    void Crea(QWidget* panel, int left, int top);
    // The payroll-type text of the ticked boxes ("S,M"; empty when none).
    QString Tipos() const;
    // Ticks the boxes whose letter the text holds, clears the others.
    void Marca(const QString& tipos);

    TCheckBox* casilla(std::size_t i) const { return m_casillas.at(i); }

  private:
    std::array<TCheckBox*, 6> m_casillas{};  // in the fixed order S, D, C, Q, M, E
};
