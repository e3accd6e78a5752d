#include "ui/Form2.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QTimer>

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
const QColor Background(255, 246, 214);
const QColor Lines(191, 144, 0);
}  // namespace

Form2::Form2(
    bool useGreek, const QString& dataFolder, PictureLibrary& pictures, QWidget* mainWindow, SoundPlayer playSound)
    : QWidget(mainWindow, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      useGreek_(useGreek),
      soundPath_(dataFolder + '/' + DataFile::WinSound),
      playSound_(std::move(playSound)),
      pictures_(pictures)
{
    setObjectName("Form2");
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(WinAnimation::IntervalMs);
    connect(timer1_, &QTimer::timeout, this, &Form2::Timer1_Timer);

    const EndScreenControls c = buildEndScreen(
        this, pictures, "Image37", Background, QColor(128, 0, 0), useGreek, AccessibleNames::Trophy);
    frame1_ = c.frame1;
    image3_ = c.image3;
    label1_ = c.label1;

    label2_ = new ClickLabel(this);
    label2_->setObjectName("Label2");
    label2_->setGeometry(px(960, 2760, 3660, 675));
    label2_->setAlignment(Qt::AlignCenter);
    label2_->setWordWrap(true);
    label2_->setFont(makeFont("Liberation Sans", 9, true));
    setTextColour(label2_, QColor(0, 0, 128));

    connect(label1_, &ClickLabel::clicked, this, &Form2::Label1_Click);
    connect(label2_, &ClickLabel::clicked, this, &Form2::Label2_Click);
    connect(c.image1, &ClickLabel::clicked, this, &Form2::Image1_Click);
    connect(c.image2, &ClickLabel::clicked, this, &Form2::Image2_Click);
    connect(frame1_, &ClickLabel::clicked, this, &Form2::Frame1_Click);
    connect(image3_, &ClickLabel::clicked, this, &Form2::Image3_Click);

    placeFromMain(this, mainWindow, 1200, 1500);
    setWindowTitle(qs(Messages::WinTitle.in(useGreek)));
    label2_->setText(qs(Messages::NextLevelHint.in(useGreek)));
}

void Form2::showWon(std::optional<int> completedLevel)
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

void Form2::Form_Activate()
{
    animation_.start();
    image3_->setPixmap(frame(animation_.frame()));
    frame1_->show();
    timer1_->start();
}

const QPixmap& Form2::frame(int index)
{
    // Made at the first win, not at start-up, where nobody waits for them.
    if (image4_.empty())
        image4_ = framePictures(pictures_, "Win", WinAnimation::Frames, image3_);
    return image4_.at(index);
}

void Form2::Timer1_Timer()
{
    const AnimationTick t = animation_.tick();
    image3_->setPixmap(frame(t.frame));
    if (t.sound && playSound_)
        playSound_(soundPath_);
    if (t.finished)
        stopAnimation();
}

void Form2::stopAnimation()
{
    animation_.stop();
    timer1_->stop();
    frame1_->hide();
}

// ---- Dismissing -----------------------------------------------------------------

void Form2::Form_Click()
{
    hide();  // gives the main window back
    emit dismissed();
}

void Form2::Label1_Click()
{
    Form_Click();
}

void Form2::Label2_Click()
{
    Form_Click();
}

void Form2::Image1_Click()
{
    Label2_Click();
}

void Form2::Image2_Click()
{
    Label2_Click();
}

void Form2::Frame1_Click()
{
    stopAnimation();
    Label1_Click();
}

void Form2::Image3_Click()
{
    Frame1_Click();
}

void Form2::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    if (e->button() == Qt::LeftButton)
        Form_Click();
}

void Form2::closeEvent(QCloseEvent* e)
{
    // The window's close box or keys dismiss it as a click does; it stays loaded.
    e->ignore();
    if (isVisible())
        Form_Click();
}

void Form2::hideEvent(QHideEvent* e)
{
    // A hidden screen neither animates nor sounds.
    stopAnimation();
    QWidget::hideEvent(e);
}

void Form2::paintEvent(QPaintEvent*)
{
    drawEndScreenLines(this, Lines);
}

}  // namespace vornel
