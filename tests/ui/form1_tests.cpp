#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "UiSupport.h"
#include "platform/DesktopHost.h"
#include "storage/SettingsRecords.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form6.h"

namespace vornel {
namespace {

using testing::BoxAnswerer;
using testing::click;

struct Form1Test : ::testing::Test {
    QTemporaryDir data;
    DesktopHost host;
    BoxAnswerer boxes;

    void writeCatalogue(const QByteArray& text)
    {
        QFile f(data.filePath("english.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    template <typename T = QWidget> T* child(QWidget& w, const QString& name)
    {
        T* c = w.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    // Start-up, and the player window answered with `name`.
    void start(Form1& w, const QString& name = "Ada")
    {
        w.Form_Load();
        auto* form6 = w.findChild<Form6*>("Form6");
        ASSERT_NE(form6, nullptr);
        EXPECT_FALSE(w.isVisible());
        form6->nameBox()->setEditText(name);
        click(child(*form6, "Command1"));
        ASSERT_TRUE(w.isVisible());
    }
    QWidget* card(Form1& w, const char* part, int i) { return child(w, QStringLiteral("%1(%2)").arg(part).arg(i)); }
    void tick(QWidget& w, const char* timer, int times = 1)
    {
        for (int n = 0; n < times; ++n)
            QMetaObject::invokeMethod(child<QTimer>(w, timer), "timeout", Qt::DirectConnection);
    }
    // Turns every pair up by clicks; `last` is the last card turned.
    void clearBoard(Form1& w, int* last = nullptr)
    {
        for (int i = 0; i < 20; ++i) {
            if (w.game().board().slot(i).isMatched())
                continue;
            for (int j = i + 1; j < 20; ++j)
                if (w.game().board().sameImage(i, j)) {
                    if (last)
                        *last = j;
                    click(card(w, "Label1", i));
                    click(card(w, "Label1", j));
                    break;
                }
        }
    }
    // Where the win and lose screens show: 2250 and 1650 twips from the main window's outer corner.
    QPoint screenPlace(Form1& w) { return w.frameGeometry().topLeft() + QPoint(150, 110); }
};

TEST_F(Form1Test, MenuTreeCarriesEveryItemWithItsShortcutChecksAndPlainSeparators)
{
    Form1 w(host, true, data.path());
    start(w);
    for (const char* name : {"file", "newfolder", "epilogew", "epip", "kath", "language_menu", "tapetsaries", "help"})
        EXPECT_NE(w.findChild<QMenu*>(name), nullptr) << name;
    const std::map<QString, QString> shortcuts{
        {"newgame", "F2"}, {"gggggg", "F3"}, {"NextImage", "Ctrl+N"}, {"periexomena", "F1"}};
    for (const auto& [name, keys] : shortcuts)
        EXPECT_EQ(child<QAction>(w, name)->shortcut(), QKeySequence(keys)) << name.toStdString();

    EXPECT_EQ(child<QMenu>(w, "file")->title(), "&Αρχείο");
    EXPECT_EQ(child<QAction>(w, "about")->text(), "Σχετικά με το Παιχνίδι Μνήμης");
    const QList<QAction*> file = child<QMenu>(w, "file")->actions();
    ASSERT_EQ(file.size(), 6);
    EXPECT_TRUE(file[2]->isSeparator() && file[4]->isSeparator());
    EXPECT_TRUE(file[2]->text().isEmpty());
    EXPECT_EQ(child<QAction>(w, "None(0)")->text(), "Καμμία");
    EXPECT_TRUE(child<QAction>(w, "kanoniko")->isChecked());
    EXPECT_TRUE(child<QAction>(w, "antikeim")->isChecked());
    EXPECT_TRUE(child<QAction>(w, "ShowNUMBERS")->isChecked());
    EXPECT_EQ(child<QLabel>(w, "Label8(19)")->text(), "20");
    EXPECT_EQ(child<QLabel>(w, "Label5")->text(), "Επίπεδα: Κανονικό");
    EXPECT_EQ(child<QLabel>(w, "Label4")->text(), "Κατηγορίες: Αντικείμενα");

    child<QAction>(w, "dyskolo")->trigger();
    EXPECT_TRUE(child<QAction>(w, "dyskolo")->isChecked());
    EXPECT_FALSE(child<QAction>(w, "kanoniko")->isChecked());
    EXPECT_EQ(child<QLabel>(w, "Label5")->text(), "Επίπεδα: Δύσκολο");
    // No pictures of the player's own yet: asked, No, and the category stays.
    boxes.no();
    child<QAction>(w, "CustomMenu")->trigger();
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0], "Δεν έχετε επιλέξει 10 προσωπικές εικόνες.Θέλετε να τις επιλέξετε τώρα;");
    EXPECT_FALSE(child<QAction>(w, "CustomMenu")->isChecked());
    EXPECT_TRUE(child<QAction>(w, "antikeim")->isChecked());
}

TEST_F(Form1Test, EnglishCaptionsComeFromTheCatalogueButNeverMakeSeparators)
{
    writeCatalogue("[english1]\r\nnewgame=Game\r\nEPIP=Levels\r\nkanoniko=Normal\r\nLabel9(0)=New Game\r\n"
                   "Label11(1)=2 pairs\r\nexit=-\r\nLabel50=Player\r\n");
    Form1 english(host, false, data.path());
    english.Form_Load();
    EXPECT_EQ(child<QAction>(english, "newgame")->text(), "Game");
    EXPECT_EQ(child<QLabel>(english, "Label9(0)")->text(), "New Game");
    EXPECT_EQ(child<QLabel>(english, "Label9(2)")->text(), "Διακοπή");  // not in the catalogue
    EXPECT_EQ(child<QLabel>(english, "Label11(1)")->text(), "2 pairs");
    EXPECT_EQ(child<QLabel>(english, "Label5")->text(), "Levels: Normal");
    EXPECT_EQ(child<QAction>(english, "None(0)")->text(), "None");
    EXPECT_FALSE(child<QAction>(english, "exit")->isSeparator());
    EXPECT_EQ(child<QAction>(english, "exit")->text(), "-");
    // Before a player is chosen the name label shows its own caption.
    EXPECT_EQ(english.game().session().PlayerName, "Player");

    Form1 greek(host, true, data.path());
    greek.Form_Load();
    EXPECT_EQ(child<QAction>(greek, "newgame")->text(), "Παιχνίδι");
    EXPECT_EQ(child<QLabel>(greek, "Label9(0)")->text(), "Νέο Παιχνίδι");
}

TEST_F(Form1Test, ClicksOnPictureButtonsAndCardsPlayAndAWrongPairHoldsTheWindow)
{
    Form1 w(host, true, data.path());
    start(w);
    auto* clock = child<QTimer>(w, "Timer2");
    EXPECT_FALSE(clock->isActive());
    EXPECT_EQ(child<QLabel>(w, "Label50")->text(), "Ada");

    click(child(w, "Label9(0)"));
    EXPECT_TRUE(clock->isActive());
    EXPECT_EQ(clock->interval(), 1000);
    EXPECT_EQ(child<QLabel>(w, "Label3")->text(), "01:15");
    EXPECT_EQ(child<QLabel>(w, "Label24")->text(), "150");
    EXPECT_FALSE(child<QMenu>(w, "file")->menuAction()->isEnabled());

    click(card(w, "Label1", 5));
    EXPECT_TRUE(w.game().board().slot(5).isOpen());
    EXPECT_TRUE(card(w, "Image1", 5)->isVisible());
    EXPECT_FALSE(card(w, "Label1", 5)->isVisible());
    EXPECT_FALSE(child<QLabel>(w, "Image9(5)")->pixmap().isNull());

    int other = -1, third = -1;
    for (int i = 0; i < 20 && third < 0; ++i)
        if (i != 5 && !w.game().board().sameImage(5, i))
            (other < 0 ? other : third) = i;
    click(card(w, "Label8", other));
    EXPECT_TRUE(child<QTimer>(w, "Timer1")->isActive());
    click(card(w, "Label1", third));
    EXPECT_FALSE(w.game().board().slot(third).isFaceUp());

    // The pointer over a picture button does not light it while the window is held.
    auto* stop = child<QLabel>(w, "Label9(2)");
    QTest::mouseMove(stop, stop->rect().center());
    EXPECT_FALSE(stop->font().bold());

    for (int t = 0; t < 3; ++t)
        tick(w, "Timer1");
    EXPECT_FALSE(card(w, "Image1", 5)->isVisible());
    EXPECT_TRUE(card(w, "Label1", other)->isVisible());
    click(card(w, "Label1", third));
    EXPECT_TRUE(w.game().board().slot(third).isOpen());

    QTest::mouseMove(stop, stop->rect().center() + QPoint(1, 0));
    EXPECT_TRUE(stop->font().bold());
}

TEST_F(Form1Test, ShortcutsOfDisabledMenusDoNothingDuringAGame)
{
    Form1 w(host, true, data.path());
    start(w);
    QApplication::setActiveWindow(&w);
    QTest::keyClick(&w, Qt::Key_F2);
    ASSERT_TRUE(w.game().playing()) << "F2 starts a game while the menu is enabled";
    const auto first = w.game().board().slot(0).picture;
    tick(w, "Timer2");
    const int seconds = w.game().clock().SecondsLeft;
    QTest::keyClick(&w, Qt::Key_F2);
    EXPECT_EQ(w.game().clock().SecondsLeft, seconds) << "a second F2 dealt again";
    EXPECT_EQ(w.game().board().slot(0).picture, first);
}

TEST_F(Form1Test, AWonGameShowsTheWinScreenAndItsDismissalEntersTheBestScores)
{
    Form1 w(host, false, data.path());
    start(w, "grace");
    click(child(w, "Label9(0)"));
    clearBoard(w);
    Form2* win = w.winScreen();
    ASSERT_TRUE(win->isVisible());
    EXPECT_EQ(win->frameGeometry().topLeft(), screenPlace(w));
    EXPECT_EQ(child<QLabel>(*win, "Label1")->text(), "YOY WIN !!!");
    EXPECT_FALSE(child<QTimer>(w, "Timer2")->isActive());
    EXPECT_FALSE(w.game().mainWindowEnabled());
    // The main window takes no click while the screen is up.
    auto* newGame = child(w, "Label9(0)");
    click(newGame);
    EXPECT_TRUE(w.game().board().allMatched());

    boxes.ok();  // the place
    click(child(*win, "Label1"));
    ASSERT_TRUE(BoxAnswerer::waitFor([&] { return boxes.texts.size() == 1; }));
    EXPECT_FALSE(win->isVisible());
    EXPECT_EQ(boxes.texts[0],
        "Congratulations  grace.\n\n You make a best skor.\nYour place is FIRST and your skor is: 150");
    EXPECT_EQ(boxes.titles[0], "Sarvel VORNEL v.2");
    EXPECT_TRUE(w.game().newGameAvailable() && w.game().mainWindowEnabled());
    EXPECT_TRUE(child<QMenu>(w, "file")->menuAction()->isEnabled());
    EXPECT_EQ(child<QLabel>(w, "Label3")->text(), "00:00");
    EXPECT_EQ(child<QLabel>(w, "Label24")->text(), "0");
    EXPECT_EQ(child<QLabel>(w, "Label2")->text(), "     Best Skor Game : 150 - grace");
}

TEST_F(Form1Test, ALostSingleGameShowsTheLoseScreenWithScoreZeroAndNoEntry)
{
    Form1 w(host, true, data.path());
    start(w);
    click(child(w, "Label9(0)"));
    // A wrong pair is still up when the time runs out.
    click(card(w, "Label1", 0));
    for (int j = 1; j < 20; ++j)
        if (!w.game().board().sameImage(0, j)) {
            click(card(w, "Label1", j));
            break;
        }
    tick(w, "Timer2", 75);
    Form3* lose = w.loseScreen();
    ASSERT_TRUE(lose->isVisible());
    EXPECT_EQ(lose->frameGeometry().topLeft(), screenPlace(w));
    EXPECT_EQ(child<QLabel>(w, "Label24")->text(), "0");
    EXPECT_FALSE(child<QTimer>(w, "Timer2")->isActive());
    tick(w, "Timer1", 3);
    EXPECT_FALSE(w.game().mainWindowEnabled()) << "the flip-back gave the window back";
    tick(*lose, "Timer1", 37);
    EXPECT_EQ(child<QLabel>(*lose, "Label1")->text(), "            ΔΥΣΤΥΧΩΣ ΕΧΑΣΕΣ !!!");
    click(lose);
    EXPECT_FALSE(lose->isVisible());
    EXPECT_TRUE(w.game().mainWindowEnabled() && w.game().newGameAvailable());
    EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST_F(Form1Test, TheBoardIsShownBeforeTheBonusQuestionOpens)
{
    Form1 w(host, true, data.path());
    start(w);
    boxes.ok();  // the championship note
    child<QAction>(w, "gggggg")->trigger();
    ASSERT_TRUE(w.game().session().inChampionship());
    // The bonus question comes with the last card, which must already show its face.
    int lastCard = -1;
    bool lastFaceShown = false;
    boxes.inspect = [&](QWidget* box) {
        if (qobject_cast<QInputDialog*>(box))
            lastFaceShown = card(w, "Image1", lastCard)->isVisible();
    };
    boxes.type("3");
    clearBoard(w, &lastCard);
    ASSERT_TRUE(BoxAnswerer::waitFor([&] { return boxes.texts.size() == 2; }));
    EXPECT_TRUE(lastFaceShown);
    EXPECT_EQ(boxes.titles[1], "BONUS");
    EXPECT_EQ(w.game().championship().BonusLevel, 3);
    EXPECT_EQ(w.game().championship().Level, 2);
    ASSERT_TRUE(w.winScreen()->isVisible());
    EXPECT_EQ(child<QLabel>(*w.winScreen(), "Label1")->text(), "Το επίπεδο 1 το ολοκλήρωσες με επιτυχία.");

    // Its dismissal deals level 2 at once.
    click(w.winScreen());
    EXPECT_TRUE(w.game().playing());
    EXPECT_TRUE(child<QTimer>(w, "Timer2")->isActive());
    EXPECT_EQ(child<QLabel>(w, "Label25")->text(), "2");
    EXPECT_EQ(child<QLabel>(w, "Label3")->text(), "01:20");
}

TEST_F(Form1Test, TwoLostLivesEndTheChampionshipOnTheLoseScreen)
{
    Form1 w(host, false, data.path());
    start(w);
    boxes.ok();  // the note
    click(child(w, "Label9(1)"));
    ASSERT_TRUE(BoxAnswerer::waitFor([&] { return boxes.texts.size() == 1; }));
    Form3* lose = w.loseScreen();
    tick(w, "Timer2", 90);
    ASSERT_TRUE(lose->isVisible());
    EXPECT_EQ(child<QLabel>(*lose, "Label1")->text(), "      You lose.   Try again in level 1 .");
    EXPECT_EQ(child<QLabel>(w, "Label26")->text(), "1");
    EXPECT_EQ(child<QLabel>(w, "Label24")->text(), "-10");
    click(child(*lose, "Image1"));
    EXPECT_TRUE(w.game().playing()) << "the same level is dealt again";
    EXPECT_EQ(child<QLabel>(w, "Label3")->text(), "01:30");

    // The end message comes while the lose screen is up; then it closes at once.
    bool loseScreenUnderBox = false;
    QString textUnderBox;
    boxes.inspect = [&](QWidget*) {
        loseScreenUnderBox = lose->isVisible();
        textUnderBox = child<QLabel>(*lose, "Label1")->text();
    };
    boxes.ok();
    tick(w, "Timer2", 90);
    ASSERT_EQ(boxes.texts.size(), 2);
    EXPECT_EQ(boxes.texts[1], "Sorry, you lose. TRY AGAIN!!!");
    EXPECT_TRUE(loseScreenUnderBox);
    EXPECT_EQ(textUnderBox, "    SORRY, YOU LOSE !!!") << "no level to play again";
    EXPECT_FALSE(lose->isVisible());
    EXPECT_FALSE(child<QTimer>(*lose, "Timer1")->isActive());
    EXPECT_EQ(child<QLabel>(*lose, "Label1")->text(), "    SORRY, YOU LOSE !!!");
    EXPECT_TRUE(w.game().mainWindowEnabled() && w.game().newGameAvailable());
    EXPECT_FALSE(child(w, "Frame4")->isVisible());
    EXPECT_EQ(child<QLabel>(w, "Label24")->text(), "0");
    EXPECT_EQ(child<QLabel>(w, "Label25")->text(), "0");
}

TEST_F(Form1Test, StartUpRestoresTheSavedChoicesAndClosingSavesThem)
{
    const auto skor = std::filesystem::path(data.path().toStdString()) / "skor.qdx";
    SettingsRecords saved;
    saved.difficulty = 3;
    saved.category = 2;
    saved.numbersHidden = 1;
    saved.wallpaperPath = "/nowhere/sea.bmp";
    ASSERT_TRUE(writeSettingsRecords(skor, saved));
    {
        Form1 w(host, true, data.path());
        start(w);
        EXPECT_TRUE(child<QAction>(w, "dyskolo")->isChecked());
        EXPECT_TRUE(child<QAction>(w, "pros")->isChecked());
        EXPECT_FALSE(child<QAction>(w, "ShowNUMBERS")->isChecked());
        EXPECT_EQ(child<QLabel>(w, "Label8(0)")->text(), "");

        child<QAction>(w, "eykolo")->trigger();
        child<QAction>(w, "food")->trigger();
        child<QAction>(w, "ShowNUMBERS")->trigger();
        child<QAction>(w, "exit")->trigger();
    }
    const SettingsRecords after = readSettingsRecords(skor);
    EXPECT_EQ(after.difficulty, 1);
    EXPECT_EQ(after.category, 3);
    EXPECT_EQ(after.numbersHidden, 0);
    EXPECT_EQ(after.wallpaperPath, "/nowhere/sea.bmp");
    EXPECT_EQ(after.cardPictureWidth, 735);
    EXPECT_EQ(after.cardColour, TaggedValue::fromInt32(0x00C000));
}

}  // namespace
}  // namespace vornel
