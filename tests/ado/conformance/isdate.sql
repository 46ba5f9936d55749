-- ISDATE under us_english, whose date order is month/day/year: 1 for a string that converts to
-- datetime, 0 otherwise. Reasoned from "ISDATE (Transact-SQL)", "SET DATEFORMAT
-- (Transact-SQL)" and the string formats of "datetime (Transact-SQL)".

-- case: month/day/year with slashes, hyphens or periods, the ISO and unseparated forms
select isdate('12-26-2016'), isdate('12.26.2016'), isdate('12/26/2016'), isdate('12/26/16'),
       isdate('2016-12-26'), isdate('20161226'), isdate('2016-12-26T10:20:30.123'), isdate('2016')
-- rows:
-- 1 | 1 | 1 | 1 | 1 | 1 | 1 | 1

-- case: months by name, and a time alone
select isdate('Dec 26 2016'), isdate('26 December, 2016'), isdate('December 26, 2016 10:20PM'),
       isdate('10:20'), isdate('10:20:30.123'), isdate('4 PM'), isdate('4am')
-- rows:
-- 1 | 1 | 1 | 1 | 1 | 1 | 1

-- case: a whole number is read as its figures
select isdate(20161226), isdate(2016), isdate(123)
-- rows:
-- 1 | 1 | 0

-- case: strings that only datetime2 reads are no datetime
select isdate('2016-12-26 10:20:30.1234'), isdate('0001-01-01'), isdate('1752-12-31')
-- rows:
-- 0 | 0 | 0

-- case: days that do not exist, day/month order, and no date at all
select isdate('02/30/2016'), isdate('26-12-2016'), isdate('13/01/2016'), isdate('abc'),
       isdate(''), isdate(null)
-- rows:
-- 0 | 0 | 0 | 0 | 0 | 0

-- case: what ISDATE reads converts as it says
select convert(varchar(23), cast('12.26.2016' as datetime), 121),
       convert(varchar(23), cast('December 26, 2016 10:20PM' as datetime), 121)
-- rows:
-- 2016-12-26 00:00:00.000 | 2016-12-26 22:20:00.000

-- case: a datetime2 argument is refused
select isdate(cast('2016-12-26' as datetime2))
-- error: Argument data type datetime2 is invalid for argument 1 of isdate function.
