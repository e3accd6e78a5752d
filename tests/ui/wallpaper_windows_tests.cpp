#include <QListWidget>
#include <QMenu>

#include "UiSupport.h"
#include "storage/SettingsRecords.h"
#include "text/Profile.h"
#include "ui/shared/FileLists.h"
#include "ui/shared/PictureLibrary.h"
#include "ui/windows/AddWallpaperWindow.h"

namespace vornel {
namespace {

using namespace testing;

struct WallpaperTest : UiTest {
    QTemporaryDir pictures;  // the user's own, elsewhere on the disk

    QString photo(const char* name) { return savePicture(data.filePath(QStringLiteral("Photos/%1").arg(name))); }
    void writeBackground(const QStringList& lines) { writeFile("background.dat", (lines.join("\r\n") + "\r\n").toUtf8()); }
    QByteArray background() const
    {
        QFile f(data.filePath("background.dat"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    }
    void choose(MainWindow& w, int k) { child<QAction>(w, QStringLiteral("wallpaperAction(%1)").arg(k))->trigger(); }
    QStringList entries(MainWindow& w)
    {
        QStringList texts;
        for (int k = 0; QAction* a = w.findChild<QAction*>(QStringLiteral("wallpaperAction(%1)").arg(k)); ++k)
            texts << QString(a->isChecked() ? "*" : "") + a->text();
        return texts;
    }
};

TEST_F(WallpaperTest, StartUpShowsTheSavedOneBehindTheGameAndTheMenuOrARightClickOnTheBackgroundChangesIt)
{
    photo("b.bmp");
    const QString a = photo("a.bmp");
    writeBackground({savePicture(pictures.filePath("sea & sky.png")), "  ", pictures.filePath("gone.png")});
    SettingsRecords saved;
    saved.wallpaperPath = a.toStdString();
    ASSERT_TRUE(writeSettingsRecords(file(DataFile::SingleScores), saved));
    MainWindow& w = open(false);

    EXPECT_EQ(entries(w), (QStringList{"None", "*a", "b", "{¶}  sea && sky"}));
    auto* wallpaper = child<QLabel>(w, "wallpaper");
    EXPECT_TRUE(BoxAnswerer::waitFor([&] { return !wallpaper->pixmap().isNull(); }));
    QWidget* area = child(w, "clientArea");
    const QPoint empty(child(w, "championshipPanel")->geometry().center().x(), area->height() - 40);
    ASSERT_EQ(area->childAt(empty), wallpaper);

    QMenu* menu = child<QMenu>(w, "wallpapersMenu");
    auto rightClick = [&](QPoint at) {
        QTest::mouseClick(area, Qt::RightButton, {}, at);
        const bool shown = menu->isVisible();
        menu->hide();
        return shown;
    };
    EXPECT_TRUE(rightClick(empty)) << "on the wallpaper";
    EXPECT_FALSE(rightClick(child(w, "board")->geometry().center())) << "not on the board, which is in front";
    choose(w, 0);
    EXPECT_TRUE(rightClick(empty)) << "on the background";
}

// Decoded off the window's thread: a decode superseded or cancelled hands
// nothing over, and the window closes while a picture is being decoded.
TEST_F(WallpaperTest, AChosenWallpaperShowsWhenDecodedWithoutHoldingTheWindow)
{
    photo("a.bmp");
    writeBackground({savePicture(pictures.filePath("big.png"), {2400, 1800}, Qt::red)});
    MainWindow& w = open(false);
    auto* wallpaper = child<QLabel>(w, "wallpaper");
    choose(w, 2);
    EXPECT_FALSE(w.wallpaperShown()) << "decoded within the menu's handler";
    choose(w, 0);
    QTest::qWait(300);
    EXPECT_FALSE(w.wallpaperShown()) << "None was chosen after it";
    choose(w, 2);
    choose(w, 1);
    ASSERT_TRUE(BoxAnswerer::waitFor([&] { return w.wallpaperShown(); }));
    QTest::qWait(300);
    EXPECT_EQ(wallpaper->pixmap().toImage().pixelColor(0, 0), QColor(Qt::blue)) << "the later choice";
    choose(w, 2);
    w.close();
}

// Folders are listed from the root down, then the subfolders by name whatever
// the case; pictures whatever the case of their names.
TEST_F(WallpaperTest, TheAddWindowListsTheHomeFolderAndPreviewsItsFirstPicture)
{
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", pictures.path().toLocal8Bit());
    QDir(pictures.path()).mkpath("A");
    savePicture(pictures.filePath("a.png"));
    savePicture(pictures.filePath("SKY.BMP"), {8, 6}, Qt::red);
    savePicture(pictures.filePath("b/sea.bmp"));
    QFile(pictures.filePath("notes.txt")).open(QIODevice::WriteOnly);
    PictureLibrary library;
    AddWallpaperWindow w(host, false, TextCatalog(file(DataFile::English)), library, nullptr);
    qputenv("HOME", home);
    auto* files = child<FileList>(w, "fileList");
    auto* folders = child<FolderList>(w, "folderList");
    EXPECT_TRUE(files->count() == 2 && files->fileName() == "a.png");
    EXPECT_FALSE(child<QLabel>(w, "previewPicture")->pixmap().isNull());
    const int last = folders->count() - 1;
    EXPECT_EQ(folders->item(0)->text() + folders->item(last - 1)->text().trimmed() + folders->item(last)->text().trimmed(),
        "/Ab");
    emit folders->itemDoubleClicked(folders->item(last));
    EXPECT_EQ(files->fileName(), "sea.bmp");
}

// Added pictures are saved in menu order and in the code page at closing.
TEST_F(WallpaperTest, TheRemoveWindowRewritesTheFileOnOkAndAddedPicturesAreSavedAtClosing)
{
    photo("a.bmp");
    const QString two = savePicture(pictures.filePath("two.png")), gone = savePicture(pictures.filePath("gone.png"));
    const QByteArray sea = QDir(pictures.path()).absolutePath().toUtf8() + "/\xE8\xDC\xEB\xE1\xF3\xF3\xE1.png\r\n";
    savePicture(pictures.filePath("θάλασσα.png"));
    writeFile("background.dat", sea + two.toUtf8() + "\r\n");
    MainWindow& w = open(true);
    choose(w, 3);
    ASSERT_TRUE(BoxAnswerer::waitFor([&] { return w.wallpaperShown(); }));
    boxes.window = [&](QDialog* f) {
        auto* list = child<QListWidget>(*f, "wallpaperList");
        emit list->itemDoubleClicked(list->item(0));  // removed from the list, and cancelled
        click(child(*f, "cancelButton"));
    };
    child<QAction>(w, "removeWallpaperAction")->trigger();
    boxes.window = [&](QDialog* f) {
        child<QListWidget>(*f, "wallpaperList")->setCurrentRow(1);
        click(child(*f, "removeButton"));
        click(child(*f, "okButton"));
    };
    child<QAction>(w, "removeWallpaperAction")->trigger();
    EXPECT_EQ(background(), sea);
    EXPECT_EQ(entries(w), (QStringList{"Καμμία", "a", "{¶}  θάλασσα"}));
    EXPECT_EQ(w.wallpapers().currentPath(), two.toStdString());
    EXPECT_TRUE(BoxAnswerer::waitFor([&] { return w.wallpaperShown(); }));  // redrawn off the window thread

    boxes.window = [&](QDialog* f) {
        auto* files = child<FileList>(*f, "fileList");
        child<FolderList>(*f, "folderList")->setPath(pictures.path());
        files->setCurrentRow(0);  // gone.png
        click(child(*f, "addButton"));
        files->setCurrentRow(2);
        click(child(*f, "addButton"));
        emit files->fileDoubleClicked();  // a double click adds too
        QFile::remove(gone);
        click(child(*f, "okButton"));
    };
    child<QAction>(w, "addWallpaperAction")->trigger();
    EXPECT_EQ(entries(w), (QStringList{"Καμμία", "a", "{¶}  θάλασσα", "{¶}  θάλασσα", "{¶}  θάλασσα"}));
    EXPECT_EQ(background(), sea);
    child<QAction>(w, "exitAction")->trigger();
    EXPECT_EQ(background(), sea + sea + sea);
}

}  // namespace
}  // namespace vornel
