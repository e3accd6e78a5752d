#include "ui/windows/LoseScreen.h"

#include <QTimer>

#include "game/Host.h"
#include "storage/DataFiles.h"
#include "text/AccessibleNames.h"
#include "text/Messages.h"
#include "ui/shared/ClickLabel.h"
#include "ui/shared/Twips.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

namespace {
const EndScreenLook Look{"LoseScreen", "crying_face", "Lose", LoseAnimation::Frames, LoseAnimation::IntervalMs,
    DataFile::LoseSound, QColor(226, 231, 242), QColor(0, 0, 128), QColor(90, 104, 140), AccessibleNames::Hourglass};
}  // namespace

LoseScreen::LoseScreen(Host& host, bool useGreek, const QString& dataFolder, PictureLibrary& pictures, QWidget* mainWindow,
    SoundPlayer playSound)
    : EndScreen(Look, useGreek, dataFolder, pictures, mainWindow, std::move(playSound)), host_(host)
{
    connect(animationTimer_, &QTimer::timeout, this, &LoseScreen::onAnimationTick);

    setWindowTitle(qs(Messages::LoseTitle.in(useGreek)));
    showFixedText();
}

void LoseScreen::showFixedText()
{
    resultLabel_->setFont(makeFont("Liberation Sans", 12, true));
    resultLabel_->setText(qs(Messages::SingleGameLost.in(useGreek_)));
    describe({resultLabel_->text()});
}

void LoseScreen::showLost()
{
    // No level named from an earlier loss: a championship may end on this one.
    showFixedText();
    show();
    activateWindow();
    startAnimation();
}

void LoseScreen::showTryAgain(int level)
{
    resultLabel_->setFont(makeFont("Liberation Sans", 12, true));
    resultLabel_->setText(qs(Messages::tryLevelAgain(useGreek_, level)));
    describe({resultLabel_->text()});
}

void LoseScreen::unload()
{
    stopAnimation();
    hide();
    showFixedText();
}

void LoseScreen::startAnimation()
{
    animation_.start();
    resultLabel_->hide();
    animationPicture_->setPixmap(frame(animation_.frame()));
    animationFrame_->show();
    animationTimer_->start();
}

void LoseScreen::onAnimationTick()
{
    // A tick let run by the shake's own event runs waits for the next one.
    if (shaking_)
        return;
    const AnimationTick t = animation_.tick();
    animationPicture_->setPixmap(frame(t.frame));
    if (t.shake)
        shake();
    if (t.sound)
        playSound();
    if (t.finished) {
        stopAnimation();
        resultLabel_->show();
    }
}

void LoseScreen::shake()
{
    QWidget* main = parentWidget();
    shaking_ = true;
    animationTimer_->stop();
    // Each window is put back where it was, whatever the event run did.
    auto jolt = [this](QWidget* w, int down, int right) {
        if (!w)
            return;
        const QPoint home = w->pos();
        w->move(home + QPoint(px(right), px(down)));
        host_.processEvents();
        w->move(home);
    };
    jolt(main, 120, 20);
    jolt(this, 80, 20);
    shaking_ = false;
    if (animation_.running() && isVisible())
        animationTimer_->start();
}

void LoseScreen::stopAnimation()
{
    animation_.stop();
    animationTimer_->stop();
    animationFrame_->hide();
}

}  // namespace vornel
