#pragma once
#include <filesystem>
#include <optional>
#include <utility>

#include "game/BestScores.h"
#include "game/Board.h"
#include "game/Championship.h"
#include "game/Clock.h"
#include "game/Difficulty.h"
#include "game/GameSession.h"
#include "game/Helps.h"
#include "game/Host.h"
#include "game/PictureSet.h"
#include "game/Turn.h"

namespace vornel {

struct Language;
class CustomPictures;

enum class StopOutcome { Declined, GameStopped, ChampionshipStopped };
enum class LossOutcome { SingleGameLost, LifeLost, ChampionshipOver };
enum class ResultStep { Nothing, ScoreRecorded, ChampionshipComplete, LevelDealt };
// Applying the player's own pictures: done, refused by the player, or the
// player wants to choose the pictures now.
enum class CustomOutcome { Applied, Declined, ChooseNow };

// The main window's game: the board and turn, the clock, the championship
// and the helps, and the procedures that move them. Each operation is what
// one of the window's events does; it reports what happened and the window
// decides what to show.
class Game {
public:
    Game(Host& host, const Language& language, BestScores scores);

    // ---- State ------------------------------------------------------------
    const Board& board() const { return board_; }
    const GameSession& session() const { return session_; }
    const Clock& clock() const { return clock_; }
    const Turn& turn() const { return turn_; }
    const Championship& championship() const { return championship_; }
    const Helps& helps() const { return helps_; }
    const PictureSet& currentPictureSet() const { return pictures_; }
    std::optional<Difficulty> difficulty() const { return difficulty_; }
    std::optional<PictureCategory> category() const { return category_; }
    bool numbersShown() const { return numbersShown_; }
    std::int16_t NumbersHidden() const { return numbersShown_ ? 0 : 1; }
    const std::string& statusLine() const { return statusLine_; }

    // A game is being played: the board takes clicks, Stop is available,
    // New game, New championship and the menus are not.
    bool playing() const { return playing_; }
    bool newGameAvailable() const { return !playing_; }
    bool stopAvailable() const { return playing_; }
    bool mainWindowEnabled() const { return mainWindowEnabled_; }
    bool panelVisible() const { return panelVisible_; }
    bool panelEnabled() const { return panelEnabled_; }
    // Level and lives captions turn grey once a championship is lost.
    bool panelCaptionsGrey() const { return panelCaptionsGrey_; }
    // Whether a click on card `index` reaches the turn.
    bool takesCardClick(int index) const;

    // ---- Board and new game -------------------------------------------------
    void newGame();
    void hideChampionshipPanel() { panelVisible_ = false; }
    // Asks first; nothing changes on No.
    StopOutcome stop();
    void toggleNumbers();

    // ---- Turning cards ------------------------------------------------------
    TurnOutcome turnCard(int index);
    // The wrong pair's two cards, lower first, on the tick that turns them back.
    std::optional<std::pair<int, int>> flipBackTick();

    // ---- Clock, difficulty, pictures ----------------------------------------
    ClockTick clockTick();
    void chooseDifficulty(Difficulty d);
    void chooseBuiltInCategory(PictureCategory c);
    // The custom set becomes the current one if it holds ten different
    // pictures; otherwise the player is asked whether to choose them now.
    CustomOutcome applyCustom(const CustomPictures& custom);

    // ---- Championship and results -------------------------------------------
    void startChampionship();
    // The win screen is up: the clock stops; a championship level is scored
    // and the next one comes up.
    void levelWon();
    // The lose screen is up: a single game's score is gone, or a life is.
    LossOutcome levelLost();
    // The main window becomes active again: back to idle, then the result step.
    ResultStep resumeAfterResult();
    // The window closes: a game still running ends where it is, unscored.
    void abandon();

    // ---- Helps --------------------------------------------------------------
    // The player clicked help `index`; true when it completed the board.
    bool useHelp(int index);
    void revealTick();

    // ---- Scores and players -------------------------------------------------
    void refreshBestScoresLine();
    void setPlayerName(std::string name) { session_.PlayerName = std::move(name); }
    // A new player is being chosen: the score so far is dropped.
    void newPlayer() { session_.Score = 0; }

    // Start-up leaves the program in single games.
    void enterSingleGameMode() { session_.mode = Mode::SingleGame; }

    // Other windows disable the main window while they are up.
    void setMainWindowEnabled(bool enabled) { mainWindowEnabled_ = enabled; }

private:
    // How a game ended; each way leaves a little more than the others behind.
    enum class GameEnd { SingleGameWon, SingleGameLost, ChampionshipWon, ChampionshipLost, Stopped, Abandoned };

    bool greek() const;
    void turnAllFaceDown();
    // All cards matched: the bonus question if earned, then the win screen's turn.
    bool checkBoardCleared();
    void startFlipBack();
    std::int16_t levelPoints() const;
    ResultStep resultStep();
    // The one way out of a game or a championship: every running part stops
    // and the window is free again.
    void endGame(GameEnd how);
    void revealAllFaces();
    bool solveTwoPairs();
    // Solves card `r` and its partner; the open first card, if it is the
    // partner, is solved with it.
    void solvePairOf(int r);
    void enterBestScore();

    Host& host_;
    const Language& language_;
    BestScores scores_;

    Board board_;
    GameSession session_;
    Clock clock_;
    Turn turn_;
    Championship championship_;
    Helps helps_;
    PictureSet pictures_;
    std::optional<Difficulty> difficulty_;
    std::optional<PictureCategory> category_;
    bool numbersShown_ = false;
    std::string statusLine_;

    bool playing_ = false;
    bool mainWindowEnabled_ = true;
    // A win or lose screen is up: nothing but its dismissal gives the window back.
    bool resultShown_ = false;
    bool panelVisible_ = true;
    bool panelEnabled_ = true;
    bool panelCaptionsGrey_ = false;
};

}  // namespace vornel
