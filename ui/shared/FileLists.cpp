#include "ui/shared/FileLists.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QStorageInfo>

#include "ui/shared/PictureFile.h"

namespace vornel {

namespace {

// Volumes the user keeps files on, not the system's own mounts.
bool isUserVolume(const QStorageInfo& v)
{
    if (!v.isValid() || !v.isReady())
        return false;
    const QString root = v.rootPath();
    for (const char* system : {"/proc", "/sys", "/dev", "/run", "/snap", "/boot"})
        if (root.startsWith(system))
            return false;
    return true;
}

}  // namespace

// ---- Drives ---------------------------------------------------------------

DriveList::DriveList(QWidget* parent) : QComboBox(parent)
{
    settingUp_ = true;
    addItem(QDir::homePath(), QDir::homePath());
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!isUserVolume(v) || findData(v.rootPath()) >= 0)
            continue;
        const QString name = v.displayName() == v.rootPath() ? v.rootPath()
                                                              : QStringLiteral("%1 [%2]").arg(v.rootPath(), v.displayName());
        addItem(name, v.rootPath());
    }
    settingUp_ = false;
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!settingUp_)
            emit changed();
    });
}

QString DriveList::drive() const
{
    return currentData().toString();
}

void DriveList::setDrive(const QString& path)
{
    int best = 0;
    qsizetype longest = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i).toString();
        const bool holds = path == root || path.startsWith(root.endsWith('/') ? root : root + '/');
        if (holds && root.size() > longest) {
            best = i;
            longest = root.size();
        }
    }
    settingUp_ = true;
    setCurrentIndex(best);
    settingUp_ = false;
}

// ---- Folders --------------------------------------------------------------

FolderList::FolderList(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::open);
}

bool FolderList::setPath(const QString& path)
{
    QDir dir(path);
    if (path.isEmpty() || !dir.exists() || !dir.isReadable())
        return false;
    const QString absolute = QDir::cleanPath(dir.absolutePath());
    const QStringList subfolders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);

    clear();
    // The parents from the root down, the folder itself, then its subfolders.
    QStringList chain;
    for (QDir up(absolute);; ) {
        chain.prepend(up.absolutePath());
        if (!up.cdUp())
            break;
    }
    int depth = 0;
    for (const QString& folder : chain) {
        const QString name = folder == "/" ? QStringLiteral("/") : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + name, this);
        item->setData(Qt::UserRole, folder);
        ++depth;
    }
    setCurrentRow(count() - 1);
    for (const QString& sub : subfolders) {
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + sub, this);
        item->setData(Qt::UserRole, QDir(absolute).filePath(sub));
    }
    const bool moved = absolute != path_;
    path_ = absolute;
    if (moved)
        emit changed();
    return true;
}

void FolderList::open(QListWidgetItem* item)
{
    if (item)
        setPath(item->data(Qt::UserRole).toString());
}

void FolderList::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        open(currentItem());
    else
        QListWidget::keyPressEvent(e);
}

// ---- Files ------------------------------------------------------------------

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemClicked, this, [this] { emit fileClicked(); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit fileDoubleClicked(); });
}

void FileList::setPatterns(const QStringList& patterns)
{
    patterns_ = patterns;
    refresh();
}

void FileList::setFolder(const QString& folder)
{
    folder_ = folder;
    refresh();
}

QString FileList::fileName() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FileList::refresh()
{
    clear();
    if (folder_.isEmpty())
        return;
    // Patterns match regardless of case: PHOTO.JPG is a picture too.
    const QStringList names = QDir(folder_).entryList(patterns_, QDir::Files, QDir::Name | QDir::IgnoreCase);
    addItems(names);
}

QStringList pictureFilePatterns()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        if (!isDrawnPictureFormat(format))
            patterns << QStringLiteral("*.%1").arg(QString::fromLatin1(format));
    return patterns;
}

QString fullPath(const QString& folder, const QString& fileName)
{
    return folder.endsWith('/') ? folder + fileName : folder + '/' + fileName;
}

}  // namespace vornel
