-- Arguments of a type that a function does not take are refused as SQL Server refuses them;
-- a bare NULL is an int. Reasoned from "SUBSTRING (Transact-SQL)" (its expression is
-- character, binary, text, ntext or image) and "NULL and UNKNOWN (Transact-SQL)".

-- case: SUBSTRING of a bare NULL
select substring(NULL, 2, 1)
-- error: Argument data type int is invalid for argument 1 of substring function.

-- case: SUBSTRING of an int
select substring(12345, 2, 1)
-- error: Argument data type int is invalid for argument 1 of substring function.

-- case: SUBSTRING of a decimal
select substring(1.5, 1, 1)
-- error: Argument data type numeric is invalid for argument 1 of substring function.

-- case: SUBSTRING of a NULL of a text type gives NULL
select substring(cast(null as varchar(5)), 2, 1), substring('abc', 2, 1)
-- rows:
-- NULL | b

-- case: ISDATE of a date is refused
select isdate(cast('2020-01-01' as date))
-- error: Argument data type date is invalid for argument 1 of isdate function.
