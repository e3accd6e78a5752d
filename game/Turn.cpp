#include "game/Turn.h"

namespace vornel {

TurnOutcome Turn::turnCard(Board& board, int index)
{
    bool mismatch = false;
    bool matched = false;
    for (int i = 0; i < Board::SlotCount; ++i) {
        if (!board.slot(i).isOpen())
            continue;
        if (board.sameImage(i, index)) {
            forgetOpenCards();
            board.slot(i).faceEnabled = false;
            board.slot(index).faceEnabled = false;
            board.slot(index).showFaceUp();
            matched = true;
            break;
        }
        mismatch = true;
    }

    if (mismatch) {
        if (FirstCard == 0)
            FirstCard = index;
        else
            SecondCard = index;
    } else {
        rememberFirstCard(board, index);
    }
    board.slot(index).showFaceUp();
    return mismatch ? TurnOutcome::WrongPair : matched ? TurnOutcome::Matched : TurnOutcome::Opened;
}

void Turn::rememberFirstCard(const Board& board, int lo)
{
    for (int i = 0; i < Board::SlotCount; ++i)
        if (board.slot(i).isOpen())
            return;
    FirstCard = lo;
}

void Turn::forgetOpenCards()
{
    FirstCard = 0;
    SecondCard = 0;
}

bool Turn::flipBackTick(Board& board)
{
    FlipBackTicks += 1;
    if (FlipBackTicks != 3)
        return false;
    clear(board);
    return true;
}

void Turn::clear(Board& board)
{
    board.slot(FirstCard).showFaceDown();
    board.slot(SecondCard).showFaceDown();
    forgetOpenCards();
    flipBackRunning = false;
    FlipBackTicks = 0;
}

}  // namespace vornel
