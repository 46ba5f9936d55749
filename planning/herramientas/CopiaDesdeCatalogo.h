#pragma once

// "Copiar" of the plans catalogue: the new plan's name and payroll types are checked as the
// catalogue checks a new plan's (the name taken as one line, not empty, Windows-1252, at most
// 150 characters, not another plan's of the company; a plan without payroll types asked
// first, No by default), then the whole plan is copied in one transaction (CopiaPlan).

#include "catalogs/NucleoCatalogo.h"

#include <QString>

#include <memory>

class clsConexion;

namespace planeacion {

struct CopiaHecha {
    catalogos::Resultado resultado;
    qint64 clave = 0;  // the new plan's key, when done
};

CopiaHecha CopiaDesdeCatalogo(const std::shared_ptr<clsConexion>& cnx, const QString& empresa,
                              const QString& staffing, const catalogos::Datos& datos);

}  // namespace planeacion
