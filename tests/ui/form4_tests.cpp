#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "UiSupport.h"
#include "game/CustomPictures.h"
#include "platform/DesktopHost.h"
#include "storage/CustomImagesFile.h"
#include "storage/SettingsRecords.h"
#include "text/Messages.h"
#include "text/Profile.h"
#include "ui/FileLists.h"
#include "ui/Form1.h"
#include "ui/Form4.h"
#include "ui/Form6.h"

namespace vornel {
namespace {

using testing::BoxAnswerer;
using testing::click;

struct Form4Test : ::testing::Test {
    QTemporaryDir data;
    QTemporaryDir photos;
    DesktopHost host;
    BoxAnswerer boxes;

    std::filesystem::path file(const char* name) const
    {
        return std::filesystem::path(data.path().toStdString()) / name;
    }
    // Pictures of different colours and shapes, a file that only looks like one.
    QString makePicture(const QString& name, QSize size = {30, 20}, QColor colour = Qt::red)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = photos.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    void start(Form1& w)
    {
        w.Form_Load();
        auto* form6 = w.findChild<Form6*>("Form6");
        ASSERT_NE(form6, nullptr);
        click(form6->findChild<QWidget*>("Command1"));
    }
    template <typename T = QWidget> T* child(QWidget& w, const QString& name)
    {
        T* c = w.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    // Chooses the file in the file list as a click does.
    void clickFile(Form4& f, const QString& name, bool twice = false)
    {
        auto* files = child<FileList>(f, "File1");
        const auto found = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        files->setCurrentItem(found[0]);
        emit files->itemClicked(found[0]);
        if (twice)
            emit files->itemDoubleClicked(found[0]);
    }
    QColor frameColour(Form4& f, int i)
    {
        return child(f, QStringLiteral("Image1(%1)").arg(i))->palette().color(QPalette::Window);
    }
    void saveTenPictures()
    {
        CustomImages stored;
        for (int i = 0; i < 10; ++i)
            stored.paths[i] = makePicture(QStringLiteral("p%1.png").arg(i), {20 + i, 20}).toStdString();
        stored.lastFolder = photos.path().toStdString();
        ASSERT_TRUE(writeCustomImages(file("CustomImages.dat"), stored));
    }
};

TEST_F(Form4Test, PicturesArePreviewedAddedDeletedAndSavedWithTheFolder)
{
    for (int i = 0; i < 10; ++i)
        makePicture(QStringLiteral("p%1.png").arg(i), {40 + 7 * i, 300 - 20 * i}, QColor::fromHsv(36 * i, 255, 255));
    QFile(photos.filePath("broken.png")).open(QIODevice::WriteOnly);
    const QString deep = photos.filePath(QString(110, 'd'));
    ASSERT_TRUE(QDir().mkpath(deep));
    {
        QFile ini(data.filePath("english.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[ENGLISH4]\r\nCommand1=Add\r\nLabel2=Preview:\r\n");
    }

    Form1 w(host, false, data.path());
    start(w);
    Form4 f(w.customPictures(), w.game(), w.cardSettings(), w.pictures(), false, TextCatalog(w.dataFile("english.ini")),
        &w);
    f.show();
    EXPECT_EQ(f.windowTitle(), "Select Pictures (Custom)");
    EXPECT_EQ(child<QPushButton>(f, "Command1")->text(), "Add");
    EXPECT_EQ(child<QLabel>(f, "Label1(9)")->text(), "10");
    EXPECT_TRUE(child(f, "Label1(3)")->isVisible());
    EXPECT_EQ(frameColour(f, 0), QColor(176, 230, 207));
    EXPECT_EQ(frameColour(f, 1), f.palette().color(QPalette::Window));
    EXPECT_EQ(child(f, "Image9(0)")->size(), QSize(49, 45));

    auto* folders = child<FolderList>(f, "Dir1");
    ASSERT_TRUE(folders->setPath(photos.path()));

    clickFile(f, "p3.png");
    EXPECT_FALSE(child<QLabel>(f, "Image2")->pixmap().isNull());
    EXPECT_EQ(child<QLabel>(f, "Label3")->text(), photos.filePath("p3.png"));
    // A file that is no picture changes neither the preview nor a slot.
    const qint64 preview = child<QLabel>(f, "Image2")->pixmap().cacheKey();
    clickFile(f, "broken.png", true);
    EXPECT_EQ(child<QLabel>(f, "Image2")->pixmap().cacheKey(), preview);
    EXPECT_EQ(child<QLabel>(f, "Label3")->text(), photos.filePath("p3.png"));
    EXPECT_TRUE(w.customPictures().slot(0).empty());

    click(child(f, "Label1(4)"));  // the number selects its slot
    EXPECT_EQ(frameColour(f, 4), QColor(176, 230, 207));
    EXPECT_EQ(frameColour(f, 0), f.palette().color(QPalette::Window));
    clickFile(f, "p3.png", true);  // a double click adds
    EXPECT_FALSE(child<QLabel>(f, "Image9(4)")->pixmap().isNull());
    EXPECT_FALSE(child(f, "Label1(4)")->isVisible());
    click(child(f, "Command3"));
    EXPECT_TRUE(child<QLabel>(f, "Image9(4)")->pixmap().isNull());
    EXPECT_TRUE(child(f, "Label1(4)")->isVisible());

    // A path too long for the file is refused with a word.
    QFile::copy(photos.filePath("p1.png"), deep + "/long-name-picture.png");
    ASSERT_TRUE(folders->setPath(deep));
    boxes.ok();
    clickFile(f, "long-name-picture.png", true);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0], QString::fromStdString(Messages::PicturePathTooLong.in(false)));
    EXPECT_TRUE(w.customPictures().slot(4).empty());

    ASSERT_TRUE(folders->setPath(photos.path()));
    for (int i = 0; i < 10; ++i) {
        click(child(f, QStringLiteral("Image9(%1)").arg(i)));
        clickFile(f, QStringLiteral("p%1.png").arg(i));
        click(child(f, "Command1"));
    }
    click(child(f, "Command2"));
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_TRUE(boxes.texts.size() == 1) << "Custom is not the category: nothing is asked";
    const CustomImages saved = readCustomImages(file("CustomImages.dat"));
    EXPECT_EQ(saved.paths[9], photos.filePath("p9.png").toStdString());
    EXPECT_EQ(saved.lastFolder, QDir(photos.path()).absolutePath().toStdString());
    EXPECT_EQ(w.game().category(), PictureCategory::Objects);
}

TEST_F(Form4Test, OkWithCustomActiveAsksAgainAndYesKeepsTheWindowOpen)
{
    saveTenPictures();
    SettingsRecords saved;
    saved.category = 4;
    ASSERT_TRUE(writeSettingsRecords(file("skor.qdx"), saved));
    Form1 w(host, true, data.path());
    start(w);
    ASSERT_EQ(w.game().category(), PictureCategory::Custom);  // restored without a word
    const PictureRef first = w.game().currentPictureSet().at(1);
    EXPECT_EQ(first->name, photos.filePath("p0.png").toStdString());

    Form4 f(
        w.customPictures(), w.game(), w.cardSettings(), w.pictures(), true, TextCatalog(w.dataFile("english.ini")), &w);
    f.show();
    EXPECT_EQ(f.windowTitle(), "Επιλογή Εικόνων Χρήστη");
    EXPECT_EQ(child<FolderList>(f, "Dir1")->path(), QDir(photos.path()).absolutePath());
    EXPECT_FALSE(child(f, "Label1(0)")->isVisible());
    click(child(f, "Command3"));  // slot 1 emptied

    boxes.yes();
    click(child(f, "Command2"));
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0], "Δεν έχετε επιλέξει 10 προσωπικές εικόνες.Θέλετε να τις επιλέξετε τώρα;");
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(readCustomImages(file("CustomImages.dat")).paths[0], "");  // saved before asking

    boxes.no();
    click(child(f, "Command2"));
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(w.game().category(), PictureCategory::Custom);
    EXPECT_EQ(w.game().currentPictureSet().at(1), first);
}

TEST_F(Form4Test, StartUpWithAnIncompleteCustomSetAsksBeforeThePlayerWindow)
{
    saveTenPictures();
    QFile::remove(photos.filePath("p6.png"));
    SettingsRecords saved;
    saved.category = 4;
    ASSERT_TRUE(writeSettingsRecords(file("skor.qdx"), saved));

    Form1 w(host, false, data.path());
    bool hiddenAndAlone = false;
    boxes.inspect = [&](QWidget*) { hiddenAndAlone = !w.isVisible() && !w.findChild<Form6*>("Form6"); };
    boxes.no();
    w.Form_Load();
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0], "You must select 10 images.Would you like to choose images now?");
    EXPECT_TRUE(hiddenAndAlone);
    EXPECT_NE(w.findChild<Form6*>("Form6"), nullptr);
    EXPECT_FALSE(w.game().category());
    EXPECT_EQ(w.game().currentPictureSet().at(1), nullptr);
    for (const char* item : {"antikeim", "pros", "food", "CustomMenu"})
        EXPECT_FALSE(child<QAction>(w, item)->isChecked()) << item;
}

}  // namespace
}  // namespace vornel
