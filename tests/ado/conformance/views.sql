-- Views (the reference of CREATE VIEW and DROP VIEW): a view is a named query, alone in its
-- batch, every column named; sysobjects lists it with xtype V.

-- case: a view answers its query, filtered further
create table vw_t (n int, t varchar(10))
go
insert into vw_t values (1, 'a'), (2, 'B'), (3, 'c')
go
create view vw_doble as select n, t, n * 2 as doble from vw_t where n < 3
go
select n, t, doble from vw_doble where t = 'b'
-- rows:
-- 2 | B | 4

-- case: column names listed after the view's name
create view vw_nombres (numero, texto) as select n, upper(t) from vw_t
go
select numero, texto from vw_nombres order by numero desc
-- rows:
-- 3 | C
-- 2 | B
-- 1 | A

-- case: sysobjects lists views with xtype V
select name, rtrim(xtype) from sysobjects where xtype = 'V' order by name
-- rows:
-- vw_doble | V
-- vw_nombres | V

-- case: a view sees rows added after it was created
insert into vw_t values (0, 'z')
go
select count(*) from vw_doble
-- rows:
-- 3

-- case: every column needs a name
create view vw_sin as select n + 1 from vw_t
-- error: Create View or Function failed because no column name was specified for column 1.

-- case: CREATE VIEW must begin its batch
select 1
create view vw_tarde as select 1 as a
-- error: 'CREATE VIEW' must be the first statement in a query batch.

-- case: DROP VIEW of a list, and of a view that does not exist
drop view vw_doble, vw_nombres
go
drop view vw_doble
-- error: Cannot drop the view 'vw_doble', because it does not exist or you do not have permission.

-- case: the usual guard of update scripts
if exists (select * from sysobjects where name = 'vw_g' and xtype = 'V') drop view vw_g
go
create view vw_g as select n from vw_t
go
if exists (select * from sysobjects where name = 'vw_g' and xtype = 'V') drop view vw_g
go
select count(*) from sysobjects where name = 'vw_g'
-- rows:
-- 0
