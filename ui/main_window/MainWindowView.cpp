#include <QAction>
#include <QMenu>

#include "platform/InputBlocker.h"
#include "ui/main_window/BoardKeyboard.h"
#include "ui/shared/ClickLabel.h"
#include "ui/main_window/MainWindow.h"
#include "ui/main_window/StatusBar.h"
#include "ui/shared/Widgets.h"

// Showing the game's state in the main window's controls.
namespace vornel {

using namespace widgets;

namespace {

void setRunning(QTimer* t, bool running)
{
    // Starting a running timer would restart its interval.
    if (running && !t->isActive())
        t->start();
    else if (!running && t->isActive())
        t->stop();
}

const char* helpIconPicture(HelpIcon icon)
{
    switch (icon) {
    case HelpIcon::Available:
        return "HelpAvailable";
    case HelpIcon::Used:
        return "HelpUsed";
    case HelpIcon::Blank:
        break;
    }
    return "HelpBlank";
}

}  // namespace

QString MainWindow::difficultyCaption() const
{
    static const std::map<Difficulty, const char*> items{
        {Difficulty::Easy, "eykolo"}, {Difficulty::Normal, "kanoniko"}, {Difficulty::Hard, "dyskolo"}};
    const std::optional<Difficulty> d = game_.difficulty();
    return d ? caption("epip") + ": " + caption(items.at(*d)) : caption("Label5");
}

QString MainWindow::categoryCaption() const
{
    static const std::map<PictureCategory, const char*> items{{PictureCategory::Objects, "antikeim"},
        {PictureCategory::Faces, "pros"}, {PictureCategory::Food, "food"}, {PictureCategory::Custom, "CustomMenu"}};
    const std::optional<PictureCategory> c = game_.category();
    return c ? caption("kath") + ": " + caption(items.at(*c)) : caption("Label4");
}

void MainWindow::showState()
{
    const Game& g = game_;
    const qreal ratio = devicePixelRatioF();

    blocker_->setBlocking(!g.mainWindowEnabled());
    setRunning(timer1_, g.turn().flipBackRunning);
    setRunning(timer2_, g.clock().running);
    setRunning(timer3_, g.helps().revealRunning);

    for (int i = 0; i < Board::SlotCount; ++i) {
        const CardSlot& slot = g.board().slot(i);
        if (picturesShown_)
            image9_[i]->setPixmap(pictures_.pixmap(slot.picture, image9_[i]->size(), ratio));
        image1_[i]->setVisible(slot.faceVisible);
        label1_[i]->setVisible(slot.backVisible);
        label8_[i]->setVisible(slot.numberVisible);
        label8_[i]->setText(qs(slot.numberText));
    }

    label3_->setText(qs(g.clock().text()));
    label24_->setText(QString::number(g.session().Score));
    label50_->setText(qs(g.session().PlayerName));
    label25_->setText(QString::number(g.championship().Level));
    label26_->setText(QString::number(g.championship().Lives));
    label5_->setText(difficultyCaption());
    label4_->setText(categoryCaption());
    statusBar_->scoreLine()->setText(qs(g.statusLine()));

    frame4_->setVisible(g.panelVisible());
    for (QLabel* l : {label27_, label28_})
        setTextColour(l, g.panelCaptionsGrey() ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::black));
    for (int i = 0; i < 2; ++i) {
        if (picturesShown_)
            image7_[i]->setPixmap(pictures_.named(helpIconPicture(g.helps().icon[i]), image7_[i]->size(), ratio));
        label11_[i]->setEnabled(g.helps().labelEnabled[i]);
        QFont f = label11_[i]->font();
        f.setBold(g.helps().labelBold[i]);
        label11_[i]->setFont(f);
    }

    for (int i = 0; i < 3; ++i) {
        if (picturesShown_)
            image6_[i]->setPixmap(pictures_.named(
                buttons_.highlighted(i) ? "ButtonHighlight" : "ButtonNormal", image6_[i]->size(), ratio));
        QFont f = label9_[i]->font();
        f.setBold(buttons_.bold(i));
        label9_[i]->setFont(f);
    }

    const bool idle = !g.playing();
    for (const char* m : {"file", "epilogew", "tapetsaries", "help"})
        menu(m)->menuAction()->setEnabled(idle);
    const std::optional<Difficulty> d = g.difficulty();
    item("eykolo")->setChecked(d == Difficulty::Easy);
    item("kanoniko")->setChecked(d == Difficulty::Normal);
    item("dyskolo")->setChecked(d == Difficulty::Hard);
    const std::optional<PictureCategory> c = g.category();
    item("antikeim")->setChecked(c == PictureCategory::Objects);
    item("pros")->setChecked(c == PictureCategory::Faces);
    item("food")->setChecked(c == PictureCategory::Food);
    item("CustomMenu")->setChecked(c == PictureCategory::Custom);
    item("ShowNUMBERS")->setChecked(g.numbersShown());

    keyboard_->show(g.playing());
    showAccessibleNames();
}

}  // namespace vornel
