#include <QElapsedTimer>
#include <QImageWriter>
#include <QSignalSpy>
#include <QtEndian>

#include "UiSupport.h"
#include "ui/shared/PictureFile.h"
#include "ui/shared/PictureLoader.h"

namespace vornel {
namespace {

struct PictureFileCase {
    const char* what;
    QSize stored;
    QImageIOHandler::Transformation turn;
    QSize bound;
    Qt::AspectRatioMode mode;
    QSize expected;
};

// A photo's shape counts as it is shown, and no picture comes out larger
// than the loader's limit, whatever the bound asked for.
TEST(PictureFile, IsDecodedNoLargerThanAskedUprightAndWithinTheLimit)
{
    constexpr auto Plain = QImageIOHandler::TransformationNone;
    constexpr auto Cover = Qt::KeepAspectRatioByExpanding;
    const std::vector<PictureFileCase> cases{
        {"cut to a card", {300, 100}, Plain, {256, 256}, Qt::IgnoreAspectRatio, {256, 100}},
        {"fitted", {300, 100}, Plain, {150, 150}, Qt::KeepAspectRatio, {150, 50}},
        {"covering", {400, 300}, Plain, {100, 50}, Cover, {100, 75}},
        {"small on a side", {400, 30}, Plain, {100, 50}, Cover, {400, 30}},
        {"turned upright", {400, 200}, QImageIOHandler::TransformationRotate90, {100, 50}, Cover, {100, 200}},
        {"a panorama", {10000, 20}, Plain, {800, 600}, Cover, {4096, 8}},
        {"no bound", {5000, 100}, Plain, QSize(), Cover, {4096, 81}},
    };
    QTemporaryDir dir;
    for (const PictureFileCase& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.what) + ".jpg");
        QImage picture(c.stored, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QImageWriter writer(path, "jpeg");
        writer.setTransformation(c.turn);
        ASSERT_TRUE(writer.write(picture)) << c.what;
        EXPECT_EQ(readPictureFile(path, c.bound, c.mode).size(), c.expected) << c.what;
    }
}

QByteArray crc32(const QByteArray& bytes)
{
    quint32 c = 0xFFFFFFFF;
    for (const char b : bytes) {
        c ^= static_cast<unsigned char>(b);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320 & (0u - (c & 1)));
    }
    QByteArray out(4, 0);
    qToBigEndian(~c, out.data());
    return out;
}

QByteArray chunk(const char* type, const QByteArray& body)
{
    QByteArray length(4, 0);
    qToBigEndian(quint32(body.size()), length.data());
    const QByteArray typed = QByteArray(type) + body;
    return length + typed + crc32(typed);
}

// A true PNG of one-bit pixels, all white: a few dozen kilobytes whatever
// its size, and every pixel to decode.
QByteArray blankPng(int width, int height)
{
    QByteArray header(13, 0);
    qToBigEndian(quint32(width), header.data());
    qToBigEndian(quint32(height), header.data() + 4);
    header[8] = 1;  // one bit, grey
    const QByteArray row = QByteArray(1, 0) + QByteArray((width + 7) / 8, char(0xFF));
    QByteArray rows;
    rows.reserve(row.size() * height);
    for (int y = 0; y < height; ++y)
        rows += row;
    const QByteArray packed = qCompress(rows, 9).mid(4);  // the zlib stream
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + chunk("IHDR", header) + chunk("IDAT", packed) + chunk("IEND", {});
}

// A bitmap header with its pixel rows, or only some of them.
QByteArray bitmap(int width, int height, int rowsHeld)
{
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    QByteArray b(54, 0);
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian(quint32(54 + rowBytes * height), b.data() + 2);
    qToLittleEndian(quint32(54), b.data() + 10);
    qToLittleEndian(quint32(40), b.data() + 14);
    qToLittleEndian(qint32(width), b.data() + 18);
    qToLittleEndian(qint32(height), b.data() + 22);
    qToLittleEndian(quint16(1), b.data() + 26);
    qToLittleEndian(quint16(24), b.data() + 28);
    return b + QByteArray(qsizetype(rowBytes) * rowsHeld, char(0x40));
}

// A picture larger than a decoder may read, or whose header claims more
// pixels than its file holds, is no picture, and costs no decoding.
TEST(PictureFile, APictureBeyondTheDecodingBoundsOrShortOfItsClaimedPixelsIsNone)
{
    const struct {
        const char* what;
        QByteArray file;
        bool picture;
    } files[] = {
        {"20000 x 20000 one-bit PNG", blankPng(20000, 20000), false},
        {"4096 x 4096 one-bit PNG", blankPng(4096, 4096), true},
        {"bitmap header claiming 5000 x 5000", bitmap(5000, 5000, 0) + "x", false},
        {"bitmap holding half its rows", bitmap(300, 200, 100), false},
        {"whole bitmap", bitmap(300, 200, 200), true},
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
        const QImage image = readPictureFile(path, QSize(1332, 882));
        EXPECT_EQ(!image.isNull(), f.picture) << f.what;
        EXPECT_LT(clock.elapsed(), 2000) << f.what;
    }
}

// A later request supersedes an older one (the main window's wallpaper
// shows it), a cancelled one hands nothing over, and a loader destroyed
// while it decodes neither waits for the picture nor hands it over.
TEST(PictureLoader, HandsNothingOverWhenCancelledAndStopsWithTheLoader)
{
    QTemporaryDir dir;
    const QString big = testing::savePicture(dir.filePath("big.png"), {1600, 1200}, Qt::red);
    PictureLoader loader;
    QSignalSpy spy(&loader, &PictureLoader::loaded);
    loader.load(big, {}, Qt::KeepAspectRatio);
    loader.cancel();
    QTest::qWait(300);
    EXPECT_EQ(spy.count(), 0) << "a cancelled request hands nothing over";

    auto* gone = new PictureLoader;
    gone->load(big, {}, Qt::KeepAspectRatio);
    delete gone;
    QTest::qWait(100);
}

}  // namespace
}  // namespace vornel
