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
