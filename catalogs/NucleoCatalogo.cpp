#include "catalogs/NucleoCatalogo.h"

#include "ado/AdoError.h"
#include "ado/Connection.h"
#include "ado/SqlLiteral.h"
#include "data/clsConexion.h"
#include "ui/Cp1252.h"
#include "ui/Msg.h"

#include <utility>

namespace catalogos {

void Edicion::Nuevo() {
    m_tipo = Tipo::Insertar;
    m_clave.clear();
}

void Edicion::Modifica(const QString& clave) {
    m_tipo = Tipo::Modificar;
    m_clave = clave;
}

QString Edicion::tipoMov() const {
    switch (m_tipo) {
        case Tipo::Insertar:
            return QStringLiteral("Insertar");
        case Tipo::Modificar:
            return QStringLiteral("Modificar");
        case Tipo::Ninguna:
            break;
    }
    return {};
}

QString ArmaTipos(const std::array<bool, 6>& marcados) {
    QStringList letras;
    for (std::size_t i = 0; i < kLetrasTipos.size(); ++i)
        if (marcados[i])
            letras << QString(QLatin1Char(kLetrasTipos[i]));
    return letras.join(QLatin1Char(','));
}

bool TieneTipo(const QString& tipos, QChar letra) {
    return tipos.contains(letra);
}

QString UnaLinea(const QString& tecleado) {
    QString nombre = tecleado;
    for (QChar& c : nombre)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return nombre;
}

Catalogo::Catalogo(std::shared_ptr<clsConexion> cnx, QString empresa)
    : m_cnx(std::move(cnx)), m_empresa(std::move(empresa)) {}

QList<QStringList> Catalogo::Lista() const {
    QList<QStringList> filas;
    ado::Recordset rs;
    rs.Open(Consulta(), m_cnx->Conexion());
    const int columnas = Columnas();
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList fila{rs.Fields(0).Value.rightAligned(9)};
        for (int i = 1; i < columnas; ++i)
            fila << rs.Fields(i).Value.trimmed();
        filas.append(fila);
    }
    rs.Close();
    return filas;
}

QString Catalogo::RevisaNombre(const QString& nombre, const QString& clave) const {
    const QString limpio = nombre.trimmed();
    if (limpio.isEmpty())
        return QStringLiteral("Escriba el nombre del %1.").arg(Sustantivo());
    // The family's text columns hold Windows-1252: anything beyond it would be stored as
    // another character (a question mark on SQL Server).
    qsizetype fallo = -1;
    cp1252::encode(nombre, &fallo);
    if (fallo >= 0) {
        const qsizetype largo = nombre.at(fallo).isHighSurrogate() ? 2 : 1;
        return QStringLiteral("El nombre no puede guardarse: el carácter «%1» no es válido.")
            .arg(nombre.mid(fallo, largo));
    }
    if (nombre.size() > LargoNombre())
        return QStringLiteral("El nombre no puede tener más de %1 caracteres.").arg(LargoNombre());
    const QString propia = clave.trimmed();
    for (const QStringList& fila : Lista()) {
        if (!propia.isEmpty() && fila.value(0).trimmed() == propia)
            continue;
        if (fila.value(1).compare(limpio, Qt::CaseInsensitive) == 0)
            return QStringLiteral("Ya existe un %1 llamado «%2» en esta empresa; no se guardó.")
                .arg(Sustantivo(), fila.value(1));
    }
    return {};
}

QString Catalogo::PreguntaAntesDeGuardar(const Datos&) const {
    return {};
}

bool Catalogo::Confirma(const Datos& datos) const {
    const QString pregunta = PreguntaAntesDeGuardar(datos);
    return pregunta.isEmpty() || MsgNoYes(pregunta);
}

Resultado Catalogo::Guarda(const Edicion& edicion, const Datos& datos) {
    switch (edicion.tipo()) {
        case Edicion::Tipo::Insertar:
            return Inserta(datos);
        case Edicion::Tipo::Modificar:
            return Renombra(edicion.clave(), datos);
        case Edicion::Tipo::Ninguna:
            break;
    }
    return {};
}

Resultado Catalogo::Inserta(const Datos& datos) {
    if (const QString rechazo = RevisaNombre(datos.nombre); !rechazo.isEmpty())
        return Resultado::Rechazo(rechazo);
    if (!Confirma(datos))
        return Resultado::Cancelado();
    if (Escribe(SentenciaInserta(datos)) == 0)
        return Resultado::Rechazo(
            QStringLiteral("El %1 no se guardó: la base de datos no escribió ninguna fila.")
                .arg(Sustantivo()));
    return Resultado::Hecho();
}

Resultado Catalogo::Renombra(const QString& clave, const Datos& datos) {
    if (!IsWholeNumber(clave))
        return Resultado::Rechazo(
            QStringLiteral("Elija el %1 que desea modificar.").arg(Sustantivo()));
    if (const QString rechazo = RevisaNombre(datos.nombre, clave); !rechazo.isEmpty())
        return Resultado::Rechazo(rechazo);
    if (!Confirma(datos))
        return Resultado::Cancelado();
    if (Escribe(SentenciaModifica(clave, datos)) == 0) {
        Resultado r =
            Resultado::Rechazo(QStringLiteral("El %1 de clave %2 ya no existe; no se guardó nada.")
                                   .arg(Sustantivo(), clave.trimmed()));
        r.recarga = true;
        return r;
    }
    return Resultado::Hecho();
}

Resultado Catalogo::Elimina(const QString& clave) {
    if (Escribe(SentenciaElimina(clave)) == 0) {
        Resultado r = Resultado::Rechazo(
            QStringLiteral("El %1 de clave %2 ya no existe.").arg(Sustantivo(), clave.trimmed()));
        r.recarga = true;
        return r;
    }
    return Resultado::Hecho();
}

int Catalogo::EntradasPlaneadas(const QString& clave) const {
    auto cuenta = [&](Planeacion p) {
        ado::Recordset rs;
        rs.Open(ConsultaEntradas(p, clave), m_cnx->Conexion());
        return rs.Eof() ? 0 : static_cast<int>(rs.Fields(0).Value.toInt());
    };
    int total = cuenta(Planeacion::Porcentaje);
    try {
        total += cuenta(Planeacion::Mes);
    } catch (const ado::Error&) {
        // staff_mes belongs to the payroll and the program never creates it: a database
        // without it holds no entries by month.
    }
    return total;
}

QString Catalogo::AvisoEntradas(int entradas) const {
    if (entradas <= 0)
        return {};
    const QString cuantas = entradas == 1 ? QStringLiteral("1 entrada planeada")
                                          : QStringLiteral("%1 entradas planeadas").arg(entradas);
    return QStringLiteral(
               "El %1 tiene %2 (por porcentaje y por mes). Si lo elimina, las "
               "formas de planeación ya no las mostrarán, aunque se conservan en la "
               "base de datos.")
        .arg(Sustantivo(), cuantas);
}

int Catalogo::Escribe(const QString& sql) {
    // Ejecuta works on the connection opened before; a failed one reaches the error report.
    m_cnx->Conexion();
    return m_cnx->EjecutaFilas(sql);
}

// ---- Groups ----

QString CatalogoGrupos::Sustantivo() const {
    return QStringLiteral("grupo");
}

QString CatalogoGrupos::Consulta() const {
    return ListaGrupos(empresa());
}

QString CatalogoGrupos::SentenciaInserta(const Datos& datos) const {
    return InsertaGrupo(empresa(), datos.nombre);
}

QString CatalogoGrupos::SentenciaModifica(const QString& clave, const Datos& datos) const {
    return ModificaGrupo(empresa(), clave, datos.nombre);
}

QString CatalogoGrupos::SentenciaElimina(const QString& clave) const {
    return EliminaGrupo(empresa(), clave);
}

QString CatalogoGrupos::ConsultaEntradas(Planeacion planeacion, const QString& clave) const {
    return EntradasDelGrupo(planeacion, empresa(), clave);
}

// ---- Staffing plans ----

QString CatalogoStaffing::PreguntaAntesDeGuardar(const Datos& datos) const {
    if (!datos.tipos.isEmpty())
        return {};
    return QStringLiteral(
        "El plan no tiene tipos de nómina: los reportes comparativos no "
        "contarán empleados. ¿Guardar así?");
}

QString CatalogoStaffing::Sustantivo() const {
    return QStringLiteral("staffing");
}

QString CatalogoStaffing::Consulta() const {
    return ListaStaffing(empresa());
}

QString CatalogoStaffing::SentenciaInserta(const Datos& datos) const {
    return InsertaStaffing(empresa(), datos.nombre, datos.tipos);
}

QString CatalogoStaffing::SentenciaModifica(const QString& clave, const Datos& datos) const {
    return ModificaStaffing(clave, datos.nombre, datos.tipos);
}

QString CatalogoStaffing::SentenciaElimina(const QString& clave) const {
    return EliminaStaffing(clave);
}

QString CatalogoStaffing::ConsultaEntradas(Planeacion planeacion, const QString& clave) const {
    return EntradasDelStaffing(planeacion, empresa(), clave);
}

}  // namespace catalogos
