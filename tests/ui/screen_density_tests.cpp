#include <QAction>
#include <QLabel>
#include <QTextBlock>
#include <QTextBrowser>

#include "UiSupport.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form8.h"
#include "ui/Form91.h"
#include "ui/HelpWindow.h"

// These tests hold on any screen; ctest runs them once more on a screen of
// twice the density (QT_SCALE_FACTOR=2), where a picture drawn from too few
// pixels would come out soft.
namespace vornel {
namespace {

using namespace testing;
using ScreenDensity = UiTest;

// Every picture a label of `window` shows is made for the window's screen:
// its pixel ratio, and pixels enough to cover the label.
std::string unsharpPictures(QWidget* window)
{
    const qreal ratio = window->devicePixelRatioF();
    QStringList unsharp;
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(window) || l->pixmap().isNull() || l->hasScaledContents())
            continue;
        const QPixmap p = l->pixmap();
        const QSize needed = (QSizeF(l->contentsRect().size()) * ratio).toSize();
        if (p.devicePixelRatio() != ratio || (p.width() < needed.width() - 1 && p.height() < needed.height() - 1))
            unsharp << window->objectName() + ' ' + l->objectName();
    }
    return unsharp.join('\n').toStdString();
}

TEST_F(ScreenDensity, EveryWindowDrawsItsPicturesFromPixelsOfItsOwnScreen)
{
    Form1 w(host, false, data.path());
    w.Form_Load();
    EXPECT_EQ(unsharpPictures(child(w, "Form6")), "");
    click(child(*child(w, "Form6"), "Command1"));
    const qreal ratio = w.devicePixelRatioF();

    boxes.ok();
    child<QAction>(w, "gggggg")->trigger();
    click(child(w, "Label1(0)"));
    EXPECT_EQ(unsharpPictures(&w), "");

    w.winScreen()->showWon(1);
    w.loseScreen()->showLost();
    child<QAction>(w, "about")->trigger();
    for (QWidget* screen : {child(w, "Form2"), child(w, "Form3"), child(w, "Form5")}) {
        EXPECT_EQ(unsharpPictures(screen), "");
        screen->hide();
    }

    child<QAction>(w, "EikSize")->trigger();
    auto* form8 = child<Form8>(w, "Form8");
    EXPECT_EQ(unsharpPictures(form8), "");
    click(child(*form8, "Picture1(2)"));
    // The palette is drawn at the screen's density, and a press takes the
    // colour drawn under the pointer, whether the position comes exact or,
    // as on X11, rounded to whole pixels.
    const QImage drawn = child(*form8->palette(), "Picture1(0)")->grab().toImage();
    EXPECT_EQ(drawn.devicePixelRatio(), ratio);
    EXPECT_EQ(drawn.size(), (QSizeF(Form91::PictureSize) * ratio).toSize());
    int wrong = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QPointF exact = QPointF(x, y) / ratio;
            const QPoint rounded = exact.toPoint();
            const QRgb shown = drawn.pixel(x, y) | 0xFF000000u;
            wrong += Form91::colourAt(exact, ratio) != shown;
            if (rounded.x() < Form91::PictureSize.width() && rounded.y() < Form91::PictureSize.height())
                wrong += Form91::colourAt(rounded, ratio) != shown;
        }
    EXPECT_EQ(wrong, 0);
    form8->close();

    EXPECT_EQ(w.pictures().enlarged(), QStringList()) << "built-in art smaller than the screen asks for";
    EXPECT_TRUE(w.windowIcon().availableSizes().contains(QSize(64, 64)));
}

// The manual shipped with the game: every link leads to an anchor that is
// there, and every picture is beside it and comes at the screen's density.
TEST(ScreenDensityOfTheManual, LinksLeadSomewhereAndPicturesComeAtTheScreensDensity)
{
    HelpWindow help(true, nullptr);
    help.openFile(QStringLiteral(VORNEL_ASSETS "/Help.hlp"), true);
    QSet<QString> anchors;
    QStringList links, images;
    for (QTextBlock block = help.browser()->document()->begin(); block.isValid(); block = block.next()) {
        for (const QString& name : block.charFormat().anchorNames())
            anchors.insert(name);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            for (const QString& name : f.anchorNames())
                anchors.insert(name);
            if (f.isAnchor() && !f.anchorHref().isEmpty())
                links << f.anchorHref();
            if (f.isImageFormat())
                images << f.toImageFormat().name();
        }
    }
    EXPECT_TRUE(anchors.contains("el") && anchors.contains("en"));
    EXPECT_GE(links.size(), 20);
    for (const QString& link : links)
        EXPECT_TRUE(link.startsWith("mailto:") || anchors.contains(link.mid(1))) << link.toStdString();

    EXPECT_GE(images.size(), 6);
    for (const QString& name : images) {
        const QVariant loaded = help.browser()->loadResource(QTextDocument::ImageResource, QUrl(name));
        const QImage image = loaded.userType() == QMetaType::QImage ? loaded.value<QImage>()
                                                                    : QImage::fromData(loaded.toByteArray());
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_EQ(image.devicePixelRatio(), help.devicePixelRatioF()) << name.toStdString();
        // Laid out at the size of the picture for a plain screen.
        EXPECT_EQ(image.deviceIndependentSize(), QSizeF(QImage(QStringLiteral(VORNEL_ASSETS "/") + name).size()))
            << name.toStdString();
    }
}

}  // namespace
}  // namespace vornel
