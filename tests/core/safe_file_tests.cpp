#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include "FileBytes.h"
#include "TempFolder.h"
#include "storage/BackgroundFile.h"
#include "storage/SafeFile.h"

using namespace vornel;
using namespace vornel::testing;

namespace {

struct SafeFileTest : ::testing::Test {
    TempFolder dir;
};

std::string everyByte(int times)
{
    std::string bytes;
    for (int i = 0; i < 256 * times; ++i)
        bytes += static_cast<char>(i);
    return bytes;
}

struct stat statOf(const fs::path& file)
{
    struct stat st { };
    ::stat(file.c_str(), &st);
    return st;
}

}  // namespace

TEST_F(SafeFileTest, ReadsARegularFileWholeUpToItsLimit)
{
    const fs::path file = dir / "data";
    writeBytes(file, everyByte(3));
    EXPECT_EQ(readRegularFile(file), everyByte(3));
    EXPECT_EQ(readRegularFile(file, 768), everyByte(3));
    EXPECT_EQ(readRegularFile(file, 767), std::nullopt);
    writeBytes(file, "");
    EXPECT_EQ(readRegularFile(file), "");
    fs::resize_file(file, MaxDataFileBytes);
    EXPECT_EQ(readRegularFile(file), std::string(MaxDataFileBytes, '\0'));
    fs::resize_file(file, MaxDataFileBytes + 1);
    EXPECT_EQ(readRegularFile(file), std::nullopt);
}

TEST_F(SafeFileTest, AnythingButARegularFileReadsAsNothingAtOnce)
{
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
}

TEST_F(SafeFileTest, ReplaceWritesANewFileBesideTheOldAndKeepsTheMode)
{
    const fs::path file = dir / "skor.qdx";
    ASSERT_TRUE(replaceFileContents(file, everyByte(2)));
    EXPECT_EQ(readBytes(file), everyByte(2));
    EXPECT_EQ(statOf(file).st_mode & 0777, 0644u);

    fs::permissions(file, fs::perms(0600));
    const ino_t old = statOf(file).st_ino;
    ASSERT_TRUE(replaceFileContents(file, "new"));
    EXPECT_EQ(readBytes(file), "new");
    EXPECT_EQ(statOf(file).st_mode & 0777, 0600u);
    EXPECT_NE(statOf(file).st_ino, old);  // renamed over the old one, never written in place
    EXPECT_EQ(entries(dir.path()), std::set<std::string>{"skor.qdx"});
}

TEST_F(SafeFileTest, ReplaceThroughALinkChangesTheFileItLeadsTo)
{
    fs::create_directory(dir / "real");
    writeBytes(dir / "real" / "names.QDX", "old");
    fs::create_symlink("real/names.QDX", dir / "names.QDX");
    ASSERT_TRUE(replaceFileContents(dir / "names.QDX", "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "names.QDX"));
    EXPECT_EQ(readBytes(dir / "real" / "names.QDX"), "new");
    EXPECT_EQ(entries(dir / "real"), std::set<std::string>{"names.QDX"});

    // A link that leads nowhere is left as it is.
    fs::create_symlink("real/absent", dir / "dangling");
    EXPECT_FALSE(replaceFileContents(dir / "dangling", "new"));
    EXPECT_FALSE(fs::exists(dir / "real" / "absent"));
}

TEST_F(SafeFileTest, FailedReplaceLeavesTheOldFileAndNoTemporaryFile)
{
    fs::create_directory(dir / "folder");
    EXPECT_FALSE(replaceFileContents(dir / "folder", "new"));
    EXPECT_TRUE(fs::is_empty(dir / "folder"));
    EXPECT_FALSE(replaceFileContents(dir / "absent" / "file", "new"));

    // A file size limit makes the write itself fail, even for root.
    const fs::path file = dir / "skor.qdx";
    writeBytes(file, "old");
    EXPECT_TRUE(passesInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{4096, 4096};
        return ::setrlimit(RLIMIT_FSIZE, &size) == 0 && !replaceFileContents(file, everyByte(32));
    }));
    EXPECT_EQ(readBytes(file), "old");
    EXPECT_EQ(entries(dir.path()), (std::set<std::string>{"folder", "skor.qdx"}));
}

TEST_F(SafeFileTest, ReplaceRemovesTemporaryFilesNobodyIsWriting)
{
    const std::set<std::string> kept{"skor.qdx", ".skor.qdx.Busy01", ".skor.qdx.tmp", ".skorP.qdx.Ab12Cd"};
    for (const std::string& name : kept)
        writeBytes(dir / name, "x");
    writeBytes(dir / ".skor.qdx.Ab12Cd", "left by a killed save");
    // A save still running holds a lock on its file.
    const int busy = ::open((dir / ".skor.qdx.Busy01").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);
    ASSERT_TRUE(replaceFileContents(dir / "skor.qdx", "new"));
    ::close(busy);
    EXPECT_EQ(entries(dir.path()), kept);
}

// A line of the wallpaper file or a stored picture path may hold any byte.
TEST_F(SafeFileTest, APathWithANulInsideNamesNoFile)
{
    const fs::path sea = dir / "sea.bmp";
    writeBytes(sea, "BM");
    const std::string cut = sea.string() + '\0' + "x";
    EXPECT_FALSE(fileExists(cut) || readRegularFile(cut) || replaceFileContents(cut, "new"));
    EXPECT_EQ(readBytes(sea), "BM");
    writeBytes(dir / "background.dat", cut + "\r\n" + sea.string() + "\r\n");
    EXPECT_EQ(readBackgroundFile(dir / "background.dat"), std::vector<std::string>{sea.string()});
}
