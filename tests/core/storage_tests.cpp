#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <ctime>
#include <ostream>
#include <random>
#include <sys/stat.h>

#include "FileFixture.h"
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
using namespace std::string_literals;

namespace {

class RecordFileTest : public FileFixture {
protected:
    void SetUp() override
    {
        FileFixture::SetUp();
        file = dir / "skor.qdx";
    }
    std::string disk() const { return readBytes(file); }

    fs::path file;
};

}  // namespace

TEST_F(RecordFileTest, MissingFileIsCreatedEmptyAndChangesReachItOnSave)
{
    RecordFile f(file);
    EXPECT_TRUE(f.isWritable());
    EXPECT_EQ(disk(), "");
    EXPECT_EQ(f.readInt16(18), 0);
    EXPECT_EQ(f.readText(20), "");
    ASSERT_TRUE(f.writeInt32(16, 735));
    ASSERT_TRUE(f.writeInt16(18, -2));
    EXPECT_EQ(disk(), "");
    ASSERT_TRUE(f.save());
    std::string expected(18 * 128, '\0');  // the file ends on a whole record
    putHead(expected, 16, "\xDF\x02\x00\x00"s);
    putHead(expected, 18, "\xFE\xFF");
    EXPECT_EQ(disk(), expected);

    RecordFile again(file);
    EXPECT_EQ(again.recordCount(), 18);
    EXPECT_EQ(again.readInt32(16), 735);
    EXPECT_EQ(again.readInt16(18), -2);
    EXPECT_EQ(again.readInt32(1), 0);
}

TEST_F(RecordFileTest, RecordsRunFromOneToMax)
{
    RecordFile f(file);
    EXPECT_FALSE(f.writeInt16(0, 1));
    EXPECT_FALSE(f.writeText(-1, "a"));
    EXPECT_FALSE(f.writeTagged(RecordFile::MaxRecord + 1, TaggedValue::fromInt16(1)));
    EXPECT_EQ(f.recordCount(), 0);
    ASSERT_TRUE(f.writeInt32(RecordFile::MaxRecord, -1234567));
    EXPECT_EQ(f.readInt32(RecordFile::MaxRecord + 1), 0);
    ASSERT_TRUE(f.save());
    // The largest file written is read back.
    EXPECT_EQ(disk().substr((RecordFile::MaxRecord - 1) * 128), "\x79\x29\xED\xFF"s + std::string(124, '\0'));
    EXPECT_EQ(RecordFile(file).readInt32(RecordFile::MaxRecord), -1234567);
}

TEST_F(RecordFileTest, TaggedValuesCarryTheirTypeCodeAndTextIsCodePage1253)
{
    RecordFile f(file);
    ASSERT_TRUE(f.writeTagged(1, TaggedValue::fromText("120")));
    ASSERT_TRUE(f.writeTagged(2, TaggedValue::fromInt16(-300)));
    ASSERT_TRUE(f.writeTagged(3, TaggedValue::fromInt32(0x00C000)));
    ASSERT_TRUE(f.writeTagged(4, TaggedValue::empty()));
    ASSERT_TRUE(f.writeTagged(5, TaggedValue::fromText("Άννα")));
    ASSERT_TRUE(f.writeText(6, "Άννα"));
    EXPECT_FALSE(f.writeTagged(7, {TaggedValue::Type::Int16, 40000, {}}));
    EXPECT_FALSE(f.writeTagged(7, {static_cast<TaggedValue::Type>(5), 0, {}}));
    ASSERT_TRUE(f.save());
    std::string expected(6 * 128, '\0');
    putHead(expected, 1,
        "\x08\x00\x03\x00"
        "120"s);
    putHead(expected, 2, "\x02\x00\xD4\xFE"s);
    putHead(expected, 3, "\x03\x00\x00\xC0\x00\x00"s);
    putHead(expected, 5, "\x08\x00\x04\x00\xA2\xED\xED\xE1"s);
    putHead(expected, 6, "\x04\x00\xA2\xED\xED\xE1"s);
    EXPECT_EQ(disk(), expected);

    RecordFile again(file);
    EXPECT_EQ(again.readTagged(1), TaggedValue::fromText("120"));
    EXPECT_EQ(again.readTagged(2), TaggedValue::fromInt16(-300));
    EXPECT_EQ(again.readTagged(3), TaggedValue::fromInt32(0x00C000));
    EXPECT_TRUE(again.readTagged(4).isEmpty());
    EXPECT_EQ(again.readTagged(5).toText(), "Άννα");
    EXPECT_EQ(again.readText(6), "Άννα");
    EXPECT_TRUE(again.readTagged(40).isEmpty());  // beyond the end
}

TEST_F(RecordFileTest, WritingLeavesTheRestOfTheRecordAsItWas)
{
    writeBytes(file, std::string(3 * 128, '\xAA'));
    RecordFile f(file);
    ASSERT_TRUE(f.writeInt16(2, 1));
    ASSERT_TRUE(f.writeText(3, "abcdef"));
    ASSERT_TRUE(f.writeText(3, "xy"));
    ASSERT_TRUE(f.save());
    std::string expected(3 * 128, '\xAA');
    putHead(expected, 2, "\x01\x00"s);
    putHead(expected, 3, "\x02\x00xycdef"s);
    EXPECT_EQ(disk(), expected);
    EXPECT_EQ(RecordFile(file).readText(3), "xy");
}

TEST_F(RecordFileTest, TextLongerThanItsRecordIsRefusedAndLeavesTheRecord)
{
    writeBytes(file, std::string(128, '\xAA'));
    RecordFile f(file);
    EXPECT_FALSE(f.writeText(1, std::string(127, 'x')));
    EXPECT_FALSE(f.writeTagged(1, TaggedValue::fromText(std::string(125, 'x'))));
    EXPECT_FALSE(f.writeText(2, std::string(200, 'x')));
    EXPECT_EQ(f.recordCount(), 1);
    EXPECT_EQ(f.readInt16(1), static_cast<std::int16_t>(0xAAAA));

    // The limit counts code-page bytes: 126 Greek letters are 252 UTF-8 bytes.
    std::string greek;
    for (int i = 0; i < 126; ++i)
        greek += "ω";
    ASSERT_TRUE(f.writeText(1, greek));
    ASSERT_TRUE(f.writeTagged(2, TaggedValue::fromText(std::string(124, 'z'))));
    ASSERT_TRUE(f.save());
    EXPECT_EQ(disk(), "\x7E\x00"s + std::string(126, '\xF9') + "\x08\x00\x7C\x00"s + std::string(124, 'z'));
    EXPECT_EQ(RecordFile(file).readText(1), greek);
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
    EXPECT_EQ(disk(), cut.substr(0, 128) + "\x07\x00\x05\x00He"s + std::string(122, '\0'));
}

TEST_F(RecordFileTest, CorruptRecordsStayInsideTheirRecord)
{
    std::string b = std::string(128, 'A') + std::string(128, 'B') + std::string(256, 'C');
    putHead(b, 1, "\xFF\xFF");           // text length 65535
    putHead(b, 2, "\x08\x00\xF4\x01"s);  // tagged text of length 500
    putHead(b, 3, "\x05\x00"s);          // a type code this program never writes
    writeBytes(file, b);
    RecordFile f(file);
    EXPECT_EQ(f.readText(1), std::string(126, 'A'));
    EXPECT_EQ(f.readTagged(2).text, std::string(124, 'B'));
    EXPECT_TRUE(f.readTagged(3).isEmpty());
}

TEST_F(RecordFileTest, SaveWritesOnlyWhatChangedAndTruncateDropsRecords)
{
    const std::string five = std::string(5 * 128, '\x11');
    writeBytes(file, five);
    RecordFile f(file);
    writeBytes(file, "changed by someone else");
    ASSERT_TRUE(f.writeInt16(1, 0x1111));  // what the record already holds
    f.truncate(9);
    ASSERT_TRUE(f.save());
    EXPECT_EQ(disk(), "changed by someone else");

    f.truncate(2);
    EXPECT_EQ(f.readInt16(3), 0);
    ASSERT_TRUE(f.save());
    EXPECT_EQ(disk(), five.substr(0, 256));
}

TEST_F(RecordFileTest, OnlyARegularFileOfSaneSizeOrNothingIsEverReplaced)
{
    fs::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
    fs::create_symlink("absent", dir / "dangling");
    writeBytes(dir / "huge", "\x07");
    fs::resize_file(dir / "huge", RecordFile::MaxRecord * RecordFile::RecordLength + 1);
    const auto before = entries(dir);
    for (const char* name : {"folder", "pipe", "dangling", "huge"}) {
        const fs::path path = dir / name;
        EXPECT_TRUE(passesInChild([&] {
            RecordFile f(path);
            return !f.isWritable() && f.readInt16(1) == 0 && f.writeInt16(1, 8) && !f.save();
        })) << name;
    }
    EXPECT_EQ(entries(dir), before);
    EXPECT_TRUE(fs::is_empty(dir / "folder"));
    EXPECT_EQ(fs::file_size(dir / "huge"), RecordFile::MaxRecord * RecordFile::RecordLength + 1);

    // A missing file in a missing folder: writes are taken, the save fails.
    RecordFile f(dir / "no-such-folder" / "names.QDX");
    EXPECT_TRUE(f.isWritable());
    EXPECT_TRUE(f.writeInt16(1, 1));
    EXPECT_FALSE(f.save());
    EXPECT_EQ(entries(dir), before);
}

namespace {

// Record r of generation g holds r and g; every record differs between two
// generations, so a file mixing them is told from either.
void fill(RecordFile& f, std::int16_t generation, int records)
{
    for (int r = 1; r <= records; ++r)
        f.writeInt32(r, r * 65536 + generation);
}

}  // namespace

TEST_F(RecordFileTest, AKilledSaveLeavesTheOldOrTheNewFileAndAtMostOneOrphan)
{
    using Clock = std::chrono::steady_clock;
    constexpr int Records = 1024;  // 128 KiB
    // A kill tests the order of the steps, not the disk: in memory-backed
    // /dev/shm a save does not wait for a disk, so all the rounds fit the time.
    if (fs::is_directory("/dev/shm"))
        file = makeFolder("/dev/shm") / "skor.qdx";
    std::string generation[2];
    Clock::duration cycle{};  // one change and its save, as the child makes them
    for (std::int16_t g : {0, 1}) {
        const auto start = Clock::now();
        RecordFile f(file);
        fill(f, g, Records);
        ASSERT_TRUE(f.save());
        cycle = Clock::now() - start;
        generation[g] = disk();
    }
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> delay(0, std::chrono::nanoseconds(4 * cycle).count());

    int seen[2] = {0, 0};
    int orphans = 0;
    const std::string orphanPrefix = "." + file.filename().string() + ".";
    const auto deadline = Clock::now() + std::chrono::milliseconds(2500);
    for (int i = 0; i < 200 && Clock::now() < deadline; ++i) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            RecordFile f(file);
            for (std::int16_t g = f.readInt16(1) == 0 ? 1 : 0;; g = 1 - g) {
                fill(f, g, Records);
                f.save();
            }
        }
        const timespec pause{0, delay(random)};
        ::nanosleep(&pause, nullptr);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const std::string now = disk();
        ASSERT_TRUE(now == generation[0] || now == generation[1]) << "kill " << i << ": " << now.size() << " bytes";
        ++seen[now == generation[1] ? 1 : 0];
        std::set<std::string> left = entries(file.parent_path());
        ASSERT_EQ(left.erase(file.filename().string()), 1u);
        ASSERT_LE(left.size(), 1u) << "kill " << i;
        if (!left.empty()) {
            EXPECT_TRUE(left.begin()->starts_with(orphanPrefix)) << *left.begin();
            ++orphans;
        }
    }
    // Proof that the kills hit saves, both finished and half done.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(orphans, 0);

    // The next save clears what a killed one left.
    RecordFile f(file);
    fill(f, 2, 1);
    ASSERT_TRUE(f.save());
    EXPECT_EQ(entries(file.parent_path()), std::set<std::string>{"skor.qdx"});
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
