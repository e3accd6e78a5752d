#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "GameFixture.h"
#include "game/CustomPictures.h"
#include "storage/CustomImagesFile.h"
#include "text/Messages.h"

namespace vornel {
namespace {

using namespace vornel::testing;

// Picture files by path: those listed read as pictures, anything else as no picture at all.
struct FakePictureFiles : PictureFiles {
    std::set<std::string> readable;
    int reads = 0;
    PictureRef readPicture(const std::string& path) override
    {
        ++reads;
        return readable.count(path) ? std::make_shared<const Picture>(Picture{path}) : nullptr;
    }
};

struct CustomPicturesTest : GameFixture {
    FakePictureFiles files;
    std::filesystem::path file = folder / DataFile::CustomImages;
    CustomPictures custom{file, files, host, language};

    static std::string photo(int i) { return "/photos/p" + std::to_string(i) + ".jpg"; }
    void fill(int slot, const std::string& path)
    {
        files.readable.insert(path);
        custom.select(slot);
        ASSERT_TRUE(custom.add(path));
    }
};

TEST_F(CustomPicturesTest, TenDifferentPicturesAreAskedForUntilChosenThenSavedAndLoadedWithoutThoseThatHaveGone)
{
    // A fresh installation: ten empty slots, which are never compared.
    custom.load();
    EXPECT_TRUE(std::filesystem::exists(file));  // created empty by the first read
    EXPECT_EQ(custom.allDifferent(), 1);
    const PictureSet before = game.currentPictureSet();
    host.yesNoAnswers = {false, true};
    EXPECT_EQ(game.applyCustom(custom), CustomOutcome::Declined);
    EXPECT_EQ(game.category(), PictureCategory::Objects);
    EXPECT_EQ(game.currentPictureSet().pictures, before.pictures);
    EXPECT_EQ(game.applyCustom(custom), CustomOutcome::ChooseNow);
    EXPECT_EQ(host.questions.at(0), "Δεν έχετε επιλέξει 10 προσωπικές εικόνες.Θέλετε να τις επιλέξετε τώρα;");

    // Paths the file cannot keep are refused before any reading; a file that is no picture, quietly.
    custom.select(6);
    const std::string longest = "/" + std::string(125, 'a');  // 126 bytes: fits
    files.readable = {longest, longest + "b", "/фото.png"};
    host.messagesExpected = 2;
    EXPECT_FALSE(custom.add(longest + "b") || custom.add("/фото.png") || custom.add("/photos/notes.txt"));
    EXPECT_EQ(host.messages,
        (std::vector<std::string>{
            std::string(Messages::PicturePathTooLong.greek), std::string(Messages::PicturePathNotStorable.greek)}));
    EXPECT_TRUE(files.reads == 1 && custom.slot(6).empty());
    EXPECT_TRUE(custom.add(longest));
    EXPECT_EQ(custom.slot(6).path, longest);

    // Equal files are asked about first.
    language.UseGreek = false;
    fill(2, photo(2));
    fill(7, photo(2));
    EXPECT_EQ(custom.allDifferent(), 0);
    host.yesNoAnswers = {false};
    EXPECT_EQ(game.applyCustom(custom), CustomOutcome::Declined);
    EXPECT_EQ(host.questions.back(), "You must select 10 different images.Would you like to choose images now?");

    // Nine filled, slot 5 empty: the missing one is asked for.
    for (int i = 0; i < CustomPictures::SlotCount; ++i)
        fill(i, photo(i));
    custom.select(5);
    custom.select(10);  // no such slot
    custom.deleteSelected();
    EXPECT_EQ(custom.firstEmptySlot(), 5);

    // Complete again: the set is the very pictures of the slots, and a later
    // edit changes nothing of the game until applied again.
    fill(5, photo(5));
    ASSERT_EQ(game.applyCustom(custom), CustomOutcome::Applied);
    EXPECT_EQ(game.category(), PictureCategory::Custom);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(game.currentPictureSet().at(k), custom.slot(k - 1).picture);
    custom.deleteSelected();
    EXPECT_NE(game.currentPictureSet().at(6), nullptr);

    EXPECT_TRUE(custom.setLastFolder("/photos"));
    EXPECT_FALSE(custom.setLastFolder("/home/josé"));  // kept as it was, never saved as "jos?"
    ASSERT_TRUE(custom.save());
    files.readable.erase(photo(8));
    custom.load();
    EXPECT_EQ(custom.selected(), 0);
    EXPECT_EQ(
        std::tuple(custom.slot(4).path, custom.slot(5).path, custom.lastFolder()), std::tuple(photo(4), "", "/photos"));
    EXPECT_TRUE(custom.slot(8).empty() && custom.slot(8).path.empty());
}

}  // namespace
}  // namespace vornel
