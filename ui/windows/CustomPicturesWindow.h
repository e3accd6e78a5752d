#pragma once
#include <QDialog>
#include <array>

#include "text/Captions.h"

class QLabel;

namespace vornel {

class ClickLabel;
class CustomPictures;
class DriveList;
class FileList;
class FolderList;
class Game;
class PictureLibrary;
class TextCatalog;
struct CardSettings;

// The custom picture window: ten slots filled with pictures chosen from the
// disk. Modal; OK saves the choice, any other way out drops it.
class CustomPicturesWindow : public QDialog {
    Q_OBJECT
public:
    CustomPicturesWindow(CustomPictures& custom, Game& game, const CardSettings& cards, PictureLibrary& pictures, bool useGreek,
        const TextCatalog& catalog, QWidget* parent);

    static constexpr QRgb SelectionColour = qRgb(176, 230, 207);

private:
    void showInitialState(const CardSettings& cards, const TextCatalog& catalog);
    void onSlotClicked(int index);
    void onDriveChanged();
    void onFolderChanged();
    void onFileClicked();
    void onFileDoubleClicked();
    void onAddClicked();
    void onDeleteClicked();
    void onOkClicked();
    // The slots as the state has them: pictures, number labels, selection.
    void showSlots();
    QString chosenFile() const;

    CustomPictures& custom_;
    Game& game_;
    PictureLibrary& pictures_;
    bool useGreek_;
    CaptionTable captions_;
    std::array<ClickLabel*, 10> slotFrames_{};
    std::array<ClickLabel*, 10> slotPictures_{};
    std::array<ClickLabel*, 10> slotNumbers_{};  // shown on an empty slot
    DriveList* driveList_ = nullptr;
    FolderList* folderList_ = nullptr;
    FileList* fileList_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* previewPath_ = nullptr;
};

}  // namespace vornel
