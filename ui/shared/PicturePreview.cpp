#include "ui/shared/PicturePreview.h"

#include <QLabel>

#include "text/AccessibleNames.h"
#include "ui/shared/Accessible.h"
#include "ui/shared/PictureFile.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

PicturePreview::PicturePreview(QWidget* window, QRect image, QRect caption)
    : image1_(new QLabel(window)), label1_(new QLabel(window))
{
    image1_->setObjectName("Image1");
    image1_->setGeometry(image);
    image1_->setFrameShape(QFrame::Box);
    image1_->setAlignment(Qt::AlignCenter);
    label1_->setObjectName("Label1");
    label1_->setGeometry(caption);
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setWordWrap(true);
    label1_->setFont(makeFont("Liberation Sans", 10, true));
}

void PicturePreview::nameForReaders(bool useGreek)
{
    accessible::setName(image1_, AccessibleNames::Preview.in(useGreek));
}

void PicturePreview::show(const QString& path, bool useGreek)
{
    label1_->hide();
    const qreal ratio = image1_->devicePixelRatioF();
    const QImage picture = readPictureFile(path, image1_->size() * ratio);
    if (picture.isNull())
        return;
    image1_->setPixmap(previewPixmap(picture, image1_->contentsRect().size(), ratio));
    accessible::setName(image1_, AccessibleNames::valued(useGreek, AccessibleNames::Preview,
        accessible::pictureName(path, useGreek).toStdString()));
}

}  // namespace vornel
