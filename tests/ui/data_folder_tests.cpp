// Where the data and shipped files are found, what a read-only program
// folder hands over, and one game per data folder. The cases that need
// another process (a read-only folder for a user who is not root, a killed
// game, a second start) run it as a child.
#include <sys/stat.h>

#include "UiSupport.h"
#include "platform/DataFolder.h"
#include "platform/SingleInstance.h"
#include "storage/SettingsRecords.h"

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
    for (const char* name : {"english.ini", "Help.hlp", "Win.SON", "CRASH1.SON", "Photos/sea.bmp"})
        put(shipped + '/' + name);
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
    const auto link = [&](const char* name) { return QFileInfo(user + '/' + name).isSymLink(); };
    EXPECT_TRUE(link("CRASH1.SON") && link("crash.wav"));
    EXPECT_FALSE(link("english.ini") || link("Photos") || link("Win.SON"));
    const SettingsRecords kept = readSettingsRecords((user + "/skor.qdx").toStdString());
    EXPECT_EQ(
        QDir::cleanPath(QString::fromStdString(kept.wallpaperPath)), QDir::cleanPath(shipped + "/Photos/sea.bmp"));
    EXPECT_EQ(kept.cardPictureWidth, 800);

    // The user's manual and lose sound; the rest where the program keeps them.
    for (const auto& [name, folder] :
        {std::pair("Help.hlp", user), {"CRASH1.SON", user}, {"Win.SON", shipped}, {"english.ini", shipped}})
        EXPECT_EQ(f.shippedFile(name), folder + '/' + name);
}

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
