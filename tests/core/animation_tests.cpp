#include <gtest/gtest.h>

#include <vector>

#include "game/Animation.h"

namespace vornel {
namespace {

// Ticks a started animation to its end; the frames shown and the ticks
// (counted from 1) that asked for the sound and the shake.
struct Played {
    std::vector<int> frames, sounds, shakes;
    int finishedAt = 0;
};
Played play(FrameAnimation& a)
{
    Played p;
    for (int n = 1; n <= 100 && a.running(); ++n) {
        const AnimationTick t = a.tick();
        p.frames.push_back(t.frame);
        if (t.sound)
            p.sounds.push_back(n);
        if (t.shake)
            p.shakes.push_back(n);
        if (t.finished)
            p.finishedAt = n;
    }
    return p;
}

TEST(EndAnimations, WinRingsFromFrameSixSoundingFourTimesAndLoseShakesFiveTimes)
{
    WinAnimation win;
    win.start();
    EXPECT_EQ(win.frame(), 6);
    const Played w = play(win);
    EXPECT_EQ(w.finishedAt, 17);
    EXPECT_EQ(std::vector<int>(w.frames.begin(), w.frames.begin() + 9), (std::vector<int>{7, 0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(w.sounds, (std::vector<int>{6, 8, 14, 16}));
    EXPECT_TRUE(w.shakes.empty());

    // Stopped half way it asks for nothing; started again it plays afresh.
    win.start();
    for (int n = 0; n < 5; ++n)
        win.tick();
    win.stop();
    const AnimationTick idle = win.tick();
    EXPECT_FALSE(idle.sound || idle.shake || idle.finished || idle.frame != win.frame());
    win.start();
    EXPECT_EQ(play(win).sounds, w.sounds);

    LoseAnimation lose;
    lose.start();
    EXPECT_EQ(lose.frame(), 0);
    const Played l = play(lose);
    EXPECT_EQ(l.finishedAt, 37);
    EXPECT_EQ(l.shakes, (std::vector<int>{4, 11, 18, 25, 32}));
    EXPECT_EQ(l.sounds, l.shakes);
    EXPECT_EQ(l.frames.at(6), 0);  // seven frames in the ring
}

}  // namespace
}  // namespace vornel
