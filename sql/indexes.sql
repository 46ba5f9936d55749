-- OXTAStaffing: secondary indexes of the payroll and security tables (SQL Server).
--   sqlcmd -S server -d database -i sql/indexes.sql

-- ---------------------------------------------------------------------------------------
-- Indexes beyond the keys, for SQL Server: run after schema.sql. Nothing depends on them but
-- speed; the embedded engine does without them.
-- ---------------------------------------------------------------------------------------

-- Password history, read per user in order of change.
if not exists (select * from dbo.sysindexes where name = N'IX_hpwd_usuario')
CREATE INDEX [IX_hpwd_usuario] ON [dbo].[hpwd]([usuario] ASC, [fch_modifico] ASC)
GO

-- Employees' assignments by employee (the key leads with the cost centre).
if not exists (select * from dbo.sysindexes where name = N'IX_llaves_codigo')
CREATE INDEX [IX_llaves_codigo] ON [dbo].[llaves]([empresa] ASC, [codigo] ASC)
GO
