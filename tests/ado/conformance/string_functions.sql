-- Text functions: REPLACE compares as the collation does, SUBSTRING clips to the text,
-- DATALENGTH counts bytes.

-- case: REPLACE ignores letter case, as the collation compares
select replace('ABCabc', 'b', 'x'), replace('Hola Mundo', 'MUNDO', 'Perú')
-- rows:
-- AxCaxc | Hola Perú

-- case: REPLACE with an empty pattern or a NULL argument
select replace('abc', '', 'x'), replace('abc', null, 'x'), replace(null, 'a', 'x')
-- rows:
-- abc | NULL | NULL

-- case: SUBSTRING with a start below 1 takes fewer characters
select substring('abcdef', 0, 3), substring('abcdef', -2, 5), substring('abcdef', -5, 3)
-- rows:
-- ab | ab | ''

-- case: SUBSTRING past the end and with a zero length
select substring('abc', 5, 2), substring('abc', 2, 0), substring('abc', 2, 100)
-- rows:
-- '' | '' | bc

-- case: SUBSTRING with a negative length is an error
select substring('abc', 1, -1)
-- error: Invalid length parameter passed to the substring function.

-- case: DATALENGTH counts two bytes a character in Unicode strings
select datalength(N'123'), datalength('123'), datalength(''), datalength(null)
-- rows:
-- 6 | 3 | 0 | NULL

-- case: DATALENGTH of numbers is the size of their type
select datalength(1), datalength(cast(1 as bigint)), datalength(cast(1 as smallint))
-- rows:
-- 4 | 8 | 2

-- case: DATALENGTH of a column counts its characters and keeps trailing blanks
create table sf_t (v varchar(10), w nvarchar(10))
go
insert into sf_t values ('ab  ', N'ñandú')
go
select datalength(v), datalength(w), len(v) from sf_t
-- rows:
-- 4 | 10 | 2

-- case: STUFF deletes and inserts; a start outside the text or a negative length gives NULL
select stuff('abcdef', 2, 3, 'ijklmn'), stuff('abc', 2, 10, ''), stuff('abc', 4, 1, 'x'),
       stuff('abc', 0, 1, 'x'), stuff('abc', 1, -1, 'x')
-- rows:
-- aijklmnef | a | NULL | NULL | NULL

-- case: CONCAT takes NULL as empty and converts numbers
select concat('a', 1, null, 'b'), concat(null, null), concat(12, 3.50)
-- rows:
-- a1b | '' | 123.50

-- case: CONCAT needs two arguments
select concat('a')
-- error: The concat function requires 2 argument(s).

-- case: REVERSE
select reverse('abc'), reverse(''), reverse(null)
-- rows:
-- cba | '' | NULL

-- case: PATINDEX finds the first match of a LIKE pattern, ignoring letter case
select patindex('%ter%', 'interesting'), patindex('%[0-9]%', 'ab12'), patindex('int%', 'INTeresting'),
       patindex('x%', 'ab'), patindex('%b', 'abc'), patindex('%c', 'abc')
-- rows:
-- 3 | 3 | 1 | 0 | 0 | 3
