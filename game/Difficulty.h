#pragma once
#include <cstdint>
#include <string>

namespace vornel {

// Codes are the ones saved in the settings records.
enum class Difficulty : std::int16_t { Easy = 1, Normal = 2, Hard = 3 };

// What a single game starts with at each difficulty. The starting score is
// seconds x points per second, so a game that runs out of time ends at 0.
struct SingleGameAllowance {
    int seconds;
    int score;
    std::int16_t pointsPerSecond;
};
SingleGameAllowance singleGameAllowance(Difficulty d);

// Seconds of a championship level (1 to 6): ten fewer per level, fewer
// again at the harder difficulties, plus ten on the player's bonus level.
int championshipSeconds(int level, Difficulty d, bool bonusApplies);

// Minutes and seconds, each at least two digits: 100 gives "01:40".
std::string clockText(int seconds);

}  // namespace vornel
