#include "game/Difficulty.h"

#include <cstdio>

namespace vornel {

const Allowance& allowance(Difficulty d)
{
    static const Allowance easy{100, 1, 10, 50};
    static const Allowance normal{75, 2, 20, 100};
    static const Allowance hard{50, 6, 30, 200};
    switch (d) {
    case Difficulty::Easy:
        return easy;
    case Difficulty::Hard:
        return hard;
    case Difficulty::Normal:
        break;
    }
    return normal;
}

int championshipSeconds(int level, Difficulty d, bool bonusApplies)
{
    return 110 - 10 * (level - 1) - allowance(d).championshipCut + (bonusApplies ? 10 : 0);
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
