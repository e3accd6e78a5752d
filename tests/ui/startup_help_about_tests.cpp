#include <QDesktopServices>
#include <QSettings>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include "UiSupport.h"
#include "platform/LanguageStore.h"
#include "text/HtmlShape.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/HelpWindow.h"

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

using namespace testing;

TEST(LanguageStore, IsStoredPerUserAsTrueOrFalseAndReadLeniently)
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, "Kelbar", "Kelbar");
    store.remove("VORNEL/WHICH_LANGUAGE");
    store.sync();
    EXPECT_FALSE(LanguageStore::load());
    for (const auto& [text, greek] : std::vector<std::pair<QString, bool>>{{"-1", true}, {"maybe", false}}) {
        store.setValue("VORNEL/WHICH_LANGUAGE", text);
        store.sync();
        EXPECT_EQ(LanguageStore::load(), greek) << text.toStdString();
    }
    for (const bool greek : {true, false}) {
        LanguageStore::save(greek);
        store.sync();
        EXPECT_EQ(store.value("VORNEL/WHICH_LANGUAGE").toString(), greek ? "True" : "False");
    }
}

// The player window comes first, before the main window was ever shown.
TEST_F(UiTest, ClosingThePlayerWindowAtStartUpSavesTheSettingsAndEndsTheProgram)
{
    MainWindow w(host, false, data.path());
    w.start();
    QPointer<QWidget> player = child(w, "PlayerWindow");
    ASSERT_TRUE(player && player->isVisible());
    QTimer::singleShot(0, player.data(), [player] { player->close(); });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &limit, [] { QCoreApplication::exit(1); });
    limit.start(5000);
    EXPECT_EQ(QApplication::exec(), 0) << "still running, with no window";
    EXPECT_FALSE(w.isVisible());
    EXPECT_GT(QFileInfo(data.filePath("skor.qdx")).size(), 0) << "the settings were not saved";
}

TEST_F(UiTest, HelpOpensTheFirstHlpFileAtTheLanguagesSectionInOneWindowAndWithoutOneAGreekMessageShows)
{
    QDir().mkpath(data.filePath("Help.hlp"));  // a folder is no help file
    MainWindow& w = open(false);
    boxes.ok();
    child<QAction>(w, "helpContentsAction")->trigger();
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0],
        "Το αρχείο βοήθειας δεν βρίσκεται στον κατάλογο του προγράμματος. \n\n"
        "Επανεγκατέστησε το πρόγραμμα για να λυθεί το πρόβλημα.");
    EXPECT_EQ(boxes.titles[0], "Πρόβλημα με το Αρχείο Βοήθειας");
    EXPECT_EQ(w.findChild<HelpWindow*>(), nullptr);

    ASSERT_TRUE(QDir().rmdir(data.filePath("Help.hlp")));
    writeFile("Manual.HLP", "<html><head><title>Manual</title></head><body><p>top</p><a name=\"en\"></a>"
                            "<p>English</p><a name=\"el\"></a><p>Ελληνικά</p></body></html>");
    child<QAction>(w, "helpContentsAction")->trigger();
    auto* help = w.findChild<HelpWindow*>("HelpWindow");
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Manual");
    EXPECT_EQ(help->browser()->source(), QUrl::fromLocalFile(data.filePath("Manual.HLP")).resolved(QUrl("#en")));

    writeFile("Help.hlp", "<html><body><a name=\"en\"></a>Help</body></html>");
    child<QAction>(w, "helpContentsAction")->trigger();
    EXPECT_EQ(w.findChildren<HelpWindow*>().size(), 1);
    EXPECT_EQ(help->browser()->source().fileName(), "Help.hlp");
}

QString repeated(const QString& text, int times)
{
    QString all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

int tableDepth(QTextFrame* frame)
{
    int deepest = 0;
    for (QTextFrame* child : frame->childFrames())
        deepest = std::max(deepest, tableDepth(child));
    return deepest + (qobject_cast<QTextTable*>(frame) ? 1 : 0);
}

// The viewer never nests a page's tables or lists deeper than the measure
// that bounds them says, however the page spells its tags.
TEST(HelpPage, TheViewerNestsNoDeeperThanThePageIsMeasured)
{
    const QString pages[] = {
        repeated("<table><tr><td>", 5),
        repeated("<b><p><table><tr><td></b>", 5),
        repeated("<div><table><tr><td></div>", 5),
        repeated("<td><table>", 4),
        repeated("<table><td>", 4),
        repeated("<tr><table>", 4),
        repeated(QString::fromUtf8("<table\u00A0border=1><tr><td>"), 4),
        repeated(QString::fromUtf8("<table\u2029><tr><td>"), 4),
        repeated("<table x='>'><tr><td>", 4),
        repeated("<table x=\"a>b\" y=c/d><tr><td>", 4),
        repeated("< TABLE\n><tr\n><td\n>", 4),
        repeated("<table/><table><tr><td>", 4),
        repeated("<!-- -- > --><table><tr><td>", 4),
        repeated("<!x><table><tr><td></tr></td>", 4),
        repeated("<ul><li>", 6),
        repeated("<li><ol>", 6),
        repeated("<ul><li><table><tr><td></li>", 4),
        repeated("<blockquote><ul><p>", 4),
    };
    for (const QString& page : pages) {
        const HtmlShape shape = measureHtml(page.toStdString());
        QTextDocument document;
        document.setHtml(page);
        int lists = 0;
        for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
            if (b.textList())
                lists = std::max(lists, b.textList()->format().indent());
        EXPECT_GE(int(shape.deepestTable), tableDepth(document.rootFrame())) << page.toStdString();
        EXPECT_GE(int(shape.deepestList), lists) << page.toStdString();
    }
}

TEST_F(UiTest, AHelpFileBeyondTheManualsBoundsIsReportedAsMissingAndNeverLaidOut)
{
    const QString hostile = repeated("<table><tr><td>", 3000) + "x" + repeated("</td></tr></table>", 3000);
    writeFile("Help.hlp", hostile.toUtf8());
    MainWindow& w = open(false);
    boxes.ok();
    child<QAction>(w, "helpContentsAction")->trigger();
    EXPECT_EQ(boxes.titles.value(0), "Πρόβλημα με το Αρχείο Βοήθειας");
    EXPECT_EQ(w.findChild<HelpWindow*>(), nullptr);

    // Nor is such a page laid out when it is reached otherwise, by a link.
    writeFile("Help.hlp", repeated("<table><tr><td>", 300).toUtf8());
    HelpWindow help(false, nullptr);
    help.openFile(data.filePath("Help.hlp"), false);
    help.show();
    QApplication::processEvents();
    EXPECT_TRUE(help.browser()->document()->isEmpty());
}

TEST_F(UiTest, AboutHoldsTheMainWindowAndItsLinkWritesToTheAuthor)
{
    UrlCatcher mail;
    QDesktopServices::setUrlHandler("mailto", &mail, "open");
    MainWindow& w = open(false);
    child<QAction>(w, "aboutAction")->trigger();
    QPointer<AboutWindow> about = w.findChild<AboutWindow*>("AboutWindow");
    ASSERT_TRUE(about);
    EXPECT_FALSE(w.game().mainWindowEnabled());
    auto* link = child<QLabel>(*about, "mailLink");
    EXPECT_EQ(link->text(), "Send e-mail");
    click(link);
    QDesktopServices::unsetUrlHandler("mailto");
    EXPECT_EQ(mail.opened, QList<QUrl>{QUrl("mailto:kelbar@example.org")});
    EXPECT_TRUE(about->isVisible());
    about->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about, Qt::Key_Escape);  // as its OK button
    EXPECT_TRUE(w.game().mainWindowEnabled());
    EXPECT_TRUE(BoxAnswerer::waitFor([&] { return about.isNull(); })) << "the window goes when closed";
}

}  // namespace
}  // namespace vornel

#include "startup_help_about_tests.moc"
