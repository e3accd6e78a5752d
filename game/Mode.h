#pragma once
#include <cstdint>

namespace vornel {

// Codes as the game has always numbered them.
enum class Mode : std::int16_t { SingleGame = 0, Championship = 1 };

}  // namespace vornel
