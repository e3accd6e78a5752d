#pragma once
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "TempFolder.h"
#include "game/Game.h"
#include "storage/DataFiles.h"
#include "text/Language.h"

namespace vornel::testing {

// The main window's game as start-up leaves it: Normal, Objects, numbers
// shown, in Greek, with score files in a folder of its own.
struct GameFixture : ::testing::Test {
    TempFolder folder;
    FakeHost host;
    Language language{true};
    Game game{host, language, BestScores(folder / DataFile::SingleScores, folder / DataFile::ChampionshipScores)};

    GameFixture()
    {
        game.chooseDifficulty(Difficulty::Normal);
        game.chooseBuiltInCategory(PictureCategory::Objects);
        game.toggleNumbers();
        game.setPlayerName("Ada");
        game.resumeAfterResult();
    }

    // A click on a card, as the window passes it on.
    TurnOutcome click(int i) { return game.takesCardClick(i) ? game.turnCard(i) : TurnOutcome::Opened; }
    int partnerOf(int i) const { return find(i, true); }
    int strangerTo(int i) const { return find(i, false); }  // a card of another picture
    // Turns every pair up, as a player with a perfect memory would.
    TurnOutcome solveBoard()
    {
        TurnOutcome last = TurnOutcome::Opened;
        for (int i = 0; i < Board::SlotCount; ++i) {
            if (!game.board().slot(i).isFaceUp()) {
                click(i);
                last = click(partnerOf(i));
            }
        }
        return last;
    }
    void ticks(int n)
    {
        while (n-- > 0)
            game.clockTick();
    }
    void flipBack() { game.flipBackTick(), game.flipBackTick(), game.flipBackTick(); }
    // The result screen is dismissed and the window is active again.
    ResultStep dismissResult()
    {
        game.setMainWindowEnabled(true);
        return game.resumeAfterResult();
    }

private:
    int find(int i, bool same) const
    {
        for (int j = 0; j < Board::SlotCount; ++j)
            if (j != i && game.board().sameImage(i, j) == same)
                return j;
        return -1;
    }
};

}  // namespace vornel::testing
