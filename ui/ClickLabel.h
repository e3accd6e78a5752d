#pragma once
#include <QLabel>
#include <QMouseEvent>

namespace vornel {

// A label that reports left clicks and mouse moves, the way the window's
// clickable pictures and captions do.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) { setMouseTracking(true); }

signals:
    void clicked();
    void mouseMoved();

protected:
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
