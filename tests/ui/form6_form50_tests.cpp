#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "UiSupport.h"
#include "platform/DesktopHost.h"
#include "storage/DataFiles.h"
#include "storage/NamesFile.h"
#include "storage/ScoreFile.h"
#include "text/Profile.h"
#include "ui/Form1.h"
#include "ui/Form50.h"
#include "ui/Form6.h"
#include "ui/PictureLibrary.h"

namespace vornel {
namespace {

using testing::BoxAnswerer;
using testing::click;

struct WindowTest : ::testing::Test {
    QTemporaryDir data;
    DesktopHost host;
    BoxAnswerer boxes;
    PictureLibrary pictures;

    std::filesystem::path file(const char* name) const { return std::filesystem::path(data.path().toStdString()) / name; }
    template <typename T = QWidget> T* child(QWidget& w, const QString& name)
    {
        T* c = w.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
};

// ---- The player window ----------------------------------------------------------

TEST_F(WindowTest, PlayerWindowOffersStoredNamesAndConfirmsWithEnter)
{
    writeNames(file(DataFile::Names), {"Ada", " ", "Βήτα"});
    auto* w = new Form6(Players(file(DataFile::Names)), host, false, pictures, nullptr);
    QString chosen;
    QObject::connect(w, &Form6::confirmed, [&](const QString& name) { chosen = name; });
    w->show();
    EXPECT_EQ(w->windowTitle(), "Select Player");
    EXPECT_EQ(child<QLabel>(*w, "Label1")->text(), "Please, write your name:");
    EXPECT_EQ(child<QLabel>(*w, "Label2")->text(), "Programming: Kelbar");
    ASSERT_EQ(w->nameBox()->count(), 2);
    EXPECT_EQ(w->nameBox()->currentText(), "Ada");

    QPointer<Form6> alive(w);
    w->nameBox()->setEditText("LOVELACE");
    QTest::keyClick(w->nameBox()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(chosen, "Lovelace");
    EXPECT_TRUE(BoxAnswerer::waitFor([&] { return alive.isNull(); })) << "the window closes and goes";
    EXPECT_EQ(readNameRecords(file(DataFile::Names)), (std::vector<std::string>{"Ada", "Βήτα", "LOVELACE"}));
}

TEST_F(WindowTest, PlayerWindowKeepsATooLongNameOpenForCorrection)
{
    auto* w = new Form6(Players(file(DataFile::Names)), host, true, pictures, nullptr);
    QPointer<Form6> alive(w);
    bool confirmed = false;
    QObject::connect(w, &Form6::confirmed, [&] { confirmed = true; });
    w->show();
    EXPECT_EQ(w->windowTitle(), " Επιλογή Παίκτη");
    boxes.ok();
    w->nameBox()->setEditText("Αλεξανδροπουλοςα");
    click(child(*w, "Command1"));
    EXPECT_EQ(boxes.texts.value(0), "Το ονομά σου μπορεί να ειναι εως 15 χαρακτήρες,");
    EXPECT_EQ(boxes.titles.value(0), "ΟΝΟΜΑ ΣΙΔΗΡΟΔΡΟΜΟΣ");
    ASSERT_FALSE(alive.isNull());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->nameBox()->currentText(), "Αλεξανδροπουλοςα");
    EXPECT_FALSE(confirmed);
    delete w;
}

TEST_F(WindowTest, ClosingThePlayerWindowAtStartUpEndsTheProgram)
{
    Form1 main(host, true, data.path());
    main.Form_Load();
    auto* w = main.findChild<Form6*>("Form6");
    ASSERT_NE(w, nullptr);
    bool mainClosed = false;
    auto* watcher = new testing::CloseWatcher(&mainClosed);
    watcher->setParent(&main);
    main.installEventFilter(watcher);
    w->close();
    EXPECT_TRUE(mainClosed);
    EXPECT_FALSE(main.isVisible());
}

TEST_F(WindowTest, NewPlayerLaterClearsTheScoreAndTheCloseBoxKeepsThePlayer)
{
    Form1 main(host, true, data.path());
    main.Form_Load();
    auto* first = main.findChild<Form6*>("Form6");
    first->nameBox()->setEditText("Ada");
    click(child(*first, "Command1"));
    ASSERT_TRUE(main.isVisible());

    child<QAction>(main, "player")->trigger();
    EXPECT_FALSE(main.game().mainWindowEnabled());
    Form6* second = nullptr;
    for (Form6* f : main.findChildren<Form6*>())
        if (f != first && f->isVisible())
            second = f;
    ASSERT_NE(second, nullptr);
    second->close();
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(main.game().mainWindowEnabled());
    EXPECT_EQ(main.game().session().PlayerName, "Ada");
}

// ---- The best-scores window ----------------------------------------------------------

ScoreTable oneEntry(const char* score, const char* name)
{
    ScoreTable t;
    t.scores[0] = TaggedValue::fromText(score);
    t.names[0] = TaggedValue::fromText(name);
    return t;
}

TEST_F(WindowTest, BestScoresShowBothTablesOneAtATimeWithDashesForEmptyNames)
{
    writeScoreTable(file(DataFile::SingleScores), oneEntry("150", "Ada"));
    Form50 w(file(DataFile::SingleScores), file(DataFile::ChampionshipScores), host, true,
        TextCatalog(file(DataFile::English)), nullptr);
    EXPECT_EQ(w.windowTitle(), "Καλύτερα ΣΚΟΡ");
    EXPECT_EQ(child<QLabel>(w, "Label2(0)")->text(), "150");
    EXPECT_EQ(child<QLabel>(w, "Label1(0)")->text(), "Ada");
    EXPECT_EQ(child<QLabel>(w, "Label2(1)")->text(), "");
    for (int i = 1; i < 10; ++i)
        EXPECT_EQ(child<QLabel>(w, QStringLiteral("Label1(%1)").arg(i))->text(), "----") << i;
    EXPECT_TRUE(child<QRadioButton>(w, "Option1(0)")->isChecked());
    EXPECT_EQ(child<QGroupBox>(w, "Frame2(1)")->title(), "ΣΚΟΡ  Πρωταθλήματος");
    w.show();
    EXPECT_TRUE(child(w, "Frame2(0)")->isVisible());
    EXPECT_FALSE(child(w, "Frame2(1)")->isVisible());
    click(child(w, "Option1(1)"));
    EXPECT_FALSE(child(w, "Frame2(0)")->isVisible());
    EXPECT_TRUE(child(w, "Frame2(1)")->isVisible());
}

TEST_F(WindowTest, DeletingATableAsksAndLeavesTheOtherTableAndTheSettings)
{
    writeScoreTable(file(DataFile::SingleScores), oneEntry("150", "Ada"));
    writeScoreTable(file(DataFile::ChampionshipScores), oneEntry("900", "Βήτα"));
    Form50 w(file(DataFile::SingleScores), file(DataFile::ChampionshipScores), host, false,
        TextCatalog(file(DataFile::English)), nullptr);
    int deleted = 0;
    QObject::connect(&w, &Form50::scoresDeleted, [&] { ++deleted; });
    w.show();
    click(child(w, "Option1(1)"));

    boxes.no();
    click(child(w, "Command2"));
    EXPECT_EQ(deleted, 0);
    EXPECT_TRUE(std::filesystem::exists(file(DataFile::ChampionshipScores)));

    boxes.yes();
    click(child(w, "Command2"));
    EXPECT_EQ(boxes.texts.value(1), "Are you sure you want to delete skors?");
    EXPECT_EQ(boxes.titles.value(1), "Delete skors");
    EXPECT_EQ(deleted, 1);
    EXPECT_FALSE(std::filesystem::exists(file(DataFile::ChampionshipScores)));
    EXPECT_EQ(child<QLabel>(w, "Label1(5)")->text(), "----");
    EXPECT_EQ(child<QLabel>(w, "Label2(5)")->text(), "");
    EXPECT_EQ(child<QLabel>(w, "Label1(0)")->text(), "Ada");
    EXPECT_EQ(readScoreTable(file(DataFile::SingleScores)).names[0].text, "Ada");
}

TEST_F(WindowTest, BestScoresInEnglishTakeOnlyTheirFiveKeys)
{
    QFile f(data.filePath("english.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[ENGLISH50]\nCommand2=Delete\nFrame2(0)=Game skors\nOption1(1)= Championship\nCommand1=Nope\n");
    f.close();
    Form50 w(file(DataFile::SingleScores), file(DataFile::ChampionshipScores), host, false,
        TextCatalog(file(DataFile::English)), nullptr);
    EXPECT_EQ(w.windowTitle(), "Best Skors");
    EXPECT_EQ(child<QPushButton>(w, "Command2")->text(), "Delete");
    EXPECT_EQ(child<QPushButton>(w, "Command1")->text(), "OK");
    EXPECT_EQ(child<QGroupBox>(w, "Frame2(0)")->title(), "Game skors");
    EXPECT_EQ(child<QGroupBox>(w, "Frame2(1)")->title(), "ΣΚΟΡ  Πρωταθλήματος");
    EXPECT_EQ(child<QRadioButton>(w, "Option1(1)")->text(), "Championship");  // values lose their outer blanks
    EXPECT_EQ(child<QRadioButton>(w, "Option1(0)")->text(), " Παιχνίδι");
}

}  // namespace
}  // namespace vornel
