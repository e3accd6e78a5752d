#include "game/Board.h"

#include <algorithm>

namespace vornel {

void CardSlot::showFaceDown()
{
    faceVisible = false;
    backVisible = true;
    numberVisible = true;
}

void CardSlot::showFaceUp()
{
    faceVisible = true;
    backVisible = false;
    numberVisible = false;
}

void Board::turnAllFaceDown()
{
    for (CardSlot& s : slots_) {
        s.picture.reset();
        s.faceVisible = false;
        s.faceEnabled = true;
        s.backVisible = true;
        s.numberVisible = true;
    }
}

int Board::randomSlot(double r)
{
    return static_cast<int>(SlotCount * std::clamp(r, 0.0, 0.9999999999));
}

void Board::deal(const PictureSet& set, const std::function<double()>& random)
{
    std::array<bool, SlotCount> used{};
    // Redraw until a free slot comes up; no shuffled list.
    auto drawFree = [&] {
        int a;
        do {
            a = randomSlot(random());
        } while (used[a]);
        used[a] = true;
        return a;
    };
    for (int k = 1; k <= 10; ++k) {
        const int a = drawFree();
        const int b = drawFree();
        slots_[a].picture = set.at(k);
        slots_[b].picture = set.at(k);
    }
}

bool Board::sameImage(int a, int b) const
{
    // A card dealt without a picture (an empty picture set) matches nothing.
    return slot(a).picture && slot(a).picture == slot(b).picture;
}

bool Board::allMatched() const
{
    return std::all_of(slots_.begin(), slots_.end(), [](const CardSlot& s) { return s.isMatched(); });
}

void Board::setNumbersShown(bool shown)
{
    for (int i = 0; i < SlotCount; ++i)
        slots_[i].numberText = shown ? std::to_string(i + 1) : std::string();
}

}  // namespace vornel
