#pragma once
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "game/Animation.h"

class QTimer;

namespace vornel {

class ClickLabel;
class PictureLibrary;

// The win screen: a trophy that animates with a fanfare, the result and,
// in a championship, the hint that a click brings the next level. Made
// once at start-up and hidden between uses; a click anywhere hides it.
class Form2 : public QWidget {
    Q_OBJECT
public:
    using SoundPlayer = std::function<void(const QString& path)>;

    // Loading: the window is built hidden at its first place over `mainWindow`.
    Form2(
        bool useGreek, const QString& dataFolder, PictureLibrary& pictures, QWidget* mainWindow, SoundPlayer playSound);

    // Shows the screen for a won single game, or for the championship level
    // just completed.
    void showWon(std::optional<int> completedLevel);

    const WinAnimation& animation() const { return animation_; }
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
    void Form_Click();
    void Label1_Click();
    void Label2_Click();
    void Image1_Click();
    void Image2_Click();
    void Frame1_Click();
    void Image3_Click();
    void stopAnimation();

    bool useGreek_;
    QString soundPath_;
    SoundPlayer playSound_;
    WinAnimation animation_;
    PictureLibrary& pictures_;
    std::vector<QPixmap> image4_;  // the frames, made when first shown
    QTimer* timer1_ = nullptr;
    ClickLabel* frame1_ = nullptr;
    ClickLabel* image3_ = nullptr;
    ClickLabel* label1_ = nullptr;
    ClickLabel* label2_ = nullptr;
};

}  // namespace vornel
