#include "data/EsquemaPronostico.h"

namespace esquema {

// staff_pronostico: the occupancy forecast of a plan, one percentage per month of a year
QString CreaTablaPronostico() {
    return QStringLiteral(
        " if not exists (select * from dbo.sysobjects  where id = "
        "object_id(N'[dbo].[staff_pronostico]')  and OBJECTPROPERTY(id, N'IsUserTable') = 1)   "
        "CREATE TABLE [dbo].[staff_pronostico](      [empresa] [numeric](3, 0) NOT NULL,      "
        "[idstaffing] [bigint] NOT NULL,      [anio] [int] NOT NULL,      [mes] [int] NOT NULL, "
        "     [porcentaje] [decimal](4, 1) NOT NULL,    CONSTRAINT [PK_staff_pronostico] "
        "PRIMARY KEY CLUSTERED    (      [empresa] ASC,      [idstaffing] ASC,      [anio] ASC, "
        "     [mes] ASC   )   ) ON [PRIMARY]");
}

}  // namespace esquema
