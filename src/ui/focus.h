#pragma once

// Focus helpers. Qt gives no focus to a widget on a hidden page, so an operation that
// "gives a box the focus" also runs what the box's focus-in runs itself.

#include <QObject>

#include <functional>

class QWidget;

namespace ui {

// Runs `action` every time `widget` receives the keyboard focus, by the user or by program.
void onFocusIn(QWidget* widget, std::function<void()> action);

// Moves the focus to `widget` where Qt can deliver it (the widget is showing and enabled).
void giveFocus(QWidget* widget);

} // namespace ui
