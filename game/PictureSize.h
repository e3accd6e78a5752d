#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vornel {

// The card picture size as the settings window's two bars choose it: each
// bar runs from position 0 to 20 in steps of 15 twips.
namespace PictureSize {
inline constexpr std::int32_t SmallestWidth = 435;   // twips, position 0
inline constexpr std::int32_t SmallestHeight = 370;  // twips, position 0
inline constexpr std::int32_t Step = 15;
inline constexpr int LastPosition = 20;

std::int32_t widthAt(int position);
std::int32_t heightAt(int position);
// The bar position that shows a size: rounded, halves to even, kept on the bar.
int widthPosition(std::int32_t width);
int heightPosition(std::int32_t height);

// A size in centimetres for the size labels: twips / 150 with the given
// decimal separator, cut (not rounded) to three characters, then " cm.".
std::string text(std::int32_t twips, std::string_view decimalSeparator);
}  // namespace PictureSize

}  // namespace vornel
