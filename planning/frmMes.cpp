#include "planning/frmMes.h"

const FamiliaCifras& TMes::FamiliaMes() {
    static const FamiliaCifras familia{
        planeacion::Tabla::Mes,
        {"txtEne", "txtfeb", "txtMAr", "txtAbr", "txtMay", "txtJun", "txtJul", "txtAgo", "txtSep",
         "txtOct", "txtNov", "txtDic"},
        {"oLabel17m", "oLabel5", "oLabel7", "oLabel12", "oLabel18", "oLabel1234", "oLabel8",
         "oLabel13", "oLabel21", "oLabel4", "oLabel19", "oLabel2"},
        {"Ene.", "Feb.", "Mar.", "Abr.", "May.", "Jun.", "Jul.", "Ago.", "Sep.", "Oct.", "Nov.",
         "Dic."},
        // The grid's September and October headers differ from the box labels.
        {"Ene.", "Feb.", "Mar.", "Abr.", "May.", "Jun.", "Jul.", "Ago.", "Sept.", "Oct", "Nov.",
         "Dic."},
        300,
        50,
        false,
        false};
    return familia;
}

TMes::TMes(TForm* parent) : TPlazas(parent, FamiliaMes()) {}
