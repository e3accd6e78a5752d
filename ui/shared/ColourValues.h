#pragma once
#include <QColor>
#include <QPalette>
#include <cstdint>

namespace vornel {

// Stored colours are 32-bit values 0x00BBGGRR. A value with the top bit set
// names a system colour by its index (0x80000000 | index); it is shown with
// the desktop's colour for that role and stored as it is.
bool isSystemColour(std::int32_t value);
// The colour to show. An index no role answers shows the palette's
// `unknown` role.
QColor colourOf(std::int32_t value, QPalette::ColorRole unknown = QPalette::Window);
// The stored value of a colour taken from the screen.
std::int32_t colourValue(const QColor& colour);

}  // namespace vornel
