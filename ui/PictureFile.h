#pragma once
#include <QImage>
#include <QSize>
#include <QString>

namespace vornel {

// A picture from a file the user chose. Only a regular file of sane size is
// read (a folder, a pipe or a device gives nothing), and a large picture is
// shrunk while it is read, keeping its shape, to the least size that still
// covers `fitInto` (device pixels). A null image when the file cannot be
// read as a picture.
QImage readPictureFile(const QString& path, QSize fitInto = {});

// The image scaled to fit `box` (device-independent pixels) on a screen of
// `ratio`, keeping its shape; for previews.
QPixmap previewPixmap(const QImage& image, QSize box, qreal ratio);

}  // namespace vornel
