-- Date-times built from their parts. Reasoned from "DATETIME2FROMPARTS (Transact-SQL)",
-- "TIMEFROMPARTS (Transact-SQL)", "SMALLDATETIMEFROMPARTS (Transact-SQL)" and "DATEFROMPARTS
-- (Transact-SQL)": a NULL part gives NULL but a NULL precision is an error, parts that name no
-- value are error 289, fractions count units of the precision (0 at precision 0).

-- case: the examples of the pages; a NULL part gives NULL; the precision is the result's
select cast(datetime2fromparts(2010, 12, 31, 23, 59, 59, 0, 0) as varchar(30)),
       cast(datetime2fromparts(2011, 8, 15, 14, 23, 44, 50, 2) as varchar(30)),
       cast(datetime2fromparts(1, 1, 1, 0, 0, 0, 1, 7) as varchar(30)),
       cast(timefromparts(14, 23, 44, 500, 3) as varchar(20)),
       convert(varchar(20), smalldatetimefromparts(2079, 6, 6, 23, 59), 120),
       datetime2fromparts(2010, 12, null, 23, 59, 59, 0, 7), timefromparts(14, null, 44, 5, 1),
       smalldatetimefromparts(2010, 12, 31, null, 59),
       datalength(datetime2fromparts(2020, 1, 2, 3, 4, 5, 6, 3)), datalength(timefromparts(1, 2, 3, 0, 0))
-- rows:
-- 2010-12-31 23:59:59 | 2011-08-15 14:23:44.50 | 0001-01-01 00:00:00.0000001 | 14:23:44.500 | 2079-06-06 23:59:00 | NULL | NULL | NULL | 7 | 3

-- case: fractions of more figures than the precision
select datetime2fromparts(2010, 12, 31, 23, 59, 59, 10, 1)
-- error: Cannot construct data type datetime2, some of the arguments have values which are not valid.

-- case: a time of day has no hour 24
select timefromparts(24, 0, 0, 0, 0)
-- error: Cannot construct data type time, some of the arguments have values which are not valid.

-- case: smalldatetime ends on 2079-06-06
select smalldatetimefromparts(2079, 6, 7, 0, 0)
-- error: Cannot construct data type smalldatetime, some of the arguments have values which are not valid.

-- case: a NULL precision is an error, not NULL
select datetime2fromparts(2010, 12, 31, 23, 59, 59, 0, null)
-- error: Scale argument is not valid. Valid expressions for data type datetime2 scale argument are integer constants and integer constant expressions.

-- case: the precision is a constant, not a variable
declare @p int
set @p = 3
select timefromparts(10, 11, 12, 0, @p)
-- error: Scale argument is not valid. Valid expressions for data type time scale argument are integer constants and integer constant expressions.
