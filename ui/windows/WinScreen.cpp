#include "ui/windows/WinScreen.h"

#include <QTimer>

#include "storage/DataFiles.h"
#include "text/AccessibleNames.h"
#include "text/Messages.h"
#include "ui/shared/ClickLabel.h"
#include "ui/shared/Twips.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

namespace {
const EndScreenLook Look{"WinScreen", "red_balloon", "Win", WinAnimation::Frames, WinAnimation::IntervalMs,
    DataFile::WinSound, QColor(255, 246, 214), QColor(128, 0, 0), QColor(191, 144, 0), AccessibleNames::Trophy};
}  // namespace

WinScreen::WinScreen(
    bool useGreek, const QString& dataFolder, PictureLibrary& pictures, QWidget* mainWindow, SoundPlayer playSound)
    : EndScreen(Look, useGreek, dataFolder, pictures, mainWindow, std::move(playSound))
{
    connect(timer1_, &QTimer::timeout, this, &WinScreen::Timer1_Timer);

    label2_ = new ClickLabel(this);
    label2_->setObjectName("Label2");
    label2_->setGeometry(px(960, 2760, 3660, 675));
    label2_->setAlignment(Qt::AlignCenter);
    label2_->setWordWrap(true);
    label2_->setFont(makeFont("Liberation Sans", 9, true));
    setTextColour(label2_, QColor(0, 0, 128));

    connect(label1_, &ClickLabel::clicked, this, &WinScreen::Label1_Click);
    connect(label2_, &ClickLabel::clicked, this, &WinScreen::Label2_Click);
    connect(image1_, &ClickLabel::clicked, this, &WinScreen::Image1_Click);
    connect(image2_, &ClickLabel::clicked, this, &WinScreen::Image2_Click);
    connect(frame1_, &ClickLabel::clicked, this, &WinScreen::Frame1_Click);
    connect(image3_, &ClickLabel::clicked, this, &WinScreen::Image3_Click);

    setWindowTitle(qs(Messages::WinTitle.in(useGreek)));
    label2_->setText(qs(Messages::NextLevelHint.in(useGreek)));
}

void WinScreen::showWon(std::optional<int> completedLevel)
{
    if (completedLevel) {
        label2_->show();
        label1_->setFont(makeFont("Liberation Sans", 10, true));
        label1_->setText(qs(Messages::levelCompleted(useGreek_, *completedLevel)));
    } else {
        label1_->setFont(makeFont("Liberation Sans", 14, true));
        label1_->setText(qs(Messages::SingleGameWon.in(useGreek_)));
        label2_->hide();
    }
    show();
    activateWindow();
    Form_Activate();
}

void WinScreen::Form_Activate()
{
    animation_.start();
    image3_->setPixmap(frame(animation_.frame()));
    frame1_->show();
    timer1_->start();
}

void WinScreen::Timer1_Timer()
{
    const AnimationTick t = animation_.tick();
    image3_->setPixmap(frame(t.frame));
    if (t.sound)
        playSound();
    if (t.finished)
        stopAnimation();
}

void WinScreen::stopAnimation()
{
    animation_.stop();
    timer1_->stop();
    frame1_->hide();
}

// ---- Dismissing -----------------------------------------------------------------

void WinScreen::Form_Click()
{
    hide();  // gives the main window back
    emit dismissed();
}

void WinScreen::Label1_Click()
{
    Form_Click();
}

void WinScreen::Label2_Click()
{
    Form_Click();
}

void WinScreen::Image1_Click()
{
    Label2_Click();
}

void WinScreen::Image2_Click()
{
    Label2_Click();
}

void WinScreen::Frame1_Click()
{
    stopAnimation();
    Label1_Click();
}

void WinScreen::Image3_Click()
{
    Frame1_Click();
}

}  // namespace vornel
