#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vornel {

// The game in progress. The window shows these as decimal texts; here
// they are numbers, written back as plain decimal text by the window.
struct GameSession {
    std::int16_t Mode = 0;  // 0 single game, 1 championship
    int SecondsLeft = 0;
    int Score = 0;
    std::int16_t PointsPerSecond = 0;
    int Level = 0;
    int Lives = 0;
    bool BonusEligible = false;
    std::int16_t BonusLevel = 10;  // 10: no bonus level chosen
    std::int16_t NumbersHidden = 0;
    std::string PlayerName;

    // The turn in progress. FirstCard 0 stands both for card 0 and "none".
    int FirstCard = 0;
    int SecondCard = 0;
    int FlipBackTicks = 0;
    std::array<std::int16_t, 21> OpenCount{};

    // The ten-second help: each slot's index if it was face up, else -5.
    std::array<std::int16_t, 21> SavedFaceState{};
    std::int16_t RevealTicks = 0;
};

}  // namespace vornel
