#pragma once

#include <QString>
#include <QStringView>

// The one home of the values that statement text is built from. Every statement function
// passes what it pastes through one of these, so no typed text and no key read from a grid,
// a list or config.ini can become statement text.

// Renders a text value as a SQL literal: between single quotes, every quote inside doubled.
// Every user-typed text that enters a statement goes through here.
//   SqlLiteral(u"O'Hara") == "'O''Hara'"
// A NUL character cannot be part of statement text (the engines end the text there), so a
// value holding one is refused with ado::Error before any statement is built; callers that
// take typed text check it first with CabeEnLiteral.
QString SqlLiteral(QStringView text);
bool CabeEnLiteral(QStringView text);

// The same text for a template that writes the quotes itself ("centro='%1'"): every quote
// doubled, NUL refused as by SqlLiteral.
//   SqlInsideQuotes(u"O'Hara") == "O''Hara"
QString SqlInsideQuotes(QStringView text);

// A key as the program holds it (a company key with its leading blanks, a plan or group key
// from a list, a typed position code): the whole number it holds, as plain digits with its
// sign. Anything else (empty, a fraction, letters, beyond 64 bits) is refused with
// ado::Error before any statement is built.
//   SqlWholeNumber(u"       1") == "1"
QString SqlWholeNumber(QStringView key);
bool IsWholeNumber(QStringView key);
