#pragma once
#include <algorithm>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "ui/shared/FocusRing.h"

namespace vornel {

// A label that reports left clicks and mouse moves, the way the window's
// clickable pictures and captions do.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) { setMouseTracking(true); }

    // A caption longer than the label is narrowed rather than cut. It is
    // measured when first painted, so fonts load after the window shows.
    void setFitOnOneLine(bool fit) { fit_ = fit; }

    // For players without a mouse: Tab reaches it, a ring shows it has the
    // keys, and Space or Enter clicks it.
    void takeKeys() { setFocusPolicy(Qt::TabFocus); }

signals:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* e) override
    {
        if (fit_ && (fittedText_ != text() || fittedWidth_ != width()))
            fit();
        QLabel::paintEvent(e);
        if (hasFocus()) {
            QPainter p(this);
            drawFocusRing(p, rect(), 1);
        }
    }

    void keyPressEvent(QKeyEvent* e) override
    {
        const bool press = e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        if (!press || focusPolicy() == Qt::NoFocus || (e->modifiers() & ~Qt::KeypadModifier)) {
            QLabel::keyPressEvent(e);
            return;
        }
        e->accept();
        if (!e->isAutoRepeat())
            emit clicked();
    }
    void focusInEvent(QFocusEvent* e) override
    {
        QLabel::focusInEvent(e);
        update();
    }
    void focusOutEvent(QFocusEvent* e) override
    {
        QLabel::focusOutEvent(e);
        update();
    }

    void mousePressEvent(QMouseEvent* e) override
    {
        e->accept();
        if (e->button() == Qt::LeftButton)
            emit clicked();
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        e->accept();
        emit mouseMoved();
    }

private:
    void fit()
    {
        fittedText_ = text();
        fittedWidth_ = width();
        QFont f = font();
        f.setStretch(QFont::Unstretched);
        QFont bold = f;  // a highlighted caption is bold, and must fit too
        bold.setBold(true);
        const int room = width() - 4;
        const int needed = QFontMetrics(bold).horizontalAdvance(text());
        if (needed > room && needed > 0)
            f.setStretch(std::max(60, 100 * room / needed));
        setFont(f);
    }

    bool fit_ = false;
    QString fittedText_;
    int fittedWidth_ = -1;
};

// A panel that keeps mouse presses to itself (no pop-up menu from its
// parent) and reports mouse moves.
class Panel : public QWidget {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr) : QWidget(parent)
    {
        setMouseTracking(true);
        setAutoFillBackground(true);
    }

signals:
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        e->accept();
        emit mouseMoved();
    }
};

}  // namespace vornel
