#pragma once
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <vector>

#include "game/Animation.h"

class QTimer;

namespace vornel {

class ClickLabel;
class Host;
class PictureLibrary;

// The lose screen: an hourglass that falls and crashes, shaking both
// windows with a crash sound, then the result. Made once at start-up and
// hidden between uses; a click anywhere hides it.
class Form3 : public QWidget {
    Q_OBJECT
public:
    using SoundPlayer = std::function<void(const QString& path)>;

    // Loading: the window is built hidden at its first place over `mainWindow`,
    // which its shake moves too. `host` lets events run during the shake.
    Form3(Host& host, bool useGreek, const QString& dataFolder, PictureLibrary& pictures, QWidget* mainWindow,
        SoundPlayer playSound);

    // Shows the screen with the animation running; the text under it is the
    // single game's until `showTryAgain` names the level to play again.
    void showLost();
    void showTryAgain(int level);
    // Closed at once, as at the end of a championship: the next showing
    // starts as a freshly loaded screen.
    void unload();

    const LoseAnimation& animation() const { return animation_; }
    const QString& SoundPath() const { return soundPath_; }

signals:
    // Hidden by a click; the main window's activation is to run next.
    void dismissed();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void Form_Activate();
    void Timer1_Timer();
    const QPixmap& frame(int index);
    void Shake();
    void Form_Click();
    void Label1_Click();
    void Image1_Click();
    void Image2_Click();
    void Frame1_Click();
    void Image3_Click();
    void stopAnimation();
    void showFixedText();

    Host& host_;
    bool useGreek_;
    QString soundPath_;
    SoundPlayer playSound_;
    LoseAnimation animation_;
    bool shaking_ = false;
    PictureLibrary& pictures_;
    std::vector<QPixmap> image9_;  // the frames, made when first shown
    QTimer* timer1_ = nullptr;
    ClickLabel* frame1_ = nullptr;
    ClickLabel* image3_ = nullptr;
    ClickLabel* label1_ = nullptr;
};

}  // namespace vornel
