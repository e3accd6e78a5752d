#include "ui/shared/WindowLock.h"

#include <QEvent>

namespace vornel {

namespace {

class WindowLock : public QObject {
public:
    WindowLock(QWidget* window, std::function<void(bool)> setMainEnabled)
        : QObject(window), setMainEnabled_(std::move(setMainEnabled))
    {
        window->installEventFilter(this);
    }
protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show && !locked_) {
            locked_ = true;
            setMainEnabled_(false);
        } else if (e->type() == QEvent::Hide && locked_) {
            locked_ = false;
            setMainEnabled_(true);
        }
        return false;
    }

private:
    std::function<void(bool)> setMainEnabled_;
    bool locked_ = false;
};

}  // namespace

void disableMainWhileUp(QWidget* window, std::function<void(bool)> setMainEnabled)
{
    new WindowLock(window, std::move(setMainEnabled));
}

}  // namespace vornel
