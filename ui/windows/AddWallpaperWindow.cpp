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
            {"Label1", -1, "Προεπισκόπηση          Εικόνας", "previewCaption"},
            {"Command1", -1, "Πρόσθεση", "addButton"},
            {"Command2", -1, "Ακύρωση", "cancelButton"},
            {"Command3", -1, "ΟΚ", "okButton"},  // Greek Omicron and Kappa
        });
}

}  // namespace

AddWallpaperWindow::AddWallpaperWindow(Host& host, bool useGreek, const TextCatalog& catalog, PictureLibrary& pictures, QWidget* parent)
    : QDialog(parent), host_(host), useGreek_(useGreek)
{
    setObjectName("AddWallpaperWindow");
    setFixedSize(px(9180), px(5280));
    setWindowIcon(QIcon(pictures.named("face_with_sunglasses")));

    driveList_ = new DriveList(this);
    driveList_->setObjectName("driveList");
    driveList_->setGeometry(px(120, 120, 3000, 315));
    folderList_ = new FolderList(this);
    folderList_->setObjectName("folderList");
    folderList_->setGeometry(px(120, 540, 3000, 2700));
    fileList_ = new FileList(this);
    fileList_->setObjectName("fileList");
    fileList_->setGeometry(px(3240, 120, 2880, 3120));

    preview_ = std::make_unique<PicturePreview>(this, px(6240, 120, 2820, 2220), px(6840, 840, 1620, 780));

    chosenList_ = new QListWidget(this);
    chosenList_->setObjectName("chosenList");
    chosenList_->setGeometry(px(120, 3360, 6000, 1800));

    const auto button = [this](const char* name, QRect r) { return makeButton(this, name, r); };
    QPushButton* addButton = button("addButton", px(6240, 2520, 2820, 450));
    QPushButton* okButton = button("okButton", px(6240, 4080, 2820, 450));
    QPushButton* cancelButton = button("cancelButton", px(6240, 4680, 2820, 450));
    connect(addButton, &QPushButton::clicked, this, &AddWallpaperWindow::onAddClicked);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    connect(driveList_, &DriveList::changed, this, &AddWallpaperWindow::onDriveChanged);
    connect(folderList_, &FolderList::changed, this, &AddWallpaperWindow::onFolderChanged);
    connect(fileList_, &FileList::fileClicked, this, &AddWallpaperWindow::onFileClicked);
    connect(fileList_, &FileList::fileDoubleClicked, this, &AddWallpaperWindow::onAddClicked);

    showInitialState(catalog);
}

void AddWallpaperWindow::showInitialState(const TextCatalog& catalog)
{
    fileList_->setPatterns(pictureFilePatterns());
    // The home folder stands where a Windows program starts at its first drive.
    folderList_->setPath(QDir::homePath());
    driveList_->setDrive(folderList_->path());

    captions_ = designCaptions();
    if (!useGreek_) {
        loadEnglishTexts(captions_, catalog, "ENGLISH10");
        captions_.setTitle(std::string(Messages::AddWallpaperTitle.english));
    }
    applyCaptions(this, captions_);
    // A drop-down list reads its choice as its name; the description says what it is.
    accessible::setName(driveList_, AccessibleNames::Places.in(useGreek_));
    accessible::setDescription(driveList_, qs(AccessibleNames::Places.in(useGreek_)));
    accessible::nameScrollBars(folderList_, AccessibleNames::Folders, useGreek_);
    accessible::nameScrollBars(fileList_, AccessibleNames::PictureFiles, useGreek_);
    accessible::nameScrollBars(chosenList_, AccessibleNames::ChosenWallpapers, useGreek_);
    preview_->nameForReaders(useGreek_);
}

std::vector<std::string> AddWallpaperWindow::chosenPaths() const
{
    std::vector<std::string> paths;
    for (int i = 0; i < chosenList_->count(); ++i)
        paths.push_back(chosenList_->item(i)->text().toStdString());
    return paths;
}

QString AddWallpaperWindow::chosenFile() const
{
    const QString name = fileList_->fileName();
    return name.isEmpty() ? QString() : fullPath(folderList_->path(), name);
}

void AddWallpaperWindow::onDriveChanged()
{
    if (folderList_->setPath(driveList_->drive()))
        return;
    host_.showMessage(Messages::driveInaccessible(useGreek_, driveList_->currentText().toStdString()));
    // The drive list goes back to where the folders are.
    driveList_->setDrive(folderList_->path());
}

void AddWallpaperWindow::onFolderChanged()
{
    fileList_->setFolder(folderList_->path());
    if (fileList_->count() == 0)
        return;
    fileList_->setCurrentRow(0);
    fileList_->setFocus();
    onFileClicked();
}

void AddWallpaperWindow::onFileClicked()
{
    preview_->show(chosenFile(), useGreek_);
}

void AddWallpaperWindow::onAddClicked()
{
    const QString path = chosenFile();
    if (!path.isEmpty())
        chosenList_->addItem(path);
}

}  // namespace vornel
