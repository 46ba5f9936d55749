#pragma once

// A whole plan as the planner's tools move it: the entries of both tables, each under its
// key within the plan (cost centre, group, position), and the company's catalogues that name
// the keys.

#include "planning/ConsultasPlaneacion.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace planeacion {

// The highest figure an entry may hold (five digits; the columns are int).
inline constexpr int kCifraMaxima = 99999;

int CifrasDe(Tabla tabla);  // 20 / 12
// The figures' headings in a workbook or CSV file: "5" ... "100" / "Enero" ... "Diciembre".
const QStringList& EncabezadosCifras(Tabla tabla);
QString NombreHoja(Tabla tabla);  // "Porcentaje" / "Mes"

// Cost-centre codes are compared trimmed (the column is char(15)).
struct ClaveEntrada {
    QString centro;
    qint64 grupo = 0;
    qint64 puesto = 0;
    bool operator==(const ClaveEntrada&) const = default;
    bool operator<(const ClaveEntrada& o) const {
        if (centro != o.centro)
            return centro < o.centro;
        return grupo != o.grupo ? grupo < o.grupo : puesto < o.puesto;
    }
};

struct EntradaClave {
    ClaveEntrada clave;
    std::vector<int> cifras;
};

struct EntradasPlan {
    std::vector<EntradaClave> porcentaje;
    std::vector<EntradaClave> mes;
    std::vector<EntradaClave>& De(Tabla t) { return t == Tabla::Porcentaje ? porcentaje : mes; }
    const std::vector<EntradaClave>& De(Tabla t) const {
        return t == Tabla::Porcentaje ? porcentaje : mes;
    }
};

// One item of a catalogue: its key as text (a centre code trimmed, a group or position number
// in digits) and its name.
struct ElementoCatalogo {
    QString clave;
    QString nombre;
};

struct Catalogos {
    std::vector<ElementoCatalogo> centros;
    std::vector<ElementoCatalogo> grupos;
    std::vector<ElementoCatalogo> puestos;
};

}  // namespace planeacion
