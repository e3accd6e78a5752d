#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/Host.h"

namespace vornel::testing {

// A scripted desktop. Every question, box and input a test does not plan
// for fails the test (and ends it, so that no loop waits on a box for
// ever); a planned answer left unused fails it too.
class FakeHost : public Host {
public:
    std::deque<bool> yesNoAnswers;
    std::deque<std::string> inputAnswers;
    int messagesExpected = 0;
    std::deque<double> scriptedRandom;  // used first, then the seeded generator

    std::vector<std::string> questions, messages, messageTitles, inputPrompts;
    int reseeds = 0, eventsProcessed = 0;
    int busyPointers = 0;  // shown minus restored

    explicit FakeHost(unsigned seed = 1) : generator_(seed) { }
    ~FakeHost() override
    {
        EXPECT_TRUE(yesNoAnswers.empty() && inputAnswers.empty() && messagesExpected == 0)
            << "a planned question, input box or message never came";
        EXPECT_EQ(busyPointers, 0) << "the busy pointer was left on";
    }

    bool askYesNo(const std::string& text, const std::string&) override
    {
        questions.push_back(text);
        return take(yesNoAnswers, "question: " + text);
    }
    void showMessage(const std::string& text, const std::string& title, MessageIcon) override
    {
        messages.push_back(text);
        messageTitles.push_back(title);
        if (messagesExpected == 0)
            fail("message: " + text);
        --messagesExpected;
    }
    std::string inputBox(const std::string& prompt, const std::string&, const std::string&) override
    {
        inputPrompts.push_back(prompt);
        return take(inputAnswers, "input box: " + prompt);
    }
    void setBusyPointer(bool busy) override { busyPointers += busy ? 1 : -1; }
    void processEvents() override { ++eventsProcessed; }
    double random() override
    {
        return scriptedRandom.empty() ? std::uniform_real_distribution<double>(0.0, 1.0)(generator_)
                                      : take(scriptedRandom, "");
    }
    void randomize() override { ++reseeds; }

private:
    [[noreturn]] static void fail(const std::string& what)
    {
        ADD_FAILURE() << "unplanned " << what;
        throw std::runtime_error(what);
    }
    template <class T> static T take(std::deque<T>& planned, const std::string& what)
    {
        if (planned.empty())
            fail(what);
        T answer = std::move(planned.front());
        planned.pop_front();
        return answer;
    }

    std::mt19937 generator_;
};

}  // namespace vornel::testing
