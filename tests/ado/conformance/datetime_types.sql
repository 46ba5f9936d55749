-- The five date and time types: their ranges, their precision, the conversions between them
-- and from and to text, and DATEADD, DATEDIFF, DATEPART and DATETIMEFROMPARTS on each.
-- Reasoned from "datetime (Transact-SQL)", "smalldatetime (Transact-SQL)", "date
-- (Transact-SQL)", "time (Transact-SQL)", "datetime2 (Transact-SQL)", "CAST and CONVERT
-- (Transact-SQL)", "DATEADD (Transact-SQL)", "DATEDIFF (Transact-SQL)", "DATEPART
-- (Transact-SQL)" and "DATETIMEFROMPARTS (Transact-SQL)".

-- case: datetime ends at 9999-12-31 23:59:59.997, so .999 rounds out of its range
select convert(datetime, '9999-12-31 23:59:59.999')
-- error: The conversion of a varchar data type to a datetime data type resulted in an out-of-range value.

-- case: .998 rounds to .997 at the end of the range
select convert(varchar(23), convert(datetime, '9999-12-31 23:59:59.998'), 121)
-- rows:
-- 9999-12-31 23:59:59.997

-- case: datetime rounds to .000, .003 and .007 as the datetime page's table shows
select convert(varchar(12), cast('1998-01-01 23:59:59.991' as datetime), 114),
       convert(varchar(12), cast('1998-01-01 23:59:59.992' as datetime), 114),
       convert(varchar(12), cast('1998-01-01 23:59:59.994' as datetime), 114),
       convert(varchar(12), cast('1998-01-01 23:59:59.995' as datetime), 114)
-- rows:
-- 23:59:59:990 | 23:59:59:993 | 23:59:59:993 | 23:59:59:997

-- case: a string with more than three figures of a second is no datetime
select cast('2020-01-01 10:00:00.1234' as datetime)
-- error: Conversion failed when converting date and/or time from character string.

-- case: datetime2 keeps seven figures of a second unless told fewer, back to the year 1
select cast(cast('2020-01-01 10:00:00.1234567' as datetime2) as varchar(30)),
       cast(cast('2020-01-01 10:00:00.5' as datetime2(0)) as varchar(30)),
       cast(cast('0001-01-01' as datetime2(3)) as varchar(30)), cast(cast('0001-01-01' as date) as varchar(10))
-- rows:
-- 2020-01-01 10:00:00.1234567 | 2020-01-01 10:00:01 | 0001-01-01 00:00:00.000 | 0001-01-01

-- case: a date column keeps no time of day
create table dtt_d (d date)
go
insert into dtt_d values ('2020-05-06 07:08:09')
go
select cast(d as varchar(30)), convert(varchar(10), d, 101), datalength(d) from dtt_d
-- rows:
-- 2020-05-06 | 05/06/2020 | 3

-- case: time(n) keeps n figures of a second, rounded; between the types values round or fall
-- on 1900-01-01
select cast(cast('10:11:12.1234567' as time) as varchar(20)),
       cast(cast('2020-01-01 23:59:58.75' as time(1)) as varchar(20)),
       cast(cast(cast('2020-03-04 05:06:07.123' as datetime) as time(3)) as varchar(20)),
       convert(varchar(23), cast(cast('05:06:07' as time) as datetime), 121),
       convert(varchar(23), cast(cast('2020-01-01 10:00:00.1244567' as datetime2) as datetime), 121)
-- rows:
-- 10:11:12.1234567 | 23:59:58.8 | 05:06:07.123 | 1900-01-01 05:06:07.000 | 2020-01-01 10:00:00.123

-- case: a datetime2 before 1753 is no datetime
select cast(cast('1700-01-01' as datetime2) as datetime)
-- error: The conversion of a datetime2 data type to a datetime data type resulted in an out-of-range value.

-- case: smalldatetime keeps the minute up to 2079-06-06 23:59
select convert(varchar(19), cast('2079-06-06 23:59:29' as smalldatetime), 120)
-- rows:
-- 2079-06-06 23:59:00

-- case: a time is no date
select cast(cast('10:00' as time) as date)
-- error: Explicit conversion from data type time to date is not allowed.

-- case: a number converts to datetime but not to date
select convert(varchar(10), cast(1 as datetime), 120), cast(1 as date)
-- error: Explicit conversion from data type int to date is not allowed.

-- case: a number added to a date is a type clash
select cast('2020-01-01' as date) + 1
-- error: Operand type clash: date is incompatible with int

-- case: DATEADD gives the type of its date back; on a time it goes round the clock
select cast(dateadd(day, 1, cast('2020-02-28' as date)) as varchar(10)),
       cast(dateadd(nanosecond, 100, cast('2020-01-01' as datetime2)) as varchar(30)),
       cast(dateadd(month, 1, cast('2020-01-31 10:00' as datetime2(0))) as varchar(30)),
       cast(dateadd(hour, 2, cast('23:00' as time(0))) as varchar(10))
-- rows:
-- 2020-02-29 | 2020-01-01 00:00:00.0000001 | 2020-02-29 10:00:00 | 01:00:00

-- case: DATEADD beyond datetime2's range
select dateadd(year, 1, cast('9999-06-01' as datetime2))
-- error: Adding a value to a 'datetime2' column caused an overflow.

-- case: a date has no hour
select datepart(hour, cast('2020-01-01' as date))
-- error: The datepart hour is not supported by date function datepart for data type date.

-- case: a time has no day
select dateadd(day, 1, cast('10:00' as time))
-- error: The datepart day is not supported by date function dateadd for data type time.

-- case: datetime has no microseconds to add
select dateadd(microsecond, 1, cast('2020-01-01' as datetime))
-- error: The datepart microsecond is not supported by date function dateadd for data type datetime.

-- case: DATEPART of the fractions of a second; a string is read as datetime2
select datepart(millisecond, cast('2020-01-01 10:00:00.1234567' as datetime2)),
       datepart(microsecond, cast('2020-01-01 10:00:00.1234567' as datetime2)),
       datepart(year, '0001-01-01'), datepart(nanosecond, '2020-01-01 10:00:00.1234567')
-- rows:
-- 123 | 123456 | 1 | 123456700

-- case: DATEDIFF counts the boundaries crossed
select datediff(second, '2020-01-01 10:00:00.900', '2020-01-01 10:00:01.100'),
       datediff(year, '2019-12-31', '2020-01-01'),
       datediff(microsecond, cast('2020-01-01' as datetime2), cast('2020-01-01 00:00:00.000001' as datetime2)),
       datediff(day, cast('2020-01-01' as date), cast('2020-03-01 10:00' as datetime))
-- rows:
-- 1 | 1 | 1 | 60

-- case: DATEDIFF beyond an int overflows
select datediff(millisecond, '1900-01-01', '2020-01-01')
-- error: The datediff function resulted in an overflow. The number of dateparts separating two date/time instances is too large. Try to use datediff with a less precise datepart.

-- case: DATETIMEFROMPARTS builds a datetime; a NULL part gives NULL
select convert(varchar(23), datetimefromparts(2010, 12, 31, 23, 59, 59, 0), 121),
       datetimefromparts(2010, 12, null, 23, 59, 59, 0)
-- rows:
-- 2010-12-31 23:59:59.000 | NULL

-- case: DATETIMEFROMPARTS refuses parts that name no datetime
select datetimefromparts(2010, 2, 30, 0, 0, 0, 0)
-- error: Cannot construct data type datetime, some of the arguments have values which are not valid.

-- case: values of different types compare as the higher type holds them
create table dtt_c (a date, b datetime, c datetime2(3), t time)
go
insert into dtt_c values ('2020-01-01', '2020-01-01', '2020-01-01', '00:00')
go
select count(*) from dtt_c where a = b and b = c and a = c and c > '2019-12-31 23:59:59.999'
-- rows:
-- 1

-- case: the bytes each type takes
select datalength(cast('10:00' as time)), datalength(cast('10:00' as time(2))),
       datalength(cast('2020-01-01' as datetime2)), datalength(cast('2020-01-01' as smalldatetime))
-- rows:
-- 5 | 3 | 8 | 4
