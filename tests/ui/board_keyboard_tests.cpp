#include <QAction>

#include "UiSupport.h"
#include "platform/DesktopHost.h"
#include "ui/BoardKeyboard.h"
#include "ui/Form1.h"
#include "ui/Form6.h"

namespace vornel {
namespace {

using testing::BoxAnswerer;
using testing::click;
using Step = BoardFocus::Step;

TEST(BoardFocus, ArrowsWalkTheFiveByFourGridAndStopAtItsEdges)
{
    BoardFocus focus;
    EXPECT_EQ(focus.index(), 0);
    EXPECT_FALSE(focus.move(Step::Left));
    EXPECT_FALSE(focus.move(Step::Up));
    EXPECT_EQ(focus.index(), 0);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(focus.move(Step::Right));
        EXPECT_EQ(focus.index(), i);
    }
    EXPECT_FALSE(focus.move(Step::Right)) << "no wrap into the next row";
    EXPECT_EQ(focus.index(), 4);
    for (int card : {9, 14, 19})
        EXPECT_TRUE(focus.move(Step::Down) && focus.index() == card) << card;
    EXPECT_FALSE(focus.move(Step::Down));
    EXPECT_FALSE(focus.move(Step::Right));
    EXPECT_TRUE(focus.move(Step::Left));
    EXPECT_TRUE(focus.move(Step::Up));
    EXPECT_EQ(focus.index(), 13);
    for (int i = 0; i < 3; ++i)
        focus.move(Step::Left);
    EXPECT_EQ(focus.index(), 10);
    EXPECT_FALSE(focus.move(Step::Left)) << "no wrap into the row above";
}

struct KeyboardTest : ::testing::Test {
    QTemporaryDir data;
    DesktopHost host;
    BoxAnswerer boxes;

    void start(Form1& w)
    {
        w.Form_Load();
        click(w.findChild<Form6*>("Form6")->findChild<QWidget*>("Command1"));
        ASSERT_TRUE(w.isVisible());
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    QWidget* widget(Form1& w, const QString& name) { return w.findChild<QWidget*>(name); }
    void key(Form1& w, Qt::Key k) { QTest::keyClick(widget(w, "Frame1"), k); }
    // Where the focus frame sits, in the board.
    QRect frame(Form1& w) { return widget(w, "BoardFocus")->geometry(); }
    QRect card(Form1& w, int i) { return widget(w, QStringLiteral("Image1(%1)").arg(i))->geometry(); }
};

TEST_F(KeyboardTest, KeysTurnCardsThroughTheClickWhileAGameRunsAndLeaveTheShortcutsAlone)
{
    Form1 w(host, false, data.path());
    start(w);
    EXPECT_FALSE(widget(w, "BoardFocus")->isVisibleTo(&w)) << "hidden while no game runs";
    key(w, Qt::Key_Right);
    key(w, Qt::Key_Space);
    EXPECT_FALSE(w.game().playing());

    // F2 on the board is still the menu's new game.
    key(w, Qt::Key_F2);
    ASSERT_TRUE(w.game().playing());
    EXPECT_TRUE(widget(w, "BoardFocus")->isVisibleTo(&w));
    EXPECT_TRUE(frame(w).contains(card(w, 0)));

    key(w, Qt::Key_Right);
    key(w, Qt::Key_Down);
    EXPECT_TRUE(frame(w).contains(card(w, 6)));
    EXPECT_FALSE(frame(w).intersects(card(w, 0).adjusted(4, 4, -4, -4)));
    key(w, Qt::Key_Space);
    ASSERT_TRUE(w.game().board().slot(6).isOpen());
    key(w, Qt::Key_Return);  // an open card takes no click
    EXPECT_TRUE(w.game().board().slot(6).isOpen());
    EXPECT_TRUE(w.game().mainWindowEnabled());

    // Enter on a card of another picture makes a wrong pair; until it is
    // turned back the window takes no keys.
    int other = 0;
    while (other == 6 || w.game().board().sameImage(6, other))
        ++other;
    for (int i = 0; i < 3; ++i)
        key(w, Qt::Key_Up);
    for (int i = 0; i < 4; ++i)
        key(w, Qt::Key_Left);
    for (int i = 0; i < other % 5; ++i)
        key(w, Qt::Key_Right);
    for (int i = 0; i < other / 5; ++i)
        key(w, Qt::Key_Down);
    key(w, Qt::Key_Enter);
    EXPECT_TRUE(w.game().board().slot(other).isFaceUp());
    EXPECT_FALSE(w.game().mainWindowEnabled());
    key(w, Qt::Key_Right);
    EXPECT_TRUE(frame(w).contains(card(w, other))) << "no move while the pair shows";
}

}  // namespace
}  // namespace vornel
