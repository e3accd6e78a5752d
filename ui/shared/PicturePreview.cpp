#include "ui/shared/PicturePreview.h"

#include <QLabel>

#include "text/AccessibleNames.h"
#include "ui/shared/Accessible.h"
#include "ui/shared/PictureFile.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

PicturePreview::PicturePreview(QWidget* window, QRect image, QRect caption)
    : picture_(new QLabel(window)), caption_(new QLabel(window))
{
    picture_->setObjectName("previewPicture");
    picture_->setGeometry(image);
    picture_->setFrameShape(QFrame::Box);
    picture_->setAlignment(Qt::AlignCenter);
    caption_->setObjectName("previewCaption");
    caption_->setGeometry(caption);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setWordWrap(true);
    caption_->setFont(makeFont("Liberation Sans", 10, true));
}

void PicturePreview::nameForReaders(bool useGreek)
{
    accessible::setName(picture_, AccessibleNames::Preview.in(useGreek));
}

void PicturePreview::show(const QString& path, bool useGreek)
{
    caption_->hide();
    const qreal ratio = picture_->devicePixelRatioF();
    const QImage picture = readPictureFile(path, picture_->size() * ratio);
    if (picture.isNull())
        return;
    picture_->setPixmap(previewPixmap(picture, picture_->contentsRect().size(), ratio));
    accessible::setName(picture_, AccessibleNames::valued(useGreek, AccessibleNames::Preview,
        accessible::pictureName(path, useGreek).toStdString()));
}

}  // namespace vornel
