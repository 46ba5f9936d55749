#pragma once

#include <QString>

namespace ui {

// Qt's own texts in Spanish: the buttons and labels of the dialogs Qt draws (file, print,
// colour, font), the standard buttons of message boxes and the context menus of edit boxes.
// The program speaks Spanish whatever the system's language, so the catalogue "qtbase" for
// Spanish (qtbase_es.qm, with a Mexican one preferred when present) is loaded from `folder`,
// by default Qt's translations folder (QLibraryInfo::TranslationsPath, which Debian's package
// qt6-translations-l10n fills).
//
// Needs the application object, which owns the translator. Installed once: a later call
// returns true without loading anything again. False when no catalogue could be loaded; Qt's
// texts then stay in English.
bool InstallQtTranslations(const QString& folder = {});

// Qt's translations folder, where InstallQtTranslations looks by default.
QString QtTranslationsFolder();

}  // namespace ui
