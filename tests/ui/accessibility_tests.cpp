#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAccessible>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextBrowser>
#include <cmath>
#include <map>

#include "UiSupport.h"
#include "storage/CustomImagesFile.h"
#include "text/AccessibleNames.h"
#include "text/Profile.h"
#include "ui/windows/AddWallpaperWindow.h"
#include "ui/windows/RemoveWallpaperWindow.h"
#include "ui/windows/WinScreen.h"
#include "ui/windows/LoseScreen.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/BestScoresWindow.h"
#include "ui/windows/SettingsWindow.h"
#include "ui/windows/PaletteWindow.h"
#include "ui/windows/HelpWindow.h"

namespace vornel {
namespace {

using namespace testing;

// What a screen reader cannot name on `window`: its title, each visible
// control and each menu item. Containers are named by what they hold,
// decoration and an empty text have nothing to read, and a list reads its
// items, not its viewport.
std::string unnamed(QWidget* window)
{
    using A = QAccessible;
    QStringList missing;
    if (window->windowTitle().trimmed().isEmpty())
        missing << window->objectName() + " has no title";
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const auto* area = qobject_cast<QAbstractScrollArea*>(w->parentWidget());
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        // Qt lends a scroll bar its group's title and a list box its current
        // text; neither says what the control is for, so they need their own.
        const bool ownNameNeeded = (qobject_cast<QAbstractSlider*>(w) || qobject_cast<QComboBox*>(w)) &&
            !w->parentWidget()->objectName().startsWith("qt_scrollarea");
        if (ownNameNeeded && w->isVisibleTo(window) && w->accessibleName().trimmed().isEmpty()) {
            missing << window->objectName() + ' ' + w->objectName() + " has only a borrowed name";
            continue;
        }
        if (w->window() != window || !w->isVisibleTo(window) || (area && area->viewport() == w) || !a ||
            a->state().invisible || !a->text(A::Name).trimmed().isEmpty())
            continue;
        const A::Role role = a->role();
        const bool holds = !w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty();
        if (!(holds && (role == A::Client || role == A::Grouping || role == A::Pane)) && role != A::Border &&
            role != A::Separator && role != A::StaticText)
            missing << window->objectName() + ' ' + w->objectName() + ' ' + w->metaObject()->className();
    }
    for (QAction* action : window->findChildren<QAction*>())
        if (!action->isSeparator() && action->text().isEmpty() && !action->objectName().isEmpty())
            missing << "menu item " + action->objectName();
    return missing.join('\n').toStdString();
}

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

// The texts `window` shows in Greek letters: its title (a manual's is its
// own), labels, buttons and groups.
QStringList greekTexts(QWidget* window)
{
    QStringList texts{qobject_cast<HelpWindow*>(window) ? QString() : window->windowTitle()}, greek;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const auto* l = qobject_cast<QLabel*>(w);
        const auto* b = qobject_cast<QAbstractButton*>(w);
        const auto* g = qobject_cast<QGroupBox*>(w);
        if (w->isVisibleTo(window))
            texts << (l ? l->text() : b ? b->text() : g ? g->title() : QString());
    }
    for (const QString& t : texts)
        if (std::any_of(t.begin(), t.end(), [](QChar c) { return c.script() == QChar::Script_Greek; }))
            greek << t;
    return greek;
}

double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto lin = [](int v) { return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.red()) + 0.7152 * lin(c.green()) + 0.0722 * lin(c.blue());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrasts of the texts `w` shows, as its window draws them: of a label,
// button, group or field, the strongest pixel its text changes against the
// colour most of its text covers; of a list, menu bar or page, its colours.
std::vector<double> textContrasts(QWidget* w)
{
    const QPalette& p = w->palette();
    if (const auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model() && view->model()->rowCount())
        return {contrast(p.color(QPalette::Text), p.color(QPalette::Base))};
    if (qobject_cast<QMenuBar*>(w))
        return {contrast(p.color(QPalette::ButtonText), p.color(QPalette::Window))};
    std::vector<double> ratios;
    if (const auto* page = qobject_cast<QTextBrowser*>(w)) {
        for (QTextBlock b = page->document()->begin(); b.isValid(); b = b.next())
            for (auto f = b.begin(); !f.atEnd(); ++f)
                if (const QTextCharFormat c = f.fragment().charFormat(); !f.fragment().text().trimmed().isEmpty())
                    ratios.push_back(contrast(c.hasProperty(QTextFormat::ForegroundBrush) ? c.foreground().color() : p.color(QPalette::Text),
                        c.hasProperty(QTextFormat::BackgroundBrush) ? c.background().color() : p.color(QPalette::Base)));
        return ratios;
    }
    const char* property = w->metaObject()->indexOfProperty("title") >= 0 ? "title" : "text";
    const QVariant text = w->property(property);
    if (text.toString().trimmed().isEmpty())
        return {};
    auto drawn = [w] { return w->window()->grab(QRect(w->mapTo(w->window(), QPoint()), w->size())).toImage(); };
    const QImage with = drawn();
    const QSignalBlocker quiet(w);
    w->setProperty(property, QStringLiteral(" "));
    const QImage without = drawn();
    w->setProperty(property, text);
    std::map<QRgb, int> covered;
    QRgb strongest = 0, under = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (const QRgb a = with.pixel(x, y), b = without.pixel(x, y); a != b) {
                ++covered[b];
                if (!under || contrast(a, b) > contrast(strongest, under))
                    strongest = a, under = b;
            }
    if (!covered.empty())
        ratios.push_back(contrast(strongest, std::max_element(covered.begin(), covered.end(), [](auto& a, auto& b) {
            return a.second < b.second;
        })->first));
    return ratios;
}

// The texts of `window` below 4.5:1, or 3:1 for large text (18 points, or 14 bold).
QStringList unreadable(QWidget* window)
{
    QStringList low;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window) || !w->isEnabled())
            continue;
        const qreal points = w->font().pointSizeF();
        const double least = points >= 18 || (points >= 14 && w->font().bold()) ? 3 : 4.5;
        for (double ratio : textContrasts(w))
            if (ratio < least)
                low << QStringLiteral("%1 %2 %3:1").arg(window->objectName(), w->objectName()).arg(ratio, 0, 'f', 1);
    }
    return low;
}

QPalette desktop(QColor face, QColor field, QColor highlight)
{
    QPalette p(face);  // its texts black or white, whichever stands out
    p.setColor(QPalette::Base, field);
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::Link, highlight);
    return p;
}

// In each language and under a desktop's palette: the default, a dark and a
// high-contrast one. ctest runs these once more on a screen of twice the
// density (QT_SCALE_FACTOR=2), where a picture drawn from too few pixels comes out soft.
struct EveryWindow : UiFixture<::testing::TestWithParam<std::tuple<bool, int>>> {
    QTemporaryDir photos;
    bool greek = std::get<0>(GetParam());
    const QPalette original = QApplication::palette();

    EveryWindow()
    {
        QFile::copy(QStringLiteral(VORNEL_ASSETS "/english.ini"), data.filePath("english.ini"));
        const QPalette desktops[] = {original, desktop(QColor(53, 53, 53), QColor(35, 35, 35), QColor(42, 130, 218)),
            desktop(Qt::black, Qt::black, Qt::yellow)};
        QApplication::setPalette(desktops[std::get<1>(GetParam())]);
    }
    ~EveryWindow() override { QApplication::setPalette(original); }
    void look(QWidget* window, const char* when = "")
    {
        SCOPED_TRACE(window->objectName().toStdString() + ' ' + when);
        EXPECT_EQ(unnamed(window), "");
        EXPECT_EQ(unsharpPictures(window), "");
        EXPECT_EQ(unreadable(window).join('\n').toStdString(), "");
        // In English no Greek letters show; in Greek some do.
        const QStringList inGreek = greekTexts(window);
        EXPECT_EQ(inGreek.isEmpty(), !greek) << inGreek.join(" | ").toStdString();
    }
};

TEST_P(EveryWindow, NamesEveryControlInTheLanguageDrawsItsPicturesForItsScreenAndItsTextsStandOut)
{
    MainWindow w(host, greek, data.path());
    w.start();
    look(child(w, "PlayerWindow"));
    click(child(*child(w, "PlayerWindow"), "okButton"));
    look(&w, "idle");

    // Playing, with the championship panel and its helps up.
    boxes.ok();
    child<QAction>(w, "newChampionshipAction")->trigger();
    ASSERT_TRUE(w.game().playing());
    click(child(w, "cardBack(0)"));
    look(&w, "playing");

    w.winScreen()->showWon(3);
    w.loseScreen()->showLost();
    tick(*w.loseScreen(), "animationTimer", 37);  // to the end of its animation, where its text shows
    child<QAction>(w, "aboutAction")->trigger();
    for (QWidget* screen : {child(w, "WinScreen"), child(w, "LoseScreen"), child(w, "AboutWindow")}) {
        look(screen);
        screen->hide();
    }

    // Settings and the palette it opens. The palette is drawn at the
    // screen's density, and a press takes the colour drawn under the
    // pointer, whether the position comes exact or, as on X11, rounded.
    child<QAction>(w, "settingsAction")->trigger();
    auto* settings = child<SettingsWindow>(w, "SettingsWindow");
    look(settings);
    click(child(*settings, "swatch(0)"));
    ASSERT_NE(settings->palette(), nullptr);
    look(settings->palette());
    const qreal ratio = w.devicePixelRatioF();
    const QImage drawn = child(*settings->palette(), "palettePicture")->grab().toImage();
    EXPECT_EQ(drawn.devicePixelRatio(), ratio);
    EXPECT_EQ(drawn.size(), (QSizeF(PaletteWindow::PictureSize) * ratio).toSize());
    int wrong = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QPointF exact = QPointF(x, y) / ratio;
            const QPoint rounded = exact.toPoint();
            const QRgb shown = drawn.pixel(x, y) | 0xFF000000u;
            wrong += PaletteWindow::colourAt(exact, ratio) != shown;
            if (rounded.x() < PaletteWindow::PictureSize.width() && rounded.y() < PaletteWindow::PictureSize.height())
                wrong += PaletteWindow::colourAt(rounded, ratio) != shown;
        }
    EXPECT_EQ(wrong, 0);
    settings->close();

    // The player's own pictures, with one chosen: read by the file's name.
    CustomImages stored;
    stored.paths[0] = savePicture(photos.filePath("sunset.png"), {40, 30}, Qt::darkCyan).toStdString();
    ASSERT_TRUE(writeCustomImages(w.dataFile(DataFile::CustomImages), stored));
    boxes.window = [&](QDialog* custom) {
        look(custom);
        const QString slot =
            QAccessible::queryAccessibleInterface(child(*custom, "slotFrame(0)"))->text(QAccessible::Name);
        EXPECT_EQ(slot.toStdString(), greek ? "Εικόνα 1: sunset, επιλεγμένη" : "Picture 1: sunset, selected");
        custom->reject();
    };
    child<QAction>(w, "choosePicturesAction")->trigger();

    const TextCatalog catalog(std::filesystem::path(data.filePath("english.ini").toStdString()));
    AddWallpaperWindow add(host, greek, catalog, w.pictures(), &w);
    RemoveWallpaperWindow remove(w.wallpapers().list(), greek, catalog, w.pictures(), &w);
    BestScoresWindow scores(w.dataFile(DataFile::SingleScores), w.dataFile(DataFile::ChampionshipScores), host, greek, catalog, &w);
    HelpWindow help(greek, &w);
    help.openFile(QStringLiteral(VORNEL_ASSETS "/Help.hlp"), greek);
    for (QWidget* window : std::initializer_list<QWidget*>{&add, &remove, &scores, &help}) {
        window->show();
        look(window);
    }
    EXPECT_EQ(w.pictures().enlarged(), QStringList()) << "built-in art smaller than the screen asks for";
    EXPECT_TRUE(w.windowIcon().availableSizes().contains(QSize(64, 64)));
}

TEST_P(EveryWindow, TheMainWindowReadsCardsValuesAndActionsAsTheyAreAndFollowsTheLanguage)
{
    MainWindow& w = open(greek);
    auto name = [&](const QString& control) {
        return QAccessible::queryAccessibleInterface(child(w, control))->text(QAccessible::Name).toStdString();
    };
    const std::string card = greek ? "Κάρτα" : "Card";
    child<QAction>(w, "newGameAction")->trigger();
    EXPECT_EQ(name("clockLabel"), greek ? "Χρόνος που απομένει: 01:15" : "Time left: 01:15");
    EXPECT_EQ(name("stopButton"), greek ? "Διακοπή" : "Stop");

    // A back is a push button whose press is the click.
    QAccessibleInterface* back = QAccessible::queryAccessibleInterface(child(w, "cardBack(0)"));
    EXPECT_EQ(back->role(), QAccessible::Button);
    back->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(w.game().board().slot(0).isOpen());
    int partner = 1;
    while (!w.game().board().sameImage(0, partner))
        ++partner;
    const std::string picture = AccessibleNames::picture(greek, w.game().board().slot(0).picture->name);
    EXPECT_EQ(name("cardFrame(0)"), card + " 1: " + picture);
    click(child(w, QStringLiteral("cardBack(%1)").arg(partner)));
    EXPECT_EQ(name("cardFrame(0)"), card + " 1: " + picture + (greek ? ", ταιριασμένη" : ", matched"));

    // The other language's menu item changes the names at once.
    child<QAction>(w, greek ? "englishAction" : "greekAction")->trigger();
    EXPECT_TRUE(name("cardFrame(0)").starts_with(greek ? "Card 1: " : "Κάρτα 1: ")) << name("cardFrame(0)");
}

// Whether a control can be used now is its state, as a screen reader sees
// it, though nothing is greyed; a screen or box over the window holds them all.
TEST_F(UiTest, ControlsThatCannotBeUsedNowReportDisabledAndAllDoWhileAScreenHoldsTheWindow)
{
    MainWindow& w = open(false);
    Heard heard;
    struct Row {
        const char* control;
        bool idle, playing;  // disabled
    };
    const Row rows[]{{"newGameButton", false, true}, {"stopButton", true, false}, {"cardBack(3)", true, false},
        {"BoardFocus(3)", false, false}};
    auto disabled = [&](const char* control) {
        return QAccessible::queryAccessibleInterface(child(w, control))->state().disabled;
    };
    for (const Row& row : rows)
        EXPECT_EQ(disabled(row.control), row.idle) << row.control;
    w.setEnabledByWindow(false);
    EXPECT_FALSE(child<QMenu>(w, "fileMenu")->menuAction()->isEnabled()) << "the menus are held too";
    w.setEnabledByWindow(true);
    child<QAction>(w, "newGameAction")->trigger();
    for (const Row& row : rows)
        EXPECT_EQ(disabled(row.control), row.playing) << row.control;
    // As the end screens and the other windows do while they are up.
    w.setEnabledByWindow(false);
    for (const Row& row : rows)
        EXPECT_TRUE(disabled(row.control)) << row.control;
    EXPECT_NE(heard.last(QAccessible::StateChanged, child(w, "stopButton")), "") << "the change is told";
    w.setEnabledByWindow(true);
    EXPECT_FALSE(disabled("stopButton"));
}

// A screen reader listening from the start asks about each control as soon
// as it changes, before the window has said what the control is.
TEST(AccessibleRoles, HoldWhenAScreenReaderListensWhileTheWindowIsBuilt)
{
    QAccessible::installUpdateHandler([](QAccessibleEvent* e) { e->accessibleInterface(); });
    QAccessible::setActive(true);
    PictureLibrary pictures;
    AboutWindow about(false, pictures, nullptr);
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(about.findChild<QWidget*>("mailLink"));
    QAccessible::setActive(false);
    QAccessible::installUpdateHandler(nullptr);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), "Send e-mail");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&about)->role(), QAccessible::Window);
}

constexpr const char* DesktopNames[] = {"Default", "Dark", "HighContrast"};
INSTANTIATE_TEST_SUITE_P(GreekAndEnglish, EveryWindow, ::testing::Combine(::testing::Bool(), ::testing::Values(0, 1, 2)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param) ? "Greek" : "English") + DesktopNames[std::get<1>(info.param)];
    });

// A box speaks the language of the interface, its buttons and access keys too.
TEST(Boxes, ButtonsAreInTheLanguageOfTheInterface)
{
    for (const bool greek : {true, false}) {
        DesktopHost host;
        host.setGreek(greek);
        testing::BoxAnswerer boxes;
        QStringList buttons;
        boxes.inspect = [&](QWidget* box) {
            for (auto* b : box->findChildren<QAbstractButton*>())
                buttons << b->text();
        };
        boxes.yes();
        host.askYesNo("?");
        boxes.ok();
        host.showMessage("!");
        buttons.sort();
        EXPECT_EQ(buttons, greek ? QStringList({"&Ναι", "OK", "Ό&χι"}) : QStringList({"&No", "&Yes", "OK"}));
    }
}

}  // namespace
}  // namespace vornel
