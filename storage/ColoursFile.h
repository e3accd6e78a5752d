#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "storage/SafeFile.h"

namespace vornel {

// The main window's five colours, 32-bit values 0x00BBGGRR (a negative value
// is a system colour), in this index order wherever they are listed.
namespace ColourIndex {
inline constexpr int PlayerName = 0;
inline constexpr int Score = 1;
inline constexpr int Clock = 2;
inline constexpr int Window = 3;
inline constexpr int Board = 4;
inline constexpr int Count = 5;
}  // namespace ColourIndex

using ColourValues = std::array<std::int32_t, ColourIndex::Count>;

// "colors.qdx": the colours chosen in the settings window, each as a decimal text.
namespace ColoursRecord {
inline constexpr int PlayerName = 1;
inline constexpr int Score = 2;
inline constexpr int Clock = 3;
inline constexpr int Window = 4;
inline constexpr int Board = 5;
}  // namespace ColoursRecord

// The five texts in index order, as stored; nothing when there is no file.
std::optional<std::array<std::string, ColourIndex::Count>> readColoursFile(const std::filesystem::path& file);
SaveResult writeColoursFile(const std::filesystem::path& file, const ColourValues& colours);

}  // namespace vornel
