#pragma once
#include <QPointer>
#include <QWidget>
#include <array>
#include <filesystem>

#include "game/SettingsEdit.h"
#include "text/Captions.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace vornel {

class ClickLabel;
class PaletteWindow;
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
    void Form_Activate();
    void Picture1_Click(int index);
    void Command2_Click();
    void LABEL20_Change();
    void HScroll1_Change();
    void HScroll1_Scroll(int position);
    void VScroll1_Change();
    void VScroll1_Scroll(int position);
    void Command1_Click();
    void Command20_Click();
    void Command10_Click();

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
    void Form_Load(const TextCatalog& catalog);
    void Form_QueryUnload();
    void showSwatches();
    void showCardColour();
    void showPictureSize();
    PaletteWindow* openPalette(QPoint topLeft);

    SettingsEdit edit_;
    PictureLibrary& pictures_;
    bool useGreek_;
    CaptionTable captions_;
    QPointer<PaletteWindow> palette_;
    std::array<QLabel*, 6> label1_{};
    std::array<ClickLabel*, 5> picture1_{};     // swatches
    std::array<QWidget*, 3> cardPreviews_{};    // Image1, Picture2, Picture3
    std::array<QLabel*, 3> picturePreviews_{};  // Image2, Image3, Image9
    std::array<QLabel*, 2> label3_{};           // height and width texts
    QLabel* label2_ = nullptr;
    QLabel* label20_ = nullptr;
    QScrollBar* hScroll1_ = nullptr;
    QScrollBar* vScroll1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
};

}  // namespace vornel
