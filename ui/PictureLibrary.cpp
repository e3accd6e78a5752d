#include "ui/PictureLibrary.h"

namespace vornel {

QPixmap PictureLibrary::named(const QString& name)
{
    auto it = cache_.find(name);
    if (it != cache_.end())
        return *it;
    const QString path = name.startsWith('/') ? name : QStringLiteral(":/pictures/%1.png").arg(name);
    QPixmap pixmap(path);  // a missing or unreadable file gives an empty picture
    cache_.insert(name, pixmap);
    return pixmap;
}

QPixmap PictureLibrary::pixmap(const PictureRef& picture)
{
    if (!picture)
        return {};
    return named(QString::fromStdString(picture->name));
}

}  // namespace vornel
