#include <gtest/gtest.h>

#include <tuple>

#include "FileBytes.h"
#include "TempFolder.h"
#include "storage/CustomImagesFile.h"
#include "storage/DataFiles.h"
#include "storage/NamesFile.h"
#include "storage/ScoreFile.h"
#include "storage/SettingsRecords.h"

using namespace vornel;
using namespace vornel::testing;

namespace {

struct DataFileTest : ::testing::Test {
    TempFolder dir;
    fs::path scores = dir / DataFile::SingleScores, names = dir / DataFile::Names;
};

}  // namespace

TEST_F(DataFileTest, ScoreTableKeepsTagsAndEveryOtherByte)
{
    std::string before = patched(noise(32),
        {{1, "\x02\x00\x78\x00"s}, {2, "\x03\x00\x5A\x00\x00\x00"s}, {3, taggedText("75")},
            {6, taggedText("\xA2\xED\xED\xE1")}, {7, taggedText("Bob")}, {4, "\x00\x00"s}, {5, "\x00\x00"s},
            {8, "\x00\x00"s}, {9, "\x00\x00"s}, {10, "\x00\x00"s}});
    writeBytes(scores, before);
    ScoreTable table = readScoreTable(scores);
    EXPECT_EQ(table.scores[0], TaggedValue::fromInt16(120));
    EXPECT_EQ(table.scores[1], TaggedValue::fromInt32(90));
    EXPECT_EQ(table.scores[2], TaggedValue::fromText("75"));
    EXPECT_TRUE(table.scores[3].isEmpty() && table.names[4].isEmpty());
    EXPECT_EQ(table.names[0].toText(), "Άννα");
    table.names[2] = TaggedValue::fromText("Δημήτρης");
    ASSERT_TRUE(writeScoreTable(scores, table));
    EXPECT_EQ(readBytes(scores), patched(before, {{8, taggedText("\xC4\xE7\xEC\xDE\xF4\xF1\xE7\xF2")}}));

    // A name too long for its record leaves the whole table as it was.
    const std::string written = readBytes(scores);
    table.names[0] = TaggedValue::fromText(std::string(125, 'x'));
    table.scores[0] = TaggedValue::fromInt16(999);
    EXPECT_FALSE(writeScoreTable(scores, table));
    EXPECT_EQ(readBytes(scores), written);
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

TEST_F(DataFileTest, NamesReplaceTheWholeFileOneTaggedTextARecordAThousandAtLeast)
{
    writeBytes(names, noise(5));
    std::string longName;
    for (int i = 0; i < 130; ++i)
        longName += "ω";
    ASSERT_TRUE(writeNames(names, {"Άννα", "", longName}));
    EXPECT_EQ(readBytes(names),
        records(
            3, {{1, taggedText("\xA2\xED\xED\xE1")}, {2, taggedText("")}, {3, taggedText(std::string(124, '\xF9'))}}));
    // Cut to whole characters: 124 of the 130.
    EXPECT_EQ(readNameRecords(names), (std::vector<std::string>{"Άννα", "", longName.substr(0, 248)}));
    ASSERT_TRUE(writeNames(names, {}));
    EXPECT_EQ(readBytes(names), "");

    // Every record reads as text, a last one cut short included.
    writeBytes(names,
        patched(noise(3), {{1, "\x02\x00\x0C\x00"s}, {2, "\x00\x00"s}, {3, "\x03\x00\xF9\xFF\xFF\xFF"s}}) +
            taggedText("Ann"));
    EXPECT_EQ(readNameRecords(names), (std::vector<std::string>{"12", "", "-7", "Ann"}));

    // A thousand players fit; more than the records refuses the whole list.
    std::vector<std::string> players(1000, "player");
    ASSERT_TRUE(writeNames(names, players));
    EXPECT_EQ(readNameRecords(names), players);
    players.resize(RecordFile::MaxRecord + 1, "one too many");
    EXPECT_FALSE(writeNames(names, players));
    EXPECT_EQ(readNameRecords(names).size(), 1000u);
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
    for (int count : {10, 40}) {
        std::string before = noise(count);
        writeBytes(scores, before);
        ASSERT_TRUE(writeSettingsRecords(scores, settings));
        before.resize(std::max<std::size_t>(before.size(), 30 * 128), '\0');
        EXPECT_EQ(readBytes(scores),
            patched(before,
                {{15, "\xDC\x05\x00\x00"s}, {16, "\xB0\x04\x00\x00"s},
                    {17, "\x03\x00\xFF\xFF\xFF\xFF"s},  // written 32 bits wide
                    {18, "\x02\x00"s}, {19, "\x03\x00"s}, {20, text("C:\\\xC5\xE9\xEA\xFC\xED\xE5\xF2\\a.bmp")},
                    {30, "\x01\x00"s}}))
            << count;
    }
    const SettingsRecords r = readSettingsRecords(scores);
    using Numbers = std::tuple<int, int, int, int, int>;
    EXPECT_EQ(Numbers(r.cardPictureHeight, r.cardPictureWidth, r.difficulty, r.category, r.numbersHidden),
        Numbers(1500, 1200, 2, 3, 1));
    EXPECT_EQ(r.cardColour, TaggedValue::fromInt32(-1));
    EXPECT_EQ(r.wallpaperPath, settings.wallpaperPath);

    // A wallpaper path too long for its record keeps the record; the rest is still written.
    settings.wallpaperPath = std::string(127, 'x');
    settings.difficulty = 3;
    const std::string before = readBytes(scores);
    EXPECT_TRUE(writeSettingsRecords(scores, settings));
    EXPECT_EQ(readBytes(scores), patched(before, {{18, "\x03\x00"s}}));
}

TEST_F(DataFileTest, CustomImagesAreElevenTextRecordsInTheGreekCodePage)
{
    const fs::path file = dir / DataFile::CustomImages;
    CustomImages images;
    images.paths[0] = "/a.bmp";
    images.paths[2] = "/Εικόνες/γάτα.png";
    images.lastFolder = "/Εικόνες";
    ASSERT_TRUE(writeCustomImages(file, images));
    const std::string expected = records(11,
        {{1, text("/a.bmp")}, {3, text("/\xC5\xE9\xEA\xFC\xED\xE5\xF2/\xE3\xDC\xF4\xE1.png")},
            {11, text("/\xC5\xE9\xEA\xFC\xED\xE5\xF2")}});
    EXPECT_EQ(readBytes(file), expected);
    EXPECT_EQ(readCustomImages(file).paths[2], "/Εικόνες/γάτα.png");

    // A path too long for its record keeps what the record held.
    images.paths[0] = "/" + std::string(126, 'x');
    ASSERT_TRUE(writeCustomImages(file, images));
    EXPECT_EQ(readCustomImages(file).paths[0], "/a.bmp");
}
