#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

#include "storage/RecordFile.h"

namespace vornel {

// The program's settings, kept in records of the single-game score file.
// Values are as stored; the rules that turn them into settings (defaults,
// limits) belong to the game.
struct SettingsRecords {
    std::int32_t cardPictureHeight = 0;  // twips
    std::int32_t cardPictureWidth = 0;   // twips
    TaggedValue cardColour;              // written as a 32-bit value; empty when never written
    std::int16_t difficulty = 0;         // 1 Easy, 2 Normal, 3 Hard
    std::int16_t category = 0;           // 1 Objects, 2 Faces, 3 Food, 4 Custom
    std::string wallpaperPath;           // empty: no wallpaper
    std::int16_t numbersHidden = 0;      // 1 hidden, 0 shown
};

namespace SettingsRecord {
inline constexpr int CardPictureHeight = 15;
inline constexpr int CardPictureWidth = 16;
inline constexpr int CardColour = 17;
inline constexpr int Difficulty = 18;
inline constexpr int Category = 19;
inline constexpr int WallpaperPath = 20;
inline constexpr int NumbersHidden = 30;
}  // namespace SettingsRecord

// A missing file is created empty; records beyond its end read as zero/empty.
SettingsRecords readSettingsRecords(const std::filesystem::path& file);
// Writes the seven records in one crash-safe replace, every other byte kept.
// A wallpaper path too long for its record is not written: record 20 keeps
// what it held, and the other records are still written.
SaveResult writeSettingsRecords(const std::filesystem::path& file, const SettingsRecords& settings);

}  // namespace vornel
