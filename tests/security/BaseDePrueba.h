#pragma once

// A security database on the embedded engine for the tests: config.ini pointing at a folder
// of databases inside the test's working directory, the database created through the
// server's catalogue, and the account, policy and profile tables.

#include "ado/SqlLiteral.h"
#include "ado/SqlScript.h"
#include "data/clsConexion.h"
#include "tests/support/TempDir.h"
#include "ui/TIni.h"

#include <QDate>
#include <QDir>
#include <QFile>
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

// Creates database `bd` through the catalogue and leaves config.ini pointing at it.
inline void CreaBase(const QString& bd) {
    ConfiguraMotor(QStringLiteral("master"));
    Ejecuta({QStringLiteral("CREATE DATABASE ") + bd});
    ConfiguraMotor(bd);
}

// The payroll, security and planning tables of the project's schema script.
inline void CreaEsquema() {
    QFile script(QStringLiteral(OXTA_SOURCE_DIR "/sql/schema.sql"));
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    Ejecuta(sql::splitBatches(QString::fromUtf8(script.readAll())));
}

// The account, policy and profile tables alone (for tests that build the rest themselves).
inline QStringList TablasSeguridad() {
    return {
        QStringLiteral("create table usuarios (usuario varchar(20) not null primary key, "
                       "descripcion varchar(60) null, password varchar(50) null, "
                       "expiracion datetime null)"),
        QStringLiteral("create table hpwd (usuario varchar(20) not null, fch_modifico datetime "
                       "not null, password varchar(50) null)"),
        QStringLiteral("create table ctrl_usuarios (dias_Vigencia int null, longitud_password "
                       "int null, rotacion_password varchar(3) null, requiere_numeros int null, "
                       "dias_aviso int null)"),
        QStringLiteral("create table perfiles (idperfil int identity(1,1) not null, descripcion "
                       "varchar(60) null, sistema varchar(3) null, empresas varchar(255) null, "
                       "centros varchar(255) null, bloqueado char(1) null, solo_lectura char(1) "
                       "null)"),
        QStringLiteral("create table perfil_usuarios (idperfil int not null, usuario "
                       "varchar(20) not null)"),
        QStringLiteral("create table perfil_funcion (funcion varchar(2) not null, opcion "
                       "varchar(4) not null, idperfil int not null)"),
    };
}

// The two payroll tables that the sign-in and the settings form look at.
inline QStringList TablasNomina() {
    return {
        QStringLiteral("create table empresas (empresa numeric(3,0) not null primary key, "
                       "nombre_empresa varchar(100) not null, referencia varchar(40) null)"),
        QStringLiteral("create table capa_lugar (empresa numeric(3,0) not null, lugar int not "
                       "null, descripcion varchar(60) not null)"),
    };
}

// A date-time literal `dias` days from today at the given time of day.
inline QString Fecha(int dias, const QString& hora = QStringLiteral("12:00:00")) {
    return QLatin1Char('\'') + QDate::currentDate().addDays(dias).toString(Qt::ISODate) +
           QLatin1Char(' ') + hora + QLatin1Char('\'');
}

// Each test in its own working directory with a fresh security database.
class BaseUsuariosTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        CreaBase(kBase);
        CreaEsquema();
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
