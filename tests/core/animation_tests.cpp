#include <gtest/gtest.h>

#include <vector>

#include "game/Animation.h"

namespace vornel {
namespace {

struct Played {
    std::vector<int> frames;
    std::vector<int> soundTicks;
    std::vector<int> shakeTicks;
    int finishedAt = 0;
};

// Ticks until the animation says it is finished, noting what each tick asked.
Played play(FrameAnimation& a)
{
    Played r;
    for (int n = 1; n <= 100 && a.running(); ++n) {
        const AnimationTick t = a.tick();
        r.frames.push_back(t.frame);
        if (t.sound)
            r.soundTicks.push_back(n);
        if (t.shake)
            r.shakeTicks.push_back(n);
        if (t.finished)
            r.finishedAt = n;
    }
    return r;
}

TEST(WinAnimation, RingsFromFrameSixAndSoundsFourTimesInSeventeenTicks)
{
    WinAnimation a;
    EXPECT_FALSE(a.running());
    a.start();
    EXPECT_EQ(a.frame(), 6);
    const Played r = play(a);
    EXPECT_EQ(r.finishedAt, 17);
    EXPECT_EQ(r.frames.size(), 17u);
    const std::vector<int> firstTen{7, 0, 1, 2, 3, 4, 5, 6, 7, 0};
    EXPECT_EQ(std::vector<int>(r.frames.begin(), r.frames.begin() + 10), firstTen);
    EXPECT_EQ(r.soundTicks, (std::vector<int>{6, 8, 14, 16}));
    EXPECT_TRUE(r.shakeTicks.empty());
    EXPECT_EQ(a.AnimTicks(), 17);
}

TEST(LoseAnimation, ShakesAndSoundsOnLeavingFrameThreeAndEndsAtTick37)
{
    LoseAnimation a;
    a.start();
    EXPECT_EQ(a.frame(), 0);
    const Played r = play(a);
    EXPECT_EQ(r.finishedAt, 37);
    EXPECT_EQ(r.shakeTicks, (std::vector<int>{4, 11, 18, 25, 32}));
    EXPECT_EQ(r.soundTicks, r.shakeTicks);
    EXPECT_EQ(r.frames.front(), 1);
    EXPECT_EQ(r.frames.at(6), 0);  // seven frames in the ring
    EXPECT_EQ(r.frames.back(), 37 % 7);
}

TEST(FrameAnimation, StoppedOrFinishedTicksAskForNothingAndStartBeginsAfresh)
{
    WinAnimation a;
    a.start();
    for (int n = 0; n < 5; ++n)
        a.tick();
    a.stop();
    const AnimationTick idle = a.tick();
    EXPECT_EQ(idle.frame, a.frame());
    EXPECT_FALSE(idle.sound || idle.shake || idle.finished);
    EXPECT_EQ(a.AnimTicks(), 5);

    a.start();
    EXPECT_EQ(a.AnimTicks(), 0);
    EXPECT_EQ(a.frame(), 6);
    EXPECT_EQ(play(a).finishedAt, 17);
    const int last = a.frame();
    const AnimationTick after = a.tick();
    EXPECT_FALSE(after.finished || after.sound);
    EXPECT_EQ(after.frame, last);
}

}  // namespace
}  // namespace vornel
