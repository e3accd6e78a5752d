#include "UiSupport.h"
#include "ui/BoardKeyboard.h"

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
    Form1& w = open(false);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QWidget* board = child(w, "Frame1");
    QWidget* frame = child(w, "BoardFocus");
    auto place = [&](int i) { return card(w, "Image1", i)->geometry(); };

    EXPECT_FALSE(frame->isVisibleTo(&w)) << "hidden while no game runs";
    QTest::keyClick(board, Qt::Key_Down);  // no game: the focus stays
    QTest::keyClick(board, Qt::Key_Space);
    QTest::keyClick(board, Qt::Key_F2);  // the menu's new game still
    ASSERT_TRUE(w.game().playing());
    // The menus are disabled during a game, and so are their shortcuts.
    const auto first = w.game().board().slot(0).picture;
    tick(w, "Timer2");
    const int seconds = w.game().clock().SecondsLeft;
    QTest::keyClick(board, Qt::Key_F2);
    EXPECT_EQ(w.game().clock().SecondsLeft, seconds) << "a second F2 dealt again";
    EXPECT_EQ(w.game().board().slot(0).picture, first);
    EXPECT_TRUE(frame->isVisibleTo(&w) && frame->geometry().contains(place(0)));

    QTest::keyClick(board, Qt::Key_Right);
    QTest::keyClick(board, Qt::Key_Down);
    EXPECT_TRUE(frame->geometry().contains(place(6)));
    QTest::keyClick(board, Qt::Key_Space);
    ASSERT_TRUE(w.game().board().slot(6).isOpen());
    QTest::keyClick(board, Qt::Key_Return);  // an open card takes no click
    EXPECT_TRUE(w.game().board().slot(6).isOpen() && w.game().mainWindowEnabled());

    // Enter on a card of another picture makes a wrong pair; until it turns
    // back the window takes no keys.
    const bool leftIsPartner = w.game().board().sameImage(6, 5);
    QTest::keyClick(board, leftIsPartner ? Qt::Key_Right : Qt::Key_Left);
    const int other = leftIsPartner ? 7 : 5;
    QTest::keyClick(board, Qt::Key_Enter);
    EXPECT_TRUE(w.game().board().slot(other).isFaceUp());
    EXPECT_FALSE(w.game().mainWindowEnabled());
    QTest::keyClick(board, Qt::Key_Right);
    EXPECT_TRUE(frame->geometry().contains(place(other))) << "no move while the pair shows";
}

TEST_F(UiTest, TabReachesThePictureButtonsAndTheHelpsWhichSpaceAndEnterClick)
{
    Form1& w = open(false);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    child(w, "Frame1")->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), child(w, "Frame1"));
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
    ASSERT_TRUE(tabTo("Image6(1)"));
    QTest::keyClick(child(w, "Image6(1)"), Qt::Key_Space);
    ASSERT_TRUE(BoxAnswerer::waitFor([&] { return w.game().session().inChampionship(); }));

    ASSERT_TRUE(tabTo("Label11(0)"));
    QTest::keyClick(child(w, "Label11(0)"), Qt::Key_Return);
    EXPECT_FALSE(w.game().helps().available[Helps::TenSeconds]);
    EXPECT_TRUE(w.game().helps().revealRunning);

    boxes.yes();
    ASSERT_TRUE(tabTo("Image6(2)"));
    QTest::keyClick(child(w, "Image6(2)"), Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(BoxAnswerer::waitFor([&] { return !w.game().playing(); }));
    EXPECT_FALSE(w.game().session().inChampionship());

    // With a modifier the key is a shortcut's, not a click.
    ASSERT_TRUE(tabTo("Image6(0)"));
    QTest::keyClick(child(w, "Image6(0)"), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(w.game().playing());
    QTest::keyClick(child(w, "Image6(0)"), Qt::Key_Space);
    EXPECT_TRUE(w.game().playing());
}

}  // namespace
}  // namespace vornel
