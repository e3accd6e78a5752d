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
        controls.push_back({"Label1", i, std::to_string(i + 1)});
    controls.push_back({"Label2", -1, "Προεπισκόπηση Εικόνας:"});
    controls.push_back({"Command1", -1, "Πρόσθεση"});
    controls.push_back({"Command3", -1, "Διαγραφή"});
    controls.push_back({"Command2", -1, "OK"});
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
        image1_[i] = new ClickLabel(this);
        image1_[i]->setObjectName(QStringLiteral("Image1(%1)").arg(i));
        image1_[i]->setGeometry(px(SlotFrame.left + SlotPitchX * (i % 5), SlotFrame.top + SlotPitchY * (i / 5),
            SlotFrame.width, SlotFrame.height));
        image1_[i]->setAutoFillBackground(true);
        image9_[i] = new ClickLabel(image1_[i]);
        image9_[i]->setObjectName(QStringLiteral("Image9(%1)").arg(i));
        label1_[i] = new ClickLabel(image1_[i]);
        label1_[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        label1_[i]->setGeometry(px(180, 180, 495, 430));
        for (ClickLabel* part : {image1_[i], image9_[i], label1_[i]})
            connect(part, &ClickLabel::clicked, this, [this, i] { Image1_Click(i); });
        // The slot reads as one button; its picture and number repeat it.
        accessible::setRole(image1_[i], QAccessible::Button);
        accessible::hideRepeat(image9_[i]);
        accessible::hideRepeat(label1_[i]);
    }

    auto* label2 = new QLabel(this);
    label2->setObjectName("Label2");
    label2->setGeometry(px(4920, 1980, 4560, 255));
    image2_ = new QLabel(this);
    image2_->setObjectName("Image2");
    image2_->setGeometry(px(4920, 2340, 4560, 2100));
    image2_->setFrameShape(QFrame::Panel);
    image2_->setFrameShadow(QFrame::Sunken);
    image2_->setAlignment(Qt::AlignCenter);
    label3_ = new QLabel(this);
    label3_->setObjectName("Label3");
    label3_->setGeometry(px(120, 5040, 7080, 255));

    drive1_ = new DriveList(this);
    drive1_->setObjectName("Drive1");
    drive1_->setGeometry(px(120, 1980, 4515, 330));
    dir1_ = new FolderList(this);
    dir1_->setObjectName("Dir1");
    dir1_->setGeometry(px(120, 2400, 2200, 2520));
    file1_ = new FileList(this);
    file1_->setObjectName("File1");
    file1_->setGeometry(px(2435, 2400, 2200, 2520));
    file1_->setPatterns(pictureFilePatterns());
    // The lists start at the home folder, the first drive.
    dir1_->setPath(drive1_->drive());
    file1_->setFolder(dir1_->path());
    connect(drive1_, &DriveList::changed, this, &CustomPicturesWindow::Drive1_Change);
    connect(dir1_, &FolderList::changed, this, &CustomPicturesWindow::Dir1_Change);
    connect(file1_, &FileList::fileClicked, this, &CustomPicturesWindow::File1_Click);
    connect(file1_, &FileList::fileDoubleClicked, this, &CustomPicturesWindow::File1_DblClick);

    auto button = [this](const char* name, QRect r, void (CustomPicturesWindow::*handler)()) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        b->setGeometry(r);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
    };
    button("Command1", px(4920, 120, 2160, 420), &CustomPicturesWindow::Command1_Click);
    button("Command3", px(4920, 660, 2160, 420), &CustomPicturesWindow::Command3_Click);
    button("Command2", px(7320, 4980, 2160, 420), &CustomPicturesWindow::Command2_Click);

    Form_Load(cards, catalog);
}

void CustomPicturesWindow::Form_Load(const CardSettings& cards, const TextCatalog& catalog)
{
    setWindowIcon(QIcon(pictures_.named("face_with_heart_eyes")));
    for (ClickLabel* number : label1_) {
        setBackground(number, QColor(255, 0, 0));
        setTextColour(number, QColor(255, 255, 0));
        number->setFont(makeFont("Liberation Sans", 14, true));
        number->setAlignment(Qt::AlignCenter);
    }
    // A folder that has gone leaves the lists where they start.
    if (dir1_->setPath(QString::fromStdString(custom_.lastFolder())))
        drive1_->setDrive(dir1_->path());
    for (ClickLabel* picture : image9_)
        picture->setGeometry(px(60, 60, cards.CardPictureWidth, cards.CardPictureHeight));

    captions_ = designCaptions();
    if (!useGreek_) {
        loadEnglishTexts(captions_, catalog, "ENGLISH4");
        captions_.setTitle(std::string(Messages::CustomTitle.english));
    }
    applyCaptions(this, captions_);
    // A drop-down list reads its choice as its name; the description says what it is.
    accessible::setName(drive1_, AccessibleNames::Places.in(useGreek_));
    accessible::setDescription(drive1_, qs(AccessibleNames::Places.in(useGreek_)));
    accessible::nameScrollBars(dir1_, AccessibleNames::Folders, useGreek_);
    accessible::nameScrollBars(file1_, AccessibleNames::PictureFiles, useGreek_);
    accessible::setName(image2_, AccessibleNames::Preview.in(useGreek_));
    showSlots();
}

void CustomPicturesWindow::showSlots()
{
    const QColor window = palette().color(QPalette::Window);
    for (int i = 0; i < CustomPictures::SlotCount; ++i) {
        const CustomSlot& slot = custom_.slot(i);
        image9_[i]->setPixmap(pictures_.pixmap(slot.picture, image9_[i]->size(), devicePixelRatioF()));
        label1_[i]->setVisible(slot.empty());
        setBackground(image1_[i], i == custom_.selected() ? QColor(SelectionColour) : window);
        const std::string name = AccessibleNames::pictureSlot(useGreek_, i + 1,
            accessible::pictureName(slot.picture, useGreek_).toStdString(), i == custom_.selected());
        for (QWidget* part : {image1_[i], image9_[i], label1_[i]})
            accessible::setName(part, name);
    }
}

// A click on a slot's frame, picture or number selects it.
void CustomPicturesWindow::Image1_Click(int index)
{
    custom_.select(index);
    showSlots();
}

void CustomPicturesWindow::Drive1_Change()
{
    dir1_->setPath(drive1_->drive());
}

void CustomPicturesWindow::Dir1_Change()
{
    file1_->setFolder(dir1_->path());
    custom_.setLastFolder(dir1_->path().toStdString());
}

QString CustomPicturesWindow::chosenFile() const
{
    const QString name = file1_->fileName();
    return name.isEmpty() ? QString() : fullPath(dir1_->path(), name);
}

void CustomPicturesWindow::File1_Click()
{
    const QString path = chosenFile();
    const QImage preview =
        readPictureFile(path, image2_->contentsRect().size() * devicePixelRatioF(), Qt::KeepAspectRatio);
    if (preview.isNull())
        return;
    QPixmap pixmap = QPixmap::fromImage(preview);
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    image2_->setPixmap(pixmap);
    label3_->setText(path);
    accessible::setName(image2_, AccessibleNames::valued(useGreek_, AccessibleNames::Preview,
        accessible::pictureName(path, useGreek_).toStdString()));
}

void CustomPicturesWindow::File1_DblClick()
{
    Command1_Click();
}

void CustomPicturesWindow::Command1_Click()
{
    const QString path = chosenFile();
    if (path.isEmpty())
        return;
    custom_.add(path.toStdString());
    showSlots();
}

void CustomPicturesWindow::Command3_Click()
{
    custom_.deleteSelected();
    showSlots();
}

void CustomPicturesWindow::Command2_Click()
{
    custom_.save();
    // The question comes while this window is up: Yes keeps it open for
    // more choices; No closes it, and the game keeps its pictures.
    if (game_.category() == PictureCategory::Custom && game_.applyCustom(custom_) == CustomOutcome::ChooseNow)
        return;
    accept();
}

}  // namespace vornel
