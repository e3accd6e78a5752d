#include "ui/main_window/BoardKeyboard.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <map>

#include "ui/shared/Accessible.h"
#include "ui/shared/ClickLabel.h"
#include "ui/shared/FocusRing.h"

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

constexpr int Ring = 3;  // pixels the ring reaches beyond the card

// A card's key taker: clear, with the ring round it while it is the card
// the keys are on.
class CardKeys : public ClickLabel {
public:
    CardKeys(QWidget* board, int index) : ClickLabel(board)
    {
        setObjectName(QStringLiteral("BoardFocus(%1)").arg(index));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }
    void setRing(bool ring)
    {
        if (ring_ != ring) {
            ring_ = ring;
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!ring_)
            return;
        QPainter p(this);
        drawFocusRing(p, rect(), 3);
    }

private:
    bool ring_ = false;
};

CardKeys* keysOf(QWidget* w)
{
    return static_cast<CardKeys*>(w);
}

}  // namespace

BoardKeyboard::BoardKeyboard(QWidget* board, std::function<QRect(int)> cardRect, std::function<void(int)> turn,
    std::function<void()> moved)
    : QObject(board),
      board_(board),
      cardRect_(std::move(cardRect)),
      moved_(std::move(moved))
{
    for (int i = 0; i < Cards; ++i) {
        auto* keys = new CardKeys(board, i);
        accessible::setRole(keys, QAccessible::Button);
        // Space, Enter or a screen reader's press is the click on the card.
        connect(keys, &ClickLabel::clicked, this, [turn, i] { turn(i); });
        keys->installEventFilter(this);
        cards_[static_cast<std::size_t>(i)] = keys;
    }
    board->setFocusPolicy(Qt::StrongFocus);
}

// The window's own focus, which a box up over it leaves in place.
bool BoardKeyboard::boardHasKeys() const
{
    QWidget* keys = board_->window()->focusWidget();
    return keys == board_ || std::find(cards_.begin(), cards_.end(), keys) != cards_.end();
}

void BoardKeyboard::placeCards()
{
    for (int i = 0; i < Cards; ++i) {
        const QRect place = cardRect_(i).adjusted(-Ring, -Ring, Ring, Ring);
        if (card(i)->geometry() != place)
            card(i)->setGeometry(place);
        const bool current = i == focus_.index();
        keysOf(card(i))->setRing(ringShown() && current);
        // Tab stops at the board on the card the keys are on; the arrows do the rest.
        card(i)->setFocusPolicy(current ? Qt::TabFocus : Qt::NoFocus);
    }
    describeCards();
}

void BoardKeyboard::describeCards()
{
    for (int i = 0; i < Cards; ++i)
        accessible::setDescription(card(i), i != focus_.index() ? QString() : hintRead_ ? news_ : hint_);
}

void BoardKeyboard::setHint(const QString& hint)
{
    hint_ = hint;
    describeCards();
}

bool BoardKeyboard::readCard(int index, const QString& news)
{
    if (index != focus_.index() || !card(index)->hasFocus())
        return false;
    hintRead_ = true;
    news_ = news;
    describeCards();
    accessible::readAgain(card(index));
    return true;
}

void BoardKeyboard::show(bool shown)
{
    if (shown == shown_) {
        placeCards();  // the cards may have been laid out anew
        return;
    }
    const bool hadKeys = boardHasKeys();
    shown_ = shown;
    placeCards();
    for (QWidget* c : cards_) {
        c->setVisible(shown);
        if (shown)
            c->raise();
    }
    // The board hands the keys on to its card while a game runs.
    board_->setFocusProxy(shown ? card(focus_.index()) : nullptr);
    if (hadKeys)
        (shown ? card(focus_.index()) : board_)->setFocus();
}

void BoardKeyboard::mouseUsed()
{
    keysUsed_ = false;
    placeCards();
}

bool BoardKeyboard::eventFilter(QObject*, QEvent* e)
{
    if (e->type() == QEvent::FocusOut) {
        // The hint has been read with the card the keys were on.
        hintRead_ = true;
        news_.clear();
        return false;
    }
    const auto useKeys = [this] {
        if (!keysUsed_) {
            keysUsed_ = true;
            placeCards();
        }
    };
    if (e->type() == QEvent::FocusIn && shown_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            useKeys();
    }
    if (e->type() != QEvent::KeyPress || !shown_)
        return false;
    const auto* key = static_cast<QKeyEvent*>(e);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    // The arrows move; Space and Enter reach the card that has the keys.
    static const std::map<int, BoardFocus::Step> steps{{Qt::Key_Left, BoardFocus::Step::Left},
        {Qt::Key_Right, BoardFocus::Step::Right}, {Qt::Key_Up, BoardFocus::Step::Up},
        {Qt::Key_Down, BoardFocus::Step::Down}};
    const auto step = steps.find(key->key());
    const bool turn = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (step != steps.end() || turn)
        useKeys();
    if (step == steps.end())
        return false;
    if (focus_.move(step->second)) {
        hintRead_ = true;
        news_.clear();
        placeCards();
        board_->setFocusProxy(card(focus_.index()));
        // Names first, so that the reader reads the new card's.
        if (moved_)
            moved_();
        card(focus_.index())->setFocus();
    }
    return true;
}

}  // namespace vornel
