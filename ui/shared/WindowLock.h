#pragma once
#include <QWidget>
#include <functional>

namespace vornel {

// The main window takes no input while `window` is up: it is disabled when
// the window shows and enabled again when the window hides or closes.
void disableMainWhileUp(QWidget* window, std::function<void(bool enabled)> setMainEnabled);

}  // namespace vornel
