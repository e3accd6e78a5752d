#include "game/Game.h"
#include "game/Numbers.h"
#include "text/Language.h"

namespace vornel {

void Game::gggggg_Click()
{
    controls_.helpLabelEnabled = {true, true};
    controls_.panelEnabled = true;
    controls_.panelVisible = true;
    session_.Score = 0;
    host_.processEvents();
    for (int i = 0; i < Board::SlotCount; ++i)
        session_.OpenCount[i] = 0;
    session_.BonusLevel = 10;
    session_.BonusEligible = true;
    host_.showMessage(isGreek()
            ? "ΠΡΟΣΟΧΗ !!!\nΜπορείς να κερδίσεις το BONUS των 10 δευτ/πτών (10 δευτ/πτά επιπλέον χρόνος σε "
              "όποιο επίπεδο επιθυμείς), αν στο πρώτο επίπεδο κατορθώσεις να μήν ανοίξεις τα τετραγωνάκια "
              "περισσότερες απο 2 φορές το καθένα.\nΈπισης δεν πρέπει να χρησιμοποιήσεις κάποια βοήθεια στο "
              "πρώτο επίπεδο.\n\nΚλίκ για να αρχίσει το πρωτάθλημα."
            : "NOTE !!!\nYou can earn BONUS (10 seconds more time to a level) , \rif in the first level don't "
              "open each square more than once.\nAlso, you myst not use any help bonus.\n\nClick to start "
              "championship.",
        "");
    session_.Level = 1;
    session_.Lives = 2;
    session_.Mode = 1;
    controls_.tenSecondsAvailable = true;
    controls_.twoPairsAvailable = true;
    Command1_Click();
}

std::int16_t Game::BatmosProtatlhmatos() const
{
    if (!controls_.checkedDifficulty)
        return 0;
    const int completed = session_.Level - 1;  // the level has already been advanced
    const double t = session_.SecondsLeft;
    double points = t;
    switch (*controls_.checkedDifficulty) {
    case Difficulty::Hard:
        points = (completed + 1) * t;
        break;
    case Difficulty::Normal:
        points = (completed - 1) * t;
        if (points == 0)
            points = t;
        break;
    case Difficulty::Easy:
        break;
    }
    return toInt16(points).value_or(0);
}

void Game::WinScreenActivate()
{
    setTimer(GameTimer::Clock, false);
    controls_.mainWindowEnabled = false;
    if (session_.Mode != 0) {
        session_.Level += 1;
        session_.Score += BatmosProtatlhmatos();
    }
}

bool Game::LoseScreenActivate()
{
    setTimer(GameTimer::Clock, false);
    controls_.mainWindowEnabled = false;
    if (session_.Mode == 0) {
        session_.Score = 0;
        return true;
    }
    session_.Lives -= 1;
    if (session_.Lives > 0) {
        session_.Score = toInt16(session_.Score - 10.0).value_or(static_cast<std::int16_t>(session_.Score));
        return true;
    }
    if (isGreek())
        host_.showMessage("Δυστυχώς δεν κατάφερες να ολοκληρώσεις ολα τα επίπεδα.ΞΑΝΑΠΡΟΣΠΑΘΗΣΕ!!!", "ΤΕΛΟΣ ΕΥΚΑΙΡΙΩΝ");
    else
        host_.showMessage("Sorry, you lose. TRY AGAIN!!!", "");
    controls_.panelCaptionsGrey = true;
    endChampionship();
    controls_.mainWindowEnabled = true;
    return false;
}

// A championship stopped or lost: back to single games, helps ready again.
void Game::endChampionship()
{
    session_.Mode = 0;
    controls_.panelEnabled = false;
    controls_.panelVisible = false;
    controls_.tenSecondsAvailable = true;
    controls_.twoPairsAvailable = true;
    session_.Score = 0;
    session_.Lives = 0;
    session_.Level = 0;
    host_.closeLoseScreen();
}

void Game::Form_Activate()
{
    controls_.boardEnabled = false;
    controls_.newChampionshipAvailable = true;
    controls_.newGameAvailable = true;
    controls_.stopAvailable = false;
    setMenus(true);
    NextStep();
}

void Game::NextStep()
{
    if (session_.Mode != 1) {
        // Entering the score in the best-score table comes with the tables.
        if (session_.Score > 0) {
            session_.SecondsLeft = 0;
            controls_.panelVisible = false;
        }
        return;
    }
    if (session_.Level > 6) {
        const Difficulty d = checkedDifficulty();
        session_.Score += d == Difficulty::Easy ? 50 : d == Difficulty::Hard ? 200 : 100;
        session_.Mode = 0;
        session_.Level = 0;
        session_.Lives = 0;
        controls_.panelEnabled = false;
        controls_.panelVisible = false;
        return;
    }
    Command1_Click();
}

}  // namespace vornel
