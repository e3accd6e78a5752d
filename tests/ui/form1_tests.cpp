#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/Form1.h"

namespace vornel {
namespace {

struct Form1Test : ::testing::Test {
    QTemporaryDir data;

    void writeCatalogue(const QByteArray& text)
    {
        QFile f(data.filePath("english.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    template <typename T = QWidget> T* child(Form1& w, const QString& name)
    {
        T* c = w.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    static void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(w, button, {}, w->rect().center());
    }
};

TEST_F(Form1Test, MenuTreeCarriesEveryItemWithItsShortcutAndChecks)
{
    Form1 w(true, data.path());
    for (const char* name : {"file", "newfolder", "epilogew", "epip", "kath", "language_menu", "tapetsaries", "help"})
        EXPECT_NE(w.findChild<QMenu*>(name), nullptr) << name;
    const std::map<QString, QString> shortcuts{
        {"newgame", "F2"}, {"gggggg", "F3"}, {"NextImage", "Ctrl+N"}, {"periexomena", "F1"}};
    for (const auto& [name, keys] : shortcuts)
        EXPECT_EQ(child<QAction>(w, name)->shortcut(), QKeySequence(keys)) << name.toStdString();

    EXPECT_EQ(child<QMenu>(w, "file")->title(), "&Αρχείο");
    EXPECT_EQ(child<QAction>(w, "about")->text(), "Σχετικά με το Παιχνίδι Μνήμης");
    EXPECT_TRUE(child<QAction>(w, "SF")->isSeparator());
    EXPECT_EQ(child<QAction>(w, "None(0)")->text(), "Καμμία");
    // Start-up state: Normal, Objects, numbers shown.
    EXPECT_TRUE(child<QAction>(w, "kanoniko")->isChecked());
    EXPECT_FALSE(child<QAction>(w, "eykolo")->isChecked());
    EXPECT_TRUE(child<QAction>(w, "antikeim")->isChecked());
    EXPECT_TRUE(child<QAction>(w, "ShowNUMBERS")->isChecked());
    EXPECT_EQ(child<QLabel>(w, "Label8(19)")->text(), "20");
    EXPECT_EQ(child<QLabel>(w, "Label5")->text(), "Επίπεδα: Κανονικό");

    child<QAction>(w, "dyskolo")->trigger();
    EXPECT_TRUE(child<QAction>(w, "dyskolo")->isChecked());
    EXPECT_FALSE(child<QAction>(w, "kanoniko")->isChecked());
    EXPECT_EQ(child<QLabel>(w, "Label5")->text(), "Επίπεδα: Δύσκολο");
}

TEST_F(Form1Test, EnglishCaptionsComeFromTheCatalogueAndGreekIgnoresIt)
{
    writeCatalogue("[english1]\r\nnewgame=Game\r\nEPIP=Levels\r\nkanoniko=Normal\r\nLabel9(0)=New Game\r\n"
                   "Label11(1)=2 pairs\r\n");
    Form1 english(false, data.path());
    EXPECT_EQ(child<QAction>(english, "newgame")->text(), "Game");
    EXPECT_EQ(child<QLabel>(english, "Label9(0)")->text(), "New Game");
    EXPECT_EQ(child<QLabel>(english, "Label9(2)")->text(), "Διακοπή");  // not in the catalogue
    EXPECT_EQ(child<QLabel>(english, "Label11(1)")->text(), "2 pairs");
    EXPECT_EQ(child<QLabel>(english, "Label5")->text(), "Levels: Normal");
    EXPECT_EQ(child<QAction>(english, "None(0)")->text(), "None");

    Form1 greek(true, data.path());
    EXPECT_EQ(child<QAction>(greek, "newgame")->text(), "Παιχνίδι");
    EXPECT_EQ(child<QLabel>(greek, "Label9(0)")->text(), "Νέο Παιχνίδι");
}

TEST_F(Form1Test, ClicksOnPictureButtonsAndCardBacksReachTheGame)
{
    Form1 w(true, data.path());
    w.show();
    auto* clock = child<QTimer>(w, "Timer2");
    EXPECT_FALSE(clock->isActive());

    click(child(w, "Label9(0)"));
    EXPECT_TRUE(clock->isActive());
    EXPECT_EQ(clock->interval(), 1000);
    EXPECT_EQ(child<QLabel>(w, "Label3")->text(), "01:15");
    EXPECT_EQ(child<QLabel>(w, "Label24")->text(), "150");
    EXPECT_FALSE(child<QMenu>(w, "file")->menuAction()->isEnabled());

    click(child(w, "Label1(5)"));
    EXPECT_TRUE(w.game().board().slot(5).isOpen());
    EXPECT_TRUE(child(w, "Image1(5)")->isVisible());
    EXPECT_FALSE(child(w, "Label1(5)")->isVisible());
    EXPECT_FALSE(child<QLabel>(w, "Image9(5)")->pixmap().isNull());

    // A wrong pair holds the window: a third card does not turn.
    int other = -1, third = -1;
    for (int i = 0; i < 20; ++i) {
        if (i == 5 || w.game().board().sameImage(5, i))
            continue;
        (other < 0 ? other : third) = i;
        if (third >= 0)
            break;
    }
    click(child(w, QStringLiteral("Label8(%1)").arg(other)));
    EXPECT_TRUE(child<QTimer>(w, "Timer1")->isActive());
    click(child(w, QStringLiteral("Label1(%1)").arg(third)));
    EXPECT_FALSE(w.game().board().slot(third).isFaceUp());
    for (int tick = 0; tick < 3; ++tick)
        QMetaObject::invokeMethod(child<QTimer>(w, "Timer1"), "timeout", Qt::DirectConnection);
    EXPECT_FALSE(child(w, "Image1(5)")->isVisible());
    EXPECT_TRUE(child(w, QStringLiteral("Label1(%1)").arg(other))->isVisible());
    click(child(w, QStringLiteral("Label1(%1)").arg(third)));
    EXPECT_TRUE(w.game().board().slot(third).isOpen());
}

TEST_F(Form1Test, HoverHighlightsOnlyAnAvailablePictureButton)
{
    Form1 w(true, data.path());
    w.show();
    auto* stop = child<QLabel>(w, "Label9(2)");
    QTest::mouseMove(stop, stop->rect().center());
    EXPECT_FALSE(stop->font().bold());
    auto* newGame = child<QLabel>(w, "Label9(0)");
    QTest::mouseMove(newGame, newGame->rect().center());
    EXPECT_TRUE(newGame->font().bold());
    EXPECT_EQ(w.game().pictureButtons().HoverIndex(), 0);
}

}  // namespace
}  // namespace vornel

namespace vornel {
namespace {

TEST_F(Form1Test, ShortcutsOfDisabledMenusDoNothingDuringAGame)
{
    Form1 w(true, data.path());
    w.show();
    QApplication::setActiveWindow(&w);
    QTest::keyClick(&w, Qt::Key_F2);
    ASSERT_TRUE(w.game().controls().stopAvailable) << "F2 starts a game while the menu is enabled";
    const auto first = w.game().board().slot(0).picture;
    const auto second = w.game().board().slot(1).picture;
    const int seconds = w.game().session().SecondsLeft;
    QMetaObject::invokeMethod(child<QTimer>(w, "Timer2"), "timeout", Qt::DirectConnection);
    QTest::keyClick(&w, Qt::Key_F2);
    EXPECT_EQ(w.game().session().SecondsLeft, seconds - 1) << "a second F2 dealt again";
    EXPECT_EQ(w.game().board().slot(0).picture, first);
    EXPECT_EQ(w.game().board().slot(1).picture, second);
}

}  // namespace
}  // namespace vornel

namespace vornel {
namespace {

// Answers the next modal box that opens, and remembers its text.
QString answerNextBox()
{
    for (int waited = 0; waited < 2000; waited += 10) {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            const QString text = box->text();
            box->accept();
            return text;
        }
        QTest::qWait(10);
    }
    return {};
}

TEST_F(Form1Test, AWonGameEndsWithTheResultAndAnIdleWindow)
{
    Form1 w(false, data.path());
    w.show();
    click(child(w, "Label9(0)"));
    for (int i = 0; i < 20; ++i) {
        if (w.game().board().slot(i).isMatched())
            continue;
        for (int j = i + 1; j < 20; ++j)
            if (w.game().board().sameImage(i, j)) {
                click(child(w, QStringLiteral("Label1(%1)").arg(i)));
                click(child(w, QStringLiteral("Label1(%1)").arg(j)));
                break;
            }
    }
    QString text;
    QTimer::singleShot(0, [&] { text = answerNextBox(); });
    QTest::qWait(50);
    for (int waited = 0; text.isEmpty() && waited < 2000; waited += 10)
        QTest::qWait(10);
    EXPECT_EQ(text, "YOY WIN !!!");
    EXPECT_FALSE(child<QTimer>(w, "Timer2")->isActive());
    EXPECT_TRUE(w.game().controls().newGameAvailable);
    EXPECT_FALSE(w.game().controls().stopAvailable);
    EXPECT_TRUE(w.game().controls().mainWindowEnabled);
    EXPECT_TRUE(child<QMenu>(w, "file")->menuAction()->isEnabled());
    EXPECT_EQ(child<QLabel>(w, "Label3")->text(), "00:00");
}

}  // namespace
}  // namespace vornel
