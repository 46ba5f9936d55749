-- The select list: column aliases in their three forms.

-- case: alias = expression
select total = 1 + 2
-- rows:
-- 3

-- case: 'alias' = expression is an alias, not a comparison
select 'a' = 1, 'b' = 'x'
-- rows:
-- 1 | x

-- case: expression AS 'alias' and expression alias
select 1 as 'uno', 2 dos, 3 as tres
-- rows:
-- 1 | 2 | 3

-- case: a comparison in WHERE is still a comparison
create table sl_t (v varchar(5))
go
insert into sl_t values ('a'), ('b')
go
select v from sl_t where 'a' = v
-- rows:
-- a

-- case: COUNT_BIG counts as COUNT does
create table cb_t (n int)
go
insert into cb_t values (1), (null), (3)
go
select count_big(*), count_big(n), count_big(distinct n) from cb_t
-- rows:
-- 3 | 2 | 2
