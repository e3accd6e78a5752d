#include <QAction>
#include <QLabel>
#include <QMenu>

#include "text/Profile.h"
#include "ui/main_window/MainWindow.h"
#include "ui/shared/ClickLabel.h"
#include "ui/shared/PictureFile.h"
#include "ui/shared/PictureLoader.h"
#include "ui/shared/Widgets.h"
#include "ui/windows/AddWallpaperWindow.h"
#include "ui/windows/RemoveWallpaperWindow.h"

// The wallpaper behind the game and the menu entries that choose it.
namespace vornel {

using namespace widgets;

bool MainWindow::wallpaperShown() const
{
    return !wallpaper_->isHidden();
}

void MainWindow::onWallpaperChosen(int index)
{
    showWallpaper(wallpapers_.chooseWallpaper(index));
    showWallpaperMenu();
}

void MainWindow::onNextWallpaperChosen()
{
    showWallpaper(wallpapers_.nextWallpaper());
    showWallpaperMenu();
}

void MainWindow::onAddWallpaperChosen()
{
    AddWallpaperWindow w(host_, language_.UseGreek, TextCatalog(shippedFile(DataFile::English)), pictures_, this);
    if (w.exec() != QDialog::Accepted)
        return;
    wallpapers_.addWallpapers(w.chosenPaths());
    showWallpaperMenu();
}

void MainWindow::onRemoveWallpaperChosen()
{
    RemoveWallpaperWindow w(wallpapers_.list(), language_.UseGreek, TextCatalog(shippedFile(DataFile::English)), pictures_, this);
    if (w.exec() != QDialog::Accepted)
        return;
    wallpapers_.removeConfirmed(w.keptPaths());
    showWallpaperMenu();
}

void MainWindow::showWallpaper(WallpaperView view)
{
    if (view != WallpaperView::Unchanged)
        wallpaperPending_ = false;
    switch (view) {
    case WallpaperView::Unchanged:
        return;
    case WallpaperView::Hidden:
        if (wallpaperLoader_)
            wallpaperLoader_->cancel();
        wallpaper_->clear();
        wallpaper_->hide();
        setBackgroundWithText(championshipHeading_, clientArea_->palette().color(QPalette::Window));
        return;
    case WallpaperView::Shown:
        // Decoded off the window's thread: a large picture never holds it.
        if (!wallpaperLoader_) {
            wallpaperLoader_ = new PictureLoader(this);
            connect(wallpaperLoader_, &PictureLoader::loaded, this, &MainWindow::wallpaperLoaded);
        }
        wallpaperLoader_->load(qs(wallpapers_.currentPath()), wallpaper_->size() * devicePixelRatioF(),
            Qt::KeepAspectRatioByExpanding);
        return;
    }
}

void MainWindow::wallpaperLoaded(const QImage& picture)
{
    // A file that is no picture leaves the last wallpaper in place.
    if (picture.isNull())
        return;
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    wallpaper_->setPixmap(pixmap);
    wallpaper_->show();
    setBackgroundWithText(championshipHeading_, championshipPanel_->palette().color(QPalette::Window));
}

void MainWindow::showWallpaperMenu()
{
    const WallpaperList& list = wallpapers_.list();
    if (wallpaperItems_.empty())
        wallpaperItems_.push_back(item("wallpaperAction(0)"));
    while (static_cast<int>(wallpaperItems_.size()) > list.count()) {
        delete wallpaperItems_.back();
        wallpaperItems_.pop_back();
    }
    while (static_cast<int>(wallpaperItems_.size()) < list.count()) {
        const int k = static_cast<int>(wallpaperItems_.size());
        QAction* a = menu("wallpapersMenu")->addAction(QString());
        a->setObjectName(QStringLiteral("wallpaperAction(%1)").arg(k));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, k] { onWallpaperChosen(k); });
        wallpaperItems_.push_back(a);
    }
    for (int k = 0; k < list.count(); ++k) {
        const WallpaperEntry& e = list.entry(k);
        // A file name's "&" is a letter, not a menu's access key.
        wallpaperItems_[k]->setText(qs(e.caption).replace('&', QStringLiteral("&&")));
        wallpaperItems_[k]->setChecked(e.checked);
        wallpaperItems_[k]->setEnabled(e.enabled);
    }
}

}  // namespace vornel
