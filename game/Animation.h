#pragma once
#include <cstdint>

namespace vornel {

// What one tick of an end screen's animation asks of the screen, in order:
// show `frame`, shake both windows, start the screen's sound, and stop.
struct AnimationTick {
    int frame = 0;
    bool shake = false;
    bool sound = false;
    bool finished = false;
};

// A picture animation that steps round its frames, one per timer tick, for
// a fixed number of ticks. Leaving certain frames starts the sound or the
// shake. The screen only draws what each tick reports.
class FrameAnimation {
public:
    struct Rules {
        int frames;
        int firstFrame;
        int ticks;                   // the tick that reaches this count is the last
        std::uint32_t soundLeaving;  // bit i set: leaving frame i starts the sound
        int shakeLeaving;            // leaving this frame shakes the windows; -1 never
    };

    explicit FrameAnimation(const Rules& rules) : rules_(rules) { }

    // Back to the first frame with the tick count at 0, running.
    void start();
    // One timer tick. Once stopped or finished a tick changes nothing and
    // asks for nothing.
    AnimationTick tick();
    void stop() { running_ = false; }

    bool running() const { return running_; }
    int frame() const { return frame_; }
    std::int16_t AnimTicks() const { return AnimTicks_; }
    int frames() const { return rules_.frames; }

private:
    Rules rules_;
    int frame_ = 0;
    std::int16_t AnimTicks_ = 0;
    bool running_ = false;
};

// The win screen: eight frames every 150 ms from frame 6; the sound starts
// when frame 3 or 5 is left (the 6th, 8th, 14th and 16th tick); 17 ticks.
class WinAnimation : public FrameAnimation {
public:
    static constexpr int Frames = 8;
    static constexpr int IntervalMs = 150;
    WinAnimation();
};

// The lose screen: seven frames every 5 ms from frame 0; leaving frame 3
// shakes both windows and then starts the sound (the 4th, 11th, 18th, 25th
// and 32nd tick); 37 ticks.
class LoseAnimation : public FrameAnimation {
public:
    static constexpr int Frames = 7;
    static constexpr int IntervalMs = 5;
    LoseAnimation();
};

}  // namespace vornel
