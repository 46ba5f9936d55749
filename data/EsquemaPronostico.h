#pragma once

#include <QString>

// The statement that creates the table of the occupancy forecasts, shaped as the others of
// the planning tables: it tests the catalogue first, so it may be sent at every opening of the
// company chooser without effect once the table is there.
namespace esquema {

QString CreaTablaPronostico();  // staff_pronostico

}  // namespace esquema
