#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <functional>
#include <map>
#include <sched.h>
#include <sys/mount.h>
#include <sys/file.h>
#include <sys/stat.h>

#include "FileBytes.h"
#include "TempFolder.h"
#include "storage/BackgroundFile.h"
#include "storage/Codepage.h"
#include "storage/CustomImagesFile.h"
#include "storage/DataFiles.h"
#include "storage/NamesFile.h"
#include "storage/RecordFile.h"
#include "storage/SafeFile.h"
#include "storage/ScoreFile.h"
#include "storage/SettingsRecords.h"

using namespace vornel;
using namespace vornel::testing;

namespace {

struct SafeFileTest : ::testing::Test {
    TempFolder dir;
    fs::path file = dir / "skor.qdx";
};
using RecordFileTest = SafeFileTest;

std::string everyByte(int times)
{
    std::string bytes;
    for (int i = 0; i < 256 * times; ++i)
        bytes += static_cast<char>(i);
    return bytes;
}

}  // namespace

TEST_F(SafeFileTest, ReadsARegularFileWholeUpToItsLimitAndAnythingElseAsNothingAtOnce)
{
    writeBytes(file, everyByte(3));
    EXPECT_EQ(readRegularFile(file, 768), everyByte(3));
    EXPECT_EQ(readRegularFile(file, 767), std::nullopt);
    writeBytes(file, "");
    EXPECT_EQ(readRegularFile(file), "");
    fs::resize_file(file, MaxDataFileBytes);
    EXPECT_EQ(readRegularFile(file), std::string(MaxDataFileBytes, '\0'));
    fs::resize_file(file, MaxDataFileBytes + 1);
    EXPECT_EQ(readRegularFile(file), std::nullopt);

    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
    fs::create_directory(dir / "folder");
    fs::create_symlink("/dev/zero", dir / "endless");
    fs::create_symlink(dir / "nowhere", dir / "dangling");
    for (const char* name : {"pipe", "folder", "endless", "dangling", "missing"}) {
        const fs::path path = dir / name;
        EXPECT_TRUE(passesInChild([&] { return !readRegularFile(path); })) << name;
    }
    writeBytes(dir / "file", "x");
    fs::create_symlink(dir / "file", dir / "link");
    for (const char* name : {"file", "link", "pipe", "endless"})
        EXPECT_TRUE(fileExists(dir / name)) << name;
    for (const char* name : {"folder", "dangling", "missing"})
        EXPECT_FALSE(fileExists(dir / name)) << name;
    EXPECT_EQ(readRegularFile(dir / "link"), "x");  // a link is read through
}

namespace {

// What lies at a path, for telling what a save touched: the kind and mode
// of every entry, a regular file's bytes and a link's target.
std::map<std::string, std::string> snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> state;
    for (const std::string& name : entries(folder)) {
        const fs::path path = folder / name;
        struct stat st { };
        ::lstat(path.c_str(), &st);
        std::string& s = state[name] = std::to_string(st.st_mode);
        if (S_ISREG(st.st_mode))
            s += " " + readBytes(path);
        else if (S_ISLNK(st.st_mode))
            s += " -> " + fs::read_symlink(path).string();
    }
    return state;
}

// What stands at the path of a save, and what the save must make of it.
struct ReplaceCase {
    const char* name;
    std::function<void(const fs::path& dir)> make;
    std::function<bool()> inChild;        // how the saving process differs
    std::optional<SaveFailure> failure;  // none: the path becomes a regular file of the new bytes
    unsigned mode = 0644;                // of that file: a replaced file keeps its own
};

}  // namespace

TEST_F(SafeFileTest, ReplaceLeavesWhatIsNotItsOwnAndSaysWhyItFailed)
{
    const auto old = [](const fs::path& d, fs::perms mode) {
        writeBytes(d / "real", "old");
        fs::permissions(d / "real", mode);
    };
    const std::vector<ReplaceCase> cases{
        {"read-only file", [&](auto d) { old(d, fs::perms(0444)); fs::rename(d / "real", d / "skor.qdx"); }, {}, SaveFailure::ReadOnly},
        {"file only its owner reads", [&](auto d) { old(d, fs::perms(0400)); fs::rename(d / "real", d / "skor.qdx"); }, {}, SaveFailure::ReadOnly},
        {"file only its owner writes", [&](auto d) { old(d, fs::perms(0600)); fs::rename(d / "real", d / "skor.qdx"); }, {}, {}, 0600},
        {"folder", [](auto d) { fs::create_directory(d / "skor.qdx"); }, {}, SaveFailure::NotARegularFile},
        {"pipe", [](auto d) { ::mkfifo((d / "skor.qdx").c_str(), 0644); }, {}, SaveFailure::NotARegularFile},
        {"link to a file", [&](auto d) { old(d, fs::perms(0644)); fs::create_symlink("real", d / "skor.qdx"); }, {}, {}},
        {"link to a read-only file", [&](auto d) { old(d, fs::perms(0444)); fs::create_symlink(d / "real", d / "skor.qdx"); }, {}, {}},
        {"link that leads nowhere", [](auto d) { fs::create_symlink("real", d / "skor.qdx"); }, {}, {}},
        {"read-only folder",
            [&](auto d) {
                old(d, fs::perms(0666));
                fs::copy_file(d / "real", d / "skor.qdx");
                fs::permissions(d / "skor.qdx", fs::perms(0666));
                fs::permissions(d, fs::perms(0555));
            },
            // The system lets root write anywhere; nobody may not.
            [] { return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0); }, SaveFailure::ReadOnly},
        {"file size limit", [&](auto d) { old(d, fs::perms(0644)); fs::copy_file(d / "real", d / "skor.qdx"); },
            [] { prepareProcessForSaves(); const rlimit size{4096, 4096}; return ::setrlimit(RLIMIT_FSIZE, &size) == 0; },
            SaveFailure::TooLarge},
    };
    for (const ReplaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TempFolder d;
        c.make(d.path());
        auto before = snapshot(d.path());
        EXPECT_TRUE(passesInChild([&] {
            if (c.inChild && !c.inChild())
                return false;
            const SaveResult saved = replaceFileContents(d / "skor.qdx", everyByte(64));
            return c.failure ? !saved && saved.failure() == *c.failure : saved.ok();
        }));
        fs::permissions(d.path(), fs::perms(0700));
        auto after = snapshot(d.path());
        if (!c.failure) {
            EXPECT_EQ(after["skor.qdx"], std::to_string(S_IFREG | c.mode) + " " + everyByte(64));
            after.erase("skor.qdx");
            before.erase("skor.qdx");
        }
        EXPECT_EQ(after, before);  // the target of a link is never touched, nor is a refused file
    }
}

// A full disk, made in a child of its own: a small memory file system over
// the folder, seen by that child only.
TEST_F(SafeFileTest, AFullDiskIsAFailedSaveThatKeepsTheOldFile)
{
    const fs::path full = dir.path();
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(2);
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", full.c_str(), "tmpfs", 0, "size=16k") != 0)
            ::_exit(77);
        writeBytes(full / "skor.qdx", "old");
        const SaveResult saved = replaceFileContents(full / "skor.qdx", everyByte(256));
        ::_exit(!saved && saved.failure() == SaveFailure::DiskFull && readBytes(full / "skor.qdx") == "old" &&
                    entries(full) == std::set<std::string>{"skor.qdx"}
                ? 0
                : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "no file system of our own may be mounted here";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// A save clears what killed saves of its file left, start-up those of every
// data file; a temporary file still locked is being written and stays.
TEST_F(SafeFileTest, TemporaryFilesNobodyIsWritingGoAtTheNextSaveAndAtStart)
{
    const std::set<std::string> kept{"skor.qdx", ".skor.qdx.Busy01", ".skor.qdx.tmp", ".names.QDX.tmp", "colors.qdx.Ab12Cd", "real"};
    for (const std::string& name : kept)
        writeBytes(dir / name, "x");
    std::set<std::string> others = kept;
    for (const char* name : DataFile::Saved) {
        writeBytes(dir / ("."s + name + ".Xy34Zw"), "left by a killed save");
        if (name != "skor.qdx"s)
            others.insert("."s + name + ".Xy34Zw");
    }
    fs::create_symlink("real", dir / ".skorP.qdx.Ab12Cd");  // never made by a save
    const int busy = ::open((dir / ".skor.qdx.Busy01").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);
    ASSERT_TRUE(replaceFileContents(dir / "skor.qdx", "new"));
    others.insert(".skorP.qdx.Ab12Cd");
    EXPECT_EQ(entries(dir.path()), others);
    removeOrphanedTemporaries(dir.path());
    ::close(busy);
    auto left = kept;
    left.insert(".skorP.qdx.Ab12Cd");
    EXPECT_EQ(entries(dir.path()), left);
    EXPECT_EQ(readBytes(dir / "real"), "x");
}

// A line of the wallpaper file or a stored picture path may hold any byte.
TEST_F(SafeFileTest, APathWithANulInsideOrInAMissingFolderNamesNoFile)
{
    const SaveResult failed = replaceFileContents(dir / "absent" / "file", "new");
    EXPECT_TRUE(!failed && failed.failure() == SaveFailure::Other && failed.error() == ENOENT);
    const fs::path sea = dir / "sea.bmp";
    writeBytes(sea, "BM");
    const std::string cut = sea.string() + '\0' + "x";
    EXPECT_FALSE(fileExists(cut) || readRegularFile(cut) || replaceFileContents(cut, "new"));
    EXPECT_EQ(readBytes(sea), "BM");
    writeBytes(dir / "background.dat", cut + "\r\n" + sea.string() + "\r\n");
    EXPECT_EQ(readBackgroundFile(dir / "background.dat"), std::vector<std::string>{sea.string()});
}

TEST_F(RecordFileTest, RecordNumbersRunFromOneToMaxAndOthersAreRefusedAndReadAsNothing)
{
    const std::string before(3 * 128, '\x55');
    writeBytes(file, before);
    RecordFile f(file);
    for (int record : {INT_MIN, -1, 0, RecordFile::MaxRecord + 1, INT_MAX}) {
        EXPECT_FALSE(f.writeInt16(record, 1) || f.writeInt32(record, 1) || f.writeText(record, "x") ||
            f.writeTagged(record, TaggedValue::fromText("x")))
            << record;
        EXPECT_TRUE(f.readInt32(record) == 0 && f.readTagged(record).isEmpty()) << record;
    }
    EXPECT_TRUE(f.save());
    EXPECT_EQ(readBytes(file), before);
    ASSERT_TRUE(f.writeInt32(RecordFile::MaxRecord, -1234567));
    ASSERT_TRUE(f.save());
    EXPECT_EQ(readBytes(file).substr((RecordFile::MaxRecord - 1) * 128), "\x79\x29\xED\xFF"s + std::string(124, '\0'));
    EXPECT_EQ(RecordFile(file).readInt32(RecordFile::MaxRecord), -1234567);  // the largest file is read back
}

// How each kind of value is laid out is the fuzz target's; these are the bounds.
TEST_F(RecordFileTest, ATextFillsAtMostItsRecordTheRestOfWhichStaysAndNothingIsWrittenBeforeTheSave)
{
    writeBytes(file, std::string(128, '\xAA'));
    RecordFile f(file);
    ASSERT_TRUE(f.writeText(2, std::string(126, 'x')));  // the longest text
    ASSERT_TRUE(f.writeText(2, "ωy"));
    EXPECT_FALSE(f.writeText(3, std::string(127, 'x')) || f.writeTagged(3, {TaggedValue::Type::Int16, 40000, {}}) ||
        f.writeTagged(3, TaggedValue::fromText(std::string(125, 'x'))));
    EXPECT_EQ(readBytes(file), std::string(128, '\xAA'));
    ASSERT_TRUE(f.save());
    EXPECT_EQ(readBytes(file), std::string(128, '\xAA') + text("\xF9y") + std::string(124, 'x'));
}

// Folders and pipes are the saves' own cases; a file too large to be ours is never read nor replaced.
TEST_F(RecordFileTest, AFileLargerThanItsRecordsIsNeverReplaced)
{
    writeBytes(file, "\x07");
    fs::resize_file(file, RecordFile::MaxRecord * RecordFile::RecordLength + 1);
    RecordFile f(file);
    EXPECT_TRUE(!f.isWritable() && f.readInt16(1) == 0 && f.writeInt16(1, 8));
    const SaveResult saved = f.save();
    EXPECT_TRUE(!saved && saved.failure() == SaveFailure::NotARegularFile);
    EXPECT_EQ(readBytes(file), "\x07"s + std::string(RecordFile::MaxRecord * RecordFile::RecordLength, '\0'));
}

TEST(Codepage, GreekRoundTripsAndWhatItCannotHoldIsMarked)
{
    const std::string text = "ΑΒΓ άέήίόύώΐΰϊϋς¶€";
    const std::string ansi = "\xC1\xC2\xC3\x20\xDC\xDD\xDE\xDF\xFC\xFD\xFE\xC0\xE0\xFA\xFB\xF2\xB6\x80";
    EXPECT_EQ(toAnsi(text), ansi);
    EXPECT_EQ(fromAnsi(ansi), text);
    EXPECT_EQ(fromAnsi(std::string("a\0b", 3)), std::string("a\0b", 3));

    // A question mark for each character outside the code page and each broken UTF-8 sequence.
    EXPECT_EQ(toAnsi("aЖb漢c😀d"), "a?b?c?d");
    EXPECT_EQ(toAnsi("a\xFF"s + "b"), "a?b");
    EXPECT_EQ(toAnsi("x\xCE"), "x?");
    EXPECT_EQ(toAnsi("a\xC3(b"), "a?(b");

    // Bytes the code page leaves undefined come back as they were.
    for (char undefined : "\x81\x88\x8A\x8C\x8D\x8E\x8F\x90\x98\x9A\x9C\x9D\x9E\x9F\xAA\xD2\xFF"s) {
        const std::string ansi = "A"s + undefined + "B";
        EXPECT_EQ(toAnsi(fromAnsi(ansi)), ansi) << int(static_cast<unsigned char>(undefined));
        EXPECT_TRUE(fitsCodepage(fromAnsi(ansi)));
    }

    const std::pair<std::string, bool> fits[] = {{"Άννα σταυρου ¶€", true}, {"", true}, {"josé", false}, {"ж", false},
        {fromAnsi("\xD2"), true},  // an undefined byte read from a file
        {"\uF7C1", false}};        // the same range, but 0xC1 is a letter: it could not come back
    for (const auto& [utf8, expected] : fits)
        EXPECT_EQ(fitsCodepage(utf8), expected) << utf8;
}

// How every file reads, and that writing back what was read changes only its
// own records, is the fuzz target's; these are the writers' own rules.
namespace {

struct DataFileTest : ::testing::Test {
    TempFolder dir;
    fs::path scores = dir / DataFile::SingleScores, names = dir / DataFile::Names;
};

}  // namespace

TEST_F(DataFileTest, AScoreTableThatCannotBeWrittenWholeLeavesTheFileAsItWas)
{
    writeBytes(scores, noise(32));
    ScoreTable table = readScoreTable(scores);
    table.scores[0] = TaggedValue::fromInt16(999);
    table.names[2] = TaggedValue::fromText(std::string(125, 'x'));
    EXPECT_FALSE(writeScoreTable(scores, table));
    EXPECT_EQ(readBytes(scores), noise(32));
}

TEST_F(DataFileTest, DeletingTheScoreFileRemovesALinkButNeitherItsTargetNorAFolder)
{
    writeBytes(dir / "real", "x");
    fs::create_symlink("real", scores);
    EXPECT_TRUE(deleteScoreFile(scores) && deleteScoreFile(scores));  // the second finds nothing to delete
    fs::create_directory(dir / "folder");
    EXPECT_FALSE(deleteScoreFile(dir / "folder"));
    EXPECT_EQ(entries(dir.path()), (std::set<std::string>{"folder", "real"}));
}

TEST_F(DataFileTest, NamesReplaceTheWholeFileOneTaggedTextARecordCutToWholeCharactersAThousandAtLeast)
{
    writeBytes(names, noise(5));
    std::string longName;
    for (int i = 0; i < 130; ++i)
        longName += "ω";
    ASSERT_TRUE(writeNames(names, {"Άννα", "", longName}));
    EXPECT_EQ(readBytes(names),
        records(
            3, {{1, taggedText("\xA2\xED\xED\xE1")}, {2, taggedText("")}, {3, taggedText(std::string(124, '\xF9'))}}));

    // A thousand players fit; more than the records refuses the whole list.
    std::vector<std::string> players(1000, "player");
    ASSERT_TRUE(writeNames(names, players));
    EXPECT_EQ(readNameRecords(names), players);
    players.resize(RecordFile::MaxRecord + 1, "one too many");
    EXPECT_FALSE(writeNames(names, players));
    EXPECT_EQ(readNameRecords(names).size(), 1000u);
}

// The settings sit among the scores, in a file that may end after them.
TEST_F(DataFileTest, SettingsRecordsAndCustomImagesSkipATextTooLongForItsRecordAndWriteTheRest)
{
    SettingsRecords settings{1500, 1200, TaggedValue::fromInt16(-1), 2, 3, "C:\\Εικόνες\\a.bmp", 1};
    const std::string before = noise(10);
    writeBytes(scores, before);
    ASSERT_TRUE(writeSettingsRecords(scores, settings));
    const std::string written = patched(before + records(20),
        {{15, "\xDC\x05\x00\x00"s}, {16, "\xB0\x04\x00\x00"s},
            {17, "\x03\x00\xFF\xFF\xFF\xFF"s},  // written 32 bits wide
            {18, "\x02\x00"s}, {19, "\x03\x00"s}, {20, text("C:\\\xC5\xE9\xEA\xFC\xED\xE5\xF2\\a.bmp")},
            {30, "\x01\x00"s}});
    EXPECT_EQ(readBytes(scores), written);
    settings.wallpaperPath = std::string(127, 'x');
    settings.difficulty = 3;
    EXPECT_TRUE(writeSettingsRecords(scores, settings));
    EXPECT_EQ(readBytes(scores), patched(written, {{18, "\x03\x00"s}}));

    const fs::path file = dir / DataFile::CustomImages;
    CustomImages images;
    images.paths = {"/a.bmp", "/b.bmp"};
    ASSERT_TRUE(writeCustomImages(file, images));
    images.paths = {"/" + std::string(126, 'x'), "/c.bmp"};
    ASSERT_TRUE(writeCustomImages(file, images));
    EXPECT_EQ(readBytes(file), records(11, {{1, text("/a.bmp")}, {2, text("/c.bmp")}}));
}
