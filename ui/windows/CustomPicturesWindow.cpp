#include "ui/windows/CustomPicturesWindow.h"

#include <QLabel>
#include <QPushButton>

#include "game/CustomPictures.h"
#include "game/Game.h"
#include "game/SavedSettings.h"
#include "text/AccessibleNames.h"
#include "text/Messages.h"
#include "text/Profile.h"
#include "ui/shared/Accessible.h"
#include "ui/shared/SaveNotice.h"
#include "ui/shared/CaptionApply.h"
#include "ui/shared/ClickLabel.h"
#include "ui/shared/FileLists.h"
#include "ui/shared/PictureLibrary.h"
#include "ui/shared/Twips.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

namespace {

CaptionTable designCaptions()
{
    std::vector<ControlCaption> controls;
    for (int i = 0; i < 10; ++i)
        controls.push_back({"Label1", i, std::to_string(i + 1), "slotNumber(" + std::to_string(i) + ")"});
    controls.push_back({"Label2", -1, "Προεπισκόπηση Εικόνας:", "previewCaption"});
    controls.push_back({"Command1", -1, "Πρόσθεση", "addButton"});
    controls.push_back({"Command3", -1, "Διαγραφή", "deleteButton"});
    controls.push_back({"Command2", -1, "OK", "okButton"});
    return CaptionTable(std::string(Messages::CustomTitle.greek), std::move(controls));
}

// Slot frames: two rows of five, each as large as the largest card picture
// with its margin.
constexpr TwipRect SlotFrame{120, 120, 855, 790};
constexpr int SlotPitchX = 915;
constexpr int SlotPitchY = 850;

}  // namespace

CustomPicturesWindow::CustomPicturesWindow(CustomPictures& custom, Game& game, const CardSettings& cards, PictureLibrary& pictures, bool useGreek,
    const TextCatalog& catalog, QWidget* parent)
    : QDialog(parent), custom_(custom), game_(game), pictures_(pictures), useGreek_(useGreek)
{
    setObjectName("CustomPicturesWindow");
    setFixedSize(px(9600), px(5520));

    for (int i = 0; i < 10; ++i) {
        slotFrames_[i] = new ClickLabel(this);
        slotFrames_[i]->setObjectName(QStringLiteral("slotFrame(%1)").arg(i));
        slotFrames_[i]->setGeometry(px(SlotFrame.left + SlotPitchX * (i % 5), SlotFrame.top + SlotPitchY * (i / 5),
            SlotFrame.width, SlotFrame.height));
        slotFrames_[i]->setAutoFillBackground(true);
        slotPictures_[i] = new ClickLabel(slotFrames_[i]);
        slotPictures_[i]->setObjectName(QStringLiteral("slotPicture(%1)").arg(i));
        slotNumbers_[i] = new ClickLabel(slotFrames_[i]);
        slotNumbers_[i]->setObjectName(QStringLiteral("slotNumber(%1)").arg(i));
        slotNumbers_[i]->setGeometry(px(180, 180, 495, 430));
        for (ClickLabel* part : {slotFrames_[i], slotPictures_[i], slotNumbers_[i]})
            connect(part, &ClickLabel::clicked, this, [this, i] { onSlotClicked(i); });
        // The slot reads as one button; its picture and number repeat it.
        accessible::setRole(slotFrames_[i], QAccessible::Button);
        accessible::hideRepeat(slotPictures_[i]);
        accessible::hideRepeat(slotNumbers_[i]);
    }

    auto* previewCaption = new QLabel(this);
    previewCaption->setObjectName("previewCaption");
    previewCaption->setGeometry(px(4920, 1980, 4560, 255));
    preview_ = new QLabel(this);
    preview_->setObjectName("preview");
    preview_->setGeometry(px(4920, 2340, 4560, 2100));
    preview_->setFrameShape(QFrame::Panel);
    preview_->setFrameShadow(QFrame::Sunken);
    preview_->setAlignment(Qt::AlignCenter);
    previewPath_ = new QLabel(this);
    previewPath_->setObjectName("previewPath");
    previewPath_->setGeometry(px(120, 5040, 7080, 255));

    driveList_ = new DriveList(this);
    driveList_->setObjectName("driveList");
    driveList_->setGeometry(px(120, 1980, 4515, 330));
    folderList_ = new FolderList(this);
    folderList_->setObjectName("folderList");
    folderList_->setGeometry(px(120, 2400, 2200, 2520));
    fileList_ = new FileList(this);
    fileList_->setObjectName("fileList");
    fileList_->setGeometry(px(2435, 2400, 2200, 2520));
    fileList_->setPatterns(pictureFilePatterns());
    // The lists start at the home folder, the first drive.
    folderList_->setPath(driveList_->drive());
    fileList_->setFolder(folderList_->path());
    connect(driveList_, &DriveList::changed, this, &CustomPicturesWindow::onDriveChanged);
    connect(folderList_, &FolderList::changed, this, &CustomPicturesWindow::onFolderChanged);
    connect(fileList_, &FileList::fileClicked, this, &CustomPicturesWindow::onFileClicked);
    connect(fileList_, &FileList::fileDoubleClicked, this, &CustomPicturesWindow::onFileDoubleClicked);

    auto button = [this](const char* name, QRect r, void (CustomPicturesWindow::*handler)()) {
        connect(makeButton(this, name, r), &QPushButton::clicked, this, handler);
    };
    button("addButton", px(4920, 120, 2160, 420), &CustomPicturesWindow::onAddClicked);
    button("deleteButton", px(4920, 660, 2160, 420), &CustomPicturesWindow::onDeleteClicked);
    button("okButton", px(7320, 4980, 2160, 420), &CustomPicturesWindow::onOkClicked);

    showInitialState(cards, catalog);
}

void CustomPicturesWindow::showInitialState(const CardSettings& cards, const TextCatalog& catalog)
{
    setWindowIcon(QIcon(pictures_.named("face_with_heart_eyes")));
    for (ClickLabel* number : slotNumbers_) {
        setBackground(number, QColor(255, 0, 0));
        setTextColour(number, QColor(255, 255, 0));
        number->setFont(makeFont("Liberation Sans", 14, true));
        number->setAlignment(Qt::AlignCenter);
    }
    // A folder that has gone leaves the lists where they start.
    if (folderList_->setPath(QString::fromStdString(custom_.lastFolder())))
        driveList_->setDrive(folderList_->path());
    for (ClickLabel* picture : slotPictures_)
        picture->setGeometry(px(60, 60, cards.CardPictureWidth, cards.CardPictureHeight));

    captions_ = designCaptions();
    if (!useGreek_) {
        loadEnglishTexts(captions_, catalog, "ENGLISH4");
        captions_.setTitle(std::string(Messages::CustomTitle.english));
    }
    applyCaptions(this, captions_);
    // A drop-down list reads its choice as its name; the description says what it is.
    accessible::setName(driveList_, AccessibleNames::Places.in(useGreek_));
    accessible::setDescription(driveList_, qs(AccessibleNames::Places.in(useGreek_)));
    accessible::nameScrollBars(folderList_, AccessibleNames::Folders, useGreek_);
    accessible::nameScrollBars(fileList_, AccessibleNames::PictureFiles, useGreek_);
    accessible::setName(preview_, AccessibleNames::Preview.in(useGreek_));
    showSlots();
}

void CustomPicturesWindow::showSlots()
{
    const QColor window = palette().color(QPalette::Window);
    for (int i = 0; i < CustomPictures::SlotCount; ++i) {
        const CustomSlot& slot = custom_.slot(i);
        slotPictures_[i]->setPixmap(pictures_.pixmap(slot.picture, slotPictures_[i]->size(), devicePixelRatioF()));
        slotNumbers_[i]->setVisible(slot.empty());
        setBackground(slotFrames_[i], i == custom_.selected() ? QColor(SelectionColour) : window);
        const std::string name = AccessibleNames::pictureSlot(useGreek_, i + 1,
            accessible::pictureName(slot.picture, useGreek_).toStdString(), i == custom_.selected());
        for (QWidget* part : {slotFrames_[i], slotPictures_[i], slotNumbers_[i]})
            accessible::setName(part, name);
    }
}

// A click on a slot's frame, picture or number selects it.
void CustomPicturesWindow::onSlotClicked(int index)
{
    custom_.select(index);
    showSlots();
}

void CustomPicturesWindow::onDriveChanged()
{
    folderList_->setPath(driveList_->drive());
}

void CustomPicturesWindow::onFolderChanged()
{
    fileList_->setFolder(folderList_->path());
    custom_.setLastFolder(folderList_->path().toStdString());
}

QString CustomPicturesWindow::chosenFile() const
{
    const QString name = fileList_->fileName();
    return name.isEmpty() ? QString() : fullPath(folderList_->path(), name);
}

void CustomPicturesWindow::onFileClicked()
{
    const QString path = chosenFile();
    const QImage preview =
        readPictureFile(path, preview_->contentsRect().size() * devicePixelRatioF(), Qt::KeepAspectRatio);
    if (preview.isNull())
        return;
    QPixmap pixmap = QPixmap::fromImage(preview);
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    preview_->setPixmap(pixmap);
    previewPath_->setText(path);
    accessible::setName(preview_, AccessibleNames::valued(useGreek_, AccessibleNames::Preview,
        accessible::pictureName(path, useGreek_).toStdString()));
}

void CustomPicturesWindow::onFileDoubleClicked()
{
    onAddClicked();
}

void CustomPicturesWindow::onAddClicked()
{
    const QString path = chosenFile();
    if (path.isEmpty())
        return;
    custom_.add(path.toStdString());
    showSlots();
}

void CustomPicturesWindow::onDeleteClicked()
{
    custom_.deleteSelected();
    showSlots();
}

void CustomPicturesWindow::onOkClicked()
{
    tellIfNotSaved(custom_.save(), useGreek_);
    // The question comes while this window is up: Yes keeps it open for
    // more choices; No closes it, and the game keeps its pictures.
    if (game_.category() == PictureCategory::Custom && game_.applyCustom(custom_) == CustomOutcome::ChooseNow)
        return;
    accept();
}

}  // namespace vornel
