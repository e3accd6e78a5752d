#include "ui/EndScreen.h"

#include <QPainter>

#include "text/AccessibleNames.h"
#include "ui/Accessible.h"
#include "ui/ClickLabel.h"
#include "ui/PictureLibrary.h"
#include "ui/Twips.h"
#include "ui/Widgets.h"

namespace vornel {

using namespace widgets;

EndScreenControls buildEndScreen(QWidget* window, PictureLibrary& pictures, const char* decoration,
    const QColor& background, const QColor& textColour, bool useGreek, const Bilingual& animation)
{
    window->setFixedSize(px(5580), px(3600));
    setBackground(window, background);
    const qreal ratio = window->devicePixelRatioF();

    auto clickable = [](QWidget* parent, const char* name, QRect r) {
        auto* l = new ClickLabel(parent);
        l->setObjectName(name);
        l->setGeometry(r);
        return l;
    };
    EndScreenControls c;
    // The text first, so that the animation's frame covers it while it runs.
    c.label1 = clickable(window, "Label1", px(120, 600, 5340, 1560));
    c.label1->setWordWrap(true);
    c.label1->setAlignment(Qt::AlignCenter);
    setTextColour(c.label1, textColour);

    c.frame1 = clickable(window, "Frame1", px(120, 120, 5340, 2520));
    setBackground(c.frame1, background);
    c.image3 = clickable(c.frame1, "Image3", px(1470, 60, 2400, 2400));
    c.image3->setScaledContents(false);

    const QPixmap picture = pictures.named(decoration, QSize(px(735), px(675)), ratio);
    c.image1 = clickable(window, "Image1", px(180, 2760, 735, 675));
    c.image2 = clickable(window, "Image2", px(4665, 2760, 735, 675));
    c.image1->setPixmap(picture);
    c.image2->setPixmap(picture);

    // Every part is clicked to go on; the frame repeats its animation.
    accessible::hideRepeat(c.frame1);
    accessible::setName(c.image3, animation.in(useGreek));
    for (ClickLabel* part : {c.image1, c.image2})
        accessible::setName(part, accessible::pictureName(decoration, useGreek));
    for (ClickLabel* part : {c.label1, c.image3, c.image1, c.image2})
        accessible::setDescription(part, qs(AccessibleNames::ClickToGoOn.in(useGreek)));
    return c;
}

std::vector<QPixmap> framePictures(PictureLibrary& pictures, const char* prefix, int count, const QWidget* image3)
{
    std::vector<QPixmap> frames;
    for (int i = 0; i < count; ++i)
        frames.push_back(
            pictures.named(QStringLiteral("%1%2").arg(prefix).arg(i), image3->size(), image3->devicePixelRatioF()));
    return frames;
}

void drawEndScreenLines(QWidget* window, const QColor& colour)
{
    QPainter p(window);
    p.setPen(QPen(colour, 2));
    const int l = px(45), t = px(45), r = window->width() - px(45), b = window->height() - px(45);
    p.drawLine(l, t, r, t);  // Line1
    p.drawLine(l, b, r, b);  // Line2
    p.drawLine(l, t, l, b);  // Line3
    p.drawLine(r, t, r, b);  // Line4
}

void placeFromMain(QWidget* window, const QWidget* mainWindow, int left, int top)
{
    if (mainWindow)
        window->move(mainWindow->frameGeometry().topLeft() + QPoint(px(left), px(top)));
}

}  // namespace vornel
