#pragma once
#include <QObject>
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

// The board's keys: the arrows move a frame drawn over the focused card,
// Space and Enter turn that card as a click on its back does. Keys count
// only while the focus shows, which is while a game runs.
class BoardKeyboard : public QObject {
public:
    // `board` takes the keys; `cardRect(i)` is card i's place on it;
    // `turn(i)` is the click on card i; `moved` follows each move.
    BoardKeyboard(QWidget* board, std::function<QRect(int)> cardRect, std::function<void(int)> turn,
        std::function<void()> moved);

    const BoardFocus& focus() const { return focus_; }
    bool shown() const;
    // Shows the frame over the focused card, or hides it.
    void show(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* board_;
    QWidget* frame_;
    std::function<QRect(int)> cardRect_;
    std::function<void(int)> turn_;
    std::function<void()> moved_;
    BoardFocus focus_;
};

}  // namespace vornel
