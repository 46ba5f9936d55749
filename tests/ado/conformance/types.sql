-- Types and conversions: lengths of CAST and CONVERT, max types, float, decimals written with
-- their scale (the reference of CAST and CONVERT, char and varchar, float and real).

-- case: char and varchar without a length hold 30 characters in CAST and CONVERT
select cast(123456 as varchar), cast('abcdefghijklmnopqrstuvwxyz0123456789' as varchar),
       convert(char, 'x') + '|'
-- rows:
-- 123456 | abcdefghijklmnopqrstuvwxyz0123 | x                             |

-- case: varchar without a length in a table holds one character
create table ty_one (v varchar)
go
insert into ty_one values ('ab')
-- error: String or binary data would be truncated.

-- case: varchar(max) and nvarchar(max) columns keep long text
create table ty_max (a varchar(max), b nvarchar(max))
go
insert into ty_max values (cast(replicate('x', 8000) as varchar(max)) + replicate('y', 10), N'ñandú')
go
select len(a), right(a, 2), b, datalength(b) from ty_max
-- rows:
-- 8010 | yy | ñandú | 10

-- case: float, real and double precision columns
create table ty_float (a float, b real, c double precision, d float(53))
go
insert into ty_float values (1.5, 2.25, -3.125, 1e10)
go
select a, b, c, d from ty_float
-- rows:
-- 1.5 | 2.25 | -3.125 | 10000000000

-- case: decimals become text with their scale
select cast(1.50 as varchar(10)), cast(cast(2 as decimal(5,3)) as varchar(10)),
       concat('x', 0.10)
-- rows:
-- 1.50 | 2.000 | x0.10

-- case: float arithmetic that leaves float's range overflows
select cast(1e308 as float) * 10
-- error: Arithmetic overflow error converting expression to data type float.

-- case: a float sum that leaves float's range overflows
select sum(x) from (select cast(1e308 as float) x union all select 1e308) t
-- error: Arithmetic overflow error converting expression to data type float.
