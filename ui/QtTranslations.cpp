#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace ui {

namespace {
QPointer<QTranslator> g_installed;  // cleared with the application object that owns it
}  // namespace

QString QtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool InstallQtTranslations(const QString& folder) {
    QCoreApplication* const app = QCoreApplication::instance();
    if (app == nullptr)
        return false;
    if (g_installed)
        return true;
    auto translator = std::make_unique<QTranslator>();
    // Looks for qtbase_es_MX.qm, then qtbase_es.qm.
    if (!translator->load(QLocale(QLocale::Spanish, QLocale::Mexico), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          folder.isEmpty() ? QtTranslationsFolder() : folder) ||
        !QCoreApplication::installTranslator(translator.get()))
        return false;
    translator->setParent(app);  // from here on the application object owns it
    g_installed = translator.release();
    return true;
}

}  // namespace ui
