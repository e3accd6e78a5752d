#pragma once
#include <QPointer>
#include <QWidget>
#include <functional>
#include <random>

#include "game/Host.h"

namespace vornel {

// The desktop behind the rules: message boxes, the input box, the busy
// pointer, letting events run and the random numbers. Every window uses
// this one.
class DesktopHost : public Host {
public:
    DesktopHost();

    // Run before a box opens or events are let run, so that the screen
    // shows the state as it is at that moment.
    void setBeforeWaiting(std::function<void()> f) { beforeWaiting_ = std::move(f); }
    // The language of the boxes' buttons.
    void setGreek(bool greek) { greek_ = greek; }
    // The window boxes belong to when no window of the program is active.
    void setFallbackParent(QWidget* w) { fallbackParent_ = w; }

    bool askYesNo(const std::string& text, const std::string& title = {}) override;
    void showMessage(
        const std::string& text, const std::string& title = {}, MessageIcon icon = MessageIcon::None) override;
    std::string inputBox(
        const std::string& prompt, const std::string& title, const std::string& defaultAnswer) override;
    void setBusyPointer(bool busy) override;
    void processEvents() override;
    double random() override;
    void randomize() override;

private:
    QWidget* parentForBox() const;
    void beforeWaiting();

    std::function<void()> beforeWaiting_;
    QPointer<QWidget> fallbackParent_;
    bool greek_ = false;
    std::mt19937 generator_;
};

}  // namespace vornel
