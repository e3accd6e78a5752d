#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace vornel {

// A disabled window that still looks the same: while blocking, mouse,
// keyboard and shortcut events for the window (its menus included) are
// swallowed, but nothing is greyed out and its timers go on.
class InputBlocker : public QObject {
public:
    explicit InputBlocker(QWidget* window);
    void setBlocking(bool blocking) { blocking_ = blocking; }
    bool blocking() const { return blocking_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    bool blocking_ = false;
};

}  // namespace vornel
