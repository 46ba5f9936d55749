#pragma once

// The six guarded statements that provision the planning tables, exactly as the company
// chooser sends them, in its order.
namespace provisioning {

inline constexpr const char* CreaStaffPorcentaje =
    R"sql( if not exists (select * from dbo.sysobjects  where id = object_id(N'[dbo].[staff_porcentaje]')  and OBJECTPROPERTY(id, N'IsUserTable') = 1)   CREATE TABLE [dbo].[staff_porcentaje](      [empresa] [numeric](3, 0) NOT NULL,      [idStaffing] [bigint] NOT NULL,      [idgrupo] [bigint] NOT NULL,      [centro] [char](15) NOT NULL,      [ocupacion] [int] NOT NULL,   [v5] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v5]  DEFAULT ((0)),   [v10] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v10]  DEFAULT ((0)),   [v15] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v15]  DEFAULT ((0)),   [v20] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v20]  DEFAULT ((0)),   [v25] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v25]  DEFAULT ((0)),   [v30] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v30]  DEFAULT ((0)),   [v35] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v35]  DEFAULT ((0)),   [v40] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v40]  DEFAULT ((0)),   [v45] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v45]  DEFAULT ((0)),   [v50] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v50]  DEFAULT ((0)),   [v55] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v55]  DEFAULT ((0)),   [v60] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v60]  DEFAULT ((0)),   [v65] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v65]  DEFAULT ((0)),   [v70] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v70]  DEFAULT ((0)),   [v75] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v75]  DEFAULT ((0)),   [v80] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v80]  DEFAULT ((0)),   [v85] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v85]  DEFAULT ((0)),   [v90] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v90]  DEFAULT ((0)),   [v95] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v95]  DEFAULT ((0)),   [v100] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v100]  DEFAULT ((0)),  CONSTRAINT [PK_staff_porcentaje] PRIMARY KEY CLUSTERED    (      [empresa] ASC,      [idStaffing] ASC,      [idgrupo] ASC,      [centro] ASC,      [ocupacion] ASC   )   ) ON [PRIMARY])sql";

inline constexpr const char* CreaStaffReporte =
    R"sql( if not exists (select * from dbo.sysobjects  where id = object_id(N'[dbo].[staff_reporte]')  and OBJECTPROPERTY(id, N'IsUserTable') = 1)   CREATE TABLE [dbo].[staff_reporte](      [clave] [varchar](50)  NOT NULL,      [empresa] [numeric](3, 0) NOT NULL,      [centro] [varchar](15) NOT NULL,      [ocupacion] [int] NOT NULL,      [idstaffing] [bigint] NOT NULL,      [idgrupo] [bigint] NOT NULL,      [plazas] [smallint] NULL,      [real] [smallint] NULL,    CONSTRAINT [PK_staff_reporte] PRIMARY KEY CLUSTERED    (      [clave] ASC,      [empresa] ASC,      [centro] ASC,      [ocupacion] ASC,      [idstaffing] ASC,      [idgrupo] ASC   )   ) ON [PRIMARY])sql";

inline constexpr const char* CreaStaffing =
    R"sql( if not exists (SELECT distinct(c.name)      FROM dbo.SYSCOLUMNS C      INNER JOIN dbo.SYSOBJECTS T       ON C.[ID] = T.[ID]       WHERE T.XTYPE = 'U'       and t.name='staff_reporte'       and c.name='sueldoOriginal')  ALTER TABLE staff_reporte add sueldoOriginal decimal(18,2) NULL)sql";

inline constexpr const char* CreaStaffGrupo =
    R"sql( if not exists (SELECT distinct(c.name)      FROM dbo.SYSCOLUMNS C      INNER JOIN dbo.SYSOBJECTS T       ON C.[ID] = T.[ID]       WHERE T.XTYPE = 'U'       and t.name='staff_reporte'       and c.name='sueldoReal')  ALTER TABLE staff_reporte add sueldoReal decimal(18,2) NULL)sql";

inline constexpr const char* AgregaSueldoOriginal =
    R"sql( if not exists (select * from dbo.sysobjects  where id = object_id(N'[dbo].[staffing]')  and OBJECTPROPERTY(id, N'IsUserTable') = 1)CREATE TABLE [dbo].[staffing]([idStaffing] [bigint] IDENTITY(1,1) NOT NULL,[empresa] [numeric](3, 0) NULL,[nombre] [varchar](150) NULL,[tiposNomina] [varchar](50) NULL,CONSTRAINT [PK_staffing] PRIMARY KEY CLUSTERED (   [idStaffing] ASC)) ON [PRIMARY])sql";

inline constexpr const char* AgregaSueldoReal =
    R"sql( if not exists (select * from dbo.sysobjects  where id = object_id(N'[dbo].[staff_grupo]')  and OBJECTPROPERTY(id, N'IsUserTable') = 1)CREATE TABLE [dbo].[staff_grupo](   [idgrupo] [bigint] IDENTITY(1,1) NOT NULL,   [empresa] [numeric](3, 0) NULL,   [nombre] [varchar](50) NULL, CONSTRAINT [PK_staff_grupo] PRIMARY KEY CLUSTERED (   [idgrupo] ASC)) ON [PRIMARY])sql";

inline constexpr const char* All[] = {CreaStaffPorcentaje, CreaStaffReporte,     CreaStaffing,
                                      CreaStaffGrupo,      AgregaSueldoOriginal, AgregaSueldoReal};

}  // namespace provisioning
