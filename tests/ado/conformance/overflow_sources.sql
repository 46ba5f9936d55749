-- A value too large for numeric(p,s): error 8115, whose message names the type of the value
-- that overflowed (an int constant or column, a bigint, a float, a varchar, a numeric).
-- Reasoned from "Data type conversion (Database Engine)", "Constants (Transact-SQL)" (a whole
-- constant within int's range is an int, beyond it a decimal; one with an exponent a float)
-- and "Database engine events and errors" (8115, "Arithmetic overflow error converting %ls
-- to data type %ls.").

-- case: an int constant stored into a numeric column
create table o_t (d numeric(3,1), i int, b bigint, f float, v varchar(10))
go
insert into o_t (d) values (100)
-- error: Arithmetic overflow error converting int to data type numeric.

-- case: a whole constant beyond int's range is a numeric
insert into o_t (d) values (2147483648)
-- error: Arithmetic overflow error converting numeric to data type numeric.

-- case: text
insert into o_t (d) values ('1000')
-- error: Arithmetic overflow error converting varchar to data type numeric.

-- case: CAST of a bigint
select cast(cast(1000 as bigint) as numeric(3,1))
-- error: Arithmetic overflow error converting bigint to data type numeric.

-- case: the columns of INSERT … SELECT and UPDATE keep their types
insert into o_t (d, i, b, f, v) values (1.5, 1000, 1000, 1000, '1000')
go
insert into o_t (d) select i from o_t
-- error: Arithmetic overflow error converting int to data type numeric.

-- case: UPDATE from a bigint column
update o_t set d = b
-- error: Arithmetic overflow error converting bigint to data type numeric.

-- case: UPDATE from a varchar column
update o_t set d = v
-- error: Arithmetic overflow error converting varchar to data type numeric.

