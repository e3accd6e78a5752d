#include "ui/shared/BoardLayout.h"

namespace vornel {

std::array<CardGeometry, 20> layOutCards(TwipRect firstFrame, int pictureWidth, int pictureHeight)
{
    std::array<CardGeometry, 20> cards{};
    cards[0].frame = firstFrame;
    for (int i = 1; i < 20; ++i) {
        cards[i].frame.width = firstFrame.width;
        cards[i].frame.height = firstFrame.height;
    }
    for (int i = 1; i <= 4; ++i) {
        const TwipRect& prev = cards[i - 1].frame;
        cards[i].frame.left = prev.left + prev.width + CardGap;
        cards[i].frame.top = prev.top;
    }
    for (int c = 0; c <= 4; ++c) {
        for (int k = c + 5; k < 20; k += 5) {
            const TwipRect& above = cards[k - 5].frame;
            cards[k].frame.left = cards[c].frame.left;
            cards[k].frame.top = above.top + above.height + CardGap;
        }
    }
    for (CardGeometry& card : cards) {
        card.face = {60, 60, pictureWidth, pictureHeight};
        card.back = card.frame;
        card.number = {card.back.left + 120, card.back.top + 180, card.back.width - 240, card.back.height - 360};
    }
    return cards;
}

TwipRect captionOver(TwipRect button)
{
    return {button.left, button.top + 40, button.width, button.height};
}

}  // namespace vornel
