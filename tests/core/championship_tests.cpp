#include <gtest/gtest.h>

#include "GameFixture.h"

namespace vornel {
namespace {

using testing::GameFixture;

struct ChampionshipFixture : GameFixture {
    void start()
    {
        host.messagesExpected += 1;  // the note
        game.StartChampionship();
        ASSERT_TRUE(game.session().inChampionship());
    }
    // Clears the board, lets the win screen score it and dismisses it.
    NextStepOutcome winLevel()
    {
        EXPECT_EQ(solveBoard(), TurnOutcome::BoardComplete);
        game.levelWon();
        return dismissResult();
    }
    int openCard() const
    {
        for (int i = 0; i < Board::SlotCount; ++i)
            if (game.board().slot(i).isOpen())
                return i;
        return -1;
    }
};

TEST_F(ChampionshipFixture, StartsAtLevelOneWithTwoLivesHelpsAndTheNote)
{
    start();
    EXPECT_EQ(host.messages.at(0).rfind("ΠΡΟΣΟΧΗ !!!\nΜπορείς", 0), 0u);
    EXPECT_EQ(host.messageTitles.at(0), "");
    EXPECT_EQ(host.eventsProcessed, 1);
    EXPECT_EQ(game.championship().Level, 1);
    EXPECT_EQ(game.championship().Lives, 2);
    EXPECT_EQ(game.session().Score, 0);
    EXPECT_EQ(game.clock().text(), "01:30");
    EXPECT_TRUE(game.panelVisible() && game.panelEnabled());
    EXPECT_EQ(game.helps().icon[0], HelpIcon::Available);
    EXPECT_TRUE(game.helps().labelEnabled[1] && game.helps().available[1]);
    ticks(5);
    EXPECT_EQ(game.session().Score, 0);  // the championship clock leaves the score alone
}

TEST_F(ChampionshipFixture, EnglishNoteKeepsItsCarriageReturn)
{
    language.UseGreek = false;
    start();
    EXPECT_NE(host.messages.at(0).find("level) , \rif in the first level"), std::string::npos);
}

TEST_F(ChampionshipFixture, ThirdTurnOfOneCardInLevelOneLosesTheBonus)
{
    start();
    const int a = 0, b = strangerTo(0);
    for (int round = 0; round < 2; ++round) {
        click(a);
        click(b);
        for (int t = 0; t < 3; ++t)
            game.flipBackTick();
    }
    EXPECT_TRUE(game.championship().BonusEligible);
    EXPECT_EQ(game.championship().OpenCount[a], 2);
    click(a);
    EXPECT_FALSE(game.championship().BonusEligible);
    EXPECT_EQ(game.championship().OpenCount[a], 2);
}

TEST_F(ChampionshipFixture, BonusBoxInsistsOnALevelFromTwoToSixAndRoundsDecimals)
{
    game.chooseDifficulty(Difficulty::Hard);
    start();
    host.inputAnswers = {"1", "7", "2-6", "", "abc", "5.5"};
    EXPECT_EQ(solveBoard(), TurnOutcome::BoardComplete);
    EXPECT_EQ(host.inputPrompts.size(), 6u);
    EXPECT_EQ(host.inputPrompts[0].rfind("Συγχαρητήρια. Κέρδισες το BONUS", 0), 0u);
    EXPECT_EQ(game.championship().BonusLevel, 6);
    EXPECT_FALSE(game.clock().running);
}

TEST_F(ChampionshipFixture, LevelClockShrinksAndTheBonusLevelGetsTenSecondsMore)
{
    game.chooseDifficulty(Difficulty::Hard);
    start();
    host.inputAnswers = {"3"};
    const int t1 = game.clock().SecondsLeft;
    EXPECT_EQ(winLevel(), NextStepOutcome::LevelDealt);  // level 1 on Hard earns 2 x t
    EXPECT_EQ(game.session().Score, 2 * t1);
    EXPECT_EQ(game.championship().Level, 2);
    EXPECT_EQ(game.clock().text(), "01:10");
    ticks(4);
    winLevel();  // level 2 on Hard earns 3 x t
    EXPECT_EQ(game.session().Score, 2 * t1 + 3 * 66);
    EXPECT_EQ(game.clock().text(), "01:10");  // level 3: 60 seconds and the bonus
}

TEST_F(ChampionshipFixture, LevelPointsOnNormalAndEasy)
{
    start();  // Normal
    host.inputAnswers = {"2"};
    ticks(10);
    winLevel();  // level 1 on Normal earns t
    EXPECT_EQ(game.session().Score, 80);
    ticks(30);
    winLevel();  // level 2 on Normal earns 1 x t, with the bonus level's 10 seconds
    EXPECT_EQ(game.session().Score, 80 + 60);

    // A new difficulty counts for the points at once, for the clock at the next deal:
    // level 3 was dealt on Normal (70 seconds) and is scored on Easy (t).
    game.chooseDifficulty(Difficulty::Easy);
    ticks(30);
    winLevel();
    EXPECT_EQ(game.session().Score, 80 + 60 + 40);
    EXPECT_EQ(game.clock().text(), "01:10");  // level 4 on Easy
}

TEST_F(ChampionshipFixture, SixWonLevelsAddTheFinalBonusAndEnterTheChampionshipTable)
{
    language.UseGreek = false;
    start();
    host.inputAnswers = {"4"};
    for (int level = 1; level <= 5; ++level)
        winLevel();
    EXPECT_EQ(game.championship().Level, 6);
    solveBoard();
    game.levelWon();
    EXPECT_EQ(game.championship().Level, 7);
    const int total = game.session().Score + 100;
    host.messagesExpected = 1;
    EXPECT_EQ(dismissResult(), NextStepOutcome::ChampionshipComplete);
    EXPECT_EQ(host.messages.back(), "Congratulations  Ada.\n\n You make a best skor.\nYour place is FIRST and your skor is: " +
            std::to_string(total));
    EXPECT_EQ(readScoreTable(folder / DataFile::ChampionshipScores).scores[0].toText(), std::to_string(total));
    EXPECT_EQ(readScoreTable(folder / DataFile::SingleScores).scores[0].type, TaggedValue::Type::Empty);
    EXPECT_EQ(game.statusLine(), "Championship Best Skor : " + std::to_string(total) + " - Ada");
    EXPECT_FALSE(game.session().inChampionship());
    EXPECT_EQ(game.session().Score, 0);
    EXPECT_EQ(game.championship().Level, 0);
    EXPECT_FALSE(game.panelVisible());
}

TEST_F(ChampionshipFixture, SecondLostLifeEndsTheChampionshipWithoutAnEntry)
{
    language.UseGreek = false;
    start();
    ticks(89);
    EXPECT_EQ(game.clockTick(), ClockTick::TimeUp);
    EXPECT_EQ(game.levelLost(), LossOutcome::LifeLost);
    EXPECT_EQ(game.championship().Lives, 1);
    EXPECT_EQ(game.session().Score, -10);
    EXPECT_EQ(dismissResult(), NextStepOutcome::LevelDealt);  // the same level again
    EXPECT_EQ(game.championship().Level, 1);
    EXPECT_EQ(game.clock().text(), "01:30");

    ticks(90);
    host.messagesExpected = 1;
    EXPECT_EQ(game.levelLost(), LossOutcome::ChampionshipOver);
    EXPECT_EQ(host.messages.back(), "Sorry, you lose. TRY AGAIN!!!");
    EXPECT_EQ(host.messageTitles.back(), "");
    EXPECT_FALSE(game.session().inChampionship());
    EXPECT_EQ(game.session().Score, 0);
    EXPECT_TRUE(game.mainWindowEnabled());
    EXPECT_TRUE(game.panelCaptionsGrey());
    EXPECT_TRUE(game.helps().available[0] && game.helps().available[1]);
    EXPECT_EQ(game.RestoreSettings(), NextStepOutcome::Nothing);
    EXPECT_FALSE(game.playing());
}

TEST_F(ChampionshipFixture, GreekEndOfChancesHasItsOwnTitle)
{
    start();
    game.levelLost();
    dismissResult();
    host.messagesExpected = 1;
    game.levelLost();
    EXPECT_EQ(host.messageTitles.back(), "ΤΕΛΟΣ ΕΥΚΑΙΡΙΩΝ");
}

TEST_F(ChampionshipFixture, StopDuringTheRevealRestoresTheCardsBeforeResettingThem)
{
    start();
    const int p = partnerOf(0);
    click(0);
    click(p);
    click(strangerTo(0) == p ? partnerOf(p) : strangerTo(0));
    game.useHelp(Helps::TenSeconds);
    EXPECT_FALSE(game.championship().BonusEligible);
    EXPECT_FALSE(game.clock().running);
    EXPECT_TRUE(game.helps().revealRunning);

    host.yesNoAnswers = {true};
    EXPECT_EQ(game.stop(), StopOutcome::ChampionshipStopped);
    EXPECT_EQ(host.questions.back(), "Είσαι σίγουρος οτι θέλεις να τερματίσεις το πρωτάθλημα;");
    EXPECT_FALSE(game.helps().revealRunning);
    EXPECT_FALSE(game.clock().running);
    EXPECT_FALSE(game.session().inChampionship());
    EXPECT_EQ(game.championship().Level, 0);
    EXPECT_TRUE(game.helps().available[0]);
    for (int i = 0; i < Board::SlotCount; ++i)
        EXPECT_FALSE(game.board().slot(i).isFaceUp());
}

TEST_F(ChampionshipFixture, RevealPutsEveryCardBackAsItWasAfterTenTicks)
{
    start();
    const int p = partnerOf(0);
    click(0);
    click(p);
    const int open = strangerTo(0) == p ? partnerOf(p) : strangerTo(0);
    click(open);
    const int score = game.session().Score;
    game.useHelp(Helps::TenSeconds);
    EXPECT_EQ(game.session().Score, score - 5);
    EXPECT_EQ(game.helps().icon[0], HelpIcon::Used);
    EXPECT_FALSE(game.helps().labelEnabled[0] || game.helps().available[0]);
    for (int i = 0; i < Board::SlotCount; ++i)
        EXPECT_TRUE(game.board().slot(i).isFaceUp());
    EXPECT_FALSE(game.useHelp(Helps::TwoPairs));  // nothing while the reveal runs
    EXPECT_TRUE(game.helps().labelEnabled[1]);

    for (int t = 0; t < 9; ++t)
        game.revealTick();
    EXPECT_TRUE(game.helps().revealRunning);
    game.revealTick();
    EXPECT_FALSE(game.helps().revealRunning);
    EXPECT_TRUE(game.clock().running);
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

TEST_F(ChampionshipFixture, TwoPairsSolvesTwoFaceDownPairsAndTheOpenCardsPartner)
{
    start();
    click(0);
    const int partner = partnerOf(0);
    // The first draw lands on the open card's partner: both are solved.
    host.scriptedRandom = {(partner + 0.5) / 20.0};
    const int score = game.session().Score;
    EXPECT_FALSE(game.useHelp(Helps::TwoPairs));
    EXPECT_TRUE(game.board().slot(0).isMatched() && game.board().slot(partner).isMatched());
    EXPECT_EQ(game.turn().FirstCard, 0);
    EXPECT_EQ(openCard(), -1);
    int matched = 0;
    for (const CardSlot& s : game.board().cards())
        matched += s.isMatched();
    EXPECT_EQ(matched, 4);
    EXPECT_EQ(game.session().Score, score - 5);
    EXPECT_FALSE(game.championship().BonusEligible);
    EXPECT_TRUE(game.clock().running);
    EXPECT_EQ(host.eventsProcessed, 1 + 2);
    EXPECT_FALSE(game.helps().available[1]);
}

TEST_F(ChampionshipFixture, TwoPairsThatCompletesTheBoardEndsTheLevel)
{
    start();
    // Leave one pair face down.
    const int last = 0, lastPartner = partnerOf(0);
    for (int i = 0; i < Board::SlotCount; ++i) {
        if (i == last || i == lastPartner || game.board().slot(i).isFaceUp())
            continue;
        click(i);
        click(partnerOf(i));
    }
    EXPECT_TRUE(game.useHelp(Helps::TwoPairs));
    EXPECT_TRUE(game.board().allMatched());
    EXPECT_EQ(host.eventsProcessed, 1 + 1);  // the second draw was skipped
    EXPECT_FALSE(game.mainWindowEnabled());
    game.levelWon();
    EXPECT_FALSE(game.clock().running);
    EXPECT_EQ(game.championship().Level, 2);
}

TEST_F(ChampionshipFixture, HelpsInLaterLevelsKeepTheBonusChoice)
{
    start();
    host.inputAnswers = {"5"};
    winLevel();
    game.useHelp(Helps::TenSeconds);
    EXPECT_TRUE(game.championship().BonusEligible);
    EXPECT_EQ(game.championship().BonusLevel, 5);
}

TEST(LevelPoints, FollowTheDifficultyWithTheLevelAlreadyAdvanced)
{
    Championship c;
    c.Level = 2;  // level 1 completed
    EXPECT_EQ(c.BatmosProtatlhmatos(Difficulty::Normal, 40), 40);
    EXPECT_EQ(c.BatmosProtatlhmatos(Difficulty::Hard, 40), 80);
    EXPECT_EQ(c.BatmosProtatlhmatos(Difficulty::Easy, 40), 40);
    EXPECT_EQ(c.BatmosProtatlhmatos(std::nullopt, 40), 0);
    c.Level = 3;
    EXPECT_EQ(c.BatmosProtatlhmatos(Difficulty::Normal, 40), 40);
    c.Level = 7;
    EXPECT_EQ(c.BatmosProtatlhmatos(Difficulty::Normal, 25), 125);
    EXPECT_EQ(c.BatmosProtatlhmatos(Difficulty::Hard, 25), 175);
}

}  // namespace
}  // namespace vornel
