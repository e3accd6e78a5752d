#include "ui/main_window/PictureButtons.h"

namespace vornel {

void PictureButtons::highlight(int k, bool available)
{
    if (k < 0 || k >= Count || hoverIndex_ == k || !available)
        return;
    for (int i = 0; i < Count; ++i) {
        highlighted_[i] = i == k;
        bold_[i] = i == k;
    }
    hoverIndex_ = static_cast<std::int16_t>(k);
}

void PictureButtons::clearHighlight()
{
    highlighted_.fill(false);
    bold_.fill(false);
    hoverIndex_ = NoneHovered;
}

}  // namespace vornel
