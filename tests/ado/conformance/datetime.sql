-- datetime keeps 1/300 of a second (.000, .003, .007) between 1753-01-01 and 9999-12-31;
-- smalldatetime keeps the minute, date the day.

-- case: datetime rounds milliseconds to 1/300 of a second
select cast('2020-01-01 10:00:00.001' as datetime), cast('2020-01-01 10:00:00.002' as datetime),
       cast('2020-01-01 10:00:00.005' as datetime), cast('2020-01-01 10:00:00.009' as datetime)
-- rows:
-- 2020-01-01 10:00:00.000 | 2020-01-01 10:00:00.003 | 2020-01-01 10:00:00.007 | 2020-01-01 10:00:00.010

-- case: .999 rounds into the next day
select cast('2020-12-31 23:59:59.999' as datetime)
-- rows:
-- 2021-01-01 00:00:00.000

-- case: a column stores the rounded value
create table dt_t (d datetime)
go
insert into dt_t values ('2020-05-06 07:08:09.123')
go
select d, datepart(millisecond, d) from dt_t
-- rows:
-- 2020-05-06 07:08:09.123 | 123

-- case: dates before 1753 are out of range
select cast('1752-12-31' as datetime)
-- error: The conversion of a varchar data type to a datetime data type resulted in an out-of-range value.

-- case: DATEADD beyond 9999 overflows
select dateadd(year, 150, '9900-12-26')
-- error: Adding a value to a 'datetime' column caused an overflow.

-- case: DATEADD before 1753 overflows
select dateadd(day, -1, cast('1753-01-01' as datetime))
-- error: Adding a value to a 'datetime' column caused an overflow.

-- case: DATEADD at the edges of the range
select dateadd(day, 1, '9999-12-30'), dateadd(year, -247, '2000-01-01')
-- rows:
-- 9999-12-31 00:00:00.000 | 1753-01-01 00:00:00.000

-- case: CAST to date drops the time
select datepart(hour, cast('2020-01-01 10:30' as date)), day(cast('2020-01-31 23:59:59' as date))
-- rows:
-- 0 | 31

-- case: smalldatetime rounds to the minute
select datepart(minute, cast('2020-01-01 10:30:29.998' as smalldatetime)),
       datepart(minute, cast('2020-01-01 10:30:29.999' as smalldatetime)),
       datepart(second, cast('2020-01-01 10:30:45' as smalldatetime))
-- rows:
-- 30 | 31 | 0

-- case: smalldatetime ends in 2079
select cast('2079-06-07' as smalldatetime)
-- error: The conversion of a varchar data type to a smalldatetime data type resulted in an out-of-range value.
