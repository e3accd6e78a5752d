#pragma once
#include <array>
#include <string>

#include "text/Captions.h"

namespace vornel {

// The main window's captioned controls with their Greek design captions,
// in the window's control order, menu items included.
CaptionTable mainWindowCaptions();

// The element keys the main window's English section adds to its
// control names, in the order they are applied.
const std::array<std::string, 5>& mainWindowElementKeys();

}  // namespace vornel
