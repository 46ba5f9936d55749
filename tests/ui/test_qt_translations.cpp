// Qt's own texts in Spanish: the catalogue from Qt's translations folder, and the export's
// "Guardar como" dialog as Qt draws it. With OXTA_SCREENSHOTS=<folder> the dialog's picture
// is saved there (docs/dialogo_guardar_como.png).

#include "ui/QtTranslations.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Runs before any catalogue is installed in this process.
TEST(QtTranslationsTest, FolderWithoutTheCatalogueLeavesQtInEnglish) {
    const QTemporaryDir empty;
    EXPECT_FALSE(ui::InstallQtTranslations(empty.path()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

TEST(QtTranslationsTest, DialogsAndStandardButtonsSpeakSpanish) {
    ASSERT_TRUE(ui::InstallQtTranslations())
        << "no qtbase_es.qm in " << qPrintable(ui::QtTranslationsFolder())
        << " (Debian package qt6-translations-l10n)";
    EXPECT_TRUE(ui::InstallQtTranslations()) << "a second call loads nothing more";
    struct Case {
        const char *context, *text, *spanish;
    };
    // Message boxes and dialog buttons, the file dialog of the exports, the print dialog
    // (Qt's catalogue is in the Spanish of Spain: "fichero", not "archivo").
    for (const Case& c :
         {Case{"QPlatformTheme", "Cancel", "Cancelar"}, Case{"QPlatformTheme", "Save", "Guardar"},
          Case{"QPlatformTheme", "&Yes", "&Sí"}, Case{"QFileDialog", "Look in:", "Ver en:"},
          Case{"QFileDialog", "Files of type:", "Ficheros de tipo:"},
          Case{"QPrintDialog", "Print", "Imprimir"}})
        EXPECT_EQ(QCoreApplication::translate(c.context, c.text).toStdString(), c.spanish)
            << c.context << " / " << c.text;
}

// The export's file dialog as Qt draws it (the widget dialog, not the desktop's).
TEST(QtTranslationsTest, SaveAsDialogOfTheExportIsSpanish) {
    ASSERT_TRUE(ui::InstallQtTranslations());
    const QTemporaryDir folder;
    for (const char* name : {"Puestos.pdf", "Comparar Ocupacion Actual.pdf"}) {
        QFile f(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QFileDialog dialog(nullptr, QStringLiteral("Guardar como PDF"), folder.path(),
                       QStringLiteral("Documento PDF (*.pdf)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(QStringLiteral("Puestos al 50 %.pdf"));
    dialog.resize(760, 420);
    dialog.show();
    QCoreApplication::processEvents();

    QStringList texts;
    for (const QAbstractButton* b : dialog.findChild<QDialogButtonBox*>()->buttons())
        texts << b->text().remove(u'&');
    texts.sort();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Cancelar"), QStringLiteral("Guardar")}));

    const QString shots = qEnvironmentVariable("OXTA_SCREENSHOTS");
    if (!shots.isEmpty())
        EXPECT_TRUE(dialog.grab().save(shots + QStringLiteral("/dialogo_guardar_como.png")));
}
