#include "ui/shared/PictureLibrary.h"

#include <QFileInfo>
#include <QImage>

namespace vornel {

namespace {

bool isFilePath(const QString& name)
{
    return name.startsWith('/');
}

}  // namespace

QPixmap PictureLibrary::named(const QString& name)
{
    auto it = originals_.find(name);
    if (it != originals_.end())
        return *it;
    // A missing or unreadable file gives an empty picture. Built-in ones are
    // read as images: a pixmap read from a file stays in Qt's own cache, up
    // to 10 MB of it, after this library has forgotten it.
    const QPixmap pixmap = QPixmap::fromImage(isFilePath(name)
            ? readPictureFile(name, QSize(LargestShownSide, LargestShownSide), Qt::KeepAspectRatio)
            : QImage(QStringLiteral(":/pictures/%1.png").arg(name)));
    originals_.insert(name, pixmap);
    return pixmap;
}

QPixmap PictureLibrary::named(const QString& name, QSize size, qreal ratio)
{
    const QString key = QStringLiteral("%1x%2x%3").arg(size.width()).arg(size.height()).arg(ratio);
    QHash<QString, QPixmap>& sizes = scaled_[name];
    auto it = sizes.find(key);
    if (it != sizes.end())
        return *it;
    // A picture is shown at a few sizes at a time; the settings window's bars
    // can ask for hundreds over a session, and none of them need stay.
    if (sizes.size() >= MaxSizesKept)
        sizes.clear();
    QPixmap pixmap = named(name);
    if (!pixmap.isNull() && !size.isEmpty()) {
        const QSize device = (QSizeF(size) * ratio).toSize();
        if (!isFilePath(name) && (pixmap.width() < device.width() || pixmap.height() < device.height()))
            enlarged_ << QStringLiteral("%1 at %2x%3").arg(name).arg(device.width()).arg(device.height());
        pixmap = pixmap.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        pixmap.setDevicePixelRatio(ratio);
    }
    sizes.insert(key, pixmap);
    return pixmap;
}

QPixmap PictureLibrary::pixmap(const PictureRef& picture, QSize size, qreal ratio)
{
    if (!picture)
        return {};
    return named(QString::fromStdString(picture->name), size, ratio);
}

void PictureLibrary::forget(const QString& name)
{
    originals_.remove(name);
    scaled_.remove(name);
}

PictureRef PictureLibrary::readPicture(const std::string& path)
{
    const QString name = QString::fromStdString(path);
    if (!isFilePath(name))
        return nullptr;
    const QFileInfo info(name);
    const Stamp stamp{info.size(), info.lastModified()};
    if (!info.isFile()) {
        stamps_.remove(name);
        return nullptr;
    }
    const bool known = stamps_.value(name) == stamp && !originals_.value(name).isNull();
    if (!known) {
        const QImage image = readPictureFile(name, QSize(LargestSide, LargestSide), Qt::IgnoreAspectRatio);
        if (image.isNull())
            return nullptr;
        originals_.insert(name, QPixmap::fromImage(image));
        scaled_.remove(name);
        stamps_.insert(name, stamp);
    }
    return std::make_shared<const Picture>(Picture{path});
}

}  // namespace vornel
