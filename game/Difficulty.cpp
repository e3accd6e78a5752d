#include "game/Difficulty.h"

#include <cstdio>

namespace vornel {

SingleGameAllowance singleGameAllowance(Difficulty d)
{
    switch (d) {
    case Difficulty::Easy:
        return {100, 100, 1};
    case Difficulty::Hard:
        return {50, 300, 6};
    case Difficulty::Normal:
        break;
    }
    return {75, 150, 2};
}

int championshipSeconds(int level, Difficulty d, bool bonusApplies)
{
    const int taken = d == Difficulty::Easy ? 10 : d == Difficulty::Hard ? 30 : 20;
    return 110 - 10 * (level - 1) - taken + (bonusApplies ? 10 : 0);
}

namespace {
// The "00" pattern: at least two digits, a minus sign in front of them.
std::string twoDigits(int n)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, n < 0 ? "-%02d" : "%02d", n < 0 ? -n : n);
    return buffer;
}
}  // namespace

std::string clockText(int seconds)
{
    // Integer division truncates toward zero, as the clock always has.
    const int minutes = seconds / 60;
    return twoDigits(minutes) + ":" + twoDigits(seconds - 60 * minutes);
}

}  // namespace vornel
