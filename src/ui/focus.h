#pragma once

// Focus helpers. Qt gives no focus to a widget on a hidden page, so an operation that
// "gives a box the focus" also runs what the box's focus-in runs itself.

#include <QObject>

#include <functional>

class QWidget;

namespace ui {

// Runs `action` every time the focus moves to `widget`, by the user or by program. The
// focus that comes back with the window (from a message box or another program), or from
// the widget's own drop-down list, is not a move to the widget and runs nothing.
void onFocusIn(QWidget* widget, std::function<void()> action);

// Moves the focus to `widget` where Qt can deliver it (the widget is showing and enabled).
void giveFocus(QWidget* widget);

} // namespace ui
