#include "game/SettingsEdit.h"

#include <algorithm>

#include "game/Numbers.h"
#include "game/PictureSize.h"
#include "storage/SafeFile.h"

namespace vornel {

ColourValues coloursFromFile(ColourValues shown, const std::array<std::string, ColourIndex::Count>& texts)
{
    for (int i = 0; i < ColourIndex::Count; ++i)
        if (const std::optional<std::int32_t> colour = parseInt32(texts[i]))
            shown[i] = *colour;
    return shown;
}

DefaultColours defaultColoursOf(const ColourValues& design, std::int32_t cardColour)
{
    return {design, TaggedValue::fromInt32(cardColour)};
}

ColourValues livePreview(const ColourValues& shown, const ColourValues& swatches, bool wallpaperShown)
{
    ColourValues preview = swatches;
    if (wallpaperShown)
        preview[ColourIndex::Window] = shown[ColourIndex::Window];
    return preview;
}

SettingsEdit::SettingsEdit(const ColourValues& shown, CardSettings& cards, std::filesystem::path coloursFile,
    std::filesystem::path defaultsFile)
    : cards_(cards),
      coloursFile_(std::move(coloursFile)),
      defaultsFile_(std::move(defaultsFile)),
      saved_(shown),
      swatches_(shown),
      cardColour_(cards.CardColour),
      width_(cards.CardPictureWidth),
      height_(cards.CardPictureHeight),
      widthPosition_(PictureSize::widthPosition(cards.CardPictureWidth)),
      heightPosition_(PictureSize::heightPosition(cards.CardPictureHeight))
{
}

void SettingsEdit::setWidthPosition(int position)
{
    widthPosition_ = std::clamp(position, 0, PictureSize::LastPosition);
    width_ = PictureSize::widthAt(widthPosition_);
}

void SettingsEdit::setHeightPosition(int position)
{
    heightPosition_ = std::clamp(position, 0, PictureSize::LastPosition);
    height_ = PictureSize::heightAt(heightPosition_);
}

void SettingsEdit::pickSwatch(int index, std::int32_t colour)
{
    if (index >= 0 && index < ColourIndex::Count)
        swatches_[index] = colour;
}

void SettingsEdit::pickCardColour(std::int32_t colour)
{
    cardColour_ = colour;
}

bool SettingsEdit::defaultsAvailable() const
{
    return fileExists(defaultsFile_);
}

void SettingsEdit::defaults()
{
    if (!defaultsAvailable())
        return;
    const DefaultColours defaults = readDefaultColours(defaultsFile_);
    swatches_ = defaults.colours;
    cards_.CardColour = cardColourFrom(defaults.cardColour);
    cardColour_ = cards_.CardColour;
}

SaveResult SettingsEdit::ok()
{
    cards_.CardPictureHeight = height_;
    cards_.CardPictureWidth = width_;
    cards_.CardColour = cardColour_;
    state_ = Confirmed;
    return writeColoursFile(coloursFile_, swatches_);
}

}  // namespace vornel
