// Record files of any content: every record reads as the model of the format
// says, the typed files agree with it, and a write changes only its record.
#include "FuzzFile.h"
#include "RecordModel.h"
#include "storage/NamesFile.h"
#include "storage/ScoreFile.h"
#include "storage/SettingsRecords.h"

using namespace vornel;
using namespace vornel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto path = scratchFile("records.qdx");
    writeFile(path, data, size);
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    RecordFile file(path);
    const int count = static_cast<int>((size + 127) / 128);
    FUZZ_CHECK(file.recordCount() == count);
    for (int n = 1; n <= count + 1; ++n) {
        const ModelRecord m = modelRecord(bytes, n);
        FUZZ_CHECK(file.readInt16(n) == static_cast<std::int16_t>(m.u16(0)));
        FUZZ_CHECK(file.readInt32(n) == m.i32(0));
        FUZZ_CHECK(file.readText(n) == m.text(0));
        FUZZ_CHECK(file.readTagged(n) == modelTagged(m));
    }

    const ScoreTable table = readScoreTable(path);
    for (int p = 0; p < ScoreTable::Places; ++p) {
        FUZZ_CHECK(table.scores[p] == modelTagged(modelRecord(bytes, 1 + p)));
        FUZZ_CHECK(table.names[p] == modelTagged(modelRecord(bytes, 6 + p)));
    }
    const std::vector<std::string> names = readNameRecords(path);
    FUZZ_CHECK(names.size() == static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n)
        FUZZ_CHECK(names[n - 1] == modelTagged(modelRecord(bytes, n)).toText());
    const SettingsRecords s = readSettingsRecords(path);
    FUZZ_CHECK(s.cardPictureHeight == modelRecord(bytes, 15).i32(0));
    FUZZ_CHECK(s.cardColour == modelTagged(modelRecord(bytes, 17)));
    FUZZ_CHECK(s.wallpaperPath == modelRecord(bytes, 20).text(0));
    FUZZ_CHECK(s.numbersHidden == static_cast<std::int16_t>(modelRecord(bytes, 30).u16(0)));

    // A write of a 16-bit value into one record, saved and read back: only
    // that record's first two bytes differ, and the file grows to hold it.
    if (size >= 3) {
        const int n = 1 + data[0] % 40;
        const auto value = static_cast<std::int16_t>(data[1] | (data[2] << 8));
        RecordFile again(path);
        FUZZ_CHECK(again.writeInt16(n, value));
        FUZZ_CHECK(again.save());
        const std::string after = readFile(path);
        const std::size_t at = std::size_t(n - 1) * 128;
        FUZZ_CHECK(after.size() == std::max(size, at + 128));
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (i == at || i == at + 1)
                continue;
            FUZZ_CHECK(after[i] == (i < size ? bytes[i] : '\0'));
        }
        FUZZ_CHECK(RecordFile(path).readInt16(n) == value);
    }
    return 0;
}
