-- BEGIN TRANSACTION, COMMIT and ROLLBACK within a batch (the reference of BEGIN TRANSACTION,
-- COMMIT TRANSACTION and ROLLBACK TRANSACTION): COMMIT of an inner transaction only lowers the
-- count, ROLLBACK undoes everything since the outermost BEGIN.

-- case: COMMIT keeps the work
create table tr_t (n int)
go
begin tran
insert into tr_t values (1)
commit
select count(*) from tr_t
-- rows:
-- 1

-- case: ROLLBACK undoes the work since BEGIN TRANSACTION, not before it
insert into tr_t values (2)
begin transaction cambio
insert into tr_t values (3)
update tr_t set n = n * 10
rollback transaction cambio
select n from tr_t order by n
-- rows:
-- 1
-- 2

-- case: ROLLBACK inside nested transactions undoes them all
begin tran
insert into tr_t values (4)
begin tran
insert into tr_t values (5)
commit
rollback
select count(*) from tr_t
-- rows:
-- 2

-- case: work after a ROLLBACK stays
begin tran
delete from tr_t
rollback
insert into tr_t values (6)
select count(*) from tr_t
-- rows:
-- 3

-- case: COMMIT without BEGIN TRANSACTION
commit
-- error: The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION.

-- case: ROLLBACK without BEGIN TRANSACTION
rollback tran
-- error: The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION.
