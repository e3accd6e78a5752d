#pragma once
#include <cstdint>
#include <optional>

#include "game/Difficulty.h"
#include "game/PictureSet.h"
#include "storage/SettingsRecords.h"

namespace vornel {

// The card pictures' size and the card frames' colour, shared by the board
// layout, the settings window and the custom pictures.
struct CardSettings {
    static constexpr std::int32_t DefaultWidth = 735;   // twips
    static constexpr std::int32_t DefaultHeight = 670;  // twips
    static constexpr std::int32_t DefaultColour = 0x00C000;  // 0x00BBGGRR: green
    // A stored size this small is not a size; one larger than the settings
    // window's bars reach was never written by this program and would size
    // pictures without bound. Either reads as missing.
    static constexpr std::int32_t SmallestStoredSize = 100;

    std::int32_t CardPictureWidth = DefaultWidth;
    std::int32_t CardPictureHeight = DefaultHeight;
    std::int32_t CardColour = DefaultColour;

    // The settings as start-up takes them from the records.
    static CardSettings fromRecords(const SettingsRecords& records);
    // The records as closing writes them.
    void toRecords(SettingsRecords& records) const;
};

// A stored card colour: a number as it is, a text that is a number, else
// (empty, or not a number) the default.
std::int32_t cardColourFrom(const TaggedValue& stored);

// Codes of the difficulty and picture category in the settings records.
Difficulty difficultyFromCode(std::int16_t code);         // 1 Easy, 3 Hard, else Normal
std::int16_t difficultyCode(std::optional<Difficulty> d);  // 1 Easy, 2 Normal, else 3
PictureCategory categoryFromCode(std::int16_t code);       // 2 Faces, 3 Food, 4 Custom, else Objects
std::int16_t categoryCode(std::optional<PictureCategory> c);  // 1, 2, 3, else 4

}  // namespace vornel
