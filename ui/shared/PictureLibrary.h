#pragma once
#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include "game/CustomPictures.h"
#include "game/PictureSet.h"
#include "ui/shared/PictureFile.h"

namespace vornel {

// Pixmaps for the game's pictures: built-in ones by holder name from the
// program's resources, others from their file path. Each picture is loaded
// once and scaled once per size it is shown at.
class PictureLibrary : public PictureFiles {
public:
    // A picture file is decoded no larger than this on either side: cards
    // stretch their pictures anyway, and a photo the size of a wall would
    // cost its decoding and memory on every deal.
    static constexpr int LargestSide = 256;
    // Any other picture file (one shown over a whole window) keeps more.
    static constexpr int LargestShownSide = 2048;
    // Sizes kept scaled for each picture.
    static constexpr qsizetype MaxSizesKept = 8;

    QPixmap named(const QString& name);
    // Stretched to `size` (device-independent pixels) for a screen of `ratio`.
    QPixmap named(const QString& name, QSize size, qreal ratio);
    QPixmap pixmap(const PictureRef& picture, QSize size, qreal ratio);
    // Lets go of a picture shown only for a while; asked again, it is read again.
    void forget(const QString& name);

    // Built-in pictures that were asked for at more device pixels than
    // their art has: they come out soft on the screen that asked.
    const QStringList& enlarged() const { return enlarged_; }

    // Decodes the file now, once: pictures dealt later only scale it. A file
    // unchanged since it was last read is not decoded again.
    PictureRef readPicture(const std::string& path) override;

private:
    struct Stamp {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    QHash<QString, QPixmap> originals_;
    QHash<QString, QHash<QString, QPixmap>> scaled_;  // by name, then by size
    QHash<QString, Stamp> stamps_;                    // of the files read
    QStringList enlarged_;
};

}  // namespace vornel
