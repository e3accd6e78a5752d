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
    connect(timer1_, &QTimer::timeout, this, &LoseScreen::Timer1_Timer);
    connect(label1_, &ClickLabel::clicked, this, &LoseScreen::Label1_Click);
    connect(image1_, &ClickLabel::clicked, this, &LoseScreen::Image1_Click);
    connect(image2_, &ClickLabel::clicked, this, &LoseScreen::Image2_Click);
    connect(frame1_, &ClickLabel::clicked, this, &LoseScreen::Frame1_Click);
    connect(image3_, &ClickLabel::clicked, this, &LoseScreen::Image3_Click);

    setWindowTitle(qs(Messages::LoseTitle.in(useGreek)));
    showFixedText();
}

void LoseScreen::showFixedText()
{
    label1_->setFont(makeFont("Liberation Sans", 12, true));
    label1_->setText(qs(Messages::SingleGameLost.in(useGreek_)));
}

void LoseScreen::showLost()
{
    // No level named from an earlier loss: a championship may end on this one.
    showFixedText();
    show();
    activateWindow();
    Form_Activate();
}

void LoseScreen::showTryAgain(int level)
{
    label1_->setFont(makeFont("Liberation Sans", 12, true));
    label1_->setText(qs(Messages::tryLevelAgain(useGreek_, level)));
}

void LoseScreen::unload()
{
    stopAnimation();
    hide();
    showFixedText();
}

void LoseScreen::Form_Activate()
{
    animation_.start();
    label1_->hide();
    image3_->setPixmap(frame(animation_.frame()));
    frame1_->show();
    timer1_->start();
}

void LoseScreen::Timer1_Timer()
{
    // A tick let run by the shake's own event runs waits for the next one.
    if (shaking_)
        return;
    const AnimationTick t = animation_.tick();
    image3_->setPixmap(frame(t.frame));
    if (t.shake)
        Shake();
    if (t.sound)
        playSound();
    if (t.finished) {
        stopAnimation();
        label1_->show();
    }
}

void LoseScreen::Shake()
{
    QWidget* main = parentWidget();
    shaking_ = true;
    timer1_->stop();
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
        timer1_->start();
}

void LoseScreen::stopAnimation()
{
    animation_.stop();
    timer1_->stop();
    frame1_->hide();
}

// ---- Dismissing -----------------------------------------------------------------

void LoseScreen::Form_Click()
{
    hide();  // gives the main window back, whose activation then runs
    emit dismissed();
}

void LoseScreen::Label1_Click()
{
    hide();
    emit dismissed();
}

void LoseScreen::Image1_Click()
{
    Label1_Click();
}

void LoseScreen::Image2_Click()
{
    Label1_Click();
}

void LoseScreen::Frame1_Click()
{
    stopAnimation();
    label1_->show();
    Label1_Click();
}

void LoseScreen::Image3_Click()
{
    Frame1_Click();
}

}  // namespace vornel
