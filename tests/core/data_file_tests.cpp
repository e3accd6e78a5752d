#include <gtest/gtest.h>

#include "FileFixture.h"
#include "storage/DataFiles.h"
#include "storage/NamesFile.h"
#include "storage/ScoreFile.h"
#include "storage/SettingsRecords.h"

using namespace vornel;
using namespace vornel::testing;
using namespace std::string_literals;

namespace {

// Records full of bytes no writer would produce, so a byte changed by
// mistake shows.
std::string noise(int records)
{
    std::string bytes(records * 128, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 + 3);
    return bytes;
}

// A tagged text as a record holds it: type 8, the length, code-page bytes.
std::string taggedText(const std::string& ansi)
{
    return "\x08\x00"s + static_cast<char>(ansi.size()) + '\0' + ansi;
}

class DataFileTest : public FileFixture {
protected:
    void SetUp() override
    {
        FileFixture::SetUp();
        scores = dir / DataFile::SingleScores;
        names = dir / DataFile::Names;
    }
    fs::path scores, names;
};

}  // namespace

TEST_F(DataFileTest, ScoreTableKeepsTagsAndEveryOtherByte)
{
    std::string before = noise(32);
    putHead(before, 1, "\x02\x00\x78\x00"s);          // 120, 16 bits
    putHead(before, 2, "\x03\x00\x5A\x00\x00\x00"s);  // 90, 32 bits
    putHead(before, 3, taggedText("75"));
    putHead(before, 6, taggedText("\xA2\xED\xED\xE1"));  // Άννα
    putHead(before, 7, taggedText("Bob"));
    putHead(before, 8, taggedText("Cleo"));
    for (int empty : {4, 5, 9, 10})
        putHead(before, empty, "\x00\x00"s);
    writeBytes(scores, before);

    ScoreTable table = readScoreTable(scores);
    EXPECT_EQ(table.scores[0], TaggedValue::fromInt16(120));
    EXPECT_EQ(table.scores[1], TaggedValue::fromInt32(90));
    EXPECT_EQ(table.scores[2], TaggedValue::fromText("75"));
    EXPECT_TRUE(table.scores[3].isEmpty());
    EXPECT_EQ(table.names[0].toText(), "Άννα");
    EXPECT_TRUE(table.names[4].isEmpty());
    ASSERT_TRUE(writeScoreTable(scores, table));
    EXPECT_EQ(readBytes(scores), before);

    // A new second place moves the places below it down.
    for (int place = 4; place > 1; --place) {
        table.scores[place] = table.scores[place - 1];
        table.names[place] = table.names[place - 1];
    }
    table.scores[1] = TaggedValue::fromInt32(100);
    table.names[1] = TaggedValue::fromText("Δημήτρης");
    ASSERT_TRUE(writeScoreTable(scores, table));
    std::string after = before;
    putHead(after, 2, "\x03\x00\x64\x00\x00\x00"s);
    putHead(after, 3, "\x03\x00\x5A\x00\x00\x00"s);
    putHead(after, 4, taggedText("75"));
    putHead(after, 7, taggedText("\xC4\xE7\xEC\xDE\xF4\xF1\xE7\xF2"));
    putHead(after, 8, taggedText("Bob"));
    putHead(after, 9, taggedText("Cleo"));
    EXPECT_EQ(readBytes(scores), after);

    // A name too long for its record leaves the whole table as it was.
    table.names[0] = TaggedValue::fromText(std::string(125, 'x'));
    table.scores[0] = TaggedValue::fromInt16(999);
    EXPECT_FALSE(writeScoreTable(scores, table));
    EXPECT_EQ(readBytes(scores), after);
}

TEST_F(DataFileTest, DeletingTheScoreFileIgnoresItsModeButNotAFolder)
{
    writeBytes(scores, "x");
    fs::permissions(scores, fs::perms::owner_read);
    EXPECT_TRUE(deleteScoreFile(scores));
    EXPECT_FALSE(fs::exists(scores));
    EXPECT_TRUE(deleteScoreFile(scores));  // nothing there to begin with

    // A link goes, the file it leads to stays.
    writeBytes(dir / "real", "x");
    fs::create_symlink("real", scores);
    EXPECT_TRUE(deleteScoreFile(scores));
    EXPECT_FALSE(fs::is_symlink(scores));
    EXPECT_EQ(readBytes(dir / "real"), "x");

    fs::create_directory(dir / "folder");
    EXPECT_FALSE(deleteScoreFile(dir / "folder"));
    EXPECT_TRUE(fs::is_directory(dir / "folder"));
}

TEST_F(DataFileTest, NamesReplaceTheWholeFileOneTaggedTextARecord)
{
    writeBytes(names, noise(5));
    std::string longName;
    for (int i = 0; i < 130; ++i)
        longName += "ω";
    ASSERT_TRUE(writeNames(names, {"Άννα", "", longName}));

    std::string expected(3 * 128, '\0');
    putHead(expected, 1, taggedText("\xA2\xED\xED\xE1"));
    putHead(expected, 2, taggedText(""));
    putHead(expected, 3, taggedText(std::string(124, '\xF9')));
    EXPECT_EQ(readBytes(names), expected);
    // Cut to whole characters: 124 of the 130.
    EXPECT_EQ(readNameRecords(names), (std::vector<std::string>{"Άννα", "", longName.substr(0, 248)}));

    ASSERT_TRUE(writeNames(names, {}));
    EXPECT_EQ(readBytes(names), "");
}

TEST_F(DataFileTest, EveryNameRecordReadsAsText)
{
    std::string file = noise(3);
    putHead(file, 1, "\x02\x00\x0C\x00"s);
    putHead(file, 2, "\x00\x00"s);
    putHead(file, 3, "\x03\x00\xF9\xFF\xFF\xFF"s);
    file += taggedText("Ann");  // a last record cut short
    writeBytes(names, file);
    EXPECT_EQ(readNameRecords(names), (std::vector<std::string>{"12", "", "-7", "Ann"}));

    fs::remove(names);
    EXPECT_TRUE(readNameRecords(names).empty());
    EXPECT_TRUE(fs::is_regular_file(names));
}

TEST_F(DataFileTest, SettingsRecordsSitAmongTheScoresAndKeepEveryOtherByte)
{
    SettingsRecords settings;
    settings.cardPictureHeight = 1500;
    settings.cardPictureWidth = 1200;
    settings.cardColour = TaggedValue::fromInt16(-1);
    settings.difficulty = 2;
    settings.category = 3;
    settings.wallpaperPath = "C:\\Εικόνες\\a.bmp";
    settings.numbersHidden = 1;

    // One file ends after the score records, one goes on past record 30.
    for (int records : {10, 40}) {
        SCOPED_TRACE(records);
        const std::string before = noise(records);
        writeBytes(scores, before);
        ASSERT_TRUE(writeSettingsRecords(scores, settings));
        std::string after = before;
        after.resize(std::max<std::size_t>(before.size(), 30 * 128), '\0');
        putHead(after, 15, "\xDC\x05\x00\x00"s);
        putHead(after, 16, "\xB0\x04\x00\x00"s);
        putHead(after, 17, "\x03\x00\xFF\xFF\xFF\xFF"s);  // written 32 bits wide
        putHead(after, 18, "\x02\x00"s);
        putHead(after, 19, "\x03\x00"s);
        putHead(after, 20,
            "\x10\x00"
            "C:\\\xC5\xE9\xEA\xFC\xED\xE5\xF2\\a.bmp"s);
        putHead(after, 30, "\x01\x00"s);
        EXPECT_EQ(readBytes(scores), after);
    }

    const SettingsRecords read = readSettingsRecords(scores);
    EXPECT_EQ(read.cardPictureHeight, 1500);
    EXPECT_EQ(read.cardPictureWidth, 1200);
    EXPECT_EQ(read.cardColour, TaggedValue::fromInt32(-1));
    EXPECT_EQ(read.difficulty, 2);
    EXPECT_EQ(read.category, 3);
    EXPECT_EQ(read.wallpaperPath, settings.wallpaperPath);
    EXPECT_EQ(read.numbersHidden, 1);
}

TEST_F(DataFileTest, TooLongWallpaperKeepsItsRecordAndTheRestIsStillWritten)
{
    SettingsRecords settings;
    settings.wallpaperPath = "/old.bmp";
    ASSERT_TRUE(writeSettingsRecords(scores, settings));
    const std::string before = readBytes(scores);

    settings.wallpaperPath = std::string(127, 'x');
    settings.difficulty = 3;
    EXPECT_TRUE(writeSettingsRecords(scores, settings));
    std::string after = before;
    putHead(after, 18, "\x03\x00"s);
    EXPECT_EQ(readBytes(scores), after);
    EXPECT_EQ(readSettingsRecords(scores).wallpaperPath, "/old.bmp");
}
