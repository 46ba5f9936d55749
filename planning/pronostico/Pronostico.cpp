#include "planning/pronostico/Pronostico.h"

#include "ado/Connection.h"
#include "planning/pronostico/ConsultasPronostico.h"

namespace pronostico {

const QString kPorcentajeInvalido = QStringLiteral(
    "El pronóstico debe ser un porcentaje de 0 a 100 con un decimal a lo más (por ejemplo 62,5)");

const QStringList& NombresMeses() {
    static const QStringList nombres = {"Enero",      "Febrero", "Marzo",     "Abril",
                                        "Mayo",       "Junio",   "Julio",     "Agosto",
                                        "Septiembre", "Octubre", "Noviembre", "Diciembre"};
    return nombres;
}

namespace {

bool Digito(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A whole number of at most `maximo` ASCII digits; nothing for anything else.
std::optional<int> Digitos(QStringView t, int maximo) {
    if (t.isEmpty() || t.size() > maximo)
        return std::nullopt;
    int n = 0;
    for (QChar c : t) {
        if (!Digito(c))
            return std::nullopt;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

QString Muestra(const QString& texto) {
    QString t = texto.left(30);
    for (QChar& c : t)
        if (c.unicode() < 0x20)
            c = u' ';
    return texto.size() > 30 ? t + QStringLiteral("...") : t;
}

}  // namespace

Lectura LeePorcentaje(QStringView texto) {
    QStringView t = texto.trimmed();
    if (t.isEmpty())
        return {true, std::nullopt, {}};
    if (t.endsWith(u'%'))
        t = t.chopped(1).trimmed();
    const qsizetype separador = [&] {
        for (qsizetype i = 0; i < t.size(); ++i)
            if (t[i] == u',' || t[i] == u'.')
                return i;
        return qsizetype(-1);
    }();
    const QStringView entero = separador < 0 ? t : t.left(separador);
    const QStringView decimal = separador < 0 ? QStringView() : t.mid(separador + 1);
    const std::optional<int> e = Digitos(entero, 3);
    const std::optional<int> d = separador < 0 ? std::optional<int>(0) : Digitos(decimal, 1);
    if (!e || !d)
        return {false, std::nullopt, kPorcentajeInvalido};
    const int decimas = *e * 10 + *d;
    if (decimas > kDecimasMaximas)
        return {false, std::nullopt, kPorcentajeInvalido};
    return {true, decimas, {}};
}

QString TextoPorcentaje(std::optional<int> decimas) {
    if (!decimas)
        return {};
    if (*decimas % 10 == 0)
        return QString::number(*decimas / 10);
    return QStringLiteral("%1,%2").arg(*decimas / 10).arg(*decimas % 10);
}

QString DecimalPorcentaje(int decimas) {
    return QStringLiteral("%1.%2").arg(decimas / 10).arg(decimas % 10);
}

std::optional<int> LeeAnio(QStringView texto) {
    const std::optional<int> a = Digitos(texto.trimmed(), 4);
    if (!a || *a < kAnioMinimo || *a > kAnioMaximo)
        return std::nullopt;
    return a;
}

std::optional<int> LeeMes(QStringView texto) {
    const QStringView t = texto.trimmed();
    if (const std::optional<int> n = Digitos(t, 2))
        return *n >= 1 && *n <= kMeses ? n : std::nullopt;
    for (int m = 0; m < kMeses; ++m)
        if (NombresMeses()[m].compare(t, Qt::CaseInsensitive) == 0)
            return m + 1;
    return std::nullopt;
}

VistaImportacion PreparaImportacion(const std::vector<QStringList>& filas, const Meses& actual) {
    std::vector<planeacion::FilaLeida> numeradas;
    for (const QStringList& f : filas)
        numeradas.push_back({static_cast<int>(numeradas.size()) + 1, f});
    return PreparaImportacion(numeradas, actual);
}

VistaImportacion PreparaImportacion(const std::vector<planeacion::FilaLeida>& filas,
                                    const Meses& actual) {
    VistaImportacion v;
    v.resultado = actual;
    std::array<bool, kMeses> visto{};
    for (std::size_t i = 0; i < filas.size(); ++i) {
        const QStringList& f = filas[i].celdas;
        const QString mes = f.value(0).trimmed();
        const QString ocupacion = f.value(1).trimmed();
        const int numero = filas[i].linea;
        if (i == 0 && mes.compare(u"mes", Qt::CaseInsensitive) == 0)
            continue;
        bool vacia = true;
        for (const QString& celda : f)
            vacia = vacia && celda.trimmed().isEmpty();
        if (vacia)
            continue;
        const auto error = [&](const QString& texto) {
            v.errores << QStringLiteral("Fila %1: %2").arg(numero).arg(texto);
        };
        const std::optional<int> m = LeeMes(mes);
        if (!m) {
            error(QStringLiteral("el mes \"%1\" no es de 1 a 12").arg(Muestra(mes)));
            continue;
        }
        if (visto[static_cast<std::size_t>(*m - 1)]) {
            error(QStringLiteral("%1 ya estaba en una fila anterior").arg(NombresMeses()[*m - 1]));
            continue;
        }
        visto[static_cast<std::size_t>(*m - 1)] = true;
        const Lectura l = LeePorcentaje(ocupacion);
        if (!l.valida || !l.decimas) {
            error(QStringLiteral("la ocupación \"%1\" de %2 no vale. %3")
                      .arg(Muestra(ocupacion), NombresMeses()[*m - 1], kPorcentajeInvalido));
            continue;
        }
        auto& destino = v.resultado[static_cast<std::size_t>(*m - 1)];
        if (destino != l.decimas)
            v.cambios.push_back({*m - 1, destino, *l.decimas});
        destino = l.decimas;
    }
    if (!v.errores.isEmpty())
        v.resultado = actual;
    return v;
}

Meses AlmacenPronostico::Lee(const QString& empresa, const QString& staffing, int anio) {
    Meses meses{};
    const auto filas =
        m_cn.engine("Recordset.Open").query(SqlLeePronostico(empresa, staffing, anio)).rows;
    for (const auto& f : filas) {
        const auto mes = f.at(0).toInt();
        if (mes < 1 || mes > kMeses)
            continue;  // a row written by hand outside the months: not a month of the year
        meses[static_cast<std::size_t>(mes - 1)] = DecimasDe(f.at(1));
    }
    return meses;
}

void AlmacenPronostico::Guarda(const QString& empresa, const QString& staffing, int anio,
                               const Meses& meses) {
    m_cn.Execute(SqlGuardaPronostico(empresa, staffing, anio, meses));
}

bool AlmacenPronostico::Reemplaza(const QString& empresa, const QString& staffing, int anio,
                                  const Meses& antes, const Meses& despues) {
    const ado::ResultSet r =
        m_cn.engine("Connection.Execute")
            .query(SqlReemplazaPronostico(empresa, staffing, anio, antes, despues));
    return !r.rows.empty() && !r.rows.front().empty() && r.rows.front().front().toInt() == 0;
}

}  // namespace pronostico
