#pragma once

// The test database as the program reaches it: config.ini pointing at a folder of databases
// inside the test's working directory, holding a copy of the test database
// (tests/support/TestDatabase.h), and statements run through the connection class.

#include "data/clsConexion.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestDatabase.h"
#include "ui/TIni.h"

#include <QDate>
#include <QDir>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace prueba {

inline const QString kCarpetaBases = QStringLiteral("bases");
inline const QString kBase = QStringLiteral("nomina");

// config.ini for the embedded engine: SERVER is the folder of databases.
inline void ConfiguraMotor(const QString& bd) {
    QDir().mkpath(kCarpetaBases);
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("MOTOR"), QStringLiteral("SQLITE"));
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("SERVER"),
               QDir(kCarpetaBases).absolutePath());
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("BD"), bd);
}

// Runs statements on the database that config.ini names.
inline void Ejecuta(const QStringList& sentencias) {
    clsConexion cnx;
    ASSERT_NE(cnx.Conexion(), nullptr);
    for (const QString& sql : sentencias)
        cnx.Ejecuta(sql);
}

// Places a copy of the test database of that kind in the folder as `bd` and leaves
// config.ini pointing at it.
inline void CopiaBase(const QString& bd, TestData datos = TestData::Schema) {
    ConfiguraMotor(bd);
    CopyTestDatabase(datos, QDir(kCarpetaBases).absolutePath(), bd);
}

// A date-time literal `dias` days from today at the given time of day.
inline QString Fecha(int dias, const QString& hora = QStringLiteral("12:00:00")) {
    return QLatin1Char('\'') + QDate::currentDate().addDays(dias).toString(Qt::ISODate) +
           QLatin1Char(' ') + hora + QLatin1Char('\'');
}

// Each test in its own working directory with a fresh copy of the schema's tables.
class BaseUsuariosTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        CopiaBase(kBase);
    }

    // The single policy row; rotacion is stored as text, as the payroll keeps it.
    static void Politica(int vigencia, int longitud, int rotacion, int numeros, int aviso) {
        Ejecuta({QStringLiteral("insert into ctrl_usuarios values (%1, %2, '%3', %4, %5)")
                     .arg(vigencia)
                     .arg(longitud)
                     .arg(rotacion)
                     .arg(numeros)
                     .arg(aviso)});
    }
};

}  // namespace prueba

namespace prueba {

// The first column of every row of `sql`, as text.
inline QStringList Columna(const QString& sql) {
    clsConexion cnx;
    QStringList valores;
    ado::Recordset rs;
    rs.Open(sql, cnx.Conexion());
    for (; !rs.Eof(); rs.MoveNext())
        valores << rs.Fields(0).Value.toText();
    return valores;
}

inline ado::Value Valor(const QString& sql) {
    clsConexion cnx;
    ado::Recordset rs;
    rs.Open(sql, cnx.Conexion());
    return rs.Eof() ? ado::Value() : rs.Fields(0).Value;
}

}  // namespace prueba
