#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "storage/AppFolder.h"
#include "storage/Codepage.h"
#include "storage/RecordFile.h"

namespace vornel {
void PrintTo(const TaggedValue& v, std::ostream* os)
{
    *os << "{type " << static_cast<int>(v.type) << ", " << v.number << ", \"" << v.text << "\"}";
}
}  // namespace vornel

namespace fs = std::filesystem;
using vornel::RecordFile;
using vornel::TaggedValue;

namespace {

using Bytes = std::vector<unsigned char>;

Bytes readAll(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeAll(const fs::path& p, const Bytes& b)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

Bytes slice(const Bytes& b, std::size_t at, std::size_t n)
{
    if (at + n > b.size())
        return {};
    return Bytes(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + n));
}

bool allEqual(const Bytes& b, std::size_t from, std::size_t to, unsigned char v)
{
    for (std::size_t i = from; i < to; ++i)
        if (b.at(i) != v)
            return false;
    return true;
}

class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string tmpl = (fs::temp_directory_path() / "vornel-storage-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        dir = tmpl;
        file = dir / "skor.qdx";
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }
    fs::path dir, file;
};

}  // namespace

TEST_F(RecordFileTest, MissingFileIsCreatedEmptyAndOnlyRecordsFromOneCount)
{
    RecordFile f(file);
    EXPECT_TRUE(f.isOpen());
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(fs::file_size(file), 0u);
    EXPECT_EQ(f.readInt16(18), 0);
    EXPECT_EQ(f.readInt32(15), 0);
    EXPECT_EQ(f.readText(20), "");
    EXPECT_TRUE(f.readTagged(17).isEmpty());

    // There is no record 0 or below.
    EXPECT_FALSE(f.writeInt16(0, 1));
    EXPECT_FALSE(f.writeInt32(-1, 1));
    EXPECT_FALSE(f.writeText(0, "a"));
    EXPECT_FALSE(f.writeTagged(-3, TaggedValue::fromInt16(1)));
    EXPECT_EQ(fs::file_size(file), 0u);
    EXPECT_EQ(f.readInt32(0), 0);
}

TEST_F(RecordFileTest, IntegersAreLittleEndianAtTheirRecordAndTheFileEndsOnARecord)
{
    {
        RecordFile f(file);
        ASSERT_TRUE(f.writeInt32(16, 735));
        ASSERT_TRUE(f.writeInt16(18, -2));
    }
    Bytes b = readAll(file);
    ASSERT_EQ(b.size(), 2304u);  // 18 records
    EXPECT_EQ(slice(b, 1920, 4), (Bytes{0xDF, 0x02, 0x00, 0x00}));
    EXPECT_EQ(slice(b, 2176, 2), (Bytes{0xFE, 0xFF}));
    EXPECT_TRUE(allEqual(b, 0, 1920, 0));
    EXPECT_TRUE(allEqual(b, 1924, 2176, 0));
    EXPECT_TRUE(allEqual(b, 2178, 2304, 0));

    RecordFile again(file);
    EXPECT_EQ(again.readInt32(16), 735);
    EXPECT_EQ(again.readInt16(18), -2);
    EXPECT_TRUE(again.writeInt32(1, -1234567));
    EXPECT_EQ(slice(readAll(file), 0, 4), (Bytes{0x79, 0x29, 0xED, 0xFF}));
    EXPECT_EQ(again.readInt32(1), -1234567);
}

TEST_F(RecordFileTest, TaggedValuesCarryTheirTypeCode)
{
    RecordFile f(file);
    ASSERT_TRUE(f.writeTagged(17, TaggedValue::fromInt32(0x00C000)));
    ASSERT_TRUE(f.writeTagged(1, TaggedValue::fromText("120")));
    ASSERT_TRUE(f.writeTagged(2, TaggedValue::fromInt16(-300)));
    ASSERT_TRUE(f.writeTagged(3, TaggedValue::empty()));
    Bytes b = readAll(file);
    EXPECT_EQ(b.size(), 17u * 128);
    EXPECT_EQ(slice(b, 2048, 6), (Bytes{0x03, 0x00, 0x00, 0xC0, 0x00, 0x00}));
    EXPECT_EQ(slice(b, 0, 7), (Bytes{0x08, 0x00, 0x03, 0x00, 0x31, 0x32, 0x30}));
    EXPECT_EQ(slice(b, 128, 4), (Bytes{0x02, 0x00, 0xD4, 0xFE}));
    EXPECT_EQ(slice(b, 256, 2), (Bytes{0x00, 0x00}));

    EXPECT_EQ(f.readTagged(17), TaggedValue::fromInt32(0x00C000));
    EXPECT_EQ(f.readTagged(1), TaggedValue::fromText("120"));
    EXPECT_EQ(f.readTagged(2), TaggedValue::fromInt16(-300));
    EXPECT_TRUE(f.readTagged(3).isEmpty());
    EXPECT_TRUE(f.readTagged(40).isEmpty());  // beyond the end
}

TEST_F(RecordFileTest, GreekTextIsStoredInCodePage1253)
{
    {
        RecordFile f(file);
        ASSERT_TRUE(f.writeText(20, "Άννα"));
        ASSERT_TRUE(f.writeTagged(6, TaggedValue::fromText("Άννα")));
    }
    Bytes b = readAll(file);
    EXPECT_EQ(slice(b, 19 * 128, 6), (Bytes{0x04, 0x00, 0xA2, 0xED, 0xED, 0xE1}));
    EXPECT_EQ(slice(b, 5 * 128, 8), (Bytes{0x08, 0x00, 0x04, 0x00, 0xA2, 0xED, 0xED, 0xE1}));
    RecordFile f(file);
    EXPECT_EQ(f.readText(20), "Άννα");
    EXPECT_EQ(f.readTagged(6).toText(), "Άννα");
}

TEST_F(RecordFileTest, WritingLeavesTheRestOfTheRecordAsItWas)
{
    writeAll(file, Bytes(3 * 128, 0xAA));
    {
        RecordFile f(file);
        ASSERT_TRUE(f.writeInt16(2, 1));
        ASSERT_TRUE(f.writeText(3, "abcdef"));
        ASSERT_TRUE(f.writeText(3, "xy"));
    }
    Bytes b = readAll(file);
    ASSERT_EQ(b.size(), 3u * 128);
    EXPECT_TRUE(allEqual(b, 0, 128, 0xAA));
    EXPECT_EQ(slice(b, 128, 2), (Bytes{0x01, 0x00}));
    EXPECT_TRUE(allEqual(b, 130, 256, 0xAA));
    EXPECT_EQ(slice(b, 256, 8), (Bytes{0x02, 0x00, 'x', 'y', 'c', 'd', 'e', 'f'}));
    EXPECT_TRUE(allEqual(b, 264, 384, 0xAA));
    EXPECT_EQ(RecordFile(file).readText(3), "xy");
}

TEST_F(RecordFileTest, TextLongerThanItsRecordIsRefusedAndLeavesTheRecord)
{
    writeAll(file, Bytes(128, 0xAA));
    RecordFile f(file);
    EXPECT_FALSE(f.writeText(1, std::string(127, 'x')));
    EXPECT_FALSE(f.writeTagged(1, TaggedValue::fromText(std::string(125, 'x'))));
    EXPECT_FALSE(f.writeText(2, std::string(200, 'x')));
    EXPECT_EQ(readAll(file), Bytes(128, 0xAA));  // not grown either

    // The limit counts code-page bytes: 126 Greek letters are 252 UTF-8 bytes.
    std::string greek;
    for (int i = 0; i < 126; ++i)
        greek += "ω";
    ASSERT_TRUE(f.writeText(1, greek));
    Bytes b = readAll(file);
    EXPECT_EQ(slice(b, 0, 3), (Bytes{0x7E, 0x00, 0xF9}));
    EXPECT_EQ(b.back(), 0xF9);
    EXPECT_EQ(f.readText(1), greek);
    EXPECT_TRUE(f.writeTagged(2, TaggedValue::fromText(std::string(124, 'z'))));
    EXPECT_EQ(f.readTagged(2).text, std::string(124, 'z'));
}

TEST_F(RecordFileTest, TruncatedFileGivesOnlyWhatIsThere)
{
    // Record 1 is whole; record 2 announces a 5-byte tagged text but the file
    // ends after 2 of them.
    Bytes b(128, 0);
    b[0] = 0xDF;
    b[1] = 0x02;
    b.insert(b.end(), {0x08, 0x00, 0x05, 0x00, 'H', 'e'});
    writeAll(file, b);
    RecordFile f(file);
    EXPECT_EQ(f.readInt32(1), 735);
    EXPECT_EQ(f.readTagged(2), TaggedValue::fromText("He"));
    EXPECT_EQ(f.readInt32(2), 0x00050008);  // the bytes past the end count as zero
    EXPECT_EQ(f.readInt16(3), 0);
    EXPECT_EQ(f.readText(3), "");
    EXPECT_EQ(fs::file_size(file), 134u);  // reading never grows the file

    ASSERT_TRUE(f.writeInt16(2, 7));  // a write completes the cut record with zeros
    Bytes after = readAll(file);
    ASSERT_EQ(after.size(), 256u);
    EXPECT_EQ(slice(after, 128, 6), (Bytes{0x07, 0x00, 0x05, 0x00, 'H', 'e'}));
    EXPECT_TRUE(allEqual(after, 134, 256, 0));
}

TEST_F(RecordFileTest, CorruptRecordsStayInsideTheirRecord)
{
    Bytes b(4 * 128, 0);
    std::fill(b.begin(), b.begin() + 128, 'A');
    std::fill(b.begin() + 128, b.begin() + 256, 'B');
    std::fill(b.begin() + 256, b.end(), 'C');  // the fourth record guards the third
    b[0] = b[1] = 0xFF;                        // text length 65535
    b[128] = 0x08;                             // tagged text of length 500
    b[129] = 0x00;
    b[130] = 0xF4;
    b[131] = 0x01;
    b[256] = 0x05;  // a type code this program never writes
    b[257] = 0x00;
    writeAll(file, b);
    RecordFile f(file);
    EXPECT_EQ(f.readText(1), std::string(126, 'A'));
    EXPECT_EQ(f.readTagged(2).text, std::string(124, 'B'));
    EXPECT_TRUE(f.readTagged(3).isEmpty());
}

TEST_F(RecordFileTest, UnopenableFileReadsAsNothingAndRefusesWrites)
{
    RecordFile f(dir / "no-such-folder" / "names.QDX");
    EXPECT_FALSE(f.isOpen());
    EXPECT_EQ(f.readInt32(1), 0);
    EXPECT_TRUE(f.readTagged(1).isEmpty());
    EXPECT_FALSE(f.writeInt16(1, 1));
    EXPECT_FALSE(fs::exists(dir / "no-such-folder"));
}

TEST_F(RecordFileTest, ReadOnlyFileStillReads)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    writeAll(file, Bytes{0x07, 0x00});
    fs::permissions(file, fs::perms::owner_read);
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    RecordFile f(file);
    EXPECT_TRUE(f.isOpen());
    EXPECT_EQ(f.readInt16(1), 7);
    EXPECT_FALSE(f.writeInt16(1, 8));
    EXPECT_EQ(readAll(file), (Bytes{0x07, 0x00}));
}

TEST(TaggedValueTest, ToTextGivesTheValueAsText)
{
    EXPECT_EQ(TaggedValue::empty().toText(), "");
    EXPECT_EQ(TaggedValue::fromInt16(-5).toText(), "-5");
    EXPECT_EQ(TaggedValue::fromInt32(49152).toText(), "49152");
    EXPECT_EQ(TaggedValue::fromText("Άννα").toText(), "Άννα");
}

TEST(CodepageTest, GreekRoundTrips)
{
    const std::string text = "ΑΒΓ άέήίόύώΐΰϊϋς¶€";
    const std::string ansi = "\xC1\xC2\xC3\x20\xDC\xDD\xDE\xDF\xFC\xFD\xFE\xC0\xE0\xFA\xFB\xF2\xB6\x80";
    EXPECT_EQ(vornel::toAnsi(text), ansi);
    EXPECT_EQ(vornel::fromAnsi(ansi), text);
    EXPECT_EQ(vornel::fromAnsi(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(CodepageTest, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(vornel::toAnsi("aЖb漢c😀d"), "a?b?c?d");
    // Broken UTF-8: a stray byte, a lead byte cut off by the end, a lead
    // byte followed by an ASCII character that must survive.
    EXPECT_EQ(vornel::toAnsi("a\xFF"
                             "b"),
        "a?b");
    EXPECT_EQ(vornel::toAnsi("x\xCE"), "x?");
    EXPECT_EQ(vornel::toAnsi("a\xC3(b"), "a?(b");
}

TEST(CodepageTest, UndefinedBytesDecodeToTheReplacementCharacter)
{
    const std::string undefined = "\x81\x88\x8A\x8C\x8D\x8E\x8F\x90\x98\x9A\x9C\x9D\x9E\x9F\xAA\xD2\xFF";
    std::string expected;
    for (std::size_t i = 0; i < undefined.size(); ++i)
        expected += "\uFFFD";
    EXPECT_EQ(vornel::fromAnsi(undefined), expected);
    EXPECT_EQ(vornel::fromAnsi("A\x81"
                               "B"),
        "A\uFFFD"
        "B");
}

TEST(AppFolderTest, IsTheFolderOfThisProgram)
{
    const std::string folder = vornel::AppFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.front(), '/');
    EXPECT_NE(folder.back(), '/');
    const fs::path self = fs::path(program_invocation_name).filename();
    EXPECT_TRUE(fs::is_regular_file(folder + "/" + self.string()));
}
