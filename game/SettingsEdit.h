#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "game/SavedSettings.h"
#include "storage/ColoursFile.h"
#include "storage/DefaultColoursFile.h"

namespace vornel {

// ---- The main window's five colours ------------------------------------------

// The colours file applied to the colours shown: each text that is a 32-bit
// decimal number replaces its colour; any other text leaves it.
ColourValues coloursFromFile(ColourValues shown, const std::array<std::string, ColourIndex::Count>& texts);
// The defaults file as start-up writes it from the design colours.
DefaultColours defaultColoursOf(const ColourValues& design, std::int32_t cardColour);
// What the main window shows while the swatches are being edited: the
// swatches, except that a wallpaper keeps the window background.
ColourValues livePreview(const ColourValues& shown, const ColourValues& swatches, bool wallpaperShown);

// ---- The settings window ---------------------------------------------------------

// The settings window's edit of the five colours, the card colour and the
// card picture size. The card settings are the main window's own: OK puts
// the edit into them, and Defaults changes their colour at once.
class SettingsEdit {
public:
    static constexpr std::int16_t Open = 1;
    static constexpr std::int16_t Confirmed = 2;

    SettingsEdit(const ColourValues& shown, CardSettings& cards, std::filesystem::path coloursFile,
        std::filesystem::path defaultsFile);

    std::int16_t SettingsState() const { return state_; }
    // The colours the main window had when the window opened.
    const ColourValues& SavedColours() const { return saved_; }
    const ColourValues& swatches() const { return swatches_; }
    std::int32_t cardColour() const { return cardColour_; }
    // The sample pictures' size, twips.
    std::int32_t pictureWidth() const { return width_; }
    std::int32_t pictureHeight() const { return height_; }
    int widthPosition() const { return widthPosition_; }
    int heightPosition() const { return heightPosition_; }

    void setWidthPosition(int position);
    void setHeightPosition(int position);
    void pickSwatch(int index, std::int32_t colour);
    void pickCardColour(std::int32_t colour);

    bool defaultsAvailable() const;
    // The design colours into the swatches; the card colour at once, even
    // if the window is then cancelled. Nothing when the file has gone.
    void defaults();
    // The card settings take the size and colour, the colours file the swatches.
    SaveResult ok();
    // The colours the main window keeps once the window has closed.
    const ColourValues& coloursAfterClosing() const { return state_ == Confirmed ? swatches_ : saved_; }

private:
    CardSettings& cards_;
    std::filesystem::path coloursFile_;
    std::filesystem::path defaultsFile_;
    std::int16_t state_ = Open;
    ColourValues saved_;
    ColourValues swatches_;
    std::int32_t cardColour_;
    std::int32_t width_;
    std::int32_t height_;
    int widthPosition_;
    int heightPosition_;
};

}  // namespace vornel
