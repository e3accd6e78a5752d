#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "GameFixture.h"
#include "game/Numbers.h"

namespace vornel {
namespace {

using testing::FakeHost;
using testing::GameFixture;

TEST(Deal, EveryPictureLandsOnExactlyTwoSlotsAsOneSharedObject)
{
    const PictureSet& set = builtInPictureSet(PictureCategory::Food);
    for (unsigned seed = 1; seed <= 40; ++seed) {
        FakeHost host(seed);
        Board board;
        board.deal(set, [&] { return host.random(); });
        std::map<const Picture*, int> count;
        for (int i = 0; i < Board::SlotCount; ++i) {
            ASSERT_NE(board.slot(i).picture, nullptr) << "seed " << seed << " slot " << i;
            ++count[board.slot(i).picture.get()];
        }
        ASSERT_EQ(count.size(), 10u);
        for (int k = 1; k <= 10; ++k)
            EXPECT_EQ(count[set.at(k).get()], 2) << "seed " << seed << " picture " << k;
    }
}

TEST(Deal, DrawsSlotsFromTheRandomNumberAndRedrawsUsedOnes)
{
    FakeHost host;
    // 0.0 gives slot 0, a second 0.0 is used and drawn again, 0.999 gives slot 19;
    // then 0.5 gives slot 10 and 0.52 slot 10 again (redrawn), 0.56 slot 11.
    host.scriptedRandom = {0.0, 0.0, 0.999, 0.5, 0.52, 0.56};
    Board board;
    const PictureSet& set = builtInPictureSet(PictureCategory::Objects);
    board.deal(set, [&] { return host.random(); });
    EXPECT_EQ(board.slot(0).picture, set.at(1));
    EXPECT_EQ(board.slot(19).picture, set.at(1));
    EXPECT_EQ(board.slot(10).picture, set.at(2));
    EXPECT_EQ(board.slot(11).picture, set.at(2));
}

TEST_F(GameFixture, NewSingleGameTakesClockAndScoreFromTheDifficulty)
{
    struct Case {
        Difficulty d;
        const char* clock;
        int score;
    };
    for (const Case& c : {Case{Difficulty::Easy, "01:40", 100}, Case{Difficulty::Normal, "01:15", 150},
             Case{Difficulty::Hard, "00:50", 300}}) {
        game.chooseDifficulty(c.d);
        game.newGame();
        EXPECT_EQ(game.clock().text(), c.clock);
        EXPECT_EQ(game.session().Score, c.score);
        EXPECT_TRUE(game.clock().running);
        EXPECT_TRUE(game.playing() && game.stopAvailable());
        EXPECT_FALSE(game.newGameAvailable() || game.panelVisible());
        host.yesNoAnswers = {true};
        EXPECT_EQ(game.stop(), StopOutcome::GameStopped);
    }
    EXPECT_EQ(host.reseeds, 3);
}

TEST_F(GameFixture, CardsTakeClicksOnlyWhileFaceDownDuringAGame)
{
    EXPECT_FALSE(game.takesCardClick(0));  // no game yet
    game.newGame();
    EXPECT_EQ(click(6), TurnOutcome::Opened);
    EXPECT_TRUE(game.board().slot(6).isOpen());
    EXPECT_EQ(game.turn().FirstCard, 6);
    EXPECT_FALSE(game.takesCardClick(6));  // its face covers the back
    EXPECT_FALSE(game.takesCardClick(-1) || game.takesCardClick(20));
    EXPECT_TRUE(game.mainWindowEnabled());
    EXPECT_FALSE(game.turn().flipBackRunning);
}

TEST_F(GameFixture, AMatchedPairStaysUpAndTheNextCardOpensAfresh)
{
    game.newGame();
    const int p = partnerOf(3);
    click(3);
    EXPECT_EQ(click(p), TurnOutcome::Matched);
    EXPECT_TRUE(game.board().slot(3).isMatched() && game.board().slot(p).isMatched());
    EXPECT_FALSE(game.takesCardClick(3) || game.takesCardClick(p));
    EXPECT_EQ(game.turn().SecondCard, 0);

    int next = 0;
    while (game.board().slot(next).isFaceUp())
        ++next;
    EXPECT_EQ(click(next), TurnOutcome::Opened);
    EXPECT_EQ(game.turn().FirstCard, next);
}

TEST_F(GameFixture, WrongPairIsShownForThreeFlipBackTicksWithTheWindowDisabled)
{
    game.newGame();
    const int a = 2, b = strangerTo(2);
    click(a);
    EXPECT_EQ(click(b), TurnOutcome::WrongPair);
    EXPECT_FALSE(game.mainWindowEnabled());
    EXPECT_TRUE(game.turn().flipBackRunning);
    EXPECT_EQ(game.turn().FirstCard, a);
    EXPECT_EQ(game.turn().SecondCard, b);

    // Nothing takes a click while the pair is shown.
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
    EXPECT_EQ(game.turn().FlipBackTicks, 0);
    EXPECT_EQ(game.turn().FirstCard, 0);
}

TEST_F(GameFixture, WrongPairsWithCardZeroOnEitherSideTurnBothCardsBack)
{
    game.newGame();
    const int x = strangerTo(0);
    for (auto [first, second] : {std::pair{0, x}, std::pair{x, 0}}) {
        click(first);
        click(second);
        // "0" reads as no card, so card 0 is named by the empty field.
        EXPECT_EQ(game.turn().FirstCard, x);
        EXPECT_EQ(game.turn().SecondCard, 0);
        for (int t = 0; t < 3; ++t)
            game.flipBackTick();
        EXPECT_FALSE(game.board().slot(0).isFaceUp());
        EXPECT_FALSE(game.board().slot(x).isFaceUp());
    }
}

TEST_F(GameFixture, MatchingTheTenthPairCompletesTheBoardAndOnlyThen)
{
    game.newGame();
    int pairs = 0;
    for (int i = 0; i < Board::SlotCount; ++i) {
        if (game.board().slot(i).isMatched())
            continue;
        click(i);
        const TurnOutcome o = click(partnerOf(i));
        ++pairs;
        EXPECT_EQ(o, pairs == 10 ? TurnOutcome::BoardComplete : TurnOutcome::Matched) << "pair " << pairs;
    }
    EXPECT_FALSE(game.mainWindowEnabled());
    EXPECT_TRUE(game.clock().running);  // the win screen stops it
    game.levelWon();
    EXPECT_FALSE(game.clock().running);
    EXPECT_EQ(game.session().Score, 150);
}

TEST_F(GameFixture, ClockDrainsSingleGameScoreAndReportsTimeUpAtZero)
{
    game.chooseDifficulty(Difficulty::Easy);
    game.newGame();
    ticks(1);
    EXPECT_EQ(game.clock().text(), "01:39");
    EXPECT_EQ(game.session().Score, 99);
    ticks(98);
    EXPECT_EQ(game.clock().text(), "00:01");
    EXPECT_EQ(game.clockTick(), ClockTick::TimeUp);
    EXPECT_EQ(game.clock().text(), "00:00");
    EXPECT_EQ(game.session().Score, 0);
    EXPECT_EQ(game.levelLost(), LossOutcome::SingleGameLost);
    EXPECT_FALSE(game.clock().running);
    EXPECT_EQ(game.session().Score, 0);
}

TEST_F(GameFixture, AWrongPairTurningBackBehindTheLoseScreenLeavesTheWindowToIt)
{
    game.newGame();
    ticks(74);
    click(3);
    click(strangerTo(3));
    EXPECT_EQ(game.clockTick(), ClockTick::TimeUp);
    game.levelLost();
    for (int t = 0; t < 3; ++t)
        game.flipBackTick();
    EXPECT_FALSE(game.board().slot(3).isFaceUp());
    EXPECT_FALSE(game.mainWindowEnabled());
    EXPECT_FALSE(game.takesCardClick(3));
    // The lose screen's dismissal gives it back.
    EXPECT_EQ(dismissResult(), NextStepOutcome::Nothing);
    EXPECT_TRUE(game.mainWindowEnabled());
    EXPECT_FALSE(game.playing());
}

TEST_F(GameFixture, HardLosesSixPointsASecond)
{
    game.chooseDifficulty(Difficulty::Hard);
    game.newGame();
    ticks(1);
    EXPECT_EQ(game.session().Score, 294);
    ticks(1);
    EXPECT_EQ(game.session().Score, 288);
}

TEST(ClockText, MinutesAndSecondsOfTwoDigits)
{
    EXPECT_EQ(clockText(100), "01:40");
    EXPECT_EQ(clockText(60), "01:00");
    EXPECT_EQ(clockText(59), "00:59");
    EXPECT_EQ(clockText(9), "00:09");
    EXPECT_EQ(clockText(0), "00:00");
    EXPECT_EQ(clockText(-1), "00:-01");
    EXPECT_EQ(clockText(754), "12:34");
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
    EXPECT_TRUE(game.board().slot(5).isOpen());
    EXPECT_TRUE(game.clock().running && game.playing());

    language.UseGreek = false;
    host.yesNoAnswers = {true};
    game.stop();
    EXPECT_EQ(host.questions.at(1), "Are you sure you want to stop?");
    EXPECT_EQ(game.session().Score, 0);
    EXPECT_EQ(game.clock().text(), "00:00");
    for (int i = 0; i < Board::SlotCount; ++i)
        EXPECT_FALSE(game.board().slot(i).isFaceUp());
    EXPECT_FALSE(game.clock().running || game.turn().flipBackRunning);
    EXPECT_TRUE(game.newGameAvailable());
    EXPECT_FALSE(game.playing() || game.stopAvailable() || game.takesCardClick(0));
}

TEST_F(GameFixture, ShowNumbersTogglesTheTextsOfAllTwentyCardsOnly)
{
    EXPECT_TRUE(game.numbersShown());
    EXPECT_EQ(game.board().slot(0).numberText, "1");
    EXPECT_EQ(game.board().slot(19).numberText, "20");
    game.newGame();
    click(4);
    game.toggleNumbers();
    EXPECT_EQ(game.NumbersHidden(), 1);
    for (int i = 0; i < Board::SlotCount; ++i)
        EXPECT_EQ(game.board().slot(i).numberText, "") << i;
    EXPECT_TRUE(game.board().slot(4).isOpen());
}

TEST_F(GameFixture, ACategoryGivesTheNextDealItsPictures)
{
    game.chooseBuiltInCategory(PictureCategory::Faces);
    EXPECT_EQ(game.category(), PictureCategory::Faces);
    EXPECT_EQ(game.currentPictureSet().at(1)->name, "Picture101");
    game.newGame();
    const auto& faces = game.currentPictureSet().pictures;
    for (int i = 0; i < Board::SlotCount; ++i)
        EXPECT_NE(std::find(faces.begin(), faces.end(), game.board().slot(i).picture), faces.end()) << i;
}

TEST_F(GameFixture, CardsDealtFromAnEmptyPictureSetNeverMatch)
{
    // A custom set refused at start-up leaves the set empty until a category is chosen.
    Game empty{host, language, BestScores(folder / "a", folder / "b")};
    empty.chooseDifficulty(Difficulty::Normal);
    empty.newGame();
    EXPECT_EQ(empty.klik(0), TurnOutcome::Opened);
    EXPECT_EQ(empty.klik(1), TurnOutcome::WrongPair);
}

TEST(Numbers, TypedAnswersRoundHalvesToEvenAndRefuseNonNumbers)
{
    EXPECT_EQ(toInt16("5.5"), 6);
    EXPECT_EQ(toInt16("4.5"), 4);
    EXPECT_EQ(toInt16(" 3 "), 3);
    EXPECT_EQ(toInt16("-2"), -2);
    EXPECT_EQ(toInt16("32767"), 32767);
    EXPECT_EQ(toInt16("32768"), std::nullopt);
    for (const char* bad : {"", "  ", "2-6", "abc", "3x", ".", "1.2.3"})
        EXPECT_EQ(toInt16(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace vornel
