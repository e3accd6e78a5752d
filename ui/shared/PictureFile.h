#pragma once
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace vornel {

// No picture is decoded larger than this on either side, whatever it is
// shown at: enough to cover a 4K screen, and 64 MiB of pixels at most.
inline constexpr int LargestPictureSide = 4096;

// The one loader of picture files: custom pictures, wallpapers, previews.
// Only a regular file of sane size is read (a folder, a pipe or a device
// gives nothing), and its picture is decoded no larger than `bound`, taken
// the way the picture is shown (a photo turned upright counts upright):
// - IgnoreAspectRatio: each side cut to the bound's;
// - KeepAspectRatio: the whole picture fitted into the bound;
// - KeepAspectRatioByExpanding: shrunk, keeping its shape, to the least
//   size that still covers the bound (a picture smaller on a side keeps
//   its size);
// and then to LargestPictureSide. An invalid bound leaves only that limit.
// A null image when the file holds no picture this machine reads.
QImage readPictureFile(const QString& path, QSize bound, Qt::AspectRatioMode mode);

// A picture shown stretched over `fitInto` (device pixels): it keeps enough
// pixels to cover it.
inline QImage readPictureFile(const QString& path, QSize fitInto = {})
{
    return readPictureFile(path, fitInto, Qt::KeepAspectRatioByExpanding);
}

// The image scaled to fit `box` (device-independent pixels) on a screen of
// `ratio`, keeping its shape; for previews.
QPixmap previewPixmap(const QImage& image, QSize box, qreal ratio);

}  // namespace vornel
