#include "ui/BoardKeyboard.h"

#include <QKeyEvent>
#include <map>
#include <QPainter>
#include <QWidget>

#include "ui/Accessible.h"
#include "ui/FocusRing.h"

namespace vornel {

bool BoardFocus::move(Step step)
{
    const int column = index_ % Columns;
    const int row = index_ / Columns;
    int to = index_;
    switch (step) {
    case Step::Left:
        to = column > 0 ? index_ - 1 : index_;
        break;
    case Step::Right:
        to = column < Columns - 1 ? index_ + 1 : index_;
        break;
    case Step::Up:
        to = row > 0 ? index_ - Columns : index_;
        break;
    case Step::Down:
        to = row < Rows - 1 ? index_ + Columns : index_;
        break;
    }
    const bool moved = to != index_;
    index_ = to;
    return moved;
}

namespace {

constexpr int Ring = 3;  // pixels the frame reaches beyond the card

class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* parent) : QWidget(parent)
    {
        setObjectName("BoardFocus");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        drawFocusRing(p, rect(), 3);
    }
};

}  // namespace

BoardKeyboard::BoardKeyboard(QWidget* board, std::function<QRect(int)> cardRect, std::function<void(int)> turn,
    std::function<void()> moved)
    : QObject(board),
      board_(board),
      frame_(new FocusFrame(board)),
      cardRect_(std::move(cardRect)),
      turn_(std::move(turn)),
      moved_(std::move(moved))
{
    accessible::hideRepeat(frame_);
    board->setFocusPolicy(Qt::StrongFocus);
    board->installEventFilter(this);
}

bool BoardKeyboard::shown() const
{
    return !frame_->isHidden();
}

void BoardKeyboard::show(bool shown)
{
    if (shown) {
        const QRect place = cardRect_(focus_.index()).adjusted(-Ring, -Ring, Ring, Ring);
        if (frame_->geometry() != place)
            frame_->setGeometry(place);
        frame_->raise();
    }
    frame_->setVisible(shown);
}

bool BoardKeyboard::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != board_ || e->type() != QEvent::KeyPress || !shown())
        return false;
    const auto* key = static_cast<QKeyEvent*>(e);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        static const std::map<int, BoardFocus::Step> steps{{Qt::Key_Left, BoardFocus::Step::Left},
            {Qt::Key_Right, BoardFocus::Step::Right}, {Qt::Key_Up, BoardFocus::Step::Up},
            {Qt::Key_Down, BoardFocus::Step::Down}};
        if (focus_.move(steps.at(key->key()))) {
            show(true);
            if (moved_)
                moved_();
        }
        return true;
    }
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!key->isAutoRepeat())
            turn_(focus_.index());
        return true;
    default:
        return false;
    }
}

}  // namespace vornel
