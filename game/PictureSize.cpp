#include "game/PictureSize.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vornel::PictureSize {

namespace {

int positionOf(std::int32_t size, std::int32_t smallest)
{
    const double position = std::nearbyint(double(size - smallest) / Step);  // halves to even
    return static_cast<int>(std::clamp(position, 0.0, double(LastPosition)));
}

}  // namespace

std::int32_t widthAt(int position)
{
    return SmallestWidth + Step * position;
}

std::int32_t heightAt(int position)
{
    return SmallestHeight + Step * position;
}

int widthPosition(std::int32_t width)
{
    return positionOf(width, SmallestWidth);
}

int heightPosition(std::int32_t height)
{
    return positionOf(height, SmallestHeight);
}

std::string text(std::int32_t twips, std::string_view decimalSeparator)
{
    // Fifteen significant digits, as the number would be written for a person.
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, twips / 150.0, std::chars_format::general, 15).ptr;
    std::string number;
    for (const char* c = digits; c != end; ++c) {
        if (*c == '.')
            number.append(decimalSeparator);
        else
            number.push_back(*c);
    }

    // Three characters, whatever bytes a separator takes.
    std::size_t cut = 0;
    for (int characters = 0; cut < number.size() && characters < 3; ++characters)
        do
            ++cut;
        while (cut < number.size() && (static_cast<unsigned char>(number[cut]) & 0xC0) == 0x80);
    return number.substr(0, cut) + " cm.";
}

}  // namespace vornel::PictureSize
