#pragma once
#include <array>
#include <cstdint>

namespace vornel {

// The highlight of the three picture buttons (New game, New championship,
// Stop) under the mouse. Only an available button lights up.
class PictureButtons {
public:
    static constexpr int Count = 3;
    static constexpr std::int16_t NoneHovered = -5;

    // The pointer is over button k; `available` is whether its action can run.
    void highlight(int k, bool available);
    // The pointer left the buttons for the background, board, panel or wallpaper.
    void clearHighlight();

    std::int16_t hoverIndex() const { return hoverIndex_; }
    bool highlighted(int i) const { return highlighted_.at(i); }
    bool bold(int i) const { return bold_.at(i); }

private:
    std::int16_t hoverIndex_ = NoneHovered;
    std::array<bool, Count> highlighted_{};
    std::array<bool, Count> bold_{};
};

}  // namespace vornel
