#include "ui/Resources.h"

#include <QDir>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

// The images live in a static library: their resource data is registered explicitly.
static void RegisterImages() {
    Q_INIT_RESOURCE(resources);
}

namespace ui {
namespace {

// Lower-cased base name -> resource path of every image under :/img.
const QHash<QString, QString>& Catalogue() {
    static const QHash<QString, QString> images = [] {
        RegisterImages();
        QHash<QString, QString> map;
        const QDir dir(QStringLiteral(":/img"));
        const QStringList files =
            dir.entryList({QStringLiteral("*.svg"), QStringLiteral("*.png")}, QDir::Files);
        for (const QString& file : files) {
            const QString base = file.section(QLatin1Char('.'), 0, -2).toLower();
            // An SVG wins over a PNG of the same name.
            if (!map.contains(base) || file.endsWith(QLatin1String(".svg")))
                map.insert(base, dir.filePath(file));
        }
        return map;
    }();
    return images;
}

QPixmap RenderSvg(const QString& path, QSize size) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    if (!size.isValid() || size.isEmpty())
        size = renderer.defaultSize();
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

}  // namespace

QString ImagePath(const QString& name) {
    return Catalogue().value(name.trimmed().toLower());
}

QPixmap Picture(const QString& name, QSize size) {
    const QString path = ImagePath(name);
    if (path.isEmpty())
        return {};
    if (path.endsWith(QLatin1String(".svg")))
        return RenderSvg(path, size);
    QPixmap pixmap(path);
    if (!pixmap.isNull() && size.isValid() && !size.isEmpty())
        pixmap = pixmap.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return pixmap;
}

QIcon BitmapIcon(const QString& name) {
    const QString path = ImagePath(name);
    if (path.isEmpty())
        return {};
    return QIcon(path);  // the SVG icon engine draws it sharp at every size
}

}  // namespace ui
