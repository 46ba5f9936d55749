#pragma once

#include "planning/frmPlazas.h"

// Positions by occupancy percentage: for each position of a plan, cost centre and group, the
// places needed at every occupancy level from 5 % to 100 % (table staff_porcentaje).
class TPuestos : public TPlazas {
    Q_OBJECT
  public:
    explicit TPuestos(TForm* parent = nullptr);

    static const FamiliaCifras& FamiliaPorcentaje();

    TEdit*& txt5 = cifras[0];
    TEdit*& txt10 = cifras[1];
    TEdit*& txt15 = cifras[2];
    TEdit*& txt20 = cifras[3];
    TEdit*& txt25 = cifras[4];
    TEdit*& txt30 = cifras[5];
    TEdit*& txt35 = cifras[6];
    TEdit*& txt40 = cifras[7];
    TEdit*& txt45 = cifras[8];
    TEdit*& txt50 = cifras[9];
    TEdit*& txt55 = cifras[10];
    TEdit*& txt60 = cifras[11];
    TEdit*& txt65 = cifras[12];
    TEdit*& txt70 = cifras[13];
    TEdit*& txt75 = cifras[14];
    TEdit*& txt80 = cifras[15];
    TEdit*& txt85 = cifras[16];
    TEdit*& txt90 = cifras[17];
    TEdit*& txt95 = cifras[18];
    TEdit*& txt100 = cifras[19];
};
