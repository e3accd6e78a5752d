#include "ui/Form1.h"

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
#include "ui/ClickLabel.h"
#include "ui/ColourValues.h"
#include "ui/EndScreen.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/Form5.h"
#include "ui/Form50.h"
#include "ui/Form6.h"
#include "ui/Form8.h"
#include "ui/HelpWindow.h"
#include "ui/StatusBar.h"
#include "ui/Twips.h"
#include "ui/Widgets.h"
#include "ui/WindowLock.h"

namespace vornel {

using namespace widgets;

namespace {
std::filesystem::path fileIn(const QString& folder, const char* name)
{
    return std::filesystem::path(folder.toStdString()) / name;
}
}  // namespace

Form1::Form1(DesktopHost& host, bool useGreek, DataFolders folders, QWidget* parent)
    : QMainWindow(parent),
      host_(host),
      folders_(std::move(folders)),
      language_{useGreek},
      captions_(mainWindowCaptions()),
      game_(host, language_,
          BestScores(
              fileIn(folders_.data, DataFile::SingleScores), fileIn(folders_.data, DataFile::ChampionshipScores)))
{
    setObjectName("Form1");
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
    connect(timer1_, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(timer2_, &QTimer::timeout, this, &Form1::Timer2_Timer);
    connect(timer3_, &QTimer::timeout, this, &Form1::TIMER3_Timer);

    buildControls();
    buildMenus();
    buildAccessibility();
    colours_ = coloursShown();
    host_.setFallbackParent(this);
    // Boxes and event runs in the middle of a handler see the state as it is.
    host_.setBeforeWaiting([this] { showState(); });
}

Form1::~Form1()
{
    host_.setBeforeWaiting({});
    // The windows it opened go first, while this one can still take them back.
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isWindow())
            delete w;
}

QAction* Form1::item(const char* name) const
{
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* Form1::menu(const char* name) const
{
    auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : it->second;
}

QString Form1::caption(const char* name, int index) const
{
    return qs(captions_.caption(name, index));
}

void Form1::setEnabledByWindow(bool enabled)
{
    game_.setMainWindowEnabled(enabled);
    showState();
}

// ---- Start-up and closing ---------------------------------------------------

std::filesystem::path Form1::dataFile(const char* name) const
{
    return fileIn(folders_.data, name);
}

std::filesystem::path Form1::shippedFile(const char* name) const
{
    return folders_.shippedFile(name).toStdString();
}

// Start-up, in a fixed order. A step that fails leaves its defaults and the
// next one runs.
void Form1::Form_Load()
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
    game_.Protos();
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
void Form1::Form_QueryUnload()
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

void Form1::createEndScreens()
{
    auto enable = [this](bool enabled) { setEnabledByWindow(enabled); };
    form2_ = new Form2(language_.UseGreek, folders_.shippedFolderOf(DataFile::WinSound), pictures_, this, PlaySound);
    disableMainWhileUp(form2_, enable);
    connect(form2_, &Form2::dismissed, this, &Form1::RestoreSettings);
    form3_ =
        new Form3(host_, language_.UseGreek, folders_.shippedFolderOf(DataFile::LoseSound), pictures_, this, PlaySound);
    disableMainWhileUp(form3_, enable);
    connect(form3_, &Form3::dismissed, this, &Form1::RestoreSettings);
}

// The window's pictures and the saved wallpaper wait for its first showing:
// at start-up the player window comes first, and nobody sees them before.
void Form1::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!picturesShown_) {
        picturesShown_ = true;
        showCardBacks();
        showState();
        connect(windowHandle(), &QWindow::screenChanged, this, &Form1::redrawForScreen);
    }
    if (wallpaperPending_)
        showWallpaper(WallpaperView::Shown);
}

// Moved to a screen of another density, the pictures are drawn again from
// their art rather than stretched.
void Form1::redrawForScreen()
{
    showCardBacks();
    showState();
    if (wallpaperShown())
        showWallpaper(WallpaperView::Shown);
}

void Form1::closeEvent(QCloseEvent* e)
{
    Form_QueryUnload();
    e->accept();
    Form_Unload();
}

void Form1::Form_Unload()
{
    // An end screen still up goes quietly: dismissing it would play on.
    for (QWidget* w : {static_cast<QWidget*>(form2_), static_cast<QWidget*>(form3_)})
        if (w)
            w->hide();
    for (const char* name : {"Form8", "Form91", "Form6", "Form2", "Form3", "Form4", "Form5", "Form10", "Form11"})
        for (QWidget* w : findChildren<QWidget*>(name))
            if (w->isWindow() && w->isVisible())
                w->close();
}

// ---- Activation -----------------------------------------------------------------

void Form1::Form_Activate()
{
    setBackground(label10_, form_->palette().color(QPalette::Window));
    statusBar_->update();
    game_.RestoreSettings();
    showState();
}

void Form1::RestoreSettings()
{
    Form_Activate();
}

// ---- Board and new game ------------------------------------------------------------

void Form1::Label1_Click(int index)
{
    if (!game_.takesCardClick(index))
        return;
    const TurnOutcome outcome = game_.klik(index);
    showState();
    if (outcome == TurnOutcome::BoardComplete)
        showWinScreen();
}

void Form1::Label8_Click(int index)
{
    Label1_Click(index);
}

void Form1::image6_Click(int index)
{
    if (!game_.mainWindowEnabled())
        return;
    if ((index == 0 || index == 1) && game_.newGameAvailable())
        index == 0 ? Command1_Click() : Command5_Click();
    else if (index == 2 && game_.stopAvailable())
        Command2_Click();
}

void Form1::Label9_Click(int index)
{
    image6_Click(index);
}

void Form1::Command1_Click()
{
    game_.newGame();
    showState();
}

void Form1::Command5_Click()
{
    gggggg_Click();
}

void Form1::Command2_Click()
{
    if (game_.stop() == StopOutcome::ChampionshipStopped && form3_)
        form3_->unload();
    showState();
}

void Form1::newgame_Click()
{
    game_.hideChampionshipPanel();
    Command1_Click();
}

void Form1::ShowNUMBERS_Click()
{
    game_.toggleNumbers();
    showState();
}

// ---- Turns and timers ----------------------------------------------------------------

void Form1::Timer1_Timer()
{
    game_.flipBackTick();
    showState();
}

void Form1::Timer2_Timer()
{
    const ClockTick tick = game_.clockTick();
    showState();
    if (tick == ClockTick::TimeUp)
        showLoseScreen();
}

void Form1::TIMER3_Timer()
{
    game_.revealTick();
    showState();
}

// ---- Options --------------------------------------------------------------------------

void Form1::eykolo_Click()
{
    game_.chooseDifficulty(Difficulty::Easy);
    showState();
}

void Form1::kanoniko_Click()
{
    game_.chooseDifficulty(Difficulty::Normal);
    showState();
}

void Form1::dyskolo_Click()
{
    game_.chooseDifficulty(Difficulty::Hard);
    showState();
}

void Form1::antikeim_Click()
{
    game_.chooseBuiltInCategory(PictureCategory::Objects);
    showState();
}

void Form1::pros_Click()
{
    game_.chooseBuiltInCategory(PictureCategory::Faces);
    showState();
}

void Form1::food_Click()
{
    game_.chooseBuiltInCategory(PictureCategory::Food);
    showState();
}

// The player is asked until the set is complete or the answer is No; each
// Yes opens the custom picture window first.
void Form1::CustomMenu_Click()
{
    for (;;) {
        const CustomOutcome outcome = game_.applyCustom(customPictures());
        showState();
        if (outcome != CustomOutcome::ChooseNow)
            return;
        showCustomPictureWindow();
    }
}

void Form1::SetCustomIcon_Click()
{
    showCustomPictureWindow();
}

CustomPictures& Form1::customPictures()
{
    if (!custom_) {
        custom_ = std::make_unique<CustomPictures>(dataFile(DataFile::CustomImages), pictures_, host_, language_);
        custom_->load();
    }
    return *custom_;
}

void Form1::showCustomPictureWindow()
{
    {
        Form4 w(customPictures(), game_, cards_, pictures_, language_.UseGreek,
            TextCatalog(shippedFile(DataFile::English)), this);
        w.exec();
    }
    // However it closed, the window's state goes with it.
    custom_.reset();
    showState();
}

void Form1::english_menu_Click()
{
    chooseEnglish(language_);
    showState();
}

void Form1::Greek_menu_Click()
{
    chooseGreek(language_);
    showState();
}

// ---- Colours and card size --------------------------------------------------------------

ColourValues Form1::coloursShown() const
{
    ColourValues c;
    c[ColourIndex::PlayerName] = colourValue(label50_->palette().color(QPalette::WindowText));
    c[ColourIndex::Score] = colourValue(label24_->palette().color(QPalette::WindowText));
    c[ColourIndex::Clock] = colourValue(label3_->palette().color(QPalette::WindowText));
    c[ColourIndex::Window] = colourValue(form_->palette().color(QPalette::Window));
    c[ColourIndex::Board] = colourValue(frame1_->palette().color(QPalette::Window));
    return c;
}

void Form1::applyColours(const ColourValues& c)
{
    colours_ = c;
    setTextColour(label50_, colourOf(c[ColourIndex::PlayerName], QPalette::WindowText));
    setTextColour(label24_, colourOf(c[ColourIndex::Score], QPalette::WindowText));
    setTextColour(label3_, colourOf(c[ColourIndex::Clock], QPalette::WindowText));
    setBackground(form_, colourOf(c[ColourIndex::Window]));
    setBackground(frame1_, colourOf(c[ColourIndex::Board]));
}

// Made once, from the design colours, for the Defaults of the settings window.
void Form1::createDefaultColours()
{
    writeDefaultColours(dataFile(DataFile::DefaultColours), defaultColoursOf(colours_, cards_.CardColour));
}

void Form1::applyColoursFile()
{
    if (const auto texts = readColoursFile(dataFile(DataFile::Colours)))
        applyColours(coloursFromFile(colours_, *texts));
}

void Form1::applyCardSettings()
{
    for (int i = 0; i < Board::SlotCount; ++i) {
        image9_[i]->resize(px(cards_.CardPictureWidth), px(cards_.CardPictureHeight));
        setBackground(image1_[i], colourOf(cards_.CardColour));
    }
    showState();
}

void Form1::EikSize_Click()
{
    auto* w = new Form8(colours_, cards_, dataFile(DataFile::Colours), dataFile(DataFile::DefaultColours), pictures_,
        language_.UseGreek, TextCatalog(shippedFile(DataFile::English)), this);
    disableMainWhileUp(w, [this](bool enabled) { setEnabledByWindow(enabled); });
    connect(w, &Form8::swatchesChanged, this, &Form1::LABEL20_Change);
    connect(w, &Form8::confirmed, this, [this](const ColourValues& swatches) {
        applyCardSettings();
        applyColours(swatches);
    });
    connect(w, &Form8::restoreColours, this, &Form1::applyColours);
    connect(w, &Form8::closed, this, &Form1::RestoreSettings);
    w->show();
}

// The settings window's swatches show on the window at once; a wallpaper
// keeps covering the background.
void Form1::LABEL20_Change(const ColourValues& swatches)
{
    const bool wallpaper = wallpaperShown();
    applyColours(livePreview(colours_, swatches, wallpaper));
    if (!wallpaper)
        setBackground(label10_, colourOf(swatches[ColourIndex::Window]));
}

// ---- Championship and helps ---------------------------------------------------------------

void Form1::gggggg_Click()
{
    const bool noWallpaper = wallpapers_.list().entry(0).checked;
    setBackground(label10_, (noWallpaper ? form_ : frame4_)->palette().color(QPalette::Window));
    game_.StartChampionship();
    showState();
}

void Form1::Label11_Click(int index)
{
    if (!game_.mainWindowEnabled() || !game_.panelEnabled() || !game_.helps().labelEnabled.at(index))
        return;
    const bool complete = game_.useHelp(index);
    showState();
    if (complete)
        showWinScreen();
}

// ---- Players and scores ----------------------------------------------------------------------

void Form1::player_Click()
{
    game_.newPlayer();
    setEnabledByWindow(false);
    showPlayerWindow();
}

void Form1::showPlayerWindow()
{
    auto* w = new Form6(Players(dataFile(DataFile::Names)), host_, language_.UseGreek, pictures_, this);
    disableMainWhileUp(w, [this](bool enabled) { setEnabledByWindow(enabled); });
    connect(w, &Form6::confirmed, this, [this](const QString& name) {
        game_.setPlayerName(name.toStdString());
        setEnabledByWindow(true);
        show();
        activateWindow();
        started_ = true;
        RestoreSettings();
    });
    connect(w, &Form6::dismissed, this, [this] {
        if (!started_) {
            close();
            return;
        }
        setEnabledByWindow(true);
        RestoreSettings();
    });
    w->show();
}

void Form1::skorsTeam_Click()
{
    Form50 w(dataFile(DataFile::SingleScores), dataFile(DataFile::ChampionshipScores), host_, language_.UseGreek,
        TextCatalog(shippedFile(DataFile::English)), this);
    connect(&w, &Form50::scoresDeleted, this, [this] {
        game_.Protos();
        showState();
    });
    w.exec();
}

void Form1::exit_Click()
{
    close();
}

// ---- Help and About ---------------------------------------------------------------------------

void Form1::periexomena_Click()
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

void Form1::about_Click()
{
    auto* w = new Form5(language_.UseGreek, pictures_, this);
    disableMainWhileUp(w, [this](bool enabled) { setEnabledByWindow(enabled); });
    w->move(frameGeometry().center() - w->rect().center());
    w->show();
}

// ---- The picture buttons' highlight and the pop-up menu ------------------------------------

void Form1::image6_MouseMove(int index)
{
    const bool available = index == 2 ? game_.stopAvailable() : game_.newGameAvailable();
    buttons_.highlight(index, available);
    showState();
}

void Form1::Label9_MouseMove(int index)
{
    image6_MouseMove(index);
}

void Form1::Form_MouseMove()
{
    buttons_.clearHighlight();
    showState();
}

void Form1::Form_MouseDown(Qt::MouseButton button, QPoint globalPosition)
{
    // The pop-up is the wallpaper menu itself: not while a game holds it disabled.
    if (button == Qt::RightButton && menu("tapetsaries")->menuAction()->isEnabled())
        menu("tapetsaries")->popup(globalPosition);
}

// ---- The result screens ------------------------------------------------------------------------

void Form1::showWinScreen()
{
    if (!form2_)
        return;
    const bool championship = game_.session().inChampionship();
    const int level = game_.championship().Level;
    placeFromMain(form2_, this, 2250, 1650);
    game_.levelWon();
    showState();
    form2_->showWon(championship ? std::optional<int>(level) : std::nullopt);
}

void Form1::showLoseScreen()
{
    if (!form3_)
        return;
    placeFromMain(form3_, this, 2250, 1650);
    form3_->showLost();
    const LossOutcome outcome = game_.levelLost();
    showState();
    if (outcome == LossOutcome::LifeLost) {
        form3_->showTryAgain(game_.championship().Level);
    } else if (outcome == LossOutcome::ChampionshipOver) {
        form3_->unload();
        RestoreSettings();
    }
}

}  // namespace vornel
