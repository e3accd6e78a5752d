#include <gtest/gtest.h>

#include "GameFixture.h"

namespace vornel {
namespace {

using testing::GameFixture;

struct ChampionshipFixture : GameFixture {
    void start()
    {
        game.image6_Click(1);
        ASSERT_EQ(game.session().Mode, 1);
    }
    void winLevel()
    {
        solveBoard();
        game.WinScreenActivate();
        game.setMainWindowEnabled(true);
        game.RestoreSettings();
    }
};

TEST_F(ChampionshipFixture, StartsAtLevelOneWithTwoLivesAndTheNote)
{
    start();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rfind("ΠΡΟΣΟΧΗ !!!\n", 0), 0u);
    EXPECT_EQ(game.session().Level, 1);
    EXPECT_EQ(game.session().Lives, 2);
    EXPECT_EQ(game.session().Score, 0);
    EXPECT_EQ(game.clockText(), "01:30");
    EXPECT_TRUE(game.controls().panelVisible);
    ticks(5);
    EXPECT_EQ(game.session().Score, 0);  // the championship clock leaves the score alone
}

TEST_F(ChampionshipFixture, ThirdTurnOfOneCardInLevelOneLosesTheBonus)
{
    start();
    const int a = 0, b = strangerTo(0);
    for (int round = 0; round < 2; ++round) {
        game.Label1_Click(a);
        game.Label1_Click(b);
        for (int t = 0; t < 3; ++t)
            game.Timer1_Timer();
    }
    EXPECT_TRUE(game.session().BonusEligible);
    EXPECT_EQ(game.session().OpenCount[a], 2);
    game.Label1_Click(a);
    EXPECT_FALSE(game.session().BonusEligible);
    EXPECT_EQ(game.session().OpenCount[a], 2);
}

TEST_F(ChampionshipFixture, BonusBoxInsistsOnALevelFromTwoToSixAndRoundsDecimals)
{
    game.dyskolo_Click();
    start();
    host.inputAnswers = {"1", "7", "2-6", "", "abc", "5.5"};
    solveBoard();
    EXPECT_EQ(host.inputPrompts.size(), 6u);
    EXPECT_EQ(game.session().BonusLevel, 6);
    EXPECT_FALSE(game.timerEnabled(GameTimer::Clock));
    EXPECT_EQ(host.winScreensShown, 1);
}

TEST_F(ChampionshipFixture, LevelClockShrinksAndTheBonusLevelGetsTenSecondsMore)
{
    game.dyskolo_Click();
    start();
    host.inputAnswers = {"3"};
    const int t1 = game.session().SecondsLeft;
    winLevel();  // level 1 on Hard earns 2 x t
    EXPECT_EQ(game.session().Score, 2 * t1);
    EXPECT_EQ(game.session().Level, 2);
    EXPECT_EQ(game.clockText(), "01:10");
    ticks(4);
    winLevel();  // level 2 on Hard earns 3 x t
    EXPECT_EQ(game.session().Score, 2 * t1 + 3 * 66);
    EXPECT_EQ(game.session().Level, 3);
    EXPECT_EQ(game.clockText(), "01:10");  // 60 seconds and the bonus
}

TEST_F(ChampionshipFixture, LevelPointsOnNormalAndEasy)
{
    start();  // Normal
    ticks(10);
    winLevel();  // level 1 on Normal earns t
    EXPECT_EQ(game.session().Score, 80);
    ticks(20);
    winLevel();  // level 2 on Normal earns 1 x t
    EXPECT_EQ(game.session().Score, 80 + 60);

    game.eykolo_Click();  // difficulty may change between levels
    ticks(30);
    winLevel();
    EXPECT_EQ(game.session().Score, 80 + 60 + 50);
}

TEST_F(ChampionshipFixture, SixWonLevelsAddTheFinalBonusAndEndTheChampionship)
{
    start();
    for (int level = 1; level <= 5; ++level)
        winLevel();
    EXPECT_EQ(game.session().Level, 6);
    solveBoard();
    game.WinScreenActivate();
    EXPECT_EQ(game.session().Level, 7);
    const int before = game.session().Score;
    game.setMainWindowEnabled(true);
    game.RestoreSettings();
    EXPECT_EQ(game.session().Score, before + 100);
    EXPECT_EQ(game.session().Mode, 0);
    EXPECT_EQ(game.session().Level, 0);
    EXPECT_FALSE(game.controls().panelVisible);
}

TEST_F(ChampionshipFixture, SecondLostLifeEndsTheChampionship)
{
    language.UseGreek = false;
    start();
    ticks(90);
    EXPECT_EQ(host.loseScreensShown, 1);
    EXPECT_TRUE(game.LoseScreenActivate());
    EXPECT_EQ(game.session().Lives, 1);
    EXPECT_EQ(game.session().Score, -10);
    game.setMainWindowEnabled(true);
    game.RestoreSettings();  // the same level again
    EXPECT_EQ(game.session().Level, 1);
    EXPECT_EQ(game.clockText(), "01:30");

    ticks(90);
    EXPECT_FALSE(game.LoseScreenActivate());
    EXPECT_EQ(host.messages.back(), "Sorry, you lose. TRY AGAIN!!!");
    EXPECT_EQ(game.session().Mode, 0);
    EXPECT_EQ(game.session().Score, 0);
    EXPECT_EQ(host.loseScreensClosed, 1);
    EXPECT_TRUE(game.controls().tenSecondsAvailable && game.controls().twoPairsAvailable);
}

TEST_F(ChampionshipFixture, StopDuringTheRevealRestoresTheCardsBeforeResettingThem)
{
    start();
    const int p = partnerOf(0);
    game.Label1_Click(0);
    game.Label1_Click(p);
    game.Label1_Click(strangerTo(0) == p ? partnerOf(p) : strangerTo(0));
    game.TenSecondsHelp();
    EXPECT_FALSE(game.session().BonusEligible);
    EXPECT_FALSE(game.timerEnabled(GameTimer::Clock));
    EXPECT_TRUE(game.timerEnabled(GameTimer::Reveal));
    ticks(0);

    host.timerEvents.clear();
    host.yesNoAnswers = {true};
    game.image6_Click(2);
    EXPECT_EQ(host.questions.back(), "Είσαι σίγουρος οτι θέλεις να τερματίσεις το πρωτάθλημα;");
    // The reveal ended first (clock started again), then Stop stopped it.
    ASSERT_GE(host.timerEvents.size(), 3u);
    EXPECT_EQ(host.timerEvents[0], std::pair(GameTimer::Clock, true));
    EXPECT_EQ(host.timerEvents[1], std::pair(GameTimer::Reveal, false));
    EXPECT_EQ(host.timerEvents[2], std::pair(GameTimer::Clock, false));
    EXPECT_FALSE(game.timerEnabled(GameTimer::Clock));
    EXPECT_EQ(game.session().Mode, 0);
    EXPECT_EQ(host.loseScreensClosed, 1);
    for (int i = 0; i < Board::SlotCount; ++i)
        EXPECT_FALSE(game.board().slot(i).isFaceUp());
}

TEST_F(ChampionshipFixture, RevealPutsEveryCardBackAsItWasAfterTenTicks)
{
    start();
    const int p = partnerOf(0);
    game.Label1_Click(0);
    game.Label1_Click(p);
    const int open = strangerTo(0) == p ? partnerOf(p) : strangerTo(0);
    game.Label1_Click(open);
    const int score = game.session().Score;
    game.TenSecondsHelp();
    EXPECT_EQ(game.session().Score, score - 5);
    for (int t = 0; t < 9; ++t)
        game.TIMER3_Timer();
    EXPECT_TRUE(game.timerEnabled(GameTimer::Reveal));
    game.TIMER3_Timer();
    EXPECT_FALSE(game.timerEnabled(GameTimer::Reveal));
    EXPECT_TRUE(game.timerEnabled(GameTimer::Clock));
    for (int i = 0; i < Board::SlotCount; ++i) {
        const CardSlot& s = game.board().slot(i);
        if (i == 0 || i == p)
            EXPECT_TRUE(s.isMatched()) << i;
        else if (i == open)
            EXPECT_TRUE(s.isOpen()) << i;
        else
            EXPECT_TRUE(!s.isFaceUp() && s.backVisible && s.numberVisible) << i;
    }
}

}  // namespace
}  // namespace vornel
