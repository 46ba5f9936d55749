#pragma once

#include <QString>
#include <QStringView>

// Renders a text value as a SQL literal: between single quotes, every quote inside doubled.
// Every user-typed text that enters a statement goes through here.
//   SqlLiteral(u"O'Hara") == "'O''Hara'"
// A NUL character cannot be part of statement text (the engines end the text there), so a
// value holding one is refused with ado::Error before any statement is built; callers that
// take typed text check it first with CabeEnLiteral.
QString SqlLiteral(QStringView text);
bool CabeEnLiteral(QStringView text);
