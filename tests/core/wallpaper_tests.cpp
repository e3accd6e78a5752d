#include <gtest/gtest.h>

#include <sys/stat.h>
#include <tuple>

#include "FakeHost.h"
#include "FileBytes.h"
#include "TempFolder.h"
#include "game/HelpFile.h"
#include "game/WallpaperRemoval.h"
#include "game/Wallpapers.h"
#include "storage/BackgroundFile.h"
#include "storage/DataFiles.h"
#include "storage/SafeFile.h"
#include "text/HtmlShape.h"
#include "text/Language.h"

using namespace vornel;
using namespace vornel::testing;

namespace {

struct WallpaperTest : ::testing::Test {
    TempFolder dir;
    fs::path photos = dir / DataFile::Photos, background = dir / DataFile::Background;
    FakeHost host;
    Language language{false};
    std::optional<Wallpapers> wallpapers;

    WallpaperTest()
    {
        fs::create_directory(photos);
        wallpapers.emplace(host, language, photos, background);
    }
    // A file with some content at `path`; returns the path as text.
    std::string file(const fs::path& path) { return writeBytes(path, "BM"), path.string(); }
    // The menu's captions: "*" marks the checked entry, "~" a disabled one.
    std::string menu() const
    {
        std::string m;
        for (const WallpaperEntry& e : wallpapers->list().entries())
            m += (m.empty() ? "" : "|") + std::string(e.checked ? "*" : "") + (e.enabled ? "" : "~") + e.caption;
        return m;
    }
};

}  // namespace

// How the user's lines read is the fuzz target's.
TEST_F(WallpaperTest, MenuListsNoneThenBitmapsByNameThenTheUsersPicturesThatExist)
{
    for (const char* name : {"b.BMP.bmp", "a.bmp", "notes.txt"})
        file(photos / name);
    fs::create_directory(photos / "folder.bmp");
    const std::string sky = file(dir / "sky.png");
    writeBytes(background, dir.string() + "/gone.png\r\n" + sky + "\r\n");
    wallpapers->loadBuiltInWallpapers();
    EXPECT_EQ(menu(), "None|a|b.BMP|{¶}  sky");
    ASSERT_TRUE(wallpapers->saveUserEntries());
    EXPECT_EQ(readBytes(background), sky + "\r\n");  // the missing picture is gone
}

TEST_F(WallpaperTest, ChoosingShowsAnEntryNextWrapsOnceOneIsCheckedAndAGoneFileIsReportedAndDisabled)
{
    const std::string a = file(photos / "a.bmp"), mine = file(dir / "mine.bmp");
    file(photos / "b.bmp");
    writeBytes(background, mine + "\r\n");
    wallpapers->loadBuiltInWallpapers();
    EXPECT_EQ(wallpapers->nextWallpaper(), WallpaperView::Unchanged);  // nothing checked yet
    EXPECT_EQ(wallpapers->chooseWallpaper(7), WallpaperView::Unchanged);
    EXPECT_EQ(menu(), "None|a|b|{¶}  mine");
    EXPECT_EQ(wallpapers->chooseWallpaper(3), WallpaperView::Shown);
    EXPECT_EQ(wallpapers->currentPath(), mine);
    EXPECT_EQ(wallpapers->nextWallpaper(), WallpaperView::Hidden);
    EXPECT_EQ(wallpapers->currentPath(), "");
    EXPECT_EQ(wallpapers->nextWallpaper(), WallpaperView::Shown);
    EXPECT_EQ(menu(), "None|*a|b|{¶}  mine");

    // A file gone is reported and greyed, and the picture shown stays.
    fs::remove(mine);
    host.messagesExpected = 1;
    EXPECT_EQ(wallpapers->chooseWallpaper(3), WallpaperView::Unchanged);
    EXPECT_EQ(host.messages.at(0), "File " + mine + " does not exist.");
    EXPECT_EQ(menu(), "None|a|b|*~{¶}  mine");
    EXPECT_EQ(wallpapers->currentPath(), a);
}

// Blank or gone: None is checked, and the path is kept for the next run.
TEST_F(WallpaperTest, RestoringShowsAnyExistingPictureButChecksOnlyAnExactPath)
{
    const std::string a = file(photos / "a.bmp");
    wallpapers->loadBuiltInWallpapers();
    for (auto [saved, view, checked] : std::initializer_list<std::tuple<std::string, WallpaperView, const char*>>{
             {a, WallpaperView::Shown, "None|*a"}, {"   ", WallpaperView::Unchanged, "*None|a"},
             {dir.string() + "/Photos/../Photos/a.bmp", WallpaperView::Shown, "None|a"},
             {dir.string() + "/gone.bmp", WallpaperView::Unchanged, "*None|a"},
             {photos.string(), WallpaperView::Unchanged, "*None|a"}}) {
        wallpapers->setCurrentPath(saved);
        EXPECT_EQ(wallpapers->restore(), view) << saved;
        EXPECT_EQ(menu(), checked) << saved;
        EXPECT_EQ(wallpapers->currentPath(), saved);
    }
}

TEST(WallpaperRemovalRules, SelectionAfterARemovalFollowsThePositionAndNamesAreTheUsersCaptions)
{
    struct Case {
        int names;
        std::optional<int> selected, selectedAfter;
        std::vector<std::string> left;
    };
    for (const Case& c : {Case{3, 2, 1, {"0", "1"}},  // the last of three: the new last
             Case{2, 0, {}, {"1"}},                   // the first of two: none
             Case{3, 1, 0, {"0", "2"}},               // the middle of three: the first
             Case{3, {}, 0, {"0", "1", "2"}},         // none selected: nothing goes, the first is selected
             Case{1, 0, {}, {}}, Case{0, {}, {}, {}}}) {
        WallpaperList list;
        list.appendBuiltIn("a.bmp", "/p/a.bmp");
        for (int i = 0; i < c.names; ++i)
            list.appendUserEntry("/u/" + std::to_string(i) + ".png");
        WallpaperRemoval removal(list);
        removal.select(c.selected);
        removal.remove();
        SCOPED_TRACE(std::to_string(c.names) + " names, selected " + std::to_string(c.selected.value_or(-1)));
        EXPECT_EQ(removal.names(), c.left);
        EXPECT_EQ(removal.selected(), c.selectedAfter);
        const auto path = [&](int i) { return std::optional("/u/" + c.left.at(i) + ".png"); };
        EXPECT_EQ(removal.selectedPath(), c.selectedAfter ? path(*c.selectedAfter) : std::nullopt);
    }

    // Captions end before the last dot; any with the mark is the user's and loses five characters.
    EXPECT_EQ(GetFileName("/home/ada.b/sea"), "ada");  // the last dot may sit in a folder's name
    EXPECT_EQ(GetFileName("/home/ada/notes") + GetFileName("/pics/.hidden"), "");
    WallpaperList list;
    list.appendBuiltIn("x¶}y.bmp", "/p/x¶}y.bmp");  // a built-in that looks like the user's own
    list.appendUserEntry("/u/θάλασσα.png");
    EXPECT_EQ(WallpaperRemoval(list).names(), (std::vector<std::string>{"", "θάλασσα"}));
}

TEST_F(WallpaperTest, BackgroundFileSkipsPathsThatCannotBeALine)
{
    const std::string sea = file(dir / "sea.png");
    ASSERT_TRUE(writeBackgroundFile(background, {sea, "/a\nb.png", "/Ελλάδα/ж.png"}));
    EXPECT_EQ(readBytes(background), sea + "\r\n/\xC5\xEB\xEB\xDC\xE4\xE1/?.png\r\n");
    EXPECT_EQ(readBackgroundFile(background), std::vector<std::string>{sea});
}

TEST_F(WallpaperTest, APathTheFileCannotHoldIsRefusedWhereItIsAdded)
{
    const std::string cafe = file(dir / "café_é.png"), sea = file(dir / "θάλασσα.png");
    host.messagesExpected = 1;
    ASSERT_FALSE(admitWallpaperPath(cafe, false, host));
    EXPECT_EQ(host.messages.back(), "The path of this file has characters that cannot be saved. Rename the file or its folder.");
    EXPECT_TRUE(admitWallpaperPath(sea, false, host));
    // Nor does it reach the menu another way, to be saved as "caf?_?.png".
    wallpapers->loadBuiltInWallpapers();
    wallpapers->addWallpapers({cafe, sea});
    EXPECT_EQ(menu(), "None|{¶}  θάλασσα");
}

TEST_F(WallpaperTest, TheUsersWallpapersAreAHundredAtMostEachPathOnce)
{
    const std::string sky = file(dir / "sky.png");
    std::string lines;
    std::vector<std::string> more;
    for (int i = 0; i < 150; ++i) {
        more.push_back(file(dir / (std::to_string(i) + ".png")));
        lines += sky + "\r\n" + more.back() + "\r\n";
    }
    writeBytes(background, lines);
    std::vector<std::string> expected{sky};
    expected.insert(expected.end(), more.begin(), more.begin() + 99);
    EXPECT_EQ(readBackgroundFile(background), expected);

    // Adding stops there too, so nothing added is lost at the next start.
    writeBytes(background, "");
    wallpapers->loadBuiltInWallpapers();
    wallpapers->addWallpapers(more);
    wallpapers->addWallpapers({sky});
    EXPECT_EQ(wallpapers->list().userPaths(), std::vector<std::string>(more.begin(), more.begin() + 100));
}

// ---- The help file ------------------------------------------------------------

namespace {

std::string repeated(std::string_view text, std::size_t times)
{
    std::string all;
    while (times--)
        all += text;
    return all;
}

std::string nestedTables(std::size_t depth)
{
    return repeated("<table><tr><td>", depth) + "x" + repeated("</td></tr></table>", depth);
}

}  // namespace

TEST_F(WallpaperTest, HelpIsHelpHlpOrTheFirstRegularHlpFileOfSaneSizeAndShapeByNameInAnyCase)
{
    // Without one the message is the Greek one, whatever the language.
    host.messagesExpected = 1;
    EXPECT_EQ(findHelpFile(dir.path(), host), std::nullopt);
    EXPECT_EQ(host.messageTitles.at(0), "Πρόβλημα με το Αρχείο Βοήθειας");
    file(dir / "Manual.HLP");
    file(dir / "notes.txt");
    fs::create_directory(dir / "A.hlp");
    ASSERT_EQ(::mkfifo((dir / "B.hlp").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", dir / "C.hlp");
    fs::resize_file(file(dir / "D.hlp"), (16u << 20) + 1);
    EXPECT_EQ(findHelpFile(dir.path()), dir / "Manual.HLP");
    file(dir / "Help.hlp");
    EXPECT_EQ(findHelpFile(dir.path(), host), dir / "Help.hlp");
    fs::rename(dir / "B.hlp", dir / "Help.hlp");  // a pipe would block the viewer
    EXPECT_EQ(findHelpFile(dir.path(), host), dir / "Manual.HLP");
    fs::remove(dir / "Help.hlp");
    writeBytes(dir / "Help.hlp", nestedTables(300));  // far beyond the manual's bounds
    EXPECT_EQ(findHelpFile(dir.path(), host), dir / "Manual.HLP");
}

// A page is measured as it would be laid out: a hostile help file is no help
// file, and the game's own manual is well within every bound. That the
// measure agrees with itself when it stops early is the fuzz target's.
TEST(HelpPage, APageBeyondTheManualsBoundsIsNoHelpFile)
{
    const HtmlShape shipped = measureHtml(readBytes(VORNEL_ASSETS "/Help.hlp"));
    EXPECT_TRUE(withinManualBounds(shipped));

    const std::tuple<const char*, std::string, bool> pages[] = {
        {"7 nested tables", nestedTables(7), false},
        {"6 nested tables", nestedTables(6), true},
        {"a table of 2,000 cells", "<table>" + repeated("<tr><td>x</td><td>y</td></tr>", 1000) + "</table>", false},
        {"20,000 nested lists", repeated("<ul><li>", 20000), false},
        {"5,000 paragraphs", repeated("<p>x</p>", 5000), false},
        {"unclosed bold 100 deep", repeated("<b>", 100), false},
        {"cells outside tables make them", repeated("<td><table>", 4), false},
        {"a close that is no table's", repeated("<b><p><table><tr><td></b>", 7), false},
        {"a foreign letter that lowers to k", "<bloc\u212Aquote>", false},
        {"space beyond ASCII ends a name", repeated("<table\u00A0border=1><tr><td>", 7), false},
        {"tags in comments and quoted values", repeated("<!-- <table> --><a title='<table>'>x</a>", 500), true},
    };
    for (const auto& [what, page, fits] : pages)
        EXPECT_EQ(withinManualBounds(page), fits) << what;
}
