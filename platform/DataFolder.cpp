#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "storage/DataFiles.h"
#include "storage/SafeFile.h"
#include "storage/SettingsRecords.h"

namespace vornel {

QStringList shippedFileNames()
{
    return {
        DataFile::English, DataFile::Help, DataFile::WinSound, DataFile::LoseSound, DataFile::Photos, "HelpPictures"};
}

QStringList dataFileNames()
{
    return {DataFile::SingleScores, DataFile::ChampionshipScores, DataFile::Names, DataFile::Colours,
        DataFile::DefaultColours, DataFile::CustomImages, DataFile::Background};
}

QString DataFolders::shippedFile(const QString& name) const
{
    return QDir(shippedFolderOf(name)).filePath(name);
}

QString DataFolders::shippedFolderOf(const QString& name) const
{
    // A link that leads nowhere is no copy of the user's.
    const QFileInfo own(QDir(data).filePath(name));
    const bool folder = name == DataFile::Photos || name == "HelpPictures";
    return (folder ? own.isDir() : own.isFile()) ? data : shipped;
}

namespace {

namespace fs = std::filesystem;

fs::path pathOf(const QString& folder, const QString& name)
{
    return fs::path(QDir(folder).filePath(name).toStdString());
}

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

// Earlier versions linked each shipped file into the user's folder, to
// <prefix>/share/vornel/<name>; such a link dangles once the program is
// removed or moved. A link of the user's own leads elsewhere and stays.
bool isOldShippedLink(const QString& path, const QString& name)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return false;
    const QFileInfo target(info.symLinkTarget());
    return target.fileName() == name && QDir::cleanPath(target.path()).endsWith("/share/vornel");
}

}  // namespace

DataFolders chooseDataFolders(const QString& executableFolder, const QString& userFolder)
{
    DataFolders f;
    f.shipped = shippedFolder(executableFolder);
    const bool portable = f.shipped == executableFolder;
    if (portable && writable(executableFolder)) {
        f.data = executableFolder;
        return f;
    }
    f.data = userFolder;
    if (portable)
        f.readOnlyProgram = executableFolder;
    QDir().mkpath(userFolder);
    return f;
}

void settleDataFolder(const DataFolders& folders)
{
    if (folders.data == folders.shipped)
        return;
    // The player's scores, names and choices stay with them; once copied,
    // the copy is theirs and the program folder's file is not read again.
    if (!folders.readOnlyProgram.isEmpty()) {
        for (const QString& name : dataFileNames()) {
            const fs::path copy = pathOf(folders.data, name);
            std::error_code ec;
            if (fs::symlink_status(copy, ec).type() != fs::file_type::not_found)
                continue;
            if (const auto bytes = readRegularFile(pathOf(folders.readOnlyProgram, name)))
                replaceFileContents(copy, *bytes);
        }
    }

    const QString photos = QDir(folders.data).filePath(DataFile::Photos);
    const bool photosLinked = isOldShippedLink(photos, DataFile::Photos);
    for (const QString& name : shippedFileNames()) {
        const QString path = QDir(folders.data).filePath(name);
        if (isOldShippedLink(path, name))
            QFile::remove(path);
    }
    // A built-in wallpaper chosen through the old link is the shipped one.
    const fs::path scores = pathOf(folders.data, DataFile::SingleScores);
    if (!photosLinked || !isRegularFileOfSize(scores))
        return;
    SettingsRecords saved = readSettingsRecords(scores);
    const std::string linked = photos.toStdString() + '/';
    if (saved.wallpaperPath.starts_with(linked)) {
        saved.wallpaperPath = QDir(folders.shipped).filePath(DataFile::Photos).toStdString() + '/' +
            saved.wallpaperPath.substr(linked.size());
        writeSettingsRecords(scores, saved);
    }
}

}  // namespace vornel
