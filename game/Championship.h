#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "game/Difficulty.h"

namespace vornel {

// The chain of six levels: level, lives and the ten-second bonus that a
// clean first level earns.
struct Championship {
    static constexpr int Levels = 6;
    static constexpr int StartingLives = 2;
    static constexpr std::int16_t NoBonusLevel = 10;
    static constexpr int LostLevelPenalty = 10;

    int Level = 0;  // 1 to 6; 7 just after the last level is won
    int Lives = 0;
    bool BonusEligible = false;
    std::int16_t BonusLevel = NoBonusLevel;
    // How often each card was turned up in level 1 (index 20 unused).
    std::array<std::int16_t, 21> OpenCount{};

    // The bonus count and choice, before the note is shown.
    void prepareBonus();
    // A player's turning of card `index`: the third time in level 1 loses the bonus.
    void countOpening(int index);
    // A help used in level 1 loses the bonus.
    void helpUsed();
    // Level 1 cleared while the bonus still stands: the player picks a level.
    bool bonusToChoose() const { return Level == 1 && BonusEligible; }
    bool bonusApplies() const { return Level == BonusLevel && BonusEligible; }
    bool allLevelsWon() const { return Level > Levels; }

    // Points of the level just completed; Level has already moved on.
    std::int16_t levelPoints(std::optional<Difficulty> d, int secondsLeft) const;
};

// A typed bonus level: a whole number from 2 to 6 after rounding.
std::optional<std::int16_t> bonusLevelFrom(const std::string& answer);

}  // namespace vornel
