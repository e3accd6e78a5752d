#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QWindow>

#include "UiSupport.h"
#include "storage/SettingsRecords.h"
#include "ui/windows/HelpWindow.h"

namespace vornel {
namespace {

using namespace testing;

// Every picture of the manual shipped with the game is beside it and comes
// at the screen's density.
TEST(ScreenDensityOfTheManual, PicturesComeAtTheScreensDensity)
{
    HelpWindow help(true, nullptr);
    help.openFile(QStringLiteral(VORNEL_ASSETS "/Help.hlp"), true);
    QStringList images;
    for (QTextBlock block = help.browser()->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                images << it.fragment().charFormat().toImageFormat().name();
    EXPECT_GE(images.size(), 6);
    for (const QString& name : images) {
        const QVariant loaded = help.browser()->loadResource(QTextDocument::ImageResource, QUrl(name));
        const QImage image = loaded.userType() == QMetaType::QImage ? loaded.value<QImage>()
                                                                    : QImage::fromData(loaded.toByteArray());
        EXPECT_EQ(image.devicePixelRatio(), help.devicePixelRatioF()) << name.toStdString();
        // Laid out at the size of the picture for a plain screen.
        EXPECT_EQ(image.deviceIndependentSize(), QSizeF(QImage(QStringLiteral(VORNEL_ASSETS "/") + name).size()))
            << name.toStdString();
    }
}

// Dragged to a screen of twice the density, the main window draws its
// pictures again from their art, at that density.
TEST_F(UiTest, ScreenDensityOfAMovedWindowIsTheNewScreens)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2 || screens[0]->devicePixelRatio() != 1 || screens[1]->devicePixelRatio() != 2)
        GTEST_SKIP() << "needs a plain screen and a dense one, as ui_two_screens gives";
    SettingsRecords saved;
    saved.wallpaperPath = savePicture(data.filePath("Photos/a.bmp"), {40, 30}).toStdString();
    ASSERT_TRUE(writeSettingsRecords(file(DataFile::SingleScores), saved));
    MainWindow& w = open(false);
    click(child(w, "newGameCaption"));  // a game dealt: the faces have pictures
    auto ratios = [&] {
        QList<qreal> r;
        for (const char* name : {"cardBack(0)", "cardFace(7)", "stopButton", "twoPairsHelpIcon", "wallpaper"})
            r << child<QLabel>(w, name)->pixmap().devicePixelRatio();
        return r;
    };
    ASSERT_EQ(w.screen(), screens[0]);
    EXPECT_TRUE(BoxAnswerer::waitFor([&] { return ratios() == QList<qreal>(5, 1.0); }));
    w.windowHandle()->setScreen(screens[1]);
    ASSERT_EQ(w.devicePixelRatioF(), 2.0);
    EXPECT_TRUE(BoxAnswerer::waitFor([&] { return ratios() == QList<qreal>(5, 2.0); }));
    EXPECT_EQ(child<QLabel>(w, "cardBack(0)")->pixmap().deviceIndependentSize(),
        QSizeF(child<QLabel>(w, "cardBack(0)")->contentsRect().size()));
}

}  // namespace
}  // namespace vornel
