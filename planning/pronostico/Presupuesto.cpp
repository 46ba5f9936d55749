#include "planning/pronostico/Presupuesto.h"

#include "ado/Connection.h"
#include "planning/pronostico/ConsultasPronostico.h"
#include "reports/ConsultasReportes.h"

#include <map>
#include <utility>

namespace pronostico {

const QString kSinPronostico = QStringLiteral("sin pronóstico");

QString TituloPlantilla(const QDate& fecha) {
    return QStringLiteral("Plantilla actual al ") + fecha.toString(QStringLiteral("dd/MM/yyyy"));
}

QString MensajeSinPlan(const QString& staffing) {
    return QStringLiteral("No existe el staffing %1").arg(staffing.trimmed());
}

QString MensajeSinPronostico(const QString& staffing, int anio) {
    return QStringLiteral("El staffing %1 no tiene pronóstico de ocupación para %2")
        .arg(staffing.trimmed())
        .arg(anio);
}

EntradaPorcentaje EntradaDeFila(const std::vector<ado::Value>& f) {
    EntradaPorcentaje e;
    e.centro = f.at(0).toText().trimmed();
    e.grupo = f.at(1).toInt();
    e.ocupacion = f.at(2).toInt();
    e.nombreCentro = f.at(3).toText().trimmed();
    e.puesto = f.at(4).toText().trimmed();
    e.garantia = CentavosDe(f.at(5));
    for (int i = 0; i < kNiveles; ++i)
        e.cifras[static_cast<std::size_t>(i)] = static_cast<int>(f.at(6 + i).toInt());
    return e;
}

std::array<int, kMeses> PlazasPorMes(const CifrasPorcentaje& cifras, const Meses& pronostico,
                                     Regla regla) {
    std::array<int, kMeses> plazas{};
    for (std::size_t m = 0; m < plazas.size(); ++m)
        if (pronostico[m])
            plazas[m] = Plazas(regla, cifras, *pronostico[m]);
    return plazas;
}

qint64 Totales::CostoAnual() const {
    qint64 total = 0;
    for (qint64 c : costo)
        total += c;
    return total;
}

qint64 FilaPresupuesto::CostoAnual() const {
    qint64 total = 0;
    for (int m = 0; m < kMeses; ++m)
        total += Costo(m);
    return total;
}

int Presupuesto::MesesConPronostico() const {
    int n = 0;
    for (const auto& m : pronostico)
        n += m.has_value() ? 1 : 0;
    return n;
}

double Presupuesto::Promedio(const FilaPresupuesto& fila) const {
    const int meses = MesesConPronostico();
    if (meses == 0)
        return 0;
    int suma = 0;
    for (int m = 0; m < kMeses; ++m)
        if (ConPronostico(m))
            suma += fila.plazas[static_cast<std::size_t>(m)];
    return static_cast<double>(suma) / meses;
}

namespace {
void Suma(Totales& t, const FilaPresupuesto& f) {
    for (int m = 0; m < kMeses; ++m) {
        t.plazas[static_cast<std::size_t>(m)] += f.plazas[static_cast<std::size_t>(m)];
        t.costo[static_cast<std::size_t>(m)] += f.Costo(m);
    }
    t.real += f.real;
    t.sueldoReal += f.sueldoReal;
}
}  // namespace

Totales Presupuesto::Total() const {
    Totales t;
    for (const FilaPresupuesto& f : filas)
        Suma(t, f);
    return t;
}

std::vector<std::pair<QString, Totales>> Presupuesto::SubtotalesPorCentro() const {
    std::vector<std::pair<QString, Totales>> subtotales;
    for (const FilaPresupuesto& f : filas) {
        if (subtotales.empty() || subtotales.back().first != f.centro)
            subtotales.emplace_back(f.centro, Totales{});
        Suma(subtotales.back().second, f);
    }
    return subtotales;
}

const QStringList& CamposLargos() {
    static const QStringList campos = {"centro", "ocupacion", "mes",  "porcentaje",
                                       "plazas", "costo",     "real", "sueldoReal"};
    return campos;
}

QString Importe(qint64 centavos) {
    const qint64 absoluto = centavos < 0 ? -centavos : centavos;
    return QStringLiteral("%1%2.%3")
        .arg(centavos < 0 ? QStringLiteral("-") : QString())
        .arg(absoluto / 100)
        .arg(absoluto % 100, 2, 10, QLatin1Char('0'));
}

std::vector<FilaLarga> FilasLargas(const Presupuesto& p) {
    std::vector<FilaLarga> filas;
    filas.reserve(p.filas.size() * kMeses);
    for (const FilaPresupuesto& f : p.filas)
        for (int m = 0; m < kMeses; ++m) {
            const auto& d = p.pronostico[static_cast<std::size_t>(m)];
            filas.push_back({f.centro, f.ocupacion, m + 1, d ? DecimalPorcentaje(*d) : QString(),
                             f.plazas[static_cast<std::size_t>(m)], Importe(f.Costo(m)), f.real,
                             Importe(f.sueldoReal)});
        }
    return filas;
}

// ---- reading ----

std::vector<std::vector<ado::Value>> LectorPlan::Consulta(const QString& sql) {
    if (AlEnviar)
        AlEnviar();
    return m_cn.engine("Recordset.Open").query(sql).rows;
}

void LectorPlan::Ejecuta(const QString& sql) {
    if (AlEnviar)
        AlEnviar();
    m_cn.Execute(sql);
}

bool LectorPlan::Plan(const QString& empresa, const QString& staffing, QString& nombre,
                      QString& tipos) {
    const auto filas = Consulta(SqlPlan(empresa, staffing));
    if (filas.empty())
        return false;
    nombre = filas.front().at(0).toText();
    tipos = filas.front().at(1).toText();
    return true;
}

Meses LectorPlan::Pronostico(const QString& empresa, const QString& staffing, int anio) {
    Meses meses{};
    for (const auto& f : Consulta(SqlLeePronostico(empresa, staffing, anio))) {
        const auto mes = f.at(0).toInt();
        if (mes >= 1 && mes <= kMeses)
            meses[static_cast<std::size_t>(mes - 1)] = DecimasDe(f.at(1));
    }
    return meses;
}

std::vector<EntradaPorcentaje> LectorPlan::Entradas(const QString& empresa,
                                                    const QString& staffing) {
    std::vector<EntradaPorcentaje> entradas;
    for (const auto& f : Consulta(SqlEntradasPorcentaje(empresa, staffing)))
        entradas.push_back(EntradaDeFila(f));
    return entradas;
}

QString CalculaPresupuesto(LectorPlan& lector, const SolicitudPresupuesto& s, Presupuesto& p) {
    p = Presupuesto{};
    p.solicitud = s;
    QString tipos;
    if (!lector.Plan(s.empresa, s.staffing, p.nombrePlan, tipos))
        return MensajeSinPlan(s.staffing);
    p.pronostico = lector.Pronostico(s.empresa, s.staffing, s.anio);
    if (p.MesesConPronostico() == 0)
        return MensajeSinPronostico(s.staffing, s.anio);

    using Clave = std::pair<QString, qint64>;  // cost centre (trimmed), position
    std::map<Clave, FilaPresupuesto> filas;
    for (const EntradaPorcentaje& e : lector.Entradas(s.empresa, s.staffing)) {
        if ((!s.centro.isEmpty() && e.centro != s.centro) ||
            (!s.grupo.isEmpty() && QString::number(e.grupo) != s.grupo))
            continue;
        const auto [donde, nueva] = filas.try_emplace({e.centro, e.ocupacion});
        FilaPresupuesto& f = donde->second;
        if (nueva) {
            f.centro = e.centro;
            f.nombreCentro = e.nombreCentro;
            f.ocupacion = e.ocupacion;
            f.puesto = e.puesto;
            f.garantia = e.garantia;
        }
        const auto plazas = PlazasPorMes(e.cifras, p.pronostico, s.regla);
        for (std::size_t m = 0; m < plazas.size(); ++m)
            f.plazas[m] += plazas[m];
    }

    // The payroll types and the counting rules of the comparative reports.
    const QStringList numeros = reportes::NumerosNomina(tipos);
    p.plantillaAl = QDate::currentDate();
    for (const auto& r : lector.Consulta(SqlPlantillaActual(s.empresa, s.staffing, numeros))) {
        const auto f = filas.find({r.at(0).toText().trimmed(), r.at(1).toInt()});
        if (f == filas.end())
            continue;
        f->second.real = static_cast<int>(r.at(2).toInt());
        f->second.sueldoReal = CentavosDe(r.at(3));
    }
    p.filas.reserve(filas.size());
    for (auto& [clave, fila] : filas)
        p.filas.push_back(std::move(fila));
    return {};
}

}  // namespace pronostico
