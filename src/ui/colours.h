#pragma once

// Colours that stay readable in the user's colour scheme, light or dark. A colour the
// program names keeps its hue and takes the shade that reads on the ground behind it.

#include <QColor>
#include <QList>

class QWidget;

namespace ui {

// The least contrast of text, and of the lines of a drawing, with their ground.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kGraphicsContrast = 3.0;

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& first, const QColor& second);

// The shade of `hue` nearest to it that has at least `ratio` against each of `grounds`:
// darker on light grounds, lighter on dark ones. The hue itself where it reads already.
QColor readableShade(const QColor& hue, const QList<QColor>& grounds, double ratio);

// The colour the widget's style fills a page of a tab control with, in the widget's
// palette. Styles tint it: a shade lighter than the window, or of the button colour.
QColor pageColour(const QWidget* widget);

// The shade of `hue` for text on the widget's page, or on its window.
QColor textShade(const QColor& hue, const QWidget* widget);

// Shows the widget's text in the shade of `hue` that reads on its page, now and whenever
// the colour scheme changes.
void setTextHue(QWidget* widget, const QColor& hue);

// A ground of the widget's own with a text colour of its own, the same in every scheme.
void setFixedColours(QWidget* widget, const QColor& text, const QColor& ground);

} // namespace ui
