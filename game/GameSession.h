#pragma once
#include <string>

#include "game/Mode.h"

namespace vornel {

// What every part of a game in progress shares: the mode, the score and
// whose score it is. The clock, the turn, the championship and the helps
// keep their own state.
struct GameSession {
    Mode mode = Mode::SingleGame;
    int Score = 0;
    std::string PlayerName;

    bool inChampionship() const { return mode == Mode::Championship; }
};

}  // namespace vornel
