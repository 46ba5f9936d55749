#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reading of the database update script "ActualizaStaff.sql".
//
// Every line is taken as text of exactly 2000 characters (cut after the 2000th, blanks
// appended up to 2000). A line whose text, trimmed and upper-cased, begins with "GO" is a
// separator; the statement lines between two separators (or between the start of the file
// and the first separator) form one batch, each line followed by CR LF. A batch holding
// nothing but blanks and line breaks is not sent, and the lines after the last separator
// form no batch.
namespace actualiza {

inline constexpr int kAnchoLinea = 2000;

// The script's bytes as text: UTF-8 when the bytes are valid UTF-8 (a leading byte-order
// mark is dropped), Windows-1252 otherwise.
QString DecodificaTexto(const QByteArray& bytes);

// The lines of a text, without their line ends (LF or CR LF); a final line end adds no
// empty line.
QStringList Lineas(const QString& texto);

// A line as the script runner sees it: cut or padded to kAnchoLinea characters.
QString LineaFija(const QString& linea);

bool EsSeparador(const QString& linea);

// The batches to send, in file order.
QStringList Lotes(const QStringList& lineas);

}  // namespace actualiza
