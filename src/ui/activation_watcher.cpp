#include "ui/activation_watcher.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <QWindow>

namespace ui {

ActivationWatcher::ActivationWatcher(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    connect(
        qApp, &QGuiApplication::focusWindowChanged, this, &ActivationWatcher::focusWindowChanged);
}

void ActivationWatcher::focusWindowChanged(QWindow* focusWindow)
{
    // Another application came forward: the program remembers its last window. A list's
    // drop-down belongs to the window that opened it.
    if (!focusWindow || focusWindow->type() == Qt::Popup)
        return;
    const Source source = sourceOf(focusWindow);
    const Source cameFrom = m_lastActive;
    m_lastActive = source;
    if (source == Source::Watched && cameFrom != Source::Watched && cameFrom != Source::MessageBox)
        emit activated();
}

ActivationWatcher::Source ActivationWatcher::sourceOf(QWindow* window) const
{
    if (m_window && m_window->windowHandle() == window)
        return Source::Watched;
    for (QWidget* topLevel : QApplication::topLevelWidgets()) {
        if (topLevel->windowHandle() == window)
            return qobject_cast<QMessageBox*>(topLevel) ? Source::MessageBox : Source::OtherWindow;
    }
    return Source::OtherWindow;
}

} // namespace ui
