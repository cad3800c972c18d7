#pragma once

// Designed positions are in twips; Qt lays out in logical pixels, which it scales on
// high-density screens itself.

#include <QRect>
#include <QWidget>

#include <cmath>

namespace ui {

inline constexpr double kTwipsPerPixel = 15.0;

constexpr int twips(int value)
{
    const double pixels = value / kTwipsPerPixel;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

constexpr int toTwips(int pixels)
{
    return static_cast<int>(pixels * kTwipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// The pages of the main window's tab control are designed in the control's own
// coordinates, tab strip included; a page widget starts below the strip.
inline constexpr int kTabStripTwips = 360;

inline QRect pageRect(int left, int top, int width, int height)
{
    return twipsRect(left, top - kTabStripTwips, width, height);
}

inline void placeOnPage(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(pageRect(left, top, width, height));
}

inline void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

} // namespace ui
