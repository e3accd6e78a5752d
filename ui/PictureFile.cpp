#include "ui/PictureFile.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

namespace vornel {

namespace {
// Larger files are not pictures anyone hangs behind a game.
constexpr qint64 MaxPictureFileBytes = 64LL << 20;
}  // namespace

QImage readPictureFile(const QString& path, QSize fitInto)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxPictureFileBytes)
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    const bool shrink = fitInto.isValid() && size.isValid() &&
        size.width() > fitInto.width() && size.height() > fitInto.height();
    if (shrink)
        reader.setScaledSize(size.scaled(fitInto, Qt::KeepAspectRatioByExpanding));
    return reader.read();
}

QPixmap previewPixmap(const QImage& image, QSize box, qreal ratio)
{
    if (image.isNull() || box.isEmpty())
        return {};
    QPixmap pixmap = QPixmap::fromImage(image.scaled(box * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace vornel
