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
select convert(varchar(30), cast('2020-01-01 10:30' as date)), day(cast('2020-01-31 23:59:59' as date))
-- rows:
-- 2020-01-01 | 31

-- case: smalldatetime rounds to the minute
select datepart(minute, cast('2020-01-01 10:30:29.998' as smalldatetime)),
       datepart(minute, cast('2020-01-01 10:30:29.999' as smalldatetime)),
       datepart(second, cast('2020-01-01 10:30:45' as smalldatetime))
-- rows:
-- 30 | 31 | 0

-- case: smalldatetime ends in 2079
select cast('2079-06-07' as smalldatetime)
-- error: The conversion of a varchar data type to a smalldatetime data type resulted in an out-of-range value.

-- case: DATEPART(week) counts from the week of January 1, a new week each Sunday
select datepart(week, '2020-01-04'), datepart(week, '2020-01-05'), datepart(wk, '2020-12-31'),
       datepart(week, '2021-01-01'), datepart(week, '2017-01-01')
-- rows:
-- 1 | 2 | 53 | 1 | 1

-- case: DATENAME gives month and weekday names, numbers for other parts
select datename(month, '2020-02-03'), datename(weekday, '2020-02-03'), datename(year, '2020-02-03'),
       datename(day, '2020-02-03'), datename(dw, '2020-02-09')
-- rows:
-- February | Monday | 2020 | 3 | Sunday

-- case: DATEFROMPARTS builds a date; NULL arguments give NULL
select convert(char(8), datefromparts(2020, 2, 29), 112), datefromparts(2020, null, 1)
-- rows:
-- 20200229 | NULL

-- case: DATEFROMPARTS refuses a day that does not exist
select datefromparts(2021, 2, 29)
-- error: Cannot construct data type date, some of the arguments have values which are not valid.

-- case: ISDATE tells whether text converts to a datetime
select isdate('2020-02-29'), isdate('2021-02-29'), isdate('abc'), isdate(null), isdate('1752-01-01')
-- rows:
-- 1 | 0 | 0 | 0 | 0
