#include "game/SavedSettings.h"

#include "game/Numbers.h"
#include "game/PictureSize.h"

namespace vornel {

namespace {

std::int32_t storedSize(std::int32_t stored, std::int32_t largest, std::int32_t missing)
{
    return stored > CardSettings::SmallestStoredSize && stored <= largest ? stored : missing;
}

}  // namespace

CardSettings CardSettings::fromRecords(const SettingsRecords& records)
{
    CardSettings s;
    s.CardColour = cardColourFrom(records.cardColour);
    s.CardPictureHeight = storedSize(
        records.cardPictureHeight, PictureSize::heightAt(PictureSize::LastPosition), DefaultHeight);
    s.CardPictureWidth = storedSize(
        records.cardPictureWidth, PictureSize::widthAt(PictureSize::LastPosition), DefaultWidth);
    return s;
}

std::int32_t cardColourFrom(const TaggedValue& stored)
{
    if (stored.type == TaggedValue::Type::Int16 || stored.type == TaggedValue::Type::Int32)
        return stored.number;
    if (stored.type == TaggedValue::Type::Text)
        return parseInt32(stored.text).value_or(CardSettings::DefaultColour);
    return CardSettings::DefaultColour;
}

void CardSettings::toRecords(SettingsRecords& records) const
{
    records.cardPictureHeight = CardPictureHeight;
    records.cardPictureWidth = CardPictureWidth;
    records.cardColour = TaggedValue::fromInt32(CardColour);
}

Difficulty difficultyFromCode(std::int16_t code)
{
    return code == 1 ? Difficulty::Easy : code == 3 ? Difficulty::Hard : Difficulty::Normal;
}

std::int16_t difficultyCode(std::optional<Difficulty> d)
{
    return d == Difficulty::Easy ? 1 : d == Difficulty::Normal ? 2 : 3;
}

PictureCategory categoryFromCode(std::int16_t code)
{
    switch (code) {
    case 2:
        return PictureCategory::Faces;
    case 3:
        return PictureCategory::Food;
    case 4:
        return PictureCategory::Custom;
    default:
        return PictureCategory::Objects;
    }
}

std::int16_t categoryCode(std::optional<PictureCategory> c)
{
    return c == PictureCategory::Objects ? 1 : c == PictureCategory::Faces ? 2 : c == PictureCategory::Food ? 3 : 4;
}

}  // namespace vornel
