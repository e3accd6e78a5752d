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
            {"Label1", -1, "Προεπισκόπηση          Εικόνας"},
            {"Command1", -1, "Αφαίρεση"},
            {"Command2", -1, "Ακύρωση"},
            {"Command3", -1, "ΟΚ"},  // Greek Omicron and Kappa
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

    list1_ = new QListWidget(this);
    list1_->setObjectName("List1");
    list1_->setGeometry(px(120, 120, 3480, 3120));

    preview_ = std::make_unique<PicturePreview>(this, px(3840, 120, 2940, 2220), px(4500, 840, 1620, 780));

    auto button = [&](const char* name, QRect r) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        b->setGeometry(r);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* command1 = button("Command1", px(3840, 2520, 2940, 450));
    QPushButton* command3 = button("Command3", px(120, 3360, 1800, 450));
    QPushButton* command2 = button("Command2", px(2040, 3360, 1560, 450));
    connect(command1, &QPushButton::clicked, this, &RemoveWallpaperWindow::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &QDialog::reject);
    connect(command3, &QPushButton::clicked, this, &QDialog::accept);
    // A click or a key selects a name.
    connect(list1_, &QListWidget::currentRowChanged, this, &RemoveWallpaperWindow::List1_Click);
    connect(list1_, &QListWidget::itemDoubleClicked, this, &RemoveWallpaperWindow::Command1_Click);

    Form_Load(catalog);
}

void RemoveWallpaperWindow::Form_Load(const TextCatalog& catalog)
{
    showList();
    captions_ = designCaptions();
    if (!useGreek_) {
        loadEnglishTexts(captions_, catalog, "ENGLISH11");
        captions_.setTitle(std::string(Messages::RemoveWallpaperTitle.english));
    }
    applyCaptions(this, captions_);
    accessible::nameScrollBars(list1_, AccessibleNames::AddedWallpapers, useGreek_);
    preview_->nameForReaders(useGreek_);
}

void RemoveWallpaperWindow::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    Form_Activate();
}

void RemoveWallpaperWindow::Form_Activate()
{
    removal_.activate();
    showList();
}

void RemoveWallpaperWindow::List1_Click()
{
    const int row = list1_->currentRow();
    removal_.select(row >= 0 ? std::optional<int>(row) : std::nullopt);
    showList();
}

void RemoveWallpaperWindow::Command1_Click()
{
    removal_.remove();
    showList();
}

void RemoveWallpaperWindow::showList()
{
    {
        const QSignalBlocker quiet(list1_);
        if (list1_->count() != removal_.count()) {
            list1_->clear();
            for (const std::string& name : removal_.names())
                list1_->addItem(qs(name));
        }
        list1_->setCurrentRow(removal_.selected().value_or(-1));
        if (!removal_.selected())
            list1_->clearSelection();
    }
    const std::optional<std::string> path = removal_.selectedPath();
    if (!path)
        return;
    preview_->show(qs(*path), useGreek_);
}

}  // namespace vornel
