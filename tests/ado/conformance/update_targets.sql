-- Which rows an UPDATE with FROM changes, as SQL Server binds its target: the name after
-- UPDATE is an exposed name of the FROM clause (an alias, or a table written without one); a
-- table whose only reference in FROM has an alias is that reference; a target absent from FROM
-- is joined to it; every value is read before any row changes. Reasoned from "UPDATE
-- (Transact-SQL)" (the FROM clause and "Using UPDATE with the FROM clause").

-- case: the target joined to itself, named by its alias, reads the rows as they were
create table ut_a (id int, c int)
go
insert into ut_a values (1, 10), (2, 20), (3, 30)
go
update x set c = y.c from ut_a x join ut_a y on y.id = x.id - 1
go
select id, c from ut_a order by id
-- rows:
-- 1 | 10
-- 2 | 10
-- 3 | 20

-- case: the unaliased reference of a table joined to itself is the target
update ut_a set c = p.c + 1 from ut_a join ut_a p on p.id = ut_a.id + 1
go
select id, c from ut_a order by id
-- rows:
-- 1 | 11
-- 2 | 21
-- 3 | 20

-- case: a target absent from FROM is joined to it, changing only the rows the WHERE keeps
create table ut_b (id int, flag int)
go
insert into ut_b values (1, 1), (3, 0)
go
update ut_a set c = 0 from ut_b where ut_b.id = ut_a.id and ut_b.flag = 1
go
select id, c from ut_a order by id
-- rows:
-- 1 | 0
-- 2 | 21
-- 3 | 20

-- case: a target absent from a FROM that keeps rows changes every row
update ut_a set c = 7 from ut_b
go
select id, c from ut_a order by id
-- rows:
-- 1 | 7
-- 2 | 7
-- 3 | 7

-- case: the table's only reference, under an alias, is the target
update ut_a set c = b.flag from ut_a a join ut_b b on a.id = b.id
go
select id, c from ut_a order by id
-- rows:
-- 1 | 1
-- 2 | 7
-- 3 | 0

-- case: a name that is an alias of another table names that table
create table ut_c (id int, c int)
go
insert into ut_c values (1, 100)
go
update ut_c set c = 5 from ut_a ut_c join ut_b b on ut_c.id = b.id
go
select (select sum(c) from ut_c), (select sum(c) from ut_a)
-- rows:
-- 100 | 17

-- case: the table twice under two aliases names no target
update ut_a set c = 0 from ut_a a1 join ut_a a2 on a1.id = a2.id
-- error: The table 'ut_a' is ambiguous.
