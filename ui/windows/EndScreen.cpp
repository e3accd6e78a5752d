#include "ui/windows/EndScreen.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "text/AccessibleNames.h"
#include "ui/shared/Accessible.h"
#include "ui/shared/ClickLabel.h"
#include "ui/shared/PictureLibrary.h"
#include "ui/shared/Twips.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

EndScreen::EndScreen(const EndScreenLook& look, bool useGreek, const QString& dataFolder, PictureLibrary& pictures,
    QWidget* mainWindow, SoundPlayer playSound)
    : QWidget(mainWindow, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      useGreek_(useGreek),
      look_(look),
      soundPath_(dataFolder + '/' + look.sound),
      playSound_(std::move(playSound)),
      pictures_(pictures)
{
    setObjectName(look.objectName);
    setFixedSize(px(5580), px(3600));
    setFocusPolicy(Qt::StrongFocus);  // the keys that go on come here
    setBackground(this, look.background);
    animationTimer_ = new QTimer(this);
    animationTimer_->setObjectName("animationTimer");
    animationTimer_->setInterval(look.intervalMs);

    auto clickable = [](QWidget* parent, const char* name, QRect r) {
        auto* l = new ClickLabel(parent);
        l->setObjectName(name);
        l->setGeometry(r);
        return l;
    };
    // The text first, so that the animation's frame covers it while it runs.
    resultLabel_ = clickable(this, "resultLabel", px(120, 600, 5340, 1560));
    resultLabel_->setWordWrap(true);
    resultLabel_->setAlignment(Qt::AlignCenter);
    setTextColour(resultLabel_, look.text);

    animationFrame_ = clickable(this, "animationFrame", px(120, 120, 5340, 2520));
    setBackground(animationFrame_, look.background);
    animationPicture_ = clickable(animationFrame_, "animationPicture", px(1470, 60, 2400, 2400));
    animationPicture_->setScaledContents(false);

    const QPixmap picture = pictures.named(look.decoration, QSize(px(735), px(675)), devicePixelRatioF());
    leftDecoration_ = clickable(this, "leftDecoration", px(180, 2760, 735, 675));
    rightDecoration_ = clickable(this, "rightDecoration", px(4665, 2760, 735, 675));
    leftDecoration_->setPixmap(picture);
    rightDecoration_->setPixmap(picture);

    // Every part is clicked to go on; a click on the animation ends it first.
    for (ClickLabel* part : {resultLabel_, leftDecoration_, rightDecoration_})
        connect(part, &ClickLabel::clicked, this, &EndScreen::dismiss);
    for (ClickLabel* part : {animationFrame_, animationPicture_})
        connect(part, &ClickLabel::clicked, this, &EndScreen::onAnimationClicked);
    // The frame only repeats the picture it holds.
    accessible::hideRepeat(animationFrame_);
    accessible::setName(animationPicture_, look.animation.in(useGreek));
    for (ClickLabel* part : {leftDecoration_, rightDecoration_})
        accessible::setName(part, accessible::pictureName(look.decoration, useGreek));
    for (ClickLabel* part : {resultLabel_, animationPicture_, leftDecoration_, rightDecoration_})
        accessible::setDescription(part, qs(AccessibleNames::ClickToGoOn.in(useGreek)));

    placeFromMain(this, mainWindow, 1200, 1500);
}

QStringList EndScreen::frameNames() const
{
    QStringList names;
    for (int i = 0; i < look_.frames; ++i)
        names << QStringLiteral("%1%2").arg(look_.framePrefix).arg(i);
    return names;
}

const QPixmap& EndScreen::frame(int index)
{
    if (frames_.empty()) {
        for (const QString& name : frameNames())
            frames_.push_back(pictures_.named(name, animationPicture_->size(), animationPicture_->devicePixelRatioF()));
    }
    return frames_.at(index);
}

void EndScreen::playSound() const
{
    if (playSound_)
        playSound_(soundPath_);
}

void EndScreen::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    if (e->button() == Qt::LeftButton)
        dismiss();
}

// The keys a player reaches for to go on do what a click does.
void EndScreen::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
        e->accept();
        dismiss();
        return;
    default:
        QWidget::keyPressEvent(e);
    }
}

void EndScreen::closeEvent(QCloseEvent* e)
{
    // The window's close box or keys dismiss it as a click does; it stays loaded.
    e->ignore();
    if (isVisible())
        dismiss();
}

void EndScreen::dismiss()
{
    hide();  // gives the main window back, whose activation then runs
    emit dismissed();
}

void EndScreen::describe(const QStringList& texts)
{
    accessible::setDescription(this, texts.join(' ').simplified());
}

void EndScreen::onAnimationClicked()
{
    stopAnimation();
    resultLabel_->show();
    dismiss();
}

void EndScreen::hideEvent(QHideEvent* e)
{
    stopAnimation();
    animationPicture_->clear();
    frames_.clear();
    for (const QString& name : frameNames())
        pictures_.forget(name);
    QWidget::hideEvent(e);
}

void EndScreen::paintEvent(QPaintEvent*)
{
    // Four lines round the window's edge.
    QPainter p(this);
    p.setPen(QPen(look_.lines, 2));
    const int l = px(45), t = px(45), r = width() - px(45), b = height() - px(45);
    p.drawLine(l, t, r, t);
    p.drawLine(l, b, r, b);
    p.drawLine(l, t, l, b);
    p.drawLine(r, t, r, b);
}

void placeFromMain(QWidget* window, const QWidget* mainWindow, int left, int top)
{
    if (mainWindow)
        window->move(mainWindow->frameGeometry().topLeft() + QPoint(px(left), px(top)));
}

}  // namespace vornel
