#include "storage/NamesFile.h"

#include "storage/Codepage.h"
#include "storage/RecordFile.h"

namespace vornel {

namespace {

// Room for the name's bytes after the type code and the length.
constexpr std::size_t MaxNameBytes = RecordFile::RecordLength - 4;

// The code page has one byte a character, so cutting its bytes always cuts
// between characters.
std::string fitted(const std::string& name)
{
    const std::string ansi = toAnsi(name);
    return ansi.size() <= MaxNameBytes ? name : fromAnsi(std::string_view(ansi).substr(0, MaxNameBytes));
}

}  // namespace

std::vector<std::string> readNameRecords(const std::filesystem::path& file)
{
    const RecordFile records(file);
    std::vector<std::string> names;
    for (int record = 1; record <= records.recordCount(); ++record)
        names.push_back(records.readTagged(record).toText());
    return names;
}

SaveResult writeNames(const std::filesystem::path& file, const std::vector<std::string>& names)
{
    if (names.size() > static_cast<std::size_t>(RecordFile::MaxRecord))
        return SaveResult::failed(SaveFailure::Other);
    RecordFile records(file);
    std::size_t kept = 0;
    for (; kept < names.size(); ++kept) {
        const TaggedValue stored = records.readTagged(static_cast<int>(kept) + 1);
        if (stored.isEmpty() || stored.toText() != names[kept])
            break;
    }
    records.truncate(static_cast<int>(kept));
    for (std::size_t i = kept; i < names.size(); ++i)
        if (!records.writeTagged(static_cast<int>(i) + 1, TaggedValue::fromText(fitted(names[i]))))
            return SaveResult::failed(SaveFailure::Other);
    return records.save();
}

}  // namespace vornel
