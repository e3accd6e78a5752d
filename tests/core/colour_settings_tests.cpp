#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "FileBytes.h"
#include "TempFolder.h"
#include "game/BestScores.h"
#include "game/PictureSize.h"
#include "game/SavedSettings.h"
#include "game/SettingsEdit.h"
#include "storage/DataFiles.h"

namespace vornel {
namespace {

using namespace vornel::testing;

constexpr std::int32_t SystemButtonFace = static_cast<std::int32_t>(0x8000000F);

// name, score, clock, window, board: all different, so a swap shows.
const ColourValues design{0x800000, 0x000080, 0x000000, 0xBECEFE, 0x00C000};

TEST(PictureSize, BarsRunFromTheSmallestSizeInStepsOf15AndTextsAreCutNotRounded)
{
    EXPECT_EQ(PictureSize::widthPosition(442), 0);  // 0.47 steps
    EXPECT_EQ(PictureSize::widthPosition(443), 1);  // 0.53 steps
    // Sizes off the bar (from an edited file) put the thumb at its end.
    EXPECT_EQ(PictureSize::widthPosition(5000), 20);

    for (auto [twips, separator, text] : std::initializer_list<std::tuple<int, const char*, const char*>>{
             {735, ",", "4,9 cm."}, {670, ",", "4,4 cm."}, {600, ",", "4 cm."}, {370, ".", "2.4 cm."},
             {1500, ",", "10 cm."}, {670, "٫", "4٫4 cm."}})  // the cut counts characters
        EXPECT_EQ(PictureSize::text(twips, separator), text) << twips;
}

// Width, height and colour, compared at once.
std::tuple<int, int, std::int32_t> sizeAndColour(const CardSettings& s)
{
    return {s.CardPictureWidth, s.CardPictureHeight, s.CardColour};
}

// Sizes above 100 up to the bars' largest are kept, others are missing; any stored colour is kept.
TEST(SavedSettings, CardSizesTheBarsCouldSetAndAnyStoredColourAreKept)
{
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max(), Min = std::numeric_limits<std::int32_t>::min();
    // Stored width, height and colour, then what start-up takes.
    const std::tuple<std::int32_t, std::int32_t, TaggedValue, std::tuple<int, int, std::int32_t>> cases[] = {
        {101, 100, TaggedValue::fromInt32(0), {101, 670, 0}},  // black is a colour, not "none"
        {735, 670, TaggedValue::fromInt32(SystemButtonFace), {735, 670, SystemButtonFace}},
        {736, 671, {}, {735, 670, 0x00C000}},
        {Max, Max, {}, {735, 670, 0x00C000}},
        {Min, Min, {}, {735, 670, 0x00C000}},
        {435, 370, {}, {435, 370, 0x00C000}},
    };
    for (const auto& [width, height, colour, expected] : cases) {
        SettingsRecords r;
        std::tie(r.cardPictureWidth, r.cardPictureHeight, r.cardColour) = std::tie(width, height, colour);
        const CardSettings s = CardSettings::fromRecords(r);
        EXPECT_EQ(sizeAndColour(s), expected) << width;
        SettingsRecords back;
        s.toRecords(back);
        EXPECT_EQ(sizeAndColour(CardSettings::fromRecords(back)), expected) << width;
    }
    // A score of 2^31 is no 16-bit score: it counts as none.
    EXPECT_EQ(BestScores::scoreOf(TaggedValue::fromText("2147483648")), 0);
    EXPECT_EQ(BestScores::scoreOf(TaggedValue::fromInt32(Min)), 0);
}

TEST(SavedSettings, CodesReadLenientlyAndNothingCheckedIsWrittenAsTheLastCode)
{
    using D = Difficulty;
    using C = PictureCategory;
    for (auto [code, d, c] : std::initializer_list<std::tuple<std::int16_t, D, C>>{{1, D::Easy, C::Objects},
             {2, D::Normal, C::Faces}, {3, D::Hard, C::Food}, {4, D::Normal, C::Custom}, {0, D::Normal, C::Objects},
             {-1, D::Normal, C::Objects}, {7, D::Normal, C::Objects}, {32767, D::Normal, C::Objects}}) {
        EXPECT_EQ(std::pair(difficultyFromCode(code), categoryFromCode(code)), std::pair(d, c)) << code;
        EXPECT_EQ(categoryCode(c), code > 0 && code < 5 ? code : 1) << code;
        EXPECT_EQ(difficultyCode(d), code > 0 && code < 4 ? code : 2) << code;
    }
    EXPECT_EQ(difficultyCode(std::nullopt), 3);
    EXPECT_EQ(categoryCode(std::nullopt), 4);
}

TEST(SettingsEdit, OkTakesTheEditAndDefaultsChangeTheCardColourAtOnceFromWhateverFileIsThere)
{
    TempFolder dir;
    const fs::path colours = dir / DataFile::Colours, defaults = dir / DataFile::DefaultColours;
    CardSettings cards;
    cards.CardPictureWidth = 500;
    SettingsEdit edit(design, cards, colours, defaults);
    // (500 - 435) / 15 = 4.33; the samples keep the cards' own size.
    EXPECT_EQ(std::tuple(edit.widthPosition(), edit.heightPosition(), edit.pictureWidth()), std::tuple(4, 20, 500));
    edit.setWidthPosition(0);
    edit.setHeightPosition(3);
    edit.pickCardColour(0x3F7F7F);
    edit.pickSwatch(0, 0x0000FF);
    edit.pickSwatch(4, SystemButtonFace);
    edit.pickSwatch(5, 1);  // no such swatch
    edit.defaults();        // no defaults file: nothing changes, and none is made
    EXPECT_FALSE(edit.defaultsAvailable() || fs::exists(colours));
    EXPECT_EQ(sizeAndColour(cards), std::tuple(500, 670, CardSettings::DefaultColour));  // nothing before OK
    EXPECT_EQ(edit.coloursAfterClosing(), design);

    edit.ok();
    const ColourValues picked{0x0000FF, 0x000080, 0, 0xBECEFE, SystemButtonFace};
    EXPECT_EQ(sizeAndColour(cards), std::tuple(435, 415, 0x3F7F7F));
    EXPECT_EQ(edit.coloursAfterClosing(), picked);
    EXPECT_EQ(coloursFromFile({}, *readColoursFile(colours)), picked);

    // Defaults change the card colour at once, though the window is never confirmed.
    ASSERT_TRUE(writeDefaultColours(defaults, defaultColoursOf(design, 0x204060)));
    SettingsEdit again({1, 2, 3, 4, 5}, cards, colours, defaults);
    again.defaults();
    EXPECT_EQ(again.swatches(), design);
    EXPECT_EQ(cards.CardColour, 0x204060);
    EXPECT_EQ(again.coloursAfterClosing(), (ColourValues{1, 2, 3, 4, 5}));
    // Three records: the others read as black and the card colour as empty.
    writeBytes(defaults, records(3, {{1, "\xFF"}}));
    cards.CardColour = 0x123456;
    again.defaults();
    EXPECT_EQ(again.swatches(), (ColourValues{0xFF, 0, 0, 0, 0}));
    EXPECT_EQ(cards.CardColour, CardSettings::DefaultColour);
}

}  // namespace
}  // namespace vornel
