#include "ui/shared/PictureFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <filesystem>

#include "storage/SafeFile.h"

namespace vornel {

namespace {

// Photos from a camera are a few megabytes; nothing near this is a picture.
constexpr std::size_t MaxPictureFileBytes = std::size_t(64) << 20;

// The most a decoder may allocate: a picture of MaxDecodedPixels at 16 bits
// a channel, with room to spare.
constexpr int AllocationLimitMiB = 160;

// No packed picture holds more pixels than this per byte of its file: one-bit
// pixels at deflate's best ratio (1032:1) come to about 8,300.
constexpr qint64 MostPixelsPerByte = 8300;

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

quint32 littleEndian(const std::string& b, std::size_t at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | (at + i < b.size() ? static_cast<unsigned char>(b[at + i]) : 0u);
    return v;
}

// The fewest bytes a file of the format needs for its pixels: exact for
// formats that store them plainly, by the best ratio of any packing else.
qint64 leastBytesFor(const QByteArray& format, QSize size, const std::string& file)
{
    const qint64 w = size.width(), h = size.height(), pixels = w * h;
    if (format == "bmp" || format == "dib") {
        const bool core = littleEndian(file, 14, 4) == 12;
        const qint64 bits = littleEndian(file, core ? 24 : 28, 2);
        const quint32 packing = core ? 0 : littleEndian(file, 30, 4);
        if (packing == 0 || packing == 3 || packing == 6)  // rows as they are
            return (w * std::max<qint64>(bits, 1) + 31) / 32 * 4 * h;
    }
    if (format == "ppm" || format == "pgm" || format == "pbm") {
        const char kind = file.size() > 1 ? file[1] : '0';
        switch (kind) {
        case '4':
            return (w + 7) / 8 * h;
        case '6':
        case '3':
            return 3 * pixels;
        default:  // one byte or one digit a pixel
            return pixels;
        }
    }
    if (format == "xpm")
        return pixels;
    if (format == "xbm")
        return pixels / 8;
    return pixels / MostPixelsPerByte;
}

// Decoding reads through this, and stops at the end of the bytes when the
// decode is no longer wanted.
class CancellableBuffer : public QBuffer {
public:
    CancellableBuffer(QByteArray* data, const std::atomic_bool* cancelled) : QBuffer(data), cancelled_(cancelled) {}

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (cancelled_ && cancelled_->load(std::memory_order_relaxed))
            return -1;
        return QBuffer::readData(data, maxSize);
    }

private:
    const std::atomic_bool* cancelled_;
};

}  // namespace

bool isDrawnPictureFormat(const QByteArray& format)
{
    return format == "svg" || format == "svgz";
}

QImage readPictureFile(const QString& path, QSize bound, Qt::AspectRatioMode mode, const std::atomic_bool* cancelled)
{
    const QByteArray encoded = QFile::encodeName(path);
    const std::optional<std::string> bytes =
        readRegularFile(std::filesystem::path(encoded.toStdString()), MaxPictureFileBytes);
    if (!bytes || bytes->empty())
        return {};
    QByteArray data = QByteArray::fromRawData(bytes->data(), static_cast<qsizetype>(bytes->size()));
    CancellableBuffer buffer(&data, cancelled);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(AllocationLimitMiB);
    // A drawing takes the time its shapes take, whatever its size.
    if (isDrawnPictureFormat(reader.format()))
        return {};
    reader.setAutoTransform(true);
    const bool sideways = turnsSideways(reader.transformation());

    // The reader scales before it turns the picture upright.
    QSize stored = reader.size();
    QSize target;
    if (stored.isValid() && !stored.isEmpty()) {
        // A decoder that cannot scale as it reads decodes every pixel; one
        // that can reads them at an eighth at the least.
        const qint64 pixels = qint64(stored.width()) * stored.height();
        const bool scalesAsItReads = reader.supportsOption(QImageIOHandler::ScaledSize);
        if (pixels > MaxDecodedPixels * (scalesAsItReads ? 64 : 1))
            return {};
        // A header that claims more pixels than its file can hold.
        if (leastBytesFor(reader.format(), stored, *bytes) > static_cast<qint64>(bytes->size()))
            return {};
        target = decodedSize(sideways ? stored.transposed() : stored, bound, mode);
        const QSize storedTarget = sideways ? target.transposed() : target;
        // Formats that can, decode at the smaller size straight away.
        if (storedTarget != stored)
            reader.setScaledSize(storedTarget);
    }
    QImage image = reader.read();
    if (image.isNull() || (cancelled && cancelled->load()))
        return {};
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
