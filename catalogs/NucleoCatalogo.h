#pragma once

// The catalogues of groups and of staffing plans without their windows: the company's rows
// as the list shows them, the checks on a name, and insert, rename and delete by key, each
// answering what it came to. Qt Core and the database layer only; the forms (Catalogo.h)
// read their boxes, call this and show the result.

#include "catalogs/ConsultasCatalogos.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class clsConexion;

namespace catalogos {

// What a save or a delete came to: done, or the message that tells the user why not.
// `recarga` is set when the row turned out to be gone, so the list should be read again;
// `cancelado` when the user answered No to the question before saving.
struct Resultado {
    bool hecho = false;
    QString mensaje;
    bool recarga = false;
    bool cancelado = false;

    static Resultado Hecho() { return {true, {}, false, false}; }
    static Resultado Rechazo(const QString& mensaje) { return {false, mensaje, false, false}; }
    static Resultado Cancelado() { return {false, {}, false, true}; }
};

// What the data panel holds: the name as typed and, for a plan, its payroll-type text.
struct Datos {
    QString nombre;
    QString tipos;
};

// The edit the data panel holds. Nuevo starts a new row; Modifica fixes the key of the row
// being edited at the moment it is pressed, so choosing another row in the list afterwards
// does not change which row Guardar renames. The kind outlives a save (a second Guardar
// repeats it), as tipoMov does.
class Edicion {
  public:
    enum class Tipo { Ninguna, Insertar, Modificar };

    void Nuevo();
    void Modifica(const QString& clave);
    Tipo tipo() const { return m_tipo; }
    // The key of the row being modified, as the list shows it; empty for a new row.
    const QString& clave() const { return m_clave; }
    // "Insertar", "Modificar" or the empty text.
    QString tipoMov() const;

  private:
    Tipo m_tipo = Tipo::Ninguna;
    QString m_clave;
};

// The payroll types of a plan: the letters S, D, C, Q, M, E in this fixed order.
inline constexpr std::array<char, 6> kLetrasTipos{'S', 'D', 'C', 'Q', 'M', 'E'};
// The payroll-type text of the ticked types, comma-separated in the fixed order ("S,M"); the
// empty text when none is ticked.
QString ArmaTipos(const std::array<bool, 6>& marcados);
// Does the payroll-type text hold the letter?
bool TieneTipo(const QString& tipos, QChar letra);

// The name as typed, taken as one line: control characters (line breaks, tabs, NUL) become
// blanks; everything else, quotes included, is kept as it is.
QString UnaLinea(const QString& tecleado);

// The shape both catalogues share. The key of a row is its first column, right-aligned in
// 9 characters; the name is the second, trimmed.
class Catalogo {
  public:
    Catalogo(std::shared_ptr<clsConexion> cnx, QString empresa);
    virtual ~Catalogo() = default;
    Catalogo(const Catalogo&) = delete;
    Catalogo& operator=(const Catalogo&) = delete;

    // The company's rows in the order the database returns them.
    QList<QStringList> Lista() const;

    // Why the name cannot be saved (empty, a character the column cannot hold, longer than
    // the column, or the name of another row of the company, letter case and surrounding
    // blanks aside); the empty text when it can. `clave` is the row being renamed (empty for
    // a new row), whose own name does not count as taken.
    QString RevisaNombre(const QString& nombre, const QString& clave = {}) const;
    // The question to ask before saving these data (No by default), or the empty text.
    virtual QString PreguntaAntesDeGuardar(const Datos& datos) const;

    // Runs the edit: a new row, or the rename of the edit's key. A name that RevisaNombre
    // refuses is not sent; then, when PreguntaAntesDeGuardar has a question, it is asked
    // (MsgNoYes) and No sends nothing. An edit of no kind does nothing (not done, no
    // message).
    Resultado Guarda(const Edicion& edicion, const Datos& datos);
    Resultado Inserta(const Datos& datos);
    Resultado Renombra(const QString& clave, const Datos& datos);
    Resultado Elimina(const QString& clave);

    // The planned entries (by percentage and by month) filed under the row; they stay when
    // the row is deleted but no planning form reaches them any more.
    int EntradasPlaneadas(const QString& clave) const;
    // The warning shown before the confirmation of a delete, for that many entries.
    QString AvisoEntradas(int entradas) const;

  protected:
    // The catalogue's words and statements.
    virtual QString Sustantivo() const = 0;  // "grupo", "staffing"
    virtual int LargoNombre() const = 0;     // what the name column holds
    virtual int Columnas() const = 0;
    virtual QString Consulta() const = 0;
    virtual QString SentenciaInserta(const Datos& datos) const = 0;
    virtual QString SentenciaModifica(const QString& clave, const Datos& datos) const = 0;
    virtual QString SentenciaElimina(const QString& clave) const = 0;
    virtual QString ConsultaEntradas(Planeacion planeacion, const QString& clave) const = 0;

    const QString& empresa() const { return m_empresa; }

  private:
    bool Confirma(const Datos& datos) const;
    // Runs a writing statement on the connection and answers the rows it wrote.
    int Escribe(const QString& sql);

    std::shared_ptr<clsConexion> m_cnx;
    QString m_empresa;
};

// The company's groups of positions (staff_grupo).
class CatalogoGrupos : public Catalogo {
  public:
    using Catalogo::Catalogo;

  protected:
    QString Sustantivo() const override;
    int LargoNombre() const override { return 50; }
    int Columnas() const override { return 2; }
    QString Consulta() const override;
    QString SentenciaInserta(const Datos& datos) const override;
    QString SentenciaModifica(const QString& clave, const Datos& datos) const override;
    QString SentenciaElimina(const QString& clave) const override;
    QString ConsultaEntradas(Planeacion planeacion, const QString& clave) const override;
};

// The company's staffing plans (staffing): name and payroll types.
class CatalogoStaffing : public Catalogo {
  public:
    using Catalogo::Catalogo;

    // A plan without payroll types counts nobody in the comparative reports: asked first.
    QString PreguntaAntesDeGuardar(const Datos& datos) const override;

  protected:
    QString Sustantivo() const override;
    int LargoNombre() const override { return 150; }
    int Columnas() const override { return 3; }
    QString Consulta() const override;
    QString SentenciaInserta(const Datos& datos) const override;
    QString SentenciaModifica(const QString& clave, const Datos& datos) const override;
    QString SentenciaElimina(const QString& clave) const override;
    QString ConsultaEntradas(Planeacion planeacion, const QString& clave) const override;
};

}  // namespace catalogos
