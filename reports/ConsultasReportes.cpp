#include "reports/ConsultasReportes.h"

#include "ado/AdoError.h"
#include "ado/Connection.h"
#include "ado/SqlLiteral.h"

#include <QHash>
#include <QUuid>

#include <cmath>

namespace reportes {

namespace {

const QString kPuestos = QStringLiteral("Puestos");
const QString kPorcentaje = QStringLiteral("Puestos al X %");
const QString kOcupacion = QStringLiteral("Comparar Ocupacion Actual");
const QString kOcupacionDin = QStringLiteral("Comparar Ocupacion Actual $");
const QString kMesDiferencia = QStringLiteral("Comparativo por Mes con Diferencia");
const QString kMes = QStringLiteral("Comparativo por Mes");

// The same key as a parameter's value.
ado::Value NumeroLigado(const QString& clave) {
    return ado::Value(static_cast<std::int64_t>(clave.trimmed().toLongLong()));
}

// The company key in a statement: the number it holds.
QString Empresa(const Solicitud& s) {
    return SqlWholeNumber(s.empresa);
}

// The filter of the checked boxes, as the source query and the loader append it; `tabla`
// names the source table's alias where the statement joins others.
QString Condicion(const Solicitud& s, const QString& tabla = {}) {
    const QString p = tabla.isEmpty() ? QString() : tabla + QLatin1Char('.');
    QString c;
    if (s.porStaffing)
        c += QStringLiteral(" and ") + p + QStringLiteral("idstaffing=") +
             SqlWholeNumber(s.staffing);
    if (s.porGrupo)
        c += QStringLiteral(" and ") + p + QStringLiteral("idGrupo=") + SqlWholeNumber(s.grupo);
    if (s.porCC)
        c += QStringLiteral(" and ") + p + QStringLiteral("centro='") + SqlInsideQuotes(s.centro) +
             QLatin1Char('\'');
    return c;
}

QString Alineado(const ado::Value& v, int ancho) {
    return v.rightAligned(ancho);
}

}  // namespace

const QStringList& ListaReportes() {
    static const QStringList lista = {kPuestos,      kPorcentaje,    kOcupacion,
                                      kOcupacionDin, kMesDiferencia, kMes};
    return lista;
}

QString ValidaCheck(const Solicitud& s) {
    if (s.porStaffing && s.staffing.trimmed().isEmpty())
        return QStringLiteral("Debe indicarse el Staffing");
    if (s.porGrupo && s.grupo.trimmed().isEmpty())
        return QStringLiteral("Debe indicarse el grupo");
    if (s.porCC && s.centro.trimmed().isEmpty())
        return QStringLiteral("Debe indicarse el Centro de costos");
    return {};
}

bool EsComparativo(const QString& reporte) {
    const QString r = reporte.trimmed();
    return r == kOcupacion || r == kOcupacionDin || r == kMesDiferencia || r == kMes;
}

bool PorPorcentaje(const QString& reporte) {
    const QString r = reporte.trimmed();
    return r == kPorcentaje || r == kOcupacion || r == kOcupacionDin;
}

bool PorMes(const QString& reporte) {
    const QString r = reporte.trimmed();
    return r == kMes || r == kMesDiferencia;
}

QString Valida(const Solicitud& s) {
    const QString r = s.reporte.trimmed();
    if (!ListaReportes().contains(r))
        return QStringLiteral("No existe el reporte \"%1\"").arg(s.reporte);
    if (EsComparativo(r) && (!s.porStaffing || s.staffing.trimmed().isEmpty()))
        return QStringLiteral("Debe indicarse el Staffing");
    if (PorPorcentaje(r) && !kPorcentajes.contains(s.porcentaje.trimmed()))
        return QStringLiteral("El porcentaje debe ser uno de 5, 10, 15 ... 100");
    if (PorMes(r) && !kMeses.contains(s.mes.trimmed(), Qt::CaseInsensitive))
        return QStringLiteral("El mes debe ser uno de Enero ... Diciembre");
    return ValidaCheck(s);
}

QString obtenTN(const QString& tipo) {
    static const QStringList letras = {"S", "D", "C", "Q", "M", "E"};
    const qsizetype i = letras.indexOf(tipo.trimmed());
    return QString::number(i < 0 ? 0 : i + 1);
}

QStringList NumerosNomina(const QString& tiposNomina) {
    QStringList numeros;
    if (tiposNomina.trimmed().isEmpty())
        return numeros;
    for (const QString& letra : tiposNomina.split(QLatin1Char(',')))
        numeros << obtenTN(letra);
    return numeros;
}

QString CondicionNomina(const QStringList& numeros) {
    // A plan without payroll types covers no employee.
    if (numeros.isEmpty())
        return QStringLiteral(" and 1=0");
    return QStringLiteral(" and ll.tiponom in (") + numeros.join(QLatin1Char(',')) +
           QLatin1Char(')');
}

QString SqlEmpleadosActuales(const QString& entradas, const QStringList& numerosNomina) {
    return QStringLiteral(
               " left join llaves ll on ll.empresa=%1.empresa and ll.centro=%1.centro and "
               "ll.ocupacion=%1.ocupacion")
               .arg(entradas) +
           CondicionNomina(numerosNomina) +
           QStringLiteral(
               " left join empleados e on e.empresa=ll.empresa and e.codigo=ll.codigo and "
               "e.borrado<>'S' and e.ultmov<>'B'");
}

QString SqlTiposNomina(const QString& empresa, const QString& staffing) {
    return QStringLiteral(" select tiposnomina from staffing where empresa=%1 and idstaffing=%2")
        .arg(SqlWholeNumber(empresa), SqlWholeNumber(staffing));
}

QString SqlFuente(const Solicitud& s, const QString& campo, const QString& tabla) {
    return QStringLiteral(
               " SELECT isnull(centro,''), isnull(ocupacion,0), %1, idstaffing, "
               "idgrupo FROM %2 where empresa= %3")
               .arg(campo, tabla, Empresa(s)) +
           Condicion(s);
}

namespace {
QString Empleados(const QString& empresa, const QString& condicion) {
    return QStringLiteral(
               " where ll.empresa=%1 and ll.empresa=e.empresa and ll.codigo=e.codigo "
               "and e.borrado<>'S' and e.ultmov<>'B'")
               .arg(SqlWholeNumber(empresa)) +
           condicion;
}
}  // namespace

QString SqlObtenReal(const QString& empresa, const QString& condicion, const QString& centro,
                     const QString& ocupacion) {
    return QStringLiteral(" SELECT isnull(count(OCUPACION),0) FROM LLAVES ll, empleados e") +
           Empleados(empresa, condicion) +
           QStringLiteral(" and ll.centro='%1' and ll.ocupacion=%2")
               .arg(SqlInsideQuotes(centro), SqlWholeNumber(ocupacion));
}

QString SqlSueldoReal(const QString& empresa, const QString& condicion, const QString& centro,
                      const QString& ocupacion) {
    return QStringLiteral(" SELECT sum(isnull(e.sueldo,0)) FROM empleados e, llaves ll") +
           Empleados(empresa, condicion) +
           QStringLiteral(" and ll.centro='%1' and ll.ocupacion=%2")
               .arg(SqlInsideQuotes(centro), SqlWholeNumber(ocupacion));
}

QString SqlSueldoOriginal(const QString& empresa, const QString& ocupacion) {
    return QStringLiteral(
               " SELECT isnull(garantia,0) FROM tabulador where empresa=%1 and "
               "ocupacion=%2")
        .arg(SqlWholeNumber(empresa), SqlWholeNumber(ocupacion));
}

QString SqlInsertaFila(const QString& clave, const QString& empresa, const QStringList& v) {
    // v: centro, ocupacion, idstaffing, idgrupo, plazas, real, sueldoOriginal, sueldoReal
    return QStringLiteral(
               "insert into staff_reporte values ('%1','%2','%3','%4','%5','%6','%7',"
               "'%8',%9,%10)")
        .arg(SqlInsideQuotes(clave), empresa, SqlInsideQuotes(v[0]), v[1], v[2], v[3], v[4], v[5])
        .arg(v[6], v[7]);
}

Sentencia SqlCargaConjunto(const Solicitud& s, const QString& clave, const QString& campo,
                           const QString& tabla, const QStringList& numerosNomina) {
    // Every planned entry with the employees of its cost centre and position (counted and
    // summed) and its guaranteed salary; no match gives 0. The entries lead the joins, so
    // only the payroll keys of planned places are read (through the key of llaves), not the
    // whole company's payroll. Grouping by the entry's key keeps one row per entry (its
    // places and guaranteed salary are one value within the group, taken with max, and the
    // salary is rounded once per entry). The run's key and the request's keys travel as parameters:
    // one text for every run, translated once.
    Sentencia carga;
    carga.sql =
        QStringLiteral(
            "insert into staff_reporte select @clave, p.empresa, rtrim(isnull(p.centro,'')), "
            "isnull(p.ocupacion,0), p.idstaffing, p.idgrupo, max(p.%1), %3, "
            "isnull(round(max(t.garantia),0),0), %4 FROM %2 p")
            .arg(campo, tabla, kCuentaEmpleados, kSumaSueldos) +
        SqlEmpleadosActuales(QStringLiteral("p"), numerosNomina) +
        QStringLiteral(
            " left join tabulador t on t.empresa=p.empresa and t.ocupacion=p.ocupacion "
            "where p.empresa=@empresa");
    carga.parametros = {{QStringLiteral("@clave"), clave},
                        {QStringLiteral("@empresa"), NumeroLigado(s.empresa)}};
    if (s.porStaffing) {
        carga.sql += QStringLiteral(" and p.idstaffing=@staffing");
        carga.parametros.push_back({QStringLiteral("@staffing"), NumeroLigado(s.staffing)});
    }
    if (s.porGrupo) {
        carga.sql += QStringLiteral(" and p.idGrupo=@grupo");
        carga.parametros.push_back({QStringLiteral("@grupo"), NumeroLigado(s.grupo)});
    }
    if (s.porCC) {
        carga.sql += QStringLiteral(" and p.centro=@centro");
        carga.parametros.push_back({QStringLiteral("@centro"), s.centro});
    }
    carga.sql +=
        QStringLiteral(" group by p.empresa, p.idstaffing, p.idgrupo, p.centro, p.ocupacion");
    return carga;
}

QString SqlBorraTablaTemporal(const QString& clave) {
    return QStringLiteral(" delete from staff_reporte where clave='%1'")
        .arg(SqlInsideQuotes(clave));
}

Fuente FuenteDe(const Solicitud& s) {
    const QString r = s.reporte.trimmed();
    if (r == kOcupacion || r == kOcupacionDin)
        return {QStringLiteral("v") + s.porcentaje.trimmed(), QStringLiteral("staff_porcentaje")};
    // The month names the column: "Marzo" reads marzo.
    return {s.mes.trimmed(), QStringLiteral("staff_mes")};
}

QString NuevaClave() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// ---- the loader ----

std::vector<std::vector<ado::Value>> CargaReporte::consulta(const QString& sql) {
    if (AlEnviar)
        AlEnviar();
    return m_cn.engine("Recordset.Open").query(sql).rows;
}

void CargaReporte::ejecuta(const QString& sql) {
    if (AlEnviar)
        AlEnviar();
    m_cn.Execute(sql);
}

void CargaReporte::ejecuta(const Sentencia& sentencia) {
    if (AlEnviar)
        AlEnviar();
    m_cn.Execute(sentencia.sql, sentencia.parametros);
}

QStringList CargaReporte::numerosDelPlan() {
    const auto filas = consulta(SqlTiposNomina(m_s.empresa, m_s.staffing));
    if (filas.empty() || filas.front().empty())
        return {"1", "2", "3", "4", "5", "6"};
    return NumerosNomina(filas.front().front().toText());
}

QString CargaReporte::TipoNomina() {
    return CondicionNomina(numerosDelPlan());
}

QString CargaReporte::ObtenReal(const QString& centro, const QString& ocupacion) {
    const QString condicion = TipoNomina();
    const auto filas = consulta(SqlObtenReal(m_s.empresa, condicion, centro, ocupacion));
    const ado::Value n = filas.empty() ? ado::Value(0) : filas.front().front();
    return Alineado(ado::Value(n.toInt()), 9);
}

QString CargaReporte::SueldoReal(const QString& centro, const QString& ocupacion) {
    const QString condicion = TipoNomina();
    const auto filas = consulta(SqlSueldoReal(m_s.empresa, condicion, centro, ocupacion));
    if (filas.empty() || filas.front().front().isNull() || filas.front().front().toDouble() == 0)
        return QStringLiteral("0");
    return filas.front().front().toText().trimmed();
}

QString CargaReporte::SueldoOriginal(const QString& ocupacion) {
    const auto filas = consulta(SqlSueldoOriginal(m_s.empresa, ocupacion));
    if (filas.empty())
        return QStringLiteral("0");
    const auto redondo = static_cast<std::int64_t>(std::llround(filas.front().front().toDouble()));
    return Alineado(ado::Value(redondo), 9);
}

void CargaReporte::CargaFilaPorFila(const QString& cve, const QString& campo,
                                    const QString& tabla) {
    const auto fuente = consulta(SqlFuente(m_s, campo, tabla));
    for (const auto& f : fuente) {
        const QString centro = f[0].toText();
        const QString ocupacion = QString::number(f[1].toInt());
        ejecuta(
            SqlInsertaFila(cve, m_s.empresa,
                           {centro.trimmed(), Alineado(f[1], 10), Alineado(f[3], 10),
                            Alineado(f[4], 10), Alineado(f[2], 10), ObtenReal(centro, ocupacion),
                            SueldoOriginal(Alineado(f[1], 10)), SueldoReal(centro, ocupacion)}));
    }
}

void CargaReporte::CargaTablaTemporal(const QString& cve, const QString& campo,
                                      const QString& tabla) {
    ejecuta(SqlCargaConjunto(m_s, cve, campo, tabla, numerosDelPlan()));
}

void CargaReporte::BorraTablaTemporal(const QString& cve) {
    ejecuta(SqlBorraTablaTemporal(cve));
}

TablaTemporal::~TablaTemporal() {
    try {
        m_cn.Execute(SqlBorraTablaTemporal(m_clave));
    } catch (const ado::Error&) {
        // The connection is gone: nothing more can be done here, and the error that broke it
        // is already on its way.
    }
}

// ---- one run ----

namespace {
QString Archivo(const QString& reporte) {
    static const QHash<QString, QString> archivos = {
        {kPuestos, QStringLiteral("rptPuestosStaffing.rpt")},
        {kPorcentaje, QStringLiteral("rptPorcentaje.rpt")},
        {kOcupacion, QStringLiteral("rptPuestosComparativo.rpt")},
        {kOcupacionDin, QStringLiteral("rptPuestosComparativoDin.rpt")},
        {kMesDiferencia, QStringLiteral("rptComparativoMesConDiferencia.rpt")},
        {kMes, QStringLiteral("rptComparativoMes.rpt")},
    };
    return QStringLiteral("reportes/") + archivos.value(reporte.trimmed());
}

QString MesComoLista(const QString& mes) {
    for (const QString& m : kMeses)
        if (m.compare(mes.trimmed(), Qt::CaseInsensitive) == 0)
            return m;
    return mes;
}
}  // namespace

QString SqlExisteEmpresa(const QString& empresa) {
    return QStringLiteral("select count(*) from empresas where empresa=%1")
        .arg(SqlWholeNumber(empresa));
}

QString SqlExisteStaffing(const QString& empresa, const QString& staffing) {
    return QStringLiteral("select count(*) from staffing where empresa=%1 and idstaffing=%2")
        .arg(SqlWholeNumber(empresa), SqlWholeNumber(staffing));
}

QString SqlExisteCentro(const QString& empresa, const QString& centro) {
    return QStringLiteral("select count(*) from centros where empresa=%1 and centro=%2")
        .arg(SqlWholeNumber(empresa), SqlLiteral(centro));
}

QString SqlExisteGrupo(const QString& empresa, const QString& grupo) {
    return QStringLiteral("select count(*) from staff_grupo where empresa=%1 and idgrupo=%2")
        .arg(SqlWholeNumber(empresa), SqlWholeNumber(grupo));
}

QString VerificaFiltros(ado::Connection& cn, const Solicitud& s) {
    const auto existe = [&cn](const QString& sql) {
        const auto filas = cn.engine("Recordset.Open").query(sql).rows;
        return !filas.empty() && filas.front().front().toInt() > 0;
    };
    const QString empresa = s.empresa.trimmed();
    if (!existe(SqlExisteEmpresa(empresa)))
        return QStringLiteral("No existe la empresa %1").arg(empresa);
    if (s.porStaffing && !existe(SqlExisteStaffing(empresa, s.staffing)))
        return QStringLiteral("No existe el staffing %1 de la empresa %2")
            .arg(s.staffing.trimmed(), empresa);
    if (s.porCC && !existe(SqlExisteCentro(empresa, s.centro)))
        return QStringLiteral("No existe el centro de costos %1 de la empresa %2")
            .arg(s.centro, empresa);
    if (s.porGrupo && !existe(SqlExisteGrupo(empresa, s.grupo)))
        return QStringLiteral("No existe el grupo %1 de la empresa %2")
            .arg(s.grupo.trimmed(), empresa);
    return {};
}

QString PreparaCorrida(ado::Connection& cn, const Solicitud& s, Corrida& corrida) {
    if (const QString mensaje = Valida(s); !mensaje.isEmpty())
        return mensaje;
    corrida.archivo = Archivo(s.reporte);
    corrida.parametros.clear();
    const ado::Value porc(static_cast<int>(s.porcentaje.trimmed().toInt()));
    // The filters as every report names them in its heading (and the direct ones read by).
    const auto numero = [](bool marcado, const QString& clave) {
        return ado::Value(static_cast<std::int64_t>(marcado ? clave.trimmed().toLongLong() : 0));
    };
    const std::vector<std::pair<QString, ado::Value>> filtros = {
        {QStringLiteral("empresa"), numero(true, s.empresa)},
        {QStringLiteral("cc"), s.porCC ? ado::Value(s.centro) : ado::Value("TODOS")},
        {QStringLiteral("staffing"), numero(s.porStaffing, s.staffing)},
        {QStringLiteral("grupo"), numero(s.porGrupo, s.grupo)},
    };
    if (!EsComparativo(s.reporte)) {
        corrida.parametros = filtros;
        if (s.reporte.trimmed() == kPorcentaje)
            corrida.parametros.emplace_back(QStringLiteral("porc"), porc);
        return {};
    }
    corrida.datos = std::make_unique<TablaTemporal>(cn, NuevaClave());
    const Fuente fuente = FuenteDe(s);
    CargaReporte(cn, s).CargaTablaTemporal(corrida.datos->clave(), fuente.campo, fuente.tabla);
    corrida.parametros.emplace_back(QStringLiteral("CVE"), ado::Value(corrida.datos->clave()));
    if (fuente.tabla == QStringLiteral("staff_porcentaje"))
        corrida.parametros.emplace_back(QStringLiteral("porc"), porc);
    else
        corrida.parametros.emplace_back(QStringLiteral("mes"), ado::Value(MesComoLista(s.mes)));
    corrida.parametros.insert(corrida.parametros.end(), filtros.begin(), filtros.end());
    return {};
}

}  // namespace reportes
