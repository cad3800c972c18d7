#pragma once

// Controls the windows create the same way: named for the program's own lookups and for a
// screen reader.

class QAbstractButton;
class QPushButton;
class QString;
class QSvgWidget;
class QWidget;

namespace ui {

// A push button with this object name and caption. A screen reader reads the caption
// without the blanks some captions carry. Return presses it, as Space does.
QPushButton* button(const char* name, const QString& caption, QWidget* parent);

// Makes Return and Enter press a button that has the keyboard focus, as they do on the
// rest of the desktop. Qt leaves that to dialogs; outside one only Space presses a button.
void pressOnReturn(QAbstractButton* button);

// A picture drawn from an SVG resource, with this object name; `description` is what a
// screen reader says of it. The artwork follows the colour scheme: what it draws in
// currentColor takes the palette's text colour, and its red the shade of red that reads
// on the page.
QSvgWidget* picture(
    const char* name, const QString& file, const QString& description, QWidget* parent);

} // namespace ui
