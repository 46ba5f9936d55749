#include "ui/Resources.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// A picture that shows something: not every pixel is transparent.
bool HasInk(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

}  // namespace

TEST(Resources, EveryNamedImageLoadsAsPictureAndIcon) {
    for (const char* name :
         {"_1229", "agregar", "editar", "eliminar", "angulo2", "puertasalida", "refresh",
          "correcto", "nuevo", "buscar2", "graficas22", "plantillasfondo", "Stop",
          "msg-information", "msg-question", "msg-critical"}) {
        const QPixmap picture = ui::Picture(name);
        EXPECT_FALSE(picture.isNull()) << name;
        EXPECT_TRUE(HasInk(picture)) << name;
        const QIcon icon = ui::BitmapIcon(name);
        EXPECT_FALSE(icon.isNull()) << name;
        EXPECT_FALSE(icon.pixmap(16, 16).isNull()) << name;
    }
}

// One action, one picture: the forms that accept with "correcto" and those that accept with
// "angulo2" show the same thing.
TEST(Resources, AcceptingLooksTheSameUnderBothNames) {
    EXPECT_EQ(ui::Picture("correcto", QSize(24, 24)).toImage(),
              ui::Picture("angulo2", QSize(24, 24)).toImage());
    EXPECT_NE(ui::Picture("correcto", QSize(24, 24)).toImage(),
              ui::Picture("puertasalida", QSize(24, 24)).toImage());
}

TEST(Resources, NamesIgnoreLetterCaseAndSizeIsHonoured) {
    EXPECT_FALSE(ui::Picture("AGREGAR").isNull());
    EXPECT_FALSE(ui::Picture("stop").isNull());
    EXPECT_FALSE(ui::BitmapIcon("PuertaSalida").isNull());
    EXPECT_EQ(ui::Picture("agregar", QSize(20, 24)).size(), QSize(20, 24));

    const QSize banner = ui::Picture("plantillasfondo").size();
    EXPECT_EQ(banner, QSize(400, 120));
}

TEST(Resources, UnknownNamesGiveNullImagesWithoutFailing) {
    EXPECT_TRUE(ui::Picture("no-existe").isNull());
    EXPECT_TRUE(ui::Picture("").isNull());
    EXPECT_TRUE(ui::BitmapIcon("no-existe").isNull());
    EXPECT_TRUE(ui::ImagePath("no-existe").isEmpty());
}
