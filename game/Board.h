#pragma once
#include <array>
#include <functional>
#include <string>

#include "game/PictureSet.h"

namespace vornel {

// One card position. The four flags are the visible/enabled states of the
// card's parts: the face frame (visible = face up, enabled = not matched),
// the back and the number label over it.
struct CardSlot {
    bool faceVisible = false;
    bool faceEnabled = true;
    bool backVisible = true;
    bool numberVisible = true;
    std::string numberText;
    PictureRef picture;

    bool isFaceUp() const { return faceVisible; }
    bool isOpen() const { return faceVisible && faceEnabled; }
    bool isMatched() const { return faceVisible && !faceEnabled; }
    // Only a visible back or number label takes a click.
    bool takesClicks() const { return backVisible || numberVisible; }

    void showFaceDown();
    void showFaceUp();
};

class Board {
public:
    static constexpr int SlotCount = 20;

    CardSlot& slot(int i) { return slots_.at(i); }
    const CardSlot& slot(int i) const { return slots_.at(i); }
    const std::array<CardSlot, SlotCount>& cards() const { return slots_; }

    // All twenty cards face down without pictures; number texts stay.
    void turnAllFaceDown();

    // Places each picture of the set on two random free slots, in picture
    // order. `random` gives a uniform number in [0, 1).
    // The slot a random number in [0, 1) stands for.
    static int randomSlot(double r);
    void deal(const PictureSet& set, const std::function<double()>& random);

    bool sameImage(int a, int b) const;
    bool allMatched() const;

    // Number texts "1" to "20", or all empty; the cards' states stay.
    void setNumbersShown(bool shown);

private:
    std::array<CardSlot, SlotCount> slots_;
};

}  // namespace vornel
