#pragma once
#include <array>
#include <filesystem>

namespace vornel {

// The names of the game's data files, all inside one data folder.
namespace DataFile {
inline constexpr const char* SingleScores = "skor.qdx";  // also the settings records
inline constexpr const char* ChampionshipScores = "skorP.qdx";
inline constexpr const char* Names = "names.QDX";
inline constexpr const char* Colours = "colors.qdx";
inline constexpr const char* DefaultColours = "DefaultColors.dat";
inline constexpr const char* CustomImages = "CustomImages.dat";
inline constexpr const char* Background = "background.dat";
inline constexpr const char* Photos = "Photos";
inline constexpr const char* English = "english.ini";
inline constexpr const char* Help = "Help.hlp";
inline constexpr const char* WinSound = "Win.SON";
inline constexpr const char* LoseSound = "CRASH1.SON";

// The files the game saves.
inline constexpr std::array<const char*, 7> Saved{
    SingleScores, ChampionshipScores, Names, Colours, DefaultColours, CustomImages, Background};
}  // namespace DataFile

// Removes the temporary files that saves of the data files in `folder`,
// killed before their rename, left behind. Run at start, before any save.
void removeOrphanedTemporaries(const std::filesystem::path& folder);

}  // namespace vornel
