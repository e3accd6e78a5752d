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
namespace {

using namespace testing;

TEST(LanguageStore, IsStoredPerUserAsTrueOrFalseAndReadLeniently)
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, "Kelbar", "Kelbar");
    for (const auto& [text, greek] : std::vector<std::pair<QString, bool>>{{"", false}, {"-1", true}, {"maybe", false}}) {
        store.setValue("VORNEL/WHICH_LANGUAGE", text);
        store.sync();
        EXPECT_EQ(LanguageStore::load(), greek) << text.toStdString();
        LanguageStore::save(!greek);
        store.sync();
        EXPECT_EQ(store.value("VORNEL/WHICH_LANGUAGE").toString(), greek ? "False" : "True");
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

// A folder, or a page beyond the manual's bounds, is no help file.
TEST_F(UiTest, HelpOpensTheFirstHlpFileAtTheLanguagesSectionInOneWindowAndWithoutOneAGreekMessageShows)
{
    QDir().mkpath(data.filePath("Help.hlp"));
    MainWindow& w = open(false);
    const QString hostile = QString("<table><tr><td>").repeated(3000) + "x" + QString("</td></tr></table>").repeated(3000);
    for (int refused = 0; refused < 2; ++refused) {
        boxes.ok();
        child<QAction>(w, "helpContentsAction")->trigger();
        EXPECT_EQ(boxes.titles.value(refused), "Πρόβλημα με το Αρχείο Βοήθειας");
        EXPECT_EQ(w.findChild<HelpWindow*>(), nullptr);
        QDir().rmdir(data.filePath("Help.hlp"));
        writeFile("Help.hlp", hostile.toUtf8());
    }

    ASSERT_TRUE(QFile::remove(data.filePath("Help.hlp")));
    writeFile("Manual.HLP", "<html><head><title>Manual</title></head><body><p>top</p><a name=\"en\"></a>"
                            "<p>English</p><a name=\"el\"></a><p>Ελληνικά</p></body></html>");
    child<QAction>(w, "helpContentsAction")->trigger();
    auto* help = w.findChild<HelpWindow*>("HelpWindow");
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_EQ(help->browser()->source(), QUrl::fromLocalFile(data.filePath("Manual.HLP")).resolved(QUrl("#en")));

    writeFile("Help.hlp", "<html><body><a name=\"en\"></a>Help</body></html>");
    child<QAction>(w, "helpContentsAction")->trigger();
    EXPECT_EQ(w.findChildren<HelpWindow*>().size(), 1);
    EXPECT_EQ(help->browser()->source().fileName(), "Help.hlp");

    // Nor is such a page laid out when it is reached otherwise, by a link.
    writeFile("Help.hlp", QString("<table><tr><td>").repeated(300).toUtf8());
    HelpWindow linked(false, nullptr);
    linked.openFile(data.filePath("Help.hlp"), false);
    linked.show();
    QApplication::processEvents();
    EXPECT_TRUE(linked.browser()->document()->isEmpty());
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
    const std::pair<const char*, int> pieces[] = {
        {"<table><tr><td>", 5}, {"<b><p><table><tr><td></b>", 5}, {"<div><table><tr><td></div>", 5},
        {"<td><table>", 4}, {"<table><td>", 4}, {"<tr><table>", 4}, {"<table\u00A0border=1><tr><td>", 4},
        {"<table\u2029><tr><td>", 4}, {"<table x='>'><tr><td>", 4}, {"<table x=\"a>b\" y=c/d><tr><td>", 4},
        {"< TABLE\n><tr\n><td\n>", 4}, {"<table/><table><tr><td>", 4}, {"<!-- -- > --><table><tr><td>", 4},
        {"<!x><table><tr><td></tr></td>", 4}, {"<ul><li>", 6}, {"<li><ol>", 6}, {"<ul><li><table><tr><td></li>", 4},
        {"<blockquote><ul><p>", 4},
    };
    for (const auto& [piece, times] : pieces) {
        const QString page = QString::fromUtf8(piece).repeated(times);
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

TEST_F(UiTest, AboutHoldsTheMainWindowUntilEscapeClosesIt)
{
    MainWindow& w = open(false);
    child<QAction>(w, "aboutAction")->trigger();
    QPointer<AboutWindow> about = w.findChild<AboutWindow*>("AboutWindow");
    ASSERT_TRUE(about);
    EXPECT_FALSE(w.game().mainWindowEnabled());
    about->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about, Qt::Key_Escape);  // as its OK button
    EXPECT_TRUE(w.game().mainWindowEnabled());
    EXPECT_TRUE(BoxAnswerer::waitFor([&] { return about.isNull(); })) << "the window goes when closed";
}

}  // namespace
}  // namespace vornel
