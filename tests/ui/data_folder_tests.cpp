// Where the data and shipped files are found, what a read-only program
// folder hands over, and one game per data folder. The cases that need
// another process (a read-only folder for a user who is not root, a killed
// game, a second start) run it as a child.
#include <sys/stat.h>

#include "UiSupport.h"
#include "platform/DataFolder.h"
#include "platform/SingleInstance.h"
#include "storage/SettingsRecords.h"
#include "ui/windows/LoseScreen.h"
#include "ui/windows/WinScreen.h"

namespace vornel {
namespace {

using namespace testing;

void put(const QString& path, const QByteArray& bytes = {})
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

TEST(DataFolder, AnInstalledGameReadsItsShippedFilesWhereTheyAreUnlessTheUserHasACopy)
{
    QTemporaryDir dir;
    const QString shipped = dir.filePath("prefix/share/vornel"), user = dir.filePath("user");
    put(dir.filePath("portable/english.ini"));
    const DataFolders portable = chooseDataFolders(dir.filePath("portable"), user);
    EXPECT_TRUE(portable.data == dir.filePath("portable") && portable.shipped == portable.data);
    EXPECT_FALSE(QFileInfo::exists(user));

    QDir().mkpath(dir.filePath("prefix/games"));
    for (const char* name : {"Help.hlp", "Win.SON", "CRASH1.SON", "Photos/sea.bmp", "HelpPictures/game.png"})
        put(shipped + '/' + name);
    QFile::copy(VORNEL_ASSETS "/english.ini", shipped + "/english.ini");
    put(user + "/Help.hlp", "mine");
    // Links an earlier version made: into this prefix, into one since removed,
    // and the wallpaper chosen through one. A link of the user's own stays.
    QFile::link(shipped + "/english.ini", user + "/english.ini");
    QFile::link(shipped + "/Photos", user + "/Photos");
    QFile::link(dir.filePath("old/share/vornel/Win.SON"), user + "/Win.SON");
    QFile::link(shipped + "/CRASH1.SON", user + "/crash.wav");
    QFile::link(user + "/crash.wav", user + "/CRASH1.SON");
    SettingsRecords saved;
    saved.cardPictureWidth = 800;
    saved.wallpaperPath = (user + "/Photos/sea.bmp").toStdString();
    ASSERT_TRUE(writeSettingsRecords((user + "/skor.qdx").toStdString(), saved));

    const DataFolders f = chooseDataFolders(dir.filePath("prefix/games"), user);
    settleDataFolder(f);
    EXPECT_EQ(f.data, user);
    QStringList links;
    for (const QFileInfo& e : QDir(user).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        if (e.isSymLink())
            links << e.fileName();
    links.sort();
    EXPECT_EQ(links.join(' '), "CRASH1.SON crash.wav");
    const SettingsRecords kept = readSettingsRecords((user + "/skor.qdx").toStdString());
    EXPECT_EQ(
        QDir::cleanPath(QString::fromStdString(kept.wallpaperPath)), QDir::cleanPath(shipped + "/Photos/sea.bmp"));
    EXPECT_EQ(kept.cardPictureWidth, 800);

    // The game itself: the English captions, the built-in wallpapers and the
    // win sound from the shipped folder; the user's manual and lose sound.
    DesktopHost host;
    BoxAnswerer boxes;
    MainWindow w(host, false, f);
    start(w);
    EXPECT_EQ(child<QAction>(w, "objectsAction")->text(), "Objects");
    ASSERT_EQ(w.wallpapers().list().count(), 2);
    EXPECT_EQ(QFileInfo(QString::fromStdString(w.wallpapers().list().entry(1).path)).path(), f.shipped + "/Photos");
    EXPECT_EQ(w.winScreen()->soundPath(), f.shipped + "/Win.SON");
    EXPECT_EQ(w.loseScreen()->soundPath(), user + "/CRASH1.SON");
    EXPECT_EQ(f.shippedFile("Help.hlp"), user + "/Help.hlp");
}

// A copy of the game in a folder it cannot write: the data files there are
// the player's, copied into the per-user folder the first time and never
// over a copy that is already there.
TEST(DataFolder, AReadOnlyProgramFolderHandsItsDataFilesToTheUsersFolderOnce)
{
    QTemporaryDir dir;
    const QString program = dir.filePath("program"), user = dir.filePath("user");
    put(program + "/english.ini");
    put(program + "/names.QDX", "carol");
    put(program + "/skor.qdx", "scores");
    put(program + "/DefaultColors.dat", "design");
    ASSERT_EQ(::mkfifo((program + "/colors.qdx").toLocal8Bit().constData(), 0644), 0);  // no file to copy
    put(user + "/DefaultColors.dat", "mine");
    ::chmod(dir.path().toLocal8Bit().constData(), 0755);
    ::chmod(program.toLocal8Bit().constData(), 0555);
    ::chmod(user.toLocal8Bit().constData(), 0777);
    const auto startAsPlayer = [&] {
        return inChild([&] {
            const bool nobody = asNobody();
            const DataFolders f = chooseDataFolders(program, user);
            settleDataFolder(f);
            return nobody && f.data == user && f.shipped == program ? 0 : 1;
        });
    };
    ASSERT_EQ(startAsPlayer(), 0);
    EXPECT_EQ(bytesOf(user + "/names.QDX") + bytesOf(user + "/skor.qdx") + bytesOf(user + "/DefaultColors.dat"),
        "carolscoresmine");
    EXPECT_EQ(QDir(user).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).join(' '),
        "DefaultColors.dat names.QDX skor.qdx");
    put(user + "/names.QDX", "carol alice");
    ASSERT_EQ(startAsPlayer(), 0);
    EXPECT_EQ(bytesOf(user + "/names.QDX"), "carol alice");
    ::chmod(program.toLocal8Bit().constData(), 0755);
}

// A game killed while it held the folder leaves its lock and its name
// behind: the next start plays; a start after that hands over to it.
TEST(DataFolder, OneGamePerFolderASecondStartBringsTheFirstToTheFrontAndAKilledOneBlocksNothing)
{
    QTemporaryDir dir;
    ASSERT_EQ(inChild([&] {
        SingleInstance killed(dir.path());
        if (killed.claim() == SingleInstance::Claim::Ours)
            ::raise(SIGKILL);
        return 1;
    }), -1);
    ASSERT_TRUE(QFileInfo::exists(dir.filePath("vornel.lock")));
    SingleInstance first(dir.path());
    ASSERT_EQ(first.claim(), SingleInstance::Claim::Ours);
    int raises = 0;
    QObject::connect(&first, &SingleInstance::raiseRequested, [&] { ++raises; });
    EXPECT_EQ(inChild([&] { return SingleInstance(dir.path()).claim() == SingleInstance::Claim::Raised ? 0 : 1; }), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return raises == 1; }, 5000));
}

}  // namespace
}  // namespace vornel
