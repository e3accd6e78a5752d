#include "ui/windows/AddWallpaperWindow.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>

#include "game/Host.h"
#include "text/AccessibleNames.h"
#include "text/Messages.h"
#include "ui/shared/Accessible.h"
#include "ui/shared/CaptionApply.h"
#include "ui/shared/FileLists.h"
#include "ui/shared/PictureLibrary.h"
#include "ui/shared/PicturePreview.h"
#include "ui/shared/Twips.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

namespace {

CaptionTable designCaptions()
{
    return CaptionTable(std::string(Messages::AddWallpaperTitle.greek),
        {
            {"Label1", -1, "Προεπισκόπηση          Εικόνας"},
            {"Command1", -1, "Πρόσθεση"},
            {"Command2", -1, "Ακύρωση"},
            {"Command3", -1, "ΟΚ"},  // Greek Omicron and Kappa
        });
}

}  // namespace

AddWallpaperWindow::AddWallpaperWindow(Host& host, bool useGreek, const TextCatalog& catalog, PictureLibrary& pictures, QWidget* parent)
    : QDialog(parent), host_(host), useGreek_(useGreek)
{
    setObjectName("AddWallpaperWindow");
    setFixedSize(px(9180), px(5280));
    setWindowIcon(QIcon(pictures.named("face_with_sunglasses")));

    drive1_ = new DriveList(this);
    drive1_->setObjectName("Drive1");
    drive1_->setGeometry(px(120, 120, 3000, 315));
    dir1_ = new FolderList(this);
    dir1_->setObjectName("Dir1");
    dir1_->setGeometry(px(120, 540, 3000, 2700));
    file1_ = new FileList(this);
    file1_->setObjectName("File1");
    file1_->setGeometry(px(3240, 120, 2880, 3120));

    preview_ = std::make_unique<PicturePreview>(this, px(6240, 120, 2820, 2220), px(6840, 840, 1620, 780));

    list2_ = new QListWidget(this);
    list2_->setObjectName("List2");
    list2_->setGeometry(px(120, 3360, 6000, 1800));

    auto button = [&](const char* name, QRect r) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        b->setGeometry(r);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* command1 = button("Command1", px(6240, 2520, 2820, 450));
    QPushButton* command3 = button("Command3", px(6240, 4080, 2820, 450));
    QPushButton* command2 = button("Command2", px(6240, 4680, 2820, 450));
    connect(command1, &QPushButton::clicked, this, &AddWallpaperWindow::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &QDialog::reject);
    connect(command3, &QPushButton::clicked, this, &QDialog::accept);

    connect(drive1_, &DriveList::changed, this, &AddWallpaperWindow::Drive1_Change);
    connect(dir1_, &FolderList::changed, this, &AddWallpaperWindow::Dir1_Change);
    connect(file1_, &FileList::fileClicked, this, &AddWallpaperWindow::File1_Click);
    connect(file1_, &FileList::fileDoubleClicked, this, &AddWallpaperWindow::Command1_Click);

    Form_Load(catalog);
}

void AddWallpaperWindow::Form_Load(const TextCatalog& catalog)
{
    file1_->setPatterns(pictureFilePatterns());
    // The home folder stands where a Windows program starts at its first drive.
    dir1_->setPath(QDir::homePath());
    drive1_->setDrive(dir1_->path());

    captions_ = designCaptions();
    if (!useGreek_) {
        loadEnglishTexts(captions_, catalog, "ENGLISH10");
        captions_.setTitle(std::string(Messages::AddWallpaperTitle.english));
    }
    applyCaptions(this, captions_);
    // A drop-down list reads its choice as its name; the description says what it is.
    accessible::setName(drive1_, AccessibleNames::Places.in(useGreek_));
    accessible::setDescription(drive1_, qs(AccessibleNames::Places.in(useGreek_)));
    accessible::nameScrollBars(dir1_, AccessibleNames::Folders, useGreek_);
    accessible::nameScrollBars(file1_, AccessibleNames::PictureFiles, useGreek_);
    accessible::nameScrollBars(list2_, AccessibleNames::ChosenWallpapers, useGreek_);
    preview_->nameForReaders(useGreek_);
}

std::vector<std::string> AddWallpaperWindow::chosenPaths() const
{
    std::vector<std::string> paths;
    for (int i = 0; i < list2_->count(); ++i)
        paths.push_back(list2_->item(i)->text().toStdString());
    return paths;
}

QString AddWallpaperWindow::chosenFile() const
{
    const QString name = file1_->fileName();
    return name.isEmpty() ? QString() : fullPath(dir1_->path(), name);
}

void AddWallpaperWindow::Drive1_Change()
{
    if (dir1_->setPath(drive1_->drive()))
        return;
    host_.showMessage(Messages::driveInaccessible(useGreek_, drive1_->currentText().toStdString()));
    // The drive list goes back to where the folders are.
    drive1_->setDrive(dir1_->path());
}

void AddWallpaperWindow::Dir1_Change()
{
    file1_->setFolder(dir1_->path());
    if (file1_->count() == 0)
        return;
    file1_->setCurrentRow(0);
    file1_->setFocus();
    File1_Click();
}

void AddWallpaperWindow::File1_Click()
{
    preview_->show(chosenFile(), useGreek_);
}

void AddWallpaperWindow::Command1_Click()
{
    const QString path = chosenFile();
    if (!path.isEmpty())
        list2_->addItem(path);
}

}  // namespace vornel
