#pragma once

#include <QString>

// The statements that create the planning tables and add the later salary columns. Each one
// tests the catalogue first, so it may be sent again at any time without effect. The company
// chooser sends them in the order CreaTabla1..4, ActualizaTabla1, ActualizaTabla2.
namespace esquema {

QString CreaTabla1();       // staff_porcentaje
QString CreaTabla2();       // staff_reporte
QString CreaTabla3();       // staffing
QString CreaTabla4();       // staff_grupo
QString ActualizaTabla1();  // staff_reporte.sueldoOriginal
QString ActualizaTabla2();  // staff_reporte.sueldoReal

}  // namespace esquema
