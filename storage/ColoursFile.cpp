#include "storage/ColoursFile.h"

#include "storage/RecordFile.h"
#include "storage/SafeFile.h"

namespace vornel {

namespace {
constexpr std::array<int, ColourIndex::Count> records{
    ColoursRecord::PlayerName, ColoursRecord::Score, ColoursRecord::Clock, ColoursRecord::Window, ColoursRecord::Board};
}  // namespace

std::optional<std::array<std::string, ColourIndex::Count>> readColoursFile(const std::filesystem::path& file)
{
    if (!fileExists(file))
        return std::nullopt;
    const RecordFile f(file);
    std::array<std::string, ColourIndex::Count> texts;
    for (int i = 0; i < ColourIndex::Count; ++i)
        texts[i] = f.readText(records[i]);
    return texts;
}

SaveResult writeColoursFile(const std::filesystem::path& file, const ColourValues& colours)
{
    RecordFile f(file);
    for (int i = 0; i < ColourIndex::Count; ++i)
        f.writeText(records[i], std::to_string(colours[i]));
    return f.save();
}

}  // namespace vornel
