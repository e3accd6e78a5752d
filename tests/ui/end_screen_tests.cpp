#include "UiSupport.h"
#include "core/FakeHost.h"
#include "ui/windows/WinScreen.h"
#include "ui/windows/LoseScreen.h"
#include "ui/shared/PictureLibrary.h"

namespace vornel {
namespace {

using namespace testing;

// A host whose event runs let the test look at the windows mid-shake.
struct WatchingHost : testing::FakeHost {
    std::function<void()> duringEvents;
    void processEvents() override
    {
        FakeHost::processEvents();
        if (duringEvents)
            duringEvents();
    }
};

struct EndScreenTest : ::testing::Test {
    QTemporaryDir data;
    PictureLibrary pictures;
    QWidget main;
    WatchingHost host;
    QStringList sounds;
    int dismissals = 0;

    EndScreenTest()
    {
        main.setFixedSize(600, 400);
        main.move(40, 30);
        main.show();
    }
    template <typename Screen, typename... Args> std::unique_ptr<Screen> make(Args&&... args)
    {
        auto w = std::make_unique<Screen>(std::forward<Args>(args)..., data.path(), pictures, &main,
            [this](const QString& path) { sounds << path; });
        QObject::connect(w.get(), &Screen::dismissed, [this] { ++dismissals; });
        return w;
    }
    // The animation picture shows frame `name`: the very picture, not a copy.
    bool shows(QWidget& w, const QString& name)
    {
        auto* picture = child<QLabel>(w, "animationPicture");
        return picture->pixmap().cacheKey() ==
            pictures.named(name, picture->size(), picture->devicePixelRatioF()).cacheKey();
    }
};

// The texts in both languages are checked through the main window's games.
TEST_F(EndScreenTest, WinScreenOffersTheNextLevelOnlyInAChampionshipAnimatesWithItsSoundAndAnyClickOnItDismissesIt)
{
    auto w = make<WinScreen>(false);
    w->showWon(std::nullopt);
    EXPECT_FALSE(child(*w, "nextLevelHint")->isVisible());
    w->showWon(3);
    EXPECT_TRUE(child(*w, "nextLevelHint")->isVisible() && shows(*w, "Win6"));
    tick(*w, "animationTimer", 17);
    EXPECT_EQ(sounds, QStringList(4, data.path() + "/Win.SON"));
    EXPECT_FALSE(w->findChild<QTimer*>("animationTimer")->isActive() || child(*w, "animationFrame")->isVisible());

    for (const char* control : {"resultLabel", "nextLevelHint", "leftDecoration", "rightDecoration", "animationFrame", "animationPicture", ""}) {
        SCOPED_TRACE(control);
        w->showWon(4);
        tick(*w, "animationTimer", 2);
        const qint64 held = pictures.named("Win0").cacheKey();
        click(*control ? w->findChild<QWidget*>(control) : w.get());
        EXPECT_FALSE(w->isVisible() || w->findChild<QTimer*>("animationTimer")->isActive() || w->animation().running());
        // Its frames go with it: nothing keeps them, so they are read afresh.
        EXPECT_TRUE(child<QLabel>(*w, "animationPicture")->pixmap().isNull());
        EXPECT_NE(pictures.named("Win0").cacheKey(), held);
    }
    EXPECT_EQ(dismissals, 7);
    // Shown again, it starts afresh; a right click is no click; closing it is dismissing it.
    w->showWon(5);
    EXPECT_TRUE(shows(*w, "Win6") && child(*w, "animationFrame")->isVisible());
    click(w.get(), Qt::RightButton);
    EXPECT_TRUE(w->isVisible());
    w->close();
    EXPECT_EQ(dismissals, 8);
    // The keys a player reaches for go on as a click does; others do not.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape, Qt::Key_A}) {
        w->showWon(5);
        QTest::keyClick(w.get(), key);
        EXPECT_EQ(w->isVisible(), key == Qt::Key_A) << key;
    }
    EXPECT_EQ(dismissals, 12);
}

TEST_F(EndScreenTest, LoseScreenShowsItsTextOnlyAfterTheAnimationAndAnyClickOnItDismissesIt)
{
    auto w = make<LoseScreen>(host, false);
    auto* result = child<QLabel>(*w, "resultLabel");
    for (QString control : {"resultLabel", "leftDecoration", "rightDecoration", "animationFrame", "animationPicture", ""}) {
        SCOPED_TRACE(control.toStdString());
        w->showLost();
        EXPECT_FALSE(result->isVisible());
        EXPECT_TRUE(shows(*w, "Lose0"));
        // The animation's picture is clicked while it runs; the text once it shows.
        const bool onAnimation = control == "animationFrame" || control == "animationPicture";
        tick(*w, "animationTimer", onAnimation ? 2 : 37);
        EXPECT_EQ(result->isVisible(), !onAnimation);
        click(control.isEmpty() ? w.get() : w->findChild<QWidget*>(control));
        EXPECT_FALSE(w->isVisible() || w->findChild<QTimer*>("animationTimer")->isActive());
        EXPECT_TRUE(result->isVisibleTo(w.get()));
    }
    EXPECT_EQ(dismissals, 6);
    w->showLost();
    w->showTryAgain(3);
    EXPECT_EQ(result->text(), "      You lose.   Try again in level 3 .");
    // Closed at the end of a championship: hidden without a dismissal, and loaded afresh.
    w->unload();
    EXPECT_TRUE(!w->isVisible() && dismissals == 6);
    EXPECT_EQ(result->text(), "    SORRY, YOU LOSE !!!");
}

// As a screen shows, a screen reader reads its title and then its texts,
// though the animation still covers them; in the interface's language.
TEST_F(EndScreenTest, ScreenReadersReadTheScreensTextsAsItShows)
{
    auto win = make<WinScreen>(false);
    auto greekWin = make<WinScreen>(true);
    auto lose = make<LoseScreen>(host, false);
    Heard heard;
    win->showWon(std::nullopt);
    EXPECT_EQ(heard.last(QAccessible::ObjectShow, win.get()), "WIN !!! / YOY WIN !!!");
    greekWin->showWon(2);
    EXPECT_EQ(heard.last(QAccessible::ObjectShow, greekWin.get()),
        "NIKH !!! / Το επίπεδο 2 το ολοκλήρωσες με επιτυχία. ΚΛΙΚ ΓΙΑ ΤΟ ΕΠΟΜΕΝΟ ΕΠΙΠΕΔΟ.");
    // The level to play again is named just after the screen shows.
    lose->showLost();
    EXPECT_EQ(heard.last(QAccessible::ObjectShow, lose.get()), "LOSE !!! / SORRY, YOU LOSE !!!");
    lose->showTryAgain(4);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(lose.get())->text(QAccessible::Description),
        "You lose. Try again in level 4 .");
}

TEST_F(EndScreenTest, ShakeJoltsEachWindowInTurnWithoutReenteringAndLeavesBothWhereTheyWere)
{
    auto w = make<LoseScreen>(host, false);
    w->move(190, 140);
    w->showLost();
    const QPoint mainHome = main.pos(), screenHome = w->pos();
    QList<QPoint> mainSeen, screenSeen;
    host.duringEvents = [&] {
        mainSeen << main.pos() - mainHome;
        screenSeen << w->pos() - screenHome;
        tick(*w, "animationTimer");  // the 5 ms timer coming round inside the event run
    };
    tick(*w, "animationTimer", 3);
    tick(*w, "animationTimer");
    EXPECT_EQ(mainSeen, (QList<QPoint>{{1, 8}, {0, 0}}));
    EXPECT_EQ(screenSeen, (QList<QPoint>{{0, 0}, {1, 5}}));
    EXPECT_EQ(w->animation().AnimTicks(), 4) << "a tick ran inside the shake";
    EXPECT_EQ(sounds, QStringList{data.path() + "/CRASH1.SON"});
    tick(*w, "animationTimer", 33);
    EXPECT_EQ(host.eventsProcessed, 10);  // five shakes of two event runs
    EXPECT_EQ(sounds.size(), 5);
    EXPECT_TRUE(main.pos() == mainHome && w->pos() == screenHome);
}

}  // namespace
}  // namespace vornel
