#pragma once
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "game/Game.h"
#include "text/Language.h"
#include "text/MainWindowCaptions.h"

namespace vornel::testing {

// The main window as start-up leaves it: Normal, Objects, numbers shown.
struct GameFixture : ::testing::Test {
    FakeHost host;
    CaptionTable captions = mainWindowCaptions();
    Language language{true};
    Game game{host, captions, language};

    GameFixture()
    {
        game.kanoniko_Click();
        game.antikeim_Click();
        game.ShowNUMBERS_Click();
        game.Form_Activate();
    }

    int partnerOf(int i) const
    {
        for (int j = 0; j < Board::SlotCount; ++j)
            if (j != i && game.board().sameImage(i, j))
                return j;
        return -1;
    }
    int strangerTo(int i) const
    {
        for (int j = 0; j < Board::SlotCount; ++j)
            if (j != i && !game.board().sameImage(i, j))
                return j;
        return -1;
    }
    // Turns every pair up, as a player with a perfect memory would.
    void solveBoard()
    {
        for (int i = 0; i < Board::SlotCount; ++i) {
            if (game.board().slot(i).isMatched())
                continue;
            game.Label1_Click(i);
            game.Label1_Click(partnerOf(i));
        }
    }
    void ticks(int n)
    {
        for (int k = 0; k < n; ++k)
            game.Timer2_Timer();
    }
};

}  // namespace vornel::testing
