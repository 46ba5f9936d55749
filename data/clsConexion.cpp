#include "data/clsConexion.h"

#include "ado/AdoError.h"
#include "ui/Msg.h"
#include "ui/TIni.h"

namespace {

const QString kSection = QStringLiteral("CONFIG");

QString leeConfig(const QString& key) {
    return LeeIni(kSection, key);
}

}  // namespace

ado::Connection* clsConexion::Conexion() {
    return Valida();
}

ado::Connection* clsConexion::Valida() {
    if (!oOdbc)
        Conectar();
    return oOdbc.get();
}

QString clsConexion::PlantillaSql(const QString& server, const QString& bd, const QString& id,
                                  const QString& pwd) {
    return QStringLiteral("provider=SQLOLEDB;OLE DB Services= -2;server=") + server +
           QStringLiteral(";database=") + bd + QStringLiteral(";uid=") + id +
           QStringLiteral(";pwd=") + pwd + QStringLiteral(";");
}

QString clsConexion::PlantillaWindows(const QString& server, const QString& bd) {
    return QStringLiteral("Provider=SQLOLEDB;OLE DB Services= -2;Server=") + server +
           QStringLiteral(";database=") + bd + QStringLiteral(";Trusted_Connection=yes");
}

bool clsConexion::Conectar() {
    oOdbc = std::make_unique<ado::Connection>();
    // The settings carry the same facts as the string, unsplit: a password holding a
    // semicolon stays whole.
    const ado::ConnectionSettings settings = ado::settingsFromConfig(leeConfig);
    oOdbc->ConnectionString =
        settings.trusted
            ? PlantillaWindows(settings.server, settings.database)
            : PlantillaSql(settings.server, settings.database, settings.user, settings.password);
    oOdbc->Settings = settings;

    try {
        oOdbc->Open();
    } catch (const ado::Error& e) {
        oOdbc.reset();
        MsgInfo(e.operation() + QStringLiteral("\r\n") + e.description(),
                QStringLiteral("CONEXION NO REALIZADA."));
        return false;
    } catch (const std::exception& e) {
        oOdbc.reset();
        MsgInfo(QStringLiteral("Connection.Open\r\n") + QString::fromLocal8Bit(e.what()),
                QStringLiteral("CONEXION NO REALIZADA."));
        return false;
    }
    return true;
}

void clsConexion::Ejecuta(const QString& sql) {
    if (!oOdbc) {
        throw ado::Error(
            QStringLiteral("Connection.Execute"),
            QStringLiteral("There is no open connection to execute the statement on."));
    }
    oOdbc->Execute(sql);
}

int clsConexion::EjecutaFilas(const QString& sql) {
    Ejecuta(sql);
    ado::Recordset rs;
    rs.Open(QStringLiteral("select @@rowcount"), oOdbc.get());
    return rs.Eof() ? 0 : static_cast<int>(rs.Fields(0).Value.toInt());
}

void clsConexion::ActualizaDB(const QString& sql) {
    Ejecuta(sql);
}

bool clsConexion::Desconectar() {
    try {
        if (!oOdbc) {
            throw ado::Error(QStringLiteral("Connection.Close"),
                             QStringLiteral("Operation is not allowed when the object is closed."));
        }
        oOdbc->Close();
        // A closed connection is of no further use: the next Conexion() connects anew.
        oOdbc.reset();
    } catch (const ado::Error& e) {
        MsgStop(e.operation() + QStringLiteral("\r\n") + e.description(),
                QStringLiteral("CONEXION NO REALIZADA"));
        return false;
    }
    return true;
}
