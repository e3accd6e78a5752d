#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace vornel {

// A typed answer converted to a 16-bit integer the classic way: blanks
// around it allowed, decimals rounded to the nearest integer with halves
// to even (5.5 gives 6, 4.5 gives 4). Empty, non-numeric or out-of-range
// text does not convert.
std::optional<std::int16_t> toInt16(std::string_view text);

// A number squeezed into 16 bits with the same rounding; out of range
// does not convert.
std::optional<std::int16_t> toInt16(double value);

// Decimal text as a 32-bit integer, blanks around it allowed; nothing when
// it is not a whole number in range.
std::optional<std::int32_t> parseInt32(std::string_view text);

}  // namespace vornel
