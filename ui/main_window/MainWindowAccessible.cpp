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
        accessible::setRole(label1_[i], QAccessible::Button);
        accessible::hideRepeat(label8_[i]);
        accessible::setRole(image1_[i], QAccessible::Graphic);
        accessible::hideRepeat(image9_[i]);
    }
    for (int i = 0; i < 3; ++i) {
        accessible::setRole(image6_[i], QAccessible::Button);
        accessible::hideRepeat(label9_[i]);
    }
    for (int i = 0; i < 2; ++i) {
        accessible::setRole(label11_[i], QAccessible::Button);
        accessible::hideRepeat(image7_[i]);
    }
    // The captions of the level and lives are read with their values; the
    // strip along the top holds blanks.
    for (QLabel* l : {label27_, label28_, label33_})
        accessible::hideRepeat(l);
    accessible::setName(label33_, std::string(ApplicationTitle));
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
        const std::array<QWidget*, 5> parts{label1_[i], label8_[i], image1_[i], image9_[i], keyboard_->card(i)};
        for (QWidget* part : parts)
            accessible::setName(part, cards[i]);
        accessible::setDescription(keyboard_->card(i), QString::fromStdString(BoardKeys.in(greek)));
    }
    accessible::setName(frame1_, AccessibleNames::Board.in(greek));

    accessible::setName(label3_, valued(greek, TimeLeft, g.clock().text()));
    accessible::setName(label24_, valued(greek, Score, std::to_string(g.session().Score)));
    accessible::setName(label50_, valued(greek, Player, g.session().PlayerName));
    accessible::setName(label25_, valued(greek, Level, std::to_string(g.championship().Level)));
    accessible::setName(label26_, valued(greek, Lives, std::to_string(g.championship().Lives)));
    accessible::setName(statusBar_->scoreLine(), valued(greek, AccessibleNames::BestScores, g.statusLine()));

    const std::array<const Bilingual*, 3> buttons{&NewGame, &NewChampionship, &Stop};
    for (int i = 0; i < 3; ++i) {
        const bool available = g.mainWindowEnabled() && (i == 2 ? g.stopAvailable() : g.newGameAvailable());
        const std::string name =
            action(greek, *buttons[i], available ? Availability::Available : Availability::NotAvailable);
        accessible::setName(image6_[i], name);
        accessible::setName(label9_[i], name);
    }
    const std::array<const Bilingual*, 2> helps{&TenSecondsHelp, &TwoPairsHelp};
    for (int i = 0; i < 2; ++i) {
        const Availability state = g.helps().icon[i] == HelpIcon::Used ? Availability::Used
            : g.panelEnabled() && g.helps().labelEnabled[i]              ? Availability::Available
                                                                         : Availability::NotAvailable;
        const std::string name = action(greek, *helps[i], state);
        accessible::setName(label11_[i], name);
        accessible::setName(image7_[i], name);
    }

    if (wallpaperShown())
        accessible::setName(image1005_, valued(greek, Wallpaper, picture(greek, wallpapers_.currentPath())));
    accessible::setName(menuBar(), MenuBar.in(greek));
}

}  // namespace vornel
