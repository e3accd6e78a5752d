#include "ui/main_window/MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QWindow>

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
#include "text/MainWindowCaptions.h"
#include "text/Messages.h"
#include "text/Profile.h"
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
    blocker_ = new InputBlocker(this);
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(500);
    timer2_ = new QTimer(this);
    timer2_->setObjectName("Timer2");
    timer2_->setInterval(1000);
    timer3_ = new QTimer(this);
    timer3_->setObjectName("Timer3");
    timer3_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
    connect(timer2_, &QTimer::timeout, this, &MainWindow::Timer2_Timer);
    connect(timer3_, &QTimer::timeout, this, &MainWindow::TIMER3_Timer);

    buildControls();
    buildMenus();
    buildAccessibility();
    colours_ = coloursShown();
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

QString MainWindow::caption(const char* name, int index) const
{
    return qs(captions_.caption(name, index));
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
void MainWindow::Form_Load()
{
    setWindowTitle(qs(std::string(ApplicationTitle)));
    if (!language_.UseGreek) {
        const TextCatalog catalog(shippedFile(DataFile::English));
        loadEnglishTexts(captions_, catalog, "ENGLISH1", mainWindowElementKeys());
    }
    applyCaptions();
    // The name label shows the caption it was given until a player is chosen.
    game_.setPlayerName(captions_.caption("Label50"));

    // The wallpaper covers the whole window, under the menu bar's strip. The
    // window takes its fixed size from its layout before it is first shown.
    layout()->activate();
    image1005_->setGeometry(0, px(340), frameGeometry().width(), frameGeometry().height());
    frame1_->resize(px(BoardPanelSize.width), px(BoardPanelSize.height));
    if (!fileExists(dataFile(DataFile::DefaultColours)))
        createDefaultColours();
    wallpapers_.GetPhotos();
    showWallpaperMenu();
    applyColoursFile();

    const SettingsRecords saved = readSettingsRecords(dataFile(DataFile::SingleScores));
    wallpapers_.setCurrentPath(saved.wallpaperPath);
    layOutBoard();
    if (saved.numbersHidden == 0)
        game_.toggleNumbers();
    wallpaperPending_ = wallpapers_.restore() == WallpaperView::Shown;
    showWallpaperMenu();
    cards_ = CardSettings::fromRecords(saved);
    switch (difficultyFromCode(saved.difficulty)) {
    case Difficulty::Easy:
        eykolo_Click();
        break;
    case Difficulty::Hard:
        dyskolo_Click();
        break;
    case Difficulty::Normal:
        kanoniko_Click();
        break;
    }
    game_.refreshBestScoresLine();
    switch (categoryFromCode(saved.category)) {
    case PictureCategory::Faces:
        pros_Click();
        break;
    case PictureCategory::Food:
        food_Click();
        break;
    case PictureCategory::Custom:
        CustomMenu_Click();
        break;
    case PictureCategory::Objects:
        antikeim_Click();
        break;
    }
    game_.enterSingleGameMode();
    createEndScreens();
    hide();
    showPlayerWindow();
    layOutBoard();
    showState();
}

// Closing saves what the player chose; it never refuses to close.
void MainWindow::Form_QueryUnload()
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
    connect(winScreen_, &WinScreen::dismissed, this, &MainWindow::takeWindowBack);
    loseScreen_ =
        new LoseScreen(host_, language_.UseGreek, folders_.shippedFolderOf(DataFile::LoseSound), pictures_, this, PlaySound);
    disableMainWhileUp(loseScreen_, enable);
    connect(loseScreen_, &LoseScreen::dismissed, this, &MainWindow::takeWindowBack);
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
    Form_QueryUnload();
    e->accept();
    Form_Unload();
}

void MainWindow::Form_Unload()
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

void MainWindow::Form_Activate()
{
    setBackground(label10_, form_->palette().color(QPalette::Window));
    statusBar_->update();
    game_.resumeAfterResult();
    showState();
}

void MainWindow::takeWindowBack()
{
    Form_Activate();
}

// ---- Board and new game ------------------------------------------------------------

void MainWindow::Label1_Click(int index)
{
    if (!game_.takesCardClick(index))
        return;
    const TurnOutcome outcome = game_.turnCard(index);
    showState();
    if (outcome == TurnOutcome::BoardComplete)
        showWinScreen();
}

void MainWindow::Label8_Click(int index)
{
    Label1_Click(index);
}

void MainWindow::image6_Click(int index)
{
    if (!game_.mainWindowEnabled())
        return;
    if ((index == 0 || index == 1) && game_.newGameAvailable())
        index == 0 ? Command1_Click() : Command5_Click();
    else if (index == 2 && game_.stopAvailable())
        Command2_Click();
}

void MainWindow::Label9_Click(int index)
{
    image6_Click(index);
}

void MainWindow::Command1_Click()
{
    game_.newGame();
    showState();
}

void MainWindow::Command5_Click()
{
    gggggg_Click();
}

void MainWindow::Command2_Click()
{
    if (game_.stop() == StopOutcome::ChampionshipStopped && loseScreen_)
        loseScreen_->unload();
    showState();
}

void MainWindow::newgame_Click()
{
    game_.hideChampionshipPanel();
    Command1_Click();
}

void MainWindow::ShowNUMBERS_Click()
{
    game_.toggleNumbers();
    showState();
}

// ---- Turns and timers ----------------------------------------------------------------

void MainWindow::Timer1_Timer()
{
    game_.flipBackTick();
    showState();
}

void MainWindow::Timer2_Timer()
{
    const ClockTick tick = game_.clockTick();
    showState();
    if (tick == ClockTick::TimeUp)
        showLoseScreen();
}

void MainWindow::TIMER3_Timer()
{
    game_.revealTick();
    showState();
}

// ---- Options --------------------------------------------------------------------------

void MainWindow::eykolo_Click()
{
    game_.chooseDifficulty(Difficulty::Easy);
    showState();
}

void MainWindow::kanoniko_Click()
{
    game_.chooseDifficulty(Difficulty::Normal);
    showState();
}

void MainWindow::dyskolo_Click()
{
    game_.chooseDifficulty(Difficulty::Hard);
    showState();
}

void MainWindow::antikeim_Click()
{
    game_.chooseBuiltInCategory(PictureCategory::Objects);
    showState();
}

void MainWindow::pros_Click()
{
    game_.chooseBuiltInCategory(PictureCategory::Faces);
    showState();
}

void MainWindow::food_Click()
{
    game_.chooseBuiltInCategory(PictureCategory::Food);
    showState();
}

// The player is asked until the set is complete or the answer is No; each
// Yes opens the custom picture window first.
void MainWindow::CustomMenu_Click()
{
    for (;;) {
        const CustomOutcome outcome = game_.applyCustom(customPictures());
        showState();
        if (outcome != CustomOutcome::ChooseNow)
            return;
        showCustomPictureWindow();
    }
}

void MainWindow::SetCustomIcon_Click()
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

void MainWindow::english_menu_Click()
{
    chooseEnglish(language_);
    showState();
}

void MainWindow::Greek_menu_Click()
{
    chooseGreek(language_);
    showState();
}

// ---- Colours and card size --------------------------------------------------------------

ColourValues MainWindow::coloursShown() const
{
    ColourValues c;
    c[ColourIndex::PlayerName] = colourValue(label50_->palette().color(QPalette::WindowText));
    c[ColourIndex::Score] = colourValue(label24_->palette().color(QPalette::WindowText));
    c[ColourIndex::Clock] = colourValue(label3_->palette().color(QPalette::WindowText));
    c[ColourIndex::Window] = colourValue(form_->palette().color(QPalette::Window));
    c[ColourIndex::Board] = colourValue(frame1_->palette().color(QPalette::Window));
    return c;
}

void MainWindow::applyColours(const ColourValues& c)
{
    colours_ = c;
    setTextColour(label50_, colourOf(c[ColourIndex::PlayerName], QPalette::WindowText));
    setTextColour(label24_, colourOf(c[ColourIndex::Score], QPalette::WindowText));
    setTextColour(label3_, colourOf(c[ColourIndex::Clock], QPalette::WindowText));
    setBackground(form_, colourOf(c[ColourIndex::Window]));
    setBackground(frame1_, colourOf(c[ColourIndex::Board]));
}

// Made once, from the design colours, for the Defaults of the settings window.
void MainWindow::createDefaultColours()
{
    writeDefaultColours(dataFile(DataFile::DefaultColours), defaultColoursOf(colours_, cards_.CardColour));
}

void MainWindow::applyColoursFile()
{
    if (const auto texts = readColoursFile(dataFile(DataFile::Colours)))
        applyColours(coloursFromFile(colours_, *texts));
}

void MainWindow::applyCardSettings()
{
    for (int i = 0; i < Board::SlotCount; ++i) {
        image9_[i]->resize(px(cards_.CardPictureWidth), px(cards_.CardPictureHeight));
        setBackground(image1_[i], colourOf(cards_.CardColour));
    }
    showState();
}

void MainWindow::EikSize_Click()
{
    auto* w = new SettingsWindow(colours_, cards_, dataFile(DataFile::Colours), dataFile(DataFile::DefaultColours), pictures_,
        language_.UseGreek, TextCatalog(shippedFile(DataFile::English)), this);
    disableMainWhileUp(w, [this](bool enabled) { setEnabledByWindow(enabled); });
    connect(w, &SettingsWindow::swatchesChanged, this, &MainWindow::LABEL20_Change);
    connect(w, &SettingsWindow::confirmed, this, [this](const ColourValues& swatches) {
        applyCardSettings();
        applyColours(swatches);
    });
    connect(w, &SettingsWindow::restoreColours, this, &MainWindow::applyColours);
    connect(w, &SettingsWindow::closed, this, &MainWindow::takeWindowBack);
    w->show();
}

// The settings window's swatches show on the window at once; a wallpaper
// keeps covering the background.
void MainWindow::LABEL20_Change(const ColourValues& swatches)
{
    const bool wallpaper = wallpaperShown();
    applyColours(livePreview(colours_, swatches, wallpaper));
    if (!wallpaper)
        setBackground(label10_, colourOf(swatches[ColourIndex::Window]));
}

// ---- Championship and helps ---------------------------------------------------------------

void MainWindow::gggggg_Click()
{
    const bool noWallpaper = wallpapers_.list().entry(0).checked;
    setBackground(label10_, (noWallpaper ? form_ : frame4_)->palette().color(QPalette::Window));
    game_.startChampionship();
    showState();
}

void MainWindow::Label11_Click(int index)
{
    if (!game_.mainWindowEnabled() || !game_.panelEnabled() || !game_.helps().labelEnabled.at(index))
        return;
    const bool complete = game_.useHelp(index);
    showState();
    if (complete)
        showWinScreen();
}

// ---- Players and scores ----------------------------------------------------------------------

void MainWindow::player_Click()
{
    game_.newPlayer();
    setEnabledByWindow(false);
    showPlayerWindow();
}

void MainWindow::showPlayerWindow()
{
    auto* w = new PlayerWindow(Players(dataFile(DataFile::Names)), host_, language_.UseGreek, pictures_, this);
    disableMainWhileUp(w, [this](bool enabled) { setEnabledByWindow(enabled); });
    connect(w, &PlayerWindow::confirmed, this, [this](const QString& name) {
        game_.setPlayerName(name.toStdString());
        setEnabledByWindow(true);
        show();
        activateWindow();
        started_ = true;
        takeWindowBack();
    });
    connect(w, &PlayerWindow::dismissed, this, [this] {
        if (!started_) {
            close();
            return;
        }
        setEnabledByWindow(true);
        takeWindowBack();
    });
    w->show();
}

void MainWindow::skorsTeam_Click()
{
    BestScoresWindow w(dataFile(DataFile::SingleScores), dataFile(DataFile::ChampionshipScores), host_, language_.UseGreek,
        TextCatalog(shippedFile(DataFile::English)), this);
    connect(&w, &BestScoresWindow::scoresDeleted, this, [this] {
        game_.refreshBestScoresLine();
        showState();
    });
    w.exec();
}

void MainWindow::exit_Click()
{
    close();
}

// ---- Help and About ---------------------------------------------------------------------------

void MainWindow::periexomena_Click()
{
    // The user's own manual wins over the shipped one.
    const std::filesystem::path own = folders_.data.toStdString(), shipped = folders_.shipped.toStdString();
    const std::optional<std::filesystem::path> help = periexomena(findHelpFile(own) ? own : shipped, host_);
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

void MainWindow::about_Click()
{
    auto* w = new AboutWindow(language_.UseGreek, pictures_, this);
    disableMainWhileUp(w, [this](bool enabled) { setEnabledByWindow(enabled); });
    w->move(frameGeometry().center() - w->rect().center());
    w->show();
}

// ---- The picture buttons' highlight and the pop-up menu ------------------------------------

void MainWindow::image6_MouseMove(int index)
{
    const bool available = index == 2 ? game_.stopAvailable() : game_.newGameAvailable();
    buttons_.highlight(index, available);
    showState();
}

void MainWindow::Label9_MouseMove(int index)
{
    image6_MouseMove(index);
}

void MainWindow::Form_MouseMove()
{
    buttons_.clearHighlight();
    showState();
}

void MainWindow::Form_MouseDown(Qt::MouseButton button, QPoint globalPosition)
{
    // The pop-up is the wallpaper menu itself: not while a game holds it disabled.
    if (button == Qt::RightButton && menu("tapetsaries")->menuAction()->isEnabled())
        menu("tapetsaries")->popup(globalPosition);
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
        takeWindowBack();
    }
}

}  // namespace vornel
