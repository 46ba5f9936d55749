-- Decimals stored in and cast to numeric(p,s), money and smallmoney: a value is rounded half
-- away from zero to the column's scale; one whose whole part has more figures than p - s allows
-- is error 8115 (decimal and numeric; money and smallmoney, with their ranges
-- -922,337,203,685,477.5808 to 922,337,203,685,477.5807 and -214,748.3648 to 214,748.3647, and
-- four decimals).

-- case: a stored value is rounded half away from zero to the column's scale
create table ds_r (id int, d numeric(5,2))
go
insert into ds_r values (1, 1.005), (2, 2.344), (3, -2.345), (4, 999.994)
go
select d from ds_r order by id
-- rows:
-- 1.01
-- 2.34
-- -2.35
-- 999.99

-- case: a value whose whole part does not fit is an overflow
insert into ds_r values (5, 999.995)
-- error: Arithmetic overflow error converting numeric to data type numeric.

-- case: an update that leaves the column's range is an overflow, and changes nothing
update ds_r set d = d * 1000 where id = 1
-- error: Arithmetic overflow error converting numeric to data type numeric.

-- case: an update rounds the result of its arithmetic to the column's scale
update ds_r set d = d / 3 where id = 2
go
select d from ds_r where id = 2
-- rows:
-- 0.78

-- case: CAST rounds to the scale and checks the precision
select cast(12345.678 as decimal(7,2)), cast(-0.005 as decimal(3,2)), cast(2 as decimal(5,3)),
       cast(-214748.3648 as smallmoney)
-- rows:
-- 12345.68 | -0.01 | 2.000 | -214748.3648

-- case: CAST to a precision too small overflows
select cast(1234.5 as decimal(4,1))
-- error: Arithmetic overflow error converting numeric to data type numeric.

-- case: a decimal(15,2) column round trip at its full precision
create table ds_w (d decimal(15,2), e decimal(12,10))
go
insert into ds_w values (1234567890123.45, 12.3456789012)
go
select d, e, d + 0.01, e * 2 from ds_w
-- rows:
-- 1234567890123.45 | 12.3456789012 | 1234567890123.46 | 24.6913578024

-- case: money and smallmoney keep four decimals
create table ds_m (m money, s smallmoney)
go
insert into ds_m values (12.34567, 1.23456), (-0.00005, 214748.3647)
go
select m, s from ds_m order by s
-- rows:
-- 12.3457 | 1.2346
-- -0.0001 | 214748.3647

-- case: smallmoney's range ends at 214,748.3647
insert into ds_m (s) values (214748.3648)
-- error: Arithmetic overflow error converting numeric to data type smallmoney.

-- case: money sums to the ten-thousandth
select sum(m), sum(s) from ds_m
-- rows:
-- 12.3456 | 214749.5993

-- case: money written as text ("CAST and CONVERT (Transact-SQL)", money and smallmoney styles:
-- 0 and none two decimals, 1 with commas every three figures, 2 and 126 four decimals)
select cast(cast(1234.5 as money) as varchar(20)), convert(varchar(30), cast(1234567.891 as money), 1),
       convert(varchar(30), cast(-1234567.891 as money), 1), convert(varchar(30), cast(1234567.891 as money), 2),
       convert(varchar(30), cast(0.125 as smallmoney)), 'x' + cast(cast(12 as money) as varchar(10))
-- rows:
-- 1234.50 | 1,234,567.89 | -1,234,567.89 | 1234567.8910 | 0.13 | x12.00
