
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

    // Chooses the file in the file list as a click does.
    void clickFile(CustomPicturesWindow& f, const QString& name, bool twice = false)
    {
        auto* files = child<FileList>(f, "fileList");
        const auto found = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        files->setCurrentItem(found[0]);
        emit files->itemClicked(found[0]);
        if (twice)
            emit files->itemDoubleClicked(found[0]);
    }
    // Ten pictures saved as the player's own, and the category they make.
    void saveTenPicturesAsTheCategory()
    {
        CustomImages stored;
        for (int i = 0; i < 10; ++i)
            stored.paths[i] =
                savePicture(photos.filePath(QStringLiteral("p%1.png").arg(i)), {20 + i, 20}).toStdString();
        stored.lastFolder = photos.path().toStdString();
        ASSERT_TRUE(writeCustomImages(file("CustomImages.dat"), stored));
        SettingsRecords saved;
        saved.category = 4;
        ASSERT_TRUE(writeSettingsRecords(file("skor.qdx"), saved));
    }
};

TEST_F(CustomPicturesWindowTest, PicturesArePreviewedAddedDeletedAndSavedWithTheFolder)
{
    for (int i = 0; i < 10; ++i)
        savePicture(photos.filePath(QStringLiteral("p%1.png").arg(i)), {40 + 7 * i, 300 - 20 * i},
            QColor::fromHsv(36 * i, 255, 255));
    QFile(photos.filePath("broken.png")).open(QIODevice::WriteOnly);

    MainWindow& w = open(false);
    CustomPicturesWindow f(
        w.customPictures(), w.game(), w.cardSettings(), w.pictures(), false, TextCatalog(file("english.ini")), &w);
    f.show();
    ASSERT_TRUE(child<FolderList>(f, "folderList")->setPath(photos.path()));

    clickFile(f, "p3.png");
    EXPECT_EQ(child<QLabel>(f, "previewPath")->text(), photos.filePath("p3.png"));
    // A file that is no picture changes neither the preview nor a slot.
    const qint64 preview = child<QLabel>(f, "preview")->pixmap().cacheKey();
    clickFile(f, "broken.png", true);
    EXPECT_EQ(child<QLabel>(f, "preview")->pixmap().cacheKey(), preview);
    EXPECT_TRUE(w.customPictures().slot(0).empty());

    click(child(f, "slotNumber(4)"));  // the number selects its slot
    clickFile(f, "p3.png", true);  // a double click adds
    EXPECT_FALSE(child<QLabel>(f, "slotPicture(4)")->pixmap().isNull() || child(f, "slotNumber(4)")->isVisible());
    click(child(f, "deleteButton"));
    EXPECT_TRUE(child<QLabel>(f, "slotPicture(4)")->pixmap().isNull() && child(f, "slotNumber(4)")->isVisible());

    click(child(f, "slotPicture(9)"));  // the picture selects its slot too
    clickFile(f, "p9.png");
    click(child(f, "addButton"));
    click(child(f, "okButton"));
    EXPECT_EQ(f.result(), QDialog::Accepted) << "Custom is not the category: nothing is asked";
    const CustomImages saved = readCustomImages(file("CustomImages.dat"));
    EXPECT_EQ(saved.paths[9], photos.filePath("p9.png").toStdString());
    EXPECT_EQ(saved.lastFolder, QDir(photos.path()).absolutePath().toStdString());
    EXPECT_EQ(w.game().category(), PictureCategory::Objects);
}

TEST_F(CustomPicturesWindowTest, OkWithCustomActiveAsksAgainAndYesKeepsTheWindowOpenAsAStartWithTheSetIncompleteAsks)
{
    saveTenPicturesAsTheCategory();
    MainWindow& w = open(true);
    ASSERT_EQ(w.game().category(), PictureCategory::Custom);  // restored without a word
    const PictureRef first = w.game().currentPictureSet().at(1);
    EXPECT_EQ(first->name, photos.filePath("p0.png").toStdString());

    CustomPicturesWindow f(w.customPictures(), w.game(), w.cardSettings(), w.pictures(), true, TextCatalog(file("english.ini")), &w);
    f.show();
    EXPECT_EQ(child<FolderList>(f, "folderList")->path(), QDir(photos.path()).absolutePath());
    click(child(f, "deleteButton"));  // slot 1 emptied

    boxes.yes();
    click(child(f, "okButton"));
    EXPECT_EQ(boxes.texts.value(0), "Δεν έχετε επιλέξει 10 προσωπικές εικόνες.Θέλετε να τις επιλέξετε τώρα;");
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(readCustomImages(file("CustomImages.dat")).paths[0], "");  // saved before asking

    boxes.no();
    click(child(f, "okButton"));
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(w.game().category() == PictureCategory::Custom && w.game().currentPictureSet().at(1) == first);

    // A start with a picture of the set gone asks before the player window.
    saveTenPicturesAsTheCategory();
    QFile::remove(photos.filePath("p6.png"));
    MainWindow again(host, false, data.path());
    bool hiddenAndAlone = false;
    boxes.inspect = [&](QWidget*) { hiddenAndAlone = !again.isVisible() && !again.findChild<PlayerWindow*>("PlayerWindow"); };
    boxes.no();
    again.start();
    EXPECT_EQ(boxes.texts.value(2), "You must select 10 images.Would you like to choose images now?");
    EXPECT_TRUE(hiddenAndAlone && again.findChild<PlayerWindow*>("PlayerWindow"));
    EXPECT_EQ(again.game().currentPictureSet().at(1), nullptr);
    for (const char* item : {"objectsAction", "facesAction", "foodAction", "customAction"})
        EXPECT_FALSE(child<QAction>(again, item)->isChecked()) << item;
}

}  // namespace
}  // namespace vornel
