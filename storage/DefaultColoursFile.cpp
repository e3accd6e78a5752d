#include "storage/DefaultColoursFile.h"

#include "storage/SafeFile.h"

namespace vornel {

namespace {
constexpr std::array<int, ColourIndex::Count> records{DefaultColoursRecord::PlayerName, DefaultColoursRecord::Score,
    DefaultColoursRecord::Clock, DefaultColoursRecord::Window, DefaultColoursRecord::Board};
}  // namespace

DefaultColours readDefaultColours(const std::filesystem::path& file)
{
    DefaultColours defaults;
    if (!fileExists(file))
        return defaults;
    const RecordFile f(file);
    for (int i = 0; i < ColourIndex::Count; ++i)
        defaults.colours[i] = f.readInt32(records[i]);
    defaults.cardColour = f.readTagged(DefaultColoursRecord::CardColour);
    return defaults;
}

SaveResult writeDefaultColours(const std::filesystem::path& file, const DefaultColours& defaults)
{
    RecordFile f(file);
    for (int i = 0; i < ColourIndex::Count; ++i)
        f.writeInt32(records[i], defaults.colours[i]);
    f.writeTagged(DefaultColoursRecord::CardColour, defaults.cardColour);
    return f.save();
}

}  // namespace vornel
