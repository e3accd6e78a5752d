#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "GameFixture.h"
#include "game/Animation.h"
#include "game/Numbers.h"

namespace vornel {
namespace {

using testing::FakeHost;
using testing::GameFixture;

TEST(Deal, DrawsSlotsFromTheRandomNumberRedrawingUsedOnesAndPutsEveryPictureOnTwo)
{
    const PictureSet& set = builtInPictureSet(PictureCategory::Objects);
    for (unsigned seed = 1; seed <= 40; ++seed) {
        FakeHost host(seed);
        // 0.0 gives slot 0, a second 0.0 is used and drawn again, 0.999 gives slot 19;
        // then 0.5 gives slot 10 and 0.52 slot 10 again (redrawn), 0.56 slot 11; then the seed's.
        host.scriptedRandom = {0.0, 0.0, 0.999, 0.5, 0.52, 0.56};
        Board board;
        board.deal(set, [&] { return host.random(); });
        EXPECT_TRUE(board.slot(0).picture == set.at(1) && board.slot(19).picture == set.at(1));
        EXPECT_TRUE(board.slot(10).picture == set.at(2) && board.slot(11).picture == set.at(2));
        std::map<const Picture*, int> count;
        for (const CardSlot& s : board.cards())
            ++count[s.picture.get()];
        for (int k = 1; k <= 10; ++k)
            EXPECT_EQ(count[set.at(k).get()], 2) << "seed " << seed << " picture " << k;
    }
}

TEST_F(GameFixture, ASingleGameClockAndScoreFollowTheDifficultyAndRunOutTogether)
{
    struct Case {
        Difficulty d;
        int seconds;
        const char* clock;
        int score, afterOneSecond;
    };
    for (const Case& c : {Case{Difficulty::Easy, 100, "01:40", 100, 99},
             Case{Difficulty::Normal, 75, "01:15", 150, 148}, Case{Difficulty::Hard, 50, "00:50", 300, 294}}) {
        SCOPED_TRACE(c.clock);
        game.chooseDifficulty(c.d);
        game.newGame();
        EXPECT_EQ(game.clock().text(), c.clock);
        EXPECT_EQ(game.session().Score, c.score);
        EXPECT_TRUE(game.playing() && game.clock().running && !game.panelVisible());
        ticks(1);
        EXPECT_EQ(game.session().Score, c.afterOneSecond);
        ticks(c.seconds - 3);
        EXPECT_EQ(game.clockTick(), ClockTick::Running);
        click(3);
        click(strangerTo(3));  // a wrong pair that turns back behind the lose screen leaves the window to it
        EXPECT_EQ(game.clockTick(), ClockTick::TimeUp);
        EXPECT_EQ(game.session().Score, 0);
        EXPECT_EQ(game.levelLost(), LossOutcome::SingleGameLost);
        EXPECT_FALSE(game.clock().running);
        flipBack();
        EXPECT_FALSE(game.board().slot(3).isFaceUp() || game.mainWindowEnabled());
        EXPECT_EQ(dismissResult(), ResultStep::Nothing);
    }
    EXPECT_EQ(host.reseeds, 3);
    EXPECT_EQ(clockText(-61), "-01:-01");  // each part signed alone
}

TEST_F(GameFixture, FaceDownCardsTakeClicksAndOnlyTheTenthPairCompletesTheBoard)
{
    EXPECT_FALSE(game.takesCardClick(0));  // no game yet
    game.chooseBuiltInCategory(PictureCategory::Faces);
    game.newGame();
    const auto& faces = builtInPictureSet(PictureCategory::Faces).pictures;
    int pairs = 0;
    for (int i = 0; i < Board::SlotCount; ++i) {
        if (game.board().slot(i).isMatched())
            continue;
        const int p = partnerOf(i);
        EXPECT_NE(std::find(faces.begin(), faces.end(), game.board().slot(i).picture), faces.end());
        EXPECT_EQ(click(i), TurnOutcome::Opened);
        EXPECT_EQ(game.turn().FirstCard, i);
        EXPECT_FALSE(game.takesCardClick(i));  // its face covers the back
        EXPECT_EQ(click(p), ++pairs == 10 ? TurnOutcome::BoardComplete : TurnOutcome::Matched) << pairs;
        EXPECT_FALSE(game.takesCardClick(p) || game.takesCardClick(-1));
    }
    EXPECT_FALSE(game.mainWindowEnabled());
    EXPECT_TRUE(game.clock().running);  // the win screen stops it
    game.levelWon();
    EXPECT_FALSE(game.clock().running);
    EXPECT_EQ(game.session().Score, 150);  // a single game earns no level points
}

TEST_F(GameFixture, WrongPairIsShownForThreeFlipBackTicksWithTheWindowDisabled)
{
    game.newGame();
    const int x = strangerTo(0);
    for (auto [a, b] : {std::pair{2, strangerTo(2)}, std::pair{0, x}, std::pair{x, 0}}) {
        click(a);
        EXPECT_EQ(click(b), TurnOutcome::WrongPair);
        EXPECT_FALSE(game.mainWindowEnabled());
        // "0" reads as no card, so card 0, on either side, is named by the empty field.
        EXPECT_EQ(std::pair(game.turn().FirstCard, game.turn().SecondCard), a ? std::pair(a, b) : std::pair(b, 0));
        EXPECT_FALSE(game.flipBackTick() || game.flipBackTick());
        EXPECT_TRUE(game.board().slot(a).isOpen() && game.board().slot(b).isOpen() && !game.mainWindowEnabled());
        const std::pair<int, int> wrongPair = std::minmax(a, b);
        EXPECT_EQ(game.flipBackTick(), wrongPair);
        for (int card : {a, b}) {
            const CardSlot& s = game.board().slot(card);
            EXPECT_TRUE(!s.isFaceUp() && s.backVisible && s.numberVisible) << card;
        }
        EXPECT_TRUE(game.mainWindowEnabled() && !game.turn().flipBackRunning);
        EXPECT_EQ(game.turn().FirstCard, 0);
    }
}

TEST_F(GameFixture, StopAnsweredNoChangesNothingAndYesEndsTheGame)
{
    game.newGame();
    ticks(3);
    click(5);
    host.yesNoAnswers = {false, true};
    EXPECT_EQ(game.stop(), StopOutcome::Declined);
    EXPECT_EQ(host.questions.at(0), "Είσαι σίγουρος οτι θέλεις να τερματίσεις το παιχνίδι;");
    EXPECT_EQ(game.session().Score, 144);
    EXPECT_TRUE(game.board().slot(5).isOpen() && game.clock().running && game.playing());

    EXPECT_EQ(game.stop(), StopOutcome::GameStopped);
    EXPECT_EQ(game.session().Score, 0);
    EXPECT_EQ(game.clock().text(), "00:00");
    EXPECT_FALSE(game.board().slot(5).isFaceUp());
    EXPECT_FALSE(game.clock().running || game.playing() || game.takesCardClick(0));
}

TEST_F(GameFixture, CardsDealtFromAnEmptyPictureSetNeverMatch)
{
    // A custom set refused at start-up leaves the set empty until a category is chosen.
    Game empty{host, language, BestScores(folder / "a", folder / "b")};
    empty.chooseDifficulty(Difficulty::Normal);
    empty.newGame();
    EXPECT_EQ(empty.turnCard(0), TurnOutcome::Opened);
    EXPECT_EQ(empty.turnCard(1), TurnOutcome::WrongPair);
}

// Typed answers: blanks around, decimals rounded half to even, 16 bits. Colour
// texts are the fuzz target's.
TEST(Numbers, TypedTextsConvertTheClassicWayAndRefuseTheRest)
{
    for (auto [text, n] : std::initializer_list<std::pair<const char*, std::optional<std::int16_t>>>{{"5.5", 6},
             {"4.5", 4}, {" 3 ", 3}, {"-2", -2}, {"32767", 32767}, {"32768", {}}, {"", {}}, {"  ", {}}, {"2-6", {}},
             {"abc", {}}, {"3x", {}}, {".", {}}, {"1.2.3", {}}})
        EXPECT_EQ(toInt16(text), n) << '"' << text << '"';
}

// A started animation ticked to its end, a character a tick: "s" asks for
// the sound, "k" the shake, "b" both, "." neither; "|" ends it.
std::string play(FrameAnimation& a)
{
    std::string ticks;
    for (int n = 0; n < 100 && a.running(); ++n) {
        const AnimationTick t = a.tick();
        ticks += std::string(1, ".skb"[t.sound + 2 * t.shake]) + (t.finished ? "|" : "");
    }
    return ticks;
}

TEST(EndAnimations, WinRingsFromFrameSixSoundingFourTimesAndLoseShakesFiveTimesInARingOfSeven)
{
    WinAnimation win;
    win.start();
    EXPECT_EQ(win.tick().frame, 7);
    EXPECT_EQ(play(win), "....s.s.....s.s.|");

    LoseAnimation lose;
    lose.start();
    EXPECT_EQ(lose.tick().frame, 1);
    EXPECT_EQ(play(lose), "..b......b......b......b......b.....|");
}

}  // namespace
}  // namespace vornel
