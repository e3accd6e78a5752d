#include "UiSupport.h"
#include "storage/CustomImagesFile.h"
#include "storage/SettingsRecords.h"
#include "text/Profile.h"
#include "ui/shared/FileLists.h"
#include "ui/windows/CustomPicturesWindow.h"

namespace vornel {
namespace {

using namespace testing;

struct CustomPicturesWindowTest : UiTest {
    QTemporaryDir photos;

    std::unique_ptr<CustomPicturesWindow> window(MainWindow& w, bool greek)
    {
        auto f = std::make_unique<CustomPicturesWindow>(w.customPictures(), w.game(), w.cardSettings(), w.pictures(),
            greek, TextCatalog(file(DataFile::English)), &w);
        f->show();
        return f;
    }
    // Chooses the file in the file list as a click does, or a double click.
    void clickFile(CustomPicturesWindow& f, const QString& name, bool twice = false)
    {
        auto* files = child<FileList>(f, "fileList");
        const auto found = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        files->setCurrentItem(found[0]);
        emit(twice ? files->itemDoubleClicked(found[0]) : files->itemClicked(found[0]));
    }
};

TEST_F(CustomPicturesWindowTest, PicturesArePreviewedAddedDeletedAndSavedWithTheFolder)
{
    for (int i : {3, 9})
        savePicture(photos.filePath(QStringLiteral("p%1.png").arg(i)), {40 + 7 * i, 300 - 20 * i});
    QFile(photos.filePath("broken.png")).open(QIODevice::WriteOnly);
    MainWindow& w = open(false);
    const auto f = window(w, false);
    ASSERT_TRUE(child<FolderList>(*f, "folderList")->setPath(photos.path()));

    clickFile(*f, "p3.png");
    // A file that is no picture changes neither the preview nor a slot.
    const qint64 preview = child<QLabel>(*f, "preview")->pixmap().cacheKey();
    clickFile(*f, "broken.png");
    clickFile(*f, "broken.png", true);
    EXPECT_EQ(child<QLabel>(*f, "preview")->pixmap().cacheKey(), preview);
    EXPECT_TRUE(w.customPictures().slot(0).empty());

    click(child(*f, "slotNumber(4)"));  // the number selects its slot
    clickFile(*f, "p3.png", true);  // a double click adds
    EXPECT_FALSE(child<QLabel>(*f, "slotPicture(4)")->pixmap().isNull() || child(*f, "slotNumber(4)")->isVisible());
    click(child(*f, "deleteButton"));
    EXPECT_TRUE(child<QLabel>(*f, "slotPicture(4)")->pixmap().isNull() && child(*f, "slotNumber(4)")->isVisible());

    click(child(*f, "slotPicture(9)"));  // the picture selects its slot too
    clickFile(*f, "p9.png");
    click(child(*f, "addButton"));
    click(child(*f, "okButton"));
    EXPECT_EQ(f->result(), QDialog::Accepted) << "Custom is not the category: nothing is asked";
    const CustomImages saved = readCustomImages(file(DataFile::CustomImages));
    EXPECT_EQ(saved.paths[9], photos.filePath("p9.png").toStdString());
    EXPECT_EQ(saved.lastFolder, QDir(photos.path()).absolutePath().toStdString());
}

// OK with the set incomplete and Custom the category saves, then asks:
// Yes keeps the window open, No closes it and the game keeps its pictures.
TEST_F(CustomPicturesWindowTest, AnIncompleteSetAsksOnOkWhileCustomIsTheCategory)
{
    CustomImages stored;  // ten pictures, and the category they make
    for (int i = 0; i < 10; ++i)
        stored.paths[i] = savePicture(photos.filePath(QStringLiteral("p%1.png").arg(i)), {20 + i, 20}).toStdString();
    stored.lastFolder = photos.path().toStdString();
    ASSERT_TRUE(writeCustomImages(file(DataFile::CustomImages), stored));
    SettingsRecords saved;
    saved.category = 4;
    ASSERT_TRUE(writeSettingsRecords(file(DataFile::SingleScores), saved));
    MainWindow& w = open(true);
    ASSERT_EQ(w.game().category(), PictureCategory::Custom);  // restored without a word
    const PictureRef first = w.game().currentPictureSet().at(1);
    const auto f = window(w, true);
    EXPECT_EQ(child<FolderList>(*f, "folderList")->path(), QDir(photos.path()).absolutePath());
    click(child(*f, "deleteButton"));  // slot 1 emptied
    boxes.yes();
    click(child(*f, "okButton"));
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(readCustomImages(file(DataFile::CustomImages)).paths[0], "");  // saved before asking
    boxes.no();
    click(child(*f, "okButton"));
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(w.game().category() == PictureCategory::Custom && w.game().currentPictureSet().at(1) == first);
}

}  // namespace
}  // namespace vornel
