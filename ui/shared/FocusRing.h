#pragma once
#include <QColor>
#include <QPainter>
#include <QRect>

namespace vornel {

// The ring that shows where the keys are: yellow bands edged in black, so
// one or the other stands out on any card, picture or button.
// `bands` yellow bands, drawn inside `r`.
inline void drawFocusRing(QPainter& p, const QRect& r, int bands)
{
    const QColor yellow(255, 230, 0);
    const int rings = bands + 2;
    for (int i = 0; i < rings; ++i) {
        const QColor colour = i == 0 || i == rings - 1 ? QColor(Qt::black) : yellow;
        const QRect ring = r.adjusted(i, i, -i, -i);
        p.fillRect(ring.left(), ring.top(), ring.width(), 1, colour);
        p.fillRect(ring.left(), ring.bottom(), ring.width(), 1, colour);
        p.fillRect(ring.left(), ring.top(), 1, ring.height(), colour);
        p.fillRect(ring.right(), ring.top(), 1, ring.height(), colour);
    }
}

}  // namespace vornel
