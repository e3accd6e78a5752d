#pragma once
#include <QRect>
#include <cmath>

#include "ui/shared/BoardLayout.h"

namespace vornel {

// 15 twips to a device-independent pixel; Qt scales pixels for HiDPI.
inline int px(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}
inline QRect px(const TwipRect& r)
{
    return QRect(px(r.left), px(r.top), px(r.width), px(r.height));
}
inline QRect px(int left, int top, int width, int height)
{
    return px(TwipRect{left, top, width, height});
}

}  // namespace vornel
