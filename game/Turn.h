#pragma once
#include "game/Board.h"

namespace vornel {

enum class TurnOutcome { Opened, Matched, WrongPair, BoardComplete };

// The turn in progress: which cards are open and the flip-back of a wrong
// pair. FirstCard 0 stands both for card 0 and for "none", as it always has;
// the two fields still name both cards of a wrong pair.
struct Turn {
    int FirstCard = 0;
    int SecondCard = 0;
    int FlipBackTicks = 0;
    bool flipBackRunning = false;  // the half-second flip-back timer

    // Turns card `index` face up: a pair with the open card is matched, a
    // different picture makes a wrong pair, which the caller shows.
    TurnOutcome turnCard(Board& board, int index);
    // If no card is open, `lo` becomes the first card.
    void rememberFirstCard(const Board& board, int lo);
    void forgetOpenCards();
    // One flip-back tick; true when it turned the wrong pair back.
    bool flipBackTick(Board& board);
    void clear(Board& board);
};

}  // namespace vornel
