#include "game/Animation.h"

namespace vornel {

void FrameAnimation::start()
{
    frame_ = rules_.firstFrame;
    AnimTicks_ = 0;
    running_ = true;
}

AnimationTick FrameAnimation::tick()
{
    if (!running_)
        return {frame_, false, false, false};
    const int left = frame_;
    frame_ = (left + 1) % rules_.frames;
    AnimationTick t;
    t.frame = frame_;
    t.shake = left == rules_.shakeLeaving;
    t.sound = (rules_.soundLeaving >> left) & 1u;
    AnimTicks_ += 1;
    if (AnimTicks_ >= rules_.ticks) {
        running_ = false;
        t.finished = true;
    }
    return t;
}

WinAnimation::WinAnimation() : FrameAnimation({Frames, 6, 17, (1u << 3) | (1u << 5), -1})
{
}

LoseAnimation::LoseAnimation() : FrameAnimation({Frames, 0, 37, 1u << 3, 3})
{
}

}  // namespace vornel
