#include <gtest/gtest.h>

#include "FakeHost.h"
#include "FileFixture.h"
#include "game/HelpFile.h"
#include "game/WallpaperRemoval.h"
#include "game/Wallpapers.h"
#include "storage/BackgroundFile.h"
#include "storage/DataFiles.h"
#include "storage/SafeFile.h"
#include "text/Language.h"

using namespace vornel;
using namespace vornel::testing;
using namespace std::string_literals;

namespace {

class WallpaperTest : public FileFixture {
protected:
    void SetUp() override
    {
        FileFixture::SetUp();
        photos = dir / DataFile::Photos;
        background = dir / DataFile::Background;
        fs::create_directory(photos);
        wallpapers.emplace(host, language, photos, background);
    }
    // A file with some content at `path`; returns the path as text.
    std::string file(const fs::path& path)
    {
        writeBytes(path, "BM");
        return path.string();
    }
    std::vector<std::string> captions() const
    {
        std::vector<std::string> c;
        for (const WallpaperEntry& e : wallpapers->list().entries())
            c.push_back(e.caption);
        return c;
    }
    std::vector<bool> checks() const
    {
        std::vector<bool> c;
        for (const WallpaperEntry& e : wallpapers->list().entries())
            c.push_back(e.checked);
        return c;
    }

    FakeHost host;
    Language language{false};
    fs::path photos, background;
    std::optional<Wallpapers> wallpapers;  // made once the folder is there
};

}  // namespace

TEST(WallpaperNames, BaseNameIsBeforeTheLastDotAndAfterTheLastSlash)
{
    EXPECT_EQ(GetFileName("/home/ada/sea.bmp"), "sea");
    EXPECT_EQ(GetFileName("b.BMP.bmp"), "b.BMP");
    EXPECT_EQ(GetFileName("/home/ada/notes"), "");
    // The last dot may sit in a folder's name: what comes before it counts.
    EXPECT_EQ(GetFileName("/home/ada.b/sea"), "ada");
    EXPECT_EQ(GetFileName("/pics/.hidden"), "");
    EXPECT_EQ(GetFileName("/Εικόνες/θάλασσα.jpg"), "θάλασσα");
}

TEST_F(WallpaperTest, MenuListsNoneThenBitmapsByNameThenTheUsersUsableLines)
{
    file(photos / "b.BMP.bmp");
    file(photos / "a.bmp");
    file(photos / "notes.txt");
    fs::create_directory(photos / "folder.bmp");
    const std::string sea = file(dir / "θάλασσα.jpg");
    const std::string sky = file(dir / "sky.png");
    // CR LF lines; a lone LF ends one too.
    writeBytes(background, "\r\n   \r\n" + dir.string() + "/\xE8\xDC\xEB\xE1\xF3\xF3\xE1.jpg\r\n" + dir.string() +
            "/gone.png\r\n" + sky + "\n");

    wallpapers->GetPhotos();
    EXPECT_EQ(captions(), (std::vector<std::string>{"None", "a", "b.BMP", "{¶}  θάλασσα", "{¶}  sky"}));
    EXPECT_EQ(wallpapers->list().entry(1).path, (photos / "a.bmp").string());
    EXPECT_EQ(wallpapers->list().entry(3).path, sea);
    EXPECT_EQ(checks(), std::vector<bool>(5, false));
    EXPECT_EQ(wallpapers->list().userPaths(), (std::vector<std::string>{sea, sky}));

    // The blank lines and the missing picture are gone from the next write.
    ASSERT_TRUE(wallpapers->saveUserEntries());
    EXPECT_EQ(readBytes(background), dir.string() + "/\xE8\xDC\xEB\xE1\xF3\xF3\xE1.jpg\r\n" + sky + "\r\n");
}

TEST_F(WallpaperTest, GreekNoneAndNoFilesGiveOneEntry)
{
    language.UseGreek = true;
    fs::remove(photos);
    wallpapers->GetPhotos();
    EXPECT_EQ(captions(), std::vector<std::string>{"Καμμία"});
    // Something that is not a regular file is not read, and never replaced.
    fs::create_directory(background);
    wallpapers->GetPhotos();
    EXPECT_EQ(wallpapers->list().count(), 1);
    EXPECT_FALSE(wallpapers->saveUserEntries());
    EXPECT_TRUE(fs::is_directory(background));
}

TEST_F(WallpaperTest, ChoosingAnEntryShowsItsPictureAndNoneHidesIt)
{
    const std::string a = file(photos / "a.bmp");
    wallpapers->GetPhotos();
    EXPECT_EQ(wallpapers->None_Click(1), WallpaperView::Shown);
    EXPECT_EQ(wallpapers->currentPath(), a);
    EXPECT_EQ(checks(), (std::vector<bool>{false, true}));

    EXPECT_EQ(wallpapers->None_Click(0), WallpaperView::Hidden);
    EXPECT_EQ(wallpapers->currentPath(), "");
    EXPECT_EQ(checks(), (std::vector<bool>{true, false}));
    EXPECT_EQ(wallpapers->None_Click(7), WallpaperView::Unchanged);
    EXPECT_EQ(checks(), (std::vector<bool>{true, false}));
}

TEST_F(WallpaperTest, AGoneFileIsReportedDisabledAndLeavesThePictureShown)
{
    const std::string a = file(photos / "a.bmp");
    const std::string mine = file(dir / "mine.bmp");
    writeBytes(background, mine + "\r\n");
    wallpapers->GetPhotos();
    ASSERT_EQ(wallpapers->None_Click(1), WallpaperView::Shown);
    fs::remove(mine);

    host.messagesExpected = 1;
    EXPECT_EQ(wallpapers->None_Click(2), WallpaperView::Unchanged);
    EXPECT_EQ(host.messages.at(0), "File " + mine + " does not exist.");
    EXPECT_EQ(host.messageTitles.at(0), "");
    EXPECT_FALSE(wallpapers->list().entry(2).enabled);
    EXPECT_EQ(checks(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(wallpapers->currentPath(), a);

    // A disabled entry is still next in line, and still reported.
    language.UseGreek = true;
    host.messagesExpected = 1;
    ASSERT_EQ(wallpapers->None_Click(1), WallpaperView::Shown);
    EXPECT_EQ(wallpapers->NextImage_Click(), WallpaperView::Unchanged);
    EXPECT_EQ(host.messages.at(1), "Το αρχείο " + mine + " δεν υπαρχεί.");
    // Its file is back: it can be chosen, though the entry stays grey.
    file(mine);
    EXPECT_EQ(wallpapers->None_Click(2), WallpaperView::Shown);
    EXPECT_FALSE(wallpapers->list().entry(2).enabled);
}

TEST_F(WallpaperTest, NextWallpaperWrapsAfterTheLastAndWaitsForACheck)
{
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"})
        file(photos / name);
    wallpapers->GetPhotos();
    EXPECT_EQ(wallpapers->NextImage_Click(), WallpaperView::Unchanged);  // nothing checked yet
    EXPECT_EQ(checks(), std::vector<bool>(4, false));

    wallpapers->None_Click(3);
    EXPECT_EQ(wallpapers->NextImage_Click(), WallpaperView::Hidden);
    EXPECT_EQ(checks(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(wallpapers->NextImage_Click(), WallpaperView::Shown);
    EXPECT_EQ(checks(), (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(wallpapers->currentPath(), (photos / "a.bmp").string());
}

TEST_F(WallpaperTest, RestoringShowsAnyExistingPictureButChecksOnlyAnExactPath)
{
    const std::string a = file(photos / "a.bmp");
    const std::string elsewhere = file(dir / "elsewhere.bmp");
    wallpapers->GetPhotos();

    wallpapers->setCurrentPath(a);
    EXPECT_EQ(wallpapers->restore(), WallpaperView::Shown);
    EXPECT_EQ(checks(), (std::vector<bool>{false, true}));

    wallpapers->setCurrentPath(dir.string() + "/Photos/../Photos/a.bmp");  // the same file, another path
    EXPECT_EQ(wallpapers->restore(), WallpaperView::Shown);
    EXPECT_EQ(checks(), (std::vector<bool>{false, false}));
    wallpapers->setCurrentPath(elsewhere);
    EXPECT_EQ(wallpapers->restore(), WallpaperView::Shown);
    EXPECT_EQ(checks(), (std::vector<bool>{false, false}));

    // Blank or gone: no wallpaper is checked, and the path is kept for the next run.
    for (const std::string& saved : {"   "s, ""s, dir.string() + "/gone.bmp", photos.string()}) {
        wallpapers->setCurrentPath(saved);
        EXPECT_EQ(wallpapers->restore(), WallpaperView::Unchanged) << saved;
        EXPECT_EQ(checks(), (std::vector<bool>{true, false})) << saved;
        EXPECT_EQ(wallpapers->currentPath(), saved);
    }
}

TEST_F(WallpaperTest, AddedPicturesThatStillExistAppendInOrderDuplicatesIncluded)
{
    const std::string sea = file(dir / "sea.png");
    wallpapers->GetPhotos();
    wallpapers->addWallpapers({sea, dir.string() + "/gone.png", sea});
    EXPECT_EQ(captions(), (std::vector<std::string>{"None", "{¶}  sea", "{¶}  sea"}));
    EXPECT_FALSE(fs::exists(background));  // saved at closing, not now
    ASSERT_TRUE(wallpapers->saveUserEntries());
    EXPECT_EQ(readBytes(background), sea + "\r\n" + sea + "\r\n");
}

TEST_F(WallpaperTest, ConfirmedRemovalRewritesTheFileAndRebuildsKeepingThePictureShown)
{
    file(photos / "a.bmp");
    const std::string sea = file(dir / "sea.png");
    const std::string sky = file(dir / "sky.png");
    writeBytes(background, sea + "\r\n" + sky + "\r\n");
    wallpapers->GetPhotos();
    ASSERT_EQ(wallpapers->None_Click(3), WallpaperView::Shown);

    WallpaperRemoval removal(wallpapers->list());
    EXPECT_EQ(removal.names(), (std::vector<std::string>{"sea", "sky"}));  // built-ins never listed
    removal.activate();
    removal.select(1);
    removal.remove();
    wallpapers->removeConfirmed(removal.paths());
    EXPECT_EQ(readBytes(background), sea + "\r\n");
    EXPECT_EQ(captions(), (std::vector<std::string>{"None", "a", "{¶}  sea"}));
    EXPECT_EQ(checks(), std::vector<bool>(3, false));
    EXPECT_EQ(wallpapers->currentPath(), sky);

    // Confirming with nothing removed writes the same paths; entry 0 keeps its mark.
    wallpapers->None_Click(0);
    wallpapers->removeConfirmed(WallpaperRemoval(wallpapers->list()).paths());
    EXPECT_EQ(readBytes(background), sea + "\r\n");
    EXPECT_EQ(checks(), (std::vector<bool>{true, false, false}));
}

TEST(WallpaperRemovalRules, SelectionAfterARemovalFollowsThePosition)
{
    auto removalOf = [](int users) {
        WallpaperList list;
        list.appendBuiltIn("a.bmp", "/p/a.bmp");
        for (int i = 0; i < users; ++i)
            list.appendUserEntry("/u/" + std::to_string(i) + ".png");
        return WallpaperRemoval(list);
    };
    WallpaperRemoval last = removalOf(3);
    last.select(2);
    last.remove();
    EXPECT_EQ(last.names(), (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(last.selected(), 1);

    WallpaperRemoval firstOfTwo = removalOf(2);
    firstOfTwo.select(0);
    firstOfTwo.remove();
    EXPECT_EQ(firstOfTwo.paths(), std::vector<std::string>{"/u/1.png"});
    EXPECT_EQ(firstOfTwo.selected(), std::nullopt);

    WallpaperRemoval middle = removalOf(3);
    middle.select(1);
    middle.remove();
    EXPECT_EQ(middle.selected(), 0);
    EXPECT_EQ(middle.selectedPath(), "/u/0.png");

    WallpaperRemoval firstOfThree = removalOf(3);
    firstOfThree.activate();
    firstOfThree.remove();
    EXPECT_EQ(firstOfThree.names(), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(firstOfThree.selected(), 0);

    // Nothing selected: nothing goes, and the first is selected.
    middle.select(std::nullopt);
    middle.remove();
    EXPECT_EQ(middle.count(), 2);
    EXPECT_EQ(middle.selected(), 0);
    WallpaperRemoval only = removalOf(1);
    only.activate();
    only.remove();
    EXPECT_EQ(only.count(), 0);
    EXPECT_EQ(only.selected(), std::nullopt);
    only.remove();
    EXPECT_EQ(only.selected(), std::nullopt);
}

TEST(WallpaperRemovalRules, NamesLoseTheirFirstFiveCharactersWhateverTheCaption)
{
    WallpaperList list;
    list.appendBuiltIn("x¶}y.bmp", "/p/x¶}y.bmp");  // a built-in that looks like the user's own
    list.appendUserEntry("/u/θάλασσα.png");
    const WallpaperRemoval removal(list);
    EXPECT_EQ(removal.names(), (std::vector<std::string>{"", "θάλασσα"}));
}

TEST_F(WallpaperTest, BackgroundFileSkipsPathsThatCannotBeALineAndReadsAFileOfSaneSizeOnly)
{
    const std::string sea = file(dir / "sea.png");
    ASSERT_TRUE(writeBackgroundFile(background, {sea, "/a\nb.png", "/Ελλάδα/ж.png"}));
    EXPECT_EQ(readBytes(background), sea + "\r\n/\xC5\xEB\xEB\xDC\xE4\xE1/?.png\r\n");
    EXPECT_EQ(readBackgroundFile(background), std::vector<std::string>{sea});

    writeBytes(background, std::string(MaxDataFileBytes + 1, ' '));
    EXPECT_TRUE(readBackgroundFile(background).empty());
    EXPECT_FALSE(writeBackgroundFile(background, {sea}));
    EXPECT_EQ(fs::file_size(background), MaxDataFileBytes + 1);
}

TEST_F(WallpaperTest, HelpIsHelpHlpOrTheFirstHlpFileByNameInAnyCase)
{
    file(dir / "Manual.HLP");
    file(dir / "notes.txt");
    fs::create_directory(dir / "A.hlp");
    EXPECT_EQ(findHelpFile(dir), dir / "Manual.HLP");
    file(dir / ".guide.hlp");  // hidden files count
    EXPECT_EQ(findHelpFile(dir), dir / ".guide.hlp");
    file(dir / "Help.hlp");
    EXPECT_EQ(periexomena(dir, host), dir / "Help.hlp");
}

TEST_F(WallpaperTest, WithoutAHelpFileTheGreekMessageShowsInEveryLanguage)
{
    fs::create_directory(dir / "Help.hlp");
    host.messagesExpected = 1;
    EXPECT_EQ(periexomena(dir, host), std::nullopt);
    EXPECT_EQ(host.messages.at(0),
        "Το αρχείο βοήθειας δεν βρίσκεται στον κατάλογο του προγράμματος. \n\n"
        "Επανεγκατέστησε το πρόγραμμα για να λυθεί το πρόβλημα.");
    EXPECT_EQ(host.messageTitles.at(0), "Πρόβλημα με το Αρχείο Βοήθειας");
}
