#include "data/clsConexion.h"

#include "ado/AdoError.h"
#include "ui/Msg.h"
#include "ui/TIni.h"

namespace {

const QString kSection = QStringLiteral("CONFIG");

ado::ConnectionSettings::Motor motorFromIni() {
    const QString motor = LeeIni(kSection, QStringLiteral("MOTOR")).trimmed();
    return motor.compare(u"SQLITE", Qt::CaseInsensitive) == 0
               ? ado::ConnectionSettings::Motor::Sqlite
               : ado::ConnectionSettings::Motor::SqlServer;
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
    const QString server = LeeIni(kSection, QStringLiteral("SERVER"));
    const QString bd = LeeIni(kSection, QStringLiteral("BD"));
    const QString id = LeeIni(kSection, QStringLiteral("ID"));
    const QString pwd = LeeIni(kSection, QStringLiteral("PWD"));
    const QString autowin = LeeIni(kSection, QStringLiteral("AUTOWIN")).trimmed();
    const bool sqlLogin = autowin == u".F." || autowin == u".f.";

    oOdbc->ConnectionString =
        sqlLogin ? PlantillaSql(server, bd, id, pwd) : PlantillaWindows(server, bd);
    // The same facts unsplit: a password holding a semicolon stays whole.
    ado::ConnectionSettings settings;
    settings.motor = motorFromIni();
    settings.server = server;
    settings.database = bd;
    settings.user = sqlLogin ? id : QString();
    settings.password = sqlLogin ? pwd : QString();
    settings.trusted = !sqlLogin;
    settings.driver = LeeIni(kSection, QStringLiteral("DRIVER"));
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
