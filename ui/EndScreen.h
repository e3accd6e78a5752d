#pragma once
#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <vector>

#include "text/Messages.h"

namespace vornel {

class ClickLabel;
class PictureLibrary;

// The parts the win and lose screens share, at the same design places: a
// framed animation picture over the result text, and two decorative
// pictures at the foot. Every part is clickable.
struct EndScreenControls {
    ClickLabel* frame1 = nullptr;  // holds the animation picture
    ClickLabel* image3 = nullptr;  // the animation picture
    ClickLabel* label1 = nullptr;  // the result text, under the animation
    ClickLabel* image1 = nullptr;
    ClickLabel* image2 = nullptr;
};

// Builds the shared parts on `window`, a fixed-size window of the game's
// end-screen size, with `decoration` (a built-in picture) in both pictures.
// `animation` names the animation for screen readers.
EndScreenControls buildEndScreen(QWidget* window, PictureLibrary& pictures, const char* decoration,
    const QColor& background, const QColor& textColour, bool useGreek, const Bilingual& animation);

// The animation's frames "<prefix>0" … as sized for the animation picture.
std::vector<QPixmap> framePictures(PictureLibrary& pictures, const char* prefix, int count, const QWidget* image3);

// The four decorative lines Line1 to Line4 round the window's edge.
void drawEndScreenLines(QWidget* window, const QColor& colour);

// Moves `window` so that its outer top-left corner lies `left` and `top`
// twips from the outer top-left corner of `mainWindow`.
void placeFromMain(QWidget* window, const QWidget* mainWindow, int left, int top);

}  // namespace vornel
