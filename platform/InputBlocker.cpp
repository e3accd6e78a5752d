#include "platform/InputBlocker.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>

namespace vornel {

InputBlocker::InputBlocker(QWidget* window) : QObject(window), window_(window)
{
    qApp->installEventFilter(this);
}

namespace {
bool isInput(QEvent::Type t)
{
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    // A disabled window does not follow the pointer either.
    case QEvent::MouseMove:
    case QEvent::HoverMove:
    case QEvent::HoverEnter:
    case QEvent::Enter:
        return true;
    default:
        return false;
    }
}
}  // namespace

bool InputBlocker::eventFilter(QObject* watched, QEvent* event)
{
    if (!blocking_ || !window_ || !isInput(event->type()))
        return false;
    if (qobject_cast<QAction*>(watched))
        return true;  // menu shortcuts: only the main window has menus
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    QWidget* top = widget->window();
    // A pop-up menu of the window belongs to it too.
    if (auto* menu = qobject_cast<QMenu*>(top); menu && menu->parentWidget())
        top = menu->parentWidget()->window();
    return top == window_;
}

}  // namespace vornel
