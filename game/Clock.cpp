#include "game/Clock.h"

#include "game/Difficulty.h"

namespace vornel {

ClockTick Clock::tick(GameSession& session)
{
    SecondsLeft -= 1;
    const ClockTick result = SecondsLeft <= 0 ? ClockTick::TimeUp : ClockTick::Running;
    if (!session.inChampionship())
        session.Score -= PointsPerSecond;
    return result;
}

std::string Clock::text() const
{
    return clockText(SecondsLeft);
}

}  // namespace vornel
