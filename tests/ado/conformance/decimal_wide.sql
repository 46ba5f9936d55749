-- Decimals of up to 38 figures ("decimal and numeric (Transact-SQL)": precision 1 to 38, every
-- figure kept) stored, read back, compared, ordered, grouped and computed with exactly, beside
-- values of few figures in the same column. Comparisons and ORDER BY follow the values' order
-- ("Comparison Operators (Transact-SQL)"); MIN and MAX return the column's type ("MIN
-- (Transact-SQL)", "MAX (Transact-SQL)"); SUM is decimal(38,s) ("SUM (Transact-SQL)").

-- case: figures beyond a double's fifteen are stored and read back as written
create table dw (id int, d decimal(38,10))
go
insert into dw values (1, 12345678901234567890.0123456789), (2, -12345678901234567890.0123456789),
       (3, 1.5), (4, -0.0000000001), (5, 0), (6, 12345678901234567890.0123456788),
       (7, 99999999999999999999999999.9999999999)
go
select d from dw order by id
-- rows:
-- 12345678901234567890.0123456789
-- -12345678901234567890.0123456789
-- 1.5000000000
-- -0.0000000001
-- 0.0000000000
-- 12345678901234567890.0123456788
-- 99999999999999999999999999.9999999999

-- case: ORDER BY puts values of many figures among values of few by their value
select id from dw order by d
-- rows:
-- 2
-- 4
-- 5
-- 3
-- 6
-- 1
-- 7

-- case: ORDER BY DESC and by position
select id, d from dw order by 2 desc
-- rows:
-- 7 | 99999999999999999999999999.9999999999
-- 1 | 12345678901234567890.0123456789
-- 6 | 12345678901234567890.0123456788
-- 3 | 1.5000000000
-- 5 | 0.0000000000
-- 4 | -0.0000000001
-- 2 | -12345678901234567890.0123456789

-- case: comparisons with constants of other scales and with whole numbers
select id from dw where d > 12345678901234567890.01234567885 or d < -1 or d between 1 and 2
order by id
-- rows:
-- 1
-- 2
-- 3
-- 7

-- case: equality holds across scales and forms
select count(*) from dw where d = 12345678901234567890.012345678900 or d = 1.50 or d = 0
-- rows:
-- 3

-- case: MIN and MAX are the column's type
select min(d), max(d) from dw
-- rows:
-- -12345678901234567890.0123456789 | 99999999999999999999999999.9999999999

-- case: SUM of many figures is exact, at decimal(38,10)
select sum(d) from dw where id in (1, 2, 3, 6)
-- rows:
-- 12345678901234567891.5123456788

-- case: arithmetic and negation keep every figure the result type has (d * 2 is decimal(40,10)
-- brought to 38 figures: scale min(10, 38 - 30) = 8, rounded)
select d + 1, -d, d * 2 from dw where id = 1
-- rows:
-- 12345678901234567891.0123456789 | -12345678901234567890.0123456789 | 24691357802469135780.02469136

-- case: GROUP BY and DISTINCT tell values of many figures apart only by their value
insert into dw values (8, 12345678901234567890.0123456789)
go
select count(distinct d), count(*) from dw
-- rows:
-- 7 | 8

-- case: a value of many figures meeting a float is a float
select case when cast(12345678901234567.89 as decimal(38,2)) * 1e0 > 1.2e16 then 1 else 0 end
-- rows:
-- 1

-- case: a key of many figures is found by a constant of another scale
create table dk (k decimal(20,2) primary key, n int)
go
insert into dk values (123456789012345678.91, 1), (1.25, 2)
go
select n from dk where k = 123456789012345678.910
-- rows:
-- 1

-- case: a value too large for the column is an overflow
insert into dk values (1234567890123456789.1, 4)
-- error: Arithmetic overflow error converting numeric to data type numeric.

-- case: a constant of more than 38 figures is out of numeric's range ("Database Engine events
-- and errors", 1007)
select 1.000000000000000000000000000000000000001
-- error: The number '1.000000000000000000000000000000000000001' is out of the range for numeric representation (maximum precision 38).

-- case: a UNION ordered by a column of many figures
select cast(12345678901234567890.5 as decimal(38,1)) as v union all select 2 union all select -3
order by v
-- rows:
-- -3.0
-- 2.0
-- 12345678901234567890.5

-- case: a variable holds every figure
declare @v decimal(38,10) = 12345678901234567890.0123456789
select @v, @v - 0.0123456789
-- rows:
-- 12345678901234567890.0123456789 | 12345678901234567890.0000000000

-- case: ABS, ROUND, FLOOR and CEILING of many figures ("ROUND (Transact-SQL)": half away from
-- zero, the type kept; "FLOOR (Transact-SQL)", "CEILING (Transact-SQL)": decimal(p,0))
select abs(d), round(d, 8), round(d, -3), round(d, 8, 1), floor(d), ceiling(d) from dw where id = 2
-- rows:
-- 12345678901234567890.0123456789 | -12345678901234567890.0123456800 | -12345678901234568000.0000000000 | -12345678901234567890.0123456700 | -12345678901234567891 | -12345678901234567890

-- case: ROUND that carries past the precision is an overflow
select round(cast(99999999999999999999999999.9999999999 as decimal(36,10)), 0)
-- error: Arithmetic overflow error converting expression to data type numeric.

-- case: LIKE matches a number as the text it converts to ("LIKE (Transact-SQL)": the match
-- expression is converted to a character string), every figure and the type's scale
select id from dw where d like '12345678901234567890.%' or d like '%.5000000000' order by id
-- rows:
-- 1
-- 3
-- 6
-- 8

-- case: BETWEEN whose bounds are the decimals of many figures
select id from dw where 2 between d and d + 5 order by id
-- rows:
-- 3
-- 4
-- 5
