#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "game/Players.h"

class QComboBox;

namespace vornel {

class Host;
class PictureLibrary;

// The player window: the name of who plays, chosen from the names used
// before or typed anew. It closes itself and tells how it was closed.
class PlayerWindow : public QWidget {
    Q_OBJECT
public:
    PlayerWindow(Players players, Host& host, bool useGreek, PictureLibrary& pictures, QWidget* parent);

    QComboBox* nameBox() const { return nameBox_; }

signals:
    // The player confirmed a name; this is the name to play under.
    void confirmed(const QString& playerName);
    // Closed by its close box: nobody new plays.
    void dismissed();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void onShown();
    void onOkClicked();

    Players players_;
    Host& host_;
    bool useGreek_;
    std::vector<std::string> offered_;
    bool confirmedClose_ = false;  // closed by OK or Enter
    QComboBox* nameBox_ = nullptr;
};

}  // namespace vornel
