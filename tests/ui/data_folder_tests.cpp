#include "UiSupport.h"
#include "platform/DataFolder.h"

namespace vornel {
namespace {

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

TEST(DataFolder, AProgramFolderWithItsFilesKeepsTheDataBesideItAndAnInstalledOneUsesTheUsersWithLinks)
{
    QTemporaryDir dir;
    touch(dir.filePath("portable/english.ini"));
    const DataFolders portable = chooseDataFolders(dir.filePath("portable"), dir.filePath("user"));
    EXPECT_EQ(portable.data, dir.filePath("portable"));
    EXPECT_EQ(portable.shipped, dir.filePath("portable"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("user")));

    QDir().mkpath(dir.filePath("prefix/bin"));
    touch(dir.filePath("prefix/share/vornel/english.ini"));
    touch(dir.filePath("prefix/share/vornel/Photos/sea.bmp"));
    touch(dir.filePath("user/Help.hlp"));  // the user's own file is left alone
    const DataFolders f = chooseDataFolders(dir.filePath("prefix/bin"), dir.filePath("user"));
    EXPECT_EQ(f.data, dir.filePath("user"));
    EXPECT_EQ(QDir::cleanPath(f.shipped), QDir::cleanPath(dir.filePath("prefix/share/vornel")));
    EXPECT_TRUE(QFileInfo(dir.filePath("user/english.ini")).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("user/Photos/sea.bmp")));
    EXPECT_FALSE(QFileInfo(dir.filePath("user/Help.hlp")).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("user/Win.SON")));  // not shipped here, not linked
    // A second start finds everything in place.
    EXPECT_EQ(chooseDataFolders(dir.filePath("prefix/bin"), dir.filePath("user")).data, dir.filePath("user"));
}

}  // namespace
}  // namespace vornel
