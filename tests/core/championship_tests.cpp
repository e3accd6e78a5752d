#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "GameFixture.h"

namespace vornel {
namespace {

using testing::GameFixture;

// The game's tests play the early levels on Normal and Easy.
TEST(ChampionshipRules, HardAndLateLevelsGiveMoreSecondsAndPoints)
{
    // 110 seconds, ten fewer a level, 30 fewer on Hard, ten more on the bonus level.
    EXPECT_EQ(championshipSeconds(3, Difficulty::Hard, true), 70);
    // Points of the level just completed, Level already moved on.
    for (auto [level, d, points] : std::initializer_list<std::tuple<int, std::optional<Difficulty>, int>>{
             {2, Difficulty::Hard, 80}, {7, Difficulty::Hard, 280}, {7, Difficulty::Normal, 200}, {2, {}, 0}}) {
        Championship champ;
        champ.Level = level;
        EXPECT_EQ(champ.levelPoints(d, 40), points) << level;
    }
}

struct ChampionshipFixture : GameFixture {
    void start()
    {
        host.messagesExpected += 1;  // the note
        game.startChampionship();
        ASSERT_TRUE(game.session().inChampionship());
    }
    // Clears the board, lets the win screen score it and dismisses it.
    ResultStep winLevel()
    {
        EXPECT_EQ(solveBoard(), TurnOutcome::BoardComplete);
        game.levelWon();
        return dismissResult();
    }
    // Card 0 and its partner matched and a third card open; returns that card.
    int matchOnePairAndOpenACard()
    {
        click(0);
        click(partnerOf(0));
        click(strangerTo(0));
        return strangerTo(0);
    }
};

TEST_F(ChampionshipFixture, LevelsShrinkWithTheBonusLevelLongerAndSixWonAddTheFinalBonusAndEnterTheTable)
{
    language.UseGreek = false;
    start();                                                                                     // Normal
    EXPECT_NE(host.messages.at(0).find("level) , \rif in the first level"), std::string::npos);  // as it always was
    // The bonus box insists on a level from 2 to 6 and rounds decimals half to even.
    host.inputAnswers = {"1", "7", "2-6", "", "abc", "2.5"};
    ticks(10);
    EXPECT_EQ(solveBoard(), TurnOutcome::BoardComplete);
    EXPECT_EQ(host.inputPrompts.size(), 6u);
    EXPECT_EQ(host.inputPrompts[0].rfind("Congratulations. You get the BONUS", 0), 0u);
    EXPECT_FALSE(game.clock().running);
    game.levelWon();
    EXPECT_EQ(dismissResult(), ResultStep::LevelDealt);  // level 1 on Normal earns t
    EXPECT_EQ(game.session().Score, 80);
    EXPECT_EQ(game.championship().Level, 2);
    EXPECT_EQ(game.clock().text(), "01:30");  // 80 seconds and the bonus
    ticks(30);
    winLevel();  // level 2 on Normal earns 1 x t
    EXPECT_EQ(game.session().Score, 80 + 60);

    // A new difficulty counts for the points at once, for the clock at the next deal:
    // level 3 was dealt on Normal (70 seconds) and is scored on Easy (t).
    game.chooseDifficulty(Difficulty::Easy);
    ticks(30);
    winLevel();
    EXPECT_EQ(game.session().Score, 80 + 60 + 40);
    EXPECT_EQ(game.clock().text(), "01:10");  // level 4 on Easy

    // Helps after level 1 leave the bonus as it was chosen.
    game.useHelp(Helps::TenSeconds);
    EXPECT_TRUE(game.championship().BonusEligible);
    EXPECT_EQ(game.championship().BonusLevel, 2);
    for (int t = 0; t < Helps::RevealSeconds; ++t)
        game.revealTick();
    winLevel();
    // Two pairs that complete the board end the level, the second draw skipped.
    for (int i = 1; i < Board::SlotCount; ++i) {
        if (i != partnerOf(0) && !game.board().slot(i).isFaceUp()) {
            click(i);
            click(partnerOf(i));
        }
    }
    const int events = host.eventsProcessed;
    EXPECT_TRUE(game.useHelp(Helps::TwoPairs));
    EXPECT_EQ(host.eventsProcessed, events + 1);
    EXPECT_FALSE(game.mainWindowEnabled());
    game.levelWon();
    dismissResult();
    solveBoard();
    game.levelWon();
    EXPECT_EQ(game.championship().Level, 7);
    const std::string total = std::to_string(game.session().Score + 50);  // the final bonus on Easy
    host.messagesExpected = 1;
    EXPECT_EQ(dismissResult(), ResultStep::ChampionshipComplete);
    EXPECT_EQ(host.messages.back(),
        "Congratulations  Ada.\n\n You make a best skor.\nYour place is FIRST and your skor is: " + total);
    EXPECT_EQ(readScoreTable(folder / DataFile::ChampionshipScores).scores[0].toText(), total);
    EXPECT_TRUE(readScoreTable(folder / DataFile::SingleScores).scores[0].isEmpty());
    EXPECT_EQ(game.statusLine(), "Championship Best Skor : " + total + " - Ada");
    EXPECT_FALSE(game.session().inChampionship() || game.panelVisible());
}

TEST_F(ChampionshipFixture, StartsWithTheNoteHelpsAndTwoLivesAndTheSecondLostEndsItWithoutAnEntry)
{
    game.newGame();  // a single game first sets the clock's drain
    start();
    EXPECT_EQ(host.messages.at(0).rfind("ΠΡΟΣΟΧΗ !!!\nΜπορείς", 0), 0u);
    EXPECT_EQ(std::pair(game.championship().Level, game.championship().Lives), std::pair(1, 2));
    EXPECT_TRUE(game.panelVisible() && game.panelEnabled() && game.helps().labelEnabled[1] &&
        game.helps().icon[0] == HelpIcon::Available);
    // The third turn of one card in level 1 loses the bonus.
    for (int turn = 1; turn <= 3; ++turn) {
        click(0);
        EXPECT_EQ(game.championship().BonusEligible, turn < 3) << turn;
        click(strangerTo(0));
        flipBack();
    }
    ticks(89);
    EXPECT_EQ(game.session().Score, 0);  // the championship clock leaves the score alone
    EXPECT_EQ(game.clockTick(), ClockTick::TimeUp);
    EXPECT_EQ(game.levelLost(), LossOutcome::LifeLost);
    EXPECT_EQ(game.championship().Lives, 1);
    EXPECT_EQ(game.session().Score, -10);
    EXPECT_EQ(dismissResult(), ResultStep::LevelDealt);  // the same level again
    EXPECT_EQ(game.championship().Level, 1);
    EXPECT_EQ(game.clock().text(), "01:30");

    ticks(90);
    host.messagesExpected = 1;
    EXPECT_EQ(game.levelLost(), LossOutcome::ChampionshipOver);
    EXPECT_EQ(host.messageTitles.back(), "ΤΕΛΟΣ ΕΥΚΑΙΡΙΩΝ");
    EXPECT_FALSE(game.session().inChampionship());
    EXPECT_EQ(game.session().Score, 0);
    EXPECT_TRUE(game.mainWindowEnabled() && game.panelCaptionsGrey());
    EXPECT_EQ(game.resumeAfterResult(), ResultStep::Nothing);
}

TEST_F(ChampionshipFixture, RevealPutsEveryCardBackAsItWasAfterTenTicksAndTwoPairsSolveTheOpenCardsPair)
{
    start();
    const int open = matchOnePairAndOpenACard();
    game.useHelp(Helps::TenSeconds);
    EXPECT_EQ(game.session().Score, -5);
    EXPECT_FALSE(game.championship().BonusEligible || game.clock().running);
    EXPECT_FALSE(game.helps().icon[0] != HelpIcon::Used || game.helps().labelEnabled[0] || game.helps().available[0]);
    EXPECT_TRUE(std::ranges::all_of(game.board().cards(), [](const CardSlot& s) { return s.isFaceUp(); }));
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
        if (i == 0 || i == partnerOf(0))
            EXPECT_TRUE(s.isMatched()) << i;
        else if (i == open)
            EXPECT_TRUE(s.isOpen()) << i;
        else
            EXPECT_TRUE(!s.isFaceUp() && s.backVisible && s.numberVisible) << i;
    }

    // Two pairs: the first draw lands on the open card's partner, and both are solved.
    host.scriptedRandom = {(partnerOf(open) + 0.5) / 20.0};
    const int events = host.eventsProcessed;
    EXPECT_FALSE(game.useHelp(Helps::TwoPairs));
    EXPECT_TRUE(game.board().slot(open).isMatched() && game.board().slot(partnerOf(open)).isMatched());
    EXPECT_EQ(std::ranges::count_if(game.board().cards(), [](const CardSlot& s) { return s.isMatched(); }), 6);
    EXPECT_TRUE(game.turn().FirstCard == 0 &&
        std::ranges::none_of(game.board().cards(), [](const CardSlot& s) { return s.isOpen(); }));
    EXPECT_EQ(game.session().Score, -10);
    EXPECT_FALSE(game.helps().available[1]);
    EXPECT_TRUE(game.clock().running);
    EXPECT_EQ(host.eventsProcessed, events + 2);
}

TEST_F(ChampionshipFixture, StopDuringTheRevealRestoresTheCardsBeforeResettingThem)
{
    start();
    matchOnePairAndOpenACard();
    game.useHelp(Helps::TenSeconds);
    host.yesNoAnswers = {true};
    EXPECT_EQ(game.stop(), StopOutcome::ChampionshipStopped);
    EXPECT_FALSE(game.helps().revealRunning || game.clock().running || game.session().inChampionship());
    EXPECT_TRUE(game.helps().available[0]);
    EXPECT_TRUE(std::ranges::none_of(game.board().cards(), [](const CardSlot& s) { return s.isFaceUp(); }));
}

// The clock ran out while the stop question was open: the lose screen took
// a life, then Yes stopped the championship under it. The next game's wrong
// pairs must give the window back.
TEST_F(ChampionshipFixture, StopUnderTheLoseScreenLeavesTheNextGamePlayable)
{
    start();
    while (game.clockTick() != ClockTick::TimeUp) { }
    EXPECT_EQ(game.levelLost(), LossOutcome::LifeLost);
    host.yesNoAnswers = {true};
    EXPECT_EQ(game.stop(), StopOutcome::ChampionshipStopped);
    game.setMainWindowEnabled(true);  // the lose screen goes without giving the window back

    game.newGame();
    click(0);
    click(strangerTo(0));
    flipBack();
    EXPECT_TRUE(game.mainWindowEnabled());
    EXPECT_TRUE(game.takesCardClick(0));
}

}  // namespace
}  // namespace vornel
