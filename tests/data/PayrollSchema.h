#pragma once

#include "ado/Connection.h"

// The payroll and security tables that the application reads and writes beside its own
// planning tables, in SQL Server's dialect, with a small data set: company 5 with two cost
// centres, three positions and four employees; the user 'Administrador'.
inline void createPayrollSchema(ado::Connection& c) {
    c.Execute(R"sql(
CREATE TABLE empresas (empresa numeric(3,0) NOT NULL PRIMARY KEY, nombre_empresa varchar(100) NOT NULL,
    referencia varchar(50) NULL, registro_patronal varchar(20) NULL, rfc_empresa varchar(15) NULL)
CREATE TABLE centros (empresa numeric(3,0) NOT NULL, centro char(10) NOT NULL, nomdepto varchar(60) NOT NULL,
    CONSTRAINT PK_centros PRIMARY KEY (empresa, centro))
CREATE TABLE tabulador (empresa numeric(3,0) NOT NULL, ocupacion int NOT NULL, actividad varchar(60),
    garantia decimal(18,2) NULL, CONSTRAINT PK_tabulador PRIMARY KEY (empresa, ocupacion))
CREATE TABLE llaves (empresa numeric(3,0), codigo int, centro char(10), ocupacion int, tiponom smallint)
CREATE TABLE empleados (empresa numeric(3,0), codigo int, borrado char(1), ultmov char(1), sueldo decimal(18,2) NULL)
CREATE TABLE usuarios (usuario varchar(20) NOT NULL PRIMARY KEY, descripcion varchar(60),
    password varchar(20), expiracion datetime)
CREATE TABLE hpwd (usuario varchar(20), fch_modifico datetime, password varchar(20))
CREATE TABLE ctrl_usuarios (dias_Vigencia int, longitud_password int, rotacion_password varchar(5),
    requiere_numeros int, dias_aviso int)
CREATE TABLE perfiles (idperfil int IDENTITY(1,1) NOT NULL PRIMARY KEY, descripcion varchar(60),
    sistema varchar(2), empresas varchar(200), plantas varchar(200), consulta char(1), bloqueado char(1))
CREATE TABLE perfil_usuarios (idperfil int, usuario varchar(20))
CREATE TABLE perfil_funcion (funcion char(1), opcion char(2), idperfil int)
CREATE TABLE opciones (opcion char(2), sistema char(2), funcion char(1), descripcion varchar(60))
CREATE TABLE funciones (sistema char(2), funcion char(1), descripcion varchar(60))
CREATE TABLE sistema (sistema char(2) NOT NULL PRIMARY KEY, Nombre varchar(30))
CREATE TABLE staff_mes (empresa numeric(3,0) NOT NULL, idStaffing bigint NOT NULL, idgrupo bigint NOT NULL,
    centro char(15) NOT NULL, ocupacion int NOT NULL, enero int, febrero int, marzo int, abril int, mayo int,
    junio int, julio int, agosto int, septiembre int, octubre int, noviembre int, diciembre int,
    CONSTRAINT PK_staff_mes PRIMARY KEY (empresa, idStaffing, idgrupo, centro, ocupacion))
CREATE TABLE capa_lugar (id int)
)sql");
    c.Execute(R"sql(
insert into empresas values (5, 'Hotel Central', NULL, 'Y1234', 'HCE010101AAA')
insert into empresas values (7, 'Clinica Norte', 'Norte', 'Y5678', 'CNO020202BBB')
insert into centros values (5, 'REC', 'Recepcion')
insert into centros values (5, 'COC', 'Cocina')
insert into tabulador values (5, 101, 'Recepcionista', 8000.50)
insert into tabulador values (5, 102, 'Cocinero', NULL)
insert into tabulador values (5, 103, 'Botones', 5000)
insert into llaves values (5, 1, 'REC', 101, 1)
insert into llaves values (5, 2, 'REC', 101, 4)
insert into llaves values (5, 3, 'REC', 101, 1)
insert into llaves values (5, 4, 'COC', 102, 5)
insert into empleados values (5, 1, 'N', 'A', 9000.25)
insert into empleados values (5, 2, 'N', 'A', 9100)
insert into empleados values (5, 3, 'S', 'A', 7000)
insert into empleados values (5, 4, 'N', 'B', 6000)
insert into ctrl_usuarios values (30, 6, '2', 1, 5)
)sql");
}
