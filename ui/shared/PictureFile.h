#pragma once
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <atomic>

namespace vornel {

// No picture is decoded larger than this on either side, whatever it is
// shown at: enough to cover a 4K screen, and 64 MiB of pixels at most.
inline constexpr int LargestPictureSide = 4096;
// Nor does any decoder that cannot scale as it reads get to decode more
// pixels than this (one that can, 64 times as many: it reads an eighth of
// each side); a larger picture, or a header that claims more pixels than its
// file holds, is no picture. Decoding is the slow part: a 20000 x 20000 PNG
// would hold a window for seconds.
inline constexpr qint64 MaxDecodedPixels = qint64(LargestPictureSide) * LargestPictureSide;

// Drawings (SVG) are no pictures here: they take the time their shapes
// take to draw, whatever size they are drawn at.
bool isDrawnPictureFormat(const QByteArray& format);

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
// A null image when the file holds no picture this machine reads, and as
// soon as `cancelled` is set (it may be set from another thread: decoding is
// safe off the window's thread).
QImage readPictureFile(const QString& path, QSize bound, Qt::AspectRatioMode mode,
    const std::atomic_bool* cancelled = nullptr);

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
