#pragma once
#include <QObject>
#include <QString>
#include <array>
#include <QRect>
#include <functional>

class QWidget;

namespace vornel {

// Which card the keyboard is on, and how the arrow keys move it over the
// 5 x 4 board. The focus stops at the board's edges: a player who cannot
// see the board learns where it ends.
class BoardFocus {
public:
    static constexpr int Columns = 5;
    static constexpr int Rows = 4;
    enum class Step { Left, Right, Up, Down };

    int index() const { return index_; }
    // One card in the direction; false at the edge, where it stays.
    bool move(Step step);

private:
    int index_ = 0;
};

// The board's keys: the arrows move the keys from card to card, with a
// ring drawn round the card that has them; Space and Enter turn that card
// as a click on its back does. Keys count only while a game runs. The ring
// shows once the keys are used on the board, and a click on a card hides
// it again: a player with the mouse sees none.
//
// Each card has a widget of its own that takes the keys, so that a screen
// reader, which follows the focus, reads the card the keys come to. The
// widgets let the mouse through to the cards under them.
class BoardKeyboard : public QObject {
public:
    static constexpr int Cards = BoardFocus::Columns * BoardFocus::Rows;

    // `board` takes the keys; `cardRect(i)` is card i's place on it;
    // `turn(i)` is the click on card i; `moved` follows each move.
    BoardKeyboard(QWidget* board, std::function<QRect(int)> cardRect, std::function<void(int)> turn,
        std::function<void()> moved);

    const BoardFocus& focus() const { return focus_; }
    bool shown() const { return shown_; }
    bool ringShown() const { return shown_ && keysUsed_; }
    // Lets the keys onto the cards, or takes them off.
    void show(bool shown);
    // The mouse played a card: the ring goes until the keys come back.
    void mouseUsed();
    // The widget that takes the keys on card `index`.
    QWidget* card(int index) const { return cards_[static_cast<std::size_t>(index)]; }

    // How the keys work, read with the card the keys first come to, once:
    // not again on every card.
    void setHint(const QString& hint);
    // While the keys are on card `index`, screen readers read its name out
    // again at once, followed by `news` (what the turn did); false when the
    // keys are elsewhere. The news is read until the keys move on.
    bool readCard(int index, const QString& news);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void placeCards();
    bool boardHasKeys() const;
    void describeCards();

    QWidget* board_;
    std::array<QWidget*, Cards> cards_{};
    std::function<QRect(int)> cardRect_;
    std::function<void()> moved_;
    BoardFocus focus_;
    bool shown_ = false;
    bool keysUsed_ = false;
    QString hint_;
    bool hintRead_ = false;  // the keys have been on a card and moved on
    QString news_;  // of the card the keys are on
};

}  // namespace vornel
