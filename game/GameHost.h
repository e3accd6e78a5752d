#pragma once
#include <string>

namespace vornel {

enum class GameTimer { FlipBack, Clock, Reveal };  // Timer1, Timer2, Timer3 of the main window

// What the game needs from the desktop. The main window implements it;
// tests implement it with a scripted fake.
class GameHost {
public:
    virtual ~GameHost() = default;

    // Yes/No with a question icon, titled with the application title.
    virtual bool askYesNo(const std::string& text) = 0;
    // OK only, no icon; an empty title means the application title.
    virtual void showMessage(const std::string& text, const std::string& title) = 0;
    // The answer as typed; a cancelled box answers "".
    virtual std::string inputBox(
        const std::string& prompt, const std::string& title, const std::string& defaultAnswer) = 0;

    virtual void showWinScreen() = 0;
    virtual void showLoseScreen() = 0;
    virtual void closeLoseScreen() = 0;

    // Called only when a timer actually starts or stops; the first tick of
    // a started timer comes one interval later.
    virtual void timerChanged(GameTimer timer, bool enabled) = 0;
    virtual void setBusyPointer(bool busy) = 0;
    // Let pending user-interface events run (the window shows the state first).
    virtual void processEvents() = 0;

    // Uniform in [0, 1); reseeded from the system clock by randomize().
    virtual double random() = 0;
    virtual void randomize() = 0;
};

}  // namespace vornel
