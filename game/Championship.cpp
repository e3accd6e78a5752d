#include "game/Championship.h"

#include "game/Numbers.h"

namespace vornel {

void Championship::prepareBonus()
{
    for (int i = 0; i < 20; ++i)
        OpenCount[i] = 0;
    BonusLevel = NoBonusLevel;
    BonusEligible = true;
}

void Championship::countOpening(int index)
{
    if (Level != 1 || !BonusEligible)
        return;
    const int c = OpenCount[index] + 1;
    if (c > 2)
        BonusEligible = false;
    else
        OpenCount[index] = static_cast<std::int16_t>(c);
}

void Championship::helpUsed()
{
    if (Level == 1)
        BonusEligible = false;
}

std::int16_t Championship::levelPoints(std::optional<Difficulty> d, int secondsLeft) const
{
    if (!d)
        return 0;
    const int completed = Level - 1;
    const double t = secondsLeft;
    double points = t;
    switch (*d) {
    case Difficulty::Hard:
        points = (completed + 1) * t;
        break;
    case Difficulty::Normal:
        points = (completed - 1) * t;
        if (points == 0)
            points = t;
        break;
    case Difficulty::Easy:
        break;
    }
    return toInt16(points).value_or(0);
}

std::optional<std::int16_t> bonusLevelFrom(const std::string& answer)
{
    const std::optional<std::int16_t> level = toInt16(answer);
    if (level && *level > 1 && *level < 7)
        return level;
    return std::nullopt;
}

}  // namespace vornel
