#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace ui {

// A picture from the image resources by name ("plantillasfondo", ...), the name's letter case
// ignored; drawn at `size` when one is given, else at the image's own size. A null pixmap
// when there is none by that name.
QPixmap Picture(const QString& name, QSize size = {});
// The icon of a bitmap resource by name ("agregar", "editar", "eliminar", "angulo2",
// "puertasalida", ...), the name's letter case ignored; a null icon when there is none by
// that name.
QIcon BitmapIcon(const QString& name);

// The resource path of an image (":/img/<name>.svg" or ".png"), empty when there is none.
QString ImagePath(const QString& name);

}  // namespace ui
