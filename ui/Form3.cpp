#include "ui/Form3.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QTimer>

#include "game/Host.h"
#include "storage/DataFiles.h"
#include "text/AccessibleNames.h"
#include "text/Messages.h"
#include "ui/ClickLabel.h"
#include "ui/EndScreen.h"
#include "ui/Twips.h"
#include "ui/Widgets.h"

namespace vornel {

using namespace widgets;

namespace {
const QColor Background(226, 231, 242);
const QColor Lines(90, 104, 140);
}  // namespace

Form3::Form3(Host& host, bool useGreek, const QString& dataFolder, PictureLibrary& pictures, QWidget* mainWindow,
    SoundPlayer playSound)
    : QWidget(mainWindow, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      host_(host),
      useGreek_(useGreek),
      soundPath_(dataFolder + '/' + DataFile::LoseSound),
      playSound_(std::move(playSound)),
      pictures_(pictures)
{
    setObjectName("Form3");
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(LoseAnimation::IntervalMs);
    connect(timer1_, &QTimer::timeout, this, &Form3::Timer1_Timer);

    const EndScreenControls c = buildEndScreen(
        this, pictures, "Picture101", Background, QColor(0, 0, 128), useGreek, AccessibleNames::Hourglass);
    frame1_ = c.frame1;
    image3_ = c.image3;
    label1_ = c.label1;

    connect(label1_, &ClickLabel::clicked, this, &Form3::Label1_Click);
    connect(c.image1, &ClickLabel::clicked, this, &Form3::Image1_Click);
    connect(c.image2, &ClickLabel::clicked, this, &Form3::Image2_Click);
    connect(frame1_, &ClickLabel::clicked, this, &Form3::Frame1_Click);
    connect(image3_, &ClickLabel::clicked, this, &Form3::Image3_Click);

    placeFromMain(this, mainWindow, 1200, 1500);
    setWindowTitle(qs(Messages::LoseTitle.in(useGreek)));
    showFixedText();
}

void Form3::showFixedText()
{
    label1_->setFont(makeFont("Liberation Sans", 12, true));
    label1_->setText(qs(Messages::SingleGameLost.in(useGreek_)));
}

void Form3::showLost()
{
    // No level named from an earlier loss: a championship may end on this one.
    showFixedText();
    show();
    activateWindow();
    Form_Activate();
}

void Form3::showTryAgain(int level)
{
    label1_->setFont(makeFont("Liberation Sans", 12, true));
    label1_->setText(qs(Messages::tryLevelAgain(useGreek_, level)));
}

void Form3::unload()
{
    stopAnimation();
    hide();
    showFixedText();
}

void Form3::Form_Activate()
{
    animation_.start();
    label1_->hide();
    image3_->setPixmap(frame(animation_.frame()));
    frame1_->show();
    timer1_->start();
}

const QPixmap& Form3::frame(int index)
{
    // Made at the first loss, not at start-up, where nobody waits for them.
    if (image9_.empty())
        image9_ = framePictures(pictures_, "Lose", LoseAnimation::Frames, image3_);
    return image9_.at(index);
}

void Form3::Timer1_Timer()
{
    // A tick let run by the shake's own event runs waits for the next one.
    if (shaking_)
        return;
    const AnimationTick t = animation_.tick();
    image3_->setPixmap(frame(t.frame));
    if (t.shake)
        Shake();
    if (t.sound && playSound_)
        playSound_(soundPath_);
    if (t.finished) {
        stopAnimation();
        label1_->show();
    }
}

void Form3::Shake()
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

void Form3::stopAnimation()
{
    animation_.stop();
    timer1_->stop();
    frame1_->hide();
}

// ---- Dismissing -----------------------------------------------------------------

void Form3::Form_Click()
{
    hide();  // gives the main window back, whose activation then runs
    emit dismissed();
}

void Form3::Label1_Click()
{
    hide();
    emit dismissed();
}

void Form3::Image1_Click()
{
    Label1_Click();
}

void Form3::Image2_Click()
{
    Label1_Click();
}

void Form3::Frame1_Click()
{
    stopAnimation();
    label1_->show();
    Label1_Click();
}

void Form3::Image3_Click()
{
    Frame1_Click();
}

void Form3::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    if (e->button() == Qt::LeftButton)
        Form_Click();
}

void Form3::closeEvent(QCloseEvent* e)
{
    // The window's close box or keys dismiss it as a click does.
    e->ignore();
    if (isVisible())
        Form_Click();
}

void Form3::hideEvent(QHideEvent* e)
{
    // A hidden screen neither animates nor shakes the main window.
    stopAnimation();
    QWidget::hideEvent(e);
}

void Form3::paintEvent(QPaintEvent*)
{
    drawEndScreenLines(this, Lines);
}

}  // namespace vornel
