// Qt's own texts in Spanish: the catalogue from Qt's translations folder, and the export's
// "Guardar como" dialog as Qt draws it. With OXTA_SCREENSHOTS=<folder> the dialog's picture
// is saved there (docs/dialogo_guardar_como.png).

#include "ui/QtTranslations.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString Tr(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

// Buttons and labels as they appear, without the mnemonic marks.
QString Shown(QString text) {
    return text.remove(QLatin1Char('&'));
}

}  // namespace

// Runs before any catalogue is installed in this process.
TEST(QtTranslationsTest, FolderWithoutTheCatalogueLeavesQtInEnglish) {
    const QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    EXPECT_FALSE(ui::InstallQtTranslations(empty.path()));
    EXPECT_EQ(Tr("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

TEST(QtTranslationsTest, DialogsAndStandardButtonsSpeakSpanish) {
    ASSERT_TRUE(QFile::exists(ui::QtTranslationsFolder() + QStringLiteral("/qtbase_es.qm")))
        << "Qt's Spanish catalogue is missing from " << qPrintable(ui::QtTranslationsFolder())
        << " (Debian package qt6-translations-l10n)";
    ASSERT_TRUE(ui::InstallQtTranslations());
    EXPECT_TRUE(ui::InstallQtTranslations()) << "a second call loads nothing more";

    struct Case {
        const char *context, *text, *spanish;
    };
    // Message boxes and dialog buttons, the file dialog of the exports, the print dialog
    // (Qt's catalogue is in the Spanish of Spain: "fichero", not "archivo").
    for (const Case& c :
         {Case{"QPlatformTheme", "Cancel", "Cancelar"}, Case{"QPlatformTheme", "Save", "Guardar"},
          Case{"QPlatformTheme", "OK", "Aceptar"}, Case{"QPlatformTheme", "&Yes", "&Sí"},
          Case{"QFileDialog", "Look in:", "Ver en:"},
          Case{"QFileDialog", "Files of type:", "Ficheros de tipo:"},
          Case{"QPrintDialog", "Print", "Imprimir"}})
        EXPECT_EQ(Tr(c.context, c.text).toStdString(), c.spanish) << c.context << " / " << c.text;
}

// The export's file dialog as Qt draws it (the widget dialog, not the desktop's).
TEST(QtTranslationsTest, SaveAsDialogOfTheExportIsSpanish) {
    ASSERT_TRUE(ui::InstallQtTranslations());
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
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

    const auto* const buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    QStringList texts;
    for (const QAbstractButton* b : buttons->buttons())
        texts << Shown(b->text());
    EXPECT_TRUE(texts.contains(QStringLiteral("Guardar"))) << qPrintable(texts.join(u','));
    EXPECT_TRUE(texts.contains(QStringLiteral("Cancelar"))) << qPrintable(texts.join(u','));
    QStringList labels;
    for (const QLabel* l : dialog.findChildren<QLabel*>())
        labels << Shown(l->text());
    EXPECT_TRUE(labels.contains(QStringLiteral("Nombre de fichero:")))
        << qPrintable(labels.join(u','));

    const QString shots = qEnvironmentVariable("OXTA_SCREENSHOTS");
    if (!shots.isEmpty())
        EXPECT_TRUE(dialog.grab().save(shots + QStringLiteral("/dialogo_guardar_como.png")));
}
