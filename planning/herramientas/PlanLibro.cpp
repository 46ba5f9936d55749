#include "planning/herramientas/PlanLibro.h"

#include "ui/Cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QXmlStreamReader>

#include <xlsxwriter.h>
#include <zip.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace planeacion {

namespace {

// The parts of a workbook read here are small XML files; anything far larger is not a plan.
constexpr zip_uint64_t kParteMaxima = 512ull * 1024 * 1024;

[[noreturn]] void NoSeEscribe(const QString& ruta, const QString& motivo) {
    throw ErrorArchivo{QStringLiteral("No se pudo escribir el archivo %1: %2").arg(ruta, motivo)};
}
[[noreturn]] void NoSeLee(const QString& ruta, const QString& motivo) {
    throw ErrorArchivo{QStringLiteral("No se pudo leer el archivo %1: %2").arg(ruta, motivo)};
}

// Names of the catalogues' items by key.
using Nombres = QHash<QString, QString>;
Nombres PorClave(const std::vector<ElementoCatalogo>& elementos) {
    Nombres n;
    for (const ElementoCatalogo& e : elementos)
        n.insert(e.clave, e.nombre);
    return n;
}

struct NombresCatalogos {
    Nombres centros, grupos, puestos;
    explicit NombresCatalogos(const Catalogos& c)
        : centros(PorClave(c.centros)), grupos(PorClave(c.grupos)), puestos(PorClave(c.puestos)) {}
};

// ---- workbook writing

struct CierraLibro {
    void operator()(lxw_workbook* wb) const { workbook_close(wb); }
};

class Libro {
  public:
    explicit Libro(const QString& ruta) : m_ruta(ruta), m_temporal(ruta + QStringLiteral(".part")) {
        m_libro.reset(workbook_new(QFile::encodeName(m_temporal).constData()));
        if (!m_libro)
            NoSeEscribe(m_ruta, QStringLiteral("no se pudo crear el libro"));
        m_encabezado = workbook_add_format(m_libro.get());
        format_set_bold(m_encabezado);
    }
    lxw_worksheet* Hoja(const QString& nombre) {
        return workbook_add_worksheet(m_libro.get(), nombre.toUtf8().constData());
    }
    void Encabezados(lxw_worksheet* hoja, lxw_col_t desde, const QStringList& textos) {
        for (qsizetype c = 0; c < textos.size(); ++c)
            Texto(hoja, 0, desde + static_cast<lxw_col_t>(c), textos.at(c), m_encabezado);
    }
    static void Texto(lxw_worksheet* hoja, lxw_row_t fila, lxw_col_t col, const QString& texto,
                      lxw_format* formato = nullptr) {
        worksheet_write_string(hoja, fila, col, texto.toUtf8().constData(), formato);
    }
    // Closes the workbook and puts it in place of the target.
    void Termina() {
        const lxw_error e = workbook_close(m_libro.release());
        if (e != LXW_NO_ERROR) {
            QFile::remove(m_temporal);
            NoSeEscribe(m_ruta, QString::fromUtf8(lxw_strerror(e)));
        }
        QFile::remove(m_ruta);
        if (!QFile::rename(m_temporal, m_ruta)) {
            QFile::remove(m_temporal);
            NoSeEscribe(m_ruta, QStringLiteral("no se pudo reemplazar el archivo"));
        }
    }

  private:
    QString m_ruta;
    QString m_temporal;
    std::unique_ptr<lxw_workbook, CierraLibro> m_libro;
    lxw_format* m_encabezado = nullptr;
};

void HojaEntradas(Libro& libro, Tabla tabla, const std::vector<EntradaClave>& entradas,
                  const NombresCatalogos& nombres) {
    lxw_worksheet* hoja = libro.Hoja(NombreHoja(tabla));
    const QStringList encabezados = EncabezadosHoja(tabla);
    libro.Encabezados(hoja, 0, encabezados);
    worksheet_freeze_panes(hoja, 1, 6);
    worksheet_set_column(hoja, 0, 0, 10, nullptr);
    worksheet_set_column(hoja, 1, 1, 28, nullptr);
    worksheet_set_column(hoja, 2, 2, 8, nullptr);
    worksheet_set_column(hoja, 3, 3, 24, nullptr);
    worksheet_set_column(hoja, 4, 4, 8, nullptr);
    worksheet_set_column(hoja, 5, 5, 28, nullptr);
    worksheet_set_column(hoja, 6, static_cast<lxw_col_t>(encabezados.size() - 1),
                         tabla == Tabla::Porcentaje ? 5 : 10, nullptr);
    lxw_row_t fila = 1;
    for (const EntradaClave& e : entradas) {
        const QString grupo = QString::number(e.clave.grupo);
        const QString puesto = QString::number(e.clave.puesto);
        Libro::Texto(hoja, fila, 0, e.clave.centro);
        Libro::Texto(hoja, fila, 1, nombres.centros.value(e.clave.centro));
        worksheet_write_number(hoja, fila, 2, static_cast<double>(e.clave.grupo), nullptr);
        Libro::Texto(hoja, fila, 3, nombres.grupos.value(grupo));
        worksheet_write_number(hoja, fila, 4, static_cast<double>(e.clave.puesto), nullptr);
        Libro::Texto(hoja, fila, 5, nombres.puestos.value(puesto));
        for (std::size_t c = 0; c < e.cifras.size(); ++c)
            worksheet_write_number(hoja, fila, static_cast<lxw_col_t>(6 + c), e.cifras[c], nullptr);
        ++fila;
    }
    if (fila > 1)
        worksheet_autofilter(hoja, 0, 0, fila - 1, static_cast<lxw_col_t>(encabezados.size() - 1));
}

void HojaCatalogos(Libro& libro, const Catalogos& catalogos) {
    lxw_worksheet* hoja = libro.Hoja(kHojaCatalogos);
    const auto bloque = [&](lxw_col_t col, const QString& clave, const QString& nombre,
                            const std::vector<ElementoCatalogo>& elementos) {
        libro.Encabezados(hoja, col, {clave, nombre});
        worksheet_set_column(hoja, col, col, 10, nullptr);
        worksheet_set_column(hoja, col + 1, col + 1, 32, nullptr);
        lxw_row_t fila = 1;
        for (const ElementoCatalogo& e : elementos) {
            Libro::Texto(hoja, fila, col, e.clave);
            Libro::Texto(hoja, fila++, col + 1, e.nombre);
        }
    };
    bloque(0, QStringLiteral("centro"), QStringLiteral("nombre del centro"), catalogos.centros);
    bloque(3, QStringLiteral("grupo"), QStringLiteral("nombre del grupo"), catalogos.grupos);
    bloque(6, QStringLiteral("puesto"), QStringLiteral("nombre del puesto"), catalogos.puestos);
    worksheet_freeze_panes(hoja, 1, 0);
    worksheet_protect(hoja, nullptr, nullptr);
}

// ---- CSV

QString CampoCsv(const QString& texto) {
    if (!texto.contains(u',') && !texto.contains(u'"') && !texto.contains(u'\n') &&
        !texto.contains(u'\r') && !texto.contains(u';'))
        return texto;
    QString s = texto;
    s.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QChar Separador(const QString& texto) {
    int comas = 0, puntoYComa = 0, tabs = 0;
    bool comillas = false;
    for (QChar c : texto) {
        if (c == u'"')
            comillas = !comillas;
        else if (!comillas && (c == u'\n' || c == u'\r'))
            break;
        else if (!comillas)
            comas += c == u',', puntoYComa += c == u';', tabs += c == u'\t';
    }
    if (puntoYComa > comas && puntoYComa >= tabs)
        return u';';
    return tabs > comas ? QChar(u'\t') : QChar(u',');
}

// ---- workbook reading

struct CierraZip {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct CierraParte {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

class Zip {
  public:
    explicit Zip(const QString& ruta) : m_ruta(ruta) {
        int error = 0;
        m_zip.reset(zip_open(QFile::encodeName(ruta).constData(), ZIP_RDONLY, &error));
        if (!m_zip) {
            zip_error_t e;
            zip_error_init_with_code(&e, error);
            const QString motivo = error == ZIP_ER_NOZIP || error == ZIP_ER_INCONS
                                       ? QStringLiteral("no es un libro de Excel (.xlsx)")
                                       : QString::fromUtf8(zip_error_strerror(&e));
            zip_error_fini(&e);
            NoSeLee(ruta, motivo);
        }
    }
    // The bytes of one part; nothing when the workbook has no such part.
    std::optional<QByteArray> Parte(const QString& nombre) const {
        const zip_int64_t i =
            zip_name_locate(m_zip.get(), nombre.toUtf8().constData(), ZIP_FL_ENC_GUESS);
        if (i < 0)
            return std::nullopt;
        zip_stat_t st;
        if (zip_stat_index(m_zip.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0 ||
            !(st.valid & ZIP_STAT_SIZE) || st.size > kParteMaxima)
            NoSeLee(m_ruta, QStringLiteral("la parte %1 no se puede leer").arg(nombre));
        std::unique_ptr<zip_file_t, CierraParte> f(
            zip_fopen_index(m_zip.get(), static_cast<zip_uint64_t>(i), 0));
        if (!f)
            NoSeLee(m_ruta, QString::fromUtf8(zip_strerror(m_zip.get())));
        QByteArray bytes(static_cast<qsizetype>(st.size), Qt::Uninitialized);
        zip_int64_t leidos = 0;
        while (leidos < static_cast<zip_int64_t>(st.size)) {
            const zip_int64_t n = zip_fread(f.get(), bytes.data() + leidos,
                                            st.size - static_cast<zip_uint64_t>(leidos));
            if (n <= 0)
                NoSeLee(m_ruta, QStringLiteral("la parte %1 está dañada").arg(nombre));
            leidos += n;
        }
        return bytes;
    }

  private:
    QString m_ruta;
    std::unique_ptr<zip_t, CierraZip> m_zip;
};

void RevisaXml(const QXmlStreamReader& xml, const QString& ruta, const QString& parte) {
    if (xml.hasError())
        NoSeLee(ruta,
                QStringLiteral("la parte %1 no es XML válido (%2)").arg(parte, xml.errorString()));
}

// Every text of each <si>, phonetic runs left out.
QStringList TextosCompartidos(const QByteArray& bytes, const QString& ruta) {
    QStringList textos;
    QXmlStreamReader xml(bytes);
    QString actual;
    bool dentro = false;
    int fonetica = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"si") {
                dentro = true;
                actual.clear();
            } else if (xml.name() == u"rPh") {
                ++fonetica;
            } else if (xml.name() == u"t" && dentro && fonetica == 0) {
                actual += xml.readElementText();
            }
        } else if (xml.isEndElement()) {
            if (xml.name() == u"si") {
                textos << actual;
                dentro = false;
            } else if (xml.name() == u"rPh") {
                --fonetica;
            }
        }
    }
    RevisaXml(xml, ruta, QStringLiteral("xl/sharedStrings.xml"));
    return textos;
}

// The column of a cell reference ("AB12" -> 27), or -1.
int ColumnaDe(QStringView ref) {
    int col = 0;
    qsizetype i = 0;
    for (; i < ref.size() && ref[i].isLetter(); ++i) {
        const char16_t c = ref[i].toUpper().unicode();
        if (c < u'A' || c > u'Z' || col > 100000)
            return -1;
        col = col * 26 + (c - u'A' + 1);
    }
    return i == 0 ? -1 : col - 1;
}

// A number as the sheet stores it, written as a whole number when it is one, else with the
// fifteen significant figures a spreadsheet shows (a typed 62,3 may be stored as
// 62.299999999999997); a cell shown as a percentage in percent (0.625 shown as 62,5 % is
// 62.5).
QString Numero(const QString& v, bool porcentaje) {
    bool ok = false;
    const double d = v.toDouble(&ok) * (porcentaje ? 100 : 1);
    if (!ok || !std::isfinite(d))
        return v;
    if (std::floor(d) == d && std::fabs(d) < 1e15)
        return QString::number(static_cast<qint64>(d));
    return QString::number(d, 'g', 15);
}

// What the cells of a sheet refer to: the shared strings, and which cell styles show a
// number as a percentage (a spreadsheet stores 62,5 % as 0.625).
struct Referencias {
    QStringList compartidos;
    std::vector<bool> porcentaje;  // by style index
};

// The styles of xl/styles.xml whose number format is a percentage: the built-in 9 and 10,
// or a format of the workbook's own with a percent sign.
std::vector<bool> EstilosPorcentaje(const QByteArray& bytes, const QString& ruta) {
    QSet<QString> formatos{QStringLiteral("9"), QStringLiteral("10")};
    std::vector<bool> estilos;
    QXmlStreamReader xml(bytes);
    bool enCeldas = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"numFmt" &&
            xml.attributes().value(QLatin1String("formatCode")).contains(u'%'))
            formatos.insert(xml.attributes().value(QLatin1String("numFmtId")).toString());
        else if (xml.name() == u"cellXfs")
            enCeldas = xml.isStartElement();
        else if (enCeldas && xml.isStartElement() && xml.name() == u"xf")
            estilos.push_back(
                formatos.contains(xml.attributes().value(QLatin1String("numFmtId")).toString()));
    }
    RevisaXml(xml, ruta, QStringLiteral("xl/styles.xml"));
    return estilos;
}

std::vector<FilaLeida> FilasHoja(const QByteArray& bytes, const Referencias& referencias,
                                 const QString& ruta, const QString& parte) {
    const QStringList& compartidos = referencias.compartidos;
    std::vector<FilaLeida> filas;
    QXmlStreamReader xml(bytes);
    int siguienteFila = 1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"row")
            continue;
        FilaLeida fila;
        bool ok = false;
        const int r = xml.attributes().value(QLatin1String("r")).toInt(&ok);
        fila.linea = ok && r > 0 ? r : siguienteFila;
        siguienteFila = fila.linea + 1;
        int siguienteCol = 0;
        while (xml.readNextStartElement()) {
            if (xml.name() != u"c") {
                xml.skipCurrentElement();
                continue;
            }
            const QXmlStreamAttributes a = xml.attributes();
            int col = a.hasAttribute(QLatin1String("r")) ? ColumnaDe(a.value(QLatin1String("r")))
                                                         : siguienteCol;
            if (col < 0 || col > 16383)
                NoSeLee(ruta, QStringLiteral("referencia de celda no válida en %1").arg(parte));
            siguienteCol = col + 1;
            const QString tipo = a.value(QLatin1String("t")).toString();
            const auto estilo = a.value(QLatin1String("s")).toULongLong();
            const bool porcentaje = estilo < referencias.porcentaje.size() &&
                                    referencias.porcentaje[static_cast<std::size_t>(estilo)];
            QString valor;
            while (xml.readNextStartElement()) {
                if (xml.name() == u"v") {
                    valor = xml.readElementText();
                } else if (xml.name() == u"is") {
                    valor.clear();
                    while (xml.readNextStartElement()) {
                        if (xml.name() == u"t") {
                            valor += xml.readElementText();
                        } else if (xml.name() == u"r") {
                            while (xml.readNextStartElement()) {
                                if (xml.name() == u"t")
                                    valor += xml.readElementText();
                                else
                                    xml.skipCurrentElement();
                            }
                        } else {
                            xml.skipCurrentElement();
                        }
                    }
                } else {
                    xml.skipCurrentElement();
                }
            }
            if (tipo == u"s") {
                bool esIndice = false;
                const int i = valor.toInt(&esIndice);
                if (!esIndice || i < 0 || i >= compartidos.size())
                    NoSeLee(ruta, QStringLiteral("texto compartido inexistente en %1").arg(parte));
                valor = compartidos.at(i);
            } else if (tipo.isEmpty() || tipo == u"n") {
                valor = Numero(valor, porcentaje);
            }
            if (fila.celdas.size() <= col)
                fila.celdas.resize(col + 1);
            fila.celdas[col] = valor;
        }
        filas.push_back(std::move(fila));
    }
    RevisaXml(xml, ruta, parte);
    return filas;
}

// A sheet of the workbook: its name (trimmed, lower case) and its part.
struct ParteHoja {
    QString nombre;
    QString parte;
};

// The sheets in the workbook's order, from the workbook and its relationships.
std::vector<ParteHoja> PartesDeHojas(const Zip& zip, const QString& ruta) {
    const auto libro = zip.Parte(QStringLiteral("xl/workbook.xml"));
    const auto relaciones = zip.Parte(QStringLiteral("xl/_rels/workbook.xml.rels"));
    if (!libro || !relaciones)
        NoSeLee(ruta, QStringLiteral("no es un libro de Excel (.xlsx)"));
    QHash<QString, QString> destinos;
    QXmlStreamReader rels(*relaciones);
    while (!rels.atEnd()) {
        if (rels.readNext() == QXmlStreamReader::StartElement && rels.name() == u"Relationship")
            destinos.insert(rels.attributes().value(QLatin1String("Id")).toString(),
                            rels.attributes().value(QLatin1String("Target")).toString());
    }
    RevisaXml(rels, ruta, QStringLiteral("xl/_rels/workbook.xml.rels"));
    std::vector<ParteHoja> partes;
    QXmlStreamReader xml(*libro);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"sheet")
            continue;
        QString id;
        for (const QXmlStreamAttribute& at : xml.attributes()) {
            if (at.name() == u"id")  // r:id, whatever the prefix
                id = at.value().toString();
        }
        QString destino = destinos.value(id);
        if (destino.startsWith(u'/'))
            destino = destino.mid(1);
        else if (!destino.isEmpty())
            destino = QStringLiteral("xl/") + destino;
        partes.push_back(
            {xml.attributes().value(QLatin1String("name")).toString().trimmed().toLower(),
             destino});
    }
    RevisaXml(xml, ruta, QStringLiteral("xl/workbook.xml"));
    return partes;
}

// The rows of one sheet of the workbook.
std::vector<FilaLeida> FilasDe(const Zip& zip, const Referencias& referencias, const QString& ruta,
                               const ParteHoja& hoja) {
    const auto bytes = zip.Parte(hoja.parte);
    if (!bytes)
        NoSeLee(ruta, QStringLiteral("falta la hoja %1").arg(hoja.nombre));
    return FilasHoja(*bytes, referencias, ruta, hoja.parte);
}

Referencias ReferenciasDe(const Zip& zip, const QString& ruta) {
    Referencias r;
    if (const auto bytes = zip.Parte(QStringLiteral("xl/sharedStrings.xml")))
        r.compartidos = TextosCompartidos(*bytes, ruta);
    if (const auto bytes = zip.Parte(QStringLiteral("xl/styles.xml")))
        r.porcentaje = EstilosPorcentaje(*bytes, ruta);
    return r;
}

bool EsCsv(const QString& ruta) {
    return QFileInfo(ruta).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0;
}

QString TextoCsv(const QString& ruta) {
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        NoSeLee(ruta, archivo.errorString());
    return DecodeText(archivo.readAll()).text;
}

}  // namespace

QStringList EncabezadosHoja(Tabla tabla) {
    return QStringList{QStringLiteral("centro"), QStringLiteral("nombre del centro"),
                       QStringLiteral("grupo"),  QStringLiteral("nombre del grupo"),
                       QStringLiteral("puesto"), QStringLiteral("nombre del puesto")} +
           EncabezadosCifras(tabla);
}

void EscribeLibro(const QString& ruta, const EntradasPlan& entradas, const Catalogos& catalogos) {
    const NombresCatalogos nombres(catalogos);
    Libro libro(ruta);
    HojaEntradas(libro, Tabla::Porcentaje, entradas.porcentaje, nombres);
    HojaEntradas(libro, Tabla::Mes, entradas.mes, nombres);
    HojaCatalogos(libro, catalogos);
    libro.Termina();
}

void EscribeCsv(const QString& ruta, Tabla tabla, const std::vector<EntradaClave>& entradas,
                const Catalogos& catalogos) {
    const NombresCatalogos nombres(catalogos);
    QString texto = EncabezadosHoja(tabla).join(u',') + QStringLiteral("\r\n");
    for (const EntradaClave& e : entradas) {
        const QString grupo = QString::number(e.clave.grupo);
        const QString puesto = QString::number(e.clave.puesto);
        QStringList campos{e.clave.centro, nombres.centros.value(e.clave.centro),
                           grupo,          nombres.grupos.value(grupo),
                           puesto,         nombres.puestos.value(puesto)};
        for (QString& c : campos)
            c = CampoCsv(c);
        for (int c : e.cifras)
            campos << QString::number(c);
        texto += campos.join(u',') + QStringLiteral("\r\n");
    }
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly))
        NoSeEscribe(ruta, archivo.errorString());
    archivo.write(EncodeText(texto, TextEncoding::Utf8Bom));
    if (!archivo.commit())
        NoSeEscribe(ruta, archivo.errorString());
}

std::vector<FilaLeida> FilasCsv(const QString& texto) {
    const QChar sep = Separador(texto);
    std::vector<FilaLeida> filas;
    FilaLeida fila{1, {}};
    QString campo;
    int linea = 1;
    bool comillas = false, hayAlgo = false;
    const auto cierraCampo = [&] {
        fila.celdas << campo;
        campo.clear();
    };
    const auto cierraFila = [&] {
        cierraCampo();
        filas.push_back(std::move(fila));
        fila = FilaLeida{linea, {}};
        hayAlgo = false;
    };
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (comillas) {
            if (c == u'"') {
                if (i + 1 < texto.size() && texto.at(i + 1) == u'"') {
                    campo += u'"';
                    ++i;
                } else {
                    comillas = false;
                }
            } else {
                if (c == u'\n')
                    ++linea;
                campo += c;
            }
        } else if (c == u'"') {
            comillas = true;
            hayAlgo = true;
        } else if (c == sep) {
            cierraCampo();
            hayAlgo = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < texto.size() && texto.at(i + 1) == u'\n')
                ++i;
            ++linea;
            if (hayAlgo || !campo.isEmpty())
                cierraFila();
            else
                fila.linea = linea;  // a blank line is no row
        } else {
            campo += c;
            hayAlgo = true;
        }
    }
    if (hayAlgo || !campo.isEmpty())
        cierraFila();
    return filas;
}

HojaLeida LeeCsv(const QString& ruta) {
    HojaLeida hoja;
    hoja.filas = FilasCsv(TextoCsv(ruta));
    // The month entries are the ones whose headings name the months.
    const QString enero = EncabezadosCifras(Tabla::Mes).first().toLower();
    hoja.tabla = Tabla::Porcentaje;
    if (!hoja.filas.empty()) {
        for (const QString& c : hoja.filas.front().celdas) {
            if (c.trimmed().toLower() == enero)
                hoja.tabla = Tabla::Mes;
        }
    }
    return hoja;
}

std::vector<HojaLeida> LeeLibro(const QString& ruta) {
    if (!QFileInfo(ruta).isFile())
        NoSeLee(ruta, QStringLiteral("no existe"));
    const Zip zip(ruta);
    const std::vector<ParteHoja> partes = PartesDeHojas(zip, ruta);
    const Referencias referencias = ReferenciasDe(zip, ruta);
    std::vector<HojaLeida> hojas;
    for (Tabla t : {Tabla::Porcentaje, Tabla::Mes}) {
        const auto p = std::find_if(partes.begin(), partes.end(), [t](const ParteHoja& h) {
            return h.nombre == NombreHoja(t).toLower();
        });
        if (p != partes.end())
            hojas.push_back(HojaLeida{t, FilasDe(zip, referencias, ruta, *p)});
    }
    if (hojas.empty())
        NoSeLee(ruta, QStringLiteral("el libro no tiene la hoja Porcentaje ni la hoja Mes"));
    return hojas;
}

std::vector<HojaLeida> LeeArchivo(const QString& ruta) {
    if (EsCsv(ruta))
        return {LeeCsv(ruta)};
    return LeeLibro(ruta);
}

std::vector<FilaLeida> LeePrimeraHoja(const QString& ruta) {
    if (EsCsv(ruta))
        return FilasCsv(TextoCsv(ruta));
    if (!QFileInfo(ruta).isFile())
        NoSeLee(ruta, QStringLiteral("no existe"));
    const Zip zip(ruta);
    const std::vector<ParteHoja> partes = PartesDeHojas(zip, ruta);
    if (partes.empty())
        NoSeLee(ruta, QStringLiteral("el libro no tiene hojas"));
    return FilasDe(zip, ReferenciasDe(zip, ruta), ruta, partes.front());
}

}  // namespace planeacion
