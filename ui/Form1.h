#pragma once
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <random>

#include "game/Game.h"
#include "text/Captions.h"
#include "text/Language.h"
#include "ui/PictureLibrary.h"

class QAction;
class QLabel;
class QMenu;

namespace vornel {

class ClickLabel;
class InputBlocker;
class Panel;
class StatusBar;

// The main window. It builds the controls at their design places, forwards
// every event to the game and then shows the game's state.
class Form1 : public QMainWindow, private GameHost {
    Q_OBJECT
public:
    // `dataFolder` holds the data files (the executable's folder).
    Form1(bool useGreek, QString dataFolder, QWidget* parent = nullptr);
    ~Form1() override;

    Game& game() { return *game_; }
    const Language& language() const { return language_; }
    // Shows the game's state in the controls.
    void showState();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // GameHost
    bool askYesNo(const std::string& text) override;
    void showMessage(const std::string& text, const std::string& title) override;
    std::string inputBox(
        const std::string& prompt, const std::string& title, const std::string& defaultAnswer) override;
    void showWinScreen() override;
    void showLoseScreen() override;
    void closeLoseScreen() override { }
    void timerChanged(GameTimer timer, bool enabled) override;
    void setBusyPointer(bool busy) override;
    void processEvents() override;
    double random() override;
    void randomize() override;

    void buildControls();
    void buildMenus();
    void applyCaptions();
    void layOutBoard();
    void startUp();
    // Runs a handler of the game and shows the result.
    void handle(const std::function<void()>& f);
    QAction* item(const char* name) const;
    QString caption(const char* name, int index = -1) const;
    void showResult(const QString& title, const QString& text);

    QString dataFolder_;
    Language language_;
    CaptionTable captions_;
    std::unique_ptr<Game> game_;
    PictureLibrary pictures_;
    std::mt19937 random_;
    std::array<QTimer*, 3> timers_{};
    InputBlocker* blocker_ = nullptr;
    bool activated_ = false;

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
    StatusBar* statusBar_ = nullptr;
    std::map<std::string, QMenu*> menus_;
    std::map<std::string, QAction*> actions_;
};

}  // namespace vornel
