#include "app/ConsultasApp.h"

#include "ado/Connection.h"
#include "ado/SqlLiteral.h"
#include "security/CLSUSUARIO.h"

#include <QRegularExpression>

namespace {

// The `where` part that limits a company query to the list; nothing for every company.
QString filtro(const ListaEmpresas& lista) {
    return lista.tipo == ListaEmpresas::Tipo::Lista
               ? QStringLiteral("where empresa in (%1) ").arg(lista.lista)
               : QString();
}

}  // namespace

bool ListaEmpresas::Permite(const QString& empresa) const {
    bool ok = false;
    const qlonglong clave = empresa.trimmed().toLongLong(&ok);
    if (!ok)
        return false;
    if (tipo == Tipo::Todas)
        return true;
    if (tipo != Tipo::Lista)
        return false;
    for (const QString& elemento : lista.split(QLatin1Char(',')))
        if (elemento.trimmed().toLongLong() == clave)
            return true;
    return false;
}

ListaEmpresas InterpretaListaEmpresas(const ado::Value& empresas) {
    if (empresas.isNull())
        return {};
    const QString texto = empresas.trimmed();
    if (!texto.startsWith(QLatin1Char('{')) || !texto.endsWith(QLatin1Char('}')) ||
        texto.size() < 2)
        return {};
    const QString lista = texto.mid(1, texto.size() - 2);
    if (lista.trimmed().isEmpty())
        return {ListaEmpresas::Tipo::Todas, {}};
    static const QRegularExpression kNumeros(
        QStringLiteral("^\\s*[-+]?\\d+\\s*(,\\s*[-+]?\\d+\\s*)*$"));
    if (!kNumeros.match(lista).hasMatch())
        return {};
    return {ListaEmpresas::Tipo::Lista, lista};
}

ListaEmpresas EmpresasDelUsuario(ado::Connection& con, const QString& usuario) {
    if (!clsUsuario::NombreValido(usuario))
        return {ListaEmpresas::Tipo::SinPerfil, {}};
    ado::Recordset perfiles;
    perfiles.Open(consultas::PerfilEmpresas(usuario), &con);
    if (perfiles.Eof())
        return {ListaEmpresas::Tipo::SinPerfil, {}};
    const ListaEmpresas lista = InterpretaListaEmpresas(perfiles.Fields(0).Value);
    perfiles.Close();
    return lista;
}

namespace consultas {

QString PerfilEmpresas(const QString& usuario) {
    return QStringLiteral(
               " Select p.empresas  from usuarios u, perfiles p, perfil_usuarios pu "
               "  where pu.usuario=u.usuario  and pu.idperfil=p.idperfil  and "
               "u.usuario=") +
           SqlLiteral(usuario);
}

QString EmpresasElegibles(const ListaEmpresas& lista) {
    return QStringLiteral("Select empresa, nombre_empresa, referencia from empresas ") +
           filtro(lista);
}

QString CatalogoEmpresas(const ListaEmpresas& lista) {
    return QStringLiteral(
               " select empresa,nombre_empresa,registro_patronal,rfc_empresa,referencia from "
               "empresas ") +
           filtro(lista);
}

}  // namespace consultas
