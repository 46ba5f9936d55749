-- Date-times of different types meeting in one result: the type of higher precedence, every
-- branch converted to it. Reasoned from "Data type precedence (Transact-SQL)" (datetime2,
-- datetime, smalldatetime, date, time), "CASE (Transact-SQL)", "COALESCE (Transact-SQL)",
-- "IIF (Transact-SQL)", "UNION (Transact-SQL)" (the result type of each), "ISNULL
-- (Transact-SQL)" (the type of its first argument) and "CAST and CONVERT (Transact-SQL)" (a
-- time converted to datetime falls on 1900-01-01; date and time do not convert to each other).

-- case: a date meeting a datetime is the date at midnight as a datetime
create table dtb_t (d date, dt datetime, d2 datetime2(3), t time, v varchar(30))
go
insert into dtb_t values ('2020-01-02', '2020-01-02 10:00:00.123', '2020-01-02 10:00:00.123', '10:11:12.1234567', null)
go
select case when 1 = 1 then d else dt end, convert(varchar(30), coalesce(d, dt), 121),
       convert(varchar(30), iif(1 = 0, dt, d2), 121), convert(varchar(30), coalesce(t, dt), 121),
       cast(isnull(d, dt) as varchar(30)), isnull(v, dt)
from dtb_t
-- rows:
-- 2020-01-02 00:00:00.000 | 2020-01-02 00:00:00.000 | 2020-01-02 10:00:00.123 | 1900-01-01 10:11:12.123 | 2020-01-02 | Jan  2 2020 10:00AM

-- case: UNION takes the higher type for every member
select convert(varchar(30), x, 121) from (select d as x from dtb_t union all select dt from dtb_t union all select t from dtb_t) q order by x
-- rows:
-- 1900-01-01 10:11:12.123
-- 2020-01-02 00:00:00.000
-- 2020-01-02 10:00:00.123

-- case: a date and a time do not meet
select case when 1 = 1 then d else t end from dtb_t
-- error: Operand type clash: date is incompatible with time

-- case: nor a date and a number
select coalesce(d, 1) from dtb_t
-- error: Operand type clash: int is incompatible with date
