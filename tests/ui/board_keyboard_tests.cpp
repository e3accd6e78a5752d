#include <QAccessible>

#include "UiSupport.h"
#include "text/AccessibleNames.h"
#include "ui/main_window/BoardKeyboard.h"

namespace vornel {
namespace {

using namespace testing;
using Step = BoardFocus::Step;

TEST(BoardFocus, ArrowsWalkTheFiveByFourGridAndStopAtItsEdges)
{
    BoardFocus focus;
    EXPECT_FALSE(focus.move(Step::Left) || focus.move(Step::Up));
    const std::pair<Step, int> walk[] = {{Step::Right, 1}, {Step::Right, 2}, {Step::Right, 3}, {Step::Right, 4},
        {Step::Down, 9}, {Step::Down, 14}, {Step::Down, 19}, {Step::Left, 18}, {Step::Up, 13}};
    for (auto [step, card] : walk)
        EXPECT_TRUE(focus.move(step) && focus.index() == card) << card;
    for (int i = 0; i < 3; ++i)
        focus.move(Step::Left);
    EXPECT_FALSE(focus.move(Step::Left)) << "no wrap into the row above";
    EXPECT_FALSE(focus.move(Step::Down) && focus.move(Step::Down)) << "stops at the last row";
    EXPECT_EQ(focus.index(), 15);
}

TEST_F(UiTest, KeysTurnCardsThroughTheClickWhileAGameRunsAndLeaveTheShortcutsAlone)
{
    MainWindow& w = open(false);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QWidget* board = child(w, "board");
    board->setFocus();
    auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    // The card that has the keys: a screen reader reads the focus.
    auto keysOn = [&](int i) {
        QWidget* keys = card(w, "BoardFocus", i);
        return QApplication::focusWidget() == keys && keys->isVisibleTo(&w) &&
            keys->geometry().contains(card(w, "cardFrame", i)->geometry());
    };

    press(Qt::Key_Down);  // no game: the keys stay on the board
    EXPECT_EQ(QApplication::focusWidget(), board);
    press(Qt::Key_F2);  // the menu's new game still
    ASSERT_TRUE(w.game().playing());
    EXPECT_TRUE(keysOn(0));
    EXPECT_FALSE(ringOn(card(w, "BoardFocus", 0))) << "a ring before the keys are used on the board";
    // The menus are disabled during a game, and so are their shortcuts.
    const auto first = w.game().board().slot(0).picture;
    tick(w, "clockTimer");
    const int seconds = w.game().clock().SecondsLeft;
    press(Qt::Key_F2);
    EXPECT_TRUE(w.game().clock().SecondsLeft == seconds && w.game().board().slot(0).picture == first)
        << "a second F2 dealt again";

    press(Qt::Key_Right);
    press(Qt::Key_Down);
    EXPECT_TRUE(keysOn(6) && ringOn(card(w, "BoardFocus", 6)));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name), "Card 7");
    press(Qt::Key_Space);
    ASSERT_TRUE(w.game().board().slot(6).isOpen());
    press(Qt::Key_Return);  // an open card takes no click
    EXPECT_TRUE(w.game().board().slot(6).isOpen() && w.game().mainWindowEnabled());

    // Enter on a card of another picture makes a wrong pair; until it turns
    // back the window takes no keys.
    const bool leftIsPartner = w.game().board().sameImage(6, 5);
    press(leftIsPartner ? Qt::Key_Right : Qt::Key_Left);
    const int other = leftIsPartner ? 7 : 5;
    press(Qt::Key_Enter);
    EXPECT_TRUE(w.game().board().slot(other).isFaceUp() && !w.game().mainWindowEnabled());
    press(Qt::Key_Right);
    EXPECT_TRUE(keysOn(other)) << "no move while the pair shows";

    for (int i = 0; i < 10 && !w.game().mainWindowEnabled(); ++i)
        tick(w, "flipBackTimer");
    // The pair turned back, Tab leaves the board for the buttons and
    // Shift+Tab comes back to the card.
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), child(w, "newGameButton"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(keysOn(other));
    click(card(w, "cardBack", 19));  // the mouse takes over
    EXPECT_FALSE(ringOn(card(w, "BoardFocus", other)));

    // Stopped, the keys go back to the board, which reads as the board again.
    boxes.yes();
    click(child(w, "stopCaption"));
    ASSERT_FALSE(w.game().playing());
    EXPECT_TRUE(w.focusWidget() == board && !card(w, "BoardFocus", other)->isVisibleTo(&w));
}

TEST_F(UiTest, TabReachesThePictureButtonsAndTheHelpsWhichSpaceAndEnterClick)
{
    MainWindow& w = open(false);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    child(w, "board")->setFocus();
    // A box takes the focus away; the window gets it back as it is active again.
    auto tabTo = [&](const char* name) {
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w))
            return false;
        for (int i = 0; i < 8 && QApplication::focusWidget() != child(w, name); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget() == child(w, name);
    };

    // Championship, then Stop, answered yes: the keys go where the clicks go.
    boxes.ok();  // the championship note
    ASSERT_TRUE(tabTo("championshipButton"));
    QTest::keyClick(child(w, "championshipButton"), Qt::Key_Space);
    ASSERT_TRUE(BoxAnswerer::waitFor([&] { return w.game().session().inChampionship(); }));

    ASSERT_TRUE(tabTo("tenSecondsHelpButton"));
    QTest::keyClick(child(w, "tenSecondsHelpButton"), Qt::Key_Return);
    EXPECT_TRUE(!w.game().helps().available[Helps::TenSeconds] && w.game().helps().revealRunning);

    boxes.yes();
    ASSERT_TRUE(tabTo("stopButton"));
    QTest::keyClick(child(w, "stopButton"), Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(BoxAnswerer::waitFor([&] { return !w.game().playing(); }));
    EXPECT_FALSE(w.game().session().inChampionship());

    // With a modifier the key is a shortcut's, not a click.
    ASSERT_TRUE(tabTo("newGameButton"));
    QTest::keyClick(child(w, "newGameButton"), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(w.game().playing());
    QTest::keyClick(child(w, "newGameButton"), Qt::Key_Space);
    EXPECT_TRUE(w.game().playing());
}

// Each turn is read out at once, in the words of the interface: through the
// card the keys are on, or else through the announcer. The keys' hint comes
// with the first card the keys reach, and only then.
TEST_F(UiTest, ScreenReadersHearEachTurnAtOnceAndTheHintOnce)
{
    MainWindow& w = open(false);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    child(w, "board")->setFocus();
    Heard heard;
    int keys = 0;
    auto press = [&](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    auto moveTo = [&](int to) {
        for (; keys % 5 < to % 5; ++keys) press(Qt::Key_Right);
        for (; keys % 5 > to % 5; --keys) press(Qt::Key_Left);
        for (; keys < to; keys += 5) press(Qt::Key_Down);
        for (; keys > to; keys -= 5) press(Qt::Key_Up);
    };
    const Board& board = w.game().board();
    auto picture = [&](int i) { return QString::fromStdString(AccessibleNames::picture(false, board.slot(i).picture->name)); };
    auto read = [&] { return heard.last(QAccessible::Focus); };
    auto announced = [&] { return heard.last(QAccessible::ObjectShow, child(w, "announcer")); };

    QTest::keyClick(&w, Qt::Key_F2);
    EXPECT_EQ(read(), "Card 1 / Arrow keys move, Space or Enter turns the card");
    moveTo(1);
    EXPECT_EQ(read(), "Card 2 / ");
    moveTo(0);
    EXPECT_EQ(read(), "Card 1 / ") << "the hint a second time";

    press(Qt::Key_Space);
    EXPECT_EQ(read(), "Card 1: " + picture(0) + " / ");
    int partner = 1;
    while (!board.sameImage(0, partner))
        ++partner;
    click(card(w, "cardBack", partner));  // the mouse, while the keys stay on card 1
    EXPECT_EQ(announced(), QStringLiteral("Card %1: %2, matched. Pair / ").arg(partner + 1).arg(picture(0)));

    // A wrong pair by the keys, and its turning back.
    int first = 1, second = 2;
    for (; board.slot(first).isFaceUp(); ++first) { }
    for (second = first + 1; board.slot(second).isFaceUp() || board.sameImage(first, second); ++second) { }
    moveTo(first);
    press(Qt::Key_Space);
    moveTo(second);
    press(Qt::Key_Space);
    EXPECT_EQ(read(), QStringLiteral("Card %1: %2 / Wrong pair").arg(second + 1).arg(picture(second)));
    tick(w, "flipBackTimer", 3);
    EXPECT_EQ(read(), QStringLiteral("Card %1 / Cards %2 and %1 turned back").arg(second + 1).arg(first + 1));
}

}  // namespace
}  // namespace vornel
