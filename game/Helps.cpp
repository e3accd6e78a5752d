#include "game/Game.h"

namespace vornel {

void Game::TenSecondsHelp()
{
    if (session_.Level == 1)
        session_.BonusEligible = false;
    setTimer(GameTimer::Clock, false);
    for (int i = 0; i < Board::SlotCount; ++i) {
        CardSlot& s = board_.slot(i);
        session_.SavedFaceState[i] = static_cast<std::int16_t>(s.faceVisible ? i : -5);
        s.faceVisible = true;
        s.backVisible = false;
    }
    session_.RevealTicks = 0;
    setTimer(GameTimer::Reveal, true);
    session_.Score -= 5;
    controls_.tenSecondsAvailable = false;
}

void Game::TIMER3_Timer()
{
    session_.RevealTicks += 1;
    if (session_.RevealTicks < 10)
        return;
    for (int i = 0; i < Board::SlotCount; ++i) {
        if (session_.SavedFaceState[i] > -3)
            board_.slot(i).showFaceUp();
        else
            board_.slot(i).showFaceDown();
    }
    setTimer(GameTimer::Clock, true);
    setTimer(GameTimer::Reveal, false);
}

}  // namespace vornel
