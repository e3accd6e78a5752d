#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
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
        EXPECT_TRUE(game.playing() && game.stopAvailable() && game.clock().running);
        EXPECT_FALSE(game.newGameAvailable() || game.panelVisible());
        ticks(1);
        EXPECT_EQ(game.session().Score, c.afterOneSecond);
        ticks(c.seconds - 2);
        EXPECT_EQ(game.clock().text(), "00:01");
        EXPECT_EQ(game.clockTick(), ClockTick::TimeUp);
        EXPECT_EQ(game.clock().text(), "00:00");
        EXPECT_EQ(game.session().Score, 0);
        EXPECT_EQ(game.levelLost(), LossOutcome::SingleGameLost);
        EXPECT_FALSE(game.clock().running);
        EXPECT_EQ(dismissResult(), ResultStep::Nothing);
    }
    EXPECT_EQ(host.reseeds, 3);
}

TEST(ClockText, MinutesAndSecondsOfTwoDigitsEachSignedAlone)
{
    EXPECT_EQ(clockText(754), "12:34");
    EXPECT_EQ(clockText(-61), "-01:-01");
}

TEST_F(GameFixture, FaceDownCardsTakeClicksAndOnlyTheTenthPairCompletesTheBoard)
{
    EXPECT_FALSE(game.takesCardClick(0));  // no game yet
    game.chooseBuiltInCategory(PictureCategory::Faces);
    game.newGame();
    const auto& faces = builtInPictureSet(PictureCategory::Faces).pictures;  // the next deal's pictures
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
        EXPECT_TRUE(game.board().slot(i).isMatched() && game.board().slot(p).isMatched());
        EXPECT_FALSE(game.takesCardClick(i) || game.takesCardClick(p) || game.takesCardClick(-1));
    }
    EXPECT_FALSE(game.mainWindowEnabled());
    EXPECT_TRUE(game.clock().running);  // the win screen stops it
    game.levelWon();
    EXPECT_FALSE(game.clock().running);
    EXPECT_EQ(game.session().Score, 150);
}

TEST_F(GameFixture, WrongPairIsShownForThreeFlipBackTicksWithTheWindowDisabled)
{
    game.newGame();
    const int x = strangerTo(0);
    for (auto [a, b] : {std::pair{2, strangerTo(2)}, std::pair{0, x}, std::pair{x, 0}}) {
        click(a);
        EXPECT_EQ(click(b), TurnOutcome::WrongPair);
        // "0" reads as no card, so card 0, on either side, is named by the empty field.
        EXPECT_EQ(std::pair(game.turn().FirstCard, game.turn().SecondCard), a ? std::pair(a, b) : std::pair(b, 0));
        for (int i = 0; i < Board::SlotCount; ++i)
            EXPECT_FALSE(game.takesCardClick(i)) << i;
        game.flipBackTick();
        game.flipBackTick();
        EXPECT_TRUE(game.board().slot(a).isOpen() && game.board().slot(b).isOpen());
        EXPECT_FALSE(game.mainWindowEnabled());
        game.flipBackTick();
        for (int card : {a, b}) {
            const CardSlot& s = game.board().slot(card);
            EXPECT_TRUE(!s.isFaceUp() && s.backVisible && s.numberVisible) << card;
        }
        EXPECT_TRUE(game.mainWindowEnabled());
        EXPECT_FALSE(game.turn().flipBackRunning);
        EXPECT_EQ(game.turn().FirstCard, 0);
    }
}

TEST_F(GameFixture, AWrongPairTurningBackBehindTheLoseScreenLeavesTheWindowToIt)
{
    game.newGame();
    ticks(74);
    click(3);
    click(strangerTo(3));
    EXPECT_EQ(game.clockTick(), ClockTick::TimeUp);
    game.levelLost();
    flipBack();
    EXPECT_FALSE(game.board().slot(3).isFaceUp());
    EXPECT_FALSE(game.mainWindowEnabled() || game.takesCardClick(3));
    EXPECT_EQ(dismissResult(), ResultStep::Nothing);  // the lose screen's dismissal gives it back
    EXPECT_TRUE(game.mainWindowEnabled());
}

TEST_F(GameFixture, StopAnsweredNoChangesNothingAndYesEndsTheGame)
{
    game.newGame();
    ticks(3);
    click(5);
    host.yesNoAnswers = {false};
    EXPECT_EQ(game.stop(), StopOutcome::Declined);
    EXPECT_EQ(host.questions.at(0), "Είσαι σίγουρος οτι θέλεις να τερματίσεις το παιχνίδι;");
    EXPECT_EQ(game.session().Score, 144);
    EXPECT_TRUE(game.board().slot(5).isOpen() && game.clock().running && game.playing());

    host.yesNoAnswers = {true};
    EXPECT_EQ(game.stop(), StopOutcome::GameStopped);
    EXPECT_EQ(game.session().Score, 0);
    EXPECT_EQ(game.clock().text(), "00:00");
    for (const CardSlot& s : game.board().cards())
        EXPECT_FALSE(s.isFaceUp());
    EXPECT_FALSE(game.clock().running || game.playing() || game.stopAvailable() || game.takesCardClick(0));
    EXPECT_TRUE(game.newGameAvailable());
}

TEST_F(GameFixture, ShowNumbersTogglesTheTextsOfAllTwentyCardsOnly)
{
    EXPECT_EQ(game.board().slot(0).numberText, "1");
    EXPECT_EQ(game.board().slot(19).numberText, "20");
    game.newGame();
    click(4);
    game.toggleNumbers();
    EXPECT_EQ(game.NumbersHidden(), 1);
    for (const CardSlot& s : game.board().cards())
        EXPECT_EQ(s.numberText, "");
    EXPECT_TRUE(game.board().slot(4).isOpen());
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

TEST(Numbers, TypedTextsConvertTheClassicWayAndRefuseTheRest)
{
    // Typed answers: blanks around, decimals rounded half to even, 16 bits.
    for (auto [text, n] : std::initializer_list<std::pair<const char*, std::optional<std::int16_t>>>{{"5.5", 6},
             {"4.5", 4}, {" 3 ", 3}, {"-2", -2}, {"32767", 32767}, {"32768", {}}, {"", {}}, {"  ", {}}, {"2-6", {}},
             {"abc", {}}, {"3x", {}}, {".", {}}, {"1.2.3", {}}})
        EXPECT_EQ(toInt16(text), n) << '"' << text << '"';
    // Colour texts: whole decimals of 32 bits, one sign at most.
    for (auto [text, n] : std::initializer_list<std::pair<const char*, std::optional<std::int32_t>>>{{"255", 255},
             {" \t-2147483648\t ", INT_MIN}, {"+12", 12}, {"2147483647", INT_MAX}, {"+-5", {}}, {"-+5", {}},
             {"--5", {}}, {"+", {}}, {"2147483648", {}}, {"0x10", {}}, {"1e3", {}}, {"- 5", {}}, {"", {}}})
        EXPECT_EQ(parseInt32(text), n) << '"' << text << '"';
}

// Ticks a started animation to its end; the frames shown and the ticks
// (counted from 1) that asked for the sound and the shake.
struct Played {
    std::vector<int> frames, sounds, shakes;
    int finishedAt = 0;
};
Played play(FrameAnimation& a)
{
    Played p;
    for (int n = 1; n <= 100 && a.running(); ++n) {
        const AnimationTick t = a.tick();
        p.frames.push_back(t.frame);
        if (t.sound)
            p.sounds.push_back(n);
        if (t.shake)
            p.shakes.push_back(n);
        if (t.finished)
            p.finishedAt = n;
    }
    return p;
}

TEST(EndAnimations, WinRingsFromFrameSixSoundingFourTimesAndLoseShakesFiveTimes)
{
    WinAnimation win;
    win.start();
    EXPECT_EQ(win.frame(), 6);
    const Played w = play(win);
    EXPECT_EQ(w.finishedAt, 17);
    EXPECT_EQ(std::vector<int>(w.frames.begin(), w.frames.begin() + 9), (std::vector<int>{7, 0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(w.sounds, (std::vector<int>{6, 8, 14, 16}));
    EXPECT_TRUE(w.shakes.empty());

    // Stopped half way it asks for nothing; started again it plays afresh.
    win.start();
    for (int n = 0; n < 5; ++n)
        win.tick();
    win.stop();
    const AnimationTick idle = win.tick();
    EXPECT_FALSE(idle.sound || idle.shake || idle.finished || idle.frame != win.frame());
    win.start();
    EXPECT_EQ(play(win).sounds, w.sounds);

    LoseAnimation lose;
    lose.start();
    EXPECT_EQ(lose.frame(), 0);
    const Played l = play(lose);
    EXPECT_EQ(l.finishedAt, 37);
    EXPECT_EQ(l.shakes, (std::vector<int>{4, 11, 18, 25, 32}));
    EXPECT_EQ(l.sounds, l.shakes);
    EXPECT_EQ(l.frames.at(6), 0);  // seven frames in the ring
}

}  // namespace
}  // namespace vornel
