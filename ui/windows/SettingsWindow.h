#pragma once
#include <QPointer>
#include <QWidget>
#include <array>
#include <filesystem>

#include "game/SettingsEdit.h"
#include "text/Captions.h"
#include "ui/windows/PaletteWindow.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace vornel {

class ClickLabel;
class PictureLibrary;
class TextCatalog;

// The settings window: the main window's five colours, the card colour and
// the card picture size. Not modal; it reports the colours to show and
// confirms through signals, and puts the card settings into the main
// window's own.
class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    SettingsWindow(const ColourValues& shown, CardSettings& cards, std::filesystem::path coloursFile,
        std::filesystem::path defaultsFile, PictureLibrary& pictures, bool useGreek, const TextCatalog& catalog,
        QWidget* parent);

    const SettingsEdit& edit() const { return edit_; }
    PaletteWindow* palette() const;

    // ---- Handlers -------------------------------------------------------------
    void onActivated();
    void onSwatchClicked(int index);
    void onCardColourClicked();
    void onColourTaken(ColourTarget target, std::int32_t colour);
    void onWidthChanged();
    void onWidthScrolled(int position);
    void onHeightChanged();
    void onHeightScrolled(int position);
    void onDefaultsClicked();
    void onOkClicked();
    void onCancelClicked();

signals:
    // A swatch changed: the main window shows the swatches at once.
    void swatchesChanged(const vornel::ColourValues& swatches);
    // OK: the card settings hold the new size and colour; the main window
    // takes them and the swatches.
    void confirmed(const vornel::ColourValues& swatches);
    // Closed without OK: the main window's colours as they were.
    void restoreColours(const vornel::ColourValues& saved);
    void closed();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void showInitialState(const TextCatalog& catalog);
    void onClosing();
    void showSwatches();
    void showCardColour();
    void showPictureSize();
    PaletteWindow* openPalette(QPoint topLeft);

    SettingsEdit edit_;
    PictureLibrary& pictures_;
    bool useGreek_;
    CaptionTable captions_;
    QPointer<PaletteWindow> palette_;
    std::array<QLabel*, 5> swatchLabels_{};
    std::array<ClickLabel*, 5> swatches_{};
    std::array<QWidget*, 3> cardSamples_{};     // a card's frame in the card colour
    std::array<QLabel*, 3> samplePictures_{};  // at the picture size
    QLabel* heightLabel_ = nullptr;  // the height while a drag goes on
    QLabel* widthLabel_ = nullptr;
    QLabel* heightValue_ = nullptr;  // the height once set
    QLabel* widthValue_ = nullptr;
    QScrollBar* widthBar_ = nullptr;
    QScrollBar* heightBar_ = nullptr;
    QPushButton* defaultsButton_ = nullptr;
    QPushButton* cardColourButton_ = nullptr;
};

}  // namespace vornel
