#pragma once

// A payroll of known figures for the report tests, and readers for what the reports write:
// CSV parsed as RFC 4180, the text of a PDF through pdftotext, the cells of an XLSX sheet
// through unzip.

#include "reports/engine/Report.h"
#include "tests/support/BaseDePrueba.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <vector>

namespace prueba {

inline QString Definicion(const QString& archivo) {
    return QStringLiteral(OXTA_SOURCE_DIR "/reportes/") + archivo;
}

// Company 1 "Hotel Prueba" with two cost centres, three positions, two plans and one plan
// deleted whose entries remain; company 2 with an entry of its own. Run "K1" of the work
// table holds two rows of plan 1; run "K2" one row that no "K1" report may show.
class ReportesTest : public BaseUsuariosTest {
  protected:
    void SetUp() override {
        BaseUsuariosTest::SetUp();
        QStringList sql = {
            "insert into empresas (empresa, nombre_empresa) values (1, 'Hotel Prueba, S.A.')",
            "insert into empresas (empresa, nombre_empresa) values (2, 'Otra Empresa')",
            "insert into centros values (1, '100', 'Cocina')",
            "insert into centros values (1, '200', 'Recepción')",
            "insert into tabulador values (1, 10, 'Cocinero', 8000.50)",
            "insert into tabulador values (1, 20, 'Recepcionista', 9000)",
            "insert into tabulador values (1, 30, 'Botones', NULL)",
            "insert into staffing (empresa, nombre, tiposNomina) values (1, 'Plan A', 'S,Q')",
            "insert into staffing (empresa, nombre, tiposNomina) values (1, 'Plan B', 'M')",
            "insert into staffing (empresa, nombre, tiposNomina) values (2, 'Plan Otra', 'S')",
            "insert into staff_grupo (empresa, nombre) values (1, 'Operación')",
            // v5..v100 = 1..20 for the cook; 2 everywhere for the receptionist; the bellboy
            // only at 50 %.
            "insert into staff_porcentaje values (1, 1, 1, '100', 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, "
            "10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20)",
            "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, ocupacion, v5, "
            "v10, v15, v20, v25, v30, v35, v40, v45, v50, v55, v60, v65, v70, v75, v80, v85, v90, "
            "v95, v100) values (1, 2, 1, '200', 20, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, "
            "2, "
            "2, 2, 2, 2)",
            "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, ocupacion, v50) "
            "values (1, 1, 1, '100', 30, 3)",
            // A plan that was deleted: its entry is neither listed nor counted.
            "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, ocupacion, v50) "
            "values (1, 99, 1, '100', 20, 70)",
            "insert into staff_porcentaje (empresa, idStaffing, idgrupo, centro, ocupacion, v50) "
            "values (2, 3, 1, '100', 10, 50)",
            "insert into staff_reporte values ('K1', 1, '100', 10, 1, 1, 5, 3, 8000.50, 24001.50)",
            "insert into staff_reporte values ('K1', 1, '200', 20, 1, 1, 2, 4, 9000, 36000)",
            "insert into staff_reporte values ('K2', 1, '200', 30, 1, 1, 9, 9, 1, 1)",
        };
        Ejecuta(sql);
    }

    // A report of reportes/ with its parameters, read from the test's database.
    static report::Report Lee(const QString& archivo,
                              const std::vector<std::pair<QString, ado::Value>>& parametros) {
        report::Report r(Definicion(archivo));
        for (const auto& [nombre, valor] : parametros)
            r.setParameter(nombre, valor);
        r.read();
        return r;
    }
};

// RFC 4180 records (quoted fields, doubled quotes, CRLF).
inline std::vector<QStringList> LeeCsv(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    std::vector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            row << field;
            field.clear();
            rows.push_back(row);
            row.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

inline QString Salida(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QString TextoPdf(const QString& archivo) {
    return Salida(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), archivo, QStringLiteral("-")});
}

inline int PaginasPdf(const QString& archivo) {
    const QString info = Salida(QStringLiteral("pdfinfo"), {archivo});
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

inline QString ParteXlsx(const QString& archivo, const QString& parte) {
    return Salida(QStringLiteral("unzip"), {QStringLiteral("-p"), archivo, parte});
}

// The cells of the first sheet as text by reference ("A1" -> "centro"), shared strings
// resolved.
inline QHash<QString, QString> CeldasXlsx(const QString& archivo) {
    QStringList compartidas;
    const QString sst = ParteXlsx(archivo, QStringLiteral("xl/sharedStrings.xml"));
    static const QRegularExpression si(QStringLiteral("<si>.*?<t[^>]*>(.*?)</t>.*?</si>"),
                                       QRegularExpression::DotMatchesEverythingOption);
    for (auto it = si.globalMatch(sst); it.hasNext();)
        compartidas << it.next().captured(1);
    QHash<QString, QString> celdas;
    const QString hoja = ParteXlsx(archivo, QStringLiteral("xl/worksheets/sheet1.xml"));
    static const QRegularExpression c(
        QStringLiteral("<c r=\"([A-Z]+[0-9]+)\"([^>]*)>.*?<v>(.*?)</v>.*?</c>"));
    for (auto it = c.globalMatch(hoja); it.hasNext();) {
        const auto m = it.next();
        const bool compartida = m.captured(2).contains(QStringLiteral("t=\"s\""));
        celdas.insert(m.captured(1),
                      compartida ? compartidas.value(m.captured(3).toInt()) : m.captured(3));
    }
    return celdas;
}

// The formulas of the first sheet by reference ("D7" -> "SUBTOTAL(9,D6:D6)").
inline QHash<QString, QString> FormulasXlsx(const QString& archivo) {
    QHash<QString, QString> formulas;
    const QString hoja = ParteXlsx(archivo, QStringLiteral("xl/worksheets/sheet1.xml"));
    static const QRegularExpression f(QStringLiteral("<c r=\"([A-Z]+[0-9]+)\"[^>]*><f>(.*?)</f>"));
    for (auto it = f.globalMatch(hoja); it.hasNext();) {
        const auto m = it.next();
        formulas.insert(m.captured(1), m.captured(2));
    }
    return formulas;
}

}  // namespace prueba
