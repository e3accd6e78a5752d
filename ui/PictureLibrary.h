#pragma once
#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

#include "game/PictureSet.h"

namespace vornel {

// Pixmaps for the game's pictures: built-in ones by holder name from the
// program's resources, others from their file path. Each picture is loaded
// once and scaled once per size it is shown at.
class PictureLibrary {
public:
    QPixmap named(const QString& name);
    // Stretched to `size` (device-independent pixels) for a screen of `ratio`.
    QPixmap named(const QString& name, QSize size, qreal ratio);
    QPixmap pixmap(const PictureRef& picture, QSize size, qreal ratio);

private:
    QHash<QString, QPixmap> originals_;
    QHash<QString, QPixmap> scaled_;
};

}  // namespace vornel
