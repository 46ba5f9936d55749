#pragma once

#include <QString>
#include <QStringView>

// Renders a text value as a SQL literal: between single quotes, every quote inside doubled.
// Every user-typed text that enters a statement goes through here.
//   SqlLiteral(u"O'Hara") == "'O''Hara'"
QString SqlLiteral(QStringView text);
