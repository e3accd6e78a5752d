#include <gtest/gtest.h>

#include "game/SavedSettings.h"

namespace vornel {
namespace {

TEST(SavedSettings, CardSizesAbove100AndAnyStoredColourAreKept)
{
    SettingsRecords r;
    EXPECT_EQ(CardSettings::fromRecords(r).CardPictureWidth, 735);
    EXPECT_EQ(CardSettings::fromRecords(r).CardPictureHeight, 670);
    EXPECT_EQ(CardSettings::fromRecords(r).CardColour, 0x00C000);

    r.cardPictureHeight = 100;
    r.cardPictureWidth = 101;
    r.cardColour = TaggedValue::fromInt32(0);  // black is a colour, not "none"
    const CardSettings s = CardSettings::fromRecords(r);
    EXPECT_EQ(s.CardPictureHeight, 670);
    EXPECT_EQ(s.CardPictureWidth, 101);
    EXPECT_EQ(s.CardColour, 0);

    r.cardColour = TaggedValue::fromInt32(static_cast<std::int32_t>(0x80000005));  // a system colour
    EXPECT_EQ(static_cast<std::uint32_t>(CardSettings::fromRecords(r).CardColour), 0x80000005u);

    SettingsRecords back;
    s.toRecords(back);
    EXPECT_EQ(back.cardPictureWidth, 101);
    EXPECT_EQ(back.cardColour, TaggedValue::fromInt32(0));
}

TEST(SavedSettings, CodesReadLeniently)
{
    EXPECT_EQ(difficultyFromCode(1), Difficulty::Easy);
    EXPECT_EQ(difficultyFromCode(3), Difficulty::Hard);
    for (std::int16_t other : {0, 2, 4, -1})
        EXPECT_EQ(difficultyFromCode(other), Difficulty::Normal) << other;
    EXPECT_EQ(categoryFromCode(2), PictureCategory::Faces);
    EXPECT_EQ(categoryFromCode(4), PictureCategory::Custom);
    for (std::int16_t other : {0, 1, 7})
        EXPECT_EQ(categoryFromCode(other), PictureCategory::Objects) << other;

    EXPECT_EQ(difficultyCode(Difficulty::Easy), 1);
    EXPECT_EQ(difficultyCode(std::nullopt), 3);
    EXPECT_EQ(categoryCode(PictureCategory::Faces), 2);
    EXPECT_EQ(categoryCode(std::nullopt), 4);  // nothing checked is written as Custom
}

}  // namespace
}  // namespace vornel
