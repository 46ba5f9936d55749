#pragma once

#include "ado/Connection.h"

#include <QString>

#include <memory>

// The application's database connection object: one ADO connection, opened on first use
// from section CONFIG of .\config.ini (SERVER, BD, ID, PWD, AUTOWIN; MOTOR chooses the
// engine, DRIVER the ODBC driver). Forms share it through std::shared_ptr.
class clsConexion {
  public:
    // The open connection, or nullptr when connecting failed (the failure box was shown).
    ado::Connection* Conexion();
    ado::Connection* Valida();
    bool Conectar();
    // Runs a statement on the connection obtained before through Conexion(); it never
    // connects by itself (throws ado::Error when there is no connection).
    void Ejecuta(const QString& sql);
    void ActualizaDB(const QString& sql);
    // As Ejecuta, answering how many rows the statement wrote (the server's @@ROWCOUNT,
    // read on the same connection right after it): how a caller tells a save that wrote
    // nothing from one that did.
    int EjecutaFilas(const QString& sql);
    bool Desconectar();

    // The two connection-string templates, values inserted as read.
    static QString PlantillaSql(const QString& server, const QString& bd, const QString& id,
                                const QString& pwd);
    static QString PlantillaWindows(const QString& server, const QString& bd);

    std::unique_ptr<ado::Connection> oOdbc;
};
