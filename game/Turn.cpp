#include "game/Game.h"
#include "game/Numbers.h"

namespace vornel {

void Game::clickCard(int index)
{
    // Disabled windows and panels take no clicks, and an open or matched
    // card covers its back and number.
    if (index < 0 || index >= Board::SlotCount || !controls_.mainWindowEnabled || !controls_.boardEnabled)
        return;
    const CardSlot& s = board_.slot(index);
    if (s.faceVisible || !s.takesClicks())
        return;
    klik(index);
}

void Game::klik(int index)
{
    if (session_.Mode == 1 && session_.Level == 1 && session_.BonusEligible) {
        const int c = session_.OpenCount[index] + 1;
        if (c > 2)
            session_.BonusEligible = false;
        else
            session_.OpenCount[index] = static_cast<std::int16_t>(c);
    }

    bool mismatch = false;
    for (int i = 0; i < Board::SlotCount; ++i) {
        if (!board_.slot(i).isOpen())
            continue;
        if (board_.sameImage(i, index)) {
            tot();
            board_.slot(i).faceEnabled = false;
            board_.slot(index).faceEnabled = false;
            board_.slot(index).showFaceUp();
            break;
        }
        mismatch = true;
    }

    if (mismatch) {
        ARXISE();
        if (session_.FirstCard == 0)
            session_.FirstCard = index;
        else
            session_.SecondCard = index;
    } else {
        arxh(index);
    }

    board_.slot(index).showFaceUp();
    win();
}

void Game::arxh(int lo)
{
    for (int i = 0; i < Board::SlotCount; ++i)
        if (board_.slot(i).isOpen())
            return;
    session_.FirstCard = lo;
}

void Game::tot()
{
    session_.FirstCard = 0;
    session_.SecondCard = 0;
}

void Game::ARXISE()
{
    controls_.mainWindowEnabled = false;
    setTimer(GameTimer::FlipBack, true);
}

void Game::Timer1_Timer()
{
    controls_.mainWindowEnabled = false;
    session_.FlipBackTicks += 1;
    if (session_.FlipBackTicks == 3)
        clear();
}

void Game::clear()
{
    controls_.mainWindowEnabled = true;
    board_.slot(session_.FirstCard).showFaceDown();
    board_.slot(session_.SecondCard).showFaceDown();
    tot();
    setTimer(GameTimer::FlipBack, false);
    session_.FlipBackTicks = 0;
}

void Game::win()
{
    if (!board_.allMatched())
        return;

    if (session_.Mode == 1 && session_.Level == 1 && session_.BonusEligible) {
        setTimer(GameTimer::Clock, false);
        const std::string prompt = isGreek()
            ? "Συγχαρητήρια. Κέρδισες το BONUS των 10 δευτ/πτων. Επέλεξε το επίπεδο που "
              "επιθυμείς να χρησιμοποιήσεις το BONUS."
            : "Congratulations. You get the BONUS (10 seconds more time). Choose the level which "
              "you wish to use it.";
        // There is no way out of the box but a level from 2 to 6.
        for (;;) {
            const std::optional<std::int16_t> level = toInt16(host_.inputBox(prompt, "BONUS", "2-6"));
            if (level && *level > 1 && *level < 7) {
                session_.BonusLevel = *level;
                break;
            }
        }
    }

    host_.showWinScreen();
    controls_.mainWindowEnabled = false;
}

}  // namespace vornel
