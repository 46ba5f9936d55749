#pragma once

// A small payroll on the schema's tables: company 5 with two cost centres, three positions
// and four employees, company 7 with a reference; the password policy.
inline const char* const kPayrollRows = R"sql(
insert into empresas (empresa, nombre_empresa, referencia, registro_patronal, rfc_empresa)
    values (5, 'Hotel Central', NULL, 'Y1234', 'HCE010101AAA')
insert into empresas (empresa, nombre_empresa, referencia, registro_patronal, rfc_empresa)
    values (7, 'Clinica Norte', 'Norte', 'Y5678', 'CNO020202BBB')
insert into centros (empresa, centro, nomdepto) values (5, 'REC', 'Recepcion')
insert into centros (empresa, centro, nomdepto) values (5, 'COC', 'Cocina')
insert into tabulador (empresa, ocupacion, actividad, garantia) values (5, 101, 'Recepcionista', 8000.50)
insert into tabulador (empresa, ocupacion, actividad, garantia) values (5, 102, 'Cocinero', NULL)
insert into tabulador (empresa, ocupacion, actividad, garantia) values (5, 103, 'Botones', 5000)
insert into llaves (empresa, codigo, centro, ocupacion, tiponom) values (5, 1, 'REC', 101, 1)
insert into llaves (empresa, codigo, centro, ocupacion, tiponom) values (5, 2, 'REC', 101, 4)
insert into llaves (empresa, codigo, centro, ocupacion, tiponom) values (5, 3, 'REC', 101, 1)
insert into llaves (empresa, codigo, centro, ocupacion, tiponom) values (5, 4, 'COC', 102, 5)
insert into empleados (empresa, codigo, nombre, paterno, borrado, ultmov, sueldo)
    values (5, 1, 'Ana', 'Pech', 'N', 'A', 9000.25)
insert into empleados (empresa, codigo, nombre, paterno, borrado, ultmov, sueldo)
    values (5, 2, 'Luis', 'Can', 'N', 'A', 9100)
insert into empleados (empresa, codigo, nombre, paterno, borrado, ultmov, sueldo)
    values (5, 3, 'Rosa', 'Uc', 'S', 'A', 7000)
insert into empleados (empresa, codigo, nombre, paterno, borrado, ultmov, sueldo)
    values (5, 4, 'Juan', 'May', 'N', 'B', 6000)
insert into ctrl_usuarios values (30, 6, '2', 1, 5)
)sql";
