#pragma once
#include <string>

#include "text/Messages.h"

namespace vornel {

enum class MessageIcon { None, Question, Critical };

// What the rules ask of the desktop. One implementation drives the real
// boxes and event loop; tests script a fake that refuses anything unplanned.
class Host {
public:
    virtual ~Host() = default;

    // Yes and No with a question icon. An empty title is the application title.
    virtual bool askYesNo(const std::string& text, const std::string& title = {}) = 0;
    // OK only. An empty title is the application title.
    virtual void showMessage(
        const std::string& text, const std::string& title = {}, MessageIcon icon = MessageIcon::None) = 0;
    // The answer as typed; a cancelled box answers "".
    virtual std::string inputBox(
        const std::string& prompt, const std::string& title, const std::string& defaultAnswer) = 0;

    virtual void setBusyPointer(bool busy) = 0;
    // Let pending events run (the screen first shows the state as it is).
    virtual void processEvents() = 0;

    // Uniform in [0, 1); randomize() reseeds from the system clock.
    virtual double random() = 0;
    virtual void randomize() = 0;
};

}  // namespace vornel
