#pragma once
#include <QComboBox>
#include <QListWidget>
#include <QStringList>

namespace vornel {

// The three lists of the windows that pick files from the disk, each
// reporting its own changes.

// The places to browse: the home folder first, then every mounted volume.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);
    // The root folder of the chosen entry.
    QString drive() const;
    // Chooses the entry that holds `path` (the home folder if none does).
    void setDrive(const QString& path);

signals:
    void changed();

private:
    bool settingUp_ = false;
};

// A folder, its parents above it and its subfolders below. A double click
// or Enter opens the folder under the cursor.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);
    QString path() const { return path_; }
    // False when the folder cannot be listed; the list then stays as it was.
    bool setPath(const QString& path);

signals:
    void changed();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void open(QListWidgetItem* item);
    QString path_;
};

// The files of one folder that match the patterns, by name.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);
    void setPatterns(const QStringList& patterns);
    void setFolder(const QString& folder);
    QString folder() const { return folder_; }
    // The chosen file's name, "" when none is chosen.
    QString fileName() const;

signals:
    void fileClicked();
    void fileDoubleClicked();

private:
    void refresh();
    QString folder_;
    QStringList patterns_;
};

// Name patterns of every picture format this machine can read.
QStringList pictureFilePatterns();
// The folder, a "/" unless it ends with one, and the file name.
QString fullPath(const QString& folder, const QString& fileName);

}  // namespace vornel
