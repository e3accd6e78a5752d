#pragma once
#include <QColor>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "text/Messages.h"

class QTimer;

namespace vornel {

class ClickLabel;
class PictureLibrary;

// How a win or lose screen looks and sounds.
struct EndScreenLook {
    const char* objectName;
    const char* decoration;  // a built-in picture, in both pictures at the foot
    const char* framePrefix;  // the animation's frames "<prefix>0" …
    int frames;
    int intervalMs;
    const char* sound;  // a file of the data folder
    QColor background, text, lines;
    Bilingual animation;  // what screen readers call the animation picture
};

// The shape the win and lose screens share: made once, hidden, over the
// main window; a framed animation picture over the result text, two
// decorative pictures at the foot, every part clickable. A click anywhere
// or the close box dismisses it; hidden, it neither animates nor sounds.
class EndScreen : public QWidget {
    Q_OBJECT
public:
    using SoundPlayer = std::function<void(const QString& path)>;

    const QString& soundPath() const { return soundPath_; }

signals:
    // Hidden by a click; the main window's activation is to run next.
    void dismissed();

protected:
    EndScreen(const EndScreenLook& look, bool useGreek, const QString& dataFolder, PictureLibrary& pictures,
        QWidget* mainWindow, SoundPlayer playSound);

    // Hides the screen, which gives the main window back.
    void dismiss();
    // Screen readers read the screen's texts with its title as it shows,
    // though the animation still covers them.
    void describe(const QStringList& texts);
    // A click on the running animation ends it before it goes on.
    void onAnimationClicked();
    virtual void stopAnimation() = 0;
    // Animation frame `index`. The frames are made when the screen shows,
    // not at start-up, where nobody waits for them, and go when it hides:
    // they are megabytes, and a screen is up for seconds in a session.
    const QPixmap& frame(int index);
    void playSound() const;

    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

    bool useGreek_;
    QTimer* animationTimer_ = nullptr;
    ClickLabel* animationFrame_ = nullptr;  // holds the animation picture
    ClickLabel* animationPicture_ = nullptr;
    ClickLabel* resultLabel_ = nullptr;  // under the animation
    ClickLabel* leftDecoration_ = nullptr;
    ClickLabel* rightDecoration_ = nullptr;

private:
    const EndScreenLook& look_;
    QString soundPath_;
    SoundPlayer playSound_;
    PictureLibrary& pictures_;
    std::vector<QPixmap> frames_;
    QStringList frameNames() const;
};

// Moves `window` so that its outer top-left corner lies `left` and `top`
// twips from the outer top-left corner of `mainWindow`.
void placeFromMain(QWidget* window, const QWidget* mainWindow, int left, int top);

}  // namespace vornel
