#pragma once

// Menu items made the same way in every window: a fixed object name, the desktop theme's
// icon where it has one, and the platform's standard keys.

#include <QKeySequence>

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QString;

namespace ui {

// An action that `owner` holds, to be added to menus.
QAction* makeAction(QObject* owner, const char* name, const QString& text,
    const char* icon = nullptr, QKeySequence::StandardKey key = QKeySequence::UnknownKey);

// An action made in a menu, which holds it.
QAction* addAction(QMenu* menu, const char* name, const QString& text, const char* icon = nullptr,
    QKeySequence::StandardKey key = QKeySequence::UnknownKey);

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& title);

// The room a menu bar takes in its window: none where the desktop shows menus outside.
int menuBarHeight(const QMenuBar* bar);

} // namespace ui
