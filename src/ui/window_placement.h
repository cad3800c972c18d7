#pragma once

// Where a new window goes beside another one.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace ui {

// The position (of the frame's top left) for a window of the given inside size, to the
// right of the anchor window with a small gap, and moved left as far as it takes to end
// inside the available area. A window gets its frame only when it is first shown, from
// the window manager that framed the anchor, so the anchor's frame stands in for it.
QPoint besideWindow(
    const QRect& anchorFrame, const QRect& anchorInside, const QSize& size, const QRect& available);

} // namespace ui
