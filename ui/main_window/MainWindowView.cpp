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
        {Difficulty::Easy, "easyAction"}, {Difficulty::Normal, "normalAction"}, {Difficulty::Hard, "hardAction"}};
    const std::optional<Difficulty> d = game_.difficulty();
    return d ? caption("levelsMenu") + ": " + caption(items.at(*d)) : caption("difficultyLabel");
}

QString MainWindow::categoryCaption() const
{
    static const std::map<PictureCategory, const char*> items{{PictureCategory::Objects, "objectsAction"},
        {PictureCategory::Faces, "facesAction"}, {PictureCategory::Food, "foodAction"},
        {PictureCategory::Custom, "customAction"}};
    const std::optional<PictureCategory> c = game_.category();
    return c ? caption("categoriesMenu") + ": " + caption(items.at(*c)) : caption("categoryLabel");
}

void MainWindow::showState()
{
    // Until the window is built the state waits in the model.
    if (!built_)
        return;
    const Game& g = game_;
    const qreal ratio = devicePixelRatioF();

    blocker_->setBlocking(!g.mainWindowEnabled());
    setRunning(flipBackTimer_, g.turn().flipBackRunning);
    setRunning(clockTimer_, g.clock().running);
    setRunning(revealTimer_, g.helps().revealRunning);

    for (int i = 0; i < Board::SlotCount; ++i) {
        const CardSlot& slot = g.board().slot(i);
        if (picturesShown_)
            cardFaces_[i]->setPixmap(pictures_.pixmap(slot.picture, cardFaces_[i]->size(), ratio));
        cardFrames_[i]->setVisible(slot.faceVisible);
        cardBacks_[i]->setVisible(slot.backVisible);
        cardNumbers_[i]->setVisible(slot.numberVisible);
        cardNumbers_[i]->setText(qs(slot.numberText));
    }

    clockLabel_->setText(qs(g.clock().text()));
    scoreLabel_->setText(QString::number(g.session().Score));
    playerNameLabel_->setText(qs(g.session().PlayerName));
    levelLabel_->setText(QString::number(g.championship().Level));
    livesLabel_->setText(QString::number(g.championship().Lives));
    difficultyLabel_->setText(difficultyCaption());
    categoryLabel_->setText(categoryCaption());
    statusBar_->scoreLine()->setText(qs(g.statusLine()));

    championshipPanel_->setVisible(g.panelVisible());
    for (QLabel* l : {levelCaption_, livesCaption_})
        setTextColour(l, g.panelCaptionsGrey() ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::black));
    for (int i = 0; i < 2; ++i) {
        if (picturesShown_)
            helpIcons_[i]->setPixmap(pictures_.named(helpIconPicture(g.helps().icon[i]), helpIcons_[i]->size(), ratio));
        helpButtons_[i]->setEnabled(g.helps().labelEnabled[i]);
        QFont f = helpButtons_[i]->font();
        f.setBold(g.helps().labelBold[i]);
        helpButtons_[i]->setFont(f);
    }

    for (int i = 0; i < 3; ++i) {
        if (picturesShown_)
            buttonPictures_[i]->setPixmap(pictures_.named(
                buttonHighlight_.highlighted(i) ? "ButtonHighlight" : "ButtonNormal", buttonPictures_[i]->size(), ratio));
        QFont f = buttonCaptions_[i]->font();
        f.setBold(buttonHighlight_.bold(i));
        buttonCaptions_[i]->setFont(f);
    }

    // A screen or window over this one holds the menus too; greyed, so that
    // screen readers hear what the blocker already does.
    const bool menusUsable = !g.playing() && g.mainWindowEnabled();
    for (const char* m : {"fileMenu", "optionsMenu", "wallpapersMenu", "helpMenu"})
        menu(m)->menuAction()->setEnabled(menusUsable);
    const std::optional<Difficulty> d = g.difficulty();
    item("easyAction")->setChecked(d == Difficulty::Easy);
    item("normalAction")->setChecked(d == Difficulty::Normal);
    item("hardAction")->setChecked(d == Difficulty::Hard);
    const std::optional<PictureCategory> c = g.category();
    item("objectsAction")->setChecked(c == PictureCategory::Objects);
    item("facesAction")->setChecked(c == PictureCategory::Faces);
    item("foodAction")->setChecked(c == PictureCategory::Food);
    item("customAction")->setChecked(c == PictureCategory::Custom);
    item("showNumbersAction")->setChecked(g.numbersShown());

    keyboard_->show(g.playing());
    showAccessibleNames();
}

}  // namespace vornel
