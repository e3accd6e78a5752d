#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTextBlock>
#include <QTextBrowser>

#include "UiSupport.h"
#include "platform/DesktopHost.h"
#include "platform/LanguageStore.h"
#include "storage/DataFiles.h"
#include "storage/RecordFile.h"
#include "storage/SettingsRecords.h"
#include "ui/Form1.h"
#include "ui/Form5.h"
#include "ui/Form6.h"
#include "ui/HelpWindow.h"
#include "ui/PictureLibrary.h"

namespace vornel {

// Takes the addresses the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

namespace {

using testing::BoxAnswerer;
using testing::click;

struct StartTest : ::testing::Test {
    QTemporaryDir data;
    DesktopHost host;
    BoxAnswerer boxes;

    std::filesystem::path file(const char* name) const { return std::filesystem::path(data.path().toStdString()) / name; }
    template <typename T = QWidget> T* child(QWidget& w, const QString& name)
    {
        T* c = w.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    void start(Form1& w)
    {
        w.Form_Load();
        auto* form6 = w.findChild<Form6*>("Form6");
        ASSERT_NE(form6, nullptr);
        click(child(*form6, "Command1"));
        ASSERT_TRUE(w.isVisible());
    }
    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(data.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

// ---- Start-up and closing --------------------------------------------------------

TEST_F(StartTest, TheLanguageIsStoredPerUserAsTrueOrFalseAndReadLeniently)
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, "Kelbar", "Kelbar");
    store.remove("VORNEL/WHICH_LANGUAGE");
    store.sync();
    EXPECT_FALSE(LanguageStore::load());
    for (const auto& [text, greek] : std::vector<std::pair<QString, bool>>{
             {"TRUE", true}, {"false", false}, {"-1", true}, {"maybe", false}}) {
        store.setValue("VORNEL/WHICH_LANGUAGE", text);
        store.sync();
        EXPECT_EQ(LanguageStore::load(), greek) << text.toStdString();
    }
    LanguageStore::save(true);
    store.sync();
    EXPECT_EQ(store.value("VORNEL/WHICH_LANGUAGE").toString(), "True");
    LanguageStore::save(false);
    store.sync();
    EXPECT_EQ(store.value("VORNEL/WHICH_LANGUAGE").toString(), "False");
}

TEST_F(StartTest, AFirstRunStartsWithTheDefaultsAndCreatesAnEmptyScoreFile)
{
    Form1 w(host, false, data.path());
    start(w);
    EXPECT_TRUE(child<QAction>(w, "kanoniko")->isChecked());
    EXPECT_TRUE(child<QAction>(w, "antikeim")->isChecked());
    EXPECT_TRUE(child<QAction>(w, "ShowNUMBERS")->isChecked());
    EXPECT_TRUE(child<QAction>(w, "None(0)")->isChecked());
    EXPECT_EQ(child<QAction>(w, "None(0)")->text(), "None");
    EXPECT_FALSE(w.wallpaperShown());
    EXPECT_EQ(w.cardSettings().CardPictureWidth, 735);
    EXPECT_EQ(w.cardSettings().CardPictureHeight, 670);
    EXPECT_EQ(w.cardSettings().CardColour, 0x00C000);
    EXPECT_TRUE(QFileInfo(data.filePath("skor.qdx")).isFile());
    EXPECT_EQ(QFileInfo(data.filePath("skor.qdx")).size(), 0);
}

TEST_F(StartTest, StoredValuesOutsideTheirRangesFallBackAndClosingWritesWhatWasApplied)
{
    RecordFile records(file(DataFile::SingleScores));
    records.writeInt32(SettingsRecord::CardPictureHeight, 100);
    records.writeInt32(SettingsRecord::CardPictureWidth, 101);
    records.writeTagged(SettingsRecord::CardColour, TaggedValue::fromInt16(255));
    records.writeInt16(SettingsRecord::Difficulty, 0);
    records.writeInt16(SettingsRecord::Category, 7);
    records.writeInt16(SettingsRecord::NumbersHidden, 1);
    ASSERT_TRUE(records.save());
    {
        Form1 w(host, false, data.path());
        start(w);
        EXPECT_EQ(w.cardSettings().CardPictureHeight, 670);
        EXPECT_EQ(w.cardSettings().CardPictureWidth, 101);
        EXPECT_EQ(w.cardSettings().CardColour, 255);
        EXPECT_TRUE(child<QAction>(w, "kanoniko")->isChecked());
        EXPECT_TRUE(child<QAction>(w, "antikeim")->isChecked());
        EXPECT_FALSE(child<QAction>(w, "ShowNUMBERS")->isChecked());
        // The board is laid out for the stored size at the end of start-up.
        EXPECT_EQ(child(w, "Image9(0)")->width(), 7);
        w.close();
    }
    const SettingsRecords after = readSettingsRecords(file(DataFile::SingleScores));
    EXPECT_EQ(after.cardPictureHeight, 670);
    EXPECT_EQ(after.cardPictureWidth, 101);
    EXPECT_EQ(after.cardColour, TaggedValue::fromInt32(255));
    EXPECT_EQ(after.difficulty, 2);
    EXPECT_EQ(after.category, 1);
    EXPECT_EQ(after.numbersHidden, 1);
    EXPECT_EQ(after.wallpaperPath, "");
    // No wallpapers of the user's: the file is there, and empty.
    EXPECT_EQ(QFileInfo(data.filePath("background.dat")).size(), 0);
}

TEST_F(StartTest, ClosingClosesTheOtherWindows)
{
    Form1 w(host, true, data.path());
    start(w);
    child<QAction>(w, "about")->trigger();
    QPointer<QWidget> about = w.findChild<Form5*>("Form5");
    ASSERT_TRUE(about && about->isVisible());
    child<QAction>(w, "exit")->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(about.isNull() || !about->isVisible());
}

// ---- Help ---------------------------------------------------------------------------

TEST_F(StartTest, WithoutAHelpFileTheGreekMessageShowsAndNothingOpens)
{
    Form1 w(host, false, data.path());
    start(w);
    QDir().mkpath(data.filePath("Help.hlp"));  // a folder is no help file
    boxes.ok();
    child<QAction>(w, "periexomena")->trigger();
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0],
        "Το αρχείο βοήθειας δεν βρίσκεται στον κατάλογο του προγράμματος. \n\n"
        "Επανεγκατέστησε το πρόγραμμα για να λυθεί το πρόβλημα.");
    EXPECT_EQ(boxes.titles[0], "Πρόβλημα με το Αρχείο Βοήθειας");
    EXPECT_EQ(w.findChild<HelpWindow*>(), nullptr);
}

TEST_F(StartTest, HelpOpensTheFirstHlpFileAtTheLanguagesSection)
{
    writeFile("Manual.HLP", "<html><head><title>Manual</title></head><body><p>top</p><a name=\"en\"></a>"
                            "<p>English</p><a name=\"el\"></a><p>Ελληνικά</p></body></html>");
    Form1 w(host, false, data.path());
    start(w);
    child<QAction>(w, "periexomena")->trigger();
    auto* help = w.findChild<HelpWindow*>("HelpWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Manual");
    EXPECT_EQ(help->browser()->source(), QUrl::fromLocalFile(data.filePath("Manual.HLP")).resolved(QUrl("#en")));
    EXPECT_TRUE(help->browser()->toPlainText().contains("Ελληνικά"));

    // A second F1 brings the same window back.
    writeFile("Help.hlp", "<html><body><a name=\"en\"></a>Help</body></html>");
    child<QAction>(w, "periexomena")->trigger();
    EXPECT_EQ(w.findChildren<HelpWindow*>().size(), 1);
    EXPECT_EQ(help->browser()->source().fileName(), "Help.hlp");
}

// The help shipped with the game: every link inside it leads to an anchor
// that is there, and every picture it shows is beside it.
TEST(ShippedHelp, LinksLeadSomewhereAndPicturesExist)
{
    const QString path = QStringLiteral(VORNEL_ASSETS_DIR "/Help.hlp");
    ASSERT_TRUE(QFileInfo(path).isFile());
    HelpWindow help(true, nullptr);
    help.openFile(path, true);
    const QTextDocument* doc = help.browser()->document();
    QSet<QString> anchors;
    QStringList links, images;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (const QString& name : block.charFormat().anchorNames())
            anchors.insert(name);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            for (const QString& name : f.anchorNames())
                anchors.insert(name);
            if (f.isAnchor() && !f.anchorHref().isEmpty())
                links << f.anchorHref();
            if (f.isImageFormat())
                images << f.toImageFormat().name();
        }
    }
    EXPECT_TRUE(anchors.contains("el") && anchors.contains("en"));
    EXPECT_GE(links.size(), 20);
    for (const QString& link : links) {
        if (link.startsWith('#'))
            EXPECT_TRUE(anchors.contains(link.mid(1))) << link.toStdString();
        else
            EXPECT_TRUE(link.startsWith("mailto:")) << link.toStdString();
    }
    EXPECT_GE(images.size(), 6);
    for (const QString& image : images)
        EXPECT_FALSE(QImage(QFileInfo(path).dir().filePath(image)).isNull()) << image.toStdString();
}

// ---- About ---------------------------------------------------------------------------

TEST_F(StartTest, AboutHoldsTheMainWindowAndItsLinkWritesToTheAuthor)
{
    UrlCatcher mail;
    QDesktopServices::setUrlHandler("mailto", &mail, "open");
    Form1 w(host, false, data.path());
    start(w);
    child<QAction>(w, "about")->trigger();
    QPointer<Form5> about = w.findChild<Form5*>("Form5");
    ASSERT_TRUE(about);
    EXPECT_FALSE(w.game().mainWindowEnabled());
    EXPECT_EQ(about->windowTitle(), "About Sarvel VORNEL v.2 ");
    EXPECT_EQ(child<QLabel>(*about, "lblTitle")->text(), "Sarvel VORNEL v.2");
    EXPECT_TRUE(child<QLabel>(*about, "lblTitle")->font().bold());
    EXPECT_EQ(child<QLabel>(*about, "lblVersion")->text(), "Version 2.0");
    EXPECT_EQ(child<QLabel>(*about, "lblComments")->text(), "Programming: Kelbar");
    EXPECT_EQ(child<QLabel>(*about, "lblComments")->palette().color(QPalette::WindowText), QColor(Qt::red));
    auto* link = child<QLabel>(*about, "Label2");
    EXPECT_EQ(link->text(), "Send e-mail");
    EXPECT_TRUE(link->font().underline());
    EXPECT_FALSE(child<QLabel>(*about, "Image1")->pixmap().isNull());

    click(link);
    QDesktopServices::unsetUrlHandler("mailto");
    ASSERT_EQ(mail.opened.size(), 1);
    EXPECT_EQ(mail.opened[0], QUrl("mailto:kelbar@example.org"));
    EXPECT_TRUE(about->isVisible());

    click(child(*about, "cmdOK"));
    EXPECT_TRUE(w.game().mainWindowEnabled());
    EXPECT_TRUE(BoxAnswerer::waitFor([&] { return about.isNull(); })) << "the window goes when closed";
}

TEST(About, GreekTitleEndsWithASpaceToo)
{
    PictureLibrary pictures;
    Form5 about(true, pictures, nullptr);
    EXPECT_EQ(about.windowTitle(), "Σχετικά με Sarvel VORNEL v.2 ");
    EXPECT_EQ(about.findChild<QLabel*>("lblComments")->text(), "Προγραμματισμός: Kelbar");
    EXPECT_EQ(about.findChild<QLabel*>("Label2")->text(), "Αποστολή e-mail");
}

}  // namespace
}  // namespace vornel

#include "startup_help_about_tests.moc"
