#pragma once
#include "game/Animation.h"
#include "ui/windows/EndScreen.h"

namespace vornel {

class ClickLabel;
class Host;
class PictureLibrary;

// The lose screen: an hourglass that falls and crashes, shaking both
// windows with a crash sound, then the result. Made once at start-up and
// hidden between uses; a click anywhere hides it.
class LoseScreen : public EndScreen {
    Q_OBJECT
public:
    // Loading: the window is built hidden at its first place over `mainWindow`,
    // which its shake moves too. `host` lets events run during the shake.
    LoseScreen(Host& host, bool useGreek, const QString& dataFolder, PictureLibrary& pictures, QWidget* mainWindow,
        SoundPlayer playSound);

    // Shows the screen with the animation running; the text under it is the
    // single game's until `showTryAgain` names the level to play again.
    void showLost();
    void showTryAgain(int level);
    // Closed at once, as at the end of a championship: the next showing
    // starts as a freshly loaded screen.
    void unload();

    const LoseAnimation& animation() const { return animation_; }

private:
    void startAnimation();
    void onAnimationTick();
    void shake();
    void stopAnimation() override;
    void showFixedText();

    Host& host_;
    LoseAnimation animation_;
    bool shaking_ = false;
};

}  // namespace vornel
