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
class Panel;
class StatusBar;

// The main window. Its handlers carry the names of the controls and events
// they answer; each runs the game's operation and then shows the game's state.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `folders` hold the data files and the shipped ones.
    MainWindow(DesktopHost& host, bool useGreek, DataFolders folders, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: restores the settings and ends by asking for the player.
    void Form_Load();
    // Closing: saves the settings.
    void Form_QueryUnload();
    // Then closes the other windows that are open.
    void Form_Unload();
    // The window becomes active again after another window gave it back.
    void takeWindowBack();
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
    // ---- Handlers ---------------------------------------------------------
    void Label1_Click(int index);
    void Label8_Click(int index);
    void image6_Click(int index);
    void Label9_Click(int index);
    void Command1_Click();
    void Command5_Click();
    void Command2_Click();
    void newgame_Click();
    void gggggg_Click();
    void ShowNUMBERS_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void TIMER3_Timer();
    void eykolo_Click();
    void kanoniko_Click();
    void dyskolo_Click();
    void antikeim_Click();
    void pros_Click();
    void food_Click();
    void CustomMenu_Click();
    void SetCustomIcon_Click();
    void EikSize_Click();
    void english_menu_Click();
    void Greek_menu_Click();
    void player_Click();
    void skorsTeam_Click();
    void exit_Click();
    void None_Click(int index);
    void NextImage_Click();
    void ChooseImage_Click();
    void AfaireshTAPER_Click();
    void periexomena_Click();
    void about_Click();
    void Label11_Click(int index);
    void image6_MouseMove(int index);
    void Label9_MouseMove(int index);
    void Form_MouseMove();
    void Form_MouseDown(Qt::MouseButton button, QPoint globalPosition);
    void Form_Activate();

    // ---- Windows this one opens ----------------------------------------------
    void showPlayerWindow();
    void createEndScreens();
    void showWinScreen();
    void showLoseScreen();
    void showCustomPictureWindow();
    void LABEL20_Change(const ColourValues& swatches);

    // ---- Colours ---------------------------------------------------------------
    ColourValues coloursShown() const;
    void createDefaultColours();
    void applyColoursFile();

    // ---- Building -----------------------------------------------------------
    void buildControls();
    void buildMenus();
    void applyCaptions();
    void layOutBoard();
    // What screen readers read: roles once, names from the game's state.
    void buildAccessibility();
    void showAccessibleNames();
    void showCardBacks();
    void redrawForScreen();
    void showWallpaper(WallpaperView view);
    void wallpaperLoaded(const QImage& picture);
    // The wallpaper entries of the menu follow the list: captions, check
    // marks, enabled state, one item each.
    void showWallpaperMenu();
    QAction* item(const char* name) const;
    QMenu* menu(const char* name) const;
    QString caption(const char* name, int index = -1) const;
    QString difficultyCaption() const;
    QString categoryCaption() const;

    DesktopHost& host_;
    DataFolders folders_;
    Language language_;
    CaptionTable captions_;
    Game game_;
    PictureButtons buttons_;
    CardSettings cards_;
    Wallpapers wallpapers_{host_, language_, shippedFile(DataFile::Photos), dataFile(DataFile::Background)};
    PictureLibrary pictures_;
    ColourValues colours_{};
    std::unique_ptr<CustomPictures> custom_;
    InputBlocker* blocker_ = nullptr;
    WinScreen* winScreen_ = nullptr;  // win screen, made at start-up
    LoseScreen* loseScreen_ = nullptr;  // lose screen, made at start-up
    QTimer* timer1_ = nullptr;  // flip-back
    QTimer* timer2_ = nullptr;  // clock
    QTimer* timer3_ = nullptr;  // reveal
    bool started_ = false;      // the player window has shown the window once
    bool wallpaperPending_ = false;  // the saved one, decoded at the first showing
    bool picturesShown_ = false;     // the window's own pictures, from its first showing

    QWidget* form_ = nullptr;  // the client area
    QLabel* label33_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* label50_ = nullptr;
    QLabel* label24_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label10_ = nullptr;
    Panel* frame1_ = nullptr;
    Panel* frame4_ = nullptr;
    QLabel* label25_ = nullptr;
    QLabel* label26_ = nullptr;
    QLabel* label27_ = nullptr;
    QLabel* label28_ = nullptr;
    QLabel* label6_ = nullptr;
    std::array<QLabel*, 2> image7_{};
    std::array<ClickLabel*, 2> label11_{};
    std::array<ClickLabel*, 3> image6_{};
    std::array<ClickLabel*, 3> label9_{};
    std::array<QWidget*, 20> image1_{};     // card frames
    std::array<QLabel*, 20> image9_{};      // face pictures
    std::array<ClickLabel*, 20> label1_{};  // backs
    std::array<ClickLabel*, 20> label8_{};  // numbers
    QLabel* image1005_ = nullptr;           // wallpaper
    PictureLoader* wallpaperLoader_ = nullptr;  // decodes it off the window's thread
    StatusBar* statusBar_ = nullptr;
    BoardKeyboard* keyboard_ = nullptr;
    std::map<std::string, QMenu*> menus_;
    std::map<std::string, QAction*> actions_;
    std::vector<QAction*> wallpaperItems_;  // None(0), None(1), ...
};

}  // namespace vornel
