#include <QBuffer>
#include <QElapsedTimer>
#include <QtEndian>

#include "UiSupport.h"
#include "ui/shared/PictureFile.h"

namespace vornel {
namespace {

QByteArray encoded(QSize size, QImage::Format format, const char* as)
{
    QImage image(size, format);
    image.fill(1);
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&out, as));
    return bytes;
}

// Upright as a camera's turn in its Exif header shows it, whatever the bound asked for.
TEST(PictureFile, IsDecodedNoLargerThanAskedUprightAndWithinTheLimit)
{
    constexpr auto Cover = Qt::KeepAspectRatioByExpanding;
    const QByteArray turnedRight = QByteArray::fromHex("FFE10022457869660000" "49492A00080000000100"
                                                       "12010300010000000600000000000000");
    const struct {
        const char* what;
        QSize stored;
        bool turned;
        QSize bound;
        Qt::AspectRatioMode mode;
        QSize expected;
    } cases[] = {
        {"cut to a card", {300, 100}, false, {256, 256}, Qt::IgnoreAspectRatio, {256, 100}},
        {"fitted", {300, 100}, false, {150, 150}, Qt::KeepAspectRatio, {150, 50}},
        {"covering", {400, 300}, false, {100, 50}, Cover, {100, 75}},
        {"small on a side", {400, 30}, false, {100, 50}, Cover, {400, 30}},
        {"turned upright", {400, 200}, true, {100, 50}, Cover, {100, 200}},
        {"a panorama", {10000, 20}, false, {800, 600}, Cover, {4096, 8}},
        {"no bound", {5000, 100}, false, QSize(), Cover, {4096, 81}},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        QFile out(dir.filePath(QString::fromLatin1(c.what)));
        QByteArray jpeg = encoded(c.stored, QImage::Format_RGB32, "JPEG");
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(c.turned ? jpeg.insert(2, turnedRight) : jpeg) > 0);
        out.close();
        EXPECT_EQ(readPictureFile(out.fileName(), c.bound, c.mode).size(), c.expected) << c.what;
    }
}

TEST(PictureFile, APictureBeyondTheDecodingBoundsOrShortOfItsClaimedPixelsIsNone)
{
    // One-bit pixels pack to a few dozen kilobytes, with every pixel to decode.
    const QByteArray bmp = encoded({300, 200}, QImage::Format_RGB32, "BMP");
    QByteArray claim = bmp.left(55);
    qToLittleEndian(qint32(5000), claim.data() + 18);
    qToLittleEndian(qint32(5000), claim.data() + 22);
    const struct {
        const char* what;
        QByteArray file;
        bool picture;
    } files[] = {
        {"20000 x 20000 one-bit PNG", encoded({20000, 20000}, QImage::Format_Mono, "PNG"), false},
        {"4096 x 4096 one-bit PNG", encoded({4096, 4096}, QImage::Format_Mono, "PNG"), true},
        {"bitmap header claiming 5000 x 5000", claim, false},
        {"bitmap holding half its rows", bmp.left(bmp.size() / 2), false},
        {"whole bitmap", bmp, true},
        {"PPM header claiming 5000 x 5000", "P6\n5000 5000\n255\n" + QByteArray(64, 'x'), false},
    };
    QTemporaryDir dir;
    for (const auto& f : files) {
        const QString path = dir.filePath(QString::fromLatin1(f.what));
        {
            QFile out(path);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(f.file) == f.file.size());
        }
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(!readPictureFile(path, QSize(1332, 882)).isNull(), f.picture) << f.what;
        EXPECT_LT(clock.elapsed(), 2000) << f.what;
    }
}

}  // namespace
}  // namespace vornel
