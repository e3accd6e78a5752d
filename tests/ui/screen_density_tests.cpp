#include <QAction>
#include <QLabel>
#include <QTextBlock>
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
            unsharp << QStringLiteral("%1 %2: %3x%4 at %5 for %6x%7")
                           .arg(window->objectName(), l->objectName())
                           .arg(p.width())
                           .arg(p.height())
                           .arg(p.devicePixelRatio())
                           .arg(needed.width())
                           .arg(needed.height());
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
    EXPECT_EQ(ratio, qApp->devicePixelRatio());

    boxes.ok();
    w.findChild<QAction*>("gggggg")->trigger();
    click(w.findChild<QWidget*>("Label1(0)"));
    EXPECT_EQ(unsharpPictures(&w), "");

    w.winScreen()->showWon(1);
    EXPECT_EQ(unsharpPictures(w.winScreen()), "");
    w.winScreen()->hide();
    w.loseScreen()->showLost();
    EXPECT_EQ(unsharpPictures(w.loseScreen()), "");
    w.loseScreen()->unload();

    w.findChild<QAction*>("about")->trigger();
    EXPECT_EQ(unsharpPictures(w.findChild<Form5*>("Form5")), "");
    w.findChild<Form5*>("Form5")->close();

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
    // A press anywhere takes what is drawn under it.
    std::vector<std::int32_t> taken;
    QObject::connect(form8->palette(), &Form91::swatchColourTaken,
        [&](int, std::int32_t c) { taken.push_back(c); });
    QTest::mouseClick(palette, Qt::LeftButton, {}, Form91::swatchCentre(1, 0));
    EXPECT_EQ(taken, std::vector<std::int32_t>{0x0000FF});  // red, as 0x00BBGGRR
    form8->close();

    EXPECT_EQ(w.pictures().enlarged(), QStringList()) << "built-in art smaller than the screen asks for";
    EXPECT_TRUE(w.windowIcon().availableSizes().contains(QSize(64, 64)));
}

TEST(ScreenDensity, TheManualsPicturesComeAtTheScreensDensity)
{
    HelpWindow help(true, nullptr);
    help.openFile(QStringLiteral(VORNEL_ASSETS "/Help.hlp"), true);
    const qreal ratio = help.devicePixelRatioF();
    QTextDocument* doc = help.browser()->document();
    int pictures = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (const QTextCharFormat f = it.fragment().charFormat(); f.isImageFormat()) {
                ++pictures;
                const QString name = f.toImageFormat().name();
                const QVariant loaded = doc->resource(QTextDocument::ImageResource, QUrl(name));
                const QImage image = loaded.userType() == QMetaType::QImage ? loaded.value<QImage>()
                    : loaded.userType() == QMetaType::QPixmap              ? loaded.value<QPixmap>().toImage()
                                                                           : QImage::fromData(loaded.toByteArray());
                ASSERT_FALSE(image.isNull()) << name.toStdString();
                EXPECT_EQ(image.devicePixelRatio(), ratio) << name.toStdString();
                // Laid out at the size of the picture made for a plain screen.
                const QImage plain(QStringLiteral(VORNEL_ASSETS "/") + name);
                EXPECT_EQ(image.deviceIndependentSize(), QSizeF(plain.size())) << name.toStdString();
            }
    EXPECT_GE(pictures, 6);
}

}  // namespace
}  // namespace vornel
