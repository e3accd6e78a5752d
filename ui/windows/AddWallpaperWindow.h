#pragma once
#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "text/Captions.h"
#include "ui/shared/PicturePreview.h"

class QListWidget;

namespace vornel {


class DriveList;
class FileList;
class FolderList;
class Host;
class PictureLibrary;
class TextCatalog;

// The add-wallpaper window: browse the disks, collect pictures in a list and
// confirm them all at once. Modal.
class AddWallpaperWindow : public QDialog {
    Q_OBJECT
public:
    AddWallpaperWindow(Host& host, bool useGreek, const TextCatalog& catalog, PictureLibrary& pictures, QWidget* parent);

    // The collected pictures in the order added, the same one perhaps twice.
    std::vector<std::string> chosenPaths() const;

private:
    void showInitialState(const TextCatalog& catalog);
    void onDriveChanged();
    void onFolderChanged();
    void onFileClicked();
    void onAddClicked();
    // The folder and the chosen file; "" when no file is chosen.
    QString chosenFile() const;

    Host& host_;
    bool useGreek_;
    CaptionTable captions_;
    DriveList* driveList_ = nullptr;
    FolderList* folderList_ = nullptr;
    FileList* fileList_ = nullptr;
    QListWidget* chosenList_ = nullptr;
    std::unique_ptr<PicturePreview> preview_;
};

}  // namespace vornel
