#include "planning/herramientas/OperacionesPlan.h"

#include "ado/AdoError.h"
#include "ado/SqlLiteral.h"
#include "catalogs/ConsultasCatalogos.h"
#include "planning/herramientas/ConsultasHerramientas.h"
#include "planning/herramientas/PlanLibro.h"
#include "ui/Cp1252.h"

#include <QFileInfo>

#include <algorithm>

namespace planeacion {

namespace {

constexpr int kNombreMaximo = 150;  // staffing.nombre

ado::ResultSet Consulta(ado::Connection& cnx, const QString& sql) {
    return cnx.engine("Recordset.Open").query(sql);
}

void RevisaClave(const QString& clave, const QString& que) {
    if (!IsWholeNumber(clave))
        throw ErrorPlan{QStringLiteral("La clave de %1 no es un número: '%2'").arg(que, clave)};
}

// Key and name of each row, in key order (by number when `numerica`).
std::vector<ElementoCatalogo> Elementos(ado::Connection& cnx, const QString& sql, bool numerica) {
    std::vector<ElementoCatalogo> elementos;
    for (const auto& fila : Consulta(cnx, sql).rows)
        elementos.push_back({fila.at(0).trimmed(), fila.at(1).trimmed()});
    std::stable_sort(elementos.begin(), elementos.end(),
                     [numerica](const ElementoCatalogo& a, const ElementoCatalogo& b) {
                         return numerica ? a.clave.toLongLong() < b.clave.toLongLong()
                                         : a.clave < b.clave;
                     });
    return elementos;
}

}  // namespace

DatosPlan RevisaPlan(ado::Connection& cnx, const QString& empresa, const QString& staffing) {
    RevisaClave(empresa, QStringLiteral("la empresa"));
    RevisaClave(staffing, QStringLiteral("el staffing"));
    const ado::ResultSet empresas = Consulta(cnx, SqlEmpresa(empresa));
    if (empresas.rows.empty())
        throw ErrorPlan{QStringLiteral("La empresa %1 no existe").arg(SqlWholeNumber(empresa))};
    const ado::ResultSet plan = Consulta(cnx, SqlPlanDeEmpresa(empresa, staffing));
    if (plan.rows.empty()) {
        throw ErrorPlan{QStringLiteral("El staffing %1 no existe en la empresa %2")
                            .arg(SqlWholeNumber(staffing), SqlWholeNumber(empresa))};
    }
    return {plan.rows.front().at(0).trimmed(), plan.rows.front().at(1).trimmed()};
}

EntradasPlan LeeEntradas(ado::Connection& cnx, const QString& empresa, const QString& staffing) {
    EntradasPlan entradas;
    for (Tabla t : {Tabla::Porcentaje, Tabla::Mes}) {
        const ado::ResultSet r = Consulta(cnx, SqlEntradasPlan(t, empresa, staffing));
        std::vector<EntradaClave>& destino = entradas.De(t);
        destino.reserve(r.rows.size());
        for (const auto& fila : r.rows) {
            EntradaClave e{{fila.at(0).trimmed(), fila.at(1).toInt(), fila.at(2).toInt()}, {}};
            e.cifras.reserve(fila.size() - 3);
            for (std::size_t i = 3; i < fila.size(); ++i)
                e.cifras.push_back(static_cast<int>(fila[i].toInt()));
            destino.push_back(std::move(e));
        }
    }
    return entradas;
}

Catalogos LeeCatalogos(ado::Connection& cnx, const QString& empresa) {
    return {Elementos(cnx, SqlCentros(empresa), false), Elementos(cnx, SqlGrupos(empresa), true),
            Elementos(cnx, catalogos::ListaPuestos(empresa), true)};
}

int ExportaPlan(ado::Connection& cnx, const QString& empresa, const QString& staffing,
                const QString& ruta, Tabla tablaCsv) {
    RevisaPlan(cnx, empresa, staffing);
    const EntradasPlan entradas = LeeEntradas(cnx, empresa, staffing);
    const Catalogos catalogos = LeeCatalogos(cnx, empresa);
    try {
        if (QFileInfo(ruta).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0) {
            EscribeCsv(ruta, tablaCsv, entradas.De(tablaCsv), catalogos);
            return static_cast<int>(entradas.De(tablaCsv).size());
        }
        EscribeLibro(ruta, entradas, catalogos);
    } catch (const ErrorArchivo& e) {
        throw ErrorPlan{e.mensaje};
    }
    return static_cast<int>(entradas.porcentaje.size() + entradas.mes.size());
}

VistaPrevia VistaDeArchivo(ado::Connection& cnx, const QString& empresa, const QString& staffing,
                           const QString& ruta) {
    RevisaPlan(cnx, empresa, staffing);
    std::vector<HojaLeida> hojas;
    try {
        hojas = LeeArchivo(ruta);
    } catch (const ErrorArchivo& e) {
        throw ErrorPlan{e.mensaje};
    }
    return CalculaVistaPrevia(hojas, LeeEntradas(cnx, empresa, staffing),
                              LeeCatalogos(cnx, empresa));
}

void AplicaImportacion(ado::Connection& cnx, const QString& empresa, const QString& staffing,
                       const VistaPrevia& vista, bool eliminarAusentes, bool soloValidas) {
    if (!PuedeAplicar(vista, soloValidas)) {
        throw ErrorPlan{QStringLiteral("El archivo tiene %1 filas rechazadas; no se escribió nada")
                            .arg(vista.rechazados.size())};
    }
    RevisaPlan(cnx, empresa, staffing);
    const ado::ResultSet r =
        Consulta(cnx, LoteImportacion(empresa, staffing, vista, eliminarAusentes));
    if (r.rows.empty() || r.rows.front().empty() || r.rows.front().front().toInt() != 0)
        throw ErrorPlan{kVistaCaducada, true};
}

std::optional<QString> ProblemaNombrePlan(const QString& nombre) {
    if (nombre.trimmed().isEmpty())
        return QStringLiteral("Indique el nombre del staffing.");
    if (nombre.size() > kNombreMaximo)
        return QStringLiteral("El nombre del staffing admite a lo más %1 caracteres.")
            .arg(kNombreMaximo);
    for (QChar c : nombre) {
        if (c.category() == QChar::Other_Control)
            return QStringLiteral(
                "El nombre del staffing no puede llevar saltos de línea ni "
                "caracteres de control.");
    }
    qsizetype fallo = -1;
    cp1252::encode(nombre, &fallo);
    if (fallo >= 0)
        return QStringLiteral("El nombre del staffing contiene caracteres no permitidos.");
    return std::nullopt;
}

std::optional<QString> NormalizaTipos(const QString& tipos) {
    static const QString kOrden = QStringLiteral("SDCQME");
    QString presentes;
    for (const QString& parte : tipos.split(u',', Qt::SkipEmptyParts)) {
        const QString letra = parte.trimmed().toUpper();
        if (letra.isEmpty())
            continue;
        if (letra.size() != 1 || !kOrden.contains(letra))
            return std::nullopt;
        presentes += letra;
    }
    QStringList orden;
    for (QChar c : kOrden) {
        if (presentes.contains(c))
            orden << QString(c);
    }
    return orden.join(u',');
}

qint64 CopiaPlan(ado::Connection& cnx, const QString& empresa, const QString& staffing,
                 const QString& nombre, const QString& tipos) {
    RevisaPlan(cnx, empresa, staffing);
    if (const auto problema = ProblemaNombrePlan(nombre))
        throw ErrorPlan{*problema};
    const std::optional<QString> orden = NormalizaTipos(tipos);
    if (!orden)
        throw ErrorPlan{QStringLiteral("Tipos de nómina no válidos: '%1' (letras S, D, C, Q, M, E "
                                       "separadas por comas)")
                            .arg(tipos.left(40))};
    const ado::ResultSet r = Consulta(cnx, LoteCopiaPlan(empresa, staffing, nombre, *orden));
    if (r.rows.empty() || r.rows.front().empty() || r.rows.front().front().isNull())
        throw ado::Error(QStringLiteral("Connection.Execute"),
                         QStringLiteral("The new plan's key was not returned."));
    return r.rows.front().front().toInt();
}

}  // namespace planeacion
