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
    connect(animationTimer_, &QTimer::timeout, this, &WinScreen::onAnimationTick);

    nextLevelHint_ = new ClickLabel(this);
    nextLevelHint_->setObjectName("nextLevelHint");
    nextLevelHint_->setGeometry(px(960, 2760, 3660, 675));
    nextLevelHint_->setAlignment(Qt::AlignCenter);
    nextLevelHint_->setWordWrap(true);
    nextLevelHint_->setFont(makeFont("Liberation Sans", 9, true));
    setTextColour(nextLevelHint_, QColor(0, 0, 128));

    connect(nextLevelHint_, &ClickLabel::clicked, this, &WinScreen::dismiss);

    setWindowTitle(qs(Messages::WinTitle.in(useGreek)));
    nextLevelHint_->setText(qs(Messages::NextLevelHint.in(useGreek)));
}

void WinScreen::showWon(std::optional<int> completedLevel)
{
    if (completedLevel) {
        nextLevelHint_->show();
        resultLabel_->setFont(makeFont("Liberation Sans", 10, true));
        resultLabel_->setText(qs(Messages::levelCompleted(useGreek_, *completedLevel)));
    } else {
        resultLabel_->setFont(makeFont("Liberation Sans", 14, true));
        resultLabel_->setText(qs(Messages::SingleGameWon.in(useGreek_)));
        nextLevelHint_->hide();
    }
    describe(completedLevel ? QStringList{resultLabel_->text(), nextLevelHint_->text()} : QStringList{resultLabel_->text()});
    show();
    activateWindow();
    startAnimation();
}

void WinScreen::startAnimation()
{
    animation_.start();
    animationPicture_->setPixmap(frame(animation_.frame()));
    animationFrame_->show();
    animationTimer_->start();
}

void WinScreen::onAnimationTick()
{
    const AnimationTick t = animation_.tick();
    animationPicture_->setPixmap(frame(t.frame));
    if (t.sound)
        playSound();
    if (t.finished)
        stopAnimation();
}

void WinScreen::stopAnimation()
{
    animation_.stop();
    animationTimer_->stop();
    animationFrame_->hide();
}

}  // namespace vornel
