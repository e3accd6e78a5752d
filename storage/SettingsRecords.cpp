#include "storage/SettingsRecords.h"

namespace vornel {

SettingsRecords readSettingsRecords(const std::filesystem::path& file)
{
    const RecordFile records(file);
    SettingsRecords settings;
    settings.cardPictureHeight = records.readInt32(SettingsRecord::CardPictureHeight);
    settings.cardPictureWidth = records.readInt32(SettingsRecord::CardPictureWidth);
    settings.cardColour = records.readTagged(SettingsRecord::CardColour);
    settings.difficulty = records.readInt16(SettingsRecord::Difficulty);
    settings.category = records.readInt16(SettingsRecord::Category);
    settings.wallpaperPath = records.readText(SettingsRecord::WallpaperPath);
    settings.numbersHidden = records.readInt16(SettingsRecord::NumbersHidden);
    return settings;
}

SaveResult writeSettingsRecords(const std::filesystem::path& file, const SettingsRecords& settings)
{
    RecordFile records(file);
    // A colour is a 32-bit number whatever width it was read with; a value
    // that is not a number goes back as it came.
    TaggedValue colour = settings.cardColour;
    if (colour.type == TaggedValue::Type::Int16)
        colour = TaggedValue::fromInt32(colour.number);
    records.writeInt32(SettingsRecord::CardPictureHeight, settings.cardPictureHeight);
    records.writeInt32(SettingsRecord::CardPictureWidth, settings.cardPictureWidth);
    // A text too long for its record is refused; the record keeps what it held.
    records.writeTagged(SettingsRecord::CardColour, colour);
    records.writeInt16(SettingsRecord::Difficulty, settings.difficulty);
    records.writeInt16(SettingsRecord::Category, settings.category);
    records.writeText(SettingsRecord::WallpaperPath, settings.wallpaperPath);
    records.writeInt16(SettingsRecord::NumbersHidden, settings.numbersHidden);
    return records.save();
}

}  // namespace vornel
