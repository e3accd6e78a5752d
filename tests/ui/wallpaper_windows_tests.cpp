#include <QListWidget>
#include <QMenu>

#include "UiSupport.h"
#include "storage/SettingsRecords.h"
#include "text/Profile.h"
#include "ui/shared/FileLists.h"
#include "ui/windows/AddWallpaperWindow.h"
#include "ui/shared/PictureLibrary.h"

namespace vornel {
namespace {

using namespace testing;

struct WallpaperTest : UiTest {
    QTemporaryDir pictures;  // the user's own, elsewhere on the disk
    PictureLibrary library;

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
    // Behind everything else.
    QWidget* area = child(w, "clientArea");
    auto* playerName = child(w, "playerNameLabel");
    EXPECT_EQ(area->childAt(playerName->geometry().center()), playerName);
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
    EXPECT_FALSE(rightClick(child(w, "board")->geometry().center())) << "not on the board";

    choose(w, 2);
    EXPECT_EQ(entries(w), (QStringList{"None", "a", "*b", "{¶}  sea && sky"}));
    child<QAction>(w, "nextWallpaperAction")->trigger();
    EXPECT_TRUE(w.wallpaperShown());
    child<QAction>(w, "nextWallpaperAction")->trigger();
    EXPECT_FALSE(w.wallpaperShown());
    EXPECT_TRUE(rightClick(empty)) << "on the background";
    choose(w, 1);

    // A picture gone since start-up is reported with the stop icon; its entry turns grey.
    QFile::remove(data.filePath("Photos/b.bmp"));
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    boxes.inspect = [&](QWidget* box) { icon = static_cast<QMessageBox*>(box)->icon(); };
    boxes.ok();
    choose(w, 2);
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_FALSE(child<QAction>(w, "wallpaperAction(2)")->isEnabled());
    EXPECT_TRUE(w.wallpaperShown());
}

// The wallpaper is decoded off the window's thread: the menu's handler is
// done before the picture is, a later choice wins, and the window closes
// while a picture is being decoded.
TEST_F(WallpaperTest, AChosenWallpaperShowsWhenDecodedWithoutHoldingTheWindow)
{
    photo("a.bmp");
    const QString big = savePicture(pictures.filePath("big.png"), {2400, 1800}, Qt::red);
    writeBackground({big});
    MainWindow& w = open(false);
    auto* wallpaper = child<QLabel>(w, "wallpaper");
    choose(w, 2);
    EXPECT_FALSE(w.wallpaperShown()) << "decoded within the menu's handler";
    choose(w, 1);
    ASSERT_TRUE(BoxAnswerer::waitFor([&] { return w.wallpaperShown(); }));
    QTest::qWait(200);
    EXPECT_EQ(wallpaper->pixmap().toImage().pixelColor(0, 0), QColor(Qt::blue)) << "the later choice";
    choose(w, 2);
    w.close();
}

TEST_F(WallpaperTest, TheAddWindowPreviewsTheFirstPictureOfTheHomeFolderAndReportsADriveItCannotReach)
{
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", pictures.path().toLocal8Bit());
    savePicture(pictures.filePath("a.png"));
    savePicture(pictures.filePath("b.bmp"), {8, 6}, Qt::red);
    QFile(pictures.filePath("notes.txt")).open(QIODevice::WriteOnly);
    AddWallpaperWindow w(host, false, TextCatalog(file(DataFile::English)), library, nullptr);
    qputenv("HOME", home);
    auto* files = child<FileList>(w, "fileList");
    EXPECT_EQ(files->count(), 2);
    EXPECT_EQ(files->fileName(), "a.png");
    EXPECT_FALSE(child<QLabel>(w, "previewPicture")->pixmap().isNull());

    auto* drives = child<DriveList>(w, "driveList");
    const QString drive = drives->drive(), folder = child<FolderList>(w, "folderList")->path();
    drives->addItem("/no/such/drive", "/no/such/drive");
    boxes.ok();
    drives->setCurrentIndex(drives->count() - 1);
    EXPECT_EQ(boxes.texts.value(0), "Can't access to drive /no/such/drive");
    EXPECT_TRUE(child<FolderList>(w, "folderList")->path() == folder && drives->drive() == drive);
}

TEST_F(WallpaperTest, AddedPicturesJoinTheMenuAndAreSavedInMenuOrderAtClosing)
{
    savePicture(pictures.filePath("θάλασσα.png"));
    const QString gone = savePicture(pictures.filePath("gone.png"));
    MainWindow& w = open(true);
    boxes.window = [&](QDialog* f) {
        child<FolderList>(*f, "folderList")->setPath(pictures.path());
        child<FileList>(*f, "fileList")->setCurrentRow(1);
        click(child(*f, "addButton"));
        emit child<FileList>(*f, "fileList")->fileDoubleClicked();  // a double click adds too
        child<FileList>(*f, "fileList")->setCurrentRow(0);
        click(child(*f, "addButton"));
        QFile::remove(gone);
        click(child(*f, "okButton"));
    };
    child<QAction>(w, "addWallpaperAction")->trigger();
    EXPECT_EQ(entries(w), (QStringList{"*Καμμία", "{¶}  θάλασσα", "{¶}  θάλασσα"}));
    EXPECT_EQ(background(), "(none)");  // written at closing
    child<QAction>(w, "exitAction")->trigger();
    const QByteArray line = QDir(pictures.path()).absolutePath().toUtf8() + "/\xE8\xDC\xEB\xE1\xF3\xF3\xE1.png\r\n";
    EXPECT_EQ(background(), line + line);
}

TEST_F(WallpaperTest, TheRemoveWindowTakesOutTheChosenNamesAndItsOkRewritesTheFileLeavingTheWallpaper)
{
    photo("a.bmp");
    const QString one = savePicture(pictures.filePath("one.png"));
    const QString two = savePicture(pictures.filePath("two.png"));
    const QString three = savePicture(pictures.filePath("three.png"));
    writeBackground({one, two, three});
    MainWindow& w = open(true);
    choose(w, 3);

    boxes.window = [&](QDialog* f) {
        auto* list = child<QListWidget>(*f, "wallpaperList");
        EXPECT_FALSE(child<QLabel>(*f, "previewPicture")->pixmap().isNull());
        emit list->itemDoubleClicked(list->item(0));
        EXPECT_EQ(list->count(), 2);
        click(child(*f, "cancelButton"));
    };
    child<QAction>(w, "removeWallpaperAction")->trigger();
    EXPECT_EQ(entries(w), (QStringList{"Καμμία", "a", "{¶}  one", "*{¶}  two", "{¶}  three"}));

    boxes.window = [&](QDialog* f) {
        child<QListWidget>(*f, "wallpaperList")->setCurrentRow(1);
        click(child(*f, "removeButton"));
        click(child(*f, "okButton"));
    };
    child<QAction>(w, "removeWallpaperAction")->trigger();
    EXPECT_EQ(background(), (one + "\r\n" + three + "\r\n").toUtf8());
    EXPECT_EQ(entries(w), (QStringList{"Καμμία", "a", "{¶}  one", "{¶}  three"}));
    EXPECT_TRUE(w.wallpaperShown() && w.wallpapers().currentPath() == two.toStdString());
}

}  // namespace
}  // namespace vornel
