#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <ostream>
#include <sys/stat.h>

#include "FileBytes.h"
#include "TempFolder.h"
#include "storage/AppFolder.h"
#include "storage/Codepage.h"
#include "storage/RecordFile.h"

namespace vornel {
void PrintTo(const TaggedValue& v, std::ostream* os)
{
    *os << "{type " << static_cast<int>(v.type) << ", " << v.number << ", \"" << v.text << "\"}";
}
}  // namespace vornel

using namespace vornel;
using namespace vornel::testing;

namespace {

struct RecordFileTest : ::testing::Test {
    TempFolder dir;
    fs::path file = dir / "skor.qdx";
};

}  // namespace

TEST_F(RecordFileTest, RecordNumbersRunFromOneToMaxAndOthersAreRefusedAndReadAsNothing)
{
    const std::string before(3 * 128, '\x55');
    writeBytes(file, before);
    for (int record : {INT_MIN, -1, 0, RecordFile::MaxRecord + 1, INT_MAX}) {
        RecordFile f(file);
        EXPECT_FALSE(f.writeInt16(record, 1) || f.writeInt32(record, 1) || f.writeText(record, "x") ||
            f.writeTagged(record, TaggedValue::fromText("x")))
            << record;
        EXPECT_EQ(f.readInt32(record), 0) << record;
        EXPECT_TRUE(f.readTagged(record).isEmpty()) << record;
        EXPECT_TRUE(f.save());
        EXPECT_EQ(readBytes(file), before) << record;
    }
    RecordFile f(file);
    ASSERT_TRUE(f.writeInt32(RecordFile::MaxRecord, -1234567));
    ASSERT_TRUE(f.save());
    EXPECT_EQ(readBytes(file).substr((RecordFile::MaxRecord - 1) * 128), "\x79\x29\xED\xFF"s + std::string(124, '\0'));
    EXPECT_EQ(RecordFile(file).readInt32(RecordFile::MaxRecord), -1234567);  // the largest file is read back
}

TEST_F(RecordFileTest, ValuesAreLittleEndianTextsCodePage1253AndTheRestOfARecordStays)
{
    writeBytes(file, std::string(128, '\xAA'));
    RecordFile f(file);
    ASSERT_TRUE(f.writeTagged(1, TaggedValue::fromText("Άννα")));
    ASSERT_TRUE(f.writeTagged(2, TaggedValue::fromInt16(-300)));
    ASSERT_TRUE(f.writeTagged(3, TaggedValue::fromInt32(0x00C000)));
    ASSERT_TRUE(f.writeText(4, std::string(126, 'x')));  // the longest text
    ASSERT_TRUE(f.writeText(4, "ωy"));
    ASSERT_TRUE(f.writeInt32(5, 735));
    EXPECT_FALSE(f.writeText(6, std::string(127, 'x')) || f.writeTagged(6, {TaggedValue::Type::Int16, 40000, {}}));
    EXPECT_EQ(readBytes(file), std::string(128, '\xAA'));  // nothing before the save
    ASSERT_TRUE(f.save());
    EXPECT_EQ(readBytes(file),  // padded to a whole record
        patched(std::string(128, '\xAA') + records(4),
            {{1, taggedText("\xA2\xED\xED\xE1")}, {2, "\x02\x00\xD4\xFE"s}, {3, "\x03\x00\x00\xC0\x00\x00"s},
                {4, text("\xF9y") + std::string(124, 'x')}, {5, "\xDF\x02\x00\x00"s}}));
}

TEST_F(RecordFileTest, TruncatedFileGivesOnlyWhatIsThere)
{
    // Record 2 announces a 5-byte tagged text but the file ends after 2 of them.
    const std::string cut = "\xDF\x02"s + std::string(126, '\0') + "\x08\x00\x05\x00He"s;
    writeBytes(file, cut);
    RecordFile f(file);
    EXPECT_EQ(f.recordCount(), 2);
    EXPECT_EQ(f.readInt32(1), 735);
    EXPECT_EQ(f.readTagged(2), TaggedValue::fromText("He"));
    EXPECT_EQ(f.readInt32(2), 0x00050008);
    EXPECT_EQ(f.readText(3), "");
    ASSERT_TRUE(f.writeInt16(2, 7));  // completes the cut record with zeros
    ASSERT_TRUE(f.save());
    EXPECT_EQ(readBytes(file), cut.substr(0, 128) + "\x07\x00\x05\x00He"s + std::string(122, '\0'));
}

TEST_F(RecordFileTest, CorruptRecordsStayInsideTheirRecord)
{
    writeBytes(file,
        patched(std::string(128, 'A') + std::string(128, 'B') + std::string(256, 'C'),
            {{1, "\xFF\xFF"},              // text length 65535
                {2, "\x08\x00\xF4\x01"s},  // tagged text of length 500
                {3, "\x05\x00"s}}));       // a type code this program never writes
    RecordFile f(file);
    EXPECT_EQ(f.readText(1), std::string(126, 'A'));
    EXPECT_EQ(f.readTagged(2).text, std::string(124, 'B'));
    EXPECT_TRUE(f.readTagged(3).isEmpty());
}

TEST_F(RecordFileTest, OnlyARegularFileOfSaneSizeOrNothingIsEverReplaced)
{
    fs::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
    fs::create_symlink("absent", dir / "dangling");
    writeBytes(dir / "huge", "\x07");
    fs::resize_file(dir / "huge", RecordFile::MaxRecord * RecordFile::RecordLength + 1);
    const auto before = entries(dir.path());
    for (const char* name : {"folder", "pipe", "dangling", "huge"}) {
        const fs::path path = dir / name;
        EXPECT_TRUE(passesInChild([&] {
            RecordFile f(path);
            return !f.isWritable() && f.readInt16(1) == 0 && f.writeInt16(1, 8) && !f.save();
        })) << name;
    }
    EXPECT_EQ(entries(dir.path()), before);
    EXPECT_TRUE(fs::is_empty(dir / "folder"));
    EXPECT_EQ(fs::file_size(dir / "huge"), RecordFile::MaxRecord * RecordFile::RecordLength + 1);

    // A missing file in a missing folder: writes are taken, the save fails.
    RecordFile f(dir / "no-such-folder" / "names.QDX");
    EXPECT_TRUE(f.isWritable() && f.writeInt16(1, 1));
    EXPECT_FALSE(f.save());
    EXPECT_EQ(entries(dir.path()), before);
}

TEST(Codepage, GreekRoundTripsAndWhatItCannotHoldIsMarked)
{
    const std::string text = "ΑΒΓ άέήίόύώΐΰϊϋς¶€";
    const std::string ansi = "\xC1\xC2\xC3\x20\xDC\xDD\xDE\xDF\xFC\xFD\xFE\xC0\xE0\xFA\xFB\xF2\xB6\x80";
    EXPECT_EQ(toAnsi(text), ansi);
    EXPECT_EQ(fromAnsi(ansi), text);
    EXPECT_EQ(fromAnsi(std::string("a\0b", 3)), std::string("a\0b", 3));

    // One question mark for each character outside the code page, and for
    // broken UTF-8: a stray byte, a lead byte cut off by the end, a lead byte
    // followed by an ASCII character that must survive.
    EXPECT_EQ(toAnsi("aЖb漢c😀d"), "a?b?c?d");
    EXPECT_EQ(toAnsi("a\xFF"s + "b"), "a?b");
    EXPECT_EQ(toAnsi("x\xCE"), "x?");
    EXPECT_EQ(toAnsi("a\xC3(b"), "a?(b");

    // Bytes the code page leaves undefined read as the replacement character.
    for (char undefined : "\x81\x88\x8A\x8C\x8D\x8E\x8F\x90\x98\x9A\x9C\x9D\x9E\x9F\xAA\xD2\xFF"s)
        EXPECT_EQ(fromAnsi("A"s + undefined + "B"), "A\uFFFDB") << int(static_cast<unsigned char>(undefined));
}

TEST(AppFolderTest, IsTheFolderOfThisProgram)
{
    const std::string folder = AppFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.front(), '/');
    EXPECT_NE(folder.back(), '/');
    EXPECT_TRUE(fs::is_regular_file(folder + "/" + fs::path(program_invocation_name).filename().string()));
}
