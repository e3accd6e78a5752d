#include "game/Game.h"

#include "text/Captions.h"
#include "text/Language.h"

namespace vornel {

Game::Game(GameHost& host, const CaptionTable& captions, const Language& language)
    : host_(host), captions_(captions), language_(language)
{
    controls_.difficultyCaption = captions_.caption("Label5");
    controls_.categoryCaption = captions_.caption("Label4");
    session_.PlayerName = captions_.caption("Label50");
}

bool Game::isGreek() const
{
    return language_.UseGreek;
}

std::string Game::clockText() const
{
    return vornel::clockText(session_.SecondsLeft);
}

Difficulty Game::checkedDifficulty() const
{
    return controls_.checkedDifficulty.value_or(Difficulty::Normal);
}

void Game::setTimer(GameTimer t, bool enabled)
{
    bool& running = timers_[static_cast<int>(t)];
    if (running == enabled)
        return;
    running = enabled;
    host_.timerChanged(t, enabled);
}

void Game::setMenus(bool enabled)
{
    controls_.wallpaperMenu = enabled;
    controls_.optionsMenu = enabled;
    controls_.helpMenu = enabled;
    controls_.fileMenu = enabled;
}

// ---- Board and new game ---------------------------------------------------

void Game::kryce()
{
    board_.kryce();
}

void Game::Command1_Click()
{
    controls_.boardEnabled = true;
    host_.setBusyPointer(true);

    if (session_.Mode == 0) {
        controls_.panelVisible = false;
        // No difficulty checked (only before start-up applies one): the
        // clock and score stay as they are.
        if (controls_.checkedDifficulty) {
            const SingleGameAllowance a = singleGameAllowance(*controls_.checkedDifficulty);
            session_.SecondsLeft = a.seconds;
            session_.Score = a.score;
            session_.PointsPerSecond = a.pointsPerSecond;
        }
    } else {
        const bool bonus = session_.Level == session_.BonusLevel && session_.BonusEligible;
        session_.SecondsLeft = controls_.checkedDifficulty
            ? championshipSeconds(session_.Level, *controls_.checkedDifficulty, bonus)
            : 110 - 10 * (session_.Level - 1) + (bonus ? 10 : 0);
    }

    setTimer(GameTimer::Clock, true);
    kryce();
    controls_.stopAvailable = true;
    controls_.newChampionshipAvailable = false;
    host_.randomize();
    board_.deal(pictures_, [this] { return host_.random(); });

    host_.setBusyPointer(false);
    controls_.newGameAvailable = false;
    setMenus(false);
}

void Game::newgame_Click()
{
    controls_.panelVisible = false;
    Command1_Click();
}

void Game::Command2_Click()
{
    const char* greek = session_.Mode == 1 ? "Είσαι σίγουρος οτι θέλεις να τερματίσεις το πρωτάθλημα;"
                                           : "Είσαι σίγουρος οτι θέλεις να τερματίσεις το παιχνίδι;";
    if (!host_.askYesNo(isGreek() ? greek : "Are you sure you want to stop?"))
        return;

    if (session_.Mode == 1) {
        if (timerEnabled(GameTimer::Reveal)) {
            // End the reveal first so the cards are put back as they were.
            session_.RevealTicks = 15;
            TIMER3_Timer();
        }
        controls_.newGameAvailable = true;
        controls_.newChampionshipAvailable = true;
        session_.SecondsLeft = 0;
        endChampionship();
    } else {
        controls_.panelEnabled = false;
        controls_.newGameAvailable = true;
        controls_.newChampionshipAvailable = true;
        session_.Score = 0;
        session_.SecondsLeft = 0;
    }

    setTimer(GameTimer::Clock, false);
    setTimer(GameTimer::FlipBack, false);
    kryce();
    controls_.boardEnabled = false;
    controls_.stopAvailable = false;
    setMenus(true);
}

void Game::ShowNUMBERS_Click()
{
    controls_.numbersChecked = !controls_.numbersChecked;
    session_.NumbersHidden = controls_.numbersChecked ? 0 : 1;
    for (int i = 0; i < Board::SlotCount; ++i)
        board_.slot(i).numberText = controls_.numbersChecked ? std::to_string(i + 1) : std::string();
}

void Game::image6_Click(int index)
{
    if (!controls_.mainWindowEnabled)
        return;
    switch (index) {
    case 0:
        if (controls_.newChampionshipAvailable)
            Command1_Click();
        break;
    case 2:
        if (controls_.stopAvailable)
            Command2_Click();
        break;
    case 1:
        if (controls_.newChampionshipAvailable)
            Command5_Click();
        break;
    default:
        break;
    }
}

void Game::applyBuiltInCategory(PictureCategory c, const char* item)
{
    controls_.checkedCategory = c;
    pictures_ = builtInPictureSet(c);
    controls_.categoryCaption = captions_.caption("kath") + ": " + captions_.caption(item);
}

void Game::image6_MouseMove(int index)
{
    const bool available = index == 0 ? controls_.newGameAvailable
        : index == 1                  ? controls_.newChampionshipAvailable
                                      : controls_.stopAvailable;
    buttons_.image6_MouseMove(index, available);
}

}  // namespace vornel
