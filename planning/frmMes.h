#pragma once

#include "planning/frmPlazas.h"

// Positions by month: for each position of a plan, cost centre and group, the places needed
// in each month, January to December (table staff_mes). After a save the panel keeps the row
// at the number selected before, loaded, instead of being emptied.
class TMes : public TPlazas {
    Q_OBJECT
  public:
    explicit TMes(TForm* parent = nullptr);

    static const FamiliaCifras& FamiliaMes();

    TEdit*& txtEne = cifras[0];
    TEdit*& txtfeb = cifras[1];
    TEdit*& txtMAr = cifras[2];
    TEdit*& txtAbr = cifras[3];
    TEdit*& txtMay = cifras[4];
    TEdit*& txtJun = cifras[5];
    TEdit*& txtJul = cifras[6];
    TEdit*& txtAgo = cifras[7];
    TEdit*& txtSep = cifras[8];
    TEdit*& txtOct = cifras[9];
    TEdit*& txtNov = cifras[10];
    TEdit*& txtDic = cifras[11];
};
