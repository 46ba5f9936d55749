-- Table definitions and their removal: DROP TABLE of a list drops each table named (the
-- reference of DROP TABLE).

-- case: DROP TABLE of two tables drops both
create table df_a (n int)
go
create table df_b (n int)
go
drop table df_a, df_b
go
select count(*) from sysobjects where name in ('df_a', 'df_b')
-- rows:
-- 0

-- case: DROP TABLE IF EXISTS of a list skips the missing ones
create table df_c (n int)
go
drop table if exists df_missing, df_c
go
select count(*) from sysobjects where name = 'df_c'
-- rows:
-- 0

-- case: DROP TABLE of a list that names a missing table
create table df_d (n int)
go
drop table df_d, df_missing
-- error: Cannot drop the table 'df_missing', because it does not exist or you do not have permission.

-- case: HAVING without GROUP BY filters the single group of the whole table
create table df_h (n int)
go
insert into df_h values (1), (5)
go
select count(*), max(n) from df_h having count(*) > 1
-- rows:
-- 2 | 5

-- case: HAVING without GROUP BY that holds for no group gives no row
select count(*) from df_h having count(*) > 2
-- rows: none
