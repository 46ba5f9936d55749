-- Numbers: the mathematical functions and their result types, whole-number division, bit and
-- float conversions. Reasoned from "ABS (Transact-SQL)", "SIGN (Transact-SQL)", "POWER
-- (Transact-SQL)", "SQUARE (Transact-SQL)", "SQRT (Transact-SQL)", "/ (Divide)
-- (Transact-SQL)", "% (Modulus) (Transact-SQL)", "bit (Transact-SQL)", "CAST and CONVERT
-- (Transact-SQL)" (float and real styles: 0, at most 6 digits, scientific notation when
-- appropriate), "STR (Transact-SQL)", "IIF (Transact-SQL)" and "CHOOSE (Transact-SQL)".

-- case: ABS keeps its argument's type
select abs(-5), abs(-5.5), abs(-2.5e0), abs(null), abs(cast(-5 as bigint))
-- rows:
-- 5 | 5.5 | 2.5 | NULL | 5

-- case: ABS of the most negative int overflows, its type having no room for the result
declare @i int = -2147483648
select abs(@i)
-- error: Arithmetic overflow error converting expression to data type int.

-- case: SIGN gives int for an int, decimal(p,0) for a decimal, float for a float
select sign(-3), sign(0), sign(2.50), sign(-2.5e0) + 0.5, sign(cast(5 as bigint))
-- rows:
-- -1 | 0 | 1 | -0.5 | 1

-- case: POWER of an int is an int (a fraction cut away), of a float a float
select power(2, 10), power(2, -1), power(cast(3 as bigint), 3), power(4e0, 0.5), power(null, 2)
-- rows:
-- 1024 | 0 | 27 | 2 | NULL

-- case: POWER of an int beyond int's range
select power(2, 31)
-- error: Arithmetic overflow error converting expression to data type int.

-- case: SQUARE and SQRT are floats
select square(3), square(1.5), sqrt(16)
-- rows:
-- 9 | 2.25 | 4

-- case: SQRT of a negative number
select sqrt(-1)
-- error: An invalid floating point operation occurred.

-- case: a bit is 1 for any value but zero, and reads the words TRUE and FALSE
select cast('1' as bit), cast(5 as bit), cast(0 as bit), cast(-1 as bit), cast(0.5 as bit), cast('TRUE' as bit), cast('false' as bit)
-- rows:
-- 1 | 1 | 0 | 1 | 1 | 1 | 0

-- case: a float as text: six figures, an exponent of three figures where they do not reach
select cast(1e10 as varchar), cast(1.5e0 as varchar), cast(123456e0 as varchar), cast(1234567e0 as varchar), cast(0.00001e0 as varchar), concat('x', 1e10)
-- rows:
-- 1e+010 | 1.5 | 123456 | 1.23457e+006 | 1e-005 | x1e+010

-- case: IIF and CHOOSE are CASE expressions and take CASE's type
select iif(1 > 2, 'y', 'n'), iif(1 < 2, 1, 2.5), choose(2, 'a', 'b', 'c'), choose(5, 'a', 'b'), choose(null, 'a')
-- rows:
-- n | 1.0 | b | NULL | NULL


-- case: a number cast to text too short for it: a whole number is "*" in char and varchar,
-- which "CAST and CONVERT (Transact-SQL)" ("Truncating and rounding results") gives as *
select cast(12345 as varchar(3)), cast(123 as varchar(3)), cast(12345 as char(3)) + ']'
-- rows:
-- * | 123 | *  ]

-- case: and a decimal an error, as it is for national text
select cast(2.5 as varchar(2))
-- error: Arithmetic overflow error converting numeric to data type varchar.
