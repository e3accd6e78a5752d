#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace vornel {

// A picture the board can show. Cards match when they hold the same
// picture object, never merely an equal-looking one, so pictures are
// shared by pointer and compared by address.
struct Picture {
    std::string name;  // a built-in holder name ("red_balloon") or a file path
};
using PictureRef = std::shared_ptr<const Picture>;

// Codes are the ones saved in the settings records.
enum class PictureCategory : std::int16_t { Objects = 1, Faces = 2, Food = 3, Custom = 4 };

// Ten pictures, positions 1 to 10 (stored at 0 to 9).
struct PictureSet {
    std::array<PictureRef, 10> pictures;

    const PictureRef& at(int position) const { return pictures.at(position - 1); }
};

// The built-in sets. Every call returns the same picture objects.
const PictureSet& builtInPictureSet(PictureCategory category);

}  // namespace vornel
