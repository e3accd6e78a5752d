#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

#include "UiSupport.h"
#include "platform/DesktopHost.h"
#include "storage/CustomImagesFile.h"
#include "storage/DataFiles.h"
#include "text/AccessibleNames.h"
#include "text/Profile.h"
#include "ui/Form1.h"
#include "ui/Form10.h"
#include "ui/Form11.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/Form5.h"
#include "ui/Form50.h"
#include "ui/Form6.h"
#include "ui/Form8.h"
#include "ui/Form91.h"
#include "ui/HelpWindow.h"

namespace vornel {
namespace {

using testing::BoxAnswerer;
using testing::click;

QString describe(QWidget* w)
{
    return QStringLiteral("%1 \"%2\" (%3)").arg(w->window()->objectName(), w->objectName(), w->metaObject()->className());
}

// What a screen reader cannot name on `window`: its title, each visible
// control and each menu item. Containers are named by what they hold, and
// an empty text has nothing to read.
std::string unnamed(QWidget* window)
{
    QStringList missing;
    if (window->windowTitle().trimmed().isEmpty())
        missing << window->objectName() + " has no title";
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window))
            continue;
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w->parentWidget()); area && area->viewport() == w)
            continue;  // the list itself reads its items
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->state().invisible)
            continue;
        const QAccessible::Role role = a->role();
        const bool holdsControls = !w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty();
        if ((role == QAccessible::Client || role == QAccessible::Grouping || role == QAccessible::Pane) &&
            holdsControls)
            continue;
        if (role == QAccessible::Border || role == QAccessible::Separator)
            continue;
        if (role == QAccessible::StaticText && a->text(QAccessible::Name).trimmed().isEmpty())
            continue;
        if (a->text(QAccessible::Name).trimmed().isEmpty())
            missing << describe(w);
    }
    for (QAction* action : window->findChildren<QAction*>())
        if (!action->isSeparator() && action->text().isEmpty() && !action->objectName().isEmpty())
            missing << "menu item " + action->objectName();
    return missing.join('\n').toStdString();
}

// Acts on the modal window of type T as soon as it is up.
template <class T> void whenModal(std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget()); w && w->isVisible()) {
            timer->deleteLater();
            act(w);
        }
    });
    timer->start(0);
}

struct AccessibleTest : ::testing::TestWithParam<bool> {
    QTemporaryDir data;
    QTemporaryDir photos;
    DesktopHost host;
    BoxAnswerer boxes;
    bool greek = GetParam();

    AccessibleTest()
    {
        QFile::copy(QStringLiteral(VORNEL_ASSETS "/english.ini"), data.filePath("english.ini"));
    }
    template <typename T = QWidget> T* child(QWidget& w, const QString& name)
    {
        T* c = w.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    QString photo(const QString& name)
    {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString path = photos.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    QString text(const Bilingual& b) const { return QString::fromStdString(b.in(greek)); }
};

TEST_P(AccessibleTest, EveryControlOfEveryWindowHasANameInTheLanguage)
{
    Form1 w(host, greek, data.path());
    w.Form_Load();
    auto* form6 = w.findChild<Form6*>("Form6");
    ASSERT_NE(form6, nullptr);
    EXPECT_EQ(unnamed(form6), "");
    click(child(*form6, "Command1"));
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(unnamed(&w), "") << "idle";

    // Playing, with the championship panel and its helps up.
    boxes.ok();
    child<QAction>(w, "gggggg")->trigger();
    ASSERT_TRUE(w.game().playing());
    click(child(w, "Label1(0)"));
    EXPECT_EQ(unnamed(&w), "") << "playing";

    // The win and lose screens, made at start-up.
    Form2* win = w.winScreen();
    win->showWon(3);
    EXPECT_EQ(unnamed(win), "");
    win->hide();
    Form3* lose = w.loseScreen();
    lose->showLost();
    EXPECT_EQ(unnamed(lose), "");
    lose->unload();

    child<QAction>(w, "about")->trigger();
    EXPECT_EQ(unnamed(child<Form5>(w, "Form5")), "");
    child<Form5>(w, "Form5")->close();

    // Settings and the palette it opens.
    child<QAction>(w, "EikSize")->trigger();
    auto* form8 = child<Form8>(w, "Form8");
    EXPECT_EQ(unnamed(form8), "");
    click(child(*form8, "Picture1(0)"));
    ASSERT_NE(form8->palette(), nullptr);
    EXPECT_EQ(unnamed(form8->palette()), "");
    form8->close();

    // The player's own pictures, with one chosen: read by the file's name.
    CustomImages stored;
    stored.paths[0] = photo("sunset.png").toStdString();
    ASSERT_TRUE(writeCustomImages(w.dataFile(DataFile::CustomImages), stored));
    whenModal<Form4>([&](Form4* form4) {
        EXPECT_EQ(unnamed(form4), "");
        const QString slot = QAccessible::queryAccessibleInterface(child(*form4, "Image1(0)"))->text(QAccessible::Name);
        EXPECT_EQ(slot.toStdString(), greek ? "Εικόνα 1: sunset, επιλεγμένη" : "Picture 1: sunset, selected");
        form4->reject();
    });
    child<QAction>(w, "SetCustomIcon")->trigger();

    const TextCatalog catalog(std::filesystem::path(data.filePath("english.ini").toStdString()));
    PictureLibrary pictures;
    Form10 add(host, greek, catalog, pictures, &w);
    add.show();
    EXPECT_EQ(unnamed(&add), "");
    Form11 remove(w.wallpapers().list(), greek, catalog, pictures, &w);
    remove.show();
    EXPECT_EQ(unnamed(&remove), "");
    Form50 scores(w.dataFile(DataFile::SingleScores), w.dataFile(DataFile::ChampionshipScores), host, greek, catalog, &w);
    scores.show();
    EXPECT_EQ(unnamed(&scores), "");
    HelpWindow help(greek, &w);
    help.openFile(QStringLiteral(VORNEL_ASSETS "/Help.hlp"), greek);
    help.show();
    EXPECT_EQ(unnamed(&help), "");
}

TEST_P(AccessibleTest, TheMainWindowReadsCardsValuesAndActionsAsTheyAreAndFollowsTheLanguage)
{
    Form1 w(host, greek, data.path());
    w.Form_Load();
    click(child(*w.findChild<Form6*>("Form6"), "Command1"));
    auto name = [&](const QString& control) {
        return QAccessible::queryAccessibleInterface(child(w, control))->text(QAccessible::Name).toStdString();
    };
    const std::string card = greek ? "Κάρτα" : "Card";
    EXPECT_EQ(name("Image6(2)"), greek ? "Διακοπή, μη διαθέσιμο" : "Stop, not available");
    child<QAction>(w, "newgame")->trigger();
    EXPECT_EQ(name("Label3"), greek ? "Χρόνος που απομένει: 01:15" : "Time left: 01:15");
    EXPECT_EQ(name("Label24"), greek ? "Σκορ: 150" : "Score: 150");
    EXPECT_EQ(name("Image6(0)"), greek ? "Νέο παιχνίδι, μη διαθέσιμο" : "New game, not available");
    EXPECT_EQ(name("Image6(2)"), greek ? "Διακοπή, διαθέσιμο" : "Stop, available");
    EXPECT_EQ(name("Label1(6)"), card + " 7");

    // A back is a push button whose press is the click.
    QAccessibleInterface* back = QAccessible::queryAccessibleInterface(child(w, "Label1(0)"));
    EXPECT_EQ(back->role(), QAccessible::Button);
    back->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(w.game().board().slot(0).isOpen());
    int partner = 1;
    while (!w.game().board().sameImage(0, partner))
        ++partner;
    const std::string picture = AccessibleNames::picture(greek, w.game().board().slot(0).picture->name);
    EXPECT_FALSE(picture.starts_with("Image") || picture.starts_with("Picture")) << picture;
    EXPECT_EQ(name("Image1(0)"), card + " 1: " + picture);
    click(child(w, QStringLiteral("Label1(%1)").arg(partner)));
    const std::string matched = greek ? "ταιριασμένη" : "matched";
    EXPECT_EQ(name("Image1(0)"), card + " 1: " + picture + ", " + matched);
    EXPECT_EQ(name(QStringLiteral("Image1(%1)").arg(partner)),
        card + " " + std::to_string(partner + 1) + ": " + picture + ", " + matched);

    // The other language's menu item changes the names at once.
    child<QAction>(w, greek ? "english_menu" : "Greek_menu")->trigger();
    EXPECT_TRUE(name("Image1(0)").starts_with(greek ? "Card 1: " : "Κάρτα 1: ")) << name("Image1(0)");
    EXPECT_TRUE(name("Label3").starts_with(greek ? "Time left: " : "Χρόνος που απομένει: ")) << name("Label3");
}

// A screen reader listening from the start asks about each control as soon
// as it changes, before the window has said what the control is.
TEST(AccessibleRoles, HoldWhenAScreenReaderListensWhileTheWindowIsBuilt)
{
    QAccessible::installUpdateHandler([](QAccessibleEvent* e) { e->accessibleInterface(); });
    QAccessible::setActive(true);
    PictureLibrary pictures;
    Form5 about(false, pictures, nullptr);
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(about.findChild<QWidget*>("Label2"));
    QAccessible::setActive(false);
    QAccessible::installUpdateHandler(nullptr);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), "Send e-mail");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&about)->role(), QAccessible::Window);
}

INSTANTIATE_TEST_SUITE_P(GreekAndEnglish, AccessibleTest, ::testing::Bool(),
    [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Greek" : "English"; });

}  // namespace
}  // namespace vornel
