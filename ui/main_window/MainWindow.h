#pragma once
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <map>
#include <memory>
#include <vector>

#include "game/Game.h"
#include "game/SavedSettings.h"
#include "game/Wallpapers.h"
#include "platform/DataFolder.h"
#include "platform/DesktopHost.h"
#include "storage/ColoursFile.h"
#include "storage/DataFiles.h"
#include "text/Captions.h"
#include "text/Language.h"
#include "ui/main_window/PictureButtons.h"
#include "ui/shared/PictureLibrary.h"

class QAction;
class QLabel;
class QMenu;

namespace vornel {

class BoardKeyboard;
class ClickLabel;
class CustomPictures;
class DesktopHost;
class WinScreen;
class LoseScreen;
class InputBlocker;
class PictureLoader;
class PlayerWindow;
class Panel;
class StatusBar;
namespace accessible {
class Announcer;
}

// The main window. Each handler runs the game's operation and then shows the
// game's state.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `folders` hold the data files and the shipped ones.
    MainWindow(DesktopHost& host, bool useGreek, DataFolders folders, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: restores the settings and ends by asking for the player. The
    // window's controls are built once the player window is on the screen,
    // or at once when a name is confirmed before that.
    void start();
    // Secondary windows keep the window disabled while they are up.
    void setEnabledByWindow(bool enabled);
    // Shows the game's state in the controls.
    void showState();

    Game& game() { return game_; }
    const Language& language() const { return language_; }
    const QString& dataFolder() const { return folders_.data; }
    std::filesystem::path dataFile(const char* name) const;
    std::filesystem::path shippedFile(const char* name) const;
    const CardSettings& cardSettings() const { return cards_; }
    PictureLibrary& pictures() { return pictures_; }
    WinScreen* winScreen() const { return winScreen_; }
    LoseScreen* loseScreen() const { return loseScreen_; }

    // The five colours of the window (name, score, clock, background, board).
    const ColourValues& colours() const { return colours_; }
    void applyColours(const ColourValues& colours);
    // The card frames take the card colour and the pictures the card size,
    // where they are: the cards are not laid out again.
    void applyCardSettings();
    // A wallpaper covers the window's background.
    bool wallpaperShown() const;
    // The custom picture window's state, read from its file when first
    // referred to after the window closed.
    CustomPictures& customPictures();
    const Wallpapers& wallpapers() const { return wallpapers_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    // Closing: saves what the player chose, then closes the other windows
    // that are open.
    void saveSettings();
    void closeOtherWindows();

    // ---- Operations --------------------------------------------------------
    void startNewGame();
    void startChampionship();
    void stopGame();
    // The menu's choices, also restored by start-up.
    void applyDifficulty(Difficulty difficulty);
    void applyCategory(PictureCategory category);

    // ---- Handlers ---------------------------------------------------------
    void onCardClicked(int index);
    void onPictureButtonClicked(int index);
    void onHelpClicked(int index);
    void onNewGameChosen();
    void onShowNumbersChosen();
    void onFlipBackTick();
    void onClockTick();
    void onRevealTick();
    void onChoosePicturesChosen();
    void onSettingsChosen();
    void onEnglishChosen();
    void onGreekChosen();
    void onNewPlayerChosen();
    void onBestScoresChosen();
    void onExitChosen();
    void onWallpaperChosen(int index);
    void onNextWallpaperChosen();
    void onAddWallpaperChosen();
    void onRemoveWallpaperChosen();
    void onHelpContentsChosen();
    void onAboutChosen();
    void onPointerOverButton(int index);
    void onPointerOverBackground();
    void onBackgroundRightClicked(QPoint globalPosition);
    // A window that held this one (an end screen, the settings, the player
    // window) gave it back: a finished level goes on from here.
    void onWindowGivenBack();
    // The settings window's swatches show on the window at once.
    void onSwatchesChanged(const ColourValues& swatches);

    // ---- Windows this one opens ----------------------------------------------
    PlayerWindow* showPlayerWindow();
    void createEndScreens();
    void showWinScreen();
    void showLoseScreen();
    void showCustomPictureWindow();

    // ---- Colours ---------------------------------------------------------------
    static ColourValues designColours();
    void createDefaultColours();
    void applyColoursFile();

    // ---- Building -----------------------------------------------------------
    // Builds the controls, menus and end screens and shows in them what
    // start-up restored; nothing before it touches a control.
    void build();
    void buildControls();
    void buildMenus();
    void applyCaptions();
    void layOutBoard();
    // What screen readers read: roles once, names from the game's state.
    void buildAccessibility();
    void showAccessibleNames();
    // Screen readers read what a turn did at once: the card's new name and
    // `news` (a pair, a wrong pair, cards turned back).
    void readTurn(int card, const std::string& news);
    void showCardBacks();
    void redrawForScreen();
    void showWallpaper(WallpaperView view);
    void wallpaperLoaded(const QImage& picture);
    // The wallpaper entries of the menu follow the list: captions, check
    // marks, enabled state, one item each.
    void showWallpaperMenu();
    QAction* item(const char* name) const;
    QMenu* menu(const char* name) const;
    // The caption of the control of that object name.
    QString caption(const QString& widget) const;
    QString difficultyCaption() const;
    QString categoryCaption() const;

    DesktopHost& host_;
    DataFolders folders_;
    Language language_;
    CaptionTable captions_;
    Game game_;
    PictureButtons buttonHighlight_;
    CardSettings cards_;
    Wallpapers wallpapers_{host_, language_, shippedFile(DataFile::Photos), dataFile(DataFile::Background)};
    PictureLibrary pictures_;
    ColourValues colours_{};
    std::unique_ptr<CustomPictures> custom_;
    InputBlocker* blocker_ = nullptr;
    WinScreen* winScreen_ = nullptr;  // win screen, made at start-up
    LoseScreen* loseScreen_ = nullptr;  // lose screen, made at start-up
    QTimer* flipBackTimer_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    QTimer* revealTimer_ = nullptr;
    bool built_ = false;        // the controls exist
    bool started_ = false;      // the player window has shown the window once
    bool wallpaperPending_ = false;  // the saved one, decoded at the first showing
    bool picturesShown_ = false;     // the window's own pictures, from its first showing

    QWidget* clientArea_ = nullptr;
    QLabel* titleStrip_ = nullptr;  // the red strip along the top
    QLabel* categoryLabel_ = nullptr;
    QLabel* difficultyLabel_ = nullptr;
    QLabel* playerNameLabel_ = nullptr;
    QLabel* scoreLabel_ = nullptr;
    QLabel* clockLabel_ = nullptr;
    QLabel* championshipHeading_ = nullptr;
    Panel* board_ = nullptr;
    Panel* championshipPanel_ = nullptr;
    QLabel* levelLabel_ = nullptr;
    QLabel* livesLabel_ = nullptr;
    QLabel* levelCaption_ = nullptr;
    QLabel* livesCaption_ = nullptr;
    QLabel* helpsCaption_ = nullptr;
    std::array<QLabel*, 2> helpIcons_{};        // ten seconds, two pairs
    std::array<ClickLabel*, 2> helpButtons_{};  // their captions, which take the clicks
    std::array<ClickLabel*, 3> buttonPictures_{};  // New game, New championship, Stop
    std::array<ClickLabel*, 3> buttonCaptions_{};
    std::array<QWidget*, 20> cardFrames_{};
    std::array<QLabel*, 20> cardFaces_{};
    std::array<ClickLabel*, 20> cardBacks_{};
    std::array<ClickLabel*, 20> cardNumbers_{};
    QLabel* wallpaper_ = nullptr;
    PictureLoader* wallpaperLoader_ = nullptr;  // decodes it off the window's thread
    StatusBar* statusBar_ = nullptr;
    BoardKeyboard* keyboard_ = nullptr;
    std::unique_ptr<accessible::Announcer> announcer_;  // for turns the keys did not make
    std::map<std::string, QMenu*> menus_;
    std::map<std::string, QAction*> actions_;
    std::vector<QAction*> wallpaperItems_;  // "no wallpaper", then one a wallpaper
};

}  // namespace vornel
