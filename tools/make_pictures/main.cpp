// Draws the game's built-in pictures into assets/pictures/ as PNG files.
// Card pictures and the hourglass are Noto Color Emoji glyphs; everything else
// is drawn here.

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRadialGradient>
#include <QStandardPaths>
#include <QTextStream>
#include <QtMath>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

QString g_outDir;
QStringList g_written;

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "make_pictures: %s\n", qPrintable(message));
    std::exit(1);
}

void save(const QImage& image, const QString& name)
{
    const QString path = g_outDir + '/' + name;
    if (!image.save(path, "PNG"))
        fail("cannot write " + path);
    g_written << path;
}

QString emojiText(char32_t codePoint, bool colourSelector = false)
{
    QString s = QString::fromUcs4(&codePoint, 1);
    // Some symbols (umbrella, anchor) default to text style without VS16.
    if (colourSelector)
        s += QChar(0xFE0F);
    return s;
}

// ---------------------------------------------------------------- emoji

// The font's bitmaps are 136 x 128 at 109 ppem; asking for that size keeps
// Qt from resampling, so all scaling happens once, in fitInto().
constexpr int kEmojiPixelSize = 109;

QImage renderGlyph(const QString& text)
{
    QImage canvas(256, 256, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(kEmojiPixelSize);
    {
        QPainter p(&canvas);
        p.setFont(font);
        p.drawText(canvas.rect(), Qt::AlignCenter, text);
    }

    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    int colourful = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(line[x]) < 8)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            const QRgb c = qUnpremultiply(line[x]);
            if (std::max({qRed(c), qGreen(c), qBlue(c)}) > 80)
                ++colourful;
        }
    }
    if (right < 0)
        fail("emoji U+" + QString::number(text.toUcs4().value(0), 16) + " rendered empty");
    // The pen is black: a glyph without light pixels came from an outline
    // font, not from the colour bitmaps.
    if (colourful < 200)
        fail("emoji U+" + QString::number(text.toUcs4().value(0), 16) +
            " did not render in colour; is fonts-noto-color-emoji installed?");
    return canvas.copy(left, top, right - left + 1, bottom - top + 1);
}

QImage fitInto(const QImage& glyph, QSize box)
{
    return glyph.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// Soft shadow: the glyph's alpha, darkened and blurred by a down/up scale.
QImage softShadow(const QImage& glyph, int blur, int alpha)
{
    QImage shadow(glyph.size(), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    {
        QPainter p(&shadow);
        p.drawImage(0, 0, glyph);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(shadow.rect(), QColor(40, 30, 60, alpha));
    }
    const QSize small(std::max(1, glyph.width() / blur), std::max(1, glyph.height() / blur));
    return shadow.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(glyph.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Draws `picture`, made for the pixels the box covers, turned by `rotation`
// about the box's centre and with a soft shadow.
void drawSprite(QPainter& p, const std::function<QImage(QSize)>& picture, const QRectF& box, qreal rotation,
    bool withShadow)
{
    const qreal scale = std::sqrt(std::abs(p.worldTransform().determinant()));
    const QImage glyph = picture((box.size() * scale).toSize());
    const QSizeF size = QSizeF(glyph.size()) / scale;
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(box.center());
    p.rotate(rotation);
    const QRectF target(QPointF(-size.width() / 2.0, -size.height() / 2.0), size);
    if (withShadow)
        p.drawImage(target.translated(1.5, 2.5), softShadow(glyph, 4, 70));
    p.drawImage(target, glyph);
    p.restore();
}

void drawEmoji(QPainter& p, const QString& text, const QRectF& box, qreal rotation = 0, bool withShadow = true)
{
    // The glyph is fitted to the pixels the box covers, so that a painter
    // drawing at a larger scale does not stretch a small glyph.
    drawSprite(p, [&](QSize pixels) { return fitInto(renderGlyph(text), pixels); }, box, rotation, withShadow);
}

// ---------------------------------------------------------------- cards

struct CardPicture {
    const char* holder;
    char32_t codePoint;
    bool colourSelector;
    const char* shows;
};

struct PictureGroup {
    const char* name;
    QColor tint;  // edge colour of the light background
    std::vector<CardPicture> pictures;
};

// Chosen so that no two pictures of a group share both colour and outline.
const std::vector<PictureGroup>& pictureGroups()
{
    static const std::vector<PictureGroup> groups = {
        {"Objects", QColor(214, 228, 246),
            {
                {"red_balloon", 0x1F388, false, "red balloon"},
                {"golden_key", 0x1F511, false, "golden key"},
                {"purple_umbrella", 0x2602, true, "purple umbrella"},
                {"electric_guitar", 0x1F3B8, false, "electric guitar"},
                {"light_bulb", 0x1F4A1, false, "light bulb"},
                {"anchor", 0x2693, true, "anchor"},
                {"camera", 0x1F4F7, false, "camera"},
                {"teddy_bear", 0x1F9F8, false, "teddy bear"},
                {"football", 0x26BD, false, "football"},
                {"stack_of_books", 0x1F4DA, false, "stack of books"},
            }},
        {"Faces", QColor(226, 220, 244),
            {
                {"crying_face", 0x1F622, false, "crying face"},
                {"face_with_sunglasses", 0x1F60E, false, "face with sunglasses"},
                {"red_angry_face", 0x1F621, false, "red angry face"},
                {"blue_cold_face", 0x1F976, false, "blue cold face"},
                {"green_nauseated_face", 0x1F922, false, "green nauseated face"},
                {"clown_face", 0x1F921, false, "clown face"},
                {"face_with_heart_eyes", 0x1F60D, false, "face with heart eyes"},
                {"grey_alien", 0x1F47D, false, "grey alien"},
                {"santa_claus", 0x1F385, false, "Santa Claus"},
                {"monkey_face", 0x1F435, false, "monkey face"},
            }},
        {"Food", QColor(218, 240, 218),
            {
                {"red_apple", 0x1F34E, false, "red apple"},
                {"banana", 0x1F34C, false, "banana"},
                {"cherries", 0x1F352, false, "cherries"},
                {"slice_of_pizza", 0x1F355, false, "slice of pizza"},
                {"doughnut", 0x1F369, false, "doughnut"},
                {"grapes", 0x1F347, false, "grapes"},
                {"slice_of_watermelon", 0x1F349, false, "slice of watermelon"},
                {"ice_cream_cone", 0x1F366, false, "ice cream cone"},
                {"carrot", 0x1F955, false, "carrot"},
                {"hamburger", 0x1F354, false, "hamburger"},
            }},
    };
    return groups;
}

// Twice the default face size of 49 x 45, so it stays sharp when scaled down.
constexpr QSize kCardSize(98, 90);

QImage cardPicture(const QString& emoji, const QColor& tint)
{
    QImage image(kCardSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient background(QPointF(kCardSize.width() * 0.45, kCardSize.height() * 0.4), kCardSize.width() * 0.75);
    background.setColorAt(0.0, QColor(255, 255, 252));
    background.setColorAt(0.55, QColor(250, 249, 246));
    background.setColorAt(1.0, tint);
    p.fillRect(image.rect(), background);
    // A thin rim separates the picture from whatever card colour surrounds it.
    p.setPen(QPen(tint.darker(112), 2));
    p.drawRect(QRectF(1, 1, kCardSize.width() - 2, kCardSize.height() - 2));
    drawEmoji(p, emoji, QRectF(12, 9, 74, 72));
    return image;
}

void makeCardPictures()
{
    for (const PictureGroup& group : pictureGroups())
        for (const CardPicture& picture : group.pictures)
            save(cardPicture(emojiText(picture.codePoint, picture.colourSelector), group.tint),
                QString::fromLatin1(picture.holder) + ".png");
}

// ---------------------------------------------------------------- card back

QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points = 5, qreal turn = -90)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal radius = (i % 2 == 0) ? outer : inner;
        const qreal angle = qDegreesToRadians(turn + i * 180.0 / points);
        const QPointF pt(centre.x() + radius * qCos(angle), centre.y() + radius * qSin(angle));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

const QColor kBackDeep(22, 46, 112);
const QColor kBackMid(36, 76, 160);
const QColor kBackLattice(82, 124, 214);
const QColor kGold(240, 196, 84);

// Lattice of diamonds with gold dots on the crossings, centred on the area
// so that the pattern is symmetric.
void drawLattice(QPainter& p, const QRectF& area, qreal step, qreal lineWidth, qreal dot)
{
    p.save();
    p.setClipRect(area);
    p.translate(area.center());
    const qreal reach = area.width() + area.height();
    const int count = int(reach / step) + 1;
    p.setPen(QPen(kBackLattice, lineWidth));
    for (int k = -count; k <= count; ++k) {
        p.drawLine(QPointF(k * step - reach, -reach), QPointF(k * step + reach, reach));
        p.drawLine(QPointF(k * step + reach, -reach), QPointF(k * step - reach, reach));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (int j = -2 * count; j <= 2 * count; ++j)
        for (int i = -2 * count; i <= 2 * count; ++i)
            if ((i + j) % 2 == 0)
                p.drawEllipse(QPointF(i * step / 2, j * step / 2), dot, dot);
    p.restore();
}

void makeCardBack()
{
    // 2x of the 65 x 57 card frame; the number label covers the middle
    // 49 x 33, so the pattern lives in the margin and the centre stays plain.
    const QSize size(130, 114);
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient base(0, 0, size.width(), size.height());
    base.setColorAt(0, kBackMid);
    base.setColorAt(1, kBackDeep);
    p.fillRect(image.rect(), base);
    drawLattice(p, QRectF(0, 0, size.width(), size.height()), 16, 1.6, 1.8);

    // Gold inner border.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 2.2));
    p.drawRoundedRect(QRectF(5, 5, size.width() - 10, size.height() - 10), 9, 9);

    // Calm centre panel: one mid-dark blue, enough contrast for a white number
    // (about 5:1) and still usable for a black one (about 4:1).
    const QRectF panel(17, 21, size.width() - 34, size.height() - 42);
    QLinearGradient panelFill(panel.topLeft(), panel.bottomLeft());
    panelFill.setColorAt(0, QColor(52, 108, 186));
    panelFill.setColorAt(1, QColor(44, 96, 170));
    p.setBrush(panelFill);
    p.setPen(QPen(QColor(150, 186, 240), 1.6));
    p.drawRoundedRect(panel, 14, 14);

    // Small stars in the corners, outside the panel.
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (const QPointF& c : {QPointF(13, 13), QPointF(size.width() - 13, 13), QPointF(13, size.height() - 13),
             QPointF(size.width() - 13, size.height() - 13)})
        p.drawPath(starPath(c, 6.5, 2.8));
    save(image, "CardBack.png");
}

// ---------------------------------------------------------------- buttons

struct BevelColours {
    QColor top, middle, bottom, border, shine;
};

void drawBevel(QPainter& p, const QRectF& outer, qreal radius, const BevelColours& c)
{
    QLinearGradient fill(outer.topLeft(), outer.bottomLeft());
    fill.setColorAt(0.0, c.top);
    fill.setColorAt(0.48, c.middle);
    fill.setColorAt(1.0, c.bottom);
    p.setBrush(fill);
    p.setPen(QPen(c.border, 2));
    p.drawRoundedRect(outer, radius, radius);

    // Light upper rim and darker lower rim make the raised edge.
    const QRectF inner = outer.adjusted(2.5, 2.5, -2.5, -2.5);
    QLinearGradient rim(inner.topLeft(), inner.bottomLeft());
    rim.setColorAt(0.0, c.shine);
    rim.setColorAt(0.5, QColor(255, 255, 255, 0));
    rim.setColorAt(1.0, QColor(0, 0, 0, 40));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(rim), 2));
    p.drawRoundedRect(inner, radius - 2, radius - 2);

    // Soft gloss on the upper half.
    QRectF gloss = inner.adjusted(4, 1.5, -4, 0);
    gloss.setHeight(inner.height() * 0.42);
    QLinearGradient glossFill(gloss.topLeft(), gloss.bottomLeft());
    glossFill.setColorAt(0, QColor(255, 255, 255, 120));
    glossFill.setColorAt(1, QColor(255, 255, 255, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(glossFill);
    p.drawRoundedRect(gloss, radius - 4, radius - 4);
}

QImage bevelImage(QSize size, qreal radius, const BevelColours& colours)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawBevel(p, QRectF(QPointF(1, 1), QSizeF(size) - QSizeF(2, 2)), radius, colours);
    return image;
}

const BevelColours kButtonNormal{QColor(255, 252, 248), QColor(241, 233, 226), QColor(214, 200, 190),
    QColor(128, 106, 96), QColor(255, 255, 255, 220)};

void makeButtons()
{
    // 2x of 97 x 25; the game stretches them to 73 x 25 or 97 x 25.
    const QSize size(194, 50);
    save(bevelImage(size, 12, kButtonNormal), "ButtonNormal.png");
    save(bevelImage(size, 12,
             {QColor(255, 248, 214), QColor(255, 216, 120), QColor(246, 176, 60), QColor(168, 104, 24),
                 QColor(255, 255, 235, 230)}),
        "ButtonHighlight.png");
}

// A small star at the right end marks the help; the caption may start at the
// left edge or be centred, so the star keeps to the last eleven pixels.
QImage helpIcon(const BevelColours& colours, const QColor& starFill, const QColor& starEdge)
{
    // 2x of 127 x 25.
    QImage image = bevelImage(QSize(254, 50), 12, colours);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(starEdge, 1.6));
    p.setBrush(starFill);
    p.drawPath(starPath(QPointF(240, 25), 10, 4.2));
    return image;
}

void makeHelpIcons()
{
    // Before a championship offers the helps: the plain button face, at the
    // help icon's size.
    save(bevelImage(QSize(254, 50), 12, kButtonNormal), "HelpBlank.png");
    save(helpIcon({QColor(236, 255, 244), QColor(170, 234, 200), QColor(96, 196, 150), QColor(36, 124, 86),
                      QColor(255, 255, 255, 220)},
             QColor(255, 214, 64), QColor(170, 110, 10)),
        "HelpAvailable.png");
    // Greyed: same shape, colour drained, star hollow.
    save(helpIcon({QColor(240, 240, 240), QColor(216, 216, 216), QColor(188, 188, 188), QColor(140, 140, 140),
                      QColor(255, 255, 255, 120)},
             QColor(0, 0, 0, 0), QColor(150, 150, 150)),
        "HelpUsed.png");
}

// ---------------------------------------------------------------- window icon

// A card drawn on a 40 x 52 design grid, centred at the origin.
void drawIconCard(QPainter& p, bool faceUp, qreal lineScale)
{
    const QRectF card(-20, -26, 40, 52);
    p.setPen(QPen(QColor(30, 40, 70), 2.4 * lineScale));
    if (faceUp) {
        QLinearGradient fill(card.topLeft(), card.bottomRight());
        fill.setColorAt(0, QColor(255, 255, 255));
        fill.setColorAt(1, QColor(236, 238, 246));
        p.setBrush(fill);
        p.drawRoundedRect(card, 6, 6);
        p.setPen(QPen(QColor(196, 120, 20), 1.6 * lineScale));
        QRadialGradient gold(QPointF(-3, -5), 18);
        gold.setColorAt(0, QColor(255, 236, 120));
        gold.setColorAt(1, QColor(245, 170, 30));
        p.setBrush(gold);
        p.drawPath(starPath(QPointF(0, 1), 15, 6.5));
        return;
    }
    QLinearGradient fill(card.topLeft(), card.bottomRight());
    fill.setColorAt(0, kBackMid);
    fill.setColorAt(1, kBackDeep);
    p.setBrush(fill);
    p.drawRoundedRect(card, 6, 6);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(card.adjusted(2, 2, -2, -2), 5, 5);
    p.setClipPath(clip);
    drawLattice(p, card, 11, 1.6 * lineScale, 1.8);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 2 * lineScale));
    p.drawRoundedRect(card.adjusted(4.5, 4.5, -4.5, -4.5), 3.5, 3.5);
}

QImage appIcon(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 64.0, side / 64.0);
    // Thin lines vanish at 32 px, so they are thickened for the small icon.
    const qreal lineScale = side <= 32 ? 1.5 : 1.0;
    p.save();
    p.translate(22, 32);
    p.rotate(-14);
    p.scale(0.82, 0.82);  // keeps the turned cards inside the square
    drawIconCard(p, false, lineScale);
    p.restore();
    p.save();
    p.translate(42, 33);
    p.rotate(11);
    p.scale(0.82, 0.82);
    drawIconCard(p, true, lineScale);
    p.restore();
    return image;
}

void makeAppIcons()
{
    for (int side : {32, 64, 256})
        save(appIcon(side), QStringLiteral("AppIcon%1.png").arg(side));
}

// ---------------------------------------------------------------- win and lose frames

// The frames are drawn on a 180-unit square and written at 320 pixels, twice
// the 160 x 160 picture of the win and lose screens.
constexpr int kFrameSide = 180;
constexpr int kFramePixels = 320;
constexpr qreal kFrameScale = kFramePixels / qreal(kFrameSide);

// A painter on the frame draws in frame units.
void toFrameUnits(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kFrameScale, kFrameScale);
}

QImage frameBackground(const QColor& centre, const QColor& edge)
{
    QImage image(kFramePixels, kFramePixels, QImage::Format_RGB32);
    QPainter p(&image);
    toFrameUnits(p);
    QRadialGradient fill(QPointF(kFrameSide / 2.0, kFrameSide / 2.0), kFrameSide * 0.72);
    fill.setColorAt(0, centre);
    fill.setColorAt(1, edge);
    p.fillRect(QRectF(0, 0, kFrameSide, kFrameSide), fill);
    return image;
}

// The win screen's trophy. The font's trophy is a bitmap smaller than the
// frame shows it at twice the density, so this one is drawn as shapes, sharp
// at any size. Drawn in a 100 x 100 box.
QImage trophyPicture(QSize pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixels.width() / 100.0, pixels.height() / 100.0);

    QLinearGradient gold(18, 0, 82, 0);
    gold.setColorAt(0.0, QColor(168, 102, 8));
    gold.setColorAt(0.22, QColor(250, 200, 52));
    gold.setColorAt(0.42, QColor(255, 238, 150));
    gold.setColorAt(0.68, QColor(240, 172, 24));
    gold.setColorAt(1.0, QColor(150, 88, 4));
    const QPen edge(QColor(122, 70, 0), 1.4);

    // Handles first: the cup covers their inner halves.
    p.setBrush(Qt::NoBrush);
    for (const qreal x : {20.0, 80.0}) {
        p.setPen(QPen(edge.color(), 8.4));
        p.drawEllipse(QPointF(x, 26), 11, 12);
        p.setPen(QPen(QBrush(gold), 5.6));
        p.drawEllipse(QPointF(x, 26), 11, 12);
    }

    p.setPen(edge);
    p.setBrush(gold);
    QPainterPath cup;
    cup.moveTo(20, 11);
    cup.lineTo(80, 11);
    cup.cubicTo(80, 38, 70, 52, 56, 57);
    cup.lineTo(44, 57);
    cup.cubicTo(30, 52, 20, 38, 20, 11);
    cup.closeSubpath();
    p.drawPath(cup);
    p.drawRect(QRectF(45, 57, 10, 14));              // stem
    p.drawEllipse(QPointF(50, 63), 8, 3.6);          // its knot
    QPainterPath foot;
    foot.moveTo(38, 71);
    foot.lineTo(62, 71);
    foot.lineTo(67, 79);
    foot.lineTo(33, 79);
    foot.closeSubpath();
    p.drawPath(foot);
    p.drawRoundedRect(QRectF(17, 7, 66, 7), 3, 3);  // rim

    // A wooden plinth with a gold plate.
    QLinearGradient wood(0, 79, 0, 95);
    wood.setColorAt(0, QColor(138, 78, 40));
    wood.setColorAt(1, QColor(92, 48, 22));
    p.setPen(QPen(QColor(64, 32, 12), 1.4));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(27, 79, 46, 16), 2.5, 2.5);
    p.setPen(edge);
    p.setBrush(gold);
    p.drawRect(QRectF(39, 83.5, 22, 7));

    p.setPen(QPen(QColor(196, 120, 0), 1));
    p.setBrush(QColor(255, 250, 214));
    p.drawPath(starPath(QPointF(50, 30), 11, 4.6));

    // The shine down the cup's left side.
    QPainterPath shine;
    shine.moveTo(29, 16);
    shine.cubicTo(29, 32, 33, 42, 40, 49);
    p.setPen(QPen(QColor(255, 255, 255, 150), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shine);
    return image;
}

void makeWinFrames()
{
    // Eight frames loop: rays turn one eighth of their period per frame,
    // stars twinkle and the trophy bobs, so the loop has no seam.
    constexpr int kFrames = 8;
    constexpr int kRays = 12;
    const QPointF centre(kFrameSide / 2.0, kFrameSide / 2.0 + 4);
    const QPointF twinkles[] = {{28, 34}, {150, 30}, {160, 118}, {22, 132}, {92, 16}, {136, 160}};
    for (int f = 0; f < kFrames; ++f) {
        QImage image = frameBackground(QColor(255, 250, 214), QColor(255, 214, 140));
        QPainter p(&image);
        toFrameUnits(p);
        const qreal phase = f / qreal(kFrames);

        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 120));
        for (int r = 0; r < kRays; ++r) {
            const qreal a = qDegreesToRadians((r + phase) * 360.0 / kRays);
            const qreal half = qDegreesToRadians(360.0 / kRays / 4);
            QPainterPath ray;
            ray.moveTo(centre);
            ray.lineTo(centre + QPointF(150 * qCos(a - half), 150 * qSin(a - half)));
            ray.lineTo(centre + QPointF(150 * qCos(a + half), 150 * qSin(a + half)));
            ray.closeSubpath();
            p.drawPath(ray);
        }

        for (int i = 0; i < int(std::size(twinkles)); ++i) {
            const qreal s = 0.5 + 0.5 * qSin(2 * M_PI * (phase + i / 3.0));
            const qreal outer = 4 + 9 * s;
            p.setBrush(QColor(255, 190, 40, 110 + int(140 * s)));
            p.drawPath(starPath(twinkles[i], outer, outer * 0.28, 4, 0));
            p.setBrush(QColor(255, 255, 255, 200));
            p.drawEllipse(twinkles[i], outer * 0.16, outer * 0.16);
        }

        const qreal bob = 4 * qSin(2 * M_PI * phase);
        const qreal grow = 1 + 0.05 * qCos(2 * M_PI * phase);
        const qreal side = 104 * grow;
        drawSprite(p, trophyPicture, QRectF(centre.x() - side / 2, centre.y() - side / 2 - bob, side, side),
            3 * qSin(2 * M_PI * phase), true);
        p.end();
        save(image, QStringLiteral("Win%1.png").arg(f));
    }
}

// Lowest opaque row of an image, or -1 when it is empty.
int lowestRow(const QImage& image)
{
    for (int y = image.height() - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) > 40)
                return y;
    }
    return -1;
}

void makeLoseFrames()
{
    // Seven frames: the hourglass falls (0-2), hits the floor on frame 3,
    // where the screen shakes and the crash sounds, bounces (4-5) and lies still (6).
    struct Pose {
        qreal lift;    // gap between the hourglass and the floor
        qreal angle;   // degrees
        qreal squash;  // vertical scale at the impact
    };
    const Pose poses[] = {
        {68, -8, 1.0},
        {46, 12, 1.0},
        {22, 30, 1.0},
        {-2, 52, 0.84},
        {12, 70, 1.0},
        {0, 84, 1.0},
        {0, 90, 1.0},
    };
    const qreal floorY = 150;
    const qreal side = 76;
    const QString hourglass = emojiText(0x231B);
    for (int f = 0; f < int(std::size(poses)); ++f) {
        const Pose& pose = poses[f];

        // Draw the turned hourglass apart first, to find where it touches down.
        QImage sprite(kFramePixels, kFramePixels, QImage::Format_ARGB32_Premultiplied);
        sprite.fill(Qt::transparent);
        {
            QPainter sp(&sprite);
            toFrameUnits(sp);
            sp.translate(kFrameSide / 2.0, kFrameSide / 2.0);
            sp.scale(1 + (1 - pose.squash) * 0.6, pose.squash);
            drawEmoji(sp, hourglass, QRectF(-side / 2, -side / 2, side, side), pose.angle, false);
        }
        const qreal shift = floorY + 2 - pose.lift - lowestRow(sprite) / kFrameScale;

        QImage image = frameBackground(QColor(236, 242, 250), QColor(176, 190, 214));
        QPainter p(&image);
        toFrameUnits(p);

        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 134, 160));
        p.drawRect(QRectF(0, floorY, kFrameSide, kFrameSide - floorY));
        p.setBrush(QColor(150, 164, 190));
        p.drawRect(QRectF(0, floorY, kFrameSide, 4));

        // Shadow on the floor grows as the hourglass comes down.
        const qreal near = 1 - std::clamp(pose.lift / 70.0, 0.0, 1.0);
        p.setBrush(QColor(40, 50, 80, int(40 + 60 * near)));
        p.drawEllipse(QPointF(90, floorY + 6), 16 + 26 * near, 3 + 3 * near);

        const qreal top = kFrameSide / 2.0 + shift - side / 2;
        if (f >= 1 && f <= 2) {
            // Motion streaks above the falling hourglass.
            p.setPen(QPen(QColor(110, 126, 160, 150), 3, Qt::SolidLine, Qt::RoundCap));
            for (int k = -1; k <= 1; ++k)
                p.drawLine(QPointF(90 + 16 * k, top - 22), QPointF(90 + 16 * k, top - 6));
        }
        if (f == 3) {
            // Impact burst and dust.
            p.setPen(QPen(QColor(230, 80, 50), 4, Qt::SolidLine, Qt::RoundCap));
            for (int k = 0; k < 7; ++k) {
                const qreal a = qDegreesToRadians(200.0 + k * 23.3);
                const QPointF base(90, floorY - 4);
                p.drawLine(base + QPointF(62 * qCos(a), 44 * qSin(a)), base + QPointF(84 * qCos(a), 64 * qSin(a)));
            }
        }
        if (f == 3 || f == 4) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(214, 220, 232, f == 3 ? 230 : 150));
            const qreal spread = f == 3 ? 0 : 14;
            for (const QPointF& c : {QPointF(46 - spread, floorY - 4), QPointF(36 - spread, floorY - 10),
                     QPointF(134 + spread, floorY - 4), QPointF(144 + spread, floorY - 10)})
                p.drawEllipse(c, 8, 6);
        }
        if (f == 6) {
            // Little dizzy stars over the fallen hourglass.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 200, 60));
            for (const QPointF& c : {QPointF(64, 86), QPointF(90, 76), QPointF(116, 86)})
                p.drawPath(starPath(c, 8, 3.4));
        }

        p.drawImage(QRectF(0, shift, kFrameSide, kFrameSide), sprite);
        p.end();
        save(image, QStringLiteral("Lose%1.png").arg(f));
    }
}

// ---------------------------------------------------------------- size

// 8-bit palettes are indistinguishable here and keep the files small; both
// tools are optional Debian packages, so a missing one only costs bytes.
void shrinkFiles()
{
    const QString pngquant = QStandardPaths::findExecutable("pngquant");
    const QString optipng = QStandardPaths::findExecutable("optipng");
    if (pngquant.isEmpty())
        std::fprintf(stderr, "make_pictures: pngquant not found, files stay 32-bit\n");
    else if (QProcess::execute(pngquant,
                 QStringList{"--force", "--ext", ".png", "--speed", "1", "--quality", "85-100", "--strip"} +
                     g_written) != 0)
        std::fprintf(stderr, "make_pictures: pngquant failed, files stay 32-bit\n");
    if (optipng.isEmpty())
        std::fprintf(stderr, "make_pictures: optipng not found, files are not recompressed\n");
    else
        QProcess::execute(optipng, QStringList{"-quiet", "-o5", "-strip", "all"} + g_written);
}

}  // namespace

int main(int argc, char** argv)
{
    // No display is needed; the colour emoji font renders offscreen too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    g_outDir = args.size() > 1 ? args.at(1) : QStringLiteral(DEFAULT_OUTPUT_DIR);
    g_outDir = QDir::cleanPath(QDir(g_outDir).absolutePath());
    if (!QDir().mkpath(g_outDir))
        fail("cannot create " + g_outDir);

    QFont emojiFont(QStringLiteral("Noto Color Emoji"));
    if (QFontInfo(emojiFont).family() != QLatin1String("Noto Color Emoji"))
        fail("font \"Noto Color Emoji\" not found; install fonts-noto-color-emoji");

    makeCardPictures();
    makeCardBack();
    makeButtons();
    makeHelpIcons();
    makeAppIcons();
    makeWinFrames();
    makeLoseFrames();
    shrinkFiles();

    qint64 total = 0;
    for (const QString& path : g_written)
        total += QFileInfo(path).size();
    QTextStream(stdout) << g_written.size() << " pictures, " << total << " bytes, in " << g_outDir << '\n';
    return 0;
}
