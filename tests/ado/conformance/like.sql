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
