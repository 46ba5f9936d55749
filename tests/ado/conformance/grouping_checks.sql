-- Grouped queries as SQL Server binds them: once a query is grouped (GROUP BY, HAVING, or an
-- aggregate in its select list or ORDER BY), a column of its FROM list stands only inside an
-- aggregate or within an expression of GROUP BY; aggregates do not nest and stay out of WHERE
-- and GROUP BY; ORDER BY of SELECT DISTINCT or of a UNION names what the select list holds.
-- Reasoned from "SELECT - GROUP BY (Transact-SQL)", "SELECT - HAVING (Transact-SQL)",
-- "SELECT - ORDER BY Clause (Transact-SQL)", "Troubleshooting GROUP BY Errors" and "Database
-- Engine events and errors" (the messages of 104, 108, 130, 144, 145, 147, 8120, 8121, 8127:
-- the column as '<table as the FROM list names it>.<column>').

-- case: a column neither grouped nor aggregated in the select list
create table g_t (a int, b int, c varchar(10))
go
insert into g_t values (1, 2, 'x'), (1, 3, 'y'), (2, 5, null)
go
select a, b from g_t group by a
-- error: Column 'g_t.b' is invalid in the select list because it is not contained in either an aggregate function or the GROUP BY clause.

-- case: an aggregate beside a bare column without GROUP BY
select a, count(*) from g_t
-- error: Column 'g_t.a' is invalid in the select list because it is not contained in either an aggregate function or the GROUP BY clause.

-- case: the message names the table as the FROM list writes it, not its alias
select x.a, count(*) from dbo.g_t x group by x.b
-- error: Column 'dbo.g_t.a' is invalid in the select list because it is not contained in either an aggregate function or the GROUP BY clause.

-- case: a column outside the groups in HAVING
select a from g_t group by a having b > 1
-- error: Column 'g_t.b' is invalid in the HAVING clause because it is not contained in either an aggregate function or the GROUP BY clause.

-- case: a column outside the groups in ORDER BY
select a from g_t group by a order by b
-- error: Column "g_t.b" is invalid in the ORDER BY clause because it is not contained in either an aggregate function or the GROUP BY clause.

-- case: an expression of GROUP BY, also within a larger expression, in any letter case
select a + b + 1, t.A+t.B, count(*) from g_t t group by a+b order by a + b
-- rows:
-- 4 | 3 | 1
-- 5 | 4 | 1
-- 8 | 7 | 1

-- case: constants, aggregates, aliases and positions stand beside the groups
select 'k' as k, a x, 1 + 2, sum(b) s from g_t group by a having count(*) >= 1 order by x desc, 2
-- rows:
-- k | 2 | 3 | 5
-- k | 1 | 3 | 5

-- case: an outer reference is one value in each group of the subquery
select a, (select max(u.b) from g_t u where u.a = g_t.a group by u.c having u.c = 'y') from g_t group by a
-- rows:
-- 1 | 3
-- 2 | NULL

-- case: an aggregate in WHERE
select a from g_t where count(*) > 1
-- error: An aggregate may not appear in the WHERE clause unless it is in a subquery contained in a HAVING clause or a select list, and the column being aggregated is an outer reference.

-- case: an aggregate of an aggregate
select sum(count(*)) from g_t group by a
-- error: Cannot perform an aggregate function on an expression containing an aggregate or a subquery.

-- case: an aggregate in GROUP BY
select count(*) from g_t group by sum(a)
-- error: Cannot use an aggregate or a subquery in an expression used for the group by list of a GROUP BY clause.

-- case: SELECT DISTINCT ordered by a column it does not select
select distinct a from g_t order by b
-- error: ORDER BY items must appear in the select list if SELECT DISTINCT is specified.

-- case: a UNION ordered by a column of no member's select list
select a from g_t union select b from g_t order by c
-- error: ORDER BY items must appear in the select list if the statement contains a UNION, INTERSECT or EXCEPT operator.

-- case: an ORDER BY position beyond the select list
select a, b from g_t order by 3
-- error: The ORDER BY position number 3 is out of range of the number of items in the select list.
