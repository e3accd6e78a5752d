#include "game/Game.h"

#include "game/Numbers.h"
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
    controls_.busyPointer = true;
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

    controls_.busyPointer = false;
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
        controls_.panelEnabled = false;
        controls_.panelVisible = false;
        controls_.tenSecondsAvailable = true;
        controls_.twoPairsAvailable = true;
        controls_.newGameAvailable = true;
        controls_.newChampionshipAvailable = true;
        session_.Mode = 0;
        session_.SecondsLeft = 0;
        session_.Level = 0;
        session_.Lives = 0;
        session_.Score = 0;
        host_.closeLoseScreen();
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

// ---- Turning cards --------------------------------------------------------

void Game::clickCard(int index)
{
    // Disabled windows and panels take no clicks, and an open or matched
    // card covers its back and number.
    if (index < 0 || index >= Board::SlotCount || !controls_.mainWindowEnabled || !controls_.boardEnabled)
        return;
    const CardSlot& s = board_.slot(index);
    if (s.faceVisible || !s.takesClicks())
        return;
    klik(index);
}

void Game::klik(int index)
{
    if (session_.Mode == 1 && session_.Level == 1 && session_.BonusEligible) {
        const int c = session_.OpenCount[index] + 1;
        if (c > 2)
            session_.BonusEligible = false;
        else
            session_.OpenCount[index] = static_cast<std::int16_t>(c);
    }

    bool mismatch = false;
    for (int i = 0; i < Board::SlotCount; ++i) {
        if (!board_.slot(i).isOpen())
            continue;
        if (board_.sameImage(i, index)) {
            tot();
            board_.slot(i).faceEnabled = false;
            board_.slot(index).faceEnabled = false;
            board_.slot(index).showFaceUp();
            break;
        }
        mismatch = true;
    }

    if (mismatch) {
        ARXISE();
        if (session_.FirstCard == 0)
            session_.FirstCard = index;
        else
            session_.SecondCard = index;
    } else {
        arxh(index);
    }

    board_.slot(index).showFaceUp();
    win();
}

void Game::arxh(int lo)
{
    for (int i = 0; i < Board::SlotCount; ++i)
        if (board_.slot(i).isOpen())
            return;
    session_.FirstCard = lo;
}

void Game::tot()
{
    session_.FirstCard = 0;
    session_.SecondCard = 0;
}

void Game::ARXISE()
{
    controls_.mainWindowEnabled = false;
    setTimer(GameTimer::FlipBack, true);
}

void Game::Timer1_Timer()
{
    controls_.mainWindowEnabled = false;
    session_.FlipBackTicks += 1;
    if (session_.FlipBackTicks == 3)
        clear();
}

void Game::clear()
{
    controls_.mainWindowEnabled = true;
    board_.slot(session_.FirstCard).showFaceDown();
    board_.slot(session_.SecondCard).showFaceDown();
    tot();
    setTimer(GameTimer::FlipBack, false);
    session_.FlipBackTicks = 0;
}

void Game::win()
{
    if (!board_.allMatched())
        return;

    if (session_.Mode == 1 && session_.Level == 1 && session_.BonusEligible) {
        setTimer(GameTimer::Clock, false);
        const std::string prompt =
            isGreek() ? "Συγχαρητήρια. Κέρδισες το BONUS των 10 δευτ/πτων. Επέλεξε το επίπεδο που "
                        "επιθυμείς να χρησιμοποιήσεις το BONUS."
                      : "Congratulations. You get the BONUS (10 seconds more time). Choose the level which "
                        "you wish to use it.";
        // There is no way out of the box but a level from 2 to 6.
        for (;;) {
            const std::optional<std::int16_t> level = toInt16(host_.inputBox(prompt, "BONUS", "2-6"));
            if (level && *level > 1 && *level < 7) {
                session_.BonusLevel = *level;
                break;
            }
        }
    }

    host_.showWinScreen();
    controls_.mainWindowEnabled = false;
}

// ---- Clock and difficulty -------------------------------------------------

void Game::Timer2_Timer()
{
    session_.SecondsLeft -= 1;
    if (session_.SecondsLeft <= 0)
        host_.showLoseScreen();
    if (session_.Mode == 0)
        session_.Score -= session_.PointsPerSecond;
}

void Game::chooseDifficulty(Difficulty d, const char* item)
{
    controls_.checkedDifficulty = d;
    controls_.difficultyCaption = captions_.caption("epip") + ": " + captions_.caption(item);
}

void Game::applyBuiltInCategory(PictureCategory c, const char* item)
{
    controls_.checkedCategory = c;
    pictures_ = builtInPictureSet(c);
    controls_.categoryCaption = captions_.caption("kath") + ": " + captions_.caption(item);
}

// ---- Championship --------------------------------------------------------

void Game::gggggg_Click()
{
    controls_.helpLabelEnabled = {true, true};
    controls_.panelEnabled = true;
    controls_.panelVisible = true;
    session_.Score = 0;
    host_.processEvents();
    for (int i = 0; i < Board::SlotCount; ++i)
        session_.OpenCount[i] = 0;
    session_.BonusLevel = 10;
    session_.BonusEligible = true;
    host_.showMessage(
        isGreek()
            ? "ΠΡΟΣΟΧΗ !!!\nΜπορείς να κερδίσεις το BONUS των 10 δευτ/πτών (10 δευτ/πτά επιπλέον χρόνος σε "
              "όποιο επίπεδο επιθυμείς), αν στο πρώτο επίπεδο κατορθώσεις να μήν ανοίξεις τα τετραγωνάκια "
              "περισσότερες απο 2 φορές το καθένα.\nΈπισης δεν πρέπει να χρησιμοποιήσεις κάποια βοήθεια στο "
              "πρώτο επίπεδο.\n\nΚλίκ για να αρχίσει το πρωτάθλημα."
            : "NOTE !!!\nYou can earn BONUS (10 seconds more time to a level) , \rif in the first level don't "
              "open each square more than once.\nAlso, you myst not use any help bonus.\n\nClick to start "
              "championship.",
        "");
    session_.Level = 1;
    session_.Lives = 2;
    session_.Mode = 1;
    controls_.tenSecondsAvailable = true;
    controls_.twoPairsAvailable = true;
    Command1_Click();
}

std::int16_t Game::BatmosProtatlhmatos() const
{
    if (!controls_.checkedDifficulty)
        return 0;
    const int completed = session_.Level - 1;  // the level has already been advanced
    const double t = session_.SecondsLeft;
    double points = t;
    switch (*controls_.checkedDifficulty) {
    case Difficulty::Hard: points = (completed + 1) * t; break;
    case Difficulty::Normal: points = (completed - 1) * t; if (points == 0) points = t; break;
    case Difficulty::Easy: break;
    }
    return toInt16(points).value_or(0);
}

// ---- The ten-second help --------------------------------------------------

void Game::TenSecondsHelp()
{
    if (session_.Level == 1)
        session_.BonusEligible = false;
    setTimer(GameTimer::Clock, false);
    for (int i = 0; i < Board::SlotCount; ++i) {
        CardSlot& s = board_.slot(i);
        session_.SavedFaceState[i] = static_cast<std::int16_t>(s.faceVisible ? i : -5);
        s.faceVisible = true;
        s.backVisible = false;
    }
    session_.RevealTicks = 0;
    setTimer(GameTimer::Reveal, true);
    session_.Score -= 5;
    controls_.tenSecondsAvailable = false;
}

void Game::TIMER3_Timer()
{
    session_.RevealTicks += 1;
    if (session_.RevealTicks < 10)
        return;
    for (int i = 0; i < Board::SlotCount; ++i) {
        if (session_.SavedFaceState[i] > -3)
            board_.slot(i).showFaceUp();
        else
            board_.slot(i).showFaceDown();
    }
    setTimer(GameTimer::Clock, true);
    setTimer(GameTimer::Reveal, false);
}

// ---- Picture buttons ------------------------------------------------------

void Game::image6_MouseMove(int index)
{
    const bool available = index == 0   ? controls_.newGameAvailable
                           : index == 1 ? controls_.newChampionshipAvailable
                                        : controls_.stopAvailable;
    buttons_.image6_MouseMove(index, available);
}

// ---- Result screens and activation ----------------------------------------

void Game::WinScreenActivate()
{
    setTimer(GameTimer::Clock, false);
    controls_.mainWindowEnabled = false;
    if (session_.Mode != 0) {
        session_.Level += 1;
        session_.Score += BatmosProtatlhmatos();
    }
}

bool Game::LoseScreenActivate()
{
    setTimer(GameTimer::Clock, false);
    controls_.mainWindowEnabled = false;
    if (session_.Mode == 0) {
        session_.Score = 0;
        return true;
    }
    session_.Lives -= 1;
    if (session_.Lives > 0) {
        session_.Score = toInt16(session_.Score - 10.0).value_or(static_cast<std::int16_t>(session_.Score));
        return true;
    }
    if (isGreek())
        host_.showMessage("Δυστυχώς δεν κατάφερες να ολοκληρώσεις ολα τα επίπεδα.ΞΑΝΑΠΡΟΣΠΑΘΗΣΕ!!!",
                          "ΤΕΛΟΣ ΕΥΚΑΙΡΙΩΝ");
    else
        host_.showMessage("Sorry, you lose. TRY AGAIN!!!", "");
    session_.Mode = 0;
    controls_.panelEnabled = false;
    controls_.panelVisible = false;
    controls_.tenSecondsAvailable = true;
    controls_.twoPairsAvailable = true;
    controls_.panelCaptionsGrey = true;
    session_.Score = 0;
    session_.Lives = 0;
    session_.Level = 0;
    host_.closeLoseScreen();
    controls_.mainWindowEnabled = true;
    return false;
}

void Game::Form_Activate()
{
    controls_.boardEnabled = false;
    controls_.newChampionshipAvailable = true;
    controls_.newGameAvailable = true;
    controls_.stopAvailable = false;
    setMenus(true);
    NextStep();
}

void Game::NextStep()
{
    if (session_.Mode != 1) {
        // Entering the score in the best-score table comes with the tables.
        if (session_.Score > 0) {
            session_.SecondsLeft = 0;
            controls_.panelVisible = false;
        }
        return;
    }
    if (session_.Level > 6) {
        const Difficulty d = checkedDifficulty();
        session_.Score += d == Difficulty::Easy ? 50 : d == Difficulty::Hard ? 200 : 100;
        session_.Mode = 0;
        session_.Level = 0;
        session_.Lives = 0;
        controls_.panelEnabled = false;
        controls_.panelVisible = false;
        return;
    }
    Command1_Click();
}

}  // namespace vornel
