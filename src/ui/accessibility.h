#pragma once

// Keyboard and screen-reader access shared by the windows.

#include <QList>

class QAbstractButton;
class QComboBox;
class QLabel;
class QString;
class QWidget;

namespace ui {

// Makes Tab visit `widgets` in the order given, and Shift+Tab the reverse. Qt skips the
// ones that are hidden or disabled when the user tabs, and takes the option buttons of
// one exclusive group as one stop.
void setTabOrder(const QList<QWidget*>& widgets);

// Keeps the one Tab stop of a set of exclusive options on the chosen option, as other
// desktops do. Qt moves the stop only with the focus, so a choice made by program would
// leave it behind, on an option that may since have been hidden or disabled.
void keepTabStopOnChoice(const QList<QAbstractButton*>& options);

// Names an editable list for a screen reader: the list, and the text box inside it that
// takes the keyboard focus.
void setListName(QComboBox* list, const QString& name);

// A result label's accessible name says what the result is; since that name hides the
// label's text from a screen reader, the result shown goes into its description.
void setResultName(QLabel* label, const QString& name);
// Shows a result in a label named with setResultName.
void setResultText(QLabel* label, const QString& text);

} // namespace ui
