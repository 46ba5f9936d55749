-- OXTAStaffing demo data: two companies (a hotel and a hospital) with their cost
-- centres, tabulator, employees and assignments; the password policy; two users;
-- sample staffing plans. Written by sql/gen_demo.py: edit the generator, not this file.
--
-- Users (passwords stored scrambled, as the program stores them):
--   Administrador  password admin123   Administrador del sistema
--   consulta       password consulta1  Consulta de reportes de staffing
-- Administrador holds a profile of the payroll application 'NO' that shows every
-- company; the program registers its own application 'ST' and the profile
-- 'Administrador de Staffing' the first time the company chooser opens. consulta holds
-- the profile 'Consulta de Staffing' of application 'ST' (company 1 only) granting
-- option D1 (reports), which takes effect once the program has registered 'ST'.
--
-- Needs sql/schema.sql first. Running it again puts the demo rows back to this state
-- (plans, groups and positions of companies 1 and 2 included).

-- Clear what an earlier run left.
delete from perfil_funcion where idperfil in (select idperfil from perfiles where descripcion in ('Administrador de Nómina', 'Consulta de Staffing'))
delete from perfil_usuarios where idperfil in (select idperfil from perfiles where descripcion in ('Administrador de Nómina', 'Consulta de Staffing'))
delete from perfiles where descripcion in ('Administrador de Nómina', 'Consulta de Staffing')
delete from opciones where sistema = 'NO'
delete from funciones where sistema = 'NO'
delete from sistema where sistema = 'NO'
delete from hpwd where usuario in ('Administrador', 'consulta')
delete from usuarios where usuario in ('Administrador', 'consulta')
delete from ctrl_usuarios
delete from staff_porcentaje where empresa in (1, 2)
delete from staff_mes where empresa in (1, 2)
delete from staff_grupo where empresa in (1, 2)
delete from staffing where empresa in (1, 2)
delete from llaves where empresa in (1, 2)
delete from empleados where empresa in (1, 2)
delete from tabulador where empresa in (1, 2)
delete from centros where empresa in (1, 2)
delete from capa_lugar where empresa in (1, 2)
delete from empresas where empresa in (1, 2)
GO

-- Password policy: valid 90 days, at least 6 characters, the last 3 passwords may not
-- be reused, at least 1 digit, warning 10 days before expiry.
insert into ctrl_usuarios (dias_Vigencia, longitud_password, rotacion_password, requiere_numeros, dias_aviso) values (90, 6, '3', 1, 10)
insert into usuarios values ('Administrador', 'Administrador del sistema', 'jlwrv;;;', getdate() + 365)
insert into hpwd values ('Administrador', getdate(), 'jlwrv;;;')
insert into usuarios values ('consulta', 'Consulta de reportes de staffing', 'lwx|}v}i;', getdate() + 365)
insert into hpwd values ('consulta', getdate(), 'lwx|}v}i;')

-- The payroll application, whose administrator profile lets Administrador see every
-- company before OXTAStaffing has registered itself.
insert into sistema (sistema, Nombre) values ('NO', 'NOMINA')
insert into funciones values ('NO', 'A', 'Catálogos')
insert into funciones values ('NO', 'B', 'Movimientos de personal')
insert into funciones values ('NO', 'C', 'Cálculo de nómina')
insert into opciones values ('A1', 'NO', 'A', 'Empresas y centros de costos')
insert into opciones values ('A2', 'NO', 'A', 'Tabulador de puestos')
insert into opciones values ('B1', 'NO', 'B', 'Altas, bajas y reingresos')
insert into opciones values ('B2', 'NO', 'B', 'Modificación de salario')
insert into opciones values ('C1', 'NO', 'C', 'Calcular nómina')
insert into opciones values ('C2', 'NO', 'C', 'Cerrar periodo')
insert into perfiles (descripcion, sistema, empresas, centros, bloqueado, solo_lectura) values ('Administrador de Nómina', 'NO', '{}', '{}', 'N', 'N')
insert into perfil_usuarios select idperfil, 'Administrador' from perfiles where descripcion = 'Administrador de Nómina'
insert into perfil_funcion select opciones.funcion, opciones.opcion, perfiles.idperfil from opciones, perfiles where opciones.sistema = 'NO' and perfiles.descripcion = 'Administrador de Nómina'

-- Report user: company 1 only, option D1 of OXTAStaffing.
insert into perfiles (descripcion, sistema, empresas, centros, bloqueado, solo_lectura) values ('Consulta de Staffing', 'ST', '{1}', '{}', 'N', 'S')
insert into perfil_usuarios select idperfil, 'consulta' from perfiles where descripcion = 'Consulta de Staffing'
insert into perfil_funcion select 'D', 'D1', idperfil from perfiles where descripcion = 'Consulta de Staffing'
GO

-- Company 1: Hotel Real del Mar, S.A. de C.V.
insert into empresas (empresa, nombre_empresa, referencia, registro_patronal, rfc_empresa, domicilio, ciudad, estado, codigo_postal) values (1, 'Hotel Real del Mar, S.A. de C.V.', 'Hotel Real del Mar', 'E6512345109', 'HRM980312AB4', 'Blvd. Kukulcán km 12.5, Zona Hotelera', 'Cancún', 'Quintana Roo', '77500')
insert into capa_lugar values (1, 1, 'Sala de capacitación Caribe')
insert into capa_lugar values (1, 2, 'Salón Cozumel')
insert into centros values (1, '1000', 'Dirección General')
insert into centros values (1, '1100', 'Recepción')
insert into centros values (1, '1150', 'Reservaciones')
insert into centros values (1, '1200', 'Ama de Llaves')
insert into centros values (1, '1250', 'Lavandería')
insert into centros values (1, '1300', 'Cocina')
insert into centros values (1, '1320', 'Restaurante')
insert into centros values (1, '1330', 'Bar')
insert into centros values (1, '1340', 'Banquetes')
insert into centros values (1, '1400', 'Mantenimiento')
insert into centros values (1, '1500', 'Seguridad')
insert into centros values (1, '1600', 'Recursos Humanos')
insert into centros values (1, '1700', 'Contraloría')
insert into centros values (1, '1800', 'Ventas')
insert into tabulador values (1, 101, 'Gerente General', 85000.00)
insert into tabulador values (1, 102, 'Asistente de Dirección', 22000.00)
insert into tabulador values (1, 110, 'Gerente de Recepción', 32000.00)
insert into tabulador values (1, 111, 'Recepcionista', 11800.00)
insert into tabulador values (1, 112, 'Botones', 8200.00)
insert into tabulador values (1, 113, 'Concierge', 13500.00)
insert into tabulador values (1, 114, 'Agente de Reservaciones', 11500.00)
insert into tabulador values (1, 120, 'Ama de Llaves Ejecutiva', 28000.00)
insert into tabulador values (1, 121, 'Supervisora de Pisos', 13800.00)
insert into tabulador values (1, 122, 'Camarista', 8600.00)
insert into tabulador values (1, 123, 'Valet de Pisos', 8400.00)
insert into tabulador values (1, 124, 'Lavandero', 8300.00)
insert into tabulador values (1, 125, 'Costurera', 8500.00)
insert into tabulador values (1, 130, 'Chef Ejecutivo', 45000.00)
insert into tabulador values (1, 131, 'Sous Chef', 26000.00)
insert into tabulador values (1, 132, 'Cocinero A', 13200.00)
insert into tabulador values (1, 133, 'Ayudante de Cocina', 8700.00)
insert into tabulador values (1, 134, 'Steward', 8100.00)
insert into tabulador values (1, 135, 'Gerente de Alimentos y Bebidas', 38000.00)
insert into tabulador values (1, 136, 'Capitán de Meseros', 12500.00)
insert into tabulador values (1, 137, 'Mesero', 8400.00)
insert into tabulador values (1, 138, 'Garrotero', 7900.00)
insert into tabulador values (1, 139, 'Bartender', 10200.00)
insert into tabulador values (1, 140, 'Hostess', 9000.00)
insert into tabulador values (1, 150, 'Jefe de Mantenimiento', 27000.00)
insert into tabulador values (1, 151, 'Técnico de Mantenimiento', 12400.00)
insert into tabulador values (1, 152, 'Jardinero', 8300.00)
insert into tabulador values (1, 153, 'Salvavidas', 9100.00)
insert into tabulador values (1, 160, 'Jefe de Seguridad', 21000.00)
insert into tabulador values (1, 161, 'Guardia de Seguridad', 9800.00)
insert into tabulador values (1, 170, 'Gerente de Recursos Humanos', 36000.00)
insert into tabulador values (1, 171, 'Auxiliar de Nóminas', 12800.00)
insert into tabulador values (1, 180, 'Contralor', 42000.00)
insert into tabulador values (1, 181, 'Auditor Nocturno', 12900.00)
insert into tabulador values (1, 182, 'Cajero General', 11600.00)
insert into tabulador values (1, 190, 'Gerente de Ventas', 40000.00)
insert into tabulador values (1, 191, 'Ejecutivo de Ventas', 16500.00)
insert into tabulador values (1, 199, 'Practicante', NULL)
GO

insert into empleados values (1, 10001, 'Carlos', 'Flores', 'Rojas', 'FORC690202WB4', 'FORC690202HGTGPS66', '36322808864', '2012-09-12T00:00:00', 9450.00, 'S', 'M', '2012-09-12T00:00:00')
insert into llaves values (1, 10001, '1340', 138, 1, '2012-09-12T00:00:00')
insert into empleados values (1, 10002, 'Jorge', 'Contreras', 'Guzmán', 'COGJ6703189TY', 'COGJ670318HMCNCB37', '03826538453', '2009-11-28T00:00:00', 8970.00, 'N', 'M', '2009-11-28T00:00:00')
insert into llaves values (1, 10002, '1100', 112, 1, '2009-11-28T00:00:00')
insert into empleados values (1, 10003, 'Jorge', 'Ramos', 'Hernández', 'RAHJ840923MFW', 'RAHJ840923HTCLGF08', '39490668828', '2021-01-21T00:00:00', 8310.00, 'N', 'M', '2021-01-21T00:00:00')
insert into llaves values (1, 10003, '1300', 134, 1, '2021-01-21T00:00:00')
insert into empleados values (1, 10004, 'Víctor', 'Canul', 'Morales', 'CAMV720510J1N', 'CAMV720510HQRVSP82', '80258220180', '2025-05-12T00:00:00', 9800.00, 'N', 'M', '2025-05-12T00:00:00')
insert into llaves values (1, 10004, '1300', 134, 3, '2025-05-12T00:00:00')
insert into empleados values (1, 10005, 'Margarita', 'Mendoza', 'Ramos', 'MERM681203WHZ', 'MERM681203MOCVFZ35', '79511174432', '2020-05-20T00:00:00', 9410.00, 'N', 'R', '2020-05-20T00:00:00')
insert into llaves values (1, 10005, '1340', 133, 1, '2020-05-20T00:00:00')
insert into empleados values (1, 10006, 'Itzel', 'Rivera', 'Reyes', 'RIRI840614K5J', 'RIRI840614MCSLNF54', '74284352814', '2026-07-07T00:00:00', 28980.00, 'N', 'A', '2026-07-07T00:00:00')
insert into llaves values (1, 10006, '1400', 150, 3, '2026-07-07T00:00:00')
insert into empleados values (1, 10007, 'Mariana', 'Peña', 'Ramos', 'PERM0511274ZY', 'PERM051127MQRRHB48', '42599677500', '2025-09-07T00:00:00', 15220.00, 'N', 'A', '2025-09-07T00:00:00')
insert into llaves values (1, 10007, '1600', 171, 1, '2025-09-07T00:00:00')
insert into empleados values (1, 10008, 'Araceli', 'Domínguez', 'Díaz', 'DODA011112NAG', 'DODA011112MDFNKT39', '24196898210', '2010-09-23T00:00:00', 8970.00, 'N', 'R', '2010-09-23T00:00:00')
insert into llaves values (1, 10008, '1320', 137, 6, '2010-09-23T00:00:00')
insert into empleados values (1, 10009, 'Víctor', 'Luna', 'Aguilar', 'LUAV830611XTC', 'LUAV830611HOCGBV54', '73548643906', '2023-05-16T00:00:00', 10460.00, 'N', 'M', '2023-05-16T00:00:00')
insert into llaves values (1, 10009, '1200', 122, 6, '2023-05-16T00:00:00')
insert into empleados values (1, 10010, 'Raúl', 'Herrera', 'Velázquez', 'HEVR820811EMT', 'HEVR820811HMCZRF93', '07336882834', '2018-06-06T00:00:00', 10270.00, 'N', 'R', '2018-06-06T00:00:00')
insert into llaves values (1, 10010, '1200', 122, 1, '2018-06-06T00:00:00')
insert into empleados values (1, 10011, 'Héctor', 'Rojas', 'Bautista', 'ROBH960405KJD', 'ROBH960405HQRLMH24', '85272202269', '2025-12-05T00:00:00', 13920.00, 'S', 'A', '2025-12-05T00:00:00')
insert into llaves values (1, 10011, '1400', 151, 4, '2025-12-05T00:00:00')
insert into empleados values (1, 10012, 'Mariana', 'Cortés', 'Álvarez', 'COAM710605ADG', 'COAM710605MTCLNB28', '31663233735', '2024-01-16T00:00:00', 8420.00, 'N', 'M', '2024-01-16T00:00:00')
insert into llaves values (1, 10012, '1300', 134, 4, '2024-01-16T00:00:00')
insert into empleados values (1, 10013, 'Fernando', 'Contreras', 'Cortés', 'COCF900920NHF', 'COCF900920HTCHFH36', '36082445607', '2023-02-07T00:00:00', 9380.00, 'N', 'M', '2023-02-07T00:00:00')
insert into llaves values (1, 10013, '1400', 152, 1, '2023-02-07T00:00:00')
insert into empleados values (1, 10014, 'Patricia', 'Ortiz', 'Rivera', 'OIRP861021XTF', 'OIRP861021MOCTPZ81', '44019018791', '2026-01-23T00:00:00', 9430.00, 'N', 'M', '2026-01-23T00:00:00')
insert into llaves values (1, 10014, '1200', 122, 2, '2026-01-23T00:00:00')
insert into empleados values (1, 10015, 'Adriana', 'Ramírez', 'García', 'RAGA680703TBC', 'RAGA680703MJCZFN24', '73573638560', '2013-09-28T00:00:00', 9760.00, 'N', 'A', '2013-09-28T00:00:00')
insert into llaves values (1, 10015, '1340', 133, 2, '2013-09-28T00:00:00')
insert into empleados values (1, 10016, 'María', 'Ramos', 'Vázquez', 'RAVM861202JVS', 'RAVM861202MMCNLS90', '59828195391', '2024-08-26T00:00:00', 36440.00, 'N', 'A', '2024-08-26T00:00:00')
insert into llaves values (1, 10016, '1100', 110, 4, '2024-08-26T00:00:00')
insert into empleados values (1, 10017, 'Rosa', 'López', 'Torres', 'LOTR720909LCP', 'LOTR720909MMCFTC57', '80370412143', '2019-02-09T00:00:00', 8210.00, 'S', 'A', '2019-02-09T00:00:00')
insert into llaves values (1, 10017, '1100', 112, 4, '2019-02-09T00:00:00')
insert into empleados values (1, 10018, 'Miguel', 'Castro', 'Contreras', 'CACM951018DZR', 'CACM951018HMCRTD30', '06681792232', '2015-08-27T00:00:00', 41030.00, 'N', 'A', '2015-08-27T00:00:00')
insert into llaves values (1, 10018, '1600', 170, 4, '2015-08-27T00:00:00')
insert into empleados values (1, 10019, 'Juana', 'Cortés', 'Soto', 'COSJ7010287KX', 'COSJ701028MDFVFG06', '17695851904', '2024-04-27T00:00:00', 9220.00, 'N', 'A', '2024-04-27T00:00:00')
insert into llaves values (1, 10019, '1300', 133, 1, '2024-04-27T00:00:00')
insert into empleados values (1, 10020, 'José', 'Aguilar', 'Cortés', 'AUCJ7312157L9', 'AUCJ731215HOCFDG09', '84264079426', '2026-02-08T00:00:00', NULL, 'N', 'A', '2026-02-08T00:00:00')
insert into llaves values (1, 10020, '1700', 182, 4, '2026-02-08T00:00:00')
insert into empleados values (1, 10021, 'Juana', 'May', 'Castillo', 'MACJ790825WT5', 'MACJ790825MGTSVM52', '19803346352', '2022-12-27T00:00:00', 10320.00, 'N', 'B', '2026-07-07T00:00:00')
insert into llaves values (1, 10021, '1200', 122, 4, '2022-12-27T00:00:00')
insert into empleados values (1, 10022, 'Antonio', 'Santiago', 'Torres', 'SATA840808CNW', 'SATA840808HDFSGT67', '09409858463', '2013-09-10T00:00:00', 10340.00, 'N', 'M', '2013-09-10T00:00:00')
insert into llaves values (1, 10022, '1400', 152, 4, '2013-09-10T00:00:00')
insert into empleados values (1, 10023, 'Daniel', 'Domínguez', 'Ortiz', 'DOOD840717410', 'DOOD840717HYNRPB13', '32796726835', '2015-01-14T00:00:00', 42330.00, 'N', 'B', '2023-02-15T00:00:00')
insert into llaves values (1, 10023, '1700', 180, 3, '2015-01-14T00:00:00')
insert into empleados values (1, 10024, 'Óscar', 'Rodríguez', 'Álvarez', 'ROAO770610YK6', 'ROAO770610HCSFFJ87', '59211532771', '2008-02-03T00:00:00', 10570.00, 'N', 'A', '2008-02-03T00:00:00')
insert into llaves values (1, 10024, '1200', 122, 1, '2008-02-03T00:00:00')
insert into empleados values (1, 10025, 'Karla', 'González', 'Chávez', 'GOCK930115GD3', 'GOCK930115MDFSDL88', '36152029944', '2023-06-24T00:00:00', 10030.00, 'N', 'B', '2025-02-14T00:00:00')
insert into llaves values (1, 10025, '1320', 137, 2, '2023-06-24T00:00:00')
insert into empleados values (1, 10026, 'Ricardo', 'Méndez', 'May', 'MEMR011010M3T', 'MEMR011010HQRLZT46', '43972584441', '2015-12-27T00:00:00', 9870.00, 'N', 'M', '2015-12-27T00:00:00')
insert into llaves values (1, 10026, '1300', 134, 4, '2015-12-27T00:00:00')
insert into empleados values (1, 10027, 'Óscar', 'Sánchez', 'Luna', 'SALO8307211G0', 'SALO830721HCSTNR50', '56547056709', '2021-10-15T00:00:00', 11670.00, 'N', 'M', '2021-10-15T00:00:00')
insert into llaves values (1, 10027, '1700', 182, 1, '2021-10-15T00:00:00')
insert into empleados values (1, 10028, 'Elizabeth', 'Castillo', 'Ruiz', 'CARE780107RMD', 'CARE780107MTCTFZ90', '42163111196', '2014-01-03T00:00:00', 8380.00, 'N', 'R', '2014-01-03T00:00:00')
insert into llaves values (1, 10028, '1400', 152, 4, '2014-01-03T00:00:00')
insert into empleados values (1, 10029, 'Manuel', 'Moreno', 'Castro', 'MOCM050807KUL', 'MOCM050807HGTRCD79', '67720412634', '2009-07-10T00:00:00', 26060.00, 'N', 'A', '2009-07-10T00:00:00')
insert into llaves values (1, 10029, '1500', 160, 1, '2009-07-10T00:00:00')
insert into empleados values (1, 10030, 'Fernando', 'García', 'Ek', 'GAEF6804152EA', 'GAEF680415HTCDLK35', '41488181378', '2020-02-12T00:00:00', 8910.00, 'N', 'A', '2020-02-12T00:00:00')
insert into llaves values (1, 10030, '1100', 112, 2, '2020-02-12T00:00:00')
insert into empleados values (1, 10031, 'Antonio', 'Torres', 'Guzmán', 'TOGA030812M07', 'TOGA030812HJCGMC85', '34704247613', '2014-04-25T00:00:00', 45220.00, 'N', 'M', '2014-04-25T00:00:00')
insert into llaves values (1, 10031, '1700', 180, 4, '2014-04-25T00:00:00')
insert into empleados values (1, 10032, 'Verónica', 'Santiago', 'Uc', 'SAUV650210NAB', 'SAUV650210MTCJBN14', '78658930597', '2021-02-07T00:00:00', 15920.00, 'N', 'R', '2021-02-07T00:00:00')
insert into llaves values (1, 10032, '1700', 181, 4, '2021-02-07T00:00:00')
insert into empleados values (1, 10033, 'Beatriz', 'Torres', 'Castro', 'TOCB020912FB4', 'TOCB020912MOCCCV27', '61514136334', '2020-09-28T00:00:00', 9850.00, 'N', 'A', '2020-09-28T00:00:00')
insert into llaves values (1, 10033, '1320', 138, 4, '2020-09-28T00:00:00')
insert into empleados values (1, 10034, 'Eduardo', 'Gómez', 'Romero', 'GORE030327WMW', 'GORE030327HCSMSS86', '31665398997', '2014-12-20T00:00:00', 13640.00, 'N', 'R', '2014-12-20T00:00:00')
insert into llaves values (1, 10034, '1600', 171, 2, '2014-12-20T00:00:00')
insert into empleados values (1, 10035, 'Enrique', 'Díaz', 'Gómez', 'DIGE670806RW3', 'DIGE670806HOCTCL41', '04751688656', '2015-12-25T00:00:00', 12680.00, 'N', 'R', '2015-12-25T00:00:00')
insert into llaves values (1, 10035, '1400', 151, 1, '2015-12-25T00:00:00')
insert into empleados values (1, 10036, 'Beatriz', 'Mendoza', 'Pech', 'MEPB980608UAV', 'MEPB980608MDFLVL78', '18244602619', '2016-10-22T00:00:00', 34960.00, 'N', 'R', '2016-10-22T00:00:00')
insert into llaves values (1, 10036, '1100', 110, 4, '2016-10-22T00:00:00')
insert into empleados values (1, 10037, 'Alberto', 'Martínez', 'Contreras', 'MACA821105DBG', 'MACA821105HOCCJG73', '30570304887', '2008-01-16T00:00:00', 9680.00, 'N', 'M', '2008-01-16T00:00:00')
insert into llaves values (1, 10037, '1340', 133, 4, '2008-01-16T00:00:00')
insert into empleados values (1, 10038, 'Fernando', 'Romero', 'Jiménez', 'ROJF840203S9S', 'ROJF840203HQRCMB30', '04263716715', '2008-03-01T00:00:00', 12030.00, 'N', 'A', '2008-03-01T00:00:00')
insert into llaves values (1, 10038, '1500', 161, 4, '2008-03-01T00:00:00')
insert into empleados values (1, 10039, 'Araceli', 'Martínez', 'Domínguez', 'MADA670325Y8M', 'MADA670325MGTHJZ13', '37027186158', '2022-08-01T00:00:00', 14380.00, 'N', 'M', '2022-08-01T00:00:00')
insert into llaves values (1, 10039, '1100', 111, 4, '2022-08-01T00:00:00')
insert into empleados values (1, 10040, 'José', 'Luna', 'Romero', 'LURJ920611D42', 'LURJ920611HYNNFR76', '82597348124', '2016-09-11T00:00:00', 8650.00, 'N', 'R', '2016-09-11T00:00:00')
insert into llaves values (1, 10040, '1320', 137, 1, '2016-09-11T00:00:00')
insert into empleados values (1, 10041, 'Daniela', 'Álvarez', 'Romero', 'AARD710926MAJ', 'AARD710926MVZGGB42', '62837095060', '2013-10-01T00:00:00', 15610.00, 'N', 'M', '2013-10-01T00:00:00')
insert into llaves values (1, 10041, '1600', 171, 1, '2013-10-01T00:00:00')
insert into empleados values (1, 10042, 'Margarita', 'Rivera', 'Medina', 'RIMM650208KYM', 'RIMM650208MCSPSJ78', '27608219612', '2015-12-21T00:00:00', 8290.00, 'N', 'A', '2015-12-21T00:00:00')
insert into llaves values (1, 10042, '1300', 134, 1, '2015-12-21T00:00:00')
insert into empleados values (1, 10043, 'Rosa', 'Medina', 'Romero', 'MERR990720RJ8', 'MERR990720MVZRNN01', '35100637171', '2018-04-09T00:00:00', 10790.00, 'N', 'A', '2018-04-09T00:00:00')
insert into llaves values (1, 10043, '1300', 133, 1, '2018-04-09T00:00:00')
insert into empleados values (1, 10044, 'Silvia', 'Aguilar', 'Castro', 'AUCS850120BGX', 'AUCS850120MVZJFR10', '30225021520', '2025-11-14T00:00:00', 13650.00, 'N', 'B', '2025-11-14T00:00:00')
insert into llaves values (1, 10044, '1340', 136, 4, '2025-11-14T00:00:00')
insert into empleados values (1, 10045, 'Francisco', 'Gutiérrez', 'Sánchez', 'GUSF980128P92', 'GUSF980128HJCKPG12', '22386378776', '2024-03-26T00:00:00', 22250.00, 'N', 'A', '2024-03-26T00:00:00')
insert into llaves values (1, 10045, '1000', 102, 4, '2024-03-26T00:00:00')
insert into empleados values (1, 10046, 'Ricardo', 'Gutiérrez', 'Ortega', 'GUOR710505EL8', 'GUOR710505HVZLTR60', '47139360550', '2022-07-09T00:00:00', 9640.00, 'N', 'A', '2022-07-09T00:00:00')
insert into llaves values (1, 10046, '1320', 140, 1, '2022-07-09T00:00:00')
insert into empleados values (1, 10047, 'Ximena', 'Reyes', 'Reyes', 'RERX75091576G', 'RERX750915MQRRML46', '94037205683', '2013-07-18T00:00:00', 10360.00, 'N', 'M', '2013-07-18T00:00:00')
insert into llaves values (1, 10047, '1200', 122, 1, '2013-07-18T00:00:00')
insert into empleados values (1, 10048, 'Yolanda', 'Castillo', 'Ortiz', 'CAOY6707248MC', 'CAOY670724MYNSHH09', '87695397110', '2017-09-02T00:00:00', 10270.00, 'N', 'M', '2017-09-02T00:00:00')
insert into llaves values (1, 10048, '1330', 139, 3, '2017-09-02T00:00:00')
insert into empleados values (1, 10049, 'Andrea', 'Domínguez', 'Pech', 'DOPA700328F4K', 'DOPA700328MGTZLM27', '82062443177', '2008-08-01T00:00:00', 13780.00, 'N', 'A', '2008-08-01T00:00:00')
insert into llaves values (1, 10049, '1700', 181, 3, '2008-08-01T00:00:00')
insert into empleados values (1, 10050, 'Ximena', 'Juárez', 'Chávez', 'JUCX9010060PV', 'JUCX901006MVZTRT25', '21899033212', '2010-05-03T00:00:00', 10290.00, 'N', 'M', '2010-05-03T00:00:00')
insert into llaves values (1, 10050, '1300', 133, 6, '2010-05-03T00:00:00')
insert into empleados values (1, 10051, 'Citlali', 'Pérez', 'Reyes', 'PERC950425U8F', 'PERC950425MTCBGP29', '20742565798', '2011-03-19T00:00:00', 8270.00, 'N', 'A', '2011-03-19T00:00:00')
insert into llaves values (1, 10051, '1340', 138, 1, '2011-03-19T00:00:00')
insert into empleados values (1, 10052, 'Itzel', 'Martínez', 'Estrada', 'MAEI891209EEV', 'MAEI891209MTCMSC96', '58450074851', '2018-01-28T00:00:00', 33110.00, 'N', 'A', '2018-01-28T00:00:00')
insert into llaves values (1, 10052, '1400', 150, 4, '2018-01-28T00:00:00')
insert into empleados values (1, 10053, 'Itzel', 'Moreno', 'Méndez', 'MOMI640525N69', 'MOMI640525MJCNSD01', '01954446151', '2008-09-23T00:00:00', 10360.00, 'N', 'R', '2008-09-23T00:00:00')
insert into llaves values (1, 10053, '1400', 152, 3, '2008-09-23T00:00:00')
insert into empleados values (1, 10054, 'Pedro', 'González', 'López', 'GOLP040312CLE', 'GOLP040312HMCZCM99', '53142373369', '2017-10-28T00:00:00', 15700.00, 'N', 'A', '2017-10-28T00:00:00')
insert into llaves values (1, 10054, '1340', 132, 1, '2017-10-28T00:00:00')
insert into empleados values (1, 10055, 'Fernando', 'Cruz', 'Díaz', 'CUDF910509U9C', 'CUDF910509HCSPPZ56', '25284561863', '2024-01-11T00:00:00', 9160.00, 'N', 'A', '2024-01-11T00:00:00')
insert into llaves values (1, 10055, '1200', 122, 1, '2024-01-11T00:00:00')
insert into empleados values (1, 10056, 'Silvia', 'Guzmán', 'Santiago', 'GUSS800314HWP', 'GUSS800314MYNDTD43', '07477763886', '2020-11-20T00:00:00', 11400.00, 'S', 'R', '2020-11-20T00:00:00')
insert into llaves values (1, 10056, '1500', 161, 1, '2020-11-20T00:00:00')
insert into empleados values (1, 10057, 'Juana', 'Chan', 'Reyes', 'CARJ031109X4R', 'CARJ031109MJCLJP46', '18075678172', '2009-07-20T00:00:00', 10290.00, 'N', 'A', '2009-07-20T00:00:00')
insert into llaves values (1, 10057, '1250', 124, 1, '2009-07-20T00:00:00')
insert into empleados values (1, 10058, 'Karla', 'Hernández', 'Gómez', 'HEGK940518YBL', 'HEGK940518MTCTTD76', '88784999617', '2018-03-22T00:00:00', 9650.00, 'N', 'A', '2018-03-22T00:00:00')
insert into llaves values (1, 10058, '1200', 123, 1, '2018-03-22T00:00:00')
insert into empleados values (1, 10059, 'María', 'Cortés', 'Moreno', 'COMM85052138D', 'COMM850521MMCVZN31', '62448717748', '2024-04-28T00:00:00', 16530.00, 'N', 'A', '2024-04-28T00:00:00')
insert into llaves values (1, 10059, '1100', 113, 1, '2024-04-28T00:00:00')
insert into empleados values (1, 10060, 'Juana', 'Chávez', 'Flores', 'CAFJ701002YCX', 'CAFJ701002MMCCVV78', '54579101699', '2014-06-15T00:00:00', 8570.00, 'N', 'M', '2014-06-15T00:00:00')
insert into llaves values (1, 10060, '1100', 112, 1, '2014-06-15T00:00:00')
GO
insert into empleados values (1, 10061, 'Martha', 'Dzul', 'Díaz', 'DUDM820224HHX', 'DUDM820224MGTJVZ73', '66747147323', '2016-04-11T00:00:00', 8390.00, 'N', 'A', '2016-04-11T00:00:00')
insert into llaves values (1, 10061, '1100', 112, 1, '2016-04-11T00:00:00')
insert into empleados values (1, 10062, 'Daniela', 'Chávez', 'Díaz', 'CADD7801103UM', 'CADD780110MMCHMJ14', '33591838149', '2015-01-19T00:00:00', 10800.00, 'N', 'A', '2015-01-19T00:00:00')
insert into llaves values (1, 10062, '1300', 133, 4, '2015-01-19T00:00:00')
insert into empleados values (1, 10063, 'Laura', 'Castillo', 'Romero', 'CARL721116KBW', 'CARL721116MDFRPD16', '26958359027', '2010-03-12T00:00:00', 10460.00, 'N', 'A', '2010-03-12T00:00:00')
insert into llaves values (1, 10063, '1340', 133, 1, '2010-03-12T00:00:00')
insert into empleados values (1, 10064, 'Manuel', 'García', 'Mendoza', 'GAMM840227BC5', 'GAMM840227HJCMRN55', '72234888302', '2024-04-02T00:00:00', 8710.00, 'N', 'A', '2024-04-02T00:00:00')
insert into llaves values (1, 10064, '1320', 137, 1, '2024-04-02T00:00:00')
insert into empleados values (1, 10065, 'Roberto', 'Vázquez', 'Hernández', 'VAHR831023HJK', 'VAHR831023HOCPNK54', '83447445199', '2008-12-14T00:00:00', 10580.00, 'N', 'A', '2008-12-14T00:00:00')
insert into llaves values (1, 10065, '1500', 161, 4, '2008-12-14T00:00:00')
insert into empleados values (1, 10066, 'Daniel', 'Medina', 'Pérez', 'MEPD910125FN5', 'MEPD910125HYNBKT52', '68057860518', '2014-12-14T00:00:00', 17400.00, 'N', 'M', '2014-12-14T00:00:00')
insert into llaves values (1, 10066, '1800', 191, 1, '2014-12-14T00:00:00')
insert into empleados values (1, 10067, 'Itzel', 'Castro', 'Pech', 'CAPI7306166C7', 'CAPI730616MYNBZB90', '86277326445', '2018-12-08T00:00:00', 13720.00, 'N', 'R', '2018-12-08T00:00:00')
insert into llaves values (1, 10067, '1300', 132, 1, '2018-12-08T00:00:00')
insert into empleados values (1, 10068, 'Gabriela', 'Santiago', 'Santiago', 'SASG680806JLY', 'SASG680806MJCNGD65', '76752605818', '2020-02-09T00:00:00', 12090.00, 'N', 'M', '2020-02-09T00:00:00')
insert into llaves values (1, 10068, '1500', 161, 1, '2020-02-09T00:00:00')
insert into empleados values (1, 10069, 'Arturo', 'Velázquez', 'Cortés', 'VECA630816RF5', 'VECA630816HTCVBR01', '69676447978', '2009-10-04T00:00:00', 9120.00, 'N', 'A', '2009-10-04T00:00:00')
insert into llaves values (1, 10069, '1200', 122, 4, '2009-10-04T00:00:00')
insert into empleados values (1, 10070, 'Alberto', 'López', 'Morales', 'LOMA80030731C', 'LOMA800307HDFSKT54', '74154773337', '2020-06-23T00:00:00', 29980.00, 'N', 'R', '2020-06-23T00:00:00')
insert into llaves values (1, 10070, '1200', 120, 4, '2020-06-23T00:00:00')
insert into empleados values (1, 10071, 'Beatriz', 'Chan', 'Canul', 'CACB810513H9S', 'CACB810513MYNFVH05', '40491532168', '2011-09-03T00:00:00', 24650.00, 'N', 'A', '2011-09-03T00:00:00')
insert into llaves values (1, 10071, '1000', 102, 4, '2011-09-03T00:00:00')
insert into empleados values (1, 10072, 'Óscar', 'Cortés', 'Pérez', 'COPO910414M8L', 'COPO910414HTCPNS51', '74726001202', '2023-06-03T00:00:00', 8670.00, 'N', 'M', '2023-06-03T00:00:00')
insert into llaves values (1, 10072, '1320', 138, 1, '2023-06-03T00:00:00')
insert into empleados values (1, 10073, 'Antonio', 'Méndez', 'Rojas', 'MERA920213NE4', 'MERA920213HVZFZL09', '93797496224', '2026-11-16T00:00:00', 9910.00, 'S', 'A', '2026-11-16T00:00:00')
insert into llaves values (1, 10073, '1400', 153, 1, '2026-11-16T00:00:00')
insert into empleados values (1, 10074, 'Fernando', 'Salazar', 'May', 'SAMF970116ZZC', 'SAMF970116HVZJVL40', '25219607638', '2025-03-14T00:00:00', 12510.00, 'N', 'R', '2025-03-14T00:00:00')
insert into llaves values (1, 10074, '1330', 139, 1, '2025-03-14T00:00:00')
insert into empleados values (1, 10075, 'Itzel', 'Chávez', 'Álvarez', 'CAAI671208T8G', 'CAAI671208MCSHGR24', '92170788745', '2023-06-02T00:00:00', 16000.00, 'N', 'M', '2023-06-02T00:00:00')
insert into llaves values (1, 10075, '1100', 113, 4, '2023-06-02T00:00:00')
insert into empleados values (1, 10076, 'Leticia', 'Salazar', 'Aguilar', 'SAAL63110954C', 'SAAL631109MVZJMJ81', '72168399568', '2015-06-03T00:00:00', 10100.00, 'N', 'M', '2015-06-03T00:00:00')
insert into llaves values (1, 10076, '1100', 112, 1, '2015-06-03T00:00:00')
insert into empleados values (1, 10077, 'Norma', 'Sánchez', 'López', 'SALN770627950', 'SALN770627MYNCCP02', '97757488781', '2013-05-16T00:00:00', 8780.00, 'N', 'A', '2013-05-16T00:00:00')
insert into llaves values (1, 10077, '1300', 133, 6, '2013-05-16T00:00:00')
insert into empleados values (1, 10078, 'Sofía', 'Bautista', 'Vázquez', 'BAVS6507128FJ', 'BAVS650712MYNVSH87', '20453316188', '2016-08-28T00:00:00', 8600.00, 'N', 'A', '2016-08-28T00:00:00')
insert into llaves values (1, 10078, '1320', 137, 1, '2016-08-28T00:00:00')
insert into empleados values (1, 10079, 'José', 'Martínez', 'Pérez', 'MAPJ72020614H', 'MAPJ720206HDFBNN93', '28250701465', '2009-12-13T00:00:00', 12890.00, 'N', 'M', '2009-12-13T00:00:00')
insert into llaves values (1, 10079, '1700', 182, 4, '2009-12-13T00:00:00')
insert into empleados values (1, 10080, 'Juana', 'Morales', 'Luna', 'MOLJ0309041MC', 'MOLJ030904MYNHNZ83', '27163392851', '2011-05-23T00:00:00', 8280.00, 'N', 'R', '2011-05-23T00:00:00')
insert into llaves values (1, 10080, '1100', 112, 6, '2011-05-23T00:00:00')
insert into empleados values (1, 10081, 'Margarita', 'Ek', 'Díaz', 'EXDM7702267KG', 'EXDM770226MQRKNT99', '96195309552', '2015-06-16T00:00:00', 10220.00, 'N', 'B', '2026-02-14T00:00:00')
insert into llaves values (1, 10081, '1100', 112, 4, '2015-06-16T00:00:00')
insert into empleados values (1, 10082, 'Ricardo', 'Torres', 'Martínez', 'TOMR681211G4H', 'TOMR681211HJCHFF68', '44558419570', '2021-08-06T00:00:00', 11080.00, 'N', 'M', '2021-08-06T00:00:00')
insert into llaves values (1, 10082, '1500', 161, 4, '2021-08-06T00:00:00')
insert into empleados values (1, 10083, 'Fernando', 'Reyes', 'Contreras', 'RECF990520A8B', 'RECF990520HJCLVL99', '20404918053', '2010-11-04T00:00:00', 13880.00, 'N', 'B', '2026-10-26T00:00:00')
insert into llaves values (1, 10083, '1600', 171, 1, '2010-11-04T00:00:00')
insert into empleados values (1, 10084, 'Patricia', 'Salazar', 'Gutiérrez', 'SAGP870909WC6', 'SAGP870909MCSMFP24', '97705336562', '2012-01-07T00:00:00', 9800.00, 'N', 'B', '2020-01-18T00:00:00')
insert into llaves values (1, 10084, '1340', 138, 1, '2012-01-07T00:00:00')
insert into empleados values (1, 10085, 'Martha', 'Hernández', 'Soto', 'HESM621221P8G', 'HESM621221MQRFTG71', '72245994904', '2011-06-23T00:00:00', 34990.00, 'N', 'A', '2011-06-23T00:00:00')
insert into llaves values (1, 10085, '1100', 110, 4, '2011-06-23T00:00:00')
insert into empleados values (1, 10086, 'José', 'Hernández', 'Santiago', 'HESJ031205UCH', 'HESJ031205HMCSNJ60', '66132496567', '2021-05-24T00:00:00', 14290.00, 'N', 'B', '2023-07-10T00:00:00')
insert into llaves values (1, 10086, '1320', 136, 5, '2021-05-24T00:00:00')
insert into empleados values (1, 10087, 'Guadalupe', 'Ramos', 'Chan', 'RACG9103230CD', 'RACG910323MQRKCJ45', '49352975077', '2018-08-11T00:00:00', 9330.00, 'N', 'A', '2018-08-11T00:00:00')
insert into llaves values (1, 10087, '1340', 137, 1, '2018-08-11T00:00:00')
insert into empleados values (1, 10088, 'Raúl', 'Rodríguez', 'Aguilar', 'ROAR980709UC7', 'ROAR980709HTCFHG80', '85690363454', '2010-01-07T00:00:00', 28800.00, 'N', 'A', '2010-01-07T00:00:00')
insert into llaves values (1, 10088, '1300', 131, 1, '2010-01-07T00:00:00')
insert into empleados values (1, 10089, 'Alejandra', 'Rodríguez', 'Méndez', 'ROMA030214YAY', 'ROMA030214MDFSND70', '33699653864', '2022-07-27T00:00:00', 14560.00, 'N', 'M', '2022-07-27T00:00:00')
insert into llaves values (1, 10089, '1600', 171, 4, '2022-07-27T00:00:00')
insert into empleados values (1, 10090, 'Francisco', 'Gutiérrez', 'May', 'GUMF700811PT3', 'GUMF700811HQRHJV29', '61317857104', '2019-07-02T00:00:00', 13030.00, 'N', 'A', '2019-07-02T00:00:00')
insert into llaves values (1, 10090, '1340', 136, 1, '2019-07-02T00:00:00')
insert into empleados values (1, 10091, 'Leticia', 'Pech', 'Peña', 'PEPL051205Y9N', 'PEPL051205MDFGRJ10', '95117902775', '2024-06-07T00:00:00', 10330.00, 'N', 'A', '2024-06-07T00:00:00')
insert into llaves values (1, 10091, '1320', 137, 1, '2024-06-07T00:00:00')
insert into empleados values (1, 10092, 'Silvia', 'Rodríguez', 'Reyes', 'RORS790423X1Y', 'RORS790423MVZSGC55', '48958642238', '2026-10-22T00:00:00', 9430.00, 'N', 'A', '2026-10-22T00:00:00')
insert into llaves values (1, 10092, '1200', 122, 4, '2026-10-22T00:00:00')
insert into empleados values (1, 10093, 'Enrique', 'Guzmán', 'Estrada', 'GUEE820115SWS', 'GUEE820115HCSRKR78', '00641735964', '2010-04-12T00:00:00', 11050.00, 'N', 'M', '2010-04-12T00:00:00')
insert into llaves values (1, 10093, '1500', 161, 4, '2010-04-12T00:00:00')
insert into empleados values (1, 10094, 'Luis', 'Ramírez', 'García', 'RAGL891109FGB', 'RAGL891109HQRNGL90', '07514293092', '2010-10-16T00:00:00', 14440.00, 'N', 'A', '2010-10-16T00:00:00')
insert into llaves values (1, 10094, '1100', 111, 1, '2010-10-16T00:00:00')
insert into empleados values (1, 10095, 'Fernando', 'Gutiérrez', 'Luna', 'GULF9507011U2', 'GULF950701HOCZKF84', '53145302544', '2023-02-19T00:00:00', 9280.00, 'N', 'M', '2023-02-19T00:00:00')
insert into llaves values (1, 10095, '1400', 153, 1, '2023-02-19T00:00:00')
insert into empleados values (1, 10096, 'Adriana', 'Medina', 'Guzmán', 'MEGA710110U38', 'MEGA710110MGTBDF25', '15789794864', '2013-11-02T00:00:00', 12560.00, 'N', 'M', '2013-11-02T00:00:00')
insert into llaves values (1, 10096, '1400', 151, 6, '2013-11-02T00:00:00')
insert into empleados values (1, 10097, 'Juana', 'Contreras', 'Méndez', 'COMJ950620BRC', 'COMJ950620MOCLZD97', '95100546598', '2021-10-24T00:00:00', 14180.00, 'N', 'A', '2021-10-24T00:00:00')
insert into llaves values (1, 10097, '1100', 111, 1, '2021-10-24T00:00:00')
insert into empleados values (1, 10098, 'Rosa', 'Pech', 'Torres', 'PETR950207XNH', 'PETR950207MDFRKL76', '98604014861', '2012-08-17T00:00:00', 11210.00, 'N', 'A', '2012-08-17T00:00:00')
insert into llaves values (1, 10098, '1320', 140, 4, '2012-08-17T00:00:00')
insert into empleados values (1, 10099, 'Patricia', 'Pech', 'Herrera', 'PEHP0510028D3', 'PEHP051002MGTZKL19', '03271927243', '2014-03-27T00:00:00', 10540.00, 'N', 'M', '2014-03-27T00:00:00')
insert into llaves values (1, 10099, '1340', 133, 4, '2014-03-27T00:00:00')
insert into empleados values (1, 10100, 'Raúl', 'Álvarez', 'Juárez', 'AAJR6404217C0', 'AAJR640421HOCNNL08', '19507392923', '2020-05-05T00:00:00', 9040.00, 'N', 'M', '2020-05-05T00:00:00')
insert into llaves values (1, 10100, '1320', 138, 4, '2020-05-05T00:00:00')
insert into empleados values (1, 10101, 'Enrique', 'Ortiz', 'Ramos', 'OIRE7811163NH', 'OIRE781116HVZPBJ42', '30405418735', '2011-10-14T00:00:00', 9940.00, 'N', 'M', '2011-10-14T00:00:00')
insert into llaves values (1, 10101, '1200', 122, 1, '2011-10-14T00:00:00')
insert into empleados values (1, 10102, 'Verónica', 'Chávez', 'Ortega', 'CAOV921006DFF', 'CAOV921006MOCVLL65', '12292579081', '2021-03-16T00:00:00', 9590.00, 'N', 'M', '2021-03-16T00:00:00')
insert into llaves values (1, 10102, '1200', 122, 4, '2021-03-16T00:00:00')
insert into empleados values (1, 10103, 'Ricardo', 'Pech', 'Mendoza', 'PEMR780923BKM', 'PEMR780923HDFJHL56', '50543442531', '2021-01-24T00:00:00', 10350.00, 'N', 'B', '2023-11-04T00:00:00')
insert into llaves values (1, 10103, '1300', 133, 2, '2021-01-24T00:00:00')
insert into empleados values (1, 10104, 'Ximena', 'Pérez', 'Peña', 'PEPX800511NKP', 'PEPX800511MDFZKV74', '85012282228', '2020-06-07T00:00:00', 8470.00, 'N', 'R', '2020-06-07T00:00:00')
insert into llaves values (1, 10104, '1320', 138, 1, '2020-06-07T00:00:00')
insert into empleados values (1, 10105, 'Pedro', 'Salazar', 'Mendoza', 'SAMP720419AYX', 'SAMP720419HVZTCM54', '33839908416', '2009-04-11T00:00:00', 29110.00, 'N', 'A', '2009-04-11T00:00:00')
insert into llaves values (1, 10105, '1400', 150, 5, '2009-04-11T00:00:00')
insert into empleados values (1, 10106, 'Silvia', 'Moreno', 'Contreras', 'MOCS7707093F7', 'MOCS770709MMCLCL19', '46065426817', '2020-01-10T00:00:00', 89110.00, 'N', 'A', '2020-01-10T00:00:00')
insert into llaves values (1, 10106, '1000', 101, 4, '2020-01-10T00:00:00')
insert into empleados values (1, 10107, 'Carlos', 'Soto', 'Pech', 'SOPC830121FRP', 'SOPC830121HJCDFL54', '94599718164', '2021-01-06T00:00:00', 10890.00, 'S', 'M', '2021-01-06T00:00:00')
insert into llaves values (1, 10107, '1500', 161, 3, '2021-01-06T00:00:00')
insert into empleados values (1, 10108, 'Leticia', 'Guzmán', 'Santiago', 'GUSL940509S8A', 'GUSL940509MTCBBR20', '13914123250', '2016-07-11T00:00:00', 9260.00, 'N', 'M', '2016-07-11T00:00:00')
insert into llaves values (1, 10108, '1400', 153, 3, '2016-07-11T00:00:00')
insert into empleados values (1, 10109, 'Antonio', 'Salazar', 'Bautista', 'SABA77042362W', 'SABA770423HMCCVR13', '42077941655', '2020-09-27T00:00:00', 13940.00, 'N', 'M', '2020-09-27T00:00:00')
insert into llaves values (1, 10109, '1400', 151, 4, '2020-09-27T00:00:00')
insert into empleados values (1, 10110, 'Martha', 'Chávez', 'Castillo', 'CACM760509BLP', 'CACM760509MGTKPD86', '35446443329', '2024-09-04T00:00:00', 8700.00, 'S', 'A', '2024-09-04T00:00:00')
insert into llaves values (1, 10110, '1300', 134, 2, '2024-09-04T00:00:00')
insert into empleados values (1, 10111, 'Carlos', 'Uc', 'Peña', 'UXPC930427LA7', 'UXPC930427HJCBDJ62', '70304618669', '2019-08-27T00:00:00', 12500.00, 'N', 'A', '2019-08-27T00:00:00')
insert into llaves values (1, 10111, '1700', 182, 4, '2019-08-27T00:00:00')
insert into empleados values (1, 10112, 'Francisco', 'Aguilar', 'Ruiz', 'AURF9903142LG', 'AURF990314HTCMVV12', '74622102298', '2017-01-17T00:00:00', 15060.00, 'N', 'M', '2017-01-17T00:00:00')
insert into llaves values (1, 10112, '1400', 151, 1, '2017-01-17T00:00:00')
insert into empleados values (1, 10113, 'Jorge', 'Castro', 'Jiménez', 'CAJJ710626SXV', 'CAJJ710626HGTFMS52', '58324363184', '2026-05-28T00:00:00', 10340.00, 'N', 'R', '2026-05-28T00:00:00')
insert into llaves values (1, 10113, '1340', 133, 1, '2026-05-28T00:00:00')
insert into empleados values (1, 10114, 'Ricardo', 'Soto', 'Herrera', 'SOHR951203A2R', 'SOHR951203HOCVFD72', '94256493354', '2025-02-20T00:00:00', 9450.00, 'N', 'A', '2025-02-20T00:00:00')
insert into llaves values (1, 10114, '1340', 133, 5, '2025-02-20T00:00:00')
insert into empleados values (1, 10115, 'Francisco', 'Chávez', 'Torres', 'CATF821005RLY', 'CATF821005HMCJNF53', '48286464289', '2021-01-05T00:00:00', 10730.00, 'N', 'M', '2021-01-05T00:00:00')
insert into llaves values (1, 10115, '1340', 133, 1, '2021-01-05T00:00:00')
insert into empleados values (1, 10116, 'Rosa', 'Méndez', 'Méndez', 'MEMR721128LCC', 'MEMR721128MDFVDN47', '85042103778', '2008-03-05T00:00:00', 14400.00, 'N', 'R', '2008-03-05T00:00:00')
insert into llaves values (1, 10116, '1300', 132, 4, '2008-03-05T00:00:00')
insert into empleados values (1, 10117, 'Beatriz', 'García', 'Canul', 'GACB641104YV3', 'GACB641104MMCJPC40', '61872524068', '2022-02-26T00:00:00', 9170.00, 'N', 'A', '2022-02-26T00:00:00')
insert into llaves values (1, 10117, '1400', 152, 1, '2022-02-26T00:00:00')
insert into empleados values (1, 10118, 'José', 'Moreno', 'Vargas', 'MOVJ940207CSE', 'MOVJ940207HYNSGM93', '27960308576', '2017-02-16T00:00:00', 48130.00, 'N', 'M', '2017-02-16T00:00:00')
insert into llaves values (1, 10118, '1800', 190, 6, '2017-02-16T00:00:00')
insert into empleados values (1, 10119, 'Héctor', 'May', 'Guzmán', 'MAGH920105KUF', 'MAGH920105HYNGLZ34', '07834241546', '2025-06-21T00:00:00', 13310.00, 'N', 'A', '2025-06-21T00:00:00')
insert into llaves values (1, 10119, '1100', 111, 1, '2025-06-21T00:00:00')
insert into empleados values (1, 10120, 'Patricia', 'Chávez', 'Vázquez', 'CAVP920501CVV', 'CAVP920501MQRVLF13', '97415050171', '2008-03-10T00:00:00', 14230.00, 'N', 'R', '2008-03-10T00:00:00')
insert into llaves values (1, 10120, '1300', 132, 4, '2008-03-10T00:00:00')
GO
insert into empleados values (1, 10121, 'Yolanda', 'Ruiz', 'Flores', 'RUFY830605TH3', 'RUFY830605MMCJTC83', '96488285729', '2021-10-26T00:00:00', 11680.00, 'N', 'M', '2021-10-26T00:00:00')
insert into llaves values (1, 10121, '1330', 139, 4, '2021-10-26T00:00:00')
insert into empleados values (1, 10122, 'Manuel', 'Aguilar', 'Ruiz', 'AURM771205G00', 'AURM771205HOCRCL96', '42775151974', '2016-06-21T00:00:00', 9390.00, 'N', 'A', '2016-06-21T00:00:00')
insert into llaves values (1, 10122, '1320', 137, 1, '2016-06-21T00:00:00')
insert into empleados values (1, 10123, 'Manuel', 'Velázquez', 'Ek', 'VEEM840222BW7', 'VEEM840222HDFKZT33', '55343125590', '2025-04-12T00:00:00', 17230.00, 'N', 'M', '2025-04-12T00:00:00')
insert into llaves values (1, 10123, '1800', 191, 3, '2025-04-12T00:00:00')
insert into empleados values (1, 10124, 'Araceli', 'Castillo', 'Aguilar', 'CAAA870623LLZ', 'CAAA870623MCSTGD87', '87012502993', '2019-05-15T00:00:00', 9850.00, 'N', 'A', '2019-05-15T00:00:00')
insert into llaves values (1, 10124, '1100', 112, 1, '2019-05-15T00:00:00')
insert into empleados values (1, 10125, 'Araceli', 'Gutiérrez', 'Moreno', 'GUMA860627ZN7', 'GUMA860627MCSDFD12', '79931531130', '2008-01-03T00:00:00', 9190.00, 'N', 'M', '2008-01-03T00:00:00')
insert into llaves values (1, 10125, '1340', 137, 3, '2008-01-03T00:00:00')
insert into empleados values (1, 10126, 'Carlos', 'López', 'López', 'LOLC860706VXY', 'LOLC860706HJCHTH03', '02325708740', '2014-04-27T00:00:00', NULL, 'N', 'M', '2014-04-27T00:00:00')
insert into llaves values (1, 10126, '1300', 132, 1, '2014-04-27T00:00:00')
insert into empleados values (1, 10127, 'Ricardo', 'May', 'Chávez', 'MACR710419FKE', 'MACR710419HGTRBD34', '04576568854', '2023-04-08T00:00:00', 9820.00, 'N', 'M', '2023-04-08T00:00:00')
insert into llaves values (1, 10127, '1400', 152, 1, '2023-04-08T00:00:00')
insert into empleados values (1, 10128, 'Itzel', 'Torres', 'Sánchez', 'TOSI96010264J', 'TOSI960102MTCSFP17', '50757216243', '2014-05-20T00:00:00', 10210.00, 'N', 'A', '2014-05-20T00:00:00')
insert into llaves values (1, 10128, '1200', 122, 1, '2014-05-20T00:00:00')
insert into empleados values (1, 10129, 'Laura', 'Méndez', 'Juárez', 'MEJL730905LE5', 'MEJL730905MOCSBJ99', '72463767378', '2009-05-16T00:00:00', 9750.00, 'N', 'A', '2009-05-16T00:00:00')
insert into llaves values (1, 10129, '1200', 123, 1, '2009-05-16T00:00:00')
insert into empleados values (1, 10130, 'Yolanda', 'Contreras', 'Gómez', 'COGY700724ANY', 'COGY700724MJCVCM35', '56838208011', '2016-02-28T00:00:00', 99740.00, 'N', 'A', '2016-02-28T00:00:00')
insert into llaves values (1, 10130, '1000', 101, 4, '2016-02-28T00:00:00')
insert into empleados values (1, 10131, 'Mariana', 'García', 'Castro', 'GACM700901VJH', 'GACM700901MJCPGR35', '23180698407', '2024-09-13T00:00:00', 14600.00, 'S', 'A', '2024-09-13T00:00:00')
insert into llaves values (1, 10131, '1200', 121, 1, '2024-09-13T00:00:00')
insert into empleados values (1, 10132, 'Alejandra', 'Gómez', 'Canul', 'GOCA8510022UE', 'GOCA851002MJCNVV63', '11551262946', '2021-02-16T00:00:00', 11040.00, 'N', 'M', '2021-02-16T00:00:00')
insert into llaves values (1, 10132, '1330', 139, 1, '2021-02-16T00:00:00')
insert into empleados values (1, 10133, 'José', 'Juárez', 'Chávez', 'JUCJ921216TKD', 'JUCJ921216HCSHCN34', '54711112573', '2012-09-17T00:00:00', NULL, 'N', 'A', '2012-09-17T00:00:00')
insert into llaves values (1, 10133, '1250', 125, 4, '2012-09-17T00:00:00')
insert into empleados values (1, 10134, 'María', 'Herrera', 'Martínez', 'HEMM970407E17', 'HEMM970407MQRVLL01', '87859702940', '2015-03-08T00:00:00', 8240.00, 'N', 'M', '2015-03-08T00:00:00')
insert into llaves values (1, 10134, '1100', 112, 4, '2015-03-08T00:00:00')
insert into empleados values (1, 10135, 'Laura', 'Bautista', 'Rojas', 'BARL0009244RV', 'BARL000924MQRSBD64', '87287900592', '2022-07-15T00:00:00', 10430.00, 'N', 'M', '2022-07-15T00:00:00')
insert into llaves values (1, 10135, '1340', 137, 1, '2022-07-15T00:00:00')
insert into empleados values (1, 10136, 'Daniela', 'Ruiz', 'Peña', 'RUPD6912236TE', 'RUPD691223MMCKVD02', '39320711664', '2018-04-21T00:00:00', 10090.00, 'N', 'A', '2018-04-21T00:00:00')
insert into llaves values (1, 10136, '1300', 133, 3, '2018-04-21T00:00:00')
insert into empleados values (1, 10137, 'Antonio', 'García', 'Medina', 'GAMA620521RJX', 'GAMA620521HMCGVN81', '47839425677', '2010-11-19T00:00:00', 14020.00, 'N', 'R', '2010-11-19T00:00:00')
insert into llaves values (1, 10137, '1600', 171, 1, '2010-11-19T00:00:00')
insert into empleados values (1, 10138, 'Eduardo', 'Estrada', 'González', 'EAGE8711229X9', 'EAGE871122HOCZFF58', '56052252704', '2011-12-01T00:00:00', 20090.00, 'N', 'R', '2011-12-01T00:00:00')
insert into llaves values (1, 10138, '1800', 191, 1, '2011-12-01T00:00:00')
insert into empleados values (1, 10139, 'Fernando', 'May', 'Soto', 'MASF690523YTP', 'MASF690523HQRKJB32', '83266975797', '2026-06-01T00:00:00', 9950.00, 'N', 'A', '2026-06-01T00:00:00')
insert into llaves values (1, 10139, '1200', 122, 1, '2026-06-01T00:00:00')
insert into empleados values (1, 10140, 'Margarita', 'Ramos', 'Martínez', 'RAMM890613TGY', 'RAMM890613MMCRDN89', '37567822474', '2016-05-21T00:00:00', 8460.00, 'S', 'A', '2016-05-21T00:00:00')
insert into llaves values (1, 10140, '1320', 137, 1, '2016-05-21T00:00:00')
insert into empleados values (1, 10141, 'Pedro', 'Jiménez', 'Pech', 'JIPP690210JS4', 'JIPP690210HJCRMM71', '53232794744', '2009-05-22T00:00:00', 9720.00, 'N', 'A', '2009-05-22T00:00:00')
insert into llaves values (1, 10141, '1320', 140, 1, '2009-05-22T00:00:00')
insert into empleados values (1, 10142, 'Daniel', 'Bautista', 'Rivera', 'BARD72021793E', 'BARD720217HTCCZS17', '21496540792', '2017-04-21T00:00:00', 8410.00, 'N', 'B', '2025-06-19T00:00:00')
insert into llaves values (1, 10142, '1100', 112, 3, '2017-04-21T00:00:00')
insert into empleados values (1, 10143, 'Daniel', 'López', 'Estrada', 'LOED640206SWX', 'LOED640206HJCBZN62', '99570211974', '2018-09-28T00:00:00', 46220.00, 'N', 'A', '2018-09-28T00:00:00')
insert into llaves values (1, 10143, '1800', 190, 4, '2018-09-28T00:00:00')
insert into empleados values (1, 10144, 'Laura', 'Gutiérrez', 'Pech', 'GUPL860521YXU', 'GUPL860521MMCSGP24', '57321475531', '2009-03-26T00:00:00', 13210.00, 'N', 'R', '2009-03-26T00:00:00')
insert into llaves values (1, 10144, '1340', 136, 1, '2009-03-26T00:00:00')
insert into empleados values (1, 10145, 'Karla', 'Vázquez', 'Contreras', 'VACK0202143GN', 'VACK020214MMCSLF34', '01640501165', '2011-06-19T00:00:00', 15070.00, 'N', 'A', '2011-06-19T00:00:00')
insert into llaves values (1, 10145, '1340', 132, 1, '2011-06-19T00:00:00')
insert into empleados values (1, 10146, 'Daniela', 'Ramírez', 'Mendoza', 'RAMD871111XXT', 'RAMD871111MOCSJK55', '88351055574', '2016-01-22T00:00:00', 8970.00, 'N', 'A', '2016-01-22T00:00:00')
insert into llaves values (1, 10146, '1200', 122, 1, '2016-01-22T00:00:00')
insert into empleados values (1, 10147, 'Guadalupe', 'Torres', 'Ortega', 'TOOG710220M8H', 'TOOG710220MOCLJZ48', '71457760973', '2008-06-27T00:00:00', 15060.00, 'N', 'R', '2008-06-27T00:00:00')
insert into llaves values (1, 10147, '1700', 181, 1, '2008-06-27T00:00:00')
insert into empleados values (1, 10148, 'Norma', 'Castillo', 'Hernández', 'CAHN840318VP7', 'CAHN840318MJCMMD34', '54074329348', '2009-01-05T00:00:00', 15480.00, 'N', 'M', '2009-01-05T00:00:00')
insert into llaves values (1, 10148, '1100', 113, 4, '2009-01-05T00:00:00')
insert into empleados values (1, 10149, 'Daniela', 'Ramírez', 'Flores', 'RAFD0502025BZ', 'RAFD050202MOCKRP70', '03471072501', '2016-11-21T00:00:00', 16280.00, 'N', 'B', '2025-01-24T00:00:00')
insert into llaves values (1, 10149, '1340', 132, 1, '2016-11-21T00:00:00')
insert into empleados values (1, 10150, 'Alejandro', 'Gómez', 'Rodríguez', 'GORA751010R7Y', 'GORA751010HVZBRF71', '86170049745', '2016-03-21T00:00:00', 14200.00, 'N', 'B', '2020-09-03T00:00:00')
insert into llaves values (1, 10150, '1400', 151, 1, '2016-03-21T00:00:00')
insert into empleados values (1, 10151, 'Itzel', 'Cruz', 'Cruz', 'CUCI870610ESP', 'CUCI870610MCSPPS94', '36589914346', '2014-11-09T00:00:00', 10770.00, 'N', 'M', '2014-11-09T00:00:00')
insert into llaves values (1, 10151, '1340', 133, 5, '2014-11-09T00:00:00')
insert into empleados values (1, 10152, 'Martha', 'Santiago', 'Juárez', 'SAJM620123M2F', 'SAJM620123MOCFTP95', '86070448149', '2026-02-15T00:00:00', 9930.00, 'S', 'M', '2026-02-15T00:00:00')
insert into llaves values (1, 10152, '1250', 125, 1, '2026-02-15T00:00:00')
insert into empleados values (1, 10153, 'Andrea', 'Moreno', 'Gómez', 'MOGA050728ZTD', 'MOGA050728MJCTDB95', '29591425105', '2019-04-14T00:00:00', 14160.00, 'N', 'R', '2019-04-14T00:00:00')
insert into llaves values (1, 10153, '1400', 151, 1, '2019-04-14T00:00:00')
insert into empleados values (1, 10154, 'Javier', 'Torres', 'Estrada', 'TOEJ770320W7L', 'TOEJ770320HDFBJR27', '40738663462', '2024-09-08T00:00:00', 8900.00, 'N', 'M', '2024-09-08T00:00:00')
insert into llaves values (1, 10154, '1250', 124, 4, '2024-09-08T00:00:00')
insert into empleados values (1, 10155, 'José', 'Pech', 'Rodríguez', 'PERJ8808260LM', 'PERJ880826HJCKRV65', '11858085404', '2012-02-18T00:00:00', 14200.00, 'S', 'A', '2012-02-18T00:00:00')
insert into llaves values (1, 10155, '1340', 136, 1, '2012-02-18T00:00:00')
insert into empleados values (1, 10156, 'Víctor', 'Gutiérrez', 'Castro', 'GUCV630301KDJ', 'GUCV630301HYNMGL26', '93010257598', '2008-09-14T00:00:00', 9770.00, 'N', 'A', '2008-09-14T00:00:00')
insert into llaves values (1, 10156, '1320', 137, 1, '2008-09-14T00:00:00')
insert into empleados values (1, 10157, 'Martha', 'Pérez', 'Ramos', 'PERM900327ZPA', 'PERM900327MGTKBD93', '04073360139', '2010-02-01T00:00:00', 16180.00, 'N', 'A', '2010-02-01T00:00:00')
insert into llaves values (1, 10157, '1200', 121, 4, '2010-02-01T00:00:00')
insert into empleados values (1, 10158, 'Sergio', 'Rivera', 'Vázquez', 'RIVS771118796', 'RIVS771118HCSTPB48', '65212650062', '2020-07-04T00:00:00', 10690.00, 'N', 'A', '2020-07-04T00:00:00')
insert into llaves values (1, 10158, '1200', 122, 1, '2020-07-04T00:00:00')
insert into empleados values (1, 10159, 'Citlali', 'Dzul', 'Díaz', 'DUDC980625L3J', 'DUDC980625MMCRJP18', '96023933225', '2025-03-04T00:00:00', 8220.00, 'N', 'M', '2025-03-04T00:00:00')
insert into llaves values (1, 10159, '1300', 134, 1, '2025-03-04T00:00:00')
insert into empleados values (1, 10160, 'Patricia', 'Chan', 'Aguilar', 'CAAP991206G5P', 'CAAP991206MVZSHP20', '03701490310', '2024-11-19T00:00:00', 9170.00, 'N', 'M', '2024-11-19T00:00:00')
insert into llaves values (1, 10160, '1300', 134, 1, '2024-11-19T00:00:00')
insert into empleados values (1, 10161, 'Sofía', 'Uc', 'Domínguez', 'UXDS900501WDD', 'UXDS900501MMCVKK67', '31064874020', '2023-07-02T00:00:00', 9730.00, 'N', 'A', '2023-07-02T00:00:00')
insert into llaves values (1, 10161, '1200', 122, 1, '2023-07-02T00:00:00')
insert into empleados values (1, 10162, 'Ricardo', 'Dzul', 'Rodríguez', 'DURR010424HBP', 'DURR010424HVZVDG28', '07074620968', '2024-03-14T00:00:00', 23250.00, 'N', 'A', '2024-03-14T00:00:00')
insert into llaves values (1, 10162, '1000', 102, 1, '2024-03-14T00:00:00')
insert into empleados values (1, 10163, 'Pedro', 'Dzul', 'Mendoza', 'DUMP74072636S', 'DUMP740726HQRLZN75', '74906817955', '2008-03-04T00:00:00', 14010.00, 'N', 'M', '2008-03-04T00:00:00')
insert into llaves values (1, 10163, '1300', 132, 3, '2008-03-04T00:00:00')
insert into empleados values (1, 10164, 'Adriana', 'Chávez', 'Mendoza', 'CAMA840701ZUG', 'CAMA840701MMCHCD27', '43544166380', '2023-10-25T00:00:00', 15780.00, 'N', 'M', '2023-10-25T00:00:00')
insert into llaves values (1, 10164, '1600', 171, 1, '2023-10-25T00:00:00')
insert into empleados values (1, 10165, 'Juana', 'Juárez', 'Ortega', 'JUOJ721228177', 'JUOJ721228MGTSKJ65', '06132076417', '2015-06-03T00:00:00', 10600.00, 'N', 'A', '2015-06-03T00:00:00')
insert into llaves values (1, 10165, '1200', 122, 1, '2015-06-03T00:00:00')
insert into empleados values (1, 10166, 'Verónica', 'Cortés', 'Vázquez', 'COVV910513EWM', 'COVV910513MYNVJC58', '82969666364', '2022-07-12T00:00:00', 9430.00, 'N', 'R', '2022-07-12T00:00:00')
insert into llaves values (1, 10166, '1320', 138, 1, '2022-07-12T00:00:00')
insert into empleados values (1, 10167, 'Martha', 'Gutiérrez', 'Canul', 'GUCM690908H8D', 'GUCM690908MDFSGT27', '45048555096', '2019-01-17T00:00:00', 10450.00, 'N', 'A', '2019-01-17T00:00:00')
insert into llaves values (1, 10167, '1320', 137, 4, '2019-01-17T00:00:00')
insert into empleados values (1, 10168, 'Jorge', 'Aguilar', 'Herrera', 'AUHJ791011HYK', 'AUHJ791011HDFSZJ20', '51975522204', '2017-03-07T00:00:00', 43100.00, 'N', 'M', '2017-03-07T00:00:00')
insert into llaves values (1, 10168, '1600', 170, 4, '2017-03-07T00:00:00')
insert into empleados values (1, 10169, 'Lucía', 'Gutiérrez', 'May', 'GUML6903165NX', 'GUML690316MOCVFN66', '24863302208', '2022-04-01T00:00:00', 29240.00, 'N', 'A', '2022-04-01T00:00:00')
insert into llaves values (1, 10169, '1300', 131, 3, '2022-04-01T00:00:00')
insert into empleados values (1, 10170, 'Javier', 'Vargas', 'Morales', 'VAMJ681019TH5', 'VAMJ681019HTCSGN06', '51135288261', '2020-01-16T00:00:00', 10770.00, 'N', 'R', '2020-01-16T00:00:00')
insert into llaves values (1, 10170, '1340', 133, 1, '2020-01-16T00:00:00')
insert into empleados values (1, 10171, 'Francisco', 'Ortiz', 'Álvarez', 'OIAF020318PK0', 'OIAF020318HQRDVS57', '23157255241', '2015-06-25T00:00:00', 9760.00, 'N', 'M', '2015-06-25T00:00:00')
insert into llaves values (1, 10171, '1340', 137, 1, '2015-06-25T00:00:00')
insert into empleados values (1, 10172, 'Sofía', 'Gómez', 'Reyes', 'GORS660219LUK', 'GORS660219MTCPPK79', '40718006205', '2022-12-09T00:00:00', 13400.00, 'N', 'A', '2022-12-09T00:00:00')
insert into llaves values (1, 10172, '1400', 151, 4, '2022-12-09T00:00:00')
insert into empleados values (1, 10173, 'Karla', 'Vázquez', 'Dzul', 'VADK8110085L1', 'VADK811008MTCBKP10', '86456338649', '2024-09-26T00:00:00', 11800.00, 'S', 'M', '2024-09-26T00:00:00')
insert into llaves values (1, 10173, '1100', 111, 4, '2024-09-26T00:00:00')
insert into empleados values (1, 10174, 'Andrea', 'Canul', 'Aguilar', 'CAAA69012671J', 'CAAA690126MGTTBP55', '58646053317', '2023-05-25T00:00:00', 10480.00, 'N', 'R', '2023-05-25T00:00:00')
insert into llaves values (1, 10174, '1200', 122, 4, '2023-05-25T00:00:00')
insert into empleados values (1, 10175, 'Araceli', 'Cruz', 'Canul', 'CUCA941010F8H', 'CUCA941010MJCZTF48', '27866385133', '2026-04-17T00:00:00', 9390.00, 'N', 'M', '2026-04-17T00:00:00')
insert into llaves values (1, 10175, '1200', 122, 4, '2026-04-17T00:00:00')
insert into empleados values (1, 10176, 'Martha', 'Herrera', 'Gómez', 'HEGM730303RRL', 'HEGM730303MDFHCG80', '61739226387', '2015-12-19T00:00:00', 14750.00, 'N', 'A', '2015-12-19T00:00:00')
insert into llaves values (1, 10176, '1600', 171, 4, '2015-12-19T00:00:00')
insert into empleados values (1, 10177, 'Brenda', 'Díaz', 'Morales', 'DIMB950308F7M', 'DIMB950308MVZCMJ33', '79066604056', '2011-06-19T00:00:00', 48430.00, 'N', 'A', '2011-06-19T00:00:00')
insert into llaves values (1, 10177, '1700', 180, 5, '2011-06-19T00:00:00')
insert into empleados values (1, 10178, 'Laura', 'González', 'Canul', 'GOCL051003F0G', 'GOCL051003MQRZRM78', '94018407372', '2024-08-25T00:00:00', 9680.00, 'N', 'A', '2024-08-25T00:00:00')
insert into llaves values (1, 10178, '1300', 133, 1, '2024-08-25T00:00:00')
insert into empleados values (1, 10179, 'Lucía', 'Torres', 'Castro', 'TOCL840209400', 'TOCL840209MTCZZM54', '57273579342', '2016-04-06T00:00:00', 14800.00, 'N', 'A', '2016-04-06T00:00:00')
insert into llaves values (1, 10179, '1300', 132, 4, '2016-04-06T00:00:00')
insert into empleados values (1, 10180, 'Raúl', 'Ramos', 'Vargas', 'RAVR8602103J6', 'RAVR860210HJCHLM39', '52127951365', '2013-01-09T00:00:00', 9850.00, 'N', 'A', '2013-01-09T00:00:00')
insert into llaves values (1, 10180, '1340', 137, 6, '2013-01-09T00:00:00')
GO
insert into empleados values (1, 10181, 'Margarita', 'Aguilar', 'Cruz', 'AUCM620625840', 'AUCM620625MQRJCP48', '11335643267', '2016-07-16T00:00:00', 30180.00, 'N', 'A', '2016-07-16T00:00:00')
insert into llaves values (1, 10181, '1400', 150, 1, '2016-07-16T00:00:00')
insert into empleados values (1, 10182, 'Yolanda', 'Canul', 'Rojas', 'CARY731001EFR', 'CARY731001MTCLSC34', '36387848299', '2021-01-16T00:00:00', 8540.00, 'N', 'A', '2021-01-16T00:00:00')
insert into llaves values (1, 10182, '1320', 137, 1, '2021-01-16T00:00:00')
insert into empleados values (1, 10183, 'Francisco', 'López', 'Sánchez', 'LOSF800406KZM', 'LOSF800406HTCSHZ53', '67173653546', '2017-07-06T00:00:00', 9350.00, 'N', 'M', '2017-07-06T00:00:00')
insert into llaves values (1, 10183, '1400', 153, 1, '2017-07-06T00:00:00')
insert into empleados values (1, 10184, 'Karla', 'Herrera', 'Estrada', 'HEEK75022797E', 'HEEK750227MVZFNZ11', '49623596905', '2013-08-06T00:00:00', 30850.00, 'N', 'A', '2013-08-06T00:00:00')
insert into llaves values (1, 10184, '1300', 131, 1, '2013-08-06T00:00:00')
insert into empleados values (1, 10185, 'Manuel', 'Rodríguez', 'Contreras', 'ROCM930703V9Y', 'ROCM930703HQRKLP13', '47636683120', '2009-02-05T00:00:00', 14330.00, 'N', 'A', '2009-02-05T00:00:00')
insert into llaves values (1, 10185, '1150', 114, 1, '2009-02-05T00:00:00')
insert into empleados values (1, 10186, 'Daniela', 'Díaz', 'Ortiz', 'DIOD760205972', 'DIOD760205MMCFBF66', '01806139826', '2019-10-15T00:00:00', 10640.00, 'N', 'M', '2019-10-15T00:00:00')
insert into llaves values (1, 10186, '1300', 133, 4, '2019-10-15T00:00:00')
insert into empleados values (1, 10187, 'Rosa', 'Ortega', 'Gómez', 'OEGR0205194VY', 'OEGR020519MOCDFD57', '89627321422', '2026-04-02T00:00:00', 13400.00, 'N', 'A', '2026-04-02T00:00:00')
insert into llaves values (1, 10187, '1150', 114, 1, '2026-04-02T00:00:00')
insert into empleados values (1, 10188, 'Ricardo', 'Sánchez', 'Ruiz', 'SARR620421FMR', 'SARR620421HDFSNK39', '84553085395', '2026-07-25T00:00:00', 14700.00, 'S', 'A', '2026-07-25T00:00:00')
insert into llaves values (1, 10188, '1300', 132, 1, '2026-07-25T00:00:00')
insert into empleados values (1, 10189, 'Fernanda', 'Castro', 'Bautista', 'CABF950728CB0', 'CABF950728MQRHCN95', '17477367564', '2025-02-11T00:00:00', 47970.00, 'N', 'A', '2025-02-11T00:00:00')
insert into llaves values (1, 10189, '1300', 130, 4, '2025-02-11T00:00:00')
insert into empleados values (1, 10190, 'Leticia', 'Herrera', 'Ortiz', 'HEOL741206PCD', 'HEOL741206MYNHRL21', '18458976105', '2016-10-09T00:00:00', 44260.00, 'N', 'M', '2016-10-09T00:00:00')
insert into llaves values (1, 10190, '1320', 135, 4, '2016-10-09T00:00:00')
GO

-- Company 2: Hospital San Rafael de Guadalajara, S.C.
insert into empresas (empresa, nombre_empresa, referencia, registro_patronal, rfc_empresa, domicilio, ciudad, estado, codigo_postal) values (2, 'Hospital San Rafael de Guadalajara, S.C.', NULL, 'C1423456107', 'HSR010715K29', 'Av. Américas 1450, Col. Providencia', 'Guadalajara', 'Jalisco', '44630')
insert into capa_lugar values (2, 1, 'Auditorio San Rafael')
insert into capa_lugar values (2, 2, 'Aula de Enseñanza Médica')
insert into centros values (2, '2000', 'Dirección Médica')
insert into centros values (2, '2100', 'Urgencias')
insert into centros values (2, '2200', 'Hospitalización')
insert into centros values (2, '2300', 'Quirófanos')
insert into centros values (2, '2350', 'Terapia Intensiva')
insert into centros values (2, '2400', 'Pediatría')
insert into centros values (2, '2500', 'Laboratorio Clínico')
insert into centros values (2, '2600', 'Imagenología')
insert into centros values (2, '2700', 'Farmacia')
insert into centros values (2, '2800', 'Nutrición y Dietas')
insert into centros values (2, '2900', 'Intendencia')
insert into centros values (2, '3000', 'Administración')
insert into centros values (2, '3100', 'Mantenimiento')
insert into tabulador values (2, 201, 'Director Médico', 95000.00)
insert into tabulador values (2, 202, 'Subdirector Médico', 72000.00)
insert into tabulador values (2, 210, 'Médico Urgenciólogo', 48000.00)
insert into tabulador values (2, 211, 'Médico General', 32000.00)
insert into tabulador values (2, 212, 'Médico Internista', 52000.00)
insert into tabulador values (2, 213, 'Pediatra', 50000.00)
insert into tabulador values (2, 214, 'Cirujano General', 62000.00)
insert into tabulador values (2, 215, 'Anestesiólogo', 65000.00)
insert into tabulador values (2, 216, 'Intensivista', 68000.00)
insert into tabulador values (2, 220, 'Jefa de Enfermería', 34000.00)
insert into tabulador values (2, 221, 'Enfermera General', 16500.00)
insert into tabulador values (2, 222, 'Enfermera Especialista', 21000.00)
insert into tabulador values (2, 223, 'Auxiliar de Enfermería', 11200.00)
insert into tabulador values (2, 224, 'Instrumentista', 17500.00)
insert into tabulador values (2, 225, 'Camillero', 9200.00)
insert into tabulador values (2, 230, 'Químico Clínico', 22000.00)
insert into tabulador values (2, 231, 'Técnico Laboratorista', 13500.00)
insert into tabulador values (2, 232, 'Técnico Radiólogo', 15800.00)
insert into tabulador values (2, 233, 'Médico Radiólogo', 58000.00)
insert into tabulador values (2, 240, 'Químico Farmacéutico', 21500.00)
insert into tabulador values (2, 241, 'Auxiliar de Farmacia', 9800.00)
insert into tabulador values (2, 250, 'Nutrióloga', 17000.00)
insert into tabulador values (2, 251, 'Cocinero de Dietas', 10400.00)
insert into tabulador values (2, 252, 'Ayudante de Cocina', 8600.00)
insert into tabulador values (2, 260, 'Supervisor de Intendencia', 12000.00)
insert into tabulador values (2, 261, 'Afanador', 8200.00)
insert into tabulador values (2, 270, 'Administrador General', 55000.00)
insert into tabulador values (2, 271, 'Recepcionista de Admisión', 10800.00)
insert into tabulador values (2, 272, 'Cajero', 11000.00)
insert into tabulador values (2, 273, 'Auxiliar Administrativo', 11500.00)
insert into tabulador values (2, 274, 'Trabajadora Social', 14500.00)
insert into tabulador values (2, 275, 'Auxiliar de Nóminas', 12800.00)
insert into tabulador values (2, 280, 'Jefe de Mantenimiento', 26000.00)
insert into tabulador values (2, 281, 'Técnico Biomédico', 18500.00)
insert into tabulador values (2, 282, 'Electricista', 12600.00)
insert into tabulador values (2, 299, 'Practicante', NULL)
GO

insert into empleados values (2, 20001, 'Silvia', 'Chan', 'Álvarez', 'CAAS961207FR6', 'CAAS961207MGTPSZ71', '34932729043', '2014-06-15T00:00:00', 10920.00, 'N', 'A', '2014-06-15T00:00:00')
insert into llaves values (2, 20001, '3000', 271, 4, '2014-06-15T00:00:00')
insert into empleados values (2, 20002, 'Enrique', 'Vázquez', 'Soto', 'VASE620212XCY', 'VASE620212HTCPCC24', '97826862569', '2017-07-22T00:00:00', 15680.00, 'N', 'R', '2017-07-22T00:00:00')
insert into llaves values (2, 20002, '2500', 231, 4, '2017-07-22T00:00:00')
insert into empleados values (2, 20003, 'Patricia', 'García', 'Vargas', 'GAVP650104GWV', 'GAVP650104MTCDDS93', '90948605093', '2016-01-11T00:00:00', 13420.00, 'N', 'B', '2020-07-19T00:00:00')
insert into llaves values (2, 20003, '2200', 223, 3, '2016-01-11T00:00:00')
insert into empleados values (2, 20004, 'Itzel', 'Bautista', 'Estrada', 'BAEI820428T9N', 'BAEI820428MJCBGJ14', '03245572097', '2008-11-11T00:00:00', 14040.00, 'N', 'M', '2008-11-11T00:00:00')
insert into llaves values (2, 20004, '3000', 275, 4, '2008-11-11T00:00:00')
insert into empleados values (2, 20005, 'Guadalupe', 'Vázquez', 'Bautista', 'VABG771107ETU', 'VABG771107MOCDGD77', '20630602645', '2019-11-06T00:00:00', NULL, 'N', 'M', '2019-11-06T00:00:00')
insert into llaves values (2, 20005, '3000', 274, 4, '2019-11-06T00:00:00')
insert into empleados values (2, 20006, 'Alejandro', 'Morales', 'Rodríguez', 'MORA7108244VP', 'MORA710824HMCZRS68', '89447220136', '2016-01-26T00:00:00', 29890.00, 'S', 'M', '2016-01-26T00:00:00')
insert into llaves values (2, 20006, '3100', 280, 3, '2016-01-26T00:00:00')
insert into empleados values (2, 20007, 'María', 'Pérez', 'Flores', 'PEFM790321D20', 'PEFM790321MTCTZM74', '45929456718', '2022-11-17T00:00:00', 67470.00, 'N', 'A', '2022-11-17T00:00:00')
insert into llaves values (2, 20007, '2600', 233, 4, '2022-11-17T00:00:00')
insert into empleados values (2, 20008, 'Itzel', 'Luna', 'Martínez', 'LUMI870523T9E', 'LUMI870523MJCRDJ44', '61198222766', '2023-03-08T00:00:00', 60450.00, 'N', 'A', '2023-03-08T00:00:00')
insert into llaves values (2, 20008, '2600', 233, 4, '2023-03-08T00:00:00')
insert into empleados values (2, 20009, 'Margarita', 'Castillo', 'Guzmán', 'CAGM9903193SN', 'CAGM990319MOCSZZ10', '44386978438', '2019-04-24T00:00:00', 9920.00, 'N', 'A', '2019-04-24T00:00:00')
insert into llaves values (2, 20009, '2900', 261, 4, '2019-04-24T00:00:00')
insert into empleados values (2, 20010, 'Víctor', 'Morales', 'Méndez', 'MOMV050803UDE', 'MOMV050803HDFPVN80', '88018703868', '2012-09-08T00:00:00', 63870.00, 'N', 'B', '2025-10-17T00:00:00')
insert into llaves values (2, 20010, '2200', 212, 5, '2012-09-08T00:00:00')
insert into empleados values (2, 20011, 'Laura', 'Rodríguez', 'García', 'ROGL9205237B2', 'ROGL920523MQRPMG01', '82020290172', '2008-10-14T00:00:00', 8640.00, 'N', 'M', '2008-10-14T00:00:00')
insert into llaves values (2, 20011, '2800', 252, 4, '2008-10-14T00:00:00')
insert into empleados values (2, 20012, 'María', 'Ortiz', 'Contreras', 'OICM930605C08', 'OICM930605MCSSLR75', '33157033592', '2022-08-14T00:00:00', 12590.00, 'N', 'A', '2022-08-14T00:00:00')
insert into llaves values (2, 20012, '3000', 271, 4, '2022-08-14T00:00:00')
insert into empleados values (2, 20013, 'María', 'Rojas', 'Medina', 'ROMM0007177MB', 'ROMM000717MVZDCF93', '36553185991', '2009-11-07T00:00:00', 9830.00, 'N', 'M', '2009-11-07T00:00:00')
insert into llaves values (2, 20013, '2900', 261, 1, '2009-11-07T00:00:00')
insert into empleados values (2, 20014, 'Luis', 'Moreno', 'Estrada', 'MOEL660727W6A', 'MOEL660727HCSGBP79', '63359152690', '2026-01-19T00:00:00', 11800.00, 'N', 'A', '2026-01-19T00:00:00')
insert into llaves values (2, 20014, '2700', 241, 4, '2026-01-19T00:00:00')
insert into empleados values (2, 20015, 'Patricia', 'Ramos', 'Velázquez', 'RAVP6501017M5', 'RAVP650101MQRHVT66', '31603887135', '2019-05-04T00:00:00', NULL, 'N', 'M', '2019-05-04T00:00:00')
insert into llaves values (2, 20015, '2900', 261, 5, '2019-05-04T00:00:00')
insert into empleados values (2, 20016, 'Eduardo', 'Uc', 'Luna', 'UXLE9610032NY', 'UXLE961003HTCNDL19', '24464260045', '2024-02-15T00:00:00', 10380.00, 'N', 'A', '2024-02-15T00:00:00')
insert into llaves values (2, 20016, '2100', 225, 3, '2024-02-15T00:00:00')
insert into empleados values (2, 20017, 'Enrique', 'Vázquez', 'Herrera', 'VAHE790503TFY', 'VAHE790503HGTZZG67', '68011232794', '2026-05-18T00:00:00', 70810.00, 'N', 'A', '2026-05-18T00:00:00')
insert into llaves values (2, 20017, '2300', 215, 5, '2026-05-18T00:00:00')
insert into empleados values (2, 20018, 'Carlos', 'Uc', 'Canul', 'UXCC720615ZP2', 'UXCC720615HJCRZL75', '71474417127', '2015-09-25T00:00:00', 8940.00, 'N', 'M', '2015-09-25T00:00:00')
insert into llaves values (2, 20018, '2900', 261, 5, '2015-09-25T00:00:00')
insert into empleados values (2, 20019, 'Óscar', 'Contreras', 'González', 'COGO910406GFY', 'COGO910406HDFDJJ89', '09584006994', '2021-01-04T00:00:00', 13960.00, 'N', 'R', '2021-01-04T00:00:00')
insert into llaves values (2, 20019, '2900', 260, 4, '2021-01-04T00:00:00')
insert into empleados values (2, 20020, 'Daniela', 'Chan', 'May', 'CAMD7509245YE', 'CAMD750924MCSKTL56', '11109924342', '2019-10-05T00:00:00', 58760.00, 'N', 'R', '2019-10-05T00:00:00')
insert into llaves values (2, 20020, '2400', 213, 3, '2019-10-05T00:00:00')
insert into empleados values (2, 20021, 'María', 'Juárez', 'Juárez', 'JUJM750626BYG', 'JUJM750626MMCSCG98', '15160505243', '2016-12-27T00:00:00', 13410.00, 'S', 'M', '2016-12-27T00:00:00')
insert into llaves values (2, 20021, '2200', 223, 3, '2016-12-27T00:00:00')
insert into empleados values (2, 20022, 'Adriana', 'Cortés', 'Contreras', 'COCA8702200FG', 'COCA870220MVZCLK09', '61839879977', '2015-03-26T00:00:00', 18570.00, 'N', 'B', '2023-07-23T00:00:00')
insert into llaves values (2, 20022, '2100', 221, 3, '2015-03-26T00:00:00')
insert into empleados values (2, 20023, 'Enrique', 'Uc', 'Mendoza', 'UXME680324E8U', 'UXME680324HDFRCL07', '75337207640', '2014-02-24T00:00:00', 11980.00, 'N', 'A', '2014-02-24T00:00:00')
insert into llaves values (2, 20023, '2700', 241, 4, '2014-02-24T00:00:00')
insert into empleados values (2, 20024, 'Brenda', 'Vázquez', 'Torres', 'VATB9903145TN', 'VATB990314MGTFSP98', '92901462778', '2026-08-10T00:00:00', 74010.00, 'N', 'M', '2026-08-10T00:00:00')
insert into llaves values (2, 20024, '2300', 214, 4, '2026-08-10T00:00:00')
insert into empleados values (2, 20025, 'Javier', 'Méndez', 'Castro', 'MECJ871209EL7', 'MECJ871209HGTSDF83', '82772049057', '2016-06-13T00:00:00', 32860.00, 'N', 'A', '2016-06-13T00:00:00')
insert into llaves values (2, 20025, '2100', 211, 3, '2016-06-13T00:00:00')
insert into empleados values (2, 20026, 'Daniela', 'González', 'Castro', 'GOCD7407287KA', 'GOCD740728MTCCVS05', '96727727765', '2020-06-17T00:00:00', 14020.00, 'N', 'A', '2020-06-17T00:00:00')
insert into llaves values (2, 20026, '2900', 260, 3, '2020-06-17T00:00:00')
insert into empleados values (2, 20027, 'Javier', 'Ruiz', 'Martínez', 'RUMJ7703176MA', 'RUMJ770317HDFDPZ95', '65922495767', '2023-07-24T00:00:00', 21280.00, 'N', 'M', '2023-07-24T00:00:00')
insert into llaves values (2, 20027, '3100', 281, 3, '2023-07-24T00:00:00')
insert into empleados values (2, 20028, 'Alejandro', 'Pérez', 'Ruiz', 'PERA8006024BT', 'PERA800602HQRZHF13', '91128767353', '2025-11-06T00:00:00', 20520.00, 'N', 'R', '2025-11-06T00:00:00')
insert into llaves values (2, 20028, '2100', 221, 2, '2025-11-06T00:00:00')
insert into empleados values (2, 20029, 'Juan', 'Cruz', 'López', 'CULJ92042602T', 'CULJ920426HTCDCS47', '60123329311', '2014-03-18T00:00:00', 9610.00, 'N', 'R', '2014-03-18T00:00:00')
insert into llaves values (2, 20029, '2900', 261, 4, '2014-03-18T00:00:00')
insert into empleados values (2, 20030, 'Manuel', 'Ramos', 'Pérez', 'RAPM040419VZP', 'RAPM040419HYNKLG04', '29170264528', '2019-07-17T00:00:00', 19670.00, 'N', 'A', '2019-07-17T00:00:00')
insert into llaves values (2, 20030, '2800', 250, 5, '2019-07-17T00:00:00')
insert into empleados values (2, 20031, 'Citlali', 'Contreras', 'Peña', 'COPC820703NDL', 'COPC820703MCSSRL84', '63543231744', '2024-07-04T00:00:00', 10620.00, 'N', 'R', '2024-07-04T00:00:00')
insert into llaves values (2, 20031, '2200', 225, 4, '2024-07-04T00:00:00')
insert into empleados values (2, 20032, 'Daniela', 'Romero', 'Castro', 'ROCD640426VRT', 'ROCD640426MTCBDT64', '65453803074', '2023-10-26T00:00:00', 13400.00, 'N', 'A', '2023-10-26T00:00:00')
insert into llaves values (2, 20032, '3000', 271, 3, '2023-10-26T00:00:00')
insert into empleados values (2, 20033, 'Itzel', 'Castro', 'Ek', 'CAEI8511076PU', 'CAEI851107MTCVKR04', '45392475731', '2024-11-16T00:00:00', 18340.00, 'N', 'A', '2024-11-16T00:00:00')
insert into llaves values (2, 20033, '2400', 221, 4, '2024-11-16T00:00:00')
insert into empleados values (2, 20034, 'Sergio', 'Reyes', 'Velázquez', 'REVS671011LH7', 'REVS671011HVZKPJ74', '51551022619', '2024-06-07T00:00:00', 67110.00, 'N', 'M', '2024-06-07T00:00:00')
insert into llaves values (2, 20034, '2300', 214, 3, '2024-06-07T00:00:00')
insert into empleados values (2, 20035, 'Andrea', 'Flores', 'Sánchez', 'FOSA000823EUU', 'FOSA000823MDFKPS33', '06788466554', '2009-03-24T00:00:00', 14050.00, 'N', 'A', '2009-03-24T00:00:00')
insert into llaves values (2, 20035, '3000', 273, 4, '2009-03-24T00:00:00')
insert into empleados values (2, 20036, 'Eduardo', 'Reyes', 'Chávez', 'RECE681113K3C', 'RECE681113HCSDBR78', '09993324770', '2017-01-09T00:00:00', 19320.00, 'N', 'M', '2017-01-09T00:00:00')
insert into llaves values (2, 20036, '2800', 250, 4, '2017-01-09T00:00:00')
insert into empleados values (2, 20037, 'Juana', 'Ortega', 'Chan', 'OECJ661028RDV', 'OECJ661028MDFZVC05', '37591477001', '2016-02-19T00:00:00', 52320.00, 'N', 'M', '2016-02-19T00:00:00')
insert into llaves values (2, 20037, '2100', 210, 4, '2016-02-19T00:00:00')
insert into empleados values (2, 20038, 'Beatriz', 'Castillo', 'Pérez', 'CAPB871111UP6', 'CAPB871111MJCPPM77', '12270612565', '2025-07-13T00:00:00', 19270.00, 'N', 'M', '2025-07-13T00:00:00')
insert into llaves values (2, 20038, '2200', 221, 5, '2025-07-13T00:00:00')
insert into empleados values (2, 20039, 'Patricia', 'Álvarez', 'Rojas', 'AARP991116VDJ', 'AARP991116MOCDCB34', '81880597185', '2024-02-04T00:00:00', 13710.00, 'N', 'M', '2024-02-04T00:00:00')
insert into llaves values (2, 20039, '3000', 272, 4, '2024-02-04T00:00:00')
insert into empleados values (2, 20040, 'Martha', 'Flores', 'Cruz', 'FOCM7304102NV', 'FOCM730410MJCKLG97', '79310472841', '2017-01-15T00:00:00', 95160.00, 'N', 'M', '2017-01-15T00:00:00')
insert into llaves values (2, 20040, '2000', 201, 4, '2017-01-15T00:00:00')
insert into empleados values (2, 20041, 'Fernando', 'Ramos', 'Canul', 'RACF860306VLE', 'RACF860306HOCRCZ58', '54941691283', '2021-07-22T00:00:00', 13990.00, 'N', 'M', '2021-07-22T00:00:00')
insert into llaves values (2, 20041, '3100', 282, 3, '2021-07-22T00:00:00')
insert into empleados values (2, 20042, 'Yolanda', 'López', 'Gómez', 'LOGY801128TBV', 'LOGY801128MGTJDK52', '76450432866', '2017-05-22T00:00:00', 59120.00, 'N', 'M', '2017-05-22T00:00:00')
insert into llaves values (2, 20042, '2600', 233, 5, '2017-05-22T00:00:00')
insert into empleados values (2, 20043, 'Margarita', 'May', 'González', 'MAGM620914KLH', 'MAGM620914MJCJTT55', '28925147327', '2013-04-12T00:00:00', NULL, 'N', 'M', '2013-04-12T00:00:00')
insert into llaves values (2, 20043, '2200', 223, 3, '2013-04-12T00:00:00')
insert into empleados values (2, 20044, 'Mariana', 'Estrada', 'Jiménez', 'EAJM9209043G0', 'EAJM920904MOCTKZ72', '07619946743', '2019-07-06T00:00:00', 68320.00, 'N', 'A', '2019-07-06T00:00:00')
insert into llaves values (2, 20044, '2300', 214, 4, '2019-07-06T00:00:00')
insert into empleados values (2, 20045, 'Fernando', 'Cruz', 'Uc', 'CUUF720405LF8', 'CUUF720405HTCJMK01', '34775300294', '2009-06-20T00:00:00', 54800.00, 'N', 'A', '2009-06-20T00:00:00')
insert into llaves values (2, 20045, '2400', 213, 4, '2009-06-20T00:00:00')
insert into empleados values (2, 20046, 'Martha', 'López', 'Uc', 'LOUM6710164KY', 'LOUM671016MVZCBV72', '11918995335', '2014-04-16T00:00:00', 114400.00, 'N', 'R', '2014-04-16T00:00:00')
insert into llaves values (2, 20046, '2000', 201, 5, '2014-04-16T00:00:00')
insert into empleados values (2, 20047, 'Alberto', 'Jiménez', 'Velázquez', 'JIVA910909UUV', 'JIVA910909HTCHTT90', '70940839318', '2014-06-20T00:00:00', 12550.00, 'N', 'A', '2014-06-20T00:00:00')
insert into llaves values (2, 20047, '2800', 251, 5, '2014-06-20T00:00:00')
insert into empleados values (2, 20048, 'Roberto', 'Hernández', 'Aguilar', 'HEAR850225TR9', 'HEAR850225HGTLNV91', '58728640486', '2013-11-06T00:00:00', 56460.00, 'N', 'M', '2013-11-06T00:00:00')
insert into llaves values (2, 20048, '2100', 210, 4, '2013-11-06T00:00:00')
insert into empleados values (2, 20049, 'Manuel', 'Álvarez', 'Castro', 'AACM8706024CC', 'AACM870602HCSRJC13', '43544567268', '2021-09-05T00:00:00', 24320.00, 'N', 'B', '2021-09-05T00:00:00')
insert into llaves values (2, 20049, '2350', 222, 4, '2021-09-05T00:00:00')
insert into empleados values (2, 20050, 'Patricia', 'Canul', 'Castro', 'CACP050419TRF', 'CACP050419MYNHJV04', '83997093749', '2011-01-13T00:00:00', 25200.00, 'N', 'M', '2011-01-13T00:00:00')
insert into llaves values (2, 20050, '2350', 222, 4, '2011-01-13T00:00:00')
insert into empleados values (2, 20051, 'María', 'Méndez', 'Gutiérrez', 'MEGM8103284J5', 'MEGM810328MTCHDK10', '04678710934', '2019-01-26T00:00:00', 10230.00, 'N', 'B', '2023-11-01T00:00:00')
insert into llaves values (2, 20051, '2100', 225, 1, '2019-01-26T00:00:00')
insert into empleados values (2, 20052, 'Alberto', 'Jiménez', 'Reyes', 'JIRA740211K0A', 'JIRA740211HQRDBB82', '18348045341', '2021-04-07T00:00:00', 25860.00, 'N', 'A', '2021-04-07T00:00:00')
insert into llaves values (2, 20052, '2500', 230, 1, '2021-04-07T00:00:00')
insert into empleados values (2, 20053, 'Yolanda', 'Velázquez', 'Vázquez', 'VEVY960728582', 'VEVY960728MOCZRM12', '79980296276', '2016-02-08T00:00:00', 11390.00, 'S', 'A', '2016-02-08T00:00:00')
insert into llaves values (2, 20053, '2200', 223, 4, '2016-02-08T00:00:00')
insert into empleados values (2, 20054, 'José', 'Estrada', 'Uc', 'EAUJ920123MGD', 'EAUJ920123HVZPLG41', '83164140115', '2017-07-07T00:00:00', 12510.00, 'N', 'M', '2017-07-07T00:00:00')
insert into llaves values (2, 20054, '2400', 223, 4, '2017-07-07T00:00:00')
insert into empleados values (2, 20055, 'Mariana', 'Torres', 'Álvarez', 'TOAM940726LVF', 'TOAM940726MMCVMS49', '39159099579', '2011-06-22T00:00:00', 17540.00, 'N', 'A', '2011-06-22T00:00:00')
insert into llaves values (2, 20055, '2400', 221, 3, '2011-06-22T00:00:00')
insert into empleados values (2, 20056, 'Francisco', 'Pech', 'Vargas', 'PEVF9309067HK', 'PEVF930906HOCKCC66', '92789001444', '2018-02-23T00:00:00', 12510.00, 'N', 'M', '2018-02-23T00:00:00')
insert into llaves values (2, 20056, '3000', 272, 3, '2018-02-23T00:00:00')
insert into empleados values (2, 20057, 'Sergio', 'Santiago', 'Luna', 'SALS020516KJD', 'SALS020516HOCMLG22', '49021829846', '2009-06-16T00:00:00', 11080.00, 'N', 'A', '2009-06-16T00:00:00')
insert into llaves values (2, 20057, '3000', 271, 3, '2009-06-16T00:00:00')
insert into empleados values (2, 20058, 'Citlali', 'Herrera', 'Peña', 'HEPC981208P2E', 'HEPC981208MMCMGH32', '39551163893', '2023-11-03T00:00:00', 10910.00, 'N', 'B', '2024-03-14T00:00:00')
insert into llaves values (2, 20058, '2700', 241, 4, '2023-11-03T00:00:00')
insert into empleados values (2, 20059, 'Verónica', 'Morales', 'Pech', 'MOPV820604921', 'MOPV820604MMCKHR33', '74718245207', '2016-04-27T00:00:00', 57570.00, 'N', 'R', '2016-04-27T00:00:00')
insert into llaves values (2, 20059, '2100', 210, 3, '2016-04-27T00:00:00')
insert into empleados values (2, 20060, 'Ximena', 'García', 'Salazar', 'GASX821027UHR', 'GASX821027MYNZNM02', '68590527625', '2023-04-18T00:00:00', 9500.00, 'N', 'A', '2023-04-18T00:00:00')
insert into llaves values (2, 20060, '2800', 252, 4, '2023-04-18T00:00:00')
GO
insert into empleados values (2, 20061, 'Adriana', 'Cortés', 'González', 'COGA850510MBF', 'COGA850510MDFRZD18', '53582592297', '2026-05-01T00:00:00', 23820.00, 'N', 'A', '2026-05-01T00:00:00')
insert into llaves values (2, 20061, '2500', 230, 3, '2026-05-01T00:00:00')
insert into empleados values (2, 20062, 'Juana', 'Jiménez', 'Moreno', 'JIMJ710403CYN', 'JIMJ710403MCSGJK74', '25280291368', '2025-08-28T00:00:00', 48670.00, 'N', 'A', '2025-08-28T00:00:00')
insert into llaves values (2, 20062, '2100', 210, 3, '2025-08-28T00:00:00')
insert into empleados values (2, 20063, 'Itzel', 'Luna', 'Torres', 'LUTI6302152CY', 'LUTI630215MJCGNH56', '26283433079', '2023-01-13T00:00:00', 17760.00, 'N', 'A', '2023-01-13T00:00:00')
insert into llaves values (2, 20063, '2600', 232, 4, '2023-01-13T00:00:00')
insert into empleados values (2, 20064, 'Roberto', 'Flores', 'Álvarez', 'FOAR8408145PS', 'FOAR840814HJCLJG30', '37652462214', '2014-09-13T00:00:00', 12570.00, 'N', 'A', '2014-09-13T00:00:00')
insert into llaves values (2, 20064, '3000', 273, 4, '2014-09-13T00:00:00')
insert into empleados values (2, 20065, 'Claudia', 'García', 'Dzul', 'GADC8907031P2', 'GADC890703MCSBCP55', '03203514219', '2013-01-24T00:00:00', 19320.00, 'S', 'A', '2013-01-24T00:00:00')
insert into llaves values (2, 20065, '2600', 232, 4, '2013-01-24T00:00:00')
insert into empleados values (2, 20066, 'Víctor', 'Velázquez', 'Dzul', 'VEDV86020930G', 'VEDV860209HTCNFF01', '54291743514', '2015-09-16T00:00:00', 48540.00, 'N', 'M', '2015-09-16T00:00:00')
insert into llaves values (2, 20066, '2100', 210, 3, '2015-09-16T00:00:00')
insert into empleados values (2, 20067, 'Araceli', 'Ruiz', 'Reyes', 'RURA691128MU3', 'RURA691128MQRCHR01', '40190302051', '2022-11-01T00:00:00', 20760.00, 'N', 'A', '2022-11-01T00:00:00')
insert into llaves values (2, 20067, '2800', 250, 3, '2022-11-01T00:00:00')
insert into empleados values (2, 20068, 'Juana', 'Méndez', 'Rodríguez', 'MERJ010720U1E', 'MERJ010720MJCKBZ48', '29144236003', '2015-05-03T00:00:00', 13400.00, 'N', 'A', '2015-05-03T00:00:00')
insert into llaves values (2, 20068, '2400', 223, 3, '2015-05-03T00:00:00')
insert into empleados values (2, 20069, 'Enrique', 'Torres', 'Uc', 'TOUE740319TKR', 'TOUE740319HMCNTV56', '97047016648', '2013-01-08T00:00:00', 76620.00, 'N', 'M', '2013-01-08T00:00:00')
insert into llaves values (2, 20069, '2350', 216, 3, '2013-01-08T00:00:00')
insert into empleados values (2, 20070, 'Araceli', 'Uc', 'Aguilar', 'UXAA900213N5C', 'UXAA900213MOCSLJ05', '15421326911', '2010-03-02T00:00:00', 64910.00, 'N', 'A', '2010-03-02T00:00:00')
insert into llaves values (2, 20070, '2200', 212, 4, '2010-03-02T00:00:00')
insert into empleados values (2, 20071, 'Eduardo', 'Medina', 'Luna', 'MELE7503266V9', 'MELE750326HTCNLH60', '87195153827', '2016-05-23T00:00:00', 68600.00, 'N', 'A', '2016-05-23T00:00:00')
insert into llaves values (2, 20071, '2300', 214, 4, '2016-05-23T00:00:00')
insert into empleados values (2, 20072, 'Alejandro', 'Medina', 'Rivera', 'MERA6807014LA', 'MERA680701HGTZBB31', '77986231151', '2009-05-21T00:00:00', 8570.00, 'N', 'A', '2009-05-21T00:00:00')
insert into llaves values (2, 20072, '2900', 261, 5, '2009-05-21T00:00:00')
insert into empleados values (2, 20073, 'Norma', 'Ek', 'Méndez', 'EXMN790915W91', 'EXMN790915MDFLBG07', '51549033355', '2008-01-25T00:00:00', 9120.00, 'N', 'M', '2008-01-25T00:00:00')
insert into llaves values (2, 20073, '2900', 261, 4, '2008-01-25T00:00:00')
insert into empleados values (2, 20074, 'Itzel', 'Vázquez', 'Aguilar', 'VAAI000517955', 'VAAI000517MTCGRS52', '66631280220', '2023-04-17T00:00:00', 23710.00, 'S', 'M', '2023-04-17T00:00:00')
insert into llaves values (2, 20074, '2300', 222, 4, '2023-04-17T00:00:00')
insert into empleados values (2, 20075, 'Citlali', 'Díaz', 'Luna', 'DILC950819HZ2', 'DILC950819MGTLZV92', '80228453924', '2010-08-12T00:00:00', 12150.00, 'N', 'B', '2020-09-27T00:00:00')
insert into llaves values (2, 20075, '2800', 251, 5, '2010-08-12T00:00:00')
insert into empleados values (2, 20076, 'Jorge', 'May', 'Moreno', 'MAMJ040205XYE', 'MAMJ040205HVZPFN12', '58833084851', '2019-07-16T00:00:00', 12190.00, 'N', 'M', '2019-07-16T00:00:00')
insert into llaves values (2, 20076, '2200', 223, 4, '2019-07-16T00:00:00')
insert into empleados values (2, 20077, 'Roberto', 'Hernández', 'Flores', 'HEFR6204040CH', 'HEFR620404HCSJMK20', '63639895790', '2011-06-07T00:00:00', 20600.00, 'N', 'R', '2011-06-07T00:00:00')
insert into llaves values (2, 20077, '3100', 281, 5, '2011-06-07T00:00:00')
insert into empleados values (2, 20078, 'Citlali', 'Romero', 'Canul', 'ROCC750907F9T', 'ROCC750907MYNGLG02', '74658259209', '2016-09-26T00:00:00', 19360.00, 'N', 'A', '2016-09-26T00:00:00')
insert into llaves values (2, 20078, '2600', 232, 3, '2016-09-26T00:00:00')
insert into empleados values (2, 20079, 'Roberto', 'Hernández', 'Luna', 'HELR940618DR5', 'HELR940618HJCRJM80', '59097029215', '2016-05-17T00:00:00', 9380.00, 'N', 'M', '2016-05-17T00:00:00')
insert into llaves values (2, 20079, '2900', 261, 2, '2016-05-17T00:00:00')
insert into empleados values (2, 20080, 'Víctor', 'Cortés', 'Soto', 'COSV690928V1M', 'COSV690928HVZRLM93', '73425860128', '2023-09-28T00:00:00', 17520.00, 'N', 'M', '2023-09-28T00:00:00')
insert into llaves values (2, 20080, '2200', 221, 1, '2023-09-28T00:00:00')
insert into empleados values (2, 20081, 'Manuel', 'Medina', 'Luna', 'MELM9612145WM', 'MELM961214HVZFHJ80', '91198903453', '2021-02-14T00:00:00', 16570.00, 'N', 'A', '2021-02-14T00:00:00')
insert into llaves values (2, 20081, '2400', 221, 1, '2021-02-14T00:00:00')
insert into empleados values (2, 20082, 'Patricia', 'Cruz', 'Torres', 'CUTP750122H8M', 'CUTP750122MQRVHJ81', '62798247518', '2013-04-02T00:00:00', 74470.00, 'N', 'R', '2013-04-02T00:00:00')
insert into llaves values (2, 20082, '2300', 214, 4, '2013-04-02T00:00:00')
insert into empleados values (2, 20083, 'Manuel', 'Pech', 'Pech', 'PEPM940423K14', 'PEPM940423HCSZKN13', '36216287637', '2014-01-09T00:00:00', 20470.00, 'N', 'A', '2014-01-09T00:00:00')
insert into llaves values (2, 20083, '2800', 250, 3, '2014-01-09T00:00:00')
insert into empleados values (2, 20084, 'Raúl', 'López', 'Cortés', 'LOCR960612UPJ', 'LOCR960612HMCNDS38', '16414555790', '2021-01-18T00:00:00', 17310.00, 'N', 'R', '2021-01-18T00:00:00')
insert into llaves values (2, 20084, '2200', 221, 4, '2021-01-18T00:00:00')
insert into empleados values (2, 20085, 'Javier', 'Ruiz', 'Contreras', 'RUCJ960202KJJ', 'RUCJ960202HJCKLR15', '24283341092', '2014-10-15T00:00:00', 12770.00, 'N', 'A', '2014-10-15T00:00:00')
insert into llaves values (2, 20085, '3100', 282, 3, '2014-10-15T00:00:00')
insert into empleados values (2, 20086, 'Claudia', 'May', 'Chávez', 'MACC720112B3M', 'MACC720112MJCGVZ98', '25645984302', '2024-07-01T00:00:00', 11220.00, 'N', 'M', '2024-07-01T00:00:00')
insert into llaves values (2, 20086, '2700', 241, 3, '2024-07-01T00:00:00')
insert into empleados values (2, 20087, 'Sergio', 'Mendoza', 'Méndez', 'MEMS750420WEN', 'MEMS750420HQRBRN75', '91585678315', '2014-04-24T00:00:00', 8450.00, 'N', 'B', '2022-02-23T00:00:00')
insert into llaves values (2, 20087, '2900', 261, 3, '2014-04-24T00:00:00')
insert into empleados values (2, 20088, 'Claudia', 'Díaz', 'Vázquez', 'DIVC050614UT2', 'DIVC050614MGTJBC52', '63172873921', '2024-04-24T00:00:00', 20610.00, 'N', 'R', '2024-04-24T00:00:00')
insert into llaves values (2, 20088, '2400', 221, 4, '2024-04-24T00:00:00')
insert into empleados values (2, 20089, 'Eduardo', 'Dzul', 'Chávez', 'DUCE961114HMV', 'DUCE961114HJCMKN42', '21621700706', '2021-07-19T00:00:00', 21640.00, 'N', 'R', '2021-07-19T00:00:00')
insert into llaves values (2, 20089, '3100', 281, 4, '2021-07-19T00:00:00')
insert into empleados values (2, 20090, 'Sergio', 'Rojas', 'Ortiz', 'ROOS630417AWC', 'ROOS630417HJCVCH19', '34339504343', '2022-07-07T00:00:00', 64590.00, 'N', 'M', '2022-07-07T00:00:00')
insert into llaves values (2, 20090, '3000', 270, 4, '2022-07-07T00:00:00')
insert into empleados values (2, 20091, 'Pedro', 'Dzul', 'García', 'DUGP940802W1R', 'DUGP940802HVZNLB08', '90722197353', '2015-06-28T00:00:00', NULL, 'N', 'A', '2015-06-28T00:00:00')
insert into llaves values (2, 20091, '2100', 221, 4, '2015-06-28T00:00:00')
insert into empleados values (2, 20092, 'Martha', 'Díaz', 'Cruz', 'DICM000908NA5', 'DICM000908MJCZJB16', '09960220763', '2018-07-11T00:00:00', 12920.00, 'N', 'A', '2018-07-11T00:00:00')
insert into llaves values (2, 20092, '2400', 223, 3, '2018-07-11T00:00:00')
insert into empleados values (2, 20093, 'Verónica', 'García', 'García', 'GAGV63042438H', 'GAGV630424MCSGMH75', '70721157169', '2023-06-04T00:00:00', 33260.00, 'N', 'R', '2023-06-04T00:00:00')
insert into llaves values (2, 20093, '2200', 211, 4, '2023-06-04T00:00:00')
insert into empleados values (2, 20094, 'Citlali', 'Dzul', 'Reyes', 'DURC7701031G8', 'DURC770103MYNJPG70', '02578511561', '2009-12-08T00:00:00', 10110.00, 'S', 'R', '2009-12-08T00:00:00')
insert into llaves values (2, 20094, '2900', 261, 5, '2009-12-08T00:00:00')
insert into empleados values (2, 20095, 'Araceli', 'Ek', 'Gómez', 'EXGA770508KPK', 'EXGA770508MMCHFT73', '23067855523', '2018-11-02T00:00:00', 10690.00, 'N', 'A', '2018-11-02T00:00:00')
insert into llaves values (2, 20095, '2200', 225, 4, '2018-11-02T00:00:00')
insert into empleados values (2, 20096, 'Silvia', 'Ek', 'Herrera', 'EXHS970708ZT5', 'EXHS970708MDFDBG20', '90479393736', '2026-07-15T00:00:00', 10540.00, 'N', 'M', '2026-07-15T00:00:00')
insert into llaves values (2, 20096, '2100', 225, 4, '2026-07-15T00:00:00')
insert into empleados values (2, 20097, 'Karla', 'Medina', 'Rojas', 'MERK69102399X', 'MERK691023MYNFCR95', '11130715805', '2009-10-13T00:00:00', 19850.00, 'N', 'M', '2009-10-13T00:00:00')
insert into llaves values (2, 20097, '2400', 221, 3, '2009-10-13T00:00:00')
insert into empleados values (2, 20098, 'Alejandro', 'Jiménez', 'Castro', 'JICA950221NZK', 'JICA950221HGTRJK45', '32278343758', '2021-02-17T00:00:00', 61400.00, 'N', 'M', '2021-02-17T00:00:00')
insert into llaves values (2, 20098, '2400', 213, 6, '2021-02-17T00:00:00')
insert into empleados values (2, 20099, 'Óscar', 'Contreras', 'Mendoza', 'COMO700716H75', 'COMO700716HTCZGH54', '89841114246', '2017-06-18T00:00:00', 25480.00, 'N', 'A', '2017-06-18T00:00:00')
insert into llaves values (2, 20099, '2300', 222, 3, '2017-06-18T00:00:00')
insert into empleados values (2, 20100, 'Jorge', 'Méndez', 'Estrada', 'MEEJ711113R3N', 'MEEJ711113HJCDGP72', '33986413903', '2021-01-02T00:00:00', 84440.00, 'N', 'R', '2021-01-02T00:00:00')
insert into llaves values (2, 20100, '2000', 202, 3, '2021-01-02T00:00:00')
insert into empleados values (2, 20101, 'Víctor', 'Morales', 'Pérez', 'MOPV66102521G', 'MOPV661025HOCKLN70', '93539674303', '2013-03-05T00:00:00', 61550.00, 'N', 'A', '2013-03-05T00:00:00')
insert into llaves values (2, 20101, '2400', 213, 4, '2013-03-05T00:00:00')
insert into empleados values (2, 20102, 'Miguel', 'Morales', 'Chan', 'MOCM9709268GE', 'MOCM970926HYNTJZ88', '61875581918', '2011-10-07T00:00:00', 55320.00, 'N', 'B', '2024-10-04T00:00:00')
insert into llaves values (2, 20102, '3000', 270, 4, '2011-10-07T00:00:00')
insert into empleados values (2, 20103, 'Alejandro', 'Pech', 'Juárez', 'PEJA730923GBY', 'PEJA730923HCSGSM37', '85636969888', '2019-01-02T00:00:00', 59830.00, 'N', 'M', '2019-01-02T00:00:00')
insert into llaves values (2, 20103, '2100', 210, 3, '2019-01-02T00:00:00')
insert into empleados values (2, 20104, 'Daniel', 'Vargas', 'Luna', 'VALD97121912X', 'VALD971219HTCRCD44', '50770243968', '2013-11-12T00:00:00', 12460.00, 'N', 'B', '2025-11-14T00:00:00')
insert into llaves values (2, 20104, '2800', 251, 1, '2013-11-12T00:00:00')
insert into empleados values (2, 20105, 'José', 'May', 'Castro', 'MACJ93012558U', 'MACJ930125HYNJSZ08', '19202258381', '2008-12-23T00:00:00', 57690.00, 'S', 'A', '2008-12-23T00:00:00')
insert into llaves values (2, 20105, '2100', 210, 4, '2008-12-23T00:00:00')
insert into empleados values (2, 20106, 'María', 'Torres', 'Cortés', 'TOCM8709163WT', 'TOCM870916MGTHSR77', '94327396765', '2009-04-27T00:00:00', 13190.00, 'N', 'R', '2009-04-27T00:00:00')
insert into llaves values (2, 20106, '2200', 223, 4, '2009-04-27T00:00:00')
insert into empleados values (2, 20107, 'Yolanda', 'Ramírez', 'Estrada', 'RAEY841009UD2', 'RAEY841009MTCFKT52', '01362625960', '2023-04-11T00:00:00', 24410.00, 'N', 'A', '2023-04-11T00:00:00')
insert into llaves values (2, 20107, '2300', 222, 3, '2023-04-11T00:00:00')
insert into empleados values (2, 20108, 'Elizabeth', 'Canul', 'Ramos', 'CARE731209KZR', 'CARE731209MOCFBC53', '67284797331', '2013-07-19T00:00:00', 112590.00, 'N', 'A', '2013-07-19T00:00:00')
insert into llaves values (2, 20108, '2000', 201, 3, '2013-07-19T00:00:00')
insert into empleados values (2, 20109, 'Pedro', 'Ortiz', 'Cortés', 'OICP771003AUE', 'OICP771003HDFTJG49', '85596137466', '2025-05-09T00:00:00', 11030.00, 'N', 'M', '2025-05-09T00:00:00')
insert into llaves values (2, 20109, '2800', 251, 3, '2025-05-09T00:00:00')
insert into empleados values (2, 20110, 'Citlali', 'Contreras', 'Méndez', 'COMC040823JW3', 'COMC040823MMCRTP33', '46790146369', '2024-09-11T00:00:00', 9170.00, 'S', 'M', '2024-09-11T00:00:00')
insert into llaves values (2, 20110, '2900', 261, 4, '2024-09-11T00:00:00')
insert into empleados values (2, 20111, 'Carlos', 'Chávez', 'Estrada', 'CAEC8510090S7', 'CAEC851009HDFBGF73', '76739684610', '2012-07-11T00:00:00', 22420.00, 'N', 'R', '2012-07-11T00:00:00')
insert into llaves values (2, 20111, '2300', 222, 3, '2012-07-11T00:00:00')
insert into empleados values (2, 20112, 'Rosa', 'Dzul', 'Peña', 'DUPR871120F2F', 'DUPR871120MMCLMN55', '10803343848', '2009-01-22T00:00:00', 57740.00, 'N', 'A', '2009-01-22T00:00:00')
insert into llaves values (2, 20112, '2400', 213, 4, '2009-01-22T00:00:00')
insert into empleados values (2, 20113, 'Luis', 'Domínguez', 'Jiménez', 'DOJL871003PW8', 'DOJL871003HTCKMF37', '89774242624', '2023-05-02T00:00:00', 9310.00, 'N', 'A', '2023-05-02T00:00:00')
insert into llaves values (2, 20113, '2900', 261, 3, '2023-05-02T00:00:00')
insert into empleados values (2, 20114, 'Alejandra', 'Ruiz', 'Pech', 'RUPA9606170KV', 'RUPA960617MCSHGF85', '55064953142', '2022-08-21T00:00:00', 63330.00, 'N', 'M', '2022-08-21T00:00:00')
insert into llaves values (2, 20114, '3000', 270, 3, '2022-08-21T00:00:00')
insert into empleados values (2, 20115, 'Manuel', 'López', 'May', 'LOMM640807J8V', 'LOMM640807HCSZZZ16', '04179103638', '2014-05-11T00:00:00', 34920.00, 'N', 'A', '2014-05-11T00:00:00')
insert into llaves values (2, 20115, '2100', 211, 3, '2014-05-11T00:00:00')
insert into empleados values (2, 20116, 'Itzel', 'Ramírez', 'Velázquez', 'RAVI0107053EW', 'RAVI010705MMCCHG11', '45328422159', '2023-06-09T00:00:00', 15200.00, 'N', 'A', '2023-06-09T00:00:00')
insert into llaves values (2, 20116, '3000', 274, 2, '2023-06-09T00:00:00')
insert into empleados values (2, 20117, 'María', 'Pérez', 'Gómez', 'PEGM780522KD3', 'PEGM780522MJCSKL48', '54068882023', '2010-08-10T00:00:00', 24660.00, 'N', 'A', '2010-08-10T00:00:00')
insert into llaves values (2, 20117, '2300', 222, 4, '2010-08-10T00:00:00')
insert into empleados values (2, 20118, 'Víctor', 'Ek', 'Torres', 'EXTV940926JXE', 'EXTV940926HDFLVC82', '01762982502', '2022-02-01T00:00:00', 15540.00, 'N', 'A', '2022-02-01T00:00:00')
insert into llaves values (2, 20118, '3000', 275, 4, '2022-02-01T00:00:00')
insert into empleados values (2, 20119, 'Daniela', 'Ramírez', 'González', 'RAGD7010092PR', 'RAGD701009MGTNBZ65', '30193752715', '2013-08-08T00:00:00', 24540.00, 'N', 'M', '2013-08-08T00:00:00')
insert into llaves values (2, 20119, '2350', 222, 2, '2013-08-08T00:00:00')
insert into empleados values (2, 20120, 'Javier', 'Vargas', 'Velázquez', 'VAVJ000920CWT', 'VAVJ000920HCSDTV81', '94544867337', '2014-05-16T00:00:00', 10530.00, 'N', 'M', '2014-05-16T00:00:00')
insert into llaves values (2, 20120, '2200', 225, 3, '2014-05-16T00:00:00')
GO
insert into empleados values (2, 20121, 'Fernando', 'Soto', 'Mendoza', 'SOMF890712MZ2', 'SOMF890712HYNNKD35', '47886356577', '2010-06-12T00:00:00', 10200.00, 'S', 'M', '2010-06-12T00:00:00')
insert into llaves values (2, 20121, '2900', 261, 3, '2010-06-12T00:00:00')
insert into empleados values (2, 20122, 'Juan', 'Domínguez', 'Cruz', 'DOCJ891119WEY', 'DOCJ891119HTCKNR52', '55694695797', '2021-04-16T00:00:00', 13860.00, 'N', 'A', '2021-04-16T00:00:00')
insert into llaves values (2, 20122, '3000', 273, 4, '2021-04-16T00:00:00')
insert into empleados values (2, 20123, 'Margarita', 'Moreno', 'Peña', 'MOPM000425W0F', 'MOPM000425MDFSFM44', '30136132411', '2018-01-09T00:00:00', 57580.00, 'N', 'A', '2018-01-09T00:00:00')
insert into llaves values (2, 20123, '2350', 212, 3, '2018-01-09T00:00:00')
insert into empleados values (2, 20124, 'Víctor', 'Ortiz', 'Guzmán', 'OIGV7808220Y9', 'OIGV780822HTCBMG94', '27056953918', '2024-08-28T00:00:00', NULL, 'N', 'A', '2024-08-28T00:00:00')
insert into llaves values (2, 20124, '2800', 250, 3, '2024-08-28T00:00:00')
insert into empleados values (2, 20125, 'Fernando', 'Morales', 'Martínez', 'MOMF740916SW9', 'MOMF740916HGTDGK05', '03628121651', '2009-11-07T00:00:00', 18110.00, 'N', 'A', '2009-11-07T00:00:00')
insert into llaves values (2, 20125, '2200', 221, 1, '2009-11-07T00:00:00')
insert into empleados values (2, 20126, 'Juan', 'Torres', 'Torres', 'TOTJ750422W7Z', 'TOTJ750422HTCKGG63', '85772051138', '2023-07-14T00:00:00', 17390.00, 'N', 'A', '2023-07-14T00:00:00')
insert into llaves values (2, 20126, '2600', 232, 2, '2023-07-14T00:00:00')
insert into empleados values (2, 20127, 'Sofía', 'Canul', 'Guzmán', 'CAGS800821HU7', 'CAGS800821MQRLJK54', '54574697584', '2019-01-01T00:00:00', 16830.00, 'N', 'M', '2019-01-01T00:00:00')
insert into llaves values (2, 20127, '2600', 232, 4, '2019-01-01T00:00:00')
insert into empleados values (2, 20128, 'Elizabeth', 'Sánchez', 'Cortés', 'SACE0507163FP', 'SACE050716MTCCZJ72', '20724432436', '2016-12-13T00:00:00', 19190.00, 'S', 'A', '2016-12-13T00:00:00')
insert into llaves values (2, 20128, '2300', 224, 1, '2016-12-13T00:00:00')
insert into empleados values (2, 20129, 'Claudia', 'López', 'Santiago', 'LOSC921012YXJ', 'LOSC921012MCSMFN57', '45477283842', '2021-06-28T00:00:00', 13070.00, 'N', 'R', '2021-06-28T00:00:00')
insert into llaves values (2, 20129, '3000', 271, 4, '2021-06-28T00:00:00')
insert into empleados values (2, 20130, 'Héctor', 'Sánchez', 'Rivera', 'SARH670606V99', 'SARH670606HJCPLJ26', '14450329639', '2018-11-28T00:00:00', 26850.00, 'N', 'A', '2018-11-28T00:00:00')
insert into llaves values (2, 20130, '2500', 230, 3, '2018-11-28T00:00:00')
insert into empleados values (2, 20131, 'Alejandro', 'Rojas', 'Pérez', 'ROPA860425RRP', 'ROPA860425HYNNTV12', '49582181487', '2026-05-07T00:00:00', 9100.00, 'N', 'A', '2026-05-07T00:00:00')
insert into llaves values (2, 20131, '2900', 261, 3, '2026-05-07T00:00:00')
insert into empleados values (2, 20132, 'Arturo', 'Ortega', 'Moreno', 'OEMA040923C2A', 'OEMA040923HOCJDM78', '41089310442', '2018-02-04T00:00:00', 15000.00, 'N', 'R', '2018-02-04T00:00:00')
insert into llaves values (2, 20132, '2500', 231, 3, '2018-02-04T00:00:00')
insert into empleados values (2, 20133, 'Roberto', 'Ruiz', 'Hernández', 'RUHR890221ZXY', 'RUHR890221HTCNVJ65', '92648464107', '2012-02-28T00:00:00', 76480.00, 'N', 'M', '2012-02-28T00:00:00')
insert into llaves values (2, 20133, '2300', 215, 4, '2012-02-28T00:00:00')
insert into empleados values (2, 20134, 'Patricia', 'Gómez', 'Pérez', 'GOPP680511LAJ', 'GOPP680511MDFLFZ59', '12311961270', '2012-07-17T00:00:00', 31740.00, 'S', 'M', '2012-07-17T00:00:00')
insert into llaves values (2, 20134, '3100', 280, 1, '2012-07-17T00:00:00')
insert into empleados values (2, 20135, 'Francisco', 'Gutiérrez', 'May', 'GUMF901013T7M', 'GUMF901013HDFFNL31', '56240001786', '2013-08-19T00:00:00', 12480.00, 'N', 'A', '2013-08-19T00:00:00')
insert into llaves values (2, 20135, '2800', 251, 4, '2013-08-19T00:00:00')
insert into empleados values (2, 20136, 'Daniela', 'Hernández', 'Juárez', 'HEJD891101R60', 'HEJD891101MQRHVG16', '64297948429', '2013-07-04T00:00:00', 21350.00, 'S', 'A', '2013-07-04T00:00:00')
insert into llaves values (2, 20136, '2350', 222, 3, '2013-07-04T00:00:00')
insert into empleados values (2, 20137, 'Sergio', 'Salazar', 'Peña', 'SAPS041105TRP', 'SAPS041105HGTTJL59', '47179097780', '2019-02-21T00:00:00', 68420.00, 'N', 'R', '2019-02-21T00:00:00')
insert into llaves values (2, 20137, '2300', 215, 4, '2019-02-21T00:00:00')
insert into empleados values (2, 20138, 'José', 'Cruz', 'Díaz', 'CUDJ730508V98', 'CUDJ730508HJCNPH04', '95125817918', '2023-08-15T00:00:00', 17760.00, 'N', 'M', '2023-08-15T00:00:00')
insert into llaves values (2, 20138, '2200', 221, 1, '2023-08-15T00:00:00')
insert into empleados values (2, 20139, 'Elizabeth', 'Castro', 'Estrada', 'CAEE030912LHG', 'CAEE030912MJCJFZ35', '96173946785', '2014-06-27T00:00:00', 80910.00, 'N', 'R', '2014-06-27T00:00:00')
insert into llaves values (2, 20139, '2300', 215, 4, '2014-06-27T00:00:00')
insert into empleados values (2, 20140, 'Karla', 'Flores', 'Ramírez', 'FORK020213SL8', 'FORK020213MYNPNG45', '02920761943', '2020-03-02T00:00:00', 15890.00, 'S', 'A', '2020-03-02T00:00:00')
insert into llaves values (2, 20140, '2500', 231, 6, '2020-03-02T00:00:00')
insert into empleados values (2, 20141, 'Carlos', 'Ruiz', 'Ek', 'RUEC7408105CT', 'RUEC740810HGTNVR74', '11114580996', '2012-01-14T00:00:00', 62990.00, 'N', 'R', '2012-01-14T00:00:00')
insert into llaves values (2, 20141, '2600', 233, 4, '2012-01-14T00:00:00')
insert into empleados values (2, 20142, 'Alejandro', 'Flores', 'Moreno', 'FOMA980328KTY', 'FOMA980328HDFCNJ30', '71843940035', '2010-12-12T00:00:00', 12160.00, 'N', 'R', '2010-12-12T00:00:00')
insert into llaves values (2, 20142, '3000', 273, 4, '2010-12-12T00:00:00')
insert into empleados values (2, 20143, 'María', 'Dzul', 'Ramírez', 'DURM990422ZMN', 'DURM990422MOCNBS68', '67416747934', '2017-10-18T00:00:00', 9440.00, 'N', 'A', '2017-10-18T00:00:00')
insert into llaves values (2, 20143, '2900', 261, 3, '2017-10-18T00:00:00')
insert into empleados values (2, 20144, 'Lucía', 'Romero', 'Santiago', 'ROSL690315F38', 'ROSL690315MJCTKD46', '08121435033', '2012-07-08T00:00:00', 12580.00, 'N', 'A', '2012-07-08T00:00:00')
insert into llaves values (2, 20144, '2200', 223, 5, '2012-07-08T00:00:00')
insert into empleados values (2, 20145, 'Ricardo', 'Aguilar', 'Luna', 'AULR840421Z0X', 'AULR840421HYNBGV59', '10872636596', '2018-07-17T00:00:00', 112270.00, 'N', 'A', '2018-07-17T00:00:00')
insert into llaves values (2, 20145, '2000', 201, 5, '2018-07-17T00:00:00')
insert into empleados values (2, 20146, 'Víctor', 'Pérez', 'Castillo', 'PECV700726LPC', 'PECV700726HCSTCR56', '17562915911', '2017-03-28T00:00:00', 19870.00, 'N', 'A', '2017-03-28T00:00:00')
insert into llaves values (2, 20146, '2300', 224, 1, '2017-03-28T00:00:00')
insert into empleados values (2, 20147, 'Francisco', 'Reyes', 'Gómez', 'REGF7709151XC', 'REGF770915HJCPJR35', '77949691564', '2023-02-13T00:00:00', 37720.00, 'N', 'M', '2023-02-13T00:00:00')
insert into llaves values (2, 20147, '2200', 211, 4, '2023-02-13T00:00:00')
insert into empleados values (2, 20148, 'Yolanda', 'Pérez', 'Méndez', 'PEMY8811108PR', 'PEMY881110MCSBKZ02', '53152164439', '2020-10-04T00:00:00', 9270.00, 'N', 'M', '2020-10-04T00:00:00')
insert into llaves values (2, 20148, '2100', 225, 3, '2020-10-04T00:00:00')
insert into empleados values (2, 20149, 'Laura', 'Jiménez', 'Gómez', 'JIGL761015SYP', 'JIGL761015MMCCKK85', '90160422508', '2022-08-15T00:00:00', 9280.00, 'N', 'M', '2022-08-15T00:00:00')
insert into llaves values (2, 20149, '2900', 261, 3, '2022-08-15T00:00:00')
insert into empleados values (2, 20150, 'José', 'Rojas', 'Méndez', 'ROMJ7906171KF', 'ROMJ790617HOCJJP84', '70533155617', '2009-08-09T00:00:00', 23500.00, 'N', 'A', '2009-08-09T00:00:00')
insert into llaves values (2, 20150, '2300', 222, 3, '2009-08-09T00:00:00')
insert into empleados values (2, 20151, 'Sofía', 'Rivera', 'May', 'RIMS681113U8Y', 'RIMS681113MVZHJJ68', '67078673782', '2018-05-07T00:00:00', 18140.00, 'N', 'A', '2018-05-07T00:00:00')
insert into llaves values (2, 20151, '2600', 232, 4, '2018-05-07T00:00:00')
insert into empleados values (2, 20152, 'Eduardo', 'Gutiérrez', 'Vázquez', 'GUVE930906WTM', 'GUVE930906HJCSDF46', '13894550838', '2025-06-15T00:00:00', 22580.00, 'N', 'M', '2025-06-15T00:00:00')
insert into llaves values (2, 20152, '2300', 222, 3, '2025-06-15T00:00:00')
insert into empleados values (2, 20153, 'Silvia', 'Santiago', 'Flores', 'SAFS930120M9N', 'SAFS930120MOCPBR62', '86622229350', '2012-01-07T00:00:00', 12340.00, 'N', 'M', '2012-01-07T00:00:00')
insert into llaves values (2, 20153, '2200', 223, 3, '2012-01-07T00:00:00')
insert into empleados values (2, 20154, 'Andrea', 'Ortiz', 'Cruz', 'OICA9910027A7', 'OICA991002MDFSHL81', '61512609881', '2024-10-21T00:00:00', 17940.00, 'N', 'A', '2024-10-21T00:00:00')
insert into llaves values (2, 20154, '2600', 232, 3, '2024-10-21T00:00:00')
insert into empleados values (2, 20155, 'María', 'Mendoza', 'Martínez', 'MEMM660520C45', 'MEMM660520MCSSDK62', '69118302667', '2020-07-15T00:00:00', 9960.00, 'S', 'A', '2020-07-15T00:00:00')
insert into llaves values (2, 20155, '2800', 252, 4, '2020-07-15T00:00:00')
insert into empleados values (2, 20156, 'Antonio', 'Aguilar', 'García', 'AUGA83050903X', 'AUGA830509HTCHCN14', '83247379171', '2024-02-13T00:00:00', 9610.00, 'N', 'A', '2024-02-13T00:00:00')
insert into llaves values (2, 20156, '2900', 261, 4, '2024-02-13T00:00:00')
insert into empleados values (2, 20157, 'Raúl', 'Medina', 'Santiago', 'MESR771009RL2', 'MESR771009HTCDJG40', '64878058971', '2022-06-14T00:00:00', 22370.00, 'N', 'M', '2022-06-14T00:00:00')
insert into llaves values (2, 20157, '2700', 240, 4, '2022-06-14T00:00:00')
insert into empleados values (2, 20158, 'Mariana', 'Pech', 'Chan', 'PECM990311GLR', 'PECM990311MCSLFV81', '66321935883', '2016-02-22T00:00:00', 20700.00, 'N', 'A', '2016-02-22T00:00:00')
insert into llaves values (2, 20158, '3100', 281, 4, '2016-02-22T00:00:00')
insert into empleados values (2, 20159, 'Guadalupe', 'Vázquez', 'Bautista', 'VABG841113UGP', 'VABG841113MYNRLK03', '11981681126', '2010-12-08T00:00:00', 12200.00, 'N', 'M', '2010-12-08T00:00:00')
insert into llaves values (2, 20159, '2200', 223, 3, '2010-12-08T00:00:00')
insert into empleados values (2, 20160, 'Luis', 'Medina', 'Martínez', 'MEML96051163T', 'MEML960511HQRMLH59', '06363978189', '2011-09-16T00:00:00', 18250.00, 'N', 'A', '2011-09-16T00:00:00')
insert into llaves values (2, 20160, '2200', 221, 4, '2011-09-16T00:00:00')
insert into empleados values (2, 20161, 'Manuel', 'Martínez', 'Sánchez', 'MASM660901KH1', 'MASM660901HTCKJJ93', '73942117152', '2013-08-09T00:00:00', 10470.00, 'N', 'A', '2013-08-09T00:00:00')
insert into llaves values (2, 20161, '2800', 251, 3, '2013-08-09T00:00:00')
insert into empleados values (2, 20162, 'Itzel', 'Reyes', 'Ramos', 'RERI9812112KZ', 'RERI981211MGTVRK62', '92421674030', '2020-10-08T00:00:00', 111920.00, 'N', 'M', '2020-10-08T00:00:00')
insert into llaves values (2, 20162, '2000', 201, 4, '2020-10-08T00:00:00')
insert into empleados values (2, 20163, 'Carlos', 'Sánchez', 'Moreno', 'SAMC9510279S9', 'SAMC951027HQRHFC84', '48883996726', '2012-02-24T00:00:00', 17850.00, 'N', 'R', '2012-02-24T00:00:00')
insert into llaves values (2, 20163, '2400', 221, 3, '2012-02-24T00:00:00')
insert into empleados values (2, 20164, 'Miguel', 'Gómez', 'Santiago', 'GOSM861019F84', 'GOSM861019HDFSVM46', '46240870447', '2018-06-16T00:00:00', 17720.00, 'N', 'R', '2018-06-16T00:00:00')
insert into llaves values (2, 20164, '2600', 232, 4, '2018-06-16T00:00:00')
insert into empleados values (2, 20165, 'Arturo', 'Cortés', 'Ortega', 'COOA021017162', 'COOA021017HDFGBN89', '78188273200', '2019-07-20T00:00:00', 41470.00, 'N', 'A', '2019-07-20T00:00:00')
insert into llaves values (2, 20165, '2200', 220, 3, '2019-07-20T00:00:00')
insert into empleados values (2, 20166, 'Sergio', 'Uc', 'Velázquez', 'UXVS710510M7D', 'UXVS710510HYNTDK65', '87748238559', '2018-01-21T00:00:00', 14940.00, 'N', 'M', '2018-01-21T00:00:00')
insert into llaves values (2, 20166, '3000', 274, 6, '2018-01-21T00:00:00')
insert into empleados values (2, 20167, 'María', 'Martínez', 'Velázquez', 'MAVM840915C1J', 'MAVM840915MYNDNK64', '04220833715', '2009-02-21T00:00:00', 13220.00, 'N', 'A', '2009-02-21T00:00:00')
insert into llaves values (2, 20167, '3100', 282, 4, '2009-02-21T00:00:00')
insert into empleados values (2, 20168, 'Araceli', 'Gómez', 'Vázquez', 'GOVA780910P32', 'GOVA780910MQRBNG51', '95194284361', '2010-11-04T00:00:00', 8530.00, 'N', 'A', '2010-11-04T00:00:00')
insert into llaves values (2, 20168, '2900', 261, 4, '2010-11-04T00:00:00')
insert into empleados values (2, 20169, 'Fernanda', 'Ramos', 'Vargas', 'RAVF050612RGB', 'RAVF050612MTCCHG10', '89129350990', '2010-01-11T00:00:00', 12900.00, 'N', 'B', '2025-01-04T00:00:00')
insert into llaves values (2, 20169, '3000', 273, 4, '2010-01-11T00:00:00')
insert into empleados values (2, 20170, 'Antonio', 'Reyes', 'Ek', 'REEA840714ANR', 'REEA840714HQRTJM14', '59314968808', '2026-11-06T00:00:00', 80450.00, 'N', 'A', '2026-11-06T00:00:00')
insert into llaves values (2, 20170, '2300', 215, 4, '2026-11-06T00:00:00')
insert into empleados values (2, 20171, 'Roberto', 'Peña', 'Álvarez', 'PEAR980204VUX', 'PEAR980204HVZJDT05', '67739450972', '2009-10-19T00:00:00', 34330.00, 'S', 'A', '2009-10-19T00:00:00')
insert into llaves values (2, 20171, '2100', 211, 3, '2009-10-19T00:00:00')
insert into empleados values (2, 20172, 'Alejandro', 'Ortega', 'Reyes', 'OERA990217E6Z', 'OERA990217HTCSZN26', '47161230699', '2017-11-22T00:00:00', 10200.00, 'N', 'A', '2017-11-22T00:00:00')
insert into llaves values (2, 20172, '2800', 252, 3, '2017-11-22T00:00:00')
insert into empleados values (2, 20173, 'Karla', 'Gutiérrez', 'Flores', 'GUFK620713UVT', 'GUFK620713MOCRCZ84', '97303446213', '2022-01-08T00:00:00', 51450.00, 'N', 'R', '2022-01-08T00:00:00')
insert into llaves values (2, 20173, '2100', 210, 4, '2022-01-08T00:00:00')
insert into empleados values (2, 20174, 'Carlos', 'Álvarez', 'González', 'AAGC690122HHY', 'AAGC690122HYNNGV84', '07071880815', '2011-03-04T00:00:00', 64640.00, 'N', 'A', '2011-03-04T00:00:00')
insert into llaves values (2, 20174, '2300', 214, 3, '2011-03-04T00:00:00')
insert into empleados values (2, 20175, 'Itzel', 'Velázquez', 'Martínez', 'VEMI840713FCW', 'VEMI840713MVZMBJ29', '74842221657', '2026-11-14T00:00:00', 49710.00, 'N', 'M', '2026-11-14T00:00:00')
insert into llaves values (2, 20175, '2100', 210, 3, '2026-11-14T00:00:00')
insert into empleados values (2, 20176, 'Alejandra', 'Bautista', 'Reyes', 'BARA691102DU8', 'BARA691102MCSVCG55', '39789024769', '2010-05-12T00:00:00', 16750.00, 'N', 'A', '2010-05-12T00:00:00')
insert into llaves values (2, 20176, '3000', 274, 4, '2010-05-12T00:00:00')
insert into empleados values (2, 20177, 'Luis', 'Ortiz', 'Canul', 'OICL670903BVY', 'OICL670903HVZCCJ07', '67805310198', '2013-09-20T00:00:00', 57330.00, 'N', 'A', '2013-09-20T00:00:00')
insert into llaves values (2, 20177, '2100', 210, 3, '2013-09-20T00:00:00')
insert into empleados values (2, 20178, 'Lucía', 'Guzmán', 'Ramírez', 'GURL790705N1E', 'GURL790705MTCTGH34', '70223732042', '2023-09-03T00:00:00', 36540.00, 'S', 'A', '2023-09-03T00:00:00')
insert into llaves values (2, 20178, '2100', 211, 3, '2023-09-03T00:00:00')
insert into empleados values (2, 20179, 'Andrea', 'Ramos', 'Ek', 'RAEA800923MTB', 'RAEA800923MDFKLR40', '46495726879', '2023-11-22T00:00:00', 18860.00, 'N', 'A', '2023-11-22T00:00:00')
insert into llaves values (2, 20179, '2300', 224, 1, '2023-11-22T00:00:00')
insert into empleados values (2, 20180, 'Martha', 'Rojas', 'Uc', 'ROUM821103Y4E', 'ROUM821103MQRTKL66', '10036435449', '2020-07-23T00:00:00', 10250.00, 'N', 'A', '2020-07-23T00:00:00')
insert into llaves values (2, 20180, '2900', 261, 3, '2020-07-23T00:00:00')
GO
insert into empleados values (2, 20181, 'Alejandra', 'Méndez', 'Cortés', 'MECA771218WZC', 'MECA771218MVZSGG02', '14467855093', '2012-11-26T00:00:00', 15400.00, 'N', 'B', '2024-09-04T00:00:00')
insert into llaves values (2, 20181, '2500', 231, 4, '2012-11-26T00:00:00')
insert into empleados values (2, 20182, 'Héctor', 'Vargas', 'Ortiz', 'VAOH951016AYC', 'VAOH951016HOCFRM63', '64960720618', '2010-06-06T00:00:00', 67790.00, 'N', 'M', '2010-06-06T00:00:00')
insert into llaves values (2, 20182, '2600', 233, 4, '2010-06-06T00:00:00')
insert into empleados values (2, 20183, 'Javier', 'Flores', 'Santiago', 'FOSJ850618T48', 'FOSJ850618HYNMSH75', '95270551631', '2018-02-21T00:00:00', 9260.00, 'N', 'R', '2018-02-21T00:00:00')
insert into llaves values (2, 20183, '2100', 225, 3, '2018-02-21T00:00:00')
insert into empleados values (2, 20184, 'Itzel', 'López', 'Contreras', 'LOCI620905Y2X', 'LOCI620905MGTSFL76', '25317961791', '2008-03-25T00:00:00', 18050.00, 'N', 'M', '2008-03-25T00:00:00')
insert into llaves values (2, 20184, '2100', 221, 4, '2008-03-25T00:00:00')
insert into empleados values (2, 20185, 'Roberto', 'Gutiérrez', 'Romero', 'GURR990927B09', 'GURR990927HDFKTR48', '95307325849', '2024-02-24T00:00:00', 19010.00, 'N', 'A', '2024-02-24T00:00:00')
insert into llaves values (2, 20185, '3100', 281, 1, '2024-02-24T00:00:00')
insert into empleados values (2, 20186, 'José', 'Cortés', 'Ramírez', 'CORJ691022G71', 'CORJ691022HTCSCP38', '83067755540', '2018-11-04T00:00:00', 65520.00, 'N', 'A', '2018-11-04T00:00:00')
insert into llaves values (2, 20186, '2300', 214, 4, '2018-11-04T00:00:00')
insert into empleados values (2, 20187, 'Norma', 'Gutiérrez', 'Cruz', 'GUCN8212047HB', 'GUCN821204MOCPCB45', '88648466643', '2010-05-21T00:00:00', 16690.00, 'N', 'A', '2010-05-21T00:00:00')
insert into llaves values (2, 20187, '3000', 274, 6, '2010-05-21T00:00:00')
insert into empleados values (2, 20188, 'Juana', 'Bautista', 'Romero', 'BARJ9501170BR', 'BARJ950117MMCTDG91', '60942355243', '2010-04-07T00:00:00', 12650.00, 'N', 'R', '2010-04-07T00:00:00')
insert into llaves values (2, 20188, '3000', 271, 2, '2010-04-07T00:00:00')
insert into empleados values (2, 20189, 'Óscar', 'Uc', 'Chan', 'UXCO691106PMH', 'UXCO691106HYNBKN82', '43424703767', '2022-08-21T00:00:00', 13380.00, 'N', 'A', '2022-08-21T00:00:00')
insert into llaves values (2, 20189, '3000', 272, 2, '2022-08-21T00:00:00')
insert into empleados values (2, 20190, 'Raúl', 'Guzmán', 'Díaz', 'GUDR7102111N8', 'GUDR710211HJCGMZ42', '57161829855', '2013-09-08T00:00:00', 12810.00, 'N', 'R', '2013-09-08T00:00:00')
insert into llaves values (2, 20190, '3000', 271, 4, '2013-09-08T00:00:00')
insert into empleados values (2, 20191, 'Araceli', 'Moreno', 'Torres', 'MOTA980422YPZ', 'MOTA980422MMCFFF85', '21370204857', '2018-04-15T00:00:00', 18480.00, 'N', 'A', '2018-04-15T00:00:00')
insert into llaves values (2, 20191, '2600', 232, 4, '2018-04-15T00:00:00')
insert into empleados values (2, 20192, 'Leticia', 'Rojas', 'Bautista', 'ROBL620310F21', 'ROBL620310MJCLVS52', '75553291209', '2011-08-14T00:00:00', 19110.00, 'N', 'A', '2011-08-14T00:00:00')
insert into llaves values (2, 20192, '2200', 221, 3, '2011-08-14T00:00:00')
insert into empleados values (2, 20193, 'Ximena', 'Ruiz', 'Méndez', 'RUMX890328BND', 'RUMX890328MTCVRF95', '76457334952', '2014-10-12T00:00:00', 16610.00, 'N', 'M', '2014-10-12T00:00:00')
insert into llaves values (2, 20193, '2600', 232, 3, '2014-10-12T00:00:00')
insert into empleados values (2, 20194, 'Daniela', 'Díaz', 'Flores', 'DIFD7905111H7', 'DIFD790511MOCSTK39', '23721195005', '2011-05-25T00:00:00', 12860.00, 'N', 'M', '2011-05-25T00:00:00')
insert into llaves values (2, 20194, '2100', 223, 4, '2011-05-25T00:00:00')
insert into empleados values (2, 20195, 'Raúl', 'Soto', 'Ek', 'SOER880222P9U', 'SOER880222HVZHLM43', '21403038462', '2010-07-07T00:00:00', 57550.00, 'N', 'A', '2010-07-07T00:00:00')
insert into llaves values (2, 20195, '2200', 212, 5, '2010-07-07T00:00:00')
insert into empleados values (2, 20196, 'Leticia', 'Rivera', 'Contreras', 'RICL911022CPA', 'RICL911022MGTRNR04', '36408088676', '2022-07-25T00:00:00', 10090.00, 'S', 'R', '2022-07-25T00:00:00')
insert into llaves values (2, 20196, '2700', 241, 5, '2022-07-25T00:00:00')
insert into empleados values (2, 20197, 'Francisco', 'Medina', 'Romero', 'MERF811218LDZ', 'MERF811218HDFGGK29', '78746872216', '2010-08-28T00:00:00', NULL, 'S', 'A', '2010-08-28T00:00:00')
insert into llaves values (2, 20197, '2800', 251, 1, '2010-08-28T00:00:00')
insert into empleados values (2, 20198, 'Carlos', 'Ramírez', 'Morales', 'RAMC690114P1N', 'RAMC690114HOCGJF17', '75232836512', '2025-08-17T00:00:00', 76520.00, 'N', 'A', '2025-08-17T00:00:00')
insert into llaves values (2, 20198, '2300', 214, 4, '2025-08-17T00:00:00')
insert into empleados values (2, 20199, 'Manuel', 'Jiménez', 'Sánchez', 'JISM710215MT1', 'JISM710215HDFFDT24', '51282667001', '2015-07-02T00:00:00', 51800.00, 'N', 'A', '2015-07-02T00:00:00')
insert into llaves values (2, 20199, '2400', 213, 4, '2015-07-02T00:00:00')
insert into empleados values (2, 20200, 'Adriana', 'Gutiérrez', 'Rivera', 'GURA700102PAR', 'GURA700102MVZVTR82', '45615531936', '2014-04-24T00:00:00', 13600.00, 'N', 'A', '2014-04-24T00:00:00')
insert into llaves values (2, 20200, '3000', 273, 4, '2014-04-24T00:00:00')
GO

-- Sample staffing plans, groups and places (keys looked up by name).
insert into staffing (empresa, nombre, tiposNomina) values (1, 'Plantilla base 2026', 'S,Q')
insert into staffing (empresa, nombre, tiposNomina) values (1, 'Temporada alta 2026', 'S,D,C,Q,M,E')
insert into staff_grupo (empresa, nombre) values (1, 'Operación')
insert into staff_grupo (empresa, nombre) values (1, 'Alimentos y Bebidas')
insert into staff_grupo (empresa, nombre) values (1, 'Administración')
insert into staffing (empresa, nombre, tiposNomina) values (2, 'Plantilla autorizada 2026', 'C,Q,M')
insert into staffing (empresa, nombre, tiposNomina) values (2, 'Contingencia invernal', 'S,D,C,Q,M,E')
insert into staff_grupo (empresa, nombre) values (2, 'Médico')
insert into staff_grupo (empresa, nombre) values (2, 'Enfermería')
insert into staff_grupo (empresa, nombre) values (2, 'Apoyo y Administración')
GO

insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1000', 101, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1000', 101, 3, 3, 4, 3, 3, 3, 3, 3, 2, 3, 3, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1000', 102, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1000', 102, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1100', 110, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1100', 110, 5, 5, 5, 4, 4, 3, 4, 4, 3, 3, 4, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1100', 111, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1100', 111, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1100', 112, 3, 3, 3, 5, 5, 5, 6, 6, 6, 7, 7, 7, 7, 8, 8, 8, 9, 9, 9, 9 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1100', 112, 10, 10, 11, 10, 8, 8, 10, 10, 7, 8, 9, 11 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1100', 113, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1100', 113, 3, 3, 4, 3, 3, 3, 3, 3, 2, 3, 3, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1150', 114, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1150', 114, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1200', 120, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1200', 120, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1200', 121, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1200', 121, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1200', 122, 6, 6, 6, 10, 10, 11, 11, 12, 13, 13, 14, 15, 15, 16, 16, 17, 18, 18, 19, 19 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1200', 122, 22, 22, 23, 21, 17, 16, 21, 21, 15, 16, 18, 23 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1200', 123, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1200', 123, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1250', 124, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1250', 124, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1250', 125, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1250', 125, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1300', 130, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1300', 130, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1300', 131, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1300', 131, 6, 6, 6, 6, 4, 4, 6, 6, 4, 4, 5, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1300', 132, 3, 3, 3, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 7 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1300', 132, 8, 8, 8, 8, 6, 6, 8, 8, 6, 6, 7, 8 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1300', 133, 2, 2, 2, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1300', 133, 7, 7, 7, 7, 5, 5, 7, 7, 5, 5, 6, 7 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1300', 134, 2, 2, 2, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1300', 134, 7, 7, 7, 7, 5, 5, 7, 7, 5, 5, 6, 7 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1320', 135, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1320', 135, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1320', 136, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1320', 136, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1320', 137, 3, 3, 3, 5, 5, 5, 6, 6, 6, 7, 7, 7, 7, 8, 8, 8, 9, 9, 9, 9 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1320', 137, 10, 10, 11, 10, 8, 8, 10, 10, 7, 8, 9, 11 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1320', 138, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1320', 138, 5, 5, 5, 4, 4, 3, 4, 4, 3, 3, 4, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1320', 140, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1320', 140, 3, 3, 4, 3, 3, 3, 3, 3, 2, 3, 3, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1330', 139, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1330', 139, 6, 6, 6, 6, 4, 4, 6, 6, 4, 4, 5, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1340', 132, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1340', 132, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1340', 133, 4, 4, 4, 6, 6, 6, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10, 10, 11, 11, 11 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1340', 133, 13, 13, 13, 12, 10, 9, 12, 12, 9, 9, 10, 13 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1340', 136, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1340', 136, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1340', 137, 2, 2, 2, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1340', 137, 7, 7, 7, 7, 5, 5, 7, 7, 5, 5, 6, 7 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1340', 138, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1340', 138, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1400', 150, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1400', 150, 5, 5, 5, 4, 4, 3, 4, 4, 3, 3, 4, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1400', 151, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1400', 151, 6, 6, 6, 6, 4, 4, 6, 6, 4, 4, 5, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1400', 152, 3, 3, 3, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 7 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1400', 152, 8, 8, 8, 8, 6, 6, 8, 8, 6, 6, 7, 8 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1400', 153, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1400', 153, 5, 5, 5, 4, 4, 3, 4, 4, 3, 3, 4, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1500', 160, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1500', 160, 3, 3, 4, 3, 3, 3, 3, 3, 2, 3, 3, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1500', 161, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1500', 161, 6, 6, 6, 6, 4, 4, 6, 6, 4, 4, 5, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1600', 170, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1600', 170, 3, 3, 4, 3, 3, 3, 3, 3, 2, 3, 3, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1600', 171, 3, 3, 3, 4, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 8, 8, 8, 8 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1600', 171, 9, 9, 10, 9, 7, 7, 9, 9, 6, 7, 8, 10 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1700', 180, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1700', 180, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1700', 181, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1700', 181, 3, 3, 4, 3, 3, 3, 3, 3, 2, 3, 3, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1700', 182, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1700', 182, 3, 3, 4, 3, 3, 3, 3, 3, 2, 3, 3, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1800', 190, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1800', 190, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1800', 191, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1800', 191, 5, 5, 5, 4, 4, 3, 4, 4, 3, 3, 4, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Plantilla base 2026' and g.empresa = 1 and g.nombre = 'Administración'
GO
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1000', 101, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1000', 102, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1100', 110, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1100', 111, 3, 3, 3, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 7 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1100', 112, 3, 3, 3, 5, 5, 5, 6, 6, 6, 7, 7, 7, 7, 8, 8, 8, 9, 9, 9, 9 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1100', 113, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1150', 114, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1200', 120, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1200', 121, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1200', 122, 6, 6, 6, 10, 11, 11, 12, 13, 13, 14, 15, 15, 16, 17, 17, 18, 19, 19, 20, 20 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1200', 123, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1250', 124, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1250', 125, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1300', 130, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1300', 131, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1300', 132, 3, 3, 3, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 7 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1300', 133, 3, 3, 3, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10, 10, 10 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1300', 134, 3, 3, 3, 4, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 8, 8, 8, 8 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1320', 135, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1320', 136, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1320', 137, 3, 3, 3, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10, 10, 10 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1320', 138, 2, 2, 2, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1320', 140, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1330', 139, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1340', 132, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1340', 133, 4, 4, 4, 6, 6, 6, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10, 10, 11, 11, 11 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1340', 136, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1340', 137, 2, 2, 2, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1340', 138, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1400', 150, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1400', 151, 2, 2, 2, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1400', 152, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1400', 153, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1500', 160, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1500', 161, 3, 3, 3, 4, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 8, 8, 8, 8 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1600', 170, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1600', 171, 3, 3, 3, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 7 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1700', 180, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1700', 181, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1700', 182, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1800', 190, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_porcentaje select 1, s.idStaffing, g.idgrupo, '1800', 191, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
GO
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2000', 201, 2, 2, 2, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2000', 201, 7, 7, 6, 6, 6, 6, 5, 5, 6, 6, 7, 7 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2000', 202, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2000', 202, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2100', 210, 3, 3, 3, 4, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 8, 8, 8, 8 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2100', 210, 10, 9, 8, 8, 8, 8, 7, 7, 8, 8, 9, 10 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2100', 211, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2100', 211, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2100', 221, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2100', 221, 5, 5, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2100', 223, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2100', 223, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2100', 225, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2100', 225, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2200', 211, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2200', 211, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2200', 212, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2200', 212, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2200', 220, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2200', 220, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2200', 221, 3, 3, 3, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 7 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2200', 221, 8, 8, 7, 7, 7, 7, 6, 6, 7, 7, 8, 8 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2200', 223, 3, 3, 3, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 7 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2200', 223, 8, 8, 7, 7, 7, 7, 6, 6, 7, 7, 8, 8 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2200', 225, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2200', 225, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2300', 214, 3, 3, 3, 5, 5, 5, 6, 6, 6, 7, 7, 7, 7, 8, 8, 8, 9, 9, 9, 9 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2300', 214, 11, 10, 9, 9, 9, 9, 8, 8, 9, 9, 10, 11 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2300', 215, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2300', 215, 6, 6, 5, 5, 5, 5, 4, 4, 5, 5, 6, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2300', 222, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2300', 222, 6, 6, 5, 5, 5, 5, 4, 4, 5, 5, 6, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2300', 224, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2300', 224, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2350', 212, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2350', 212, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2350', 216, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2350', 216, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2350', 222, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2350', 222, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2400', 213, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2400', 213, 6, 6, 5, 5, 5, 5, 4, 4, 5, 5, 6, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2400', 221, 3, 3, 3, 4, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 8, 8, 8, 8 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2400', 221, 10, 9, 8, 8, 8, 8, 7, 7, 8, 8, 9, 10 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2400', 223, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2400', 223, 6, 6, 5, 5, 5, 5, 4, 4, 5, 5, 6, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2500', 230, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2500', 230, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2500', 231, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2500', 231, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2600', 232, 3, 3, 3, 5, 5, 5, 6, 6, 6, 7, 7, 7, 7, 8, 8, 8, 9, 9, 9, 9 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2600', 232, 11, 10, 9, 9, 9, 9, 8, 8, 9, 9, 10, 11 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2600', 233, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2600', 233, 5, 5, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2700', 240, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2700', 240, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2700', 241, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2700', 241, 5, 5, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2800', 250, 2, 2, 2, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2800', 250, 7, 7, 6, 6, 6, 6, 5, 5, 6, 6, 7, 7 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2800', 251, 2, 2, 2, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2800', 251, 7, 7, 6, 6, 6, 6, 5, 5, 6, 6, 7, 7 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2800', 252, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2800', 252, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2900', 260, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2900', 260, 5, 5, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2900', 261, 5, 5, 5, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 14, 14, 15, 15, 16, 16 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2900', 261, 19, 18, 16, 15, 15, 15, 14, 14, 16, 16, 18, 19 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3000', 270, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3000', 270, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3000', 271, 3, 3, 3, 4, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 8, 8, 8, 8 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3000', 271, 10, 9, 8, 8, 8, 8, 7, 7, 8, 8, 9, 10 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3000', 272, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3000', 272, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3000', 273, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3000', 273, 5, 5, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3000', 274, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3000', 274, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3000', 275, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3000', 275, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3100', 280, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3100', 280, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3100', 281, 2, 2, 2, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3100', 281, 7, 7, 6, 6, 6, 6, 5, 5, 6, 6, 7, 7 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3100', 282, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3100', 282, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Plantilla autorizada 2026' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
GO
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2000', 201, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2000', 202, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2100', 210, 3, 3, 3, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10, 10, 10 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2100', 211, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2100', 221, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2100', 223, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2100', 225, 3, 3, 3, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 7 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2200', 211, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2200', 212, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2200', 220, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2200', 221, 2, 2, 2, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2200', 223, 3, 3, 3, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 7 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2200', 225, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2300', 214, 3, 3, 3, 5, 5, 5, 6, 6, 6, 7, 7, 7, 7, 8, 8, 8, 9, 9, 9, 9 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2300', 215, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2300', 222, 2, 2, 2, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2300', 224, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2350', 212, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2350', 216, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2350', 222, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2400', 213, 3, 3, 3, 4, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 8, 8, 8, 8 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2400', 221, 3, 3, 3, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 7 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2400', 223, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2500', 230, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2500', 231, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2600', 232, 3, 3, 3, 5, 5, 5, 6, 6, 6, 7, 7, 7, 7, 8, 8, 8, 9, 9, 9, 9 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2600', 233, 3, 3, 3, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 7 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2700', 240, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2700', 241, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2800', 250, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2800', 251, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2800', 252, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2900', 260, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '2900', 261, 6, 6, 6, 9, 10, 10, 11, 11, 12, 13, 13, 14, 14, 15, 16, 16, 17, 17, 18, 18 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3000', 270, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3000', 271, 3, 3, 3, 4, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 8, 8, 8, 8 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3000', 272, 2, 2, 2, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3000', 273, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3000', 274, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3000', 275, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3100', 280, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3100', 281, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_porcentaje select 2, s.idStaffing, g.idgrupo, '3100', 282, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
GO

-- ---- Catalogues: further groups and plans (no places planned under them yet) ----
insert into staffing (empresa, nombre, tiposNomina) values (1, 'Propuesta 2027 - Ampliación Torre Sur', 'S,Q,M')
insert into staffing (empresa, nombre, tiposNomina) values (1, 'Eventos y Banquetes', 'S,M')
insert into staff_grupo (empresa, nombre) values (1, 'Cocina d''Autor')
insert into staff_grupo (empresa, nombre) values (1, 'Ama de Llaves')
insert into staff_grupo (empresa, nombre) values (1, 'Mantenimiento')
insert into staff_grupo (empresa, nombre) values (1, 'Spa y Recreación')
insert into staffing (empresa, nombre, tiposNomina) values (2, 'Plantilla 2027 - Urgencias', 'Q,M')
insert into staffing (empresa, nombre, tiposNomina) values (2, 'Guardias de fin de semana', 'C,Q')
insert into staff_grupo (empresa, nombre) values (2, 'Terapia Intensiva')
insert into staff_grupo (empresa, nombre) values (2, 'Laboratorio e Imagen')
insert into staff_grupo (empresa, nombre) values (2, 'Farmacia')
GO

-- Month entries of the second plans (positions by month): the season of each
-- company, one place more in its busiest months.
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1000', 101, 6, 6, 6, 4, 4, 3, 4, 4, 3, 3, 4, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1000', 102, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1100', 110, 6, 6, 6, 4, 4, 3, 4, 4, 3, 3, 4, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1100', 111, 9, 9, 9, 8, 6, 6, 8, 8, 6, 6, 7, 9 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1100', 112, 11, 11, 12, 10, 8, 8, 10, 10, 7, 8, 9, 12 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1100', 113, 4, 4, 5, 3, 3, 3, 3, 3, 2, 3, 3, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1150', 114, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1200', 120, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1200', 121, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1200', 122, 24, 24, 25, 22, 18, 17, 22, 22, 16, 17, 19, 25 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1200', 123, 4, 4, 5, 3, 3, 3, 3, 3, 2, 3, 3, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1250', 124, 4, 4, 5, 3, 3, 3, 3, 3, 2, 3, 3, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1250', 125, 6, 6, 6, 4, 4, 3, 4, 4, 3, 3, 4, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1300', 130, 6, 6, 6, 4, 4, 3, 4, 4, 3, 3, 4, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1300', 131, 6, 6, 6, 4, 4, 3, 4, 4, 3, 3, 4, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1300', 132, 9, 9, 9, 8, 6, 6, 8, 8, 6, 6, 7, 9 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1300', 133, 13, 13, 13, 11, 9, 8, 11, 11, 8, 8, 10, 13 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1300', 134, 10, 10, 11, 9, 7, 7, 9, 9, 6, 7, 8, 11 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1320', 135, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1320', 136, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1320', 137, 13, 13, 13, 11, 9, 8, 11, 11, 8, 8, 10, 13 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1320', 138, 8, 8, 8, 7, 5, 5, 7, 7, 5, 5, 6, 8 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1320', 140, 6, 6, 6, 4, 4, 3, 4, 4, 3, 3, 4, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1330', 139, 6, 6, 6, 4, 4, 3, 4, 4, 3, 3, 4, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1340', 132, 4, 4, 5, 3, 3, 3, 3, 3, 2, 3, 3, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1340', 133, 14, 14, 14, 12, 10, 9, 12, 12, 9, 9, 10, 14 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1340', 136, 4, 4, 5, 3, 3, 3, 3, 3, 2, 3, 3, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1340', 137, 8, 8, 8, 7, 5, 5, 7, 7, 5, 5, 6, 8 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1340', 138, 4, 4, 5, 3, 3, 3, 3, 3, 2, 3, 3, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Alimentos y Bebidas'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1400', 150, 6, 6, 6, 4, 4, 3, 4, 4, 3, 3, 4, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1400', 151, 8, 8, 8, 7, 5, 5, 7, 7, 5, 5, 6, 8 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1400', 152, 7, 7, 7, 6, 4, 4, 6, 6, 4, 4, 5, 7 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1400', 153, 4, 4, 5, 3, 3, 3, 3, 3, 2, 3, 3, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1500', 160, 4, 4, 5, 3, 3, 3, 3, 3, 2, 3, 3, 5 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1500', 161, 10, 10, 11, 9, 7, 7, 9, 9, 6, 7, 8, 11 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Operación'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1600', 170, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 2 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1600', 171, 9, 9, 9, 8, 6, 6, 8, 8, 6, 6, 7, 9 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1700', 180, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1700', 181, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 3 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1700', 182, 7, 7, 7, 6, 4, 4, 6, 6, 4, 4, 5, 7 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1800', 190, 7, 7, 7, 6, 4, 4, 6, 6, 4, 4, 5, 7 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 1, s.idStaffing, g.idgrupo, '1800', 191, 6, 6, 6, 4, 4, 3, 4, 4, 3, 3, 4, 6 from staffing s, staff_grupo g where s.empresa = 1 and s.nombre = 'Temporada alta 2026' and g.empresa = 1 and g.nombre = 'Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2000', 201, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2000', 202, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2100', 210, 13, 13, 10, 10, 10, 10, 9, 9, 10, 10, 11, 13 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2100', 211, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2100', 221, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2100', 223, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2100', 225, 9, 9, 7, 7, 7, 7, 6, 6, 7, 7, 8, 9 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2200', 211, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2200', 212, 7, 7, 5, 5, 5, 5, 4, 4, 5, 5, 6, 7 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2200', 220, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2200', 221, 8, 8, 6, 6, 6, 6, 5, 5, 6, 6, 7, 8 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2200', 223, 9, 9, 7, 7, 7, 7, 6, 6, 7, 7, 8, 9 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2200', 225, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2300', 214, 12, 11, 9, 9, 9, 9, 8, 8, 9, 9, 10, 12 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2300', 215, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2300', 222, 8, 8, 6, 6, 6, 6, 5, 5, 6, 6, 7, 8 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2300', 224, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2350', 212, 5, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2350', 216, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2350', 222, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2400', 213, 11, 10, 8, 8, 8, 8, 7, 7, 8, 8, 9, 11 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Médico'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2400', 221, 9, 9, 7, 7, 7, 7, 6, 6, 7, 7, 8, 9 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2400', 223, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Enfermería'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2500', 230, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2500', 231, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2600', 232, 12, 11, 9, 9, 9, 9, 8, 8, 9, 9, 10, 12 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2600', 233, 9, 9, 7, 7, 7, 7, 6, 6, 7, 7, 8, 9 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2700', 240, 5, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2700', 241, 7, 7, 5, 5, 5, 5, 4, 4, 5, 5, 6, 7 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2800', 250, 7, 7, 5, 5, 5, 5, 4, 4, 5, 5, 6, 7 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2800', 251, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2800', 252, 5, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2900', 260, 7, 7, 5, 5, 5, 5, 4, 4, 5, 5, 6, 7 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '2900', 261, 23, 22, 18, 17, 17, 17, 16, 16, 18, 18, 20, 23 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3000', 270, 5, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 5 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3000', 271, 11, 10, 8, 8, 8, 8, 7, 7, 8, 8, 9, 11 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3000', 272, 8, 8, 6, 6, 6, 6, 5, 5, 6, 6, 7, 8 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3000', 273, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3000', 274, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3000', 275, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3100', 280, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3100', 281, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
insert into staff_mes select 2, s.idStaffing, g.idgrupo, '3100', 282, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6 from staffing s, staff_grupo g where s.empresa = 2 and s.nombre = 'Contingencia invernal' and g.empresa = 2 and g.nombre = 'Apoyo y Administración'
GO

