#include "game/Game.h"

#include <algorithm>

#include "game/CustomPictures.h"
#include "game/Numbers.h"
#include "text/Language.h"
#include "text/Messages.h"

namespace vornel {

Game::Game(Host& host, const Language& language, BestScores scores)
    : host_(host), language_(language), scores_(std::move(scores))
{
}

bool Game::greek() const
{
    return language_.UseGreek;
}

bool Game::takesCardClick(int index) const
{
    if (index < 0 || index >= Board::SlotCount || !playing_ || !mainWindowEnabled_)
        return false;
    // A face-up card covers its back and number.
    const CardSlot& s = board_.slot(index);
    return !s.faceVisible && s.takesClicks();
}

// ---- Board and new game -------------------------------------------------------

void Game::turnAllFaceDown()
{
    board_.turnAllFaceDown();
}

void Game::newGame()
{
    playing_ = true;
    host_.setBusyPointer(true);

    if (!session_.inChampionship()) {
        panelVisible_ = false;
        // Before start-up checks a difficulty the clock and score stay as they are.
        if (difficulty_) {
            const Allowance& a = allowance(*difficulty_);
            clock_.SecondsLeft = a.seconds;
            session_.Score = a.startingScore();
            clock_.PointsPerSecond = a.pointsPerSecond;
        }
    } else {
        clock_.SecondsLeft = championshipSeconds(
            championship_.Level, difficulty_.value_or(Difficulty::Normal), championship_.bonusApplies());
    }

    clock_.running = true;
    turnAllFaceDown();
    host_.randomize();
    board_.deal(pictures_, [this] { return host_.random(); });
    host_.setBusyPointer(false);
}

StopOutcome Game::stop()
{
    const bool championship = session_.inChampionship();
    const Bilingual& question = championship ? Messages::StopChampionship : Messages::StopGame;
    if (!host_.askYesNo(question.in(greek())))
        return StopOutcome::Declined;
    endGame(GameEnd::Stopped);
    return championship ? StopOutcome::ChampionshipStopped : StopOutcome::GameStopped;
}

void Game::abandon()
{
    if (playing_)
        endGame(GameEnd::Abandoned);
}

void Game::endGame(GameEnd how)
{
    if (helps_.revealRunning) {
        // The reveal ends first so the cards are put back as they were.
        helps_.RevealTicks = Helps::RevealSeconds + 5;
        revealTick();
    }
    clock_.running = false;
    playing_ = false;
    // A result screen the game ended under goes with it.
    resultShown_ = false;
    mainWindowEnabled_ = true;
    panelEnabled_ = false;
    panelVisible_ = false;
    if (session_.inChampionship()) {
        session_.mode = Mode::SingleGame;
        championship_.Level = 0;
        championship_.Lives = 0;
        helps_.available = {true, true};
    }
    session_.Score = 0;

    // A wrong pair still turning back when a result ends the game finishes
    // turning; a stopped game's board is cleared at once.
    switch (how) {
    case GameEnd::Stopped:
        turn_.flipBackRunning = false;
        clock_.reset();
        turnAllFaceDown();
        break;
    case GameEnd::Abandoned:
        turn_.flipBackRunning = false;
        break;
    case GameEnd::SingleGameWon:
        clock_.reset();
        break;
    case GameEnd::ChampionshipLost:
        panelCaptionsGrey_ = true;
        break;
    case GameEnd::SingleGameLost:
    case GameEnd::ChampionshipWon:
        break;
    }
}

void Game::toggleNumbers()
{
    numbersShown_ = !numbersShown_;
    board_.setNumbersShown(numbersShown_);
}

// ---- Turning cards ------------------------------------------------------------

TurnOutcome Game::turnCard(int index)
{
    if (session_.inChampionship())
        championship_.countOpening(index);
    const TurnOutcome outcome = turn_.turnCard(board_, index);
    if (outcome == TurnOutcome::WrongPair)
        startFlipBack();
    return checkBoardCleared() ? TurnOutcome::BoardComplete : outcome;
}

void Game::startFlipBack()
{
    mainWindowEnabled_ = false;
    turn_.flipBackRunning = true;
}

std::optional<std::pair<int, int>> Game::flipBackTick()
{
    mainWindowEnabled_ = false;
    const std::pair<int, int> pair = std::minmax(turn_.FirstCard, turn_.SecondCard);  // copied: the tick clears them
    if (!turn_.flipBackTick(board_))
        return std::nullopt;
    // A wrong pair still turning back when the time ran out leaves the
    // window to the lose screen.
    if (!resultShown_)
        mainWindowEnabled_ = true;
    return pair;
}

bool Game::checkBoardCleared()
{
    if (!board_.allMatched())
        return false;

    if (session_.inChampionship() && championship_.bonusToChoose()) {
        clock_.running = false;
        // There is no way out of the box but a level from 2 to 6.
        for (;;) {
            const std::string answer = host_.inputBox(Messages::BonusPrompt.in(greek()),
                std::string(Messages::BonusTitle), std::string(Messages::BonusDefault));
            if (const auto level = bonusLevelFrom(answer)) {
                championship_.BonusLevel = *level;
                break;
            }
        }
    }
    mainWindowEnabled_ = false;
    return true;
}

// ---- Clock, difficulty, pictures ------------------------------------------------

ClockTick Game::clockTick()
{
    return clock_.tick(session_);
}

void Game::chooseDifficulty(Difficulty d)
{
    difficulty_ = d;
}

void Game::chooseBuiltInCategory(PictureCategory c)
{
    category_ = c;
    pictures_ = builtInPictureSet(c);
}

CustomOutcome Game::applyCustom(const CustomPictures& custom)
{
    const Bilingual* question = !custom.allDifferent() ? &Messages::CustomNotDifferent
        : custom.firstEmptySlot()                 ? &Messages::CustomIncomplete
                                                  : nullptr;
    if (question)
        return host_.askYesNo(question->in(greek())) ? CustomOutcome::ChooseNow : CustomOutcome::Declined;
    category_ = PictureCategory::Custom;
    pictures_ = custom.pictureSet();
    return CustomOutcome::Applied;
}

// ---- Championship -----------------------------------------------------------------

void Game::startChampionship()
{
    helps_.offer();
    panelEnabled_ = true;
    panelVisible_ = true;
    session_.Score = 0;
    host_.processEvents();
    championship_.prepareBonus();
    host_.showMessage(Messages::ChampionshipNote.in(greek()));
    championship_.Level = 1;
    championship_.Lives = Championship::StartingLives;
    session_.mode = Mode::Championship;
    helps_.available = {true, true};
    newGame();
}

std::int16_t Game::levelPoints() const
{
    return championship_.levelPoints(difficulty_, clock_.SecondsLeft);
}

void Game::levelWon()
{
    clock_.running = false;
    mainWindowEnabled_ = false;
    resultShown_ = true;
    if (session_.inChampionship()) {
        championship_.Level += 1;
        session_.Score += levelPoints();
    }
}

LossOutcome Game::levelLost()
{
    clock_.running = false;
    mainWindowEnabled_ = false;
    resultShown_ = true;
    if (!session_.inChampionship()) {
        session_.Score = 0;
        return LossOutcome::SingleGameLost;
    }
    championship_.Lives -= 1;
    if (championship_.Lives > 0) {
        session_.Score = toInt16(session_.Score - double(Championship::LostLevelPenalty)).value_or(session_.Score);
        return LossOutcome::LifeLost;
    }
    host_.showMessage(Messages::ChampionshipLost.in(greek()), Messages::ChampionshipLostTitle.in(greek()));
    endGame(GameEnd::ChampionshipLost);
    return LossOutcome::ChampionshipOver;
}

ResultStep Game::resumeAfterResult()
{
    if (!playing_)
        return resultStep();
    playing_ = false;
    resultShown_ = false;
    const ResultStep step = resultStep();
    if (step == ResultStep::Nothing)
        endGame(GameEnd::SingleGameLost);
    return step;
}

ResultStep Game::resultStep()
{
    if (!session_.inChampionship()) {
        if (session_.Score <= 0)
            return ResultStep::Nothing;
        enterBestScore();
        refreshBestScoresLine();
        endGame(GameEnd::SingleGameWon);
        return ResultStep::ScoreRecorded;
    }
    if (championship_.allLevelsWon()) {
        if (difficulty_)
            session_.Score += allowance(*difficulty_).finalBonus;
        enterBestScore();
        refreshBestScoresLine();
        endGame(GameEnd::ChampionshipWon);
        return ResultStep::ChampionshipComplete;
    }
    newGame();
    return ResultStep::LevelDealt;
}

// ---- Helps -------------------------------------------------------------------------

bool Game::useHelp(int index)
{
    if (helps_.revealRunning)
        return false;
    helps_.markUsed(index);
    if (index == Helps::TenSeconds) {
        revealAllFaces();
        return false;
    }
    return solveTwoPairs();
}

void Game::revealAllFaces()
{
    championship_.helpUsed();
    clock_.running = false;
    helps_.reveal(board_);
    session_.Score -= Helps::Cost;
    helps_.available[Helps::TenSeconds] = false;
}

void Game::revealTick()
{
    if (helps_.revealTick(board_))
        clock_.running = true;
}

bool Game::solveTwoPairs()
{
    championship_.helpUsed();
    if (helps_.revealRunning)
        return false;
    clock_.running = false;
    turn_.flipBackRunning = false;

    bool complete = false;
    for (int pair = 0; pair < 2; ++pair) {
        // A board completed by the first pair leaves nothing to draw.
        const bool anyFaceDown = std::any_of(board_.cards().begin(), board_.cards().end(),
            [](const CardSlot& s) { return !s.isFaceUp(); });
        if (!anyFaceDown)
            break;
        int r;
        do {
            r = Board::randomSlot(host_.random());
        } while (board_.slot(r).isFaceUp());
        solvePairOf(r);
        complete = checkBoardCleared() || complete;
        host_.processEvents();
    }

    helps_.available[Helps::TwoPairs] = false;
    session_.Score -= Helps::Cost;
    clock_.running = true;
    return complete;
}

void Game::solvePairOf(int r)
{
    auto solve = [this](int i) {
        CardSlot& s = board_.slot(i);
        s.backVisible = false;
        s.faceEnabled = false;
        s.faceVisible = true;
    };
    solve(r);
    for (int j = 0; j < Board::SlotCount; ++j) {
        if (!board_.sameImage(j, r))
            continue;
        const CardSlot& s = board_.slot(j);
        if (!s.isFaceUp()) {
            solve(j);
            break;
        }
        if (s.isOpen()) {
            solve(j);
            turn_.FirstCard = 0;
        }
    }
}

// ---- Scores -----------------------------------------------------------------------------

void Game::enterBestScore()
{
    const std::string& name = session_.PlayerName;
    const std::string score = std::to_string(session_.Score);
    const std::filesystem::path& file = scores_.file(session_.mode);

    ScoreTable table = readScoreTable(file);
    const std::optional<int> place = BestScores::placeFor(table, toInt16(score).value_or(0));
    if (place) {
        BestScores::enter(table, *place, score, name);
        // The place is only announced once it is on disk.
        if (const SaveResult saved = writeScoreTable(file, table)) {
            host_.showMessage(Messages::newBestScore(greek(), name, *place, score));
            refreshBestScoresLine();
        } else {
            host_.showMessage(Messages::bestScoreNotSaved(greek(), saved.failure()));
        }
    } else {
        host_.showMessage(Messages::noBestScore(greek(), score));
    }
    session_.Score = 0;
}

void Game::refreshBestScoresLine()
{
    statusLine_ = scores_.bestScoresLine(greek());
}

}  // namespace vornel
