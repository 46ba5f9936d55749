#include "planning/pronostico/ConsultasPronostico.h"

#include "ado/AdoError.h"
#include "ado/SqlLiteral.h"
#include "planning/ConsultasPlaneacion.h"
#include "reports/ConsultasReportes.h"

#include <QStringList>

#include <cmath>

namespace pronostico {

namespace {

const char* const kOperacion = "Pronostico";

// `unscaled` / 10^scale at `destino` figures after the point, half away from zero.
qint64 Escala(qint64 unscaled, int scale, int destino) {
    while (scale < destino) {
        unscaled *= 10;
        ++scale;
    }
    while (scale > destino) {
        const qint64 resto = unscaled % 10;
        unscaled /= 10;
        if (resto >= 5)
            ++unscaled;
        else if (resto <= -5)
            --unscaled;
        ++scale;
    }
    return unscaled;
}

qint64 Fijo(const ado::Value& v, int escala) {
    switch (v.type()) {
        case ado::Value::Type::Null:
            return 0;
        case ado::Value::Type::Integer:
            return Escala(v.toInt(), 0, escala);
        case ado::Value::Type::Decimal:
            return Escala(v.toDecimal().unscaled, v.toDecimal().scale, escala);
        default:
            return std::llround(v.toDouble() * std::pow(10.0, escala));
    }
}

QString Clave(const QString& clave) {
    return SqlWholeNumber(clave);
}

QString Anio(int anio) {
    if (anio < kAnioMinimo || anio > kAnioMaximo)
        throw ado::Error(kOperacion, QStringLiteral("El año %1 no es de %2 a %3")
                                         .arg(anio)
                                         .arg(kAnioMinimo)
                                         .arg(kAnioMaximo));
    return QString::number(anio);
}

QString Figura(int cifra) {
    if (cifra < 0)
        throw ado::Error(kOperacion, QStringLiteral("Una cifra de plazas es negativa"));
    return QString::number(cifra);
}

// The plan's rows of `tabla` under alias p.
QString DelPlan(const QString& empresa, const QString& staffing) {
    return QStringLiteral(" where p.empresa=%1 and p.idstaffing=%2")
        .arg(Clave(empresa), Clave(staffing));
}

QString Prefijadas(const QStringList& columnas) {
    QStringList c;
    for (const QString& nombre : columnas)
        c << QStringLiteral("p.") + nombre;
    return c.join(QStringLiteral(", "));
}

// The statements of one batch inside one transaction: all of them or none.
QString EnTransaccion(const QStringList& sentencias) {
    return QStringLiteral("set xact_abort on\nbegin transaction\n") +
           sentencias.join(QLatin1Char('\n')) + QStringLiteral("\ncommit transaction");
}

}  // namespace

std::optional<int> DecimasDe(const ado::Value& v) {
    if (v.isNull())
        return std::nullopt;
    return static_cast<int>(Fijo(v, 1));
}

qint64 CentavosDe(const ado::Value& v) {
    return Fijo(v, 2);
}

QString SqlLeePronostico(const QString& empresa, const QString& staffing, int anio) {
    return QStringLiteral(
               "select mes, porcentaje from staff_pronostico where empresa=%1 and "
               "idstaffing=%2 and anio=%3 order by mes")
        .arg(Clave(empresa), Clave(staffing), Anio(anio));
}

namespace {

QString PorcentajeEnSql(int decimas) {
    if (decimas < 0 || decimas > kDecimasMaximas)
        throw ado::Error(kOperacion, kPorcentajeInvalido);
    return DecimalPorcentaje(decimas);
}

// The year's rows of one plan.
QString DelAnio(const QString& e, const QString& s, const QString& a) {
    return QStringLiteral(" where empresa=%1 and idstaffing=%2 and anio=%3").arg(e, s, a);
}

// The insert of the months that have a forecast; empty when none has.
QString InsertaMeses(const QString& e, const QString& s, const QString& a, const Meses& meses) {
    QStringList valores;
    for (int m = 0; m < kMeses; ++m) {
        if (const std::optional<int> d = meses[static_cast<std::size_t>(m)])
            valores << QStringLiteral("(%1, %2, %3, %4, %5)")
                           .arg(e, s, a, QString::number(m + 1), PorcentajeEnSql(*d));
    }
    if (valores.isEmpty())
        return {};
    return QStringLiteral(
               "insert into staff_pronostico (empresa, idstaffing, anio, mes, porcentaje) "
               "values ") +
           valores.join(QStringLiteral(", "));
}

}  // namespace

QString SqlGuardaPronostico(const QString& empresa, const QString& staffing, int anio,
                            const Meses& meses) {
    const QString e = Clave(empresa);
    const QString s = Clave(staffing);
    const QString a = Anio(anio);
    const QString inserta = InsertaMeses(e, s, a, meses);
    QStringList sentencias = {QStringLiteral("delete from staff_pronostico") + DelAnio(e, s, a)};
    if (!inserta.isEmpty())
        sentencias << inserta;
    return EnTransaccion(sentencias);
}

QString SqlReemplazaPronostico(const QString& empresa, const QString& staffing, int anio,
                               const Meses& antes, const Meses& despues) {
    const QString e = Clave(empresa);
    const QString s = Clave(staffing);
    const QString a = Anio(anio);
    const QString inserta = InsertaMeses(e, s, a, despues);
    QStringList leidos;  // the rows the preview read, each by its month and figure
    for (int m = 0; m < kMeses; ++m) {
        if (const std::optional<int> d = antes[static_cast<std::size_t>(m)])
            leidos << QStringLiteral("(mes=%1 and porcentaje=%2)")
                          .arg(QString::number(m + 1), PorcentajeEnSql(*d));
    }
    // The rows read are deleted by their figures (and so held by this transaction); any row
    // left, or a row missing, is someone else's save since the preview.
    QStringList sentencias = {QStringLiteral("declare @caducada int"),
                              QStringLiteral("set @caducada = 0")};
    if (!leidos.isEmpty())
        sentencias << QStringLiteral("delete from staff_pronostico") + DelAnio(e, s, a) +
                          QStringLiteral(" and (") + leidos.join(QStringLiteral(" or ")) +
                          QLatin1Char(')')
                   << QStringLiteral("if @@rowcount <> %1 set @caducada = 1").arg(leidos.size());
    sentencias << QStringLiteral("if exists (select * from staff_pronostico") + DelAnio(e, s, a) +
                      QStringLiteral(") set @caducada = 1");
    if (!inserta.isEmpty())
        sentencias << QStringLiteral("if @caducada = 0 ") + inserta;
    return QStringLiteral("set xact_abort on\nbegin transaction\n") +
           sentencias.join(QLatin1Char('\n')) +
           QStringLiteral(
               "\nif @caducada = 0 commit transaction else rollback transaction\nselect "
               "@caducada");
}

QString SqlPlan(const QString& empresa, const QString& staffing) {
    return QStringLiteral(
               "select nombre, tiposnomina from staffing where empresa=%1 and "
               "idstaffing=%2")
        .arg(Clave(empresa), Clave(staffing));
}

QString SqlEntradasPorcentaje(const QString& empresa, const QString& staffing) {
    return QStringLiteral(
               "select p.centro, p.idgrupo, p.ocupacion, c.nomdepto, t.actividad, t.garantia, "
               "%1 from staff_porcentaje p left join centros c on c.empresa=p.empresa and "
               "c.centro=p.centro left join tabulador t on t.empresa=p.empresa and "
               "t.ocupacion=p.ocupacion")
               .arg(Prefijadas(planeacion::ColumnasDe(planeacion::Tabla::Porcentaje))) +
           DelPlan(empresa, staffing) +
           QStringLiteral(" order by p.centro, p.ocupacion, p.idgrupo");
}

QString SqlPlantillaActual(const QString& empresa, const QString& staffing,
                           const QStringList& numerosNomina) {
    // The plan's cost centres and positions lead the joins, so only their payroll keys are
    // read (through the key of llaves), not the company's whole payroll.
    return QStringLiteral(
               "select p.centro, p.ocupacion, %1, %2 from (select distinct p.empresa, "
               "p.centro, p.ocupacion from staff_porcentaje p")
               .arg(reportes::kCuentaEmpleados, reportes::kSumaSueldos) +
           DelPlan(empresa, staffing) + QStringLiteral(") p") +
           reportes::SqlEmpleadosActuales(QStringLiteral("p"), numerosNomina) +
           QStringLiteral(" group by p.centro, p.ocupacion");
}

QString SqlEntradasMes(const QString& empresa, const QString& staffing) {
    return QStringLiteral("select p.centro, p.idgrupo, p.ocupacion, %1 from staff_mes p")
               .arg(Prefijadas(planeacion::ColumnasDe(planeacion::Tabla::Mes))) +
           DelPlan(empresa, staffing);
}

QString SqlAplicaPlanMensual(const QString& empresa, const QString& staffing,
                             const std::vector<EntradaMes>& agregar,
                             const std::vector<EntradaMes>& reemplazar) {
    const QString e = Clave(empresa);
    const QString s = Clave(staffing);
    const QStringList& columnas = planeacion::ColumnasDe(planeacion::Tabla::Mes);
    QStringList sentencias;
    // SQL Server takes at most 1,000 rows in one VALUES list.
    constexpr std::size_t kFilasPorInsert = 500;
    for (std::size_t i = 0; i < agregar.size(); i += kFilasPorInsert) {
        QStringList filas;
        for (std::size_t j = i; j < std::min(agregar.size(), i + kFilasPorInsert); ++j) {
            const EntradaMes& x = agregar[j];
            QStringList v = {e, s, QString::number(x.grupo), SqlLiteral(x.centro),
                             QString::number(x.ocupacion)};
            for (int cifra : x.cifras)
                v << Figura(cifra);
            filas << QLatin1Char('(') + v.join(QStringLiteral(", ")) + QLatin1Char(')');
        }
        sentencias << QStringLiteral(
                          "insert into staff_mes (empresa, idStaffing, idgrupo, centro, "
                          "ocupacion, %1) values ")
                              .arg(columnas.join(QStringLiteral(", "))) +
                          filas.join(QStringLiteral(", "));
    }
    for (const EntradaMes& x : reemplazar) {
        QStringList asignaciones;
        for (int m = 0; m < kMeses; ++m)
            asignaciones << columnas[m] + QLatin1Char('=') +
                                Figura(x.cifras[static_cast<std::size_t>(m)]);
        sentencias << QStringLiteral(
                          "update staff_mes set %1 where empresa=%2 and idStaffing=%3 and "
                          "idgrupo=%4 and centro=%5 and ocupacion=%6")
                          .arg(asignaciones.join(QStringLiteral(", ")), e, s,
                               QString::number(x.grupo), SqlLiteral(x.centro),
                               QString::number(x.ocupacion));
    }
    return EnTransaccion(sentencias);
}

}  // namespace pronostico
