#include "ui/windows/PaletteWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QtMath>
#include <algorithm>
#include <map>

#include "text/AccessibleNames.h"
#include "text/Messages.h"
#include "ui/shared/Accessible.h"
#include "ui/shared/ClickLabel.h"
#include "ui/shared/ColourValues.h"
#include "ui/shared/PictureLibrary.h"
#include "ui/shared/Twips.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

namespace {

// Swatch cells: 26 x 23 pixels from (1, 1); each swatch fills its cell but a
// two-pixel gap of background, with a two-pixel raised edge.
constexpr int CellWidth = 26;
constexpr int CellHeight = 23;
constexpr int Gap = 2;

QRect swatchRect(int row, int column)
{
    return QRect(1 + Gap / 2 + column * CellWidth, 1 + Gap / 2 + row * CellHeight, CellWidth - Gap, CellHeight - Gap);
}

// Drawn in pixels on an image of `ratio` device pixels to a pixel: every
// edge falls on whole device pixels at any density.
QImage drawPalette(qreal ratio)
{
    QImage image((QSizeF(PaletteWindow::PictureSize) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(PaletteWindow::Background);
    QPainter p(&image);
    for (int row = 0; row < PaletteWindow::Rows; ++row) {
        for (int column = 0; column < PaletteWindow::Columns; ++column) {
            const QRect r = swatchRect(row, column);
            p.fillRect(r, QColor(PaletteWindow::swatchColours()[row * PaletteWindow::Columns + column]));
            // Light from the top left: white and pale outside and inside,
            // dark grey and black below and to the right.
            const auto edge = [&](QColor topLeft, QColor bottomRight, int inset) {
                const QRect e = r.adjusted(inset, inset, -inset, -inset);
                p.fillRect(QRect(e.left(), e.top(), e.width(), 1), topLeft);
                p.fillRect(QRect(e.left(), e.top(), 1, e.height()), topLeft);
                p.fillRect(QRect(e.left(), e.bottom(), e.width(), 1), bottomRight);
                p.fillRect(QRect(e.right(), e.top(), 1, e.height()), bottomRight);
            };
            edge(Qt::white, Qt::black, 0);
            edge(QColor(223, 223, 223), QColor(128, 128, 128), 1);
        }
    }
    return image;
}

// Where a denser screen draws the palette picture, in device pixels up and
// to the left. A platform that reports the pointer in whole pixels rounds to
// the nearest (xcb reports device pixels 2k - 1 and 2k both as pixel k), so
// each pixel's colour is drawn over the device pixels that report it.
int pictureShift(qreal ratio)
{
    return qFloor(ratio / 2);
}

// The palette picture; a press anywhere on it takes the pixel under the pointer.
class PalettePicture : public QWidget {
public:
    std::function<void(QPointF)> onPressed;

    explicit PalettePicture(QWidget* parent) : QWidget(parent) { setFixedSize(PaletteWindow::PictureSize); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const qreal ratio = devicePixelRatioF();
        const qreal shift = pictureShift(ratio) / ratio;
        QPainter p(this);
        p.fillRect(rect(), QColor(PaletteWindow::Background));
        p.drawImage(QPointF(-shift, -shift), PaletteWindow::paletteImage(ratio));
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        // The position keeps its fraction: on a denser screen it names the
        // device pixel under the pointer.
        if (onPressed)
            onPressed(e->position());
    }
};

// A swatch's key taker: clear, over its swatch, so that a screen reader,
// which follows the focus, reads each swatch as the keys come to it. The
// mouse goes through to the picture.
class SwatchKeys : public ClickLabel {
public:
    SwatchKeys(QWidget* picture, int index) : ClickLabel(picture)
    {
        setObjectName(QStringLiteral("swatchKeys(%1)").arg(index));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(swatchRect(index / PaletteWindow::Columns, index % PaletteWindow::Columns).adjusted(-1, -1, 1, 1));
        setFocusPolicy(Qt::NoFocus);
    }
    bool ring = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (ring) {
            QPainter p(this);
            drawFocusRing(p, rect(), 1);
        }
    }
};

}  // namespace

const std::array<QRgb, PaletteWindow::Columns * PaletteWindow::Rows>& PaletteWindow::swatchColours()
{
    static const std::array<QRgb, Columns * Rows> colours{
        0xFF7F7F, 0xFFFF7F, 0x7FFF7F, 0x00FF7F, 0x7FFFFF, 0x007FFF, 0xFF7FBF, 0xFF7FFF,  //
        0xFF0000, 0xFFFF00, 0x7FFF00, 0x00FF3F, 0x00FFFF, 0x007FBF, 0x7F7FBF, 0xFF00FF,  //
        0x7F3F3F, 0xFF7F3F, 0x00FF00, 0x007F7F, 0x003F7F, 0x7F7FFF, 0x7F003F, 0xFF007F,  //
        0x7F0000, 0xFF7F00, 0x007F00, 0x007F3F, 0x0000FF, 0x00009F, 0x7F007F, 0x7F00FF,  //
        0x3F0000, 0x7F3F00, 0x003F00, 0x003F3F, 0x00007F, 0x00003F, 0x3F003F, 0x3F007F,  //
        0x000000, 0x7F7F00, 0x7F7F3F, 0x7F7F7F, 0x3F7F7F, 0xBFBFBF, 0x3F003F, 0xFFFFFF,  //
    };
    return colours;
}

const QImage& PaletteWindow::paletteImage(qreal ratio)
{
    static std::map<qreal, QImage> drawn;
    auto it = drawn.find(ratio);
    if (it == drawn.end())
        it = drawn.emplace(ratio, drawPalette(ratio)).first;
    return it->second;
}

std::optional<QRgb> PaletteWindow::colourAt(QPointF at, qreal ratio)
{
    if (at.x() < 0 || at.y() < 0 || at.x() >= PictureSize.width() || at.y() >= PictureSize.height())
        return std::nullopt;
    const QImage& image = paletteImage(ratio);
    const int shift = pictureShift(ratio);
    // The last device pixels, uncovered by the shifted picture, show the background.
    const QPoint pixel(qFloor(at.x() * ratio) + shift, qFloor(at.y() * ratio) + shift);
    return image.rect().contains(pixel) ? image.pixel(pixel) : Background;
}

QPoint PaletteWindow::swatchCentre(int row, int column)
{
    return swatchRect(row, column).center();
}

PaletteWindow::PaletteWindow(PictureLibrary& pictures, bool useGreek, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), useGreek_(useGreek)
{
    setObjectName("PaletteWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(3420), px(2880));

    auto* picture = new PalettePicture(this);
    picture->setObjectName("palettePicture");
    picture->move(px(120), px(120));
    picture->onPressed = [this](QPointF at) {
        showRing(false);
        onPicturePressed(at);
    };
    accessible::setRole(picture, QAccessible::Graphic);
    accessible::setName(picture, AccessibleNames::Palette.in(useGreek));
    accessible::setDescription(picture, qs(AccessibleNames::PaletteUse.in(useGreek)));
    for (int i = 0; i < Columns * Rows; ++i) {
        auto* keys = new SwatchKeys(picture, i);
        const QColor c(swatchColours()[static_cast<std::size_t>(i)]);
        accessible::setRole(keys, QAccessible::Button);
        accessible::setName(keys, AccessibleNames::rgb(useGreek, c.red(), c.green(), c.blue()));
        // Space, Enter or a screen reader's press takes the swatch as a click on its middle does.
        connect(keys, &ClickLabel::clicked, this, [this, i] {
            showRing(true);
            onPicturePressed(swatchCentre(i / Columns, i % Columns));
        });
        swatchKeys_[static_cast<std::size_t>(i)] = keys;
    }
    moveKeys(0);

    auto* previewCaption = new QLabel(qs(Messages::PalettePreview.in(useGreek)), this);
    previewCaption->setObjectName("previewCaption");
    previewCaption->setGeometry(px(120, 2370, 1500, 255));
    previewBox_ = new QLabel(this);
    previewBox_->setObjectName("previewBox");
    previewBox_->setGeometry(px(1680, 2280, 1620, 420));
    previewBox_->setFrameShape(QFrame::Panel);
    previewBox_->setFrameShadow(QFrame::Sunken);

    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    setWindowIcon(QIcon(pictures.named("cherries")));
    accessible::setName(previewBox_, qs(Messages::PalettePreview.in(useGreek)).remove(':'));
}

void PaletteWindow::showForChoice()
{
    beenActive_ = false;
    show();
    raise();
}

bool PaletteWindow::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        beenActive_ = true;
    return QWidget::event(e);
}

void PaletteWindow::moveKeys(int to)
{
    QWidget* from = swatchKeys_[static_cast<std::size_t>(keysOn_)];
    QWidget* keys = swatchKeys_[static_cast<std::size_t>(to)];
    from->setFocusPolicy(Qt::NoFocus);
    static_cast<SwatchKeys*>(from)->ring = false;
    from->update();
    keysOn_ = to;
    keys->setFocusPolicy(Qt::StrongFocus);
    keys->setFocus();
    showRing(ringShown_);
}

void PaletteWindow::showRing(bool shown)
{
    ringShown_ = shown;
    auto* keys = static_cast<SwatchKeys*>(swatchKeys_[static_cast<std::size_t>(keysOn_)]);
    keys->ring = shown;
    keys->update();
}

// The arrows stop at the edges, as on the board.
void PaletteWindow::keyPressEvent(QKeyEvent* e)
{
    int row = keysOn_ / Columns, column = keysOn_ % Columns;
    switch (e->key()) {
    case Qt::Key_Left:
        column = std::max(column - 1, 0);
        break;
    case Qt::Key_Right:
        column = std::min(column + 1, Columns - 1);
        break;
    case Qt::Key_Up:
        row = std::max(row - 1, 0);
        break;
    case Qt::Key_Down:
        row = std::min(row + 1, Rows - 1);
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
    showRing(true);
    moveKeys(row * Columns + column);
}

void PaletteWindow::setPreview(std::int32_t colour)
{
    const QColor c = colourOf(colour);
    setBackground(previewBox_, c);
    QString caption = qs(Messages::PalettePreview.in(useGreek_));
    if (caption.endsWith(':'))
        caption.chop(1);
    accessible::setName(previewBox_, AccessibleNames::colour(useGreek_, caption.toStdString(), c.red(), c.green(), c.blue()));
}

// Any button takes the colour of the pixel under the pointer, edges and
// background included.
void PaletteWindow::onPicturePressed(QPointF at)
{
    const std::optional<QRgb> pixel = colourAt(at, devicePixelRatioF());
    if (!pixel)
        return;
    const std::int32_t c = colourValue(QColor(*pixel));
    setPreview(c);
    emit colourTaken(target_, c);
}

}  // namespace vornel
