#include "ui/main_window/MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <utility>

#include "platform/DesktopHost.h"
#include "platform/InputBlocker.h"
#include "platform/LanguageStore.h"
#include "game/CustomPictures.h"
#include "game/HelpFile.h"
#include "game/SavedSettings.h"
#include "game/SettingsEdit.h"
#include "platform/Sound.h"
#include "storage/DataFiles.h"
#include "storage/SafeFile.h"
#include "storage/SettingsRecords.h"
#include "text/AccessibleNames.h"
#include "text/MainWindowCaptions.h"
#include "text/Messages.h"
#include "text/Profile.h"
#include "ui/main_window/BoardKeyboard.h"
#include "ui/shared/Accessible.h"
#include "ui/shared/ClickLabel.h"
#include "ui/shared/ColourValues.h"
#include "ui/windows/EndScreen.h"
#include "ui/windows/WinScreen.h"
#include "ui/windows/LoseScreen.h"
#include "ui/windows/CustomPicturesWindow.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/BestScoresWindow.h"
#include "ui/windows/PlayerWindow.h"
#include "ui/windows/SettingsWindow.h"
#include "ui/windows/HelpWindow.h"
#include "ui/main_window/StatusBar.h"
#include "ui/shared/Twips.h"
#include "ui/shared/Widgets.h"
#include "ui/shared/WindowLock.h"

namespace vornel {

using namespace widgets;

namespace {
std::filesystem::path fileIn(const QString& folder, const char* name)
{
    return std::filesystem::path(folder.toStdString()) / name;
}

// Runs `then` from the event loop once `window` has been painted for the
// first time, so that it never holds that paint; nothing if `context` goes
// first.
void afterFirstPaint(QWidget* window, QObject* context, std::function<void()> then)
{
    class Watch : public QObject {
    public:
        Watch(QWidget* window, QObject* context, std::function<void()> then)
            : QObject(window), context_(context), then_(std::move(then))
        {
            window->installEventFilter(this);
        }

    protected:
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint && then_) {
                QTimer::singleShot(0, context_, std::exchange(then_, {}));
                deleteLater();
            }
            return false;
        }

    private:
        QObject* context_;
        std::function<void()> then_;
    };
    new Watch(window, context, std::move(then));
}
}  // namespace

MainWindow::MainWindow(DesktopHost& host, bool useGreek, DataFolders folders, QWidget* parent)
    : QMainWindow(parent),
      host_(host),
      folders_(std::move(folders)),
      language_{useGreek},
      captions_(mainWindowCaptions()),
      game_(host, language_,
          BestScores(
              fileIn(folders_.data, DataFile::SingleScores), fileIn(folders_.data, DataFile::ChampionshipScores)))
{
    setObjectName("MainWindow");
    useDesignPalette(this);
    blocker_ = new InputBlocker(this);
    flipBackTimer_ = new QTimer(this);
    flipBackTimer_->setObjectName("flipBackTimer");
    flipBackTimer_->setInterval(500);
    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName("clockTimer");
    clockTimer_->setInterval(1000);
    revealTimer_ = new QTimer(this);
    revealTimer_->setObjectName("revealTimer");
    revealTimer_->setInterval(1000);
    connect(flipBackTimer_, &QTimer::timeout, this, &MainWindow::onFlipBackTick);
    connect(clockTimer_, &QTimer::timeout, this, &MainWindow::onClockTick);
    connect(revealTimer_, &QTimer::timeout, this, &MainWindow::onRevealTick);

    colours_ = designColours();
    host_.setFallbackParent(this);
    // Boxes and event runs in the middle of a handler see the state as it is.
    host_.setBeforeWaiting([this] { showState(); });
}

MainWindow::~MainWindow()
{
    host_.setBeforeWaiting({});
    // The windows it opened go first, while this one can still take them back.
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isWindow())
            delete w;
}

QAction* MainWindow::item(const char* name) const
{
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* MainWindow::menu(const char* name) const
{
    auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : it->second;
}

QString MainWindow::caption(const QString& widget) const
{
    const std::string name = widget.toStdString();
    for (const ControlCaption& c : captions_.controls())
        if (c.widget == name)
            return qs(c.caption);
    return {};
}

void MainWindow::setEnabledByWindow(bool enabled)
{
    game_.setMainWindowEnabled(enabled);
    showState();
}

// ---- Start-up and closing ---------------------------------------------------

std::filesystem::path MainWindow::dataFile(const char* name) const
{
    return fileIn(folders_.data, name);
}

std::filesystem::path MainWindow::shippedFile(const char* name) const
{
    return folders_.shippedFile(name).toStdString();
}

// Start-up, in a fixed order. A step that fails leaves its defaults and the
// next one runs.
void MainWindow::start()
{
    setWindowTitle(qs(std::string(ApplicationTitle)));
    if (!language_.UseGreek) {
        const TextCatalog catalog(shippedFile(DataFile::English));
        loadEnglishTexts(captions_, catalog, "ENGLISH1", mainWindowElementKeys());
    }
    // The name label shows the caption it was given until a player is chosen.
    game_.setPlayerName(caption("playerNameLabel").toStdString());

    if (!fileExists(dataFile(DataFile::DefaultColours)))
        createDefaultColours();
    wallpapers_.loadBuiltInWallpapers();
    applyColoursFile();

    const SettingsRecords saved = readSettingsRecords(dataFile(DataFile::SingleScores));
    wallpapers_.setCurrentPath(saved.wallpaperPath);
    if (saved.numbersHidden == 0)
        game_.toggleNumbers();
    wallpaperPending_ = wallpapers_.restore() == WallpaperView::Shown;
    cards_ = CardSettings::fromRecords(saved);
    applyDifficulty(difficultyFromCode(saved.difficulty));
    game_.refreshBestScoresLine();
    const PictureCategory category = categoryFromCode(saved.category);
    // The player's own pictures may ask and open their window over this one
    // before the player window: then this one is built for them.
    if (category == PictureCategory::Custom)
        build();
    applyCategory(category);
    game_.enterSingleGameMode();
    hide();
    PlayerWindow* player = showPlayerWindow();
    // The rest is built while the player reads the player window.
    if (!built_)
        afterFirstPaint(player, this, [this] { build(); });
    showState();
}

void MainWindow::build()
{
    if (built_)
        return;
    built_ = true;
    buildControls();
    buildMenus();
    buildAccessibility();
    applyCaptions();
    // The wallpaper covers the whole window, under the menu bar's strip. The
    // window takes its fixed size from its layout before it is first shown.
    layout()->activate();
    wallpaper_->setGeometry(0, px(340), frameGeometry().width(), frameGeometry().height());
    board_->resize(px(BoardPanelSize.width), px(BoardPanelSize.height));
    applyColours(colours_);
    showWallpaperMenu();
    layOutBoard();
    createEndScreens();
    showState();
}

// Closing saves what the player chose; it never refuses to close.
void MainWindow::saveSettings()
{
    wallpapers_.saveUserEntries();
    SettingsRecords saved = readSettingsRecords(dataFile(DataFile::SingleScores));
    cards_.toRecords(saved);
    saved.difficulty = difficultyCode(game_.difficulty());
    saved.category = categoryCode(game_.category());
    saved.wallpaperPath = wallpapers_.currentPath();
    saved.numbersHidden = game_.NumbersHidden();
    writeSettingsRecords(dataFile(DataFile::SingleScores), saved);
    LanguageStore::save(language_.UseGreek);
}

void MainWindow::createEndScreens()
{
    auto enable = [this](bool enabled) { setEnabledByWindow(enabled); };
    winScreen_ = new WinScreen(language_.UseGreek, folders_.shippedFolderOf(DataFile::WinSound), pictures_, this, PlaySound);
    disableMainWhileUp(winScreen_, enable);
    connect(winScreen_, &WinScreen::dismissed, this, &MainWindow::onWindowGivenBack);
    loseScreen_ = new LoseScreen(host_, language_.UseGreek, folders_.shippedFolderOf(DataFile::LoseSound), pictures_, this, PlaySound);
    disableMainWhileUp(loseScreen_, enable);
    connect(loseScreen_, &LoseScreen::dismissed, this, &MainWindow::onWindowGivenBack);
}

// The window's pictures and the saved wallpaper wait for its first showing:
// at start-up the player window comes first, and nobody sees them before.
void MainWindow::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!picturesShown_) {
        picturesShown_ = true;
        showCardBacks();
        showState();
        connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::redrawForScreen);
    }
    if (wallpaperPending_)
        showWallpaper(WallpaperView::Shown);
}

// Moved to a screen of another density, the pictures are drawn again from
// their art rather than stretched.
void MainWindow::redrawForScreen()
{
    showCardBacks();
    showState();
    if (wallpaperShown())
        showWallpaper(WallpaperView::Shown);
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    saveSettings();
    e->accept();
    game_.abandon();
    showState();
    closeOtherWindows();
    // Qt ends the program when its last shown window closes; closed from the
    // player window at start-up, this one was never shown.
    QCoreApplication::quit();
}

void MainWindow::closeOtherWindows()
{
    // An end screen still up goes quietly: dismissing it would play on.
    for (QWidget* w : {static_cast<QWidget*>(winScreen_), static_cast<QWidget*>(loseScreen_)})
        if (w)
            w->hide();
    for (const char* name : {"SettingsWindow", "PaletteWindow", "PlayerWindow", "WinScreen", "LoseScreen", "CustomPicturesWindow", "AboutWindow", "AddWallpaperWindow", "RemoveWallpaperWindow"})
        for (QWidget* w : findChildren<QWidget*>(name))
            if (w->isWindow() && w->isVisible())
                w->close();
}

// ---- Activation -----------------------------------------------------------------

void MainWindow::onWindowGivenBack()
{
    setBackgroundWithText(championshipHeading_, clientArea_->palette().color(QPalette::Window));
    statusBar_->update();
    game_.resumeAfterResult();
    showState();
}

// ---- Board and new game ------------------------------------------------------------

void MainWindow::onCardClicked(int index)
{
    if (!game_.takesCardClick(index))
        return;
    const TurnOutcome outcome = game_.turnCard(index);
    showState();
    const bool greek = language_.UseGreek;
    readTurn(index, outcome == TurnOutcome::Opened ? std::string()
            : outcome == TurnOutcome::WrongPair    ? AccessibleNames::WrongPair.in(greek)
                                                   : AccessibleNames::PairFound.in(greek));
    if (outcome == TurnOutcome::BoardComplete)
        showWinScreen();
}

// New game, New championship, Stop.
void MainWindow::onPictureButtonClicked(int index)
{
    if (!game_.mainWindowEnabled())
        return;
    if ((index == 0 || index == 1) && game_.newGameAvailable())
        index == 0 ? startNewGame() : startChampionship();
    else if (index == 2 && game_.stopAvailable())
        stopGame();
}

void MainWindow::startNewGame()
{
    game_.newGame();
    showState();
}

void MainWindow::stopGame()
{
    if (game_.stop() == StopOutcome::ChampionshipStopped && loseScreen_)
        loseScreen_->unload();
    showState();
}

void MainWindow::onNewGameChosen()
{
    game_.hideChampionshipPanel();
    startNewGame();
}

void MainWindow::onShowNumbersChosen()
{
    game_.toggleNumbers();
    showState();
}

// ---- Turns and timers ----------------------------------------------------------------

void MainWindow::onFlipBackTick()
{
    const auto turnedBack = game_.flipBackTick();
    showState();
    if (turnedBack) {
        const auto [first, second] = *turnedBack;
        // Read with the card the keys are on, when it is one of the two.
        const int keys = keyboard_->focus().index();
        readTurn(keys == first || keys == second ? keys : second,
            AccessibleNames::turnedBack(language_.UseGreek, first + 1, second + 1));
    }
}

void MainWindow::onClockTick()
{
    const ClockTick tick = game_.clockTick();
    showState();
    if (tick == ClockTick::TimeUp)
        showLoseScreen();
}

void MainWindow::onRevealTick()
{
    game_.revealTick();
    showState();
}

// ---- Options --------------------------------------------------------------------------

void MainWindow::applyDifficulty(Difficulty difficulty)
{
    game_.chooseDifficulty(difficulty);
    showState();
}

// For the player's own pictures the player is asked until the set is
// complete or the answer is No; each Yes opens the custom picture window first.
void MainWindow::applyCategory(PictureCategory category)
{
    if (category != PictureCategory::Custom) {
        game_.chooseBuiltInCategory(category);
        showState();
        return;
    }
    for (;;) {
        const CustomOutcome outcome = game_.applyCustom(customPictures());
        showState();
        if (outcome != CustomOutcome::ChooseNow)
            return;
        showCustomPictureWindow();
    }
}

void MainWindow::onChoosePicturesChosen()
{
    showCustomPictureWindow();
}

CustomPictures& MainWindow::customPictures()
{
    if (!custom_) {
        custom_ = std::make_unique<CustomPictures>(dataFile(DataFile::CustomImages), pictures_, host_, language_);
        custom_->load();
    }
    return *custom_;
}

void MainWindow::showCustomPictureWindow()
{
    {
        CustomPicturesWindow w(customPictures(), game_, cards_, pictures_, language_.UseGreek,
            TextCatalog(shippedFile(DataFile::English)), this);
        w.exec();
    }
    // However it closed, the window's state goes with it.
    custom_.reset();
    showState();
}

void MainWindow::onEnglishChosen()
{
    chooseEnglish(language_);
    showState();
}

void MainWindow::onGreekChosen()
{
    chooseGreek(language_);
    showState();
}

// ---- Colours and card size --------------------------------------------------------------

// The window's own colours, before any the player chose.
ColourValues MainWindow::designColours()
{
    ColourValues c;
    c[ColourIndex::PlayerName] = colourValue(QColor(0, 0, 128));
    c[ColourIndex::Score] = colourValue(QColor(128, 0, 0));
    c[ColourIndex::Clock] = colourValue(QColor(0, 0, 0));
    c[ColourIndex::Window] = colourValue(WindowColour);
    c[ColourIndex::Board] = colourValue(BoardColour);
    return c;
}

void MainWindow::applyColours(const ColourValues& c)
{
    colours_ = c;
    setTextColour(playerNameLabel_, colourOf(c[ColourIndex::PlayerName], QPalette::WindowText));
    setTextColour(scoreLabel_, colourOf(c[ColourIndex::Score], QPalette::WindowText));
    setTextColour(clockLabel_, colourOf(c[ColourIndex::Clock], QPalette::WindowText));
    setBackground(clientArea_, colourOf(c[ColourIndex::Window]));
    setBackground(board_, colourOf(c[ColourIndex::Board]));
}

// Made once, from the design colours, for the Defaults of the settings window.
void MainWindow::createDefaultColours()
{
    writeDefaultColours(dataFile(DataFile::DefaultColours), defaultColoursOf(colours_, cards_.CardColour));
}

// Shown when the window is built.
void MainWindow::applyColoursFile()
{
    if (const auto texts = readColoursFile(dataFile(DataFile::Colours)))
        colours_ = coloursFromFile(colours_, *texts);
}

void MainWindow::applyCardSettings()
{
    for (int i = 0; i < Board::SlotCount; ++i) {
        cardFaces_[i]->resize(px(cards_.CardPictureWidth), px(cards_.CardPictureHeight));
        setBackground(cardFrames_[i], colourOf(cards_.CardColour));
    }
    showState();
}

void MainWindow::onSettingsChosen()
{
    auto* w = new SettingsWindow(colours_, cards_, dataFile(DataFile::Colours), dataFile(DataFile::DefaultColours), pictures_,
        language_.UseGreek, TextCatalog(shippedFile(DataFile::English)), this);
    disableMainWhileUp(w, [this](bool enabled) { setEnabledByWindow(enabled); });
    connect(w, &SettingsWindow::swatchesChanged, this, &MainWindow::onSwatchesChanged);
    connect(w, &SettingsWindow::confirmed, this, [this](const ColourValues& swatches) {
        applyCardSettings();
        applyColours(swatches);
    });
    connect(w, &SettingsWindow::restoreColours, this, &MainWindow::applyColours);
    connect(w, &SettingsWindow::closed, this, &MainWindow::onWindowGivenBack);
    w->show();
}

// A wallpaper keeps covering the background.
void MainWindow::onSwatchesChanged(const ColourValues& swatches)
{
    const bool wallpaper = wallpaperShown();
    applyColours(livePreview(colours_, swatches, wallpaper));
    if (!wallpaper)
        setBackgroundWithText(championshipHeading_, colourOf(swatches[ColourIndex::Window]));
}

// ---- Championship and helps ---------------------------------------------------------------

void MainWindow::startChampionship()
{
    const bool noWallpaper = wallpapers_.list().entry(0).checked;
    setBackgroundWithText(championshipHeading_, (noWallpaper ? clientArea_ : championshipPanel_)->palette().color(QPalette::Window));
    game_.startChampionship();
    showState();
}

void MainWindow::onHelpClicked(int index)
{
    if (!game_.mainWindowEnabled() || !game_.panelEnabled() || !game_.helps().labelEnabled.at(index))
        return;
    const bool complete = game_.useHelp(index);
    showState();
    if (complete)
        showWinScreen();
}

// ---- Players and scores ----------------------------------------------------------------------

void MainWindow::onNewPlayerChosen()
{
    game_.newPlayer();
    setEnabledByWindow(false);
    showPlayerWindow();
}

PlayerWindow* MainWindow::showPlayerWindow()
{
    auto* w = new PlayerWindow(Players(dataFile(DataFile::Names)), host_, language_.UseGreek, pictures_, this);
    disableMainWhileUp(w, [this](bool enabled) { setEnabledByWindow(enabled); });
    connect(w, &PlayerWindow::confirmed, this, [this](const QString& name) {
        // A name confirmed at once does not wait for the window's building.
        build();
        game_.setPlayerName(name.toStdString());
        setEnabledByWindow(true);
        show();
        activateWindow();
        started_ = true;
        onWindowGivenBack();
    });
    connect(w, &PlayerWindow::dismissed, this, [this] {
        if (!started_) {
            close();
            return;
        }
        setEnabledByWindow(true);
        onWindowGivenBack();
    });
    w->show();
    return w;
}

void MainWindow::onBestScoresChosen()
{
    BestScoresWindow w(dataFile(DataFile::SingleScores), dataFile(DataFile::ChampionshipScores), host_, language_.UseGreek,
        TextCatalog(shippedFile(DataFile::English)), this);
    connect(&w, &BestScoresWindow::scoresDeleted, this, [this] {
        game_.refreshBestScoresLine();
        showState();
    });
    w.exec();
}

void MainWindow::onExitChosen()
{
    close();
}

// ---- Help and About ---------------------------------------------------------------------------

void MainWindow::onHelpContentsChosen()
{
    // The user's own manual wins over the shipped one.
    const std::filesystem::path own = folders_.data.toStdString(), shipped = folders_.shipped.toStdString();
    const std::optional<std::filesystem::path> help = findHelpFile(findHelpFile(own) ? own : shipped, host_);
    if (!help)
        return;
    auto* w = findChild<HelpWindow*>("HelpWindow", Qt::FindDirectChildrenOnly);
    if (!w)
        w = new HelpWindow(language_.UseGreek, this);
    w->openFile(qs(help->string()), language_.UseGreek);
    w->show();
    w->raise();
    w->activateWindow();
}

void MainWindow::onAboutChosen()
{
    auto* w = new AboutWindow(language_.UseGreek, pictures_, this);
    disableMainWhileUp(w, [this](bool enabled) { setEnabledByWindow(enabled); });
    w->move(frameGeometry().center() - w->rect().center());
    w->show();
}

// ---- The picture buttons' highlight and the pop-up menu ------------------------------------

void MainWindow::onPointerOverButton(int index)
{
    const bool available = index == 2 ? game_.stopAvailable() : game_.newGameAvailable();
    buttonHighlight_.highlight(index, available);
    showState();
}

void MainWindow::onPointerOverBackground()
{
    buttonHighlight_.clearHighlight();
    showState();
}

void MainWindow::onBackgroundRightClicked(QPoint globalPosition)
{
    // The pop-up is the wallpaper menu itself: not while a game holds it disabled.
    if (menu("wallpapersMenu")->menuAction()->isEnabled())
        menu("wallpapersMenu")->popup(globalPosition);
}

// ---- The result screens ------------------------------------------------------------------------

void MainWindow::showWinScreen()
{
    if (!winScreen_)
        return;
    const bool championship = game_.session().inChampionship();
    const int level = game_.championship().Level;
    placeFromMain(winScreen_, this, 2250, 1650);
    game_.levelWon();
    showState();
    winScreen_->showWon(championship ? std::optional<int>(level) : std::nullopt);
}

void MainWindow::showLoseScreen()
{
    if (!loseScreen_)
        return;
    placeFromMain(loseScreen_, this, 2250, 1650);
    loseScreen_->showLost();
    const LossOutcome outcome = game_.levelLost();
    showState();
    if (outcome == LossOutcome::LifeLost) {
        loseScreen_->showTryAgain(game_.championship().Level);
    } else if (outcome == LossOutcome::ChampionshipOver) {
        loseScreen_->unload();
        onWindowGivenBack();
    }
}

}  // namespace vornel
