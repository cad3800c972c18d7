#include "ui/window_placement.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int kGap = 8;

} // namespace

QPoint besideWindow(
    const QRect& anchorFrame, const QRect& anchorInside, const QSize& size, const QRect& available)
{
    const int outerWidth = size.width() + anchorFrame.width() - anchorInside.width();
    QPoint position(anchorFrame.right() + 1 + kGap, anchorFrame.top());
    const int pastRight = position.x() + outerWidth - (available.right() + 1);
    if (pastRight > 0)
        position.setX(std::max(available.left(), position.x() - pastRight));
    return position;
}

} // namespace ui
