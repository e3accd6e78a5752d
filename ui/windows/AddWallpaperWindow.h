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
    void Form_Load(const TextCatalog& catalog);
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command1_Click();
    // The folder and the chosen file; "" when no file is chosen.
    QString chosenFile() const;

    Host& host_;
    bool useGreek_;
    CaptionTable captions_;
    DriveList* drive1_ = nullptr;
    FolderList* dir1_ = nullptr;
    FileList* file1_ = nullptr;
    QListWidget* list2_ = nullptr;
    std::unique_ptr<PicturePreview> preview_;
};

}  // namespace vornel
