#include "ui/shared/PictureFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <filesystem>

#include "storage/SafeFile.h"

namespace vornel {

namespace {

// Photos from a camera are a few megabytes; nothing near this is a picture.
constexpr std::size_t MaxPictureFileBytes = std::size_t(128) << 20;

// The size a picture of `size` is decoded at; both upright.
QSize decodedSize(QSize size, QSize bound, Qt::AspectRatioMode mode)
{
    QSize target = size;
    if (bound.isValid() && !bound.isEmpty()) {
        const bool wider = size.width() > bound.width();
        const bool taller = size.height() > bound.height();
        if (mode == Qt::IgnoreAspectRatio)
            target = size.boundedTo(bound);
        else if (mode == Qt::KeepAspectRatio ? wider || taller : wider && taller)
            target = size.scaled(bound, mode);
    }
    const QSize largest(LargestPictureSide, LargestPictureSide);
    if (target.width() > largest.width() || target.height() > largest.height())
        target = target.scaled(largest, Qt::KeepAspectRatio);
    return target.expandedTo(QSize(1, 1));
}

// A quarter or three quarters of a turn swap the sides.
bool turnsSideways(QImageIOHandler::Transformations t)
{
    return t.testFlag(QImageIOHandler::TransformationRotate90);
}

}  // namespace

QImage readPictureFile(const QString& path, QSize bound, Qt::AspectRatioMode mode)
{
    const QByteArray encoded = QFile::encodeName(path);
    const std::optional<std::string> bytes =
        readRegularFile(std::filesystem::path(encoded.toStdString()), MaxPictureFileBytes);
    if (!bytes || bytes->empty())
        return {};
    QByteArray data = QByteArray::fromRawData(bytes->data(), static_cast<qsizetype>(bytes->size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const bool sideways = turnsSideways(reader.transformation());

    // The reader scales before it turns the picture upright.
    QSize stored = reader.size();
    QSize target;
    if (stored.isValid() && !stored.isEmpty()) {
        target = decodedSize(sideways ? stored.transposed() : stored, bound, mode);
        const QSize storedTarget = sideways ? target.transposed() : target;
        // Formats that can, decode at the smaller size straight away.
        if (storedTarget != stored)
            reader.setScaledSize(storedTarget);
    }
    QImage image = reader.read();
    if (image.isNull())
        return image;
    // A header that told no size, or not the size its picture has, still
    // gives no larger picture than asked for.
    if (!target.isValid())
        target = decodedSize(image.size(), bound, mode);
    if (image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
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
