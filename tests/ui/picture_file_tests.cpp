#include <QImageWriter>

#include "UiSupport.h"
#include "ui/shared/PictureFile.h"

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
    const QSize none;
    const std::vector<PictureFileCase> cases{
        {"cut to a card", {300, 100}, QImageIOHandler::TransformationNone, {256, 256}, Qt::IgnoreAspectRatio,
            {256, 100}},
        {"fitted", {300, 100}, QImageIOHandler::TransformationNone, {150, 150}, Qt::KeepAspectRatio, {150, 50}},
        {"covering", {400, 300}, QImageIOHandler::TransformationNone, {100, 50}, Qt::KeepAspectRatioByExpanding,
            {100, 75}},
        {"small on a side", {400, 30}, QImageIOHandler::TransformationNone, {100, 50}, Qt::KeepAspectRatioByExpanding,
            {400, 30}},
        {"turned upright", {400, 200}, QImageIOHandler::TransformationRotate90, {100, 50},
            Qt::KeepAspectRatioByExpanding, {100, 200}},
        {"a panorama", {10000, 20}, QImageIOHandler::TransformationNone, {800, 600}, Qt::KeepAspectRatioByExpanding,
            {4096, 8}},
        {"no bound", {5000, 100}, QImageIOHandler::TransformationNone, none, Qt::KeepAspectRatioByExpanding,
            {4096, 81}},
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

}  // namespace
}  // namespace vornel
