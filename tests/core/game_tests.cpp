#include <gtest/gtest.h>

#include <map>

#include "GameFixture.h"
#include "game/BoardLayout.h"
#include "game/Game.h"
#include "game/Numbers.h"
#include "text/Language.h"
#include "text/MainWindowCaptions.h"

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

TEST_F(GameFixture, NewSingleGameTakesClockAndScoreFromTheCheckedDifficulty)
{
    struct Case {
        void (Game::*choose)();
        const char* clock;
        int score;
    };
    for (const Case& c : {Case{&Game::eykolo_Click, "01:40", 100}, Case{&Game::kanoniko_Click, "01:15", 150},
             Case{&Game::dyskolo_Click, "00:50", 300}}) {
        (game.*c.choose)();
        game.image6_Click(0);
        EXPECT_EQ(game.clockText(), c.clock);
        EXPECT_EQ(game.session().Score, c.score);
        EXPECT_TRUE(game.timerEnabled(GameTimer::Clock));
        const MainControls& k = game.controls();
        EXPECT_TRUE(k.boardEnabled && k.stopAvailable);
        EXPECT_FALSE(k.newGameAvailable || k.newChampionshipAvailable || k.panelVisible);
        EXPECT_FALSE(k.fileMenu || k.optionsMenu || k.wallpaperMenu || k.helpMenu);
        host.yesNoAnswers = {true};
        game.image6_Click(2);
    }
    EXPECT_EQ(host.reseeds, 3);
}

TEST_F(GameFixture, PictureButtonsActOnlyWhileTheirActionIsAvailable)
{
    game.image6_Click(2);  // no game: Stop is unavailable and asks nothing
    EXPECT_TRUE(host.questions.empty());

    game.image6_Click(0);
    const auto first = game.board().slot(0).picture;
    game.Label1_Click(0);
    game.image6_Click(0);  // during a game New game does nothing
    game.image6_Click(1);
    EXPECT_EQ(host.reseeds, 1);
    EXPECT_TRUE(game.board().slot(0).isOpen());
    EXPECT_EQ(game.board().slot(0).picture, first);
    EXPECT_EQ(game.session().Mode, 0);
}

TEST_F(GameFixture, FirstClickOpensTheCardAndAClickOnAnOpenCardIsIgnored)
{
    game.image6_Click(0);
    game.Label8_Click(6);
    EXPECT_TRUE(game.board().slot(6).isOpen());
    EXPECT_FALSE(game.board().slot(6).takesClicks());
    EXPECT_EQ(game.session().FirstCard, 6);
    game.Label1_Click(6);
    EXPECT_TRUE(game.board().slot(6).isOpen());
    EXPECT_TRUE(game.controls().mainWindowEnabled);
    EXPECT_FALSE(game.timerEnabled(GameTimer::FlipBack));
}

TEST_F(GameFixture, AMatchedPairStaysUpAndTakesNoMoreClicks)
{
    game.image6_Click(0);
    const int p = partnerOf(3);
    game.Label1_Click(3);
    game.Label1_Click(p);
    EXPECT_TRUE(game.board().slot(3).isMatched());
    EXPECT_TRUE(game.board().slot(p).isMatched());
    EXPECT_FALSE(game.board().slot(3).takesClicks() || game.board().slot(p).takesClicks());
    EXPECT_EQ(game.session().SecondCard, 0);

    // The next card opens normally: nothing is left open.
    const int next = p == 4 ? 5 : 4;
    game.Label1_Click(next == 3 ? 7 : next);
    EXPECT_TRUE(game.controls().mainWindowEnabled);
    EXPECT_EQ(host.winScreensShown, 0);
}

TEST_F(GameFixture, WrongPairIsShownForThreeFlipBackTicksWithTheWindowDisabled)
{
    game.image6_Click(0);
    const int a = 2, b = strangerTo(2);
    game.Label1_Click(a);
    game.Label1_Click(b);
    EXPECT_FALSE(game.controls().mainWindowEnabled);
    EXPECT_TRUE(game.timerEnabled(GameTimer::FlipBack));
    EXPECT_EQ(game.session().FirstCard, a);
    EXPECT_EQ(game.session().SecondCard, b);

    // Nothing reacts while the pair is shown.
    const int other = strangerTo(b) == a ? partnerOf(a) : strangerTo(b);
    game.Label1_Click(other);
    host.yesNoAnswers = {true};
    game.image6_Click(2);
    EXPECT_FALSE(game.board().slot(other).isFaceUp());
    EXPECT_TRUE(host.questions.empty());

    game.Timer1_Timer();
    game.Timer1_Timer();
    EXPECT_TRUE(game.board().slot(a).isOpen() && game.board().slot(b).isOpen());
    game.Timer1_Timer();
    EXPECT_FALSE(game.board().slot(a).isFaceUp() || game.board().slot(b).isFaceUp());
    EXPECT_TRUE(game.board().slot(a).backVisible && game.board().slot(b).numberVisible);
    EXPECT_TRUE(game.controls().mainWindowEnabled);
    EXPECT_FALSE(game.timerEnabled(GameTimer::FlipBack));
    EXPECT_EQ(game.session().FlipBackTicks, 0);
    EXPECT_EQ(game.session().FirstCard, 0);
}

TEST_F(GameFixture, WrongPairsInvolvingCardZeroTurnBothCardsBack)
{
    game.image6_Click(0);
    const int x = strangerTo(0);
    for (auto [first, second] : {std::pair{0, x}, std::pair{x, 0}}) {
        game.Label1_Click(first);
        game.Label1_Click(second);
        if (first == 0) {
            EXPECT_EQ(game.session().FirstCard, x);  // "0" read as none
            EXPECT_EQ(game.session().SecondCard, 0);
        } else {
            EXPECT_EQ(game.session().FirstCard, x);
            EXPECT_EQ(game.session().SecondCard, 0);
        }
        for (int t = 0; t < 3; ++t)
            game.Timer1_Timer();
        EXPECT_FALSE(game.board().slot(0).isFaceUp());
        EXPECT_FALSE(game.board().slot(x).isFaceUp());
        EXPECT_TRUE(game.controls().mainWindowEnabled);
    }
}

TEST_F(GameFixture, MatchingTheTenthPairHandsOverToTheWinScreenAtOnce)
{
    game.image6_Click(0);
    int pairs = 0;
    for (int i = 0; i < Board::SlotCount; ++i) {
        if (game.board().slot(i).isMatched())
            continue;
        game.Label1_Click(i);
        game.Label1_Click(partnerOf(i));
        ++pairs;
        EXPECT_EQ(host.winScreensShown, pairs == 10 ? 1 : 0) << "after pair " << pairs;
    }
    EXPECT_FALSE(game.controls().mainWindowEnabled);
    EXPECT_TRUE(game.timerEnabled(GameTimer::Clock));  // the win screen stops it
    game.WinScreenActivate();
    EXPECT_FALSE(game.timerEnabled(GameTimer::Clock));
    EXPECT_EQ(game.session().Score, 150);
}

TEST_F(GameFixture, ClockDrainsSingleGameScoreAndHandsOverToTheLoseScreenAtZero)
{
    game.eykolo_Click();
    game.image6_Click(0);
    ticks(1);
    EXPECT_EQ(game.clockText(), "01:39");
    EXPECT_EQ(game.session().Score, 99);
    ticks(98);
    EXPECT_EQ(game.clockText(), "00:01");
    EXPECT_EQ(host.loseScreensShown, 0);
    ticks(1);
    EXPECT_EQ(game.clockText(), "00:00");
    EXPECT_EQ(host.loseScreensShown, 1);
    EXPECT_EQ(game.session().Score, 0);
    game.LoseScreenActivate();
    EXPECT_FALSE(game.timerEnabled(GameTimer::Clock));
    EXPECT_EQ(game.session().Score, 0);
}

TEST_F(GameFixture, HardLosesSixPointsASecond)
{
    game.dyskolo_Click();
    game.image6_Click(0);
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
    game.image6_Click(0);
    ticks(3);
    game.Label1_Click(5);
    host.yesNoAnswers = {false};
    game.image6_Click(2);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], "Είσαι σίγουρος οτι θέλεις να τερματίσεις το παιχνίδι;");
    EXPECT_EQ(game.session().Score, 144);
    EXPECT_TRUE(game.board().slot(5).isOpen());
    EXPECT_TRUE(game.timerEnabled(GameTimer::Clock));
    EXPECT_TRUE(game.controls().stopAvailable);

    language.UseGreek = false;
    host.yesNoAnswers = {true};
    game.image6_Click(2);
    EXPECT_EQ(host.questions[1], "Are you sure you want to stop?");
    EXPECT_EQ(game.session().Score, 0);
    EXPECT_EQ(game.clockText(), "00:00");
    for (int i = 0; i < Board::SlotCount; ++i)
        EXPECT_FALSE(game.board().slot(i).isFaceUp());
    EXPECT_FALSE(game.timerEnabled(GameTimer::Clock) || game.timerEnabled(GameTimer::FlipBack));
    const MainControls& k = game.controls();
    EXPECT_TRUE(k.newGameAvailable && k.newChampionshipAvailable && k.fileMenu && k.optionsMenu);
    EXPECT_FALSE(k.boardEnabled || k.stopAvailable);
    game.Label1_Click(0);  // a stopped board takes no clicks
    EXPECT_FALSE(game.board().slot(0).isFaceUp());
}

TEST_F(GameFixture, ShowNumbersTogglesTheTextsOfAllTwentyCards)
{
    EXPECT_TRUE(game.controls().numbersChecked);
    EXPECT_EQ(game.board().slot(0).numberText, "1");
    EXPECT_EQ(game.board().slot(19).numberText, "20");
    game.image6_Click(0);
    game.Label1_Click(4);
    game.ShowNUMBERS_Click();
    EXPECT_EQ(game.session().NumbersHidden, 1);
    for (int i = 0; i < Board::SlotCount; ++i)
        EXPECT_EQ(game.board().slot(i).numberText, "") << i;
    EXPECT_TRUE(game.board().slot(4).isOpen());  // texts only, never states
}

TEST_F(GameFixture, DifficultyAndCategoryCaptionsJoinTheMenuCaptions)
{
    game.dyskolo_Click();
    EXPECT_EQ(game.controls().difficultyCaption, "Επίπεδα: Δύσκολο");
    EXPECT_EQ(game.controls().checkedDifficulty, Difficulty::Hard);
    game.pros_Click();
    EXPECT_EQ(game.controls().categoryCaption, "Κατηγορίες: Πρόσωπα");
    EXPECT_EQ(game.currentPictureSet().at(1)->name, "Picture101");

    captions.setCaption("epip", -1, "Levels");
    captions.setCaption("eykolo", -1, "Easy");
    game.eykolo_Click();
    EXPECT_EQ(game.controls().difficultyCaption, "Levels: Easy");
}

// ---- Small rules ----------------------------------------------------------

TEST(PictureButtonHighlight, OnlyAnAvailableButtonLightsAndOnlyOneAtATime)
{
    PictureButtons b;
    b.image6_MouseMove(2, false);
    EXPECT_EQ(b.HoverIndex(), PictureButtons::NoneHovered);
    EXPECT_FALSE(b.highlighted(2));
    b.image6_MouseMove(0, true);
    b.image6_MouseMove(1, true);
    EXPECT_EQ(b.HoverIndex(), 1);
    EXPECT_TRUE(b.highlighted(1) && b.bold(1));
    EXPECT_FALSE(b.highlighted(0) || b.bold(0));
    b.clearHighlight();
    EXPECT_EQ(b.HoverIndex(), PictureButtons::NoneHovered);
    EXPECT_FALSE(b.highlighted(1));
}

TEST(Layout, FiveByFourGridOfEqualFramesWithFifteenTwipGaps)
{
    const auto cards = layOutCards(FirstCardFrame, 735, 670);
    EXPECT_EQ(cards[7].frame, (TwipRect{2220, 1110, 975, 855}));
    EXPECT_EQ(cards[19].frame, (TwipRect{240 + 4 * 990, 240 + 3 * 870, 975, 855}));
    EXPECT_EQ(cards[19].frame.left + 975, 5175);
    EXPECT_EQ(cards[19].frame.top + 855, 3705);
    EXPECT_EQ(cards[7].face, (TwipRect{60, 60, 735, 670}));
    EXPECT_EQ(cards[7].back, cards[7].frame);
    EXPECT_EQ(cards[7].number, (TwipRect{2340, 1290, 735, 495}));
    EXPECT_EQ(layOutCards(FirstCardFrame, 435, 370)[3].face, (TwipRect{60, 60, 435, 370}));
    EXPECT_EQ(captionOver({240, 4920, 1095, 375}), (TwipRect{240, 4960, 1095, 375}));
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
