#include "app/ConsultasApp.h"

namespace consultas {

namespace {

// A database name as a bracketed identifier: a closing bracket inside it is doubled.
QString entreCorchetes(const QString& nombre) {
    QString escapado = nombre;
    escapado.replace(QLatin1Char(']'), QStringLiteral("]]"));
    return QLatin1Char('[') + escapado + QLatin1Char(']');
}

}  // namespace

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

QString ListasDeEmpresasDelUsuario(const QString& usuario) {
    return QStringLiteral(
               " Select p.empresas  from usuarios u, perfiles p, perfil_usuarios pu   where "
               "pu.usuario=u.usuario  and pu.idperfil=p.idperfil  and u.usuario=") +
           usuario;
}

QString EmpresasDeLaLista(const QString& lista) {
    QString sql = QStringLiteral("Select empresa, nombre_empresa, referencia from empresas ");
    if (!lista.isEmpty())
        sql += QStringLiteral("where empresa in (%1) ").arg(lista);
    return sql;
}

QString EmpresasConDatosFiscales() {
    return QStringLiteral(
        " select empresa,nombre_empresa,registro_patronal,rfc_empresa,referencia from empresas ");
}

QString NombreVisible(const ado::Value& referencia, const ado::Value& nombre) {
    return referencia.isNull() ? nombre.toText() : referencia.toText();
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
    return QStringLiteral("insert into perfil_usuarios values (%1,'Administrador')").arg(idperfil);
}

QString PermisosDelPerfilAdministrador(const QString& idperfil) {
    return QStringLiteral(
               "insert into perfil_funcion  Select opciones.Funcion,opciones.Opcion,%1 From "
               "Opciones  Where opciones.sistema = 'ST'")
        .arg(idperfil);
}

QString OpcionesDeFuncion(const QString& letra) {
    return QStringLiteral(" Select opcion from opciones where sistema='ST' and funcion='%1'")
        .arg(letra);
}

QString NombreDeEmpresa(const QString& empresa) {
    return QStringLiteral("Select nombre_empresa from empresas where empresa=") + empresa;
}

}  // namespace consultas
