// Record files of any content: every record reads as the model of the format
// says, every file module reads its records as the model says, and a module
// that writes back what it read changes only its own records, as the model
// writes them.
#include <algorithm>
#include <cinttypes>

#include "FuzzFile.h"
#include "RecordModel.h"
#include "storage/ColoursFile.h"
#include "storage/CustomImagesFile.h"
#include "storage/DefaultColoursFile.h"
#include "storage/NamesFile.h"
#include "storage/ScoreFile.h"
#include "storage/SettingsRecords.h"

using namespace vornel;
using namespace vornel::fuzz;

namespace {

std::string decimal(std::int32_t v)
{
    char text[16];
    std::snprintf(text, sizeof text, "%" PRId32, v);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto path = scratchFile("records.qdx");
    writeFile(path, data, size);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    auto rec = [&](int n) { return modelRecord(bytes, n); };

    // The record layer.
    RecordFile file(path);
    const int count = static_cast<int>((size + 127) / 128);
    FUZZ_CHECK(file.recordCount() == count);
    for (int n = 1; n <= count + 1; ++n) {
        const ModelRecord m = rec(n);
        FUZZ_CHECK(file.readInt16(n) == static_cast<std::int16_t>(m.u16(0)));
        FUZZ_CHECK(file.readInt32(n) == m.i32(0));
        FUZZ_CHECK(file.readText(n) == m.text(0));
        FUZZ_CHECK(file.readTagged(n) == modelTagged(m));
    }

    // Each module, on the same bytes.
    const ScoreTable table = readScoreTable(path);
    for (int p = 0; p < ScoreTable::Places; ++p) {
        FUZZ_CHECK(table.scores[p] == modelTagged(rec(1 + p)));
        FUZZ_CHECK(table.names[p] == modelTagged(rec(6 + p)));
    }
    const std::vector<std::string> names = readNameRecords(path);
    FUZZ_CHECK(names.size() == static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n)
        FUZZ_CHECK(names[n - 1] == modelTagged(rec(n)).toText());
    const SettingsRecords s = readSettingsRecords(path);
    FUZZ_CHECK(s.cardPictureHeight == rec(15).i32(0));
    FUZZ_CHECK(s.cardPictureWidth == rec(16).i32(0));
    FUZZ_CHECK(s.cardColour == modelTagged(rec(17)));
    FUZZ_CHECK(s.difficulty == static_cast<std::int16_t>(rec(18).u16(0)));
    FUZZ_CHECK(s.category == static_cast<std::int16_t>(rec(19).u16(0)));
    FUZZ_CHECK(s.wallpaperPath == rec(20).text(0));
    FUZZ_CHECK(s.numbersHidden == static_cast<std::int16_t>(rec(30).u16(0)));
    const CustomImages images = readCustomImages(path);
    for (int i = 0; i < CustomImages::SlotCount; ++i)
        FUZZ_CHECK(images.paths[i] == rec(1 + i).text(0));
    FUZZ_CHECK(images.lastFolder == rec(11).text(0));
    const auto colourTexts = readColoursFile(path);
    FUZZ_CHECK(colourTexts.has_value());
    for (int i = 0; i < ColourIndex::Count; ++i)
        FUZZ_CHECK((*colourTexts)[i] == rec(1 + i).text(0));
    // The defaults file keeps the board before the window.
    const DefaultColours defaults = readDefaultColours(path);
    const int defaultRecord[ColourIndex::Count] = {1, 2, 3, 5, 4};
    for (int i = 0; i < ColourIndex::Count; ++i)
        FUZZ_CHECK(defaults.colours[i] == rec(defaultRecord[i]).i32(0));
    FUZZ_CHECK(defaults.cardColour == modelTagged(rec(6)));

    // One writer, chosen by the first byte, writes back what was read (or,
    // for the bare layer, one 16-bit value).
    if (size < 3)
        return 0;
    std::string expected = bytes;
    bool written = false;
    switch (data[0] % 7) {
    case 0: {
        const int n = 1 + data[1] % 40;
        const auto value = static_cast<std::int16_t>(data[1] | (data[2] << 8));
        RecordFile again(path);
        written = again.writeInt16(n, value) && again.save();
        put(expected, n, le16(static_cast<std::uint16_t>(value)));
        FUZZ_CHECK(RecordFile(path).readInt16(n) == value);
        break;
    }
    case 1:
        written = writeScoreTable(path, table).ok();
        for (int p = ScoreTable::Places - 1; p >= 0; --p)
            put(expected, 6 + p, taggedBytes(table.names[p]));
        for (int p = ScoreTable::Places - 1; p >= 0; --p)
            put(expected, 1 + p, taggedBytes(table.scores[p]));
        break;
    case 2: {
        // The file becomes the names, one tagged text a record; the leading
        // records that already hold theirs stay byte for byte.
        written = writeNames(path, names).ok();
        std::size_t kept = 0;
        while (kept < names.size() && !modelTagged(rec(static_cast<int>(kept) + 1)).isEmpty())
            ++kept;
        expected.resize(std::min(expected.size(), kept * 128));
        for (std::size_t i = kept; i < names.size(); ++i)
            put(expected, static_cast<int>(i) + 1, taggedBytes(TaggedValue::fromText(names[i])));
        break;
    }
    case 3: {
        written = writeSettingsRecords(path, s).ok();
        TaggedValue colour = s.cardColour;
        if (colour.type == TaggedValue::Type::Int16)
            colour.type = TaggedValue::Type::Int32;
        put(expected, 15, le32(s.cardPictureHeight));
        put(expected, 16, le32(s.cardPictureWidth));
        put(expected, 17, taggedBytes(colour));
        put(expected, 18, le16(static_cast<std::uint16_t>(s.difficulty)));
        put(expected, 19, le16(static_cast<std::uint16_t>(s.category)));
        put(expected, 20, textBytes(s.wallpaperPath));
        put(expected, 30, le16(static_cast<std::uint16_t>(s.numbersHidden)));
        break;
    }
    case 4:
        written = writeCustomImages(path, images).ok();
        for (int i = 0; i < CustomImages::SlotCount; ++i)
            put(expected, 1 + i, textBytes(images.paths[i]));
        put(expected, 11, textBytes(images.lastFolder));
        break;
    case 5:
        written = writeColoursFile(path, defaults.colours).ok();
        for (int i = 0; i < ColourIndex::Count; ++i)
            put(expected, 1 + i, textBytes(decimal(defaults.colours[i])));
        break;
    case 6:
        written = writeDefaultColours(path, defaults).ok();
        for (int i = 0; i < ColourIndex::Count; ++i)
            put(expected, defaultRecord[i], le32(defaults.colours[i]));
        put(expected, 6, taggedBytes(defaults.cardColour));
        break;
    }
    FUZZ_CHECK(written);
    FUZZ_CHECK(readFile(path) == expected);
    return 0;
}
