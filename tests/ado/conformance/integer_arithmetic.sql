-- Whole-number arithmetic: results keep the type of their operands (int, or bigint when one
-- is bigint); leaving the type's range or dividing by zero is an error, never NULL or a wider
-- number.

-- case: division and modulo of whole numbers truncate towards zero
select 7 / 2, -7 / 2, 10 % 3, -10 % 3, 10 % -3
-- rows:
-- 3 | -3 | 1 | -1 | 1

-- case: integer division by zero
select 25 / 0
-- error: Divide by zero error encountered.

-- case: modulo by zero
select 25 % 0
-- error: Divide by zero error encountered.

-- case: division by a zero column
create table ia_z (n int, z int)
go
insert into ia_z values (10, 0)
go
select n / z from ia_z
-- error: Divide by zero error encountered.

-- case: division by NULL is NULL
select 5 / null, null % 3
-- rows:
-- NULL | NULL

-- case: no row, nothing divided
select n / 0 from ia_z where n = 99
-- rows: none

-- case: int addition overflows
select 2147483647 + 1
-- error: Arithmetic overflow error converting expression to data type int.

-- case: int subtraction overflows
select -2147483647 - 2
-- error: Arithmetic overflow error converting expression to data type int.

-- case: int multiplication overflows
select 65536 * 65536
-- error: Arithmetic overflow error converting expression to data type int.

-- case: a long sum that leaves the range overflows
select 1000000000 + 1000000000 + 1000000000 - 5
-- error: Arithmetic overflow error converting expression to data type int.

-- case: bigint addition overflows
select cast(9223372036854775807 as bigint) + 1
-- error: Arithmetic overflow error converting expression to data type bigint.

-- case: bigint keeps what int cannot hold
select cast(2147483647 as bigint) + 1, cast(65536 as bigint) * 65536
-- rows:
-- 2147483648 | 4294967296

-- case: the edges of int are not overflows
select 2147483646 + 1, -2147483647 - 1
-- rows:
-- 2147483647 | -2147483648

-- case: int columns overflow alike
create table ia_m (n int, b bigint)
go
insert into ia_m values (2147483647, 2147483647), (2147483647, 2147483647)
go
select n + 1 from ia_m
-- error: Arithmetic overflow error converting expression to data type int.

-- case: AVG over int maxima overflows its int sum
select avg(n) from ia_m
-- error: Arithmetic overflow error converting expression to data type int.

-- case: SUM over int maxima overflows
select sum(n) from ia_m
-- error: Arithmetic overflow error converting expression to data type int.

-- case: bigint sums and averages hold them
select sum(b), avg(b) from ia_m
-- rows:
-- 4294967294 | 2147483647

-- case: AVG of whole numbers is a whole number, truncated towards zero
create table ia_a (n int)
go
insert into ia_a values (-1), (-2), (null)
go
select avg(n), sum(n), count(n) from ia_a
-- rows:
-- -1 | -3 | 2

-- case: two smallints make a smallint, two tinyints a tinyint, and overflow as one ("Data type
-- precedence (Transact-SQL)": the result takes the type of higher precedence)
select cast(30000 as smallint) + cast(30000 as smallint)
-- error: Arithmetic overflow error converting expression to data type smallint.

-- case: tinyint arithmetic overflows at 255
select cast(200 as tinyint) + cast(100 as tinyint)
-- error: Arithmetic overflow error converting expression to data type tinyint.

-- case: a smallint meeting an int or a tinyint takes the wider type
select cast(30000 as smallint) * 2, cast(30000 as smallint) - cast(200 as tinyint),
       cast(20 as tinyint) * cast(12 as tinyint)
-- rows:
-- 60000 | 29800 | 240
