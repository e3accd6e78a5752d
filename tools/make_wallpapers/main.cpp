// Draws the game's built-in wallpapers as 24-bit BMP files into the folder
// given on the command line. Run by the build; the output is the same on
// every run.

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

// Twice the main window's outer size: sharp on a 2x screen, and scaled
// down smoothly on a 1x one.
constexpr int Width = 1332;
constexpr int Height = 882;

// A small generator of our own, so that every platform draws the same.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed) { }
    double next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / double(1u << 24);
    }
    double between(double a, double b) { return a + (b - a) * next(); }

private:
    std::uint32_t state_;
};

bool writeBmp(const QImage& image, const std::string& path)
{
    const int w = image.width(), h = image.height();
    const int rowBytes = (w * 3 + 3) & ~3;
    const std::uint32_t pixelBytes = std::uint32_t(rowBytes) * std::uint32_t(h);
    std::string out;
    auto u16 = [&](std::uint32_t v) { out += char(v & 0xFF); out += char((v >> 8) & 0xFF); };
    auto u32 = [&](std::uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); };
    out += "BM";
    u32(54 + pixelBytes);
    u32(0);
    u32(54);
    u32(40);  // BITMAPINFOHEADER
    u32(std::uint32_t(w));
    u32(std::uint32_t(h));  // positive: rows from the bottom up
    u16(1);
    u16(24);
    u32(0);  // no compression
    u32(pixelBytes);
    u32(5669);  // 144 dpi
    u32(5669);
    u32(0);
    u32(0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::string row(std::size_t(rowBytes), '\0');
        for (int x = 0; x < w; ++x) {
            row[std::size_t(3 * x)] = char(qBlue(line[x]));
            row[std::size_t(3 * x + 1)] = char(qGreen(line[x]));
            row[std::size_t(3 * x + 2)] = char(qRed(line[x]));
        }
        out += row;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), std::streamsize(out.size()));
    return bool(file);
}

void verticalGradient(QPainter& p, QRectF r, std::initializer_list<std::pair<double, QColor>> stops)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    for (const auto& [at, colour] : stops)
        g.setColorAt(at, colour);
    p.fillRect(r, g);
}

void softDisc(QPainter& p, QPointF centre, double radius, QColor colour)
{
    QRadialGradient g(centre, radius);
    QColor edge = colour;
    edge.setAlpha(0);
    g.setColorAt(0.0, colour);
    g.setColorAt(0.55, colour);
    g.setColorAt(1.0, edge);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

// A ridge from left to right at about `base`, made of a few waves.
QPainterPath ridge(double base, double amplitude, Random& random, int waves)
{
    std::vector<double> freq, phase, amp;
    for (int i = 0; i < waves; ++i) {
        freq.push_back(random.between(1.0, 3.0) * (i + 1));
        phase.push_back(random.between(0, 2 * M_PI));
        amp.push_back(amplitude / (i + 1));
    }
    QPainterPath path(QPointF(0, Height));
    for (int x = 0; x <= Width; x += 4) {
        double y = base;
        for (int i = 0; i < waves; ++i)
            y += amp[std::size_t(i)] * std::sin(freq[std::size_t(i)] * x / Width * 2 * M_PI + phase[std::size_t(i)]);
        path.lineTo(x, y);
    }
    path.lineTo(Width, Height);
    path.closeSubpath();
    return path;
}

void cloud(QPainter& p, QPointF at, double size, Random& random)
{
    for (int i = 0; i < 7; ++i) {
        const QPointF c = at + QPointF(random.between(-1.4, 1.4) * size, random.between(-0.35, 0.25) * size);
        softDisc(p, c, size * random.between(0.55, 0.9), QColor(255, 255, 255, 150));
    }
}

void sunrise(QPainter& p)
{
    Random random(11);
    const double horizon = Height * 0.58;
    verticalGradient(p, QRectF(0, 0, Width, horizon),
        {{0.0, QColor(178, 214, 240)}, {0.55, QColor(236, 222, 228)}, {1.0, QColor(255, 214, 176)}});
    // The sun stands right of the board, where the window leaves the sky open.
    const QPointF sun(Width * 0.93, Height * 0.15);
    softDisc(p, sun, 260, QColor(255, 236, 200, 150));
    softDisc(p, sun, 70, QColor(255, 248, 225));
    // Distant islands.
    p.setBrush(QColor(196, 178, 206));
    p.setPen(Qt::NoPen);
    QPainterPath island(QPointF(Width * 0.48, horizon));
    island.cubicTo(Width * 0.55, horizon - 60, Width * 0.63, horizon - 70, Width * 0.73, horizon);
    p.drawPath(island);
    QPainterPath small(QPointF(Width * 0.02, horizon));
    small.cubicTo(Width * 0.06, horizon - 26, Width * 0.10, horizon - 24, Width * 0.15, horizon);
    p.drawPath(small);
    verticalGradient(p, QRectF(0, horizon, Width, Height - horizon),
        {{0.0, QColor(170, 206, 222)}, {1.0, QColor(96, 160, 196)}});
    // The sun's path on the water and the small waves.
    for (int i = 0; i < 260; ++i) {
        const double t = random.next();
        const double y = horizon + 4 + t * t * (Height - horizon);
        const double spread = 30 + 220 * t;
        const double x = sun.x() + random.between(-spread, spread);
        const double len = 10 + 50 * t;
        p.setPen(QPen(QColor(255, 246, 222, int(200 * (1 - t * 0.6))), 1.5 + 3 * t, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - len / 2, y), QPointF(x + len / 2, y));
    }
    for (int i = 0; i < 220; ++i) {
        const double t = random.next();
        const double y = horizon + 8 + t * (Height - horizon);
        const double x = random.between(0, Width);
        p.setPen(QPen(QColor(240, 250, 255, 90), 1 + 2 * t, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, y), QPointF(x + 20 + 40 * t, y));
    }
    // Two gulls.
    p.setPen(QPen(QColor(110, 110, 130), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (QPointF g : {QPointF(Width * 0.64, 120.0), QPointF(Width * 0.70, 150.0)}) {
        QPainterPath wing(g - QPointF(22, 8));
        wing.quadTo(g - QPointF(10, 14), g);
        wing.quadTo(g + QPointF(10, -14), g + QPointF(22, -8));
        p.drawPath(wing);
    }
}

void mountains(QPainter& p)
{
    Random random(23);
    verticalGradient(p, QRectF(0, 0, Width, Height),
        {{0.0, QColor(206, 222, 242)}, {0.5, QColor(238, 232, 244)}, {1.0, QColor(250, 240, 232)}});
    softDisc(p, QPointF(Width * 0.18, Height * 0.22), 60, QColor(255, 252, 240));
    const QColor layers[] = {QColor(196, 204, 226), QColor(166, 182, 214), QColor(132, 158, 196),
        QColor(98, 134, 170), QColor(70, 108, 132)};
    for (int i = 0; i < 5; ++i) {
        const double base = Height * (0.42 + 0.11 * i);
        const QPainterPath r = ridge(base, 70 - 8 * i, random, 4);
        // Mist gathers in the valleys: each layer pales towards its foot.
        QLinearGradient g(0, base - 80, 0, base + 140);
        g.setColorAt(0, layers[i]);
        g.setColorAt(1, layers[i].lighter(128));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(r);
    }
}

void meadow(QPainter& p)
{
    Random random(37);
    verticalGradient(p, QRectF(0, 0, Width, Height),
        {{0.0, QColor(150, 200, 240)}, {0.6, QColor(214, 236, 250)}, {1.0, QColor(240, 248, 250)}});
    cloud(p, QPointF(Width * 0.22, 130), 70, random);
    cloud(p, QPointF(Width * 0.78, 90), 55, random);
    cloud(p, QPointF(Width * 0.52, 230), 45, random);
    const QColor hills[] = {QColor(170, 206, 140), QColor(132, 186, 104), QColor(96, 160, 80)};
    for (int i = 0; i < 3; ++i) {
        const QPainterPath r = ridge(Height * (0.55 + 0.12 * i), 40, random, 2);
        QLinearGradient g(0, Height * (0.5 + 0.12 * i), 0, Height);
        g.setColorAt(0, hills[i].lighter(110));
        g.setColorAt(1, hills[i].darker(112));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(r);
    }
    const QColor flowers[] = {QColor(255, 255, 255), QColor(255, 224, 90), QColor(255, 160, 190), QColor(190, 160, 255)};
    for (int i = 0; i < 420; ++i) {
        const double t = random.next();
        const double y = Height * 0.80 + t * Height * 0.2;
        const double x = random.between(0, Width);
        const double r = 2 + 4 * t;
        p.setBrush(flowers[i % 4]);
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

void bubbles(QPainter& p)
{
    Random random(41);
    QLinearGradient g(0, 0, Width, Height);
    g.setColorAt(0.0, QColor(252, 226, 236));
    g.setColorAt(0.5, QColor(230, 224, 250));
    g.setColorAt(1.0, QColor(208, 240, 232));
    p.fillRect(QRectF(0, 0, Width, Height), g);
    const QColor tints[] = {QColor(255, 190, 210), QColor(190, 200, 255), QColor(180, 236, 220), QColor(255, 230, 180)};
    for (int i = 0; i < 90; ++i) {
        const QPointF c(random.between(0, Width), random.between(0, Height));
        const double r = random.between(20, 130);
        QColor tint = tints[i % 4];
        tint.setAlpha(int(random.between(50, 110)));
        softDisc(p, c, r, tint);
        p.setPen(QPen(QColor(255, 255, 255, 90), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r * 0.62, r * 0.62);
    }
}

void dunes(QPainter& p)
{
    Random random(53);
    verticalGradient(p, QRectF(0, 0, Width, Height),
        {{0.0, QColor(250, 226, 196)}, {0.45, QColor(255, 240, 220)}, {1.0, QColor(246, 222, 190)}});
    softDisc(p, QPointF(Width * 0.82, Height * 0.18), 80, QColor(255, 250, 236));
    const QColor sand[] = {QColor(240, 206, 160), QColor(228, 186, 134), QColor(214, 166, 112), QColor(198, 146, 96)};
    for (int i = 0; i < 4; ++i) {
        const double base = Height * (0.50 + 0.12 * i);
        const QPainterPath r = ridge(base, 55, random, 3);
        QLinearGradient g(0, base - 60, Width, Height);
        g.setColorAt(0, sand[i].lighter(112));
        g.setColorAt(1, sand[i]);
        p.setPen(QPen(QColor(255, 244, 224, 160), 3));
        p.setBrush(g);
        p.drawPath(r);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_wallpapers FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::vector<std::pair<const char*, std::function<void(QPainter&)>>> pictures = {
        {"Sunrise", sunrise}, {"Mountains", mountains}, {"Meadow", meadow}, {"Bubbles", bubbles}, {"Dunes", dunes}};
    for (const auto& [name, draw] : pictures) {
        QImage image(Width, Height, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            draw(p);
        }
        const std::string path = folder + "/" + name + ".bmp";
        if (!writeBmp(image, path)) {
            std::fprintf(stderr, "make_wallpapers: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
