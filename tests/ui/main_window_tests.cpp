#include <QMenu>

#include "UiSupport.h"
#include "storage/RecordFile.h"
#include "storage/SettingsRecords.h"
#include "ui/windows/WinScreen.h"
#include "ui/windows/LoseScreen.h"
#include "ui/windows/AboutWindow.h"

namespace vornel {
namespace {

using namespace testing;

TEST_F(UiTest, AFirstRunHasTheDefaultChoicesAndClicksOnPictureButtonsAndCardsPlayAGameToTheBestScores)
{
    MainWindow& w = open(true);
    EXPECT_EQ(QFileInfo(data.filePath("skor.qdx")).size(), 0);
    for (const char* item : {"normalAction", "objectsAction", "showNumbersAction", "wallpaperAction(0)"})
        EXPECT_TRUE(child<QAction>(w, item)->isChecked()) << item;
    // No pictures of the player's own yet: asked, No, and the category stays.
    boxes.no();
    child<QAction>(w, "customAction")->trigger();
    EXPECT_TRUE(!child<QAction>(w, "customAction")->isChecked() && child<QAction>(w, "objectsAction")->isChecked());

    EXPECT_EQ(child<QLabel>(w, "playerNameLabel")->text(), "Ada");
    click(child(w, "newGameCaption"));
    EXPECT_TRUE(child<QTimer>(w, "clockTimer")->isActive());
    EXPECT_EQ(child<QLabel>(w, "clockLabel")->text(), "01:15");
    EXPECT_FALSE(child<QMenu>(w, "fileMenu")->menuAction()->isEnabled());

    click(card(w, "cardBack", 5));
    EXPECT_TRUE(card(w, "cardFrame", 5)->isVisible() && !card(w, "cardBack", 5)->isVisible());
    EXPECT_FALSE(child<QLabel>(w, "cardFace(5)")->pixmap().isNull());

    int other = -1, third = -1;
    for (int i = 0; i < 20 && third < 0; ++i)
        if (i != 5 && !w.game().board().sameImage(5, i))
            (other < 0 ? other : third) = i;
    click(card(w, "cardNumber", other));  // a card's number is its back too
    EXPECT_TRUE(child<QTimer>(w, "flipBackTimer")->isActive());
    click(card(w, "cardBack", third));
    EXPECT_FALSE(w.game().board().slot(third).isFaceUp()) << "the window is held";
    tick(w, "flipBackTimer", 3);
    EXPECT_TRUE(!card(w, "cardFrame", 5)->isVisible() && card(w, "cardBack", other)->isVisible());

    clearBoard(w);
    WinScreen* win = w.winScreen();
    ASSERT_TRUE(win->isVisible());
    EXPECT_FALSE(child<QTimer>(w, "clockTimer")->isActive());
    // The score is recorded with the main window already given back.
    bool enabledUnderBox = false;
    boxes.inspect = [&](QWidget*) { enabledUnderBox = !win->isVisible() && w.game().mainWindowEnabled(); };
    boxes.ok();
    click(child(*win, "resultLabel"));
    ASSERT_TRUE(BoxAnswerer::waitFor([&] { return boxes.texts.size() == 2; }));
    EXPECT_TRUE(enabledUnderBox);
    EXPECT_TRUE(w.game().newGameAvailable() && child<QMenu>(w, "fileMenu")->menuAction()->isEnabled());
    EXPECT_EQ(child<QLabel>(w, "bestScoresLine")->text().toStdString(), w.game().statusLine());
}

TEST_F(UiTest, AChampionshipAsksTheBonusOverTheFinishedBoardDealsTheNextLevelAndEndsAfterTwoLostLives)
{
    MainWindow& w = open(true);
    boxes.ok();  // the championship note
    click(child(w, "championshipCaption"));
    ASSERT_TRUE(BoxAnswerer::waitFor([&] { return boxes.texts.size() == 1; }));
    ASSERT_TRUE(w.game().session().inChampionship());
    // The bonus question comes with the last card, which must already show its face.
    int lastCard = -1;
    bool lastFaceShown = false;
    boxes.inspect = [&](QWidget* box) {
        if (qobject_cast<QInputDialog*>(box))
            lastFaceShown = card(w, "cardFrame", lastCard)->isVisible();
    };
    boxes.planned.push_back({QMessageBox::Ok, "3"});  // the bonus
    clearBoard(w, &lastCard);
    ASSERT_TRUE(BoxAnswerer::waitFor([&] { return boxes.texts.size() == 2; }));
    EXPECT_TRUE(lastFaceShown);
    EXPECT_EQ(w.game().championship().BonusLevel, 3);
    ASSERT_TRUE(w.winScreen()->isVisible());
    EXPECT_EQ(child<QLabel>(*w.winScreen(), "resultLabel")->text(), "Το επίπεδο 1 το ολοκλήρωσες με επιτυχία.");
    click(w.winScreen());
    EXPECT_TRUE(w.game().playing() && child<QTimer>(w, "clockTimer")->isActive());
    EXPECT_EQ(child<QLabel>(w, "levelLabel")->text() + ' ' + child<QLabel>(w, "clockLabel")->text(), "2 01:20");

    LoseScreen* lose = w.loseScreen();
    tick(w, "clockTimer", w.game().clock().SecondsLeft);
    ASSERT_TRUE(lose->isVisible());
    EXPECT_EQ(child<QLabel>(*lose, "resultLabel")->text(), "      Δυστυχώς έχασες.   Ξαναπροσπάθησε στο επίπεδο 2 .");
    EXPECT_EQ(child<QLabel>(w, "livesLabel")->text(), "1");
    click(child(*lose, "leftDecoration"));
    EXPECT_TRUE(w.game().playing()) << "the same level is dealt again";

    bool loseScreenUnderBox = false;
    QString textUnderBox;
    boxes.inspect = [&](QWidget*) {
        loseScreenUnderBox = lose->isVisible();
        textUnderBox = child<QLabel>(*lose, "resultLabel")->text();
    };
    boxes.ok();
    tick(w, "clockTimer", w.game().clock().SecondsLeft);
    ASSERT_EQ(boxes.texts.size(), 3);
    EXPECT_TRUE(loseScreenUnderBox);
    EXPECT_EQ(textUnderBox, "            ΔΥΣΤΥΧΩΣ ΕΧΑΣΕΣ !!!") << "no level to play again";
    EXPECT_FALSE(lose->isVisible() || child<QTimer>(*lose, "animationTimer")->isActive());
    EXPECT_TRUE(w.game().mainWindowEnabled() && w.game().newGameAvailable());
    EXPECT_FALSE(child(w, "championshipPanel")->isVisible());
}

TEST_F(UiTest, StartUpAppliesTheStoredChoicesAndEnglishCaptionsAndClosingWritesWhatWasApplied)
{
    writeFile("english.ini", "[english1]\r\nnewgame=Game\r\nEPIP=Levels\r\ndyskolo=Hard\r\nLabel9(0)=New Game\r\nexit=-\r\n");
    RecordFile records(file(DataFile::SingleScores));
    records.writeInt32(SettingsRecord::CardPictureHeight, 100);  // too small: the design size
    records.writeInt32(SettingsRecord::CardPictureWidth, 101);
    records.writeTagged(SettingsRecord::CardColour, TaggedValue::fromInt16(255));
    records.writeInt16(SettingsRecord::Difficulty, 3);
    records.writeInt16(SettingsRecord::Category, 2);
    records.writeInt16(SettingsRecord::NumbersHidden, 1);
    records.writeText(SettingsRecord::WallpaperPath, "/nowhere/sea.bmp");
    ASSERT_TRUE(records.save());
    mainWindow = std::make_unique<MainWindow>(host, false, data.path());
    MainWindow& w = *mainWindow;
    w.start();
    // Nothing of the window is built before the player window is painted,
    // but a name confirmed before that (no event runs here) finds it built.
    EXPECT_EQ(w.findChild<QAction*>("hardAction"), nullptr);
    auto* player = w.findChild<PlayerWindow*>("PlayerWindow");
    ASSERT_NE(player, nullptr);
    player->nameBox()->setEditText("Ada");
    child<QAbstractButton>(*player, "okButton")->click();
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(child<QLabel>(w, "playerNameLabel")->text(), "Ada");
    EXPECT_TRUE(child<QAction>(w, "hardAction")->isChecked() && child<QAction>(w, "facesAction")->isChecked());
    EXPECT_FALSE(child<QAction>(w, "showNumbersAction")->isChecked());
    EXPECT_TRUE(child<QAction>(w, "wallpaperAction(0)")->isChecked()) << "a missing wallpaper shows none";
    // Captions come from the catalogue, but never make separators.
    EXPECT_EQ(child<QAction>(w, "newGameAction")->text(), "Game");
    EXPECT_EQ(child<QLabel>(w, "newGameCaption")->text(), "New Game");
    EXPECT_EQ(child<QLabel>(w, "stopCaption")->text(), "Διακοπή");  // not in the catalogue
    EXPECT_EQ(child<QLabel>(w, "difficultyLabel")->text(), "Levels: Hard");
    EXPECT_TRUE(!child<QAction>(w, "exitAction")->isSeparator() && child<QAction>(w, "exitAction")->text() == "-");
    // The board is laid out for the stored size at the end of start-up.
    EXPECT_EQ(child(w, "cardFace(0)")->width(), 7);

    child<QAction>(w, "easyAction")->trigger();
    child<QAction>(w, "foodAction")->trigger();
    child<QAction>(w, "aboutAction")->trigger();
    QPointer<QWidget> about = w.findChild<AboutWindow*>("AboutWindow");
    ASSERT_TRUE(about && about->isVisible());
    child<QAction>(w, "exitAction")->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(about.isNull() || !about->isVisible());
    const SettingsRecords after = readSettingsRecords(file(DataFile::SingleScores));
    EXPECT_EQ(std::tuple(after.difficulty, after.category, after.numbersHidden, after.cardPictureHeight,
                  after.cardPictureWidth), std::tuple(1, 3, 1, 670, 101));
    EXPECT_EQ(after.wallpaperPath, "/nowhere/sea.bmp") << "kept for the next run";
    EXPECT_EQ(after.cardColour, TaggedValue::fromInt32(255));
    // No wallpapers of the user's: the file is there, and empty.
    EXPECT_TRUE(QFileInfo(data.filePath("background.dat")).isFile() && QFileInfo(data.filePath("background.dat")).size() == 0);
}

}  // namespace
}  // namespace vornel
