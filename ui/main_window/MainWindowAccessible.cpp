#include <QLabel>
#include <QMenuBar>

#include "text/AccessibleNames.h"
#include "ui/shared/Accessible.h"
#include "ui/main_window/BoardKeyboard.h"
#include "ui/shared/ClickLabel.h"
#include "ui/main_window/MainWindow.h"
#include "ui/main_window/StatusBar.h"

// What screen readers read on the main window.
namespace vornel {

using namespace AccessibleNames;

void MainWindow::buildAccessibility()
{
    for (int i = 0; i < Board::SlotCount; ++i) {
        accessible::setRole(cardBacks_[i], QAccessible::Button);
        accessible::hideRepeat(cardNumbers_[i]);
        accessible::setRole(cardFrames_[i], QAccessible::Graphic);
        accessible::hideRepeat(cardFaces_[i]);
    }
    for (int i = 0; i < 3; ++i) {
        accessible::setRole(buttonPictures_[i], QAccessible::Button);
        accessible::hideRepeat(buttonCaptions_[i]);
    }
    for (int i = 0; i < 2; ++i) {
        accessible::setRole(helpButtons_[i], QAccessible::Button);
        accessible::hideRepeat(helpIcons_[i]);
    }
    // The captions of the level and lives are read with their values; the
    // strip along the top holds blanks.
    for (QLabel* l : {levelCaption_, livesCaption_, titleStrip_})
        accessible::hideRepeat(l);
    accessible::setName(titleStrip_, std::string(ApplicationTitle));
    announcer_ = std::make_unique<accessible::Announcer>(clientArea_);
}

void MainWindow::readTurn(int card, const std::string& news)
{
    const QString said = QString::fromStdString(news);
    if (keyboard_->readCard(card, said))
        return;
    const QString name = keyboard_->card(card)->accessibleName();
    announcer_->say(said.isEmpty() ? name : name + ". " + said);
}

void MainWindow::showAccessibleNames()
{
    const Game& g = game_;
    const bool greek = language_.UseGreek;

    std::array<std::string, Board::SlotCount> cards;
    for (int i = 0; i < Board::SlotCount; ++i) {
        const CardSlot& slot = g.board().slot(i);
        const CardFace face = !slot.isFaceUp() ? CardFace::Down
            : slot.isMatched()                 ? CardFace::Matched
                                               : CardFace::Open;
        cards[i] = card(greek, i + 1, face, accessible::pictureName(slot.picture, greek).toStdString());
        const std::array<QWidget*, 5> parts{cardBacks_[i], cardNumbers_[i], cardFrames_[i], cardFaces_[i], keyboard_->card(i)};
        for (QWidget* part : parts)
            accessible::setName(part, cards[i]);
        // The keys stay on a card to move on from it; a box or screen over
        // the window holds them too.
        accessible::setUsable(cardBacks_[i], g.mainWindowEnabled() && g.takesCardClick(i));
        accessible::setUsable(keyboard_->card(i), g.mainWindowEnabled());
    }
    keyboard_->setHint(QString::fromStdString(BoardKeys.in(greek)));
    accessible::setName(board_, AccessibleNames::Board.in(greek));

    accessible::setName(clockLabel_, valued(greek, TimeLeft, g.clock().text()));
    accessible::setName(scoreLabel_, valued(greek, Score, std::to_string(g.session().Score)));
    accessible::setName(playerNameLabel_, valued(greek, Player, g.session().PlayerName));
    accessible::setName(levelLabel_, valued(greek, Level, std::to_string(g.championship().Level)));
    accessible::setName(livesLabel_, valued(greek, Lives, std::to_string(g.championship().Lives)));
    accessible::setName(statusBar_->scoreLine(), valued(greek, AccessibleNames::BestScores, g.statusLine()));

    const std::array<const Bilingual*, 3> buttons{&NewGame, &NewChampionship, &Stop};
    for (int i = 0; i < 3; ++i) {
        const bool available = g.mainWindowEnabled() && (i == 2 ? g.stopAvailable() : g.newGameAvailable());
        accessible::setName(buttonPictures_[i], buttons[i]->in(greek));
        accessible::setName(buttonCaptions_[i], buttons[i]->in(greek));
        accessible::setUsable(buttonPictures_[i], available);
    }
    const std::array<const Bilingual*, 2> helps{&TenSecondsHelp, &TwoPairsHelp};
    for (int i = 0; i < 2; ++i) {
        accessible::setName(helpButtons_[i], helps[i]->in(greek));
        accessible::setName(helpIcons_[i], helps[i]->in(greek));
        accessible::setUsable(helpButtons_[i],
            g.mainWindowEnabled() && g.panelEnabled() && g.helps().labelEnabled[i] && g.helps().icon[i] != HelpIcon::Used);
    }

    if (wallpaperShown())
        accessible::setName(wallpaper_, valued(greek, Wallpaper, picture(greek, wallpapers_.currentPath())));
    accessible::setName(menuBar(), MenuBar.in(greek));
}

}  // namespace vornel
