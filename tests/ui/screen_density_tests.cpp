#include <QAction>
#include <QLabel>
#include <QDir>
#include <QRegularExpression>
#include <QTextBrowser>

#include "UiSupport.h"
#include "platform/DesktopHost.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form5.h"
#include "ui/Form6.h"
#include "ui/Form8.h"
#include "ui/Form91.h"
#include "ui/HelpWindow.h"

// These tests hold on any screen; ctest runs them once more on a screen of
// twice the density (QT_SCALE_FACTOR=2), where a picture drawn from too few
// pixels would come out soft.
namespace vornel {
namespace {

using testing::BoxAnswerer;
using testing::click;

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

TEST(ScreenDensity, EveryWindowDrawsItsPicturesFromPixelsOfItsOwnScreen)
{
    QTemporaryDir data;
    DesktopHost host;
    BoxAnswerer boxes;
    Form1 w(host, false, data.path());
    w.Form_Load();
    auto* form6 = w.findChild<Form6*>("Form6");
    EXPECT_EQ(unsharpPictures(form6), "");
    click(form6->findChild<QWidget*>("Command1"));
    const qreal ratio = w.devicePixelRatioF();

    boxes.ok();
    w.findChild<QAction*>("gggggg")->trigger();
    click(w.findChild<QWidget*>("Label1(0)"));
    EXPECT_EQ(unsharpPictures(&w), "");

    w.winScreen()->showWon(1);
    w.loseScreen()->showLost();
    w.findChild<QAction*>("about")->trigger();
    const std::initializer_list<QWidget*> screens{w.winScreen(), w.loseScreen(), w.findChild<QWidget*>("Form5")};
    for (QWidget* screen : screens) {
        EXPECT_EQ(unsharpPictures(screen), "");
        screen->hide();
    }

    w.findChild<QAction*>("EikSize")->trigger();
    auto* form8 = w.findChild<Form8*>("Form8");
    EXPECT_EQ(unsharpPictures(form8), "");
    click(form8->findChild<QWidget*>("Picture1(2)"));
    // The palette is drawn at the screen's density, and a press takes the
    // colour drawn under the pointer, whether the position comes exact or,
    // as on X11, rounded to whole pixels.
    QWidget* palette = form8->palette()->findChild<QWidget*>("Picture1(0)");
    const QImage drawn = palette->grab().toImage();
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

// Each picture of the manual, as the help window loads it.
TEST(ScreenDensity, TheManualsPicturesComeAtTheScreensDensity)
{
    HelpWindow help(true, nullptr);
    help.openFile(QStringLiteral(VORNEL_ASSETS "/Help.hlp"), true);
    const QDir folder(QStringLiteral(VORNEL_ASSETS "/HelpPictures"));
    const QStringList plain = folder.entryList({"*.png"}).filter(QRegularExpression("^[^@]*$"));
    EXPECT_GE(plain.size(), 6);
    for (const QString& name : plain) {
        const QVariant loaded =
            help.browser()->loadResource(QTextDocument::ImageResource, QUrl("HelpPictures/" + name));
        const QImage image = loaded.userType() == QMetaType::QImage ? loaded.value<QImage>()
                                                                    : QImage::fromData(loaded.toByteArray());
        EXPECT_EQ(image.devicePixelRatio(), help.devicePixelRatioF()) << name.toStdString();
        // Laid out at the size of the picture for a plain screen.
        EXPECT_EQ(image.deviceIndependentSize(), QSizeF(QImage(folder.filePath(name)).size())) << name.toStdString();
    }
}

}  // namespace
}  // namespace vornel
