#pragma once
#include <filesystem>

#include "storage/ColoursFile.h"
#include "storage/RecordFile.h"

namespace vornel {

// "DefaultColors.dat": the main window's design colours as 32-bit integers,
// the board before the window, and the card colour as a tagged value.
namespace DefaultColoursRecord {
inline constexpr int PlayerName = 1;
inline constexpr int Score = 2;
inline constexpr int Clock = 3;
inline constexpr int Board = 4;
inline constexpr int Window = 5;
inline constexpr int CardColour = 6;
}  // namespace DefaultColoursRecord

struct DefaultColours {
    ColourValues colours{};  // index order
    TaggedValue cardColour;  // empty when never written
};

// A missing file reads as zeros and an empty card colour and is not created:
// start-up makes it again from the design colours.
DefaultColours readDefaultColours(const std::filesystem::path& file);
SaveResult writeDefaultColours(const std::filesystem::path& file, const DefaultColours& defaults);

}  // namespace vornel
