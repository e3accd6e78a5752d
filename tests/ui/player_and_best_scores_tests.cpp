#include <QLineEdit>

#include "UiSupport.h"
#include "storage/NamesFile.h"
#include "storage/ScoreFile.h"
#include "text/Profile.h"
#include "ui/shared/PictureLibrary.h"
#include "ui/windows/BestScoresWindow.h"

namespace vornel {
namespace {

using namespace testing;

TEST_F(UiTest, PlayerWindowOffersStoredNamesKeepsATooLongOneForCorrectionAndConfirmsWithEnter)
{
    PictureLibrary pictures;
    writeNames(file(DataFile::Names), {"Ada", " ", "Βήτα"});
    auto* w = new PlayerWindow(Players(file(DataFile::Names)), host, true, pictures, nullptr);
    QPointer<PlayerWindow> alive(w);
    QStringList chosen;
    QObject::connect(w, &PlayerWindow::confirmed, [&](const QString& name) { chosen << name; });
    w->show();
    EXPECT_TRUE(w->nameBox()->count() == 2 && w->nameBox()->currentText() == "Ada");

    boxes.ok();
    w->nameBox()->setEditText("Αλεξανδροπουλοςα");
    click(child(*w, "okButton"));
    ASSERT_TRUE(alive && w->isVisible());
    EXPECT_EQ(w->nameBox()->currentText(), "Αλεξανδροπουλοςα");

    w->nameBox()->setEditText("LOVELACE");
    QTest::keyClick(w->nameBox()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(chosen, QStringList{"Lovelace"});
    EXPECT_TRUE(BoxAnswerer::waitFor([&] { return alive.isNull(); })) << "the window closes and goes";
}

TEST_F(UiTest, BestScoresShowBothTablesOneAtATimeAndDeletingOneAsksAndLeavesTheOther)
{
    using T = TaggedValue;
    writeScoreTable(file(DataFile::SingleScores), {{T::fromText("150")}, {T::fromText("Ada")}});
    writeScoreTable(file(DataFile::ChampionshipScores), {{T::fromText("900")}, {T::fromText("Βήτα")}});
    BestScoresWindow w(file(DataFile::SingleScores), file(DataFile::ChampionshipScores), host, true,
        TextCatalog(file(DataFile::English)), nullptr);
    int deleted = 0;
    QObject::connect(&w, &BestScoresWindow::scoresDeleted, [&] { ++deleted; });
    EXPECT_EQ(child<QLabel>(w, "score(0)")->text() + child<QLabel>(w, "score(1)")->text(), "150");
    w.show();
    EXPECT_TRUE(child(w, "table(0)")->isVisible() && !child(w, "table(1)")->isVisible());
    click(child(w, "tableChoice(1)"));
    EXPECT_TRUE(!child(w, "table(0)")->isVisible() && child(w, "table(1)")->isVisible());

    boxes.no();
    click(child(w, "deleteButton"));
    EXPECT_TRUE(deleted == 0 && std::filesystem::exists(file(DataFile::ChampionshipScores)));
    boxes.yes();
    click(child(w, "deleteButton"));
    EXPECT_TRUE(deleted == 1 && !std::filesystem::exists(file(DataFile::ChampionshipScores)));
    EXPECT_EQ(child<QLabel>(w, "name(5)")->text() + child<QLabel>(w, "name(0)")->text(), "----Ada");
    EXPECT_EQ(readScoreTable(file(DataFile::SingleScores)).names[0].text, "Ada");
}

}  // namespace
}  // namespace vornel
