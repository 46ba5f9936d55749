-- LIKE: letter case ignored as the collation compares, character sets, ESCAPE of one character.

-- case: wildcards and sets
create table lk_t (v varchar(10))
go
insert into lk_t values ('Abc'), ('a_c'), ('b1'), ('x%y')
go
select v from lk_t where v like 'a%' order by v
-- rows:
-- a_c
-- Abc

-- case: an escaped wildcard matches itself
select v from lk_t where v like 'a!_c' escape '!' or v like 'x!%y' escape '!' order by v
-- rows:
-- a_c
-- x%y

-- case: character sets and their negation
select v from lk_t where v like '[b-c][0-9]' or v like 'x[^a-z]y' order by v
-- rows:
-- b1
-- x%y

-- case: an empty ESCAPE is an error
select v from lk_t where v like 'a%' escape ''
-- error: The invalid escape character "" was specified in a LIKE predicate.

-- case: an ESCAPE of two characters is an error
select v from lk_t where v like 'a%' escape '!!'
-- error: The invalid escape character "!!" was specified in a LIKE predicate.

-- case: a range follows the collation's order: digits before letters, case ignored
select case when 'b' like '[0-a]' then 1 else 0 end, case when '5' like '[0-a]' then 1 else 0 end,
       case when 'A' like '[0-a]' then 1 else 0 end, case when 'B' like '[a-c]' then 1 else 0 end,
       case when 'Z' like '[a-c]' then 1 else 0 end
-- rows:
-- 0 | 1 | 1 | 1 | 0

-- case: accented letters sort beside their base letter
select case when 'á' like '[a-c]' then 1 else 0 end, case when 'ñ' like '[m-o]' then 1 else 0 end,
       case when 'é' like '[a-c]' then 1 else 0 end
-- rows:
-- 1 | 1 | 0

-- case: a dash at the end of a set is itself; a negated range
select case when '-' like '[a-]' then 1 else 0 end, case when 'x' like '[^a-c]' then 1 else 0 end,
       case when 'b' like '[^a-c]' then 1 else 0 end
-- rows:
-- 1 | 1 | 0

-- case: a char(n) column matches with or without its padding; trailing blanks of the value do not count
create table lk_c (c char(5), v varchar(5))
go
insert into lk_c values ('ab', 'ab')
go
select case when c like 'ab   ' then 1 else 0 end, case when c like 'ab' then 1 else 0 end,
       case when c like '%b' then 1 else 0 end, case when v like 'ab ' then 1 else 0 end
from lk_c
-- rows:
-- 1 | 1 | 1 | 0

-- case: a number or a date-time is matched as the text CAST gives it (style 0 for a datetime:
-- "Jan  5 2020  1:00PM"; a decimal at its scale)
select case when cast('2020-01-05 13:00' as datetime) like 'Jan  5 2020  1:00PM' then 1 else 0 end,
       case when cast(1.5 as decimal(5,2)) like '%.50' then 1 else 0 end,
       case when 125 like '1_5' then 1 else 0 end
-- rows:
-- 1 | 1 | 1
