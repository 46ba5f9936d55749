-- Texts joined with + or CONCAT: two types short of (max) give at most 8,000 bytes (4,000
-- national characters), cut there; a (max) type keeps everything. Reasoned from "+ (String
-- Concatenation) (Transact-SQL)" and "CONCAT (Transact-SQL)".

-- case: two varchar columns join to at most 8,000 characters
create table cc_t (s varchar(5000), n nvarchar(3000), m varchar(max))
go
insert into cc_t values (replicate('a', 5000), replicate(N'b', 3000), replicate(cast('c' as varchar(max)), 5000))
go
select len(s + s), len(s + s + s), len(concat(s, s)), len(s + 'x') from cc_t
-- rows:
-- 8000 | 8000 | 8000 | 5001

-- case: nvarchar joins to at most 4,000 characters
select len(n + n), len(n + N'x') from cc_t
-- rows:
-- 4000 | 3001

-- case: a (max) type keeps every character
select len(m + s), len(s + m), len(concat(s, m)) from cc_t
-- rows:
-- 10000 | 10000 | 10000

-- case: varbinary is refused by name
select concat(cast('a' as varbinary(4)), 'x')
-- error: The varbinary type is not supported by the embedded engine.
