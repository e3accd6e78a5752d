#pragma once
#include <array>
#include <optional>
#include <string>

#include "game/Board.h"
#include "game/Difficulty.h"
#include "game/GameHost.h"
#include "game/GameSession.h"
#include "game/PictureButtons.h"
#include "game/PictureSet.h"

namespace vornel {

class CaptionTable;
struct Language;

inline constexpr const char* ApplicationTitle = "Sarvel VORNEL v.2";

// Enabled/visible/checked states of the main window's controls that the
// game rules switch. The window draws them; it decides none of them.
struct MainControls {
    bool mainWindowEnabled = true;
    bool boardEnabled = false;  // Frame1
    bool panelVisible = true;   // Frame4, the championship panel
    bool panelEnabled = true;
    bool newGameAvailable = true;                      // Command1
    bool newChampionshipAvailable = true;              // Command5
    bool stopAvailable = false;                        // Command2
    bool tenSecondsAvailable = true;                   // Command3
    bool twoPairsAvailable = true;                     // Command4
    std::array<bool, 2> helpLabelEnabled{true, true};  // Label11(0), Label11(1)
    bool fileMenu = true, optionsMenu = true, wallpaperMenu = true, helpMenu = true;
    bool panelCaptionsGrey = false;  // Label27, Label28 after a lost championship

    std::optional<Difficulty> checkedDifficulty;
    std::optional<PictureCategory> checkedCategory;
    bool numbersChecked = false;  // "Δείξε Αριθμούς"

    std::string difficultyCaption;  // Label5
    std::string categoryCaption;    // Label4
};

// The main window's game: the board, the turn, the clock and the controls
// they switch, under the names the window's handlers carry.
class Game {
public:
    Game(GameHost& host, const CaptionTable& captions, const Language& language);

    const Board& board() const { return board_; }
    const GameSession& session() const { return session_; }
    const MainControls& controls() const { return controls_; }
    const PictureButtons& pictureButtons() const { return buttons_; }
    const PictureSet& currentPictureSet() const { return pictures_; }
    bool timerEnabled(GameTimer t) const { return timers_[static_cast<int>(t)]; }
    std::string clockText() const;

    // Board and new game.
    void kryce();
    void Command1_Click();
    void newgame_Click();
    void Command2_Click();
    void ShowNUMBERS_Click();
    void image6_Click(int index);

    // Turning cards.
    void Label1_Click(int index) { clickCard(index); }
    void Label8_Click(int index) { clickCard(index); }
    void klik(int index);
    void arxh(int lo);
    void tot();
    void ARXISE();
    void Timer1_Timer();
    void clear();
    void win();

    // Clock and difficulty.
    void Timer2_Timer();
    void eykolo_Click() { chooseDifficulty(Difficulty::Easy, "eykolo"); }
    void kanoniko_Click() { chooseDifficulty(Difficulty::Normal, "kanoniko"); }
    void dyskolo_Click() { chooseDifficulty(Difficulty::Hard, "dyskolo"); }

    // Built-in picture categories.
    void antikeim_Click() { applyBuiltInCategory(PictureCategory::Objects, "antikeim"); }
    void pros_Click() { applyBuiltInCategory(PictureCategory::Faces, "pros"); }
    void food_Click() { applyBuiltInCategory(PictureCategory::Food, "food"); }

    // Championship.
    void Command5_Click() { gggggg_Click(); }
    void gggggg_Click();
    std::int16_t BatmosProtatlhmatos() const;

    // The ten-second help and the reveal timer's tick.
    void TenSecondsHelp();
    void TIMER3_Timer();

    // The picture-button highlight.
    void image6_MouseMove(int index);
    void clearHighlight() { buttons_.clearHighlight(); }

    // The result screens and the main window's activation.
    void WinScreenActivate();
    // False when the lost level ended the championship and closed the screen.
    bool LoseScreenActivate();
    void Form_Activate();
    void RestoreSettings() { Form_Activate(); }
    void NextStep();

    // Other windows disable the main window while they are up.
    void setMainWindowEnabled(bool enabled) { controls_.mainWindowEnabled = enabled; }

private:
    void clickCard(int index);
    void setTimer(GameTimer t, bool enabled);
    void setMenus(bool enabled);
    void endChampionship();
    void chooseDifficulty(Difficulty d, const char* item);
    void applyBuiltInCategory(PictureCategory c, const char* item);
    bool isGreek() const;
    Difficulty checkedDifficulty() const;

    GameHost& host_;
    const CaptionTable& captions_;
    const Language& language_;
    Board board_;
    GameSession session_;
    MainControls controls_;
    PictureButtons buttons_;
    PictureSet pictures_;
    std::array<bool, 3> timers_{};
};

}  // namespace vornel
