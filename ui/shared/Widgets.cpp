#include "ui/shared/Widgets.h"

#include <cmath>

namespace vornel::widgets {

namespace {

// Relative luminance, as the contrast of text is measured.
double luminance(const QColor& c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

}  // namespace

QColor readableOn(const QColor& background)
{
    // Black and white stand out equally where (L + 0.05)^2 = 1.05 * 0.05.
    return luminance(background) > 0.179 ? QColor(Qt::black) : QColor(Qt::white);
}

QPalette designPalette()
{
    const QColor face(240, 240, 240);
    const QColor black(Qt::black), white(Qt::white);
    QPalette p;
    for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool on = g != QPalette::Disabled;
        const QColor text = on ? black : QColor(120, 120, 120);
        for (const QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
            p.setColor(g, r, text);
        p.setColor(g, QPalette::Window, face);
        p.setColor(g, QPalette::Button, face);
        p.setColor(g, QPalette::Base, on ? white : face);
        p.setColor(g, QPalette::AlternateBase, QColor(245, 245, 245));
        p.setColor(g, QPalette::ToolTipBase, QColor(255, 255, 220));
        p.setColor(g, QPalette::PlaceholderText, QColor(110, 110, 110));
        p.setColor(g, QPalette::BrightText, white);
        p.setColor(g, QPalette::Light, white);
        p.setColor(g, QPalette::Midlight, QColor(227, 227, 227));
        p.setColor(g, QPalette::Mid, QColor(160, 160, 160));
        p.setColor(g, QPalette::Dark, QColor(160, 160, 160));
        p.setColor(g, QPalette::Shadow, QColor(105, 105, 105));
        p.setColor(g, QPalette::Highlight, on ? QColor(0, 84, 166) : QColor(200, 200, 200));
        p.setColor(g, QPalette::HighlightedText, on ? white : black);
        p.setColor(g, QPalette::Link, QColor(0, 0, 255));
        p.setColor(g, QPalette::LinkVisited, QColor(128, 0, 128));
    }
    return p;
}

}  // namespace vornel::widgets
