#pragma once
#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "game/WallpaperRemoval.h"
#include "text/Captions.h"
#include "ui/shared/PicturePreview.h"

class QListWidget;

namespace vornel {


class PictureLibrary;
class TextCatalog;

// The remove-wallpaper window: the user's own wallpapers, some of which the
// user takes out before confirming. Modal.
class RemoveWallpaperWindow : public QDialog {
    Q_OBJECT
public:
    RemoveWallpaperWindow(const WallpaperList& wallpapers, bool useGreek, const TextCatalog& catalog, PictureLibrary& pictures,
        QWidget* parent);

    // The wallpapers still listed, in order.
    const std::vector<std::string>& keptPaths() const { return removal_.paths(); }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void showInitialState(const TextCatalog& catalog);
    void onShown();
    void onRowChanged();
    void onRemoveClicked();
    // The list shows the model's names and selection; a selected name
    // shows its picture.
    void showList();

    WallpaperRemoval removal_;
    bool useGreek_;
    CaptionTable captions_;
    QListWidget* wallpaperList_ = nullptr;
    std::unique_ptr<PicturePreview> preview_;
};

}  // namespace vornel
