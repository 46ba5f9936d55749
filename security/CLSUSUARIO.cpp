#include "security/CLSUSUARIO.h"

#include "ado/AdoError.h"
#include "ado/SqlLiteral.h"
#include "security/ConsultasSeguridad.h"
#include "ui/Cp1252.h"
#include "ui/Msg.h"

#include <QDate>

#include <vector>

namespace {

void abre(ado::Recordset& rs, clsConexion& cnx, const QString& sql) {
    ado::Connection* const con = cnx.Conexion();
    if (!con)
        throw ado::Error(QStringLiteral("Recordset.Open"),
                         QStringLiteral("No hay conexión con la base de datos."));
    rs.Open(sql, con);
}

bool esBlanco(QChar c) {
    return c.isSpace();
}

// Statements go to a connection that has been opened; Ejecuta itself never connects.
void ejecuta(clsConexion& cnx, const QString& sql) {
    cnx.Conexion();
    cnx.Ejecuta(sql);
}

}  // namespace

// ---- what the account table can hold ----

bool clsUsuario::NombreValido(const QString& usuario) {
    if (usuario.isEmpty() || usuario.size() > kLargoUsuario)
        return false;
    if (esBlanco(usuario.front()) || esBlanco(usuario.back()))
        return false;
    for (const QChar c : usuario)
        if (c.category() == QChar::Other_Control || !cp1252::encodeChar(c))
            return false;
    return true;
}

bool clsUsuario::CaracteresPermitidos(const QString& clave) {
    qsizetype fallo = -1;
    cp1252::encode(clave, &fallo);
    return fallo < 0;
}

bool clsUsuario::PasswordValido(const QString& clave) {
    return clave.size() <= kLargoPassword && CaracteresPermitidos(clave);
}

std::optional<QString> clsUsuario::Cifra(const QString& vClave) {
    if (!CaracteresPermitidos(vClave))
        return std::nullopt;
    return codifica(vClave, +1, QString());
}

// A scrambled password holding the byte 0 (ö, ø or ÷ where the shift wraps to it) cannot be
// written into statement text either.
std::optional<QString> clsUsuario::cifradaGuardable(const QString& clave) {
    if (!PasswordValido(clave))
        return std::nullopt;
    auto cifrada = Cifra(clave);
    if (!cifrada || !CabeEnLiteral(*cifrada))
        return std::nullopt;
    return cifrada;
}

std::optional<QString> clsUsuario::cifradaGuardable() const {
    return cifradaGuardable(vPwd);
}

// ---- connections ----

clsConexion& clsUsuario::conexionNueva() {
    CNX = std::make_shared<clsConexion>();
    return *CNX;
}

clsConexion& clsUsuario::conexionRetenida() {
    if (!CNX)
        CNX = std::make_shared<clsConexion>();
    return *CNX;
}

std::optional<ado::Value> clsUsuario::primerValor(clsConexion& cnx, const QString& sql) {
    ado::Recordset rs;
    abre(rs, cnx, sql);
    if (rs.Eof())
        return std::nullopt;
    ado::Value v = rs.Fields(0).Value;
    rs.Close();
    return v;
}

bool clsUsuario::hayFilas(clsConexion& cnx, const QString& sql) {
    ado::Recordset rs;
    abre(rs, cnx, sql);
    const bool filas = !rs.Eof();
    rs.Close();
    return filas;
}

// ---- accounts ----

QString clsUsuario::Vigencia() {
    const auto v = primerValor(conexionNueva(), seguridad::DiasVigencia());
    return v ? v->trimmed() : QString();
}

bool clsUsuario::escribePassword(Escritura tipo) {
    if (!NombreValido(vUsuario)) {
        MsgInfo(QStringLiteral("El nombre de usuario no es válido: de 1 a %1 caracteres de "
                               "Windows-1252, sin saltos de línea ni otros caracteres de "
                               "control, sin blancos al principio o al final.")
                    .arg(kLargoUsuario));
        return false;
    }
    if (!CabeEnLiteral(vDescripcion) || vDescripcion.size() > kLargoDescripcion) {
        MsgInfo(QStringLiteral("La descripción del usuario no es válida (hasta %1 caracteres).")
                    .arg(kLargoDescripcion));
        return false;
    }
    if (!CaracteresPermitidos(vPwd)) {
        MsgInfo(QStringLiteral("La contraseña contiene caracteres no permitidos."));
        return false;
    }
    if (vPwd.size() > kLargoPassword) {
        MsgInfo(QStringLiteral("La contraseña no puede tener más de %1 caracteres.")
                    .arg(kLargoPassword));
        return false;
    }
    const auto cifrada = cifradaGuardable();
    if (!cifrada) {
        MsgInfo(
            QStringLiteral("El password contiene un carácter que no se puede guardar (ö, ø o "
                           "÷ en ciertas posiciones); elija otro."));
        return false;
    }
    const std::shared_ptr<clsConexion> retenida = CNX ? CNX : std::make_shared<clsConexion>();
    const QString dias = Vigencia();
    if (!IsWholeNumber(dias)) {
        MsgInfo(dias.isEmpty()
                    ? QStringLiteral("No hay una política de contraseñas (ctrl_usuarios); no se "
                                     "puede guardar la contraseña.")
                    : QStringLiteral("La política de contraseñas (ctrl_usuarios) no indica los "
                                     "días de vigencia; no se puede guardar la contraseña."));
        return false;
    }
    QString sql;
    switch (tipo) {
        case Escritura::Alta:
            sql = seguridad::AltaUsuario(vUsuario, vDescripcion, *cifrada, dias);
            break;
        case Escritura::Modificacion:
            sql = seguridad::ModificaUsuario(vUsuario, vDescripcion, *cifrada, dias);
            break;
        case Escritura::Cambio:
            sql = seguridad::CambiaPassword(vUsuario, *cifrada, dias);
            break;
    }
    ejecuta(*retenida, sql);
    Historial();
    return true;
}

bool clsUsuario::Insertar() {
    return escribePassword(Escritura::Alta);
}
bool clsUsuario::Modificar() {
    return escribePassword(Escritura::Modificacion);
}
bool clsUsuario::CambiarPwd() {
    return escribePassword(Escritura::Cambio);
}

void clsUsuario::Historial() {
    const auto cifrada = cifradaGuardable();
    if (!NombreValido(vUsuario) || !cifrada)
        return;  // no account of this name, or a password that is never stored
    ejecuta(conexionRetenida(), seguridad::AgregaHistorial(vUsuario, *cifrada));
}

bool clsUsuario::Borrar() {
    if (!NombreValido(vUsuario))
        return false;  // names no account: nothing to delete
    clsConexion& cnx = conexionRetenida();
    ejecuta(cnx, seguridad::BorraPerfilesDelUsuario(vUsuario));
    ejecuta(cnx, seguridad::BorraUsuario(vUsuario));
    return true;
}

namespace {

std::unique_ptr<ado::Recordset> abiertoConFilas(clsConexion& cnx, const QString& sql) {
    auto rs = std::make_unique<ado::Recordset>();
    abre(*rs, cnx, sql);
    if (rs->Eof())
        return nullptr;
    return rs;
}

}  // namespace

std::unique_ptr<ado::Recordset> clsUsuario::obtenUsuarios() {
    if (!NombreValido(vUsuario))
        return nullptr;
    return abiertoConFilas(conexionNueva(), seguridad::Usuario(vUsuario));
}

std::unique_ptr<ado::Recordset> clsUsuario::obtenTodos() {
    return abiertoConFilas(conexionNueva(), seguridad::Usuarios());
}

bool clsUsuario::Existe() {
    if (!NombreValido(vUsuario))
        return false;
    return hayFilas(conexionRetenida(), seguridad::ExisteUsuario(vUsuario));
}

bool clsUsuario::Login() {
    clsConexion& cnx = conexionNueva();
    const auto cifrada = cifradaGuardable();
    if (!NombreValido(vUsuario) || !cifrada)
        return false;  // no account holds such a name or such a password
    const QString clave = *cifrada;
    if (!hayFilas(cnx, seguridad::Acceso(vUsuario, clave)))
        return false;
    // The database compares text without regard to letter case; a password must match
    // exactly, as the change-password form checks it.
    const auto guardada = primerValor(cnx, seguridad::PasswordGuardado(vUsuario));
    return guardada && guardada->toText() == clave;
}

// ---- password policy ----

RespuestaPolitica clsUsuario::ValidaLongPWD() {
    const auto v = primerValor(conexionNueva(), seguridad::LongitudPassword());
    if (!v)
        return std::nullopt;
    return vPwd.size() >= v->toInt();
}

bool clsUsuario::esNumero(const QString& vCaracter) {
    return vCaracter.size() == 1 && vCaracter.at(0) >= u'0' && vCaracter.at(0) <= u'9';
}

RespuestaPolitica clsUsuario::ValidaNumPWD() {
    const auto v = primerValor(conexionNueva(), seguridad::NumerosRequeridos());
    if (!v)
        return std::nullopt;
    std::int64_t digitos = 0;
    for (qsizetype i = 0; i < vPwd.size(); ++i)
        if (esNumero(vPwd.mid(i, 1)))
            ++digitos;
    return digitos >= v->toInt();
}

bool clsUsuario::ValidaRotacionPWD() {
    clsConexion& cnx = conexionNueva();
    const auto buscado = cifradaGuardable();
    if (!NombreValido(vUsuario) || !buscado)
        return false;  // no history holds it
    const auto n = primerValor(cnx, seguridad::RotacionPassword());
    const std::int64_t profundidad = n ? std::max<std::int64_t>(n->toInt(), 0) : 0;

    std::vector<QString> historial;  // oldest first
    ado::Recordset rs;
    abre(rs, cnx, seguridad::HistorialPasswords(vUsuario));
    for (; !rs.Eof(); rs.MoveNext())
        historial.push_back(rs.Fields(0).Value.toText());
    rs.Close();
    if (historial.empty())
        return false;

    // The newest depth + 1 entries count as recent; the newest one is the current password.
    const std::size_t entradas =
        std::min<std::size_t>(historial.size(), static_cast<std::size_t>(profundidad) + 1);
    for (std::size_t i = historial.size() - entradas; i < historial.size(); ++i)
        if (historial[i] == *buscado)
            return true;
    return false;
}

bool clsUsuario::ValidaPwdActual(const QString& pass) {
    clsConexion& cnx = conexionNueva();
    const auto cifrada = cifradaGuardable(pass);
    if (!NombreValido(vUsuario) || !cifrada)
        return false;
    const auto v = primerValor(cnx, seguridad::PasswordGuardado(vUsuario));
    if (!v)
        return false;
    return v->toText() == *cifrada;
}

int clsUsuario::Expira() {
    if (!NombreValido(vUsuario))
        return 0;  // as for a user without a row
    const auto v = primerValor(conexionRetenida(), seguridad::Expiracion(vUsuario));
    if (!v || v->isNull())
        return 0;
    const QDate fecha = v->toDate();
    if (!fecha.isValid())
        return 0;
    return static_cast<int>(QDate::currentDate().daysTo(fecha));
}

int clsUsuario::DiasAntes() {
    const auto v = primerValor(conexionRetenida(), seguridad::DiasAviso());
    if (!v)
        return 0;
    return static_cast<int>(v->toInt());
}

// ---- scrambling ----

QString clsUsuario::codifica(const QString& vClave, int sentido, const QString& titulo) {
    qsizetype fallo = -1;
    QByteArray bytes = cp1252::encode(vClave, &fallo);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const int desfase = static_cast<int>((i + 1) % 3);
        const int codigo = static_cast<unsigned char>(bytes[i]);
        bytes[i] = static_cast<char>((codigo + sentido * (10 - desfase) + 256) % 256);
    }
    if (fallo >= 0 && !titulo.isEmpty()) {
        // The whole character, also when it takes two UTF-16 units (an emoji).
        char32_t punto = vClave.at(fallo).unicode();
        QString caracter = vClave.at(fallo);
        if (vClave.at(fallo).isHighSurrogate() && fallo + 1 < vClave.size() &&
            vClave.at(fallo + 1).isLowSurrogate()) {
            punto = QChar::surrogateToUcs4(vClave.at(fallo), vClave.at(fallo + 1));
            caracter = vClave.mid(fallo, 2);
        }
        const QString operacion =
            sentido > 0 ? QStringLiteral("EncriptaPWD") : QStringLiteral("DesencriptaPWD");
        const QString codigo =
            QStringLiteral("%1").arg(static_cast<uint>(punto), 4, 16, QLatin1Char('0')).toUpper();
        MsgStop(operacion + QStringLiteral("\r\nEl carácter «") + caracter +
                    QStringLiteral("» (U+") + codigo +
                    QStringLiteral(") no pertenece a la página de códigos Windows-1252."),
                titulo);
    }
    return cp1252::decode(bytes);
}

QString clsUsuario::EncriptaPWD(const QString& vClave) {
    return codifica(vClave, +1, QStringLiteral("ENCRIPTACION INCOMPLETA"));
}

QString clsUsuario::DesencriptaPWD(const QString& vClave) {
    return codifica(vClave, -1, QStringLiteral("DESENCRIPTAR INCOMPLETO"));
}

// ---- permissions ----

bool clsUsuario::TienePermiso(const QString& sistema, const QString& funcion,
                              const QString& opcion) {
    if (!NombreValido(vUsuario))
        return false;
    return hayFilas(conexionRetenida(), seguridad::Permiso(sistema, funcion, opcion, vUsuario));
}
