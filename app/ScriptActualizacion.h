#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reading of the database update script "ActualizaStaff.sql" (its bytes decoded by
// DecodeText of ui/Cp1252.h).
//
// Every line is taken as text of exactly 2000 characters (cut after the 2000th, blanks
// appended up to 2000). A line whose text, trimmed and upper-cased, begins with "GO" is a
// separator; the statement lines between two separators (or between the start of the file
// and the first separator) form one batch, each line followed by CR LF. A batch holding
// nothing but blanks and line breaks is not sent, and the lines after the last separator
// form no batch.
namespace actualiza {

inline constexpr int kAnchoLinea = 2000;

// The lines of a text, without their line ends (LF or CR LF); a final line end adds no
// empty line.
QStringList Lineas(const QString& texto);

// A line as the script runner sees it: cut or padded to kAnchoLinea characters.
QString LineaFija(const QString& linea);

// The batches to send, in file order (separators as sql::isBatchSeparator reads them).
QStringList Lotes(const QStringList& lineas);

}  // namespace actualiza
