#include "ui/shared/ColourValues.h"

#include <QApplication>
#include <array>

namespace vornel {

namespace {

// The common system colour indexes and the palette role that plays their part.
constexpr std::array<QPalette::ColorRole, 31> systemRoles{
    QPalette::Button,           // 0 scroll bar
    QPalette::Dark,             // 1 desktop
    QPalette::Highlight,        // 2 active caption
    QPalette::Mid,              // 3 inactive caption
    QPalette::Window,           // 4 menu
    QPalette::Base,             // 5 window
    QPalette::Shadow,           // 6 window frame
    QPalette::WindowText,       // 7 menu text
    QPalette::Text,             // 8 window text
    QPalette::HighlightedText,  // 9 caption text
    QPalette::Button,           // 10 active border
    QPalette::Button,           // 11 inactive border
    QPalette::Dark,             // 12 application workspace
    QPalette::Highlight,        // 13 highlight
    QPalette::HighlightedText,  // 14 highlighted text
    QPalette::Button,           // 15 button face
    QPalette::Dark,             // 16 button shadow
    QPalette::PlaceholderText,  // 17 grey text
    QPalette::ButtonText,       // 18 button text
    QPalette::Light,            // 19 inactive caption text
    QPalette::Light,            // 20 button highlight
    QPalette::Shadow,           // 21 dark 3-D shadow
    QPalette::Midlight,         // 22 3-D light
    QPalette::ToolTipText,      // 23 tooltip text
    QPalette::ToolTipBase,      // 24 tooltip background
    QPalette::NoRole,           // 25 unused
    QPalette::Link,             // 26 hot-tracked item
    QPalette::Highlight,        // 27 gradient of the active caption
    QPalette::Mid,              // 28 gradient of the inactive caption
    QPalette::Highlight,        // 29 menu highlight
    QPalette::Window,           // 30 menu bar
};

}  // namespace

bool isSystemColour(std::int32_t value)
{
    return value < 0;
}

QColor colourOf(std::int32_t value, QPalette::ColorRole unknown)
{
    const auto v = static_cast<std::uint32_t>(value);
    if (!isSystemColour(value))
        return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
    const std::uint32_t index = v & 0x7FFFFFFF;
    QPalette::ColorRole role = index < systemRoles.size() ? systemRoles[index] : QPalette::NoRole;
    if (role == QPalette::NoRole)
        role = unknown;
    return QApplication::palette().color(QPalette::Active, role);
}

std::int32_t colourValue(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(rgb.red()) | (rgb.green() << 8) | (rgb.blue() << 16));
}

}  // namespace vornel
