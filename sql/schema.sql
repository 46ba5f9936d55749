-- OXTAStaffing: tables of the payroll database that the program reads and writes.
-- Every statement creates its table only when it is missing, so the script can run again on
-- a database that has some or all of them. Batches are separated by GO lines.
--   oxta-sql -d oxta_demo -i sql/schema.sql          (embedded engine, see sql/README.md)
--   sqlcmd -S server -d database -i sql/schema.sql   (SQL Server)

-- ---------------------------------------------------------------------------------------
-- Payroll: companies, cost centres, job tabulator, employees and their assignments
-- ---------------------------------------------------------------------------------------

if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[empresas]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[empresas](
    [empresa] [numeric](3, 0) NOT NULL,
    [nombre_empresa] [varchar](100) NOT NULL,
    [referencia] [varchar](40) NULL,
    [registro_patronal] [varchar](20) NULL,
    [rfc_empresa] [varchar](13) NULL,
    [domicilio] [varchar](150) NULL,
    [ciudad] [varchar](60) NULL,
    [estado] [varchar](40) NULL,
    [codigo_postal] [varchar](5) NULL,
    CONSTRAINT [PK_empresas] PRIMARY KEY CLUSTERED ([empresa] ASC)
) ON [PRIMARY]
GO

if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[centros]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[centros](
    [empresa] [numeric](3, 0) NOT NULL,
    [centro] [varchar](15) NOT NULL,
    [nomdepto] [varchar](60) NOT NULL,
    CONSTRAINT [PK_centros] PRIMARY KEY CLUSTERED ([empresa] ASC, [centro] ASC)
) ON [PRIMARY]
GO

if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[tabulador]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[tabulador](
    [empresa] [numeric](3, 0) NOT NULL,
    [ocupacion] [int] NOT NULL,
    [actividad] [varchar](60) NOT NULL,
    [garantia] [decimal](12, 2) NULL,
    CONSTRAINT [PK_tabulador] PRIMARY KEY CLUSTERED ([empresa] ASC, [ocupacion] ASC)
) ON [PRIMARY]
GO

if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[empleados]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[empleados](
    [empresa] [numeric](3, 0) NOT NULL,
    [codigo] [int] NOT NULL,
    [nombre] [varchar](40) NOT NULL,
    [paterno] [varchar](40) NOT NULL,
    [materno] [varchar](40) NULL,
    [rfc] [varchar](13) NULL,
    [curp] [varchar](18) NULL,
    [imss] [varchar](11) NULL,
    [fecha_ingreso] [datetime] NULL,
    [sueldo] [decimal](12, 2) NULL,
    [borrado] [char](1) NOT NULL CONSTRAINT [DF_empleados_borrado] DEFAULT ('N'),
    [ultmov] [char](1) NOT NULL CONSTRAINT [DF_empleados_ultmov] DEFAULT ('A'),
    [fecha_ultmov] [datetime] NULL,
    CONSTRAINT [PK_empleados] PRIMARY KEY CLUSTERED ([empresa] ASC, [codigo] ASC)
) ON [PRIMARY]
GO

-- The key leads with centre and position: the reports count and sum the employees of one
-- company, cost centre and position.
if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[llaves]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[llaves](
    [empresa] [numeric](3, 0) NOT NULL,
    [codigo] [int] NOT NULL,
    [centro] [varchar](15) NOT NULL,
    [ocupacion] [int] NOT NULL,
    [tiponom] [smallint] NOT NULL,
    [fecha_alta] [datetime] NULL,
    CONSTRAINT [PK_llaves] PRIMARY KEY CLUSTERED ([empresa] ASC, [centro] ASC, [ocupacion] ASC, [codigo] ASC)
) ON [PRIMARY]
GO

-- Training places. Its presence marks a payroll database in the connection settings.
if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[capa_lugar]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[capa_lugar](
    [empresa] [numeric](3, 0) NOT NULL,
    [lugar] [int] NOT NULL,
    [descripcion] [varchar](60) NOT NULL,
    CONSTRAINT [PK_capa_lugar] PRIMARY KEY CLUSTERED ([empresa] ASC, [lugar] ASC)
) ON [PRIMARY]
GO

-- ---------------------------------------------------------------------------------------
-- Security: users, password policy and history, applications, profiles and grants
-- ---------------------------------------------------------------------------------------

if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[usuarios]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[usuarios](
    [usuario] [varchar](20) NOT NULL,
    [descripcion] [varchar](60) NULL,
    [password] [varchar](50) NULL,
    [expiracion] [datetime] NULL,
    CONSTRAINT [PK_usuarios] PRIMARY KEY CLUSTERED ([usuario] ASC)
) ON [PRIMARY]
GO

if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[hpwd]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[hpwd](
    [usuario] [varchar](20) NOT NULL,
    [fch_modifico] [datetime] NOT NULL,
    [password] [varchar](50) NULL
) ON [PRIMARY]
GO

if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[ctrl_usuarios]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[ctrl_usuarios](
    [dias_Vigencia] [int] NULL,
    [longitud_password] [int] NULL,
    [rotacion_password] [varchar](3) NULL,
    [requiere_numeros] [int] NULL,
    [dias_aviso] [int] NULL
) ON [PRIMARY]
GO

if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[sistema]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[sistema](
    [sistema] [varchar](3) NOT NULL,
    [Nombre] [varchar](60) NULL,
    CONSTRAINT [PK_sistema] PRIMARY KEY CLUSTERED ([sistema] ASC)
) ON [PRIMARY]
GO

if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[funciones]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[funciones](
    [sistema] [varchar](3) NOT NULL,
    [funcion] [varchar](2) NOT NULL,
    [descripcion] [varchar](60) NULL,
    CONSTRAINT [PK_funciones] PRIMARY KEY CLUSTERED ([sistema] ASC, [funcion] ASC)
) ON [PRIMARY]
GO

if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[opciones]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[opciones](
    [opcion] [varchar](4) NOT NULL,
    [sistema] [varchar](3) NOT NULL,
    [funcion] [varchar](2) NOT NULL,
    [descripcion] [varchar](60) NULL,
    CONSTRAINT [PK_opciones] PRIMARY KEY CLUSTERED ([sistema] ASC, [opcion] ASC)
) ON [PRIMARY]
GO

-- A profile of one application. empresas: the companies it may see, "{}" for all, else
-- "{1,2}"; centros: the cost centres, same form (kept for the other applications);
-- bloqueado 'S' blocks the profile and solo_lectura 'S' limits it to queries in the
-- applications that honour these flags (OXTAStaffing writes 'N' to both and reads neither).
if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[perfiles]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[perfiles](
    [idperfil] [int] IDENTITY(1,1) NOT NULL,
    [descripcion] [varchar](60) NOT NULL,
    [sistema] [varchar](3) NOT NULL,
    [empresas] [varchar](255) NOT NULL CONSTRAINT [DF_perfiles_empresas] DEFAULT ('{}'),
    [centros] [varchar](255) NOT NULL CONSTRAINT [DF_perfiles_centros] DEFAULT ('{}'),
    [bloqueado] [char](1) NOT NULL CONSTRAINT [DF_perfiles_bloqueado] DEFAULT ('N'),
    [solo_lectura] [char](1) NOT NULL CONSTRAINT [DF_perfiles_solo_lectura] DEFAULT ('N'),
    CONSTRAINT [PK_perfiles] PRIMARY KEY CLUSTERED ([idperfil] ASC)
) ON [PRIMARY]
GO

if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[perfil_usuarios]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[perfil_usuarios](
    [idperfil] [int] NOT NULL,
    [usuario] [varchar](20) NOT NULL,
    CONSTRAINT [PK_perfil_usuarios] PRIMARY KEY CLUSTERED ([idperfil] ASC, [usuario] ASC)
) ON [PRIMARY]
GO

if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[perfil_funcion]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[perfil_funcion](
    [funcion] [varchar](2) NOT NULL,
    [opcion] [varchar](4) NOT NULL,
    [idperfil] [int] NOT NULL,
    CONSTRAINT [PK_perfil_funcion] PRIMARY KEY CLUSTERED ([idperfil] ASC, [funcion] ASC, [opcion] ASC)
) ON [PRIMARY]
GO

-- ---------------------------------------------------------------------------------------
-- Planning: places per position in each month. OXTAStaffing uses this table but never
-- creates it; the other four planning tables it creates itself when the company chooser
-- opens. They are created here too, with the program's own statements, so that a new
-- database can receive sample plans before the program first runs on it.
-- ---------------------------------------------------------------------------------------

if not exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[staff_mes]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
CREATE TABLE [dbo].[staff_mes](
    [empresa] [numeric](3, 0) NOT NULL,
    [idStaffing] [bigint] NOT NULL,
    [idgrupo] [bigint] NOT NULL,
    [centro] [char](15) NOT NULL,
    [ocupacion] [int] NOT NULL,
    [enero] [int] NOT NULL CONSTRAINT [DF_staff_mes_enero] DEFAULT ((0)),
    [febrero] [int] NOT NULL CONSTRAINT [DF_staff_mes_febrero] DEFAULT ((0)),
    [marzo] [int] NOT NULL CONSTRAINT [DF_staff_mes_marzo] DEFAULT ((0)),
    [abril] [int] NOT NULL CONSTRAINT [DF_staff_mes_abril] DEFAULT ((0)),
    [mayo] [int] NOT NULL CONSTRAINT [DF_staff_mes_mayo] DEFAULT ((0)),
    [junio] [int] NOT NULL CONSTRAINT [DF_staff_mes_junio] DEFAULT ((0)),
    [julio] [int] NOT NULL CONSTRAINT [DF_staff_mes_julio] DEFAULT ((0)),
    [agosto] [int] NOT NULL CONSTRAINT [DF_staff_mes_agosto] DEFAULT ((0)),
    [septiembre] [int] NOT NULL CONSTRAINT [DF_staff_mes_septiembre] DEFAULT ((0)),
    [octubre] [int] NOT NULL CONSTRAINT [DF_staff_mes_octubre] DEFAULT ((0)),
    [noviembre] [int] NOT NULL CONSTRAINT [DF_staff_mes_noviembre] DEFAULT ((0)),
    [diciembre] [int] NOT NULL CONSTRAINT [DF_staff_mes_diciembre] DEFAULT ((0)),
    CONSTRAINT [PK_staff_mes] PRIMARY KEY CLUSTERED ([empresa] ASC, [idStaffing] ASC, [idgrupo] ASC, [centro] ASC, [ocupacion] ASC)
) ON [PRIMARY]
GO

-- The program's own planning tables, exactly as it creates them.

if not exists (select * from dbo.sysobjects  where id = object_id(N'[dbo].[staff_porcentaje]')  and OBJECTPROPERTY(id, N'IsUserTable') = 1)   CREATE TABLE [dbo].[staff_porcentaje](      [empresa] [numeric](3, 0) NOT NULL,      [idStaffing] [bigint] NOT NULL,      [idgrupo] [bigint] NOT NULL,      [centro] [char](15) NOT NULL,      [ocupacion] [int] NOT NULL,   [v5] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v5]  DEFAULT ((0)),   [v10] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v10]  DEFAULT ((0)),   [v15] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v15]  DEFAULT ((0)),   [v20] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v20]  DEFAULT ((0)),   [v25] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v25]  DEFAULT ((0)),   [v30] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v30]  DEFAULT ((0)),   [v35] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v35]  DEFAULT ((0)),   [v40] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v40]  DEFAULT ((0)),   [v45] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v45]  DEFAULT ((0)),   [v50] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v50]  DEFAULT ((0)),   [v55] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v55]  DEFAULT ((0)),   [v60] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v60]  DEFAULT ((0)),   [v65] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v65]  DEFAULT ((0)),   [v70] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v70]  DEFAULT ((0)),   [v75] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v75]  DEFAULT ((0)),   [v80] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v80]  DEFAULT ((0)),   [v85] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v85]  DEFAULT ((0)),   [v90] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v90]  DEFAULT ((0)),   [v95] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v95]  DEFAULT ((0)),   [v100] [int] NOT NULL CONSTRAINT [DF_staff_porcentaje_v100]  DEFAULT ((0)),  CONSTRAINT [PK_staff_porcentaje] PRIMARY KEY CLUSTERED    (      [empresa] ASC,      [idStaffing] ASC,      [idgrupo] ASC,      [centro] ASC,      [ocupacion] ASC   )   ) ON [PRIMARY]
GO

if not exists (select * from dbo.sysobjects  where id = object_id(N'[dbo].[staff_reporte]')  and OBJECTPROPERTY(id, N'IsUserTable') = 1)   CREATE TABLE [dbo].[staff_reporte](      [clave] [varchar](50)  NOT NULL,      [empresa] [numeric](3, 0) NOT NULL,      [centro] [varchar](15) NOT NULL,      [ocupacion] [int] NOT NULL,      [idstaffing] [bigint] NOT NULL,      [idgrupo] [bigint] NOT NULL,      [plazas] [smallint] NULL,      [real] [smallint] NULL,    CONSTRAINT [PK_staff_reporte] PRIMARY KEY CLUSTERED    (      [clave] ASC,      [empresa] ASC,      [centro] ASC,      [ocupacion] ASC,      [idstaffing] ASC,      [idgrupo] ASC   )   ) ON [PRIMARY]
GO

if not exists (select * from dbo.sysobjects  where id = object_id(N'[dbo].[staffing]')  and OBJECTPROPERTY(id, N'IsUserTable') = 1)CREATE TABLE [dbo].[staffing]([idStaffing] [bigint] IDENTITY(1,1) NOT NULL,[empresa] [numeric](3, 0) NULL,[nombre] [varchar](150) NULL,[tiposNomina] [varchar](50) NULL,CONSTRAINT [PK_staffing] PRIMARY KEY CLUSTERED (   [idStaffing] ASC)) ON [PRIMARY]
GO

if not exists (select * from dbo.sysobjects  where id = object_id(N'[dbo].[staff_grupo]')  and OBJECTPROPERTY(id, N'IsUserTable') = 1)CREATE TABLE [dbo].[staff_grupo](   [idgrupo] [bigint] IDENTITY(1,1) NOT NULL,   [empresa] [numeric](3, 0) NULL,   [nombre] [varchar](50) NULL, CONSTRAINT [PK_staff_grupo] PRIMARY KEY CLUSTERED (   [idgrupo] ASC)) ON [PRIMARY]
GO

if not exists (SELECT distinct(c.name)      FROM dbo.SYSCOLUMNS C      INNER JOIN dbo.SYSOBJECTS T       ON C.[ID] = T.[ID]       WHERE T.XTYPE = 'U'       and t.name='staff_reporte'       and c.name='sueldoOriginal')  ALTER TABLE staff_reporte add sueldoOriginal decimal(18,2) NULL
GO

if not exists (SELECT distinct(c.name)      FROM dbo.SYSCOLUMNS C      INNER JOIN dbo.SYSOBJECTS T       ON C.[ID] = T.[ID]       WHERE T.XTYPE = 'U'       and t.name='staff_reporte'       and c.name='sueldoReal')  ALTER TABLE staff_reporte add sueldoReal decimal(18,2) NULL
GO

-- ---------------------------------------------------------------------------------------
-- Secondary indexes (the keys above are the primary ones)
-- ---------------------------------------------------------------------------------------

-- Password history, read per user in order of change.
if not exists (select * from dbo.sysindexes where name = N'IX_hpwd_usuario')
CREATE INDEX [IX_hpwd_usuario] ON [dbo].[hpwd]([usuario] ASC, [fch_modifico] ASC)
GO

-- Employees' assignments by employee (the key leads with the cost centre).
if not exists (select * from dbo.sysindexes where name = N'IX_llaves_codigo')
CREATE INDEX [IX_llaves_codigo] ON [dbo].[llaves]([empresa] ASC, [codigo] ASC)
GO
