#include "game/Game.h"
#include "text/Captions.h"

namespace vornel {

void Game::Timer2_Timer()
{
    session_.SecondsLeft -= 1;
    if (session_.SecondsLeft <= 0)
        host_.showLoseScreen();
    if (session_.Mode == 0)
        session_.Score -= session_.PointsPerSecond;
}

void Game::chooseDifficulty(Difficulty d, const char* item)
{
    controls_.checkedDifficulty = d;
    controls_.difficultyCaption = captions_.caption("epip") + ": " + captions_.caption(item);
}

}  // namespace vornel
