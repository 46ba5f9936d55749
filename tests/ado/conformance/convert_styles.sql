-- CONVERT's style codes for date-times, as the reference of CAST and CONVERT lists them (the
-- language of a default login, us_english: month abbreviations in English, mdy order for text
-- read without a style).

-- case: styles with the century, dates first
select convert(varchar(10), cast('2020-03-04 13:05:06.123' as datetime), 101),
       convert(varchar(10), cast('2020-03-04 13:05:06.123' as datetime), 102),
       convert(varchar(10), cast('2020-03-04 13:05:06.123' as datetime), 103),
       convert(varchar(10), cast('2020-03-04 13:05:06.123' as datetime), 104),
       convert(varchar(10), cast('2020-03-04 13:05:06.123' as datetime), 105)
-- rows:
-- 03/04/2020 | 2020.03.04 | 04/03/2020 | 04.03.2020 | 04-03-2020

-- case: styles without the century write two figures of the year
select convert(varchar(8), cast('2020-03-04' as datetime), 1),
       convert(varchar(8), cast('2020-03-04' as datetime), 3),
       convert(varchar(8), cast('2020-03-04' as datetime), 12)
-- rows:
-- 03/04/20 | 04/03/20 | 200304

-- case: month names and times
select convert(varchar(30), cast('2020-03-04 13:05:06.123' as datetime), 100),
       convert(varchar(30), cast('2020-03-04 13:05:06.123' as datetime), 106),
       convert(varchar(30), cast('2020-03-04 13:05:06.123' as datetime), 107),
       convert(varchar(30), cast('2020-03-04 13:05:06.123' as datetime), 108),
       convert(varchar(30), cast('2020-03-04 13:05:06.123' as datetime), 109)
-- rows:
-- Mar  4 2020  1:05PM | 04 Mar 2020 | Mar 04, 2020 | 13:05:06 | Mar  4 2020  1:05:06:123PM

-- case: the ODBC and ISO styles
select convert(varchar(30), cast('2020-03-04 13:05:06.123' as datetime), 110),
       convert(varchar(30), cast('2020-03-04 13:05:06.123' as datetime), 111),
       convert(varchar(30), cast('2020-03-04 13:05:06.123' as datetime), 112),
       convert(varchar(30), cast('2020-03-04 13:05:06.123' as datetime), 113),
       convert(varchar(30), cast('2020-03-04 13:05:06.123' as datetime), 114)
-- rows:
-- 03-04-2020 | 2020/03/04 | 20200304 | 04 Mar 2020 13:05:06:123 | 13:05:06:123

-- case: 120 and 121; 126 leaves out milliseconds that are zero
select convert(varchar(30), cast('2020-03-04 13:05:06.123' as datetime), 120),
       convert(varchar(30), cast('2020-03-04 13:05:06.123' as datetime), 121),
       convert(varchar(30), cast('2020-03-04 13:05:06.123' as datetime), 126),
       convert(varchar(30), cast('2020-03-04 13:05:06' as datetime), 126)
-- rows:
-- 2020-03-04 13:05:06 | 2020-03-04 13:05:06.123 | 2020-03-04T13:05:06.123 | 2020-03-04T13:05:06

-- case: midnight and noon on the 12-hour clock
select convert(varchar(30), cast('2020-03-14 00:00' as datetime), 100),
       convert(varchar(30), cast('2020-03-14 12:30' as datetime), 0)
-- rows:
-- Mar 14 2020 12:00AM | Mar 14 2020 12:30PM

-- case: CAST of a datetime to text writes style 0
select cast(cast('2020-03-04 13:05' as datetime) as varchar(20))
-- rows:
-- Mar  4 2020  1:05PM

-- case: a shorter text cuts the style off
select convert(varchar(5), cast('2020-03-04' as datetime), 103)
-- rows:
-- 04/03

-- case: a column converted to dd/mm/yyyy
create table cs_t (d datetime)
go
insert into cs_t values ('2021-12-25 08:00')
go
select convert(char(10), d, 103) from cs_t
-- rows:
-- 25/12/2021

-- case: text read as day/month/year with 103, month/day/year without a style
select convert(datetime, '04/03/2020', 103), convert(datetime, '04/03/2020'),
       convert(datetime, '25/12/2021 10:30', 103), convert(datetime, '12/25/21', 1)
-- rows:
-- 2020-03-04 00:00:00.000 | 2020-04-03 00:00:00.000 | 2021-12-25 10:30:00.000 | 2021-12-25 00:00:00.000

-- case: a day that does not exist in dd/mm/yyyy
select convert(datetime, '31/02/2020', 103)
-- error: Conversion failed when converting date and/or time from character string.

-- case: style 101 does not read a day-first date
select convert(datetime, '25/12/2021', 101)
-- error: Conversion failed when converting date and/or time from character string.

-- case: a style that does not exist
select convert(varchar(30), cast('2020-03-04' as datetime), 300)
-- error: 300 is not a valid style number when converting from datetime to character.

-- case: the style of text converted to text is ignored
select convert(varchar(10), 'abc', 103), convert(varchar(10), 12, 103)
-- rows:
-- abc | 12

-- case: a NULL style gives NULL
select convert(varchar(10), cast('2020-03-04' as datetime), null)
-- rows:
-- NULL
