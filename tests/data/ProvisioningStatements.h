#pragma once

#include "data/EsquemaStaffing.h"

#include <QStringList>

// The six guarded statements that provision the planning tables, in the order in which the
// company chooser sends them.
inline QStringList ProvisioningStatements() {
    return {esquema::CreaTabla1(), esquema::CreaTabla2(),      esquema::CreaTabla3(),
            esquema::CreaTabla4(), esquema::ActualizaTabla1(), esquema::ActualizaTabla2()};
}
