-- Decimal arithmetic at SQL Server's result types (Precision, scale, and length): for e1 op e2
-- of precision p1, p2 and scale s1, s2,
--   + -   scale max(s1,s2)            *   scale s1 + s2
--   /     scale max(6, s1 + p2 + 1)   %   scale max(s1,s2)
-- the quotient cut after its last figure. A constant with a point is a decimal of its own
-- figures (10.0 is decimal(3,1)); a whole constant that meets a decimal one of its figures (3 is
-- decimal(1,0)); an int column or variable decimal(10,0).

-- case: division keeps max(6, s1 + p2 + 1) decimals, cut
select 10.0 / 3, 1.0 / 3, 2.0 / 3, 1 / 3.0
-- rows:
-- 3.333333 | 0.333333 | 0.666666 | 0.333333

-- case: a product keeps the sum of the scales
select 2.50 * 1.10, 0.5 * 0.5, -3 * 1.5
-- rows:
-- 2.7500 | 0.25 | -4.5

-- case: sums and differences keep the larger scale
select 1.5 + 2.25, 10.0 - 0.005, 1 + 2.5 + 3
-- rows:
-- 3.75 | 9.995 | 6.5

-- case: modulo keeps the larger scale and the dividend's sign
select 7.5 % 2, -7.5 % 2, 10.25 % 0.5
-- rows:
-- 1.5 | -1.5 | 0.25

-- case: an int column takes part as decimal(10,0)
create table da_i (n int, b bigint)
go
insert into da_i values (3, 3)
go
select 1.0 / n, b * 0.5, n * 1.5, n / 2.0 from da_i
-- rows:
-- 0.333333333333 | 1.5 | 4.5 | 1.500000

-- case: a decimal variable divides at its declared type
declare @d numeric(9,6) = 1.0
select @d / 3
-- rows:
-- 0.33333333

-- case: decimal columns of different scales
create table da_c (a decimal(5,2), b decimal(7,4))
go
insert into da_c values (1.50, 1.5000), (2.25, 2.2400)
go
select a * b, a - b, a / b from da_c order by a
-- rows:
-- 2.250000 | 0.0000 | 1.0000000000
-- 5.040000 | 0.0100 | 1.0044642857

-- case: comparisons read values, not their scales
select case when 1.5 = 1.50 then 'eq' else 'ne' end, case when 2.50 > 2.4999 then 'gt' else 'le' end,
       (select count(*) from da_c where a = b)
-- rows:
-- eq | gt | 1

-- case: a chain of operators applies left to right at each step's type
select 1.0 / 3 * 3, 10.0 / 3 / 3, (1.0 + 2) * 0.10
-- rows:
-- 0.999999 | 1.11111100 | 0.300

-- case: decimal modulo by zero
select 7.5 % 0.0
-- error: Divide by zero error encountered.

-- case: NULL in decimal arithmetic
select 1.5 * null, null / 2.5, cast(null as decimal(5,2)) + 1.0
-- rows:
-- NULL | NULL | NULL

-- case: a product beyond 38 figures overflows
select 99999999999999.9 * 99999999999999.9 * 99999999999999.9
-- error: Arithmetic overflow error converting expression to data type numeric.

-- case: SUM keeps the column's scale, AVG at least six decimals
create table da_s (d decimal(5,2), g int)
go
insert into da_s values (1.10, 1), (2.20, 1), (3.30, 1), (1.00, 2), (2.00, 2), (null, 2)
go
select g, sum(d), avg(d), count(d) from da_s group by g order by g
-- rows:
-- 1 | 6.60 | 2.200000 | 3
-- 2 | 3.00 | 1.500000 | 2

-- case: SUM of an expression and of DISTINCT values
select sum(d * 2), sum(distinct d), avg(d + 1) from da_s where g = 1
-- rows:
-- 13.20 | 6.60 | 3.200000

-- case: money keeps four decimals in sums and differences
select cast(1.5 as money) + 2, cast(10 as money) - cast(0.25 as money)
-- rows:
-- 3.5000 | 9.7500

-- case: CASE, COALESCE and UNION hold the values of every branch (decimal(3,2) for 1.5 and 2.25)
select case when 1 = 1 then 1.5 else 2.25 end * 2, coalesce(null, 1.5, 2.25),
       coalesce(cast(null as decimal(5,2)), 1.555), case when 1 = 1 then 1 else 2.5 end,
       (select max(x) * 2 from (select 1.5 x union all select 2.25) t)
-- rows:
-- 3.00 | 1.50 | 1.555 | 1.0 | 4.50
