#pragma once
#include <QImage>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

class QLabel;

namespace vornel {

class PictureLibrary;

// What a colour taken from the palette is for: the card frames, or one of
// the settings window's five swatches (a ColourIndex).
struct ColourTarget {
    enum class Kind { CardFrames, Swatch };
    Kind kind = Kind::CardFrames;
    int swatch = -1;

    static ColourTarget cardFrames() { return {}; }
    static ColourTarget swatchAt(int index) { return {Kind::Swatch, index}; }
};

// The colour palette: 48 swatches to take a colour from, with a preview of
// the last one taken. It stays open across clicks; whoever opened it says
// what the colour is for. The arrow keys move over the swatches, Space or
// Enter takes one as a click does, Escape closes.
class PaletteWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int Columns = 8;
    static constexpr int Rows = 6;
    static constexpr QSize PictureSize{210, 140};  // pixels
    static constexpr QRgb Background = qRgb(191, 191, 191);

    PaletteWindow(PictureLibrary& pictures, bool useGreek, QWidget* parent);

    // The swatch colours, row by row from the top.
    static const std::array<QRgb, Columns * Rows>& swatchColours();
    // The palette picture, drawn once for each screen density: `ratio`
    // device pixels to a pixel.
    static const QImage& paletteImage(qreal ratio = 1);
    static QPoint swatchCentre(int row, int column);
    // The colour drawn under `at` (pixels, with fractions on a denser screen
    // or rounded to whole ones) on a screen of `ratio`; none outside the picture.
    static std::optional<QRgb> colourAt(QPointF at, qreal ratio);

    ColourTarget target() const { return target_; }
    void setTarget(ColourTarget target) { target_ = target; }
    void setPreview(std::int32_t colour);
    // A press of any button at `at` (pixels) on the palette picture.
    void onPicturePressed(QPointF at);

    // Whether the player has been in this window since it was last shown
    // for a choice.
    bool beenActive() const { return beenActive_; }
    void showForChoice();

signals:
    void colourTaken(vornel::ColourTarget target, std::int32_t colour);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void moveKeys(int to);
    void showRing(bool shown);

    bool beenActive_ = false;
    int keysOn_ = 0;  // the swatch the keys are on, row by row
    bool ringShown_ = false;  // once the keys are used, until the mouse is
    std::array<QWidget*, Columns * Rows> swatchKeys_{};
    bool useGreek_;
    ColourTarget target_;

    QLabel* previewBox_ = nullptr;  // the last colour taken
};

}  // namespace vornel
