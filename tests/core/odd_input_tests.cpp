#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <optional>
#include <sys/stat.h>

#include "FileFixture.h"
#include "game/HelpFile.h"
#include "game/Numbers.h"
#include "storage/BackgroundFile.h"
#include "storage/SafeFile.h"

using namespace vornel;
using namespace vornel::testing;

namespace {

using OddInputTest = FileFixture;

}  // namespace

// Colour texts of the colours file and typed card colours.
TEST(OddInput, DecimalNumbersTakeOneSignAtMostAndNothingElse)
{
    const std::vector<std::pair<const char*, std::optional<std::int32_t>>> cases{
        {"255", 255},
        {" \t-2147483648\t ", INT_MIN},
        {"+12", 12},
        {"2147483647", INT_MAX},
        {"+-5", std::nullopt},
        {"-+5", std::nullopt},
        {"--5", std::nullopt},
        {"+", std::nullopt},
        {"2147483648", std::nullopt},
        {"0x10", std::nullopt},
        {"1e3", std::nullopt},
        {"- 5", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parseInt32(text), expected) << '"' << text << '"';
}

// A line of the wallpaper file or a stored picture path may hold any byte.
TEST_F(OddInputTest, APathWithANulInsideNamesNoFile)
{
    const fs::path sea = dir / "sea.bmp";
    writeBytes(sea, "BM");
    const std::string cut = sea.string() + '\0' + "x";
    EXPECT_FALSE(fileExists(cut));
    EXPECT_FALSE(readRegularFile(cut));
    EXPECT_FALSE(replaceFileContents(cut, "new"));
    EXPECT_EQ(readBytes(sea), "BM");

    writeBytes(dir / "background.dat", cut + "\r\n" + sea.string() + "\r\n");
    EXPECT_EQ(readBackgroundFile(dir / "background.dat"), std::vector<std::string>{sea.string()});
}

// The help viewer reads its file whole: anything but a regular file of sane
// size is no help file, and the next one by name is taken.
TEST_F(OddInputTest, OnlyARegularFileOfSaneSizeIsAHelpFile)
{
    const std::vector<std::pair<const char*, std::function<void(const fs::path&)>>> bad{
        {"pipe", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }},
        {"endless", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
        {"huge",
            [](const fs::path& p) {
                writeBytes(p, "<html>");
                fs::resize_file(p, (std::uintmax_t(16) << 20) + 1);
            }},
    };
    for (const auto& [kind, make] : bad) {
        const fs::path folder = makeFolder(dir);
        make(folder / "Help.hlp");
        EXPECT_EQ(findHelpFile(folder), std::nullopt) << kind;
        writeBytes(folder / "Manual.hlp", "<html>");
        EXPECT_EQ(findHelpFile(folder), folder / "Manual.hlp") << kind;
    }
}
