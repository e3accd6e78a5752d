#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace vornel {

// UTF-8 helpers for names typed by players, Greek included.
std::size_t characterCount(std::string_view utf8);
// The first character (all its bytes), or "" for an empty text.
std::string_view firstCharacter(std::string_view utf8);
// Lower case for the letters the game's code page holds: Latin and Greek,
// accented capitals included. Other characters stay as they are.
std::string toLower(std::string_view utf8);
// Without blanks (spaces) at either end.
std::string_view trimBlanks(std::string_view text);

}  // namespace vornel
