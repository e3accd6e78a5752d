#pragma once
#include <cstdint>
#include <string>

#include "game/GameSession.h"

namespace vornel {

enum class ClockTick { Running, TimeUp };

// The game clock: seconds left, and in a single game the score draining
// with them. `running` is whether its one-second timer is on.
struct Clock {
    int SecondsLeft = 0;
    std::int16_t PointsPerSecond = 0;
    bool running = false;

    // One second. The tick that reaches zero still takes a single game's
    // last points, after reporting the time is up.
    ClockTick tick(GameSession& session);
    void reset() { SecondsLeft = 0; }
    std::string text() const;
};

}  // namespace vornel
