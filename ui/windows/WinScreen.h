#pragma once
#include <optional>

#include "game/Animation.h"
#include "ui/windows/EndScreen.h"

namespace vornel {

class ClickLabel;
class PictureLibrary;

// The win screen: a trophy that animates with a fanfare, the result and,
// in a championship, the hint that a click brings the next level. Made
// once at start-up and hidden between uses; a click anywhere hides it.
class WinScreen : public EndScreen {
    Q_OBJECT
public:
    // Loading: the window is built hidden at its first place over `mainWindow`.
    WinScreen(
        bool useGreek, const QString& dataFolder, PictureLibrary& pictures, QWidget* mainWindow, SoundPlayer playSound);

    // Shows the screen for a won single game, or for the championship level
    // just completed.
    void showWon(std::optional<int> completedLevel);

    const WinAnimation& animation() const { return animation_; }

private:
    void startAnimation();
    void onAnimationTick();
    void stopAnimation() override;

    WinAnimation animation_;
    ClickLabel* nextLevelHint_ = nullptr;
};

}  // namespace vornel
