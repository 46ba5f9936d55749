-- Sets of rows: IN and NOT IN with NULLs, EXISTS, UNION against UNION ALL, queries without
-- FROM joined by UNION, and ORDER BY by alias, position and with NULLs. Reasoned from "IN
-- (Transact-SQL)" (a NULL in the list makes NOT IN unknown), "EXISTS (Transact-SQL)", "Set
-- Operators - UNION (Transact-SQL)" (the result column takes a type that holds every member's)
-- and "SELECT - ORDER BY Clause (Transact-SQL)" (NULLs are the lowest values).

-- case: IN and NOT IN against a list that holds a NULL
select case when 1 in (1, null) then 'y' else 'n' end, case when 2 in (1, null) then 'y' else 'n' end, case when 2 not in (1, null) then 'y' else 'n' end
-- rows:
-- y | n | n

-- case: EXISTS and NOT EXISTS
create table s_a (v varchar(3))
go
create table s_b (v varchar(10))
go
insert into s_a values ('abc')
insert into s_b values ('abcdefghij')
go
select case when exists (select 1 from s_a) then 1 else 0 end, case when not exists (select 1 from s_a where v = 'zz') then 1 else 0 end
-- rows:
-- 1 | 1

-- case: UNION and UNION ALL hold the longer member's text whole
select v from s_a union all select v from s_b order by v
-- rows:
-- abc
-- abcdefghij

-- case: UNION of selects without FROM drops duplicates, UNION ALL after it keeps them
select 1 as n union select 2 union select 1 union all select 2 order by n desc
-- rows:
-- 2
-- 2
-- 1

-- case: NULL sorts first ascending and last descending
select v from (select 'b' v union all select null union all select 'a') x order by v desc
-- rows:
-- b
-- a
-- NULL

-- case: ORDER BY a position and an alias
select 3 as a, 'x' as b union all select 1, 'y' order by 2 desc, a
-- rows:
-- 1 | y
-- 3 | x
