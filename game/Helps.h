#pragma once
#include <array>
#include <cstdint>

#include "game/Board.h"

namespace vornel {

// What a help icon shows: the plain button face until a championship
// offers the helps, then "available", then "used".
enum class HelpIcon { Blank, Available, Used };

// The two one-shot helps of a championship and the ten-second reveal.
struct Helps {
    static constexpr int TenSeconds = 0;
    static constexpr int TwoPairs = 1;
    static constexpr int Cost = 5;
    static constexpr int RevealSeconds = 10;

    std::array<bool, 2> available{true, true};  // the actions' flags
    std::array<bool, 2> labelEnabled{true, true};
    std::array<bool, 2> labelBold{true, true};
    std::array<HelpIcon, 2> icon{HelpIcon::Blank, HelpIcon::Blank};

    // Each slot's index if it was face up when the reveal began, else -5.
    std::array<std::int16_t, 21> SavedFaceState{};
    std::int16_t RevealTicks = 0;
    bool revealRunning = false;  // the one-second reveal timer

    // A new championship: both helps ready to click.
    void offer();
    // The player clicked help `index`.
    void markUsed(int index);
    // Every card shows its picture; the cards' states are remembered.
    void reveal(Board& board);
    // One reveal tick; true when it put the cards back as they were.
    bool revealTick(Board& board);
};

}  // namespace vornel
