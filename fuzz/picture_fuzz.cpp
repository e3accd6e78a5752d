// Any bytes as a picture file: the loader gives a picture only where Qt's
// own reader recognises a format and the picture's pixels are within what a
// decoder may read, never one larger than LargestPictureSide,
// and, where the header tells the picture's size, exactly the size the model
// of the bounds computes from it.
#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <cstdint>
#include <iterator>

#include "FuzzFile.h"
#include "ui/shared/PictureFile.h"

using namespace vornel;
using namespace vornel::fuzz;

namespace {

struct Bound {
    QSize size;
    Qt::AspectRatioMode mode;
};

// As the game asks: a card, a preview, a window to cover, and no bound.
const Bound bounds[] = {
    {{256, 256}, Qt::IgnoreAspectRatio},
    {{180, 120}, Qt::KeepAspectRatio},
    {{800, 600}, Qt::KeepAspectRatioByExpanding},
    {{}, Qt::KeepAspectRatioByExpanding},
};

struct Size {
    std::int64_t w, h;
};

// Height made the bound's and the width following it (rounded down); if
// that is too wide (to fit) or too narrow (to cover), the width is made the
// bound's instead.
Size scaleTo(Size s, Size b, bool cover)
{
    const std::int64_t w = b.h * s.w / s.h;
    if (cover ? w >= b.w : w <= b.w)
        return {w, b.h};
    return {b.w, b.w * s.h / s.w};
}

Size model(Size s, const Bound& bound)
{
    const Size b{bound.size.width(), bound.size.height()};
    if (bound.size.isValid() && b.w > 0 && b.h > 0) {
        const bool wider = s.w > b.w, taller = s.h > b.h;
        if (bound.mode == Qt::IgnoreAspectRatio)
            s = {std::min(s.w, b.w), std::min(s.h, b.h)};
        else if (bound.mode == Qt::KeepAspectRatio && (wider || taller))
            s = scaleTo(s, b, false);
        else if (bound.mode == Qt::KeepAspectRatioByExpanding && wider && taller)
            s = scaleTo(s, b, true);
    }
    if (s.w > LargestPictureSide || s.h > LargestPictureSide)
        s = scaleTo(s, {LargestPictureSide, LargestPictureSide}, false);
    return {std::max<std::int64_t>(s.w, 1), std::max<std::int64_t>(s.h, 1)};
}

// Qt's decoders are not instrumented, so the fuzzer sees little of them.
// These counters tell it which format, bound and outcome an input reached,
// so that it keeps an input for each and mutates from all of them.
const char* const formats[] = {"png", "bmp", "gif", "jpeg", "ico", "ppm", "pgm", "pbm", "xpm", "xbm", "cur"};
constexpr int Formats = std::size(formats) + 2;  // and another one, and none
__attribute__((used, section("__libfuzzer_extra_counters"))) std::uint8_t reached[Formats][4][3];

int formatIndex(const QByteArray& format)
{
    for (int i = 0; i < Formats - 2; ++i)
        if (format == formats[i])
            return i;
    return format.isEmpty() ? Formats - 1 : Formats - 2;
}

}  // namespace

// Qt's readers tell stderr about every broken picture; at thousands of
// pictures a second that is most of the time spent.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto path = scratchFile("picture");
    writeFile(path, data, size);
    const int boundIndex = size ? data[size - 1] % 4 : 0;
    const Bound& bound = bounds[boundIndex];
    const QImage image = readPictureFile(QString::fromStdString(path.string()), bound.size, bound.mode);

    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    const QSize header = reader.size();
    reached[formatIndex(format)][boundIndex][image.isNull() ? 0 : header.isValid() ? 1 : 2] = 1;
    if (format.isEmpty())
        FUZZ_CHECK(image.isNull());
    if (image.isNull())
        return 0;
    FUZZ_CHECK(image.width() <= LargestPictureSide && image.height() <= LargestPictureSide);

    QSize stored = header;
    if (!stored.isValid() || stored.isEmpty())
        return 0;
    // Only what a decoder may read: every pixel of a picture within the
    // limit, or an eighth of each side where the decoder scales as it reads.
    const qint64 pixels = qint64(stored.width()) * stored.height();
    FUZZ_CHECK(pixels <= MaxDecodedPixels * (reader.supportsOption(QImageIOHandler::ScaledSize) ? 64 : 1));
    FUZZ_CHECK(!isDrawnPictureFormat(format));
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        stored.transpose();
    const Size expected = model({stored.width(), stored.height()}, bound);
    FUZZ_CHECK(image.width() == expected.w && image.height() == expected.h);
    return 0;
}
