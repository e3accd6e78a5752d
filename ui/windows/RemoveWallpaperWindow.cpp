#include "ui/windows/RemoveWallpaperWindow.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "text/AccessibleNames.h"
#include "text/Messages.h"
#include "ui/shared/Accessible.h"
#include "ui/shared/CaptionApply.h"
#include "ui/shared/PictureLibrary.h"
#include "ui/shared/PicturePreview.h"
#include "ui/shared/Twips.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

namespace {

CaptionTable designCaptions()
{
    return CaptionTable(std::string(Messages::RemoveWallpaperTitle.greek),
        {
            {"Label1", -1, "Προεπισκόπηση          Εικόνας", "previewCaption"},
            {"Command1", -1, "Αφαίρεση", "removeButton"},
            {"Command2", -1, "Ακύρωση", "cancelButton"},
            {"Command3", -1, "ΟΚ", "okButton"},  // Greek Omicron and Kappa
        });
}

}  // namespace

RemoveWallpaperWindow::RemoveWallpaperWindow(const WallpaperList& wallpapers, bool useGreek, const TextCatalog& catalog, PictureLibrary& pictures,
    QWidget* parent)
    : QDialog(parent), removal_(wallpapers), useGreek_(useGreek)
{
    setObjectName("RemoveWallpaperWindow");
    setFixedSize(px(6900), px(3960));
    setWindowIcon(QIcon(pictures.named("face_with_sunglasses")));

    wallpaperList_ = new QListWidget(this);
    wallpaperList_->setObjectName("wallpaperList");
    wallpaperList_->setGeometry(px(120, 120, 3480, 3120));

    preview_ = std::make_unique<PicturePreview>(this, px(3840, 120, 2940, 2220), px(4500, 840, 1620, 780));

    const auto button = [this](const char* name, QRect r) { return makeButton(this, name, r); };
    QPushButton* removeButton = button("removeButton", px(3840, 2520, 2940, 450));
    QPushButton* okButton = button("okButton", px(120, 3360, 1800, 450));
    QPushButton* cancelButton = button("cancelButton", px(2040, 3360, 1560, 450));
    connect(removeButton, &QPushButton::clicked, this, &RemoveWallpaperWindow::onRemoveClicked);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    // A click or a key selects a name.
    connect(wallpaperList_, &QListWidget::currentRowChanged, this, &RemoveWallpaperWindow::onRowChanged);
    connect(wallpaperList_, &QListWidget::itemDoubleClicked, this, &RemoveWallpaperWindow::onRemoveClicked);

    showInitialState(catalog);
}

void RemoveWallpaperWindow::showInitialState(const TextCatalog& catalog)
{
    showList();
    captions_ = designCaptions();
    if (!useGreek_) {
        loadEnglishTexts(captions_, catalog, "ENGLISH11");
        captions_.setTitle(std::string(Messages::RemoveWallpaperTitle.english));
    }
    applyCaptions(this, captions_);
    accessible::nameScrollBars(wallpaperList_, AccessibleNames::AddedWallpapers, useGreek_);
    preview_->nameForReaders(useGreek_);
}

void RemoveWallpaperWindow::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    onShown();
}

void RemoveWallpaperWindow::onShown()
{
    removal_.activate();
    showList();
}

void RemoveWallpaperWindow::onRowChanged()
{
    const int row = wallpaperList_->currentRow();
    removal_.select(row >= 0 ? std::optional<int>(row) : std::nullopt);
    showList();
}

void RemoveWallpaperWindow::onRemoveClicked()
{
    removal_.remove();
    showList();
}

void RemoveWallpaperWindow::showList()
{
    {
        const QSignalBlocker quiet(wallpaperList_);
        if (wallpaperList_->count() != removal_.count()) {
            wallpaperList_->clear();
            for (const std::string& name : removal_.names())
                wallpaperList_->addItem(qs(name));
        }
        wallpaperList_->setCurrentRow(removal_.selected().value_or(-1));
        if (!removal_.selected())
            wallpaperList_->clearSelection();
    }
    const std::optional<std::string> path = removal_.selectedPath();
    if (!path)
        return;
    preview_->show(qs(*path), useGreek_);
}

}  // namespace vornel
