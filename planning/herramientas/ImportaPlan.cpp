#include "planning/herramientas/ImportaPlan.h"

#include <QHash>
#include <QSet>

#include <map>
#include <optional>

namespace planeacion {

const QString kVistaCaducada = QStringLiteral(
    "Los datos cambiaron desde la vista previa: alguien más los guardó mientras tanto. No se "
    "escribió nada; haga la vista previa de nuevo.");

namespace {

// A whole number as a cell holds it: digits, optionally followed by a point and zeros (a
// spreadsheet may store 3 as 3.0); at most 15 digits.
std::optional<qint64> Entero(const QString& celda) {
    const QString t = celda.trimmed();
    qsizetype fin = t.indexOf(u'.');
    if (fin < 0)
        fin = t.size();
    if (fin == 0 || fin > 15)
        return std::nullopt;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (i < fin ? !(c >= u'0' && c <= u'9') : (i > fin && c != u'0'))
            return std::nullopt;
    }
    return t.left(fin).toLongLong();
}

// A cell's text for a message: control characters as blanks, long text shortened.
QString Muestra(const QString& celda) {
    QString s = celda.trimmed().left(40);
    for (QChar& c : s) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return celda.trimmed().size() > 40 ? s + QStringLiteral("…") : s;
}

QSet<QString> Claves(const std::vector<ElementoCatalogo>& elementos) {
    QSet<QString> s;
    for (const ElementoCatalogo& e : elementos)
        s.insert(e.clave);
    return s;
}

QString Unidos(const std::vector<int>& cifras) {
    QStringList l;
    for (int c : cifras)
        l << QString::number(c);
    return l.join(u',');
}

// A data row, once read against the headings and the catalogues.
struct FilaRevisada {
    int linea = 0;
    std::optional<ClaveEntrada> clave;  // when centre, group and position are the company's
    std::vector<int> cifras;
    QStringList motivos;
};

bool EnBlanco(const FilaLeida& f) {
    for (const QString& c : f.celdas) {
        if (!c.trimmed().isEmpty())
            return false;
    }
    return true;
}

class RevisorHoja {
  public:
    RevisorHoja(const HojaLeida& hoja, const Catalogos& catalogos)
        : m_hoja(hoja),
          m_centros(Claves(catalogos.centros)),
          m_grupos(Claves(catalogos.grupos)),
          m_puestos(Claves(catalogos.puestos)) {
        const QStringList necesarios =
            QStringList{QStringLiteral("centro"), QStringLiteral("grupo"),
                        QStringLiteral("puesto")} +
            EncabezadosCifras(hoja.tabla);
        QHash<QString, int> posicion;
        if (!hoja.filas.empty()) {
            const QStringList& enc = hoja.filas.front().celdas;
            for (qsizetype i = enc.size() - 1; i >= 0; --i)
                posicion.insert(enc.at(i).trimmed().toLower(), static_cast<int>(i));
        }
        for (const QString& n : necesarios) {
            const auto p = posicion.constFind(n.toLower());
            if (p == posicion.constEnd())
                m_faltantes << n;
            m_columnas << (p == posicion.constEnd() ? -1 : *p);
        }
    }

    // Whether every heading is there; without one no row can be read.
    bool Completa() const { return m_faltantes.isEmpty(); }
    QString MotivoFaltantes() const {
        return (m_faltantes.size() == 1 ? QStringLiteral("falta la columna ")
                                        : QStringLiteral("faltan las columnas ")) +
               m_faltantes.join(QStringLiteral(", "));
    }

    FilaRevisada Revisa(const FilaLeida& f) const {
        FilaRevisada r;
        r.linea = f.linea;
        const auto celda = [&](int i) { return f.celdas.value(m_columnas.at(i)); };
        const QString centro = celda(0).trimmed();
        const QString grupo = celda(1).trimmed();
        const QString puesto = celda(2).trimmed();
        const std::optional<qint64> g = Entero(grupo);
        const std::optional<qint64> p = Entero(puesto);
        if (!m_centros.contains(centro))
            r.motivos << QStringLiteral("centro desconocido: '%1'").arg(Muestra(centro));
        if (!g || !m_grupos.contains(QString::number(*g)))
            r.motivos << QStringLiteral("grupo desconocido: '%1'").arg(Muestra(grupo));
        if (!p || !m_puestos.contains(QString::number(*p)))
            r.motivos << QStringLiteral("puesto desconocido: '%1'").arg(Muestra(puesto));
        if (r.motivos.isEmpty())
            r.clave = ClaveEntrada{centro, *g, *p};
        const QStringList& encabezados = EncabezadosCifras(m_hoja.tabla);
        for (int i = 0; i < encabezados.size(); ++i) {
            const QString texto = celda(3 + i);
            const std::optional<qint64> v =
                texto.trimmed().isEmpty() ? std::optional<qint64>(0) : Entero(texto);
            if (!v || *v > kCifraMaxima) {
                r.motivos << QStringLiteral(
                                 "cifra no válida en %1: '%2' (un número entero de 0 a "
                                 "99,999)")
                                 .arg(encabezados.at(i), Muestra(texto));
                r.cifras.push_back(0);
            } else {
                r.cifras.push_back(static_cast<int>(*v));
            }
        }
        return r;
    }

  private:
    const HojaLeida& m_hoja;
    QSet<QString> m_centros, m_grupos, m_puestos;
    QStringList m_faltantes;
    QList<int> m_columnas;  // of centro, grupo, puesto, then the figures
};

void RevisaHoja(const HojaLeida& hoja, const EntradasPlan& actuales, const Catalogos& catalogos,
                VistaPrevia& v) {
    const RevisorHoja revisor(hoja, catalogos);
    if (hoja.filas.empty()) {
        v.rechazados.push_back({hoja.tabla, 1, revisor.MotivoFaltantes()});
        return;
    }
    std::vector<FilaRevisada> filas;
    for (std::size_t i = 1; i < hoja.filas.size(); ++i) {
        if (EnBlanco(hoja.filas[i]))
            continue;
        if (!revisor.Completa()) {
            v.rechazados.push_back({hoja.tabla, hoja.filas[i].linea, revisor.MotivoFaltantes()});
            continue;
        }
        filas.push_back(revisor.Revisa(hoja.filas[i]));
    }
    if (!revisor.Completa()) {
        if (filas.empty() && hoja.filas.size() == 1)
            v.rechazados.push_back(
                {hoja.tabla, hoja.filas.front().linea, revisor.MotivoFaltantes()});
        return;  // a sheet that cannot be read names no entry, so none counts as absent
    }

    std::map<ClaveEntrada, QList<int>> lineas;
    for (const FilaRevisada& f : filas) {
        if (f.clave)
            lineas[*f.clave] << f.linea;
    }
    std::map<ClaveEntrada, const std::vector<int>*> existentes;
    for (const EntradaClave& e : actuales.De(hoja.tabla))
        existentes[e.clave] = &e.cifras;

    for (FilaRevisada& f : filas) {
        if (f.clave) {
            const QList<int>& en = lineas[*f.clave];
            if (en.size() > 1) {
                QStringList l;
                for (int n : en)
                    l << QString::number(n);
                f.motivos << QStringLiteral("la misma entrada está en las líneas ") +
                                 l.join(QStringLiteral(", "));
            }
        }
        if (!f.motivos.isEmpty()) {
            v.rechazados.push_back({hoja.tabla, f.linea, f.motivos.join(QStringLiteral("; "))});
            continue;
        }
        FilaNueva fila{hoja.tabla, f.linea, EntradaClave{*f.clave, f.cifras}};
        const auto e = existentes.find(*f.clave);
        if (e == existentes.end())
            v.agregar.push_back(std::move(fila));
        else if (*e->second == f.cifras)
            v.sinCambio.push_back(std::move(fila));
        else
            v.cambiar.push_back({hoja.tabla, f.linea, *f.clave, *e->second, f.cifras});
    }
    for (const auto& [clave, cifras] : existentes) {
        if (!lineas.contains(clave))
            v.ausentes.push_back({hoja.tabla, clave, *cifras});
    }
}

}  // namespace

VistaPrevia CalculaVistaPrevia(const std::vector<HojaLeida>& hojas, const EntradasPlan& actuales,
                               const Catalogos& catalogos) {
    VistaPrevia v;
    for (const HojaLeida& hoja : hojas)
        RevisaHoja(hoja, actuales, catalogos, v);
    return v;
}

QString DescribeClave(const ClaveEntrada& c) {
    return QStringLiteral("centro %1, grupo %2, puesto %3")
        .arg(c.centro)
        .arg(c.grupo)
        .arg(c.puesto);
}

QString Resumen(const VistaPrevia& v) {
    return QStringLiteral("agregados=%1 cambiados=%2 sin_cambio=%3 rechazados=%4")
        .arg(v.agregar.size())
        .arg(v.cambiar.size())
        .arg(v.sinCambio.size())
        .arg(v.rechazados.size());
}

std::vector<FilaVista> FilasVistaPrevia(const VistaPrevia& v, bool conAusentes, bool conSinCambio) {
    std::vector<FilaVista> filas;
    for (const FilaNueva& f : v.agregar) {
        filas.push_back({NombreHoja(f.tabla), f.linea, QStringLiteral("agregar"),
                         DescribeClave(f.entrada.clave), Unidos(f.entrada.cifras)});
    }
    for (const CambioEntrada& c : v.cambiar) {
        QStringList cambios;
        const QStringList& enc = EncabezadosCifras(c.tabla);
        for (std::size_t i = 0; i < c.despues.size() && i < c.antes.size(); ++i) {
            if (c.antes[i] != c.despues[i])
                cambios << QStringLiteral("%1: %2 → %3")
                               .arg(enc.at(static_cast<qsizetype>(i)))
                               .arg(c.antes[i])
                               .arg(c.despues[i]);
        }
        filas.push_back({NombreHoja(c.tabla), c.linea, QStringLiteral("cambiar"),
                         DescribeClave(c.clave), cambios.join(QStringLiteral(", "))});
    }
    if (conSinCambio) {
        for (const FilaNueva& f : v.sinCambio) {
            filas.push_back({NombreHoja(f.tabla), f.linea, QStringLiteral("sin cambio"),
                             DescribeClave(f.entrada.clave), Unidos(f.entrada.cifras)});
        }
    }
    for (const Rechazo& r : v.rechazados)
        filas.push_back({NombreHoja(r.tabla), r.linea, QStringLiteral("rechazar"), {}, r.motivo});
    if (conAusentes) {
        for (const Ausente& a : v.ausentes)
            filas.push_back(
                {NombreHoja(a.tabla), 0, QStringLiteral("eliminar"), DescribeClave(a.clave), {}});
    }
    return filas;
}

QStringList LineasVistaPrevia(const VistaPrevia& v, bool conAusentes) {
    QStringList lineas;
    for (const FilaVista& f : FilasVistaPrevia(v, conAusentes, false)) {
        QStringList partes{f.linea > 0
                               ? QStringLiteral("%1 %2 línea %3").arg(f.accion, f.hoja).arg(f.linea)
                               : QStringLiteral("%1 %2").arg(f.accion, f.hoja)};
        if (!f.entrada.isEmpty())
            partes << f.entrada;
        if (!f.detalle.isEmpty() || f.accion == u"cambiar" || f.accion == u"agregar")
            partes << f.detalle;
        lineas << partes.join(QStringLiteral(": "));
    }
    lineas << Resumen(v);
    return lineas;
}

QString ResumenEnPalabras(const VistaPrevia& v, bool conAusentes) {
    QString s = QStringLiteral("Agregar: %1    Cambiar: %2    Sin cambio: %3    Rechazadas: %4")
                    .arg(v.agregar.size())
                    .arg(v.cambiar.size())
                    .arg(v.sinCambio.size())
                    .arg(v.rechazados.size());
    if (conAusentes)
        s += QStringLiteral("    Eliminar: %1").arg(v.ausentes.size());
    return s;
}

std::optional<QString> PreguntaAntesDeAplicar(const VistaPrevia& v) {
    if (v.rechazados.empty())
        return std::nullopt;
    return QStringLiteral(
               "El archivo tiene %1 filas rechazadas, que no se escribirán. ¿Aplicar solo las "
               "filas válidas?")
        .arg(v.rechazados.size());
}

}  // namespace planeacion
