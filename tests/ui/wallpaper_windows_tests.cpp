#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "UiSupport.h"
#include "platform/DesktopHost.h"
#include "storage/DataFiles.h"
#include "storage/RecordFile.h"
#include "storage/SettingsRecords.h"
#include "text/Profile.h"
#include "ui/FileLists.h"
#include "ui/Form1.h"
#include "ui/Form10.h"
#include "ui/Form11.h"
#include "ui/Form6.h"
#include "ui/PictureLibrary.h"

namespace vornel {
namespace {

using testing::BoxAnswerer;
using testing::click;

// Acts on a modal window of type T as soon as it is up; fails the test if
// it never comes.
template <class T> class WhenModal : public QObject {
public:
    explicit WhenModal(std::function<void(T*)> act) : act_(std::move(act))
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!w || !w->isVisible())
                return;
            timer_.stop();
            done_ = true;
            act_(w);
        });
        timer_.start(0);
    }
    ~WhenModal() override { EXPECT_TRUE(done_) << "the window never opened"; }

private:
    std::function<void(T*)> act_;
    QTimer timer_;
    bool done_ = false;
};

struct WallpaperTest : ::testing::Test {
    QTemporaryDir data;
    QTemporaryDir pictures;  // the user's own, elsewhere on the disk
    DesktopHost host;
    BoxAnswerer boxes;
    PictureLibrary library;

    std::filesystem::path file(const char* name) const { return std::filesystem::path(data.path().toStdString()) / name; }
    template <typename T = QWidget> T* child(QWidget& w, const QString& name)
    {
        T* c = w.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    // A small picture; returns its path.
    QString picture(const QString& path, QColor colour = Qt::blue)
    {
        QDir().mkpath(QFileInfo(path).path());
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(path, QFileInfo(path).suffix().toLatin1() == "bmp" ? "BMP" : "PNG"));
        return path;
    }
    QString photo(const char* name) { return picture(data.filePath(QStringLiteral("Photos/%1").arg(name))); }
    void writeBackground(const QStringList& lines)
    {
        QFile f(data.filePath("background.dat"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (const QString& line : lines)
            f.write(line.toUtf8() + "\r\n");
    }
    QByteArray background() const
    {
        QFile f(data.filePath("background.dat"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    }
    void saveWallpaperPath(const QString& path)
    {
        SettingsRecords saved;
        saved.wallpaperPath = path.toStdString();
        ASSERT_TRUE(writeSettingsRecords(file(DataFile::SingleScores), saved));
    }
    void start(Form1& w)
    {
        w.Form_Load();
        auto* form6 = w.findChild<Form6*>("Form6");
        ASSERT_NE(form6, nullptr);
        click(child(*form6, "Command1"));
        ASSERT_TRUE(w.isVisible());
    }
    QAction* entry(Form1& w, int k) { return child<QAction>(w, QStringLiteral("None(%1)").arg(k)); }
    QStringList entries(Form1& w)
    {
        QStringList texts;
        for (int k = 0; QAction* a = w.findChild<QAction*>(QStringLiteral("None(%1)").arg(k)); ++k)
            texts << QString(a->isChecked() ? "*" : "") + a->text();
        return texts;
    }
    QColor background(QWidget* w) const { return w->palette().color(QPalette::Window); }
};

// ---- The main window's wallpaper ------------------------------------------------

TEST_F(WallpaperTest, StartUpListsTheWallpapersAndShowsTheSavedOneBehindTheGame)
{
    photo("b.bmp");
    const QString a = photo("a.bmp");
    const QString sea = picture(pictures.filePath("sea & sky.png"));
    writeBackground({sea, "  ", pictures.filePath("gone.png")});
    saveWallpaperPath(a);
    Form1 w(host, false, data.path());
    start(w);

    EXPECT_EQ(entries(w), (QStringList{"None", "*a", "b", "{¶}  sea && sky"}));
    EXPECT_TRUE(w.wallpaperShown());
    auto* wallpaper = child<QLabel>(w, "Image1005");
    EXPECT_FALSE(wallpaper->pixmap().isNull());
    // Over the whole window below the title strip, and behind everything else.
    EXPECT_EQ(wallpaper->geometry(), QRect(0, 23, w.width(), w.height()));
    auto* label50 = child(w, "Label50");
    EXPECT_EQ(wallpaper->parentWidget()->childAt(label50->geometry().center()), label50);
    EXPECT_EQ(wallpaper->parentWidget()->childAt(child(w, "Frame1")->geometry().bottomLeft() + QPoint(100, 6)),
        wallpaper);
}

TEST_F(WallpaperTest, AMissingSavedPictureChecksNoneAndIsKeptForTheNextRun)
{
    photo("a.bmp");
    const QString gone = pictures.filePath("gone.png");
    saveWallpaperPath(gone);
    {
        Form1 w(host, true, data.path());
        start(w);
        EXPECT_FALSE(w.wallpaperShown());
        EXPECT_EQ(entries(w), (QStringList{"*Καμμία", "a"}));
        child<QAction>(w, "exit")->trigger();
    }
    EXPECT_EQ(readSettingsRecords(file(DataFile::SingleScores)).wallpaperPath, gone.toStdString());
}

TEST_F(WallpaperTest, ChoosingFromTheMenuShowsThePictureAndColoursTheChampionshipHeading)
{
    photo("a.bmp");
    photo("b.bmp");
    Form1 w(host, true, data.path());
    start(w);
    auto* label10 = child(w, "Label10");
    entry(w, 2)->trigger();
    EXPECT_TRUE(w.wallpaperShown());
    EXPECT_EQ(entries(w), (QStringList{"Καμμία", "a", "*b"}));
    EXPECT_EQ(background(label10), background(child(w, "Frame4")));

    // Ctrl+N wraps round to no wallpaper.
    child<QAction>(w, "NextImage")->trigger();
    EXPECT_FALSE(w.wallpaperShown());
    EXPECT_EQ(entries(w), (QStringList{"*Καμμία", "a", "b"}));
    EXPECT_EQ(background(label10), background(child(w, "Form")));
    entry(w, 1)->trigger();

    // A picture gone since start-up is reported with the stop icon; its entry turns grey.
    QFile::remove(data.filePath("Photos/b.bmp"));
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    boxes.inspect = [&](QWidget* box) { icon = static_cast<QMessageBox*>(box)->icon(); };
    boxes.ok();
    entry(w, 2)->trigger();
    ASSERT_EQ(boxes.titles.size(), 1);
    EXPECT_EQ(boxes.titles[0], "Sarvel VORNEL v.2");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_FALSE(entry(w, 2)->isEnabled());
    EXPECT_TRUE(w.wallpaperShown());
    boxes.inspect = nullptr;

    // A championship heading follows whether "no wallpaper" is checked.
    boxes.ok();
    child<QAction>(w, "gggggg")->trigger();
    EXPECT_EQ(background(label10), background(child(w, "Frame4")));
}

TEST_F(WallpaperTest, RightClickOnTheBackgroundOrTheWallpaperPopsUpTheWallpaperMenuButNotOnTheBoard)
{
    photo("a.bmp");
    Form1 w(host, true, data.path());
    start(w);
    QMenu* menu = child<QMenu>(w, "tapetsaries");
    QWidget* area = child(w, "Form");
    auto rightClick = [&](QPoint at) {
        QTest::mouseClick(area, Qt::RightButton, {}, at);
        const bool shown = menu->isVisible();
        menu->hide();
        return shown;
    };
    const QPoint background(child(w, "Frame4")->geometry().center().x(), area->height() - 40);
    EXPECT_TRUE(rightClick(background));
    EXPECT_FALSE(rightClick(child(w, "Frame1")->geometry().center()));
    entry(w, 1)->trigger();
    ASSERT_EQ(area->childAt(background)->objectName(), "Image1005");
    EXPECT_TRUE(rightClick(background));
    // The pop-up is the menu bar's own menu, entries and all.
    EXPECT_EQ(menu->menuAction()->parent(), w.menuBar()->actions().at(2)->parent());
    EXPECT_TRUE(menu->actions().contains(entry(w, 1)));
}

// ---- Adding and removing --------------------------------------------------------

TEST_F(WallpaperTest, TheAddWindowBrowsesPreviewsAndCollectsDuplicates)
{
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", pictures.path().toLocal8Bit());
    picture(pictures.filePath("a.png"));
    picture(pictures.filePath("b.bmp"), Qt::red);
    QFile(pictures.filePath("notes.txt")).open(QIODevice::WriteOnly);
    Form10 w(host, true, TextCatalog(file(DataFile::English)), library, nullptr);
    qputenv("HOME", home);

    EXPECT_EQ(w.windowTitle(), "Πρόσθεση Ταπετσαρίας");
    EXPECT_EQ(child<QPushButton>(w, "Command3")->text(), "ΟΚ");
    EXPECT_EQ(child<QLabel>(w, "Label1")->text(), "Προεπισκόπηση          Εικόνας");
    EXPECT_FALSE(w.windowIcon().isNull());
    // The first picture of the folder is chosen and previewed at once.
    auto* files = child<FileList>(w, "File1");
    EXPECT_EQ(files->count(), 2);
    EXPECT_EQ(files->fileName(), "a.png");
    EXPECT_TRUE(child<QLabel>(w, "Label1")->isHidden());
    EXPECT_FALSE(child<QLabel>(w, "Image1")->pixmap().isNull());

    click(child(w, "Command1"));
    files->setCurrentRow(1);
    emit files->fileClicked();
    emit files->fileDoubleClicked();
    click(child(w, "Command1"));
    const std::string folder = QDir(pictures.path()).absolutePath().toStdString();
    EXPECT_EQ(w.chosenPaths(),
        (std::vector<std::string>{folder + "/a.png", folder + "/b.bmp", folder + "/b.bmp"}));
}

TEST_F(WallpaperTest, AnInaccessibleDriveIsReportedAndTheFoldersStayWhereTheyWere)
{
    QFile catalogue(data.filePath("english.ini"));
    ASSERT_TRUE(catalogue.open(QIODevice::WriteOnly));
    catalogue.write("[ENGLISH10]\r\nCommand1=Add\r\nLabel1=Picture Preview\r\n");
    catalogue.close();
    Form10 w(host, false, TextCatalog(file(DataFile::English)), library, nullptr);
    EXPECT_EQ(w.windowTitle(), "Choose Background");
    EXPECT_EQ(child<QPushButton>(w, "Command1")->text(), "Add");
    EXPECT_EQ(child<QPushButton>(w, "Command2")->text(), "Ακύρωση");

    auto* drives = child<DriveList>(w, "Drive1");
    const QString before = child<FolderList>(w, "Dir1")->path();
    drives->addItem("/no/such/drive", "/no/such/drive");
    boxes.ok();
    drives->setCurrentIndex(drives->count() - 1);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0], "Can't access to drive /no/such/drive");
    EXPECT_EQ(boxes.titles[0], "Sarvel VORNEL v.2");
    EXPECT_EQ(child<FolderList>(w, "Dir1")->path(), before);
    EXPECT_EQ(drives->drive(), QDir::homePath());
}

TEST_F(WallpaperTest, AddedPicturesJoinTheMenuAndAreSavedInMenuOrderAtClosing)
{
    const QString sea = picture(pictures.filePath("θάλασσα.png"));
    const QString gone = picture(pictures.filePath("gone.png"));
    {
        Form1 w(host, true, data.path());
        start(w);
        WhenModal<Form10> add([&](Form10* f) {
            child<FolderList>(*f, "Dir1")->setPath(pictures.path());
            child<FileList>(*f, "File1")->setCurrentRow(1);
            click(child(*f, "Command1"));
            click(child(*f, "Command1"));
            child<FileList>(*f, "File1")->setCurrentRow(0);
            click(child(*f, "Command1"));
            QFile::remove(gone);
            click(child(*f, "Command3"));
        });
        child<QAction>(w, "ChooseImage")->trigger();
        EXPECT_EQ(entries(w), (QStringList{"*Καμμία", "{¶}  θάλασσα", "{¶}  θάλασσα"}));
        EXPECT_EQ(background(), "(none)");  // written at closing
        child<QAction>(w, "exit")->trigger();
    }
    const QByteArray line = QDir(pictures.path()).absolutePath().toUtf8() + "/\xE8\xDC\xEB\xE1\xF3\xF3\xE1.png\r\n";
    EXPECT_EQ(background(), line + line);
}

TEST_F(WallpaperTest, ClosingWritesTheFileAndSkipsAWallpaperPathTooLongForItsRecord)
{
    photo("a.bmp");
    const QString longPath = picture(pictures.filePath(QString(120, 'w') + ".png"));
    ASSERT_GT(longPath.toUtf8().size(), 126);
    writeBackground({longPath, pictures.filePath("gone.png")});
    saveWallpaperPath(data.filePath("Photos/a.bmp"));
    {
        Form1 w(host, false, data.path());
        start(w);
        entry(w, 2)->trigger();
        ASSERT_EQ(w.wallpapers().currentPath(), longPath.toStdString());
        child<QAction>(w, "exit")->trigger();
    }
    EXPECT_EQ(background(), longPath.toUtf8() + "\r\n");
    EXPECT_EQ(readSettingsRecords(file(DataFile::SingleScores)).wallpaperPath,
        data.filePath("Photos/a.bmp").toStdString());
}

TEST_F(WallpaperTest, TheRemoveWindowListsTheUsersPicturesAndFollowsTheSelectionRules)
{
    photo("a.bmp");
    QStringList mine;
    for (const char* name : {"one.png", "two.png", "three.png"})
        mine << picture(pictures.filePath(name));
    writeBackground(mine);
    Form1 w(host, false, data.path());
    start(w);
    entry(w, 3)->trigger();  // "two" is shown

    Form11 dialog(w.wallpapers().list(), false, TextCatalog(file(DataFile::English)), library, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Remove Background");
    auto* list = child<QListWidget>(dialog, "List1");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "one");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(child<QLabel>(dialog, "Label1")->isHidden());
    EXPECT_FALSE(child<QLabel>(dialog, "Image1")->pixmap().isNull());

    list->setCurrentRow(2);
    click(child(dialog, "Command1"));
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentRow(), 1);
    // A double click takes out the name clicked: the first of two leaves none selected.
    list->setCurrentRow(0);
    emit list->itemDoubleClicked(list->item(0));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(dialog.keptPaths(), std::vector<std::string>{mine[1].toStdString()});
}

TEST_F(WallpaperTest, ConfirmedRemovalRewritesTheFileRebuildsTheMenuAndLeavesTheWallpaper)
{
    photo("a.bmp");
    const QString one = picture(pictures.filePath("one.png"));
    const QString two = picture(pictures.filePath("two.png"));
    writeBackground({one, two});
    Form1 w(host, true, data.path());
    start(w);
    entry(w, 3)->trigger();

    WhenModal<Form11> cancel([&](Form11* f) { click(child(*f, "Command1")); click(child(*f, "Command2")); });
    child<QAction>(w, "AfaireshTAPER")->trigger();
    EXPECT_EQ(entries(w), (QStringList{"Καμμία", "a", "{¶}  one", "*{¶}  two"}));

    WhenModal<Form11> remove([&](Form11* f) {
        child<QListWidget>(*f, "List1")->setCurrentRow(1);
        click(child(*f, "Command1"));
        click(child(*f, "Command3"));
    });
    child<QAction>(w, "AfaireshTAPER")->trigger();
    EXPECT_EQ(background(), one.toUtf8() + "\r\n");
    EXPECT_EQ(entries(w), (QStringList{"Καμμία", "a", "{¶}  one"}));
    EXPECT_TRUE(w.wallpaperShown());
    EXPECT_EQ(w.wallpapers().currentPath(), two.toStdString());
}

}  // namespace
}  // namespace vornel
