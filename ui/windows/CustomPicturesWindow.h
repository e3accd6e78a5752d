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
    void Form_Load(const CardSettings& cards, const TextCatalog& catalog);
    void Image1_Click(int index);
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void Command1_Click();
    void Command3_Click();
    void Command2_Click();
    // The slots as the state has them: pictures, number labels, selection.
    void showSlots();
    QString chosenFile() const;

    CustomPictures& custom_;
    Game& game_;
    PictureLibrary& pictures_;
    bool useGreek_;
    CaptionTable captions_;
    std::array<ClickLabel*, 10> image1_{};  // frames
    std::array<ClickLabel*, 10> image9_{};  // pictures
    std::array<ClickLabel*, 10> label1_{};  // numbers
    DriveList* drive1_ = nullptr;
    FolderList* dir1_ = nullptr;
    FileList* file1_ = nullptr;
    QLabel* image2_ = nullptr;  // preview
    QLabel* label3_ = nullptr;  // previewed path
};

}  // namespace vornel
