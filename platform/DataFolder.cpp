#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "storage/DataFiles.h"

namespace vornel {

QStringList shippedFileNames()
{
    return {DataFile::English, DataFile::Help, DataFile::WinSound, DataFile::LoseSound, DataFile::Photos,
        "HelpPictures"};
}

namespace {

bool writable(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

// The program's files sit beside it in a build or a portable copy, and
// under share/ of the prefix once installed.
QString shippedFolder(const QString& executableFolder)
{
    if (QFileInfo::exists(QDir(executableFolder).filePath(DataFile::English)))
        return executableFolder;
    const QString installed = QDir::cleanPath(executableFolder + "/../share/vornel");
    return QFileInfo(installed).isDir() ? installed : executableFolder;
}

}  // namespace

DataFolders chooseDataFolders(const QString& executableFolder, const QString& userFolder)
{
    DataFolders f;
    f.shipped = shippedFolder(executableFolder);
    if (f.shipped == executableFolder && writable(executableFolder)) {
        f.data = executableFolder;
        return f;
    }
    f.data = userFolder;
    QDir().mkpath(userFolder);
    // A link per shipped file: they stay read-only and up to date with the
    // installed program, and a file the user put there is left alone.
    for (const QString& name : shippedFileNames()) {
        const QString source = QDir(f.shipped).filePath(name);
        const QString target = QDir(userFolder).filePath(name);
        const QFileInfo existing(target);
        if (!QFileInfo::exists(source) || existing.exists())
            continue;
        if (existing.isSymLink())
            QFile::remove(target);  // a link to a file the program no longer ships
        QFile::link(source, target);
    }
    return f;
}

}  // namespace vornel
