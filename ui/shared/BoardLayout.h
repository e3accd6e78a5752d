#pragma once
#include <array>

namespace vornel {

// Positions in twips (1/1440 inch, 15 to a pixel), relative to the container.
struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TwipRect&) const = default;
};

struct CardGeometry {
    TwipRect frame;   // in the board panel
    TwipRect face;    // in the frame
    TwipRect back;    // in the board panel, over the frame
    TwipRect number;  // in the board panel, over the back
};

inline constexpr TwipRect BoardPanelSize{0, 0, 5420, 3940};
inline constexpr TwipRect FirstCardFrame{240, 240, 975, 855};
inline constexpr int CardGap = 15;

// The 5 x 4 grid: slot i sits in column i mod 5, row i div 5, each frame the
// size of the first, the face picture at (60, 60) of its frame.
std::array<CardGeometry, 20> layOutCards(TwipRect firstFrame, int pictureWidth, int pictureHeight);

// A caption label laid over its picture button: 40 twips below its top.
TwipRect captionOver(TwipRect button);

}  // namespace vornel
