-- CONVERT of time and datetime2 to text in the styles that write a time of day, and CAST of
-- both: the type's own figures of a second, after a point where datetime writes three
-- milliseconds after a colon. Reasoned from "CAST and CONVERT (Transact-SQL)" (the table of
-- date and time styles and its notes: 9, 13, 20, 21 and their 100s always write the century;
-- 126 and 127 leave out a fraction of zero; Z only for a value that has a time zone),
-- "datetime2 (Transact-SQL)" and "time (Transact-SQL)" (the default string literal formats
-- "YYYY-MM-DD hh:mm:ss[.nnnnnnn]" and "hh:mm:ss[.nnnnnnn]", n figures as the type's
-- precision).

-- case: datetime2(7) in the styles with milliseconds writes its seven figures
select convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 109),
       convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 9),
       convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 113),
       convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 114)
-- rows:
-- Dec 26 2016 10:11:12.1234567AM | Dec 26 2016 10:11:12.1234567AM | 26 Dec 2016 10:11:12.1234567 | 10:11:12.1234567

-- case: the ODBC and ISO styles of a datetime2(7)
select convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 120),
       convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 121),
       convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 21),
       convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 126),
       convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 127)
-- rows:
-- 2016-12-26 10:11:12 | 2016-12-26 10:11:12.1234567 | 2016-12-26 10:11:12.1234567 | 2016-12-26T10:11:12.1234567 | 2016-12-26T10:11:12.1234567

-- case: fewer figures for a smaller precision, none for datetime2(0); an afternoon in 109
select convert(varchar(40), cast('2016-12-26 22:11:12.5' as datetime2(3)), 109),
       convert(varchar(40), cast('2016-12-26 10:11:12.5' as datetime2(0)), 113),
       convert(varchar(40), cast('2016-12-26 10:11:12.25' as datetime2(2)), 121),
       convert(varchar(40), cast('2016-12-26 01:02:03' as datetime2(1)), 109)
-- rows:
-- Dec 26 2016 10:11:12.500PM | 26 Dec 2016 10:11:13 | 2016-12-26 10:11:12.25 | Dec 26 2016  1:02:03.0AM

-- case: 126 leaves out a fraction of zero; style 0 writes no seconds
select convert(varchar(40), cast('2016-12-26 10:11:12' as datetime2), 126),
       convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 100)
-- rows:
-- 2016-12-26T10:11:12 | Dec 26 2016 10:11AM

-- case: a time in the styles of a time of day
select convert(varchar(20), cast('10:11:12.1234567' as time), 114),
       convert(varchar(20), cast('10:11:12.1234567' as time), 14),
       convert(varchar(20), cast('10:11:12.1234567' as time), 121),
       convert(varchar(20), cast('10:11:12.1234567' as time), 126),
       convert(varchar(20), cast('10:11:12.1234567' as time), 120),
       convert(varchar(20), cast('10:11:12.1234567' as time(0)), 114)
-- rows:
-- 10:11:12.1234567 | 10:11:12.1234567 | 10:11:12.1234567 | 10:11:12.1234567 | 10:11:12 | 10:11:12

-- case: datetime in 127, without a time zone, as 126 writes it
select convert(varchar(30), cast('2020-03-04 13:05:06.123' as datetime), 127),
       convert(varchar(30), cast('2020-03-04 13:05:06' as datetime), 127)
-- rows:
-- 2020-03-04T13:05:06.123 | 2020-03-04T13:05:06

-- case: CAST writes every figure the type keeps
select cast(cast('10:11:12.5' as time(3)) as varchar),
       cast(cast('10:11:12' as time) as varchar(20)),
       cast(cast('2016-12-26 10:11:12.5' as datetime2(4)) as varchar(30)),
       cast(cast('10:11:12.5' as time(0)) as varchar)
-- rows:
-- 10:11:12.500 | 10:11:12.0000000 | 2016-12-26 10:11:12.5000 | 10:11:13

-- case: a column of datetime2(3) in 113 and 114
create table dts_t (d datetime2(3), t time(2))
go
insert into dts_t values ('2016-12-26 10:11:12.345', '23:59:59.994')
go
select convert(varchar(30), d, 113), convert(varchar(30), t, 114) from dts_t
-- rows:
-- 26 Dec 2016 10:11:12.345 | 23:59:59.99

-- case: a time in the styles that write a day and a time of day is refused by name
select convert(varchar(30), cast('10:11:12' as time), 109)
-- error: CONVERT style 109 of a time value is not supported by the embedded engine.
