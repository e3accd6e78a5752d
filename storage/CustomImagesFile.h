#pragma once
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "storage/SafeFile.h"

namespace vornel {

// The player's ten custom pictures and the folder last browsed, kept in
// "CustomImages.dat": one text record per slot, then the folder.
struct CustomImages {
    static constexpr int SlotCount = 10;
    std::array<std::string, SlotCount> paths;  // "" for an empty slot
    std::string lastFolder;
};

namespace CustomImagesRecord {
inline constexpr int FirstPath = 1;  // slot i is record FirstPath + i
inline constexpr int LastFolder = 11;
}  // namespace CustomImagesRecord

// Whether a text survives its record: at most 126 bytes in the data files'
// code page, and nothing that code page cannot hold.
enum class RecordTextFit { Fits, TooLong, NotStorable };
RecordTextFit customImagesTextFit(std::string_view utf8);

// A missing file is created empty; records beyond its end read as "".
CustomImages readCustomImages(const std::filesystem::path& file);
// Writes the eleven records in one crash-safe replace. A text that does not
// fit its record is not written; that record keeps what it held.
SaveResult writeCustomImages(const std::filesystem::path& file, const CustomImages& images);

}  // namespace vornel
