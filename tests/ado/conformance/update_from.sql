-- UPDATE ... FROM: the target may be named by its alias or by its table; only the rows that
-- the joins and the WHERE clause keep are changed.

-- case: target named by its alias
create table uf_a (id int, c int)
go
create table uf_b (id int, flag int)
go
insert into uf_a values (1, 0), (2, 0), (3, 0)
go
insert into uf_b values (1, 1), (2, 0), (3, 1)
go
update x set c = 9 from uf_a x join uf_b y on x.id = y.id where y.flag = 1
go
select id, c from uf_a order by id
-- rows:
-- 1 | 9
-- 2 | 0
-- 3 | 9

-- case: target named by its table while its alias is joined
update uf_a set c = 5 from uf_a a1 inner join uf_b b1 on a1.id = b1.id where b1.flag = 0
go
select id, c from uf_a order by id
-- rows:
-- 1 | 9
-- 2 | 5
-- 3 | 9

-- case: target named by its table, joined without an alias
update uf_a set c = uf_b.flag from uf_a join uf_b on uf_a.id = uf_b.id where uf_a.id = 3
go
select id, c from uf_a order by id
-- rows:
-- 1 | 9
-- 2 | 5
-- 3 | 1

-- case: a join that keeps no row changes nothing
update uf_a set c = 0 from uf_a a1 join uf_b b1 on a1.id = b1.id + 10
go
select sum(c) from uf_a
-- rows:
-- 15

-- case: the table twice under two aliases is ambiguous
update uf_a set c = 0 from uf_a a1 join uf_a a2 on a1.id = a2.id
-- error: The table 'uf_a' is ambiguous.
