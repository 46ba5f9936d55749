#!/usr/bin/env python3
"""Writes sql/demo.sql: the sample payroll, security and planning data of the demo database.

    python3 sql/gen_demo.py            # rewrites sql/demo.sql next to this file
    python3 sql/gen_demo.py -o out.sql

The output is the same on every run (fixed random seed), so the committed demo.sql only
changes when this generator does.
"""

import argparse
import math
import os
import random

SEED = 2026

# Demo accounts: user name -> (description, clear password). The passwords meet the demo
# policy below (6 characters or more, at least one digit).
USERS = {
    "Administrador": ("Administrador del sistema", "admin123"),
    "consulta": ("Consulta de reportes de staffing", "consulta1"),
}

# Password policy: validity days, minimum length, rotation depth, digits, warning days.
POLICY = (90, 6, "3", 1, 10)


def scramble(clear):
    """The stored form of a password: byte n (from 1) shifted by 10 - (n mod 3), mod 256,
    on the Windows-1252 bytes of the text."""
    data = clear.encode("cp1252")
    out = bytes((b + 10 - (n % 3)) % 256 for n, b in enumerate(data, start=1))
    return out.decode("cp1252")


def unscramble(stored):
    data = stored.encode("cp1252")
    return bytes((b - 10 + (n % 3)) % 256 for n, b in enumerate(data, start=1)).decode("cp1252")


def q(text):
    """A SQL text literal."""
    if text is None:
        return "NULL"
    return "'" + str(text).replace("'", "''") + "'"


def money(value):
    return "NULL" if value is None else f"{value:.2f}"


# ---- Companies ---------------------------------------------------------------------------

COMPANIES = [
    {
        "empresa": 1,
        "nombre": "Hotel Real del Mar, S.A. de C.V.",
        "referencia": "Hotel Real del Mar",
        "registro": "E6512345109",
        "rfc": "HRM980312AB4",
        "domicilio": "Blvd. Kukulcán km 12.5, Zona Hotelera",
        "ciudad": "Cancún",
        "estado": "Quintana Roo",
        "cp": "77500",
        "employees": 190,
        # payroll types 1..6 and their weights
        "tiponom": [(1, 55), (2, 6), (3, 8), (4, 25), (5, 5), (6, 3)],
        "centros": [
            ("1000", "Dirección General"),
            ("1100", "Recepción"),
            ("1150", "Reservaciones"),
            ("1200", "Ama de Llaves"),
            ("1250", "Lavandería"),
            ("1300", "Cocina"),
            ("1320", "Restaurante"),
            ("1330", "Bar"),
            ("1340", "Banquetes"),
            ("1400", "Mantenimiento"),
            ("1500", "Seguridad"),
            ("1600", "Recursos Humanos"),
            ("1700", "Contraloría"),
            ("1800", "Ventas"),
        ],
        # ocupacion, actividad, garantia (monthly), cost centres, weight
        "tabulador": [
            (101, "Gerente General", 85000, ["1000"], 1),
            (102, "Asistente de Dirección", 22000, ["1000"], 1),
            (110, "Gerente de Recepción", 32000, ["1100"], 1),
            (111, "Recepcionista", 11800, ["1100"], 6),
            (112, "Botones", 8200, ["1100"], 5),
            (113, "Concierge", 13500, ["1100"], 2),
            (114, "Agente de Reservaciones", 11500, ["1150"], 3),
            (120, "Ama de Llaves Ejecutiva", 28000, ["1200"], 1),
            (121, "Supervisora de Pisos", 13800, ["1200"], 3),
            (122, "Camarista", 8600, ["1200"], 14),
            (123, "Valet de Pisos", 8400, ["1200"], 4),
            (124, "Lavandero", 8300, ["1250"], 4),
            (125, "Costurera", 8500, ["1250"], 1),
            (130, "Chef Ejecutivo", 45000, ["1300"], 1),
            (131, "Sous Chef", 26000, ["1300"], 1),
            (132, "Cocinero A", 13200, ["1300", "1340"], 5),
            (133, "Ayudante de Cocina", 8700, ["1300", "1340"], 6),
            (134, "Steward", 8100, ["1300"], 4),
            (135, "Gerente de Alimentos y Bebidas", 38000, ["1320"], 1),
            (136, "Capitán de Meseros", 12500, ["1320", "1340"], 2),
            (137, "Mesero", 8400, ["1320", "1340"], 10),
            (138, "Garrotero", 7900, ["1320", "1340"], 5),
            (139, "Bartender", 10200, ["1330"], 3),
            (140, "Hostess", 9000, ["1320"], 2),
            (150, "Jefe de Mantenimiento", 27000, ["1400"], 1),
            (151, "Técnico de Mantenimiento", 12400, ["1400"], 5),
            (152, "Jardinero", 8300, ["1400"], 3),
            (153, "Salvavidas", 9100, ["1400"], 2),
            (160, "Jefe de Seguridad", 21000, ["1500"], 1),
            (161, "Guardia de Seguridad", 9800, ["1500"], 6),
            (170, "Gerente de Recursos Humanos", 36000, ["1600"], 1),
            (171, "Auxiliar de Nóminas", 12800, ["1600"], 2),
            (180, "Contralor", 42000, ["1700"], 1),
            (181, "Auditor Nocturno", 12900, ["1700"], 2),
            (182, "Cajero General", 11600, ["1700"], 2),
            (190, "Gerente de Ventas", 40000, ["1800"], 1),
            (191, "Ejecutivo de Ventas", 16500, ["1800"], 2),
        ],
        "capa_lugar": [(1, "Sala de capacitación Caribe"), (2, "Salón Cozumel")],
    },
    {
        "empresa": 2,
        "nombre": "Hospital San Rafael de Guadalajara, S.C.",
        "referencia": None,
        "registro": "C1423456107",
        "rfc": "HSR010715K29",
        "domicilio": "Av. Américas 1450, Col. Providencia",
        "ciudad": "Guadalajara",
        "estado": "Jalisco",
        "cp": "44630",
        "employees": 200,
        "tiponom": [(1, 10), (2, 5), (3, 30), (4, 40), (5, 12), (6, 3)],
        "centros": [
            ("2000", "Dirección Médica"),
            ("2100", "Urgencias"),
            ("2200", "Hospitalización"),
            ("2300", "Quirófanos"),
            ("2350", "Terapia Intensiva"),
            ("2400", "Pediatría"),
            ("2500", "Laboratorio Clínico"),
            ("2600", "Imagenología"),
            ("2700", "Farmacia"),
            ("2800", "Nutrición y Dietas"),
            ("2900", "Intendencia"),
            ("3000", "Administración"),
            ("3100", "Mantenimiento"),
        ],
        "tabulador": [
            (201, "Director Médico", 95000, ["2000"], 1),
            (202, "Subdirector Médico", 72000, ["2000"], 1),
            (210, "Médico Urgenciólogo", 48000, ["2100"], 4),
            (211, "Médico General", 32000, ["2100", "2200"], 5),
            (212, "Médico Internista", 52000, ["2200", "2350"], 3),
            (213, "Pediatra", 50000, ["2400"], 3),
            (214, "Cirujano General", 62000, ["2300"], 2),
            (215, "Anestesiólogo", 65000, ["2300"], 2),
            (216, "Intensivista", 68000, ["2350"], 2),
            (220, "Jefa de Enfermería", 34000, ["2200"], 1),
            (221, "Enfermera General", 16500, ["2100", "2200", "2400"], 16),
            (222, "Enfermera Especialista", 21000, ["2300", "2350"], 8),
            (223, "Auxiliar de Enfermería", 11200, ["2100", "2200", "2400"], 10),
            (224, "Instrumentista", 17500, ["2300"], 3),
            (225, "Camillero", 9200, ["2100", "2200"], 5),
            (230, "Químico Clínico", 22000, ["2500"], 3),
            (231, "Técnico Laboratorista", 13500, ["2500"], 4),
            (232, "Técnico Radiólogo", 15800, ["2600"], 3),
            (233, "Médico Radiólogo", 58000, ["2600"], 1),
            (240, "Químico Farmacéutico", 21500, ["2700"], 1),
            (241, "Auxiliar de Farmacia", 9800, ["2700"], 3),
            (250, "Nutrióloga", 17000, ["2800"], 2),
            (251, "Cocinero de Dietas", 10400, ["2800"], 3),
            (252, "Ayudante de Cocina", 8600, ["2800"], 3),
            (260, "Supervisor de Intendencia", 12000, ["2900"], 1),
            (261, "Afanador", 8200, ["2900"], 9),
            (270, "Administrador General", 55000, ["3000"], 1),
            (271, "Recepcionista de Admisión", 10800, ["3000"], 3),
            (272, "Cajero", 11000, ["3000"], 2),
            (273, "Auxiliar Administrativo", 11500, ["3000"], 3),
            (274, "Trabajadora Social", 14500, ["3000"], 2),
            (275, "Auxiliar de Nóminas", 12800, ["3000"], 1),
            (280, "Jefe de Mantenimiento", 26000, ["3100"], 1),
            (281, "Técnico Biomédico", 18500, ["3100"], 2),
            (282, "Electricista", 12600, ["3100"], 2),
        ],
        "capa_lugar": [(1, "Auditorio San Rafael"), (2, "Aula de Enseñanza Médica")],
    },
]

FIRST_NAMES = (
    "José Juan Luis Carlos Jorge Miguel Francisco Alejandro Roberto Fernando Ricardo Eduardo "
    "Antonio Manuel Javier Sergio Raúl Héctor Arturo Daniel Óscar Víctor Alberto Enrique Pedro "
    "María Guadalupe Juana Margarita Verónica Leticia Rosa Patricia Elizabeth Gabriela Adriana "
    "Alejandra Claudia Silvia Araceli Martha Norma Laura Yolanda Sofía Fernanda Mariana Ximena "
    "Daniela Andrea Itzel Citlali Brenda Karla Lucía Beatriz"
).split()
SURNAMES = (
    "Hernández García Martínez López González Pérez Rodríguez Sánchez Ramírez Cruz Flores "
    "Gómez Morales Vázquez Reyes Jiménez Torres Díaz Gutiérrez Ruiz Mendoza Aguilar Ortiz "
    "Moreno Castillo Romero Álvarez Méndez Chávez Rivera Juárez Ramos Domínguez Herrera Medina "
    "Castro Vargas Guzmán Velázquez Rojas Contreras Salazar Luna Ortega Santiago Estrada "
    "Bautista Cortés Soto Peña Canul Pech Chan Uc May Dzul Ek"
).split()
STATES = "QR JC DF YN VZ TC CS OC MC GT".split()


def ascii_upper(text):
    table = str.maketrans("ÁÉÍÓÚÜÑ", "AEIOUUX")
    return text.upper().translate(table)


def make_rfc(rng, nombre, paterno, materno, birth):
    p, m, n = ascii_upper(paterno), ascii_upper(materno), ascii_upper(nombre)
    vowel = next((c for c in p[1:] if c in "AEIOU"), "X")
    head = p[0] + vowel + m[0] + n[0]
    homo = "".join(rng.choice("ABCDEFGHJKLMNPRSTUVWXYZ0123456789") for _ in range(3))
    return head + birth.strftime("%y%m%d") + homo


def make_curp(rng, rfc10, female):
    state = rng.choice(STATES)
    cons = "".join(rng.choice("BCDFGHJKLMNPRSTVZ") for _ in range(3))
    return rfc10 + ("M" if female else "H") + state + cons + str(rng.randint(0, 9)) + str(
        rng.randint(0, 9))


def weighted(rng, pairs):
    total = sum(w for _, w in pairs)
    pick = rng.uniform(0, total)
    for value, w in pairs:
        pick -= w
        if pick <= 0:
            return value
    return pairs[-1][0]


def employees_for(rng, company):
    """(empleado row, llave row) tuples for one company."""
    import datetime

    jobs = company["tabulador"]
    # Everybody gets a job drawn by weight; the first pass gives every job one holder.
    picks = [job for job in jobs]
    while len(picks) < company["employees"]:
        picks.append(weighted(rng, [(job, job[4]) for job in jobs]))
    rng.shuffle(picks)

    rows = []
    base = company["empresa"] * 10000
    for i, job in enumerate(picks, start=1):
        ocupacion, _, garantia, centros, _ = job
        female = rng.random() < 0.5
        nombre = rng.choice(FIRST_NAMES[25:] if female else FIRST_NAMES[:25])
        paterno, materno = rng.choice(SURNAMES), rng.choice(SURNAMES)
        birth = datetime.date(rng.randint(1962, 2005), rng.randint(1, 12), rng.randint(1, 28))
        ingreso = datetime.date(rng.randint(2008, 2026), rng.randint(1, 12), rng.randint(1, 28))
        if ingreso > datetime.date(2026, 11, 30):
            ingreso = datetime.date(2026, 11, 30)
        rfc = make_rfc(rng, nombre, paterno, materno, birth)
        curp = make_curp(rng, rfc[:10], female)
        imss = "".join(str(rng.randint(0, 9)) for _ in range(11))
        sueldo = round(garantia * rng.uniform(1.0, 1.25) / 10) * 10.0
        if rng.random() < 0.02:
            sueldo = None  # salary not captured yet
        roll = rng.random()
        borrado, ultmov, fecha_ultmov = "N", rng.choice("AAAMMR"), ingreso
        if roll < 0.05:
            borrado = "S"
        elif roll < 0.13:
            ultmov = "B"
            fecha_ultmov = datetime.date(rng.randint(max(ingreso.year, 2020), 2026),
                                         rng.randint(1, 11), rng.randint(1, 28))
            if fecha_ultmov < ingreso:
                fecha_ultmov = ingreso
        centro = rng.choice(centros)
        tiponom = weighted(rng, company["tiponom"])
        if garantia >= 30000 and tiponom in (1, 2):
            tiponom = 4  # managers are paid fortnightly or monthly
        codigo = base + i
        rows.append({
            "codigo": codigo, "nombre": nombre, "paterno": paterno, "materno": materno,
            "rfc": rfc, "curp": curp, "imss": imss, "ingreso": ingreso, "sueldo": sueldo,
            "borrado": borrado, "ultmov": ultmov, "fecha_ultmov": fecha_ultmov,
            "centro": centro, "ocupacion": ocupacion, "tiponom": tiponom,
        })
    # Every payroll type is present in every company.
    for t in range(1, 7):
        if not any(r["tiponom"] == t for r in rows):
            rows[t * 7]["tiponom"] = t
    return rows


def iso(d):
    return f"'{d.isoformat()}T00:00:00'"


# ---- Planning samples --------------------------------------------------------------------

PERCENTS = list(range(5, 101, 5))
MONTHS = ["enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto",
          "septiembre", "octubre", "noviembre", "diciembre"]

PLANS = {
    1: [("Plantilla base 2026", "S,Q"), ("Temporada alta 2026", "S,D,C,Q,M,E")],
    2: [("Plantilla autorizada 2026", "C,Q,M"), ("Contingencia invernal", "S,D,C,Q,M,E")],
}
GROUPS = {
    1: ["Operación", "Alimentos y Bebidas", "Administración"],
    2: ["Médico", "Enfermería", "Apoyo y Administración"],
}
# Catalogue entries beyond the sample plans.
CATALOGUE_PLANS = {
    1: [("Propuesta 2027 - Ampliación Torre Sur", "S,Q,M"), ("Eventos y Banquetes", "S,M")],
    2: [("Plantilla 2027 - Urgencias", "Q,M"), ("Guardias de fin de semana", "C,Q")],
}
CATALOGUE_GROUPS = {
    1: ["Cocina d'Autor", "Ama de Llaves", "Mantenimiento", "Spa y Recreación"],
    2: ["Terapia Intensiva", "Laboratorio e Imagen", "Farmacia"],
}
# Season of a hotel in the Caribbean, and winter load of a hospital, by month (1.0 = base).
SEASON = {
    1: [1.15, 1.15, 1.2, 1.1, 0.9, 0.85, 1.1, 1.1, 0.8, 0.85, 0.95, 1.2],
    2: [1.2, 1.15, 1.0, 0.95, 0.95, 0.95, 0.9, 0.9, 1.0, 1.0, 1.1, 1.2],
}


def group_of(company, ocupacion):
    code = ocupacion % 100
    if company == 1:
        if 30 <= code < 50:
            return "Alimentos y Bebidas"
        if code < 10 or code >= 70:
            return "Administración"
        return "Operación"
    if code < 20:
        return "Médico"
    if code < 30:
        return "Enfermería"
    return "Apoyo y Administración"


# ---- Writing -----------------------------------------------------------------------------

def generate():
    rng = random.Random(SEED)
    out = []
    w = out.append

    w("-- OXTAStaffing demo data: two companies (a hotel and a hospital) with their cost")
    w("-- centres, tabulator, employees and assignments; the password policy; two users;")
    w("-- sample staffing plans. Written by sql/gen_demo.py: edit the generator, not this file.")
    w("--")
    w("-- Users (passwords stored scrambled, as the program stores them):")
    for user, (desc, pwd) in USERS.items():
        w(f"--   {user:<14} password {pwd:<10} {desc}")
    w("-- Administrador holds a profile of the payroll application 'NO' that shows every")
    w("-- company; the program registers its own application 'ST' and the profile")
    w("-- 'Administrador de Staffing' the first time the company chooser opens. consulta holds")
    w("-- the profile 'Consulta de Staffing' of application 'ST' (company 1 only) granting")
    w("-- option D1 (reports), which takes effect once the program has registered 'ST'.")
    w("--")
    w("-- Needs sql/schema.sql first. Running it again puts the demo rows back to this state")
    w("-- (plans, groups and positions of companies 1 and 2 included).")
    w("")

    demo_profiles = "'Administrador de Nómina', 'Consulta de Staffing'"
    users = ", ".join(q(u) for u in USERS)
    w("-- Clear what an earlier run left.")
    w(f"delete from perfil_funcion where idperfil in (select idperfil from perfiles where descripcion in ({demo_profiles}))")
    w(f"delete from perfil_usuarios where idperfil in (select idperfil from perfiles where descripcion in ({demo_profiles}))")
    w(f"delete from perfiles where descripcion in ({demo_profiles})")
    w("delete from opciones where sistema = 'NO'")
    w("delete from funciones where sistema = 'NO'")
    w("delete from sistema where sistema = 'NO'")
    w(f"delete from hpwd where usuario in ({users})")
    w(f"delete from usuarios where usuario in ({users})")
    w("delete from ctrl_usuarios")
    for table in ["staff_porcentaje", "staff_mes", "staff_grupo", "staffing", "llaves",
                  "empleados", "tabulador", "centros", "capa_lugar", "empresas"]:
        w(f"delete from {table} where empresa in (1, 2)")
    w("GO")
    w("")

    # Security
    w("-- Password policy: valid 90 days, at least 6 characters, the last 3 passwords may not")
    w("-- be reused, at least 1 digit, warning 10 days before expiry.")
    w("insert into ctrl_usuarios (dias_Vigencia, longitud_password, rotacion_password, "
      "requiere_numeros, dias_aviso) values ({}, {}, {}, {}, {})".format(
          POLICY[0], POLICY[1], q(POLICY[2]), POLICY[3], POLICY[4]))
    for user, (desc, pwd) in USERS.items():
        stored = scramble(pwd)
        assert unscramble(stored) == pwd
        assert all(32 <= ord(c) < 127 for c in stored), (user, stored)
        w(f"insert into usuarios values ({q(user)}, {q(desc)}, {q(stored)}, getdate() + 365)")
        w(f"insert into hpwd values ({q(user)}, getdate(), {q(stored)})")
    w("")
    w("-- The payroll application, whose administrator profile lets Administrador see every")
    w("-- company before OXTAStaffing has registered itself.")
    w("insert into sistema (sistema, Nombre) values ('NO', 'NOMINA')")
    for letter, desc in [("A", "Catálogos"), ("B", "Movimientos de personal"),
                         ("C", "Cálculo de nómina")]:
        w(f"insert into funciones values ('NO', '{letter}', {q(desc)})")
    for opt, letter, desc in [("A1", "A", "Empresas y centros de costos"),
                              ("A2", "A", "Tabulador de puestos"),
                              ("B1", "B", "Altas, bajas y reingresos"),
                              ("B2", "B", "Modificación de salario"),
                              ("C1", "C", "Calcular nómina"),
                              ("C2", "C", "Cerrar periodo")]:
        w(f"insert into opciones values ('{opt}', 'NO', '{letter}', {q(desc)})")
    w("insert into perfiles (descripcion, sistema, empresas, centros, bloqueado, solo_lectura) "
      "values ('Administrador de Nómina', 'NO', '{}', '{}', 'N', 'N')")
    w("insert into perfil_usuarios select idperfil, 'Administrador' from perfiles "
      "where descripcion = 'Administrador de Nómina'")
    w("insert into perfil_funcion select opciones.funcion, opciones.opcion, perfiles.idperfil "
      "from opciones, perfiles where opciones.sistema = 'NO' "
      "and perfiles.descripcion = 'Administrador de Nómina'")
    w("")
    w("-- Report user: company 1 only, option D1 of OXTAStaffing.")
    w("insert into perfiles (descripcion, sistema, empresas, centros, bloqueado, solo_lectura) "
      "values ('Consulta de Staffing', 'ST', '{1}', '{}', 'N', 'S')")
    w("insert into perfil_usuarios select idperfil, 'consulta' from perfiles "
      "where descripcion = 'Consulta de Staffing'")
    w("insert into perfil_funcion select 'D', 'D1', idperfil from perfiles "
      "where descripcion = 'Consulta de Staffing'")
    w("GO")
    w("")

    # Payroll
    for company in COMPANIES:
        e = company["empresa"]
        w(f"-- Company {e}: {company['nombre']}")
        w("insert into empresas (empresa, nombre_empresa, referencia, registro_patronal, "
          "rfc_empresa, domicilio, ciudad, estado, codigo_postal) values "
          f"({e}, {q(company['nombre'])}, {q(company['referencia'])}, {q(company['registro'])}, "
          f"{q(company['rfc'])}, {q(company['domicilio'])}, {q(company['ciudad'])}, "
          f"{q(company['estado'])}, {q(company['cp'])})")
        for lugar, desc in company["capa_lugar"]:
            w(f"insert into capa_lugar values ({e}, {lugar}, {q(desc)})")
        for centro, nombre in company["centros"]:
            w(f"insert into centros values ({e}, {q(centro)}, {q(nombre)})")
        for ocupacion, actividad, garantia, _, _ in company["tabulador"]:
            w(f"insert into tabulador values ({e}, {ocupacion}, {q(actividad)}, "
              f"{money(garantia)})")
        # One position of the tabulator without a guaranteed salary yet.
        extra = 99 + e * 100
        w(f"insert into tabulador values ({e}, {extra}, 'Practicante', NULL)")
        w("GO")
        w("")

        staff = employees_for(rng, company)
        company["staff"] = staff
        for chunk in range(0, len(staff), 60):
            for r in staff[chunk:chunk + 60]:
                w("insert into empleados values ({}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {})"
                  .format(e, r["codigo"], q(r["nombre"]), q(r["paterno"]), q(r["materno"]),
                          q(r["rfc"]), q(r["curp"]), q(r["imss"]), iso(r["ingreso"]),
                          money(r["sueldo"]), q(r["borrado"]), q(r["ultmov"]),
                          iso(r["fecha_ultmov"])))
                w("insert into llaves values ({}, {}, {}, {}, {}, {})".format(
                    e, r["codigo"], q(r["centro"]), r["ocupacion"], r["tiponom"],
                    iso(r["ingreso"])))
            w("GO")
        w("")

    # Planning samples, derived from the active headcount so that the comparisons show
    # both shortages and surpluses.
    w("-- Sample staffing plans, groups and places (keys looked up by name).")
    for company in COMPANIES:
        e = company["empresa"]
        for nombre, tipos in PLANS[e]:
            w(f"insert into staffing (empresa, nombre, tiposNomina) values ({e}, {q(nombre)}, "
              f"{q(tipos)})")
        for g in GROUPS[e]:
            w(f"insert into staff_grupo (empresa, nombre) values ({e}, {q(g)})")
    w("GO")
    w("")
    second_plans = []  # month entries of each company's second plan, written at the end
    for company in COMPANIES:
        e = company["empresa"]
        active = {}
        for r in company["staff"]:
            if r["borrado"] != "S" and r["ultmov"] != "B":
                key = (r["centro"], r["ocupacion"])
                active[key] = active.get(key, 0) + 1
        pairs = sorted({(c, job[0]) for job in company["tabulador"] for c in job[3]})
        for plan_index, (plan, _) in enumerate(PLANS[e]):
            for centro, ocupacion in pairs:
                now = active.get((centro, ocupacion), 0)
                full = max(1, now + rng.choice([-2, -1, 0, 0, 1, 1, 2]) + plan_index)
                values = [max(0, math.ceil(full * (0.35 + 0.65 * p / 100))) if p >= 20 else
                          max(0, math.ceil(full * 0.3)) for p in PERCENTS]
                months = [max(0, round(full * f)) for f in SEASON[e]]
                group = group_of(e, ocupacion)
                sel = (f"from staffing s, staff_grupo g where s.empresa = {e} and s.nombre = "
                       f"{q(plan)} and g.empresa = {e} and g.nombre = {q(group)}")
                w(f"insert into staff_porcentaje select {e}, s.idStaffing, g.idgrupo, "
                  f"{q(centro)}, {ocupacion}, " + ", ".join(map(str, values)) + " " + sel)
                if plan_index == 0:
                    w(f"insert into staff_mes select {e}, s.idStaffing, g.idgrupo, {q(centro)}, "
                      f"{ocupacion}, " + ", ".join(map(str, months)) + " " + sel)
                else:
                    second_plans.append((e, centro, ocupacion, full, sel))
            w("GO")
    w("")

    # Catalogues: further groups and plans without places yet, so that the catalogues
    # look lived in (a plan name with a hyphen, a group name with an apostrophe).
    w("-- ---- Catalogues: further groups and plans (no places planned under them yet) ----")
    for company in COMPANIES:
        e = company["empresa"]
        for nombre, tipos in CATALOGUE_PLANS[e]:
            w(f"insert into staffing (empresa, nombre, tiposNomina) values ({e}, {q(nombre)}, "
              f"{q(tipos)})")
        for g in CATALOGUE_GROUPS[e]:
            w(f"insert into staff_grupo (empresa, nombre) values ({e}, {q(g)})")
    w("GO")
    w("")
    # The second plan of each company planned by month as well: its peak months a step
    # above the first plan's, so the two plans differ in the month reports too.
    w("-- Month entries of the second plans (positions by month): the season of each")
    w("-- company, one place more in its busiest months.")
    for e, centro, ocupacion, full, sel in second_plans:
        months = [max(0, round(full * f) + (1 if f >= 1.15 else 0)) for f in SEASON[e]]
        w(f"insert into staff_mes select {e}, s.idStaffing, g.idgrupo, {q(centro)}, "
          f"{ocupacion}, " + ", ".join(map(str, months)) + " " + sel)
    w("GO")
    w("")
    return "\n".join(out) + "\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("-o", "--output", default=os.path.join(here, "demo.sql"))
    args = parser.parse_args()
    assert scramble("abc") == "jjm"
    text = generate()
    with open(args.output, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
