#pragma once
#include <cstdint>
#include <string>

namespace vornel {

// Codes are the ones saved in the settings records.
enum class Difficulty : std::int16_t { Easy = 1, Normal = 2, Hard = 3 };

// What each difficulty gives, in one table.
struct Allowance {
    int seconds;                   // a single game's clock
    std::int16_t pointsPerSecond;  // a single game's score drains by this
    int championshipCut;           // seconds a championship level loses
    int finalBonus;                // points for winning all six levels
    // The score a single game starts with: it reaches 0 with the clock.
    int startingScore() const { return seconds * pointsPerSecond; }
};
const Allowance& allowance(Difficulty d);

// Seconds of a championship level (1 to 6): ten fewer per level, fewer
// again at the harder difficulties, plus ten on the player's bonus level.
int championshipSeconds(int level, Difficulty d, bool bonusApplies);

// Minutes and seconds, each at least two digits: 100 gives "01:40".
std::string clockText(int seconds);

}  // namespace vornel
