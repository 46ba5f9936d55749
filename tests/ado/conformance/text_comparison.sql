-- Text under the default collation (SQL_Latin1_General_CP1_CI_AS): comparisons ignore letter
-- case and trailing blanks, and the string functions as SQL Server documents them. Reasoned
-- from "Collation and Unicode support", "LEN (Transact-SQL)", "DATALENGTH (Transact-SQL)",
-- "CHARINDEX (Transact-SQL)", "PATINDEX (Transact-SQL)", "STUFF (Transact-SQL)", "LEFT
-- (Transact-SQL)", "REPLICATE (Transact-SQL)", "LTRIM", "RTRIM", "TRIM (Transact-SQL)",
-- "ISNULL (Transact-SQL)", "NULLIF (Transact-SQL)", "CHAR (Transact-SQL)" and "ASCII
-- (Transact-SQL)" (codes of the collation's code page, Windows-1252).

-- case: trailing blanks do not count in = nor in LEN, but DATALENGTH counts them
select case when 'a' = 'a  ' then 1 else 0 end, len('a  '), datalength('a  '), len('  a'), len('')
-- rows:
-- 1 | 1 | 3 | 3 | 0

-- case: CHARINDEX from a start (none, zero or negative: from the beginning) and PATINDEX
select charindex('B', 'abcb', 3), charindex('b', 'abcb', 0), charindex('b', 'abcb', -5), charindex('z', 'abc'), patindex('%[0-9]%', 'ab1'), patindex('b%', 'abc')
-- rows:
-- 4 | 2 | 2 | 0 | 3 | 0

-- case: LEFT, RIGHT and REPLICATE with zero, long or NULL lengths; REPLICATE of a negative count is NULL
select '[' + left('abc', 0) + ']', left('abc', 10), left('abc', null), right('abc', 10), '[' + replicate('ab', 0) + ']', replicate('ab', -1)
-- rows:
-- [] | abc | NULL | abc | [] | NULL

-- case: LTRIM, RTRIM and TRIM take off blanks
select '[' + ltrim('  a  ') + ']', '[' + rtrim('  a  ') + ']', '[' + trim('  a  ') + ']', trim(null)
-- rows:
-- [a  ] | [  a] | [a] | NULL

-- case: ISNULL's result has its first argument's type, a replacement cut to its length
select isnull(cast(null as varchar(2)), 'abcd'), '[' + isnull(cast(null as char(3)), 'a') + ']', coalesce(cast(null as varchar(2)), 'abcd')
-- rows:
-- ab | [a  ] | abcd

-- case: NULLIF compares as = does: without regard to case, text against a number as a number
select nullif('a', 'A'), nullif('a', 'b'), nullif(1, '1'), nullif(2, 1.0)
-- rows:
-- NULL | a | NULL | 2

-- case: CHAR and ASCII by the code page's codes, NULL outside 0-255 and for empty text
select char(65), char(128), char(256), ascii('A'), ascii('€'), ascii('')
-- rows:
-- A | € | NULL | 65 | 128 | NULL
