#pragma once

// Controls the windows create the same way: named for the program's own lookups and for a
// screen reader.

class QPushButton;
class QString;
class QSvgWidget;
class QWidget;

namespace ui {

// A push button with this object name and caption. A screen reader reads the caption
// without the blanks some captions carry.
QPushButton* button(const char* name, const QString& caption, QWidget* parent);

// A picture drawn from an SVG resource, with this object name; `description` is what a
// screen reader says of it.
QSvgWidget* picture(
    const char* name, const QString& file, const QString& description, QWidget* parent);

} // namespace ui
