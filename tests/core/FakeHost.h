#pragma once
#include <deque>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "game/GameHost.h"

namespace vornel::testing {

// A scripted desktop: answers come from queues, everything asked is recorded.
class FakeHost : public GameHost {
public:
    std::deque<bool> yesNoAnswers;
    std::deque<std::string> inputAnswers;
    std::deque<double> scriptedRandom;  // used first, then the seeded generator

    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::vector<std::string> messageTitles;
    std::vector<std::string> inputPrompts;
    int winScreensShown = 0;
    int loseScreensShown = 0;
    int loseScreensClosed = 0;
    int reseeds = 0;
    int eventsProcessed = 0;
    std::map<GameTimer, bool> timers;
    std::vector<std::pair<GameTimer, bool>> timerEvents;

    explicit FakeHost(unsigned seed = 1) : generator_(seed) { }

    bool askYesNo(const std::string& text) override
    {
        questions.push_back(text);
        if (yesNoAnswers.empty())
            return false;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    void showMessage(const std::string& text, const std::string& title) override
    {
        messages.push_back(text);
        messageTitles.push_back(title);
    }
    std::string inputBox(const std::string& prompt, const std::string&, const std::string&) override
    {
        inputPrompts.push_back(prompt);
        if (inputAnswers.empty())
            return "3";
        std::string answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }
    void showWinScreen() override { ++winScreensShown; }
    void showLoseScreen() override { ++loseScreensShown; }
    void closeLoseScreen() override { ++loseScreensClosed; }
    void timerChanged(GameTimer timer, bool enabled) override
    {
        timers[timer] = enabled;
        timerEvents.emplace_back(timer, enabled);
    }
    void setBusyPointer(bool) override { }
    void processEvents() override { ++eventsProcessed; }
    double random() override
    {
        if (!scriptedRandom.empty()) {
            const double r = scriptedRandom.front();
            scriptedRandom.pop_front();
            return r;
        }
        return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
    }
    void randomize() override { ++reseeds; }

private:
    std::mt19937 generator_;
};

}  // namespace vornel::testing
