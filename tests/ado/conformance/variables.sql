-- Local variables and control of flow in a batch (the reference of DECLARE, SET, WHILE, BREAK
-- and CONTINUE): a variable holds NULL until set, takes its declared type, and lives as long as
-- its batch.

-- case: a declared variable is NULL until set
declare @n int
select @n
-- rows:
-- NULL

-- case: a variable keeps the value converted to its type, text cut to its length
declare @v varchar(3) = 'abcdef', @i int = '42', @d decimal(5, 2) = 1.005
select @v, len(@v), @i + 1, @d
-- rows:
-- abc | 3 | 43 | 1.01

-- case: a value that does not convert to the variable's type fails
declare @i int = 'abc'
-- error: Conversion failed when converting the varchar value 'abc' to data type int.

-- case: WHILE runs its body while the condition holds
declare @i int = 1
while @i < 10 set @i = @i * 2
select @i
-- rows:
-- 16

-- case: BREAK leaves the loop and CONTINUE starts its next round
declare @i int = 0, @s varchar(20) = ''
while 1 = 1
begin
    set @i += 1
    if @i = 2 continue
    if @i > 5 break
    set @s = @s + cast(@i as varchar(2))
end
select @i, @s
-- rows:
-- 6 | 1345

-- case: BREAK and CONTINUE of an inner WHILE leave that loop only
declare @i int = 0, @j int, @s varchar(40) = ''
while @i < 3
begin
    set @i += 1
    if @i = 2 continue
    set @j = 0
    while 1 = 1
    begin
        set @j += 1
        if @j = 2 continue
        if @j > 3 break
        set @s = @s + cast(@i as varchar(1)) + cast(@j as varchar(1)) + ','
    end
    set @s = @s + '/'
end
select @i, @j, @s
-- rows:
-- 3 | 4 | 11,13,/31,33,/

-- case: variables in INSERT, WHERE and a subquery
create table var_t (n int)
go
declare @i int = 0
while @i < 5
begin
    insert into var_t values (@i)
    set @i = @i + 1
end
declare @c int = (select count(*) from var_t where n >= @i - 3)
select @c, sum(n) from var_t
-- rows:
-- 3 | 10

-- case: IF on a variable
declare @c int = (select count(*) from var_t)
if @c > 3 select 'many' else select 'few'
-- rows:
-- many

-- case: a date-time variable in date functions and CONVERT
declare @d datetime = '2020-01-31'
select dateadd(month, 1, @d), convert(varchar(10), @d, 103)
-- rows:
-- 2020-02-29 00:00:00.000 | 31/01/2020

-- case: a variable of another batch does not exist
declare @gone int = 1
go
select @gone
-- error: Must declare the scalar variable "@gone".

-- case: BREAK outside WHILE
break
-- error: Cannot use a BREAK statement outside the scope of a WHILE statement.

-- case: @@ROWCOUNT counts the rows of the last query or change, SET counts 1
create table var_rc (id int identity(1,1), n int)
go
insert into var_rc (n) values (1), (2), (3)
declare @inserted int = @@rowcount
declare @afterSet int = @@rowcount
update var_rc set n = n + 1 where n > 1
select @inserted, @afterSet, @@rowcount
-- rows:
-- 3 | 1 | 2

-- case: the update-or-insert pattern of update scripts
update var_rc set n = 0 where n > 100
if @@rowcount = 0 insert into var_rc (n) values (9)
select count(*) from var_rc
-- rows:
-- 4

-- case: @@IDENTITY and SCOPE_IDENTITY() give the last identity inserted
insert into var_rc (n) values (10), (11)
select @@identity, scope_identity()
-- rows:
-- 6 | 6

-- case: @@TRANCOUNT counts the open transactions; @@ERROR is 0 after a statement that ran
begin tran
begin tran
declare @open int = @@trancount
commit
commit
select @open, @@trancount, @@error
-- rows:
-- 2 | 0 | 0

-- case: a variable is declared once in a batch
declare @x int = 1, @x int = 2
-- error: The variable name '@x' has already been declared. Variable names must be unique within a query batch or stored procedure.
