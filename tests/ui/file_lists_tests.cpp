#include <QSignalSpy>

#include "UiSupport.h"
#include "ui/shared/FileLists.h"

namespace vornel {
namespace {

TEST(FileLists, FoldersShowTheirParentsAndOpenOnDoubleClickAndFilesMatchThePatterns)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath("b/inner");
    QDir(root.path()).mkpath("A");
    FolderList folders;
    QSignalSpy changed(&folders, &FolderList::changed);
    ASSERT_TRUE(folders.setPath(root.path()));
    // The root first; the last two rows are the subfolders, by name whatever the case.
    ASSERT_GE(folders.count(), 3);
    EXPECT_EQ(folders.item(0)->text(), "/");
    EXPECT_EQ(folders.item(folders.count() - 2)->text().trimmed() + folders.item(folders.count() - 1)->text().trimmed(), "Ab");
    emit folders.itemDoubleClicked(folders.item(folders.count() - 1));
    EXPECT_FALSE(folders.setPath(root.filePath("missing")));
    EXPECT_EQ(folders.path(), QDir(root.path()).absoluteFilePath("b"));
    EXPECT_EQ(changed.count(), 2);

    for (const char* name : {"sea.bmp", "SKY.BMP", "notes.txt", "cat.png"})
        QFile(root.filePath(name)).open(QIODevice::WriteOnly);
    FileList files;
    files.setPatterns({"*.bmp"});
    files.setFolder(root.path());
    ASSERT_EQ(files.count(), 2);
    EXPECT_EQ(files.fileName(), "");  // nothing chosen yet
    files.setCurrentRow(1);
    EXPECT_EQ(files.fileName(), "SKY.BMP");
    EXPECT_EQ(fullPath("/", "a.bmp") + fullPath("/home/ada", "a.bmp"), "/a.bmp/home/ada/a.bmp");
}

}  // namespace
}  // namespace vornel
