#pragma once

// A workbook written by the test itself with libxlsxwriter, as another spreadsheet program
// would leave it: any sheets, texts or numbers in any cell.

#include <QFile>
#include <QString>
#include <QStringList>

#include <xlsxwriter.h>

#include <gtest/gtest.h>

#include <vector>

class LibroPrueba {
  public:
    // In constant-memory mode the texts are written inline instead of in the shared table.
    LibroPrueba(const QString& ruta, bool memoriaConstante) {
        lxw_workbook_options o{};
        o.constant_memory = memoriaConstante ? LXW_TRUE : LXW_FALSE;
        m_libro = workbook_new_opt(QFile::encodeName(ruta).constData(), &o);
    }
    // Rows from row 1 on; with `numeros`, a cell that reads as a number is stored as one.
    void Hoja(const QString& nombre, const std::vector<QStringList>& filas, bool numeros = false) {
        lxw_worksheet* h = workbook_add_worksheet(m_libro, nombre.toUtf8().constData());
        for (std::size_t r = 0; r < filas.size(); ++r) {
            for (qsizetype c = 0; c < filas[r].size(); ++c) {
                bool esNumero = false;
                const double v = filas[r][c].toDouble(&esNumero);
                if (numeros && esNumero)
                    worksheet_write_number(h, r, c, v, nullptr);
                else if (!filas[r][c].isEmpty())
                    worksheet_write_string(h, r, c, filas[r][c].toUtf8().constData(), nullptr);
            }
        }
    }
    void Cierra() { ASSERT_EQ(workbook_close(m_libro), LXW_NO_ERROR); }

  private:
    lxw_workbook* m_libro = nullptr;
};
