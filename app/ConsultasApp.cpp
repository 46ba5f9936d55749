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

// A database name as a bracketed identifier: a closing bracket inside it is doubled.
QString entreCorchetes(const QString& nombre) {
    QString escapado = nombre;
    escapado.replace(QLatin1Char(']'), QStringLiteral("]]"));
    return QLatin1Char('[') + escapado + QLatin1Char(']');
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

QString NombreVisible(const ado::Value& referencia, const ado::Value& nombre) {
    return referencia.isNull() ? nombre.toText() : referencia.toText();
}

QString PruebaNomina() {
    return QStringLiteral("select nombre_empresa from empresas");
}

QString BasesDelServidor() {
    return QStringLiteral(" select name from sysdatabases ");
}

QString BaseTieneCapaLugar(const QString& base) {
    return QStringLiteral(" select [name] from ") + entreCorchetes(base) +
           QStringLiteral(".[dbo].[sysobjects] where [name]='capa_lugar'");
}

QString SistemaRegistrado() {
    return QStringLiteral(" select sistema from sistema where sistema='ST'");
}

QStringList RegistroDelSistema() {
    return {
        QStringLiteral("INSERT INTO [sistema]([sistema], [Nombre]) VALUES('ST', 'STAFFING')"),
        QStringLiteral("insert into funciones values ('ST', 'A' , 'Crear Staffing')"),
        QStringLiteral("insert into funciones values ('ST', 'B' , 'Crear Grupo')"),
        QStringLiteral("insert into funciones values ('ST', 'C' , 'Asgnar Puestos')"),
        QStringLiteral("insert into funciones values ('ST', 'D' , 'Reportes')"),
        QStringLiteral("insert into opciones values ('A1','ST', 'A', 'Crear Staffing')"),
        QStringLiteral("insert into opciones values ('A2','ST', 'A', 'Modificar Staffing')"),
        QStringLiteral("insert into opciones values ('A3','ST', 'A', 'Borrar Staffing')"),
        QStringLiteral("insert into opciones values ('B1','ST', 'B', 'Crear Grupo')"),
        QStringLiteral("insert into opciones values ('B2','ST', 'B', 'Modificar Grupo')"),
        QStringLiteral("insert into opciones values ('B3','ST', 'B', 'Borrar Grupo')"),
        QStringLiteral(
            "insert into opciones values ('C1','ST', 'C', 'Agregar puestos al Staffing')"),
        QStringLiteral(
            "insert into opciones values ('C2','ST', 'C', 'Modificar puestos del Staffing')"),
        QStringLiteral(
            "insert into opciones values ('C3','ST', 'C', 'Borrar puestos del Staffing')"),
        QStringLiteral(
            "insert into opciones values ('C4','ST', 'C', 'Modificar Grupo/Staffing/C. Costos')"),
        QStringLiteral("insert into opciones values ('D1','ST', 'D', 'Generar Reportes')"),
        QStringLiteral(
            "insert into perfiles values ('Administrador de Staffing','ST','{}','{}','N','N')"),
    };
}

QString PerfilAdministrador() {
    return QStringLiteral(
        " select idperfil from perfiles  where descripcion='Administrador de Staffing'");
}

QString AsignaPerfilAdministrador(const QString& idperfil) {
    return QStringLiteral("insert into perfil_usuarios values (%1,'Administrador')")
        .arg(SqlWholeNumber(idperfil));
}

QString PermisosDelPerfilAdministrador(const QString& idperfil) {
    return QStringLiteral(
               "insert into perfil_funcion  Select opciones.Funcion,opciones.Opcion,%1 From "
               "Opciones  Where opciones.sistema = 'ST'")
        .arg(SqlWholeNumber(idperfil));
}

QString OpcionesDeFuncion(const QString& letra) {
    return QStringLiteral(" Select opcion from opciones where sistema='ST' and funcion='%1'")
        .arg(SqlInsideQuotes(letra));
}

QString NombreDeEmpresa(const QString& empresa) {
    return QStringLiteral("Select nombre_empresa from empresas where empresa=") +
           SqlWholeNumber(empresa);
}

}  // namespace consultas
