#include "game/Helps.h"

namespace vornel {

void Helps::offer()
{
    labelEnabled = {true, true};
    labelBold = {true, true};
    icon = {HelpIcon::Available, HelpIcon::Available};
}

void Helps::markUsed(int index)
{
    labelEnabled.at(index) = false;
    labelBold.at(index) = false;
    icon.at(index) = HelpIcon::Used;
}

void Helps::reveal(Board& board)
{
    for (int i = 0; i < Board::SlotCount; ++i) {
        CardSlot& s = board.slot(i);
        SavedFaceState[i] = static_cast<std::int16_t>(s.faceVisible ? i : -5);
        // The number label is left alone: the face covers it.
        s.faceVisible = true;
        s.backVisible = false;
    }
    RevealTicks = 0;
    revealRunning = true;
}

bool Helps::revealTick(Board& board)
{
    RevealTicks += 1;
    if (RevealTicks < RevealSeconds)
        return false;
    for (int i = 0; i < Board::SlotCount; ++i) {
        if (SavedFaceState[i] > -3)
            board.slot(i).showFaceUp();
        else
            board.slot(i).showFaceDown();
    }
    revealRunning = false;
    return true;
}

}  // namespace vornel
