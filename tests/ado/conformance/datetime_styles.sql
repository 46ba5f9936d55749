-- CONVERT and CAST of time and datetime2 to text: the type's own figures of a second, after a
-- point where datetime writes three after a colon. Reasoned from "CAST and CONVERT
-- (Transact-SQL)" (its table of styles; 126 and 127 leave out a fraction of zero, Z only for a
-- value with a time zone), "datetime2 (Transact-SQL)" and "time (Transact-SQL)".

-- case: datetime2(7) in the styles that write a time of day
select convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 109),
       convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 13),
       convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 114),
       convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 120),
       convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 21),
       convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 127)
-- rows:
-- Dec 26 2016 10:11:12.1234567AM | 26 Dec 2016 10:11:12.1234567 | 10:11:12.1234567 | 2016-12-26 10:11:12 | 2016-12-26 10:11:12.1234567 | 2016-12-26T10:11:12.1234567

-- case: fewer figures for less precision, none at 0; 126 without a fraction of zero; 100
select convert(varchar(40), cast('2016-12-26 22:11:12.5' as datetime2(3)), 9),
       convert(varchar(40), cast('2016-12-26 10:11:12.5' as datetime2(0)), 113),
       convert(varchar(40), cast('2016-12-26 01:02:03' as datetime2(1)), 109),
       convert(varchar(40), cast('2016-12-26 10:11:12' as datetime2), 126),
       convert(varchar(40), cast('2016-12-26 10:11:12.1234567' as datetime2), 100)
-- rows:
-- Dec 26 2016 10:11:12.500PM | 26 Dec 2016 10:11:13 | Dec 26 2016  1:02:03.0AM | 2016-12-26T10:11:12 | Dec 26 2016 10:11AM

-- case: a time column and CAST of both types write every figure the type keeps
create table dts_t (t time(2))
go
insert into dts_t values ('23:59:59.994')
go
select convert(varchar(20), t, 114), convert(varchar(20), t, 121), convert(varchar(20), t, 20),
       cast(cast('10:11:12.5' as time(3)) as varchar), cast(cast('10:11:12.5' as time(0)) as varchar),
       cast(cast('2016-12-26 10:11:12.5' as datetime2(4)) as varchar(30)),
       convert(varchar(30), cast('2020-03-04 13:05:06.123' as datetime), 127)
from dts_t
-- rows:
-- 23:59:59.99 | 23:59:59.99 | 23:59:59 | 10:11:12.500 | 10:11:13 | 2016-12-26 10:11:12.5000 | 2020-03-04T13:05:06.123

-- case: a time in a style that writes a day is refused by name
select convert(varchar(30), cast('10:11:12' as time), 109)
-- error: CONVERT style 109 of a time value is not supported by the embedded engine.
