#pragma once
#include <QHash>
#include <QPixmap>
#include <QString>

#include "game/PictureSet.h"

namespace vornel {

// Pixmaps for the game's pictures: built-in ones by holder name from the
// program's resources, others from their file path. Loaded once.
class PictureLibrary {
public:
    QPixmap pixmap(const PictureRef& picture);
    QPixmap named(const QString& name);

private:
    QHash<QString, QPixmap> cache_;
};

}  // namespace vornel
