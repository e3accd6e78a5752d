#include "ui/PictureLibrary.h"

namespace vornel {

QPixmap PictureLibrary::named(const QString& name)
{
    auto it = originals_.find(name);
    if (it != originals_.end())
        return *it;
    const QString path = name.startsWith('/') ? name : QStringLiteral(":/pictures/%1.png").arg(name);
    QPixmap pixmap(path);  // a missing or unreadable file gives an empty picture
    originals_.insert(name, pixmap);
    return pixmap;
}

QPixmap PictureLibrary::named(const QString& name, QSize size, qreal ratio)
{
    const QString key = QStringLiteral("%1@%2x%3x%4").arg(name).arg(size.width()).arg(size.height()).arg(ratio);
    auto it = scaled_.find(key);
    if (it != scaled_.end())
        return *it;
    QPixmap pixmap = named(name);
    if (!pixmap.isNull() && !size.isEmpty()) {
        pixmap = pixmap.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        pixmap.setDevicePixelRatio(ratio);
    }
    scaled_.insert(key, pixmap);
    return pixmap;
}

QPixmap PictureLibrary::pixmap(const PictureRef& picture, QSize size, qreal ratio)
{
    if (!picture)
        return {};
    return named(QString::fromStdString(picture->name), size, ratio);
}

}  // namespace vornel
