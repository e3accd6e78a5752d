#pragma once
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace vornel {

// The wallpaper windows' preview: a framed picture, "previewPicture", over
// which a caption, "previewCaption", stands until the first picture is shown.
class PicturePreview {
public:
    PicturePreview(QWidget* window, QRect image, QRect caption);

    // Names the picture for screen readers; call once captions are applied.
    void nameForReaders(bool useGreek);
    // Shows the picture file at `path`; a file that is no picture leaves the
    // last one shown.
    void show(const QString& path, bool useGreek);

private:
    QLabel* picture_;
    QLabel* caption_;
};

}  // namespace vornel
