#pragma once

// A payroll of any size for company 1, generated from a seed, with every case that the
// comparative reports must get right: cost centres stored with trailing blanks in llaves and
// padded in the planning tables, a centre code holding a quote, NULL salaries, deleted and
// discharged employees, positions without a tabulator row or with a NULL or half-cent
// guaranteed salary, plans of one, several, all, no or unknown payroll types, entries of a
// deleted plan, and employees of company 2 in the same centres and positions.
//
// Plans: 1 "S,Q", 2 "M", 3 "" (no type), 4 "S,D,C,Q,M,E", 5 "Q,X" (an unknown letter);
// entries also name plan 9, which is not in staffing (all six types then count).

#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <tuple>
#include <vector>

namespace prueba {

inline constexpr int kPlanesSinteticos[] = {1, 2, 3, 4, 5, 9};

inline QString CentroSintetico(int i) {
    if (i == 0)
        return QStringLiteral("O''B");  // as a literal: O'B
    return QStringLiteral("C%1").arg(i, 3, 10, QLatin1Char('0'));
}

// Sends the rows through `ejecuta` in batches of multi-row inserts.
// `planes`: the plans that the entries are spread over (by default all of the list above).
inline void GeneraNomina(const std::function<void(const QString&)>& ejecuta, int plazas,
                         int empleados, std::vector<int> planes = {}, unsigned semilla = 20261208) {
    if (planes.empty())
        planes.assign(std::begin(kPlanesSinteticos), std::end(kPlanesSinteticos));
    std::mt19937 azar(semilla);
    const auto entre = [&azar](int a, int b) {
        return std::uniform_int_distribution<int>(a, b)(azar);
    };
    const int centros = std::max(4, plazas / 100);
    // Enough positions that the distinct keys drawn below leave room to spare, whatever the
    // number of plans: the drawing would never end if there were fewer keys than entries.
    const int porPuesto = 2 * centros * static_cast<int>(planes.size());
    const int puestos = std::max({6, plazas / 20, (2 * plazas + porPuesto - 1) / porPuesto});

    const auto enLotes = [&](const QString& cabeza, const QStringList& filas) {
        for (qsizetype i = 0; i < filas.size(); i += 200)
            ejecuta(cabeza + filas.mid(i, 200).join(QLatin1Char(',')));
    };

    ejecuta(
        QStringLiteral("insert into empresas (empresa, nombre_empresa) values (1, 'Hotel'), "
                       "(2, 'Otra')"));
    ejecuta(QStringLiteral(
        "insert into staffing (empresa, nombre, tiposNomina) values (1, 'Uno', 'S,Q'), "
        "(1, 'Dos', 'M'), (1, 'Tres', ''), (1, 'Cuatro', 'S,D,C,Q,M,E'), (1, 'Cinco', 'Q,X')"));
    ejecuta(QStringLiteral("insert into staff_grupo (empresa, nombre) values (1, 'A'), (1, 'B')"));

    QStringList filas;
    for (int c = 0; c < centros; ++c)
        filas << QStringLiteral("(1, '%1', 'Centro %2')").arg(CentroSintetico(c)).arg(c);
    enLotes(QStringLiteral("insert into centros values "), filas);

    // Every tenth position has no tabulator row; others a salary with cents, sometimes
    // exactly half a unit, sometimes NULL.
    filas.clear();
    for (int p = 1; p <= puestos; ++p) {
        if (p % 10 == 0)
            continue;
        const QString garantia = p % 7 == 0   ? QStringLiteral("NULL")
                                 : p % 3 == 0 ? QStringLiteral("%1.50").arg(entre(3000, 20000))
                                              : QStringLiteral("%1.%2")
                                                    .arg(entre(3000, 20000))
                                                    .arg(entre(0, 99), 2, 10, QLatin1Char('0'));
        filas << QStringLiteral("(1, %1, 'Puesto %1', %2)").arg(p).arg(garantia);
    }
    enLotes(QStringLiteral("insert into tabulador values "), filas);

    // Planned entries: unique keys over plan, group, centre, position.
    std::set<std::tuple<int, int, int, int>> claves;
    QStringList porcentaje, mes;
    while (static_cast<int>(claves.size()) < plazas) {
        const int plan = planes[entre(0, static_cast<int>(planes.size()) - 1)];
        const int grupo = entre(1, 2);
        const int centro = entre(0, centros - 1);
        const int puesto = entre(1, puestos);
        if (!claves.emplace(plan, grupo, centro, puesto).second)
            continue;
        QStringList v;
        for (int i = 0; i < 20; ++i)
            v << QString::number(entre(0, 30));
        const QString llave = QStringLiteral("(1, %1, %2, '%3', %4, ")
                                  .arg(plan)
                                  .arg(grupo)
                                  .arg(CentroSintetico(centro))
                                  .arg(puesto);
        porcentaje << llave + v.join(',') + u')';
        mes << llave + v.mid(0, 12).join(',') + u')';
    }
    enLotes(QStringLiteral("insert into staff_porcentaje values "), porcentaje);
    enLotes(QStringLiteral("insert into staff_mes values "), mes);

    // Employees: one assignment each; a few per cent deleted, discharged or without salary;
    // every fifth centre code written with trailing blanks; company 2 mirrors some of them.
    QStringList emp, llaves;
    for (int e = 1; e <= empleados; ++e) {
        const int empresa = e % 50 == 0 ? 2 : 1;
        const int r = entre(0, 99);
        const QString borrado = r < 4 ? QStringLiteral("S") : QStringLiteral("N");
        const QString ultmov = r >= 4 && r < 8 ? QStringLiteral("B") : QStringLiteral("A");
        const QString sueldo = r >= 8 && r < 12 ? QStringLiteral("NULL")
                                                : QStringLiteral("%1.%2")
                                                      .arg(entre(2000, 40000))
                                                      .arg(entre(0, 99), 2, 10, QLatin1Char('0'));
        emp << QStringLiteral("(%1, %2, 'N', 'P', %3, '%4', '%5')")
                   .arg(empresa)
                   .arg(e)
                   .arg(sueldo, borrado, ultmov);
        const int centro = entre(0, centros - 1);
        const QString codigo =
            CentroSintetico(centro) + (centro % 5 == 1 ? QStringLiteral("  ") : QString());
        llaves << QStringLiteral("(%1, %2, '%3', %4, %5)")
                      .arg(empresa)
                      .arg(e)
                      .arg(codigo)
                      .arg(entre(1, puestos))
                      .arg(entre(1, 6));
    }
    enLotes(QStringLiteral("insert into empleados (empresa, codigo, nombre, paterno, sueldo, "
                           "borrado, ultmov) values "),
            emp);
    enLotes(
        QStringLiteral("insert into llaves (empresa, codigo, centro, ocupacion, tiponom) values "),
        llaves);
}

}  // namespace prueba
