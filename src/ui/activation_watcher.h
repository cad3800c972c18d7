#pragma once

// Tells when a top-level window becomes the program's active window by the user's
// coming to it: when it is first shown and when the user comes back from another of
// the program's windows (About, the results sheet). Coming back from a message box
// that a handler raised, from a list's drop-down, or from another application, is not
// such an activation.

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace ui {

class ActivationWatcher : public QObject
{
    Q_OBJECT
public:
    explicit ActivationWatcher(QWidget* window);

signals:
    void activated();

private:
    enum class Source
    {
        Nothing, // no window of the program was active yet
        Watched,
        MessageBox,
        OtherWindow,
    };

    void focusWindowChanged(QWindow* focusWindow);
    Source sourceOf(QWindow* window) const;

    QPointer<QWidget> m_window;
    Source m_lastActive = Source::Nothing;
};

} // namespace ui
