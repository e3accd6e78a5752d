#include <QAccessible>
#include <QLocale>
#include <QScrollBar>

#include "UiSupport.h"
#include "storage/ColoursFile.h"
#include "storage/DefaultColoursFile.h"
#include "ui/windows/SettingsWindow.h"
#include "ui/windows/PaletteWindow.h"

namespace vornel {
namespace {

using namespace testing;

struct SettingsWindowTest : UiTest {
    QLocale before;

    // The size texts are shown with a comma, as in Greece.
    SettingsWindowTest() { QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece)); }
    ~SettingsWindowTest() override { QLocale::setDefault(before); }

    SettingsWindow* openSettings(MainWindow& w)
    {
        child<QAction>(w, "settingsAction")->trigger();
        // A window closed before may still wait for its deletion.
        for (SettingsWindow* s : w.findChildren<SettingsWindow*>("SettingsWindow"))
            if (s->isVisible())
                return s;
        return nullptr;
    }
    QColor text(QWidget& w, const char* name) { return child(w, name)->palette().color(QPalette::WindowText); }
    QColor back(QWidget& w, const QString& name) { return child(w, name)->palette().color(QPalette::Window); }
    // A press on the palette picture, as any mouse button gives it.
    void pick(SettingsWindow& s, int row, int column, Qt::MouseButton button = Qt::LeftButton)
    {
        ASSERT_NE(s.palette(), nullptr);
        QTest::mouseClick(child(*s.palette(), "palettePicture"), button, {}, PaletteWindow::swatchCentre(row, column));
    }
};

TEST_F(SettingsWindowTest, CancelPutsTheLivePreviewBackAndOkKeepsEveryChoiceForTheNextStart)
{
    MainWindow& w = open(true);
    const ColourValues design = w.colours();
    const QColor window = back(w, "clientArea");
    const QSize cards = child(w, "cardFace(0)")->size();
    SettingsWindow* s = openSettings(w);
    EXPECT_FALSE(w.game().mainWindowEnabled());

    click(child(*s, "swatch(0)"));
    QPointer<PaletteWindow> palette = s->palette();
    ASSERT_TRUE(palette && palette->isVisible());
    EXPECT_EQ(back(*palette, "previewBox"), QColor(0, 0, 128));  // the swatch's colour
    pick(*s, 1, 0, Qt::RightButton);                         // FF0000
    for (QColor c : {back(*s, "swatch(0)"), back(*palette, "previewBox"), text(w, "playerNameLabel")})
        EXPECT_EQ(c, QColor(255, 0, 0));

    click(child(*s, "swatch(3)"));
    pick(*s, 4, 5);  // 00003F, where the heading's text turns white
    EXPECT_EQ(back(w, "clientArea"), QColor(0, 0, 63));
    EXPECT_EQ(text(w, "championshipHeading"), QColor(Qt::white));

    // The card colour has no live preview but the window's samples.
    click(child(*s, "cardColourButton"));
    pick(*s, 3, 2);  // 007F00
    EXPECT_EQ(back(*s, "cardSample(2)"), QColor(0, 127, 0));
    EXPECT_EQ(back(w, "cardFrame(0)"), QColor(0, 192, 0));
    child<QScrollBar>(*s, "widthBar")->setValue(0);

    click(child(*s, "cancelButton"));
    EXPECT_EQ(w.colours(), design);
    EXPECT_EQ(back(w, "clientArea"), window);
    EXPECT_EQ(w.cardSettings().CardColour, 0x00C000);
    EXPECT_EQ(child(w, "cardFace(0)")->size(), cards);
    EXPECT_FALSE(QFile::exists(data.filePath("colors.qdx")));
    EXPECT_TRUE(BoxAnswerer::waitFor([&] { return !palette; }) && w.game().mainWindowEnabled());

    const QRect seventhCardBefore = child(w, "cardFrame(7)")->geometry();
    child(w, "wallpaper")->show();  // as a chosen wallpaper is
    s = openSettings(w);
    ASSERT_TRUE(s);
    EXPECT_EQ(child(*s, "samplePicture(0)")->size(), cards);
    child<QScrollBar>(*s, "widthBar")->setValue(0);
    EXPECT_EQ(child(*s, "samplePicture(2)")->width(), 29);  // 435 twips
    EXPECT_EQ(child<QLabel>(*s, "widthValue")->text(), "2,9 cm.");
    s->onHeightScrolled(0);  // while the thumb is dragged
    EXPECT_EQ(child(*s, "samplePicture(2)")->height(), 25);  // 370 twips
    child<QScrollBar>(*s, "heightBar")->setValue(10);
    click(child(*s, "cardColourButton"));
    pick(*s, 3, 2);  // 007F00
    click(child(*s, "swatch(4)"));
    pick(*s, 5, 4);  // 3F7F7F
    click(child(*s, "swatch(3)"));
    pick(*s, 1, 1);  // FFFF00
    EXPECT_EQ(back(w, "clientArea"), window) << "the wallpaper keeps the background until OK";
    click(child(*s, "okButton"));

    EXPECT_FALSE(s->isVisible());
    EXPECT_EQ(back(w, "clientArea"), QColor(255, 255, 0));
    EXPECT_EQ(child(w, "cardFrame(7)")->geometry(), seventhCardBefore);
    for (int run = 0; run < 2; ++run) {  // after OK, and at the next start
        MainWindow& shown = run ? open(true) : w;
        EXPECT_EQ(back(shown, "board"), QColor(63, 127, 127));
        EXPECT_EQ(back(shown, "cardFrame(19)"), QColor(0, 127, 0));
        EXPECT_EQ(child(shown, "cardFace(19)")->size(), QSize(29, 35));  // 435 x 520
        child<QAction>(shown, "exitAction")->trigger();
    }
}

TEST_F(SettingsWindowTest, ThePaletteTakesColoursByKeysAndReadsEachSwatchAsItsColour)
{
    MainWindow& w = open(true);
    SettingsWindow* s = openSettings(w);
    click(child(*s, "swatch(0)"));
    QPointer<PaletteWindow> palette = s->palette();
    palette->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(palette));
    auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    auto keysOn = [&](int swatch) {
        QWidget* keys = child(*palette, QStringLiteral("swatchKeys(%1)").arg(swatch));
        return QApplication::focusWidget() == keys && ringOn(keys);
    };
    auto name = [] { return QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name); };

    EXPECT_FALSE(ringOn(child(*palette, "swatchKeys(0)"))) << "a ring before the keys are used";
    EXPECT_EQ(name(), "κόκκινο 255, πράσινο 127, μπλε 127");
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left, Qt::Key_Down})
        press(key);  // the left edge stops the keys
    EXPECT_TRUE(keysOn(16));
    EXPECT_EQ(name(), "κόκκινο 127, πράσινο 63, μπλε 63");
    press(Qt::Key_Return);
    EXPECT_EQ(text(w, "playerNameLabel"), QColor(127, 63, 63));
    press(Qt::Key_Right);
    press(Qt::Key_Space);
    EXPECT_EQ(back(*s, "swatch(0)"), QColor(255, 127, 63));
    pick(*s, 0, 0);
    EXPECT_FALSE(ringOn(child(*palette, "swatchKeys(17)"))) << "the mouse took over";
    press(Qt::Key_Escape);
    EXPECT_TRUE(BoxAnswerer::waitFor([&] { return !palette || !palette->isVisible(); }));
}

TEST_F(SettingsWindowTest, DefaultsComeFromTheFileOfTheFirstStartAndSystemColoursSurvive)
{
    constexpr std::int32_t windowText = static_cast<std::int32_t>(0x80000008);
    ASSERT_TRUE(writeColoursFile(file("colors.qdx"), {windowText, 0x000080, 0, 0xBECEFE, 0x00C000}));
    MainWindow& w = open(false);
    // Made before the colours file was applied: the design colours.
    EXPECT_EQ(readDefaultColours(file("DefaultColors.dat")).colours,
        (ColourValues{0x800000, 0x000080, 0, 0xBECEFE, 0x00C000}));
    EXPECT_EQ(text(w, "playerNameLabel"), QApplication::palette().color(QPalette::Text));

    SettingsWindow* s = openSettings(w);
    EXPECT_EQ(back(*s, "swatch(0)"), QApplication::palette().color(QPalette::Text));
    click(child(*s, "okButton"));
    EXPECT_EQ((*readColoursFile(file("colors.qdx")))[ColourIndex::PlayerName], "-2147483640");

    s = openSettings(w);
    click(child(*s, "defaultsButton"));
    EXPECT_EQ(back(*s, "swatch(0)"), QColor(0, 0, 128));
}

}  // namespace
}  // namespace vornel
