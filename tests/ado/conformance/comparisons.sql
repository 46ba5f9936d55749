-- Comparisons of different types: the operand of lower precedence is converted to the other's
-- type (data type precedence: datetime, float, decimal, bigint, int above varchar), so text
-- meeting a number becomes a number, and text that is none is a conversion error.

-- case: a varchar column equals an int column when its text is that number
create table cmp_t (v varchar(10), n int)
go
insert into cmp_t values ('1', 1), (' 2', 2), ('3', 4)
go
select count(*) from cmp_t where v = n
-- rows:
-- 2

-- case: ISNULL of a varchar and an int compares as a number
create table cmp_n (id int, v varchar(10))
go
insert into cmp_n values (1, null), (2, '02')
go
select id from cmp_n where isnull(v, id) = 1 or isnull(v, id) = 2 order by id
-- rows:
-- 1
-- 2

-- case: text that is no int fails the comparison
create table cmp_bad (v varchar(10), n int)
go
insert into cmp_bad values ('abc', 1)
go
select count(*) from cmp_bad where v = n
-- error: Conversion failed when converting the varchar value 'abc' to data type int.

-- case: a decimal text is no int
create table cmp_dec (v varchar(10), n int)
go
insert into cmp_dec values ('1.0', 1)
go
select count(*) from cmp_dec where n = v
-- error: Conversion failed when converting the varchar value '1.0' to data type int.

-- case: a varchar column in a list of numbers and between numbers
create table cmp_in (v varchar(10))
go
insert into cmp_in values ('1'), ('10'), ('9')
go
select (select count(*) from cmp_in where v in (1, 9)),
       (select count(*) from cmp_in where v between 2 and 10)
-- rows:
-- 2 | 2

-- case: a varchar compared with a decimal column is compared as a number
create table cmp_d (d decimal(10, 2))
go
insert into cmp_d values (9.5)
go
select count(*) from cmp_in, cmp_d where v > d
-- rows:
-- 1

-- case: a varchar compared with a datetime is read as a date-time
create table cmp_dt (t varchar(20), d datetime)
go
insert into cmp_dt values ('2020-01-02', '2020-01-02'), ('20200103', '2020-01-03 00:00:00')
go
select count(*) from cmp_dt where t = d
-- rows:
-- 2
