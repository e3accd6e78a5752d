#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "FileFixture.h"
#include "storage/NamesFile.h"
#include "storage/RecordFile.h"

using namespace vornel;
using namespace vornel::testing;
using namespace std::string_literals;

namespace {

using RecordLimitTest = FileFixture;

// Every kind of write, each with a value that fits any record.
const std::vector<std::pair<const char*, std::function<bool(RecordFile&, int)>>> writes{
    {"int16", [](RecordFile& f, int r) { return f.writeInt16(r, 1); }},
    {"int32", [](RecordFile& f, int r) { return f.writeInt32(r, 1); }},
    {"text", [](RecordFile& f, int r) { return f.writeText(r, "x"); }},
    {"tagged", [](RecordFile& f, int r) { return f.writeTagged(r, TaggedValue::fromText("x")); }},
};

}  // namespace

TEST_F(RecordLimitTest, RecordNumbersOutsideTheLimitAreRefusedAndReadAsNothing)
{
    const fs::path file = dir / "names.QDX";
    const std::string before(3 * 128, '\x55');
    writeBytes(file, before);
    for (int record : {INT_MIN, -1, 0, RecordFile::MaxRecord + 1, INT_MAX}) {
        RecordFile f(file);
        for (const auto& [kind, write] : writes)
            EXPECT_FALSE(write(f, record)) << kind << " " << record;
        EXPECT_EQ(f.readInt32(record), 0) << record;
        EXPECT_TRUE(f.readTagged(record).isEmpty()) << record;
        EXPECT_TRUE(f.save());
        EXPECT_EQ(readBytes(file), before) << record;
    }
}

TEST_F(RecordLimitTest, ANamesFileHoldsAsManyPlayersAsTheLimitAndNoMore)
{
    const fs::path file = dir / "names.QDX";
    std::vector<std::string> names;
    for (int i = 0; i < RecordFile::MaxRecord; ++i)
        names.push_back("player " + std::to_string(i));
    ASSERT_TRUE(writeNames(file, names));
    EXPECT_EQ(readNameRecords(file), names);

    const std::string before = readBytes(file);
    names.push_back("one too many");
    EXPECT_FALSE(writeNames(file, names));
    EXPECT_EQ(readBytes(file), before);

    // A file that grew past the limit elsewhere is not ours: it reads as no
    // names and is never replaced.
    writeBytes(file, before + "\x08\x00\x01\x00z"s);
    EXPECT_TRUE(readNameRecords(file).empty());
    EXPECT_FALSE(writeNames(file, {"Ada"}));
    EXPECT_EQ(fs::file_size(file), before.size() + 5);
}
