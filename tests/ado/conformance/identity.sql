-- IDENTITY columns: numbers from the seed; DELETE keeps counting, TRUNCATE TABLE restarts.

-- case: DELETE keeps the numbering
create table id_t (id int identity(1,1) primary key, v varchar(5))
go
insert into id_t (v) values ('a'), ('b')
go
delete from id_t
go
insert into id_t (v) values ('c')
go
select id, v from id_t
-- rows:
-- 3 | c

-- case: TRUNCATE TABLE restarts at the seed
truncate table id_t
go
insert into id_t (v) values ('d')
go
select id, v from id_t
-- rows:
-- 1 | d

-- case: TRUNCATE TABLE of a table without identity empties it
create table id_plain (n int)
go
insert into id_plain values (1), (2)
go
truncate table id_plain
go
select count(*) from id_plain
-- rows:
-- 0

-- case: a seed other than 1 is the first number, in a new table of a new batch
create table id_seed (id int identity(100, 1), v int)
insert into id_seed (v) values (7)
insert into id_seed (v) values (8)
select id, v from id_seed
-- rows:
-- 100 | 7
-- 101 | 8

-- case: INSERT ... DEFAULT VALUES takes every default and the next identity
create table id_def (id int identity(1,1), n int default 5, t varchar(5) null,
                     d datetime default '2020-01-02')
go
insert into id_def default values
go
insert into id_def default values
go
select id, n, t, d from id_def
-- rows:
-- 1 | 5 | NULL | 2020-01-02 00:00:00.000
-- 2 | 5 | NULL | 2020-01-02 00:00:00.000

-- case: TRUNCATE TABLE restarts at a seed other than 1
insert into id_seed (v) values (9)
go
truncate table id_seed
go
insert into id_seed (v) values (10)
go
select id, v from id_seed
-- rows:
-- 100 | 10

-- case: IDENTITY on a nullable column is refused ("CREATE TABLE (Transact-SQL)", IDENTITY)
create table id_nullable (id int identity(1,1) null, v int)
-- error: Could not create IDENTITY attribute on nullable column 'id', table 'id_nullable'.
