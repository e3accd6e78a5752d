#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>

#include "UiSupport.h"
#include "platform/DesktopHost.h"
#include "storage/ColoursFile.h"
#include "storage/DefaultColoursFile.h"
#include "storage/SettingsRecords.h"
#include "ui/Form1.h"
#include "ui/Form6.h"
#include "ui/Form8.h"
#include "ui/Form91.h"

namespace vornel {
namespace {

using testing::BoxAnswerer;
using testing::click;

struct Form8Test : ::testing::Test {
    QTemporaryDir data;
    DesktopHost host;
    BoxAnswerer boxes;
    QLocale before;

    // The size texts are shown with a comma, as in Greece.
    Form8Test() { QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece)); }
    ~Form8Test() override { QLocale::setDefault(before); }

    std::filesystem::path file(const char* name) const
    {
        return std::filesystem::path(data.path().toStdString()) / name;
    }
    void start(Form1& w)
    {
        w.Form_Load();
        auto* form6 = w.findChild<Form6*>("Form6");
        ASSERT_NE(form6, nullptr);
        click(form6->findChild<QWidget*>("Command1"));
    }
    template <typename T = QWidget> T* child(QWidget& w, const QString& name)
    {
        T* c = w.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    Form8* openSettings(Form1& w)
    {
        child<QAction>(w, "EikSize")->trigger();
        return w.findChild<Form8*>("Form8");
    }
    QColor text(QWidget& w, const char* name) { return child(w, name)->palette().color(QPalette::WindowText); }
    QColor back(QWidget& w, const QString& name) { return child(w, name)->palette().color(QPalette::Window); }
    // A press on the palette picture, as any mouse button gives it.
    void pick(Form8& s, int row, int column, Qt::MouseButton button = Qt::LeftButton)
    {
        ASSERT_NE(s.palette(), nullptr);
        QTest::mouseClick(child(*s.palette(), "Picture1(0)"), button, {}, Form91::swatchCentre(row, column));
    }
};

TEST_F(Form8Test, OpensAtTheCardSizeAndTheBarsResizeTheSamplesAsTheyMove)
{
    Form1 w(host, true, data.path());
    start(w);
    Form8* s = openSettings(w);
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->isVisible());
    EXPECT_FALSE(w.game().mainWindowEnabled());
    EXPECT_EQ(s->windowTitle(), "Ρυθμίσεις");
    auto* width = child<QScrollBar>(*s, "HScroll1");
    auto* height = child<QScrollBar>(*s, "VScroll1");
    EXPECT_EQ(width->value(), 20);
    EXPECT_EQ(height->value(), 20);
    EXPECT_EQ(child<QLabel>(*s, "Label3(0)")->text(), "4,4 cm.");
    EXPECT_EQ(child<QLabel>(*s, "Label3(1)")->text(), "4,9 cm.");
    EXPECT_EQ(child<QLabel>(*s, "Label1(5)")->text(), "Ύψος Εικόνων : ");
    EXPECT_EQ(child(*s, "Image2")->size(), QSize(49, 45));

    width->setValue(0);
    for (const char* sample : {"Image2", "Image3", "Image9"})
        EXPECT_EQ(child(*s, sample)->width(), 29) << sample;  // 435 twips
    EXPECT_EQ(child<QLabel>(*s, "Label3(1)")->text(), "2,9 cm.");
    s->VScroll1_Scroll(0);                         // while the thumb is dragged
    EXPECT_EQ(child(*s, "Image9")->height(), 25);  // 370 twips
    EXPECT_EQ(child<QLabel>(*s, "Label1(5)")->text(), "Ύψος Εικόνων : 2,4 cm.");
    EXPECT_EQ(child<QLabel>(*s, "Label3(0)")->text(), "4,4 cm.");  // until the drag ends

    click(child(*s, "Command10"));
    EXPECT_TRUE(w.game().mainWindowEnabled());
    EXPECT_EQ(w.cardSettings().CardPictureWidth, 735);
    EXPECT_EQ(child(w, "Image9(0)")->width(), 49);
}

TEST_F(Form8Test, SwatchesShowOnTheMainWindowAtOnceAndCancelPutsTheColoursBack)
{
    Form1 w(host, true, data.path());
    start(w);
    const ColourValues design = w.colours();
    const QColor window = back(w, "Form");
    Form8* s = openSettings(w);

    click(child(*s, "Picture1(0)"));
    QPointer<Form91> palette = s->palette();
    ASSERT_TRUE(palette && palette->isVisible());
    EXPECT_EQ(palette->PaletteTarget(), "ΕΠΙΛΟΓΗ,0");
    EXPECT_EQ(palette->windowTitle(), "[Χρώμα Ονόματος Παίκτη     :]");
    EXPECT_EQ(back(*palette, "Label1"), QColor(0, 0, 128));  // the swatch's colour
    pick(*s, 1, 0, Qt::RightButton);                         // FF0000
    EXPECT_EQ(back(*s, "Picture1(0)"), QColor(255, 0, 0));
    EXPECT_EQ(back(*palette, "Label1"), QColor(255, 0, 0));
    EXPECT_EQ(text(w, "Label50"), QColor(255, 0, 0));
    EXPECT_EQ(child<QLabel>(*s, "Label20")->text(), "255");

    click(child(*s, "Picture1(3)"));
    pick(*s, 0, 1);  // FFFF7F
    EXPECT_EQ(back(w, "Form"), QColor(255, 255, 127));
    EXPECT_EQ(back(w, "Label10"), QColor(255, 255, 127));

    // The card colour has no live preview.
    click(child(*s, "Command2"));
    EXPECT_EQ(palette->PaletteTarget(), "");
    EXPECT_EQ(palette->windowTitle(), "Επιλογή Χρώματος");
    pick(*s, 3, 2);  // 007F00
    for (const char* preview : {"Image1", "Picture2", "Picture3"})
        EXPECT_EQ(back(*s, preview), QColor(0, 127, 0)) << preview;
    EXPECT_EQ(back(w, "Image1(0)"), QColor(0, 192, 0));
    EXPECT_EQ(back(w, "Form"), QColor(255, 255, 127));

    click(child(*s, "Command10"));
    EXPECT_EQ(w.colours(), design);
    EXPECT_EQ(text(w, "Label50"), QColor(0, 0, 128));
    EXPECT_EQ(back(w, "Form"), window);
    EXPECT_EQ(w.cardSettings().CardColour, 0x00C000);
    EXPECT_FALSE(QFile::exists(data.filePath("colors.qdx")));
    EXPECT_TRUE(BoxAnswerer::waitFor([&] { return !palette; }));
    EXPECT_TRUE(w.game().mainWindowEnabled());
}

TEST_F(Form8Test, AWallpaperKeepsTheBackgroundUntilOk)
{
    Form1 w(host, true, data.path());
    start(w);
    child(w, "Image1005")->show();  // as a chosen wallpaper is
    ASSERT_TRUE(w.wallpaperShown());
    const QColor window = back(w, "Form");
    Form8* s = openSettings(w);
    click(child(*s, "Picture1(3)"));
    pick(*s, 1, 1);  // FFFF00
    click(child(*s, "Picture1(2)"));
    pick(*s, 1, 0);  // FF0000
    EXPECT_EQ(back(*s, "Picture1(3)"), QColor(255, 255, 0));
    EXPECT_EQ(back(w, "Form"), window);
    EXPECT_EQ(text(w, "Label3"), QColor(255, 0, 0));
    click(child(*s, "Command20"));
    EXPECT_EQ(back(w, "Form"), QColor(255, 255, 0));
}

TEST_F(Form8Test, OkResizesTheCardsInPlaceAndEveryChoiceIsThereAtTheNextStart)
{
    QRect frame7;
    {
        Form1 w(host, true, data.path());
        start(w);
        frame7 = child(w, "Image1(7)")->geometry();
        Form8* s = openSettings(w);
        child<QScrollBar>(*s, "HScroll1")->setValue(0);
        child<QScrollBar>(*s, "VScroll1")->setValue(10);
        click(child(*s, "Command2"));
        pick(*s, 3, 2);  // 007F00
        click(child(*s, "Picture1(4)"));
        pick(*s, 5, 4);  // 3F7F7F
        click(child(*s, "Command20"));

        EXPECT_FALSE(w.findChild<Form8*>("Form8") && w.findChild<Form8*>("Form8")->isVisible());
        for (int i = 0; i < 20; ++i) {
            EXPECT_EQ(child(w, QStringLiteral("Image9(%1)").arg(i))->size(), QSize(29, 35)) << i;  // 435 x 520
            EXPECT_EQ(back(w, QStringLiteral("Image1(%1)").arg(i)), QColor(0, 127, 0)) << i;
        }
        EXPECT_EQ(child(w, "Image9(7)")->pos(), QPoint(4, 4));
        EXPECT_EQ(child(w, "Image1(7)")->geometry(), frame7);
        EXPECT_EQ(back(w, "Frame1"), QColor(63, 127, 127));
        child<QAction>(w, "exit")->trigger();
    }
    const auto stored = readColoursFile(file("colors.qdx"));
    ASSERT_TRUE(stored);
    EXPECT_EQ((*stored)[ColourIndex::Board], std::to_string(0x7F7F3F));
    const SettingsRecords records = readSettingsRecords(file("skor.qdx"));
    EXPECT_EQ(records.cardPictureWidth, 435);
    EXPECT_EQ(records.cardPictureHeight, 520);
    EXPECT_EQ(records.cardColour, TaggedValue::fromInt32(0x007F00));

    Form1 again(host, true, data.path());
    start(again);
    EXPECT_EQ(back(again, "Frame1"), QColor(63, 127, 127));
    EXPECT_EQ(back(again, "Image1(0)"), QColor(0, 127, 0));
    EXPECT_EQ(child(again, "Image9(0)")->size(), QSize(29, 35));
    Form8* s = openSettings(again);
    EXPECT_EQ(child<QScrollBar>(*s, "HScroll1")->value(), 0);
    EXPECT_EQ(child<QScrollBar>(*s, "VScroll1")->value(), 10);
    EXPECT_EQ(child<QLabel>(*s, "Label3(0)")->text(), "3,4 cm.");
}

TEST_F(Form8Test, DefaultsComeFromTheFileOfTheFirstStartAndSystemColoursSurvive)
{
    constexpr std::int32_t windowText = static_cast<std::int32_t>(0x80000008);
    ASSERT_TRUE(writeColoursFile(file("colors.qdx"), {windowText, 0x000080, 0, 0xBECEFE, 0x00C000}));
    Form1 w(host, true, data.path());
    start(w);
    // Made before the colours file was applied: the design colours.
    const DefaultColours defaults = readDefaultColours(file("DefaultColors.dat"));
    EXPECT_EQ(defaults.colours, (ColourValues{0x800000, 0x000080, 0, 0xBECEFE, 0x00C000}));
    EXPECT_EQ(defaults.cardColour, TaggedValue::fromInt32(0x00C000));
    EXPECT_EQ(w.colours()[ColourIndex::PlayerName], windowText);
    EXPECT_EQ(text(w, "Label50"), QApplication::palette().color(QPalette::Text));

    Form8* s = openSettings(w);
    EXPECT_EQ(back(*s, "Picture1(0)"), QApplication::palette().color(QPalette::Text));
    click(child(*s, "Command20"));
    EXPECT_EQ((*readColoursFile(file("colors.qdx")))[ColourIndex::PlayerName], "-2147483640");

    s = openSettings(w);
    click(child(*s, "Command1"));
    EXPECT_EQ(back(*s, "Picture1(0)"), QColor(0, 0, 128));
    QFile::remove(data.filePath("DefaultColors.dat"));
    s->Form_Activate();
    EXPECT_FALSE(child(*s, "Command1")->isEnabled());
    click(child(*s, "Command10"));
}

TEST_F(Form8Test, EnglishTakesItsSectionAndTheFixedTitles)
{
    QFile ini(data.filePath("english.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[ENGLISH8]\r\nCommand20=OK\r\nLabel1=Colour\r\nLabel1(3)=Background:\r\n");
    ini.close();
    Form1 w(host, false, data.path());
    start(w);
    Form8* s = openSettings(w);
    EXPECT_EQ(s->windowTitle(), "Options");
    EXPECT_EQ(child<QPushButton>(*s, "Command20")->text(), "OK");
    EXPECT_EQ(child<QLabel>(*s, "Label1(3)")->text(), "Background:");
    EXPECT_EQ(child<QLabel>(*s, "Label1(0)")->text(), "Colour");
    EXPECT_EQ(child<QPushButton>(*s, "Command10")->text(), "Ακύρωση");
    click(child(*s, "Picture1(1)"));
    EXPECT_EQ(child<QLabel>(*s->palette(), "Label2")->text(), "Preview");
    click(child(*s, "Command10"));
}

TEST(Form91Picture, SwatchesAreTheTableOnGreyAndAPressTakesThePixelUnderIt)
{
    const QImage& image = Form91::paletteImage();
    EXPECT_EQ(image.size(), QSize(210, 140));
    for (int row = 0; row < Form91::Rows; ++row)
        for (int column = 0; column < Form91::Columns; ++column)
            EXPECT_EQ(image.pixel(Form91::swatchCentre(row, column)) & 0xFFFFFF,
                Form91::swatchColours()[row * Form91::Columns + column])
                << row << "," << column;
    EXPECT_EQ(Form91::swatchColours()[8], 0xFF0000u);  // row 2 starts with red
    EXPECT_EQ(image.pixel(0, 0), Form91::Background);
    EXPECT_EQ(image.pixel(209, 139), Form91::Background);
    const QPoint between = (Form91::swatchCentre(0, 0) + Form91::swatchCentre(0, 1)) / 2 + QPoint(1, 0);
    EXPECT_EQ(image.pixel(between), Form91::Background);

    PictureLibrary pictures;
    Form91 palette(pictures, true, nullptr);
    palette.setPaletteTarget("ΕΠΙΛΟΓΗ,4");
    std::vector<std::pair<int, std::int32_t>> taken;
    QObject::connect(&palette, &Form91::swatchColourTaken, [&](int d, std::int32_t c) { taken.emplace_back(d, c); });
    palette.Picture1_MouseDown(0, Qt::MiddleButton, {}, {0, 0});
    palette.Picture1_MouseDown(0, Qt::LeftButton, {}, between);
    palette.Picture1_MouseDown(0, Qt::LeftButton, {}, Form91::swatchCentre(5, 7));
    const std::vector<std::pair<int, std::int32_t>> expected{{4, 0xBFBFBF}, {4, 0xBFBFBF}, {4, 0xFFFFFF}};
    EXPECT_EQ(taken, expected);
}

}  // namespace
}  // namespace vornel
