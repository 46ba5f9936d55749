-- Aggregates and the clauses around them: COUNT(ALL ...), HAVING without GROUP BY (the whole
-- table is one group, even an empty one), TOP n PERCENT (rounded up) and the types SUM and
-- AVG refuse. Reasoned from "COUNT (Transact-SQL)", "HAVING (Transact-SQL)", "TOP
-- (Transact-SQL)" and "SUM (Transact-SQL)".

-- case: COUNT(ALL x) counts the values that are not NULL, as COUNT(x) does
create table agg_t (n int, s varchar(10))
go
insert into agg_t values (1, 'a'), (2, 'b'), (null, 'c'), (2, null)
go
select count(all n), count(n), count(distinct n), count(*), sum(all n) from agg_t
-- rows:
-- 3 | 3 | 2 | 4 | 5

-- case: HAVING without GROUP BY that drops the whole table's group gives no row
select 'y' from agg_t having count(*) > 5
-- rows: none

-- case: a select list without aggregates gives the group's one row
select 'y' from agg_t having min(n) = 1
-- rows:
-- y

-- case: an empty table is still one group
select 'empty', count(*) from agg_t where n > 100 having count(*) = 0
-- rows:
-- empty | 0

-- case: TOP n PERCENT takes that share of the rows, a fraction of a row rounded up
select top 26 percent s from agg_t order by s
-- rows:
-- NULL
-- a

-- case: TOP 0 PERCENT gives no row
select top 0 percent n from agg_t
-- rows: none

-- case: TOP beyond 100 PERCENT is refused
select top 101 percent n from agg_t
-- error: Percent values must be between 0 and 100.

-- case: AVG of a datetime is refused
select avg(getdate())
-- error: Operand data type datetime is invalid for avg operator.
